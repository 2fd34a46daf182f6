#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "Centiemes.h"
#include "Evaluation.h"
#include "Mains.h"

using namespace korvalo;
using korvalo::test::DonneAleatoire;
using korvalo::test::Main;
using korvalo::test::Tenue;

namespace {

struct Resultat {
  int PHo, PHL;
  bool operator==(const Resultat&) const = default;
};
std::ostream& operator<<(std::ostream& os, const Resultat& r) { return os << "PHo " << r.PHo << " PHL " << r.PHL; }

Resultat Fixe(const TMain& m, char lettre) {
  Resultat r{-99, 0};
  r.PHL = EvalueMainSystemeFixe(m, 1, r.PHo, lettre);
  return r;
}

struct Exemple {
  const char* main;
  float petkov, zarHonneurs;
  Resultat zar;
  int kaplanRubens;
  Resultat kr;
  int correction;
  Resultat cg;
};

TEST(SystemesFixes, WorkedHands) {
  const Exemple exemples[] = {
      {"AKxxx/QJx/987/xx", 9.5f, 9.5f, {10, 11}, 10, {10, 10}, 0, {10, 11}},
      {"AQJ8765/Kx/Qx/Jx", 11.5f, 11.5f, {12, 14}, 13, {13, 15}, -1, {13, 16}},
      // Tens beside the king and the queen: the Zar tie goes up.
      {"AQJ8765/KT/QT/Jx", 11.5f, 11.5f, {12, 15}, 14, {14, 16}, 0, {13, 16}},
      // One ten and one nine (3 + 2 = 5) is not enough to go up.
      {"AQJ8765/K9/QT/Jx", 11.5f, 11.5f, {12, 14}, 13, {13, 15}, 0, {13, 16}},
      // No honours: the weak five-card suit cannot take the Zar part below 0.
      {"xxxxx/xxx/xxx/xx", 0, 0, {0, 1}, 0, {0, 0}, -1, {0, 1}},
      {"K/xxxx/xxxx/xxxx", 3, 2, {4, 3}, 1, {1, 3}, -1, {3, 4}},
      {"A/xxxx/xxxx/xxxx", 4.5f, 4.5f, {5, 6}, 3, {3, 5}, -1, {4, 5}},
      // A void sends the Zar tie up.
      {"Axxxxxx/Kxxxxx/-/-", 7.5f, 7.5f, {8, 14}, 10, {10, 16}, -1, {7, 10}},
  };
  for (const Exemple& e : exemples) {
    SCOPED_TRACE(e.main);
    const TMain m = Main(e.main);
    EXPECT_EQ(HonneursPetkov(m), e.petkov);
    EXPECT_EQ(HonneursZar(m), e.zarHonneurs);
    EXPECT_EQ(Fixe(m, 'Z'), e.zar);
    EXPECT_EQ(PointsKaplanRubens(m), e.kaplanRubens);
    EXPECT_EQ(Fixe(m, 'K'), e.kr);
    EXPECT_EQ(CorrectionDixNeuf(m), e.correction);
    EXPECT_EQ(Fixe(m, 'C'), e.cg);
    // EvalueMain hands the fixed letters over unchanged.
    for (char lettre : {'Z', 'K', 'C'}) {
      Resultat r{};
      r.PHL = EvalueMain(m, 2, r.PHo, lettre);
      EXPECT_EQ(r, Fixe(m, lettre)) << lettre;
    }
  }
}

TEST(SystemesFixes, OtherLettersGiveNothing) {
  const TMain m = Main("AKxxx/QJx/987/xx");
  for (char lettre : {'F', 'A', 'B', 'z', '\0'}) EXPECT_EQ(Fixe(m, lettre), (Resultat{0, 0})) << lettre;
}

TEST(PointsDistribution, TableFollowsItsRuleWithEightTruncations) {
  const int tronques[][4] = {{13, 0, 0, 0}, {12, 1, 0, 0}, {11, 2, 0, 0}, {11, 1, 1, 0},
                             {10, 3, 0, 0}, {10, 2, 1, 0}, {10, 1, 1, 1}, {9, 2, 1, 1}};
  int motifs = 0;
  for (int a = 0; a <= 13; ++a)
    for (int b = 0; a + b <= 13; ++b)
      for (int c = 0; a + b + c <= 13; ++c) {
        const int d = 13 - a - b - c;
        int l[4] = {a, b, c, d};
        std::sort(l, l + 4, std::greater<int>());
        const float demi = static_cast<float>(2 * l[0] + l[1] - l[3] - 8) / 2;
        bool tronque = false;
        for (const auto& t : tronques) tronque |= std::equal(l, l + 4, t);
        const float attendu = tronque ? std::trunc(demi) : demi;
        ASSERT_EQ(PointsDistribution(a, b, c, d), attendu) << a << b << c << d;
        if (a >= b && b >= c && c >= d) ++motifs;
      }
  EXPECT_EQ(motifs, 39);
  const std::pair<std::array<int, 4>, float> cas[] = {
      {{4, 3, 3, 3}, 0},   {{4, 4, 3, 2}, 1},   {{5, 3, 3, 2}, 1.5f}, {{7, 2, 2, 2}, 3}, {{9, 2, 1, 1}, 5},
      {{12, 1, 0, 0}, 8},  {{13, 0, 0, 0}, 9},  {{2, 4, 3, 4}, 1},    {{0, 0, 13, 0}, 9}, {{1, 0, 12, 0}, 8},
      {{6, 5, 1, 1}, 4},   {{1, 6, 1, 5}, 4},   {{10, 1, 1, 1}, 6},   {{8, 2, 2, 1}, 4.5f},
  };
  for (const auto& [l, v] : cas) EXPECT_EQ(PointsDistribution(l[0], l[1], l[2], l[3]), v) << l[0] << l[1] << l[2] << l[3];
  // Not a thirteen-card pattern: nothing, and no table read out of bounds.
  EXPECT_EQ(PointsDistribution(4, 4, 4, 4), 0);
  EXPECT_EQ(PointsDistribution(14, -1, 0, 0), 0);
  EXPECT_EQ(PointsDistribution(-13, 26, 0, 0), 0);
}

TEST(HonneursZar, HalfPointsLongSuitsAndCorrections) {
  const std::pair<const char*, float> cas[] = {
      {"AKQxx/Qxxx/xxx/x", 11},      // 10.5 with two plain short suits: +0.5
      {"AKQJ/Jxxx/xxx/xx", 10.5f},   // 10 is not above 10; K-Q-J +0.5
      {"AKx/AQx/Jxxx/xxx", 14},      // 14 is not above 14, one plain suit
      {"AKx/AQx/Qxxx/xxx", 15.5f},   // above 14, one plain suit
      {"AKx/AQx/Jxx/xxxx", 14},      // no plain short suit
      {"AKxx/AQJxx/xx/xx", 14.5f},   // 14 with two plain short suits
      {"AKxx/AQxx/Kxx/xx", 17},      // 16.5, one plain suit
      {"AKxx/AQxx/Kxxxx/-", 17},     // 16.5, the void is the plain suit
      {"Qxxxx/AKx/xxx/xx", 8},       // weak five-card suit -1
      {"QJxxx/AKx/xxx/xx", 9.5f},    // Q-J saves it
      {"Kxxxx/Axx/xxx/xx", 7.5f},    // the king saves it
      {"QJ/AKxxx/Axx/xxx", 13.5f},   // bare Q-J
      {"KQ/AKxxx/Axx/xxx", 16.5f},   // bare K-Q
      {"KJ/AKxxx/Axx/xxx", 15.5f},   // bare K-J
      {"Q/AKxxxx/Axx/xxx", 12.5f},   // bare queen
      {"J/AKxxxx/Axx/xxx", 12},      // bare jack
      {"K/AKxxxx/Axx/xxx", 14.5f},   // bare king
      {"A/KQxxxx/Axx/xxx", 13.5f},   // bare ace: no correction
      {"KQJ/AKxx/xxx/xxx", 13.5f},  // 12.5 +0.5, K-Q-J +0.5
      {"QJT9/AKxx/xxx/xx", 10},      // Q-J-T-9 +0.5
      {"KQJT9/AKx/xxx/xx", 13.5f},   // both groups in one suit: +0.5 once
      {"J/xxxxxx/xxx/xxx", 0},       // never below 0
  };
  for (const auto& [main, attendu] : cas) EXPECT_EQ(HonneursZar(Main(main)), attendu) << main;
}

TEST(KaplanRubens, SuitValueByHonoursLengthAndQuality) {
  const std::pair<const char*, int> cas[] = {
      {"-", 0},          {"T", 0},           {"K", 80},          {"Q", 20},         {"Qx", 65},
      {"KQ", 350},       {"KQx", 450},       {"AQ", 470},        {"T9", 20},        {"Txx", 15},
      {"KTx", 305},      {"KT9", 345},       {"ATx", 435},       {"AT9", 475},      {"AJx", 475},
      {"AKTx", 845},     {"JTx", 60},        {"JT9x", 100},      {"98x", 15},       {"9xx", 0},
      {"QJ9x", 190},     {"Q9xx", 155},      {"QT9x", 220},      {"AKxxx", 850},    {"AKQTxx", 1225},
      {"xxxxxxx", 70},   {"T9xxxxx", 70},    {"QJxxxxx", 260},   {"xxxxxxxx", 160}, {"QJxxxxxx", 290},
      {"xxxxxxxxx", 270}, {"Jxxxxxxxx", 90}, {"Qxxxxxxxx", 525}, {"AKQJT9xxx", 1575},
  };
  for (const auto& [tenue, attendu] : cas) EXPECT_EQ(centiemes::KaplanRubensCouleur(Tenue(tenue)), attendu) << tenue;
}

TEST(KaplanRubens, BalancedHandLosesHalfAPointRoundedToEven) {
  std::mt19937 alea(4333);
  int vus[2] = {0, 0};
  for (int n = 0; n < 20000; ++n) {
    const tcarreword d = DonneAleatoire(alea);
    for (int p = 1; p <= 4; ++p) {
      if (!EstMain4333(d[p])) continue;
      const int k = PointsKaplanRubens(d[p]);
      ++vus[k & 1];
      ASSERT_EQ(Fixe(d[p], 'K'), (Resultat{k, k - (k & 1)}));
    }
  }
  EXPECT_GT(vus[0], 100);
  EXPECT_GT(vus[1], 100);
}

TEST(CorrectionDixNeuf, TensNinesAndShortSuits) {
  const std::pair<const char*, int> cas[] = {
      {"AKxxx/QJx/987/xx", 0},    // no ten, one nine: -0.5 -> 0
      {"Txxx/T9xx/xxx/xx", 0},    // 0.5 -> 0
      {"T9xx/T9xx/T9x/xx", 2},    // 1.5 -> 2
      {"Txxxx/T9xxx/xx/x", 1},    // 0.6 -> 1
      {"xxxx/xxx/xxx/xxx", -1},   // -0.75
      {"T9xx/xxx/xxx/xxx", 0},
      {"T9xx/T9x/xxx/xxx", 1},    // 0.75
      {"AKQJxxxxxxx/x/x/-", 0},    // -0.45
      {"T9xx/T9xx/T9xx/T", 2},    // 2.1
  };
  for (const auto& [main, attendu] : cas) EXPECT_EQ(CorrectionDixNeuf(Main(main)), attendu) << main;
}

TEST(CharlesGigault, LengthPointsAndFloorAtHonourPoints) {
  const std::pair<const char*, Resultat> cas[] = {
      {"AKxxxx/xxx/xxx/x", {7, 10}},    // six cards, two top honours +2
      {"Axxxxx/Kxx/xxx/x", {7, 9}},     // six cards, one +1
      {"ATxxxx/Kxx/xxx/x", {7, 9}},     // the ten is a top honour
      {"AKxxxxxx/xxx/xx/-", {7, 11}},   // eight cards +3
      {"xxxxxxxx/AKx/xx/-", {7, 9}},    // eight cards without +2; its nine cancels the -1
      {"Kxxxxxx/Axx/xxx/-", {7, 10}},   // 9.5 -> 10
      {"AKxxxxx/xxx/xxx/-", {7, 10}},   // 10.5 -> 10
      {"Axxxx/Kxx/Qxx/xx", {9, 10}},    // five cards without: 0
      {"AT9x/KT9x/QT9/xx", {9, 9}},     // correction 2 would give 7: PHL stays at PHo
  };
  for (const auto& [main, attendu] : cas) EXPECT_EQ(Fixe(Main(main), 'C'), attendu) << main;
}

TEST(Formes, VoidsBalancedHandsAndTopHonours) {
  EXPECT_TRUE(AChicane(Main("AKQJxxxxx/xxxx/-/-")));
  EXPECT_TRUE(AChicane(Main("AKQJxxxxx/xxx/x/-")));
  EXPECT_FALSE(AChicane(Main("xxxxx/xxxx/xxx/x")));
  EXPECT_TRUE(EstMain4333(Main("xxx/xxxx/xxx/xxx")));
  EXPECT_FALSE(EstMain4333(Main("xxxx/xxxx/xxx/xx")));
  EXPECT_FALSE(EstMain4333(Main("xxxxx/xxx/xxx/xx")));
  const std::pair<const char*, bool> cas[] = {{"AK", true},  {"AT", true},     {"JT", true},  {"QJxxx", true},
                                              {"Axxx", false}, {"T98", false}, {"-", false}, {"AKQJT", true}};
  for (const auto& [tenue, attendu] : cas) EXPECT_EQ(DeuxGrandsHonneurs(Tenue(tenue)), attendu) << tenue;
}

}  // namespace
