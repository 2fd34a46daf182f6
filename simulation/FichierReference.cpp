#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "Simulation.h"

namespace korvalo {

std::string TexteReference;
std::vector<std::string_view> LignesReference;
std::string CheminReferenceCourant;

namespace {

constexpr std::size_t LONGUEUR_MAX_LIGNE = 4096;

}  // namespace

namespace {

// Reads lines 1..N; with `exige`, fewer lines than N is an error.
int Lit(const std::string& chemin, int N, bool exige) {
  LignesReference.clear();
  TexteReference.clear();
  CheminReferenceCourant = chemin;
  std::FILE* f = std::fopen(chemin.c_str(), "rb");
  if (f == nullptr) {
    const int err = errno;
    struct stat s;
    if (err == ENOENT && ::stat(chemin.c_str(), &s) != 0) throw ErreurEvaluation(MessageReferenceIntrouvable(chemin));
    throw ErreurEvaluation(MessageErreurFichier(
        ErreurFichier(ErreurFichier::Genre::Ouverture, chemin, 0, "", "cannot open: " + std::string(std::strerror(err)))));
  }
  // Read by blocks until N line ends are in: a larger file is not read to its end.
  // The buffer is sized once from the file's size, capped at what N lines can take.
  constexpr std::size_t BLOC = 1 << 20;
  struct stat etat;
  const std::size_t plafond = static_cast<std::size_t>(N) * (LONGUEUR_MAX_LIGNE + 2) + 3;
  std::size_t prevu = (::fstat(::fileno(f), &etat) == 0 && etat.st_size > 0) ? static_cast<std::size_t>(etat.st_size) : BLOC;
  if (prevu > plafond) prevu = plafond;
  TexteReference.resize(prevu);
  std::size_t taille = 0;
  long fins = 0;
  std::size_t debutLigne = 0;  // where the line not yet ended starts
  bool erreur = false;
  for (;;) {
    if (TexteReference.size() - taille < BLOC) TexteReference.resize(taille + BLOC);
    const std::size_t lus = std::fread(TexteReference.data() + taille, 1, BLOC, f);
    for (const char *p = TexteReference.data() + taille, *fin = p + lus;
         (p = static_cast<const char*>(std::memchr(p, '\n', static_cast<std::size_t>(fin - p)))) != nullptr; ++p) {
      ++fins;
      debutLigne = static_cast<std::size_t>(p - TexteReference.data()) + 1;
    }
    taille += lus;
    if (lus < BLOC) {
      erreur = std::ferror(f) != 0;
      break;
    }
    // A line already too long is refused below: a file that never ends a line is not read on.
    if (fins >= N || taille - debutLigne > LONGUEUR_MAX_LIGNE + 1) break;
  }
  TexteReference.resize(taille);
  std::fclose(f);
  if (erreur)
    throw ErreurEvaluation(
        MessageErreurFichier(ErreurFichier(ErreurFichier::Genre::Ouverture, chemin, 0, "", "read error")));

  const char* const debutTexte = TexteReference.data();
  const char* const finTexte = debutTexte + TexteReference.size();
  const char* p = debutTexte;
  if (TexteReference.size() >= 3 && std::memcmp(p, "\xEF\xBB\xBF", 3) == 0) p += 3;
  LignesReference.reserve(static_cast<std::size_t>(N) + 1);
  LignesReference.emplace_back();
  for (long d = 1; d <= N; ++d) {
    if (p >= finTexte) {
      if (!exige) return static_cast<int>(d - 1);
      LignesReference.clear();
      throw ErreurEvaluation(MessageReferenceTropCourte(chemin, d - 1, N));
    }
    const char* nl = static_cast<const char*>(std::memchr(p, '\n', static_cast<std::size_t>(finTexte - p)));
    const char* fin = nl ? nl : finTexte;
    std::size_t n = static_cast<std::size_t>(fin - p);
    if (n > 0 && p[n - 1] == '\r') --n;
    DefautLigne defaut{};
    bool refusee = true;
    if (n > LONGUEUR_MAX_LIGNE) defaut = DefautLigne::TropLongue;
    else if (std::memchr(p, '\0', n)) defaut = DefautLigne::OctetNul;
    // A CR inside a line is a CR-only line end: the next deal would be read as trailing text.
    else if (std::memchr(p, '\r', n)) defaut = DefautLigne::RetourChariotSeul;
    else refusee = false;
    if (refusee) {
      LignesReference.clear();
      throw ErreurEvaluation(MessageLigneIllisible(chemin, d, defaut));
    }
    LignesReference.emplace_back(p, n);
    p = nl ? nl + 1 : finTexte;
  }
  return N;
}

}  // namespace

void LitLignesReference(const std::string& chemin, int N) { Lit(chemin, N, true); }

int LitLignesReferenceAuPlus(const std::string& chemin, int Nmax) { return Lit(chemin, Nmax, false); }

}  // namespace korvalo
