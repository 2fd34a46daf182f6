#include "Verification.h"

#include <gtest/gtest.h>

#include <functional>

#include "Dds.h"
#include "OutilsTests.h"

using namespace korvalo;
using namespace korvalo::tests;

namespace {
struct Verification : ::testing::Test {
  static void SetUpTestSuite() {
    InitialiseTables();
    ConfigureDds(1);
  }
  DossierTemporaire dossier;
  // Eight deals of seed 1 with their true tables.
  const std::string huit = PremieresLignes(LitFichier(Donnee("graine1.txt")), 8);

  RapportVerification Verifie(const std::string& texte, long echantillon = 0,
                              std::optional<std::uint64_t> graine = std::nullopt) {
    const std::string chemin = dossier / "f.txt";
    EcritFichier(chemin, texte);
    OptionsVerification o;
    o.fichier = chemin;
    o.echantillon = echantillon;
    o.graineEchantillon = 5;
    o.graine = graine;
    return korvalo::Verifie(o);
  }
};

std::string Joint(const std::vector<std::string>& lignes) {
  std::string texte;
  for (const std::string& l : lignes) texte += l + "\r\n";
  return texte;
}

// Line n (1-based) of a CR LF text passed through f.
std::string ChangeLigne(const std::string& texte, int n, const std::function<std::string(std::string)>& f) {
  std::vector<std::string> lignes = Lignes(texte);
  lignes[static_cast<std::size_t>(n - 1)] = f(lignes[static_cast<std::size_t>(n - 1)]);
  return Joint(lignes);
}

// Value k (1-based) of a reference line replaced.
std::string ChangeChamp(const std::string& ligne, int k, const std::function<long(long)>& f) {
  std::size_t debut = 0;
  for (int j = 1; j < k; ++j) debut = ligne.find(' ', debut) + 1;
  const std::size_t fin = ligne.find(' ', debut);
  const long v = std::stol(ligne.substr(debut, fin - debut));
  return ligne.substr(0, debut) + std::to_string(f(v)) + ligne.substr(fin);
}

std::string EnLf(const std::string& texte) {
  std::string lf;
  for (const std::string& l : Lignes(texte)) lf += l + "\n";
  return lf;
}

long Champ(const std::string& ligne, int k) {
  long v = 0;
  ChangeChamp(ligne, k, [&](long x) { return v = x; });
  return v;
}
}  // namespace

TEST_F(Verification, FindsEveryKindOfBadLine) {
  const std::vector<std::string> lignes = Lignes(huit);
  struct Attendu {
    long ligne;
    const char* message;
  };
  struct Cas {
    const char* nom;
    std::string texte;
    long echantillon;
    std::vector<Attendu> attendus;
  };
  const Cas cas[] = {
      {"a good file", huit, 8, {}},
      {"text after the 36th value is ignored", ChangeLigne(huit, 2, [](std::string l) { return l + "x 99 "; }), 0, {}},
      {"bare LF line ends are accepted", EnLf(huit), 0, {}},
      {"a changed trick count",
       ChangeLigne(huit, 3, [](std::string l) { return ChangeChamp(l, 30, [](long v) { return v == 13 ? 12 : v + 1; }); }),
       8, {{3, "differs from DDS: declarer S in C: file "}}},
      {"a card held twice",
       ChangeLigne(huit, 2, [&](std::string l) { return ChangeChamp(l, 5, [&](long v) { return v | Champ(lignes[1], 1); }); }),
       0, {{2, "not four disjoint hands"}}},
      {"a line without its last space", ChangeLigne(huit, 4, [](std::string l) { return l.substr(0, l.size() - 1); }), 0,
       {{4, "field 36: value"}}},
      {"a holding above 8191", ChangeLigne(huit, 5, [](std::string l) { return ChangeChamp(l, 2, [](long) { return 8192; }); }),
       0, {{5, "field 2: holding 8192 is above 8191"}}},
      {"a trick count above 13", ChangeLigne(huit, 6, [](std::string l) { return ChangeChamp(l, 20, [](long) { return 14; }); }),
       0, {{6, "field 20: trick count 14"}}},
      {"a repeated deal", ChangeLigne(huit, 7, [&](std::string) { return lignes[1]; }), 0, {{7, "the same deal as line 2"}}},
      {"an empty line", ChangeLigne(huit, 2, [&](std::string l) { return "\r\n" + l; }), 0, {{2, "field 1: empty value"}}},
      {"a leading space", ChangeLigne(huit, 1, [](std::string l) { return " " + l; }), 0, {{1, "field 1: empty value"}}},
      {"a letter in a value", ChangeLigne(huit, 1, [](std::string l) { return "x" + l; }), 0, {{1, "is not a whole number"}}},
      {"a last line without its line end", huit.substr(0, huit.size() - 2), 0, {{8, "no line end"}}},
      {"a carriage return inside a line", ChangeLigne(huit, 2, [](std::string l) { return l + "\r7 "; }), 0,
       {{2, "carriage return inside"}}},
      {"an empty file", "", 0, {{0, "empty"}}},
  };
  for (const Cas& c : cas) {
    SCOPED_TRACE(c.nom);
    const RapportVerification r = Verifie(c.texte, c.echantillon);
    ASSERT_EQ(r.problemes.size(), c.attendus.size());
    for (std::size_t j = 0; j < c.attendus.size(); ++j) {
      EXPECT_EQ(r.problemes[j].ligne, c.attendus[j].ligne);
      EXPECT_NE(r.problemes[j].message.find(c.attendus[j].message), std::string::npos) << r.problemes[j].message;
    }
  }
}

