// Screenshots of the window for the README: idle, a report after an
// evaluation, and the parameter editor with a chooser open. Run it under a
// virtual X server (`ninja captures` does: xvfb-run at 1920 x 1080); it works
// in a temporary data folder and answers the dialogs itself.
//
//   korvalo-captures DOSSIER_SORTIE

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QScreen>
#include <QTemporaryDir>
#include <QThread>

#include <cstdio>
#include <deque>

#include "Dialogues.h"
#include "Emplacements.h"
#include "MasterUnit.h"
#include "Polices.h"
#include "Simulation.h"
#include "VariablesGlobales.h"

namespace {

void Attend(int ms) {
  for (int i = 0; i < ms / 10; ++i) {
    QApplication::processEvents();
    QThread::msleep(10);
  }
}

bool Capture(const QString& chemin) {
  Attend(300);
  const QPixmap ecran = QGuiApplication::primaryScreen()->grabWindow(0);
  const bool ok = ecran.save(chemin, "PNG");
  std::printf("%s %s (%dx%d)\n", ok ? "wrote" : "could not write", qPrintable(chemin), ecran.width(), ecran.height());
  return ok;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: korvalo-captures OUTPUT_FOLDER\n");
    return 2;
  }
  QTemporaryDir donnees;
  if (!donnees.isValid()) return 1;
  // Never the user's own data folder.
  qputenv("APPDATA", donnees.path().toUtf8());
  qputenv("KORVALO_UPDATE_URL", "");
  korvalo::InitialiseTables();
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Korvalo"));
  korvalo::InstalleSubstitutionsPolices();
  const QString sortie = QString::fromLocal8Bit(argv[1]);
  QDir().mkpath(sortie);

  std::deque<QString> reponses;
  korvalo::Dialogues.Saisie = [&reponses](const QString&, const QString&, const QString& defaut) {
    if (reponses.empty()) return defaut;
    QString r = reponses.front();
    reponses.pop_front();
    return r;
  };
  korvalo::Dialogues.Information = [](const QString& m) { std::printf("message: %s\n", qPrintable(m)); };
  korvalo::Dialogues.Confirmation = [](const QString&, const QString&, korvalo::TBoutons) { return true; };

  korvalo::TForm1 fenetre;
  korvalo::Form1 = &fenetre;
  fenetre.show();
  bool ok = Capture(sortie + "/repos.png");

  // A run of SEF on the deals at hand, then the comparison it ends with.
  QFile reference(QString::fromStdString(korvalo::DossierDonnees + korvalo::NOM_FICHIER_REFERENCE));
  int lignes = 0;
  if (reference.open(QIODevice::ReadOnly))
    while (!reference.readLine().isEmpty() && lignes < korvalo::NB_DONNES_MAX) ++lignes;
  reponses = {"1", QString::number(lignes)};
  fenetre.SpeedButton6->click();
  ok = Capture(sortie + "/rapport.png") && ok;
  fenetre.Button1->click();

  // The editor: a few choices made, Personnel A on the Zar Petkov scale, and
  // one chooser open.
  fenetre.Echelles[2]->item(1)->setCheckState(Qt::Checked);
  QComboBox* choix = fenetre.Choix[2][20];
  choix->setCurrentIndex(7);
  emit choix->activated(7);
  fenetre.Choix[3][13]->setCurrentIndex(3);
  emit fenetre.Choix[3][13]->activated(3);
  choix->showPopup();
  ok = Capture(sortie + "/editeur.png") && ok;
  choix->hidePopup();
  korvalo::Form1 = nullptr;
  return ok ? 0 : 1;
}
