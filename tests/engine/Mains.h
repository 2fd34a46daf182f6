#pragma once
// Hands written as players write them, for the evaluation tests.
//
// "AKxxx/QJx/987/xx": suits 1..4 left to right, "-" or nothing for a void,
// A K Q J T (or 10) 9 ... 2 for named cards, x for a low card that the parser
// picks (the lowest card from the two upward not otherwise named in the suit).

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <stdexcept>
#include <string>

#include "VariablesGlobales.h"

namespace korvalo::test {

// Every evaluation test fills the shared tables before its first test.
struct EnvironnementTables : ::testing::Environment {
  void SetUp() override { InitialiseTables(); }
};
inline const auto* const environnementTables = ::testing::AddGlobalTestEnvironment(new EnvironnementTables);

inline int RangDe(char c) {
  switch (c) {
    case 'A': return 12;
    case 'K': return 11;
    case 'Q': return 10;
    case 'J': return 9;
    case 'T': return 8;
    default:
      if (c >= '2' && c <= '9') return c - '2';
      return -1;
  }
}

// One suit holding from its cards, e.g. "KQTx" or "-".
inline std::uint16_t Tenue(const std::string& texte) {
  std::uint16_t h = 0;
  int bas = 0;
  for (std::size_t i = 0; i < texte.size(); ++i) {
    const char c = texte[i];
    if (c == '-' || c == 'x') continue;
    int r = RangDe(c);
    if (c == '1' && i + 1 < texte.size() && texte[i + 1] == '0') {
      r = 8;
      ++i;
    }
    if (r < 0) throw std::invalid_argument("bad card '" + std::string(1, c) + "' in " + texte);
    if (h & (1u << r)) throw std::invalid_argument("card named twice in " + texte);
    h |= static_cast<std::uint16_t>(1u << r);
  }
  for (char c : texte) {
    if (c != 'x') continue;
    while (bas < 13 && (h & (1u << bas))) ++bas;
    if (bas >= 13) throw std::invalid_argument("too many cards in " + texte);
    h |= static_cast<std::uint16_t>(1u << bas);
  }
  return h;
}

// A thirteen-card hand from "suit1/suit2/suit3/suit4".
inline TMain Main(const std::string& texte) {
  TMain m{};
  std::size_t debut = 0;
  int cartes = 0;
  for (int i = 1; i <= 4; ++i) {
    const std::size_t fin = i < 4 ? texte.find('/', debut) : texte.size();
    if (fin == std::string::npos) throw std::invalid_argument("four suits expected: " + texte);
    m[i] = Tenue(texte.substr(debut, fin - debut));
    cartes += Longueur[m[i]];
    debut = fin + 1;
  }
  if (texte.find('/', debut > texte.size() ? texte.size() : debut) != std::string::npos)
    throw std::invalid_argument("four suits expected: " + texte);
  if (cartes != 13) throw std::invalid_argument("not thirteen cards: " + texte);
  return m;
}

// A deal of four random thirteen-card hands.
inline tcarreword DonneAleatoire(std::mt19937& alea) {
  int cartes[52];
  for (int c = 0; c < 52; ++c) cartes[c] = c;
  std::shuffle(cartes, cartes + 52, alea);
  tcarreword d{};
  for (int k = 0; k < 52; ++k) {
    const int siege = k / 13 + 1;
    const int carte = cartes[k];
    d[siege][carte / 13 + 1] |= static_cast<std::uint16_t>(1u << (carte % 13));
  }
  return d;
}

}  // namespace korvalo::test
