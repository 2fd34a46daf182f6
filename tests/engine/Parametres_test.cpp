#include <gtest/gtest.h>

#include <cstring>

#include "DossierTemporaire.h"
#include "Parametres.h"

using namespace korvalo;
using korvalo::test::DossierTemporaire;
using korvalo::test::EcritOctets;
using korvalo::test::Existe;
using korvalo::test::LitOctets;
using Genre = ErreurFichier::Genre;

namespace {

const char* const DEFAUTS_TEXTE[NB_PARAMETRES + 1] = {"M",  "1",  "0.5", "0", "1", "1", "0", "1", "1",
                                                     "-1", "0",  "0",   "3", "2", "1", "1", "1", "-4",
                                                     "-2", "0",  "2",   "3", "4", "-0.5", "0", "0"};

const float DEFAUTS[NB_PARAMETRES + 1] = {0, 1, 0.5f, 0, 1, 1, 0, 1, 1, -1, 0, 0,     3,
                                         2, 1, 1,    1, -4, -2, 0, 2, 3, 4, -0.5f, 0, 0};

std::vector<std::string> LignesParDefaut() {
  std::vector<std::string> lignes;
  for (int s = 0; s < 3; ++s)
    for (const char* t : DEFAUTS_TEXTE) lignes.push_back(t);
  return lignes;
}

std::string Joint(const std::vector<std::string>& lignes) {
  std::string s;
  for (const std::string& l : lignes) s += l + "\r\n";
  return s;
}

struct Parametres : ::testing::Test {
  DossierTemporaire dossier;
  std::string chemin = dossier.Fichier("ParametresDesComptesDePoints.txt");
  TParametresSysteme sauves[NB_SYSTEMES_PARAMETRIQUES + 1];

