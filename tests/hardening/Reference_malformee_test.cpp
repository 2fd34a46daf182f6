// The reference file and its lines against damaged or foreign input: each
// case shows the message that stops the run, or is scored when accepted.

#include <gtest/gtest.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "../engine/DossierTemporaire.h"
#include "LignesFichier.h"
#include "Simulation.h"
#include "Textes.h"

namespace korvalo {
namespace {

using test::DossierTemporaire;
using test::EcritOctets;
using test::AvecChemin;
using test::BOM;

// North all spades, East all hearts, South all diamonds, West all clubs; each
// declarer makes 13 tricks in its own suit.
const std::vector<std::string> CHAMPS = {
    "8191", "0", "0", "0", "0", "8191", "0", "0", "0", "0", "8191", "0", "0", "0", "0", "8191",
    "13", "0", "0", "0", "1", "0", "13", "0", "0", "1", "0", "0", "13", "0", "1", "0", "0", "0", "13", "1"};

// The line with field `champ` (1..36) replaced; 0 changes nothing.
std::string Ligne(int champ = 0, const std::string& texte = "") {
  std::string l;
  for (int i = 1; i <= 36; ++i) l += (i == champ ? texte : CHAMPS[i - 1]) + " ";
  return l;
}

const std::string L = Ligne();

struct Cas {
  const char* nom;
  std::string octets;
  int N;
  // Refused: the English message, {F} standing for the path. Accepted: empty.
  std::string message;
};


TEST(ReferenceMalformee, EachDamagedFileIsScoredOrRefusedWithItsMessage) {
  const std::string f1 = "{F}, line 1, field 1 (holding of seat 1, suit 1): ";
  const std::string f2 = "{F}, line 2, field 2 (holding of seat 1, suit 2): ";
  const std::string f21 = "{F}, line 1, field 21 (tricks of declarer 1, strain 5): ";
  const std::string f36 = "{F}, line 1, field 36 (tricks of declarer 4, strain 5): ";
  const std::string ajout(4096 - L.size(), 'x');  // makes a line of exactly 4096 characters
  const std::vector<Cas> cas = {
      {"CR LF", L + "\r\n" + L + "\r\n", 2, ""},
      {"UTF-8 BOM", BOM + L + "\r\n", 1, ""},
      {"LF line ends", L + "\n" + L + "\n", 2, ""},
      {"no final line end", L + "\r\n" + L, 2, ""},
      {"text after the 36th value", L + "13 comment\r\n", 1, ""},
      {"line of exactly 4096 characters", L + ajout + "\r\n", 1, ""},
      {"leading zeros", Ligne(1, "08191") + "\r\n", 1, ""},
      {"more lines than asked", L + "\r\nnot a deal\r\n", 1, ""},

      {"empty file", "", 1, "The reference file {F} holds only 0 deals, 1 were asked."},
      {"BOM only", BOM, 1, "The reference file {F} holds only 0 deals, 1 were asked."},
      {"short file", L + "\r\n" + L + "\r\n", 3, "The reference file {F} holds only 2 deals, 3 were asked."},
      {"NUL byte", L + "\r\n" + L + std::string(1, '\0') + "\r\n", 2, "{F}, line 2: the line holds a NUL byte."},
      {"UTF-16 file", std::string("\xFF\xFE" "8\0001\0009\0001\0", 10), 1, "{F}, line 1: the line holds a NUL byte."},
      {"line over 4096 characters", L + ajout + "x\r\n", 1, "{F}, line 1: line over 4096 characters."},
      {"CR-only line ends", L + "\r" + L + "\r", 2, "{F}, line 1: CR-only line end (lines end with CR LF or LF)."},
      {"negative holding", L + "\n" + Ligne(2, "-1") + "\n", 2, f2 + "\"-1\" is not an integer."},
      {"negative trick count", Ligne(21, "-3"), 1, f21 + "\"-3\" is not an integer."},
      {"holding above 8191", Ligne(1, "8192"), 1, f1 + "the holding 8192 is above 8191."},
      {"holding far above 8191", Ligne(1, "123456789012"), 1, f1 + "the holding 123456789012 is above 8191."},
      {"trick count above 13", Ligne(21, "14"), 1, f21 + "the trick count 14 is above 13."},
      {"tab instead of a space", Ligne(1, "8191\t0"), 1, f1 + "\"8191?0\" is not an integer."},
      {"escape sequence", Ligne(1, "\x1b[2J"), 1, f1 + "\"?[2J\" is not an integer."},
      {"last space missing", L.substr(0, L.size() - 1) + "\r\n", 1, f36 + "the value \"1\" is not followed by a space."},
      {"leading space", " " + L, 1, f1 + "empty value (a leading or doubled space, or the line ends too early)."},
      {"35 values", L.substr(0, L.size() - 2) + "\r\n", 1,
       f36 + "empty value (a leading or doubled space, or the line ends too early)."},
      {"empty line", "\r\n", 1, f1 + "empty value (a leading or doubled space, or the line ends too early)."},
      {"a card held twice", Ligne(2, "1"), 1,
       "{F}, line 1: the four hands are not a complete deal (13 cards each, no card held twice)."},
      {"a twelve-card hand", Ligne(1, "8190"), 1,
       "{F}, line 1: the four hands are not a complete deal (13 cards each, no card held twice)."},
  };
  DossierTemporaire dossier;
  const std::string chemin = dossier.Fichier("FichierReference.txt");
  InitialiseTables();
  Langue = "anglais";
  ChangeLangue();
  for (const Cas& c : cas) {
    SCOPED_TRACE(c.nom);
    EcritOctets(chemin, c.octets);
    RemetAZero(Cumuls);
    LettreRun = 'F';
    try {
      LitLignesReference(chemin, c.N);
      for (int d = 1; d <= c.N; ++d) EvalueDonne(d);
      if (!c.message.empty()) {
        ADD_FAILURE() << "accepted";
        continue;
      }
      // Every deal gave its no-trump observations, with row 1 strain 5.
      EXPECT_EQ(Cumuls.EffectifsParLevees[1][1], c.N);
      EXPECT_EQ(Cumuls.EffectifsParLevees[2][1], c.N);
    } catch (const ErreurEvaluation& e) {
      if (c.message.empty()) {
        ADD_FAILURE() << "refused: " << e.what();
        continue;
      }
      EXPECT_EQ(e.what(), AvecChemin(c.message, chemin));
    }
  }
  // A device that never ends a line is refused without being read to its end.
  const std::string zeros = dossier.Fichier("zeros.txt");
  ASSERT_EQ(::symlink("/dev/zero", zeros.c_str()), 0);
  try {
    LitLignesReference(zeros, 1);
    ADD_FAILURE() << "accepted";
  } catch (const ErreurEvaluation& e) {
    EXPECT_EQ(e.what(), zeros + ", line 1: line over 4096 characters.");
  }
  Langue = "";
  ChangeLangue();
}

}  // namespace
}  // namespace korvalo
