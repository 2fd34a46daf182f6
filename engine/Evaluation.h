#pragma once
// Valuing one hand: alone (PHo, PHL) and facing a trump fit (PHS), with the
// six systems; the shape tables and the fixed systems.

#include <cstdint>

#include "VariablesGlobales.h"

namespace korvalo {

// Nearest integer, an exact half going to the even neighbour.
int ArrondiPair(double x);
// The same on a value counted in hundredths (exact for the fixed systems).
int ArrondiPairCentiemes(int centiemes);

// PHL of the hand (never negative); PHo goes to the output argument.
// Reads CouleurLongue[p] for the parametric systems.
int EvalueMain(const TMain& m, int p, int& PHo, char lettre);

// The good-suit test.
bool BelleCouleur(std::uint16_t h);

int HonneursMiltonWork(const TMain& m);
float HonneursPetkov(const TMain& m);
// Shape-table value of the pattern of the four lengths (any order).
float PointsDistribution(int l1, int l2, int l3, int l4);
float HonneursZar(const TMain& m);
int PointsKaplanRubens(const TMain& m);
int CorrectionDixNeuf(const TMain& m);
bool AChicane(const TMain& m);
bool EstMain4333(const TMain& m);
bool DeuxGrandsHonneurs(std::uint16_t h);
// PHL of the hand in system 'Z', 'K' or 'C' (0 and PHo 0 for other letters).
int EvalueMainSystemeFixe(const TMain& m, int p, int& PHo, char lettre);

// Support points of the hand with suit Atout as trumps, partner reckoned to
// hold AtoutsPartenaire trumps.
int EvalueMainAvecFit(const TMain& m, int AtoutsPartenaire, char lettre, int Siege, int Atout);
// The same from the hand's PHL (EvalueMain for its seat), for a caller that
// already has it: the PHL does not depend on the trump suit.
int EvalueMainAvecFitDepuisPHL(const TMain& m, int PHL, int AtoutsPartenaire, char lettre, int Atout);
int EvalueFitSystemeFixe(const TMain& m, int AtoutsPartenaire, char lettre, int Atout);

}  // namespace korvalo
