// Field formats of the reports: the worked examples and the rules' boundaries.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "Rapports.h"

namespace korvalo {
namespace {

struct CasReel {
  int d;
  float x;
  const char* attendu;
};

TEST(FormateReel, ExemplesEtBornes) {
  const CasReel cas[] = {
      {1, 24.375f, "24,3 "}, {1, 5.4375f, " 5,4 "}, {1, 0.5f, "  ,5 "},   {1, 9.9375f, " 9,9 "},
      {2, 5.4375f, " 5,43"}, {2, 54.25f, "54,25"},  {2, 0.5f, "  ,50"},   {2, 0.0625f, " , 6"},
      {1, 0.0f, "  ---"},    {2, 0.0f, "  ---"},    {2, 13.0f, "13,00"},  {1, 1.0f, " 1,0 "},
      {2, 99.99f, "99,98"},  // 99.99f is 99.9899978..., truncated
      {2, 100.0f, "100,00"}, {1, 999.5f, "999,5 "}, {1, 1000.5f, " 1000,5 "}, {1, 12345.5f, "12345,5 "},
      {2, 0.09f, " , 9"},    {2, 0.1f, "  ,10"},    {1, 0.05f, "  ,0 "},
  };
  for (const CasReel& c : cas) EXPECT_EQ(FormateReel(c.d, c.x), c.attendu) << c.d << " " << c.x;
}

TEST(FormateReel, LargeurCinqEntreZeroEtCent) {
  for (float x = 0.1f; x < 100; x += 0.37f) {
    EXPECT_EQ(FormateReel(1, x).size(), 5u) << x;
    EXPECT_EQ(FormateReel(2, x).size(), 5u) << x;
  }
}

TEST(FormateReel, ValeursExtremesSansPlantage) {
  const float extremes[] = {std::numeric_limits<float>::quiet_NaN(), std::numeric_limits<float>::infinity(),
                            -std::numeric_limits<float>::infinity(), 3e38f, -3e38f, -0.001f, 1e-30f};
  for (float x : extremes)
    for (int d : {1, 2}) {
      const std::string s = FormateReel(d, x);
      EXPECT_NE(s.find(','), std::string::npos) << x;
      EXPECT_LE(s.size(), 24u) << x;
    }
}

TEST(FormatePourcent, Table) {
  const std::pair<int, const char*> cas[] = {
      {0, "   --"},   {1, "    1"},   {9, "    9"},   {10, "   10"}, {98, "   98"},
      {99, "  100"},  {100, "  100"}, {104, "  100"}, {-1, "     "}, {37, "   37"},
  };
  for (auto [n, attendu] : cas) EXPECT_EQ(FormatePourcent(n), attendu) << n;
}

TEST(FormateEntier, Table) {
  const std::pair<int, const char*> cas[] = {
      {0, "    --"},      {7, "     7"},      {42, "    42"},     {999, "   999"},
      {1500, "  1500"},     {99999, " 99999"}, {100000, "100000"}, {1234567, "1234567"},
  };
  for (auto [n, attendu] : cas) EXPECT_EQ(FormateEntier(n), attendu) << n;
}

TEST(EntierValide, BornesExclues) {
  const std::tuple<const char*, int, int, bool> cas[] = {
      {"6", 0, 7, true},         {"1", 0, 7, true},         {"7", 0, 7, false},
      {"0", 0, 7, false},        {"x", 0, 7, false},        {"", 0, 7, false},
      {"-1", 0, 7, false},       {"3.0", 0, 7, false},      {"3x", 0, 7, false},
      {"100000", 0, 100001, true}, {"100001", 0, 100001, false}, {"99999999999999999999999", 0, 100001, false},
      {" 5 ", 0, 7, true},       {"+5", 0, 7, true},        {"1 500", 0, 100001, false},
  };
  for (auto [texte, bas, haut, attendu] : cas) EXPECT_EQ(EntierValide(texte, bas, haut), attendu) << texte;
}

}  // namespace
}  // namespace korvalo
