// Control classes of a partnership for a trump suit.
#include <gtest/gtest.h>

#include "Mains.h"
#include "Simulation.h"

namespace korvalo {
namespace {

using test::Main;

struct Cas {
  const char* a;  // first hand of the partnership
  const char* b;  // second hand
  int atout;
  int classe;
  const char* pourquoi;
};

class Controles : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { InitialiseTables(); }
};

TEST_F(Controles, Table) {
  const Cas cas[] = {
      {"AKT32.AQ2.AK2.32", "98765.6543.6543.-", 1, 2, "ten trumps A K without Q, ace or ruff everywhere"},
      {"AKT32.AQ2.AK2.32", "9876.76543.6543.-", 1, 1, "the same with nine trumps"},
      {"AKQ32.A2.A32.A32", "9876.76543.KQJ4.-", 1, 2, "nine trumps with A K Q"},
      {"QJT32.AQ2.AK2.A2", "98765.6543.6543.-", 1, 0, "no ace nor king of trumps"},
      {"KQT32.AQ2.AK2.A2", "98765.6543.6543.-", 1, 1, "king of trumps and three side aces"},
      {"AQJ32.AQ2.AK2.A2", "98765.6543.6543.-", 1, 1, "four first-round controls without the trump king"},
      {"AKJ32.KQ2.AK2.A2", "98765.6543.6543.-", 1, 1, "a side king is a second-round control"},
      {"AKJ32.QJ2.AK2.A2", "98765.6543.6543.-", 1, 0, "one side suit without control"},
      {"AKJ32.2.AK2.A432", "98765.6543.6543.-", 1, 1, "a side singleton with trumps is a second-round control"},
      {"AKJ32.32.AK2.A32", "98765.7654.6543.-", 1, 0, "a doubleton is no control"},
      {"AKQJT987.A2.A2.2", "-.KQJT987.KQJT98.-", 1, 1, "a void without trumps gives nothing"},
      {"AKQJT987.A2.A2.2", "2.KQJT987.KQJT9.-", 1, 2, "the same void with one trump is first-round"},
      {"32.AKT32.AQ2.AK2", "-.98765.6543.6543", 2, 2, "trumps in suit 2, the void in suit 1"},
  };
  for (const Cas& c : cas) {
    for (int camp = 1; camp <= 2; ++camp) {
      tcarreword mains{};
      mains[camp] = Main(c.a);
      mains[camp + 2] = Main(c.b);
      // The opponents' hands play no part.
      mains[3 - camp] = Main("AKQJ.AKQJ.AKQ.AK");
      EXPECT_EQ(NiveauControles(mains, c.atout, camp), c.classe) << c.pourquoi << " (side " << camp << ")";
      // Nor does the order of the two hands.
      std::swap(mains[camp], mains[camp + 2]);
      EXPECT_EQ(NiveauControles(mains, c.atout, camp), c.classe) << c.pourquoi << " (swapped)";
    }
  }
}

}  // namespace
}  // namespace korvalo
