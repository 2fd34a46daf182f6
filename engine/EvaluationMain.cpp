#include <bit>
#include <climits>
#include <cmath>

#include "Centiemes.h"
#include "Evaluation.h"
#include "Parametres.h"

namespace korvalo {

using centiemes::Couleur;

int ArrondiPair(double x) {
  if (std::isnan(x)) return 0;
  if (x >= static_cast<double>(INT_MAX)) return INT_MAX;
  if (x <= static_cast<double>(INT_MIN)) return INT_MIN;
  const double bas = std::floor(x);
  const double reste = x - bas;  // exact: x and bas are close doubles
  const int n = static_cast<int>(bas);
  if (reste > 0.5) return n + 1;
  if (reste < 0.5) return n;
  return (n & 1) ? n + 1 : n;
}

int ArrondiPairCentiemes(int c) {
  int q = c / 100;
  int r = c % 100;
  if (r < 0) {  // floor division
    r += 100;
    --q;
  }
  if (r > 50) return q + 1;
  if (r < 50) return q;
  return (q & 1) ? q + 1 : q;
}

namespace {

// The good-suit patterns, by which of A K Q J T 9 the suit holds.
constexpr int IndexHaut(char carte) {
  switch (carte) {
    case 'A': return 5;
    case 'K': return 4;
    case 'Q': return 3;
    case 'J': return 2;
    case 'T': return 1;
    case '9': return 0;
    default: throw "not a top card";  // only reachable at compile time
  }
}

constexpr std::uint64_t Motifs(const char* liste) {
  std::uint64_t masque = 0;
  int motif = 0;
  bool dansMotif = false;
  for (const char* c = liste;; ++c) {
    if (*c == ' ' || *c == '\0') {
      if (dansMotif) masque |= std::uint64_t{1} << motif;
      motif = 0;
      dansMotif = false;
      if (*c == '\0') break;
    } else {
      motif |= 1 << IndexHaut(*c);
      dansMotif = true;
    }
  }
  return masque;
}

constexpr std::uint64_t BELLES_QUATRE = Motifs(
    "AK AKQ AKQJ AKQT AKQ9 AKJ AKJT AKJ9 AKT AKT9 AK9 AQJ AQJT AQJ9 AJT AJT9 KQJ KQJT KQJ9 KJT9 QJT QJT9");
constexpr std::uint64_t BELLES_CINQ = Motifs(
    "AK AKQ AKQJ AKQJT AKQJ9 AKQT AKQT9 AKQ9 AKJ AKJT AKJT9 AKJ9 AKT AKT9 AK9 AQ AQJ AQJT AQJT9 AQJ9 AQT AQT9 AQ9 "
    "AJT AJT9 AJ9 AT9 KQ KQJ KQJT KQJT9 KQJ9 KQT KQT9 KQ9 KJT KJT9 QJT");
constexpr std::uint64_t BELLES_SIX = Motifs(
    "AK AKQ AKQJ AKQJT AKQJT9 AKQJ9 AKQT AKQT9 AKQ9 AKJ AKJT AKJT9 AKJ9 AKT AKT9 AK9 AQ AQJ AQJT AQJT9 AQJ9 AQT "
    "AQT9 AQ9 AJ AJT AJT9 AJ9 AT9 KQ KQJ KQJT KQJT9 KQJ9 KQT KQT9 KQ9 KJT KJT9 KJ9 QJT QJT9 QJ9");
static_assert(std::popcount(BELLES_QUATRE) == 22 && std::popcount(BELLES_CINQ) == 38 &&
              std::popcount(BELLES_SIX) == 43);

constexpr std::uint16_t AKQ = CARTE_AS | CARTE_ROI | CARTE_DAME;
constexpr std::uint16_t AKJ = CARTE_AS | CARTE_ROI | CARTE_VALET;
constexpr std::uint16_t AQJ = CARTE_AS | CARTE_DAME | CARTE_VALET;
constexpr std::uint16_t KQJ = CARTE_ROI | CARTE_DAME | CARTE_VALET;
constexpr std::uint16_t KQT = CARTE_ROI | CARTE_DAME | CARTE_DIX;
constexpr std::uint16_t KJT = CARTE_ROI | CARTE_VALET | CARTE_DIX;
constexpr std::uint16_t QJT = CARTE_DAME | CARTE_VALET | CARTE_DIX;
constexpr std::uint16_t KQ = CARTE_ROI | CARTE_DAME;
constexpr std::uint16_t KJ = CARTE_ROI | CARTE_VALET;
constexpr std::uint16_t QJ = CARTE_DAME | CARTE_VALET;

// Holds every card of the group, whatever else.
constexpr bool Contient(std::uint16_t h, std::uint16_t groupe) { return (h & groupe) == groupe; }

const int SANS_CODES[5] = {0, 0, 0, 0, 0};

}  // namespace

bool BelleCouleur(std::uint16_t h) {
  h &= TOUTES_CARTES;
  const int l = Longueur[h];
  if (l < 4) return false;
  const std::uint64_t masque = l == 4 ? BELLES_QUATRE : l == 5 ? BELLES_CINQ : BELLES_SIX;
  return (masque >> ((h >> 7) & 63)) & 1;
}

int EvalueMain(const TMain& m, int p, int& PHo, char lettre) {
  const int d = NumeroSysteme(lettre);
  if (d > NB_SYSTEMES_PARAMETRIQUES) return EvalueMainSystemeFixe(m, p, PHo, lettre);
  PHo = 0;
  if (d == 0) return 0;  // no system: nothing to count with
  const TParametresSysteme& P = ParametresSystemes[d];
  const int* codes = (p >= 1 && p <= NB_SIEGES) ? CouleurLongue[p] : SANS_CODES;

  std::uint16_t h[5];
  int l[5];
  for (int i = 1; i <= 4; ++i) {
    h[i] = Couleur(m, i);
    l[i] = Longueur[h[i]];
  }

  PHo = P.Honneurs == 'M' ? HonneursMiltonWork(m) : ArrondiPair(HonneursPetkov(m) + 0.5f);
  float s = static_cast<float>(PHo);

  if (P.BonusTroisHonneurs != 0) {
    int n = 0;
    for (int i = 1; i <= 4; ++i) {
      const std::uint16_t hon = h[i] & MASQUE_HONNEURS;
      n += hon == AKQ || hon == AKJ || hon == AQJ || hon == KQJ;
    }
    s += static_cast<float>(n) * P.BonusTroisHonneurs;
  }
  if (P.BonusSequenceDix != 0) {
    int r = 0;
    for (int i = 1; i <= 4; ++i) {
      const std::uint16_t haut = h[i] & MASQUE_CINQ_HONNEURS;
      if (haut == KQT || haut == KJT || (haut == QJT && l[i] >= 4)) r += codes[i] < 1 ? codes[i] : 1;
    }
    s += static_cast<float>(r);
  }
  if (P.BonusAs != 0) {
    int a = 0;
    for (int i = 1; i <= 4; ++i) a += (h[i] & CARTE_AS) != 0;
    s += static_cast<float>(a > 1 ? a - 1 : 0) * P.BonusAs;
  }
  if (P.BonusDixNeuf != 0) {
    const bool sequenceEteinte = P.BonusSequenceDix == 0;
    int nT = 0, nN = 0;
    for (int i = 1; i <= 4; ++i) {
      if (h[i] & CARTE_DIX) {
        const bool sansGroupe = !Contient(h[i], KQT) && !Contient(h[i], KJT) && !Contient(h[i], QJT);
        nT += sequenceEteinte != sansGroupe;
      }
      nN += (h[i] & CARTE_NEUF) != 0;
    }
    const float r = 0.5f * static_cast<float>(nT - 1) + 0.25f * static_cast<float>(nN - 1);
    s += r > 0 ? r : 0.0f;
  }
  if (P.BonusLongueur != 0) {
    const bool partout = P.BonusLongueur == 1;
    int r = 0;
    for (int i = 1; i <= 4; ++i)
      if (l[i] >= 5) r += (partout || BelleCouleur(h[i])) ? l[i] - 4 : l[i] - 5;
    s += static_cast<float>(r);
  }
  if (P.Bicolore54 != 0) {
    bool trouve = false;
    for (int i = 1; i <= 3 && !trouve; ++i)
      if (l[i] == 5)
        for (int k = i + 1; k <= 4; ++k) trouve |= l[k] == 4;
    if (trouve) s += P.Bicolore54;
  }
  if (P.Bicolore55 != 0) {
    int cinq = 0;
    for (int i = 1; i <= 4; ++i) cinq += l[i] == 5;
    if (cinq >= 2) s += P.Bicolore55;
  }
  if (P.Bicolore11 != 0) {
    // Two suits of five or more hold at least ten of the thirteen cards: at most one such pair.
    int longues = 0, somme = 0, plusLongue = 0;
    for (int i = 1; i <= 4; ++i)
      if (l[i] >= 5) {
        ++longues;
        somme += l[i];
        plusLongue = l[i] > plusLongue ? l[i] : plusLongue;
      }
    if (longues == 2 && plusLongue >= 6) s += static_cast<float>(somme - 10) * P.Bicolore11;
  }
  if (P.MalusHonneursSecs != 0) {
    int n = 0;
    for (int i = 1; i <= 4; ++i) {
      if (l[i] == 1) n += h[i] == CARTE_ROI || h[i] == CARTE_DAME || h[i] == CARTE_VALET;
      if (l[i] == 2) n += h[i] == QJ || ((h[i] == KQ || h[i] == KJ) && codes[i] < 2);
    }
    s += static_cast<float>(n) * P.MalusHonneursSecs;
  }
  if (P.MalusSansAs != 0) {
    bool as = false;
    for (int i = 1; i <= 4; ++i) as |= (h[i] & CARTE_AS) != 0;
    if (!as) s += P.MalusSansAs;
  }
  if (P.MalusTroisPerdantes != 0) {
    int n = 0;
    for (int i = 1; i <= 4; ++i) n += l[i] == 3 && (h[i] & MASQUE_CINQ_HONNEURS) == 0;
    s += static_cast<float>(n) * P.MalusTroisPerdantes;
  }

  // Halves go up here, unlike every other rounding of the engine.
  if (s - std::trunc(s) == 0.5f) s += 0.5f;
  const int PHL = ArrondiPair(s);
  return PHL < 0 ? 0 : PHL;
}

}  // namespace korvalo
