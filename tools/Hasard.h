#pragma once
// Reproducible random deals. The algorithm is ours and fixed, so a seed gives
// the same deals with every compiler and standard library:
//
//   mix64(x)      the splitmix64 finaliser: x ^= x >> 30; x *= 0xBF58476D1CE4E5B9;
//                 x ^= x >> 27; x *= 0x94D049BB133111EB; x ^= x >> 31
//   deal i of seed S (i counted from 1):
//     a splitmix64 sequence starts at x = mix64(mix64(S) + i) (mod 2^64); each
//     output adds 0x9E3779B97F4A7C15 to x and returns mix64(x). Its first four
//     outputs are the state of a xoshiro256** generator. (S and i do not play
//     symmetric parts, so deal i of seed S is not deal S of seed i.)
//   bounded draw in [0, n): Lemire's multiply-and-reject on 64-bit outputs.
//   shuffle: Fisher-Yates over the cards 0..51 (card c = suit c / 13 + 1 in
//     the order spades, hearts, diamonds, clubs, rank c % 13 with 0 = two),
//     for j = 51 down to 1 swap card j with card draw(j + 1).
//   hands: positions 0-12 go to seat 1 (North), 13-25 to seat 2 (East), 26-38
//     to seat 3 (South), 39-51 to seat 4 (West).

#include <cstdint>

#include "VariablesGlobales.h"

namespace korvalo {

constexpr std::uint64_t Mix64(std::uint64_t x) {
  x ^= x >> 30;
  x *= 0xBF58476D1CE4E5B9ull;
  x ^= x >> 27;
  x *= 0x94D049BB133111EBull;
  x ^= x >> 31;
  return x;
}

struct Xoshiro256 {
  std::uint64_t s[4];

  static constexpr std::uint64_t Rotl(std::uint64_t x, int k) { return (x << k) | (x >> (64 - k)); }

  constexpr std::uint64_t Suivant() {
    const std::uint64_t resultat = Rotl(s[1] * 5, 7) * 9;
    const std::uint64_t t = s[1] << 17;
    s[2] ^= s[0];
    s[3] ^= s[1];
    s[1] ^= s[2];
    s[0] ^= s[3];
    s[2] ^= t;
    s[3] = Rotl(s[3], 45);
    return resultat;
  }

  // Unbiased draw in [0, n), n >= 1.
  constexpr std::uint64_t Borne(std::uint64_t n) {
    unsigned __int128 m = static_cast<unsigned __int128>(Suivant()) * n;
    std::uint64_t bas = static_cast<std::uint64_t>(m);
    if (bas < n) {
      const std::uint64_t seuil = (0 - n) % n;
      while (bas < seuil) {
        m = static_cast<unsigned __int128>(Suivant()) * n;
        bas = static_cast<std::uint64_t>(m);
      }
    }
    return static_cast<std::uint64_t>(m >> 64);
  }
};

// The generator of deal i (1-based) of seed graine.
constexpr Xoshiro256 GenerateurDonne(std::uint64_t graine, std::uint64_t i) {
  std::uint64_t x = Mix64(Mix64(graine) + i);
  Xoshiro256 g{};
  for (auto& mot : g.s) {
    x += 0x9E3779B97F4A7C15ull;
    mot = Mix64(x);
  }
  return g;
}

// Deal i (1-based) of seed graine, as holdings of seats 1..4 in suits 1..4.
constexpr tcarreword DonneAleatoire(std::uint64_t graine, std::uint64_t i) {
  Xoshiro256 g = GenerateurDonne(graine, i);
  int cartes[52];
  for (int c = 0; c < 52; ++c) cartes[c] = c;
  for (int j = 51; j >= 1; --j) {
    const int k = static_cast<int>(g.Borne(static_cast<std::uint64_t>(j) + 1));
    const int t = cartes[j];
    cartes[j] = cartes[k];
    cartes[k] = t;
  }
  tcarreword mains{};
  for (int pos = 0; pos < 52; ++pos) {
    const int c = cartes[pos];
    mains[pos / 13 + 1][c / 13 + 1] |= static_cast<std::uint16_t>(1u << (c % 13));
  }
  return mains;
}

}  // namespace korvalo
