#pragma once
// Holdings, hands, deals and the lookup tables every evaluation leans on.
//
// A holding is a 13-bit card mask of one suit: bit 0 = two ... bit 8 = ten,
// 9 = jack, 10 = queen, 11 = king, 12 = ace. A hand (TMain) is indexed by suit
// 1..4, a deal (tcarreword) by seat 1..4 then suit 1..4; index 0 is never read.

#include <array>
#include <cstdint>

namespace korvalo {

using Holding = std::uint16_t;
using TMain = std::array<std::uint16_t, 5>;
using tcarreword = std::array<TMain, 5>;

inline constexpr int NB_SIEGES = 4;
inline constexpr int NB_COULEURS = 4;
inline constexpr int NB_SYSTEMES = 6;
inline constexpr int NB_SYSTEMES_PARAMETRIQUES = 3;

inline constexpr std::uint16_t MASQUE_HONNEURS = 7680;  // A K Q J
inline constexpr std::uint16_t MASQUE_CINQ_HONNEURS = 7936;  // A K Q J T
inline constexpr std::uint16_t CARTE_AS = 4096;
inline constexpr std::uint16_t CARTE_ROI = 2048;
inline constexpr std::uint16_t CARTE_DAME = 1024;
inline constexpr std::uint16_t CARTE_VALET = 512;
inline constexpr std::uint16_t CARTE_DIX = 256;
inline constexpr std::uint16_t CARTE_NEUF = 128;
inline constexpr std::uint16_t CARTE_HUIT = 64;
inline constexpr std::uint16_t TOUTES_CARTES = 8191;

// Number of cards of each holding 0..8191.
extern std::uint16_t Longueur[8192];
// Milton Work points of the honours, indexed by holding AND 7680.
extern std::uint8_t PointsHonneurs[7681];
// Bit[r] = 1 shl r.
extern std::uint32_t Bit[16];
extern std::uint8_t Partenaire[5];
extern std::uint8_t FlancDroit[5];   // right-hand opponent
extern std::uint8_t FlancGauche[5];  // left-hand opponent

// Suit-ownership codes of the deal being scored, seen from seat p for suit i:
// 2 partner holds 4+, else 1 right-hand opponent holds 4+, else -1 left-hand
// opponent holds 4+, else 0.
extern int CouleurLongue[5][5];

// Fills the constant tables; called once at process start by every main.
void InitialiseTables();

// True exactly when bas < x < haut.
constexpr bool Entre(int x, int bas, int haut) { return bas < x && x < haut; }
// True exactly when bas < x < haut; false when x is not a number.
constexpr bool EntreReels(float x, float bas, float haut) { return bas < x && x < haut; }

// Rewrites CouleurLongue[p][1..4] from the other three hands of the deal.
void FaitCouleurLongue(const tcarreword& donne, int p);

// 'F' 1, 'A' 2, 'B' 3, 'Z' 4, 'K' 5, 'C' 6, anything else 0.
constexpr int NumeroSysteme(char lettre) {
  switch (lettre) {
    case 'F': return 1;
    case 'A': return 2;
    case 'B': return 3;
    case 'Z': return 4;
    case 'K': return 5;
    case 'C': return 6;
    default: return 0;
  }
}

// Letter of system 1..6.
constexpr char LettreSysteme(int systeme) {
  constexpr char lettres[] = {'\0', 'F', 'A', 'B', 'Z', 'K', 'C'};
  return (systeme >= 1 && systeme <= NB_SYSTEMES) ? lettres[systeme] : '\0';
}

}  // namespace korvalo
