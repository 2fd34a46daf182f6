#pragma once
// Duplicate scoring, the IMP scale and the overbid-bounds table: for each
// pair of adjacent levels, the success rate above which bidding the higher
// contract pays, in total points and in IMPs.
//
// The scoring tables are constant tables built at compile time, so there is
// nothing to initialise at start-up and no order of static initialisation to
// worry about.

#include <string>
#include <vector>

namespace korvalo {

// Strain classes.
enum ClasseContrat : int { ClasseMineure = 1, ClasseMajeure = 2, ClasseSansAtout = 3 };
// Doubling of a contract.
enum NiveauContre : int { NonContre = 0, Contre = 1, Surcontre = 2 };

// Duplicate score of contract `niveau` (1..7) in `classe` (1..3) made exactly.
// Throws std::invalid_argument outside those ranges or for a doubling other
// than 0..2.
int ScoreContrat(int niveau, int classe, bool vulnerable, int contre);
// Duplicate penalty for `chutes` (1..13) tricks down. Throws
// std::invalid_argument outside the ranges.
int PenaliteChute(int chutes, bool vulnerable, int contre);

// IMPs for a score difference, with its sign.
int ConvertitIMP(int difference);

// Break-even percentages for bidding the higher contract: x = the higher
// contract made, y = the lower one made, z = the higher one down one.
// Throw std::invalid_argument when the denominator would be zero (x + z = 0,
// or no IMP at stake either way); the table's own figures never are.
int SeuilTPP(int x, int y, int z);
int SeuilIMP(int x, int y, int z);

// The four conditions of the table's columns, in their order: not vulnerable
// undoubled, vulnerable undoubled, not vulnerable doubled, vulnerable doubled
// (the doubling is that of the higher contract).
inline constexpr int NB_CONDITIONS = 4;
struct TSeuilsPalier {
  int TPP[NB_CONDITIONS];
  int IMP[NB_CONDITIONS];
};
// The break-even percentages from `niveau` (1..6) to niveau + 1 in `classe`.
TSeuilsPalier SeuilsPalier(int classe, int niveau);

// The five-character cell of a percentage: 0 " --- ", 5 "   5%", 100 " 100%".
std::string FormateSeuil(int n);

// The report lines of the overbid table in the current language (the texts
// of Textes, so ChangeLangue must have run after the last change of Langue).
std::vector<std::string> TableauEncheres();

}  // namespace korvalo
