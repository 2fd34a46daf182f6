#include "Simulation.h"

#include "Evaluation.h"

namespace korvalo {

char LettreRun = 'F';

void CompteDonne(const TDonneReference& donne, char lettre, TCumuls& cumuls, TObservationsDonne* detail) {
  const tcarreword& m = donne.Mains;
  int L[5][5];
  for (int p = 1; p <= NB_SIEGES; ++p)
    for (int i = 1; i <= NB_COULEURS; ++i) L[p][i] = Longueur[m[p][i] & TOUTES_CARTES];

  FaitCouleurLongue(m, 1);
  FaitCouleurLongue(m, 3);
  // A hand's PHL does not depend on the trump suit: each seat is valued alone once per deal.
  const bool parametrique = NumeroSysteme(lettre) <= NB_SYSTEMES_PARAMETRIQUES;
  int PHo[5] = {}, PHL[5] = {};
  PHL[1] = EvalueMain(m[1], 1, PHo[1], lettre);
  PHL[3] = EvalueMain(m[3], 3, PHo[3], lettre);
  bool fit[3][5] = {};
  bool codesEstOuest = false;
  int PS[5][5] = {};
  for (int i = 1; i <= NB_COULEURS; ++i) {
    // The first hand reckons an exact eight-card fit; the second knows its partner's real length.
    if (L[1][i] + L[3][i] >= 8) {
      fit[1][i] = true;
      PS[1][i] = EvalueMainAvecFitDepuisPHL(m[1], PHL[1], 8 - L[1][i], lettre, i);
      PS[3][i] = EvalueMainAvecFitDepuisPHL(m[3], PHL[3], L[1][i], lettre, i);
      if (PS[1][i] + PS[3][i] > POINTS_MAX) PS[1][i] = POINTS_MAX - PS[3][i];
    }
    if (L[2][i] + L[4][i] >= 8) {
      fit[2][i] = true;
      // The codes of a seat depend only on the deal: computed before the first EW evaluation, they hold for all.
      if (!codesEstOuest) {
        FaitCouleurLongue(m, 2);
        FaitCouleurLongue(m, 4);
        codesEstOuest = true;
        if (parametrique) {
          PHL[2] = EvalueMain(m[2], 2, PHo[2], lettre);
          PHL[4] = EvalueMain(m[4], 4, PHo[4], lettre);
        }
      }
      PS[2][i] = EvalueMainAvecFitDepuisPHL(m[2], PHL[2], 8 - L[2][i], lettre, i);
      PS[4][i] = EvalueMainAvecFitDepuisPHL(m[4], PHL[4], L[2][i], lettre, i);
      if (PS[2][i] + PS[4][i] > POINTS_MAX) PS[2][i] = POINTS_MAX - PS[4][i];
    }
  }

  if (detail) detail->NbFits = 0;
  for (int camp = 1; camp <= 2; ++camp) {
    const int premier = camp, second = camp + 2;
    for (int i = 1; i <= NB_COULEURS; ++i) {
      if (!fit[camp][i]) continue;
      const int classe = NiveauControles(m, i, camp);
      const int S = PS[premier][i] + PS[second][i];
      const int t = donne.Levees[camp][i];
      EnregistreObservation(cumuls, 3 + classe, S, t);
      EnregistreObservation(cumuls, 6, S, t);
      if (detail && detail->NbFits < 8)
        detail->Fits[detail->NbFits++] = {camp, i, PS[premier][i], PS[second][i], classe, S, t};
    }
  }

  const int PHo1 = PHo[1], PHo3 = PHo[3];
  int PHL1 = PHL[1], PHL3 = PHL[3];
  if (PHL1 > POINTS_MAX) PHL1 = POINTS_MAX;
  if (PHL3 > POINTS_MAX) PHL3 = POINTS_MAX;
  const int t = donne.Levees[1][5];
  // A total above 50 is recorded as 50, so that every deal still gives its two observations.
  EnregistreObservation(cumuls, 1, PHo1 + PHo3, t);
  EnregistreObservation(cumuls, 2, PHL1 + PHL3, t);
  if (detail) {
    detail->PHo1 = PHo1;
    detail->PHL1 = PHL1;
    detail->PHo3 = PHo3;
    detail->PHL3 = PHL3;
    detail->LeveesSansAtout = t;
  }
}

void AnalyseDonne(int d, TDonneReference& donne) {
  const ResultatLigne r = AnalyseLigneReference(LignesReference[static_cast<std::size_t>(d)], donne);
  if (!r) throw ErreurEvaluation(MessageLigneReference(CheminReferenceCourant, d, r));
}

void EvalueDonne(int d) {
  TDonneReference donne;
  AnalyseDonne(d, donne);
  CompteDonne(donne, LettreRun, Cumuls);
}

}  // namespace korvalo
