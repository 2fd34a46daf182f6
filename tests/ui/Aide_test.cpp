// The help documents: each built PDF names every button, system and
// parameter exactly as the window of its language does; the markup of the
// sources and the tool that lays them out refuse bad input with its place.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <string>
#include <vector>

#include "Balisage.h"
#include "Textes.h"
#include "TextesFixes.h"

namespace korvalo {
namespace {

// pdftotext turns runs of spaces into one and breaks long lines: compare texts
// with every run of white space made one space.
QString Aplati(QString texte) {
  texte.replace(QChar(0x00A0), QLatin1Char(' '));
  return texte.simplified();
}

QString TexteDuPdf(const QString& chemin) {
  QProcess pdftotext;
  pdftotext.start(QStringLiteral("pdftotext"), {QStringLiteral("-enc"), QStringLiteral("UTF-8"), chemin,
                                                QStringLiteral("-")});
  if (!pdftotext.waitForFinished(-1) || pdftotext.exitStatus() != QProcess::NormalExit ||
      pdftotext.exitCode() != 0) {
    ADD_FAILURE() << "pdftotext (poppler-utils) failed on " << chemin.toStdString() << ": "
                  << pdftotext.errorString().toStdString() << pdftotext.readAllStandardError().toStdString();
    return {};
  }
  return Aplati(QString::fromUtf8(pdftotext.readAllStandardOutput()));
}

void ChoisitLangue(const char* langue) {
  Langue = langue;
  ChangeLangue();
}

struct CasLangue {
  const char* langue;
  const char* document;
};

class DocumentAide : public ::testing::TestWithParam<CasLangue> {};

TEST_P(DocumentAide, NommeChaqueBoutonSystemeEtParametreCommeLaFenetre) {
  const QString chemin = QStringLiteral(KORVALO_BINARY_DIR "/Help/") + GetParam().document;
  ASSERT_TRUE(QFile::exists(chemin)) << chemin.toStdString();
  const QString texte = TexteDuPdf(chemin);
  ASSERT_FALSE(texte.isEmpty());
  ChoisitLangue(GetParam().langue);

  std::vector<std::pair<std::string, std::string>> attendus;
  for (int n = 51; n <= 58; ++n) attendus.emplace_back("button " + std::to_string(n), Textes[n]);
  for (int s = 1; s <= 6; ++s) attendus.emplace_back("system " + std::to_string(s), NomsSystemesAffichage[s]);
  for (int k = 1; k <= 25; ++k) attendus.emplace_back("parameter " + std::to_string(k), Textes[k]);
  attendus.emplace_back("Return", Textes[TexteRetour]);
  attendus.emplace_back("Milton Work scale", Textes[EchelleMilton]);
  attendus.emplace_back("Zar Petkov scale", Textes[EchellePetkov]);
  attendus.emplace_back("title", Titre);
  for (const auto& [quoi, libelle] : attendus) {
    const QString cherche = Aplati(QString::fromStdString(libelle));
    ASSERT_FALSE(cherche.isEmpty()) << quoi << ": the text table is empty";
    EXPECT_TRUE(texte.contains(cherche)) << quoi << " \"" << cherche.toStdString() << "\" is not in "
                                         << GetParam().document;
  }
}

INSTANTIATE_TEST_SUITE_P(DeuxLangues, DocumentAide,
                         ::testing::Values(CasLangue{"francais", "Aide_KV_Fr.pdf"},
                                           CasLangue{"anglais", "Aide_KV_An.pdf"}),
                         [](const auto& info) { return std::string(info.param.langue); });

TEST(Balisage, LesChampsPrennentLesTextesDeLaLangueCourante) {
  ChoisitLangue("anglais");
  EXPECT_EQ(HtmlEnLigne("Click {texte:58}.", "f:1"), "Click Quit.");
  ChoisitLangue("francais");
  EXPECT_EQ(HtmlEnLigne("Cliquez {texte:58}.", "f:1"), "Cliquez Quitter.");
  EXPECT_EQ(HtmlEnLigne("{systeme:1} et {systeme:6}", "f:1"), "SEF et Charles-Gigault");
  // Inner runs of spaces and CR line breaks of the tables survive the layout.
  EXPECT_EQ(HtmlEnLigne("{texte:11}", "f:1"), "Malus 3 perdantes immédiates");
  ChoisitLangue("anglais");
  EXPECT_EQ(HtmlEnLigne("{texte:11}", "f:1"), "Malus 3 &nbsp;immediate losers");
  EXPECT_NE(HtmlEnLigne("{texte:60}", "f:1").find(".<br/> These changes"), std::string::npos);
}

TEST(Balisage, EchappeLeTexteEtTraduitLesMarques) {
  ChoisitLangue("francais");
  EXPECT_EQ(HtmlEnLigne("a < b & **gras** *penché* `fixe` \\*étoile\\* \\{x}", "f:1"),
            "a &lt; b &amp; <b>gras</b> <i>penché</i> <tt>fixe</tt> *étoile* {x}");
  const std::string html = VersHtml("# Titre\n\nun\ndeux\n\n- a\n- b\n\n| x | y |\n|---|---|\n| 1 | 2 |\n", "f");
  EXPECT_NE(html.find("<h1>Titre</h1>"), std::string::npos);
  EXPECT_NE(html.find("<p>un\ndeux</p>"), std::string::npos);
  EXPECT_NE(html.find("<ul>\n<li>a</li>\n<li>b</li>\n</ul>"), std::string::npos);
  EXPECT_NE(html.find("<tr><th>x</th><th>y</th></tr>\n<tr><td>1</td><td>2</td></tr>"), std::string::npos);
  EXPECT_EQ(html.find("---"), std::string::npos);
}

TEST(Balisage, UneErreurDitLeFichierEtLaLigne) {
  ChoisitLangue("francais");
  struct Cas {
    const char* source;
    const char* message;
  };
  const Cas cas[] = {
      {"ok\n\nvoir {bouton:51}\n", "aide.md:3: unknown field {bouton:51}"},
      {"{texte:95}\n", "aide.md:1: no text entry 95"},
      {"{texte:43}\n", "aide.md:1: text entry 43 is empty"},
      {"{systeme:7}\n", "aide.md:1: no system 7"},
      {"{texte:5\n", "aide.md:1: field without its closing }"},
      {"**gras\n", "aide.md:1: ** not closed"},
      {"| a | b |\n| 1 |\n", "aide.md:2: 1 cells in a table of 2 columns"},
      {"#### trop\n", "aide.md:1: a heading is one to three #"},
  };
  for (const Cas& c : cas) {
    try {
      VersHtml(c.source, "aide.md");
      ADD_FAILURE() << "accepted: " << c.source;
    } catch (const ErreurBalisage& e) {
      EXPECT_EQ(std::string(e.what()).rfind(c.message, 0), 0u) << e.what();
    }
  }
}

TEST(OutilAide, UneSourceFautiveNeLaissePasDePdf) {
  QTemporaryDir dossier;
  ASSERT_TRUE(dossier.isValid());
  const QString source = dossier.filePath(QStringLiteral("Aide.md"));
  const QString pdf = dossier.filePath(QStringLiteral("Aide.pdf"));
  {
    QFile f(source);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("# Aide\n\nBouton {texte:51}.\nChamp {inconnu}.\n");
  }
  QProcess outil;
  // Fonts are looked up: their cache goes to the temporary folder, not to the real home.
  QProcessEnvironment environnement = QProcessEnvironment::systemEnvironment();
  for (const char* variable : {"HOME", "XDG_CACHE_HOME", "XDG_RUNTIME_DIR"})
    environnement.insert(QString::fromLatin1(variable), dossier.path());
  environnement.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
  outil.setProcessEnvironment(environnement);
  outil.start(QStringLiteral(KORVALO_OUTIL_AIDE), {QStringLiteral("--langue"), QStringLiteral("fr"), source, pdf});
  ASSERT_TRUE(outil.waitForFinished(-1));
  EXPECT_EQ(outil.exitCode(), 1);
  EXPECT_TRUE(QString::fromLocal8Bit(outil.readAllStandardError()).contains(source + QStringLiteral(":4: unknown field")));
  EXPECT_EQ(QDir(dossier.path()).entryList(QDir::Files), QStringList{QStringLiteral("Aide.md")});
}

}  // namespace
}  // namespace korvalo
