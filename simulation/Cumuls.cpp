#include <cmath>
#include <cstring>

#include "Rapports.h"
#include "Simulation.h"
#include "TextesFixes.h"

namespace korvalo {

TCumuls Cumuls;

void RemetAZero(TCumuls& cumuls) { std::memset(&cumuls, 0, sizeof cumuls); }

void EnregistreObservation(TCumuls& c, int k, int S, int t) {
  // The axes bound every index, whatever the evaluations return.
  S = S < 0 ? 0 : (S > POINTS_MAX ? POINTS_MAX : S);
  t = t < 0 ? 0 : (t > LEVEES_MAX ? LEVEES_MAX : t);
  ++c.Effectifs[k][S][t];
  c.SommePoints[k][t] += S;
  c.SommeCarresPoints[k][t] += S * S;
  ++c.EffectifsParLevees[k][t];
  ++c.EffectifsParPoints[k][S];
}

void MoyennesPointsParLevees(const TCumuls& c, float moyenne[NB_VARIANTES + 1][LEVEES_MAX + 1],
                             float ecart[NB_VARIANTES + 1][LEVEES_MAX + 1]) {
  for (int k = 1; k <= NB_VARIANTES; ++k)
    for (int t = 0; t <= LEVEES_MAX; ++t) {
      const int n = c.EffectifsParLevees[k][t];
      if (n == 0) {
        moyenne[k][t] = 0;
        ecart[k][t] = 0;
        continue;
      }
      const double somme = c.SommePoints[k][t];
      const double m = somme / n;
      // Population deviation; the difference cannot go below 0 with these integer sums, the guard keeps it so.
      const double variance = (static_cast<double>(c.SommeCarresPoints[k][t]) - m * somme) / n;
      moyenne[k][t] = static_cast<float>(m);
      ecart[k][t] = static_cast<float>(std::sqrt(variance > 0 ? variance : 0.0));
    }
}

void CalculeValeurs(const TCumuls& c, int N, TValeursSysteme& v) {
  v.NbDonnes = N;
  MoyennesPointsParLevees(c, v.Moyenne, v.EcartType);
  for (int k = 1; k <= NB_VARIANTES; ++k)
    for (int S = 0; S <= POINTS_MAX; ++S) {
      const int n = c.EffectifsParPoints[k][S];
      // Each partial sum is kept in single precision, the addition itself being exact.
      float A = 0, B = 0;
      for (int t = 0; t <= LEVEES_MAX; ++t) {
        const int e = c.Effectifs[k][S][t];
        A = static_cast<float>(static_cast<double>(A) + static_cast<double>(t) * e);
        B = static_cast<float>(static_cast<double>(B) + static_cast<double>(t) * t * e);
      }
      if (n > 1) {
        float variance =
            static_cast<float>((static_cast<double>(B) - static_cast<double>(A) * A / n) / (n - 1));
        if (variance < 0) variance = 0;
        v.EcartTypeLevees[k][S] = static_cast<float>(std::sqrt(static_cast<double>(variance)));
        v.MoyenneLevees[k][S] = static_cast<float>(static_cast<double>(A) / n);
      } else {
        v.EcartTypeLevees[k][S] = 0;
        v.MoyenneLevees[k][S] = A;
      }
      v.NbObservations[k][S] = n;
      const int diviseur = n > 1 ? n : 1;
      for (int t = 0; t <= LEVEES_MAX; ++t) {
        // 100 e / n rounded, an exact half going to the even neighbour; integers keep it exact.
        const long long num = 100LL * c.Effectifs[k][S][t];
        long long q = num / diviseur;
        const long long r2 = 2 * (num % diviseur);
        if (r2 > diviseur || (r2 == diviseur && (q % 2) != 0)) ++q;
        v.Pourcentage[k][S][t] = static_cast<std::int32_t>(q);
      }
    }
}

std::uint64_t Fnv1a(const void* octets, std::size_t taille, std::uint64_t empreinte) {
  const auto* o = static_cast<const unsigned char*>(octets);
  for (std::size_t i = 0; i < taille; ++i) {
    empreinte ^= o[i];
    empreinte *= 0x100000001b3ULL;
  }
  return empreinte;
}

std::uint64_t EmpreinteCumuls(const TCumuls& c) {
  std::uint64_t e = FNV1A_DEPART;
  auto ajoute = [&e](std::int32_t v) {
    const auto u = static_cast<std::uint32_t>(v);
    const unsigned char octets[4] = {static_cast<unsigned char>(u), static_cast<unsigned char>(u >> 8),
                                     static_cast<unsigned char>(u >> 16), static_cast<unsigned char>(u >> 24)};
    e = Fnv1a(octets, 4, e);
  };
  for (int k = 1; k <= NB_VARIANTES; ++k)
    for (int S = 0; S <= POINTS_MAX; ++S)
      for (int t = 0; t <= LEVEES_MAX; ++t) ajoute(c.Effectifs[k][S][t]);
  for (int k = 1; k <= NB_VARIANTES; ++k)
    for (int S = 0; S <= POINTS_MAX; ++S) ajoute(c.EffectifsParPoints[k][S]);
  for (int k = 1; k <= NB_VARIANTES; ++k)
    for (int t = 0; t <= LEVEES_MAX; ++t) ajoute(c.SommePoints[k][t]);
  for (int k = 1; k <= NB_VARIANTES; ++k)
    for (int t = 0; t <= LEVEES_MAX; ++t) ajoute(c.SommeCarresPoints[k][t]);
  for (int k = 1; k <= NB_VARIANTES; ++k)
    for (int t = 0; t <= LEVEES_MAX; ++t) ajoute(c.EffectifsParLevees[k][t]);
  return e;
}

std::vector<std::string> AfficheProgression(const TCumuls& c, char lettre, int d, int N) {
  float moyenne[NB_VARIANTES + 1][LEVEES_MAX + 1], ecart[NB_VARIANTES + 1][LEVEES_MAX + 1];
  MoyennesPointsParLevees(c, moyenne, ecart);
  const std::string regle(60, '-');
  std::vector<std::string> lignes;
  lignes.reserve(26);
  lignes.emplace_back();
  lignes.push_back(std::string(TitreProgression) + lettre + "  " + FormateEntier(d) + " / " + FormateEntier(N));
  lignes.push_back(regle);
  std::string entete(17, ' ');
  for (int niveau = 1; niveau <= 7; ++niveau) entete += FormatePourcent(niveau) + " ";
  lignes.push_back(entete);
  lignes.push_back(regle);
  for (int k = 1; k <= NB_VARIANTES; ++k) {
    std::string ligne = EtiquettesProgression[k];
    ligne.resize(20, ' ');
    std::string dispersion(20, ' ');
    for (int t = 7; t <= LEVEES_MAX; ++t) {
      ligne += FormateReel(1, moyenne[k][t]) + " ";
      dispersion += FormateReel(1, ecart[k][t]) + " ";
    }
    lignes.push_back(ligne);
    lignes.push_back(dispersion);
    lignes.emplace_back();
  }
  lignes.push_back(regle);
  return lignes;
}

}  // namespace korvalo
