#pragma once
// One line of the reference file: 16 holdings (seat 1..4 outer, suit 1..4
// inner) then the 4 x 5 double-dummy trick table (declarer seat outer, strain
// 1..5 inner), each value followed by exactly one space.

#include <cstdint>
#include <string>
#include <string_view>

#include "VariablesGlobales.h"

namespace korvalo {

inline constexpr int NB_VALEURS_LIGNE = 36;
inline constexpr int NB_MAINS_LIGNE = 16;

struct TDonneReference {
  tcarreword Mains{};
  std::uint8_t Levees[5][6]{};  // [declarer seat 1..4][strain 1..5]
};

enum class ErreurLigne {
  Aucune,
  ChampVide,        // a leading or doubled space, or the line ends before the value
  PasUnEntier,      // the value holds something other than decimal digits
  EspaceManquant,   // the value is not followed by a space
  MainHorsBornes,   // holding above 8191
  LeveesHorsBornes, // trick count above 13
  DonneIncomplete,  // not four disjoint thirteen-card hands
};

struct ResultatLigne {
  ErreurLigne erreur = ErreurLigne::Aucune;
  int champ = 0;          // 1..36; 0 for a whole-deal error
  std::string texte;      // the text found in that field (at most a few characters)
  explicit operator bool() const { return erreur == ErreurLigne::Aucune; }
};

// Parses one line (its line end already removed, or still there: CR/LF after
// the 36th value's space are ignored like any trailing text). Never reads past
// the end of the view.
ResultatLigne AnalyseLigneReference(std::string_view ligne, TDonneReference& donne);

// True when the four hands are disjoint and hold thirteen cards each.
bool DonneComplete(const tcarreword& mains);

// The line of a deal in the file's format, without its line end.
std::string FormateLigneReference(const TDonneReference& donne);

}  // namespace korvalo
