#pragma once
// The 39 hand patterns and the chi-square test that compares their observed
// frequencies with the exact probabilities of a random hand.

#include <array>
#include <cstdint>

#include "VariablesGlobales.h"

namespace korvalo {

inline constexpr int NB_FORMES = 39;

// A hand pattern: the four suit lengths, longest first, and how many of the
// C(52, 13) hands have it.
struct FormeMain {
  int longueurs[4] = {};
  std::uint64_t mains = 0;
  double probabilite = 0;
};

// C(52, 13), the number of distinct hands.
inline constexpr std::uint64_t NB_MAINS_POSSIBLES = 635013559600ull;

// The 39 patterns, longest suits first in lexical order (13-0-0-0 first, 4-3-3-3 last).
const std::array<FormeMain, NB_FORMES>& FormesMains();

// Index in FormesMains() of the pattern of a hand (suits 1..4 of main).
int IndexForme(const TMain& main);

// P(X >= x) for X chi-square with ddl degrees of freedom (ddl > 0).
double QueueKhiDeux(double x, double ddl);

// Chi-square of observed pattern counts against the exact probabilities.
// Rare patterns are pooled, rarest first, until every class expects at least
// five hands; with fewer than two classes there is no test (fait = false).
struct TestFormes {
  bool fait = false;
  long mains = 0;
  int classes = 0;
  int degres = 0;
  double khiDeux = 0;
  double p = 1;
};
TestFormes TesteFormes(const std::array<long, NB_FORMES>& effectifs);

}  // namespace korvalo
