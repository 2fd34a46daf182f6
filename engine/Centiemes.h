#pragma once
// Inside the engine: the fixed systems counted in hundredths of a point, so
// that every intermediate value is exact and a rounding never drifts.

#include "VariablesGlobales.h"

namespace korvalo::centiemes {

// Zar Petkov honour points of one hand, in hundredths.
int HonneursPetkov(const TMain& m);
// The Zar honour part (never below 0), in hundredths.
int HonneursZar(const TMain& m);
// Kaplan-Rubens value of one suit: its honour value plus length times quality
// over ten, in hundredths.
int KaplanRubensCouleur(std::uint16_t h);
// Shape-table value of the lengths of suits 1..4, in hundredths; 0 when the
// four lengths are not a thirteen-card pattern.
int PointsDistribution(int l1, int l2, int l3, int l4);

// The holding of suit i as a 13-card mask: stray high bits never index past a table.
inline std::uint16_t Couleur(const TMain& m, int i) { return m[i] & TOUTES_CARTES; }

// A hand's lengths, read once.
struct Longueurs {
  int l[5];
  int chicanes, singletons, doubletons;
};
inline Longueurs LongueursDe(const TMain& m) {
  Longueurs r{};
  for (int i = 1; i <= 4; ++i) {
    const int l = Longueur[Couleur(m, i)];
    r.l[i] = l;
    r.chicanes += l == 0;
    r.singletons += l == 1;
    r.doubletons += l == 2;
  }
  return r;
}

}  // namespace korvalo::centiemes
