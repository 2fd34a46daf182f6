#include "Statistiques.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>
#include <vector>

namespace korvalo {

namespace {

constexpr std::uint64_t Binomial13(int k) {
  std::uint64_t c = 1;
  for (int j = 1; j <= k; ++j) c = c * static_cast<std::uint64_t>(13 - k + j) / static_cast<std::uint64_t>(j);
  return c;
}

std::array<FormeMain, NB_FORMES> CalculeFormes() {
  std::array<FormeMain, NB_FORMES> formes{};
  int n = 0;
  for (int a = 13; a >= 4; --a)
    for (int b = std::min(a, 13 - a); b >= 0; --b)
      for (int c = std::min(b, 13 - a - b); c >= 0; --c) {
        const int d = 13 - a - b - c;
        if (d > c) continue;
        FormeMain& f = formes[static_cast<std::size_t>(n++)];
        f.longueurs[0] = a, f.longueurs[1] = b, f.longueurs[2] = c, f.longueurs[3] = d;
        // Ways to give the four lengths to the four suits: 4! over the repeats.
        int facteurs[14] = {};
        for (int l : f.longueurs) ++facteurs[l];
        std::uint64_t permutations = 24;
        for (int r : facteurs)
          for (int j = 2; j <= r; ++j) permutations /= static_cast<std::uint64_t>(j);
        f.mains = permutations * Binomial13(a) * Binomial13(b) * Binomial13(c) * Binomial13(d);
        f.probabilite = static_cast<double>(f.mains) / static_cast<double>(NB_MAINS_POSSIBLES);
      }
  return formes;
}

// Regularised lower incomplete gamma by its series (x < a + 1).
double GammaBasSerie(double a, double x) {
  double terme = 1.0 / a, somme = terme;
  for (int n = 1; n < 10000; ++n) {
    terme *= x / (a + n);
    somme += terme;
    if (std::fabs(terme) < std::fabs(somme) * 1e-16) break;
  }
  return somme * std::exp(-x + a * std::log(x) - std::lgamma(a));
}

// Regularised upper incomplete gamma by its continued fraction (x >= a + 1), Lentz's method.
double GammaHautFraction(double a, double x) {
  constexpr double minuscule = 1e-300;
  double b = x + 1 - a, c = 1 / minuscule, d = 1 / b, h = d;
  for (int n = 1; n < 10000; ++n) {
    const double an = -n * (n - a);
    b += 2;
    d = an * d + b;
    if (std::fabs(d) < minuscule) d = minuscule;
    c = b + an / c;
    if (std::fabs(c) < minuscule) c = minuscule;
    d = 1 / d;
    const double delta = d * c;
    h *= delta;
    if (std::fabs(delta - 1) < 1e-16) break;
  }
  return h * std::exp(-x + a * std::log(x) - std::lgamma(a));
}

}  // namespace

const std::array<FormeMain, NB_FORMES>& FormesMains() {
  static const std::array<FormeMain, NB_FORMES> formes = CalculeFormes();
  return formes;
}

int IndexForme(const TMain& main) {
  int l[4];
  for (int i = 0; i < 4; ++i) l[i] = Longueur[main[static_cast<std::size_t>(i + 1)] & TOUTES_CARTES];
  std::sort(l, l + 4, std::greater<int>());
  const auto& formes = FormesMains();
  for (int k = 0; k < NB_FORMES; ++k)
    if (std::equal(l, l + 4, formes[static_cast<std::size_t>(k)].longueurs)) return k;
  return -1;  // not thirteen cards
}

double QueueKhiDeux(double x, double ddl) {
  if (!(x > 0)) return 1.0;
  const double a = ddl / 2, y = x / 2;
  if (y < a + 1) return std::clamp(1.0 - GammaBasSerie(a, y), 0.0, 1.0);
  return std::clamp(GammaHautFraction(a, y), 0.0, 1.0);
}

TestFormes TesteFormes(const std::array<long, NB_FORMES>& effectifs) {
  TestFormes t;
  for (long e : effectifs) t.mains += e;
  if (t.mains <= 0) return t;
  const auto& formes = FormesMains();
  // Patterns from the rarest up; pool them until the pool expects five hands.
  std::array<int, NB_FORMES> ordre{};
  for (int k = 0; k < NB_FORMES; ++k) ordre[static_cast<std::size_t>(k)] = k;
  std::sort(ordre.begin(), ordre.end(), [&](int a, int b) {
    return formes[static_cast<std::size_t>(a)].mains < formes[static_cast<std::size_t>(b)].mains;
  });
  struct Classe {
    double attendu = 0;
    long observe = 0;
  };
  std::vector<Classe> classes;
  Classe courante;
  for (int k : ordre) {
    courante.attendu += formes[static_cast<std::size_t>(k)].probabilite * static_cast<double>(t.mains);
    courante.observe += effectifs[static_cast<std::size_t>(k)];
    if (courante.attendu >= 5) {
      classes.push_back(courante);
      courante = {};
    }
  }
  // A last pool that never reached five (only with very few hands) joins the previous class.
  if (courante.attendu > 0 || courante.observe > 0) {
    if (classes.empty()) {
      classes.push_back(courante);
    } else {
      classes.back().attendu += courante.attendu;
      classes.back().observe += courante.observe;
    }
  }
  t.classes = static_cast<int>(classes.size());
  if (t.classes < 2) return t;
  for (const Classe& c : classes) {
    const double ecart = static_cast<double>(c.observe) - c.attendu;
    t.khiDeux += ecart * ecart / c.attendu;
  }
  t.degres = t.classes - 1;
  t.p = QueueKhiDeux(t.khiDeux, t.degres);
  t.fait = true;
  return t;
}

}  // namespace korvalo
