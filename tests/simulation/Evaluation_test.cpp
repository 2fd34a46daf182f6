// The evaluation run on a fixture of four deals worked out by hand, the caps,
// and the invariants of runs on random deals.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <numeric>

#include "../engine/DossierTemporaire.h"
#include "Evaluation.h"
#include "Fixture.h"
#include "Mains.h"
#include "Parametres.h"
#include "Rapports.h"
#include "Simulation.h"
#include "Textes.h"

namespace korvalo {
namespace {

using test::Donne;
using test::Fichier;
using test::Fixture;
using test::DossierTemporaire;
using test::EcritOctets;

class Evaluation : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { InitialiseTables(); }
  void SetUp() override {
    Langue = "";
    ChangeLangue();
    for (TValeursSysteme& v : ValeursSystemes) v = TValeursSysteme{};
    NouvellesValeurs = TValeursSysteme{};
    SystemeEvalue = 0;
    for (int s = 1; s <= 3; ++s) ParametresSystemes[s] = TParametresSysteme{};  // 'M', every slot 0
  }
  void TearDown() override { ParametresParDefaut(); }
  DossierTemporaire dossier;
  std::string chemin = dossier.Fichier("FichierReference.txt");
};

TEST_F(Evaluation, ObservationsDeLaDonneC) {
  TCumuls* cumuls = new TCumuls;
  RemetAZero(*cumuls);
  TObservationsDonne o;
  CompteDonne(Fixture()[2], 'F', *cumuls, &o);
  ASSERT_EQ(o.NbFits, 4);
  const TFitObserve attendus[] = {
      {1, 1, 19, 11, 2, 30, 12}, {1, 2, 20, 11, 2, 31, 11}, {2, 3, 8, 0, 0, 8, 6}, {2, 4, 9, 0, 0, 9, 5}};
  for (int i = 0; i < 4; ++i) {
    const TFitObserve& f = o.Fits[i];
    const TFitObserve& a = attendus[i];
    EXPECT_EQ(std::tie(f.Camp, f.Couleur, f.PHS1, f.PHS2, f.Classe, f.Points, f.Levees),
              std::tie(a.Camp, a.Couleur, a.PHS1, a.PHS2, a.Classe, a.Points, a.Levees))
        << "fit " << i;
  }
  EXPECT_EQ(o.PHo1, 20);
  EXPECT_EQ(o.PHL1, 20);
  EXPECT_EQ(o.PHo3, 11);
  EXPECT_EQ(o.PHL3, 11);
  EXPECT_EQ(o.LeveesSansAtout, 9);
  EXPECT_EQ(cumuls->Effectifs[5][30][12], 1);
  EXPECT_EQ(cumuls->Effectifs[6][30][12], 1);
  EXPECT_EQ(cumuls->Effectifs[3][8][6], 1);
  EXPECT_EQ(cumuls->Effectifs[1][31][9], 1);
  EXPECT_EQ(cumuls->Effectifs[2][31][9], 1);
  int total = 0;
  for (int k = 1; k <= 6; ++k)
    for (int S = 0; S <= 50; ++S) total += cumuls->EffectifsParPoints[k][S];
  EXPECT_EQ(total, 10);  // 4 fits twice, 2 no-trump observations
  delete cumuls;
}

TEST_F(Evaluation, FixtureCalculeeALaMain) {
  EcritOctets(chemin, Fichier(Fixture()));
  std::vector<int> progressions;
  EvalueSysteme(1, 4, chemin, [&](int d, const std::vector<std::string>&) { progressions.push_back(d); });
  EXPECT_EQ(progressions, std::vector<int>{2});
  EXPECT_EQ(SystemeEvalue, 1);
  const TValeursSysteme& v = NouvellesValeurs;
  EXPECT_EQ(v.NbDonnes, 4);

  // Tallies: (k, S, t) of every observation.
  const int observations[][3] = {{1, 28, 9},  {1, 39, 12}, {1, 31, 9},  {1, 28, 8},  {2, 28, 9},  {2, 39, 12},
                                 {2, 31, 9},  {2, 28, 8},  {3, 12, 7},  {3, 8, 6},   {3, 9, 5},   {3, 12, 8},
                                 {4, 27, 10}, {4, 27, 9},  {5, 30, 12}, {5, 31, 11}, {6, 27, 10}, {6, 12, 7},
                                 {6, 30, 12}, {6, 31, 11}, {6, 8, 6},   {6, 9, 5},   {6, 27, 9},  {6, 12, 8}};
  auto attendu = std::make_unique<TCumuls>();
  RemetAZero(*attendu);
  for (const auto& o : observations) {
    ++attendu->Effectifs[o[0]][o[1]][o[2]];
    ++attendu->EffectifsParPoints[o[0]][o[1]];
  }
  EXPECT_EQ(std::memcmp(Cumuls.Effectifs, attendu->Effectifs, sizeof attendu->Effectifs), 0);
  EXPECT_EQ(std::memcmp(Cumuls.EffectifsParPoints, attendu->EffectifsParPoints, sizeof attendu->EffectifsParPoints),
            0);

  // Points by tricks: at 9 tricks NT, 28 and 31 points: mean 29.5, population deviation 1.5.
  EXPECT_FLOAT_EQ(v.Moyenne[1][9], 29.5f);
  EXPECT_FLOAT_EQ(v.EcartType[1][9], 1.5f);
  EXPECT_FLOAT_EQ(v.Moyenne[1][8], 28);
  EXPECT_FLOAT_EQ(v.Moyenne[1][12], 39);
  EXPECT_EQ(v.Moyenne[1][10], 0);
  EXPECT_FLOAT_EQ(v.Moyenne[6][9], 27);
  EXPECT_FLOAT_EQ(v.Moyenne[6][11], 31);
  EXPECT_FLOAT_EQ(v.Moyenne[3][7], 12);
  EXPECT_EQ(v.EcartType[6][9], 0);
  // Tricks by points: 28 points made 9 and 8 tricks: mean 8.5, sample deviation sqrt(0.5).
  EXPECT_FLOAT_EQ(v.MoyenneLevees[1][28], 8.5f);
  EXPECT_FLOAT_EQ(v.EcartTypeLevees[1][28], 0.70710677f);
  EXPECT_FLOAT_EQ(v.MoyenneLevees[6][27], 9.5f);
  EXPECT_FLOAT_EQ(v.EcartTypeLevees[6][27], 0.70710677f);
  EXPECT_FLOAT_EQ(v.MoyenneLevees[6][12], 7.5f);
  EXPECT_FLOAT_EQ(v.MoyenneLevees[1][39], 12);
  EXPECT_EQ(v.EcartTypeLevees[1][39], 0);
  EXPECT_EQ(v.Pourcentage[1][28][8], 50);
  EXPECT_EQ(v.Pourcentage[1][28][9], 50);
  EXPECT_EQ(v.Pourcentage[1][31][9], 100);
  EXPECT_EQ(v.Pourcentage[5][31][11], 100);
  EXPECT_EQ(v.NbObservations[6][27], 2);
  EXPECT_EQ(v.NbObservations[6][12], 2);
  EXPECT_EQ(v.NbObservations[4][27], 2);
  EXPECT_EQ(v.NbObservations[3][27], 0);

  // The report after the run, with nothing stored yet for system 1.
  const std::vector<std::string> l = Comparaison_old_new(1);
  const std::string vide = "  ---    ";
  EXPECT_EQ(l[7], "  SEF_old   " + vide + vide + vide + vide + vide + vide + vide);
  EXPECT_EQ(l[10], "  SEF_new   " + vide + "28,00    29,50    " + vide + vide + "39,00    " + vide);
  EXPECT_EQ(l[11], std::string(12, ' ') + vide + vide + " 1,50    " + vide + vide + vide + vide + "     4");
  const std::string v6 = "  --- ";
  EXPECT_EQ(l[74], "  SEF_new   " + v6 + v6 + v6 + " 8,50 " + v6 + v6 + " 9,00 " + v6 + v6 + v6 + v6 + v6 + v6);
  EXPECT_EQ(l[75], std::string(12, ' ') + v6 + v6 + v6 + "  ,70 " + v6 + v6 + v6 + v6 + v6 + v6 + v6 + v6 + v6 +
                       "     4");

  // Adopted, then shown by AfficheValeurs: 28 points and 27 points.
  AdopteNouvellesValeurs();
  const std::vector<std::string> a = AfficheValeurs(1);
  EXPECT_EQ(a[3], "   Valeurs du système  SEF calculées sur un échantillon de 4 donnes aléatoires.");
  const std::string vide7 = "   --   --   --   --   --   --   --";
  EXPECT_EQ(a[10 + 5 * (28 - 10)], "    28  " + std::string("  100  100   50   --   --   --   --") + "     2" + "  " +
                                       "  100  100   50   --   --   --   --" + "     2" + "  " + vide7 + " " + "    --");
  EXPECT_EQ(a[10 + 5 * (27 - 10) + 1], "    27" + std::string(88, ' ') + "  100  100  100   50   --   --   --" +
                                           " " + "     2");
  EXPECT_EQ(a[10 + 5 * (27 - 10) + 3], a[10 + 5 * (27 - 10) + 1]);
  EXPECT_EQ(a[10 + 5 * (27 - 10) + 2], "    27" + std::string(88, ' ') + vide7 + " " + "    --");
}

TEST_F(Evaluation, LesSoixanteCinquanteBornesDesPoints) {
  const TDonneReference a = Fixture()[0];
  auto cumuls = std::make_unique<TCumuls>();
  // An exact-fit value of 20: NS 35 + 32 is brought to 50 by lowering the first seat to 18,
  // EW 32 + 20 by lowering East to 30.
  FitDe(ParametresSystemes[2], 0) = 20;
  RemetAZero(*cumuls);
  TObservationsDonne o;
  CompteDonne(a, 'A', *cumuls, &o);
  ASSERT_EQ(o.NbFits, 2);
  EXPECT_EQ(o.Fits[0].PHS1, 18);
  EXPECT_EQ(o.Fits[0].PHS2, 32);
  EXPECT_EQ(o.Fits[1].PHS1, 30);
  EXPECT_EQ(o.Fits[1].PHS2, 20);
  EXPECT_EQ(cumuls->Effectifs[6][50][10], 1);
  EXPECT_EQ(cumuls->Effectifs[3][50][7], 1);

  // A bonus of 20 per ace beyond the first: North (three aces) 20 + 40 = 60 -> 50; with
  // South's 11 the no-trump total 61 is recorded as 50.
  ParametresSystemes[3].BonusAs = 20;
  RemetAZero(*cumuls);
  CompteDonne(Fixture()[2], 'B', *cumuls, &o);
  EXPECT_EQ(o.PHL1, 50);
  EXPECT_EQ(o.PHL3, 11);
  EXPECT_EQ(o.PHo1, 20);
  EXPECT_EQ(cumuls->Effectifs[2][50][9], 1);
  EXPECT_EQ(cumuls->Effectifs[1][31][9], 1);
}

TEST_F(Evaluation, LePremierSiegeCompteUnFitExact) {
  // Five and four trumps on both sides; only a nine-card fit scores (Fit[+1] = 10). The
  // first seat reckons an exact fit (partner 3 for five trumps), the second knows the
  // real length (partner 5 for four trumps).
  FitDe(ParametresSystemes[2], 1) = 10;
  const TDonneReference e = Donne("AKQ32.K2.A32.432", "76.AQJ98.JT9.KJ7", "JT98.54.KQ4.AQ65", "54.T763.8765.T98",
                                  {9, 4, 6, 7, 8}, {4, 9, 7, 6, 5});
  auto cumuls = std::make_unique<TCumuls>();
  RemetAZero(*cumuls);
  TObservationsDonne o;
  CompteDonne(e, 'A', *cumuls, &o);
  ASSERT_EQ(o.NbFits, 2);
  EXPECT_EQ(o.Fits[0].PHS1, 15);  // 16 less one for AKQ32, no fit value
  EXPECT_EQ(o.Fits[0].PHS2, 22);  // 12 + 10
  EXPECT_EQ(o.Fits[1].PHS1, 11);  // 12 less one for AQJ98
  EXPECT_EQ(o.Fits[1].PHS2, 10);  // 0 + 10
  EXPECT_EQ(cumuls->Effectifs[6][37][9], 1);
  EXPECT_EQ(cumuls->Effectifs[6][21][9], 1);
}

TEST_F(Evaluation, UneDonneSansProgression) {
  EcritOctets(chemin, Fichier(Fixture()));
  int appels = 0;
  EvalueSysteme(4, 1, chemin, [&](int, const std::vector<std::string>&) { ++appels; });
  EXPECT_EQ(appels, 0);
  EXPECT_EQ(NouvellesValeurs.NbDonnes, 1);
  EXPECT_EQ(SystemeEvalue, 4);
}

TEST_F(Evaluation, UneErreurNeTouchePasAuxNouvellesValeurs) {
  std::vector<TDonneReference> donnes = Fixture();
  std::string texte = Fichier(donnes);
  texte.replace(texte.find("\r\n") + 2, 1, "x");  // line 2 starts with a letter
  EcritOctets(chemin, texte);
  NouvellesValeurs.NbDonnes = 777;
  SystemeEvalue = 6;
  EXPECT_THROW(EvalueSysteme(1, 4, chemin), ErreurEvaluation);
  EXPECT_EQ(NouvellesValeurs.NbDonnes, 777);
  EXPECT_EQ(SystemeEvalue, 6);
  // Too few lines: refused before any deal is scored.
  EcritOctets(chemin, Fichier(donnes));
  RemetAZero(Cumuls);
  Cumuls.Effectifs[1][1][1] = 5;
  EXPECT_THROW(EvalueSysteme(1, 5, chemin), ErreurEvaluation);
  EXPECT_EQ(Cumuls.Effectifs[1][1][1], 5);
  EXPECT_EQ(NouvellesValeurs.NbDonnes, 777);
}

class Invariants : public Evaluation {};

TEST_F(Invariants, SurDesDonnesAleatoires) {
  ParametresParDefaut();
  std::mt19937_64 g(20261211);
  std::vector<TDonneReference> donnes;
  for (int i = 0; i < 2500; ++i) donnes.push_back(test::DonneAleatoire(g));
  EcritOctets(chemin, Fichier(donnes));
  // Fits counted straight from the hands.
  int fits = 0;
  for (const TDonneReference& d : donnes)
    for (int i = 1; i <= 4; ++i)
      for (int camp = 1; camp <= 2; ++camp)
        fits += Longueur[d.Mains[camp][i]] + Longueur[d.Mains[camp + 2][i]] >= 8;

  // Each hand is valued with the suit-ownership codes of its own seat for this deal.
  auto cumuls = std::make_unique<TCumuls>();
  for (char lettre : {'F', 'A', 'B'})
    for (const TDonneReference& d : donnes) {
      TObservationsDonne o;
      CompteDonne(d, lettre, *cumuls, &o);
      for (int f = 0; f < o.NbFits; ++f) {
        const TFitObserve& fit = o.Fits[f];
        const int premier = fit.Camp, second = fit.Camp + 2, i = fit.Couleur;
        const int L1 = Longueur[d.Mains[premier][i]];
        FaitCouleurLongue(d.Mains, second);
        const int PS2 = EvalueMainAvecFit(d.Mains[second], L1, lettre, second, i);
        FaitCouleurLongue(d.Mains, premier);
        int PS1 = EvalueMainAvecFit(d.Mains[premier], 8 - L1, lettre, premier, i);
        if (PS1 + PS2 > 50) PS1 = 50 - PS2;
        ASSERT_EQ(fit.PHS1, PS1);
        ASSERT_EQ(fit.PHS2, PS2);
      }
      FaitCouleurLongue(d.Mains, 1);
      int PHo = 0;
      ASSERT_EQ(o.PHL1, std::min(50, EvalueMain(d.Mains[1], 1, PHo, lettre)));
      ASSERT_EQ(o.PHo1, PHo);
    }

  for (int s = 1; s <= 6; ++s) {
    std::vector<int> progressions;
    EvalueSysteme(s, 2500, chemin, [&](int d, const std::vector<std::string>& lignes) {
      progressions.push_back(d);
      EXPECT_EQ(lignes.size(), 24u);
    });
    EXPECT_EQ(progressions, (std::vector<int>{2, 1000, 2000})) << s;
    const TValeursSysteme v = NouvellesValeurs;
    int total[7] = {};
    for (int k = 1; k <= 6; ++k)
      for (int S = 0; S <= 50; ++S) {
        total[k] += v.NbObservations[k][S];
        const int somme = std::accumulate(v.Pourcentage[k][S], v.Pourcentage[k][S] + 14, 0);
        if (v.NbObservations[k][S] == 0) EXPECT_EQ(somme, 0);
        else EXPECT_NEAR(somme, 100, 7) << s << " " << k << " " << S;
      }
    EXPECT_EQ(total[1], 2500) << s;
    EXPECT_EQ(total[2], 2500) << s;
    EXPECT_EQ(total[6], fits) << s;
    for (int S = 0; S <= 50; ++S)
      EXPECT_EQ(v.NbObservations[6][S], v.NbObservations[3][S] + v.NbObservations[4][S] + v.NbObservations[5][S])
          << s << " " << S;
    // The same run again gives the same values.
    EvalueSysteme(s, 2500, chemin);
    EXPECT_EQ(std::memcmp(&v, &NouvellesValeurs, sizeof v), 0) << s;
  }
}

}  // namespace
}  // namespace korvalo
