// The values store and its 32,226-line file.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "../engine/DossierTemporaire.h"
#include "FichierTexte.h"
#include "Messages.h"
#include "Textes.h"
#include "Valeurs.h"

namespace korvalo {
namespace {

using test::DossierTemporaire;
using test::EcritOctets;
using test::LitOctets;

// Line number (1-based) of each value in the file, from the layout table.
long LigneNbDonnes(int s) { return 5371L * (s - 1) + 1; }
long DebutVariante(int s, int k) { return LigneNbDonnes(s) + 1 + 895L * (k - 1); }
long LigneMoyenne(int s, int k, int t) { return DebutVariante(s, k) + 2 * t; }
long LigneEcartType(int s, int k, int t) { return DebutVariante(s, k) + 2 * t + 1; }
long LignePourcentage(int s, int k, int S, int t) { return DebutVariante(s, k) + 28 + 17 * S + t; }
long LigneMoyenneLevees(int s, int k, int S) { return DebutVariante(s, k) + 28 + 17 * S + 14; }
long LigneEcartTypeLevees(int s, int k, int S) { return DebutVariante(s, k) + 28 + 17 * S + 15; }
long LigneNbObservations(int s, int k, int S) { return DebutVariante(s, k) + 28 + 17 * S + 16; }

void RemetValeursAZero() {
  for (TValeursSysteme& v : ValeursSystemes) v = TValeursSysteme{};
}

// Values of every kind, with fractions that need several digits.
void RemplitSysteme(TValeursSysteme& v, int graine) {
  v.NbDonnes = 100000;
  for (int k = 1; k <= 6; ++k) {
    for (int t = 0; t <= 13; ++t) {
      v.Moyenne[k][t] = static_cast<float>(graine + k * 13 + t) / 3.0f;
      v.EcartType[k][t] = static_cast<float>(t) / 7.0f;
    }
    for (int S = 0; S <= 50; ++S) {
      for (int t = 0; t <= 13; ++t) v.Pourcentage[k][S][t] = (graine + k + S + t) % 101;
      v.MoyenneLevees[k][S] = static_cast<float>(S) / 3.7f;
      v.EcartTypeLevees[k][S] = 0.00001f * static_cast<float>(S);
      v.NbObservations[k][S] = (graine * 977 + k * 31 + S) % 400001;
    }
  }
}

class FichierValeurs : public ::testing::Test {
 protected:
  void SetUp() override {
    RemetValeursAZero();
    Langue = "";
    ChangeLangue();
  }
  void TearDown() override { RemetValeursAZero(); }
  DossierTemporaire dossier;
  std::string chemin = dossier.Fichier(NOM_FICHIER_VALEURS);
};

TEST_F(FichierValeurs, SeulLeSysteme2Evalue) {
  ValeursSystemes[2].NbDonnes = 100000;
  ValeursSystemes[2].Moyenne[3][9] = 24.375f;
  ValeursSystemes[2].EcartType[3][9] = 0.00001f;
  ValeursSystemes[2].Pourcentage[4][26][10] = 38;
  ValeursSystemes[2].MoyenneLevees[6][30] = 10.5f;
  ValeursSystemes[2].EcartTypeLevees[6][30] = 1.25f;
  ValeursSystemes[2].NbObservations[6][30] = 4123;
  EnregistrerValeursDesComptesDePoints(chemin, '.');
  const std::vector<std::string> l = LitLignes(chemin);
  ASSERT_EQ(l.size(), 32226u);
  const std::string octets = LitOctets(chemin);
  EXPECT_EQ(octets.substr(octets.size() - 3), "0\r\n");
  auto ligne = [&](long n) { return l[static_cast<std::size_t>(n - 1)]; };
  EXPECT_EQ(ligne(LigneNbDonnes(2)), "100000");
  EXPECT_EQ(ligne(LigneMoyenne(2, 3, 9)), "24.375");
  EXPECT_EQ(ligne(LigneEcartType(2, 3, 9)), "0.00001");
  EXPECT_EQ(ligne(LignePourcentage(2, 4, 26, 10)), "38");
  EXPECT_EQ(ligne(LigneMoyenneLevees(2, 6, 30)), "10.5");
  EXPECT_EQ(ligne(LigneEcartTypeLevees(2, 6, 30)), "1.25");
  EXPECT_EQ(ligne(LigneNbObservations(2, 6, 30)), "4123");
  int nonNuls = 0;
  for (const std::string& s : l) nonNuls += s != "0";
  EXPECT_EQ(nonNuls, 7);

  RemetValeursAZero();
  ValeursSystemes[5].NbDonnes = 12;  // overwritten by the file
  LireValeursDesComptesDePoints(chemin);
  for (int s : {1, 3, 4, 5, 6}) EXPECT_EQ(ValeursSystemes[s].NbDonnes, 0) << s;
  EXPECT_EQ(ValeursSystemes[2].NbDonnes, 100000);
  EXPECT_EQ(ValeursSystemes[2].EcartType[3][9], 0.00001f);
  EXPECT_EQ(ValeursSystemes[2].NbObservations[6][30], 4123);
}

TEST_F(FichierValeurs, EcrireLireEcrireDonneLesMemesOctets) {
  for (char separateur : {'.', ','}) {
    for (int s = 1; s <= 6; ++s) RemplitSysteme(ValeursSystemes[s], s);
    EnregistrerValeursDesComptesDePoints(chemin, separateur);
    const std::string premier = LitOctets(chemin);
    auto avant = std::make_unique<TValeursSysteme[]>(7);
    for (int s = 1; s <= 6; ++s) avant[s] = ValeursSystemes[s];
    RemetValeursAZero();
    LireValeursDesComptesDePoints(chemin);
    for (int s = 1; s <= 6; ++s) {
      EXPECT_EQ(std::memcmp(&avant[s], &ValeursSystemes[s], sizeof(TValeursSysteme)), 0) << s;
    }
    EnregistrerValeursDesComptesDePoints(chemin, separateur);
    EXPECT_EQ(LitOctets(chemin), premier) << separateur;
    EXPECT_NE(premier.find(std::string("0") + separateur + "00001"), std::string::npos);
    EXPECT_EQ(premier.find('e'), std::string::npos);
  }
}

TEST_F(FichierValeurs, LesDeuxSeparateursSontLus) {
  std::vector<std::string> l(32226, "0");
  l[static_cast<std::size_t>(LigneMoyenne(1, 1, 7) - 1)] = "12,5";
  l[static_cast<std::size_t>(LigneMoyenne(1, 1, 8) - 1)] = "12.25";
  EcritFichierAtomique(chemin, l);
  LireValeursDesComptesDePoints(chemin);
  EXPECT_EQ(ValeursSystemes[1].Moyenne[1][7], 12.5f);
  EXPECT_EQ(ValeursSystemes[1].Moyenne[1][8], 12.25f);
}

struct CasErreur {
  long ligne;
  const char* texte;
  ErreurFichier::Genre genre;
};

TEST_F(FichierValeurs, LignesRefuseesNommeesAvecLeurNumero) {
  using G = ErreurFichier::Genre;
  const CasErreur cas[] = {
      {LigneMoyenne(1, 2, 3), "abc", G::NombreInvalide},
      {LigneMoyenne(1, 2, 3), "", G::NombreInvalide},
      {LigneMoyenne(3, 2, 3), "nan", G::HorsLimites},
      {LigneEcartType(4, 1, 0), "inf", G::HorsLimites},
      {LigneMoyenneLevees(2, 6, 50), "1000001", G::HorsLimites},
      {LigneMoyenneLevees(2, 6, 50), "2e7", G::HorsLimites},
      {LigneNbDonnes(3), "1.5", G::NombreInvalide},
      {LigneNbDonnes(3), "100001", G::HorsLimites},
      {LignePourcentage(6, 6, 50, 13), "-3", G::HorsLimites},
      {LignePourcentage(6, 6, 50, 13), "101", G::HorsLimites},
      {LigneNbObservations(1, 1, 0), "400001", G::HorsLimites},
      {LigneNbObservations(1, 1, 0), "99999999999999999999", G::HorsLimites},
      {LigneNbObservations(1, 1, 0), "12 oranges", G::NombreInvalide},
  };
  for (const CasErreur& c : cas) {
    std::vector<std::string> l(32226, "7");
    l[static_cast<std::size_t>(c.ligne - 1)] = c.texte;
    EcritFichierAtomique(chemin, l);
    RemetValeursAZero();
    try {
      LireValeursDesComptesDePoints(chemin);
      ADD_FAILURE() << "accepted " << c.texte << " at line " << c.ligne;
    } catch (const ErreurFichier& e) {
      EXPECT_EQ(e.genre, c.genre) << c.texte;
      EXPECT_EQ(e.ligne, c.ligne) << c.texte;
      EXPECT_EQ(e.fichier, chemin);
    }
  }
}

TEST_F(FichierValeurs, ApresUneErreurLesValeursLuesRestent) {
  std::vector<std::string> l(32226, "7");
  l[static_cast<std::size_t>(LigneMoyenne(2, 1, 0) - 1)] = "x";
  EcritFichierAtomique(chemin, l);
  ValeursSystemes[3].NbDonnes = 55;
  EXPECT_THROW(LireValeursDesComptesDePoints(chemin), ErreurFichier);
  EXPECT_EQ(ValeursSystemes[1].NbDonnes, 7);
  EXPECT_EQ(ValeursSystemes[1].NbObservations[6][50], 7);
  EXPECT_EQ(ValeursSystemes[2].NbDonnes, 7);
  EXPECT_EQ(ValeursSystemes[2].Moyenne[1][0], 0);
  EXPECT_EQ(ValeursSystemes[3].NbDonnes, 55);
}

TEST_F(FichierValeurs, RelectureEchoueeGardeLaMemoire) {
  std::vector<std::string> l(32226, "7");
  l[32225] = "x";
  EcritFichierAtomique(chemin, l);
  ValeursSystemes[1].NbDonnes = 55;
  EXPECT_THROW(RelireValeursDesComptesDePoints(chemin), ErreurFichier);
  EXPECT_EQ(ValeursSystemes[1].NbDonnes, 55);
  l[32225] = "8";
  EcritFichierAtomique(chemin, l);
  RelireValeursDesComptesDePoints(chemin);
  EXPECT_EQ(ValeursSystemes[1].NbDonnes, 7);
  EXPECT_EQ(ValeursSystemes[6].NbObservations[6][50], 8);
}

TEST_F(FichierValeurs, FichierTronque) {
  std::vector<std::string> l(5371, "0");
  EcritFichierAtomique(chemin, l);
  try {
    LireValeursDesComptesDePoints(chemin);
    FAIL();
  } catch (const ErreurFichier& e) {
    EXPECT_EQ(e.genre, ErreurFichier::Genre::FinPrematuree);
    EXPECT_EQ(e.ligne, 5372);
    EXPECT_EQ(MessageErreurFichier(e), chemin + ", ligne 5372 : le fichier s'arrête avant sa dernière ligne.");
    Langue = "anglais";
    EXPECT_EQ(MessageErreurFichier(e), chemin + ", line 5372: the file ends before its last line.");
  }
  EcritOctets(chemin, "");
  EXPECT_THROW(LireValeursDesComptesDePoints(chemin), ErreurFichier);
}

TEST_F(FichierValeurs, MessagesDesErreursDeLecture) {
  std::vector<std::string> l(32226, "0");
  l[9] = "douze";
  EcritFichierAtomique(chemin, l);
  try {
    LireValeursDesComptesDePoints(chemin);
    FAIL();
  } catch (const ErreurFichier& e) {
    EXPECT_EQ(MessageErreurFichier(e), chemin + ", ligne 10 : « douze » n'est pas un nombre valide.");
    Langue = "anglais";
    EXPECT_EQ(MessageErreurFichier(e), chemin + ", line 10: \"douze\" is not a valid number.");
  }
}

TEST_F(FichierValeurs, AdopteNouvellesValeurs) {
  RemplitSysteme(NouvellesValeurs, 4);
  SystemeEvalue = 4;
  AdopteNouvellesValeurs();
  EXPECT_EQ(std::memcmp(&ValeursSystemes[4], &NouvellesValeurs, sizeof(TValeursSysteme)), 0);
  EXPECT_EQ(ValeursSystemes[3].NbDonnes, 0);
  NouvellesValeurs = TValeursSysteme{};
  SystemeEvalue = 0;
}

}  // namespace
}  // namespace korvalo
