#include "Grille.h"

#include <cmath>

#include "Evaluation.h"
#include "TextesFixes.h"

namespace korvalo {

namespace {

bool RangMalus(int rang) { return (rang >= 9 && rang <= 11) || (rang >= 23 && rang <= 25); }

}  // namespace

int NombreChoix(int rang) { return (rang >= 1 && rang <= 25) ? ChoixDesRangs[rang]->nombre : 0; }

float ValeurChoix(int rang, int indice) {
  if (RangMalus(rang)) {
    constexpr float malus[] = {-1.0f, -0.5f, 0.0f};
    return (indice >= 0 && indice <= 2) ? malus[indice] : 0.0f;
  }
  if (rang == 5 && indice == 3) return 2.0f;
  if (rang >= 12 && rang <= 14) return static_cast<float>(indice);
  if (rang >= 17 && rang <= 22) return static_cast<float>(indice - 4);
  return static_cast<float>(indice) * 0.5f;
}

int IndiceChoix(int rang, float v) {
  if (!std::isfinite(v) || std::fabs(v) > 1000.0f) return -1;
  int indice;
  if (RangMalus(rang)) indice = ArrondiPair(2.0 * v + 2.0);
  else if (rang == 5 && v >= 2.0f) indice = 3;
  else if (rang >= 12 && rang <= 14) indice = ArrondiPair(v);
  else if (rang >= 17 && rang <= 22) indice = ArrondiPair(v + 4.0);
  else indice = ArrondiPair(2.0 * v);
  // A value that no item stores would otherwise show a neighbour's text.
  if (indice < 0 || indice >= NombreChoix(rang) || ValeurChoix(rang, indice) != v) return -1;
  return indice;
}

}  // namespace korvalo
