#include "Rapports.h"

#include <charconv>
#include <cmath>

#include "Textes.h"
#include "TextesFixes.h"
#include "Valeurs.h"

namespace korvalo {

std::string FormateReel(int d, float x) {
  if (x == 0) return "  ---";
  const double produit = static_cast<double>(x) * (d == 2 ? 100.0 : 10.0);
  // Any stored value gives a bounded field: no float reaches the report unbounded.
  long long entier = 0;
  if (std::isfinite(produit))
    entier = static_cast<long long>(std::fabs(produit) < 1e17 ? produit : std::copysign(1e17, produit));
  std::string D = std::to_string(entier);
  if (x < 1) D = "  " + D;
  else if (x < 10) D = " " + D;
  else if (x < 1000) {
  } else if (x < 10000) D = " " + D;
  // Only a value that is not a number reaches here with fewer digits than decimals.
  if (D.size() < static_cast<std::size_t>(d) + 1) D.insert(0, static_cast<std::size_t>(d) + 1 - D.size(), ' ');
  if (d == 2) return D.substr(0, D.size() - 2) + "," + D.substr(D.size() - 2);
  return D.substr(0, D.size() - 1) + "," + D.back() + " ";
}

std::string FormatePourcent(int n) {
  if (n == 0) return "   --";
  if (n > 98) n = 100;
  if (n == -1) return "     ";
  if (n >= 1 && n <= 9) return "    " + std::to_string(n);
  if (n == 100) return "  100";
  return "   " + std::to_string(n);
}

std::string FormateEntier(int n) {
  if (n == 0) return "    --";
  std::string texte = std::to_string(n);
  if (texte.size() < 6) texte.insert(0, 6 - texte.size(), ' ');
  return texte;
}

bool EntierValide(std::string_view texte, int bas, int haut) {
  std::size_t debut = 0, fin = texte.size();
  while (debut < fin && texte[debut] == ' ') ++debut;
  while (fin > debut && texte[fin - 1] == ' ') --fin;
  if (debut < fin && texte[debut] == '+') ++debut;  // "+6" is an integer too
  long long n = 0;
  const auto [p, erreur] = std::from_chars(texte.data() + debut, texte.data() + fin, n);
  if (debut == fin || erreur != std::errc() || p != texte.data() + fin) return false;
  return bas < n && n < haut;
}

namespace {


std::string Regle(int n, char c) { return std::string(static_cast<std::size_t>(n), c); }

// C(k, S, t): percentage of the observations with S points that made t or more tricks.
int Cumule(const TValeursSysteme& v, int k, int S, int t) {
  long long somme = 0;
  for (int u = t; u <= 13; ++u) somme += v.Pourcentage[k][S][u];
  // Stored percentages are 0..100, so the sum stays far inside an int.
  return static_cast<int>(somme);
}

std::string Groupe(const TValeursSysteme& v, int k, int S) {
  std::string g;
  for (int t = 7; t <= 13; ++t) g += FormatePourcent(Cumule(v, k, S, t));
  return g;
}

// The two lines of one system in a comparison: means, then deviations and the deal count.
void LignesSysteme(std::vector<std::string>& lignes, const std::string& tete, const std::string& retrait,
                   const float* moyennes, const float* ecarts, int premier, int dernier, const std::string& apres,
                   int nbDonnes) {
  std::string l1 = tete, l2 = retrait;
  for (int i = premier; i <= dernier; ++i) {
    l1 += FormateReel(2, moyennes[i]) + apres;
    l2 += FormateReel(2, ecarts[i]) + apres;
  }
  lignes.push_back(l1);
  lignes.push_back(l2 + FormateEntier(nbDonnes));
}

std::string EnTete(int retrait, int premier, int dernier, const std::string& apres) {
  std::string h(static_cast<std::size_t>(retrait), ' ');
  for (int i = premier; i <= dernier; ++i) h += FormatePourcent(i) + apres;
  return h;
}

void SixLignesVides(std::vector<std::string>& lignes) { lignes.insert(lignes.end(), 6, std::string()); }

}  // namespace

std::vector<std::string> AfficheValeurs(int s) {
  const TValeursSysteme& v = ValeursSystemes[s];
  std::vector<std::string> lignes;
  lignes.reserve(190);
  lignes.emplace_back();
  lignes.push_back("  " + Textes[NumeroTexte::AvisComparaison]);
  lignes.emplace_back();
  lignes.push_back(Textes[NumeroTexte::ValeursDuSysteme] + NomsSystemesAffichage[s] + Textes[NumeroTexte::CalculeesSur] +
                   std::to_string(v.NbDonnes) + Textes[NumeroTexte::DonnesAleatoires]);
  lignes.push_back("  " + Textes[NumeroTexte::QuatreLignesAtout]);
  lignes.emplace_back();
  lignes.push_back(Textes[NumeroTexte::EnTeteTroisGroupes]);
  lignes.push_back(std::string(12, ' ') + Regle(117, '-'));
  std::string G;
  for (int t = 7; t <= 13; ++t) G += FormatePourcent(t);
  lignes.push_back(std::string(8, ' ') + G + "    T   " + G + "    T   " + G + "     T");
  for (int S = 10; S <= 45; ++S) {
    lignes.emplace_back();
    const std::string tete = " " + FormatePourcent(S);
    lignes.push_back(tete + "  " + Groupe(v, 1, S) + FormateEntier(v.NbObservations[1][S]) + "  " + Groupe(v, 2, S) +
                     FormateEntier(v.NbObservations[2][S]) + "  " + Groupe(v, 3, S) + " " +
                     FormateEntier(v.NbObservations[3][S]));
    for (int k = 4; k <= 6; ++k)
      lignes.push_back(tete + std::string(88, ' ') + Groupe(v, k, S) + " " + FormateEntier(v.NbObservations[k][S]));
  }
  return lignes;
}

namespace {

// The two halves of the comparisons: means of points by tricks (7..13), then
// means of tricks by points (25..37).
struct Moitie {
  int premier, dernier;
  const char* apres;      // after each value
  int regleSystemes;      // rule width in ComparaisonSystemes
  int regleAncienNouveau; // rule width in Comparaison_old_new
  bool levees;
};
constexpr Moitie MOITIES[2] = {{7, 13, "    ", 70, 71, false}, {25, 37, " ", 88, 89, true}};

const float* Moyennes(const TValeursSysteme& v, const Moitie& m, int k) {
  return m.levees ? v.MoyenneLevees[k] : v.Moyenne[k];
}
const float* Ecarts(const TValeursSysteme& v, const Moitie& m, int k) {
  return m.levees ? v.EcartTypeLevees[k] : v.EcartType[k];
}

void TitreMoitie(std::vector<std::string>& lignes, const Moitie& m) {
  lignes.emplace_back();
  if (m.levees) {
    lignes.push_back(Textes[NumeroTexte::TitreMoyennesLevees]);
    lignes.emplace_back();
    lignes.push_back(Regle(88, '-'));
  } else {
    lignes.push_back(Textes[NumeroTexte::TitreMoyennesPoints]);
    lignes.push_back(Regle(70, '-'));
  }
}

// Label, empty line, column header, empty line.
void TeteVariante(std::vector<std::string>& lignes, const Moitie& m, int k, int retrait) {
  lignes.push_back(Textes[NumeroTexte::LibelleVariante1 + k - 1]);
  lignes.emplace_back();
  lignes.push_back(EnTete(retrait, m.premier, m.dernier, m.apres));
  lignes.emplace_back();
}

}  // namespace

std::vector<std::string> ComparaisonSystemes() {
  std::vector<std::string> lignes;
  lignes.reserve(280);
  for (const Moitie& m : MOITIES) {
    TitreMoitie(lignes, m);
    for (int k = 1; k <= 6; ++k) {
      TeteVariante(lignes, m, k, 11);
      for (int s = 1; s <= 6; ++s) {
        const TValeursSysteme& v = ValeursSystemes[s];
        LignesSysteme(lignes, "  " + std::string(NomsCourtsComparaison[s]) + "     ", std::string(11, ' '),
                      Moyennes(v, m, k), Ecarts(v, m, k), m.premier, m.dernier, m.apres, v.NbDonnes);
        lignes.push_back(Regle(m.regleSystemes, s < 6 ? '-' : '='));
      }
    }
  }
  SixLignesVides(lignes);
  return lignes;
}

std::vector<std::string> Comparaison_old_new(int s) {
  const std::string nom = "  " + std::string(NomsCourtsAncienNouveau[s]);
  const std::string retrait(12, ' ');
  std::vector<std::string> lignes;
  lignes.reserve(140);
  for (const Moitie& m : MOITIES) {
    TitreMoitie(lignes, m);
    for (int k = 1; k <= 6; ++k) {
      TeteVariante(lignes, m, k, 12);
      const TValeursSysteme& ancien = ValeursSystemes[s];
      LignesSysteme(lignes, nom + "_old   ", retrait, Moyennes(ancien, m, k), Ecarts(ancien, m, k), m.premier,
                    m.dernier, m.apres, ancien.NbDonnes);
      lignes.push_back(Regle(m.regleAncienNouveau, '-'));
      LignesSysteme(lignes, nom + "_new   ", retrait, Moyennes(NouvellesValeurs, m, k), Ecarts(NouvellesValeurs, m, k),
                    m.premier, m.dernier, m.apres, NouvellesValeurs.NbDonnes);
      lignes.push_back(Regle(m.regleAncienNouveau, '='));
    }
  }
  SixLignesVides(lignes);
  return lignes;
}

}  // namespace korvalo
