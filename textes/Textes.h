#pragma once
// The language-dependent texts of the workbench, refilled as a whole from the
// English or the French column whenever the language changes. Qt-free: the
// window, the reports and korvalo-cli read the same tables.

#include <string>

namespace korvalo {

// "anglais" selects English; anything else (empty at start) French.
extern std::string Langue;
bool LangueAnglaise();

inline constexpr int NB_TEXTES = 94;
// Entries 1..25 are the parameter labels; the others are used by name below.
extern std::string Textes[NB_TEXTES + 1];
extern std::string Titre;
extern std::string Bulles[26];
extern std::string AvisMiseAJour, FinTelechargement, FermezProgramme, LancezInstallation;

// Numbers of the named entries of Textes. 26..31, 48, 51..58, 60, 81, 82,
// 85..92 are fixed; the report and run texts take numbers left unused.
enum NumeroTexte : int {
  TitreGrille = 26,
  TitreSEF = 27,
  TitrePersonnelA = 28,
  TitrePersonnelB = 29,
  EchelleMilton = 30,
  EchellePetkov = 31,
  TitreAffichage = 32,
  InviteSystemeAffichage = 33,
  SystemeNonEvalue = 34,
  AvisComparaison = 35,
  ValeursDuSysteme = 36,
  CalculeesSur = 37,
  DonnesAleatoires = 38,
  QuatreLignesAtout = 39,
  EnTeteTroisGroupes = 40,
  TitreMoyennesPoints = 41,
  TitreMoyennesLevees = 42,
  TexteRetour = 48,
  TexteBouton51 = 51,  // 51..58: the captions of SpeedButton1..8
  AvisModification = 60,
  LibelleVariante1 = 61,  // 61..66: LibelleVariante 1..6
  TitreEvaluation = 67,
  InviteSystemeEvaluation = 68,
  ValeurIncorrecte = 69,
  ExplicationEncheres1 = 70,  // 70..74: the five explanation lines of the overbid table
  QuestionSauvegarde = 81,
  SuiteSauvegarde = 82,
  EnTeteEncheres = 85,
  TitreMineures = 86,
  EnTeteColonnesEncheres = 87,
  DePalier = 88,
  APalier = 89,
  TitreMajeures = 90,
  TitreSansAtout = 91,
  PremierRetour = 92,
};

// Fills Textes and Titre from Langue.
void FaitTextes();
// Fills Bulles from Langue.
void FaitBulles();
// Fills the four update-check texts from Langue.
void FaitTextesMiseAJour();
// FaitTextes, FaitBulles, FaitTextesMiseAJour (the window adds its help file).
void ChangeLangue();

}  // namespace korvalo
