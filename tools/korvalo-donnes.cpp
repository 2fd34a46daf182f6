// korvalo-donnes: makes and checks reference-deal files with DDS.
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <string>
#include <unistd.h>

#include "Dds.h"
#include "Generation.h"
#include "VariablesGlobales.h"

using namespace korvalo;

namespace {

volatile bool arretDemande = false;

void SurSignal(int) { arretDemande = true; }

int Usage() {
  std::cerr << "usage:\n"
               "  korvalo-donnes generate --count N --seed S --output FILE [--append] [--threads T]\n"
               "  korvalo-donnes verify FILE [--sample K] [--seed S] [--threads T]\n"
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

}  // namespace

int main(int argc, char** argv) {
  InitialiseTables();
  if (argc < 2) return Usage();
  const std::string commande = argv[1];
  try {
    if (commande == "generate") return Generate(argc, argv);
  } catch (const std::exception& e) {
    std::cerr << "korvalo-donnes: " << e.what() << "\n";
    return 1;
  }
  return Usage();
}
