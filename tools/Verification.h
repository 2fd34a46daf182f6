#pragma once
// Checking a reference file: every line as the program reads it, complete and
// distinct deals, the frequencies of the hand patterns, and a sample of lines
// solved again by DDS.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "Generation.h"
#include "Statistiques.h"

namespace korvalo {

struct OptionsVerification {
  std::string fichier;
  long echantillon = 0;                 // lines solved again by DDS
  std::uint64_t graineEchantillon = 0;  // which lines: the same value picks the same lines
  std::optional<std::uint64_t> graine;  // when set, line i must be deal i of this seed
  double seuil = 0.001;                 // the pattern test fails below this p-value
};

struct RapportVerification {
  long lignes = 0;           // lines in the file, a last line without its line end included
  long lignesValides = 0;    // read by the program's parser without error
  long lignesLfSeul = 0;     // ended by a bare LF (accepted by the program)
  long doublons = 0;         // lines repeating an earlier deal
  TestFormes formes;
  long resolues = 0;         // lines solved again by DDS
  long desaccords = 0;       // of those, lines whose table differs
  std::vector<ProblemeFichier> problemes;  // in line order; line 0 = the whole file
};

// Throws std::runtime_error when the file cannot be read, ErreurDds when DDS fails.
RapportVerification Verifie(const OptionsVerification& options);

// Seat letter N E S W of seat 1..4, strain text S H D C NT of strain 1..5.
const char* NomSiege(int siege);
const char* NomTrait(int trait);

// "declarer N in S: file 9, DDS 10; ..." for every value that differs, "" when none.
std::string DecritDifferences(const std::uint8_t a[5][6], const std::uint8_t b[5][6], const char* nomA = "file",
                              const char* nomB = "DDS");

}  // namespace korvalo
