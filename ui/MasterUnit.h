#pragma once
// The main window Form1 (class TForm1): start-up, folders, the parameter
// grid, the buttons, the report area Memo2 with its report modes and the busy
// state, the save question, the language switch. Every handler runs to its
// end on the GUI thread; none lets an exception out (see Protege).

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSize>
#include <QWidget>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "BoutonImage.h"
#include "Disposition.h"

namespace korvalo {

class TForm1;

// Start-up state of the window's unit.
extern int LargeurEcran, HauteurEcran;
extern float RapportX, RapportY;
extern std::string Resolution;  // "XGA" or "SXGA"
extern int NbParametres;        // rows of the grid, 25
extern std::string DossierProgramme, DossierDonnees, DossierImages, FichierAide;  // each folder ends with a separator
extern const std::string Version;  // "14-02-2024"
extern bool RapportOuvert;         // the busy state: a report is open in Memo2
extern const QString PoliceTexte, PoliceFixe;
extern TDisposition Disposition;   // the layout metrics of the current screen
extern TForm1* Form1;

// When valid, FormCreate takes this instead of the primary screen's size
// (tests, screenshots).
extern QSize EcranImpose;

// Opens a document with the application associated with its type; false when
// none could. Tests replace it so that no viewer is started.
extern std::function<bool(const QString& chemin)> OuvreDocument;

// Files that existed at start but could not be read: renamed aside before the
// first save replaces them.
extern bool ParametresAMettreDeCote, ValeursAMettreDeCote;

// Number of report-area repaints made by the progress display of the last
// run (2 and every 1000th deal).
extern int NbAffichagesProgression;

class TForm1 : public QWidget {
 public:
  // Creates the design controls, then runs FormCreate to its end.
  TForm1();
  ~TForm1() override;

  // Design controls.
  TBoutonImage *SpeedButton1, *SpeedButton2, *SpeedButton3, *SpeedButton4, *SpeedButton5;
  TBoutonImage *SpeedButton6, *SpeedButton7, *SpeedButton8, *SpeedButton9, *SpeedButton10;
  TBoutonImage* BitBtn1;
  QLabel* Label1;
  QPlainTextEdit* Memo2;
  QPushButton* Button1;

  // The parameter grid (index 0 unused everywhere).
  QLabel* Entetes[5] = {};
  QListWidget* Echelles[4] = {};
  QLabel* Libelles[4][26] = {};
  QComboBox* Choix[4][26] = {};

  // SpeedButton1..10 by number.
  TBoutonImage* SpeedButton(int i) const;

  // What the Return button does in the current report mode.
  void (TForm1::*ActionRetour)() = nullptr;

  // Start-up steps.
  void FormCreate();
  void FaitAdresses();
  void ChargeDonnees();
  void FaitGlyphs();
  void CreeFicheDynamique();
  void FaitPolices();
  void FaitLangue();
  void AjustePolicesAuxTextes();
  void FaitFichierAide();

  // Parameter grid.
  void Initialise();
  void WhenCheck(QObject* sender);
  void DecocheAutres(QListWidget* liste);
  void Modifier();

  // Report area.
  void ChangeMemoValeurs(int mode);
  void Retourne();

  // Buttons.
  void AffichePresentation();
  void Enregistrer();
  void DemandeEnregistrementParametresEtValeurs();
  void Quitter();
  void SpeedButton9Click();
  void SpeedButton10Click();
  void Evaluer();
  void AfficheValeurs();
  void ComparaisonSystemes();
  void TableauEncheres();
  void Comparaison_old_new(int s);

  // The update check, once after the window is shown.
  void VerifieDate();

  // Replaces the text of Memo2 by the lines and puts the caret at the start.
  void EcritRapport(const std::vector<std::string>& lignes);

 protected:
  // The design sizes the whole window, frame included, to the screen.
  void showEvent(QShowEvent* e) override;

 private:
  // Runs a handler; an exception ends it with a message box holding its text.
  void Protege(const std::function<void()>& gestionnaire);
  void LieBoutons();
  void PlaceTitre();
  void EnregistreFichiers();
  void RelitFichiers();
  void MontreChoix(int c, int j);
  bool miseAJourEnCours_ = false;
  bool cadrePlace_ = false;
  std::unique_ptr<QStyle> styleChoix_;  // of the choosers; they let go of it in ~TForm1  // grid filled by code: its events are not the user's
};

}  // namespace korvalo
