// Evaluations per second of a hand alone and of a hand facing a fit, for each
// of the six systems, on random deals.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <random>
#include <vector>

#include "Evaluation.h"
#include "Parametres.h"

namespace {

using namespace korvalo;

constexpr int NB_DONNES = 4096;

struct Main {
  TMain m;
  int siege;
  int codes[5];
  int atout;
  int atoutsPartenaire;
};

// Random hands, each with the ownership codes of its deal and a trump suit
// in which its partnership holds eight cards or more when there is one.
const std::vector<Main>& Mains() {
  static const std::vector<Main> mains = [] {
    InitialiseTables();
    ParametresParDefaut();
    std::mt19937 alea(1234);
    std::vector<Main> v;
    int cartes[52];
    for (int c = 0; c < 52; ++c) cartes[c] = c;
    for (int n = 0; n < NB_DONNES; ++n) {
      std::shuffle(cartes, cartes + 52, alea);
      tcarreword d{};
      for (int k = 0; k < 52; ++k) d[k / 13 + 1][cartes[k] / 13 + 1] |= static_cast<std::uint16_t>(1u << (cartes[k] % 13));
      const int p = 1 + n % 4;
      FaitCouleurLongue(d, p);
      Main h{d[p], p, {}, 1, 0};
      for (int i = 1; i <= 4; ++i) h.codes[i] = CouleurLongue[p][i];
      int meilleur = -1;
      for (int i = 1; i <= 4; ++i) {
        const int ensemble = Longueur[d[p][i]] + Longueur[d[Partenaire[p]][i]];
        if (ensemble > meilleur) {
          meilleur = ensemble;
          h.atout = i;
        }
      }
      h.atoutsPartenaire = Longueur[d[Partenaire[p]][h.atout]];
      v.push_back(h);
    }
    return v;
  }();
  return mains;
}

void Seul(benchmark::State& etat) {
  const char lettre = LettreSysteme(static_cast<int>(etat.range(0)));
  const std::vector<Main>& mains = Mains();
  std::size_t i = 0;
  for (auto _ : etat) {
    const Main& h = mains[i++ % mains.size()];
    for (int c = 1; c <= 4; ++c) CouleurLongue[h.siege][c] = h.codes[c];
    int PHo = 0;
    benchmark::DoNotOptimize(EvalueMain(h.m, h.siege, PHo, lettre));
    benchmark::DoNotOptimize(PHo);
  }
  etat.SetItemsProcessed(etat.iterations());
  etat.SetLabel(std::string(1, lettre));
}

void AvecFit(benchmark::State& etat) {
  const char lettre = LettreSysteme(static_cast<int>(etat.range(0)));
  const std::vector<Main>& mains = Mains();
  std::size_t i = 0;
  for (auto _ : etat) {
    const Main& h = mains[i++ % mains.size()];
    for (int c = 1; c <= 4; ++c) CouleurLongue[h.siege][c] = h.codes[c];
    benchmark::DoNotOptimize(EvalueMainAvecFit(h.m, h.atoutsPartenaire, lettre, h.siege, h.atout));
  }
  etat.SetItemsProcessed(etat.iterations());
  etat.SetLabel(std::string(1, lettre));
}

BENCHMARK(Seul)->DenseRange(1, NB_SYSTEMES);
BENCHMARK(AvecFit)->DenseRange(1, NB_SYSTEMES);

}  // namespace

BENCHMARK_MAIN();
