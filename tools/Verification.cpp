#include "Verification.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <sstream>
#include <stdexcept>
#include <unordered_map>

#include "Dds.h"
#include "Hasard.h"

namespace korvalo {

namespace {

// A complete deal as an exact 104-bit key: two bits (the seat) per card.
struct CleDonne {
  std::uint64_t haut = 0, bas = 0;
  bool operator==(const CleDonne&) const = default;
};

struct HacheCle {
  std::size_t operator()(const CleDonne& c) const { return static_cast<std::size_t>(Mix64(c.haut ^ Mix64(c.bas))); }
};

CleDonne Cle(const tcarreword& mains) {
  CleDonne cle;
  for (int p = 1; p <= 4; ++p)
    for (int i = 1; i <= 4; ++i)
      for (int r = 0; r < 13; ++r)
        if (mains[p][i] & (1u << r)) {
          const int carte = (i - 1) * 13 + r;  // 0..51
          const std::uint64_t siege = static_cast<std::uint64_t>(p - 1);
          if (carte < 32)
            cle.bas |= siege << (2 * carte);
          else
            cle.haut |= siege << (2 * (carte - 32));
        }
  return cle;
}

std::string LitTout(const std::string& chemin) {
  std::ifstream f(chemin, std::ios::binary);
  if (!f) throw std::runtime_error("cannot open " + chemin + ": " + std::strerror(errno));
  std::string texte((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
  if (f.bad()) throw std::runtime_error("cannot read " + chemin + ": " + std::strerror(errno));
  return texte;
}

std::string Nombre(double x, int decimales) {
  char texte[64];
  std::snprintf(texte, sizeof texte, "%.*f", decimales, x);
  return texte;
}

}  // namespace

const char* NomSiege(int siege) {
  static const char* const noms[] = {"?", "N", "E", "S", "W"};
  return (siege >= 1 && siege <= 4) ? noms[siege] : noms[0];
}

const char* NomTrait(int trait) {
  static const char* const noms[] = {"?", "S", "H", "D", "C", "NT"};
  return (trait >= 1 && trait <= 5) ? noms[trait] : noms[0];
}

std::string DecritDifferences(const std::uint8_t a[5][6], const std::uint8_t b[5][6], const char* nomA,
                              const char* nomB) {
  std::string texte;
  for (int s = 1; s <= 4; ++s)
    for (int t = 1; t <= 5; ++t)
      if (a[s][t] != b[s][t]) {
        if (!texte.empty()) texte += "; ";
        texte += std::string("declarer ") + NomSiege(s) + " in " + NomTrait(t) + ": " + nomA + " " +
                 std::to_string(a[s][t]) + ", " + nomB + " " + std::to_string(b[s][t]);
      }
  return texte;
}

RapportVerification Verifie(const OptionsVerification& options) {
  RapportVerification rapport;
  const std::string texte = LitTout(options.fichier);
  auto probleme = [&](long ligne, std::string message) { rapport.problemes.push_back({ligne, std::move(message)}); };

  std::vector<TDonneReference> donnes;  // the valid lines
  std::vector<long> numeros;            // their line numbers
  std::unordered_map<CleDonne, long, HacheCle> vues;
  std::array<long, NB_FORMES> effectifs{};

  std::size_t debut = 0;
  while (debut < texte.size()) {
    const std::size_t lf = texte.find('\n', debut);
    const bool finie = lf != std::string::npos;
    std::string_view ligne(texte.data() + debut, (finie ? lf : texte.size()) - debut);
    debut = finie ? lf + 1 : texte.size();
    const long numero = ++rapport.lignes;
    if (!finie)
      probleme(numero, "the last line has no line end (a write cut short?); generate --append drops and redoes it");
    if (!ligne.empty() && ligne.back() == '\r')
      ligne.remove_suffix(1);
    else if (finie)
      ++rapport.lignesLfSeul;
    if (ligne.find('\r') != std::string_view::npos) {
      probleme(numero, "carriage return inside the line: lines must end with CR LF");
      continue;
    }
    TDonneReference donne;
    const ResultatLigne r = AnalyseLigneReference(ligne, donne);
    if (!r) {
      probleme(numero, DecritErreurLigne(r));
      continue;
    }
    ++rapport.lignesValides;
    if (options.graine && donne.Mains != DonneAleatoire(*options.graine, static_cast<std::uint64_t>(numero)))
      probleme(numero, "this is not deal " + std::to_string(numero) + " of seed " + std::to_string(*options.graine));
    const auto [place, nouvelle] = vues.emplace(Cle(donne.Mains), numero);
    if (!nouvelle) {
      ++rapport.doublons;
      probleme(numero, "the same deal as line " + std::to_string(place->second));
    }
    for (int p = 1; p <= 4; ++p) ++effectifs[static_cast<std::size_t>(IndexForme(donne.Mains[p]))];
    donnes.push_back(donne);
    numeros.push_back(numero);
  }
  if (rapport.lignes == 0) probleme(0, "the file is empty");

  rapport.formes = TesteFormes(effectifs);
  if (rapport.formes.fait && rapport.formes.p < options.seuil)
    probleme(0, "the hand patterns are not those of random deals: chi-square " + Nombre(rapport.formes.khiDeux, 1) +
                    " on " + std::to_string(rapport.formes.degres) + " degrees of freedom, p = " +
                    Nombre(rapport.formes.p, 6) + " (below " + Nombre(options.seuil, 3) + ")");

  // The sample: a partial Fisher-Yates over the valid lines, then in file order.
  const std::size_t k = static_cast<std::size_t>(std::clamp<long>(options.echantillon, 0, static_cast<long>(donnes.size())));
  if (k > 0) {
    std::vector<std::size_t> indices(donnes.size());
    for (std::size_t j = 0; j < indices.size(); ++j) indices[j] = j;
    Xoshiro256 hasard = GenerateurDonne(options.graineEchantillon, 0);
    for (std::size_t j = 0; j < k; ++j) {
      const std::size_t choisi = j + static_cast<std::size_t>(hasard.Borne(indices.size() - j));
      std::swap(indices[j], indices[choisi]);
    }
    indices.resize(k);
    std::sort(indices.begin(), indices.end());
    std::vector<TDonneReference> echantillon;
    echantillon.reserve(k);
    for (std::size_t j : indices) echantillon.push_back(donnes[j]);
    ResoutDonnes(echantillon);
    rapport.resolues = static_cast<long>(k);
    for (std::size_t j = 0; j < k; ++j) {
      const std::string ecarts = DecritDifferences(donnes[indices[j]].Levees, echantillon[j].Levees);
      if (ecarts.empty()) continue;
      ++rapport.desaccords;
      probleme(numeros[indices[j]], "the trick table differs from DDS: " + ecarts);
    }
  }
  std::stable_sort(rapport.problemes.begin(), rapport.problemes.end(),
                   [](const ProblemeFichier& a, const ProblemeFichier& b) { return a.ligne < b.ligne; });
  return rapport;
}

}  // namespace korvalo
