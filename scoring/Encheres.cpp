#include "Encheres.h"

#include <cstdint>
#include <stdexcept>
#include <string>
#include <utility>

#include "Textes.h"

namespace korvalo {

namespace {

// Six conditions per table: not vulnerable undoubled, doubled, redoubled,
// then the same vulnerable.
constexpr int Condition(bool vulnerable, int contre) { return (vulnerable ? 3 : 0) + contre; }

constexpr int CalculeScore(int niveau, int classe, bool vulnerable, int contre) {
  int levees = classe == ClasseMineure ? 20 * niveau
               : classe == ClasseMajeure ? 30 * niveau
                                         : 30 * niveau + 10;
  levees *= contre == Surcontre ? 4 : contre == Contre ? 2 : 1;
  int score = levees + (levees >= 100 ? (vulnerable ? 500 : 300) : 50);
  if (niveau == 6) score += vulnerable ? 750 : 500;
  if (niveau == 7) score += vulnerable ? 1500 : 1000;
  score += contre == Surcontre ? 100 : contre == Contre ? 50 : 0;
  return score;
}

constexpr int CalculePenalite(int chutes, bool vulnerable, int contre) {
  if (contre == NonContre) return (vulnerable ? 100 : 50) * chutes;
  int penalite = 0;
  for (int i = 1; i <= chutes; ++i) {
    if (vulnerable)
      penalite += i == 1 ? 200 : 300;
    else
      penalite += i == 1 ? 100 : i <= 3 ? 200 : 300;
  }
  return contre == Surcontre ? 2 * penalite : penalite;
}

struct TTablesMarque {
  std::uint16_t Score[8][4][6];     // [niveau 1..7][classe 1..3][condition]
  std::uint16_t Penalite[14][6];    // [chutes 1..13][condition]
};

constexpr TTablesMarque ConstruitTables() {
  TTablesMarque t{};
  for (int v = 0; v < 2; ++v)
    for (int contre = NonContre; contre <= Surcontre; ++contre) {
      const int k = Condition(v != 0, contre);
      for (int niveau = 1; niveau <= 7; ++niveau)
        for (int classe = 1; classe <= 3; ++classe)
          t.Score[niveau][classe][k] =
              static_cast<std::uint16_t>(CalculeScore(niveau, classe, v != 0, contre));
      for (int chutes = 1; chutes <= 13; ++chutes)
        t.Penalite[chutes][k] = static_cast<std::uint16_t>(CalculePenalite(chutes, v != 0, contre));
    }
  return t;
}

constexpr TTablesMarque TablesMarque = ConstruitTables();

// The largest entries fit the 16-bit tables.
static_assert(CalculeScore(7, ClasseSansAtout, true, Surcontre) == 2980);
static_assert(CalculePenalite(13, true, Surcontre) == 7600);

void VerifieContre(int contre) {
  if (contre < NonContre || contre > Surcontre)
    throw std::invalid_argument("doubling " + std::to_string(contre) + " is not 0, 1 or 2");
}

constexpr int SeuilsIMP[] = {11,  41,   81,   121,  161,  211,  261,  311,
                             361, 421,  491,  591,  741,  891,  1091, 1291,
                             1491, 1741, 1991, 2241, 2491, 2991, 3491, 3991};

// IMPs of a difference computed in 64 bits, so that no sum of two ints and
// not the most negative int overflows.
int ImpsDe(long long difference) {
  const long long a = difference < 0 ? -difference : difference;
  int imp = 0;
  for (int seuil : SeuilsIMP)
    if (a >= seuil) ++imp;
  return difference < 0 ? -imp : imp;
}

}  // namespace

int ScoreContrat(int niveau, int classe, bool vulnerable, int contre) {
  if (niveau < 1 || niveau > 7)
    throw std::invalid_argument("contract level " + std::to_string(niveau) + " is not 1..7");
  if (classe < ClasseMineure || classe > ClasseSansAtout)
    throw std::invalid_argument("strain class " + std::to_string(classe) + " is not 1..3");
  VerifieContre(contre);
  return TablesMarque.Score[niveau][classe][Condition(vulnerable, contre)];
}

int PenaliteChute(int chutes, bool vulnerable, int contre) {
  if (chutes < 1 || chutes > 13)
    throw std::invalid_argument("undertricks " + std::to_string(chutes) + " is not 1..13");
  VerifieContre(contre);
  return TablesMarque.Penalite[chutes][Condition(vulnerable, contre)];
}

int ConvertitIMP(int difference) { return ImpsDe(difference); }

int SeuilTPP(int x, int y, int z) {
  const long long denominateur = static_cast<long long>(x) + z;
  if (denominateur == 0)
    throw std::invalid_argument("SeuilTPP: x + z is 0 (x = " + std::to_string(x) +
                                ", z = " + std::to_string(z) + ")");
  return static_cast<int>(100 - (static_cast<long long>(x) - y) * 100 / denominateur);
}

int SeuilIMP(int x, int y, int z) {
  const int gain = ImpsDe(static_cast<long long>(x) - y);
  const int perte = ImpsDe(static_cast<long long>(y) + z);
  if (gain + perte == 0)
    throw std::invalid_argument("SeuilIMP: no IMP at stake (x = " + std::to_string(x) +
                                ", y = " + std::to_string(y) + ", z = " + std::to_string(z) + ")");
  return 100 * perte / (gain + perte);
}

std::string FormateSeuil(int n) {
  if (n == 0) return " --- ";
  if (n == 100) return " 100%";
  if (n >= 1 && n <= 9) return "   " + std::to_string(n) + "%";
  return "  " + std::to_string(n) + "%";
}

TSeuilsPalier SeuilsPalier(int classe, int niveau) {
  if (niveau < 1 || niveau > 6)
    throw std::invalid_argument("lower level " + std::to_string(niveau) + " is not 1..6");
  static constexpr bool Vulnerable[NB_CONDITIONS] = {false, true, false, true};
  static constexpr int ContreDuHaut[NB_CONDITIONS] = {NonContre, NonContre, Contre, Contre};
  TSeuilsPalier s{};
  for (int k = 0; k < NB_CONDITIONS; ++k) {
    const int x = ScoreContrat(niveau + 1, classe, Vulnerable[k], ContreDuHaut[k]);
    // The lower contract is undoubled in every condition.
    const int y = ScoreContrat(niveau, classe, Vulnerable[k], NonContre);
    const int z = PenaliteChute(1, Vulnerable[k], ContreDuHaut[k]);
    s.TPP[k] = SeuilTPP(x, y, z);
    s.IMP[k] = SeuilIMP(x, y, z);
  }
  return s;
}

std::vector<std::string> TableauEncheres() {
  const std::string tirets = "   " + std::string(79, '-');
  const std::string egaux = "   " + std::string(79, '=');
  std::vector<std::string> lignes;
  lignes.reserve(56);
  lignes.emplace_back();
  for (int i = 0; i < 5; ++i) lignes.push_back(Textes[ExplicationEncheres1 + i]);
  lignes.emplace_back();
  lignes.push_back(Textes[EnTeteEncheres]);
  lignes.push_back(tirets);

  static constexpr int TitresClasses[4] = {0, TitreMineures, TitreMajeures, TitreSansAtout};
  for (int classe = ClasseMineure; classe <= ClasseSansAtout; ++classe) {
    if (classe != ClasseMineure) lignes.push_back(egaux);
    lignes.push_back(Textes[TitresClasses[classe]]);
    lignes.emplace_back();
    lignes.push_back(Textes[EnTeteColonnesEncheres]);
    lignes.emplace_back();
    for (int niveau = 1; niveau <= 6; ++niveau) {
      const TSeuilsPalier s = SeuilsPalier(classe, niveau);
      std::string ligne = Textes[DePalier] + std::to_string(niveau) + Textes[APalier] +
                          std::to_string(niveau + 1) + " ";
      ligne += FormateSeuil(s.TPP[0]) + FormateSeuil(s.TPP[1]) + std::string(5, ' ');
      ligne += FormateSeuil(s.TPP[2]) + FormateSeuil(s.TPP[3]) + std::string(18, ' ');
      ligne += FormateSeuil(s.IMP[0]) + FormateSeuil(s.IMP[1]) + std::string(5, ' ');
      ligne += FormateSeuil(s.IMP[2]) + FormateSeuil(s.IMP[3]);
      lignes.push_back(std::move(ligne));
      if (niveau != 6) lignes.push_back(tirets);
    }
  }
  return lignes;
}

}  // namespace korvalo
