#pragma once
// The window's own messages (start-up problems, files set aside, the help
// document), in the current language.

#include <string>
#include <vector>

namespace korvalo {

// Images of the buttons that could not be loaded; the program goes on.
std::string MessageImagesManquantes(const std::string& dossier, const std::vector<std::string>& fichiers);
// A parameters file that exists but cannot be read at start: the defaults
// are used and the file is kept until the next save.
std::string MessageParametresIllisibles(const std::string& erreur);
// The same for the values file: every system counts as not evaluated.
std::string MessageValeursIllisibles(const std::string& erreur);
// The unreadable file has been renamed aside before being replaced.
std::string MessageFichierMisDeCote(const std::string& ancien, const std::string& nouveau);
// The help document of the current language is missing.
std::string MessageAideIntrouvable(const std::string& chemin);
// The system could not open the help document.
std::string MessageAideNonOuverte(const std::string& chemin);
// A failure that is not one of ours (out of memory, a library's exception).
std::string MessageErreurInattendue(const std::string& quoi);

}  // namespace korvalo
