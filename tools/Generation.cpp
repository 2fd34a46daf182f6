#include "Generation.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "Dds.h"
#include "FichierTexte.h"
#include "Hasard.h"

namespace korvalo {

std::string DecritErreurLigne(const ResultatLigne& r) {
  const std::string champ = "field " + std::to_string(r.champ);
  switch (r.erreur) {
    case ErreurLigne::Aucune: return "";
    case ErreurLigne::ChampVide: return champ + ": empty value (missing value, leading or doubled space)";
    case ErreurLigne::PasUnEntier: return champ + ": \"" + r.texte + "\" is not a whole number";
    case ErreurLigne::EspaceManquant: return champ + ": value \"" + r.texte + "\" is not followed by a space";
    case ErreurLigne::MainHorsBornes: return champ + ": holding " + r.texte + " is above 8191";
    case ErreurLigne::LeveesHorsBornes: return champ + ": trick count " + r.texte + " is above 13";
    case ErreurLigne::DonneIncomplete: return "the sixteen holdings are not four disjoint hands of 13 cards";
  }
  return "";
}

ContenuFichier LitFichierReference(const std::string& chemin) {
  ContenuFichier contenu;
  std::ifstream f(chemin, std::ios::binary);
  if (!f) throw std::runtime_error("cannot open " + chemin + ": " + std::strerror(errno));
  std::string ligne;
  while (std::getline(f, ligne)) {
    if (f.eof()) {  // no LF after it: a line cut short
      contenu.ligneCoupee = !ligne.empty();
      break;
    }
    contenu.octetsComplets += ligne.size() + 1;
    if (!ligne.empty() && ligne.back() == '\r') ligne.pop_back();
    contenu.lignes.push_back(std::move(ligne));
  }
  return contenu;
}


int Genere(const OptionsGeneration& options, const SuiviGeneration& suivi, const volatile bool* arret,
           std::string& erreurs) {
  long existantes = 0;
  const bool existe = std::filesystem::exists(options.sortie);
  if (existe && !options.ajout) {
    erreurs += options.sortie + " already exists: use --append to continue it, or remove it first\n";
    return 1;
  }
  if (existe) {
    ContenuFichier contenu = LitFichierReference(options.sortie);
    for (std::size_t j = 0; j < contenu.lignes.size(); ++j) {
      TDonneReference donne;
      const ResultatLigne r = AnalyseLigneReference(contenu.lignes[j], donne);
      if (!r) {
        erreurs += options.sortie + ":" + std::to_string(j + 1) + ": " + DecritErreurLigne(r) + "\n";
        return 1;
      }
      if (donne.Mains != DonneAleatoire(options.graine, j + 1)) {
        erreurs += options.sortie + ":" + std::to_string(j + 1) + ": this is not deal " + std::to_string(j + 1) +
                   " of seed " + std::to_string(options.graine) + " (was the file made with another seed?)\n";
        return 1;
      }
    }
    existantes = static_cast<long>(contenu.lignes.size());
    if (contenu.ligneCoupee) {
      erreurs += options.sortie + ":" + std::to_string(existantes + 1) +
                 ": partial last line dropped (an interrupted write); it is regenerated\n";
      std::filesystem::resize_file(options.sortie, contenu.octetsComplets);
    }
  }
  const int fd = ::open(options.sortie.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
  if (fd < 0) {
    erreurs += "cannot open " + options.sortie + " for writing: " + std::strerror(errno) + "\n";
    return 1;
  }
  std::vector<TDonneReference> donnes;
  long faites = existantes;
  int code = 0;
  try {
    while (faites < options.total && !(arret && *arret)) {
      const long n = std::min<long>(options.lot, options.total - faites);
      donnes.assign(static_cast<std::size_t>(n), TDonneReference{});
      for (long j = 0; j < n; ++j) donnes[j].Mains = DonneAleatoire(options.graine, static_cast<std::uint64_t>(faites + j + 1));
      ResoutDonnes(donnes);
      std::string texte;
      for (const TDonneReference& d : donnes) texte += FormateLigneReference(d) + "\r\n";
      // One write per batch, then fsync: a kill leaves whole lines, a power cut at worst one partial line.
      if (!EcritTout(fd, texte) || ::fsync(fd) != 0) {
        erreurs += "cannot write " + options.sortie + ": " + std::strerror(errno) + "\n";
        code = 1;
        break;
      }
      faites += n;
      if (suivi) suivi(faites, faites - existantes);
    }
  } catch (const std::exception& e) {
    erreurs += std::string(e.what()) + "\n";
    code = 1;
  }
  ::close(fd);
  return code;
}

}  // namespace korvalo
