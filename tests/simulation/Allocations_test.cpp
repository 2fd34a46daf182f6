// Scoring a deal allocates nothing: a counting operator new watches the run's inner loop.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>

#include "../engine/DossierTemporaire.h"
#include "Mains.h"
#include "Parametres.h"
#include "Simulation.h"

namespace {
std::atomic<long> Allocations{0};
}

// These replacements pair malloc with free by design.
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"

void* operator new(std::size_t n) {
  ++Allocations;
  if (void* p = std::malloc(n ? n : 1)) return p;
  throw std::bad_alloc();
}
void* operator new[](std::size_t n) { return operator new(n); }
void operator delete(void* p) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t) noexcept { std::free(p); }

namespace korvalo {
namespace {

TEST(Allocations, EvalueDonneNAlloueRien) {
  InitialiseTables();
  ParametresParDefaut();
  test::DossierTemporaire dossier;
  const std::string chemin = dossier.Fichier("FichierReference.txt");
  std::mt19937_64 g(3);
  std::string texte;
  for (int i = 0; i < 500; ++i) texte += FormateLigneReference(test::DonneAleatoire(g)) + "\r\n";
  test::EcritOctets(chemin, texte);
  LitLignesReference(chemin, 500);
  RemetAZero(Cumuls);

  // The counter itself works.
  const long avantTemoin = Allocations;
  std::string temoin(100, 'x');
  ASSERT_EQ(Allocations - avantTemoin, 1);

  for (char lettre : {'F', 'A', 'B', 'Z', 'K', 'C'}) {
    LettreRun = lettre;
    const long avant = Allocations;
    for (int d = 1; d <= 500; ++d) EvalueDonne(d);
    EXPECT_EQ(Allocations - avant, 0) << lettre;
  }
}

}  // namespace
}  // namespace korvalo
