// korvalo-donnes: makes and checks reference-deal files with DDS.
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <string>
#include <unistd.h>

#include <random>

#include "Dds.h"
#include "Generation.h"
#include "Pbn.h"
#include "Verification.h"
#include "VariablesGlobales.h"

using namespace korvalo;

namespace {

volatile bool arretDemande = false;

void SurSignal(int) { arretDemande = true; }

int Usage() {
  std::cerr << "usage:\n"
               "  korvalo-donnes generate --count N --seed S --output FILE [--append] [--threads T]\n"
               "  korvalo-donnes verify FILE [--sample K] [--sample-seed X] [--seed S] [--threads T]\n"
               "  korvalo-donnes import-pbn FILE.pbn --output FILE [--append] [--threads T]\n";
  return 2;
}

bool LitEntier(const std::string& texte, long long& valeur) {
  if (texte.empty()) return false;
  char* fin = nullptr;
  errno = 0;
  valeur = std::strtoll(texte.c_str(), &fin, 10);
  return errno == 0 && *fin == '\0';
}

std::string Duree(double secondes) {
  if (secondes < 0 || secondes > 1e7) return "?";
  const long s = static_cast<long>(secondes);
  char texte[32];
  std::snprintf(texte, sizeof texte, "%ldh%02ldm%02lds", s / 3600, (s / 60) % 60, s % 60);
  return texte;
}

int Generate(int argc, char** argv) {
  OptionsGeneration options;
  long long threads = 0;
  bool compte = false, graine = false;
  for (int a = 2; a < argc; ++a) {
    const std::string arg = argv[a];
    long long v = 0;
    if (arg == "--append") {
      options.ajout = true;
    } else if (a + 1 < argc && arg == "--count" && LitEntier(argv[a + 1], v) && v > 0) {
      options.total = static_cast<long>(v), compte = true, ++a;
    } else if (a + 1 < argc && arg == "--seed" && LitEntier(argv[a + 1], v) && v >= 0) {
      options.graine = static_cast<std::uint64_t>(v), graine = true, ++a;
    } else if (a + 1 < argc && arg == "--output") {
      options.sortie = argv[++a];
    } else if (a + 1 < argc && arg == "--threads" && LitEntier(argv[a + 1], v) && v >= 0 && v <= 256) {
      threads = v, ++a;
    } else {
      std::cerr << "korvalo-donnes generate: unexpected or invalid argument \"" << arg << "\"\n";
      return Usage();
    }
  }
  if (!compte || !graine || options.sortie.empty()) return Usage();
  ConfigureDds(static_cast<int>(threads));
  std::signal(SIGINT, SurSignal);
  std::signal(SIGTERM, SurSignal);
  const auto debut = std::chrono::steady_clock::now();
  const bool terminal = ::isatty(STDERR_FILENO);
  auto dernier = debut;
  const auto suivi = [&](long faites, long nouvelles) {
    const auto maintenant = std::chrono::steady_clock::now();
    if (!terminal && maintenant - dernier < std::chrono::seconds(60) && faites < options.total) return;
    dernier = maintenant;
    const double secondes = std::chrono::duration<double>(maintenant - debut).count();
    const double rythme = secondes > 0 ? nouvelles / secondes : 0;
    const int largeur = 30;
    const int plein = static_cast<int>(largeur * static_cast<double>(faites) / options.total);
    std::string barre(static_cast<std::size_t>(plein), '#');
    barre.resize(largeur, '.');
    std::fprintf(stderr, "%s[%s] %ld/%ld deals  %.2f deals/s  %s left%s", terminal ? "\r" : "", barre.c_str(), faites,
                 options.total, rythme, Duree(rythme > 0 ? (options.total - faites) / rythme : -1).c_str(),
                 terminal ? "   " : "\n");
    std::fflush(stderr);
  };
  std::string erreurs;
  const int code = Genere(options, suivi, &arretDemande, erreurs);
  if (terminal) std::fputc('\n', stderr);
  std::cerr << erreurs;
  if (arretDemande) std::cerr << "interrupted: the file holds whole lines only; run again with --append to go on\n";
  return code != 0 ? code : (arretDemande ? 130 : 0);
}

// Problems listed one a line, the first ones only: a broken file would flood the terminal.
constexpr std::size_t PROBLEMES_AFFICHES = 100;

int Verify(int argc, char** argv) {
  OptionsVerification options;
  long long threads = 0;
  bool graineEchantillon = false;
  for (int a = 2; a < argc; ++a) {
    const std::string arg = argv[a];
    long long v = 0;
    if (a + 1 < argc && arg == "--sample" && LitEntier(argv[a + 1], v) && v >= 0) {
      options.echantillon = static_cast<long>(v), ++a;
    } else if (a + 1 < argc && arg == "--sample-seed" && LitEntier(argv[a + 1], v) && v >= 0) {
      options.graineEchantillon = static_cast<std::uint64_t>(v), graineEchantillon = true, ++a;
    } else if (a + 1 < argc && arg == "--seed" && LitEntier(argv[a + 1], v) && v >= 0) {
      options.graine = static_cast<std::uint64_t>(v), ++a;
    } else if (a + 1 < argc && arg == "--threads" && LitEntier(argv[a + 1], v) && v >= 0 && v <= 256) {
      threads = v, ++a;
    } else if (options.fichier.empty() && !arg.empty() && arg[0] != '-') {
      options.fichier = arg;
    } else {
      std::cerr << "korvalo-donnes verify: unexpected or invalid argument \"" << arg << "\"\n";
      return Usage();
    }
  }
  if (options.fichier.empty()) return Usage();
  if (!graineEchantillon) options.graineEchantillon = std::random_device{}() & 0x7FFFFFFF;
  ConfigureDds(static_cast<int>(threads));
  if (options.echantillon > 0)
    std::cerr << "korvalo-donnes: checking " << options.fichier << ", then solving up to " << options.echantillon
              << " random lines with DDS...\n";
  const RapportVerification r = Verifie(options);

  for (std::size_t j = 0; j < r.problemes.size() && j < PROBLEMES_AFFICHES; ++j) {
    const ProblemeFichier& p = r.problemes[j];
    std::cout << options.fichier << (p.ligne > 0 ? ":" + std::to_string(p.ligne) : std::string()) << ": " << p.message
              << "\n";
  }
  if (r.problemes.size() > PROBLEMES_AFFICHES)
    std::cout << "... and " << r.problemes.size() - PROBLEMES_AFFICHES << " more problems\n";

  std::cout << options.fichier << ": " << r.lignes << " lines\n";
  std::cout << "  read as the program reads them: " << r.lignesValides << " good, " << r.lignes - r.lignesValides
            << " bad\n";
  if (r.lignesLfSeul > 0) std::cout << "  " << r.lignesLfSeul << " lines end with a bare LF (the program accepts it)\n";
  std::cout << "  repeated deals: " << r.doublons << "\n";
  if (options.graine) std::cout << "  every good line checked against deal i of seed " << *options.graine << "\n";
  if (r.formes.fait) {
    char texte[200];
    std::snprintf(texte, sizeof texte,
                  "  hand patterns of %ld hands: chi-square %.1f on %d degrees of freedom (%d classes), p = %.4f\n",
                  r.formes.mains, r.formes.khiDeux, r.formes.degres, r.formes.classes, r.formes.p);
    std::cout << texte;
  } else {
    std::cout << "  hand patterns: too few hands for the test\n";
  }
  if (r.resolues > 0)
    std::cout << "  DDS: " << r.resolues << " random lines solved again (--sample-seed " << options.graineEchantillon
              << "), " << r.desaccords << " with a different table\n";
  if (r.problemes.empty()) {
    std::cout << "OK: no problem found\n";
    return 0;
  }
  std::cout << "FAILED: " << r.problemes.size() << " problem" << (r.problemes.size() > 1 ? "s" : "") << "\n";
  return 1;
}

int ImportPbn(int argc, char** argv) {
  OptionsImport options;
  long long threads = 0;
  for (int a = 2; a < argc; ++a) {
    const std::string arg = argv[a];
    long long v = 0;
    if (arg == "--append") {
      options.ajout = true;
    } else if (a + 1 < argc && arg == "--output") {
      options.sortie = argv[++a];
    } else if (a + 1 < argc && arg == "--threads" && LitEntier(argv[a + 1], v) && v >= 0 && v <= 256) {
      threads = v, ++a;
    } else if (options.pbn.empty() && !arg.empty() && arg[0] != '-') {
      options.pbn = arg;
    } else {
      std::cerr << "korvalo-donnes import-pbn: unexpected or invalid argument \"" << arg << "\"\n";
      return Usage();
    }
  }
  if (options.pbn.empty() || options.sortie.empty()) return Usage();
  ConfigureDds(static_cast<int>(threads));
  RapportImport r;
  const int code = ImportePbn(options, r);
  for (const std::string& m : r.messages) std::cerr << m << "\n";
  std::cout << options.pbn << ": " << r.parties << " games, " << r.donnes << " deals";
  if (r.mauvaises > 0) std::cout << ", " << r.mauvaises << " bad (skipped)";
  if (r.doublons > 0) std::cout << ", " << r.doublons << " already taken (skipped)";
  std::cout << "\n  carried double-dummy tables: " << r.portees << ", " << r.controlees << " checked against DDS"
            << (r.desaccord ? ": not trusted, DDS used for every deal" : "") << "\n  solved by DDS: " << r.resolues
            << "\n";
  if (r.ecrites > 0)
    std::cout << options.sortie << ": lines " << r.premiereLigne << " to " << r.premiereLigne + r.ecrites - 1
              << " added\n";
  else
    std::cout << options.sortie << ": nothing added\n";
  return code;
}

}  // namespace

int main(int argc, char** argv) {
  InitialiseTables();
  if (argc < 2) return Usage();
  const std::string commande = argv[1];
  try {
    if (commande == "generate") return Generate(argc, argv);
    if (commande == "verify") return Verify(argc, argv);
    if (commande == "import-pbn") return ImportPbn(argc, argv);
  } catch (const std::exception& e) {
    std::cerr << "korvalo-donnes: " << e.what() << "\n";
    return 1;
  }
  return Usage();
}
