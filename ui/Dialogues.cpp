#include "Dialogues.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>

namespace korvalo {

namespace {

// The text tables break lines with a lone CR; Qt labels break on LF.
QString LignesAffichees(QString texte) {
  texte.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  texte.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return texte;
}

QString TitreOuApplication(const QString& titre) {
  return titre.isEmpty() ? QApplication::applicationName() : titre;
}

}  // namespace

TDialogues DialoguesQt() {
  TDialogues d;
  d.Saisie = [](const QString& titre, const QString& invite, const QString& defaut) {
    bool ok = false;
    const QString texte = QInputDialog::getText(QApplication::activeWindow(), titre, LignesAffichees(invite),
                                                QLineEdit::Normal, defaut, &ok);
    return ok ? texte : defaut;
  };
  d.Information = [](const QString& message) {
    QMessageBox::information(QApplication::activeWindow(), QApplication::applicationName(), LignesAffichees(message),
                             QMessageBox::Ok);
  };
  d.Confirmation = [](const QString& titre, const QString& message, TBoutons boutons) {
    const bool ouiNon = boutons == TBoutons::OuiNon;
    const auto oui = ouiNon ? QMessageBox::Yes : QMessageBox::Ok;
    const auto non = ouiNon ? QMessageBox::No : QMessageBox::Cancel;
    return QMessageBox::question(QApplication::activeWindow(), TitreOuApplication(titre), LignesAffichees(message),
                                 oui | non, oui) == oui;
  };
  return d;
}

TDialogues Dialogues = DialoguesQt();

QString BoiteSaisie(const QString& titre, const QString& invite, const QString& defaut) {
  return Dialogues.Saisie(titre, invite, defaut);
}

void BoiteInformation(const QString& message) { Dialogues.Information(message); }

bool BoiteConfirmation(const QString& titre, const QString& message, TBoutons boutons) {
  return Dialogues.Confirmation(titre, message, boutons);
}

}  // namespace korvalo
