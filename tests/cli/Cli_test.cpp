// korvalo-cli run as a process: arguments, exit status, files, output.
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/wait.h>

#include <fcntl.h>

#include <cstring>
#include <algorithm>
#include <filesystem>
#include <regex>

#include "Encheres.h"
#include "engine/DossierTemporaire.h"
#include "simulation/Fixture.h"
#include "FichierTexte.h"
#include "Textes.h"

extern char** environ;

namespace korvalo {
namespace {

namespace fs = std::filesystem;
using test::DossierTemporaire;
using test::EcritOctets;
using test::LitOctets;

struct Resultat {
  int statut;
  std::string sortie, erreur;
};

std::vector<std::string> Lignes(const std::string& texte) {
  std::vector<std::string> l;
  std::size_t debut = 0;
  while (debut < texte.size()) {
    const std::size_t fin = texte.find('\n', debut);
    l.push_back(texte.substr(debut, fin - debut));
    debut = fin == std::string::npos ? texte.size() : fin + 1;
  }
  return l;
}

// Complete lines in the shipped reference file (it is regenerated at times).
long LignesLivrees() {
  const std::string octets = LitOctets(std::string(KORVALO_SOURCE_DIR) + "/data/FichierReference.txt");
  return static_cast<long>(std::count(octets.begin(), octets.end(), '\n'));
}

class Cli : public ::testing::Test {
 protected:
  void SetUp() override {
    InitialiseTables();
    Langue = "";
    ChangeLangue();
    fs::create_directories(maison);
  }

