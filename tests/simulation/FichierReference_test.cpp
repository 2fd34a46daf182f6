// Reading the reference lines of a run, and the messages of a bad file or line.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstring>

#include "../engine/DossierTemporaire.h"
#include "Mains.h"
#include "Simulation.h"
#include "Textes.h"

namespace korvalo {
namespace {

using test::DossierTemporaire;
using test::EcritOctets;

class Reference : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { InitialiseTables(); }
  void SetUp() override {
    Langue = "";
    ChangeLangue();
    std::mt19937_64 g(7);
    for (auto& l : lignes) l = FormateLigneReference(test::DonneAleatoire(g));
  }
  // The message of the ErreurEvaluation thrown by LitLignesReference.
  std::string ErreurLecture(const std::string& octets, int N) {
    EcritOctets(chemin, octets);
    try {
      LitLignesReference(chemin, N);
    } catch (const ErreurEvaluation& e) {
      EXPECT_TRUE(LignesReference.empty());
      return e.what();
    }
    return "(no error)";
  }
  DossierTemporaire dossier;
  std::string chemin = dossier.Fichier("FichierReference.txt");
  std::string lignes[4];
};

TEST_F(Reference, FinsDeLigneAcceptees) {
  // A BOM, LF or CR LF line ends, text after the 36th value, no final line end.
  EcritOctets(chemin, "\xEF\xBB\xBF" + lignes[0] + "\r\n" + lignes[1] + "reste\n" + lignes[2]);
  LitLignesReference(chemin, 3);
  ASSERT_EQ(LignesReference.size(), 4u);
  EXPECT_EQ(LignesReference[1], lignes[0]);
  EXPECT_EQ(LignesReference[2], lignes[1] + "reste");
  EXPECT_EQ(LignesReference[3], lignes[2]);
  TDonneReference d;
  for (int i = 1; i <= 3; ++i) EXPECT_NO_THROW(AnalyseDonne(i, d));
}

TEST_F(Reference, SeulesLesNPremieresLignesComptent) {
  EcritOctets(chemin, lignes[0] + "\r\n" + lignes[1] + "\r\n" + std::string(5000, 'x') + "\r\n");
  LitLignesReference(chemin, 2);
  EXPECT_EQ(LignesReference.size(), 3u);
}

TEST_F(Reference, FichierTropCourt) {
  const std::string contenu = lignes[0] + "\r\n" + lignes[1] + "\r\n" + lignes[2] + "\r\n";
  EXPECT_EQ(ErreurLecture(contenu, 5),
            "Le fichier de référence " + chemin + " ne contient que 3 donnes, 5 demandées.");
  Langue = "anglais";
  EXPECT_EQ(ErreurLecture(contenu, 5), "The reference file " + chemin + " holds only 3 deals, 5 were asked.");
  EXPECT_EQ(ErreurLecture("", 1), "The reference file " + chemin + " holds only 0 deals, 1 were asked.");
}

TEST_F(Reference, LignesIllisibles) {
  EXPECT_EQ(ErreurLecture(lignes[0] + "\r" + lignes[1] + "\r\n", 1),
            chemin + ", ligne 1 : fin de ligne CR seule (les lignes finissent par CR LF ou LF).");
  EXPECT_EQ(ErreurLecture(lignes[0] + "\n" + lignes[1] + std::string(1, '\0') + "\n", 2),
            chemin + ", ligne 2 : la ligne contient un octet nul.");
  EXPECT_EQ(ErreurLecture(lignes[0] + "\n" + lignes[1] + "\n" + lignes[2] + std::string(4000, ' ') + "\n", 3),
            chemin + ", ligne 3 : ligne de plus de 4096 caractères.");
}

TEST_F(Reference, UnFichierSansFinDeLigneNestPasLuJusquauBout) {
  const std::string zeros = dossier.Fichier("zeros.txt");
  ASSERT_EQ(::symlink("/dev/zero", zeros.c_str()), 0);
  try {
    LitLignesReference(zeros, 100000);
    FAIL();
  } catch (const ErreurEvaluation& e) {
    EXPECT_EQ(e.what(), zeros + ", ligne 1 : ligne de plus de 4096 caractères.");
  }
}

TEST_F(Reference, FichierAbsentDitCommentEnFaireUn) {
  const std::string absent = dossier.Fichier("absent.txt");
  try {
    LitLignesReference(absent, 10);
    FAIL();
  } catch (const ErreurEvaluation& e) {
    const std::string m = e.what();
    EXPECT_EQ(m.rfind("Le fichier de référence " + absent + " est introuvable.", 0), 0u) << m;
    EXPECT_NE(m.find("korvalo-donnes generate --count 100000 --seed 20261211 --output \"" + absent + "\""),
              std::string::npos)
        << m;
  }
}

struct CasLigne {
  std::string ligne;
  std::string francais;
  std::string anglais;  // empty: checked in French only
};

// The line of lignes[0] with value number `champ` (1..36) replaced by `texte`.
std::string Remplace(const std::string& ligne, int champ, const std::string& texte) {
  std::size_t debut = 0;
  for (int i = 1; i < champ; ++i) debut = ligne.find(' ', debut) + 1;
  const std::size_t fin = ligne.find(' ', debut);
  return ligne.substr(0, debut) + texte + ligne.substr(fin);
}

TEST_F(Reference, ErreursDeLigneNommentLigneEtChamp) {
  const std::string& l = lignes[0];
  // Seat 1 loses its lowest card of suit 1: twelve cards, and one card nobody holds.
  TDonneReference d;
  ASSERT_TRUE(AnalyseLigneReference(l, d));
  const std::uint16_t pique = d.Mains[1][1];
  const std::string incomplete = Remplace(l, 1, std::to_string(pique & (pique - 1)));
  const std::size_t avantDernier = l.rfind(' ', l.size() - 2) + 1;
  const std::string derniere = l.substr(avantDernier, l.size() - 1 - avantDernier);
  const CasLigne cas[] = {
      {Remplace(l, 5, "9000"), "champ 5 (main du siège 2, couleur 1) : la main 9000 dépasse 8191.",
       "field 5 (holding of seat 2, suit 1): the holding 9000 is above 8191."},
      {Remplace(l, 5, "123456789012"), "champ 5 (main du siège 2, couleur 1) : la main 123456789012 dépasse 8191.",
       "field 5 (holding of seat 2, suit 1): the holding 123456789012 is above 8191."},
      {Remplace(l, 2, "1\t\x1b[2J"), "champ 2 (main du siège 1, couleur 2) : « 1??[2J » n'est pas un entier.",
       "field 2 (holding of seat 1, suit 2): \"1??[2J\" is not an integer."},
      {Remplace(l, 36, "14"), "champ 36 (levées du déclarant 4, dénomination 5) : le nombre de levées 14 dépasse 13.",
       "field 36 (tricks of declarer 4, strain 5): the trick count 14 is above 13."},
      {Remplace(l, 17, "-5"), "champ 17 (levées du déclarant 1, dénomination 1) : « -5 » n'est pas un entier.",
       "field 17 (tricks of declarer 1, strain 1): \"-5\" is not an integer."},
      {Remplace(l, 3, "12a"), "champ 3 (main du siège 1, couleur 3) : « 12a » n'est pas un entier.",
       "field 3 (holding of seat 1, suit 3): \"12a\" is not an integer."},
      {Remplace(l, 20, ""), "champ 20 (levées du déclarant 1, dénomination 4) : valeur vide (espace en tête ou doublée, ou ligne trop courte).",
       "field 20 (tricks of declarer 1, strain 4): empty value (a leading or doubled space, or the line ends too early)."},
      {l.substr(0, l.size() - 1),
       "champ 36 (levées du déclarant 4, dénomination 5) : la valeur « " + derniere + " » n'est pas suivie d'une espace.",
       ""},
      {incomplete, "les quatre mains ne forment pas une donne complète (13 cartes chacune, aucune carte en double).",
       "the four hands are not a complete deal (13 cards each, no card held twice)."},
  };
  for (const CasLigne& c : cas) {
    EcritOctets(chemin, lignes[1] + "\r\n" + c.ligne + "\r\n");
    LitLignesReference(chemin, 2);
    TDonneReference donne;
    EXPECT_NO_THROW(AnalyseDonne(1, donne));
    for (bool anglais : {false, true}) {
      if (anglais && c.anglais.empty()) continue;
      Langue = anglais ? "anglais" : "";
      try {
        AnalyseDonne(2, donne);
        ADD_FAILURE() << "accepted " << c.ligne;
      } catch (const ErreurEvaluation& e) {
        const std::string lieu = chemin + (anglais ? ", line 2" : ", ligne 2");
        const std::string& attendu = anglais ? c.anglais : c.francais;
        const std::string separateur = attendu.rfind("field", 0) == 0 || attendu.rfind("champ", 0) == 0
                                           ? ", "
                                           : (anglais ? ": " : " : ");
        EXPECT_EQ(e.what(), lieu + separateur + attendu);
      }
    }
  }
}

}  // namespace
}  // namespace korvalo

