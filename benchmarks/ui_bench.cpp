// The window's two speeds that users feel: the start from a fresh data folder
// until the window is shown, and a 100,000-deal evaluation started from the
// window with its 101 progress repaints, up to the comparison report.
// Offscreen platform, data in a temporary folder, dialogs answered by code.
//
//   ui_bench [--benchmark_repetitions=5]

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <deque>
#include <memory>

#include "Dialogues.h"
#include "Emplacements.h"
#include "MasterUnit.h"
#include "Parametres.h"
#include "Polices.h"
#include "Simulation.h"
#include "Textes.h"
#include "Valeurs.h"
#include "VariablesGlobales.h"

namespace {

using namespace korvalo;

std::deque<QString> Reponses;

void RepondParCode() {
  Dialogues.Saisie = [](const QString&, const QString&, const QString& defaut) {
    if (Reponses.empty()) return defaut;
    QString r = Reponses.front();
    Reponses.pop_front();
    return r;
  };
  Dialogues.Information = [](const QString& m) { qFatal("unexpected message: %s", qPrintable(m)); };
  Dialogues.Confirmation = [](const QString&, const QString&, TBoutons) { return false; };
}

void RemetAZero() {
  for (auto& p : ParametresSystemes) p = TParametresSysteme{};
  for (auto& v : ValeursSystemes) v = TValeursSysteme{};
  Langue.clear();
}

// From nothing on disk to the window on screen: the data folder, the 78-line
// parameters file and the copy of the shipped reference deals are made on
// the way.
void Demarrage(benchmark::State& state) {
  for (auto _ : state) {
    state.PauseTiming();
    auto dossier = std::make_unique<QTemporaryDir>();
    qputenv("APPDATA", (dossier->path() + "/AppData").toUtf8());
    RemetAZero();
    state.ResumeTiming();
    auto fenetre = std::make_unique<TForm1>();
    fenetre->show();
    QApplication::processEvents();
    state.PauseTiming();
    if (!QFile::exists(QString::fromStdString(DossierDonnees) + "FichierReference.txt"))
      state.SkipWithError("the reference file was not installed");
    fenetre.reset();
    dossier.reset();
    state.ResumeTiming();
  }
}
BENCHMARK(Demarrage)->Unit(benchmark::kMillisecond);

// The first 100,000 lines of the shipped file, its lines repeated when it
// holds fewer (the scoring does not care whether deals repeat).
void EcritCentMilleDonnes(const QString& chemin) {
  QFile source(QString::fromStdString(TrouveFichierLivre("data/FichierReference.txt")));
  if (!source.open(QIODevice::ReadOnly)) qFatal("no shipped reference file");
  QList<QByteArray> lignes = source.readAll().split('\n');
  while (!lignes.isEmpty() && lignes.back().trimmed().isEmpty()) lignes.removeLast();
  QFile f(chemin);
  if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) qFatal("cannot write %s", qPrintable(chemin));
  for (int i = 0; i < NB_DONNES_MAX; ++i) f.write(lignes[i % lignes.size()] + '\n');
}

void EvaluationDepuisLaFenetre(benchmark::State& state) {
  QTemporaryDir dossier;
  qputenv("APPDATA", dossier.path().toUtf8());
  RemetAZero();
  QDir().mkpath(dossier.path() + "/Korvalo");
  EcritCentMilleDonnes(dossier.path() + "/Korvalo/FichierReference.txt");
  TForm1 fenetre;
  fenetre.show();
  QApplication::processEvents();
  const int systeme = static_cast<int>(state.range(0));
  for (auto _ : state) {
    Reponses = {QString::number(systeme), QString::number(NB_DONNES_MAX)};
    fenetre.SpeedButton6->click();
    state.PauseTiming();
    if (NbAffichagesProgression != 101 || NouvellesValeurs.NbDonnes != NB_DONNES_MAX)
      state.SkipWithError("the run did not complete with 101 progress repaints");
    fenetre.TableauEncheres();  // leaves without the save question
    fenetre.Retourne();
    state.ResumeTiming();
  }
  state.counters["repaints"] = NbAffichagesProgression;
}
BENCHMARK(EvaluationDepuisLaFenetre)->DenseRange(1, 6)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  QTemporaryDir maison;
  qputenv("QT_QPA_PLATFORM", "offscreen");
  qputenv("HOME", maison.path().toUtf8());
  qputenv("XDG_DATA_HOME", (maison.path() + "/share").toUtf8());
  qputenv("KORVALO_UPDATE_URL", "");
  InitialiseTables();
  QApplication application(argc, argv);
  InstalleSubstitutionsPolices();
  RepondParCode();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
