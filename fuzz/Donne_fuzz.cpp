// Reference lines through the file reader, the line parser and EvalueDonne.
// Input byte 0: even = the rest is a reference file whose first 1 to 3 lines
// are scored, the parser checked against a plain reading of the line format;
// odd = the rest deals a complete deal (a shuffle, the tricks, the system and
// parameters of magnitude up to 1000), whose line must parse back and whose
// scoring must keep the tallies' rules.

#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "OutilsFuzz.h"
#include "Parametres.h"
#include "Simulation.h"
#include "Textes.h"

using namespace korvalo;
using korvalo::fuzz::FichierDeTravail;

namespace {

// The line format read the plain way: 36 times, the text before the next
// space must be decimal digits; holdings at most 8191, tricks at most 13; then
// four disjoint thirteen-card hands.
struct LectureSimple {
  bool ok = false;
  int champ = 0;  // first bad field, 0 for the deal as a whole
  std::uint32_t valeurs[NB_VALEURS_LIGNE] = {};
};

LectureSimple LitSimplement(std::string_view ligne) {
  LectureSimple r;
  std::size_t pos = 0;
  for (int champ = 1; champ <= NB_VALEURS_LIGNE; ++champ) {
    const std::size_t espace = ligne.find(' ', pos);
    if (espace == std::string_view::npos || espace == pos) {
      r.champ = champ;
      return r;
    }
    std::uint64_t v = 0;
    for (std::size_t i = pos; i < espace; ++i) {
      if (ligne[i] < '0' || ligne[i] > '9') {
        r.champ = champ;
        return r;
      }
      v = std::min<std::uint64_t>(v * 10 + static_cast<std::uint64_t>(ligne[i] - '0'), 1000000);
    }
    if (v > (champ <= NB_MAINS_LIGNE ? 8191u : 13u)) {
      r.champ = champ;
      return r;
    }
    r.valeurs[champ - 1] = static_cast<std::uint32_t>(v);
    pos = espace + 1;
  }
  unsigned vus[5] = {};
  for (int p = 0; p < 4; ++p) {
    int cartes = 0;
    for (int i = 0; i < 4; ++i) {
      const unsigned h = r.valeurs[4 * p + i];
      if (vus[i] & h) return r;
      vus[i] |= h;
      cartes += __builtin_popcount(h);
    }
    if (cartes != 13) return r;
  }
  r.ok = true;
  return r;
}

void VerifieMessage(const std::string& message, const std::string& chemin) {
  KORVALO_VERIFIE(message.find(chemin) != std::string::npos, message);
  for (char c : message) KORVALO_VERIFIE(static_cast<unsigned char>(c) >= 32 && c != 127, message);
}

// The rules every scored deal keeps, whatever the system and parameters.
void VerifieDonne(const TDonneReference& d, const TCumuls& c, const TObservationsDonne& o) {
  int fitsAttendus = 0;
  for (int camp = 1; camp <= 2; ++camp)
    for (int i = 1; i <= 4; ++i) fitsAttendus += Longueur[d.Mains[camp][i]] + Longueur[d.Mains[camp + 2][i]] >= 8;
  KORVALO_VERIFIE(o.NbFits == fitsAttendus, "fit count");
  for (int k = 1; k <= 6; ++k) {
    long n = 0, parLevees = 0;
    for (int S = 0; S <= 50; ++S) n += c.EffectifsParPoints[k][S];
    for (int t = 0; t <= 13; ++t) parLevees += c.EffectifsParLevees[k][t];
    KORVALO_VERIFIE(n == parLevees, "variant " + std::to_string(k));
    if (k <= 2) KORVALO_VERIFIE(n == 1, "no-trump observations");
    if (k == 6) KORVALO_VERIFIE(n == fitsAttendus, "PS_Total observations");
  }
  KORVALO_VERIFIE(o.PHo1 >= 0 && o.PHo3 >= 0, "negative PHo");
  KORVALO_VERIFIE(o.PHL1 >= 0 && o.PHL1 <= 50 && o.PHL3 >= 0 && o.PHL3 <= 50, "PHL outside 0..50");
  KORVALO_VERIFIE(o.LeveesSansAtout == d.Levees[1][5], "no-trump tricks from row 1, strain 5");
  for (int f = 0; f < o.NbFits; ++f) {
    const TFitObserve& x = o.Fits[f];
    KORVALO_VERIFIE(x.PHS2 >= 0, "negative PHS");
    // The first seat's value is lowered only to bring the total to 50.
    KORVALO_VERIFIE(x.PHS1 >= 0 || x.PHS1 + x.PHS2 == 50, "negative PHS");
    KORVALO_VERIFIE(x.Points == x.PHS1 + x.PHS2 && x.Points >= 0 && x.Points <= 50, "fit total");
    KORVALO_VERIFIE(x.Classe >= 0 && x.Classe <= 2, "control class");
    KORVALO_VERIFIE(x.Levees == d.Levees[x.Camp][x.Couleur], "fit tricks from row 1 or 2");
  }
}

// Reads bytes one by one, zeros once they run out.
struct Octets {
  const std::uint8_t* p;
  std::size_t n;
  std::uint8_t Suivant() {
    if (n == 0) return 0;
    --n;
    return *p++;
  }
};

float Parametre(Octets& o) {
  static const float valeurs[] = {0,   0.5f, 1,    2,     3,     4,   -1,   -0.5f, -4, -2,    1000,  -1000,
                                  -999.5f, 999.5f, 0.25f, 1.5f, -7, 7, 100, -100, 0.49999997f, 2.5f, 12.5f, -12.5f};
  const std::uint8_t b = o.Suivant();
  if (b < 240) return valeurs[b % (sizeof valeurs / sizeof valeurs[0])];
  std::uint32_t bits = 0;
  for (int i = 0; i < 4; ++i) bits = bits << 8 | o.Suivant();
  float x;
  std::memcpy(&x, &bits, sizeof x);
  if (!std::isfinite(x)) return 0;
  return std::fmod(x, 1000.0f);
}

void DonneStructuree(Octets o) {
  int cartes[52];
  for (int c = 0; c < 52; ++c) cartes[c] = c;
  for (int k = 51; k > 0; --k) std::swap(cartes[k], cartes[o.Suivant() % (k + 1)]);
  TDonneReference d;
  for (int k = 0; k < 52; ++k)
    d.Mains[k / 13 + 1][cartes[k] / 13 + 1] |= static_cast<std::uint16_t>(1u << (cartes[k] % 13));
  for (int r = 1; r <= 4; ++r)
    for (int c = 1; c <= 5; ++c) d.Levees[r][c] = static_cast<std::uint8_t>(o.Suivant() % 14);
  const char lettre = LettreSysteme(1 + o.Suivant() % 6);
  for (int s = 1; s <= NB_SYSTEMES_PARAMETRIQUES; ++s) {
    const std::uint8_t h = o.Suivant();
    ParametresSystemes[s].Honneurs = h % 3 == 0 ? 'Z' : (h % 3 == 1 ? 'M' : static_cast<char>(h));
    for (int k = 1; k <= NB_PARAMETRES; ++k) Emplacement(ParametresSystemes[s], k) = Parametre(o);
  }

  // The line of the deal parses back to the same deal.
  static std::string ligne;
  ligne = FormateLigneReference(d);
  TDonneReference relue;
  const ResultatLigne r = AnalyseLigneReference(ligne, relue);
  KORVALO_VERIFIE(static_cast<bool>(r), ligne);
  KORVALO_VERIFIE(relue.Mains == d.Mains && std::memcmp(relue.Levees, d.Levees, sizeof d.Levees) == 0, ligne);

  static TCumuls cumuls, autres;
  static TObservationsDonne detail, detailAutre;
  RemetAZero(cumuls);
  CompteDonne(d, lettre, cumuls, &detail);
  VerifieDonne(d, cumuls, detail);

  // EvalueDonne on the same line gives the same tallies.
  TexteReference = ligne;
  LignesReference.assign({std::string_view(), std::string_view(TexteReference)});
  CheminReferenceCourant = "fuzz";
  LettreRun = lettre;
  RemetAZero(Cumuls);
  EvalueDonne(1);
  KORVALO_VERIFIE(std::memcmp(&Cumuls, &cumuls, sizeof cumuls) == 0, "EvalueDonne differs from CompteDonne");

  // Row and column 0 of the deal are never read.
  TDonneReference sale = d;
  for (int i = 0; i <= 4; ++i) sale.Mains[0][i] = static_cast<std::uint16_t>(0x1FFF & (0x1555 + i));
  for (int p = 1; p <= 4; ++p) sale.Mains[p][0] = static_cast<std::uint16_t>(0x0AAA >> p);
  for (int c = 0; c <= 5; ++c) sale.Levees[0][c] = 200;
  for (int r2 = 1; r2 <= 4; ++r2) sale.Levees[r2][0] = 200;
  RemetAZero(autres);
  CompteDonne(sale, lettre, autres, &detailAutre);
  KORVALO_VERIFIE(std::memcmp(&autres, &cumuls, sizeof cumuls) == 0, "row or column 0 read");

  // The fixed systems read no parameter record.
  if (NumeroSysteme(lettre) > NB_SYSTEMES_PARAMETRIQUES) {
    ParametresParDefaut();
    RemetAZero(autres);
    CompteDonne(d, lettre, autres, &detailAutre);
    KORVALO_VERIFIE(std::memcmp(&autres, &cumuls, sizeof cumuls) == 0, "a fixed system read the parameters");
  }
}

void FichierBrut(const std::uint8_t* donnees, std::size_t taille, int N) {
  static const std::string chemin = FichierDeTravail("FichierReference.txt");
  fuzz::EcritOctets(chemin, donnees, taille);
  try {
    LitLignesReference(chemin, N);
  } catch (const ErreurEvaluation& e) {
    VerifieMessage(e.what(), chemin);
    return;
  }
  KORVALO_VERIFIE(LignesReference.size() == static_cast<std::size_t>(N) + 1, "line count");
  LettreRun = LettreSysteme(1 + (taille > 0 ? donnees[taille - 1] % 6 : 0));
  RemetAZero(Cumuls);
  for (int d = 1; d <= N; ++d) {
    const std::string_view ligne = LignesReference[static_cast<std::size_t>(d)];
    KORVALO_VERIFIE(ligne.size() <= 4096 && ligne.find('\r') == std::string_view::npos &&
                        ligne.find('\n') == std::string_view::npos && ligne.find('\0') == std::string_view::npos,
                    "a line the reader should have refused");
    const LectureSimple attendu = LitSimplement(ligne);
    TDonneReference donne;
    const ResultatLigne r = AnalyseLigneReference(ligne, donne);
    KORVALO_VERIFIE(static_cast<bool>(r) == attendu.ok, "parser and plain reading disagree on: " + std::string(ligne));
    if (!attendu.ok) {
      KORVALO_VERIFIE(r.champ == attendu.champ, "field " + std::to_string(r.champ) + " instead of " +
                                                    std::to_string(attendu.champ) + " in: " + std::string(ligne));
      try {
        EvalueDonne(d);
        KORVALO_VERIFIE(false, "EvalueDonne scored a bad line");
      } catch (const ErreurEvaluation& e) {
        VerifieMessage(e.what(), chemin);
      }
      return;
    }
    for (int champ = 0; champ < NB_VALEURS_LIGNE; ++champ) {
      const std::uint32_t lu = champ < NB_MAINS_LIGNE ? donne.Mains[champ / 4 + 1][champ % 4 + 1]
                                                      : donne.Levees[(champ - 16) / 5 + 1][(champ - 16) % 5 + 1];
      KORVALO_VERIFIE(lu == attendu.valeurs[champ], "field " + std::to_string(champ + 1));
    }
    EvalueDonne(d);
  }
  // N deals, N observations of each no-trump variant, and k = 6 is 3 + 4 + 5.
  long n[7] = {};
  for (int k = 1; k <= 6; ++k)
    for (int S = 0; S <= 50; ++S) n[k] += Cumuls.EffectifsParPoints[k][S];
  KORVALO_VERIFIE(n[1] == N && n[2] == N && n[6] == n[3] + n[4] + n[5], "tallies of the run");
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  InitialiseTables();
  Langue = "anglais";
  ChangeLangue();
  ParametresParDefaut();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
  if (taille == 0) return 0;
  if (donnees[0] & 1) {
    DonneStructuree(Octets{donnees + 1, taille - 1});
  } else {
    ParametresParDefaut();
    FichierBrut(donnees + 1, taille - 1, 1 + donnees[0] / 2 % 3);
  }
  return 0;
}
