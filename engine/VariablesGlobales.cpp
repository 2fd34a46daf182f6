#include "VariablesGlobales.h"

namespace korvalo {

std::uint16_t Longueur[8192];
std::uint8_t PointsHonneurs[7681];
std::uint32_t Bit[16];
std::uint8_t Partenaire[5];
std::uint8_t FlancDroit[5];
std::uint8_t FlancGauche[5];
int CouleurLongue[5][5];

void InitialiseTables() {
  for (int h = 0; h <= 8191; ++h) {
    int n = 0;
    for (int x = h; x != 0; x &= x - 1) ++n;
    Longueur[h] = static_cast<std::uint16_t>(n);
  }
  for (int honneurs = 0; honneurs < 16; ++honneurs) {
    const int h = honneurs << 9;  // J = bit 9 ... A = bit 12
    PointsHonneurs[h] = static_cast<std::uint8_t>(((h & CARTE_AS) ? 4 : 0) + ((h & CARTE_ROI) ? 3 : 0) +
                                                  ((h & CARTE_DAME) ? 2 : 0) + ((h & CARTE_VALET) ? 1 : 0));
  }
  for (int r = 0; r < 16; ++r) Bit[r] = 1u << r;
  constexpr std::uint8_t partenaire[5] = {0, 3, 4, 1, 2};
  constexpr std::uint8_t droit[5] = {0, 4, 1, 2, 3};
  constexpr std::uint8_t gauche[5] = {0, 2, 3, 4, 1};
  for (int p = 0; p <= 4; ++p) {
    Partenaire[p] = partenaire[p];
    FlancDroit[p] = droit[p];
    FlancGauche[p] = gauche[p];
  }
}

void FaitCouleurLongue(const tcarreword& donne, int p) {
  const TMain& partenaire = donne[Partenaire[p]];
  const TMain& droit = donne[FlancDroit[p]];
  const TMain& gauche = donne[FlancGauche[p]];
  for (int i = 1; i <= 4; ++i) {
    // Partner first, then the right-hand then the left-hand opponent; written
    // without branches, as the three tests go either way at random.
    const int chezPartenaire = Longueur[partenaire[i] & TOUTES_CARTES] >= 4;
    const int aDroite = Longueur[droit[i] & TOUTES_CARTES] >= 4;
    const int aGauche = Longueur[gauche[i] & TOUTES_CARTES] >= 4;
    const int adverse = aDroite - (1 - aDroite) * aGauche;  // 1, -1 or 0
    CouleurLongue[p][i] = chezPartenaire * 2 + (1 - chezPartenaire) * adverse;
  }
}

}  // namespace korvalo
