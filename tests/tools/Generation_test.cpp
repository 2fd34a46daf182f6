#include "Generation.h"

#include <gtest/gtest.h>

#include "Dds.h"
#include "OutilsTests.h"

using namespace korvalo;
using namespace korvalo::tests;

namespace {
struct Generation : ::testing::Test {
  static void SetUpTestSuite() {
    InitialiseTables();
    ConfigureDds(1);
  }
  DossierTemporaire dossier;
  // Deals 1..16 of seed 1 with their tables, made once by generate.
  const std::string graine1 = LitFichier(Donnee("graine1.txt"));

  static int Lance(const std::string& sortie, long total, int lot, bool ajout, std::string& erreurs,
                   std::uint64_t graine = 1) {
    OptionsGeneration o;
    o.sortie = sortie;
    o.graine = graine;
    o.total = total;
    o.ajout = ajout;
    o.lot = lot;
    return Genere(o, nullptr, nullptr, erreurs);
  }
};
}  // namespace

TEST_F(Generation, OneRunGivesTheCheckedInDeals) {
  std::string erreurs;
  ASSERT_EQ(Lance(dossier / "a.txt", 9, 4, false, erreurs), 0) << erreurs;
  EXPECT_EQ(LitFichier(dossier / "a.txt"), PremieresLignes(graine1, 9));
}

// A file built in pieces, or cut off anywhere and continued with --append, is
// byte for byte the file of one uninterrupted run.
TEST_F(Generation, AppendAfterACutContinuesExactly) {
  const std::string dix = PremieresLignes(graine1, 10);
  const std::size_t finLigne7 = PremieresLignes(graine1, 7).size();
  struct Cas {
    const char* nom;
    std::size_t coupe;  // bytes kept of the uninterrupted file
    bool ligneCoupee;
  };
  const Cas cas[] = {
      {"after whole lines", finLigne7, false},
      {"inside line 8", finLigne7 + 20, true},
      {"after the first value of line 8", dix.find(' ', finLigne7) + 1, true},
      {"between CR and LF of line 8", dix.find("\r\n", finLigne7) + 1, true},
      {"empty file", 0, false},
  };
  for (const Cas& c : cas) {
    SCOPED_TRACE(c.nom);
    const std::string chemin = dossier / "b.txt";
    EcritFichier(chemin, dix.substr(0, c.coupe));
    std::string erreurs;
    ASSERT_EQ(Lance(chemin, 10, 2, true, erreurs), 0) << erreurs;
    EXPECT_EQ(LitFichier(chemin), dix);
    EXPECT_EQ(erreurs.find("partial last line dropped") != std::string::npos, c.ligneCoupee) << erreurs;
    if (c.ligneCoupee) {
      EXPECT_NE(erreurs.find("b.txt:8:"), std::string::npos) << erreurs;
    }
  }
}

TEST_F(Generation, AppendRefusesAFileItCannotContinue) {
  const std::string trois = PremieresLignes(graine1, 3);
  struct Cas {
    const char* nom;
    std::string contenu;
    bool ajout;
    std::uint64_t graine;
    const char* message;
  };
  const Cas cas[] = {
      {"without --append", trois, false, 1, "already exists"},
      {"another seed", trois, true, 2, "b.txt:1: this is not deal 1 of seed 2"},
      {"a holding out of range", "9" + trois, true, 1, "b.txt:1: field 1: holding 9272 is above 8191"},
      {"deal 1 again as line 4", trois + PremieresLignes(graine1, 1), true, 1, "b.txt:4: this is not deal 4"},
  };
  for (const Cas& c : cas) {
    SCOPED_TRACE(c.nom);
    const std::string chemin = dossier / "b.txt";
    EcritFichier(chemin, c.contenu);
    std::string erreurs;
    EXPECT_EQ(Lance(chemin, 6, 200, c.ajout, erreurs, c.graine), 1);
    EXPECT_NE(erreurs.find(c.message), std::string::npos) << erreurs;
    EXPECT_EQ(LitFichier(chemin), c.contenu);  // left as it was
  }
}
