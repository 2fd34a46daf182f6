#pragma once
// Hands written as a player reads them: "AKT32.Q84.-.J9", suits 1..4 separated
// by dots, '-' for a void, ranks A K Q J T 9 .. 2.

#include <cstdint>
#include <random>
#include <stdexcept>
#include <string>

#include "LigneReference.h"
#include "VariablesGlobales.h"

namespace korvalo::test {

inline std::uint16_t Carte(char rang) {
  const std::string rangs = "23456789TJQKA";
  const auto r = rangs.find(rang);
  if (r == std::string::npos) throw std::invalid_argument(std::string("rank ") + rang);
  return static_cast<std::uint16_t>(1u << r);
}

inline TMain Main(const std::string& texte) {
  TMain m{};
  int couleur = 1;
  for (char c : texte) {
    if (c == '.') {
      if (++couleur > 4) throw std::invalid_argument("five suits in " + texte);
    } else if (c != '-') {
      const std::uint16_t carte = Carte(c);
      if (m[couleur] & carte) throw std::invalid_argument("card twice in " + texte);
      m[couleur] |= carte;
    }
  }
  if (couleur != 4) throw std::invalid_argument("not four suits in " + texte);
  return m;
}

// A deal from four hands (seats 1..4) and the trick table rows 1 and 2
// (strains 1..5); rows 3 and 4 are given the values of rows 1 and 2.
inline TDonneReference Donne(const std::string& n, const std::string& e, const std::string& s, const std::string& o,
                             std::array<int, 5> levees1, std::array<int, 5> levees2) {
  TDonneReference d{};
  d.Mains[1] = Main(n);
  d.Mains[2] = Main(e);
  d.Mains[3] = Main(s);
  d.Mains[4] = Main(o);
  if (!DonneComplete(d.Mains)) throw std::invalid_argument("not a complete deal: " + n + " " + e + " " + s + " " + o);
  for (int c = 1; c <= 5; ++c) {
    d.Levees[1][c] = d.Levees[3][c] = static_cast<std::uint8_t>(levees1[c - 1]);
    d.Levees[2][c] = d.Levees[4][c] = static_cast<std::uint8_t>(levees2[c - 1]);
  }
  return d;
}

// A uniformly shuffled complete deal with made-up trick counts in 0..13 (the
// tests need the format, not double-dummy truth). mt19937_64 is the same on
// every standard library; the draws are done by hand for the same reason.
inline TDonneReference DonneAleatoire(std::mt19937_64& g) {
  int cartes[52];
  for (int i = 0; i < 52; ++i) cartes[i] = i;
  for (int i = 51; i > 0; --i) {
    const int j = static_cast<int>(g() % static_cast<std::uint64_t>(i + 1));
    std::swap(cartes[i], cartes[j]);
  }
  TDonneReference d{};
  for (int i = 0; i < 52; ++i) {
    const int siege = i / 13 + 1, couleur = cartes[i] / 13 + 1, rang = cartes[i] % 13;
    d.Mains[siege][couleur] |= static_cast<std::uint16_t>(1u << rang);
  }
  for (int r = 1; r <= 4; ++r)
    for (int c = 1; c <= 5; ++c) d.Levees[r][c] = static_cast<std::uint8_t>(g() % 14);
  return d;
}

}  // namespace korvalo::test
