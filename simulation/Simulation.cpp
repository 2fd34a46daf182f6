#include "Simulation.h"

#include <stdexcept>

namespace korvalo {

void EvalueSysteme(int systeme, int N, const std::string& cheminReference, const ProgressionEvaluation& progression) {
  const char lettre = LettreSysteme(systeme);
  if (lettre == '\0' || N < 1 || N > NB_DONNES_MAX)
    throw std::invalid_argument("EvalueSysteme: system or deal count out of range");
  LitLignesReference(cheminReference, N);
  LettreRun = lettre;
  RemetAZero(Cumuls);
  for (int d = 1; d <= N; ++d) {
    EvalueDonne(d);
    if (progression && (d == 2 || d % 1000 == 0)) progression(d, AfficheProgression(Cumuls, lettre, d, N));
  }
  // Nothing below can fail: the new values change only once the whole run went through.
  CalculeValeurs(Cumuls, N, NouvellesValeurs);
  SystemeEvalue = systeme;
}

}  // namespace korvalo
