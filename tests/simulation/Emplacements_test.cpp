// Data folder, shipped files and the first-start copy of the reference file.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <optional>

#include "../engine/DossierTemporaire.h"
#include "Emplacements.h"
#include "FichierTexte.h"

namespace korvalo {
namespace {

namespace fs = std::filesystem;
using test::DossierTemporaire;
using test::EcritOctets;
using test::LitOctets;

// Sets environment variables for one test and puts the old values back.
class Environnement {
 public:
  ~Environnement() {
    for (auto& [nom, valeur] : anciennes_) {
      if (valeur) ::setenv(nom.c_str(), valeur->c_str(), 1);
      else ::unsetenv(nom.c_str());
    }
  }
  void Met(const std::string& nom, const char* valeur) {
    const char* ancienne = std::getenv(nom.c_str());
    anciennes_.emplace_back(nom, ancienne ? std::optional<std::string>(ancienne) : std::nullopt);
    if (valeur) ::setenv(nom.c_str(), valeur, 1);
    else ::unsetenv(nom.c_str());
  }

 private:
  std::vector<std::pair<std::string, std::optional<std::string>>> anciennes_;
};

// Runs the test from another working directory.
class DossierCourant {
 public:
  explicit DossierCourant(const fs::path& p) : ancien_(fs::current_path()) { fs::current_path(p); }
  ~DossierCourant() { fs::current_path(ancien_); }

 private:
  fs::path ancien_;
};

TEST(DossierDonnees, RegleDesVariables) {
  DossierTemporaire t;
  const std::string racine = t.Chemin().string();
  using Variable = std::optional<std::string>;
  struct Cas {
    Variable appdata;
    Variable xdg;
    std::string attendu;
  };
  const Cas cas[] = {
      {racine + "/app/data", racine + "/xdg", racine + "/app/data/Korvalo/"},
      {"", racine + "/xdg", racine + "/xdg/Korvalo/"},
      {std::nullopt, racine + "/xdg2", racine + "/xdg2/Korvalo/"},
      {std::nullopt, "relatif/xdg", racine + "/maison/.local/share/Korvalo/"},
      {std::nullopt, std::nullopt, racine + "/maison/.local/share/Korvalo/"},
  };
  for (const Cas& c : cas) {
    Environnement env;
    env.Met("APPDATA", c.appdata ? c.appdata->c_str() : nullptr);
    env.Met("XDG_DATA_HOME", c.xdg ? c.xdg->c_str() : nullptr);
    env.Met("HOME", (racine + "/maison").c_str());
    EXPECT_EQ(CalculeDossierDonnees(), c.attendu);
    EXPECT_TRUE(fs::is_directory(c.attendu)) << c.attendu;
  }
}

TEST(DossierDonnees, DossierImpossibleACreer) {
  DossierTemporaire t;
  EcritOctets(t.Fichier("fichier"), "x");
  Environnement env;
  env.Met("APPDATA", t.Fichier("fichier").c_str());
  EXPECT_THROW(CalculeDossierDonnees(), ErreurFichier);
}

TEST(FichiersLivres, LeDossierCourantPasseEnPremier) {
  DossierTemporaire t;
  fs::create_directories(t.Chemin() / "data");
  fs::create_directories(t.Chemin() / "Images" / "XGA");
  EcritOctets(t.Fichier("data/FichierReference.txt"), "x");
  DossierCourant ici(t.Chemin());
  const std::string racine = fs::current_path().string() + "/";
  EXPECT_EQ(DossiersLivres().front(), racine);
  EXPECT_EQ(TrouveFichierLivre("data/FichierReference.txt"), racine + "data/FichierReference.txt");
  EXPECT_EQ(TrouveFichierLivre("data/absent.txt"), "");
  EXPECT_EQ(CalculeDossierProgramme(), racine);
}

TEST(FichiersLivres, DossiersDeRecherche) {
  const std::vector<std::string> d = DossiersLivres();
  ASSERT_EQ(d.size(), 4u);
  EXPECT_EQ(d[1], (fs::read_symlink("/proc/self/exe").parent_path() / ".." / "share" / "korvalo")
                          .lexically_normal()
                          .string() +
                      "/");
  EXPECT_EQ(d[2], std::string(KORVALO_BINARY_DIR) + "/");
  EXPECT_EQ(d[3], std::string(KORVALO_SOURCE_DIR) + "/");
}

TEST(InstallationReference, CopieSansJamaisRemplacer) {
  DossierTemporaire t;
  const std::string source = t.Fichier("livre.txt");
  EcritOctets(source, "ligne 1\r\nligne 2\r\n");
  fs::create_directories(t.Chemin() / "donnees");
  const std::string dossier = t.Fichier("donnees") + "/";
  // A copy left by a process that no longer exists is cleared away.
  EcritOctets(dossier + "FichierReference.txt.999999999" + SUFFIXE_TEMPORAIRE, "moitié");

  EXPECT_EQ(InstalleFichierReferenceDepuis(dossier, source), InstallationReference::Installee);
  EXPECT_EQ(LitOctets(dossier + "FichierReference.txt"), "ligne 1\r\nligne 2\r\n");
  int fichiers = 0;
  for ([[maybe_unused]] const auto& f : fs::directory_iterator(dossier)) ++fichiers;
  EXPECT_EQ(fichiers, 1);

  EcritOctets(dossier + "FichierReference.txt", "le mien");
  EXPECT_EQ(InstalleFichierReferenceDepuis(dossier, source), InstallationReference::DejaPresente);
  EXPECT_EQ(LitOctets(dossier + "FichierReference.txt"), "le mien");
}

TEST(InstallationReference, SansFichierLivre) {
  DossierTemporaire t;
  const std::string dossier = t.Chemin().string() + "/";
  EXPECT_EQ(InstalleFichierReferenceDepuis(dossier, ""), InstallationReference::Introuvable);
  EXPECT_THROW(InstalleFichierReferenceDepuis(dossier, t.Fichier("absent.txt")), ErreurFichier);
  EXPECT_FALSE(fs::exists(dossier + "FichierReference.txt"));
  int fichiers = 0;
  for ([[maybe_unused]] const auto& f : fs::directory_iterator(dossier)) ++fichiers;
  EXPECT_EQ(fichiers, 0);
}

TEST(InstallationReference, DepuisLeDossierCourant) {
  DossierTemporaire t;
  fs::create_directories(t.Chemin() / "data");
  fs::create_directories(t.Chemin() / "donnees");
  EcritOctets(t.Fichier("data/FichierReference.txt"), "livré\r\n");
  DossierCourant ici(t.Chemin());
  EXPECT_EQ(InstalleFichierReference(t.Fichier("donnees")), InstallationReference::Installee);
  EXPECT_EQ(LitOctets(t.Fichier("donnees/FichierReference.txt")), "livré\r\n");
}

}  // namespace
}  // namespace korvalo
