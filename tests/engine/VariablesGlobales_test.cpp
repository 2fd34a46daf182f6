#include <gtest/gtest.h>

#include <limits>

#include "VariablesGlobales.h"

using namespace korvalo;

namespace {
struct Tables : ::testing::Test {
  static void SetUpTestSuite() { InitialiseTables(); }
};
}  // namespace

TEST_F(Tables, LongueurCountsCards) {
  EXPECT_EQ(Longueur[0], 0);
  EXPECT_EQ(Longueur[8191], 13);
  EXPECT_EQ(Longueur[7680], 4);
  EXPECT_EQ(Longueur[4096], 1);
  EXPECT_EQ(Longueur[0b1010101], 4);
}

TEST_F(Tables, PointsHonneursIgnoresTenAndBelow) {
  const int attendus[16] = {0, 1, 2, 3, 3, 4, 5, 6, 4, 5, 6, 7, 7, 8, 9, 10};
  for (int h = 0; h < 16; ++h) EXPECT_EQ(PointsHonneurs[(h << 9) & MASQUE_HONNEURS], attendus[h]) << h;
  EXPECT_EQ(PointsHonneurs[8191 & MASQUE_HONNEURS], 10);
  EXPECT_EQ(PointsHonneurs[511 & MASQUE_HONNEURS], 0);
}

TEST_F(Tables, SeatsGoRoundTheTable) {
  for (int p = 1; p <= 4; ++p) {
    EXPECT_EQ(Partenaire[Partenaire[p]], p);
    EXPECT_EQ(FlancGauche[FlancDroit[p]], p);
  }
  EXPECT_EQ(FlancGauche[4], 1);
  EXPECT_EQ(FlancDroit[1], 4);
  EXPECT_EQ(Partenaire[2], 4);
  EXPECT_EQ(Bit[12], 4096u);
}

TEST(Helpers, EntreExcludesBothBounds) {
  EXPECT_FALSE(Entre(5, 5, 10));
  EXPECT_FALSE(Entre(10, 5, 10));
  EXPECT_TRUE(Entre(6, 5, 10));
  for (int x = -2; x <= 12; ++x) EXPECT_EQ(Entre(x, 0, 10), x >= 1 && x <= 9) << x;
  EXPECT_FALSE(EntreReels(std::numeric_limits<float>::quiet_NaN(), -1e9f, 1e9f));
  EXPECT_TRUE(EntreReels(10.5f, 10.0f, 15.0f));
  EXPECT_FALSE(EntreReels(15.0f, 10.0f, 15.0f));
}

TEST(Helpers, NumeroSystemeTakesUpperCaseLetters) {
  EXPECT_EQ(NumeroSysteme('F'), 1);
  EXPECT_EQ(NumeroSysteme('A'), 2);
  EXPECT_EQ(NumeroSysteme('B'), 3);
  EXPECT_EQ(NumeroSysteme('Z'), 4);
  EXPECT_EQ(NumeroSysteme('K'), 5);
  EXPECT_EQ(NumeroSysteme('C'), 6);
  EXPECT_EQ(NumeroSysteme('M'), 0);
  EXPECT_EQ(NumeroSysteme('f'), 0);
}

TEST_F(Tables, CouleurLongueLooksAtPartnerThenRightThenLeft) {
  tcarreword donne{};
  // Suit 1: partner (3) has four; suit 2: right-hand opponent (4) has four;
  // suit 3: left-hand opponent (2) has five; suit 4: nobody else has four.
  donne[3][1] = 0b1111;
  donne[4][1] = 0b11110000;  // also four, but partner wins
  donne[4][2] = 0b1111;
  donne[2][2] = 0b11110000;  // left also four: right wins
  donne[2][3] = 0b11111;
  donne[2][4] = 0b111;
  donne[1][4] = 0b1111111;  // the seat's own length plays no part
  donne[0][1] = 8191;       // row 0 is never read
  FaitCouleurLongue(donne, 1);
  EXPECT_EQ(CouleurLongue[1][1], 2);
  EXPECT_EQ(CouleurLongue[1][2], 1);
  EXPECT_EQ(CouleurLongue[1][3], -1);
  EXPECT_EQ(CouleurLongue[1][4], 0);
}
