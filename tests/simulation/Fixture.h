#pragma once
// Four deals whose tallies, statistics and report lines are worked out by hand
// (tests of the run and of korvalo-cli).

#include <string>
#include <vector>

#include "Mains.h"

namespace korvalo::test {

// Rows 3 and 4 of the trick table hold values that must never be read.
inline TDonneReference AvecLignesInutilisees(TDonneReference d) {
  for (int c = 1; c <= 5; ++c) {
    d.Levees[3][c] = 13;
    d.Levees[4][c] = 0;
  }
  return d;
}

// The hand-worked fixture. With every slot of system 1 at 0 and the Milton
// Work scale, PHL = PHo = the Milton Work count, and PHS = PHL less the trump
// length correction (T - 4 in a good suit of five or more, T - 5 otherwise).
//
// A: N 16 HCP, E 12, S 12, W 0. NS spades 5 + 3 (AKQ32 good: 16 - 1 = 15, S 12,
//    total 27; controls: trump A, side A A, heart K: class 1). EW hearts 4 + 4
//    (E 12, W 0: 12; trump A, club K only: class 0). NT 16 + 12 = 28.
// B: no partnership holds eight cards anywhere; NT 19 + 20 = 39.
// C: NS spades 5 + 3 (19 + 11 = 30, class 2) and hearts 3 + 5 (QJ543 is not good:
//    20 + 11 = 31, class 2); EW diamonds 5 + 3 (KQJT9 good: 9 - 1 = 8, class 0)
//    and clubs 4 + 4 (9 + 0 = 9, class 0). NT 20 + 11 = 31.
// D: A with North and South swapped: the same totals 27, 12 and 28.
inline std::vector<TDonneReference> Fixture() {
  return {
      AvecLignesInutilisees(Donne("AKQ32.K2.A32.432", "87.AQJ9.JT98.KJ7", "JT9.543.KQ4.AQ65", "654.T876.765.T98",
                                  {10, 6, 8, 9, 9}, {3, 7, 5, 4, 4})),
      AvecLignesInutilisees(Donne("AKQJ.432.AK2.Q32", "T98.T98.T987.JT9", "432.AKQJ.QJ3.AK4", "765.765.654.8765",
                                  {6, 7, 8, 9, 12}, {2, 2, 3, 3, 1})),
      AvecLignesInutilisees(Donne("AKQ54.AK2.A432.2", "T9.T9.KQJT9.QJT9", "J32.QJ543.5.AK43", "876.876.876.8765",
                                  {12, 11, 7, 8, 9}, {1, 2, 6, 5, 3})),
      AvecLignesInutilisees(Donne("JT9.543.KQ4.AQ65", "87.AQJ9.JT98.KJ7", "AKQ32.K2.A32.432", "654.T876.765.T98",
                                  {9, 5, 7, 8, 8}, {4, 8, 6, 5, 5})),
  };
}

inline std::string Fichier(const std::vector<TDonneReference>& donnes) {
  std::string texte;
  for (const TDonneReference& d : donnes) texte += FormateLigneReference(d) + "\r\n";
  return texte;
}

}  // namespace korvalo::test
