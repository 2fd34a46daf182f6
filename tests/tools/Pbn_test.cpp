#include "Pbn.h"

#include <gtest/gtest.h>

#include "Dds.h"
#include "Hasard.h"
#include "LigneReference.h"
#include "OutilsTests.h"
#include "Verification.h"

using namespace korvalo;
using namespace korvalo::tests;

namespace {
struct Pbn : ::testing::Test {
  static void SetUpTestSuite() {
    InitialiseTables();
    ConfigureDds(1);
  }
  DossierTemporaire dossier;
  // The deals of the PBN fixtures with their true tables.
  const std::string donnesPbn = LitFichier(Donnee("donnes_pbn.txt"));

  int Importe(const std::string& pbn, const std::string& sortie, bool ajout, RapportImport& r) {
    OptionsImport o;
    o.pbn = pbn;
    o.sortie = sortie;
    o.ajout = ajout;
    return ImportePbn(o, r);
  }
  // Lines premiere..derniere of donnes_pbn.txt, with their line ends.
  std::string LignesDonnesPbn(int premiere, int derniere) const {
    const std::string debut = PremieresLignes(donnesPbn, premiere - 1);
    return PremieresLignes(donnesPbn, derniere).substr(debut.size());
  }
};

// Deal 1 of the PBN fixtures, hand by hand: N, E, S, W.
const char* const N1 = "A92.T876.K63.Q53";
const char* const E1 = "KJ873.52.QJ94.87";
const char* const S1 = "QT5.KJ3.85.K9642";
const char* const W1 = "64.AQ94.AT72.AJT";

std::string Deal(const char* premier, const std::string& a, const std::string& b, const std::string& c,
                 const std::string& d) {
  return std::string(premier) + ":" + a + " " + b + " " + c + " " + d;
}

bool Contient(const std::vector<std::string>& messages, const std::string& texte) {
  for (const std::string& m : messages)
    if (m.find(texte) != std::string::npos) return true;
  return false;
}

std::string Messages(const std::vector<std::string>& messages) {
  std::string t;
  for (const std::string& m : messages) t += m + "\n";
  return t;
}
}  // namespace

TEST_F(Pbn, DealTagGivesOurSeats) {
  TDonneReference premiere;
  ASSERT_TRUE(AnalyseLigneReference(PremieresLignes(donnesPbn, 1), premiere));
  const tcarreword attendue = premiere.Mains;
  const std::string deals[] = {
      Deal("N", N1, E1, S1, W1),
      Deal("E", E1, S1, W1, N1),
      Deal("S", S1, W1, N1, E1),
      Deal("W", W1, N1, E1, S1),
      "  n:a92.t876.k63.q53   kj873.52.qj94.87 qt5.kj3.85.k9642 64.aq94.at72.ajt ",
      Deal("N", N1, E1, S1, "-"),  // one unknown hand: the cards left
      Deal("S", "-", W1, N1, E1),
  };
  for (const std::string& d : deals) {
    tcarreword mains;
    EXPECT_EQ(AnalyseDealPbn(d, mains), "") << d;
    EXPECT_EQ(mains, attendue) << d;
  }
  // Voids written empty or as a dash.
  tcarreword mains;
  const std::string vide = "N:AKQJT98765432... .AKQJT98765432.. ..AKQJT98765432. ...AKQJT98765432";
  ASSERT_EQ(AnalyseDealPbn(vide, mains), "");
  EXPECT_EQ(mains[1][1], TOUTES_CARTES);
  EXPECT_EQ(mains[4][4], TOUTES_CARTES);
  const std::string tirets = "E:-.AKQJT98765432.-.- -.-.AKQJT98765432.- -.-.-.AKQJT98765432 AKQJT98765432.-.-.-";
  ASSERT_EQ(AnalyseDealPbn(tirets, mains), "");
  EXPECT_EQ(mains[1][1], TOUTES_CARTES);  // North, the fourth hand from East
  EXPECT_EQ(mains[2][2], TOUTES_CARTES);
}

