#include <gtest/gtest.h>

#include <climits>
#include <stdexcept>
#include <string>
#include <vector>

#include "Encheres.h"
#include "Textes.h"

namespace korvalo {
namespace {

TEST(Marque, ScoreContratFait) {
  struct Cas {
    int niveau, classe;
    bool vulnerable;
    int contre, score;
  };
  const Cas cas[] = {
      {1, ClasseMineure, false, NonContre, 70},
      {3, ClasseSansAtout, false, NonContre, 400},
      {3, ClasseSansAtout, true, NonContre, 600},
      {4, ClasseMajeure, false, Contre, 590},
      {2, ClasseMineure, false, Contre, 180},  // doubled part score
      {7, ClasseMineure, true, NonContre, 2140},
      {1, ClasseSansAtout, false, NonContre, 90},
      {2, ClasseMajeure, true, NonContre, 110},
      {5, ClasseMineure, true, NonContre, 600},
      {4, ClasseMajeure, true, NonContre, 620},
      {6, ClasseMajeure, false, NonContre, 980},
      {7, ClasseSansAtout, true, NonContre, 2220},
      {1, ClasseMineure, false, Surcontre, 230},
      {2, ClasseMajeure, false, Surcontre, 640},
      {4, ClasseMajeure, false, Surcontre, 880},
      {6, ClasseSansAtout, true, Surcontre, 2110},
      {7, ClasseSansAtout, true, Surcontre, 2980},
      {1, ClasseMajeure, true, Contre, 160},
      {3, ClasseMajeure, true, Contre, 730},
  };
  for (const Cas& c : cas)
    EXPECT_EQ(ScoreContrat(c.niveau, c.classe, c.vulnerable, c.contre), c.score)
        << c.niveau << " classe " << c.classe << (c.vulnerable ? " V" : " NV") << " contre "
        << c.contre;
}

TEST(Marque, PenaliteChute) {
  struct Cas {
    int chutes;
    bool vulnerable;
    int contre, penalite;
  };
  const Cas cas[] = {
      {1, false, NonContre, 50},   {1, true, NonContre, 100},  {3, false, NonContre, 150},
      {3, true, NonContre, 300},   {1, false, Contre, 100},    {2, false, Contre, 300},
      {3, false, Contre, 500},     {4, false, Contre, 800},    {5, false, Contre, 1100},
      {13, false, Contre, 3500},   {1, true, Contre, 200},     {2, true, Contre, 500},
      {4, true, Contre, 1100},     {13, true, Contre, 3800},   {4, false, Surcontre, 1600},
      {1, true, Surcontre, 400},   {13, true, Surcontre, 7600},
  };
  for (const Cas& c : cas)
    EXPECT_EQ(PenaliteChute(c.chutes, c.vulnerable, c.contre), c.penalite)
        << c.chutes << (c.vulnerable ? " V" : " NV") << " contre " << c.contre;
}

TEST(Marque, ArgumentsHorsBornesRefuses) {
  EXPECT_THROW(ScoreContrat(0, ClasseMineure, false, NonContre), std::invalid_argument);
  EXPECT_THROW(ScoreContrat(8, ClasseMineure, false, NonContre), std::invalid_argument);
  EXPECT_THROW(ScoreContrat(1, 0, false, NonContre), std::invalid_argument);
  EXPECT_THROW(ScoreContrat(1, 4, false, NonContre), std::invalid_argument);
  EXPECT_THROW(ScoreContrat(1, ClasseMineure, false, 3), std::invalid_argument);
  EXPECT_THROW(ScoreContrat(1, ClasseMineure, false, -1), std::invalid_argument);
  EXPECT_THROW(PenaliteChute(0, false, NonContre), std::invalid_argument);
  EXPECT_THROW(PenaliteChute(14, true, Contre), std::invalid_argument);
  EXPECT_THROW(SeuilsPalier(ClasseMineure, 7), std::invalid_argument);
  EXPECT_THROW(SeuilTPP(100, 50, -100), std::invalid_argument);
  // No IMP either way: 5 gained, 10 lost.
  EXPECT_THROW(SeuilIMP(10, 5, 5), std::invalid_argument);
}

TEST(Marque, EchelleIMP) {
  // Each threshold is the first difference worth one more IMP.
  const int seuils[] = {11,   41,   81,   121,  161,  211,  261,  311,  361,  421,  491,  591,
                        741,  891,  1091, 1291, 1491, 1741, 1991, 2241, 2491, 2991, 3491, 3991};
  for (int i = 0; i < 24; ++i) {
    EXPECT_EQ(ConvertitIMP(seuils[i] - 1), i) << seuils[i] - 1;
    EXPECT_EQ(ConvertitIMP(seuils[i]), i + 1) << seuils[i];
    EXPECT_EQ(ConvertitIMP(-seuils[i]), -(i + 1)) << -seuils[i];
  }
  EXPECT_EQ(ConvertitIMP(0), 0);
  EXPECT_EQ(ConvertitIMP(10), 0);
  EXPECT_EQ(ConvertitIMP(-10), 0);
  EXPECT_EQ(ConvertitIMP(-50), -2);
  EXPECT_EQ(ConvertitIMP(280), 7);
  EXPECT_EQ(ConvertitIMP(170), 5);
  EXPECT_EQ(ConvertitIMP(INT_MAX), 24);
  EXPECT_EQ(ConvertitIMP(INT_MIN), -24);
}

TEST(Marque, SeuilsDesExemples) {
  // Minor 4 -> 5, vulnerable, undoubled: the 33% of the explanation text.
  EXPECT_EQ(ScoreContrat(5, ClasseMineure, true, NonContre), 600);
  EXPECT_EQ(ScoreContrat(4, ClasseMineure, true, NonContre), 130);
  EXPECT_EQ(SeuilTPP(600, 130, 100), 33);
  // No-trump 2 -> 3, not vulnerable, undoubled.
  EXPECT_EQ(SeuilTPP(400, 120, 50), 38);
  EXPECT_EQ(SeuilIMP(400, 120, 50), 41);
  // Minor 1 -> 2, not vulnerable, higher contract doubled.
  EXPECT_EQ(SeuilTPP(180, 70, 100), 61);
}

TEST(Marque, FormateSeuil) {
  struct Cas {
    int n;
    const char* cellule;
  };
  const Cas cas[] = {{0, " --- "}, {1, "   1%"},  {5, "   5%"},  {9, "   9%"},
                     {10, "  10%"}, {33, "  33%"}, {99, "  99%"}, {100, " 100%"}};
  for (const Cas& c : cas) EXPECT_EQ(FormateSeuil(c.n), c.cellule) << c.n;
}

// The resulting table, row by row: class, lower level, TPP NVND VND NVD VD,
// IMP NVND VND NVD VD.
struct LigneAttendue {
  int classe, niveau;
  int tpp[4], imp[4];
};
const LigneAttendue TableAttendue[18] = {
    {ClasseMineure, 1, {86, 90, 61, 72}, {75, 83, 62, 70}},
    {ClasseMineure, 2, {88, 91, 34, 34}, {80, 83, 35, 38}},
    {ClasseMineure, 3, {89, 92, 35, 35}, {80, 83, 35, 36}},
    {ClasseMineure, 4, {40, 33, 36, 35}, {41, 37, 40, 40}},
    {ClasseMineure, 5, {47, 48, 43, 46}, {47, 48, 47, 48}},
    {ClasseMineure, 6, {66, 66, 59, 63}, {56, 55, 53, 54}},
    {ClasseMajeure, 1, {82, 86, 32, 33}, {80, 83, 35, 38}},
    {ClasseMajeure, 2, {85, 88, 34, 34}, {80, 83, 35, 36}},
    {ClasseMajeure, 3, {41, 34, 35, 35}, {41, 37, 37, 40}},
    {ClasseMajeure, 4, {94, 96, 70, 79}, {90, 92, 64, 68}},
    {ClasseMajeure, 5, {49, 50, 42, 46}, {50, 50, 45, 48}},
    {ClasseMajeure, 6, {67, 67, 58, 62}, {56, 56, 51, 54}},
    {ClasseSansAtout, 1, {83, 87, 33, 33}, {80, 83, 35, 36}},
    {ClasseSansAtout, 2, {38, 32, 34, 34}, {41, 37, 37, 40}},
    {ClasseSansAtout, 3, {94, 96, 71, 80}, {90, 92, 68, 72}},
    {ClasseSansAtout, 4, {95, 97, 69, 78}, {90, 92, 64, 68}},
    {ClasseSansAtout, 5, {50, 50, 43, 46}, {50, 50, 45, 48}},
    {ClasseSansAtout, 6, {67, 67, 58, 61}, {56, 56, 51, 54}},
};

TEST(TableauEncheres, LesCentQuaranteQuatreSeuils) {
  for (const LigneAttendue& l : TableAttendue) {
    const TSeuilsPalier s = SeuilsPalier(l.classe, l.niveau);
    for (int k = 0; k < 4; ++k) {
      EXPECT_EQ(s.TPP[k], l.tpp[k]) << "classe " << l.classe << " palier " << l.niveau
                                    << " TPP colonne " << k;
      EXPECT_EQ(s.IMP[k], l.imp[k]) << "classe " << l.classe << " palier " << l.niveau
                                    << " IMP colonne " << k;
    }
  }
}

struct TextesLangue {
  const char* langue;
  std::vector<std::string> explication;
  const char *entete, *mineures, *majeures, *sansAtout, *colonnes, *de, *a;
};

const TextesLangue Anglais = {
    "anglais",
    {" This table shows the % of success with which it is advantageous to overbid ",
     " to the upper level in four vulnerability and double conditions.",
     " For example, with 33% we will ask for level 5 in minor V ND",
     " The evaluation is based on the comparison of the remuneration of the two contracts",
     " adjacent. We consider the TPP points and the IMP points"},
    "                       Points (PT)                                 IMP (match)",
    "   Minor contracts, non-competitive bid",
    "   Major contracts, non-competitive bid",
    "   NT contracts, non-competitive bid",
    "                NVND VND       NVD   VD                    NVND VND       NVD   VD",
    " from ",
    "  to  ",
};

const TextesLangue Francais = {
    "francais",
    {" Ce tableau expose les % de réussite avec lesquels il est avantageux de surenchérir ",
     " au palier supérieur dans quatre conditions de vulnérabilité et de contre.",
     " Par exemple, avec 33% on demandera le palier 5 en mineure V NC",
     " L'évaluation se fonde sur la comparaison des rémunérations des deux contrats ",
     " adjacents. On considère les points de TPP et les points IMP de match"},
    "                       Points (TPP)                                IMP (match)",
    "   Contrats en mineure, surenchère non-compétitive",
    "   Contrats en majeure, surenchère non-compétitive",
    "   Contrats à SA, surenchère non-compétitive",
    "                NVNC VNC       NVC   VC                    NVNC VNC       NVC   VC",
    "  de  ",
    "  à   ",
};

// The whole report built from the texts and the expected table above. Every
// figure of the table has two digits, so every cell is "  nn%".
std::vector<std::string> RapportAttendu(const TextesLangue& t) {
  const std::string tirets = "   " + std::string(79, '-');
  const std::string egaux = "   " + std::string(79, '=');
  auto cellule = [](int n) { return "  " + std::to_string(n) + "%"; };
  std::vector<std::string> r = {""};
  r.insert(r.end(), t.explication.begin(), t.explication.end());
  r.insert(r.end(), {"", t.entete, tirets});
  const char* titres[4] = {nullptr, t.mineures, t.majeures, t.sansAtout};
  for (const LigneAttendue& l : TableAttendue) {
    if (l.niveau == 1) {
      if (l.classe != ClasseMineure) r.push_back(egaux);
      r.insert(r.end(), {titres[l.classe], "", t.colonnes, ""});
    } else {
      r.push_back(tirets);
    }
    r.push_back(std::string(t.de) + std::to_string(l.niveau) + t.a + std::to_string(l.niveau + 1) +
                " " + cellule(l.tpp[0]) + cellule(l.tpp[1]) + "     " + cellule(l.tpp[2]) +
                cellule(l.tpp[3]) + std::string(18, ' ') + cellule(l.imp[0]) + cellule(l.imp[1]) +
                "     " + cellule(l.imp[2]) + cellule(l.imp[3]));
  }
  return r;
}

std::vector<std::string> RapportEn(const char* langue) {
  Langue = langue;
  ChangeLangue();
  return TableauEncheres();
}

TEST(TableauEncheres, RapportCompletDansLesDeuxLangues) {
  for (const TextesLangue* t : {&Anglais, &Francais}) {
    const std::vector<std::string> rapport = RapportEn(t->langue);
    const std::vector<std::string> attendu = RapportAttendu(*t);
    ASSERT_EQ(rapport.size(), 56u) << t->langue;
    ASSERT_EQ(rapport.size(), attendu.size());
    for (size_t i = 0; i < attendu.size(); ++i)
      EXPECT_EQ(rapport[i], attendu[i]) << t->langue << ", ligne " << i + 1;
  }
}

TEST(TableauEncheres, UneLigneCaractereParCaractere) {
  // Minor 4 -> 5 is the fourth row of the first class: line 20.
  EXPECT_EQ(RapportEn("anglais")[19],
            " from 4  to  5   40%  33%       36%  35%                    41%  37%       40%  40%");
  EXPECT_EQ(RapportEn("francais")[19],
            "  de  4  à   5   40%  33%       36%  35%                    41%  37%       40%  40%");
  EXPECT_EQ(RapportEn("")[19], RapportEn("francais")[19]);
}

TEST(TableauEncheres, FiletsAuxBonnesPlaces) {
  const std::vector<std::string> r = RapportEn("anglais");
  const std::string tirets = "   " + std::string(79, '-');
  const std::string egaux = "   " + std::string(79, '=');
  std::vector<size_t> lignesTirets, lignesEgaux;
  for (size_t i = 0; i < r.size(); ++i) {
    if (r[i] == tirets) lignesTirets.push_back(i + 1);
    if (r[i] == egaux) lignesEgaux.push_back(i + 1);
  }
  // Under the heading, then between the rows of each class, never after a
  // sixth row; equals lines only before the major and the no-trump blocks.
  const std::vector<size_t> tiretsAttendus = {9,  15, 17, 19, 21, 23, 31, 33,
                                              35, 37, 39, 47, 49, 51, 53, 55};
  EXPECT_EQ(lignesTirets, tiretsAttendus);
  EXPECT_EQ(lignesEgaux, (std::vector<size_t>{25, 41}));
  EXPECT_EQ(r.back().substr(0, 15), " from 6  to  7 ");
}

}  // namespace
}  // namespace korvalo
