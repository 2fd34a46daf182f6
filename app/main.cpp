// Korvalo: the workbench's window. No arguments; French at every start.

#include <QApplication>

#include "MasterUnit.h"
#include "Polices.h"
#include "VariablesGlobales.h"

int main(int argc, char** argv) {
  korvalo::InitialiseTables();
  // Qt 6 scales to the screen's pixel density on its own; the layout works in
  // logical pixels.
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Korvalo"));
  korvalo::InstalleSubstitutionsPolices();

  korvalo::TForm1 fenetre;
  korvalo::Form1 = &fenetre;
  fenetre.show();
  fenetre.VerifieDate();
  const int code = QApplication::exec();
  korvalo::Form1 = nullptr;
  return code;
}