TEST_F(Pbn, BadDealsSayWhatIsWrong) {
  struct Cas {
    std::string deal;
    const char* message;
  };
  const Cas cas[] = {
      {"", "must begin with N:, E:, S: or W:"},
      {"X:" + std::string(N1), "must begin with N:, E:, S: or W:"},
      {Deal("N", N1, E1, S1, W1).substr(0, 52), "3 hands instead of 4"},
      {Deal("N", N1, E1, S1, W1) + " AKQ...", "5 hands instead of 4"},
      {Deal("N", N1, "KJ873.52.QJ9487", S1, W1), "the hand of East has 3 suits instead of 4"},
      {Deal("N", N1, E1, S1, "64.AQ9X.AT72.AJT"), "the hand of West: 'X' in hearts is not a card"},
      {Deal("N", N1, E1, S1, "64.AQ94.10972.AJT"), "'1' in diamonds is not a card"},
      {Deal("N", "A92.T876.K63.Q53", E1, S1, "A64.AQ94.AT72.AJ"), "the ace of spades is held by North and by West"},
      {Deal("N", "AA2.T876.K63.Q53", E1, S1, W1), "the ace of spades is twice in the hand of North"},
      {Deal("N", "A9.T876.K63.Q53", E1, S1, W1), "North holds 12 cards instead of 13"},
      {Deal("N", N1, E1, "-", "-"), "more than one hand is unknown"},
  };
  for (const Cas& c : cas) {
    tcarreword mains;
    const std::string erreur = AnalyseDealPbn(c.deal, mains);
    EXPECT_NE(erreur.find(c.message), std::string::npos) << c.deal << "\n -> " << erreur;
  }
}

// Deal 1 of seed 1: North and South make S 4, H 6, D 3, C 6, NT 5; East and West S 9, H 7, D 10, C 6, NT 8.
TEST_F(Pbn, DoubleDummyTricksOrder) {
  std::uint8_t l[5][6] = {};
  ASSERT_EQ(AnalyseDoubleDummyTricks("5463654636897a6897a6", l), "");
  const std::uint8_t attendu[5][6] = {{}, {0, 4, 6, 3, 6, 5}, {0, 9, 7, 10, 6, 8}, {0, 4, 6, 3, 6, 5},
                                      {0, 9, 7, 10, 6, 8}};
  for (int s = 1; s <= 4; ++s)
    for (int t = 1; t <= 5; ++t) EXPECT_EQ(l[s][t], attendu[s][t]) << NomSiege(s) << " " << NomTrait(t);
  // North and South differ: the third group of five is East's.
  ASSERT_EQ(AnalyseDoubleDummyTricks("0123456789abcdABCD01", l), "");
  EXPECT_EQ(l[1][5], 0);
  EXPECT_EQ(l[1][4], 4);
  EXPECT_EQ(l[3][5], 5);
  EXPECT_EQ(l[2][5], 10);
  EXPECT_EQ(l[2][1], 11);
  EXPECT_EQ(l[4][5], 11);
  EXPECT_EQ(l[4][4], 1);
  EXPECT_NE(AnalyseDoubleDummyTricks("5463654636897a6897a", l).find("19 characters instead of 20"), std::string::npos);
  EXPECT_NE(AnalyseDoubleDummyTricks("5463654636897a6897ae", l).find("character 20 'e'"), std::string::npos);
}

