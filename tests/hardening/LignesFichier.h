#pragma once
// Building damaged data files line by line, for the tables of malformed input.

#include <string>
#include <vector>

namespace korvalo::test {

inline const std::string BOM = "\xEF\xBB\xBF";

// The lines with line `ligne` (1-based) replaced by texte.
inline std::vector<std::string> Avec(std::vector<std::string> lignes, long ligne, const std::string& texte) {
  lignes[static_cast<std::size_t>(ligne - 1)] = texte;
  return lignes;
}

// The first n lines only, as in a truncated file.
inline std::vector<std::string> Premieres(std::vector<std::string> lignes, std::size_t n) {
  lignes.resize(n);
  return lignes;
}

// The file's bytes: each line ended by `fin`, the last one too when `finale`.
inline std::string Joint(const std::vector<std::string>& lignes, const std::string& fin = "\r\n", bool finale = true) {
  std::string s;
  for (std::size_t i = 0; i < lignes.size(); ++i) s += lignes[i] + (i + 1 < lignes.size() || finale ? fin : "");
  return s;
}

// An expected message with "{F}" standing for the file's path.
inline std::string AvecChemin(std::string texte, const std::string& chemin) {
  if (const std::size_t p = texte.find("{F}"); p != std::string::npos) texte.replace(p, 3, chemin);
  return texte;
}

}  // namespace korvalo::test
