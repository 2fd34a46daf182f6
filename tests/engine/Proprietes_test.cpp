// Properties over many random deals, with the defaults, with random editor
// values and with extreme values in every slot.

#include <gtest/gtest.h>

#include <cstring>
#include <random>

#include "Evaluation.h"
#include "Mains.h"
#include "Parametres.h"

using namespace korvalo;
using korvalo::test::DonneAleatoire;

namespace {

constexpr char LETTRES[] = {'F', 'A', 'B', 'Z', 'K', 'C'};

// Values the parameter editor can store, slot by slot.
float ValeurEditeur(int k, std::mt19937& alea) {
  auto parmi = [&](std::initializer_list<float> v) {
    return *(v.begin() + std::uniform_int_distribution<int>(0, static_cast<int>(v.size()) - 1)(alea));
  };
  if (k == 2) return parmi({0, 0.5f});
  if (k == 5) return parmi({0, 0.5f, 1, 2});
  if (k >= 9 && k <= 11) return parmi({-1, -0.5f, 0});
  if (k >= 12 && k <= 14) return parmi({0, 1, 2, 3, 4});
  if (k >= 17 && k <= 22) return static_cast<float>(std::uniform_int_distribution<int>(-4, 4)(alea));
  if (k >= 23) return parmi({-1, -0.5f, 0});
  return parmi({0, 0.5f, 1});
}

struct Proprietes : ::testing::Test {
  TParametresSysteme sauves[NB_SYSTEMES_PARAMETRIQUES + 1];
  void SetUp() override { std::memcpy(sauves, ParametresSystemes, sizeof sauves); }
  void TearDown() override { std::memcpy(ParametresSystemes, sauves, sizeof sauves); }

  // System 1 keeps the defaults; 2 gets editor values, 3 extreme ones.
  static void Parametres(std::mt19937& alea) {
    ParametresParDefaut();
    std::uniform_real_distribution<float> extreme(-1000, 1000);
    for (int k = 1; k <= NB_PARAMETRES; ++k) {
      Emplacement(ParametresSystemes[2], k) = ValeurEditeur(k, alea);
      Emplacement(ParametresSystemes[3], k) = extreme(alea);
    }
    ParametresSystemes[2].Honneurs = alea() % 2 ? 'M' : 'Z';
    ParametresSystemes[3].Honneurs = alea() % 2 ? 'M' : '?';
  }
};

TEST_F(Proprietes, NeverNegativeAndNothingReadsIndexZero) {
  std::mt19937 alea(20240613);
  for (int n = 0; n < 3000; ++n) {
    if (n % 100 == 0) Parametres(alea);
    const tcarreword donne = DonneAleatoire(alea);
    // The same deal with rubbish in row 0 and column 0.
    tcarreword sale = donne;
    for (int i = 0; i <= 4; ++i) sale[0][i] = static_cast<std::uint16_t>(alea());
    for (int p = 1; p <= 4; ++p) sale[p][0] = static_cast<std::uint16_t>(alea());

    for (int p = 1; p <= 4; ++p) {
      FaitCouleurLongue(sale, p);
      int codesSales[5];
      std::memcpy(codesSales, CouleurLongue[p], sizeof codesSales);
      FaitCouleurLongue(donne, p);
      for (int i = 1; i <= 4; ++i) ASSERT_EQ(codesSales[i], CouleurLongue[p][i]);

      const TMain& m = donne[p];
      const TMain& mSale = sale[p];
      for (char lettre : LETTRES) {
        SCOPED_TRACE(std::string("deal ") + std::to_string(n) + " seat " + std::to_string(p) + " " + lettre);
        int PHo = -1, PHoSale = -1;
        const int PHL = EvalueMain(m, p, PHo, lettre);
        ASSERT_GE(PHo, 0);
        ASSERT_GE(PHL, 0);
        ASSERT_EQ(EvalueMain(mSale, p, PHoSale, lettre), PHL);
        ASSERT_EQ(PHoSale, PHo);
        for (int atout = 1; atout <= 4; ++atout) {
          const int partenaire = Longueur[donne[Partenaire[p]][atout]];
          const int PHS = EvalueMainAvecFit(m, partenaire, lettre, p, atout);
          ASSERT_GE(PHS, 0);
          ASSERT_EQ(EvalueMainAvecFit(mSale, partenaire, lettre, p, atout), PHS);
        }
      }
    }
  }
}

TEST_F(Proprietes, FixedSystemsIgnoreSeatAndSuitOwnership) {
  std::mt19937 alea(77);
  std::uniform_int_distribution<int> code(-1, 2);
  for (int n = 0; n < 2000; ++n) {
    const tcarreword donne = DonneAleatoire(alea);
    const TMain& m = donne[1 + n % 4];
    for (char lettre : {'Z', 'K', 'C'}) {
      int PHo0 = 0;
      const int PHL0 = EvalueMainSystemeFixe(m, 1, PHo0, lettre);
      int fit0[5][14];
      for (int atout = 1; atout <= 4; ++atout)
        for (int partenaire = 0; partenaire + Longueur[m[atout]] <= 13; ++partenaire)
          fit0[atout][partenaire] = EvalueFitSystemeFixe(m, partenaire, lettre, atout);
      for (int p = 1; p <= 4; ++p) {
        for (int i = 1; i <= 4; ++i) CouleurLongue[p][i] = code(alea);
        int PHo = -1;
        ASSERT_EQ(EvalueMain(m, p, PHo, lettre), PHL0);
        ASSERT_EQ(PHo, PHo0);
        for (int atout = 1; atout <= 4; ++atout)
          for (int partenaire = 0; partenaire + Longueur[m[atout]] <= 13; ++partenaire)
            ASSERT_EQ(EvalueMainAvecFit(m, partenaire, lettre, p, atout), fit0[atout][partenaire]);
      }
      if (lettre == 'C') {
        ASSERT_GE(PHL0, PHo0);
      } else if (lettre == 'K') {
        ASSERT_EQ(PHo0, PointsKaplanRubens(m));
      } else {
        ASSERT_EQ(PHo0, ArrondiPair(HonneursPetkov(m) + 0.5));
      }
    }
  }
}

}  // namespace
