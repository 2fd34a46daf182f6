// Golden files: the reports and the values file of runs on 3,000 seeded random
// deals under the default parameters. Any change of a line is a functional
// change; regenerate with KORVALO_REGENERE_GOLDEN=1 once it is understood.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "../engine/DossierTemporaire.h"
#include "FichierTexte.h"
#include "Mains.h"
#include "Parametres.h"
#include "Rapports.h"
#include "Simulation.h"
#include "Textes.h"

namespace korvalo {
namespace {

namespace fs = std::filesystem;
using test::DossierTemporaire;

const fs::path DOSSIER_GOLDEN = fs::path(KORVALO_SOURCE_DIR) / "tests" / "simulation" / "golden";

std::string Texte(const std::vector<std::string>& lignes) {
  std::string t;
  for (const std::string& l : lignes) t += l + "\n";
  return t;
}

void Compare(const std::string& nom, const std::string& obtenu) {
  const fs::path chemin = DOSSIER_GOLDEN / nom;
  if (const char* r = std::getenv("KORVALO_REGENERE_GOLDEN"); r != nullptr && std::string(r) == "1") {
    fs::create_directories(DOSSIER_GOLDEN);
    test::EcritOctets(chemin.string(), obtenu);
    return;
  }
  ASSERT_TRUE(fs::exists(chemin)) << chemin;
  const std::string attendu = test::LitOctets(chemin.string());
  if (attendu == obtenu) return;
  // Show the first line that differs rather than two whole files.
  std::size_t ligne = 1, i = 0;
  while (i < attendu.size() && i < obtenu.size() && attendu[i] == obtenu[i]) ligne += attendu[i++] == '\n';
  ADD_FAILURE() << nom << " differs from line " << ligne;
}

TEST(Golden, RapportsEtFichierDesValeurs) {
  InitialiseTables();
  ParametresParDefaut();
  for (TValeursSysteme& v : ValeursSystemes) v = TValeursSysteme{};
  DossierTemporaire dossier;
  const std::string chemin = dossier.Fichier("FichierReference.txt");
  std::mt19937_64 g(424242);
  std::string texte;
  for (int i = 0; i < 3000; ++i) texte += FormateLigneReference(test::DonneAleatoire(g)) + "\r\n";
  test::EcritOctets(chemin, texte);

  Langue = "";
  ChangeLangue();
  for (int s = 1; s <= 6; ++s) {
    EvalueSysteme(s, 3000, chemin);
    AdopteNouvellesValeurs();
    Compare("AfficheValeurs_" + std::to_string(s) + ".txt", Texte(AfficheValeurs(s)));
  }
  Compare("ComparaisonSystemes_fr.txt", Texte(ComparaisonSystemes()));
  for (int s = 1; s <= 6; ++s) {
    std::vector<std::string> progression;
    EvalueSysteme(s, 2000, chemin, [&](int, const std::vector<std::string>& l) { progression = l; });
    Compare("Comparaison_old_new_" + std::to_string(s) + ".txt", Texte(Comparaison_old_new(s)));
    if (s == 4) Compare("Progression_4.txt", Texte(progression));
  }
  EnregistrerValeursDesComptesDePoints(dossier.Fichier("valeurs.txt"), ',');
  Compare("ValeursDesComptesDePoints.txt", test::LitOctets(dossier.Fichier("valeurs.txt")));

  Langue = "anglais";
  ChangeLangue();
  Compare("ComparaisonSystemes_en.txt", Texte(ComparaisonSystemes()));
  Compare("AfficheValeurs_3_en.txt", Texte(AfficheValeurs(3)));
  Langue = "";
  ChangeLangue();
}

}  // namespace
}  // namespace korvalo