namespace korvalo {
namespace {

// The line format read the plain way, token by token, as the reference for the parser.
bool LectureSimple(std::string_view ligne, TDonneReference& d) {
  std::size_t pos = 0;
  for (int champ = 1; champ <= 36; ++champ) {
    const std::size_t espace = ligne.find(' ', pos);
    if (espace == std::string_view::npos || espace == pos) return false;
    std::string_view jeton = ligne.substr(pos, espace - pos);
    for (char c : jeton)
      if (c < '0' || c > '9') return false;
    while (jeton.size() > 1 && jeton[0] == '0') jeton.remove_prefix(1);
    if (jeton.size() > 5) return false;
    const unsigned v = static_cast<unsigned>(std::stoul(std::string(jeton)));
    if (champ <= 16) {
      if (v > 8191) return false;
      d.Mains[(champ - 1) / 4 + 1][(champ - 1) % 4 + 1] = static_cast<std::uint16_t>(v);
    } else {
      if (v > 13) return false;
      d.Levees[(champ - 17) / 5 + 1][(champ - 17) % 5 + 1] = static_cast<std::uint8_t>(v);
    }
    pos = espace + 1;
  }
  return DonneComplete(d.Mains);
}

TEST(AnalyseLigne, MemeVerdictQueLaLectureSimple) {
  InitialiseTables();
  std::mt19937_64 g(11);
  const std::string octets = std::string("0123456789 /:-\t\r\n\x7f") + "\x80\xff\xc3\xa9" + std::string(1, '\0');
  int acceptees = 0, refusees = 0;
  for (int i = 0; i < 20000; ++i) {
    std::string l = FormateLigneReference(test::DonneAleatoire(g));
    // Up to three changes: a byte replaced, inserted or removed, or a value padded with zeros.
    const int changements = static_cast<int>(g() % 4);
    for (int c = 0; c < changements; ++c) {
      const std::size_t ou = g() % (l.size() + 1);
      const char octet = octets[g() % octets.size()];
      switch (g() % 4) {
        case 0: if (ou < l.size()) l[ou] = octet; break;
        case 1: l.insert(ou, 1, octet); break;
        case 2: if (ou < l.size()) l.erase(ou, 1); break;
        default: l.insert(ou, std::string(g() % 3 + 1, '0')); break;
      }
    }
    TDonneReference attendu{}, obtenu{};
    const bool simple = LectureSimple(l, attendu);
    const ResultatLigne r = AnalyseLigneReference(l, obtenu);
    ASSERT_EQ(static_cast<bool>(r), simple) << "[" << l << "]";
    if (simple) {
      ++acceptees;
      ASSERT_EQ(std::memcmp(&attendu, &obtenu, sizeof attendu), 0) << "[" << l << "]";
    } else {
      ++refusees;
    }
  }
  // Both outcomes were exercised many times.
  EXPECT_GT(acceptees, 3000);
  EXPECT_GT(refusees, 3000);
}

}  // namespace
}  // namespace korvalo
