#include <gtest/gtest.h>

#include <cstring>
#include <utility>
#include <vector>

#include "Evaluation.h"
#include "Mains.h"
#include "Parametres.h"

using namespace korvalo;
using korvalo::test::Main;

namespace {

struct AvecFit : ::testing::Test {
  TParametresSysteme sauves[NB_SYSTEMES_PARAMETRIQUES + 1];
  void SetUp() override {
    std::memcpy(sauves, ParametresSystemes, sizeof sauves);
    std::memset(CouleurLongue, 0, sizeof CouleurLongue);
  }
  void TearDown() override { std::memcpy(ParametresSystemes, sauves, sizeof sauves); }
  // Record 1 with only the listed slots set, Milton Work: PHL is then PHo.
  static void Seulement(const std::vector<std::pair<int, float>>& slots) {
    TParametresSysteme& p = ParametresSystemes[1];
    p = TParametresSysteme{};
    p.Honneurs = 'M';
    for (const auto& [k, v] : slots) Emplacement(p, k) = v;
  }
};

struct CasParametrique {
  const char* nom;
  const char* main;
  int atoutsPartenaire;
  int atout;
  std::vector<std::pair<int, float>> slots;
  int PHS;
};

TEST_F(AvecFit, EachItemAlone) {
  const std::vector<CasParametrique> cas = {
      {"two voids, one void bonus", "AKxx/QJxxxxxxx/-/-", 4, 1, {{12, 3}}, 13},
      {"singletons, the trump one too", "AKxx/Qxxxxxx/x/x", 7, 3, {{13, 2}}, 13},
      {"two doubletons, four trumps", "AKxx/Qxxxx/xx/xx", 4, 1, {{14, 1}, {15, 0.5f}, {16, 1}}, 11},
      {"two doubletons, the trumps one of them; 10.5 goes to 10", "AKxx/Qxxxx/xx/xx", 6, 3, {{14, 1}, {15, 0.5f}, {16, 1}}, 10},
      {"doubleton, three trumps", "AKx/Qxxxxx/xx/xx", 5, 1, {{14, 2}, {15, 1}}, 10},
      {"exact fit, trumps without honour", "7654/AKQ/AKJ/xxx", 4, 1, {{25, -1}, {19, 2}}, 18},
      {"nine-card fit, no such malus", "7654/AKQ/AKJ/xxx", 5, 1, {{25, -1}, {19, 2}}, 17},
      {"the ten is an honour here", "T654/AKQ/AKJ/xxx", 4, 1, {{25, -1}, {19, 2}}, 19},
      {"the nine is not", "9654/AKQ/AKJ/xxx", 4, 1, {{25, -1}, {19, 2}}, 18},
      {"4-3-3-3 takes both maluses", "AKxx/Qxx/xxx/Axx", 4, 1, {{23, -1}, {24, -1}}, 11},
      {"4-4-3-2 is only regular", "AKxx/Qxxx/xxx/Ax", 4, 1, {{23, -1}, {24, -1}}, 12},
      {"a singleton is not regular", "AKxxx/Qxxx/xxx/A", 4, 2, {{23, -1}, {24, -1}}, 13},
      {"good five trumps", "AKxxx/Qxx/xxx/Ax", 3, 1, {}, 12},
      {"poor five trumps", "xxxxx/AKx/Qxx/Ax", 3, 1, {}, 13},
      {"poor six trumps", "xxxxxx/AKx/Qx/Ax", 2, 1, {}, 12},
      {"good six trumps", "AKxxxx/Qxx/xx/Ax", 2, 1, {}, 11},
      {"trump length whatever the length setting", "AKxxx/Qxx/xxx/Ax", 3, 1, {{5, 1}}, 13},
      {"never below zero", "xxxx/Qxx/xxx/xxx", 1, 1, {{17, -4}}, 0},
      {"11.5 goes to 12", "AKxx/Qxxxx/xx/xx", 6, 3, {{15, 1.5f}, {16, 1}}, 12},
  };
  for (const CasParametrique& c : cas) {
    SCOPED_TRACE(std::string(c.nom) + " " + c.main);
    Seulement(c.slots);
    EXPECT_EQ(EvalueMainAvecFit(Main(c.main), c.atoutsPartenaire, 'F', 1, c.atout), c.PHS);
  }
}

TEST_F(AvecFit, FitLengthValueByExcess) {
  Seulement({{17, -4}, {18, -2}, {19, 0}, {20, 2}, {21, 3}, {22, 4}});
  const TMain m = Main("AKxx/Qxx/xxx/Axx");  // 13 points, four trumps in suit 1
  const int attendus[] = {9, 9, 11, 13, 15, 16, 17, 17, 17};  // partner 1..9 trumps
  for (int partenaire = 1; partenaire <= 9; ++partenaire)
    EXPECT_EQ(EvalueMainAvecFit(m, partenaire, 'F', 1, 1), attendus[partenaire - 1]) << partenaire;
}

TEST_F(AvecFit, DefaultParameters) {
  ParametresParDefaut();
  struct Cas {
    const char* main;
    int partenaire, atout, PHS;
  };
  const Cas cas[] = {
      {"Kxxxxxxx/AJxx/x/-", 5, 2, 19},  // PHL 12 + void 3 + singleton 2 + nine-card fit 2
      {"AKxx/Qxx/xxx/Axx", 4, 1, 12},   // PHL 13 - 0.5 for 4-3-3-3 = 12.5
      {"AKxx/Qxxxx/xx/xx", 4, 1, 12},   // PHL 10, doubleton with four trumps, second doubleton
      {"AKxx/QJxxxxxxx/-/-", 4, 1, 18},  // PHL 15 + one void bonus
  };
  for (const Cas& c : cas) {
    for (char lettre : {'F', 'A', 'B'})
      EXPECT_EQ(EvalueMainAvecFit(Main(c.main), c.partenaire, lettre, 3, c.atout), c.PHS) << c.main << " " << lettre;
  }
}

struct CasFixe {
  const char* main;
  int partenaire, atout;
  char lettre;
  int PHS;
};

TEST_F(AvecFit, FixedSystems) {
  const std::vector<CasFixe> cas = {
      // The worked hand, trumps in its five-card suit.
      {"AKxxx/QJx/987/xx", 3, 1, 'Z', 12},
      {"AKxxx/QJx/987/xx", 3, 1, 'K', 10},
      {"AKxxx/QJx/987/xx", 3, 1, 'C', 11},
      {"AKxxx/QJx/987/xx", 4, 1, 'Z', 12},
      {"AKxxx/QJx/987/xx", 4, 1, 'K', 10},
      {"AKxxx/QJx/987/xx", 4, 1, 'C', 13},
      // Zar: excess, trump honours, ruffing values, tie rule.
      {"AKxxx/QJx/987/xx", 5, 1, 'Z', 13},
      {"AKxxx/QJx/987/xx", 2, 1, 'Z', 9},
      {"AKxxx/QJx/987/xx", 5, 3, 'Z', 10},  // trumps without honour
      {"AKxxx/QJx/987/xx", 6, 3, 'Z', 10},  // 10.5 without short suit goes down
      {"AKxxx/QJxx/987/x", 3, 1, 'Z', 14},
      {"AKxxx/QJxx/987/x", 4, 1, 'Z', 14},
      {"AKxxx/QJxx/987/x", 5, 1, 'Z', 15},
      {"AKxxx/QJxxx/987/-", 4, 1, 'Z', 16},  // 15.5 with a void and excess goes up
      {"AKxxx/QJxx/987/x", 2, 1, 'Z', 10},   // 9.5 with a singleton and excess goes up
      {"AKxxx/QJxxx/987/-", 3, 1, 'Z', 15},  // exact fit: goes down
      {"Ax/KQxxxxx/xxxx/-", 6, 1, 'Z', 15},  // two trumps: voids only
      // Kaplan-Rubens: shortness times a factor by own trumps and excess.
      {"Axxxx/Kxxx/xxxx/-", 3, 1, 'K', 11},
      {"Axxxx/Kxxx/xxxx/-", 4, 1, 'K', 12},
      {"Axxxx/Kxxx/xxxx/-", 5, 1, 'K', 13},
      {"Axxxx/Kxxx/xxxx/-", 2, 1, 'K', 13},
      {"Axxxx/Kxxx/xxxx/-", 4, 2, 'K', 11},
      {"Axxxx/Kxxx/xxxx/-", 8, 4, 'K', 4},
      {"Axx/Kxxxxx/xxxx/-", 5, 1, 'K', 12},
      {"Axx/Kxxxxx/xxxx/-", 6, 1, 'K', 13},
      {"Axx/Kxxxxx/xxxx/-", 7, 1, 'K', 13},
      {"Axx/Kxxxxx/xxxx/-", 4, 1, 'K', 13},
      {"Ax/Kxxxxxx/xxxx/-", 6, 1, 'K', 7},
      {"A/Kxxxxxxx/xxxx/-", 7, 1, 'K', 2},
      {"x/xxxxxxxx/xxxx/-", 7, 1, 'K', 0},
      // Charles-Gigault: side shortness, its honour reductions, side honours.
      {"K/xxxx/AQ8x/J976", 4, 2, 'C', 10},
      {"A/xxxx/KQ8x/J976", 4, 2, 'C', 10},
      {"Q/xxxx/AK8x/J976", 4, 2, 'C', 11},
      {"J/xxxx/AK8x/Q976", 4, 2, 'C', 11},
      {"x/xxxx/AK8x/QJ76", 4, 2, 'C', 12},
      {"xxxx/QJ/Axxx/xxx", 4, 1, 'C', 8},
      {"xxxx/KQ/Axxx/xxx", 4, 1, 'C', 10},
      {"xxxx/AJ/Axxx/Jxx", 4, 1, 'C', 11},
      {"xxxx/AK/Axxx/Jxx", 4, 1, 'C', 13},
      {"xxxx/KT/Axxx/Jxx", 4, 1, 'C', 8},
      {"xxxx/AQ/Axxx/Jxx", 4, 1, 'C', 13},  // A-Q keeps its doubleton value
      {"xxxx/KJ/Axxx/xxx", 4, 1, 'C', 10},  // so does K-J
      {"Txxx/QJ/Axxx/xxx", 4, 1, 'C', 8},   // trump ten +0.5
      {"9xxx/K/Axxx/xxxx", 4, 1, 'C', 9},   // trump nine +0.25
      {"xxxx/K/A9xx/xxxx", 4, 1, 'C', 8},   // a side nine counts nothing
      {"AKxx/-/Qxxxx/xxxx", 4, 1, 'C', 14},  // side void with four trumps: 4.0
      {"AKx/-/Qxxxxx/xxxx", 5, 1, 'C', 13},  // with three trumps: 3.1
      {"AKxxx/QJx/987/xx", 1, 1, 'C', 7},
      {"AKxxx/QJx/987/xx", 2, 1, 'C', 9},
      {"AKxxx/QJx/987/xx", 5, 1, 'C', 14},
      {"AKxxx/QJx/987/xx", 6, 1, 'C', 16},
      {"AKxxx/QJx/987/xx", 7, 1, 'C', 18},
      {"AKxxx/QJx/987/xx", 8, 1, 'C', 18},
  };
  for (const CasFixe& c : cas) {
    SCOPED_TRACE(std::string(c.main) + " " + c.lettre + " partner " + std::to_string(c.partenaire) + " trumps " +
                 std::to_string(c.atout));
    const TMain m = Main(c.main);
    EXPECT_EQ(EvalueFitSystemeFixe(m, c.partenaire, c.lettre, c.atout), c.PHS);
    EXPECT_EQ(EvalueMainAvecFit(m, c.partenaire, c.lettre, 2, c.atout), c.PHS);
  }
}

TEST_F(AvecFit, OtherLettersAndTrumpSuitsGiveNothing) {
  const TMain m = Main("AKxxx/QJx/987/xx");
  for (char lettre : {'F', 'x', '\0'}) EXPECT_EQ(EvalueFitSystemeFixe(m, 3, lettre, 1), 0) << lettre;
  EXPECT_EQ(EvalueMainAvecFit(m, 3, 'q', 1, 1), 0);
  for (char lettre : {'F', 'Z', 'K', 'C'}) {
    EXPECT_EQ(EvalueMainAvecFit(m, 3, lettre, 1, 0), 0) << lettre;
    EXPECT_EQ(EvalueMainAvecFit(m, 3, lettre, 1, 5), 0) << lettre;
  }
}

}  // namespace