TEST_F(Verification, CountsWhatItRead) {
  const RapportVerification r = Verifie(EnLf(huit), 100);
  EXPECT_EQ(r.lignes, 8);
  EXPECT_EQ(r.lignesValides, 8);
  EXPECT_EQ(r.lignesLfSeul, 8);
  EXPECT_EQ(r.resolues, 8);  // a sample larger than the file takes every line
  EXPECT_EQ(r.formes.mains, 32);
}

TEST_F(Verification, SolvesExactlyTheSampleAsked) {
  std::vector<std::string> lignes = Lignes(huit);
  for (std::string& l : lignes) l = ChangeChamp(l, 36, [](long v) { return v == 0 ? 1 : v - 1; });
  const RapportVerification r = Verifie(Joint(lignes), 3);
  EXPECT_EQ(r.resolues, 3);
  EXPECT_EQ(r.desaccords, 3);
  ASSERT_EQ(r.problemes.size(), 3u);
  EXPECT_LT(r.problemes[0].ligne, r.problemes[1].ligne);  // reported in line order
  EXPECT_LT(r.problemes[1].ligne, r.problemes[2].ligne);
}

TEST_F(Verification, ChecksTheSeedWhenGiven) {
  EXPECT_TRUE(Verifie(huit, 0, 1).problemes.empty());
  const RapportVerification r = Verifie(huit, 0, 2);
  ASSERT_EQ(r.problemes.size(), 8u);
  EXPECT_EQ(r.problemes[7].ligne, 8);
  EXPECT_NE(r.problemes[7].message.find("not deal 8 of seed 2"), std::string::npos) << r.problemes[7].message;
}

// Distinct, complete deals whose hands are far too lopsided for random ones:
// North and East each give one card of their suit to the other.
TEST_F(Verification, FailsHandPatternsThatAreNotRandom) {
  std::string texte;
  for (int a = 0; a < 13; ++a)
    for (int b = 0; b < 13; ++b) {
      TDonneReference d;
      d.Mains[1][1] = static_cast<std::uint16_t>(TOUTES_CARTES & ~(1u << a));
      d.Mains[1][2] = static_cast<std::uint16_t>(1u << b);
      d.Mains[2][2] = static_cast<std::uint16_t>(TOUTES_CARTES & ~(1u << b));
      d.Mains[2][1] = static_cast<std::uint16_t>(1u << a);
      d.Mains[3][3] = TOUTES_CARTES;
      d.Mains[4][4] = TOUTES_CARTES;
      texte += FormateLigneReference(d) + "\r\n";
    }
  const RapportVerification r = Verifie(texte);
  EXPECT_EQ(r.lignesValides, 169);
  EXPECT_EQ(r.doublons, 0);
  ASSERT_EQ(r.problemes.size(), 1u);
  EXPECT_EQ(r.problemes[0].ligne, 0);
  EXPECT_NE(r.problemes[0].message.find("hand patterns are not those of random deals"), std::string::npos);
}
