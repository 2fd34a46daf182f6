#include "MessagesFenetre.h"

#include "Textes.h"

namespace korvalo {

namespace {

std::string Choisit(const std::string& anglais, const std::string& francais) {
  return LangueAnglaise() ? anglais : francais;
}

}  // namespace

std::string MessageImagesManquantes(const std::string& dossier, const std::vector<std::string>& fichiers) {
  std::string liste;
  for (const auto& f : fichiers) liste += "\r  " + f;
  return Choisit("These button images could not be loaded from " + dossier + ":" + liste +
                     "\rThe buttons are shown without them.",
                 "Ces images de boutons n'ont pas pu être chargées depuis " + dossier + " :" + liste +
                     "\rLes boutons sont affichés sans elles.");
}

std::string MessageParametresIllisibles(const std::string& erreur) {
  return Choisit(erreur + "\rThe default parameters are used. The unreadable file is kept: it will be renamed aside before the next save.",
                 erreur + "\rLes paramètres par défaut sont utilisés. Le fichier illisible est conservé : il sera renommé avant le prochain enregistrement.");
}

std::string MessageValeursIllisibles(const std::string& erreur) {
  return Choisit(erreur + "\rEvery system counts as not evaluated. The unreadable file is kept: it will be renamed aside before the next save.",
                 erreur + "\rTous les systèmes sont considérés comme non évalués. Le fichier illisible est conservé : il sera renommé avant le prochain enregistrement.");
}

std::string MessageFichierMisDeCote(const std::string& ancien, const std::string& nouveau) {
  return Choisit("The unreadable file " + ancien + " has been kept as " + nouveau + " before being replaced.",
                 "Le fichier illisible " + ancien + " a été conservé sous le nom " + nouveau + " avant d'être remplacé.");
}

std::string MessageAideIntrouvable(const std::string& chemin) {
  return Choisit("The help document " + chemin + " is missing.", "Le document d'aide " + chemin + " est introuvable.");
}

std::string MessageAideNonOuverte(const std::string& chemin) {
  return Choisit("No program could open the help document " + chemin + ".",
                 "Aucun programme n'a pu ouvrir le document d'aide " + chemin + ".");
}

std::string MessageErreurInattendue(const std::string& quoi) {
  return Choisit("Unexpected error: " + quoi, "Erreur inattendue : " + quoi);
}

}  // namespace korvalo
