#include "Hasard.h"

#include <gtest/gtest.h>

#include "LigneReference.h"
#include "OutilsTests.h"
#include "Statistiques.h"

using namespace korvalo;

namespace {
struct Hasard : ::testing::Test {
  static void SetUpTestSuite() { InitialiseTables(); }
};

tcarreword Mains(const std::array<std::uint16_t, 16>& valeurs) {
  tcarreword m{};
  for (int k = 0; k < 16; ++k) m[k / 4 + 1][k % 4 + 1] = valeurs[static_cast<std::size_t>(k)];
  return m;
}
}  // namespace

// The published first outputs of splitmix64 from state 0 and of xoshiro256**
// from state {1, 2, 3, 4}: our generator is those two algorithms.
TEST_F(Hasard, MatchesTheReferenceGenerators) {
  const Xoshiro256 depart = GenerateurDonne(0, 0);  // mix64(mix64(0) + 0) = 0
  EXPECT_EQ(depart.s[0], 0xE220A8397B1DCDAFull);
  EXPECT_EQ(depart.s[1], 0x6E789E6AA1B965F4ull);
  EXPECT_EQ(depart.s[2], 0x06C45D188009454Full);
  Xoshiro256 x{{1, 2, 3, 4}};
  EXPECT_EQ(x.Suivant(), 11520ull);
  EXPECT_EQ(x.Suivant(), 0ull);
  EXPECT_EQ(x.Suivant(), 1509978240ull);
  EXPECT_EQ(x.Suivant(), 1215971899390074240ull);
}

// Pins the whole algorithm (seeding, draw, shuffle, dealing): a change here
// changes every reference file ever made.
TEST_F(Hasard, PinnedDeals) {
  struct Cas {
    std::uint64_t graine, i;
    std::array<std::uint16_t, 16> mains;
  };
  const Cas cas[] = {
      {1, 1, {272, 2, 1038, 5793, 1606, 4644, 2336, 4, 6312, 136, 4688, 24, 1, 3409, 129, 2370}},
      {1, 2, {736, 10, 556, 4226, 1304, 1220, 4097, 2088, 4101, 2049, 2322, 593, 2050, 4912, 1216, 1284}},
      // The first and last deals of the shipped file.
      {20261211, 1, {38, 2052, 139, 1680, 2560, 642, 2116, 2401, 448, 5417, 288, 12, 5145, 80, 5648, 4098}},
      {20261211, 100000, {520, 652, 256, 1363, 4406, 64, 2096, 6656, 1153, 4098, 719, 32, 2112, 3377, 5120, 140}},
  };
  for (const Cas& c : cas) EXPECT_EQ(DonneAleatoire(c.graine, c.i), Mains(c.mains)) << c.graine << " " << c.i;
}

TEST_F(Hasard, DealsAreCompleteAndDependOnSeedAndNumber) {
  for (std::uint64_t i = 1; i <= 2000; ++i) ASSERT_TRUE(DonneComplete(DonneAleatoire(7, i))) << i;
  EXPECT_NE(DonneAleatoire(7, 1), DonneAleatoire(7, 2));
  EXPECT_NE(DonneAleatoire(7, 1), DonneAleatoire(8, 1));
  // Seed and number do not play symmetric parts: files of two seeds share no deal by construction.
  EXPECT_NE(DonneAleatoire(1, 2), DonneAleatoire(2, 1));
  EXPECT_NE(DonneAleatoire(3, 100), DonneAleatoire(100, 3));
}

TEST_F(Hasard, BoundedDrawStaysInRangeAndCoversIt) {
  Xoshiro256 g = GenerateurDonne(42, 1);
  for (std::uint64_t n : {1ull, 2ull, 3ull, 52ull, (1ull << 63) + 1}) {
    bool vus[52] = {};
    for (int k = 0; k < 2000; ++k) {
      const std::uint64_t v = g.Borne(n);
      ASSERT_LT(v, n);
      if (n <= 52) vus[v] = true;
    }
    if (n <= 52) {
      for (std::uint64_t v = 0; v < n; ++v) EXPECT_TRUE(vus[v]) << "n " << n << " never drew " << v;
    }
  }
}

// The shapes of many generated hands pass the same test verify applies.
TEST_F(Hasard, HandPatternsOfGeneratedDealsFollowTheirProbabilities) {
  std::array<long, NB_FORMES> effectifs{};
  for (std::uint64_t i = 1; i <= 20000; ++i) {
    const tcarreword m = DonneAleatoire(20261211, i);
    for (int p = 1; p <= 4; ++p) ++effectifs[static_cast<std::size_t>(IndexForme(m[p]))];
  }
  const TestFormes t = TesteFormes(effectifs);
  ASSERT_TRUE(t.fait);
  EXPECT_GT(t.p, 0.001) << "chi-square " << t.khiDeux << " on " << t.degres;
}
