// korvalo-mesure-dds: deals per second of DDS's own batch call on the deals
// that `korvalo-donnes generate` makes, with nothing of ours around it but the
// encoding. Compare with the rate generate reports for the same count, seed
// and threads.
//
//   korvalo-mesure-dds --count N --seed S [--threads T]
#include <dds/dll.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "Dds.h"
#include "Hasard.h"
#include "VariablesGlobales.h"

using namespace korvalo;

int main(int argc, char** argv) {
  InitialiseTables();
  long nombre = 0, threads = 0;
  std::uint64_t graine = 1;
  for (int a = 1; a + 1 < argc; a += 2) {
    const std::string arg = argv[a];
    const long long v = std::strtoll(argv[a + 1], nullptr, 10);
    if (arg == "--count") nombre = static_cast<long>(v);
    else if (arg == "--seed") graine = static_cast<std::uint64_t>(v);
    else if (arg == "--threads") threads = static_cast<long>(v);
  }
  if (nombre <= 0 || argc % 2 == 0) {
    std::fprintf(stderr, "usage: korvalo-mesure-dds --count N --seed S [--threads T]\n");
    return 2;
  }
  SetResources(0, static_cast<int>(threads));
  // The deals are made before the clock starts: only DDS is timed.
  std::vector<tcarreword> donnes;
  for (long i = 1; i <= nombre; ++i) donnes.push_back(DonneAleatoire(graine, static_cast<std::uint64_t>(i)));
  auto demande = std::make_unique<ddTableDeals>();
  auto reponse = std::make_unique<ddTablesRes>();
  auto par = std::make_unique<allParResults>();
  int filtre[DDS_STRAINS] = {0, 0, 0, 0, 0};
  const auto debut = std::chrono::steady_clock::now();
  for (long premier = 0; premier < nombre; premier += MAXNOOFTABLES) {
    const long n = std::min<long>(MAXNOOFTABLES, nombre - premier);
    demande->noOfTables = static_cast<int>(n);
    for (long j = 0; j < n; ++j)
      for (int main = 0; main < DDS_HANDS; ++main)
        for (int couleur = 0; couleur < DDS_SUITS; ++couleur)
          demande->deals[j].cards[main][couleur] = VersDds(donnes[static_cast<std::size_t>(premier + j)][main + 1][couleur + 1]);
    const int code = CalcAllTables(demande.get(), -1, filtre, reponse.get(), par.get());
    if (code != RETURN_NO_FAULT) {
      std::fprintf(stderr, "DDS error %d\n", code);
      return 1;
    }
  }
  const double secondes = std::chrono::duration<double>(std::chrono::steady_clock::now() - debut).count();
  std::printf("%ld deals of seed %llu, threads %ld: %.2f s, %.2f deals/s\n", nombre,
              static_cast<unsigned long long>(graine), threads, secondes, nombre / secondes);
  return 0;
}
