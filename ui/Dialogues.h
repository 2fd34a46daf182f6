#pragma once
// The three modal dialogs of the workbench (input box, information box,
// confirmation box) behind one program-wide record, so that tests answer them
// by script. The program keeps the defaults of DialoguesQt (QInputDialog,
// QMessageBox); a test assigns the members it needs and restores
// DialoguesQt() afterwards.
//
// Shared by the main window and the update check: keep it this small.
// Messages may hold CR (character 13) as a line break, as the text tables do.

#include <QString>

#include <functional>

namespace korvalo {

enum class TBoutons { OkAnnuler, OuiNon };

struct TDialogues {
  // Input box with caption, prompt and default text; gives the default text
  // back when it is cancelled.
  std::function<QString(const QString& titre, const QString& invite, const QString& defaut)> Saisie;
  // Information box with an OK button.
  std::function<void(const QString& message)> Information;
  // Confirmation box: true for OK or Yes, false for anything else. An empty
  // caption leaves the application's name.
  std::function<bool(const QString& titre, const QString& message, TBoutons boutons)> Confirmation;
};

// The dialogs in use; starts as DialoguesQt().
extern TDialogues Dialogues;

// The real dialogs, over the active window.
TDialogues DialoguesQt();

// Calls through Dialogues.
QString BoiteSaisie(const QString& titre, const QString& invite, const QString& defaut);
void BoiteInformation(const QString& message);
bool BoiteConfirmation(const QString& titre, const QString& message, TBoutons boutons);

}  // namespace korvalo
