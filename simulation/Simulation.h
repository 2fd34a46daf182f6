#pragma once
// Scoring reference deals into the run tallies, and the evaluation run that
// turns the tallies into the new values of a system.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "LigneReference.h"
#include "Messages.h"
#include "Valeurs.h"
#include "VariablesGlobales.h"

namespace korvalo {

inline constexpr int NB_VARIANTES = 6;  // k: 1 PHo, 2 PHL, 3 PS_NC, 4 PS_CST, 5 PS_CPT, 6 PS_Total
inline constexpr int POINTS_MAX = 50;   // points axis 0..50
inline constexpr int LEVEES_MAX = 13;   // tricks axis 0..13
inline constexpr int NB_DONNES_MAX = 100000;
inline constexpr const char* NOM_FICHIER_REFERENCE = "FichierReference.txt";

// The run tallies; index k = 1..6 (0 unused), S = 0..50, t = 0..13.
struct TCumuls {
  std::int32_t Effectifs[NB_VARIANTES + 1][POINTS_MAX + 1][LEVEES_MAX + 1];
  std::int32_t EffectifsParPoints[NB_VARIANTES + 1][POINTS_MAX + 1];
  std::int32_t SommePoints[NB_VARIANTES + 1][LEVEES_MAX + 1];
  std::int32_t SommeCarresPoints[NB_VARIANTES + 1][LEVEES_MAX + 1];
  std::int32_t EffectifsParLevees[NB_VARIANTES + 1][LEVEES_MAX + 1];
};

// Tallies of the current (or last) run.
extern TCumuls Cumuls;

void RemetAZero(TCumuls& cumuls);
// Adds the observation (k, S, t); S is kept inside 0..50.
void EnregistreObservation(TCumuls& cumuls, int k, int S, int t);

// Control class of partnership camp (1 = seats 1 and 3, 2 = seats 2 and 4)
// with suit atout as trumps: 0 PS_NC, 1 PS_CST, 2 PS_CPT.
int NiveauControles(const tcarreword& mains, int atout, int camp);

// What one deal gave, for korvalo-cli hands: the fits in the order their
// observations are recorded (NS suits 1..4, then EW suits 1..4), then NT.
struct TFitObserve {
  int Camp;      // 1 NS, 2 EW
  int Couleur;   // trump suit 1..4
  int PHS1;      // first seat (1 or 2), after the 50 cap
  int PHS2;      // second seat (3 or 4)
  int Classe;    // NiveauControles
  int Points;    // PHS1 + PHS2, as recorded
  int Levees;
};
struct TObservationsDonne {
  int NbFits = 0;
  TFitObserve Fits[8];
  int PHo1 = 0, PHL1 = 0, PHo3 = 0, PHL3 = 0;  // PHL after the 50 cap
  int LeveesSansAtout = 0;
};

// Scores one parsed deal with the system of letter `lettre` for both
// partnerships and adds its observations to `cumuls`; allocates nothing.
// Fills *detail when given.
void CompteDonne(const TDonneReference& donne, char lettre, TCumuls& cumuls,
                 TObservationsDonne* detail = nullptr);

// Lines 1..N of the reference file of the current run (index 0 unused); views
// into TexteReference. Kept until the next run.
extern std::string TexteReference;
extern std::vector<std::string_view> LignesReference;
extern std::string CheminReferenceCourant;

// Reads the first N lines of the reference file into LignesReference. Throws
// ErreurEvaluation (missing file with how to make one, fewer than N lines, a
// NUL byte, a CR-only line end, an overlong line), with the file and line.
void LitLignesReference(const std::string& chemin, int N);

// Reads at most Nmax lines (as above, without the count check); returns how
// many were read, 0 for an empty file.
int LitLignesReferenceAuPlus(const std::string& chemin, int Nmax);

// Parses line d of LignesReference; throws ErreurEvaluation naming the file,
// the line and the field.
void AnalyseDonne(int d, TDonneReference& donne);

// Scores deal d of LignesReference into Cumuls with LettreRun.
extern char LettreRun;
void EvalueDonne(int d);

// Running statistics of the tallies (double precision, kept in single).
void MoyennesPointsParLevees(const TCumuls& cumuls, float moyenne[NB_VARIANTES + 1][LEVEES_MAX + 1],
                             float ecart[NB_VARIANTES + 1][LEVEES_MAX + 1]);
// The values of a finished run from its tallies.
void CalculeValeurs(const TCumuls& cumuls, int N, TValeursSysteme& valeurs);

// 64-bit FNV-1a of bytes, continuing from `empreinte`.
inline constexpr std::uint64_t FNV1A_DEPART = 0xcbf29ce484222325ULL;
std::uint64_t Fnv1a(const void* octets, std::size_t taille, std::uint64_t empreinte = FNV1A_DEPART);
// FNV-1a of the five tallies in this order (Effectifs, EffectifsParPoints,
// SommePoints, SommeCarresPoints, EffectifsParLevees), each over k = 1..6 then
// its other indexes, every value as 4 little-endian bytes: a change of a run's
// result changes it.
std::uint64_t EmpreinteCumuls(const TCumuls& cumuls);

// Progress display at deal d of N (lines of Memo2, cleared first).
std::vector<std::string> AfficheProgression(const TCumuls& cumuls, char lettre, int d, int N);

// Called at deal 2 and every 1000th deal with the AfficheProgression lines.
using ProgressionEvaluation = std::function<void(int d, const std::vector<std::string>& lignes)>;

// The evaluation run: reads the first N lines of cheminReference once, scores
// them with system 1..6, then fills NouvellesValeurs and sets SystemeEvalue.
// On any error (ErreurEvaluation) NouvellesValeurs and SystemeEvalue are left
// untouched. The caller checks systeme and N first (EntierValide).
void EvalueSysteme(int systeme, int N, const std::string& cheminReference,
                   const ProgressionEvaluation& progression = {});

}  // namespace korvalo
