#include "FichierTexte.h"

#include <fcntl.h>
#include <langinfo.h>
#include <locale.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>

namespace korvalo {

long EchecEcritureApresLignes = -1;

namespace {

constexpr std::size_t LONGUEUR_MAX_LIGNE = 4096;
constexpr std::size_t LONGUEUR_EXTRAIT = 40;

std::string Compose(const std::string& fichier, long ligne, const std::string& trouve, const std::string& message) {
  std::string texte = fichier;
  if (ligne > 0) texte += ", line " + std::to_string(ligne);
  texte += ": " + message;
  if (!trouve.empty()) texte += " (found \"" + trouve + "\")";
  return texte;
}

std::string TexteErreurSysteme(int err) { return std::strerror(err); }

[[noreturn]] void EchecEcriture(const std::string& chemin, const std::string& quoi, int err) {
  throw ErreurFichier(ErreurFichier::Genre::Ecriture, chemin, 0, "", quoi + ": " + TexteErreurSysteme(err));
}

bool Existe(const std::string& chemin) {
  struct stat s;
  return ::lstat(chemin.c_str(), &s) == 0;
}

// The folder holding chemin, for the fsync that makes a rename durable.
std::string Dossier(const std::string& chemin) {
  const auto pos = chemin.find_last_of('/');
  if (pos == std::string::npos) return ".";
  if (pos == 0) return "/";
  return chemin.substr(0, pos);
}


// Languages whose usual decimal separator is a comma, used when the locale
// named by the environment is not installed on the machine.
bool LangueAVirgule(const std::string& nom) {
  static const char* const langues[] = {
      "af", "az", "be", "bg", "bs", "ca", "cs", "da", "de", "el", "es", "et", "eu", "fi", "fo", "fr", "gl",
      "hr", "hu", "hy", "id", "is", "it", "ka", "kk", "ky", "lb", "lt", "lv", "mk", "nb", "nl", "nn", "no",
      "oc", "pl", "pt", "ro", "ru", "sk", "sl", "sq", "sr", "sv", "tr", "uk", "uz", "vi", "wa"};
  // Countries where these languages write a point.
  static const char* const exceptions[] = {"de_CH", "de_LI", "it_CH", "es_MX", "es_US", "es_PR", "es_DO",
                                           "es_GT", "es_HN", "es_NI", "es_PA", "es_SV", "es_CU"};
  for (const char* e : exceptions)
    if (nom.rfind(e, 0) == 0) return false;
  const std::string langue = nom.substr(0, nom.find_first_of("_.@"));
  for (const char* l : langues)
    if (langue == l) return true;
  return false;
}

enum class Lecture { Ok, PasUnNombre, HorsLimites, TropPetit };

bool EstBlanc(char c) { return c == ' ' || c == '\t'; }

Lecture AnalyseReel(const std::string& texte, double limite, double& valeur) {
  std::size_t debut = 0, fin = texte.size();
  while (debut < fin && EstBlanc(texte[debut])) ++debut;
  while (fin > debut && EstBlanc(texte[fin - 1])) --fin;
  std::size_t i = debut;
  const bool negatif = i < fin && texte[i] == '-';
  if (i < fin && (texte[i] == '+' || texte[i] == '-')) ++i;
  if (i == fin) return Lecture::PasUnNombre;

  // Words for infinity and not-a-number name numbers, but not finite ones.
  if (fin - i <= 8) {
    std::string mot;
    for (std::size_t j = i; j < fin; ++j) mot += static_cast<char>(std::tolower(static_cast<unsigned char>(texte[j])));
    if (mot == "inf" || mot == "infinity" || mot == "nan") return Lecture::HorsLimites;
  }

  // Mantissa: digits with at most one separator, "." or ",".
  std::string copie = negatif ? "-" : "";
  int chiffres = 0, chiffresEntiers = 0, premierSignificatif = -1;
  bool separateur = false;
  for (; i < fin; ++i) {
    const char c = texte[i];
    if (c >= '0' && c <= '9') {
      if (c != '0' && premierSignificatif < 0) premierSignificatif = chiffres;
      ++chiffres;
      if (!separateur) ++chiffresEntiers;
    } else if ((c == '.' || c == ',') && !separateur) {
      separateur = true;
    } else {
      break;
    }
    copie += c == ',' ? '.' : c;
  }
  if (chiffres == 0) return Lecture::PasUnNombre;
  // Exponent: e, optional sign, at least one digit.
  long exposant = 0;
  if (i < fin && (texte[i] == 'e' || texte[i] == 'E')) {
    copie += 'e';
    ++i;
    bool exposantNegatif = false;
    if (i < fin && (texte[i] == '+' || texte[i] == '-')) {
      exposantNegatif = texte[i] == '-';
      copie += texte[i++];
    }
    int chiffresExposant = 0;
    for (; i < fin && texte[i] >= '0' && texte[i] <= '9'; ++i, ++chiffresExposant) {
      copie += texte[i];
      exposant = std::min(exposant * 10 + (texte[i] - '0'), 1000000L);
    }
    if (chiffresExposant == 0) return Lecture::PasUnNombre;
    if (exposantNegatif) exposant = -exposant;
  }
  if (i != fin) return Lecture::PasUnNombre;

  double v = 0;
  const auto [fin_lue, erreur] = std::from_chars(copie.data(), copie.data() + copie.size(), v);
  // Overflow and underflow are both refused, never read as infinity or 0; the
  // decimal order of the first significant digit tells them apart.
  if (erreur == std::errc::result_out_of_range) {
    const long ordre = chiffresEntiers - premierSignificatif - 1 + exposant;
    return premierSignificatif >= 0 && ordre < 0 ? Lecture::TropPetit : Lecture::HorsLimites;
  }
  if (erreur != std::errc() || fin_lue != copie.data() + copie.size()) return Lecture::PasUnNombre;
  if (!std::isfinite(v) || std::fabs(v) > limite) return Lecture::HorsLimites;
  valeur = v;
  return Lecture::Ok;
}

}  // namespace

bool EcritTout(int fd, const char* data, std::size_t taille) {
  while (taille > 0) {
    const ssize_t n = ::write(fd, data, taille);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    data += n;
    taille -= static_cast<std::size_t>(n);
  }
  return true;
}

ErreurFichier::ErreurFichier(Genre genre_, std::string fichier_, long ligne_, std::string trouve_,
                             const std::string& message, Cause cause_)
    : std::runtime_error(Compose(fichier_, ligne_, trouve_, message)),
      genre(genre_),
      cause(cause_),
      fichier(std::move(fichier_)),
      ligne(ligne_),
      trouve(std::move(trouve_)) {}

std::string ExtraitLigne(const std::string& ligne) {
  std::string extrait;
  for (char c : ligne) {
    if (extrait.size() >= LONGUEUR_EXTRAIT) break;
    const auto u = static_cast<unsigned char>(c);
    extrait += (u < 32 || u == 127) ? '?' : c;
  }
  if (ligne.size() > LONGUEUR_EXTRAIT) {
    // Do not cut a UTF-8 sequence in two: drop a last sequence left incomplete.
    std::size_t debut = extrait.size();
    while (debut > 0 && (static_cast<unsigned char>(extrait[debut - 1]) & 0xC0) == 0x80) --debut;
    if (debut > 0) {
      const auto tete = static_cast<unsigned char>(extrait[debut - 1]);
      const std::size_t attendu = tete >= 0xF0 ? 4 : tete >= 0xE0 ? 3 : tete >= 0xC0 ? 2 : 1;
      if (extrait.size() - (debut - 1) < attendu) extrait.resize(debut - 1);
    }
    extrait += "...";
  }
  return extrait;
}

char SeparateurDecimalUtilisateur() {
  // The same precedence as setlocale(LC_NUMERIC, ""), read without touching
  // the process locale.
  const char* noms[] = {std::getenv("LC_ALL"), std::getenv("LC_NUMERIC"), std::getenv("LANG")};
  std::string nom;
  for (const char* n : noms)
    if (n != nullptr && *n != '\0') {
      nom = n;
      break;
    }
  if (nom.empty() || nom == "C" || nom == "POSIX" || nom.rfind("C.", 0) == 0) return '.';
  if (locale_t loc = ::newlocale(LC_NUMERIC_MASK, nom.c_str(), static_cast<locale_t>(nullptr))) {
    const char* radix = ::nl_langinfo_l(RADIXCHAR, loc);
    const char sep = (radix != nullptr && radix[0] == ',') ? ',' : '.';
    ::freelocale(loc);
    return sep;
  }
  return LangueAVirgule(nom) ? ',' : '.';
}

void EcritFichierAtomique(const std::string& chemin, const std::vector<std::string>& lignes) {
  const std::string temporaire = chemin + SUFFIXE_TEMPORAIRE;
  const int fd = ::open(temporaire.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0) EchecEcriture(chemin, "cannot create " + temporaire, errno);

  auto abandonne = [&](const std::string& quoi, int err) {
    ::close(fd);
    ::unlink(temporaire.c_str());
    EchecEcriture(chemin, quoi, err);
  };

  // Lines are gathered into blocks so that a large file costs few system calls.
  std::string bloc;
  bloc.reserve(1 << 16);
  long ecrites = 0;
  auto echecInjecte = [&] {
    if (!EcritTout(fd, bloc.data(), bloc.size())) abandonne("cannot write " + temporaire, errno);
    abandonne("cannot write " + temporaire + " after line " + std::to_string(ecrites), EIO);
  };
  for (const std::string& ligne : lignes) {
    if (ecrites == EchecEcritureApresLignes) echecInjecte();
    bloc += ligne;
    bloc += "\r\n";
    ++ecrites;
    if (bloc.size() >= (1 << 16)) {
      if (!EcritTout(fd, bloc.data(), bloc.size())) abandonne("cannot write " + temporaire, errno);
      bloc.clear();
    }
  }
  if (ecrites == EchecEcritureApresLignes) echecInjecte();
  if (!EcritTout(fd, bloc.data(), bloc.size())) abandonne("cannot write " + temporaire, errno);
  if (::fsync(fd) != 0) abandonne("cannot flush " + temporaire, errno);
  if (::close(fd) != 0) {
    const int err = errno;
    ::unlink(temporaire.c_str());
    EchecEcriture(chemin, "cannot close " + temporaire, err);
  }
  if (::rename(temporaire.c_str(), chemin.c_str()) != 0) {
    const int err = errno;
    ::unlink(temporaire.c_str());
    EchecEcriture(chemin, "cannot rename " + temporaire + " over it", err);
  }
  // Make the rename itself durable; a folder that cannot be synced is no failure of the save.
  const int dossier = ::open(Dossier(chemin).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dossier >= 0) {
    ::fsync(dossier);
    ::close(dossier);
  }
}

void SupprimeTemporaireOrphelin(const std::string& chemin) {
  // Missing is the normal case; any other failure shows again at the next save.
  ::unlink((chemin + SUFFIXE_TEMPORAIRE).c_str());
}

std::string MetDeCoteFichierIllisible(const std::string& chemin) {
  if (!Existe(chemin))
    throw ErreurFichier(ErreurFichier::Genre::Ecriture, chemin, 0, "", "cannot rename it aside: no such file");
  for (int n = 1; n <= 1000; ++n) {
    std::string cible = chemin + ".illisible";
    if (n > 1) {
      cible += '.';
      cible += std::to_string(n);
    }
    // link() refuses an existing target, so an earlier copy is never overwritten.
    if (::link(chemin.c_str(), cible.c_str()) == 0) {
      if (::unlink(chemin.c_str()) != 0) {
        const int err = errno;
        ::unlink(cible.c_str());
        EchecEcriture(chemin, "cannot rename it aside to " + cible, err);
      }
      return cible;
    }
    if (errno == EEXIST) continue;
    // Folders without hard links: check, then rename.
    if (Existe(cible)) continue;
    if (::rename(chemin.c_str(), cible.c_str()) == 0) return cible;
    EchecEcriture(chemin, "cannot rename it aside to " + cible, errno);
  }
  throw ErreurFichier(ErreurFichier::Genre::Ecriture, chemin, 0, "",
                      "cannot rename it aside: 1000 earlier copies are in the way");
}

std::vector<std::string> LitLignes(const std::string& chemin) {
  std::ifstream entree(chemin, std::ios::binary);
  if (!entree) {
    const int err = errno;
    throw ErreurFichier(ErreurFichier::Genre::Ouverture, chemin, 0, "",
                        std::string("cannot open for reading: ") + TexteErreurSysteme(err));
  }
  std::string contenu((std::istreambuf_iterator<char>(entree)), std::istreambuf_iterator<char>());
  if (entree.bad())
    throw ErreurFichier(ErreurFichier::Genre::Ouverture, chemin, 0, "", "cannot read the file");

  std::size_t pos = 0;
  if (contenu.size() >= 3 && contenu.compare(0, 3, "\xEF\xBB\xBF") == 0) pos = 3;
  std::vector<std::string> lignes;
  while (pos < contenu.size()) {
    const long numero = static_cast<long>(lignes.size()) + 1;
    std::size_t fin = pos;
    while (fin < contenu.size() && contenu[fin] != '\n' && contenu[fin] != '\r' && contenu[fin] != '\0' &&
           fin - pos <= LONGUEUR_MAX_LIGNE)
      ++fin;
    const std::string ligne = contenu.substr(pos, fin - pos);
    if (ligne.size() > LONGUEUR_MAX_LIGNE)
      throw ErreurFichier(ErreurFichier::Genre::LigneInvalide, chemin, numero, ExtraitLigne(ligne),
                          "line longer than 4096 characters", ErreurFichier::Cause::LigneTropLongue);
    if (fin < contenu.size() && contenu[fin] == '\0')
      throw ErreurFichier(ErreurFichier::Genre::LigneInvalide, chemin, numero, ExtraitLigne(ligne),
                          "NUL byte in the line", ErreurFichier::Cause::OctetNul);
    if (fin < contenu.size() && contenu[fin] == '\r') {
      if (fin + 1 >= contenu.size() || contenu[fin + 1] != '\n')
        throw ErreurFichier(ErreurFichier::Genre::LigneInvalide, chemin, numero, ExtraitLigne(ligne),
                            "line ended by CR alone", ErreurFichier::Cause::FinDeLigneCR);
      ++fin;
    }
    lignes.push_back(ligne);
    pos = fin + 1;  // past the LF, or past the end for a last line without one
  }
  return lignes;
}

bool LitReel(const std::string& texte, double limite, double& valeur) {
  return AnalyseReel(texte, limite, valeur) == Lecture::Ok;
}

double LitReelDeLigne(const std::vector<std::string>& lignes, std::size_t index, const std::string& chemin,
                      double limite) {
  const long numero = static_cast<long>(index) + 1;
  if (index >= lignes.size())
    throw ErreurFichier(ErreurFichier::Genre::FinPrematuree, chemin, numero, "",
                        "the file ends before this line (" + std::to_string(lignes.size()) + " lines)");
  double valeur = 0;
  switch (AnalyseReel(lignes[index], limite, valeur)) {
    case Lecture::Ok:
      return valeur;
    case Lecture::PasUnNombre:
      throw ErreurFichier(ErreurFichier::Genre::NombreInvalide, chemin, numero, ExtraitLigne(lignes[index]),
                          lignes[index].empty() ? "empty line where a number is expected" : "not a number");
    case Lecture::TropPetit:
      throw ErreurFichier(ErreurFichier::Genre::HorsLimites, chemin, numero, ExtraitLigne(lignes[index]),
                          "a number too close to zero to be represented");
    case Lecture::HorsLimites:
      break;
  }
  // Plain decimal: a user reads "1000000", not "1e+06".
  char limiteTexte[64];
  const auto fin = std::to_chars(limiteTexte, limiteTexte + sizeof limiteTexte, limite, std::chars_format::fixed).ptr;
  throw ErreurFichier(ErreurFichier::Genre::HorsLimites, chemin, numero, ExtraitLigne(lignes[index]),
                      "not a finite number of magnitude at most " + std::string(limiteTexte, fin));
}

std::string EcritReel(float x, char separateur) {
  if (!std::isfinite(x)) throw std::invalid_argument("EcritReel: not a finite number");
  if (x == 0) return "0";  // also for -0
  char tampon[128];
  const auto [fin, erreur] = std::to_chars(tampon, tampon + sizeof tampon, x, std::chars_format::fixed);
  if (erreur != std::errc()) throw std::invalid_argument("EcritReel: conversion failed");
  std::string texte(tampon, fin);
  if (separateur != '.')
    for (char& c : texte)
      if (c == '.') c = separateur;
  return texte;
}

}  // namespace korvalo
