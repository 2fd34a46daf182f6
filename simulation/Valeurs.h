#pragma once
// The values of a point-count system (the statistics of its last adopted run)
// and the values file ValeursDesComptesDePoints.txt.

#include <cstdint>
#include <string>
#include <vector>

namespace korvalo {

inline constexpr int NB_LIGNES_BLOC_VARIANTE = 28 + 51 * 17;             // 895
inline constexpr int NB_LIGNES_BLOC_SYSTEME = 1 + 6 * NB_LIGNES_BLOC_VARIANTE;  // 5371
inline constexpr int NB_LIGNES_VALEURS = 6 * NB_LIGNES_BLOC_SYSTEME;     // 32226
static_assert(NB_LIGNES_VALEURS == 32226);
inline constexpr const char* NOM_FICHIER_VALEURS = "ValeursDesComptesDePoints.txt";

// Index k = 1..6 (0 unused), t = 0..13, S = 0..50.
struct TValeursSysteme {
  std::int32_t NbDonnes = 0;  // 0: not evaluated
  float Moyenne[7][14] = {};
  float EcartType[7][14] = {};
  float MoyenneLevees[7][51] = {};
  float EcartTypeLevees[7][51] = {};
  std::int32_t Pourcentage[7][51][14] = {};
  std::int32_t NbObservations[7][51] = {};
};

// Index = system number 1..6; element 0 unused.
extern TValeursSysteme ValeursSystemes[7];
extern TValeursSysteme NouvellesValeurs;
extern int SystemeEvalue;  // 0 before the first complete run

// Copies NouvellesValeurs into ValeursSystemes[SystemeEvalue] (nothing when
// no run has completed).
void AdopteNouvellesValeurs();

// The 32,226 lines of the file for the six systems (numbers in plain decimal
// with the given separator, fewest digits that read back the same float).
std::vector<std::string> LignesValeurs(const TValeursSysteme (&valeurs)[7], char separateur);

// Parses the lines of a values file into valeurs, in file order. Accepts "."
// and ","; integers must be whole decimal numbers within their range, reals
// finite of magnitude <= 1,000,000. Throws ErreurFichier (file `chemin`, line
// number, text found): the values before the bad line are in place, the
// others keep what they held. A file shorter than 32,226 lines is refused;
// lines after the last value are ignored.
void AnalyseLignesValeurs(const std::vector<std::string>& lignes, const std::string& chemin,
                          TValeursSysteme (&valeurs)[7]);

// Writes ValeursSystemes atomically. Throws ErreurFichier.
void EnregistrerValeursDesComptesDePoints(const std::string& chemin, char separateur);

// Reads the file into ValeursSystemes (partly on error, as above). Throws
// ErreurFichier.
void LireValeursDesComptesDePoints(const std::string& chemin);

// Reads the file into a copy and replaces ValeursSystemes only when the whole
// file was read: on error what is in memory is kept. Throws ErreurFichier.
void RelireValeursDesComptesDePoints(const std::string& chemin);

}  // namespace korvalo
