#include "LigneReference.h"

#include <bit>
#include <cstring>

namespace korvalo {

namespace {

// The found text quoted in messages: enough to recognise it, never a whole line.
std::string Extrait(std::string_view v) {
  constexpr std::size_t max = 12;
  return std::string(v.substr(0, max)) + (v.size() > max ? "..." : "");
}

// One value of up to four digits and its space, eight bytes at a time (at
// least eight must be readable at p): the digit count, 0 when the field is
// anything else. The first byte that is not a digit is found exactly: the
// borrows and carries of the byte arithmetic only reach the bytes after it.
int ChampRapide(const char* p, unsigned& valeur) {
  std::uint64_t w;
  std::memcpy(&w, p, 8);
  const std::uint64_t x = w - 0x3030303030303030ULL;
  const std::uint64_t pasChiffre = (x | (x + 0x7676767676767676ULL)) & 0x8080808080808080ULL;
  if (pasChiffre == 0) return 0;
  const int n = std::countr_zero(pasChiffre) >> 3;
  if (n == 0 || n > 4 || ((w >> (8 * n)) & 0xFF) != ' ') return 0;
  // The digits moved to the top bytes, leading zeros below, then summed pairwise.
  std::uint64_t v = x << (8 * (8 - n));
  v = ((v & 0x0F0F0F0F0F0F0F0FULL) * 2561) >> 8;
  v = ((v & 0x00FF00FF00FF00FFULL) * 6553601) >> 16;
  v = ((v & 0x0000FFFF0000FFFFULL) * 42949672960001ULL) >> 32;
  valeur = static_cast<unsigned>(v);
  return n;
}

// The common case, a well-formed line, in one tight pass; false as soon as
// anything is unusual, and the careful scan below then says what.
bool AnalyseRapide(std::string_view ligne, TDonneReference& donne) {
  const char* p = ligne.data();
  const char* const fin = p + ligne.size();
  unsigned valeurs[NB_VALEURS_LIGNE];
  for (unsigned& v : valeurs) {
    if (fin - p >= 8) {
      const int n = ChampRapide(p, v);
      if (n == 0) return false;
      p += n + 1;
      continue;
    }
    const char* const debut = p;
    unsigned n = 0;
    while (p < fin && static_cast<unsigned>(*p - '0') < 10u) n = n * 10 + static_cast<unsigned>(*p++ - '0');
    if (p == debut || p - debut > 5 || p == fin || *p != ' ') return false;
    ++p;
    v = n;
  }
  for (int champ = 0; champ < NB_MAINS_LIGNE; ++champ) {
    if (valeurs[champ] > TOUTES_CARTES) return false;
    donne.Mains[champ / 4 + 1][champ % 4 + 1] = static_cast<std::uint16_t>(valeurs[champ]);
  }
  for (int k = 0; k < NB_VALEURS_LIGNE - NB_MAINS_LIGNE; ++k) {
    if (valeurs[NB_MAINS_LIGNE + k] > 13) return false;
    donne.Levees[k / 5 + 1][k % 5 + 1] = static_cast<std::uint8_t>(valeurs[NB_MAINS_LIGNE + k]);
  }
  return DonneComplete(donne.Mains);
}

}  // namespace

ResultatLigne AnalyseLigneReference(std::string_view ligne, TDonneReference& donne) {
  if (AnalyseRapide(ligne, donne)) return {};
  std::size_t pos = 0;
  for (int champ = 1; champ <= NB_VALEURS_LIGNE; ++champ) {
    const std::size_t debut = pos;
    std::uint32_t valeur = 0;
    while (pos < ligne.size() && ligne[pos] >= '0' && ligne[pos] <= '9') {
      // Cap the digits so a long run cannot overflow; anything above 99999 is out of range anyway.
      if (valeur < 100000) valeur = valeur * 10 + static_cast<std::uint32_t>(ligne[pos] - '0');
      ++pos;
    }
    if (pos == debut) {
      if (pos < ligne.size() && ligne[pos] != ' ' && ligne[pos] != '\r' && ligne[pos] != '\n') {
        std::size_t fin = ligne.find(' ', pos);
        return {ErreurLigne::PasUnEntier, champ, Extrait(ligne.substr(pos, fin == std::string_view::npos ? fin : fin - pos))};
      }
      return {ErreurLigne::ChampVide, champ, ""};
    }
    if (pos >= ligne.size() || ligne[pos] != ' ') {
      if (pos < ligne.size() && ligne[pos] != '\r' && ligne[pos] != '\n') {
        std::size_t fin = ligne.find(' ', debut);
        return {ErreurLigne::PasUnEntier, champ,
                Extrait(ligne.substr(debut, fin == std::string_view::npos ? fin : fin - debut))};
      }
      return {ErreurLigne::EspaceManquant, champ, Extrait(ligne.substr(debut, pos - debut))};
    }
    ++pos;  // the space that ends the value
    if (champ <= NB_MAINS_LIGNE) {
      // The digits as written: the value itself stops growing past 99999.
      if (valeur > TOUTES_CARTES) return {ErreurLigne::MainHorsBornes, champ, Extrait(ligne.substr(debut, pos - 1 - debut))};
      donne.Mains[(champ - 1) / 4 + 1][(champ - 1) % 4 + 1] = static_cast<std::uint16_t>(valeur);
    } else {
      if (valeur > 13) return {ErreurLigne::LeveesHorsBornes, champ, Extrait(ligne.substr(debut, pos - 1 - debut))};
      const int k = champ - NB_MAINS_LIGNE - 1;
      donne.Levees[k / 5 + 1][k % 5 + 1] = static_cast<std::uint8_t>(valeur);
    }
  }
  if (!DonneComplete(donne.Mains)) return {ErreurLigne::DonneIncomplete, 0, ""};
  return {};
}

bool DonneComplete(const tcarreword& mains) {
  for (int i = 1; i <= 4; ++i) {
    unsigned vus = 0;
    for (int p = 1; p <= 4; ++p) {
      if (mains[p][i] & vus) return false;
      vus |= mains[p][i];
    }
    if (vus != TOUTES_CARTES) return false;
  }
  for (int p = 1; p <= 4; ++p) {
    int n = 0;
    for (int i = 1; i <= 4; ++i) n += Longueur[mains[p][i] & TOUTES_CARTES];
    if (n != 13) return false;
  }
  return true;
}

std::string FormateLigneReference(const TDonneReference& donne) {
  std::string ligne;
  ligne.reserve(160);
  for (int p = 1; p <= 4; ++p)
    for (int i = 1; i <= 4; ++i) {
      ligne += std::to_string(donne.Mains[p][i]);
      ligne += ' ';
    }
  for (int r = 1; r <= 4; ++r)
    for (int c = 1; c <= 5; ++c) {
      ligne += std::to_string(donne.Levees[r][c]);
      ligne += ' ';
    }
  return ligne;
}

}  // namespace korvalo
