// korvalo-cli: the workbench's evaluation run, reports and measures from a
// terminal, on the same data directory and with the same code as the window.
//
// Exit status: 0 done, 1 a data file could not be read or written (message on
// stderr, no file changed), 2 invalid arguments.

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "Emplacements.h"
#include "Encheres.h"
#include "FichierTexte.h"
#include "Messages.h"
#include "Parametres.h"
#include "Rapports.h"
#include "Simulation.h"
#include "Textes.h"
#include "TextesFixes.h"
#include "Valeurs.h"

namespace korvalo {
namespace {

namespace fs = std::filesystem;

constexpr int SORTIE_DONNEES = 1;
constexpr int SORTIE_ARGUMENTS = 2;

// Stops the command with an exit status and a message for stderr.
struct Arret {
  int statut;
  std::string message;
};

struct Arguments {
  std::string commande;
  std::optional<std::string> dossier;
  std::optional<std::string> systeme;
  std::optional<std::string> donnes;
  bool enregistre = false;
};

void Ecrit(std::FILE* f, const std::vector<std::string>& lignes) {
  std::string texte;
  for (const std::string& l : lignes) {
    texte += l;
    texte += '\n';
  }
  std::fwrite(texte.data(), 1, texte.size(), f);
}

void EcritLigne(std::FILE* f, const std::string& ligne) { Ecrit(f, {ligne}); }

Arguments Analyse(int argc, char** argv) {
  // The language first, so that every later message is in it.
  for (int i = 1; i + 1 < argc; ++i)
    if (std::string(argv[i]) == "--lang") {
      const std::string l = argv[i + 1];
      if (l == "en") Langue = "anglais";
      else if (l == "fr") Langue = "francais";
      ChangeLangue();
      if (l != "en" && l != "fr") throw Arret{SORTIE_ARGUMENTS, MessageLangueInconnue(l) + "\n" + MessageUsage()};
    }

  Arguments a;
  auto valeur = [&](int& i) -> std::string {
    if (i + 1 >= argc) throw Arret{SORTIE_ARGUMENTS, MessageValeurManquante(argv[i]) + "\n" + MessageUsage()};
    return argv[++i];
  };
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--lang") valeur(i);
    else if (arg == "--data-dir") a.dossier = valeur(i);
    else if (arg == "--system") a.systeme = valeur(i);
    else if (arg == "--deals") a.donnes = valeur(i);
    else if (arg == "--save") a.enregistre = true;
    else if (arg == "--help" || arg == "-h") throw Arret{0, MessageUsage()};
    else if (a.commande.empty() && !arg.empty() && arg[0] != '-') a.commande = arg;
    else throw Arret{SORTIE_ARGUMENTS, MessageArgumentInconnu(arg) + "\n" + MessageUsage()};
  }

