// korvalo-aide --langue fr|en SOURCE.md OUTPUT.pdf: lays out a help source
// (Balisage.h) as an A4 PDF with QTextDocument. The build runs it for both
// languages; the texts of the window come from the text tables of that
// language, so the guide and the program cannot disagree.

#include <QFile>
#include <QFont>
#include <QGuiApplication>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QTextDocument>

#include <cstdio>
#include <string>

#include "Balisage.h"
#include "Textes.h"

namespace {

const char* const FeuilleDeStyle = R"(
body { color: #1d2433; }
h1 { color: #14306b; font-size: 22pt; margin-bottom: 13px; }
h2 { color: #14306b; font-size: 15pt; margin-top: 29px; margin-bottom: 8px; }
h3 { color: #24488f; font-size: 12pt; margin-top: 19px; margin-bottom: 5px; }
p { margin-top: 0px; margin-bottom: 11px; }
ul, ol { margin-top: 0px; margin-bottom: 11px; }
li { margin-bottom: 4px; }
tt { font-family: "Liberation Mono"; }
table.grille { border-color: #9aa7bf; margin-top: 3px; margin-bottom: 13px; }
th { background-color: #dfe7f5; color: #14306b; text-align: left; }
table.note { background-color: #eef3fb; margin-top: 3px; margin-bottom: 13px; }
)";

int Usage() {
  std::fprintf(stderr, "usage: korvalo-aide --langue fr|en SOURCE.md OUTPUT.pdf\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  // Laying out text needs fonts but no screen.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication application(argc, argv);
  if (argc != 5 || std::string(argv[1]) != "--langue") return Usage();
  const std::string langue = argv[2];
  if (langue != "fr" && langue != "en") return Usage();
  const QString source = QString::fromLocal8Bit(argv[3]);
  const QString sortie = QString::fromLocal8Bit(argv[4]);

  korvalo::Langue = langue == "en" ? "anglais" : "francais";
  korvalo::ChangeLangue();

  QFile fichier(source);
  if (!fichier.open(QIODevice::ReadOnly)) {
    std::fprintf(stderr, "korvalo-aide: cannot read %s: %s\n", qPrintable(source), qPrintable(fichier.errorString()));
    return 1;
  }
  std::string html;
  try {
    html = korvalo::VersHtml(fichier.readAll().toStdString(), source.toStdString());
  } catch (const korvalo::ErreurBalisage& e) {
    std::fprintf(stderr, "%s\n", e.what());
    return 1;
  }

  QTextDocument document;
  QFont police(QStringLiteral("Liberation Sans"));
  police.setPointSizeF(10.5);
  document.setDefaultFont(police);
  document.setDefaultStyleSheet(QString::fromUtf8(FeuilleDeStyle));
  document.setHtml(QString::fromStdString(html));

  // Written beside the target and renamed, so a failed run leaves no PDF
  // that the build would take as up to date.
  const QString provisoire = sortie + QStringLiteral(".provisoire");
  {
    QPdfWriter pdf(provisoire);
    pdf.setCreator(QStringLiteral("Korvalo"));
    pdf.setTitle(QString::fromUtf8(langue == "en" ? "Korvalo user guide" : "Guide de Korvalo"));
    pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
    pdf.setResolution(300);
    document.print(&pdf);
  }
  QFile resultat(provisoire);
  if (!resultat.exists() || resultat.size() == 0) {
    std::fprintf(stderr, "korvalo-aide: cannot write %s\n", qPrintable(provisoire));
    resultat.remove();
    return 1;
  }
  QFile::remove(sortie);
  if (!resultat.rename(sortie)) {
    std::fprintf(stderr, "korvalo-aide: cannot rename %s to %s\n", qPrintable(provisoire), qPrintable(sortie));
    resultat.remove();
    return 1;
  }
  return 0;
}
