#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "Textes.h"
#include "TextesFixes.h"

namespace korvalo {
namespace {

struct CasTexte {
  int numero;
  const char* anglais;
  const char* francais;
};

// Chosen to catch a swapped column, a lost leading or trailing space, a lost
// accent, a collapsed double space and a lost carriage return.
const CasTexte CasTextes[] = {
    {1, " Bonus AKQ AKJ AQJ KQJ", " Bonus ARD ARV ADV RDV"},
    {11, " Malus 3  immediate losers", " Malus 3 perdantes immédiates"},
    {24, " Malus regular hand", " Malus main régulière"},
    {25, " Malus fit exact without HC", " Malus fit exact sans honneur"},
    {TitrePersonnelB, " System personnel B", " système personnel B"},
    {EchellePetkov, " PHo count Zar Petkov    4.5  3  1.5  0.5",
     " PHo compte Zar Petkov    4.5  3  1.5  0.5"},
    {ValeursDuSysteme, "   Values of system ", "   Valeurs du système "},
    {LibelleVariante1 + 2, " SP_NC : without second round controls and suit trump   ",
     " PS_NC : sans les contrôles de second tour et contrats à la couleur  "},
    {TexteRetour, " Return", " Retour"},
    {TexteBouton51 + 4, " Dispay the values of a count", " Valeurs d'un système"},
    {AvisModification,
     " Modify the parameters values in the column of your choice.\r These changes will only be "
     "saved if you then evaluate a system and respond positively at the end to the general save "
     "settings and new values prompt.",
     " Modifiez à votre guise les valeurs des paramètres dans la colonne de votre choix.\r Ces "
     "modifications ne seront enregistrées que si vous évaluez ensuite un système et que vous "
     "répondez positivement à la fin à l'invite de sauvegarde générale des paramètres et des "
     "nouvelles valeurs."},
    {ValeurIncorrecte, " Incorrect value", " Valeur incorrecte"},
    {ExplicationEncheres1, " This table shows the % of success with which it is advantageous to overbid ",
     " Ce tableau expose les % de réussite avec lesquels il est avantageux de surenchérir "},
    {ExplicationEncheres1 + 4, " adjacent. We consider the TPP points and the IMP points",
     " adjacents. On considère les points de TPP et les points IMP de match"},
    {QuestionSauvegarde,
     "Do you want to save the changes? The parameters and values will be saved in files from the "
     "directory ",
     "Voulez-vous sauvegarder les changements ? Les paramètres et les valeurs  des comptes seront "
     "dans des fichiers du répertoire "},
    {EnTeteEncheres, "                       Points (PT)                                 IMP (match)",
     "                       Points (TPP)                                IMP (match)"},
    {DePalier, " from ", "  de  "},
    {APalier, "  to  ", "  à   "},
    {PremierRetour, "  First quit your previous research please (Return)",
     "  Quittez d'abord votre précédente requête SVP (Retour)"},
};

const CasTexte CasBulles[] = {
    {5,
     " 1: +1 point for a any suit for each card beyond the fourth; 2: if a good suit : +1 point "
     "for each card beyond the fourth, if no +1 point for each card beyond the fifth ",
     " 1: +1 point pour une couleur quelconque pour chaque carte au-delà de 4; 2: +1 point pour "
     "une belle couleur seulement par carte au-delà de 4; si la couleur est laide +1 point par "
     "carte au-delà de 5 "},
    {7, " +1 point for a two-suited  55", " +1 point pour un bicolore 55"},
    {16, " Bonus for the second doubleton", " On compte ou pas un second doubleton"},
    {25, " Malus for an exact fit without cards above the 9",
     " Malus pour un soutien exact sans carte supérieure au 9"},
};

// Every language-dependent text, to compare one state of the tables with another.
std::vector<std::string> Instantane() {
  std::vector<std::string> tout(std::begin(Textes), std::end(Textes));
  tout.insert(tout.end(), std::begin(Bulles), std::end(Bulles));
  tout.insert(tout.end(), {Titre, AvisMiseAJour, FinTelechargement, FermezProgramme,
                           LancezInstallation});
  return tout;
}

void Choisit(const char* langue) {
  Langue = langue;
  ChangeLangue();
}

TEST(Textes, AnglaisEtFrancaisALeurPlace) {
  for (const char* langue : {"anglais", "francais"}) {
    Choisit(langue);
    const bool anglais = std::string(langue) == "anglais";
    for (const CasTexte& c : CasTextes)
      EXPECT_EQ(Textes[c.numero], anglais ? c.anglais : c.francais)
          << "Textes[" << c.numero << "] en " << langue;
    for (const CasTexte& c : CasBulles)
      EXPECT_EQ(Bulles[c.numero], anglais ? c.anglais : c.francais)
          << "Bulles[" << c.numero << "] en " << langue;
  }
}

TEST(Textes, TitreEtMiseAJour) {
  Choisit("anglais");
  EXPECT_EQ(Titre, "THE  EVALUATION  OF  POINTS  ACCOUNTS  AT  BRIDGE");
  EXPECT_EQ(AvisMiseAJour,
            "An updated version of Korvalo can be downloaded.\rAutomatic loading and installation "
            "takes about ten seconds.");
  EXPECT_EQ(FinTelechargement, "UpLoading terminated");
  EXPECT_EQ(FermezProgramme, "Close this program.");
  EXPECT_EQ(LancezInstallation, "And lauch SetupKorvalo.exe which is on your desktop.");

  Choisit("francais");
  EXPECT_EQ(Titre, "L'EVALUATION  DES  COMPTES  DE  POINTS  AU  BRIDGE");
  EXPECT_EQ(AvisMiseAJour,
            "Une version plus récente de Korvalo peut être téléchargée.\rLe chargement et "
            "l'installation automatiques durent une dizaine de secondes.");
  EXPECT_EQ(FinTelechargement, "Téléchargement terminé");
  EXPECT_EQ(FermezProgramme, "Fermez ce programme");
  EXPECT_EQ(LancezInstallation, "Et lancez SetupKorvalo.exe qui se trouve sur votre bureau.");
}

TEST(Textes, FrancaisParDefaut) {
  Choisit("francais");
  const std::vector<std::string> francais = Instantane();
  // Empty at start; only the exact word selects English.
  for (const char* langue : {"", "Anglais", "english", "anglais "}) {
    Choisit(langue);
    EXPECT_EQ(Instantane(), francais) << "Langue = \"" << langue << "\"";
    EXPECT_FALSE(LangueAnglaise());
  }
}

TEST(Textes, ChangerDeuxFoisDonneLesMemesTextes) {
  Choisit("anglais");
  const std::vector<std::string> anglais = Instantane();
  Choisit("anglais");
  EXPECT_EQ(Instantane(), anglais);

  Choisit("francais");
  const std::vector<std::string> francais = Instantane();
  Choisit("francais");
  EXPECT_EQ(Instantane(), francais);

  // Back and forth: nothing of the other language is left behind.
  Choisit("anglais");
  Choisit("francais");
  EXPECT_EQ(Instantane(), francais);
  Choisit("anglais");
  EXPECT_EQ(Instantane(), anglais);
}

TEST(Textes, EntreesNommeesRempliesDansLesDeuxLangues) {
  std::vector<int> numeros;
  for (int n = 1; n <= 42; ++n) numeros.push_back(n);
  for (int n : {48, 51, 52, 53, 54, 55, 56, 57, 58, 60, 61, 62, 63, 64, 65, 66, 67, 68, 69, 70,
                71, 72, 73, 74, 81, 82, 85, 86, 87, 88, 89, 90, 91, 92})
    numeros.push_back(n);
  // The same word in both languages.
  const std::vector<int> identiques = {13, 16};

  Choisit("anglais");
  const std::vector<std::string> anglais = Instantane();
  Choisit("francais");
  for (int n : numeros) {
    EXPECT_FALSE(anglais[n].empty()) << "Textes[" << n << "] anglais vide";
    EXPECT_FALSE(Textes[n].empty()) << "Textes[" << n << "] français vide";
    const bool identique = std::find(identiques.begin(), identiques.end(), n) != identiques.end();
    EXPECT_EQ(anglais[n] == Textes[n], identique) << "Textes[" << n << "]";
  }
  for (int b = 1; b <= 25; ++b) {
    EXPECT_FALSE(Bulles[b].empty()) << "Bulles[" << b << "]";
    EXPECT_FALSE(anglais[NB_TEXTES + 1 + b].empty()) << "Bulles[" << b << "] anglais";
  }
}

// Number of characters of a UTF-8 text.
int NombreCaracteres(const std::string& s) {
  int n = 0;
  for (unsigned char c : s) n += (c & 0xC0) != 0x80;
  return n;
}

TEST(TextesFixes, TextesCommunsAuxDeuxLangues) {
  EXPECT_EQ(NombreCaracteres(TitreProgression), 47);
  EXPECT_EQ(std::string(TitreProgression), " M et s des points pour n trics \"égal\". Compte ");
  EXPECT_EQ(std::string(LegendeFenetre), "Choix et évaluation des paramètres de calcul des points");
  EXPECT_EQ(std::string(InviteNombreDonnes), "Entrez un nombre (max 100 000)");
  EXPECT_EQ(std::string(NombreDonnesIncorrect), "Valeur incorrecte");
  EXPECT_EQ(std::string(NomsSystemesAffichage[1]), " SEF");
  EXPECT_EQ(std::string(NomsCourtsComparaison[3]), "P-b ");
  EXPECT_EQ(std::string(NomsCourtsAncienNouveau[3]), "P-B");
}

TEST(TextesFixes, ChoixDesRangs) {
  struct Cas {
    int rang;
    std::vector<std::string> items;
  };
  const Cas cas[] = {
      {1, {" 0", " 0.5", " 1"}},
      {2, {" 0", " 1"}},
      {5, {" 0", " 0.5", " 1", " 2"}},
      {9, {"-1", "-0.5", " 0"}},
      {14, {" 0", " 1", " 2", " 3", " 4"}},
      {16, {" 0", " 0.5", " 1"}},
      {17, {"-4", "-3", "-2", "-1", " 0", " 1", " 2", " 3", " 4"}},
      {22, {"-4", "-3", "-2", "-1", " 0", " 1", " 2", " 3", " 4"}},
      {23, {"-1", "-0.5", " 0"}},
      {25, {"-1", "-0.5", " 0"}},
  };
  for (const Cas& c : cas) {
    const TListeChoix& liste = *ChoixDesRangs[c.rang];
    std::vector<std::string> items(liste.items, liste.items + liste.nombre);
    EXPECT_EQ(items, c.items) << "rang " << c.rang;
  }
  for (int rang = 1; rang <= 25; ++rang) ASSERT_NE(ChoixDesRangs[rang], nullptr) << rang;
}

}  // namespace
}  // namespace korvalo
