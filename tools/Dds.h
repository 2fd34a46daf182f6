#pragma once
// The one adapter between our encodings and DDS's.
//   seats: ours 1..4 = North, East, South, West; DDS hands 0..3 in the same order.
//   suits: ours 1..4 = spades, hearts, diamonds, clubs; DDS suits 0..3 likewise.
//   strains: ours 1..4 the suits, 5 no-trump; DDS strains 0..3, 4 = no-trump.
//   ranks: our bit 0 = two ... bit 12 = ace; DDS bit 2 = two ... bit 14 = ace.

#include <cstdint>
#include <span>
#include <stdexcept>
#include <string>

#include "LigneReference.h"

namespace korvalo {

constexpr unsigned VersDds(std::uint16_t holding) { return static_cast<unsigned>(holding) << 2; }
constexpr std::uint16_t DepuisDds(unsigned cartes) { return static_cast<std::uint16_t>((cartes >> 2) & TOUTES_CARTES); }

class ErreurDds : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Sets how many threads DDS may use (0 = all cores).
void ConfigureDds(int threads);

// Solves every deal of donnes (Mains filled) for all 20 declarer/strain
// results and fills their Levees; calls DDS in batches of at most 40 deals.
// Throws ErreurDds naming the failed batch, or the deal that is not complete.
void ResoutDonnes(std::span<TDonneReference> donnes);

}  // namespace korvalo
