#pragma once
// The simulation layer's own messages, in the current language
// (LangueAnglaise()).

#include <stdexcept>
#include <string>

#include "FichierTexte.h"
#include "LigneReference.h"

namespace korvalo {

// A run or data error whose text is ready for the user.
class ErreurEvaluation : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A file error (reading or writing a data file) in the current language.
std::string MessageErreurFichier(const ErreurFichier& e);
// "le fichier de référence ne contient que X donnes, N demandées".
std::string MessageReferenceTropCourte(const std::string& chemin, long lues, long demandees);
// A bad reference line: file, line number, field and what is wrong.
std::string MessageLigneReference(const std::string& chemin, long ligne, const ResultatLigne& r);
// A reference line refused before parsing.
enum class DefautLigne { OctetNul, RetourChariotSeul, TropLongue };
std::string MessageLigneIllisible(const std::string& chemin, long ligne, DefautLigne defaut);
// The reference file is missing, and how to make one with korvalo-donnes.
std::string MessageReferenceIntrouvable(const std::string& chemin);

// korvalo-cli: usage, and what is wrong with the command line.
std::string MessageUsage();
std::string MessageArgumentInconnu(const std::string& argument);
std::string MessageValeurManquante(const std::string& option);
std::string MessageLangueInconnue(const std::string& langue);
// korvalo-cli bench: the file measured and its deal count.
std::string MessageFichierMesure(const std::string& chemin, int donnes);

}  // namespace korvalo
