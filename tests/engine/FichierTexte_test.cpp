#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <optional>
#include <random>

#include "DossierTemporaire.h"
#include "FichierTexte.h"

using namespace korvalo;
using korvalo::test::DossierTemporaire;
using korvalo::test::EcritOctets;
using korvalo::test::Existe;
using korvalo::test::LitOctets;
using Genre = ErreurFichier::Genre;

namespace {

// Runs f, which must throw ErreurFichier, and returns the exception.
template <typename F>
ErreurFichier Attrape(F&& f) {
  try {
    f();
  } catch (const ErreurFichier& e) {
    return e;
  }
  ADD_FAILURE() << "no ErreurFichier thrown";
  return ErreurFichier(Genre::Ouverture, "", 0, "", "");
}

// ---------------------------------------------------------------- LitLignes

struct CasLignes {
  const char* nom;
  std::string octets;
  std::vector<std::string> lignes;  // when accepted
  long ligneErreur;                 // 0: accepted
};

TEST(LitLignes, AcceptsAndRefusesLineEnds) {
  const std::string longue(4096, 'x');
  const std::vector<CasLignes> cas = {
      {"crlf", "a\r\nb\r\n", {"a", "b"}, 0},
      {"lf", "a\nb\n", {"a", "b"}, 0},
      {"mixed", "a\r\nb\nc\r\n", {"a", "b", "c"}, 0},
      {"no final end", "a\r\nb", {"a", "b"}, 0},
      {"bom", "\xEF\xBB\xBF" "M\r\n1\r\n", {"M", "1"}, 0},
      {"bom only at start", "a\n\xEF\xBB\xBF" "b\n", {"a", "\xEF\xBB\xBF" "b"}, 0},
      {"empty file", "", {}, 0},
      {"bom only", "\xEF\xBB\xBF", {}, 0},
      {"empty lines kept", "a\r\n\r\n\nb\r\n", {"a", "", "", "b"}, 0},
      {"4096 characters", longue + "\r\n", {longue}, 0},
      {"cr only", "a\rb\r", {}, 1},
      {"cr only on line 3", "a\r\nb\r\nc\rd\r\n", {}, 3},
      {"final lone cr", "a\r\nb\r", {}, 2},
      {"cr cr lf", "a\r\r\n", {}, 1},
      {"nul", std::string("a\r\nb\0c\r\n", 8), {}, 2},
      {"nul alone", std::string("\0", 1), {}, 1},
      {"4097 characters", "a\n" + longue + "x\n", {}, 2},
      {"overlong last line", "a\n" + longue + "xy", {}, 2},
  };
  DossierTemporaire dossier;
  const std::string chemin = dossier.Fichier("lignes.txt");
  for (const CasLignes& c : cas) {
    SCOPED_TRACE(c.nom);
    EcritOctets(chemin, c.octets);
    if (c.ligneErreur == 0) {
      EXPECT_EQ(LitLignes(chemin), c.lignes);
    } else {
      const ErreurFichier e = Attrape([&] { LitLignes(chemin); });
      EXPECT_EQ(e.genre, Genre::LigneInvalide);
      EXPECT_EQ(e.ligne, c.ligneErreur);
      EXPECT_EQ(e.fichier, chemin);
      EXPECT_NE(std::string(e.what()).find(chemin + ", line " + std::to_string(c.ligneErreur) + ":"),
                std::string::npos)
          << e.what();
    }
  }
}

TEST(LitLignes, MissingFileIsAnOpeningError) {
  DossierTemporaire dossier;
  const std::string chemin = dossier.Fichier("absent.txt");
  const ErreurFichier e = Attrape([&] { LitLignes(chemin); });
  EXPECT_EQ(e.genre, Genre::Ouverture);
  EXPECT_EQ(e.ligne, 0);
  EXPECT_NE(std::string(e.what()).find(chemin), std::string::npos);
}

TEST(LitLignes, ErrorTextIsShortAndPrintable) {
  DossierTemporaire dossier;
  const std::string chemin = dossier.Fichier("long.txt");
  EcritOctets(chemin, "ok\n" + std::string(5000, 'z') + "\n");
  const ErreurFichier e = Attrape([&] { LitLignes(chemin); });
  EXPECT_EQ(e.trouve, std::string(40, 'z') + "...");
  EXPECT_EQ(ExtraitLigne(std::string("a\tb\x01", 4)), "a?b?");
  // A cut never splits a UTF-8 sequence.
  std::string accents;
  for (int i = 0; i < 30; ++i) accents += "\xC3\xA9";
  EXPECT_EQ(ExtraitLigne(accents), std::string(accents, 0, 40) + "...");
  EXPECT_EQ(ExtraitLigne("x" + accents), "x" + std::string(accents, 0, 38) + "...");
}

// ------------------------------------------------------------------ LitReel

struct CasReel {
  const char* texte;
  std::optional<double> valeur;  // nullopt: refused
  Genre genre = Genre::NombreInvalide;
};

TEST(LitReel, ReadsEitherSeparatorAndRefusesTheRest) {
  const std::vector<CasReel> cas = {
      {"0,5", 0.5},
      {"0.5", 0.5},
      {"-0,5", -0.5},
      {"-4", -4},
      {"1", 1},
      {"+3", 3},
      {" 2\t", 2},
      {",25", 0.25},
      {"7.", 7},
      {"1e2", 100},
      {"2,5E-1", 0.25},
      {"1000", 1000},
      {"-1000", -1000},
      {"0.00001", 0.00001},
      {"1e-400", std::nullopt, Genre::HorsLimites},  // underflow is refused, not read as 0
      {"1000.001", std::nullopt, Genre::HorsLimites},
      {"-1001", std::nullopt, Genre::HorsLimites},
      {"1e4", std::nullopt, Genre::HorsLimites},
      {"1e999", std::nullopt, Genre::HorsLimites},
      {"nan", std::nullopt, Genre::HorsLimites},
      {"NaN", std::nullopt, Genre::HorsLimites},
      {"inf", std::nullopt, Genre::HorsLimites},
      {"-Infinity", std::nullopt, Genre::HorsLimites},
      {"", std::nullopt},
      {"   ", std::nullopt},
      {"-", std::nullopt},
      {",", std::nullopt},
      {"abc", std::nullopt},
      {"1,5,", std::nullopt},
      {"1.2.3", std::nullopt},
      {"1,2.3", std::nullopt},
      {"5x", std::nullopt},
      {"x5", std::nullopt},
      {"--1", std::nullopt},
      {"+-1", std::nullopt},
      {"1e", std::nullopt},
      {"1e+", std::nullopt},
      {"0x10", std::nullopt},
      {"1 2", std::nullopt},
      {"infinite", std::nullopt},
      {"e5", std::nullopt},
  };
  const std::vector<std::string> lignes = [&] {
    std::vector<std::string> l;
    for (const CasReel& c : cas) l.push_back(c.texte);
    return l;
  }();
  for (std::size_t i = 0; i < cas.size(); ++i) {
    const CasReel& c = cas[i];
    SCOPED_TRACE(std::string("\"") + c.texte + "\"");
    double v = -12345;
    const bool lu = LitReel(c.texte, 1000, v);
    ASSERT_EQ(lu, c.valeur.has_value());
    if (lu) {
      EXPECT_EQ(v, *c.valeur);
      EXPECT_EQ(LitReelDeLigne(lignes, i, "f.txt", 1000), *c.valeur);
    } else {
      EXPECT_EQ(v, -12345) << "a refused text leaves the value alone";
      const ErreurFichier e = Attrape([&] { LitReelDeLigne(lignes, i, "f.txt", 1000); });
      EXPECT_EQ(e.genre, c.genre);
      EXPECT_EQ(e.ligne, static_cast<long>(i) + 1);
      EXPECT_EQ(e.trouve, ExtraitLigne(c.texte));
    }
  }
}

TEST(LitReel, PastTheLastLineIsAPrematureEnd) {
  const std::vector<std::string> lignes = {"1", "2"};
  const ErreurFichier e = Attrape([&] { LitReelDeLigne(lignes, 2, "p.txt", 1000); });
  EXPECT_EQ(e.genre, Genre::FinPrematuree);
  EXPECT_EQ(e.ligne, 3);
  EXPECT_NE(std::string(e.what()).find("p.txt, line 3:"), std::string::npos) << e.what();
}

// ----------------------------------------------------------------- EcritReel

TEST(EcritReel, PlainDecimalWithTheGivenSeparator) {
  struct Cas {
    float x;
    char separateur;
    const char* texte;
  };
  const Cas cas[] = {
      {1, '.', "1"},
      {0.5f, '.', "0.5"},
      {0.5f, ',', "0,5"},
      {-4, ',', "-4"},
      {-0.5f, ',', "-0,5"},
      {0, '.', "0"},
      {-0.0f, '.', "0"},
      {0.1f, '.', "0.1"},
      {0.00001f, ',', "0,00001"},
      {1.0f / 3, '.', "0.33333334"},
      {1e10f, '.', "10000000000"},
      {123456.75f, ',', "123456,75"},
      {16777216.0f, '.', "16777216"},
  };
  for (const Cas& c : cas) EXPECT_EQ(EcritReel(c.x, c.separateur), c.texte) << c.x;
  EXPECT_EQ(EcritReel(std::numeric_limits<float>::max(), '.').find('e'), std::string::npos);
  EXPECT_THROW(EcritReel(std::numeric_limits<float>::quiet_NaN(), '.'), std::invalid_argument);
  EXPECT_THROW(EcritReel(-std::numeric_limits<float>::infinity(), '.'), std::invalid_argument);
}

TEST(EcritReel, ReadsBackToTheSameFloat) {
  std::mt19937 alea(20240611);
  std::uniform_real_distribution<float> mantisse(1.0f, 2.0f);
  std::uniform_int_distribution<int> exposant(-20, 19);
  for (int i = 0; i < 20000; ++i) {
    const float x = std::ldexp(mantisse(alea), exposant(alea)) * (i % 2 ? -1.0f : 1.0f);
    const char separateur = i % 3 ? ',' : '.';
    const std::string texte = EcritReel(x, separateur);
    ASSERT_EQ(texte.find_first_of("eE"), std::string::npos) << texte;
    double v = 0;
    ASSERT_TRUE(LitReel(texte, 1e9, v)) << texte;
    ASSERT_EQ(static_cast<float>(v), x) << texte;
    // Fewest digits: dropping the last one no longer reads back.
    if (texte.find(separateur) != std::string::npos) {
      std::string court = texte.substr(0, texte.size() - 1);
      double w = 0;
      if (court.back() != separateur && LitReel(court, 1e9, w)) {
        ASSERT_NE(static_cast<float>(w), x) << texte;
      }
    }
  }
}

// ------------------------------------------------ SeparateurDecimalUtilisateur

class Environnement {
 public:
  Environnement() {
    for (int i = 0; i < 3; ++i) {
      const char* v = std::getenv(noms_[i]);
      sauves_[i] = v ? std::optional<std::string>(v) : std::nullopt;
    }
  }
  ~Environnement() {
    for (int i = 0; i < 3; ++i) Pose(noms_[i], sauves_[i] ? sauves_[i]->c_str() : nullptr);
  }
  static void Pose(const char* nom, const char* valeur) {
    if (valeur)
      ::setenv(nom, valeur, 1);
    else
      ::unsetenv(nom);
  }

