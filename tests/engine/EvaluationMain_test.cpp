#include <gtest/gtest.h>

#include <cstring>
#include <utility>
#include <vector>

#include "Evaluation.h"
#include "Mains.h"
#include "Parametres.h"

using namespace korvalo;
using korvalo::test::Main;
using korvalo::test::Tenue;

namespace {

TEST(ArrondiPair, HalvesGoToTheEvenNeighbour) {
  const std::pair<double, int> cas[] = {{0.5, 0},     {1.5, 2},    {2.5, 2},  {3.5, 4},   {-0.5, 0},
                                        {-1.5, -2},   {-2.5, -2},  {0, 0},    {2.4999, 2}, {2.5001, 3},
                                        {-2.5001, -3}, {10.05, 10}, {12.85, 13}, {7, 7},   {-7.25, -7}};
  for (const auto& [x, attendu] : cas) EXPECT_EQ(ArrondiPair(x), attendu) << x;
  const std::pair<int, int> centiemes[] = {{50, 0},   {150, 2},  {250, 2},  {-50, 0},  {-150, -2}, {-250, -2},
                                           {1005, 10}, {1285, 13}, {-45, 0}, {-60, -1}, {1250, 12}, {1350, 14},
                                           {1249, 12}, {1251, 13}, {0, 0},   {-100, -1}, {-99, -1}, {-51, -1}};
  for (const auto& [c, attendu] : centiemes) EXPECT_EQ(ArrondiPairCentiemes(c), attendu) << c;
}

TEST(BelleCouleur, ExactlyTheListedPatterns) {
  const std::pair<const char*, bool> cas[] = {
      {"AKx", false},     {"AKQ", false},     {"AKxx", true},    {"AKQJ", true},     {"KJTx", false},
      {"KJT9", true},     {"QJT9", true},     {"QJTx", true},    {"AQxx", false},    {"AT9x", false},
      {"QJTxx", true},    {"QJT9x", false},   {"AQxxx", true},   {"AJxxx", false},   {"AT9xx", true},
      {"A9xxx", false},   {"KJ9xx", false},   {"QJ9xx", false},  {"AJxxxx", true},   {"KJ9xxx", true},
      {"QJ9xxx", true},   {"QJ9xxxx", true},  {"xxxxxxx", false}, {"AK8765", true},  {"KQT9xxx", true},
      {"AKQJT98765432", true}, {"Kxxxxx", false}, {"-", false},  {"AKQJT9", true},   {"J98765", false},
  };
  for (const auto& [texte, attendu] : cas) EXPECT_EQ(BelleCouleur(Tenue(texte)), attendu) << texte;
}

// Parameter record 1 with only the listed slots set, Milton Work scale.
struct Regles : ::testing::Test {
  TParametresSysteme sauves[NB_SYSTEMES_PARAMETRIQUES + 1];
  int codesSauves[5][5];
  void SetUp() override {
    std::memcpy(sauves, ParametresSystemes, sizeof sauves);
    std::memcpy(codesSauves, CouleurLongue, sizeof codesSauves);
  }
  void TearDown() override {
    std::memcpy(ParametresSystemes, sauves, sizeof sauves);
    std::memcpy(CouleurLongue, codesSauves, sizeof codesSauves);
  }
  static void Seulement(const std::vector<std::pair<int, float>>& slots, char honneurs = 'M') {
    TParametresSysteme& p = ParametresSystemes[1];
    p = TParametresSysteme{};
    p.Honneurs = honneurs;
    for (const auto& [k, v] : slots) Emplacement(p, k) = v;
  }
};

struct CasRegle {
  const char* nom;
  const char* main;
  std::vector<std::pair<int, float>> slots;
  int PHo;
  int PHL;
  std::array<int, 5> codes = {0, 0, 0, 0, 0};  // CouleurLongue of seat 1, suits 1..4
};

TEST_F(Regles, EachRuleAlone) {
  const std::vector<CasRegle> cas = {
      // 1: three of the four honours
      {"AKQ", "AKQx/xxx/xxx/xxx", {{1, 1}}, 9, 10},
      {"all four honours", "AKQJ/xxx/xxx/xxx", {{1, 1}}, 10, 10},
      {"two suits, scaled", "KQJx/AQJx/xxx/xx", {{1, 0.5f}}, 13, 14},
      {"AKJ yes, AQ no", "AKJx/AQxx/xxx/xx", {{1, 1}}, 14, 15},
      {"ten is no honour", "KQJT/xxx/xxx/xxx", {{1, 1}}, 6, 7},
      // 2: K-Q-T, K-J-T, Q-J-T(4+) by whose suit it is; the slot only switches
      {"KQT partner", "KQTx/xxx/xxx/xxx", {{2, 0.5f}}, 5, 6, {0, 2, 0, 0, 0}},
      {"KQT right", "KQTx/xxx/xxx/xxx", {{2, 0.5f}}, 5, 6, {0, 1, 0, 0, 0}},
      {"KQT left", "KQTx/xxx/xxx/xxx", {{2, 0.5f}}, 5, 4, {0, -1, 0, 0, 0}},
      {"KQT nobody", "KQTx/xxx/xxx/xxx", {{2, 0.5f}}, 5, 5},
      {"KQT not scaled", "KQTx/xxx/xxx/xxx", {{2, 2}}, 5, 6, {0, 2, 0, 0, 0}},
      {"KJT right", "KJTx/xxx/xxx/xxx", {{2, 0.5f}}, 4, 5, {0, 1, 0, 0, 0}},
      {"KJT9 lower cards free", "KJT9x/xxx/xxx/xx", {{2, 0.5f}}, 4, 5, {0, 2, 0, 0, 0}},
      {"QJT three cards", "QJT/xxxx/xxx/xxx", {{2, 0.5f}}, 3, 3, {0, 2, 0, 0, 0}},
      {"QJT four cards", "QJTx/xxx/xxx/xxx", {{2, 0.5f}}, 3, 4, {0, 2, 0, 0, 0}},
      {"AKQT is not KQT", "AKQT/xxx/xxx/xxx", {{2, 0.5f}}, 9, 9, {0, 2, 0, 0, 0}},
      {"partner and left cancel", "KQTx/KJTx/xxx/xx", {{2, 0.5f}}, 9, 9, {0, 2, -1, 0, 0}},
      // 3: aces from the second
      {"no ace", "Kxxx/xxx/xxx/xxx", {{3, 1}}, 3, 3},
      {"one ace", "Axxx/xxx/xxx/xxx", {{3, 1}}, 4, 4},
      {"two aces", "Axxx/Axx/xxx/xxx", {{3, 1}}, 8, 9},
      {"four aces", "Axxx/Axx/Axx/Axx", {{3, 1}}, 16, 19},
      {"three aces scaled", "Axxx/Axx/Axx/xxx", {{3, 0.5f}}, 12, 13},
      // 4: tens and nines; a ten counts when exactly one of "slot 2 is 0" and
      // "no K-Q-T, K-J-T, Q-J-T group" holds
      {"slot 2 off, ten in KQT counts", "KQTx/9xx/9xx/9xx", {{4, 1}}, 5, 6},
      {"slot 2 off, plain ten does not", "Txxx/9xx/9xx/9xx", {{4, 1}}, 0, 0},
      {"slot 2 on, plain ten counts", "Txxx/9xx/9xx/9xx", {{4, 1}, {2, 0.5f}}, 0, 1},
      {"slot 2 on, ten in KQT does not", "KQTx/9xx/9xx/9xx", {{4, 1}, {2, 0.5f}}, 5, 5},
      {"group with other cards", "AKQTx/9xx/9xx/9x", {{4, 1}, {2, 0.5f}}, 9, 9},
      {"three tens two nines", "T9xx/T9xx/Txx/xx", {{4, 1}, {2, 0.5f}}, 0, 1},
      {"three tens two nines is 1.25", "T9xx/T9xx/Txx/xx", {{4, 1}, {2, 0.5f}, {10, 0.25f}}, 0, 2},
      {"never below zero", "Kxxx/xxx/xxx/xxx", {{4, 1}, {10, 0.5f}}, 3, 4},
      {"not scaled", "T9xx/T9xx/Txx/xx", {{4, 2}, {2, 0.5f}}, 0, 1},
      // 5: length, mode 1 for exactly 1, mode 2 otherwise
      {"good six, mode 1", "AQ9xxx/xxx/xx/xx", {{5, 1}}, 6, 8},
      {"good six, mode 2", "AQ9xxx/xxx/xx/xx", {{5, 2}}, 6, 8},
      {"good six, 0.5 is mode 2", "AQ9xxx/xxx/xx/xx", {{5, 0.5f}}, 6, 8},
      {"poor six, mode 1", "xxxxxx/Axx/Kx/Qx", {{5, 1}}, 9, 11},
      {"poor six, mode 2", "xxxxxx/Axx/Kx/Qx", {{5, 2}}, 9, 10},
      {"poor six, 0.5", "xxxxxx/Axx/Kx/Qx", {{5, 0.5f}}, 9, 10},
      {"poor six, negative value is mode 2", "xxxxxx/Axx/Kx/Qx", {{5, -1}}, 9, 10},
      {"poor five, mode 2", "Jxxxx/AKx/Qxx/xx", {{5, 2}}, 10, 10},
      {"poor five, mode 1", "Jxxxx/AKx/Qxx/xx", {{5, 1}}, 10, 11},
      {"QJT five is good", "QJTxx/AKx/xxx/xx", {{5, 2}}, 10, 11},
      {"QJT9 five is not", "QJT9x/AKx/xxx/xx", {{5, 2}}, 10, 10},
      {"good and poor fives", "AKxxx/xxxxx/xx/x", {{5, 2}}, 7, 8},
      {"poor seven, mode 2", "xxxxxxx/AKx/Qxx/-", {{5, 2}}, 9, 11},
      // 6: a five followed later by a four
      {"5-4", "xxxxx/xxxx/Ax/Kx", {{6, 1}}, 7, 8},
      {"4-5", "xxxx/xxxxx/Ax/Kx", {{6, 1}}, 7, 7},
      {"5 then a later 4", "xxxxx/Ax/Kx/xxxx", {{6, 1}}, 7, 8},
      {"4 then 5 then 2-2", "Ax/xxxx/Kx/xxxxx", {{6, 1}}, 7, 7},
      // 7: two fives
      {"5-5-2-1", "xxxxx/xxxxx/Ax/K", {{7, 1}}, 7, 8},
      {"6-5-1-1", "xxxxxx/xxxxx/A/K", {{7, 1}}, 7, 7},
      // 8: eleven cards or more in two long suits, one of six or more
      {"5-5 gets nothing", "xxxxx/xxxxx/Ax/K", {{8, 1}}, 7, 7},
      {"6-5", "xxxxxx/xxxxx/A/K", {{8, 1}}, 7, 8},
      {"7-6", "Axxxxxx/Kxxxxx/-/-", {{8, 1}}, 7, 10},
      {"6-6 scaled", "Axxxxx/Kxxxxx/x/-", {{8, 0.5f}}, 7, 8},
      // 9: bare honours
      {"singleton king", "K/xxxx/xxxx/xxxx", {{9, -1}}, 3, 2},
      {"singleton queen", "Q/xxxx/xxxx/xxxx", {{9, -1}}, 2, 1},
      {"singleton jack", "J/xxxx/xxxx/xxxx", {{9, -1}}, 1, 0},
      {"singleton ace", "A/xxxx/xxxx/xxxx", {{9, -1}}, 4, 4},
      {"KQ partner", "KQ/xxxxx/xxx/xxx", {{9, -1}}, 5, 5, {0, 2, 0, 0, 0}},
      {"KQ right", "KQ/xxxxx/xxx/xxx", {{9, -1}}, 5, 4, {0, 1, 0, 0, 0}},
      {"KQ nobody", "KQ/xxxxx/xxx/xxx", {{9, -1}}, 5, 4},
      {"KQ left", "KQ/xxxxx/xxx/xxx", {{9, -1}}, 5, 4, {0, -1, 0, 0, 0}},
      {"KJ partner", "KJ/xxxxx/xxx/xxx", {{9, -1}}, 4, 4, {0, 2, 0, 0, 0}},
      {"KJ nobody", "KJ/xxxxx/xxx/xxx", {{9, -1}}, 4, 3},
      {"QJ partner", "QJ/xxxxx/xxx/xxx", {{9, -1}}, 3, 2, {0, 2, 0, 0, 0}},
      {"Kx", "Kx/xxxxx/xxx/xxx", {{9, -1}}, 3, 3},
      {"AK", "AK/xxxxx/xxx/xxx", {{9, -1}}, 7, 7},
      {"three singletons", "K/Q/J/AKQxxxxxxx", {{9, -1}}, 15, 12},
      // 10: no ace
      {"no ace", "Kxxx/xxx/xxx/xxx", {{10, -1}}, 3, 2},
      {"an ace", "Axxx/xxx/xxx/xxx", {{10, -1}}, 4, 4},
      // 11: three cards below the ten
      {"three plain threes", "AKQJ/xxx/xxx/xxx", {{11, -1}}, 10, 7},
      {"a ten or a jack saves", "AKQJ/Txx/9xx/Jxx", {{11, -1}}, 11, 10},
  };
  for (const CasRegle& c : cas) {
    SCOPED_TRACE(std::string(c.nom) + " " + c.main);
    Seulement(c.slots);
    for (int i = 1; i <= 4; ++i) CouleurLongue[1][i] = c.codes[i];
    int PHo = -99;
    const int PHL = EvalueMain(Main(c.main), 1, PHo, 'F');
    EXPECT_EQ(PHo, c.PHo);
    EXPECT_EQ(PHL, c.PHL);
  }
}

TEST_F(Regles, SystemNumberChoosesTheRecordAndSeatChoosesTheCodes) {
  ParametresSystemes[1] = TParametresSysteme{};
  ParametresSystemes[2] = TParametresSysteme{};
  ParametresSystemes[3] = TParametresSysteme{};
  ParametresSystemes[1].Honneurs = ParametresSystemes[2].Honneurs = ParametresSystemes[3].Honneurs = 'M';
  ParametresSystemes[2].BonusSequenceDix = 1;
  ParametresSystemes[3].MalusSansAs = -2;
  const TMain m = Main("KQTx/xxx/xxx/xxx");
  CouleurLongue[1][1] = -1;
  CouleurLongue[3][1] = 2;
  int PHo = 0;
  EXPECT_EQ(EvalueMain(m, 1, PHo, 'F'), 5);
  EXPECT_EQ(EvalueMain(m, 1, PHo, 'A'), 4);
  EXPECT_EQ(EvalueMain(m, 3, PHo, 'A'), 6);
  EXPECT_EQ(EvalueMain(m, 3, PHo, 'B'), 3);
  PHo = 7;
  EXPECT_EQ(EvalueMain(m, 1, PHo, 'f'), 0);
  EXPECT_EQ(PHo, 0);
}

TEST_F(Regles, HalvesOfTheSumGoUp) {
  // K-Q-J twice: 12 honour points, no ace; slot 10 adds the fraction.
  const std::pair<float, int> cas[] = {{0.5f, 13},  {0.25f, 12}, {0.75f, 13}, {-0.5f, 12},
                                       {1.5f, 14},  {-1.5f, 11}, {-12.5f, 0}, {-20, 0}};
  for (const auto& [fraction, attendu] : cas) {
    Seulement({{10, fraction}});
    int PHo = 0;
    EXPECT_EQ(EvalueMain(Main("KQJx/KQJ/xxx/xxx"), 1, PHo, 'F'), attendu) << fraction;
    EXPECT_EQ(PHo, 12);
  }
}

TEST_F(Regles, ZarPetkovScale) {
  const std::pair<const char*, int> cas[] = {
      {"Axxx/Kxx/xxx/xxx", 8},  {"Axxx/xxx/xxx/xxx", 5}, {"AKJx/xxx/xxx/xxx", 8}, {"Axxx/Kxx/Qxx/xxx", 10},
      {"AKQJ/Jxx/xxx/xxx", 10}, {"AKQJ/Qxx/xxx/xxx", 12}, {"Kxxx/xxx/xxx/xxx", 4}, {"Qxxx/Jxx/xxx/xxx", 2},
      {"xxxx/xxx/xxx/xxx", 0},
  };
  for (char lettre : {'Z', 'X', '\0'}) {
    Seulement({}, lettre);
    for (const auto& [main, attendu] : cas) {
      int PHo = -1;
      EXPECT_EQ(EvalueMain(Main(main), 1, PHo, 'F'), attendu) << main;
      EXPECT_EQ(PHo, attendu) << main;
    }
  }
}

TEST_F(Regles, DefaultParameters) {
  ParametresParDefaut();
  struct Cas {
    const char* main;
    int PHo, PHL;
    std::array<int, 5> codes = {0, 0, 0, 0, 0};
  };
  const Cas cas[] = {
      {"AKQx/xxx/xxx/xxx", 9, 10},
      {"AKQJxxxxxxxxx/-/-/-", 10, 19},  // nine length points, no three-honour bonus
      {"K/xxxx/AQxx/xxxx", 9, 8},  // bare king
      {"Kxxxxxxx/AJxx/x/-", 8, 12},
      {"AKxx/Qxx/xxx/Axx", 13, 13},
      {"KQTx/AJxx/xxx/xx", 10, 11, {0, 2, 0, 0, 0}},
      {"xxxxx/xxxxx/AK/x", 7, 10},  // two length points, 5-5 bonus
      {"xxxxxx/xxxxx/A/K", 7, 10},  // three length points, 6-5 bonus, bare king
  };
  for (const Cas& c : cas) {
    for (int i = 1; i <= 4; ++i) CouleurLongue[2][i] = c.codes[i];
    int PHo = 0;
    EXPECT_EQ(EvalueMain(Main(c.main), 2, PHo, 'B'), c.PHL) << c.main;
    EXPECT_EQ(PHo, c.PHo) << c.main;
  }
}

}  // namespace
