#include <array>
#include <bit>

#include "Centiemes.h"
#include "Evaluation.h"

namespace korvalo {

using centiemes::Couleur;
using centiemes::LongueursDe;

namespace {

constexpr std::uint16_t KQJ = CARTE_ROI | CARTE_DAME | CARTE_VALET;
constexpr std::uint16_t QJT9 = CARTE_DAME | CARTE_VALET | CARTE_DIX | CARTE_NEUF;
constexpr std::uint16_t QJ = CARTE_DAME | CARTE_VALET;
constexpr std::uint16_t KQ = CARTE_ROI | CARTE_DAME;
constexpr std::uint16_t KJ = CARTE_ROI | CARTE_VALET;

constexpr bool Contient(std::uint16_t h, std::uint16_t groupe) { return (h & groupe) == groupe; }

// Zar Petkov value of the honours A K Q J, by bits 9..12 of a holding.
constexpr std::array<int, 16> PETKOV = [] {
  std::array<int, 16> t{};
  for (int i = 0; i < 16; ++i) t[i] = (i & 8 ? 450 : 0) + (i & 4 ? 300 : 0) + (i & 2 ? 150 : 0) + (i & 1 ? 50 : 0);
  return t;
}();

// The shape table: the 39 patterns of thirteen cards, longest suit first.
struct Motif {
  int a, b, c, d, valeur;  // valeur in hundredths
};
constexpr Motif MOTIFS[] = {
    {13, 0, 0, 0, 900}, {12, 1, 0, 0, 800}, {11, 2, 0, 0, 800}, {11, 1, 1, 0, 700}, {10, 3, 0, 0, 700},
    {10, 2, 1, 0, 700}, {10, 1, 1, 1, 600}, {9, 4, 0, 0, 700},  {9, 3, 1, 0, 650},  {9, 2, 2, 0, 600},
    {9, 2, 1, 1, 500},  {8, 5, 0, 0, 650},  {8, 4, 1, 0, 600},  {8, 3, 2, 0, 550},  {8, 3, 1, 1, 500},
    {8, 2, 2, 1, 450},  {7, 6, 0, 0, 600},  {7, 5, 1, 0, 550},  {7, 4, 2, 0, 500},  {7, 4, 1, 1, 450},
    {7, 3, 3, 0, 450},  {7, 3, 2, 1, 400},  {7, 2, 2, 2, 300},  {6, 6, 1, 0, 500},  {6, 5, 2, 0, 450},
    {6, 5, 1, 1, 400},  {6, 4, 3, 0, 400},  {6, 4, 2, 1, 350},  {6, 3, 3, 1, 300},  {6, 3, 2, 2, 250},
    {5, 5, 3, 0, 350},  {5, 5, 2, 1, 300},  {5, 4, 4, 0, 300},  {5, 4, 3, 1, 250},  {5, 4, 2, 2, 200},
    {5, 3, 3, 2, 150},  {4, 4, 4, 1, 150},  {4, 4, 3, 2, 100},  {4, 3, 3, 3, 0},
};
static_assert(std::size(MOTIFS) == 39);

// Indexed by the lengths of suits 1, 2 and 3 in any order (the fourth is
// what is left of thirteen), so that a hand's lengths need no sorting.
constexpr std::array<std::array<std::array<std::int16_t, 14>, 14>, 14> DISTRIBUTION = [] {
  for (const Motif& m : MOTIFS)
    if (m.a + m.b + m.c + m.d != 13 || m.a < m.b || m.b < m.c || m.c < m.d) throw "bad pattern";
  std::array<std::array<std::array<std::int16_t, 14>, 14>, 14> t{};
  for (int a = 0; a <= 13; ++a)
    for (int b = 0; a + b <= 13; ++b)
      for (int c = 0; a + b + c <= 13; ++c) {
        int l[4] = {a, b, c, 13 - a - b - c};
        for (int i = 0; i < 4; ++i)
          for (int j = i + 1; j < 4; ++j)
            if (l[j] > l[i]) {
              const int x = l[i];
              l[i] = l[j];
              l[j] = x;
            }
        int v = -1;
        for (const Motif& m : MOTIFS)
          if (m.a == l[0] && m.b == l[1] && m.c == l[2]) v = m.valeur;
        if (v < 0) throw "missing pattern";
        t[a][b][c] = static_cast<std::int16_t>(v);
      }
  return t;
}();

// What the Zar honour part takes from one holding, four fields in one word so
// that a hand's four suits add up in three additions: Petkov points (bits 0-11),
// the adjustment for short honours and sequences plus 128 (bits 12-21), a short
// suit without honour (bits 22-24), a weak long suit (bits 25-27). The sums of
// four holdings stay within their fields.
constexpr std::uint32_t ZAR_AJUSTEMENT_BIAIS = 128;
constexpr std::array<std::uint32_t, 8192> ZAR_COULEUR = [] {
  std::array<std::uint32_t, 8192> t{};
  for (int i = 0; i < 8192; ++i) {
    const auto h = static_cast<std::uint16_t>(i);
    const int l = std::popcount(h);
    const std::uint16_t hon = h & MASQUE_HONNEURS;
    int c = 0;
    if (h == QJ || h == KQ || h == KJ) c -= 50;
    if (h == CARTE_ROI || h == CARTE_DAME) c -= 100;
    if (h == CARTE_VALET) c -= 50;
    if (Contient(h, KQJ) || Contient(h, QJT9)) c += 50;
    const bool sansHonneur = l <= 3 && hon == 0;
    const bool longueFaible = l >= 5 && !(h & (CARTE_AS | CARTE_ROI)) && !Contient(h, QJ);
    t[i] = static_cast<std::uint32_t>(PETKOV[hon >> 9]) | (static_cast<std::uint32_t>(c + static_cast<int>(ZAR_AJUSTEMENT_BIAIS)) << 12) |
           (static_cast<std::uint32_t>(sansHonneur) << 22) | (static_cast<std::uint32_t>(longueFaible) << 25);
  }
  return t;
}();

// Kaplan-Rubens honour value V of a suit, in hundredths, from its top cards,
// its length and its nine.
constexpr int ValeurKaplanRubens(std::uint16_t h) {
  const int n = std::popcount(h);
  const bool neuf = h & CARTE_NEUF;
  const bool dix = h & CARTE_DIX;
  switch ((h & MASQUE_HONNEURS) >> 9) {  // bits: A 8, K 4, Q 2, J 1
    case 0: return 0;                                  // none, 10
    case 1: return 0;                                  // J, J-10
    case 2: return dix ? (neuf ? 100 : 75) : (n >= 3 ? 75 : n == 2 ? 25 : 0);  // Q, Q-10
    case 3: return dix ? 125 : 50;                     // Q-J
    case 4: return dix ? (neuf ? 225 : 200) : (n >= 2 ? 200 : 50);  // K, K-10
    case 5: return dix ? 250 : 225;                    // K-J
    case 6: return dix ? 325 : (n >= 3 ? 300 : 250);   // K-Q
    case 7: return dix ? 375 : 350;                    // K-Q-J
    case 8: return dix ? (neuf ? 325 : 300) : 300;     // A, A-10
    case 9: return dix ? 350 : 325;                    // A-J
    case 10: return dix ? 425 : (n >= 3 ? 400 : 350);  // A-Q
    case 11: return dix ? 475 : 450;                   // A-Q-J
    case 12: return dix ? 525 : 500;                   // A-K
    case 13: return dix ? 575 : 550;                   // A-K-J
    case 14: return dix ? 625 : 600;                   // A-K-Q
    default: return dix ? 675 : 650;                   // A-K-Q-J
  }
}

// Length times quality over ten, in hundredths.
constexpr int QualiteKaplanRubens(std::uint16_t h) {
  const int n = std::popcount(h);
  const int grands = std::popcount(static_cast<unsigned>(h & (CARTE_AS | CARTE_ROI | CARTE_DAME)));
  const bool valet = h & CARTE_VALET;
  const bool dameValet = Contient(h, QJ);
  int q = ((h & CARTE_AS) ? 400 : 0) + ((h & CARTE_ROI) ? 300 : 0) + ((h & CARTE_DAME) ? 200 : 0) + (valet ? 100 : 0);
  if (n >= 2 && n <= 6) {
    if (h & CARTE_DIX) q += (valet || grands >= 2) ? 100 : 50;
    if ((h & CARTE_NEUF) && ((h & CARTE_HUIT) || (h & CARTE_DIX) || grands + valet >= 2)) q += 50;
  } else if (n == 7) {
    if (!dameValet) q += 100;
  } else if (n == 8) {
    if (!dameValet) q += 200;
  } else if (n >= 9) {
    if (!valet) q += 300;
  }
  return n * q / 10;  // q is a multiple of 50: exact
}

constexpr std::array<std::int16_t, 8192> KAPLAN_RUBENS = [] {
  std::array<std::int16_t, 8192> t{};
  for (int h = 0; h < 8192; ++h) {
    const auto c = static_cast<std::uint16_t>(h);
    t[h] = static_cast<std::int16_t>(ValeurKaplanRubens(c) + QualiteKaplanRubens(c));
  }
  return t;
}();

// Charles-Gigault length points in hundredths, by length and two top honours.
constexpr int LongueurCharlesGigault(int l, bool deuxGrands) {
  if (l <= 4) return 0;
  constexpr int avec[] = {100, 200, 250, 300};
  constexpr int sans[] = {0, 100, 150, 200};
  const int i = l >= 8 ? 3 : l - 5;
  return deuxGrands ? avec[i] : sans[i];
}

}  // namespace

namespace centiemes {

int HonneursPetkov(const TMain& m) {
  int p = 0;
  for (int i = 1; i <= 4; ++i) p += PETKOV[(Couleur(m, i) & MASQUE_HONNEURS) >> 9];
  return p;
}

int KaplanRubensCouleur(std::uint16_t h) { return KAPLAN_RUBENS[h & TOUTES_CARTES]; }

int PointsDistribution(int l1, int l2, int l3, int l4) {
  if (l1 < 0 || l2 < 0 || l3 < 0 || l4 < 0 || l1 + l2 + l3 + l4 != 13) return 0;
  return DISTRIBUTION[l1][l2][l3];
}

int HonneursZar(const TMain& m) {
  const std::uint32_t somme = ZAR_COULEUR[Couleur(m, 1)] + ZAR_COULEUR[Couleur(m, 2)] + ZAR_COULEUR[Couleur(m, 3)] +
                              ZAR_COULEUR[Couleur(m, 4)];
  int p = static_cast<int>(somme & 0xFFF);
  const int c = static_cast<int>((somme >> 12) & 0x3FF) - 4 * static_cast<int>(ZAR_AJUSTEMENT_BIAIS);
  const int sansHonneur = static_cast<int>((somme >> 22) & 7);
  const int longuesFaibles = static_cast<int>((somme >> 25) & 7);
  if (p > 1400 && sansHonneur >= 1)
    p += 50;
  else if (p > 1000 && p < 1500 && sansHonneur >= 2)
    p += 50;
  p -= 100 * longuesFaibles;
  const int z = p + c;
  return z < 0 ? 0 : z;
}

}  // namespace centiemes

int HonneursMiltonWork(const TMain& m) {
  int p = 0;
  for (int i = 1; i <= 4; ++i) p += PointsHonneurs[Couleur(m, i) & MASQUE_HONNEURS];
  return p;
}

// These values are multiples of one half, so the quotients are exact.
float HonneursPetkov(const TMain& m) { return static_cast<float>(centiemes::HonneursPetkov(m)) / 100.0f; }

float PointsDistribution(int l1, int l2, int l3, int l4) {
  return static_cast<float>(centiemes::PointsDistribution(l1, l2, l3, l4)) / 100.0f;
}

float HonneursZar(const TMain& m) { return static_cast<float>(centiemes::HonneursZar(m)) / 100.0f; }

int PointsKaplanRubens(const TMain& m) {
  int total = 0;
  for (int i = 1; i <= 4; ++i) total += centiemes::KaplanRubensCouleur(m[i]);
  return ArrondiPairCentiemes(total);
}

int CorrectionDixNeuf(const TMain& m) {
  int t = 0, k = 0, s = 0;
  for (int i = 1; i <= 4; ++i) {
    const std::uint16_t h = Couleur(m, i);
    t += (h & CARTE_DIX) != 0;
    k += (h & CARTE_NEUF) != 0;
    s += Longueur[h] < 2;
  }
  return ArrondiPairCentiemes(50 * (t - 1) + 25 * (k - 1) + 10 * s);
}

bool AChicane(const TMain& m) {
  for (int i = 1; i <= 4; ++i)
    if (Couleur(m, i) == 0) return true;
  return false;
}

bool EstMain4333(const TMain& m) {
  for (int i = 1; i <= 4; ++i)
    if (!Entre(Longueur[Couleur(m, i)], 2, 5)) return false;
  return true;
}

bool DeuxGrandsHonneurs(std::uint16_t h) { return Longueur[h & MASQUE_CINQ_HONNEURS] >= 2; }

int EvalueMainSystemeFixe(const TMain& m, int /*p: no fixed system looks at the seat*/, int& PHo, char lettre) {
  PHo = 0;
  switch (lettre) {
    case 'Z': {
      PHo = ArrondiPairCentiemes(centiemes::HonneursPetkov(m) + 50);
      const centiemes::Longueurs L = LongueursDe(m);
      int z = centiemes::HonneursZar(m);
      const int s = centiemes::PointsDistribution(L.l[1], L.l[2], L.l[3], L.l[4]);
      if ((s + z) % 100 == 50) {  // s + z >= 0
        int c = 0;
        for (int i = 1; i <= 4; ++i) {
          const std::uint16_t h = Couleur(m, i);
          c += ((h & CARTE_DIX) ? 3 : 0) + ((h & CARTE_NEUF) ? 2 : 0);
        }
        z += (c > 5 || L.chicanes > 0) ? 50 : -50;
      }
      const int PHL = ArrondiPairCentiemes(s + z);
      return PHL < 0 ? 0 : PHL;
    }
    case 'K': {
      const int k = PointsKaplanRubens(m);
      PHo = k;
      const centiemes::Longueurs L = LongueursDe(m);
      int d = 100 * k;
      if (EstMain4333(m)) d -= 50;
      d += 300 * L.chicanes + 200 * L.singletons;
      if (L.doubletons > 1) d += 100 * (L.doubletons - 1);
      const int PHL = ArrondiPairCentiemes(d);
      return PHL < 0 ? 0 : PHL;
    }
    case 'C': {
      PHo = HonneursMiltonWork(m);
      int b = 100 * (PHo - CorrectionDixNeuf(m));
      for (int i = 1; i <= 4; ++i) {
        const std::uint16_t h = Couleur(m, i);
        b += LongueurCharlesGigault(Longueur[h], DeuxGrandsHonneurs(h));
      }
      int e = ArrondiPairCentiemes(b);
      if (e < 0) e = 0;
      return e > PHo ? e : PHo;
    }
    default:
      return 0;
  }
}

}  // namespace korvalo
