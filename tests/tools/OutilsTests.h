#pragma once
// Helpers shared by the tools tests: a temporary folder and whole-file I/O.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

namespace korvalo::tests {

// A fresh folder under the system's temporary folder, removed at the end.
struct DossierTemporaire {
  std::filesystem::path chemin;
  DossierTemporaire() {
    std::random_device hasard;
    chemin = std::filesystem::temp_directory_path() / ("korvalo-tools-" + std::to_string(hasard()) + std::to_string(hasard()));
    std::filesystem::create_directories(chemin);
  }
  ~DossierTemporaire() {
    std::error_code ignore;
    std::filesystem::remove_all(chemin, ignore);
  }
  std::string operator/(const std::string& nom) const { return (chemin / nom).string(); }
};

inline std::string LitFichier(const std::string& chemin) {
  std::ifstream f(chemin, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
}

inline void EcritFichier(const std::string& chemin, const std::string& texte) {
  std::ofstream f(chemin, std::ios::binary | std::ios::trunc);
  f << texte;
}

// A checked-in file of tests/tools/data.
inline std::string Donnee(const std::string& nom) { return std::string(KORVALO_SOURCE_DIR) + "/tests/tools/data/" + nom; }

// The first n lines of a text, with their line ends.
inline std::string PremieresLignes(const std::string& texte, int n) {
  std::size_t fin = 0;
  for (int k = 0; k < n && fin < texte.size(); ++k) {
    const std::size_t lf = texte.find('\n', fin);
    fin = lf == std::string::npos ? texte.size() : lf + 1;
  }
  return texte.substr(0, fin);
}

// The lines of a text, without their line ends.
inline std::vector<std::string> Lignes(const std::string& texte) {
  std::vector<std::string> lignes;
  std::size_t debut = 0;
  while (debut < texte.size()) {
    std::size_t fin = texte.find('\n', debut);
    if (fin == std::string::npos) fin = texte.size();
    std::string ligne = texte.substr(debut, fin - debut);
    if (!ligne.empty() && ligne.back() == '\r') ligne.pop_back();
    lignes.push_back(ligne);
    debut = fin + 1;
  }
  return lignes;
}

}  // namespace korvalo::tests
