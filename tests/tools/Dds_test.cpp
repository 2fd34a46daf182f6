#include "Dds.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "Hasard.h"
#include "OutilsTests.h"

using namespace korvalo;

namespace {
struct Dds : ::testing::Test {
  static void SetUpTestSuite() {
    InitialiseTables();
    ConfigureDds(1);
  }
};

std::uint16_t Cartes(const char* rangs) {
  std::uint16_t h = 0;
  for (const char* c = rangs; *c; ++c) h = static_cast<std::uint16_t>(h | (1u << std::string_view("23456789TJQKA").find(*c)));
  return h;
}
}  // namespace

TEST_F(Dds, RankEncodingRoundTrip) {
  for (unsigned h = 0; h <= TOUTES_CARTES; ++h) ASSERT_EQ(DepuisDds(VersDds(static_cast<std::uint16_t>(h))), h);
  EXPECT_EQ(VersDds(1), 1u << 2);          // the two
  EXPECT_EQ(VersDds(CARTE_AS), 1u << 14);  // the ace
  EXPECT_EQ(DepuisDds(0x3u), 0);           // DDS's unused low bits
  EXPECT_EQ(DepuisDds(1u << 14 | 1u << 15), CARTE_AS);
}

// Each hand holds one whole suit: a side takes all 13 tricks when the trumps
// are its own, none otherwise, and nobody takes a trick at no-trump (the
// opening leader runs his suit). Every assignment of suits to seats, solved in
// one call of more than one DDS batch, checks the seat and strain mapping.
TEST_F(Dds, OneSuitPerHand) {
  std::vector<std::array<int, 5>> attributions;  // suit held by seat 1..4
  std::array<int, 4> couleurs = {1, 2, 3, 4};
  do attributions.push_back({0, couleurs[0], couleurs[1], couleurs[2], couleurs[3]});
  while (std::next_permutation(couleurs.begin(), couleurs.end()));
  std::vector<TDonneReference> donnes;
  for (int tour = 0; tour < 2; ++tour)  // 48 deals: two batches
    for (const auto& a : attributions) {
      TDonneReference d;
      for (int p = 1; p <= 4; ++p) d.Mains[p][a[p]] = TOUTES_CARTES;
      donnes.push_back(d);
    }
  ResoutDonnes(donnes);
  for (std::size_t j = 0; j < donnes.size(); ++j) {
    const auto& a = attributions[j % attributions.size()];
    for (int p = 1; p <= 4; ++p) {
      for (int t = 1; t <= 4; ++t) {
        const bool atoutsDuCamp = a[p] == t || a[Partenaire[p]] == t;
        EXPECT_EQ(donnes[j].Levees[p][t], atoutsDuCamp ? 13 : 0) << "deal " << j << " declarer " << p << " strain " << t;
      }
      EXPECT_EQ(donnes[j].Levees[p][5], 0) << "deal " << j << " declarer " << p << " at no-trump";
    }
  }
}

// North-South hold every card from the nine up: at no-trump they win every
// trick whoever declares (each trick is theirs, and so is the next lead).
TEST_F(Dds, TopCardsTakeEveryTrickAtNoTrump) {
  TDonneReference d;
  const char* mains[5][5] = {{},
                             {"", "AKQJT9", "AKQJ", "AKQ", ""},
                             {"", "765", "765", "8765", "876"},
                             {"", "8", "T98", "JT9", "AKQJT9"},
                             {"", "432", "432", "432", "5432"}};
  for (int p = 1; p <= 4; ++p)
    for (int i = 1; i <= 4; ++i) d.Mains[p][i] = Cartes(mains[p][i]);
  ASSERT_TRUE(DonneComplete(d.Mains));
  std::vector<TDonneReference> donnes{d};
  ResoutDonnes(donnes);
  EXPECT_EQ(donnes[0].Levees[1][5], 13);
  EXPECT_EQ(donnes[0].Levees[3][5], 13);
  EXPECT_EQ(donnes[0].Levees[2][5], 0);
  EXPECT_EQ(donnes[0].Levees[4][5], 0);
}

// The table of the first deal of seed 1, as the checked-in file holds it.
TEST_F(Dds, FirstDealOfSeedOne) {
  std::vector<TDonneReference> donnes(1);
  donnes[0].Mains = DonneAleatoire(1, 1);
  ResoutDonnes(donnes);
  const std::uint8_t attendu[4][5] = {{8, 4, 11, 11, 7}, {4, 9, 2, 2, 6}, {8, 4, 11, 11, 7}, {4, 9, 2, 2, 5}};
  for (int p = 1; p <= 4; ++p)
    for (int t = 1; t <= 5; ++t) EXPECT_EQ(donnes[0].Levees[p][t], attendu[p - 1][t - 1]) << p << " " << t;
}

// Checked before DDS sees it: DDS itself crashes on a hand of more than 13 cards.
TEST_F(Dds, IncompleteDealIsAnError) {
  std::vector<TDonneReference> donnes(3);
  for (auto& d : donnes) d.Mains = DonneAleatoire(1, 1);
  donnes[2].Mains[2][1] |= donnes[2].Mains[1][1];  // East also holds North's spades
  try {
    ResoutDonnes(donnes);
    FAIL() << "no error";
  } catch (const ErreurDds& e) {
    EXPECT_NE(std::string(e.what()).find("deal 3 of the batch is not four disjoint hands"), std::string::npos) << e.what();
  }
}
