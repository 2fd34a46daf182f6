#include "Simulation.h"

namespace korvalo {

int NiveauControles(const tcarreword& mains, int atout, int camp) {
  const TMain& a = mains[camp];
  const TMain& b = mains[camp + 2];
  const std::uint16_t atouts = a[atout] | b[atout];
  const bool atoutA = a[atout] != 0, atoutB = b[atout] != 0;
  int premiers = 0, seconds = 0;
  for (int s = 1; s <= NB_COULEURS; ++s) {
    if (s == atout) {
      if (atouts & CARTE_AS) ++premiers;
      else if (atouts & CARTE_ROI) ++seconds;
      continue;
    }
    if (((a[s] | b[s]) & CARTE_AS) || (a[s] == 0 && atoutA) || (b[s] == 0 && atoutB)) {
      ++premiers;
    } else if ((a[s] & CARTE_ROI) || (Longueur[a[s]] <= 1 && atoutA) || (b[s] & CARTE_ROI) ||
               (Longueur[b[s]] <= 1 && atoutB)) {
      ++seconds;
    }
  }
  const bool roi = atouts & CARTE_ROI;
  if (premiers == 4 && roi && ((atouts & CARTE_DAME) || Longueur[atouts] >= 10)) return 2;
  if (premiers == 4) return 1;
  if (premiers + seconds == 4 && roi) return 1;
  return 0;
}

}  // namespace korvalo
