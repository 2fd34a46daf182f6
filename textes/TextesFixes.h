#pragma once
// Texts that do not change with the language. They live here, next to the
// language tables, so that the window, the reports and korvalo-cli print the
// same characters.

namespace korvalo {

// Main window.
inline constexpr char LegendeFenetre[] = "Choix et évaluation des paramètres de calcul des points";
inline constexpr char LegendeBoutonTitre[] = "Korvalo";
inline constexpr char LegendeConfirmation[] = "Confirmation";

// Default answer of every input box; a cancelled box also returns it.
inline constexpr char ReponseParDefaut[] = "0";

// Deal-count dialog of the evaluation run. The refusal has no leading space,
// unlike the ValeurIncorrecte entry of the language tables.
inline constexpr char TitreNombreDonnes[] = "Nombre de donnes aléatoires";
inline constexpr char InviteNombreDonnes[] = "Entrez un nombre (max 100 000)";
inline constexpr char NombreDonnesIncorrect[] = "Valeur incorrecte";

// Progress display of the evaluation run: title (47 characters) and the
// labels of count variants 1..6 (padded to 20 characters by the display).
inline constexpr char TitreProgression[] = " M et s des points pour n trics \"égal\". Compte ";
inline constexpr const char* EtiquettesProgression[7] = {
    "", " PHo", " PHl", " PS_NC", " PS_CST", " PS_CPT", " PS_Total"};

// System names of the reports, index = system number 1..6.
inline constexpr const char* NomsSystemesAffichage[7] = {
    "", " SEF", "Personnel A", "Personnel B", "Zar", "Kaplan-Rubens", "Charles-Gigault"};
inline constexpr const char* NomsCourtsComparaison[7] = {
    "", "SEF ", "P-a ", "P-b ", "Zar ", "K-R ", "C-G "};
inline constexpr const char* NomsCourtsAncienNouveau[7] = {
    "", "SEF", "P-A", "P-B", "Zar", "K-R", "C-G"};

// Items of the value choosers of the parameter grid, in list order.
struct TListeChoix {
  int nombre;
  const char* items[9];
};

inline constexpr TListeChoix ChoixDemiPoint = {3, {" 0", " 0.5", " 1"}};
inline constexpr TListeChoix ChoixInterrupteur = {2, {" 0", " 1"}};
inline constexpr TListeChoix ChoixLongueur = {4, {" 0", " 0.5", " 1", " 2"}};
inline constexpr TListeChoix ChoixMalus = {3, {"-1", "-0.5", " 0"}};
inline constexpr TListeChoix ChoixDistribution = {5, {" 0", " 1", " 2", " 3", " 4"}};
inline constexpr TListeChoix ChoixFit = {9, {"-4", "-3", "-2", "-1", " 0", " 1", " 2", " 3", " 4"}};

// The list of each grid row 1..25; element 0 unused.
inline constexpr const TListeChoix* ChoixDesRangs[26] = {
    nullptr,
    &ChoixDemiPoint, &ChoixInterrupteur, &ChoixDemiPoint, &ChoixDemiPoint,  // 1..4
    &ChoixLongueur,                                                          // 5
    &ChoixDemiPoint, &ChoixDemiPoint, &ChoixDemiPoint,                       // 6..8
    &ChoixMalus, &ChoixMalus, &ChoixMalus,                                   // 9..11
    &ChoixDistribution, &ChoixDistribution, &ChoixDistribution,              // 12..14
    &ChoixDemiPoint, &ChoixDemiPoint,                                        // 15, 16
    &ChoixFit, &ChoixFit, &ChoixFit, &ChoixFit, &ChoixFit, &ChoixFit,        // 17..22
    &ChoixMalus, &ChoixMalus, &ChoixMalus,                                   // 23..25
};

}  // namespace korvalo