  // Each command takes only its own options.
  const bool systeme = a.commande == "evaluate" || a.commande == "values" || a.commande == "hands";
  const bool donnes = a.commande == "evaluate" || a.commande == "hands";
  const bool connue = systeme || a.commande == "compare" || a.commande == "overbids" || a.commande == "bench";
  if (!connue)
    throw Arret{SORTIE_ARGUMENTS, (a.commande.empty() ? std::string() : MessageArgumentInconnu(a.commande) + "\n") +
                                      MessageUsage()};
  if ((a.systeme && !systeme) || (a.donnes && !donnes) || (a.enregistre && a.commande != "evaluate"))
    throw Arret{SORTIE_ARGUMENTS, MessageArgumentInconnu(a.systeme && !systeme   ? "--system"
                                                         : a.donnes && !donnes ? "--deals"
                                                                               : "--save") +
                                      "\n" + MessageUsage()};
  return a;
}

// The two input boxes of the run: the system, then the deal count; a missing
// option is a cancelled box, which answers "0".
int Systeme(const Arguments& a) {
  const std::string texte = a.systeme.value_or(ReponseParDefaut);
  if (!EntierValide(texte, 0, 7)) throw Arret{SORTIE_ARGUMENTS, Textes[NumeroTexte::ValeurIncorrecte]};
  return std::stoi(texte);
}

int NombreDeDonnes(const Arguments& a) {
  const std::string texte = a.donnes.value_or(ReponseParDefaut);
  if (!EntierValide(texte, 0, NB_DONNES_MAX + 1)) throw Arret{SORTIE_ARGUMENTS, NombreDonnesIncorrect};
  return std::stoi(texte);
}

std::string Dossier(const Arguments& a) {
  if (!a.dossier) return CalculeDossierDonnees();
  fs::path p(*a.dossier);
  std::error_code ec;
  fs::create_directories(p, ec);
  if (!fs::is_directory(p))
    throw ErreurFichier(ErreurFichier::Genre::Ecriture, p.string(), 0, "",
                        "cannot create the folder: " + (ec ? ec.message() : std::string("not a folder")));
  std::string s = p.string();
  if (s.back() != '/') s += '/';
  return s;
}

// As at the program's start: the data folder, the parameters file (defaults
// written when missing), the values file when present. Any file that exists
// but cannot be read stops everything before a file is written.
std::string Demarre(const Arguments& a) {
  const std::string dossier = Dossier(a);
  const std::string parametres = dossier + "ParametresDesComptesDePoints.txt";
  const std::string valeurs = dossier + NOM_FICHIER_VALEURS;
  SupprimeTemporaireOrphelin(parametres);
  SupprimeTemporaireOrphelin(valeurs);
  const bool parametresPresents = fs::exists(parametres);
  if (parametresPresents) LireParametresDesComptesDePoints(parametres);
  else ParametresParDefaut();
  if (fs::exists(valeurs)) LireValeursDesComptesDePoints(valeurs);
  if (!parametresPresents) EnregistrerParametresDesComptesDePoints(parametres, SeparateurDecimalUtilisateur());
  return dossier;
}

std::string FichierReferenceDe(const std::string& dossier) {
  InstalleFichierReference(dossier);
  return dossier + NOM_FICHIER_REFERENCE;
}

int Evalue(const Arguments& a) {
  const int s = Systeme(a);
  const int N = NombreDeDonnes(a);
  const std::string dossier = Demarre(a);
  EvalueSysteme(s, N, FichierReferenceDe(dossier),
                [](int, const std::vector<std::string>& lignes) { Ecrit(stderr, lignes); });
  Ecrit(stdout, Comparaison_old_new(s));
  if (a.enregistre) {
    AdopteNouvellesValeurs();
    const char separateur = SeparateurDecimalUtilisateur();
    EnregistrerParametresDesComptesDePoints(dossier + "ParametresDesComptesDePoints.txt", separateur);
    EnregistrerValeursDesComptesDePoints(dossier + NOM_FICHIER_VALEURS, separateur);
  }
  return 0;
}

int Valeurs(const Arguments& a) {
  const int s = Systeme(a);
  Demarre(a);
  if (ValeursSystemes[s].NbDonnes == 0) EcritLigne(stdout, Textes[NumeroTexte::SystemeNonEvalue]);
  else Ecrit(stdout, AfficheValeurs(s));
  return 0;
}

int Mains(const Arguments& a) {
  const int s = Systeme(a);
  const int N = NombreDeDonnes(a);
  const std::string chemin = FichierReferenceDe(Demarre(a));
  LitLignesReference(chemin, N);
  const char lettre = LettreSysteme(s);
  auto cumuls = std::make_unique<TCumuls>();
  RemetAZero(*cumuls);
  std::string texte;
  auto champ = [&texte](const auto& v) {
    texte += '\t';
    if constexpr (std::is_convertible_v<decltype(v), std::string>) texte += v;
    else texte += std::to_string(v);
  };
  for (int d = 1; d <= N; ++d) {
    TDonneReference donne;
    AnalyseDonne(d, donne);
    TObservationsDonne o;
    CompteDonne(donne, lettre, *cumuls, &o);
    for (int f = 0; f < o.NbFits; ++f) {
      const TFitObserve& fit = o.Fits[f];
      texte += 'F';
      champ(d);
      champ(std::string(fit.Camp == 1 ? "NS" : "EW"));
      champ(fit.Couleur);
      champ(fit.PHS1);
      champ(fit.PHS2);
      champ(fit.Classe);
      champ(fit.Points);
      champ(fit.Levees);
      texte += '\n';
    }
    texte += 'N';
    champ(d);
    champ(o.PHo1);
    champ(o.PHL1);
    champ(o.PHo3);
    champ(o.PHL3);
    champ(o.LeveesSansAtout);
    texte += '\n';
    if (texte.size() > (1 << 16)) {
      std::fwrite(texte.data(), 1, texte.size(), stdout);
      texte.clear();
    }
  }
  std::fwrite(texte.data(), 1, texte.size(), stdout);
  return 0;
}

// The six systems under the default parameters on the shipped deals: a
// checksum of the tallies (a functional change moves it) and the time.
int Mesure() {
  const std::string chemin = TrouveFichierLivre("data/FichierReference.txt");
  if (chemin.empty()) throw ErreurEvaluation(MessageReferenceIntrouvable("data/FichierReference.txt"));
  const int N = LitLignesReferenceAuPlus(chemin, NB_DONNES_MAX);
  if (N == 0) throw ErreurEvaluation(MessageReferenceTropCourte(chemin, 0, NB_DONNES_MAX));
  ParametresParDefaut();
  EcritLigne(stdout, MessageFichierMesure(chemin, N));
  auto valeurs = std::make_unique<TValeursSysteme>();
  for (int s = 1; s <= NB_SYSTEMES; ++s) {
    const auto debut = std::chrono::steady_clock::now();
    LettreRun = LettreSysteme(s);
    RemetAZero(Cumuls);
    for (int d = 1; d <= N; ++d) EvalueDonne(d);
    CalculeValeurs(Cumuls, N, *valeurs);
    const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - debut).count();
    char ligne[128];
    std::snprintf(ligne, sizeof ligne, "%d %-16s %016llx %8.1f ms", s, NomsSystemesAffichage[s] + (s == 1),
                  static_cast<unsigned long long>(EmpreinteCumuls(Cumuls)), ms);
    EcritLigne(stdout, ligne);
  }
  return 0;
}

