#include "Pbn.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <stdexcept>

#include "Dds.h"
#include "Generation.h"
#include "Hasard.h"
#include "LigneReference.h"
#include "Verification.h"

namespace korvalo {

namespace {

bool Blanc(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\f' || c == '\v'; }

char Majuscule(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

const char* const NomsSieges[] = {"", "North", "East", "South", "West"};
const char* const NomsCouleurs[] = {"", "spades", "hearts", "diamonds", "clubs"};
const char* const NomsRangs[] = {"two", "three", "four", "five", "six", "seven", "eight",
                                 "nine", "ten", "jack", "queen", "king", "ace"};

// Seat 1..4 of a letter N E S W, 0 otherwise.
int SiegeDeLettre(char c) {
  switch (Majuscule(c)) {
    case 'N': return 1;
    case 'E': return 2;
    case 'S': return 3;
    case 'W': return 4;
    default: return 0;
  }
}

// Bit 0..12 of a card letter, -1 otherwise.
int RangDeLettre(char c) {
  constexpr std::string_view rangs = "23456789TJQKA";
  const std::size_t r = rangs.find(Majuscule(c));
  return r == std::string_view::npos ? -1 : static_cast<int>(r);
}

std::vector<std::string_view> Decoupe(std::string_view texte, char separateur) {
  std::vector<std::string_view> morceaux;
  std::size_t debut = 0;
  while (true) {
    const std::size_t fin = texte.find(separateur, debut);
    morceaux.push_back(texte.substr(debut, fin == std::string_view::npos ? std::string_view::npos : fin - debut));
    if (fin == std::string_view::npos) break;
    debut = fin + 1;
  }
  return morceaux;
}

std::string_view SansBlancs(std::string_view v) {
  while (!v.empty() && (Blanc(v.front()) || v.front() == '\n')) v.remove_prefix(1);
  while (!v.empty() && (Blanc(v.back()) || v.back() == '\n')) v.remove_suffix(1);
  return v;
}

}  // namespace

FichierPbn LitPartiesPbn(std::string_view texte) {
  FichierPbn fichier;
  PartiePbn partie;
  bool enCours = false;  // partie has at least one tag
  std::string section;   // the tag whose data the following tokens are
  long ligne = 1;
  bool debutLigne = true;
  std::size_t i = 0;
  const std::size_t n = texte.size();

  auto termine = [&] {
    if (enCours) fichier.parties.push_back(std::move(partie));
    partie = PartiePbn{};
    enCours = false;
    section.clear();
  };
  auto finDeLigne = [&] {
    while (i < n && texte[i] != '\n') ++i;
  };

  while (i < n) {
    if (debutLigne) {
      debutLigne = false;
      std::size_t j = i;
      while (j < n && Blanc(texte[j])) ++j;
      if (j >= n || texte[j] == '\n') {  // a blank line ends the game
        termine();
        i = j;
        continue;
      }
      if (texte[i] == '%') {  // escape line
        finDeLigne();
        continue;
      }
    }
    const char c = texte[i];
    if (c == '\n') {
      ++ligne, ++i, debutLigne = true;
    } else if (Blanc(c)) {
      ++i;
    } else if (c == ';') {
      finDeLigne();
    } else if (c == '{') {
      const long debut = ligne;
      while (i < n && texte[i] != '}') {
        if (texte[i] == '\n') ++ligne;
        ++i;
      }
      if (i >= n) fichier.avertissements.push_back({debut, "comment { never closed"});
      ++i;
    } else if (c == '[') {
      const long ligneTag = ligne;
      ++i;
      while (i < n && Blanc(texte[i])) ++i;
      std::string nom;
      while (i < n && !Blanc(texte[i]) && texte[i] != '"' && texte[i] != ']' && texte[i] != '\n') nom += texte[i++];
      while (i < n && Blanc(texte[i])) ++i;
      std::string valeur;
      bool bon = i < n && texte[i] == '"' && !nom.empty();
      if (bon) {
        ++i;
        while (i < n && texte[i] != '"' && texte[i] != '\n') {
          if (texte[i] == '\\' && i + 1 < n && (texte[i + 1] == '"' || texte[i + 1] == '\\')) ++i;
          valeur += texte[i++];
        }
        bon = i < n && texte[i] == '"';
        if (bon) ++i;
        while (i < n && Blanc(texte[i])) ++i;
        bon = bon && i < n && texte[i] == ']';
      }
      if (!bon) {
        fichier.avertissements.push_back({ligneTag, "unreadable tag, ignored"});
        section.clear();
        finDeLigne();
        continue;
      }
      ++i;
      if ((nom == "Deal" && partie.aDonne) || (nom == "Board" && partie.aPlanche)) termine();
      if (!enCours) {
        enCours = true;
        partie.numero = static_cast<long>(fichier.parties.size()) + 1;
        partie.ligne = ligneTag;
      }
      section = nom;
      if (nom == "Board") {
        partie.aPlanche = true, partie.planche = valeur;
      } else if (nom == "Deal") {
        partie.aDonne = true, partie.ligneDonne = ligneTag, partie.donne = valeur;
      } else if (nom == "DoubleDummyTricks") {
        partie.aDdt = true, partie.ligneDdt = ligneTag, partie.ddt = valeur;
      } else if (nom == "OptimumResultTable") {
        partie.aOrt = true, partie.ligneOrt = ligneTag, partie.enteteOrt = valeur;
        partie.cellulesOrt.clear();
      }
    } else {
      // A token of the section data: a string or a run of non-blank characters.
      JetonPbn jeton{"", ligne};
      if (c == '"') {
        ++i;
        while (i < n && texte[i] != '"' && texte[i] != '\n') jeton.texte += texte[i++];
        if (i < n && texte[i] == '"') ++i;
      } else {
        while (i < n && !Blanc(texte[i]) && texte[i] != '\n' && texte[i] != '[' && texte[i] != '{' && texte[i] != ';')
          jeton.texte += texte[i++];
      }
      if (section == "OptimumResultTable") partie.cellulesOrt.push_back(std::move(jeton));
    }
  }
  termine();
  return fichier;
}

std::string AnalyseDealPbn(std::string_view valeur, tcarreword& mains) {
  valeur = SansBlancs(valeur);
  mains = tcarreword{};
  if (valeur.size() < 2 || valeur[1] != ':' || SiegeDeLettre(valeur[0]) == 0)
    return "the deal must begin with N:, E:, S: or W: (found \"" + std::string(valeur.substr(0, 8)) + "\")";
  const int premier = SiegeDeLettre(valeur[0]);
  std::vector<std::string_view> textes;
  std::string_view reste = valeur.substr(2);
  while (true) {
    while (!reste.empty() && Blanc(reste.front())) reste.remove_prefix(1);
    if (reste.empty()) break;
    std::size_t fin = 0;
    while (fin < reste.size() && !Blanc(reste[fin])) ++fin;
    textes.push_back(reste.substr(0, fin));
    reste.remove_prefix(fin);
  }
  if (textes.size() != 4) return std::to_string(textes.size()) + " hands instead of 4";
  int detenteur[5][13] = {};  // seat holding each card, 0 for nobody yet
  int inconnue = 0;
  for (int k = 0; k < 4; ++k) {
    const int siege = (premier - 1 + k) % 4 + 1;
    const std::string nom = NomsSieges[siege];
    if (textes[static_cast<std::size_t>(k)] == "-") {
      if (inconnue != 0) return "more than one hand is unknown (-): a reference deal needs all four";
      inconnue = siege;
      continue;
    }
    const auto couleurs = Decoupe(textes[static_cast<std::size_t>(k)], '.');
    if (couleurs.size() != 4)
      return "the hand of " + nom + " has " + std::to_string(couleurs.size()) +
             " suits instead of 4 (spades.hearts.diamonds.clubs)";
    for (int i = 1; i <= 4; ++i) {
      const std::string_view cartes = couleurs[static_cast<std::size_t>(i - 1)];
      if (cartes == "-") continue;  // a void written as a dash
      for (char carte : cartes) {
        const int r = RangDeLettre(carte);
        if (r < 0)
          return "the hand of " + nom + ": '" + std::string(1, carte) + "' in " + NomsCouleurs[i] +
                 " is not a card (AKQJT98765432)";
        const std::string nomCarte = std::string("the ") + NomsRangs[r] + " of " + NomsCouleurs[i];
        if (detenteur[i][r] == siege) return nomCarte + " is twice in the hand of " + nom;
        if (detenteur[i][r] != 0) return nomCarte + " is held by " + NomsSieges[detenteur[i][r]] + " and by " + nom;
        detenteur[i][r] = siege;
        mains[siege][i] = static_cast<std::uint16_t>(mains[siege][i] | (1u << r));
      }
    }
  }
  for (int p = 1; p <= 4; ++p) {
    if (p == inconnue) continue;
    int nombre = 0;
    for (int i = 1; i <= 4; ++i) nombre += Longueur[mains[p][i]];
    if (nombre != 13) return std::string(NomsSieges[p]) + " holds " + std::to_string(nombre) + " cards instead of 13";
  }
  // One unknown hand is the thirteen cards the others do not hold.
  if (inconnue != 0)
    for (int i = 1; i <= 4; ++i)
      for (int r = 0; r < 13; ++r)
        if (detenteur[i][r] == 0) mains[inconnue][i] = static_cast<std::uint16_t>(mains[inconnue][i] | (1u << r));
  return "";
}

std::string AnalyseDoubleDummyTricks(std::string_view valeur, std::uint8_t levees[5][6]) {
  valeur = SansBlancs(valeur);
  if (valeur.size() != 20)
    return "DoubleDummyTricks holds " + std::to_string(valeur.size()) + " characters instead of 20";
  static constexpr int sieges[4] = {1, 3, 2, 4};  // N S E W
  static constexpr int traits[5] = {5, 1, 2, 3, 4};  // NT S H D C
  for (int k = 0; k < 20; ++k) {
    const char c = Majuscule(valeur[static_cast<std::size_t>(k)]);
    int v = -1;
    if (c >= '0' && c <= '9') v = c - '0';
    if (c >= 'A' && c <= 'D') v = c - 'A' + 10;
    if (v < 0)
      return "DoubleDummyTricks character " + std::to_string(k + 1) + " '" + std::string(1, valeur[k]) +
             "' is not a trick count 0..9, a..d";
    levees[sieges[k / 5]][traits[k % 5]] = static_cast<std::uint8_t>(v);
  }
  return "";
}

std::string AnalyseOptimumResultTable(std::string_view entete, const std::vector<JetonPbn>& cellules,
                                      std::uint8_t levees[5][6]) {
  const auto colonnes = Decoupe(entete, ';');
  int colDeclarant = -1, colTrait = -1, colResultat = -1;
  for (std::size_t c = 0; c < colonnes.size(); ++c) {
    const std::string_view nom = SansBlancs(colonnes[c].substr(0, colonnes[c].find('\\')));
    if (nom == "Declarer") colDeclarant = static_cast<int>(c);
    if (nom == "Denomination") colTrait = static_cast<int>(c);
    if (nom == "Result") colResultat = static_cast<int>(c);
  }
  if (colDeclarant < 0 || colTrait < 0 || colResultat < 0)
    return "OptimumResultTable lacks one of the columns Declarer, Denomination, Result";
  const std::size_t largeur = colonnes.size();
  if (cellules.size() % largeur != 0)
    return "OptimumResultTable has " + std::to_string(cellules.size()) + " cells, not rows of " +
           std::to_string(largeur);
  bool vu[5][6] = {};
  int nombre = 0;
  for (std::size_t debut = 0; debut < cellules.size(); debut += largeur) {
    const JetonPbn& d = cellules[debut + static_cast<std::size_t>(colDeclarant)];
    const JetonPbn& t = cellules[debut + static_cast<std::size_t>(colTrait)];
    const JetonPbn& r = cellules[debut + static_cast<std::size_t>(colResultat)];
    const std::string ou = "OptimumResultTable line " + std::to_string(d.ligne) + ": ";
    const int siege = d.texte.size() == 1 ? SiegeDeLettre(d.texte[0]) : 0;
    if (siege == 0) return ou + "declarer \"" + d.texte + "\" is not N, E, S or W";
    std::string nomTrait;
    for (char c : t.texte) nomTrait += Majuscule(c);
    int trait = 0;
    if (nomTrait == "S") trait = 1;
    if (nomTrait == "H") trait = 2;
    if (nomTrait == "D") trait = 3;
    if (nomTrait == "C") trait = 4;
    if (nomTrait == "NT" || nomTrait == "N") trait = 5;
    if (trait == 0) return ou + "denomination \"" + t.texte + "\" is not S, H, D, C or NT";
    int valeur = -1;
    if (!r.texte.empty() && r.texte.size() <= 2 &&
        std::all_of(r.texte.begin(), r.texte.end(), [](char c) { return c >= '0' && c <= '9'; }))
      valeur = std::stoi(r.texte);
    if (valeur < 0 || valeur > 13) return ou + "result \"" + r.texte + "\" is not a trick count 0..13";
    if (vu[siege][trait] && levees[siege][trait] != valeur)
      return ou + "two different results for declarer " + d.texte + " in " + t.texte;
    if (!vu[siege][trait]) ++nombre;
    vu[siege][trait] = true;
    levees[siege][trait] = static_cast<std::uint8_t>(valeur);
  }
  if (nombre != 20) return "OptimumResultTable gives " + std::to_string(nombre) + " of the 20 results";
  return "";
}

std::string NommePartie(const PartiePbn& partie) {
  if (partie.aPlanche && !SansBlancs(partie.planche).empty()) return "board " + std::string(SansBlancs(partie.planche));
  return "game " + std::to_string(partie.numero) + " (no Board tag)";
}

namespace {

// The 16 holdings, as the key that finds a deal already taken.
std::string CleMains(const tcarreword& mains) {
  std::string cle;
  for (int p = 1; p <= 4; ++p)
    for (int i = 1; i <= 4; ++i) {
      cle += static_cast<char>(mains[p][i] & 0xFF);
      cle += static_cast<char>(mains[p][i] >> 8);
    }
  return cle;
}

struct DonneImportee {
  const PartiePbn* partie = nullptr;
  TDonneReference donne;
  bool portee = false;       // the file carries a readable table, in portant
  bool aResoudre = false;    // DDS solves it (no table, or picked for the check)
  TDonneReference portant;
};

// Writes the old bytes then the new lines to a temporary file beside the
// output, and renames it over the output: readers see the old or the new file.
void RemplaceAtomiquement(const std::string& sortie, bool existe, const std::string& nouvelles) {
  namespace fs = std::filesystem;
  std::string modele = sortie + ".XXXXXX";
  const int fd = ::mkstemp(modele.data());
  if (fd < 0) throw std::runtime_error("cannot create a temporary file beside " + sortie + ": " + std::strerror(errno));
  const std::string temporaire = modele;
  bool ouvert = true;
  try {
    std::string anciennes;
    mode_t droits = 0644;
    if (existe) {
      std::ifstream f(sortie, std::ios::binary);
      if (!f) throw std::runtime_error("cannot read " + sortie + ": " + std::strerror(errno));
      anciennes.assign(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
      struct stat etat {};
      if (::stat(sortie.c_str(), &etat) == 0) droits = etat.st_mode & 07777;
    }
    if (::fchmod(fd, droits) != 0 || !EcritTout(fd, anciennes) || !EcritTout(fd, nouvelles) || ::fsync(fd) != 0)
      throw std::runtime_error("cannot write " + temporaire + ": " + std::strerror(errno));
    ::close(fd);
    ouvert = false;
    if (::rename(temporaire.c_str(), sortie.c_str()) != 0)
      throw std::runtime_error("cannot rename " + temporaire + " to " + sortie + ": " + std::strerror(errno));
  } catch (...) {
    if (ouvert) ::close(fd);
    ::unlink(temporaire.c_str());
    throw;
  }
  const fs::path dossier = fs::absolute(sortie).parent_path();
  const int fdDossier = ::open(dossier.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fdDossier >= 0) {
    ::fsync(fdDossier);
    ::close(fdDossier);
  }
}

}  // namespace

int ImportePbn(const OptionsImport& options, RapportImport& rapport) {
  auto message = [&](std::string texte) { rapport.messages.push_back(std::move(texte)); };
  std::ifstream f(options.pbn, std::ios::binary);
  if (!f) {
    message("cannot open " + options.pbn + ": " + std::strerror(errno));
    return 1;
  }
  const std::string texte((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
  const FichierPbn fichier = LitPartiesPbn(texte);
  for (const ProblemeFichier& a : fichier.avertissements)
    message(options.pbn + ":" + std::to_string(a.ligne) + ": " + a.message);

  // What the output already holds.
  std::map<std::string, std::string> prises;  // deal key -> where it already is
  long existantes = 0;
  const bool existe = std::filesystem::exists(options.sortie);
  if (existe && !options.ajout) {
    message(options.sortie + " already exists: use --append to add to it");
    return 1;
  }
  if (existe) {
    const ContenuFichier contenu = LitFichierReference(options.sortie);
    if (contenu.ligneCoupee) {
      message(options.sortie + ":" + std::to_string(contenu.lignes.size() + 1) +
              ": the last line has no line end; repair the file before adding to it");
      return 1;
    }
    for (std::size_t j = 0; j < contenu.lignes.size(); ++j) {
      TDonneReference d;
      const ResultatLigne r = AnalyseLigneReference(contenu.lignes[j], d);
      if (!r) {
        message(options.sortie + ":" + std::to_string(j + 1) + ": " + DecritErreurLigne(r) +
                "; repair the file before adding to it");
        return 1;
      }
      prises.emplace(CleMains(d.Mains), "line " + std::to_string(j + 1) + " of " + options.sortie);
    }
    existantes = static_cast<long>(contenu.lignes.size());
  }

  rapport.parties = static_cast<long>(fichier.parties.size());
  std::vector<DonneImportee> donnes;
  for (const PartiePbn& partie : fichier.parties) {
    const std::string ou = options.pbn + ":" + std::to_string(partie.aDonne ? partie.ligneDonne : partie.ligne) + ": " +
                           NommePartie(partie) + ": ";
    if (!partie.aDonne) {
      if (partie.aPlanche) {
        ++rapport.mauvaises;
        message(ou + "no Deal tag; skipped");
      }
      continue;
    }
    ++rapport.donnes;
    DonneImportee d;
    d.partie = &partie;
    const std::string erreur = AnalyseDealPbn(partie.donne, d.donne.Mains);
    if (!erreur.empty()) {
      ++rapport.mauvaises;
      message(ou + erreur + "; skipped");
      continue;
    }
    const auto [place, nouvelle] = prises.emplace(CleMains(d.donne.Mains), NommePartie(partie) + " of " + options.pbn);
    if (!nouvelle) {
      ++rapport.doublons;
      message(ou + "the same deal as " + place->second + "; skipped");
      continue;
    }
    // The carried tables, when readable; two that disagree make the file's tables doubtful.
    std::uint8_t ddt[5][6] = {}, ort[5][6] = {};
    bool aDdt = false, aOrt = false;
    if (partie.aDdt && !SansBlancs(partie.ddt).empty()) {
      const std::string e = AnalyseDoubleDummyTricks(partie.ddt, ddt);
      if (e.empty())
        aDdt = true;
      else
        message(options.pbn + ":" + std::to_string(partie.ligneDdt) + ": " + NommePartie(partie) + ": " + e + "; ignored");
    }
    if (partie.aOrt) {
      const std::string e = AnalyseOptimumResultTable(partie.enteteOrt, partie.cellulesOrt, ort);
      if (e.empty())
        aOrt = true;
      else
        message(options.pbn + ":" + std::to_string(partie.ligneOrt) + ": " + NommePartie(partie) + ": " + e + "; ignored");
    }
    if (aDdt && aOrt && !DecritDifferences(ddt, ort).empty()) {
      message(ou + "DoubleDummyTricks and OptimumResultTable disagree (" +
              DecritDifferences(ddt, ort, "DoubleDummyTricks", "OptimumResultTable") + ")");
      rapport.desaccord = true;
    }
    if (aDdt || aOrt) {
      d.portee = true;
      std::memcpy(d.portant.Levees, aDdt ? ddt : ort, sizeof ddt);
      ++rapport.portees;
    } else {
      d.aResoudre = true;
    }
    donnes.push_back(d);
  }
  if (rapport.donnes == 0) {
    message("no deal found in " + options.pbn);
    return 1;
  }

  // Check one carried table in ten, at least five, chosen at random (the same ones every run).
  std::vector<std::size_t> portees;
  for (std::size_t j = 0; j < donnes.size(); ++j)
    if (donnes[j].portee) portees.push_back(j);
  std::size_t aControler = std::min(portees.size(), std::max<std::size_t>(5, (portees.size() + 9) / 10));
  if (rapport.desaccord) aControler = portees.size();
  Xoshiro256 hasard = GenerateurDonne(20261211, 0);
  for (std::size_t j = 0; j < aControler; ++j) {
    const std::size_t choisi = j + static_cast<std::size_t>(hasard.Borne(portees.size() - j));
    std::swap(portees[j], portees[choisi]);
  }
  for (std::size_t j = 0; j < aControler; ++j) donnes[portees[j]].aResoudre = true;
  rapport.controlees = static_cast<long>(aControler);

  // Solves the deals whose aResoudre equals voulu.
  auto resout = [&](bool voulu) {
    std::vector<TDonneReference> lot;
    std::vector<std::size_t> places;
    for (std::size_t j = 0; j < donnes.size(); ++j)
      if (donnes[j].aResoudre == voulu) {
        lot.push_back(donnes[j].donne);
        places.push_back(j);
      }
    ResoutDonnes(lot);
    for (std::size_t k = 0; k < lot.size(); ++k) std::memcpy(donnes[places[k]].donne.Levees, lot[k].Levees, sizeof lot[k].Levees);
    rapport.resolues += static_cast<long>(lot.size());
  };
  try {
    resout(true);
    for (std::size_t j = 0; j < aControler; ++j) {
      const DonneImportee& d = donnes[portees[j]];
      const std::string ecarts = DecritDifferences(d.portant.Levees, d.donne.Levees);
      if (ecarts.empty()) continue;
      rapport.desaccord = true;
      message(options.pbn + ":" + std::to_string(d.partie->ligneDonne) + ": " + NommePartie(*d.partie) +
              ": the carried table disagrees with DDS (" + ecarts + ")");
    }
    if (rapport.desaccord) {
      message(options.pbn + ": its double-dummy tables are not trusted: DDS's results are used for every deal");
      resout(false);
    } else {
      for (DonneImportee& d : donnes)
        if (!d.aResoudre) std::memcpy(d.donne.Levees, d.portant.Levees, sizeof d.portant.Levees);
    }
  } catch (const std::exception& e) {
    message(std::string(e.what()) + "; nothing written");
    return 1;
  }

  std::string lignes;
  for (const DonneImportee& d : donnes) lignes += FormateLigneReference(d.donne) + "\r\n";
  if (!donnes.empty()) {
    try {
      RemplaceAtomiquement(options.sortie, existe, lignes);
    } catch (const std::exception& e) {
      message(std::string(e.what()) + "; " + options.sortie + " is unchanged");
      return 1;
    }
    rapport.ecrites = static_cast<long>(donnes.size());
    rapport.premiereLigne = existantes + 1;
  }
  return rapport.mauvaises > 0 ? 1 : 0;
}

}  // namespace korvalo
