// The evaluations run hundreds of thousands of times per run: they must not
// allocate. A counting operator new watches them.

#include <gtest/gtest.h>

#include <cstdlib>
#include <new>
#include <random>

#include "Evaluation.h"
#include "Mains.h"
#include "Parametres.h"

namespace {
long allocations = 0;
}

void* operator new(std::size_t taille) {
  ++allocations;
  if (void* p = std::malloc(taille ? taille : 1)) return p;
  throw std::bad_alloc();
}
void* operator new[](std::size_t taille) { return operator new(taille); }
void* operator new(std::size_t taille, const std::nothrow_t&) noexcept {
  ++allocations;
  return std::malloc(taille ? taille : 1);
}
void* operator new[](std::size_t taille, const std::nothrow_t& t) noexcept { return operator new(taille, t); }
void operator delete(void* p) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t) noexcept { std::free(p); }

using namespace korvalo;

TEST(Allocations, EvaluationsAllocateNothing) {
  InitialiseTables();
  ParametresParDefaut();
  ParametresSystemes[2].Honneurs = 'Z';
  ParametresSystemes[3].BonusLongueur = 2;
  std::mt19937 alea(5);
  std::vector<tcarreword> donnes;
  for (int n = 0; n < 200; ++n) donnes.push_back(korvalo::test::DonneAleatoire(alea));

  const long avant = allocations;
  long somme = 0;
  for (const tcarreword& d : donnes)
    for (int p = 1; p <= 4; ++p) {
      FaitCouleurLongue(d, p);
      for (char lettre : {'F', 'A', 'B', 'Z', 'K', 'C'}) {
        int PHo = 0;
        somme += EvalueMain(d[p], p, PHo, lettre) + PHo;
        for (int atout = 1; atout <= 4; ++atout)
          somme += EvalueMainAvecFit(d[p], Longueur[d[Partenaire[p]][atout]], lettre, p, atout);
      }
    }
  const long pendant = allocations - avant;
  EXPECT_EQ(pendant, 0);
  EXPECT_GT(somme, 0);
  // The counter does see allocations.
  auto* sonde = new std::vector<int>(10);
  EXPECT_GT(allocations - avant, pendant);
  delete sonde;
}
