#pragma once
// Where the program finds its folders and shipped files, on every platform.

#include <string>
#include <vector>

namespace korvalo {

// $APPDATA/Korvalo when APPDATA is set and not empty, else
// $XDG_DATA_HOME/Korvalo, else ~/.local/share/Korvalo; the whole path is
// created when missing. Ends with a separator. Throws ErreurFichier when the
// folder cannot be created.
std::string CalculeDossierDonnees();

// The folders searched for shipped files, in order: the working directory,
// <exe dir>/../share/korvalo, the build tree, the source tree.
// Each ends with a separator.
std::vector<std::string> DossiersLivres();

// Full path of the first existing candidate for a shipped file given by its
// relative path ("data/FichierReference.txt", "Images/XGA/Bouee.bmp",
// "Help/Aide_KV_Fr.pdf"); empty when none exists.
std::string TrouveFichierLivre(const std::string& relatif);

// The first of DossiersLivres() that holds Images/; the working directory
// when none does. Ends with a separator.
std::string CalculeDossierProgramme();

enum class InstallationReference { DejaPresente, Installee, Introuvable };

// First start: when dossierDonnees has no FichierReference.txt, copies the
// shipped data/FichierReference.txt there through a temporary file and a
// rename that never replaces an existing file. Throws ErreurFichier when the
// copy fails (no partial file left).
InstallationReference InstalleFichierReference(const std::string& dossierDonnees);
// The same from a given source file (empty: Introuvable).
InstallationReference InstalleFichierReferenceDepuis(const std::string& dossierDonnees, const std::string& source);

}  // namespace korvalo
