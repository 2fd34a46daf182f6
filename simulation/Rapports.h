#pragma once
// Field formats and the three text reports, as lines for Memo2 or a terminal.

#include <string>
#include <string_view>
#include <vector>

namespace korvalo {

// A real with d = 1 or 2 decimals and a comma, truncated: 0 gives "  ---",
// 24.375 (d = 1) "24,3 ", 0.0625 (d = 2) " , 6".
std::string FormateReel(int d, float x);
// Five-character percentage / column field: 0 "   --", above 98 "  100",
// -1 five spaces.
std::string FormatePourcent(int n);
// Six-character right-aligned count: 0 "    --".
std::string FormateEntier(int n);
// True when texte is an integer n with bas < n < haut; never throws.
bool EntierValide(std::string_view texte, int bas, int haut);

// The values of system s (1..6); call when ValeursSystemes[s].NbDonnes != 0.
std::vector<std::string> AfficheValeurs(int s);
// Means and deviations of the six systems.
std::vector<std::string> ComparaisonSystemes();
// Stored values of system s beside NouvellesValeurs.
std::vector<std::string> Comparaison_old_new(int s);

}  // namespace korvalo
