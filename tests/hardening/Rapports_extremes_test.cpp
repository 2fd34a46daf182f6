// The reports on the most extreme values the values file lets through: every
// field conversion stays defined and the fixed-width columns hold.

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "../engine/DossierTemporaire.h"
#include "Rapports.h"
#include "Textes.h"
#include "Valeurs.h"

namespace korvalo {
namespace {

using test::DossierTemporaire;

TEST(RapportsExtremes, FieldsAtTheLimitsOfTheFile) {
  // x = 0 aside, D is the truncated x * 10^d and x < 1 (negatives too) puts two spaces before it.
  const struct {
    int d;
    float x;
    const char* attendu;
  } reels[] = {
      {2, 1000000, "1000000,00"},     {1, 1000000, "1000000,0 "},     {2, -1000000, "  -1000000,00"},
      {1, -1000000, "  -1000000,0 "}, {2, 9999.99f, " 9999,99"},       {1, 10000, "10000,0 "},
      {2, 0.00001f, " , 0"},          {1, 0.00001f, "  ,0 "},          {2, -0.00001f, " , 0"},
      {2, -0.5f, "  -,50"},
  };
  for (const auto& c : reels) EXPECT_EQ(FormateReel(c.d, c.x), c.attendu) << c.d << " " << c.x;

  const std::pair<int, const char*> pourcents[] = {
      {1400, "  100"}, {INT_MAX, "  100"}, {-7, "   -7"}, {INT_MIN, "   -2147483648"},
  };
  for (auto [n, attendu] : pourcents) EXPECT_EQ(FormatePourcent(n), attendu) << n;
  const std::pair<int, const char*> entiers[] = {
      {400000, "400000"}, {INT_MAX, "2147483647"}, {INT_MIN, "-2147483648"},
  };
  for (auto [n, attendu] : entiers) EXPECT_EQ(FormateEntier(n), attendu) << n;
}


// Every system evaluated, every value at a limit of the file: reals at
// +-1,000,000, every percentage 100 (cumulated up to 1400), counts at their maximum.
void RemplitAuxLimites() {
  for (int s = 1; s <= 6; ++s) {
    TValeursSysteme& v = ValeursSystemes[s];
    v.NbDonnes = 100000;
    const float reel = s % 2 ? 1000000.0f : -1000000.0f;
    for (int k = 1; k <= 6; ++k) {
      for (int t = 0; t <= 13; ++t) v.Moyenne[k][t] = v.EcartType[k][t] = reel;
      for (int S = 0; S <= 50; ++S) {
        for (int t = 0; t <= 13; ++t) v.Pourcentage[k][S][t] = 100;
        v.MoyenneLevees[k][S] = v.EcartTypeLevees[k][S] = reel;
        v.NbObservations[k][S] = 400000;
      }
    }
  }
}

TEST(RapportsExtremes, ReportsOfValuesAtTheLimitsReadFromTheFile) {
  Langue = "anglais";
  ChangeLangue();
  for (TValeursSysteme& v : ValeursSystemes) v = TValeursSysteme{};
  ValeursSystemes[3].NbDonnes = 100000;
  const std::vector<std::string> ordinaire = AfficheValeurs(3);
  const std::size_t lignesComparaison = ComparaisonSystemes().size();
  NouvellesValeurs = ValeursSystemes[3];
  const std::size_t lignesAncienNouveau = Comparaison_old_new(5).size();

  DossierTemporaire dossier;
  const std::string chemin = dossier.Fichier(NOM_FICHIER_VALEURS);
  RemplitAuxLimites();
  EnregistrerValeursDesComptesDePoints(chemin, ',');
  for (TValeursSysteme& v : ValeursSystemes) v = TValeursSysteme{};
  LireValeursDesComptesDePoints(chemin);
  ASSERT_EQ(ValeursSystemes[6].MoyenneLevees[6][50], -1000000.0f);

  // The same columns as ordinary values: 100 in every cumulated field, counts of six digits.
  const std::vector<std::string> a = AfficheValeurs(3);
  ASSERT_EQ(a.size(), ordinaire.size());
  for (std::size_t i = 0; i < a.size(); ++i) EXPECT_EQ(a[i].size(), ordinaire[i].size()) << "line " << i + 1;
  const std::string cent = "  100  100  100  100  100  100  100";
  EXPECT_EQ(a[10], "    10  " + cent + "400000  " + cent + "400000  " + cent + " 400000");
  EXPECT_EQ(a[13], "    10" + std::string(88, ' ') + cent + " 400000");
  EXPECT_EQ(a[13].find(cent), 94u);  // the third group still starts at column 95

  // Wider value fields, but every line there and every value written whole.
  const std::vector<std::string> c = ComparaisonSystemes();
  ASSERT_EQ(c.size(), lignesComparaison);
  std::size_t positifs = 0, negatifs = 0;
  for (const std::string& l : c) {
    for (std::size_t p = 0; (p = l.find("  -1000000,00", p)) != std::string::npos; ++p) ++negatifs;
    for (std::size_t p = 0; (p = l.find(" 1000000,00", p)) != std::string::npos; ++p) ++positifs;
  }
  // 6 variants x (7 + 13 columns) x 2 lines, for three systems of each sign.
  EXPECT_EQ(positifs, 3u * 6 * 20 * 2);
  EXPECT_EQ(negatifs, 3u * 6 * 20 * 2);

  NouvellesValeurs = ValeursSystemes[2];
  EXPECT_EQ(Comparaison_old_new(5).size(), lignesAncienNouveau);

  for (TValeursSysteme& v : ValeursSystemes) v = TValeursSysteme{};
  NouvellesValeurs = TValeursSysteme{};
  Langue = "";
  ChangeLangue();
}

}  // namespace
}  // namespace korvalo
