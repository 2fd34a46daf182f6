#pragma once
// Deals from PBN files (Portable Bridge Notation): the games of a file, their
// Deal tag and the double-dummy tables some files carry, and the import of
// those deals into a reference file.
//
//   [Deal "E:hand hand hand hand"]: the first hand is the seat named before the
//     colon, the others follow clockwise; a hand is spades.hearts.diamonds.clubs
//     with the cards AKQJT98765432; "-" is an unknown hand.
//   [DoubleDummyTricks "20 hex digits"]: declarers N, S, E, W; within each the
//     strains NT, S, H, D, C; each digit 0..d is the declarer's tricks.
//   [OptimumResultTable "Declarer;Denomination\2R;Result\2R"] followed by rows
//     such as "N NT 13": declarer, strain (S H D C NT), tricks.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "Generation.h"
#include "VariablesGlobales.h"

namespace korvalo {

struct JetonPbn {
  std::string texte;
  long ligne = 0;
};

// One game of a PBN file, with the tags the import needs.
struct PartiePbn {
  long numero = 0;  // 1-based, in file order
  long ligne = 0;   // line of its first tag
  bool aPlanche = false;
  std::string planche;  // the Board tag
  bool aDonne = false;
  long ligneDonne = 0;
  std::string donne;  // the Deal tag
  bool aDdt = false;
  long ligneDdt = 0;
  std::string ddt;  // the DoubleDummyTricks tag
  bool aOrt = false;
  long ligneOrt = 0;
  std::string enteteOrt;  // the OptimumResultTable tag, its columns
  std::vector<JetonPbn> cellulesOrt;  // the cells of its rows
};

struct FichierPbn {
  std::vector<PartiePbn> parties;
  std::vector<ProblemeFichier> avertissements;  // text that could not be read
};

// Splits the text of a PBN file into games (a blank line, or a second Deal or
// Board tag, starts the next one); skips % lines, { } and ; comments.
FichierPbn LitPartiesPbn(std::string_view texte);

// Each returns "" on success, otherwise what is wrong.
std::string AnalyseDealPbn(std::string_view valeur, tcarreword& mains);
std::string AnalyseDoubleDummyTricks(std::string_view valeur, std::uint8_t levees[5][6]);
std::string AnalyseOptimumResultTable(std::string_view entete, const std::vector<JetonPbn>& cellules,
                                      std::uint8_t levees[5][6]);

// "board 7", or "game 3 (no Board tag)".
std::string NommePartie(const PartiePbn& partie);

struct OptionsImport {
  std::string pbn;
  std::string sortie;
  bool ajout = false;  // --append
};

struct RapportImport {
  long parties = 0;     // games in the PBN file
  long donnes = 0;      // games with a Deal tag
  long mauvaises = 0;   // bad deals, skipped
  long doublons = 0;    // deals already in the output or earlier in the file, skipped
  long portees = 0;     // deals whose carried table was readable
  long controlees = 0;  // carried tables checked against DDS
  long resolues = 0;    // deals solved by DDS
  bool desaccord = false;  // a carried table disagreed: DDS was used for every deal
  long ecrites = 0;        // lines added to the output
  long premiereLigne = 0;  // line number of the first of them
  std::vector<std::string> messages;
};

// Imports the deals of a PBN file. Returns 0 when every deal was imported (or
// already there), 1 when deals were skipped as bad or nothing could be done;
// the output file changes only by whole lines added in one rename.
int ImportePbn(const OptionsImport& options, RapportImport& rapport);

}  // namespace korvalo