TEST_F(Pbn, OptimumResultTableRows) {
  // Rows of declarer, denomination, tricks = 4 * declarer + strain - 5, any order.
  auto cellules = [](const std::vector<int>& ordre, const std::vector<int>& colonnes) {
    std::vector<JetonPbn> c;
    const char* sieges[] = {"", "N", "E", "S", "W"};
    const char* traits[] = {"", "S", "H", "D", "C", "NT"};
    for (int k : ordre) {
      const int s = k / 5 + 1, t = k % 5 + 1;
      const std::string valeurs[3] = {sieges[s], traits[t], std::to_string((4 * s + t - 5) % 14)};
      for (int col : colonnes) c.push_back({valeurs[col], 100 + k});
    }
    return c;
  };
  std::vector<int> ordre;
  for (int k = 19; k >= 0; --k) ordre.push_back(k);
  std::uint8_t l[5][6] = {};
  ASSERT_EQ(AnalyseOptimumResultTable("Declarer;Denomination\\2R;Result\\2R", cellules(ordre, {0, 1, 2}), l), "");
  for (int s = 1; s <= 4; ++s)
    for (int t = 1; t <= 5; ++t) EXPECT_EQ(l[s][t], (4 * s + t - 5) % 14);
  ASSERT_EQ(AnalyseOptimumResultTable("Result\\2R;Declarer;Denomination", cellules(ordre, {2, 0, 1}), l), "");
  EXPECT_EQ(l[4][5], (16 + 5 - 5) % 14);

  struct Cas {
    std::string entete;
    std::vector<JetonPbn> cellules;
    const char* message;
  };
  std::vector<int> dixNeuf(ordre.begin(), ordre.end() - 1);
  std::vector<JetonPbn> quatorze = cellules(ordre, {0, 1, 2});
  quatorze[2].texte = "14";
  std::vector<JetonPbn> siege = cellules(ordre, {0, 1, 2});
  siege[3].texte = "X";
  std::vector<JetonPbn> deuxFois = cellules(ordre, {0, 1, 2});
  deuxFois.push_back(deuxFois[0]), deuxFois.push_back(deuxFois[1]), deuxFois.push_back({"3", 7});
  std::vector<JetonPbn> incomplete = cellules(ordre, {0, 1, 2});
  incomplete.erase(incomplete.begin());
  const Cas cas[] = {
      {"Declarer;Denomination;Result", cellules(dixNeuf, {0, 1, 2}), "gives 19 of the 20 results"},
      {"Declarer;Denomination;Result", quatorze, "result \"14\" is not a trick count"},
      {"Declarer;Denomination;Result", siege, "line 118: declarer \"X\""},
      {"Declarer;Denomination;Result", deuxFois, "two different results for declarer W in NT"},
      {"Declarer;Strain;Result", cellules(ordre, {0, 1, 2}), "lacks one of the columns"},
      {"Declarer;Denomination;Result", incomplete, "59 cells, not rows of 3"},
  };
  for (const Cas& c : cas) {
    const std::string erreur = AnalyseOptimumResultTable(c.entete, c.cellules, l);
    EXPECT_NE(erreur.find(c.message), std::string::npos) << c.message << "\n -> " << erreur;
  }
}

TEST_F(Pbn, GamesTagsAndComments) {
  const std::string texte =
      "% PBN 2.1\n"
      "%[Deal \"N:not a tag\"]\n"
      "[Event \"x\"]\n"
      "[Board \"7\"]\n"
      "{ [Deal \"N:inside a comment\"]\n"
      "  still the comment }\n"
      "[Deal \"N:first\"] ; [Deal \"N:after a semicolon\"]\n"
      "[OptimumResultTable \"Declarer;Denomination;Result\"]\n"
      "N NT 13\n"
      "S \"S\" 12\n"
      "[Board \"8\"]\n"  // a new Board without a blank line starts the next game
      "[Deal \"E:second\"]\n"
      "\n"
      "  \t\n"
      "[Deal \"W:third \\\"quoted\\\"\"]\n"
      "[Broken tag\n"
      "[Board \"9\"]\n";
  const FichierPbn f = LitPartiesPbn(texte);
  ASSERT_EQ(f.parties.size(), 3u);
  EXPECT_EQ(f.parties[0].planche, "7");
  EXPECT_EQ(f.parties[0].donne, "N:first");
  EXPECT_EQ(f.parties[0].ligneDonne, 7);
  ASSERT_EQ(f.parties[0].cellulesOrt.size(), 6u);
  EXPECT_EQ(f.parties[0].cellulesOrt[4].texte, "S");
  EXPECT_EQ(f.parties[0].cellulesOrt[5].ligne, 10);
  EXPECT_EQ(f.parties[1].planche, "8");
  EXPECT_EQ(f.parties[1].donne, "E:second");
  EXPECT_EQ(f.parties[1].numero, 2);
  EXPECT_EQ(f.parties[2].donne, "W:third \"quoted\"");
  EXPECT_EQ(f.parties[2].planche, "9");
  EXPECT_EQ(f.parties[2].ligne, 15);
  EXPECT_EQ(NommePartie(f.parties[2]), "board 9");
  ASSERT_EQ(f.avertissements.size(), 1u);
  EXPECT_EQ(f.avertissements[0].ligne, 16);
}