 private:
  const char* noms_[3] = {"LC_ALL", "LC_NUMERIC", "LANG"};
  std::optional<std::string> sauves_[3];
};

TEST(SeparateurDecimal, FollowsTheLocaleVariablesInOrder) {
  struct Cas {
    const char* lcAll;
    const char* lcNumeric;
    const char* lang;
    char attendu;
  };
  const Cas cas[] = {
      {nullptr, nullptr, nullptr, '.'},
      {nullptr, nullptr, "fr_FR.UTF-8", ','},
      {nullptr, nullptr, "en_US.UTF-8", '.'},
      {nullptr, "de_DE.UTF-8", "en_US.UTF-8", ','},
      {nullptr, "en_GB.UTF-8", "fr_FR.UTF-8", '.'},
      {"fr_BE.UTF-8", "en_US.UTF-8", "en_US.UTF-8", ','},
      {"C", nullptr, "fr_FR.UTF-8", '.'},
      {"", "", "fr_FR", ','},
      {"C.UTF-8", nullptr, "de_DE.UTF-8", '.'},
      {nullptr, nullptr, "de_CH.UTF-8", '.'},
      {nullptr, nullptr, "POSIX", '.'},
  };
  Environnement sauvegarde;
  for (const Cas& c : cas) {
    Environnement::Pose("LC_ALL", c.lcAll);
    Environnement::Pose("LC_NUMERIC", c.lcNumeric);
    Environnement::Pose("LANG", c.lang);
    EXPECT_EQ(SeparateurDecimalUtilisateur(), c.attendu)
        << (c.lcAll ? c.lcAll : "-") << " " << (c.lcNumeric ? c.lcNumeric : "-") << " " << (c.lang ? c.lang : "-");
  }
}

// ------------------------------------------------------- EcritFichierAtomique

struct Ecriture : ::testing::Test {
  DossierTemporaire dossier;
  std::string chemin = dossier.Fichier("donnees.txt");
  std::string temporaire = chemin + SUFFIXE_TEMPORAIRE;
  void TearDown() override { EchecEcritureApresLignes = -1; }
};

TEST_F(Ecriture, WritesCrLfLinesAndReplacesTheOldFile) {
  EcritOctets(chemin, "old content that is longer than the new one\r\n");
  EcritFichierAtomique(chemin, {"M", "0,5", ""});
  EXPECT_EQ(LitOctets(chemin), "M\r\n0,5\r\n\r\n");
  EXPECT_FALSE(Existe(temporaire));
  EcritFichierAtomique(chemin, {});
  EXPECT_EQ(LitOctets(chemin), "");
}

TEST_F(Ecriture, InjectedFailureKeepsTheOldFileAndLeavesNoTemporary) {
  const std::string ancien = "1\r\n2\r\n3\r\n";
  const std::vector<std::string> nouvelles = {"a", "b", "c", "d"};
  for (long apres : {0L, 1L, 3L, 4L}) {
    SCOPED_TRACE(apres);
    EcritOctets(chemin, ancien);
    EchecEcritureApresLignes = apres;
    const ErreurFichier e = Attrape([&] { EcritFichierAtomique(chemin, nouvelles); });
    EXPECT_EQ(e.genre, Genre::Ecriture);
    EXPECT_EQ(e.fichier, chemin);
    EXPECT_EQ(LitOctets(chemin), ancien);
    EXPECT_FALSE(Existe(temporaire));
  }
  // Without an earlier file there is still nothing left behind.
  std::filesystem::remove(chemin);
  EchecEcritureApresLignes = 2;
  EXPECT_THROW(EcritFichierAtomique(chemin, nouvelles), ErreurFichier);
  EXPECT_FALSE(Existe(chemin));
  EXPECT_FALSE(Existe(temporaire));
}

TEST_F(Ecriture, MissingFolderIsAWriteError) {
  const std::string ailleurs = dossier.Fichier("absent/donnees.txt");
  const ErreurFichier e = Attrape([&] { EcritFichierAtomique(ailleurs, {"1"}); });
  EXPECT_EQ(e.genre, Genre::Ecriture);
  EXPECT_NE(std::string(e.what()).find(ailleurs), std::string::npos) << e.what();
}

TEST_F(Ecriture, ChildKilledDuringASaveLeavesAWholeFile) {
  // Two versions large enough that a save takes many write calls.
  auto version = [](char lettre) {
    std::vector<std::string> lignes(60000, std::string(30, lettre));
    lignes.back() = "end";
    return lignes;
  };
  auto octets = [](const std::vector<std::string>& lignes) {
    std::string s;
    for (const std::string& l : lignes) s += l + "\r\n";
    return s;
  };
  const auto ancienne = version('o');
  const auto nouvelle = version('n');
  EcritFichierAtomique(chemin, ancienne);

  const pid_t enfant = ::fork();
  ASSERT_GE(enfant, 0);
  if (enfant == 0) {
    for (;;) EcritFichierAtomique(chemin, nouvelle);  // until killed
  }
  // Kill it while a temporary exists, which is mid-save.
  for (long essai = 0; essai < 100000000 && !Existe(temporaire); ++essai) {
  }
  ::kill(enfant, SIGKILL);
  int etat = 0;
  ASSERT_EQ(::waitpid(enfant, &etat, 0), enfant);
  ASSERT_TRUE(WIFSIGNALED(etat));

  const std::string contenu = LitOctets(chemin);
  EXPECT_TRUE(contenu == octets(ancienne) || contenu == octets(nouvelle)) << "size " << contenu.size();
  SupprimeTemporaireOrphelin(chemin);
  EXPECT_FALSE(Existe(temporaire));
  EXPECT_EQ(LitOctets(chemin), contenu);
}

TEST_F(Ecriture, OrphanTemporaryIsRemoved) {
  EcritOctets(chemin, "kept\r\n");
  EcritOctets(temporaire, "half writ");
  SupprimeTemporaireOrphelin(chemin);
  EXPECT_FALSE(Existe(temporaire));
  EXPECT_EQ(LitOctets(chemin), "kept\r\n");
  SupprimeTemporaireOrphelin(chemin);  // nothing to remove: no error
}

TEST_F(Ecriture, UnreadableFileIsPutAsideNeverOverAnEarlierOne) {
  std::vector<std::string> misDeCote;
  for (int n = 1; n <= 3; ++n) {
    EcritOctets(chemin, "version " + std::to_string(n));
    misDeCote.push_back(MetDeCoteFichierIllisible(chemin));
    EXPECT_FALSE(Existe(chemin));
  }
  EXPECT_EQ(misDeCote[0], chemin + ".illisible");
  EXPECT_EQ(misDeCote[1], chemin + ".illisible.2");
  EXPECT_EQ(misDeCote[2], chemin + ".illisible.3");
  for (int n = 1; n <= 3; ++n) EXPECT_EQ(LitOctets(misDeCote[n - 1]), "version " + std::to_string(n));

  const ErreurFichier e = Attrape([&] { MetDeCoteFichierIllisible(chemin); });
  EXPECT_EQ(e.genre, Genre::Ecriture);
}

}  // namespace
