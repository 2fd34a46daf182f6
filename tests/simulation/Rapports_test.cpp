// The three reports, line by line and column by column.
#include <gtest/gtest.h>

#include "Rapports.h"
#include "Textes.h"
#include "Valeurs.h"

namespace korvalo {
namespace {

// Width as the report area shows it: UTF-8 characters, not bytes.
std::size_t Largeur(const std::string& s) {
  std::size_t n = 0;
  for (unsigned char c : s) n += (c & 0xC0) != 0x80;
  return n;
}

std::string Fois(const std::string& s, int n) {
  std::string r;
  for (int i = 0; i < n; ++i) r += s;
  return r;
}

const std::string VIDE7 = Fois("   --", 7);

class Rapports : public ::testing::Test {
 protected:
  void SetUp() override {
    Langue = "";
    ChangeLangue();
    for (TValeursSysteme& v : ValeursSystemes) v = TValeursSysteme{};
    NouvellesValeurs = TValeursSysteme{};
  }
  void TearDown() override { SetUp(); }
};

TEST_F(Rapports, AfficheValeurs) {
  TValeursSysteme& v = ValeursSystemes[2];
  v.NbDonnes = 1500;
  // k = 1, 30 points: 17 + 17 + 17 + 17 + 33 = 101 from 8 to 12 tricks.
  for (int t = 8; t <= 11; ++t) v.Pourcentage[1][30][t] = 17;
  v.Pourcentage[1][30][12] = 33;
  v.NbObservations[1][30] = 6;
  v.Pourcentage[2][30][13] = 100;
  v.NbObservations[2][30] = 1;
  v.Pourcentage[3][30][9] = 50;
  v.Pourcentage[3][30][10] = 50;
  v.NbObservations[3][30] = 2;
  v.Pourcentage[5][30][7] = 99;
  v.NbObservations[5][30] = 1234;
  v.Pourcentage[6][30][11] = 5;
  v.Pourcentage[6][30][12] = 95;
  v.NbObservations[6][30] = 100000;

  const std::vector<std::string> l = AfficheValeurs(2);
  ASSERT_EQ(l.size(), 9u + 36 * 5);
  EXPECT_EQ(l[0], "");
  EXPECT_EQ(l[1], "   Pour obtenir les valeurs moyennes et de dispersion cliquer sur Comparaison des systèmes");
  EXPECT_EQ(l[2], "");
  EXPECT_EQ(l[3], "   Valeurs du système Personnel A calculées sur un échantillon de 1500 donnes aléatoires.");
  EXPECT_EQ(l[4], "   Les contrats à l'atout sont présentés sur 4 lignes : PS_NC, PS_CST, PS_CPT et PS total");
  EXPECT_EQ(l[5], "");
  EXPECT_EQ(l[6], "                % de n+ trics à SA (PHO)                   % de n+ trics à SA (PHL)               % de n+ trics à l'atout (PHS)");
  EXPECT_EQ(l[7], std::string(12, ' ') + std::string(117, '-'));
  const std::string G = "    7    8    9   10   11   12   13";
  EXPECT_EQ(l[8], "        " + G + "    T   " + G + "    T   " + G + "     T");
  EXPECT_EQ(l[8].size(), 135u);

  // Point totals 10 to 45, five lines each, 30 points at lines 110 to 114.
  EXPECT_EQ(l[9], "");
  EXPECT_EQ(l[10].substr(0, 8), "    10  ");
  EXPECT_EQ(l[185].substr(0, 8), "    45  ");
  EXPECT_EQ(l[109], "");
  const std::string groupe3 = "  100  100  100   50   --   --   --";
  EXPECT_EQ(l[110], "    30  " + std::string("  100  100   84   67   50   33   --") + "     6" + "  " +
                        "  100  100  100  100  100  100  100" + "     1" + "  " + groupe3 + " " + "     2");
  EXPECT_EQ(l[111], "    30" + std::string(88, ' ') + VIDE7 + " " + "    --");
  EXPECT_EQ(l[112], "    30" + std::string(88, ' ') + "  100   --   --   --   --   --   --" + " " + "  1234");
  EXPECT_EQ(l[113], "    30" + std::string(88, ' ') + "  100  100  100  100  100   95   --" + " " + "100000");
  // The third group starts at column 95 on all four lines.
  EXPECT_EQ(l[110].substr(94, 35), groupe3);
  for (int i = 110; i <= 113; ++i) EXPECT_EQ(l[static_cast<std::size_t>(i)].size(), 136u) << i;
  // A point total without observations.
  EXPECT_EQ(l[10], "    10  " + VIDE7 + "    --" + "  " + VIDE7 + "    --" + "  " + VIDE7 + " " + "    --");

  Langue = "anglais";
  ChangeLangue();
  const std::vector<std::string> e = AfficheValeurs(2);
  EXPECT_EQ(e[3], "   Values of system Personnel A computed on a sample of 1500 random deals.");
  EXPECT_EQ(e[110], l[110]);
}

TEST_F(Rapports, ComparaisonSystemes) {
  TValeursSysteme& v = ValeursSystemes[1];
  v.NbDonnes = 100000;
  const float moyennes[] = {21.5f, 24.375f, 26.0625f, 28.5f, 31.0f, 33.25f, 36.75f};
  const float ecarts[] = {2.5f, 2.25f, 2.125f, 2.0625f, 2.0f, 1.875f, 1.75f};
  for (int t = 7; t <= 13; ++t) {
    v.Moyenne[1][t] = moyennes[t - 7];
    v.EcartType[1][t] = ecarts[t - 7];
  }
  v.MoyenneLevees[1][25] = 9.0625f;
  v.EcartTypeLevees[1][25] = 1.5f;
  v.MoyenneLevees[6][37] = 12.5f;

  const std::vector<std::string> l = ComparaisonSystemes();
  ASSERT_EQ(l.size(), 277u);
  EXPECT_EQ(l[0], "");
  EXPECT_EQ(l[1], " Moyennes et écarts types des points correspondant à n trics juste faits");
  EXPECT_EQ(l[2], std::string(70, '-'));
  EXPECT_EQ(l[3], " PHo et contrats à SA   ");
  EXPECT_EQ(l[5], std::string(11, ' ') + "    7        8        9       10       11       12       13    ");
  EXPECT_EQ(l[7], "  SEF      21,50    24,37    26,06    28,50    31,00    33,25    36,75    ");
  EXPECT_EQ(l[8], std::string(11, ' ') + " 2,50     2,25     2,12     2,06     2,00     1,87     1,75    100000");
  EXPECT_EQ(l[9], std::string(70, '-'));
  EXPECT_EQ(l[10], "  P-a      " + Fois("  ---    ", 7));
  EXPECT_EQ(l[11], std::string(11, ' ') + Fois("  ---    ", 7) + "    --");
  EXPECT_EQ(l[22].substr(0, 11), "  C-G      ");
  EXPECT_EQ(l[24], std::string(70, '='));
  EXPECT_EQ(l[25], " PHl et contrats à SA   ");
  EXPECT_EQ(l[8].size(), 80u);

  EXPECT_EQ(l[135], "");
  EXPECT_EQ(l[136], " Moyennes et écarts types du nombre de levées réalisées avec n points");
  EXPECT_EQ(l[137], "");
  EXPECT_EQ(l[138], std::string(88, '-'));
  EXPECT_EQ(l[139], " PHo et contrats à SA   ");
  EXPECT_EQ(l[141], std::string(11, ' ') + "   25    26    27    28    29    30    31    32    33    34    35    36    37 ");
  EXPECT_EQ(l[143], "  SEF       9,06 " + Fois("  --- ", 12));
  EXPECT_EQ(l[144], std::string(11, ' ') + " 1,50 " + Fois("  --- ", 12) + "100000");
  EXPECT_EQ(l[145], std::string(88, '-'));
  EXPECT_EQ(l[144].size(), 95u);
  // k = 6, SEF: the last block of the report, then R88= and six empty lines.
  EXPECT_EQ(l[249], " PS_Total : ensemble de toutes les valeurs PHS : PS_NC + PS_CST + PS_CPT ");
  EXPECT_EQ(l[253], "  SEF      " + Fois("  --- ", 12) + "12,50 ");
  EXPECT_EQ(l[270], std::string(88, '='));
  for (int i = 271; i < 277; ++i) EXPECT_EQ(l[static_cast<std::size_t>(i)], "") << i;
}

TEST_F(Rapports, ComparaisonAncienNouveau) {
  ValeursSystemes[4].NbDonnes = 0;
  NouvellesValeurs.NbDonnes = 1500;
  NouvellesValeurs.Moyenne[2][8] = 12.5f;
  NouvellesValeurs.EcartType[2][8] = 0.0625f;
  NouvellesValeurs.MoyenneLevees[3][26] = 10.25f;

  const std::vector<std::string> l = Comparaison_old_new(4);
  ASSERT_EQ(l.size(), 133u);
  EXPECT_EQ(l[2], std::string(70, '-'));
  EXPECT_EQ(l[13], " PHl et contrats à SA   ");
  EXPECT_EQ(l[15], std::string(12, ' ') + "    7        8        9       10       11       12       13    ");
  EXPECT_EQ(l[17], "  Zar_old   " + Fois("  ---    ", 7));
  EXPECT_EQ(l[18], std::string(12, ' ') + Fois("  ---    ", 7) + "    --");
  EXPECT_EQ(l[19], std::string(71, '-'));
  EXPECT_EQ(l[20], "  Zar_new   " + std::string("  ---    12,50    ") + Fois("  ---    ", 5));
  // A deviation below 0.1 takes four characters.
  EXPECT_EQ(l[21], std::string(12, ' ') + "  ---     , 6    " + Fois("  ---    ", 5) + "  1500");
  EXPECT_EQ(l[22], std::string(71, '='));

  EXPECT_EQ(l[63], "");
  EXPECT_EQ(l[64], " Moyennes et écarts types du nombre de levées réalisées avec n points");
  EXPECT_EQ(l[66], std::string(88, '-'));
  // k = 3 of the second half: lines 87 to 96.
  EXPECT_EQ(l[87], " PS_NC : sans les contrôles de second tour et contrats à la couleur  ");
  EXPECT_EQ(l[89], std::string(12, ' ') + "   25    26    27    28    29    30    31    32    33    34    35    36    37 ");
  EXPECT_EQ(l[91], "  Zar_old   " + Fois("  --- ", 13));
  EXPECT_EQ(l[93], std::string(89, '-'));
  EXPECT_EQ(l[94], "  Zar_new   " + std::string("  --- 10,25 ") + Fois("  --- ", 11));
  EXPECT_EQ(l[95], std::string(12, ' ') + Fois("  --- ", 13) + "  1500");
  EXPECT_EQ(l[96], std::string(89, '='));
  for (int i = 127; i < 133; ++i) EXPECT_EQ(l[static_cast<std::size_t>(i)], "") << i;
  EXPECT_EQ(Largeur(l[64]), 69u);
}

}  // namespace
}  // namespace korvalo
