#include "Parametres.h"

#include <stdexcept>

namespace korvalo {

TParametresSysteme ParametresSystemes[NB_SYSTEMES_PARAMETRIQUES + 1];

namespace {

// No slot's domain comes near this; beyond it the conversions to whole points would overflow.
constexpr double LIMITE_PARAMETRE = 1000;

constexpr float DEFAUTS[NB_PARAMETRES + 1] = {0,  1, 0.5f, 0, 1, 1, 0, 1, 1, -1, 0, 0,     3,
                                              2,  1, 1,    1, -4, -2, 0, 2, 3, 4, -0.5f, 0, 0};

template <typename P>
auto& SlotDe(P& p, int k) {
  switch (k) {
    case 1: return p.BonusTroisHonneurs;
    case 2: return p.BonusSequenceDix;
    case 3: return p.BonusAs;
    case 4: return p.BonusDixNeuf;
    case 5: return p.BonusLongueur;
    case 6: return p.Bicolore54;
    case 7: return p.Bicolore55;
    case 8: return p.Bicolore11;
    case 9: return p.MalusHonneursSecs;
    case 10: return p.MalusSansAs;
    case 11: return p.MalusTroisPerdantes;
    case 12: return p.Chicane;
    case 13: return p.Singleton;
    case 14: return p.DoubletonQuatreAtouts;
    case 15: return p.DoubletonTroisAtouts;
    case 16: return p.SecondDoubleton;
    case 17: case 18: case 19: case 20: case 21: case 22: return p.Fit[k - 17];
    case 23: return p.Malus4333;
    case 24: return p.MalusRegulier;
    case 25: return p.MalusFitExactSansHonneur;
    default: throw std::out_of_range("parameter slot " + std::to_string(k) + " is not 1..25");
  }
}

// The scale letter as one printable ASCII character; anything else means the
// Zar Petkov scale and is written as 'Z', so that a stray byte never breaks the lines.
char LettreEcrite(char honneurs) {
  const auto u = static_cast<unsigned char>(honneurs);
  return (u > 32 && u < 127) ? honneurs : 'Z';
}

}  // namespace

float& Emplacement(TParametresSysteme& p, int k) { return SlotDe(p, k); }
float Emplacement(const TParametresSysteme& p, int k) { return SlotDe(p, k); }

void ParametresParDefaut() {
  for (int s = 1; s <= NB_SYSTEMES_PARAMETRIQUES; ++s) {
    TParametresSysteme& p = ParametresSystemes[s];
    p.Honneurs = 'M';
    for (int k = 1; k <= NB_PARAMETRES; ++k) Emplacement(p, k) = DEFAUTS[k];
  }
}

void EnregistrerParametresDesComptesDePoints(const std::string& chemin, char separateur) {
  std::vector<std::string> lignes;
  lignes.reserve(NB_LIGNES_PARAMETRES);
  for (int s = 1; s <= NB_SYSTEMES_PARAMETRIQUES; ++s) {
    const TParametresSysteme& p = ParametresSystemes[s];
    lignes.emplace_back(1, LettreEcrite(p.Honneurs));
    for (int k = 1; k <= NB_PARAMETRES; ++k) lignes.push_back(EcritReel(Emplacement(p, k), separateur));
  }
  EcritFichierAtomique(chemin, lignes);
}

void LireParametresDesComptesDePoints(const std::string& chemin) {
  SupprimeTemporaireOrphelin(chemin);
  const std::vector<std::string> lignes = LitLignes(chemin);
  // Something other than a parameters file (or two files run together) is
  // refused before any record changes.
  for (std::size_t i = NB_LIGNES_PARAMETRES; i < lignes.size(); ++i)
    if (!lignes[i].empty())
      throw ErreurFichier(ErreurFichier::Genre::LigneInvalide, chemin, static_cast<long>(i) + 1,
                          ExtraitLigne(lignes[i]),
                          "text after the last of the " + std::to_string(NB_LIGNES_PARAMETRES) + " lines",
                          ErreurFichier::Cause::TexteEnTrop);

  std::size_t i = 0;
  for (int s = 1; s <= NB_SYSTEMES_PARAMETRIQUES; ++s) {
    TParametresSysteme& p = ParametresSystemes[s];
    if (i >= lignes.size())
      throw ErreurFichier(ErreurFichier::Genre::FinPrematuree, chemin, static_cast<long>(i) + 1, "",
                          "the file ends before this line (" + std::to_string(lignes.size()) + " lines)");
    // The first character only; an empty line gives a letter other than 'M'.
    p.Honneurs = lignes[i].empty() ? 'Z' : lignes[i][0];
    ++i;
    for (int k = 1; k <= NB_PARAMETRES; ++k, ++i)
      Emplacement(p, k) = static_cast<float>(LitReelDeLigne(lignes, i, chemin, LIMITE_PARAMETRE));
  }
}

}  // namespace korvalo
