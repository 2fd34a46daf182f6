// The parameters-file reader on arbitrary bytes: it either refuses the file
// with a message naming a line, or yields records that are finite, within
// +-1000, and that a save reads back unchanged.

#include <cmath>
#include <cstdint>
#include <string>

#include "OutilsFuzz.h"
#include "Parametres.h"

using namespace korvalo;
using korvalo::fuzz::CompteLignes;
using korvalo::fuzz::FichierDeTravail;
using korvalo::fuzz::VerifieErreur;

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  InitialiseTables();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
  static const std::string chemin = FichierDeTravail("parametres.txt");
  static const std::string copie = FichierDeTravail("parametres-copie.txt");
  fuzz::EcritOctets(chemin, donnees, taille);
  for (int s = 1; s <= NB_SYSTEMES_PARAMETRIQUES; ++s) {
    ParametresSystemes[s].Honneurs = '?';
    for (int k = 1; k <= NB_PARAMETRES; ++k) Emplacement(ParametresSystemes[s], k) = 77;
  }
  try {
    LireParametresDesComptesDePoints(chemin);
  } catch (const ErreurFichier& e) {
    VerifieErreur(e, chemin, CompteLignes(donnees, taille));
    return 0;
  }

  TParametresSysteme lus[NB_SYSTEMES_PARAMETRIQUES + 1];
  for (int s = 1; s <= NB_SYSTEMES_PARAMETRIQUES; ++s) {
    lus[s] = ParametresSystemes[s];
    for (int k = 1; k <= NB_PARAMETRES; ++k) {
      const float v = Emplacement(lus[s], k);
      KORVALO_VERIFIE(std::isfinite(v) && std::fabs(v) <= 1000, "system " + std::to_string(s) + " slot " + std::to_string(k));
    }
  }

  // Saved with either separator, the records read back as they were.
  const char separateur = (taille > 0 && (donnees[0] & 1)) ? ',' : '.';
  EnregistrerParametresDesComptesDePoints(copie, separateur);
  LireParametresDesComptesDePoints(copie);
  for (int s = 1; s <= NB_SYSTEMES_PARAMETRIQUES; ++s) {
    const TParametresSysteme& p = ParametresSystemes[s];
    KORVALO_VERIFIE((p.Honneurs == 'M') == (lus[s].Honneurs == 'M'), "scale of system " + std::to_string(s));
    for (int k = 1; k <= NB_PARAMETRES; ++k)
      KORVALO_VERIFIE(Emplacement(p, k) == Emplacement(lus[s], k),
                      "system " + std::to_string(s) + " slot " + std::to_string(k) + ": " +
                          std::to_string(Emplacement(lus[s], k)) + " read back as " + std::to_string(Emplacement(p, k)));
  }
  return 0;
}