  // Runs korvalo-cli with HOME in the temporary folder, no APPDATA nor XDG_DATA_HOME.
  Resultat Lance(std::vector<std::string> arguments, const std::vector<std::string>& environnement = {}) {
    arguments.insert(arguments.begin(), KORVALO_CLI);
    std::vector<char*> argv;
    for (std::string& a : arguments) argv.push_back(a.data());
    argv.push_back(nullptr);
    std::vector<std::string> env = {"HOME=" + maison, "LC_ALL=C", "PATH=/usr/bin:/bin"};
    env.insert(env.end(), environnement.begin(), environnement.end());
    std::vector<char*> envp;
    for (std::string& e : env) envp.push_back(e.data());
    envp.push_back(nullptr);
    const std::string sortie = temporaire.Fichier("stdout"), erreur = temporaire.Fichier("stderr");
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, sortie.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addopen(&actions, 2, erreur.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    pid_t pid = 0;
    EXPECT_EQ(posix_spawn(&pid, KORVALO_CLI, &actions, nullptr, argv.data(), envp.data()), 0);
    posix_spawn_file_actions_destroy(&actions);
    int statut = 0;
    waitpid(pid, &statut, 0);
    return {WIFEXITED(statut) ? WEXITSTATUS(statut) : -1, LitOctets(sortie), LitOctets(erreur)};
  }

  // A data folder with the hand-worked fixture and every slot of the three systems at 0.
  void PrepareDossier() {
    fs::create_directories(dossier);
    EcritOctets(dossier + "/FichierReference.txt", test::Fichier(test::Fixture()));
    std::string parametres;
    for (int s = 0; s < 3; ++s) {
      parametres += "M\r\n";
      for (int k = 0; k < 25; ++k) parametres += "0\r\n";
    }
    EcritOctets(dossier + "/ParametresDesComptesDePoints.txt", parametres);
  }

  DossierTemporaire temporaire;
  std::string maison = temporaire.Fichier("maison");
  std::string dossier = temporaire.Fichier("donnees");
  std::string defaut = maison + "/.local/share/Korvalo";
};

TEST_F(Cli, ArgumentsRefusesCommeLesDialogues) {
  const std::pair<std::vector<std::string>, std::string> cas[] = {
      {{"evaluate", "--system", "7", "--deals", "10"}, " Valeur incorrecte\n"},
      {{"evaluate", "--system", "0", "--deals", "10"}, " Valeur incorrecte\n"},
      {{"evaluate", "--deals", "10"}, " Valeur incorrecte\n"},
      {{"evaluate", "--system", "x", "--deals", "0"}, " Valeur incorrecte\n"},
      {{"evaluate", "--system", "1", "--deals", "100001"}, "Valeur incorrecte\n"},
      {{"evaluate", "--system", "1", "--deals", "0"}, "Valeur incorrecte\n"},
      {{"evaluate", "--system", "1"}, "Valeur incorrecte\n"},
      {{"--lang", "en", "evaluate", "--system", "9", "--deals", "5"}, " Incorrect value\n"},
      {{"evaluate", "--system", "2", "--deals", "0", "--lang", "en"}, "Valeur incorrecte\n"},
      {{"values"}, " Valeur incorrecte\n"},
      {{"hands", "--system", "6", "--deals", "-3"}, "Valeur incorrecte\n"},
  };
  for (const auto& [arguments, message] : cas) {
    const Resultat r = Lance(arguments);
    EXPECT_EQ(r.statut, 2) << arguments[0];
    EXPECT_EQ(r.erreur, message) << arguments[0] << " " << arguments.back();
    EXPECT_EQ(r.sortie, "");
  }
  const std::vector<std::string> usages[] = {
      {"frob"}, {}, {"compare", "--system", "1"}, {"values", "--system", "1", "--save"}, {"--data-dir"},
      {"--lang", "de", "compare"}, {"compare", "extra"},
  };
  for (const auto& arguments : usages) {
    const Resultat r = Lance(arguments);
    EXPECT_EQ(r.statut, 2);
    EXPECT_NE(r.erreur.find("usage : korvalo-cli"), std::string::npos) << r.erreur;
  }
  EXPECT_EQ(Lance({"frob"}).erreur.substr(0, 24), "argument inconnu : frob\n");
  EXPECT_EQ(Lance({"--lang", "en", "frob"}).erreur.substr(0, 23), "unknown argument: frob\n");
  // Nothing was created.
  EXPECT_FALSE(fs::exists(defaut));
}

TEST_F(Cli, EvaluationDeLaFixture) {
  PrepareDossier();
  const std::string parametres = LitOctets(dossier + "/ParametresDesComptesDePoints.txt");
  const Resultat r = Lance({"--data-dir", dossier, "evaluate", "--system", "1", "--deals", "4"});
  ASSERT_EQ(r.statut, 0) << r.erreur;
  const std::vector<std::string> l = Lignes(r.sortie);
  ASSERT_EQ(l.size(), 133u);
  const std::string vide = "  ---    ";
  EXPECT_EQ(l[10], "  SEF_new   " + vide + "28,00    29,50    " + vide + vide + "39,00    " + vide);
  EXPECT_EQ(l[11], std::string(12, ' ') + vide + vide + " 1,50    " + vide + vide + vide + vide + "     4");
  EXPECT_EQ(r.sortie.find('\r'), std::string::npos);
  // One progress display, at deal 2, on stderr.
  const std::vector<std::string> p = Lignes(r.erreur);
  ASSERT_EQ(p.size(), 24u);
  EXPECT_EQ(p[1], " M et s des points pour n trics \"égal\". Compte F       2 /      4");
  // Without --save nothing is written.
  EXPECT_FALSE(fs::exists(dossier + "/ValeursDesComptesDePoints.txt"));
  EXPECT_EQ(LitOctets(dossier + "/ParametresDesComptesDePoints.txt"), parametres);
}

TEST_F(Cli, EnregistrementPuisRapports) {
  PrepareDossier();
  ASSERT_EQ(Lance({"--data-dir", dossier, "evaluate", "--system", "1", "--deals", "4", "--save"}).statut, 0);
  const std::vector<std::string> fichier = LitLignes(dossier + "/ValeursDesComptesDePoints.txt");
  ASSERT_EQ(fichier.size(), 32226u);
  EXPECT_EQ(fichier[0], "4");
  EXPECT_EQ(fichier[5371], "0");
  EXPECT_EQ(LitLignes(dossier + "/ParametresDesComptesDePoints.txt").size(), 78u);

  const Resultat v = Lance({"--data-dir", dossier, "values", "--system", "1"});
  ASSERT_EQ(v.statut, 0) << v.erreur;
  const std::vector<std::string> l = Lignes(v.sortie);
  ASSERT_EQ(l.size(), 189u);
  EXPECT_EQ(l[3], "   Valeurs du système  SEF calculées sur un échantillon de 4 donnes aléatoires.");
  EXPECT_EQ(l[10 + 5 * (27 - 10) + 1],
            "    27" + std::string(88, ' ') + "  100  100  100   50   --   --   --" + " " + "     2");

  const Resultat n = Lance({"--data-dir", dossier, "--lang", "en", "values", "--system", "2"});
  EXPECT_EQ(n.statut, 0);
  EXPECT_EQ(n.sortie, " You didn't value this system, you didn't have any value for it\n");

  const Resultat c = Lance({"--data-dir", dossier, "compare"});
  ASSERT_EQ(c.statut, 0);
  const std::vector<std::string> lc = Lignes(c.sortie);
  ASSERT_EQ(lc.size(), 277u);
  EXPECT_EQ(lc[8].substr(lc[8].size() - 6), "     4");
  EXPECT_EQ(lc[11].substr(lc[11].size() - 6), "    --");

  Langue = "anglais";
  ChangeLangue();
  const Resultat o = Lance({"--data-dir", dossier, "--lang", "en", "overbids"});
  EXPECT_EQ(o.statut, 0);
  EXPECT_EQ(Lignes(o.sortie), TableauEncheres());
}

TEST_F(Cli, ObservationsDeChaqueDonne) {
  PrepareDossier();
  const Resultat r = Lance({"--data-dir", dossier, "hands", "--system", "1", "--deals", "3"});
  ASSERT_EQ(r.statut, 0) << r.erreur;
  EXPECT_EQ(r.sortie,
            "F\t1\tNS\t1\t15\t12\t1\t27\t10\n"
            "F\t1\tEW\t2\t12\t0\t0\t12\t7\n"
            "N\t1\t16\t16\t12\t12\t9\n"
            "N\t2\t19\t19\t20\t20\t12\n"
            "F\t3\tNS\t1\t19\t11\t2\t30\t12\n"
            "F\t3\tNS\t2\t20\t11\t2\t31\t11\n"
            "F\t3\tEW\t3\t8\t0\t0\t8\t6\n"
            "F\t3\tEW\t4\t9\t0\t0\t9\t5\n"
            "N\t3\t20\t20\t11\t11\t9\n");
}

TEST_F(Cli, ErreursDeDonneesSansRienChanger) {
  PrepareDossier();
  // A bad reference line: exit 1, the message names the line, nothing saved.
  std::string reference = test::Fichier(test::Fixture());
  const std::size_t ligne3 = reference.find("\r\n", reference.find("\r\n") + 2) + 2;
  reference.replace(ligne3, reference.find(' ', ligne3) - ligne3, "9999");
  EcritOctets(dossier + "/FichierReference.txt", reference);
  const std::string parametres = LitOctets(dossier + "/ParametresDesComptesDePoints.txt");
  Resultat r = Lance({"--data-dir", dossier, "evaluate", "--system", "1", "--deals", "4", "--save"});
  EXPECT_EQ(r.statut, 1);
  EXPECT_EQ(r.sortie, "");
  EXPECT_NE(r.erreur.find(dossier + "/FichierReference.txt, ligne 3, champ 1 (main du siège 1, couleur 1) : la main 9999 dépasse 8191."),
            std::string::npos)
      << r.erreur;
  EXPECT_FALSE(fs::exists(dossier + "/ValeursDesComptesDePoints.txt"));
  EXPECT_EQ(LitOctets(dossier + "/ParametresDesComptesDePoints.txt"), parametres);

  // Fewer deals than asked.
  r = Lance({"--data-dir", dossier, "--lang", "en", "evaluate", "--system", "1", "--deals", "10"});
  EXPECT_EQ(r.statut, 1);
  EXPECT_EQ(r.erreur, "The reference file " + dossier + "/FichierReference.txt holds only 4 deals, 10 were asked.\n");

  // An unreadable parameters file stops every command before anything is written.
  std::string abime = parametres;
  abime.replace(abime.find("0\r\n", 3), 1, "zéro");
  EcritOctets(dossier + "/ParametresDesComptesDePoints.txt", abime);
  for (const std::vector<std::string>& commande :
       {std::vector<std::string>{"compare"}, {"evaluate", "--system", "1", "--deals", "2", "--save"}}) {
    std::vector<std::string> arguments = {"--data-dir", dossier};
    arguments.insert(arguments.end(), commande.begin(), commande.end());
    r = Lance(arguments);
    EXPECT_EQ(r.statut, 1);
    EXPECT_EQ(r.erreur.rfind(dossier + "/ParametresDesComptesDePoints.txt, ligne 2 : « zéro", 0), 0u) << r.erreur;
    EXPECT_EQ(LitOctets(dossier + "/ParametresDesComptesDePoints.txt"), abime);
    EXPECT_FALSE(fs::exists(dossier + "/ValeursDesComptesDePoints.txt"));
  }

  // The same for a values file cut short.
  EcritOctets(dossier + "/ParametresDesComptesDePoints.txt", parametres);
  EcritOctets(dossier + "/ValeursDesComptesDePoints.txt", "4\r\n0\r\n");
  r = Lance({"--data-dir", dossier, "evaluate", "--system", "1", "--deals", "4", "--save"});
  EXPECT_EQ(r.statut, 1);
  EXPECT_EQ(r.erreur, dossier + "/ValeursDesComptesDePoints.txt, ligne 3 : le fichier s'arrête avant sa dernière ligne.\n");
  EXPECT_EQ(LitOctets(dossier + "/ValeursDesComptesDePoints.txt"), "4\r\n0\r\n");
}

TEST_F(Cli, PremierDemarrage) {
  // No data folder yet: the whole path, the default parameters and the shipped deals.
  const Resultat r = Lance({"compare"});
  ASSERT_EQ(r.statut, 0) << r.erreur;
  EXPECT_TRUE(fs::is_directory(defaut));
  const std::vector<std::string> p = LitLignes(defaut + "/ParametresDesComptesDePoints.txt");
  ASSERT_EQ(p.size(), 78u);
  EXPECT_EQ(p[0], "M");
  EXPECT_EQ(p[2], "0.5");
  EXPECT_FALSE(fs::exists(defaut + "/ValeursDesComptesDePoints.txt"));

  const std::string livre = std::string(KORVALO_SOURCE_DIR) + "/data/FichierReference.txt";
  if (LignesLivrees() < 3) GTEST_SKIP() << "the shipped reference file holds fewer than 3 deals";
  const Resultat e = Lance({"evaluate", "--system", "5", "--deals", "3"}, {"APPDATA=" + temporaire.Fichier("app")});
  ASSERT_EQ(e.statut, 0) << e.erreur;
  EXPECT_EQ(LitOctets(temporaire.Fichier("app") + "/Korvalo/FichierReference.txt").substr(0, 2000),
            LitOctets(livre).substr(0, 2000));
}

TEST_F(Cli, Mesure) {
  if (LignesLivrees() < 1) GTEST_SKIP() << "the shipped reference file holds no deal";
  const Resultat r = Lance({"bench"});
  ASSERT_EQ(r.statut, 0) << r.erreur;
  const std::vector<std::string> l = Lignes(r.sortie);
  ASSERT_EQ(l.size(), 7u);
  EXPECT_TRUE(std::regex_match(l[0], std::regex(".*/data/FichierReference.txt : [0-9]+ donnes"))) << l[0];
  const char* noms[] = {"SEF", "Personnel A", "Personnel B", "Zar", "Kaplan-Rubens", "Charles-Gigault"};
  for (int s = 1; s <= 6; ++s) {
    const std::string& ligne = l[static_cast<std::size_t>(s)];
    EXPECT_EQ(ligne.substr(0, 2 + std::strlen(noms[s - 1])), std::to_string(s) + " " + noms[s - 1]);
    EXPECT_TRUE(std::regex_match(ligne, std::regex("[1-6] .{16} [0-9a-f]{16} +[0-9]+\\.[0-9] ms"))) << ligne;
  }
  // No data folder is involved.
  EXPECT_FALSE(fs::exists(defaut));
}

}  // namespace
}  // namespace korvalo
