#include "Statistiques.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace korvalo;

namespace {
struct Statistiques : ::testing::Test {
  static void SetUpTestSuite() { InitialiseTables(); }
};

int Index(int a, int b, int c, int d) {
  const auto& formes = FormesMains();
  for (int k = 0; k < NB_FORMES; ++k) {
    const int* l = formes[static_cast<std::size_t>(k)].longueurs;
    if (l[0] == a && l[1] == b && l[2] == c && l[3] == d) return k;
  }
  return -1;
}

// A hand with the given suit lengths (suits 1..4), cards from the top.
TMain MainDeLongueurs(int s1, int s2, int s3, int s4) {
  TMain m{};
  const int l[4] = {s1, s2, s3, s4};
  for (int i = 0; i < 4; ++i) m[static_cast<std::size_t>(i + 1)] = static_cast<std::uint16_t>(((1u << l[i]) - 1) << (13 - l[i]));
  return m;
}
}  // namespace

TEST_F(Statistiques, ThePatternsCountEveryHandOnce) {
  const auto& formes = FormesMains();
  std::uint64_t total = 0;
  for (const FormeMain& f : formes) {
    EXPECT_EQ(f.longueurs[0] + f.longueurs[1] + f.longueurs[2] + f.longueurs[3], 13);
    EXPECT_TRUE(f.longueurs[0] >= f.longueurs[1] && f.longueurs[1] >= f.longueurs[2] && f.longueurs[2] >= f.longueurs[3]);
    total += f.mains;
  }
  EXPECT_EQ(total, NB_MAINS_POSSIBLES);
}

TEST_F(Statistiques, KnownPatternCounts) {
  struct Cas {
    int a, b, c, d;
    std::uint64_t mains;
  };
  const Cas cas[] = {
      {4, 4, 3, 2, 136852887600ull}, {5, 3, 3, 2, 98534079072ull}, {5, 4, 3, 1, 82111732560ull},
      {5, 4, 2, 2, 67182326640ull},  {4, 3, 3, 3, 66905856160ull}, {13, 0, 0, 0, 4ull},
      {7, 6, 0, 0, 35335872ull},
  };
  for (const Cas& c : cas) {
    const int k = Index(c.a, c.b, c.c, c.d);
    ASSERT_GE(k, 0);
    EXPECT_EQ(FormesMains()[static_cast<std::size_t>(k)].mains, c.mains) << c.a << c.b << c.c << c.d;
  }
}

TEST_F(Statistiques, IndexFormeSortsTheLengths) {
  EXPECT_EQ(IndexForme(MainDeLongueurs(2, 4, 3, 4)), Index(4, 4, 3, 2));
  EXPECT_EQ(IndexForme(MainDeLongueurs(0, 0, 13, 0)), Index(13, 0, 0, 0));
  EXPECT_EQ(IndexForme(MainDeLongueurs(3, 3, 3, 4)), Index(4, 3, 3, 3));
  EXPECT_EQ(IndexForme(MainDeLongueurs(4, 4, 4, 4)), -1);  // sixteen cards
}

// Reference values from the closed forms of the even and odd cases.
TEST_F(Statistiques, ChiSquareUpperTail) {
  struct Cas {
    double x;
    int ddl;
    double p;
  };
  const Cas cas[] = {
      {3.841459, 1, 0.04999999465319576},   {10.827566, 1, 0.0010000000921737467},
      {0.001, 1, 0.97477287936996038},      {2, 2, 0.36787944117144233},
      {5, 10, 0.89117801891415116},         {29.588298, 10, 0.0010000001669298632},
      {18.307038, 10, 0.050000000824732264}, {38, 38, 0.46948425692309614},
      {80, 38, 8.0304068215106289e-05},     {0.5, 5, 0.99212329323262949},
      {60, 33, 0.0027668117950779047},      {200, 33, 8.4646953729896392e-26},
  };
  for (const Cas& c : cas) EXPECT_NEAR(QueueKhiDeux(c.x, c.ddl) / c.p, 1.0, 1e-9) << c.x << " " << c.ddl;
  EXPECT_EQ(QueueKhiDeux(0, 5), 1.0);
  EXPECT_EQ(QueueKhiDeux(-1, 5), 1.0);
}

TEST_F(Statistiques, ExactFrequenciesPassSkewedOnesFail) {
  const auto& formes = FormesMains();
  std::array<long, NB_FORMES> exacts{};
  for (int k = 0; k < NB_FORMES; ++k)
    exacts[static_cast<std::size_t>(k)] = std::lround(formes[static_cast<std::size_t>(k)].probabilite * 4e5);
  const TestFormes bon = TesteFormes(exacts);
  ASSERT_TRUE(bon.fait);
  EXPECT_GT(bon.p, 0.99);
  EXPECT_EQ(bon.degres, bon.classes - 1);

  // 3% of the 4-4-3-2 hands turned into 4-3-3-3: about 2,600 hands out of 400,000.
  std::array<long, NB_FORMES> biaises = exacts;
  const long deplaces = biaises[static_cast<std::size_t>(Index(4, 4, 3, 2))] * 3 / 100;
  biaises[static_cast<std::size_t>(Index(4, 4, 3, 2))] -= deplaces;
  biaises[static_cast<std::size_t>(Index(4, 3, 3, 3))] += deplaces;
  EXPECT_LT(TesteFormes(biaises).p, 0.001);
}

TEST_F(Statistiques, RarePatternsArePooledUntilFiveAreExpected) {
  // With enough hands every pattern, 13-0-0-0 included, expects five.
  std::array<long, NB_FORMES> immenses{};
  for (int k = 0; k < NB_FORMES; ++k)
    immenses[static_cast<std::size_t>(k)] = static_cast<long>(FormesMains()[static_cast<std::size_t>(k)].mains) * 10;
  EXPECT_EQ(TesteFormes(immenses).classes, NB_FORMES);
  // Forty hands: 4-4-3-2 (8.6 expected), 5-3-3-2 (6.2) and 5-4-3-1 (5.3) stand alone.
  std::array<long, NB_FORMES> quarante{};
  quarante[static_cast<std::size_t>(Index(4, 4, 3, 2))] = 40;
  const TestFormes t = TesteFormes(quarante);
  EXPECT_TRUE(t.fait);
  EXPECT_EQ(t.classes, 6);  // those three, and the other 36 patterns in three pools
  // Too few hands for two classes: no test, and no failure.
  std::array<long, NB_FORMES> quatre{};
  quatre[0] = 4;
  EXPECT_FALSE(TesteFormes(quatre).fait);
  EXPECT_FALSE(TesteFormes(std::array<long, NB_FORMES>{}).fait);
}
