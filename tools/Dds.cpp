#include "Dds.h"

#include <dds/dll.h>

#include <algorithm>
#include <memory>

namespace korvalo {

void ConfigureDds(int threads) {
  SetResources(0, threads);
}

void ResoutDonnes(std::span<TDonneReference> donnes) {
  constexpr std::size_t lot = MAXNOOFTABLES;  // 40 deals x 5 strains per call
  auto demande = std::make_unique<ddTableDeals>();
  auto reponse = std::make_unique<ddTablesRes>();
  auto par = std::make_unique<allParResults>();
  int filtre[DDS_STRAINS] = {0, 0, 0, 0, 0};
  // DDS crashes on some impossible deals (a hand of more than 13 cards) instead of returning an error.
  for (std::size_t j = 0; j < donnes.size(); ++j)
    if (!DonneComplete(donnes[j].Mains))
      throw ErreurDds("deal " + std::to_string(j + 1) + " of the batch is not four disjoint hands of 13 cards");
  for (std::size_t debut = 0; debut < donnes.size(); debut += lot) {
    const std::size_t n = std::min(lot, donnes.size() - debut);
    demande->noOfTables = static_cast<int>(n);
    for (std::size_t j = 0; j < n; ++j)
      for (int main = 0; main < DDS_HANDS; ++main)
        for (int couleur = 0; couleur < DDS_SUITS; ++couleur)
          demande->deals[j].cards[main][couleur] = VersDds(donnes[debut + j].Mains[main + 1][couleur + 1]);
    const int code = CalcAllTables(demande.get(), -1, filtre, reponse.get(), par.get());
    if (code != RETURN_NO_FAULT) {
      char texte[80] = {};
      ErrorMessage(code, texte);
      throw ErreurDds("DDS failed on deals " + std::to_string(debut + 1) + " to " + std::to_string(debut + n) +
                      " of the batch: " + texte + " (code " + std::to_string(code) + ")");
    }
    for (std::size_t j = 0; j < n; ++j)
      for (int siege = 1; siege <= 4; ++siege)
        for (int c = 1; c <= 5; ++c)
          donnes[debut + j].Levees[siege][c] = static_cast<std::uint8_t>(reponse->results[j].resTable[c - 1][siege - 1]);
  }
}

}  // namespace korvalo
