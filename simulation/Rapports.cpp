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

std::vector<std::string> ComparaisonSystemes() {
  std::vector<std::string> lignes;
  lignes.reserve(260);
  lignes.emplace_back();
  lignes.push_back(Textes[NumeroTexte::TitreMoyennesPoints]);
  lignes.push_back(Regle(70, '-'));
  for (int k = 1; k <= 6; ++k) {
    lignes.push_back(Textes[NumeroTexte::LibelleVariante1 + k - 1]);
    lignes.emplace_back();
    lignes.push_back(EnTete(11, 7, 13, "    "));
    lignes.emplace_back();
    for (int s = 1; s <= 6; ++s) {
      const TValeursSysteme& v = ValeursSystemes[s];
      LignesSysteme(lignes, "  " + std::string(NomsCourtsComparaison[s]) + "     ", std::string(11, ' '), v.Moyenne[k],
                    v.EcartType[k], 7, 13, "    ", v.NbDonnes);
      lignes.push_back(Regle(70, s < 6 ? '-' : '='));
    }
  }
  lignes.emplace_back();
  lignes.push_back(Textes[NumeroTexte::TitreMoyennesLevees]);
  lignes.emplace_back();
  lignes.push_back(Regle(88, '-'));
  for (int k = 1; k <= 6; ++k) {
    lignes.push_back(Textes[NumeroTexte::LibelleVariante1 + k - 1]);
    lignes.emplace_back();
    lignes.push_back(EnTete(11, 25, 37, " "));
    lignes.emplace_back();
    for (int s = 1; s <= 6; ++s) {
      const TValeursSysteme& v = ValeursSystemes[s];
      LignesSysteme(lignes, "  " + std::string(NomsCourtsComparaison[s]) + "     ", std::string(11, ' '),
                    v.MoyenneLevees[k], v.EcartTypeLevees[k], 25, 37, " ", v.NbDonnes);
      lignes.push_back(Regle(88, s < 6 ? '-' : '='));
    }
  }
  SixLignesVides(lignes);
  return lignes;
}

std::vector<std::string> Comparaison_old_new(int s) {
  const TValeursSysteme& ancien = ValeursSystemes[s];
  const TValeursSysteme& nouveau = NouvellesValeurs;
  const std::string nom = "  " + std::string(NomsCourtsAncienNouveau[s]);
  const std::string retrait(12, ' ');
  std::vector<std::string> lignes;
  lignes.reserve(130);
  lignes.emplace_back();
  lignes.push_back(Textes[NumeroTexte::TitreMoyennesPoints]);
  lignes.push_back(Regle(70, '-'));
  for (int k = 1; k <= 6; ++k) {
    lignes.push_back(Textes[NumeroTexte::LibelleVariante1 + k - 1]);
    lignes.emplace_back();
    lignes.push_back(EnTete(12, 7, 13, "    "));
    lignes.emplace_back();
    LignesSysteme(lignes, nom + "_old   ", retrait, ancien.Moyenne[k], ancien.EcartType[k], 7, 13, "    ",
                  ancien.NbDonnes);
    lignes.push_back(Regle(71, '-'));
    LignesSysteme(lignes, nom + "_new   ", retrait, nouveau.Moyenne[k], nouveau.EcartType[k], 7, 13, "    ",
                  nouveau.NbDonnes);
    lignes.push_back(Regle(71, '='));
  }
  lignes.emplace_back();
  lignes.push_back(Textes[NumeroTexte::TitreMoyennesLevees]);
  lignes.emplace_back();
  lignes.push_back(Regle(88, '-'));
  for (int k = 1; k <= 6; ++k) {
    lignes.push_back(Textes[NumeroTexte::LibelleVariante1 + k - 1]);
    lignes.emplace_back();
    lignes.push_back(EnTete(12, 25, 37, " "));
    lignes.emplace_back();
    LignesSysteme(lignes, nom + "_old   ", retrait, ancien.MoyenneLevees[k], ancien.EcartTypeLevees[k], 25, 37, " ",
                  ancien.NbDonnes);
    lignes.push_back(Regle(89, '-'));
    LignesSysteme(lignes, nom + "_new   ", retrait, nouveau.MoyenneLevees[k], nouveau.EcartTypeLevees[k], 25, 37, " ",
                  nouveau.NbDonnes);
    lignes.push_back(Regle(89, '='));
  }
  SixLignesVides(lignes);
  return lignes;
}

}  // namespace korvalo
