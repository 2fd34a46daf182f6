// The values file against damaged or foreign files: each case shows the
// message, or what is read when the file is accepted.

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "../engine/DossierTemporaire.h"
#include "LignesFichier.h"
#include "Messages.h"
#include "Parametres.h"
#include "Textes.h"
#include "Valeurs.h"

namespace korvalo {
namespace {

using test::DossierTemporaire;
using test::EcritOctets;
using test::Avec;
using test::AvecChemin;
using test::BOM;
using test::Joint;
using test::Premieres;

// Line numbers (1-based) of a few values, from the file layout.
long LigneNbDonnes(int s) { return 5371L * (s - 1) + 1; }
long LigneMoyenne(int s, int k, int t) { return LigneNbDonnes(s) + 1 + 895L * (k - 1) + 2 * t; }
long LignePourcentage(int s, int k, int S, int t) { return LigneNbDonnes(s) + 1 + 895L * (k - 1) + 28 + 17 * S + t; }
long LigneNbObservations(int s, int k, int S) { return LignePourcentage(s, k, S, 0) + 16; }

// Only system 2 evaluated, as after one saved run.
std::vector<std::string> Base() {
  std::vector<std::string> l(NB_LIGNES_VALEURS, "0");
  l[LigneNbDonnes(2) - 1] = "1000";
  l[LigneMoyenne(2, 1, 9) - 1] = "24.375";
  l[LigneNbObservations(2, 1, 24) - 1] = "412";
  return l;
}

struct Cas {
  const char* nom;
  std::string octets;
  // Refused: what() with {F} for the path. Accepted: empty, and one value checked.
  std::string message;
  float moyenne = 24.375f;  // Moyenne(2, 1, 9) read
};


TEST(ValeursMalformees, EachDamagedFileIsAcceptedOrRefusedWithItsMessage) {
  const long m = LigneMoyenne(2, 1, 9);
  const std::string ligneM = std::to_string(m);
  const std::vector<Cas> cas = {
      {"UTF-8 BOM", BOM + Joint(Base()), ""},
      {"LF line ends", Joint(Base(), "\n"), ""},
      {"no final line end", Joint(Base(), "\r\n", false), ""},
      {"BOM, LF and no final line end", BOM + Joint(Base(), "\n", false), ""},
      {"comma separator", Joint(Avec(Base(), m, "24,375")), ""},
      {"negative mean", Joint(Avec(Base(), m, "-0.5")), "", -0.5f},
      {"magnitude 1,000,000", Joint(Avec(Base(), m, "-1000000")), "", -1000000},
      {"exponent", Joint(Avec(Base(), m, "1e6")), "", 1000000},
      {"smallest float", Joint(Avec(Base(), m, "0.00001")), "", 0.00001f},
      {"lines after the last value", Joint(Base()) + "more\r\n", ""},

      {"NUL byte", Joint(Avec(Base(), 100, std::string("0\0", 2))), "{F}, line 100: NUL byte in the line (found \"0\")"},
      {"line over 4096 characters", Joint(Avec(Base(), 5000, std::string(4097, '1'))),
       "{F}, line 5000: line longer than 4096 characters (found \"" + std::string(40, '1') + "...\")"},
      {"CR-only line ends", Joint(Base(), "\r"), "{F}, line 1: line ended by CR alone (found \"0\")"},
      {"nan", Joint(Avec(Base(), m, "nan")),
       "{F}, line " + ligneM + ": not a finite number of magnitude at most 1000000 (found \"nan\")"},
      {"infinity", Joint(Avec(Base(), m, "-inf")),
       "{F}, line " + ligneM + ": not a finite number of magnitude at most 1000000 (found \"-inf\")"},
      {"beyond 1,000,000", Joint(Avec(Base(), m, "1000000.5")),
       "{F}, line " + ligneM + ": not a finite number of magnitude at most 1000000 (found \"1000000.5\")"},
      {"negative deal count", Joint(Avec(Base(), LigneNbDonnes(2), "-1000")),
       "{F}, line 5372: a whole number from 0 to 100000 was expected (found \"-1000\")"},
      {"negative observation count", Joint(Avec(Base(), LigneNbObservations(6, 6, 50), "-1")),
       "{F}, line 32226: a whole number from 0 to 400000 was expected (found \"-1\")"},
      {"negative percentage", Joint(Avec(Base(), LignePourcentage(1, 3, 20, 8), "-7")),
       "{F}, line " + std::to_string(LignePourcentage(1, 3, 20, 8)) +
           ": a whole number from 0 to 100 was expected (found \"-7\")"},
      {"percentage above 100", Joint(Avec(Base(), LignePourcentage(1, 3, 20, 8), "101")),
       "{F}, line " + std::to_string(LignePourcentage(1, 3, 20, 8)) +
           ": a whole number from 0 to 100 was expected (found \"101\")"},
      {"count beyond 32 bits", Joint(Avec(Base(), LigneNbDonnes(1), "4294967296")),
       "{F}, line 1: a whole number from 0 to 100000 was expected (found \"4294967296\")"},
      {"count with a fraction", Joint(Avec(Base(), LigneNbDonnes(1), "1000.0")),
       "{F}, line 1: not a whole number (found \"1000.0\")"},
      {"empty count line", Joint(Avec(Base(), LigneNbDonnes(3), "")), "{F}, line 10743: not a whole number"},
      {"parameters file instead", "M\r\n1\r\n0.5\r\n", "{F}, line 1: not a whole number (found \"M\")"},
      {"empty file", "", "{F}, line 1: the file ends before its last line"},
      {"BOM only", BOM, "{F}, line 1: the file ends before its last line"},
      {"short file", Joint(Premieres(Base(), NB_LIGNES_VALEURS - 1)), "{F}, line 32226: the file ends before its last line"},
      {"one system only", Joint(Premieres(Base(), 5371)), "{F}, line 5372: the file ends before its last line"},
  };
  DossierTemporaire dossier;
  const std::string chemin = dossier.Fichier(NOM_FICHIER_VALEURS);
  Langue = "anglais";
  ChangeLangue();
  for (const Cas& c : cas) {
    SCOPED_TRACE(c.nom);
    EcritOctets(chemin, c.octets);
    for (TValeursSysteme& v : ValeursSystemes) v = TValeursSysteme{};
    try {
      LireValeursDesComptesDePoints(chemin);
      if (!c.message.empty()) {
        ADD_FAILURE() << "accepted";
        continue;
      }
      EXPECT_EQ(ValeursSystemes[2].NbDonnes, 1000);
      EXPECT_EQ(ValeursSystemes[2].Moyenne[1][9], c.moyenne);
      EXPECT_EQ(ValeursSystemes[2].NbObservations[1][24], 412);
    } catch (const ErreurFichier& e) {
      if (c.message.empty()) {
        ADD_FAILURE() << "refused: " << e.what();
        continue;
      }
      EXPECT_EQ(e.what(), AvecChemin(c.message, chemin));
      // The user's message names the same file and line.
      const std::string lieu = chemin + ", line " + std::to_string(e.ligne) + ": ";
      EXPECT_EQ(MessageErreurFichier(e).rfind(lieu, 0), 0u) << MessageErreurFichier(e);
    }
  }
  Langue = "";
  ChangeLangue();
  for (TValeursSysteme& v : ValeursSystemes) v = TValeursSysteme{};
}

// An unreadable line's message names the fault found, not a list of possible ones.
TEST(MessagesLigneInvalide, NameTheFaultFound) {
  struct Cas {
    const char* nom;
    std::string octets;
    const char* francais;
    const char* anglais;
  };
  const std::vector<Cas> cas = {
      {"NUL byte", std::string("1\r\n2\0\r\n", 6), "ligne illisible : elle contient un octet nul.",
       "unreadable line: it holds a NUL byte."},
      {"overlong line", "1\r\n" + std::string(4097, '7') + "\r\n", "ligne illisible : plus de 4096 caractères.",
       "unreadable line: over 4096 characters."},
      {"CR alone", "1\r2\r", "ligne illisible : fin de ligne CR seule.", "unreadable line: CR-only line end."},
  };
  DossierTemporaire dossier;
  const std::string chemin = dossier.Fichier(NOM_FICHIER_VALEURS);
  for (const Cas& c : cas) {
    SCOPED_TRACE(c.nom);
    EcritOctets(chemin, c.octets);
    try {
      LireValeursDesComptesDePoints(chemin);
      ADD_FAILURE() << "accepted";
    } catch (const ErreurFichier& e) {
      const long ligne = c.octets[1] == '\r' && c.octets[2] != '\n' ? 1 : 2;
      Langue = "";
      EXPECT_EQ(MessageErreurFichier(e), chemin + ", ligne " + std::to_string(ligne) + " : " + c.francais);
      Langue = "anglais";
      EXPECT_EQ(MessageErreurFichier(e), chemin + ", line " + std::to_string(ligne) + ": " + c.anglais);
      Langue = "";
    }
  }
  // Text after a parameters file's last line is no unreadable line.
  const std::string parametres = dossier.Fichier("ParametresDesComptesDePoints.txt");
  ParametresParDefaut();
  EnregistrerParametresDesComptesDePoints(parametres, '.');
  {
    std::ofstream(parametres, std::ios::binary | std::ios::app) << "M\r\n";
  }
  try {
    LireParametresDesComptesDePoints(parametres);
    ADD_FAILURE() << "accepted";
  } catch (const ErreurFichier& e) {
    EXPECT_EQ(MessageErreurFichier(e), parametres + ", ligne 79 : texte après la dernière ligne attendue.");
  }
}

}  // namespace
}  // namespace korvalo
