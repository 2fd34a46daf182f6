// Statistics of a run computed from tallies built observation by observation.
#include <gtest/gtest.h>

#include <memory>

#include "Simulation.h"

namespace korvalo {
namespace {

struct Observation {
  int k, S, t, fois;
};

std::unique_ptr<TValeursSysteme> Calcule(std::initializer_list<Observation> observations, int N = 10) {
  auto cumuls = std::make_unique<TCumuls>();
  RemetAZero(*cumuls);
  for (const Observation& o : observations)
    for (int i = 0; i < o.fois; ++i) EnregistreObservation(*cumuls, o.k, o.S, o.t);
  auto v = std::make_unique<TValeursSysteme>();
  CalculeValeurs(*cumuls, N, *v);
  return v;
}

TEST(Observations, ToutesLesTallies) {
  auto c = std::make_unique<TCumuls>();
  RemetAZero(*c);
  EnregistreObservation(*c, 4, 27, 10);
  EnregistreObservation(*c, 4, 23, 10);
  EnregistreObservation(*c, 4, 23, 9);
  EXPECT_EQ(c->Effectifs[4][23][10], 1);
  EXPECT_EQ(c->Effectifs[4][23][9], 1);
  EXPECT_EQ(c->EffectifsParPoints[4][23], 2);
  EXPECT_EQ(c->EffectifsParLevees[4][10], 2);
  EXPECT_EQ(c->SommePoints[4][10], 50);
  EXPECT_EQ(c->SommeCarresPoints[4][10], 27 * 27 + 23 * 23);
  EXPECT_EQ(c->SommePoints[3][10], 0);
}

TEST(Observations, HorsAxeRameneeAuxBornes) {
  auto c = std::make_unique<TCumuls>();
  RemetAZero(*c);
  EnregistreObservation(*c, 1, 57, 9);
  EnregistreObservation(*c, 1, -3, 20);
  EXPECT_EQ(c->Effectifs[1][50][9], 1);
  EXPECT_EQ(c->Effectifs[1][0][13], 1);
  EXPECT_EQ(c->SommePoints[1][9], 50);
}

TEST(Statistiques, UneSeuleObservation) {
  const auto v = Calcule({{2, 20, 9, 1}}, 1);
  EXPECT_EQ(v->NbDonnes, 1);
  EXPECT_FLOAT_EQ(v->MoyenneLevees[2][20], 9);
  EXPECT_EQ(v->EcartTypeLevees[2][20], 0);
  EXPECT_EQ(v->NbObservations[2][20], 1);
  EXPECT_EQ(v->Pourcentage[2][20][9], 100);
  EXPECT_EQ(v->Pourcentage[2][20][8], 0);
  EXPECT_FLOAT_EQ(v->Moyenne[2][9], 20);
  EXPECT_EQ(v->EcartType[2][9], 0);
}

TEST(Statistiques, LeveesObtenuesAvecLesMemesPoints) {
  // Three observations of 25 points made 10 tricks: no dispersion of the points.
  const auto v = Calcule({{1, 25, 10, 3}});
  EXPECT_FLOAT_EQ(v->Moyenne[1][10], 25);
  EXPECT_EQ(v->EcartType[1][10], 0);
  EXPECT_FLOAT_EQ(v->MoyenneLevees[1][25], 10);
  EXPECT_EQ(v->EcartTypeLevees[1][25], 0);
}

TEST(Statistiques, EcartPopulationPourLesPointsEchantillonPourLesLevees) {
  // Points by tricks: 20 and 24 points made 9 tricks: mean 22, population deviation 2
  // (the sample deviation would be 2.83). Tricks by points: 8 and 10 tricks with
  // 20 points: mean 9, sample deviation sqrt(2) (the population one would be 1).
  const auto v = Calcule({{3, 20, 9, 1}, {3, 24, 9, 1}, {5, 20, 8, 1}, {5, 20, 10, 1}});
  EXPECT_FLOAT_EQ(v->Moyenne[3][9], 22);
  EXPECT_FLOAT_EQ(v->EcartType[3][9], 2);
  EXPECT_FLOAT_EQ(v->MoyenneLevees[5][20], 9);
  EXPECT_FLOAT_EQ(v->EcartTypeLevees[5][20], 1.41421354f);
}

TEST(Statistiques, PourcentagesArrondisAuPair) {
  // 8 observations: 1/8 = 12.5 -> 12, 3/8 = 37.5 -> 38, 4/8 = 50.
  const auto v = Calcule({{6, 30, 7, 1}, {6, 30, 8, 3}, {6, 30, 9, 4}});
  EXPECT_EQ(v->Pourcentage[6][30][7], 12);
  EXPECT_EQ(v->Pourcentage[6][30][8], 38);
  EXPECT_EQ(v->Pourcentage[6][30][9], 50);
  // 2/3 = 66.67 -> 67, 1/3 -> 33; 5/8 = 62.5 -> 62.
  const auto w = Calcule({{6, 31, 9, 2}, {6, 31, 10, 1}, {6, 32, 9, 5}, {6, 32, 11, 3}});
  EXPECT_EQ(w->Pourcentage[6][31][9], 67);
  EXPECT_EQ(w->Pourcentage[6][31][10], 33);
  EXPECT_EQ(w->Pourcentage[6][32][9], 62);
  EXPECT_EQ(w->Pourcentage[6][32][11], 38);
}

TEST(Statistiques, PourcentagesDontLaSommeFait101) {
  // Counts 1, 1, 1, 1, 2 out of 6: 16.67 -> 17 four times and 33.33 -> 33.
  const auto v = Calcule({{2, 30, 8, 1}, {2, 30, 9, 1}, {2, 30, 10, 1}, {2, 30, 11, 1}, {2, 30, 12, 2}});
  int somme = 0;
  for (int t = 0; t <= 13; ++t) somme += v->Pourcentage[2][30][t];
  EXPECT_EQ(somme, 101);
  EXPECT_EQ(v->Pourcentage[2][30][12], 33);
}

TEST(Statistiques, RangeeVide) {
  const auto v = Calcule({{2, 30, 8, 1}});
  for (int t = 0; t <= 13; ++t) EXPECT_EQ(v->Pourcentage[2][40][t], 0);
  EXPECT_EQ(v->MoyenneLevees[2][40], 0);
  EXPECT_EQ(v->EcartTypeLevees[2][40], 0);
  EXPECT_EQ(v->NbObservations[2][40], 0);
  EXPECT_EQ(v->Moyenne[2][3], 0);
  EXPECT_EQ(v->EcartType[2][3], 0);
}

TEST(Statistiques, SommesDesLeveesEnSimplePrecision) {
  // B = 144 + 169 x 100001 = 16,900,313 is not a single-precision value: it is kept
  // as 16,900,312, which makes the variance come out below 0, hence 0. Summed
  // exactly, the deviation would be 0.00316.
  const auto v = Calcule({{6, 50, 12, 1}, {6, 50, 13, 100001}}, 100000);
  EXPECT_EQ(v->EcartTypeLevees[6][50], 0);
  EXPECT_FLOAT_EQ(v->MoyenneLevees[6][50], 12.9999905f);
  EXPECT_EQ(v->NbObservations[6][50], 100002);
}

TEST(Progression, LignesEtLargeurs) {
  auto c = std::make_unique<TCumuls>();
  RemetAZero(*c);
  EnregistreObservation(*c, 1, 24, 9);
  EnregistreObservation(*c, 1, 26, 9);
  const std::vector<std::string> l = AfficheProgression(*c, 'Z', 2000, 100000);
  ASSERT_EQ(l.size(), 24u);
  EXPECT_EQ(l[0], "");
  EXPECT_EQ(l[1], " M et s des points pour n trics \"égal\". Compte Z    2000 / 100000");
  EXPECT_EQ(l[2], std::string(60, '-'));
  EXPECT_EQ(l[3], std::string(21, ' ') + "1     2     3     4     5     6     7 ");
  EXPECT_EQ(l[4], std::string(60, '-'));
  // 9 tricks: mean 25, deviation 1; the other columns are empty.
  const std::string vide = "  --- ";
  EXPECT_EQ(l[5], " PHo" + std::string(16, ' ') + vide + vide + "25,0  " + vide + vide + vide + vide);
  EXPECT_EQ(l[6], std::string(20, ' ') + vide + vide + " 1,0  " + vide + vide + vide + vide);
  EXPECT_EQ(l[7], "");
  EXPECT_EQ(l[8].substr(0, 20), " PHl                ");
  EXPECT_EQ(l[20].substr(0, 20), " PS_Total           ");
  EXPECT_EQ(l[23], std::string(60, '-'));
}

}  // namespace
}  // namespace korvalo
