#include "Messages.h"

#include "Textes.h"

namespace korvalo {

namespace {

// French first, English second, so the two versions of a message stay together.
const char* Choix(const char* francais, const char* anglais) { return LangueAnglaise() ? anglais : francais; }

// Control bytes of a quoted text are shown as '?': a message never carries a
// terminal escape sequence or a tab from a damaged file.
std::string Guillemets(std::string texte) {
  for (char& c : texte)
    if (static_cast<unsigned char>(c) < 32 || c == 127) c = '?';
  return LangueAnglaise() ? "\"" + texte + "\"" : "« " + texte + " »";
}

// "fichier, ligne n" / "file, line n".
std::string Lieu(const std::string& chemin, long ligne) {
  std::string lieu = chemin;
  if (ligne > 0) lieu += Choix(", ligne ", ", line ") + std::to_string(ligne);
  return lieu;
}

std::string DeuxPoints() { return Choix(" : ", ": "); }

// The system's own reason (permission denied, no space left ...) that the
// file layer puts after the path in what().
std::string Raison(const ErreurFichier& e) {
  const std::string quoi = e.what();
  const std::string debut = e.fichier + ": ";
  if (quoi.rfind(debut, 0) == 0 && quoi.size() > debut.size()) return " (" + quoi.substr(debut.size()) + ")";
  return "";
}

std::string RaisonLigneInvalide(ErreurFichier::Cause cause) {
  using C = ErreurFichier::Cause;
  switch (cause) {
    case C::OctetNul:
      return Choix("ligne illisible : elle contient un octet nul.", "unreadable line: it holds a NUL byte.");
    case C::LigneTropLongue:
      return Choix("ligne illisible : plus de 4096 caractères.", "unreadable line: over 4096 characters.");
    case C::FinDeLigneCR:
      return Choix("ligne illisible : fin de ligne CR seule.", "unreadable line: CR-only line end.");
    case C::TexteEnTrop:
      return Choix("texte après la dernière ligne attendue.", "text after the last expected line.");
    case C::Autre:
      break;
  }
  return Choix("ligne illisible.", "unreadable line.");
}

std::string Champ(int champ) {
  if (champ <= NB_MAINS_LIGNE) {
    const int siege = (champ - 1) / 4 + 1, couleur = (champ - 1) % 4 + 1;
    return std::string(Choix("champ ", "field ")) + std::to_string(champ) +
           Choix(" (main du siège ", " (holding of seat ") + std::to_string(siege) +
           Choix(", couleur ", ", suit ") + std::to_string(couleur) + ")";
  }
  const int k = champ - NB_MAINS_LIGNE - 1;
  return std::string(Choix("champ ", "field ")) + std::to_string(champ) +
         Choix(" (levées du déclarant ", " (tricks of declarer ") + std::to_string(k / 5 + 1) +
         Choix(", dénomination ", ", strain ") + std::to_string(k % 5 + 1) + ")";
}

}  // namespace

std::string MessageErreurFichier(const ErreurFichier& e) {
  using G = ErreurFichier::Genre;
  const std::string lieu = Lieu(e.fichier, e.ligne);
  switch (e.genre) {
    case G::Ouverture:
      return Choix("Impossible de lire le fichier ", "Cannot read the file ") + lieu + Raison(e) + ".";
    case G::Ecriture:
      return Choix("Impossible d'écrire le fichier ", "Cannot write the file ") + lieu + Raison(e) + ".";
    case G::NombreInvalide:
      return lieu + DeuxPoints() + Guillemets(e.trouve) + Choix(" n'est pas un nombre valide.", " is not a valid number.");
    case G::HorsLimites:
      return lieu + DeuxPoints() + Choix("la valeur ", "the value ") + Guillemets(e.trouve) +
             Choix(" est hors limites.", " is out of range.");
    case G::FinPrematuree:
      return lieu + DeuxPoints() + Choix("le fichier s'arrête avant sa dernière ligne.", "the file ends before its last line.");
    case G::LigneInvalide:
      return lieu + DeuxPoints() + RaisonLigneInvalide(e.cause);
  }
  return e.what();
}

std::string MessageReferenceTropCourte(const std::string& chemin, long lues, long demandees) {
  if (LangueAnglaise())
    return "The reference file " + chemin + " holds only " + std::to_string(lues) + " deals, " +
           std::to_string(demandees) + " were asked.";
  return "Le fichier de référence " + chemin + " ne contient que " + std::to_string(lues) + " donnes, " +
         std::to_string(demandees) + " demandées.";
}

std::string MessageLigneReference(const std::string& chemin, long ligne, const ResultatLigne& r) {
  const std::string debut = Lieu(chemin, ligne) + (r.champ > 0 ? ", " + Champ(r.champ) : "") + DeuxPoints();
  switch (r.erreur) {
    case ErreurLigne::Aucune:
      break;
    case ErreurLigne::ChampVide:
      return debut + Choix("valeur vide (espace en tête ou doublée, ou ligne trop courte).",
                           "empty value (a leading or doubled space, or the line ends too early).");
    case ErreurLigne::PasUnEntier:
      return debut + Guillemets(r.texte) + Choix(" n'est pas un entier.", " is not an integer.");
    case ErreurLigne::EspaceManquant:
      return debut + Choix("la valeur ", "the value ") + Guillemets(r.texte) +
             Choix(" n'est pas suivie d'une espace.", " is not followed by a space.");
    case ErreurLigne::MainHorsBornes:
      return debut + Choix("la main ", "the holding ") + r.texte + Choix(" dépasse 8191.", " is above 8191.");
    case ErreurLigne::LeveesHorsBornes:
      return debut + Choix("le nombre de levées ", "the trick count ") + r.texte +
             Choix(" dépasse 13.", " is above 13.");
    case ErreurLigne::DonneIncomplete:
      return debut + Choix("les quatre mains ne forment pas une donne complète (13 cartes chacune, aucune carte en double).",
                           "the four hands are not a complete deal (13 cards each, no card held twice).");
  }
  return debut;
}

std::string MessageLigneIllisible(const std::string& chemin, long ligne, DefautLigne defaut) {
  const std::string debut = Lieu(chemin, ligne) + DeuxPoints();
  switch (defaut) {
    case DefautLigne::OctetNul:
      return debut + Choix("la ligne contient un octet nul.", "the line holds a NUL byte.");
    case DefautLigne::RetourChariotSeul:
      return debut + Choix("fin de ligne CR seule (les lignes finissent par CR LF ou LF).",
                           "CR-only line end (lines end with CR LF or LF).");
    case DefautLigne::TropLongue:
      return debut + Choix("ligne de plus de 4096 caractères.", "line over 4096 characters.");
  }
  return debut;
}

std::string MessageReferenceIntrouvable(const std::string& chemin) {
  const std::string commande = "korvalo-donnes generate --count 100000 --seed 20261211 --output \"" + chemin + "\"";
  if (LangueAnglaise())
    return "The reference file " + chemin + " is missing. To make one (about 4 deals a second per core): " + commande;
  return "Le fichier de référence " + chemin + " est introuvable. Pour en créer un (environ 4 donnes par seconde et par cœur) : " +
         commande;
}

std::string MessageUsage() {
  return Choix(
      "usage : korvalo-cli [--data-dir DOSSIER] [--lang fr|en] COMMANDE\n"
      "  evaluate --system S --deals N [--save]   évalue le système S (1..6) sur N donnes (1..100000)\n"
      "  values --system S                        valeurs du système S\n"
      "  compare                                  comparaison des six systèmes\n"
      "  overbids                                 bornes des surenchères\n"
      "  hands --system S --deals N               points et levées de chaque donne, une ligne par observation\n"
      "  bench                                    empreinte et durée des six systèmes sur data/FichierReference.txt",
      "usage: korvalo-cli [--data-dir FOLDER] [--lang fr|en] COMMAND\n"
      "  evaluate --system S --deals N [--save]   evaluates system S (1..6) on N deals (1..100000)\n"
      "  values --system S                        values of system S\n"
      "  compare                                  comparison of the six systems\n"
      "  overbids                                 bounds of overbids\n"
      "  hands --system S --deals N               points and tricks of each deal, one line per observation\n"
      "  bench                                    checksum and time of the six systems on data/FichierReference.txt");
}

std::string MessageArgumentInconnu(const std::string& argument) {
  return Choix("argument inconnu : ", "unknown argument: ") + argument;
}

std::string MessageValeurManquante(const std::string& option) {
  return Choix("l'option ", "the option ") + option + Choix(" attend une valeur", " needs a value");
}

std::string MessageLangueInconnue(const std::string& langue) {
  return Choix("langue inconnue : ", "unknown language: ") + langue + Choix(" (fr ou en)", " (fr or en)");
}

std::string MessageFichierMesure(const std::string& chemin, int donnes) {
  return chemin + DeuxPoints() + std::to_string(donnes) + Choix(" donnes", " deals");
}

}  // namespace korvalo
