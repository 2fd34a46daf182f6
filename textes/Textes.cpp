#include "Textes.h"

#include <iterator>

namespace korvalo {

std::string Langue;
std::string Textes[NB_TEXTES + 1];
std::string Titre;
std::string Bulles[26];
std::string AvisMiseAJour, FinTelechargement, FermezProgramme, LancezInstallation;

bool LangueAnglaise() { return Langue == "anglais"; }

namespace {

// One row per text, English then French, so that the two columns cannot
// drift apart when a text is changed.
struct Traduction {
  int numero;
  const char* anglais;
  const char* francais;
};

constexpr Traduction TraductionsTextes[] = {
    {1,  // BonusTroisHonneurs
     " Bonus AKQ AKJ AQJ KQJ",
     " Bonus ARD ARV ADV RDV"},
    {2,  // BonusSequenceDix
     " Bonus KQT(x) KJT(x) QJT(x)",
     " Bonus RDX(x) RVX(x) DVX(x)"},
    {3,  // BonusAs
     " Bonus 2+ Aces",
     " Bonus 2+ As"},
    {4,  // BonusDixNeuf
     " Bonus 4 T/9",
     " Bonus XX X99 999"},
    {5,  // BonusLongueur
     " Length 5+",
     " Longueur 5+"},
    {6,  // Bicolore54
     " Two-suiter 54",
     " Bicolore 54"},
    {7,  // Bicolore55
     " Two-suiter 55",
     " Bicolore 55"},
    {8,  // Bicolore11
     " Two-suiter 11+ cards",
     " Bicolore 11+ cartes"},
    {9,  // MalusHonneursSecs
     " Malus K Q J KQ KJ, QJ",
     " Malus R D V RD RV, DV"},
    {10,  // MalusSansAs
     " Malus 0 Ace",
     " Malus 0 As"},
    {11,  // MalusTroisPerdantes
     " Malus 3  immediate losers",
     " Malus 3 perdantes immédiates"},
    {12,  // Chicane
     " Void",
     " Chicane"},
    {13,  // Singleton
     " Singleton",
     " Singleton"},
    {14,  // DoubletonQuatreAtouts
     " Doubleton with 4+ trumps",
     " Doubleton avec 4+ atouts"},
    {15,  // DoubletonTroisAtouts
     " Doubleton with 3- trumps",
     " Doubleton avec 3- atouts"},
    {16,  // SecondDoubleton
     " Second doubleton",
     " Second doubleton"},
    {17,  // Fit`[-2]
     " Fit -2 trumps",
     " Fit -2 atouts"},
    {18,  // Fit`[-1]
     " Fit -1 trump",
     " Fit -1 atout"},
    {19,  // Fit`[0]
     " Fit exact with 1+ HC",
     " Fit exact avec honneur"},
    {20,  // Fit`[+1]
     " Fit +1 trump",
     " Fit +1 atout"},
    {21,  // Fit`[+2]
     " Fit +2 trumps",
     " Fit +2 atouts"},
    {22,  // Fit`[+3]
     " Fit +3+ trumps",
     " Fit +3+ atouts"},
    {23,  // Malus4333
     " Malus hand 4333",
     " Malus main 4333"},
    {24,  // MalusRegulier
     " Malus regular hand",
     " Malus main régulière"},
    {25,  // MalusFitExactSansHonneur
     " Malus fit exact without HC",
     " Malus fit exact sans honneur"},
    {TitreGrille,
     " Choice of points computing parameters",
     " Choix des paramètres de calcul des points"},
    {TitreSEF,
     " System SEF",
     " système SEF"},
    {TitrePersonnelA,
     " System Personnel A",
     " système Personnel A"},
    {TitrePersonnelB,
     " System personnel B",
     " système personnel B"},
    {EchelleMilton,
     " PHo count Milton Work   4    3  2    1",
     " PHo compte Milton Work   4    3  2    1"},
    {EchellePetkov,
     " PHo count Zar Petkov    4.5  3  1.5  0.5",
     " PHo compte Zar Petkov    4.5  3  1.5  0.5"},
    {TitreAffichage,
     "Display of points values",
     "Affichage valeur des points"},
    {InviteSystemeAffichage,
     "Enter the system number : 1:SEF; 2:Personal A; 3:Personal B; 4:Zar; 5:Kaplan-Rubens; 6:Charles-Gigault",
     "Entrez le numéro du système : 1:SEF; 2:Personnel A; 3:Personnel B; 4:Zar; 5:Kaplan-Rubens; 6:Charles-Gigault"},
    {SystemeNonEvalue,
     " You didn't value this system, you didn't have any value for it",
     " Vous n'avez pas encore évalué ce système, vous n'avez aucune valeur pour lui"},
    {AvisComparaison,
     " To obtain means and standard deviations click on Comparison of the systems",
     " Pour obtenir les valeurs moyennes et de dispersion cliquer sur Comparaison des systèmes"},
    {ValeursDuSysteme,
     "   Values of system ",
     "   Valeurs du système "},
    {CalculeesSur,
     " computed on a sample of ",
     " calculées sur un échantillon de "},
    {DonnesAleatoires,
     " random deals.",
     " donnes aléatoires."},
    {QuatreLignesAtout,
     " Trump contracts are displayed on four lines : SP_NC, SP_SRC, SP_FRC and total SP",
     " Les contrats à l'atout sont présentés sur 4 lignes : PS_NC, PS_CST, PS_CPT et PS total"},
    {EnTeteTroisGroupes,
     "              % for n+ tricks at NT (HCP)                % for n+ tricks at NT (HLP)              % for n+ tricks at ST (SP)",
     "                % de n+ trics à SA (PHO)                   % de n+ trics à SA (PHL)               % de n+ trics à l'atout (PHS)"},
    {TitreMoyennesPoints,
     " Means and standard déviations of points corresponding to n trics just made",
     " Moyennes et écarts types des points correspondant à n trics juste faits"},
    {TitreMoyennesLevees,
     " Means and standard deviations of the number of tricks made with n points",
     " Moyennes et écarts types du nombre de levées réalisées avec n points"},
    {TexteRetour,
     " Return",
     " Retour"},
    {TexteBouton51 + 0,
     " Presentation",
     " Présentation"},
    {TexteBouton51 + 1,
     " Modify a system",
     " Modifier un système"},
    {TexteBouton51 + 2,
     " Save modifications",
     " Enregistrer les modifications"},
    {TexteBouton51 + 3,
     " Bounds of overbids",
     " Bornes des surenchères"},
    {TexteBouton51 + 4,
     " Dispay the values of a count",
     " Valeurs d'un système"},
    {TexteBouton51 + 5,
     " Evaluate a system",
     " Evaluer un système"},
    {TexteBouton51 + 6,
     " Comparison of the systems",
     " Comparer les systèmes"},
    {TexteBouton51 + 7,
     " Quit",
     " Quitter"},
    {AvisModification,
     " Modify the parameters values in the column of your choice.\r These changes will only be saved if you then evaluate a system and respond positively at the end to the general save settings and new values prompt.",
     " Modifiez à votre guise les valeurs des paramètres dans la colonne de votre choix.\r Ces modifications ne seront enregistrées que si vous évaluez ensuite un système et que vous répondez positivement à la fin à l'invite de sauvegarde générale des paramètres et des nouvelles valeurs."},
    {LibelleVariante1 + 0,
     " HCP and NT contracts   ",
     " PHo et contrats à SA   "},
    {LibelleVariante1 + 1,
     " HLP and NT contracts   ",
     " PHl et contrats à SA   "},
    {LibelleVariante1 + 2,
     " SP_NC : without second round controls and suit trump   ",
     " PS_NC : sans les contrôles de second tour et contrats à la couleur  "},
    {LibelleVariante1 + 3,
     " SP_SRC : with second round controls and suit trump   ",
     " PS_CST : avec tous les contrôles de second tour et contrats à la couleur "},
    {LibelleVariante1 + 4,
     " SP_FRC : with first round controls and suit trump   ",
     " PS_CPT : avec tous les contrôles de premier tour et contrats à la couleur "},
    {LibelleVariante1 + 5,
     " SP_Total : set of all values : SP_NC + SP_STC + SP_FRC ",
     " PS_Total : ensemble de toutes les valeurs PHS : PS_NC + PS_CST + PS_CPT "},
    {TitreEvaluation,
     "Valuation of un system",
     "Evaluation système de points"},
    {InviteSystemeEvaluation,
     "Enter the number of the system : 1:SEF; 2:PersonalA; 3:PersonalB; 4:Zar; 5:Kaplan-Rubens; 6:Charles-Gigault",
     "Entrez le numéro du système : 1:SEF; 2:Personnel A; 3:Personnel B; 4:Zar; 5:Kaplan-Rubens; 6:Charles-Gigault"},
    {ValeurIncorrecte,
     " Incorrect value",
     " Valeur incorrecte"},
    {ExplicationEncheres1 + 0,
     " This table shows the % of success with which it is advantageous to overbid ",
     " Ce tableau expose les % de réussite avec lesquels il est avantageux de surenchérir "},
    {ExplicationEncheres1 + 1,
     " to the upper level in four vulnerability and double conditions.",
     " au palier supérieur dans quatre conditions de vulnérabilité et de contre."},
    {ExplicationEncheres1 + 2,
     " For example, with 33% we will ask for level 5 in minor V ND",
     " Par exemple, avec 33% on demandera le palier 5 en mineure V NC"},
    {ExplicationEncheres1 + 3,
     " The evaluation is based on the comparison of the remuneration of the two contracts",
     " L'évaluation se fonde sur la comparaison des rémunérations des deux contrats "},
    {ExplicationEncheres1 + 4,
     " adjacent. We consider the TPP points and the IMP points",
     " adjacents. On considère les points de TPP et les points IMP de match"},
    {QuestionSauvegarde,
     "Do you want to save the changes? The parameters and values will be saved in files from the directory ",
     "Voulez-vous sauvegarder les changements ? Les paramètres et les valeurs  des comptes seront dans des fichiers du répertoire "},
    {SuiteSauvegarde,
     ", all your data will be loaded each time the program will be launched",
     ", toutes vos données seront chargées chaque fois que le programme sera lancé."},
    {EnTeteEncheres,
     "                       Points (PT)                                 IMP (match)",
     "                       Points (TPP)                                IMP (match)"},
    {TitreMineures,
     "   Minor contracts, non-competitive bid",
     "   Contrats en mineure, surenchère non-compétitive"},
    {EnTeteColonnesEncheres,
     "                NVND VND       NVD   VD                    NVND VND       NVD   VD",
     "                NVNC VNC       NVC   VC                    NVNC VNC       NVC   VC"},
    {DePalier,
     " from ",
     "  de  "},
    {APalier,
     "  to  ",
     "  à   "},
    {TitreMajeures,
     "   Major contracts, non-competitive bid",
     "   Contrats en majeure, surenchère non-compétitive"},
    {TitreSansAtout,
     "   NT contracts, non-competitive bid",
     "   Contrats à SA, surenchère non-compétitive"},
    {PremierRetour,
     "  First quit your previous research please (Return)",
     "  Quittez d'abord votre précédente requête SVP (Retour)"},
};

constexpr Traduction TraductionsBulles[] = {
    {1,
     " +1 point for such a squence",
     " +1 point pour une telle séquence"},
    {2,
     " if 1 : +1 point for such a squence if it is in the suit of partner or RHO, -1 if it is in the suit of LHO, 0 otherwise.",
     " si 1 : +1 point pour une telle séquence seulement si elle est dans la couleur du partenaire ou du flanc droit, -1 si elle est dans la couleur du flanc gauche, 0 autrement"},
    {3,
     " +1 point for each ace from the second",
     " +1 point par As à partir du second"},
    {4,
     " +1 points for four T and 9",
     " +1 points pour quatre X et 9"},
    {5,
     " 1: +1 point for a any suit for each card beyond the fourth; 2: if a good suit : +1 point for each card beyond the fourth, if no +1 point for each card beyond the fifth ",
     " 1: +1 point pour une couleur quelconque pour chaque carte au-delà de 4; 2: +1 point pour une belle couleur seulement par carte au-delà de 4; si la couleur est laide +1 point par carte au-delà de 5 "},
    {6,
     " +1 point for a two-suited 54",
     " +1 point pour un bicolore 54"},
    {7,
     " +1 point for a two-suited  55",
     " +1 point pour un bicolore 55"},
    {8,
     " +1 point for a two-suited of 11 cartes, added to the previous one",
     " +1 point pour un bicolore de 11 cartes, cumulé au précédent"},
    {9,
     " -1 point pour KQ, KJ, DJ or K Q J single, except KQ and KJ in partner's suit",
     " -1 point pour RD, RV, DV ou R D V sec excepté pour RD et RV dans la couleur du partenaire"},
    {10,
     " -1 point for a hand without ace ",
     " -1 point pour une main sans As "},
    {11,
     " -1 point for a suit of three cards lower that T, i.e. 3 immediate losers",
     " -1 point pour une couleur de 3 cartes inférieures au X, i.e. 3 perdantes immédiates"},
    {12,
     " Bonus void",
     " Bonus Chicane"},
    {13,
     " Bonus singleton",
     " Bonus singleton"},
    {14,
     " Bonus doubleton with 4 trumps",
     " Bonus doubleton accompagné de 4 atouts"},
    {15,
     " Bonus doubleton with 3 atouts",
     " Bonus doubleton accompagné de 3 atouts"},
    {16,
     " Bonus for the second doubleton",
     " On compte ou pas un second doubleton"},
    {17,
     " Malus for a fit of 6 cards",
     " Malus pour un fit de 6 cartes"},
    {18,
     " Malus for a fit of 7 cards",
     " Malus pour un fit de 7 cartes"},
    {19,
     " Exact fit",
     " Fit exact"},
    {20,
     " Bonus for 1 supernumerary trump",
     " Bonus pour 1 atout surnuméraire"},
    {21,
     " Bonus pour 2 supernumerary trumps",
     " Bonus pour 2 atouts surnuméraires"},
    {22,
     " Bonus pour 3+ supernumerary trumps",
     " Bonus pour 3+ atouts surnuméraires"},
    {23,
     " Malus for 4333 hands",
     " Malus pour les jeux 4333"},
    {24,
     " Malus for hand not 4333 but without singleton",
     " Malus pour les jeux non 4333 mais sans singleton"},
    {25,
     " Malus for an exact fit without cards above the 9",
     " Malus pour un soutien exact sans carte supérieure au 9"},
};

struct TraductionMiseAJour {
  std::string* cible;
  const char* anglais;
  const char* francais;
};

const TraductionMiseAJour TraductionsMiseAJour[] = {
    {&AvisMiseAJour,
     "An updated version of Korvalo can be downloaded.\rAutomatic loading and installation takes about ten seconds.",
     "Une version plus récente de Korvalo peut être téléchargée.\rLe chargement et l'installation automatiques durent une dizaine de secondes."},
    {&FinTelechargement,
     "UpLoading terminated",
     "Téléchargement terminé"},
    {&FermezProgramme,
     "Close this program.",
     "Fermez ce programme"},
    {&LancezInstallation,
     "And lauch SetupKorvalo.exe which is on your desktop.",
     "Et lancez SetupKorvalo.exe qui se trouve sur votre bureau."},
};

constexpr Traduction TraductionTitre = {
    0,
    "THE  EVALUATION  OF  POINTS  ACCOUNTS  AT  BRIDGE",
    "L'EVALUATION  DES  COMPTES  DE  POINTS  AU  BRIDGE"};

// Every number used once and inside the table, every parameter row labelled.
constexpr bool NumerosCorrects(const Traduction* debut, const Traduction* fin, int dernier,
                               int obligatoires) {
  bool vu[NB_TEXTES + 1] = {};
  for (const Traduction* t = debut; t != fin; ++t) {
    if (t->numero < 1 || t->numero > dernier || vu[t->numero]) return false;
    vu[t->numero] = true;
  }
  for (int n = 1; n <= obligatoires; ++n)
    if (!vu[n]) return false;
  return true;
}
static_assert(NumerosCorrects(std::begin(TraductionsTextes), std::end(TraductionsTextes),
                              NB_TEXTES, 25));
static_assert(NumerosCorrects(std::begin(TraductionsBulles), std::end(TraductionsBulles), 25,
                              25));

}  // namespace

void FaitTextes() {
  const bool anglais = LangueAnglaise();
  for (std::string& t : Textes) t.clear();
  for (const Traduction& t : TraductionsTextes)
    Textes[t.numero] = anglais ? t.anglais : t.francais;
  Titre = anglais ? TraductionTitre.anglais : TraductionTitre.francais;
}

void FaitBulles() {
  const bool anglais = LangueAnglaise();
  for (std::string& b : Bulles) b.clear();
  for (const Traduction& b : TraductionsBulles)
    Bulles[b.numero] = anglais ? b.anglais : b.francais;
}

void FaitTextesMiseAJour() {
  const bool anglais = LangueAnglaise();
  for (const TraductionMiseAJour& t : TraductionsMiseAJour)
    *t.cible = anglais ? t.anglais : t.francais;
}

void ChangeLangue() {
  FaitTextes();
  FaitBulles();
  FaitTextesMiseAJour();
}

}  // namespace korvalo
