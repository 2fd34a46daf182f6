// The window's metrics as a pure function of the screen, and the conversions
// of the grid's choosers; expectations worked out by hand from the design
// values (1024 x 768 is the unit).

#include <gtest/gtest.h>

#include <cmath>

#include "Disposition.h"
#include "Grille.h"
#include "Parametres.h"
#include "TextesFixes.h"

namespace korvalo {
namespace {

TEST(Disposition, Ecran1024x768EstLUnite) {
  const TDisposition d = CalculeDisposition(1024, 768, 14);
  EXPECT_EQ(d.RapportX, 1.0f);
  EXPECT_EQ(d.RapportY, 1.0f);
  EXPECT_EQ(d.Resolution, "XGA");
  EXPECT_EQ(d.Marge, 10);
  EXPECT_EQ(d.LargeurLibelle, 180);
  EXPECT_EQ(d.LargeurChoix, 40);
  EXPECT_EQ(d.HauteurLigne, 19);
  EXPECT_EQ(d.HauteurBouton, 57);
  EXPECT_EQ(d.LargeurBouton, 250);
  EXPECT_EQ(d.LargeurRetour, 66);
  EXPECT_EQ(d.X[1], 20);
  EXPECT_EQ(d.X[2], 250);
  EXPECT_EQ(d.X[3], 480);
  EXPECT_EQ(d.X0, 740);
  EXPECT_EQ(d.HautTitreGrille, 21);
  EXPECT_EQ(d.GaucheTitreGrille, 20);
  EXPECT_EQ(d.HautTitresColonnes, 63);
  // L = column titles top + their height + 10; rows 21 apart, with the extra
  // gaps 3 (row 9), 10 (row 12) and 3 (row 23).
  EXPECT_EQ(d.HautEchelles, 63 + 14 + 10);
  EXPECT_EQ(d.LargeurEchelles, 220);
  EXPECT_EQ(d.HauteurEchelles, 35);
  EXPECT_EQ(d.T[0], 137);
  EXPECT_EQ(d.T[1], 158);
  EXPECT_EQ(d.T[8], 137 + 8 * 21);
  EXPECT_EQ(d.T[9], 137 + 9 * 21 + 3);
  EXPECT_EQ(d.T[12], 137 + 12 * 21 + 13);
  EXPECT_EQ(d.T[23], 137 + 23 * 21 + 16);
  EXPECT_EQ(d.T[25], 137 + 25 * 21 + 16);

  EXPECT_EQ(d.Boutons[1], (TRectangle{740, 87, 250, 57}));
  EXPECT_EQ(d.Boutons[8], (TRectangle{740, 87 + 7 * 59, 250, 57}));
  // Flags: a third of a button wide, at x0 + F/3 and x0 + 5F/3.
  EXPECT_EQ(d.Boutons[9], (TRectangle{767, 87 + 7 * 59 + 57 + 16, 83, 57}));
  EXPECT_EQ(d.Boutons[10], (TRectangle{878, 87 + 7 * 59 + 57 + 16, 83, 57}));
  EXPECT_EQ(d.BoutonTitre, (TRectangle{740, d.T[25] + 19 + 4, 250, 57}));
  EXPECT_EQ(d.RetourInitial, (TRectangle{0, 0, 60, 25}));
  EXPECT_EQ(GaucheTitre(d), 20);
  EXPECT_EQ(HautTitre(d), d.BoutonTitre.Haut + 19);
}

TEST(Disposition, Ecran1920x1080) {
  const TDisposition d = CalculeDisposition(1920, 1080, 20);
  EXPECT_EQ(d.RapportX, 1.875f);
  EXPECT_EQ(d.RapportY, 1.40625f);
  EXPECT_EQ(d.Resolution, "SXGA");
  EXPECT_EQ(d.Marge, 19);
  EXPECT_EQ(d.LargeurLibelle, 338);  // 337.5 goes to the even neighbour
  EXPECT_EQ(d.LargeurChoix, 75);
  EXPECT_EQ(d.HauteurLigne, 27);
  EXPECT_EQ(d.LargeurBouton, 461);
  EXPECT_EQ(d.HauteurBouton, 81);
  EXPECT_EQ(d.LargeurRetour, 125);
  EXPECT_EQ(d.X[1], 29);
  EXPECT_EQ(d.X[2], 461);
  EXPECT_EQ(d.X[3], 893);
  EXPECT_EQ(d.X0, 1381);
  EXPECT_EQ(d.HautTitreGrille, 21);  // round(1.40625 + 20): a sum
  EXPECT_EQ(d.HautTitresColonnes, 63);
  EXPECT_EQ(d.HautEchelles, 63 + 20 + 14);
  EXPECT_EQ(d.HauteurEchelles, 49);  // 49.2
  // Gaps: round(3 x 1.40625) = 4, round(10 x 1.40625) = 14.
  EXPECT_EQ(d.T[0], 97 + 50);
  EXPECT_EQ(d.T[25], 147 + 25 * 29 + 4 + 14 + 4);
  EXPECT_EQ(d.Boutons[9].Largeur, 153);
  EXPECT_EQ(d.Boutons[9].Gauche, 1381 + 51);
  EXPECT_EQ(d.Boutons[10].Gauche, 1381 + 255);
  EXPECT_EQ(d.Boutons[9].Haut, d.Boutons[8].Haut + 81 + 22);  // round(16 x 1.40625) = 22.5 -> 22

  const struct {
    int design, attendue;
  } polices[] = {{-11, -15}, {-14, -20}, {-15, -21}, {-18, -25}, {-24, -34}};
  for (const auto& p : polices) EXPECT_EQ(TaillePolice(d, p.design), p.attendue) << p.design;
}

TEST(Disposition, ResolutionChangeA999PixelsDeHaut) {
  EXPECT_EQ(CalculeDisposition(1280, 998, 14).Resolution, "XGA");
  EXPECT_EQ(CalculeDisposition(1280, 999, 14).Resolution, "SXGA");
}

TEST(Disposition, ZoneDesRapportsSelonLeMode) {
  const TDisposition d = CalculeDisposition(1024, 768, 14);
  const int bas = d.T[25] + d.HauteurLigne;
  // Modes 1 and 2 end at the right edge of the button column, but never
  // start left of 6; on a 1024 screen both start at 6 and would run past the
  // edge, Return out of reach: they end 8 pixels inside the window instead.
  EXPECT_EQ(RectangleMemo(d, 1, 1024), (TRectangle{6, 63, 1010, bas - 63}));
  EXPECT_EQ(RectangleMemo(d, 2, 1024), (TRectangle{6, 63, 1010, bas - 63}));
  EXPECT_EQ(RectangleMemo(d, 1, 2000).Largeur, 1050);
  EXPECT_EQ(RectangleMemo(d, 2, 2000).Largeur, 1500);
  // Modes 3 and 4 leave grid columns 1 and 2 visible.
  const TRectangle m3 = RectangleMemo(d, 3, 1024);
  EXPECT_EQ(m3, (TRectangle{250 + 180 + 40 + 2, 63, 1024 - 472 - 8, bas - 63}));
  EXPECT_EQ(RectangleMemo(d, 4, 1024), m3);
  // Mode 0 only moves the top.
  EXPECT_EQ(RectangleMemo(d, 0, 1024, TRectangle{5, 6, 7, 8}), (TRectangle{5, 63, 7, 8}));
  // Return: 2 x Marge high, inside the bottom right corner.
  EXPECT_EQ(RectangleRetour(d, m3), (TRectangle{m3.Droite() - (66 + 20), m3.Bas() - 40, 66, 20}));

  const TDisposition g = CalculeDisposition(1920, 1080, 20);
  const int r = g.Boutons[4].Droite();  // 1381 + 461 = 1842
  EXPECT_EQ(RectangleMemo(g, 1, 1920), (TRectangle{r - 1050, 63, 1050, g.T[25] + 27 - 63}));
  EXPECT_EQ(RectangleMemo(g, 2, 1920), (TRectangle{r - 1500, 63, 1500, g.T[25] + 27 - 63}));
  EXPECT_EQ(RectangleMemo(g, 3, 1920).Gauche, 461 + 338 + 75 + 4);
  EXPECT_EQ(RectangleMemo(g, 3, 1920).Largeur, 1920 - 878 - 15);
}

// ------------------------------------------------------------ choosers

TEST(Grille, ValeursDesItemsParRang) {
  const struct {
    int rang;
    std::vector<float> valeurs;
  } cas[] = {
      {1, {0, 0.5f, 1}},        {2, {0, 0.5f}},  // the switch: " 1" stores 0.5
      {5, {0, 0.5f, 1, 2}},     {9, {-1, -0.5f, 0}},
      {12, {0, 1, 2, 3, 4}},    {16, {0, 0.5f, 1}},
      {17, {-4, -3, -2, -1, 0, 1, 2, 3, 4}}, {25, {-1, -0.5f, 0}},
  };
  for (const auto& c : cas) {
    ASSERT_EQ(NombreChoix(c.rang), static_cast<int>(c.valeurs.size())) << c.rang;
    for (int i = 0; i < NombreChoix(c.rang); ++i) {
      EXPECT_EQ(ValeurChoix(c.rang, i), c.valeurs[i]) << "row " << c.rang << " item " << i;
      EXPECT_EQ(IndiceChoix(c.rang, c.valeurs[i]), i) << "row " << c.rang << " item " << i;
    }
  }
}

TEST(Grille, LesDefautsMontrentLesItemsAttendus) {
  ParametresParDefaut();
  const char* attendus[26] = {nullptr, " 1", " 1", " 0", " 1", " 1", " 0", " 1", " 1", "-1",
                              " 0",    " 0", " 3", " 2", " 1", " 1", " 1", "-4", "-2", " 0",
                              " 2",    " 3", " 4", "-0.5", " 0", " 0"};
  for (int j = 1; j <= 25; ++j) {
    const int i = IndiceChoix(j, Emplacement(ParametresSystemes[1], j));
    ASSERT_GE(i, 0) << j;
    EXPECT_STREQ(ChoixDesRangs[j]->items[i], attendus[j]) << "row " << j;
  }
}

TEST(Grille, UneValeurQuAucunItemNeStockeNeMontreAucunItem) {
  // A hand-edited file: never show a neighbour's text for it.
  EXPECT_EQ(IndiceChoix(1, 0.75f), -1);
  EXPECT_EQ(IndiceChoix(2, 1.0f), -1);  // the switch stores 0.5, not 1
  EXPECT_EQ(IndiceChoix(5, 3.0f), -1);
  EXPECT_EQ(IndiceChoix(9, 0.5f), -1);
  EXPECT_EQ(IndiceChoix(12, 7.0f), -1);
  EXPECT_EQ(IndiceChoix(17, -5.0f), -1);
  EXPECT_EQ(IndiceChoix(23, -2.0f), -1);
  EXPECT_EQ(IndiceChoix(12, std::nanf("")), -1);
}

}  // namespace
}  // namespace korvalo
