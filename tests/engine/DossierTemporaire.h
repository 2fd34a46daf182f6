#pragma once
// A fresh folder under the system's temporary folder, removed with its content.

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>

namespace korvalo::test {

class DossierTemporaire {
 public:
  DossierTemporaire() {
    std::string modele = (std::filesystem::temp_directory_path() / "korvalo-test-XXXXXX").string();
    if (::mkdtemp(modele.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
    chemin_ = modele;
  }
  ~DossierTemporaire() {
    std::error_code ec;
    std::filesystem::remove_all(chemin_, ec);
  }
  DossierTemporaire(const DossierTemporaire&) = delete;
  DossierTemporaire& operator=(const DossierTemporaire&) = delete;

  std::string Fichier(const std::string& nom) const { return (chemin_ / nom).string(); }
  const std::filesystem::path& Chemin() const { return chemin_; }

 private:
  std::filesystem::path chemin_;
};

inline void EcritOctets(const std::string& chemin, const std::string& octets) {
  std::ofstream sortie(chemin, std::ios::binary | std::ios::trunc);
  sortie << octets;
  if (!sortie) throw std::runtime_error("cannot write " + chemin);
}

inline std::string LitOctets(const std::string& chemin) {
  std::ifstream entree(chemin, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(entree)), std::istreambuf_iterator<char>());
}

inline bool Existe(const std::string& chemin) { return std::filesystem::exists(chemin); }

}  // namespace korvalo::test
