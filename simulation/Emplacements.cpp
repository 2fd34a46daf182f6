#include "Emplacements.h"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "FichierTexte.h"
#include "Simulation.h"

namespace fs = std::filesystem;

namespace korvalo {

namespace {

std::string AvecSeparateur(const fs::path& p) {
  std::string s = p.string();
  if (s.empty() || s.back() != fs::path::preferred_separator) s += fs::path::preferred_separator;
  return s;
}

const char* Variable(const char* nom) {
  const char* v = std::getenv(nom);
  return (v != nullptr && *v != '\0') ? v : nullptr;
}

[[noreturn]] void EchecCopie(const std::string& cible, const std::string& quoi, int err) {
  throw ErreurFichier(ErreurFichier::Genre::Ecriture, cible, 0, "", quoi + ": " + std::strerror(err));
}

// Temporary copies are named after the process that writes them, so that two
// programs starting together never write into the same file.
const std::string SUFFIXE_COPIE = SUFFIXE_TEMPORAIRE;

// Removes the temporary copies left by killed processes.
void SupprimeCopiesOrphelines(const fs::path& dossier) {
  std::error_code ec;
  const std::string prefixe = std::string(NOM_FICHIER_REFERENCE) + ".";
  for (const auto& entree : fs::directory_iterator(dossier, ec)) {
    const std::string nom = entree.path().filename().string();
    if (nom.rfind(prefixe, 0) != 0 || nom.size() <= prefixe.size() + SUFFIXE_COPIE.size() ||
        nom.compare(nom.size() - SUFFIXE_COPIE.size(), SUFFIXE_COPIE.size(), SUFFIXE_COPIE) != 0)
      continue;
    const std::string pid = nom.substr(prefixe.size(), nom.size() - prefixe.size() - SUFFIXE_COPIE.size());
    char* fin = nullptr;
    const long n = std::strtol(pid.c_str(), &fin, 10);
    if (fin == pid.c_str() || *fin != '\0' || n <= 0) continue;
    if (::kill(static_cast<pid_t>(n), 0) != 0 && errno == ESRCH) fs::remove(entree.path(), ec);
  }
}

}  // namespace

std::string CalculeDossierDonnees() {
  fs::path dossier;
  if (const char* appdata = Variable("APPDATA")) {
    dossier = fs::path(appdata) / "Korvalo";
  } else if (const char* xdg = Variable("XDG_DATA_HOME"); xdg != nullptr && fs::path(xdg).is_absolute()) {
    dossier = fs::path(xdg) / "Korvalo";
  } else if (const char* home = Variable("HOME")) {
    dossier = fs::path(home) / ".local" / "share" / "Korvalo";
  } else {
    throw ErreurFichier(ErreurFichier::Genre::Ecriture, "Korvalo", 0, "",
                        "no folder for the data: APPDATA, XDG_DATA_HOME and HOME are all unset");
  }
  std::error_code ec;
  fs::create_directories(dossier, ec);
  if (!fs::is_directory(dossier))
    throw ErreurFichier(ErreurFichier::Genre::Ecriture, dossier.string(), 0, "",
                        "cannot create the folder: " + (ec ? ec.message() : std::string("not a folder")));
  return AvecSeparateur(dossier);
}

std::vector<std::string> DossiersLivres() {
  std::vector<std::string> dossiers;
  std::error_code ec;
  const fs::path courant = fs::current_path(ec);
  if (!ec) dossiers.push_back(AvecSeparateur(courant));
  const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
  if (!ec) dossiers.push_back(AvecSeparateur((exe.parent_path() / ".." / "share" / "korvalo").lexically_normal()));
#ifdef KORVALO_BINARY_DIR
  dossiers.push_back(AvecSeparateur(fs::path(KORVALO_BINARY_DIR)));
#endif
#ifdef KORVALO_SOURCE_DIR
  dossiers.push_back(AvecSeparateur(fs::path(KORVALO_SOURCE_DIR)));
#endif
  return dossiers;
}

std::string TrouveFichierLivre(const std::string& relatif) {
  std::error_code ec;
  for (const std::string& dossier : DossiersLivres()) {
    const fs::path chemin = fs::path(dossier) / fs::path(relatif).make_preferred();
    if (fs::is_regular_file(chemin, ec)) return chemin.string();
  }
  return "";
}

std::string CalculeDossierProgramme() {
  std::error_code ec;
  const std::vector<std::string> dossiers = DossiersLivres();
  for (const std::string& dossier : dossiers)
    if (fs::is_directory(fs::path(dossier) / "Images", ec)) return dossier;
  return dossiers.empty() ? AvecSeparateur(fs::path(".")) : dossiers.front();
}

InstallationReference InstalleFichierReferenceDepuis(const std::string& dossierDonnees, const std::string& source) {
  const fs::path dossier(dossierDonnees);
  const std::string cible = (dossier / NOM_FICHIER_REFERENCE).string();
  std::error_code ec;
  SupprimeCopiesOrphelines(dossier);
  if (fs::exists(fs::symlink_status(cible, ec))) return InstallationReference::DejaPresente;
  if (source.empty()) return InstallationReference::Introuvable;

  const int entree = ::open(source.c_str(), O_RDONLY | O_CLOEXEC);
  if (entree < 0) {
    const int err = errno;
    throw ErreurFichier(ErreurFichier::Genre::Ouverture, source, 0, "", std::string("cannot open: ") + std::strerror(err));
  }
  const std::string temporaire = cible + "." + std::to_string(::getpid()) + SUFFIXE_COPIE;
  const int sortie = ::open(temporaire.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (sortie < 0) {
    const int err = errno;
    ::close(entree);
    EchecCopie(cible, "cannot create " + temporaire, err);
  }
  auto abandonne = [&](const std::string& quoi, int err) {
    ::close(entree);
    ::close(sortie);
    ::unlink(temporaire.c_str());
    EchecCopie(cible, quoi, err);
  };
  char bloc[1 << 16];
  for (;;) {
    const ssize_t lus = ::read(entree, bloc, sizeof bloc);
    if (lus < 0) {
      if (errno == EINTR) continue;
      abandonne("cannot read " + source, errno);
    }
    if (lus == 0) break;
    for (ssize_t ecrits = 0; ecrits < lus;) {
      const ssize_t n = ::write(sortie, bloc + ecrits, static_cast<std::size_t>(lus - ecrits));
      if (n < 0) {
        if (errno == EINTR) continue;
        abandonne("cannot write " + temporaire, errno);
      }
      ecrits += n;
    }
  }
  if (::fsync(sortie) != 0) abandonne("cannot flush " + temporaire, errno);
  ::close(entree);
  if (::close(sortie) != 0) {
    const int err = errno;
    ::unlink(temporaire.c_str());
    EchecCopie(cible, "cannot close " + temporaire, err);
  }
  // link() never replaces an existing file: a copy installed meanwhile by another start wins.
  const int resultat = ::link(temporaire.c_str(), cible.c_str());
  const int err = errno;
  ::unlink(temporaire.c_str());
  if (resultat != 0) {
    if (err == EEXIST) return InstallationReference::DejaPresente;
    EchecCopie(cible, "cannot rename " + temporaire, err);
  }
  return InstallationReference::Installee;
}

InstallationReference InstalleFichierReference(const std::string& dossierDonnees) {
  const fs::path cible = fs::path(dossierDonnees) / NOM_FICHIER_REFERENCE;
  std::error_code ec;
  if (fs::exists(fs::symlink_status(cible, ec))) return InstallationReference::DejaPresente;
  return InstalleFichierReferenceDepuis(dossierDonnees, TrouveFichierLivre("data/FichierReference.txt"));
}

}  // namespace korvalo
