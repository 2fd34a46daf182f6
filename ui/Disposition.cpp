#include "Disposition.h"

#include <algorithm>

#include "Evaluation.h"

namespace korvalo {

namespace {

// round(design x ratio): the product is taken in single precision, as the
// ratios are, and an exact half goes to the even neighbour (180 x 1.875 =
// 337.5 gives 338).
int Echelle(float rapport, int valeur) {
  const float produit = rapport * static_cast<float>(valeur);
  return ArrondiPair(produit);
}

// Extra gap above row j: the bands of maluses and the fit values stand apart.
int Ecart(const TDisposition& d, int j) {
  if (j == 9 || j == 23) return Echelle(d.RapportY, 3);
  if (j == 12) return Echelle(d.RapportY, 10);
  return 0;
}

}  // namespace

std::string ResolutionPour(float rapportY) { return rapportY < 1.3f ? "XGA" : "SXGA"; }

TDisposition CalculeDisposition(int largeurEcran, int hauteurEcran, int hauteurTitreColonne) {
  TDisposition d;
  d.LargeurEcran = largeurEcran;
  d.HauteurEcran = hauteurEcran;
  d.RapportX = static_cast<float>(largeurEcran) / 1024.0f;
  d.RapportY = static_cast<float>(hauteurEcran) / 768.0f;
  d.Resolution = ResolutionPour(d.RapportY);

  d.Marge = Echelle(d.RapportX, 10);
  d.LargeurLibelle = Echelle(d.RapportX, 180);
  d.LargeurChoix = Echelle(d.RapportX, 40);
  d.HauteurLigne = Echelle(d.RapportY, 19);
  d.HauteurBouton = 3 * d.HauteurLigne;
  d.LargeurBouton = Echelle(d.RapportX, 1023 - 2 * d.Marge) / 4;
  d.LargeurRetour = Echelle(d.RapportX, 200) / 3;

  // round(RapportY + 20) is a sum, not a product.
  const int hautTitre = ArrondiPair(d.RapportY + 20.0f);
  d.GaucheTitreGrille = d.Marge + 10;
  d.HautTitreGrille = hautTitre;
  d.HautTitresColonnes = 3 * hautTitre;
  d.HauteurTitreColonne = hauteurTitreColonne;
  for (int c = 1; c <= NB_COLONNES_GRILLE; ++c)
    d.X[c] = d.Marge + 10 + (c - 1) * (d.LargeurLibelle + d.LargeurChoix + d.Marge);

  d.HautEchelles = d.HautTitresColonnes + hauteurTitreColonne + Echelle(d.RapportY, 10);
  d.LargeurEchelles = d.LargeurLibelle + d.LargeurChoix;
  d.HauteurEchelles = Echelle(d.RapportY, 35);

  d.T[0] = d.HautEchelles + 50;
  for (int j = 1; j <= NB_RANGS_GRILLE; ++j) d.T[j] = d.T[j - 1] + d.HauteurLigne + 2 + Ecart(d, j);

  d.X0 = d.X[3] + d.LargeurLibelle + 2 * d.LargeurChoix;
  int haut = d.HautEchelles;
  for (int i = 1; i <= 8; ++i) {
    d.Boutons[i] = {d.X0, haut, d.LargeurBouton, d.HauteurBouton};
    haut += d.HauteurBouton + 2;
  }
  const int largeurDrapeau = d.Boutons[8].Largeur / 3;
  const int hautDrapeaux = d.Boutons[8].Haut + d.HauteurBouton + Echelle(d.RapportY, 16);
  d.Boutons[9] = {d.X0 + largeurDrapeau / 3, hautDrapeaux, largeurDrapeau, d.HauteurBouton};
  d.Boutons[10] = {d.X0 + (5 * largeurDrapeau) / 3, hautDrapeaux, largeurDrapeau, d.HauteurBouton};

  d.BoutonTitre = {d.X0, d.T[NB_RANGS_GRILLE] + d.HauteurLigne + 4, d.LargeurBouton, d.HauteurBouton};
  d.RetourInitial = {0, 0, d.LargeurLibelle / 3, Echelle(d.RapportY, 25)};
  return d;
}

TRectangle RectangleMemo(const TDisposition& d, int mode, int largeurFenetre, const TRectangle& actuel) {
  TRectangle r = actuel;
  r.Haut = d.HautTitresColonnes;
  if (mode < 1 || mode > 4) return r;
  const int droiteBouton4 = d.Boutons[4].Droite();
  const int margeDroite = Echelle(d.RapportX, 8);
  switch (mode) {
    case 1:
    case 2: {
      // The wide reports end at the right edge of the button column, but
      // never past the window: a report wider than the window would hide its
      // last columns, its scroll bar and its Return button out of reach.
      const int largeur = mode == 1 ? 1050 : 1500;
      r.Gauche = std::max(6, droiteBouton4 - largeur);
      r.Largeur = std::min(largeur, largeurFenetre - r.Gauche - margeDroite);
      break;
    }
    default:  // 3 and 4 leave grid columns 1 and 2 visible
      r.Gauche = d.X[2] + d.LargeurLibelle + d.LargeurChoix + Echelle(d.RapportX, 2);
      r.Largeur = largeurFenetre - r.Gauche - margeDroite;
      break;
  }
  r.Hauteur = d.T[NB_RANGS_GRILLE] + d.HauteurLigne - r.Haut;
  return r;
}

TRectangle RectangleRetour(const TDisposition& d, const TRectangle& memo) {
  TRectangle r;
  r.Hauteur = 2 * d.Marge;
  r.Largeur = d.LargeurRetour;
  r.Haut = memo.Bas() - 2 * d.Marge - r.Hauteur;
  r.Gauche = memo.Droite() - (d.LargeurRetour + 2 * d.Marge);
  return r;
}

int TaillePolice(const TDisposition& d, int taille) { return Echelle(d.RapportY, taille); }

int GaucheTitre(const TDisposition& d) { return d.X[1]; }

int HautTitre(const TDisposition& d) { return d.BoutonTitre.Haut + d.BoutonTitre.Hauteur / 3; }

}  // namespace korvalo
