// Speed of the evaluation run on 100,000 deals already read (parse, score,
// statistics), per system, and of the pieces around it.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <memory>

#include "../tests/simulation/Mains.h"
#include "Parametres.h"
#include "Rapports.h"
#include "Simulation.h"
#include "Textes.h"
#include "Valeurs.h"

namespace korvalo {
namespace {

constexpr int N = 100000;

// 100,000 random complete deals (made-up trick counts) in a temporary file.
const std::string& Fichier() {
  static const std::string chemin = [] {
    InitialiseTables();
    ParametresParDefaut();
    ChangeLangue();
    std::string modele = "/tmp/korvalo-bench-XXXXXX";
    const int fd = ::mkstemp(modele.data());
    std::mt19937_64 g(20261211);
    std::string texte;
    for (int i = 0; i < N; ++i) texte += FormateLigneReference(test::DonneAleatoire(g)) + "\r\n";
    if (::write(fd, texte.data(), texte.size()) != static_cast<ssize_t>(texte.size())) std::abort();
    ::close(fd);
    std::atexit([] { std::remove(Fichier().c_str()); });
    return modele;
  }();
  return chemin;
}

void Lecture(benchmark::State& state) {
  for (auto _ : state) LitLignesReference(Fichier(), N);
}
BENCHMARK(Lecture)->Unit(benchmark::kMillisecond);

void Analyse(benchmark::State& state) {
  LitLignesReference(Fichier(), N);
  TDonneReference d;
  for (auto _ : state)
    for (int i = 1; i <= N; ++i) benchmark::DoNotOptimize(AnalyseLigneReference(LignesReference[i], d));
}
BENCHMARK(Analyse)->Unit(benchmark::kMillisecond);

// The run without its file read: what a run costs once the lines are in memory.
void Run(benchmark::State& state) {
  LitLignesReference(Fichier(), N);
  const int systeme = static_cast<int>(state.range(0));
  auto valeurs = std::make_unique<TValeursSysteme>();
  for (auto _ : state) {
    LettreRun = LettreSysteme(systeme);
    RemetAZero(Cumuls);
    for (int d = 1; d <= N; ++d) EvalueDonne(d);
    CalculeValeurs(Cumuls, N, *valeurs);
    benchmark::DoNotOptimize(valeurs->NbDonnes);
  }
  state.SetLabel(std::string(1, LettreSysteme(systeme)));
}
BENCHMARK(Run)->DenseRange(1, 6)->Unit(benchmark::kMillisecond);

// The whole run as the window does it, file read and progress displays included.
void EvalueSystemeComplet(benchmark::State& state) {
  Fichier();
  for (auto _ : state)
    EvalueSysteme(static_cast<int>(state.range(0)), N, Fichier(),
                  [](int, const std::vector<std::string>& l) { benchmark::DoNotOptimize(l.data()); });
}
BENCHMARK(EvalueSystemeComplet)->Arg(1)->Arg(4)->Unit(benchmark::kMillisecond);

void Rapports(benchmark::State& state) {
  for (auto _ : state) {
    benchmark::DoNotOptimize(AfficheValeurs(1));
    benchmark::DoNotOptimize(ComparaisonSystemes());
    benchmark::DoNotOptimize(Comparaison_old_new(1));
  }
}
BENCHMARK(Rapports)->Unit(benchmark::kMicrosecond);

void FichierValeurs(benchmark::State& state) {
  const std::string chemin = Fichier() + ".valeurs";
  for (auto _ : state) {
    EnregistrerValeursDesComptesDePoints(chemin, '.');
    LireValeursDesComptesDePoints(chemin);
  }
  std::remove(chemin.c_str());
}
BENCHMARK(FichierValeurs)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace korvalo

BENCHMARK_MAIN();