int Execute(int argc, char** argv) {
  InitialiseTables();
  ChangeLangue();
  const Arguments a = Analyse(argc, argv);
  if (a.commande == "evaluate") return Evalue(a);
  if (a.commande == "values") return Valeurs(a);
  if (a.commande == "hands") return Mains(a);
  if (a.commande == "bench") return Mesure();
  if (a.commande == "compare") {
    Demarre(a);
    Ecrit(stdout, ComparaisonSystemes());
    return 0;
  }
  Demarre(a);
  Ecrit(stdout, TableauEncheres());
  return 0;
}

}  // namespace
}  // namespace korvalo

int main(int argc, char** argv) {
  using namespace korvalo;
  // Large reports go out in few writes.
  static char tampon[1 << 16];
  std::setvbuf(stdout, tampon, _IOFBF, sizeof tampon);
  int statut = SORTIE_DONNEES;
  std::string message;
  try {
    statut = Execute(argc, argv);
  } catch (const Arret& a) {
    statut = a.statut;
    message = a.message;
  } catch (const ErreurFichier& e) {
    message = MessageErreurFichier(e);
  } catch (const std::exception& e) {
    message = e.what();
  }
  std::fflush(stdout);
  if (!message.empty()) {
    message += '\n';
    std::fwrite(message.data(), 1, message.size(), statut == 0 ? stdout : stderr);
  }
  return statut;
}
