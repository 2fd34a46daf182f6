#pragma once
// Shared by the fuzz targets: a scratch file per process for readers that take
// a path, and a check that stops the run with a readable reason.

#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "FichierTexte.h"

namespace korvalo::fuzz {

// libFuzzer reports an abort as a crash and keeps the input that caused it.
#define KORVALO_VERIFIE(condition, detail)                                                    \
  do {                                                                                        \
    if (!(condition)) {                                                                       \
      std::fprintf(stderr, "check failed: %s (%s:%d): %s\n", #condition, __FILE__, __LINE__, \
                   std::string(detail).c_str());                                              \
      std::abort();                                                                           \
    }                                                                                         \
  } while (0)

// A path of its own for this process (parallel jobs do not share it), on
// tmpfs when there is one: the readers are fuzzed through real files.
inline std::string FichierDeTravail(const std::string& nom) {
  const char* dossier = ::access("/dev/shm", W_OK) == 0 ? "/dev/shm" : (std::getenv("TMPDIR") ? std::getenv("TMPDIR") : "/tmp");
  return std::string(dossier) + "/korvalo-fuzz-" + std::to_string(::getpid()) + "-" + nom;
}

inline void EcritOctets(const std::string& chemin, const std::uint8_t* donnees, std::size_t taille) {
  std::FILE* f = std::fopen(chemin.c_str(), "wb");
  KORVALO_VERIFIE(f != nullptr, chemin);
  KORVALO_VERIFIE(taille == 0 || std::fwrite(donnees, 1, taille, f) == taille, chemin);
  KORVALO_VERIFIE(std::fclose(f) == 0, chemin);
}

// Every refusal names the file, points at a line inside the file (or one past
// its end) and quotes a short, printable extract.
inline void VerifieErreur(const ErreurFichier& e, const std::string& chemin, long nbLignes) {
  const std::string quoi = e.what();
  KORVALO_VERIFIE(e.fichier == chemin, quoi);
  KORVALO_VERIFIE(quoi.rfind(chemin, 0) == 0, quoi);
  if (e.genre != ErreurFichier::Genre::Ouverture && e.genre != ErreurFichier::Genre::Ecriture) {
    KORVALO_VERIFIE(e.ligne >= 1 && e.ligne <= nbLignes + 1, quoi);
    KORVALO_VERIFIE(quoi.find(", line " + std::to_string(e.ligne) + ": ") != std::string::npos, quoi);
  }
  KORVALO_VERIFIE(e.trouve.size() <= 40 + 3, quoi);
  for (char c : e.trouve) {
    const auto u = static_cast<unsigned char>(c);
    KORVALO_VERIFIE(u >= 32 && u != 127, quoi);
  }
}

// Lines as the line reader would count them (an upper bound is enough here).
inline long CompteLignes(const std::uint8_t* donnees, std::size_t taille) {
  long n = 1;
  for (std::size_t i = 0; i < taille; ++i)
    if (donnees[i] == '\n' || donnees[i] == '\r') ++n;
  return n;
}

}  // namespace korvalo::fuzz
