#include "Valeurs.h"

#include <charconv>
#include <memory>

#include "FichierTexte.h"

namespace korvalo {

TValeursSysteme ValeursSystemes[7];
TValeursSysteme NouvellesValeurs;
int SystemeEvalue = 0;

namespace {

constexpr double REEL_MAX = 1000000;
// Bounds of the integers of the file: a run has at most 100,000 deals and at
// most four trump fits per deal.
constexpr long NB_DONNES_MAX_FICHIER = 100000;
constexpr long POURCENTAGE_MAX = 100;
constexpr long OBSERVATIONS_MAX = 4 * NB_DONNES_MAX_FICHIER;

// Visits every value of one system in file order.
template <class V, class FonctionEntier, class FonctionReel>
void ParcourtSysteme(V& v, FonctionEntier&& entier, FonctionReel&& reel) {
  entier(v.NbDonnes, NB_DONNES_MAX_FICHIER);
  for (int k = 1; k <= 6; ++k) {
    for (int t = 0; t <= 13; ++t) {
      reel(v.Moyenne[k][t]);
      reel(v.EcartType[k][t]);
    }
    for (int S = 0; S <= 50; ++S) {
      for (int t = 0; t <= 13; ++t) entier(v.Pourcentage[k][S][t], POURCENTAGE_MAX);
      reel(v.MoyenneLevees[k][S]);
      reel(v.EcartTypeLevees[k][S]);
      entier(v.NbObservations[k][S], OBSERVATIONS_MAX);
    }
  }
}

bool EstBlanc(char c) { return c == ' ' || c == '\t'; }

}  // namespace

void AdopteNouvellesValeurs() {
  if (SystemeEvalue >= 1 && SystemeEvalue <= 6) ValeursSystemes[SystemeEvalue] = NouvellesValeurs;
}

std::vector<std::string> LignesValeurs(const TValeursSysteme (&valeurs)[7], char separateur) {
  std::vector<std::string> lignes;
  lignes.reserve(NB_LIGNES_VALEURS);
  for (int s = 1; s <= 6; ++s)
    ParcourtSysteme(
        valeurs[s], [&](std::int32_t n, long) { lignes.push_back(std::to_string(n)); },
        [&](float x) { lignes.push_back(EcritReel(x, separateur)); });
  return lignes;
}

void AnalyseLignesValeurs(const std::vector<std::string>& lignes, const std::string& chemin,
                          TValeursSysteme (&valeurs)[7]) {
  std::size_t index = 0;
  auto entier = [&](std::int32_t& cible, long maximum) {
    if (index >= lignes.size())
      throw ErreurFichier(ErreurFichier::Genre::FinPrematuree, chemin, static_cast<long>(index) + 1, "",
                          "the file ends before its last line");
    const std::string& ligne = lignes[index];
    std::size_t debut = 0, fin = ligne.size();
    while (debut < fin && EstBlanc(ligne[debut])) ++debut;
    while (fin > debut && EstBlanc(ligne[fin - 1])) --fin;
    long n = 0;
    const auto [p, erreur] = std::from_chars(ligne.data() + debut, ligne.data() + fin, n);
    const long numero = static_cast<long>(index) + 1;
    if (debut == fin || p != ligne.data() + fin || erreur == std::errc::invalid_argument)
      throw ErreurFichier(ErreurFichier::Genre::NombreInvalide, chemin, numero, ExtraitLigne(ligne),
                          "not a whole number");
    if (erreur == std::errc::result_out_of_range || n < 0 || n > maximum)
      throw ErreurFichier(ErreurFichier::Genre::HorsLimites, chemin, numero, ExtraitLigne(ligne),
                          "a whole number from 0 to " + std::to_string(maximum) + " was expected");
    cible = static_cast<std::int32_t>(n);
    ++index;
  };
  auto reel = [&](float& cible) {
    cible = static_cast<float>(LitReelDeLigne(lignes, index, chemin, REEL_MAX));
    ++index;
  };
  for (int s = 1; s <= 6; ++s) ParcourtSysteme(valeurs[s], entier, reel);
  // Lines after the last value are ignored, as the writer never puts any there.
}

void EnregistrerValeursDesComptesDePoints(const std::string& chemin, char separateur) {
  EcritFichierAtomique(chemin, LignesValeurs(ValeursSystemes, separateur));
}

void LireValeursDesComptesDePoints(const std::string& chemin) {
  AnalyseLignesValeurs(LitLignes(chemin), chemin, ValeursSystemes);
}

void RelireValeursDesComptesDePoints(const std::string& chemin) {
  struct Copie {
    TValeursSysteme v[7];
  };
  const auto copie = std::make_unique<Copie>();
  AnalyseLignesValeurs(LitLignes(chemin), chemin, copie->v);
  for (int s = 1; s <= 6; ++s) ValeursSystemes[s] = copie->v[s];
}

}  // namespace korvalo
