// The parameters file against damaged or foreign files: each case shows the
// message the user gets, or what is read when the file is accepted.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "../engine/DossierTemporaire.h"
#include "LignesFichier.h"
#include "Parametres.h"

namespace korvalo {
namespace {

using test::DossierTemporaire;
using test::EcritOctets;
using test::Avec;
using test::AvecChemin;
using test::BOM;
using test::Joint;
using test::Premieres;

const std::vector<std::string> BLOC = {"M", "1", "0.5", "0", "1",  "1", "0", "1", "1",    "-1", "0", "0", "3",
                                       "2", "1", "1",   "1", "-4", "-2", "0", "2", "3", "4", "-0.5", "0", "0"};

std::vector<std::string> Defauts() {
  std::vector<std::string> l;
  for (int s = 0; s < 3; ++s) l.insert(l.end(), BLOC.begin(), BLOC.end());
  return l;
}

struct Cas {
  const char* nom;
  std::string octets;
  // Refused: the message, with {F} for the file's path. Accepted: empty.
  std::string message;
  // Accepted: one slot checked (system, slot, value).
  int systeme = 1, emplacement = 1;
  float valeur = 1;
};


TEST(ParametresMalformes, EachDamagedFileIsAcceptedOrRefusedWithItsMessage) {
  const std::string longue(4097, '0');
  const std::string limite = std::string(4095, '0') + "2";  // exactly 4096 characters
  const std::vector<Cas> cas = {
      // Accepted as they stand.
      {"UTF-8 BOM", BOM + Joint(Defauts()), "", 1, 2, 0.5f},
      {"LF line ends", Joint(Defauts(), "\n"), "", 3, 25, 0},
      {"no final line end", Joint(Defauts(), "\r\n", false), "", 3, 25, 0},
      {"BOM, LF and no final line end", BOM + Joint(Avec(Defauts(), 78, "-1"), "\n", false), "", 3, 25, -1},
      {"mixed line ends", Joint(Defauts(), "\n").replace(0, 2, "M\r\n"), "", 1, 1, 1},
      {"negative values", Joint(Avec(Defauts(), 2, "-4")), "", 1, 1, -4},
      {"negative half", Joint(Avec(Defauts(), 29, "-0.5")), "", 2, 2, -0.5f},
      {"comma separator", Joint(Avec(Defauts(), 30, "-0,5")), "", 2, 3, -0.5f},
      {"magnitude 1000", Joint(Avec(Defauts(), 54, "-1000")), "", 3, 1, -1000},
      {"exponent", Joint(Avec(Defauts(), 55, "1e3")), "", 3, 2, 1000},
      {"blanks around a value", Joint(Avec(Defauts(), 3, " \t0.5 ")), "", 1, 2, 0.5f},
      {"line of exactly 4096 characters", Joint(Avec(Defauts(), 4, limite)), "", 1, 3, 2},
      {"empty lines after line 78", Joint(Defauts()) + "\r\n\r\n", "", 1, 1, 1},

      // Refused, naming the line and the text found.
      {"NUL byte", Joint(Avec(Defauts(), 10, std::string("-1\0", 3))), "{F}, line 10: NUL byte in the line (found \"-1\")"},
      {"UTF-16 file", std::string("\xFF\xFEM\0\r\0\n\0", 8), "{F}, line 1: NUL byte in the line (found \"\xFF\xFEM\")"},
      {"line over 4096 characters", Joint(Avec(Defauts(), 3, longue)),
       "{F}, line 3: line longer than 4096 characters (found \"" + std::string(40, '0') + "...\")"},
      {"CR-only line ends", Joint(Defauts(), "\r"), "{F}, line 1: line ended by CR alone (found \"M\")"},
      {"CR at the very end", Joint(Defauts(), "\r\n", false) + "\r", "{F}, line 78: line ended by CR alone (found \"0\")"},
      {"nan", Joint(Avec(Defauts(), 5, "nan")), "{F}, line 5: not a finite number of magnitude at most 1000 (found \"nan\")"},
      {"infinity", Joint(Avec(Defauts(), 6, "-Infinity")),
       "{F}, line 6: not a finite number of magnitude at most 1000 (found \"-Infinity\")"},
      {"overflowing exponent", Joint(Avec(Defauts(), 7, "1e999")),
       "{F}, line 7: not a finite number of magnitude at most 1000 (found \"1e999\")"},
      {"just beyond 1000", Joint(Avec(Defauts(), 8, "1000.001")),
       "{F}, line 8: not a finite number of magnitude at most 1000 (found \"1000.001\")"},
      {"underflowing exponent", Joint(Avec(Defauts(), 11, "1e-400")),
       "{F}, line 11: a number too close to zero to be represented (found \"1e-400\")"},
      {"underflow of a long mantissa", Joint(Avec(Defauts(), 12, "-12345e-330")),
       "{F}, line 12: a number too close to zero to be represented (found \"-12345e-330\")"},
      {"overflow despite a negative exponent", Joint(Avec(Defauts(), 13, "1" + std::string(400, '0') + "e-10")),
       "{F}, line 13: not a finite number of magnitude at most 1000 (found \"" + std::string("1") +
           std::string(39, '0') + "...\")"},
      {"large negative", Joint(Avec(Defauts(), 9, "-2147483649")),
       "{F}, line 9: not a finite number of magnitude at most 1000 (found \"-2147483649\")"},
      {"not a number", Joint(Avec(Defauts(), 30, "un")), "{F}, line 30: not a number (found \"un\")"},
      {"two separators", Joint(Avec(Defauts(), 31, "0,5.5")), "{F}, line 31: not a number (found \"0,5.5\")"},
      {"hexadecimal", Joint(Avec(Defauts(), 32, "0x10")), "{F}, line 32: not a number (found \"0x10\")"},
      {"blank value line", Joint(Avec(Defauts(), 33, "  ")), "{F}, line 33: not a number (found \"  \")"},
      {"empty value line", Joint(Avec(Defauts(), 34, "")), "{F}, line 34: empty line where a number is expected"},
      {"BOM inside the file", Joint(Avec(Defauts(), 35, BOM + "1")), "{F}, line 35: not a number (found \"" + BOM + "1\")"},
      {"empty file", "", "{F}, line 1: the file ends before this line (0 lines)"},
      {"BOM only", BOM, "{F}, line 1: the file ends before this line (0 lines)"},
      {"one line", "M\r\n", "{F}, line 2: the file ends before this line (1 lines)"},
      {"short file", Joint(Premieres(Defauts(), 40)), "{F}, line 41: the file ends before this line (40 lines)"},
      {"short by one line", Joint(Premieres(Defauts(), 77)), "{F}, line 78: the file ends before this line (77 lines)"},
      {"text after line 78", Joint(Defauts()) + "M\r\n", "{F}, line 79: text after the last of the 78 lines (found \"M\")"},
  };
  DossierTemporaire dossier;
  const std::string chemin = dossier.Fichier("ParametresDesComptesDePoints.txt");
  for (const Cas& c : cas) {
    SCOPED_TRACE(c.nom);
    EcritOctets(chemin, c.octets);
    ParametresParDefaut();
    try {
      LireParametresDesComptesDePoints(chemin);
      if (!c.message.empty()) {
        ADD_FAILURE() << "accepted";
        continue;
      }
      EXPECT_EQ(Emplacement(ParametresSystemes[c.systeme], c.emplacement), c.valeur);
      EXPECT_EQ(ParametresSystemes[1].Honneurs, 'M');
    } catch (const ErreurFichier& e) {
      if (c.message.empty()) {
        ADD_FAILURE() << "refused: " << e.what();
        continue;
      }
      EXPECT_EQ(e.what(), AvecChemin(c.message, chemin));
      EXPECT_EQ(e.fichier, chemin);
    }
  }
}

}  // namespace
}  // namespace korvalo
