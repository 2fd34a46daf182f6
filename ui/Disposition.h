#pragma once
// Layout of the main window as a pure function of the screen size: every
// position and size is a design value for a 1024 x 768 screen times the ratio
// of the real screen to that unit. Screen sizes are Qt logical pixels, so a
// high-density screen is not scaled twice. No Qt here, so the metrics can be
// checked for any screen without a display.

#include <string>

namespace korvalo {

inline constexpr int NB_RANGS_GRILLE = 25;  // NbParametres
inline constexpr int NB_COLONNES_GRILLE = 3;

struct TRectangle {
  int Gauche = 0, Haut = 0, Largeur = 0, Hauteur = 0;
  int Droite() const { return Gauche + Largeur; }
  int Bas() const { return Haut + Hauteur; }
  bool operator==(const TRectangle&) const = default;
};

struct TDisposition {
  int LargeurEcran = 0, HauteurEcran = 0;
  float RapportX = 0, RapportY = 0;  // single precision, as every product below
  std::string Resolution;            // "XGA" or "SXGA": the set of button images

  int Marge = 0, LargeurLibelle = 0, LargeurChoix = 0, HauteurLigne = 0;
  int HauteurBouton = 0, LargeurBouton = 0, LargeurRetour = 0;

  // Grid (columns 1..3; element 0 unused).
  int GaucheTitreGrille = 0, HautTitreGrille = 0;
  int HautTitresColonnes = 0;   // also the top of the report area
  int HauteurTitreColonne = 0;  // what the toolkit gives an empty auto-sized label
  int X[NB_COLONNES_GRILLE + 1] = {};
  int HautEchelles = 0, LargeurEchelles = 0, HauteurEchelles = 0;  // L and the list size
  int T[NB_RANGS_GRILLE + 1] = {};  // row tops t(0..25)

  // Buttons (SpeedButton1..10 at index 1..10; element 0 unused).
  int X0 = 0;  // left of the button column
  TRectangle Boutons[11];
  TRectangle BoutonTitre;      // BitBtn1
  TRectangle RetourInitial;    // Button1 before any report
  int HauteurTitreBouton = 30; // font height of BitBtn1, in pixels
};

// "XGA" when RapportY < 1.3, otherwise "SXGA" (from a screen height of 999).
std::string ResolutionPour(float rapportY);

// All metrics for a screen of the given size; hauteurTitreColonne is the
// height the toolkit gives the still empty column headings.
TDisposition CalculeDisposition(int largeurEcran, int hauteurEcran, int hauteurTitreColonne);

// The place of the report area in report mode 1..4 (mode 0 only moves its
// top: the returned rectangle then keeps the given current bounds with the
// top replaced). largeurFenetre is the width of the window's inside; modes 1
// and 2 (1050 and 1500 pixels wide) are narrowed to end inside it.
TRectangle RectangleMemo(const TDisposition& d, int mode, int largeurFenetre, const TRectangle& actuel = {});

// The Return button inside the bottom right corner of the report area.
TRectangle RectangleRetour(const TDisposition& d, const TRectangle& memo);

// A font size of the design scaled to the screen: round(taille x RapportY).
int TaillePolice(const TDisposition& d, int taille);

// Title line Label1: left edge of grid column 1, a third of the title
// plate's height below its top.
int GaucheTitre(const TDisposition& d);
int HautTitre(const TDisposition& d);

}  // namespace korvalo
