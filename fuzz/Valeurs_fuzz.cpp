// The values-file reader, then the three reports on whatever it accepted.
// Input byte 0: even = the rest is the file as it stands; odd = the rest edits
// a well-formed file (byte 1 picks it), as records of a 16-bit line index and
// the new text up to a line feed, so that extreme values reach the reports.
// Checked: refusals name a line; an accepted file saves and reads back the
// same, twice to the same bytes; the reports keep their shape.

#include <cmath>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "OutilsFuzz.h"
#include "Rapports.h"
#include "Textes.h"
#include "Valeurs.h"
#include "VariablesGlobales.h"

using namespace korvalo;
using korvalo::fuzz::FichierDeTravail;
using korvalo::fuzz::VerifieErreur;

namespace {

struct Six {
  TValeursSysteme v[7];
};

// System 2 only, or every system with values of every kind.
std::vector<std::string> FichierDeBase(int genre) {
  auto six = std::make_unique<Six>();
  for (int s = 1; s <= 6; ++s) {
    if (genre == 0 && s != 2) continue;
    TValeursSysteme& v = six->v[s];
    v.NbDonnes = 1000 * s;
    for (int k = 1; k <= 6; ++k) {
      for (int t = 0; t <= 13; ++t) {
        v.Moyenne[k][t] = static_cast<float>(s * 7 + k + t) / 3.0f;
        v.EcartType[k][t] = static_cast<float>(t) / 7.0f;
      }
      for (int S = 0; S <= 50; ++S) {
        for (int t = 0; t <= 13; ++t) v.Pourcentage[k][S][t] = (s + k + S + t) % 101;
        v.MoyenneLevees[k][S] = static_cast<float>(S) / 3.7f;
        v.EcartTypeLevees[k][S] = 0.00001f * static_cast<float>(S);
        v.NbObservations[k][S] = (s * 977 + k * 31 + S) % 400001;
      }
    }
  }
  return LignesValeurs(six->v, '.');
}

std::string Joint(const std::vector<std::string>& lignes) {
  std::string s;
  s.reserve(lignes.size() * 8);
  for (const std::string& l : lignes) s += l + "\r\n";
  return s;
}

bool MemesValeurs(const TValeursSysteme& a, const TValeursSysteme& b) {
  // Compared as numbers: -0 is written "0" and reads back as +0.
  auto reels = [](const float* x, const float* y, std::size_t n) {
    for (std::size_t i = 0; i < n; ++i)
      if (!(x[i] == y[i])) return false;
    return true;
  };
  return a.NbDonnes == b.NbDonnes && reels(&a.Moyenne[0][0], &b.Moyenne[0][0], 7 * 14) &&
         reels(&a.EcartType[0][0], &b.EcartType[0][0], 7 * 14) &&
         reels(&a.MoyenneLevees[0][0], &b.MoyenneLevees[0][0], 7 * 51) &&
         reels(&a.EcartTypeLevees[0][0], &b.EcartTypeLevees[0][0], 7 * 51) &&
         std::memcmp(a.Pourcentage, b.Pourcentage, sizeof a.Pourcentage) == 0 &&
         std::memcmp(a.NbObservations, b.NbObservations, sizeof a.NbObservations) == 0;
}

// Line lengths of each report for ordinary values: every percentage and count
// field has a fixed width, so AfficheValeurs keeps them whatever is stored.
struct Formes {
  std::vector<std::size_t> affiche;
  std::size_t lignesComparaison = 0, lignesAncienNouveau = 0;
};

std::vector<std::size_t> Longueurs(const std::vector<std::string>& lignes) {
  std::vector<std::size_t> l;
  for (const std::string& x : lignes) l.push_back(x.size());
  return l;
}

const Formes& FormesNormales() {
  static const Formes formes = [] {
    Formes f;
    for (TValeursSysteme& v : ValeursSystemes) v = TValeursSysteme{};
    ValeursSystemes[1].NbDonnes = 1;
    f.affiche = Longueurs(AfficheValeurs(1));
    f.lignesComparaison = ComparaisonSystemes().size();
    f.lignesAncienNouveau = Comparaison_old_new(1).size();
    return f;
  }();
  return formes;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  InitialiseTables();
  for (const char* langue : {"anglais", ""}) {  // both tables filled once, French last
    Langue = langue;
    ChangeLangue();
  }
  FormesNormales();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
  static const std::string chemin = FichierDeTravail("valeurs.txt");
  static const std::string copie = "lines written again";
  static const std::vector<std::string> bases[2] = {FichierDeBase(0), FichierDeBase(1)};
  if (taille == 0) return 0;

  long nbLignes = 0;
  if ((donnees[0] & 1) == 0) {
    fuzz::EcritOctets(chemin, donnees + 1, taille - 1);
    nbLignes = fuzz::CompteLignes(donnees + 1, taille - 1);
  } else {
    std::vector<std::string> lignes = bases[taille > 1 ? donnees[1] & 1 : 0];
    for (std::size_t i = 2; i + 2 <= taille;) {
      const std::size_t ligne = (static_cast<std::size_t>(donnees[i]) << 8 | donnees[i + 1]) % lignes.size();
      i += 2;
      std::string texte;
      while (i < taille && donnees[i] != '\n') texte += static_cast<char>(donnees[i++]);
      ++i;
      lignes[ligne] = texte;
    }
    const std::string octets = Joint(lignes);
    fuzz::EcritOctets(chemin, reinterpret_cast<const std::uint8_t*>(octets.data()), octets.size());
    nbLignes = fuzz::CompteLignes(reinterpret_cast<const std::uint8_t*>(octets.data()), octets.size());
  }

  for (TValeursSysteme& v : ValeursSystemes) v = TValeursSysteme{};
  try {
    RelireValeursDesComptesDePoints(chemin);
  } catch (const ErreurFichier& e) {
    VerifieErreur(e, chemin, nbLignes);
    return 0;
  }

  // Written with either separator and parsed again: the same values, then the
  // same lines (the file round trip itself is the atomic writer's, tested apart).
  const char separateur = (taille > 1 && (donnees[taille - 1] & 1)) ? ',' : '.';
  static auto relus = std::make_unique<Six>();
  const std::vector<std::string> premiere = LignesValeurs(ValeursSystemes, separateur);
  AnalyseLignesValeurs(premiere, copie, relus->v);
  for (int s = 1; s <= 6; ++s) KORVALO_VERIFIE(MemesValeurs(relus->v[s], ValeursSystemes[s]), "system " + std::to_string(s));
  KORVALO_VERIFIE(LignesValeurs(relus->v, separateur) == premiere, "second save differs");

  const Formes& formes = FormesNormales();
  for (int s = 1; s <= 6; ++s) {
    if (ValeursSystemes[s].NbDonnes == 0) continue;
    const std::vector<std::size_t> longueurs = Longueurs(AfficheValeurs(s));
    // The same lines as for ordinary values, but for the deal count written in line 4.
    KORVALO_VERIFIE(longueurs.size() == formes.affiche.size(), "AfficheValeurs of system " + std::to_string(s));
    for (std::size_t i = 0; i < longueurs.size(); ++i)
      KORVALO_VERIFIE(i == 3 || longueurs[i] == formes.affiche[i],
                      "AfficheValeurs of system " + std::to_string(s) + ", line " + std::to_string(i + 1));
  }
  KORVALO_VERIFIE(ComparaisonSystemes().size() == formes.lignesComparaison, "ComparaisonSystemes");
  const int s = 1 + donnees[0] / 2 % 6;
  NouvellesValeurs = ValeursSystemes[1 + donnees[0] / 12 % 6];
  KORVALO_VERIFIE(Comparaison_old_new(s).size() == formes.lignesAncienNouveau, "Comparaison_old_new");
  return 0;
}
