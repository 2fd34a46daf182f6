#pragma once
// Building reference files: deals from a seed, solved by DDS, appended as
// whole lines so that an interrupted run can be resumed.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "FichierTexte.h"
#include "LigneReference.h"

namespace korvalo {

// A problem found in a reference file: its 1-based line and what is wrong.
struct ProblemeFichier {
  long ligne = 0;
  std::string message;
};

// Explains a parse error in words, naming the field.
std::string DecritErreurLigne(const ResultatLigne& r);

// Reads FILE for --append: the complete lines (ended by LF), and whether a
// partial last line followed them (a write cut short).
struct ContenuFichier {
  std::vector<std::string> lignes;  // without their CR LF
  std::uintmax_t octetsComplets = 0;  // size of the complete lines
  bool ligneCoupee = false;
};
ContenuFichier LitFichierReference(const std::string& chemin);


struct OptionsGeneration {
  std::string sortie;
  std::uint64_t graine = 1;
  long total = 0;       // the file holds this many deals at the end
  bool ajout = false;   // --append
  int lot = 200;        // deals solved and written at a time
};

// Called after each written batch with the number of deals the file holds.
using SuiviGeneration = std::function<void(long faites, long nouvelles)>;

// Generates (or continues) a reference file. Returns 0 on success, writes
// messages to erreurs; stops cleanly between batches when *arret becomes true.
int Genere(const OptionsGeneration& options, const SuiviGeneration& suivi, const volatile bool* arret,
           std::string& erreurs);

}  // namespace korvalo