// Boards 1-12 carry correct tables (DoubleDummyTricks, OptimumResultTable or
// both), some dealt from E, S or W; 13 and 15 carry none; 14 holds a card twice.
// Boards 1-13 and 15 are deals 1-14 of seed 1.
TEST_F(Pbn, ImportsTheCheckedInTournament) {
  const std::string sortie = dossier / "ref.txt";
  EcritFichier(sortie, LignesDonnesPbn(15, 16));  // two deals already there
  RapportImport r;
  EXPECT_EQ(Importe(Donnee("tournoi.pbn"), sortie, true, r), 1) << Messages(r.messages);  // one bad deal
  EXPECT_EQ(LitFichier(sortie), LignesDonnesPbn(15, 16) + LignesDonnesPbn(1, 14));
  EXPECT_EQ(r.parties, 15);
  EXPECT_EQ(r.donnes, 15);
  EXPECT_EQ(r.mauvaises, 1);
  EXPECT_EQ(r.portees, 12);
  EXPECT_EQ(r.controlees, 5);  // one in ten, at least five
  EXPECT_EQ(r.resolues, 7);    // those five and boards 13 and 15
  EXPECT_FALSE(r.desaccord);
  EXPECT_EQ(r.ecrites, 14);
  EXPECT_EQ(r.premiereLigne, 3);
  EXPECT_TRUE(Contient(r.messages, "tournoi.pbn:311: board 14: the ace of spades is held by North and by East; skipped"))
      << Messages(r.messages);
  EXPECT_EQ(r.messages.size(), 1u) << Messages(r.messages);

  // Again: every deal is already there, nothing changes.
  RapportImport encore;
  Importe(Donnee("tournoi.pbn"), sortie, true, encore);
  EXPECT_EQ(encore.doublons, 14);
  EXPECT_EQ(encore.ecrites, 0);
  EXPECT_EQ(encore.resolues, 0);
  EXPECT_TRUE(Contient(encore.messages, "board 1: the same deal as line 3 of " + sortie));
  EXPECT_EQ(LitFichier(sortie), LignesDonnesPbn(15, 16) + LignesDonnesPbn(1, 14));
}

// Three boards, all checked; board 2's table is one trick off for North at no-trump.
TEST_F(Pbn, AWrongCarriedTableMeansDdsForEveryDeal) {
  const std::string sortie = dossier / "ref.txt";
  RapportImport r;
  EXPECT_EQ(Importe(Donnee("faux.pbn"), sortie, false, r), 0) << Messages(r.messages);
  EXPECT_EQ(LitFichier(sortie), LignesDonnesPbn(14, 16));
  EXPECT_TRUE(r.desaccord);
  EXPECT_EQ(r.controlees, 3);
  EXPECT_EQ(r.resolues, 3);
  EXPECT_TRUE(Contient(r.messages, "faux.pbn:27: board 2: the carried table disagrees with DDS (declarer N in NT: file 4, DDS 3)"))
      << Messages(r.messages);
  EXPECT_TRUE(Contient(r.messages, "DDS's results are used for every deal")) << Messages(r.messages);
}

