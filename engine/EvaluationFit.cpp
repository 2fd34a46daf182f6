#include "Centiemes.h"
#include "Evaluation.h"
#include "Parametres.h"

namespace korvalo {

using centiemes::Couleur;
using centiemes::LongueursDe;

namespace {

constexpr std::uint16_t AK = CARTE_AS | CARTE_ROI;
constexpr std::uint16_t AJ = CARTE_AS | CARTE_VALET;
constexpr std::uint16_t KQ = CARTE_ROI | CARTE_DAME;
constexpr std::uint16_t KT = CARTE_ROI | CARTE_DIX;
constexpr std::uint16_t QJ = CARTE_DAME | CARTE_VALET;

int Positif(int x) { return x < 0 ? 0 : x; }

int FitKaplanRubens(const TMain& m, const centiemes::Longueurs& L, int T, int excedent) {
  const int h = HonneursMiltonWork(m);
  const int s = 3 * L.chicanes + 2 * L.singletons + (L.doubletons > 1 ? L.doubletons - 1 : 0);
  int f;  // hundredths
  if (T <= 1)
    f = -100;
  else if (T == 2)
    f = 0;
  else if (excedent < 0)
    f = 200;
  else if (excedent == 0)
    f = T >= 4 ? 125 : 150;
  else if (excedent == 1)
    f = T >= 4 ? 150 : 200;
  else
    f = 200;
  return Positif(ArrondiPairCentiemes(100 * h + s * f));
}

int FitZar(const TMain& m, const centiemes::Longueurs& L, int T, int excedent, int atout) {
  const int F = centiemes::PointsDistribution(L.l[1], L.l[2], L.l[3], L.l[4]) + centiemes::HonneursZar(m);
  const std::uint16_t atouts = Couleur(m, atout);
  int a = 0;
  if (excedent >= -8 && excedent <= -1) a = 250 * excedent;
  if ((atouts & MASQUE_HONNEURS) == 0) a -= 100;
  if (PointsHonneurs[atouts & MASQUE_HONNEURS] > 6) a += 100;
  if (excedent == 0) {
    if (T >= 2) a += 150 * L.chicanes;
    if (T >= 3) a += 100 * L.singletons;
    if (T >= 4) a += 50 * L.doubletons;
  } else {
    a += excedent * (150 * L.chicanes + 100 * L.singletons + 50 * L.doubletons);
  }
  const int total = a + F;
  // A negative total ends at 0 whichever way its half goes.
  if (total % 100 == 50) a += (excedent != 0 && (L.chicanes > 0 || L.singletons > 0)) ? 50 : -50;
  return Positif(ArrondiPairCentiemes(a + F));
}

int FitCharlesGigault(const TMain& m, int T, int excedent, int atout) {
  const int b = 100 * (HonneursMiltonWork(m) - CorrectionDixNeuf(m));
  const std::uint16_t atouts = Couleur(m, atout);
  int S = 0, t = 0, figures = 0;
  for (int i = 1; i <= 4; ++i) {
    if (i == atout) continue;
    const std::uint16_t h = Couleur(m, i);
    switch (Longueur[h]) {
      case 0:
        S += T >= 4 ? 400 : 310;
        break;
      case 1:
        S += 210 - (h == CARTE_AS || h == CARTE_ROI ? 100 : h == CARTE_DAME ? 50 : h == CARTE_VALET ? 25 : 0);
        break;
      case 2:
        S += 90 - (h == QJ || h == KT || h == KQ || h == AJ || h == AK ? 50 : 0);
        break;
      default:
        S -= 10;
    }
    if (h & CARTE_DIX) t += 25;
    figures += Longueur[h & (CARTE_ROI | CARTE_DAME | CARTE_VALET)];
  }
  if (atouts & CARTE_DIX) t += 50;
  if (atouts & CARTE_NEUF) t += 25;
  t += (2 - figures) * 50;
  int g;
  if (excedent <= -1)
    g = 200 * (excedent < -8 ? -8 : excedent);
  else
    g = excedent == 0 ? 0 : excedent == 1 ? 200 : excedent == 2 ? 300 : excedent == 3 ? 500 : 700;
  return Positif(ArrondiPairCentiemes(b + t + g + S));
}

}  // namespace

int EvalueFitSystemeFixe(const TMain& m, int AtoutsPartenaire, char lettre, int Atout) {
  if (Atout < 1 || Atout > NB_COULEURS) return 0;
  const centiemes::Longueurs L = LongueursDe(m);
  const int T = L.l[Atout];
  const int excedent = T + AtoutsPartenaire - 8;
  switch (lettre) {
    case 'K': return FitKaplanRubens(m, L, T, excedent);
    case 'Z': return FitZar(m, L, T, excedent, Atout);
    case 'C': return FitCharlesGigault(m, T, excedent, Atout);
    default: return 0;
  }
}

int EvalueMainAvecFit(const TMain& m, int AtoutsPartenaire, char lettre, int Siege, int Atout) {
  const int d = NumeroSysteme(lettre);
  if (d > NB_SYSTEMES_PARAMETRIQUES) return EvalueFitSystemeFixe(m, AtoutsPartenaire, lettre, Atout);
  if (d == 0 || Atout < 1 || Atout > NB_COULEURS) return 0;
  int PHo = 0;  // not used here
  return EvalueMainAvecFitDepuisPHL(m, EvalueMain(m, Siege, PHo, lettre), AtoutsPartenaire, lettre, Atout);
}

int EvalueMainAvecFitDepuisPHL(const TMain& m, int PHL, int AtoutsPartenaire, char lettre, int Atout) {
  const int d = NumeroSysteme(lettre);
  if (d > NB_SYSTEMES_PARAMETRIQUES) return EvalueFitSystemeFixe(m, AtoutsPartenaire, lettre, Atout);
  if (d == 0 || Atout < 1 || Atout > NB_COULEURS) return 0;
  const TParametresSysteme& p = ParametresSystemes[d];
  float r = static_cast<float>(PHL);

  const centiemes::Longueurs L = LongueursDe(m);
  const int T = L.l[Atout];
  const int besoin = 8 - AtoutsPartenaire;
  const int excedent = T - besoin;

  if (p.Chicane != 0 && L.chicanes > 0) r += p.Chicane;
  if (p.Singleton != 0) r += static_cast<float>(L.singletons) * p.Singleton;
  if (p.DoubletonQuatreAtouts != 0 && L.doubletons > 0 && T >= 4) r += p.DoubletonQuatreAtouts;
  if (p.DoubletonTroisAtouts != 0 && L.doubletons > 0 && T <= 3) r += p.DoubletonTroisAtouts;
  if (p.SecondDoubleton != 0 && L.doubletons >= 2) r += p.SecondDoubleton;
  if (p.MalusFitExactSansHonneur != 0 && T == besoin && (Couleur(m, Atout) & MASQUE_CINQ_HONNEURS) == 0)
    r += p.MalusFitExactSansHonneur;
  if (p.Malus4333 != 0 && EstMain4333(m)) r += p.Malus4333;
  if (p.MalusRegulier != 0 && L.chicanes == 0 && L.singletons == 0) r += p.MalusRegulier;

  r += FitDe(p, excedent < -2 ? -2 : excedent > 3 ? 3 : excedent);

  // Trump length, taken off whatever the length-points setting.
  if (T > 4) r -= static_cast<float>(BelleCouleur(Couleur(m, Atout)) ? T - 4 : T - 5);

  return Positif(ArrondiPair(r));
}

}  // namespace korvalo
