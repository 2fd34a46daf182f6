#pragma once
// The parameters of the three parametric systems (SEF, Personnel A,
// Personnel B) and their file ParametresDesComptesDePoints.txt.

#include <string>

#include "FichierTexte.h"
#include "VariablesGlobales.h"

namespace korvalo {

inline constexpr int NB_PARAMETRES = 25;
inline constexpr int NB_LIGNES_PARAMETRES = 3 * (1 + NB_PARAMETRES);
static_assert(NB_LIGNES_PARAMETRES == 78);

struct TParametresSysteme {
  char Honneurs = 'M';  // 'M' Milton Work, anything else Zar Petkov
  float BonusTroisHonneurs = 0;        // 1
  float BonusSequenceDix = 0;          // 2
  float BonusAs = 0;                   // 3
  float BonusDixNeuf = 0;              // 4
  float BonusLongueur = 0;             // 5
  float Bicolore54 = 0;                // 6
  float Bicolore55 = 0;                // 7
  float Bicolore11 = 0;                // 8
  float MalusHonneursSecs = 0;         // 9
  float MalusSansAs = 0;               // 10
  float MalusTroisPerdantes = 0;       // 11
  float Chicane = 0;                   // 12
  float Singleton = 0;                 // 13
  float DoubletonQuatreAtouts = 0;     // 14
  float DoubletonTroisAtouts = 0;      // 15
  float SecondDoubleton = 0;           // 16
  float Fit[6] = {};                   // 17..22: Fit[-2..+3], stored at index e + 2
  float Malus4333 = 0;                 // 23
  float MalusRegulier = 0;             // 24
  float MalusFitExactSansHonneur = 0;  // 25
};

// Fit[e] for a fit length e = -2..+3 beyond eight cards.
inline float& FitDe(TParametresSysteme& p, int e) { return p.Fit[e + 2]; }
inline float FitDe(const TParametresSysteme& p, int e) { return p.Fit[e + 2]; }

// Slot k = 1..25 of a record, in file and grid order.
float& Emplacement(TParametresSysteme& p, int k);
float Emplacement(const TParametresSysteme& p, int k);

// Index = system number 1..3; element 0 unused.
extern TParametresSysteme ParametresSystemes[NB_SYSTEMES_PARAMETRIQUES + 1];

// Stores the defaults into records 1..3.
void ParametresParDefaut();

// Writes the 78 lines atomically, numbers with the given decimal separator.
// A scale letter that is not printable ASCII is written "Z" (same meaning).
// Throws ErreurFichier.
void EnregistrerParametresDesComptesDePoints(const std::string& chemin, char separateur);

// Reads the file into ParametresSystemes; accepts "." and "," as decimal
// separator. Throws ErreurFichier naming the line and the text found; the
// records read before the bad line keep their new values. A value that is not
// finite or of magnitude above 1000 is malformed. Lines the line reader
// refuses (NUL bytes, overlong, CR-only ends) and text after line 78 reject
// the file before any record changes. A temporary file left by a killed
// save is removed first.
void LireParametresDesComptesDePoints(const std::string& chemin);

}  // namespace korvalo