TEST_F(Pbn, TablesThatCannotBeTrusted) {
  const std::string deal = "[Deal \"" + Deal("N", N1, E1, S1, W1) + "\"]\n";
  struct Cas {
    const char* nom;
    std::string pbn;
    bool desaccord;
    const char* message;
  };
  const Cas cas[] = {
      {"an unreadable DoubleDummyTricks", "[Board \"4\"]\n" + deal + "[DoubleDummyTricks \"546365463689\"]\n", false,
       "p.pbn:3: board 4: DoubleDummyTricks holds 12 characters instead of 20; ignored"},
      {"two tags that disagree",
       "[Board \"5\"]\n" + deal + "[DoubleDummyTricks \"5463654636897a6897a6\"]\n" +
           "[OptimumResultTable \"Declarer;Denomination;Result\"]\n"
           "N NT 5\nN S 4\nN H 6\nN D 3\nN C 6\nS NT 5\nS S 4\nS H 6\nS D 3\nS C 6\n"
           "E NT 8\nE S 9\nE H 7\nE D 10\nE C 7\nW NT 8\nW S 9\nW H 7\nW D 10\nW C 6\n",
       true,
       "board 5: DoubleDummyTricks and OptimumResultTable disagree (declarer E in C: DoubleDummyTricks 6, "
       "OptimumResultTable 7)"},
  };
  for (const Cas& c : cas) {
    SCOPED_TRACE(c.nom);
    const std::string pbn = dossier / "p.pbn", sortie = dossier / (std::string(c.nom) + ".txt");
    EcritFichier(pbn, c.pbn);
    RapportImport r;
    EXPECT_EQ(Importe(pbn, sortie, false, r), 0);
    EXPECT_EQ(r.desaccord, c.desaccord);
    EXPECT_EQ(r.resolues, 1);
    EXPECT_TRUE(Contient(r.messages, c.message)) << Messages(r.messages);
    EXPECT_EQ(LitFichier(sortie), LignesDonnesPbn(1, 1));
  }
}

TEST_F(Pbn, RefusesWhatItCannotAddTo) {
  const std::string sortie = dossier / "ref.txt";
  struct Cas {
    const char* nom;
    std::string existant;  // "" for no file
    bool ajout;
    std::string pbn;
    const char* message;
  };
  const std::string un = LignesDonnesPbn(1, 1);
  const Cas cas[] = {
      {"output exists without --append", un, false, Donnee("faux.pbn"), "already exists: use --append"},
      {"output's last line cut", un.substr(0, un.size() - 2), true, Donnee("faux.pbn"), "ref.txt:1: the last line has no line end"},
      {"output has a bad line", "1 2 3\r\n", true, Donnee("faux.pbn"), "ref.txt:1: field 3"},
      {"no PBN file", "", false, dossier / "absent.pbn", "cannot open"},
      {"no deal in the file", "", false, Donnee("graine1.txt"), "no deal found"},
  };
  for (const Cas& c : cas) {
    SCOPED_TRACE(c.nom);
    std::filesystem::remove(sortie);
    if (!c.existant.empty()) EcritFichier(sortie, c.existant);
    RapportImport r;
    EXPECT_EQ(Importe(c.pbn, sortie, c.ajout, r), 1);
    EXPECT_TRUE(Contient(r.messages, c.message)) << Messages(r.messages);
    EXPECT_EQ(r.ecrites, 0);
    if (c.existant.empty()) {
      EXPECT_FALSE(std::filesystem::exists(sortie));
    } else {
      EXPECT_EQ(LitFichier(sortie), c.existant);
    }
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dossier.chemin), std::filesystem::directory_iterator()),
              c.existant.empty() ? 0 : 1)
        << "a temporary file was left behind";
  }
}