  static void SetUpTestSuite() { InitialiseTables(); }
  void SetUp() override { std::memcpy(sauves, ParametresSystemes, sizeof sauves); }
  void TearDown() override {
    std::memcpy(ParametresSystemes, sauves, sizeof sauves);
    EchecEcritureApresLignes = -1;
  }
  // Every slot 77 and an unusual letter, so that unread slots show.
  static void Sentinelles() {
    for (int s = 1; s <= 3; ++s) {
      ParametresSystemes[s].Honneurs = '?';
      for (int k = 1; k <= NB_PARAMETRES; ++k) Emplacement(ParametresSystemes[s], k) = 77;
    }
  }
};

TEST_F(Parametres, SlotsMapToTheNamedFieldsInOrder) {
  TParametresSysteme p;
  float* const champs[NB_PARAMETRES + 1] = {
      nullptr,           &p.BonusTroisHonneurs, &p.BonusSequenceDix,      &p.BonusAs,
      &p.BonusDixNeuf,   &p.BonusLongueur,      &p.Bicolore54,            &p.Bicolore55,
      &p.Bicolore11,     &p.MalusHonneursSecs,  &p.MalusSansAs,           &p.MalusTroisPerdantes,
      &p.Chicane,        &p.Singleton,          &p.DoubletonQuatreAtouts, &p.DoubletonTroisAtouts,
      &p.SecondDoubleton, &FitDe(p, -2),        &FitDe(p, -1),            &FitDe(p, 0),
      &FitDe(p, 1),      &FitDe(p, 2),          &FitDe(p, 3),             &p.Malus4333,
      &p.MalusRegulier,  &p.MalusFitExactSansHonneur};
  for (int k = 1; k <= NB_PARAMETRES; ++k) EXPECT_EQ(&Emplacement(p, k), champs[k]) << k;
  EXPECT_THROW(Emplacement(p, 0), std::out_of_range);
  EXPECT_THROW(Emplacement(p, 26), std::out_of_range);
}

TEST_F(Parametres, DefaultsWrittenAreThreeIdenticalBlocks) {
  Sentinelles();
  ParametresParDefaut();
  EnregistrerParametresDesComptesDePoints(chemin, '.');
  EXPECT_EQ(LitOctets(chemin), Joint(LignesParDefaut()));
  EXPECT_EQ(LitLignes(chemin).size(), 78u);
  EXPECT_EQ(ParametresSystemes[2].Honneurs, 'M');
  EXPECT_EQ(FitDe(ParametresSystemes[3], -2), -4);
  EXPECT_EQ(ParametresSystemes[1].Malus4333, -0.5f);

  EnregistrerParametresDesComptesDePoints(chemin, ',');
  const std::vector<std::string> lignes = LitLignes(chemin);
  ASSERT_EQ(lignes.size(), 78u);
  for (int s = 0; s < 3; ++s) {
    EXPECT_EQ(lignes[26 * s + 2], "0,5");
    EXPECT_EQ(lignes[26 * s + 23], "-0,5");
  }
}

TEST_F(Parametres, WriteThenReadGivesTheSameValues) {
  const float valeurs[] = {0, 0.5f, 1, 2, -1, -0.5f, 3, 4, -4, 0.1f, -3.75f, 999.5f, 0.001f, 1.0f / 3};
  int n = 0;
  const char lettres[] = {0, 'M', 'Z', 'X'};
  for (int s = 1; s <= 3; ++s) {
    ParametresSystemes[s].Honneurs = lettres[s];
    for (int k = 1; k <= NB_PARAMETRES; ++k) Emplacement(ParametresSystemes[s], k) = valeurs[n++ % std::size(valeurs)];
  }
  TParametresSysteme ecrits[4];
  std::memcpy(ecrits, ParametresSystemes, sizeof ecrits);
  for (char separateur : {'.', ','}) {
    SCOPED_TRACE(separateur);
    EnregistrerParametresDesComptesDePoints(chemin, separateur);
    Sentinelles();
    LireParametresDesComptesDePoints(chemin);
    for (int s = 1; s <= 3; ++s) {
      EXPECT_EQ(ParametresSystemes[s].Honneurs, ecrits[s].Honneurs);
      for (int k = 1; k <= NB_PARAMETRES; ++k)
        EXPECT_EQ(Emplacement(ParametresSystemes[s], k), Emplacement(ecrits[s], k)) << s << " " << k;
    }
  }
}

TEST_F(Parametres, EitherSeparatorReadsTheSame) {
  std::vector<std::string> lignes = LignesParDefaut();
  lignes[2] = "0,5";    // system 1 slot 2
  lignes[28] = "0.5";   // system 2 slot 2
  lignes[49] = "-0,5";  // system 2 slot 23
  lignes[75] = "-0.5";  // system 3 slot 23
  EcritOctets(chemin, Joint(lignes));
  Sentinelles();
  LireParametresDesComptesDePoints(chemin);
  EXPECT_EQ(ParametresSystemes[1].BonusSequenceDix, 0.5f);
  EXPECT_EQ(ParametresSystemes[2].BonusSequenceDix, 0.5f);
  EXPECT_EQ(ParametresSystemes[2].Malus4333, -0.5f);
  EXPECT_EQ(ParametresSystemes[3].Malus4333, -0.5f);
}

TEST_F(Parametres, ScaleLetterIsTheFirstCharacter) {
  struct Cas {
    const char* ligne;
    char attendu;
  };
  const Cas cas[] = {{"M", 'M'}, {"Z", 'Z'}, {"Milton", 'M'}, {"Zar", 'Z'}, {" M", ' '}};
  for (const Cas& c : cas) {
    std::vector<std::string> lignes = LignesParDefaut();
    lignes[26] = c.ligne;
    EcritOctets(chemin, Joint(lignes));
    Sentinelles();
    LireParametresDesComptesDePoints(chemin);
    EXPECT_EQ(ParametresSystemes[2].Honneurs, c.attendu) << c.ligne;
    EXPECT_EQ(ParametresSystemes[2].BonusTroisHonneurs, 1) << "the rest of the line is skipped";
  }
  std::vector<std::string> lignes = LignesParDefaut();
  lignes[52] = "";
  EcritOctets(chemin, Joint(lignes));
  LireParametresDesComptesDePoints(chemin);
  EXPECT_NE(ParametresSystemes[3].Honneurs, 'M');
  // Such a letter written back keeps the file's 78 lines whole.
  ParametresSystemes[3].Honneurs = '\n';
  EnregistrerParametresDesComptesDePoints(chemin, '.');
  ASSERT_EQ(LitLignes(chemin).size(), 78u);
  LireParametresDesComptesDePoints(chemin);
  EXPECT_EQ(ParametresSystemes[3].Honneurs, 'Z');
  EXPECT_EQ(ParametresSystemes[3].BonusTroisHonneurs, 1);
}

struct CasMalforme {
  const char* nom;
  long ligne;          // 1-based line replaced (0: none)
  const char* texte;   // its new text
  std::size_t garder;  // lines kept (truncation); 0: all
  Genre genre;
  long ligneErreur;
  bool aucunChangement;  // refused before any record changed
};

TEST_F(Parametres, MalformedFileNamesTheLineAndKeepsWhatWasRead) {
  const std::vector<CasMalforme> cas = {
      {"non-numeric", 30, "abc", 0, Genre::NombreInvalide, 30, false},
      {"empty value line", 2, "", 0, Genre::NombreInvalide, 2, false},
      {"trailing text", 60, "1 point", 0, Genre::NombreInvalide, 60, false},
      {"not finite", 5, "nan", 0, Genre::HorsLimites, 5, false},
      {"infinite", 78, "-inf", 0, Genre::HorsLimites, 78, false},
      {"too large", 44, "1000.5", 0, Genre::HorsLimites, 44, false},
      {"truncated", 0, "", 40, Genre::FinPrematuree, 41, false},
      {"truncated at a block", 0, "", 52, Genre::FinPrematuree, 53, false},
      {"empty file", 0, "", 0, Genre::FinPrematuree, 1, false},
      {"text after line 78", 79, "M", 0, Genre::LigneInvalide, 79, true},
      {"nul byte", 60, "", 0, Genre::LigneInvalide, 60, true},
  };
  for (const CasMalforme& c : cas) {
    SCOPED_TRACE(c.nom);
    std::vector<std::string> lignes = LignesParDefaut();
    if (std::strcmp(c.nom, "nul byte") == 0) {
      lignes[59] = std::string("1\0", 2);
    } else if (c.ligne > 78) {
      lignes.push_back(c.texte);
    } else if (c.ligne > 0) {
      lignes[c.ligne - 1] = c.texte;
    }
    if (c.garder > 0) lignes.resize(c.garder);
    if (std::strcmp(c.nom, "empty file") == 0) lignes.clear();
    EcritOctets(chemin, Joint(lignes));
    Sentinelles();
    ErreurFichier erreur(Genre::Ouverture, "", 0, "", "");
    try {
      LireParametresDesComptesDePoints(chemin);
      ADD_FAILURE() << "accepted";
      continue;
    } catch (const ErreurFichier& e) {
      erreur = e;
    }
    EXPECT_EQ(erreur.genre, c.genre);
    EXPECT_EQ(erreur.ligne, c.ligneErreur);
    EXPECT_EQ(erreur.fichier, chemin);
    const std::string quoi = erreur.what();
    EXPECT_NE(quoi.find(chemin + ", line " + std::to_string(c.ligneErreur) + ":"), std::string::npos) << quoi;
    if (c.genre == Genre::NombreInvalide || c.genre == Genre::HorsLimites) {
      EXPECT_EQ(erreur.trouve, c.texte);
      if (!erreur.trouve.empty()) {
        EXPECT_NE(quoi.find("\"" + erreur.trouve + "\""), std::string::npos) << quoi;
      }
    }
    // Lines before the bad one took their new (default) values, the others kept 77.
    for (long l = 1; l <= 78; ++l) {
      const int s = static_cast<int>((l - 1) / 26) + 1;
      const int k = static_cast<int>((l - 1) % 26);
      const bool lu = !c.aucunChangement && l < c.ligneErreur;
      if (k == 0) {
        EXPECT_EQ(ParametresSystemes[s].Honneurs, lu ? 'M' : '?') << "line " << l;
      } else {
        EXPECT_EQ(Emplacement(ParametresSystemes[s], k), lu ? DEFAUTS[k] : 77.0f) << "line " << l;
      }
    }
  }
}

TEST_F(Parametres, ValuesAtTheLimitAndTrailingEmptyLinesAreAccepted) {
  std::vector<std::string> lignes = LignesParDefaut();
  lignes[1] = "1000";
  lignes[2] = "-1000";
  lignes.push_back("");
  lignes.push_back("");
  EcritOctets(chemin, Joint(lignes));
  LireParametresDesComptesDePoints(chemin);
  EXPECT_EQ(ParametresSystemes[1].BonusTroisHonneurs, 1000);
  EXPECT_EQ(ParametresSystemes[1].BonusSequenceDix, -1000);
}

TEST_F(Parametres, FailedSaveKeepsTheOldFileAndReadRemovesAStrayTemporary) {
  ParametresParDefaut();
  EnregistrerParametresDesComptesDePoints(chemin, '.');
  const std::string ancien = LitOctets(chemin);
  ParametresSystemes[1].Chicane = 4;
  EchecEcritureApresLignes = 40;
  EXPECT_THROW(EnregistrerParametresDesComptesDePoints(chemin, '.'), ErreurFichier);
  EchecEcritureApresLignes = -1;
  EXPECT_EQ(LitOctets(chemin), ancien);
  EXPECT_FALSE(Existe(chemin + SUFFIXE_TEMPORAIRE));

  EcritOctets(chemin + SUFFIXE_TEMPORAIRE, "M\r\n1\r\n");
  LireParametresDesComptesDePoints(chemin);
  EXPECT_FALSE(Existe(chemin + SUFFIXE_TEMPORAIRE));
  EXPECT_EQ(ParametresSystemes[1].Chicane, 3);
}

TEST_F(Parametres, MissingFileIsAnOpeningError) {
  try {
    LireParametresDesComptesDePoints(dossier.Fichier("absent.txt"));
    FAIL() << "accepted";
  } catch (const ErreurFichier& e) {
    EXPECT_EQ(e.genre, Genre::Ouverture);
  }
}

}  // namespace
