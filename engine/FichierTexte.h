#pragma once
// Text files of the data directory: atomic replacement, numbers in either
// decimal separator, errors that name file, line and text.

#include <cstddef>
#include <stdexcept>
#include <string>
#include <vector>

namespace korvalo {

// what() reads "<fichier>, line <ligne>: <message> (found "<trouve>")", in
// English; the window builds its own text from the fields.
class ErreurFichier : public std::runtime_error {
 public:
  enum class Genre {
    Ouverture,      // cannot open for reading
    Ecriture,       // cannot create, write, flush or rename
    NombreInvalide, // a line that is not a number of the expected kind
    HorsLimites,    // not finite, or beyond the magnitude the file allows
    FinPrematuree,  // the file ends before its last line
    LigneInvalide,  // NUL byte, overlong line, CR-only line ends, text past the end
  };
  // Which fault made a line unreadable, so a message names that one only.
  enum class Cause { Autre, OctetNul, LigneTropLongue, FinDeLigneCR, TexteEnTrop };
  ErreurFichier(Genre genre, std::string fichier, long ligne, std::string trouve, const std::string& message,
                Cause cause = Cause::Autre);
  Genre genre;
  Cause cause;
  std::string fichier;
  long ligne;          // 1-based; 0 when the error is not about one line
  std::string trouve;  // the text found on that line (shortened)
};

// The decimal separator of the user's regional settings (LC_NUMERIC / LANG).
char SeparateurDecimalUtilisateur();

// Replaces chemin by the given lines, each ended by CR LF: writes
// chemin + SUFFIXE_TEMPORAIRE, flushes and fsyncs it, then renames it over
// chemin. On failure the old file is intact and the temporary file removed.
inline constexpr const char* SUFFIXE_TEMPORAIRE = ".korvalo-tmp";
void EcritFichierAtomique(const std::string& chemin, const std::vector<std::string>& lignes);

// Removes a temporary file left next to chemin by a killed process.
void SupprimeTemporaireOrphelin(const std::string& chemin);

// Renames an unreadable file aside (chemin + ".illisible", then
// ".illisible.2", ... never over an earlier one); returns the new path.
std::string MetDeCoteFichierIllisible(const std::string& chemin);

// Writes all of data to the file descriptor, retrying after signals and short
// writes; false on error (errno set).
bool EcritTout(int fd, const char* data, std::size_t taille);
inline bool EcritTout(int fd, const std::string& texte) { return EcritTout(fd, texte.data(), texte.size()); }

// Test hook: when >= 0, EcritFichierAtomique fails after writing that many lines.
extern long EchecEcritureApresLignes;

// Reads a data file as lines (CR LF or LF; a UTF-8 BOM at the start and a
// missing final line end are accepted; NUL bytes, lines over 4096 characters
// and CR-only line ends are refused). Throws ErreurFichier.
std::vector<std::string> LitLignes(const std::string& chemin);

// Parses a decimal number written with "." or "," ; false when the whole text
// is not one finite number of magnitude <= limite.
bool LitReel(const std::string& texte, double limite, double& valeur);

// Reads line index (0-based) of a file's lines as such a number; throws
// ErreurFichier naming chemin and line index + 1: FinPrematuree past the last
// line, NombreInvalide for a text that is no number, HorsLimites for nan, inf,
// a magnitude above limite or one too small for a double.
double LitReelDeLigne(const std::vector<std::string>& lignes, std::size_t index, const std::string& chemin,
                      double limite);

// A line shortened for an error message (40 characters, control bytes as '?').
std::string ExtraitLigne(const std::string& ligne);

// Writes a float in plain decimal notation (never an exponent), with the
// fewest digits that read back to the same float, and the given separator;
// -0 is written "0". Throws std::invalid_argument for nan and infinities,
// which no reader would take back.
std::string EcritReel(float x, char separateur);

}  // namespace korvalo
