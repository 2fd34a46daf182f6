#pragma once
// What the window tests share: a QApplication on the offscreen platform with
// HOME, APPDATA and the XDG folders in a temporary folder (never the user's
// own), no update check, a fresh data folder per test, and dialogs answered
// by script.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QStyle>
#include <QStyleOptionViewItem>
#include <QTemporaryDir>
#include <QTest>

#include <deque>
#include <ostream>
#include <memory>
#include <string>
#include <vector>

#include "Dialogues.h"
#include "MasterUnit.h"
#include "Parametres.h"
#include "Polices.h"
#include "Simulation.h"
#include "Textes.h"
#include "Valeurs.h"
#include "VariablesGlobales.h"

// Readable failures.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }
inline void PrintTo(const QRect& r, std::ostream* os) {
  *os << "(" << r.x() << ", " << r.y() << ", " << r.width() << " x " << r.height() << ")";
}

namespace korvalo::test {

// The process-wide part: set before the QApplication exists.
class EnvironnementQt : public testing::Environment {
 public:
  void SetUp() override {
    racine_ = std::make_unique<QTemporaryDir>();
    ASSERT_TRUE(racine_->isValid());
    const QString r = racine_->path();
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("HOME", (r + "/home").toUtf8());
    qputenv("XDG_CONFIG_HOME", (r + "/config").toUtf8());
    qputenv("XDG_CACHE_HOME", (r + "/cache").toUtf8());
    qputenv("XDG_DATA_HOME", (r + "/share").toUtf8());
    qputenv("XDG_RUNTIME_DIR", (r + "/run").toUtf8());
    QDir().mkpath(r + "/home");
    QDir().mkpath(r + "/run");
    QFile::setPermissions(r + "/run", QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    // Set but empty: no update check.
    qputenv("KORVALO_UPDATE_URL", "");
    static int argc = 1;
    static char nom[] = "ui_tests";
    static char* argv[] = {nom, nullptr};
    application_ = std::make_unique<QApplication>(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Korvalo"));
    InitialiseTables();
    InstalleSubstitutionsPolices();
  }
  void TearDown() override {
    application_.reset();
    racine_.reset();
  }

 private:
  std::unique_ptr<QTemporaryDir> racine_;
  std::unique_ptr<QApplication> application_;
};

// The dialogs of a test: answers queued in advance, everything shown kept.
struct TScriptDialogues {
  std::deque<QString> Saisies;       // answers of the input boxes, in order
  std::deque<bool> Confirmations;    // answers of the confirmation boxes
  std::vector<QString> Invites;      // prompts of the input boxes shown
  std::vector<QString> Informations; // messages of the information boxes
  std::vector<QString> Questions;    // messages of the confirmation boxes
  std::vector<QString> TitresQuestions;

  void Installe() {
    Dialogues.Saisie = [this](const QString&, const QString& invite, const QString& defaut) {
      Invites.push_back(invite);
      if (Saisies.empty()) {
        ADD_FAILURE() << "unexpected input box: " << invite.toStdString();
        return defaut;
      }
      QString r = Saisies.front();
      Saisies.pop_front();
      return r;
    };
    Dialogues.Information = [this](const QString& message) { Informations.push_back(message); };
    Dialogues.Confirmation = [this](const QString& titre, const QString& message, TBoutons) {
      Questions.push_back(message);
      TitresQuestions.push_back(titre);
      if (Confirmations.empty()) {
        ADD_FAILURE() << "unexpected confirmation box: " << message.toStdString();
        return false;
      }
      const bool r = Confirmations.front();
      Confirmations.pop_front();
      return r;
    };
  }
};

// One test: a data folder that does not exist yet, a window made on demand.
class FenetreTest : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dossier_.isValid());
    // A nested path: the whole of it is created at start.
    appData_ = dossier_.path() + "/AppData/Roaming";
    qputenv("APPDATA", appData_.toUtf8());
    dossierDonnees_ = appData_ + "/Korvalo/";
    RemetEtatGlobal();
    EcranImpose = QSize(1024, 768);
    documentsOuverts_.clear();
    OuvreDocument = [this](const QString& chemin) {
      documentsOuverts_.push_back(chemin);
      return true;
    };
    script_.Installe();
    repertoireInitial_ = QDir::currentPath();
  }

  void TearDown() override {
    delete Form1;
    Form1 = nullptr;
    Dialogues = DialoguesQt();
    QDir::setCurrent(repertoireInitial_);
    EXPECT_TRUE(script_.Saisies.empty()) << "input answers left unused";
    EXPECT_TRUE(script_.Confirmations.empty()) << "confirmation answers left unused";
  }

  static void RemetEtatGlobal() {
    Langue.clear();
    for (auto& p : ParametresSystemes) p = TParametresSysteme{};
    for (auto& v : ValeursSystemes) v = TValeursSysteme{};
    NouvellesValeurs = TValeursSysteme{};
    SystemeEvalue = 0;
    RapportOuvert = false;
    ParametresAMettreDeCote = false;
    ValeursAMettreDeCote = false;
    NbAffichagesProgression = 0;
  }

  // Puts the small reference file of the tests into the data folder, so the
  // first start does not copy the shipped one.
  void InstalleReference(const QString& source = QStringLiteral(KORVALO_DONNEES_TEST "/Reference400.txt")) {
    QDir().mkpath(dossierDonnees_);
    QFile::remove(dossierDonnees_ + "FichierReference.txt");
    ASSERT_TRUE(QFile::copy(source, dossierDonnees_ + "FichierReference.txt"));
  }

  void EcritFichierDonnees(const QString& nom, const QByteArray& contenu) {
    QDir().mkpath(dossierDonnees_);
    QFile f(dossierDonnees_ + nom);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(contenu);
  }

  TForm1* CreeFenetre(bool montre = true) {
    Form1 = new TForm1;
    if (montre) {
      Form1->show();
      QApplication::processEvents();
    }
    return Form1;
  }

  static void Clique(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton); }

  // A click on the check box of item i of an honour-scale list.
  static void CliqueCase(QListWidget* liste, int i) {
    QListWidgetItem* item = liste->item(i);
    QStyleOptionViewItem option;
    option.initFrom(liste);
    option.rect = liste->visualItemRect(item);
    option.features = QStyleOptionViewItem::HasCheckIndicator | QStyleOptionViewItem::HasDisplay;
    option.text = item->text();
    option.font = liste->font();
    const QRect r = liste->style()->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &option, liste);
    QTest::mouseClick(liste->viewport(), Qt::LeftButton, {}, r.center());
  }

  QStringList LignesMemo() const { return Form1->Memo2->toPlainText().split('\n'); }

  static QString Q(const std::string& s) { return QString::fromStdString(s); }

  QTemporaryDir dossier_;
  QString appData_, dossierDonnees_, repertoireInitial_;
  TScriptDialogues script_;
  std::vector<QString> documentsOuverts_;
};

inline std::vector<QString> LignesFichier(const QString& chemin) {
  QFile f(chemin);
  std::vector<QString> lignes;
  if (!f.open(QIODevice::ReadOnly)) return lignes;
  const QByteArray tout = f.readAll();
  for (const QByteArray& l : tout.split('\n')) lignes.push_back(QString::fromUtf8(l).remove('\r'));
  if (!lignes.empty() && lignes.back().isEmpty()) lignes.pop_back();
  return lignes;
}

}  // namespace korvalo::test
