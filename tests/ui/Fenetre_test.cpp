// The main window driven as a user would: buttons clicked, dialogs answered
// by script, a real data folder in a temporary directory.

#include <QFontInfo>
#include <QFontMetrics>
#include <QLineEdit>
#include <QTimer>

#include <cstring>
#include <filesystem>

#include "Disposition.h"
#include "Emplacements.h"
#include "Encheres.h"
#include "FichierTexte.h"
#include "Grille.h"
#include "Rapports.h"
#include "SupportFenetre.h"
#include "TextesFixes.h"

namespace korvalo::test {
namespace {

const auto* const environnement = testing::AddGlobalTestEnvironment(new EnvironnementQt);

QStringList Lignes(const std::vector<std::string>& lignes) {
  QStringList r;
  for (const auto& l : lignes) r << QString::fromStdString(l);
  return r;
}

QRect Rect(const TRectangle& r) { return {r.Gauche, r.Haut, r.Largeur, r.Hauteur}; }

bool MemesValeurs(const TValeursSysteme& a, const TValeursSysteme& b) {
  return std::memcmp(&a, &b, sizeof a) == 0;
}

// Moves the chooser to item `indice` with the arrow keys, as a user would:
// every step is a selection.
void ChoisitItem(QComboBox* choix, int indice) {
  while (choix->currentIndex() < indice) QTest::keyClick(choix->lineEdit(), Qt::Key_Down);
  while (choix->currentIndex() > indice) QTest::keyClick(choix->lineEdit(), Qt::Key_Up);
}

// Writes a reference file of n deals, copies of the fixture's 400 lines.
QByteArray DonnesRepetees(int n) {
  QFile f(KORVALO_DONNEES_TEST "/Reference400.txt");
  EXPECT_TRUE(f.open(QIODevice::ReadOnly));
  const QList<QByteArray> lignes = f.readAll().split('\n');
  QByteArray r;
  for (int i = 0; i < n; ++i) r += lignes[i % 400] + '\n';
  return r;
}

// Keeps the text of the report area at each of its repaints.
struct TEspionPeinture : QObject {
  QPlainTextEdit* memo;
  QStringList titres;  // second line of the text at each paint
  explicit TEspionPeinture(QPlainTextEdit* m) : memo(m) { memo->viewport()->installEventFilter(this); }
  bool eventFilter(QObject*, QEvent* e) override {
    if (e->type() == QEvent::Paint) titres << memo->toPlainText().section('\n', 1, 1);
    return false;
  }
};

// ------------------------------------------------------------ start-up

TEST_F(FenetreTest, PremierDemarrageCreeLeDossierLesParametresEtLaReference) {
  ASSERT_FALSE(QDir(appData_).exists());
  CreeFenetre();
  EXPECT_TRUE(script_.Informations.empty()) << script_.Informations.front().toStdString();
  EXPECT_TRUE(QDir(dossierDonnees_).exists());
  EXPECT_EQ(DossierDonnees, dossierDonnees_.toStdString());

  const auto parametres = LignesFichier(dossierDonnees_ + "ParametresDesComptesDePoints.txt");
  ASSERT_EQ(parametres.size(), 78u);
  const char* bloc[26] = {"M", "1", "0.5", "0", "1", "1", "0", "1", "1", "-1", "0", "0", "3",
                          "2", "1", "1",   "1", "-4", "-2", "0", "2", "3", "4", "-0.5", "0", "0"};
  for (int l = 0; l < 78; ++l) {
    QString attendu = bloc[l % 26];
    if (SeparateurDecimalUtilisateur() == ',') attendu.replace('.', ',');
    EXPECT_EQ(parametres[l], attendu) << "line " << l + 1;
  }
  // The shipped reference deals are copied for the first evaluation.
  const std::string livre = TrouveFichierLivre("data/FichierReference.txt");
  ASSERT_FALSE(livre.empty());
  EXPECT_EQ(QFileInfo(dossierDonnees_ + "FichierReference.txt").size(), QFileInfo(Q(livre)).size());
  EXPECT_FALSE(QFile::exists(dossierDonnees_ + "ValeursDesComptesDePoints.txt"));
  for (int s = 1; s <= 6; ++s) EXPECT_EQ(ValeursSystemes[s].NbDonnes, 0);
}

TEST_F(FenetreTest, LaFenetreEstFrancaiseEtAuRepos) {
  InstalleReference();
  TForm1* f = CreeFenetre();
  EXPECT_EQ(f->windowTitle(), "Choix et évaluation des paramètres de calcul des points");
  EXPECT_EQ(f->frameGeometry(), QRect(0, 0, 1024, 768));
  EXPECT_EQ(f->palette().color(QPalette::Window), QColor(Qt::white));
  EXPECT_EQ(f->SpeedButton8->text(), " Quitter");
  EXPECT_EQ(f->SpeedButton1->text(), " Présentation");
  EXPECT_EQ(f->Label1->text(), "L'EVALUATION  DES  COMPTES  DE  POINTS  AU  BRIDGE");
  EXPECT_EQ(f->Entetes[1]->text(), " Choix des paramètres de calcul des points");
  EXPECT_EQ(f->Libelles[2][11]->text(), " Malus 3 perdantes immédiates");
  EXPECT_EQ(f->Libelles[2][11]->toolTip(), Q(Bulles[11]));
  EXPECT_EQ(f->BitBtn1->text(), "Korvalo");
  EXPECT_EQ(f->Button1->text(), " Retour");
  EXPECT_FALSE(RapportOuvert);
  EXPECT_FALSE(f->Memo2->isVisible());
  EXPECT_FALSE(f->Button1->isVisible());
  EXPECT_TRUE(f->Memo2->isReadOnly());
  for (int i = 1; i <= 10; ++i) {
    EXPECT_EQ(f->SpeedButton(i)->focusPolicy(), Qt::NoFocus) << i;
    EXPECT_FALSE(f->SpeedButton(i)->Image().isNull()) << i;
  }
  EXPECT_NE(f->BitBtn1->focusPolicy(), Qt::NoFocus);
  EXPECT_FALSE(f->BitBtn1->Image().isNull());
  EXPECT_EQ(f->SpeedButton1->Marge(), 6);
  EXPECT_EQ(f->BitBtn1->Marge(), 4);
  EXPECT_LT(f->SpeedButton9->Marge(), 0);  // the flags centre their image
  EXPECT_EQ(Resolution, "XGA");
  EXPECT_TRUE(Q(DossierImages).endsWith("Images/XGA/"));
}

TEST_F(FenetreTest, LesDefautsSontAffichesDansLaGrille) {
  InstalleReference();
  TForm1* f = CreeFenetre();
  const char* attendus[26] = {nullptr, " 1", " 1", " 0", " 1", " 1", " 0", " 1", " 1", "-1",
                              " 0",    " 0", " 3", " 2", " 1", " 1", " 1", "-4", "-2", " 0",
                              " 2",    " 3", " 4", "-0.5", " 0", " 0"};
  for (int c = 1; c <= 3; ++c) {
    EXPECT_EQ(f->Echelles[c]->item(0)->checkState(), Qt::Checked);
    EXPECT_EQ(f->Echelles[c]->item(1)->checkState(), Qt::Unchecked);
    EXPECT_EQ(f->Echelles[c]->item(0)->text(), " PHo compte Milton Work   4    3  2    1");
    for (int j = 1; j <= 25; ++j) {
      EXPECT_EQ(f->Choix[c][j]->currentText(), attendus[j]) << c << "," << j;
      EXPECT_EQ(f->Choix[c][j]->count(), NombreChoix(j));
    }
  }
  // Row colours: maluses on light red with black text, the rest light green
  // with navy text.
  EXPECT_EQ(f->Libelles[1][9]->palette().color(QPalette::Window), QColor(0xFF, 0x77, 0x77));
  EXPECT_EQ(f->Libelles[1][9]->palette().color(QPalette::WindowText), QColor(Qt::black));
  EXPECT_EQ(f->Libelles[1][12]->palette().color(QPalette::Window), QColor(0xC0, 0xDC, 0xC0));
  EXPECT_EQ(f->Libelles[1][12]->palette().color(QPalette::WindowText), QColor(0, 0, 0x80));
  EXPECT_EQ(f->Libelles[3][25]->palette().color(QPalette::Window), QColor(0xFF, 0x77, 0x77));
}

TEST_F(FenetreTest, UnFichierDeParametresIllisibleEstGardeEtMisDeCoteAuPremierEnregistrement) {
  InstalleReference();
  const QByteArray illisible = "M\r\n1\r\nabc\r\n";
  EcritFichierDonnees("ParametresDesComptesDePoints.txt", illisible);
  CreeFenetre();
  ASSERT_EQ(script_.Informations.size(), 1u);
  const QString message = script_.Informations[0];
  EXPECT_TRUE(message.contains("ParametresDesComptesDePoints.txt")) << message.toStdString();
  EXPECT_TRUE(message.contains("abc")) << message.toStdString();
  // The defaults, not half a file, and the file itself untouched.
  EXPECT_EQ(ParametresSystemes[1].BonusSequenceDix, 0.5f);
  EXPECT_EQ(ParametresSystemes[3].Malus4333, -0.5f);
  QFile f(dossierDonnees_ + "ParametresDesComptesDePoints.txt");
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  EXPECT_EQ(f.readAll(), illisible);
  f.close();

  script_.Confirmations = {true};
  Clique(Form1->SpeedButton3);
  ASSERT_EQ(script_.Informations.size(), 2u);
  EXPECT_TRUE(script_.Informations[1].contains(".illisible")) << script_.Informations[1].toStdString();
  QFile mis(dossierDonnees_ + "ParametresDesComptesDePoints.txt.illisible");
  ASSERT_TRUE(mis.open(QIODevice::ReadOnly));
  EXPECT_EQ(mis.readAll(), illisible);
  EXPECT_EQ(LignesFichier(dossierDonnees_ + "ParametresDesComptesDePoints.txt").size(), 78u);
  // Only the first save sets a file aside.
  script_.Confirmations = {true};
  Clique(Form1->SpeedButton3);
  EXPECT_EQ(script_.Informations.size(), 2u);
  EXPECT_FALSE(QFile::exists(dossierDonnees_ + "ParametresDesComptesDePoints.txt.illisible.2"));
}

TEST_F(FenetreTest, UnFichierDeValeursIllisibleLaisseChaqueSystemeNonEvalue) {
  InstalleReference();
  EcritFichierDonnees("ValeursDesComptesDePoints.txt", "300\r\n1,5\r\nquoi\r\n");
  CreeFenetre();
  ASSERT_EQ(script_.Informations.size(), 1u);
  EXPECT_TRUE(script_.Informations[0].contains("ValeursDesComptesDePoints.txt"));
  for (int s = 1; s <= 6; ++s) EXPECT_EQ(ValeursSystemes[s].NbDonnes, 0) << s;
  script_.Confirmations = {true};
  Clique(Form1->SpeedButton3);
  EXPECT_TRUE(QFile::exists(dossierDonnees_ + "ValeursDesComptesDePoints.txt.illisible"));
  EXPECT_EQ(LignesFichier(dossierDonnees_ + "ValeursDesComptesDePoints.txt").size(), 32226u);
}

TEST_F(FenetreTest, UneImageManquanteEstSignaleeEtLaFenetreSeConstruit) {
  InstalleReference();
  // A program folder of our own whose image set lacks all but two images.
  QTemporaryDir programme;
  QDir().mkpath(programme.path() + "/Images/XGA");
  for (const char* nom : {"Bouee.bmp", "Luke.bmp"})
    ASSERT_TRUE(QFile::copy(QString(KORVALO_SOURCE_DIR "/Images/XGA/") + nom, programme.path() + "/Images/XGA/" + nom));
  QDir::setCurrent(programme.path());
  TForm1* f = CreeFenetre();
  ASSERT_EQ(script_.Informations.size(), 1u);
  const QString message = script_.Informations[0];
  for (const char* nom : {"Ecrire.bmp", "Disquette.bmp", "Saut.bmp", "Affiche.bmp", "Newton.bmp", "Balance.bmp",
                          "Francais.bmp", "Anglais.bmp", "Joker.bmp"})
    EXPECT_TRUE(message.contains(nom)) << nom;
  EXPECT_FALSE(message.contains("Bouee.bmp"));
  EXPECT_FALSE(f->SpeedButton1->Image().isNull());
  EXPECT_TRUE(f->SpeedButton2->Image().isNull());
  // Everything after the images was still done.
  EXPECT_EQ(f->SpeedButton2->text(), " Modifier un système");
  EXPECT_EQ(f->Choix[3][25]->currentText(), " 0");
}

TEST_F(FenetreTest, UnDossierDeDonneesImpossibleACreerLaisseLesDefautsEtNEcritRienAilleurs) {
  // A file where the folder should go: not even root can make it.
  QFile bouchon(dossier_.path() + "/bouchon");
  ASSERT_TRUE(bouchon.open(QIODevice::WriteOnly));
  bouchon.close();
  qputenv("APPDATA", (dossier_.path() + "/bouchon").toUtf8());
  QTemporaryDir courant;
  QDir::setCurrent(courant.path());
  TForm1* f = CreeFenetre();
  ASSERT_EQ(script_.Informations.size(), 1u);
  EXPECT_TRUE(script_.Informations[0].contains("bouchon")) << script_.Informations[0].toStdString();
  EXPECT_EQ(ParametresSystemes[2].Fit[0], -4.0f);
  EXPECT_EQ(f->Choix[2][17]->currentText(), "-4");
  script_.Confirmations = {true};
  Clique(f->SpeedButton3);
  EXPECT_EQ(script_.Informations.size(), 2u);
  EXPECT_TRUE(QDir(courant.path()).entryList(QDir::Files).isEmpty());
}

// ------------------------------------------------------------ layout and fonts

struct TEcran {
  int largeur, hauteur;
};

class DispositionFenetre : public FenetreTest, public testing::WithParamInterface<TEcran> {};

TEST_P(DispositionFenetre, LesControlesSontALeurPlaceEtALeurPolice) {
  EcranImpose = QSize(GetParam().largeur, GetParam().hauteur);
  InstalleReference();
  TForm1* f = CreeFenetre();
  const TDisposition& d = Disposition;
  EXPECT_EQ(d.LargeurEcran, GetParam().largeur);
  EXPECT_EQ(f->frameGeometry(), QRect(0, 0, GetParam().largeur, GetParam().hauteur));
  for (int c = 1; c <= 3; ++c) {
    EXPECT_EQ(f->Entetes[c + 1]->pos(), QPoint(d.X[c], d.HautTitresColonnes));
    EXPECT_EQ(f->Echelles[c]->geometry(), QRect(d.X[c], d.HautEchelles, d.LargeurEchelles, d.HauteurEchelles));
    for (int j = 1; j <= 25; ++j) {
      EXPECT_EQ(f->Libelles[c][j]->geometry(), QRect(d.X[c], d.T[j], d.LargeurLibelle, d.HauteurLigne));
      EXPECT_EQ(f->Choix[c][j]->geometry(), QRect(d.X[c] + d.LargeurLibelle, d.T[j], d.LargeurChoix, d.HauteurLigne));
    }
  }
  EXPECT_EQ(f->Entetes[1]->pos(), QPoint(d.Marge + 10, d.HautTitreGrille));
  for (int i = 1; i <= 10; ++i) EXPECT_EQ(f->SpeedButton(i)->geometry(), Rect(d.Boutons[i])) << i;
  EXPECT_EQ(f->BitBtn1->geometry(), Rect(d.BoutonTitre));
  EXPECT_EQ(f->Label1->pos(), QPoint(d.X[1], d.BoutonTitre.Haut + d.BoutonTitre.Hauteur / 3));
  // The column headings were measured empty.
  EXPECT_GT(d.HauteurTitreColonne, 0);

  // The fonts actually on the widgets: the family the design names (or its
  // stand-in) with the cell of the design's size.
  const auto verifie = [&d](QWidget* w, int taille, const QString& famille, const char* quoi) {
    const int cellule = HauteurCellule(TaillePolice(d, taille));
    const int hauteur = QFontMetrics(w->font()).height();
    EXPECT_LE(hauteur, cellule) << quoi;
    EXPECT_GE(hauteur, cellule - 2) << quoi;
    EXPECT_EQ(QFontInfo(w->font()).family(), famille) << quoi;
  };
  const QString sans = QFontInfo(QFont(NomTahoma)).family();
  verifie(f->Entetes[1], -18, sans, "grid title");
  verifie(f->Entetes[2], -14, sans, "column title");
  verifie(f->Libelles[3][17], -11, sans, "label");
  // A caption too wide for its place is set a little smaller, never cut.
  const int cellule = HauteurCellule(TaillePolice(d, -11));
  for (const bool anglais : {false, true}) {
    anglais ? f->SpeedButton10Click() : f->SpeedButton9Click();
    for (int c = 1; c <= 3; ++c) {
      QListWidget* liste = f->Echelles[c];
      const QFontMetrics echelle(liste->font());
      EXPECT_EQ(QFontInfo(liste->font()).family(), sans);
      EXPECT_LE(echelle.height(), cellule);
      EXPECT_GE(echelle.height(), cellule * 7 / 10 - 1);
      for (int i = 0; i < liste->count(); ++i)
        EXPECT_LT(echelle.horizontalAdvance(liste->item(i)->text()), liste->width() - 20)
            << liste->item(i)->text().toStdString();
      for (int j = 1; j <= 25; ++j) {
        const QLabel* l = f->Libelles[c][j];
        EXPECT_LE(QFontMetrics(l->font()).horizontalAdvance(l->text()), l->width()) << l->text().toStdString();
        EXPECT_LE(QFontMetrics(l->font()).height(), cellule);
      }
    }
  }
  f->SpeedButton9Click();
  verifie(f->Choix[1][4], -11, sans, "chooser");
  verifie(f->SpeedButton5, -15, sans, "button");
  verifie(f->Button1, -14, sans, "Return");
  EXPECT_TRUE(f->Button1->font().bold());
  verifie(f->Label1, -24, QFontInfo(QFont(NomTimes)).family(), "title line");
  EXPECT_TRUE(f->Label1->font().bold());
  EXPECT_EQ(QFontMetrics(f->BitBtn1->font()).height() <= 30, true);
  EXPECT_GE(QFontMetrics(f->BitBtn1->font()).height(), 28);
  EXPECT_TRUE(f->BitBtn1->font().bold() && f->BitBtn1->font().italic());

  // The widest item fits its chooser's field on every screen.
  for (int j : {9, 17, 23}) {
    QComboBox* c = f->Choix[2][j];
    const int texte = QFontMetrics(c->font()).horizontalAdvance(c->itemText(0) == "-4" ? "-4" : "-0.5");
    EXPECT_GE(c->lineEdit()->width(), texte) << "row " << j;
  }

  // The reports need a monospace font.
  f->ChangeMemoValeurs(1);
  verifie(f->Memo2, -11, QFontInfo(QFont(NomCourier)).family(), "report");
  EXPECT_TRUE(QFontInfo(f->Memo2->font()).fixedPitch());
}

INSTANTIATE_TEST_SUITE_P(Ecrans, DispositionFenetre, testing::Values(TEcran{1024, 768}, TEcran{1920, 1080}),
                         [](const auto& info) {
                           return std::to_string(info.param.largeur) + "x" + std::to_string(info.param.hauteur);
                         });

// ------------------------------------------------------------ report modes

TEST_F(FenetreTest, ChaqueModeDuRapportASaPlaceEtSonRetour) {
  InstalleReference();
  TForm1* f = CreeFenetre();
  const struct {
    int mode;
    bool question;
  } modes[] = {{1, false}, {2, false}, {3, true}, {4, false}};
  for (const auto& m : modes) {
    SCOPED_TRACE(m.mode);
    f->ChangeMemoValeurs(m.mode);
    const TRectangle memo = RectangleMemo(Disposition, m.mode, f->width());
    EXPECT_EQ(f->Memo2->geometry(), Rect(memo));
    EXPECT_EQ(f->Button1->geometry(), Rect(RectangleRetour(Disposition, memo)));
    EXPECT_TRUE(f->Memo2->isVisible());
    EXPECT_TRUE(f->Button1->isVisible());
    EXPECT_TRUE(RapportOuvert);
    // Return sits over the report, the report over the grid and buttons.
    EXPECT_EQ(f->childAt(f->Button1->geometry().center()), f->Button1);
    if (m.mode >= 3) {
      const QWidget* dessus = f->childAt(f->Choix[3][10]->geometry().center());
      EXPECT_TRUE(dessus == f->Memo2 || f->Memo2->isAncestorOf(dessus));
      // Columns 1 and 2 stay visible.
      const QWidget* colonne2 = f->childAt(f->Choix[2][10]->geometry().center());
      EXPECT_TRUE(colonne2 == f->Choix[2][10] || f->Choix[2][10]->isAncestorOf(colonne2));
    }
    if (m.question) script_.Confirmations = {false};
    Clique(f->Button1);
    EXPECT_EQ(script_.Questions.size(), m.question ? 1u : 0u);
    script_.Questions.clear();
    EXPECT_FALSE(RapportOuvert);
    EXPECT_FALSE(f->Memo2->isVisible());
    EXPECT_FALSE(f->Button1->isVisible());
    EXPECT_EQ(f->Memo2->geometry(), QRect(0, Disposition.HautTitresColonnes, 0, 0));
    EXPECT_EQ(f->Button1->geometry(), QRect(0, 0, 0, 0));
  }
}

TEST_F(FenetreTest, UnRapportOuvertRefuseLesAutresSaufLeTableauDesEncheres) {
  InstalleReference();
  TForm1* f = CreeFenetre();
  Clique(f->SpeedButton7);  // comparison of the systems
  ASSERT_TRUE(RapportOuvert);
  const QString ouvert = f->Memo2->toPlainText();
  EXPECT_EQ(f->Memo2->toPlainText().split('\n'), Lignes(ComparaisonSystemes()));

  for (TBoutonImage* bouton : {f->SpeedButton5, f->SpeedButton6, f->SpeedButton7}) {
    SCOPED_TRACE(bouton->objectName().toStdString());
    script_.Informations.clear();
    Clique(bouton);  // no input box may be asked: the script has no answer
    ASSERT_EQ(script_.Informations.size(), 1u);
    EXPECT_EQ(script_.Informations[0], "  Quittez d'abord votre précédente requête SVP (Retour)");
    EXPECT_EQ(f->Memo2->toPlainText(), ouvert);
    EXPECT_TRUE(RapportOuvert);
  }
  EXPECT_TRUE(script_.Invites.empty());

  script_.Informations.clear();
  Clique(f->SpeedButton4);
  EXPECT_TRUE(script_.Informations.empty());
  EXPECT_EQ(f->Memo2->toPlainText().split('\n'), Lignes(TableauEncheres()));
  EXPECT_EQ(f->Memo2->geometry(), Rect(RectangleMemo(Disposition, 1, f->width())));
  EXPECT_EQ(f->Memo2->textCursor().position(), 0);
}

TEST_F(FenetreTest, ValeursDUnSystemeNonEvalueOuHorsBornes) {
  InstalleReference();
  TForm1* f = CreeFenetre();
  const struct {
    const char* reponse;
    const char* message;
  } cas[] = {
      {"4", " Vous n'avez pas encore évalué ce système, vous n'avez aucune valeur pour lui"},
      {"7", " Valeur incorrecte"},
      {"0", " Valeur incorrecte"},  // also a cancelled box
      {"deux", " Valeur incorrecte"},
  };
  for (const auto& c : cas) {
    script_.Informations.clear();
    script_.Saisies = {c.reponse};
    Clique(f->SpeedButton5);
    ASSERT_EQ(script_.Informations.size(), 1u) << c.reponse;
    EXPECT_EQ(script_.Informations[0], QString::fromUtf8(c.message)) << c.reponse;
    EXPECT_FALSE(RapportOuvert);
  }
}

// ------------------------------------------------------------ evaluation

TEST_F(FenetreTest, EvaluationDeQuelquesCentainesDeDonnesPuisOui) {
  InstalleReference();
  TForm1* f = CreeFenetre();
  script_.Saisies = {"2", "300"};
  Clique(f->SpeedButton6);
  ASSERT_TRUE(script_.Informations.empty()) << script_.Informations.front().toStdString();
  ASSERT_EQ(script_.Invites.size(), 2u);
  EXPECT_EQ(script_.Invites[1], "Entrez un nombre (max 100 000)");
  EXPECT_EQ(SystemeEvalue, 2);
  EXPECT_EQ(NouvellesValeurs.NbDonnes, 300);
  // The comparison of the stored and the new values, in mode 3.
  EXPECT_EQ(f->Memo2->toPlainText().split('\n'), Lignes(Comparaison_old_new(2)));
  EXPECT_EQ(f->Memo2->geometry(), Rect(RectangleMemo(Disposition, 3, f->width())));
  EXPECT_EQ(f->ActionRetour, &TForm1::DemandeEnregistrementParametresEtValeurs);
  EXPECT_EQ(f->Memo2->textCursor().position(), 0);
  // 300 deals: the progress is shown at deal 2 only.
  EXPECT_EQ(NbAffichagesProgression, 1);
  EXPECT_EQ(ValeursSystemes[2].NbDonnes, 0);

  script_.Confirmations = {true};
  Clique(f->Button1);
  ASSERT_EQ(script_.Questions.size(), 1u);
  EXPECT_EQ(script_.TitresQuestions[0], "Confirmation");
  EXPECT_EQ(script_.Questions[0], Q(Textes[QuestionSauvegarde]) + QDir::toNativeSeparators(dossierDonnees_) +
                                      Q(Textes[SuiteSauvegarde]));
  EXPECT_TRUE(MemesValeurs(ValeursSystemes[2], NouvellesValeurs));
  EXPECT_FALSE(RapportOuvert);
  EXPECT_EQ(LignesFichier(dossierDonnees_ + "ParametresDesComptesDePoints.txt").size(), 78u);
  EXPECT_EQ(LignesFichier(dossierDonnees_ + "ValeursDesComptesDePoints.txt").size(), 32226u);
  // What was written reads back as the adopted values.
  const TValeursSysteme adoptees = ValeursSystemes[2];
  ValeursSystemes[2] = TValeursSysteme{};
  LireValeursDesComptesDePoints((dossierDonnees_ + "ValeursDesComptesDePoints.txt").toStdString());
  EXPECT_TRUE(MemesValeurs(ValeursSystemes[2], adoptees));

  // Its values can now be shown.
  script_.Saisies = {"2"};
  Clique(f->SpeedButton5);
  EXPECT_TRUE(script_.Informations.empty());
  EXPECT_EQ(f->Memo2->toPlainText().split('\n'), Lignes(AfficheValeurs(2)));
  EXPECT_EQ(f->Memo2->geometry(), Rect(RectangleMemo(Disposition, 2, f->width())));
}

TEST_F(FenetreTest, NonRelitLesDeuxFichiersEtRafraichitLaGrille) {
  InstalleReference();
  TForm1* f = CreeFenetre();
  // A first run saved for SEF.
  script_.Saisies = {"1", "300"};
  Clique(f->SpeedButton6);
  script_.Confirmations = {true};
  Clique(f->Button1);
  ASSERT_EQ(ValeursSystemes[1].NbDonnes, 300);
  const TValeursSysteme enregistrees = ValeursSystemes[1];

  // Edits, a second run, and No.
  ChoisitItem(f->Choix[1][1], 0);
  ASSERT_EQ(ParametresSystemes[1].BonusTroisHonneurs, 0.0f);
  FenetreTest::CliqueCase(f->Echelles[2], 1);
  ASSERT_EQ(ParametresSystemes[2].Honneurs, 'Z');
  script_.Saisies = {"1", "200"};
  Clique(f->SpeedButton6);
  ASSERT_EQ(NouvellesValeurs.NbDonnes, 200);
  script_.Confirmations = {false};
  Clique(f->Button1);
  EXPECT_TRUE(script_.Informations.empty());
  EXPECT_FALSE(RapportOuvert);
  // The table and the grid show the files again.
  EXPECT_EQ(ParametresSystemes[1].BonusTroisHonneurs, 1.0f);
  EXPECT_EQ(ParametresSystemes[2].Honneurs, 'M');
  EXPECT_EQ(f->Choix[1][1]->currentText(), " 1");
  EXPECT_EQ(f->Echelles[2]->item(0)->checkState(), Qt::Checked);
  EXPECT_EQ(f->Echelles[2]->item(1)->checkState(), Qt::Unchecked);
  EXPECT_TRUE(MemesValeurs(ValeursSystemes[1], enregistrees));
}

TEST_F(FenetreTest, NonSansFichierDeValeursLaisseLeSystemeNonEvalueSansErreur) {
  InstalleReference();
  TForm1* f = CreeFenetre();
  script_.Saisies = {"5", "250"};
  Clique(f->SpeedButton6);
  script_.Confirmations = {false};
  Clique(f->Button1);
  EXPECT_TRUE(script_.Informations.empty());
  for (int s = 1; s <= 6; ++s) EXPECT_EQ(ValeursSystemes[s].NbDonnes, 0);
  EXPECT_FALSE(QFile::exists(dossierDonnees_ + "ValeursDesComptesDePoints.txt"));
  EXPECT_FALSE(RapportOuvert);
}

TEST_F(FenetreTest, LeTableauDesEncheresRemplaceLeRapportDApresRun) {
  InstalleReference();
  TForm1* f = CreeFenetre();
  script_.Saisies = {"3", "300"};
  Clique(f->SpeedButton6);
  ASSERT_EQ(f->ActionRetour, &TForm1::DemandeEnregistrementParametresEtValeurs);
  Clique(f->SpeedButton4);
  EXPECT_EQ(f->Memo2->toPlainText().split('\n'), Lignes(TableauEncheres()));
  EXPECT_EQ(f->ActionRetour, &TForm1::Retourne);
  Clique(f->Button1);  // no question: the script would fail on one
  EXPECT_TRUE(script_.Questions.empty());
  EXPECT_FALSE(RapportOuvert);
  EXPECT_EQ(ValeursSystemes[3].NbDonnes, 0);
}

TEST_F(FenetreTest, EntreesRefuseesDeLEvaluation) {
  InstalleReference();
  TForm1* f = CreeFenetre();
  const struct {
    std::deque<QString> reponses;
    const char* message;
  } cas[] = {
      {{"0"}, " Valeur incorrecte"},  // what a cancelled box gives
      {{"7"}, " Valeur incorrecte"},
      {{"1,5"}, " Valeur incorrecte"},
      {{"6", "0"}, "Valeur incorrecte"},
      {{"6", "100001"}, "Valeur incorrecte"},
      {{"6", "mille"}, "Valeur incorrecte"},
  };
  for (const auto& c : cas) {
    SCOPED_TRACE(c.reponses.back().toStdString());
    script_.Informations.clear();
    script_.Saisies = c.reponses;
    Clique(f->SpeedButton6);
    ASSERT_EQ(script_.Informations.size(), 1u);
    EXPECT_EQ(script_.Informations[0], QString::fromUtf8(c.message));
    EXPECT_FALSE(RapportOuvert);
    EXPECT_EQ(SystemeEvalue, 0);
  }
}

TEST_F(FenetreTest, LaProgressionEstRepeinteADeuxPuisChaqueMillieme) {
  EcritFichierDonnees("FichierReference.txt", DonnesRepetees(2500));
  TForm1* f = CreeFenetre();
  TEspionPeinture espion(f->Memo2);
  script_.Saisies = {"4", "2500"};
  Clique(f->SpeedButton6);
  ASSERT_TRUE(script_.Informations.empty()) << script_.Informations.front().toStdString();
  EXPECT_EQ(NbAffichagesProgression, 3);
  const QString titre = QString::fromUtf8(TitreProgression) + "Z  ";
  for (const char* d : {"     2", "  1000", "  2000"})
    EXPECT_TRUE(espion.titres.contains(titre + d + " /   2500")) << d << "\n" << espion.titres.join('\n').toStdString();
  EXPECT_EQ(NouvellesValeurs.NbDonnes, 2500);
}

TEST_F(FenetreTest, UnRunEchoueLaisseLesNouvellesValeursEtLeMode4) {
  InstalleReference();
  TForm1* f = CreeFenetre();
  // A run that completes, left without adopting it.
  script_.Saisies = {"1", "100"};
  Clique(f->SpeedButton6);
  Clique(f->SpeedButton4);
  Clique(f->Button1);
  const TValeursSysteme avant = NouvellesValeurs;

  // Line 5 loses a value.
  QByteArray donnes = DonnesRepetees(50);
  QList<QByteArray> lignes = donnes.split('\n');
  lignes[4] = lignes[4].mid(lignes[4].indexOf(' ') + 1);
  EcritFichierDonnees("FichierReference.txt", lignes.join('\n'));
  struct {
    std::deque<QString> reponses;
    const char* indice;
  } cas[] = {{{"2", "20"}, "5"}, {{"2", "80"}, "50"}};
  for (auto& c : cas) {
    SCOPED_TRACE(c.reponses.back().toStdString());
    script_.Informations.clear();
    script_.Saisies = c.reponses;
    Clique(f->SpeedButton6);
    ASSERT_EQ(script_.Informations.size(), 1u);
    EXPECT_TRUE(script_.Informations[0].contains("FichierReference.txt")) << script_.Informations[0].toStdString();
    EXPECT_TRUE(script_.Informations[0].contains(c.indice)) << script_.Informations[0].toStdString();
    EXPECT_TRUE(MemesValeurs(NouvellesValeurs, avant));
    EXPECT_EQ(SystemeEvalue, 1);
    // Mode 4 stays, and Return simply closes it.
    EXPECT_TRUE(RapportOuvert);
    EXPECT_EQ(f->Memo2->geometry(), Rect(RectangleMemo(Disposition, 4, f->width())));
    EXPECT_EQ(f->ActionRetour, &TForm1::Retourne);
    Clique(f->Button1);
    EXPECT_TRUE(script_.Questions.empty());
    EXPECT_FALSE(RapportOuvert);
  }
}

TEST_F(FenetreTest, UnEnregistrementEchoueLaisseLaQuestionOuverte) {
  InstalleReference();
  TForm1* f = CreeFenetre();
  script_.Saisies = {"6", "300"};
  Clique(f->SpeedButton6);
  EchecEcritureApresLignes = 10;
  script_.Confirmations = {true};
  Clique(f->Button1);
  EchecEcritureApresLignes = -1;
  ASSERT_EQ(script_.Informations.size(), 1u);
  EXPECT_TRUE(script_.Informations[0].contains("ParametresDesComptesDePoints.txt"))
      << script_.Informations[0].toStdString();
  EXPECT_TRUE(RapportOuvert);
  EXPECT_EQ(f->ActionRetour, &TForm1::DemandeEnregistrementParametresEtValeurs);
  // Answered again, it saves.
  script_.Confirmations = {true};
  Clique(f->Button1);
  EXPECT_FALSE(RapportOuvert);
  EXPECT_EQ(LignesFichier(dossierDonnees_ + "ValeursDesComptesDePoints.txt").size(), 32226u);
  EXPECT_EQ(ValeursSystemes[6].NbDonnes, 300);
}

TEST_F(FenetreTest, NonAvecUnFichierDeParametresDevenuIllisibleGardeLaMemoire) {
  InstalleReference();
  TForm1* f = CreeFenetre();
  ChoisitItem(f->Choix[2][13], 4);
  ASSERT_EQ(ParametresSystemes[2].Singleton, 4.0f);
  script_.Saisies = {"2", "100"};
  Clique(f->SpeedButton6);
  EcritFichierDonnees("ParametresDesComptesDePoints.txt", "M\r\nrien\r\n");
  script_.Confirmations = {false};
  Clique(f->Button1);
  ASSERT_EQ(script_.Informations.size(), 1u);
  EXPECT_TRUE(script_.Informations[0].contains("rien"));
  EXPECT_EQ(ParametresSystemes[2].Singleton, 4.0f);
  EXPECT_EQ(ParametresSystemes[1].Honneurs, 'M');
  EXPECT_EQ(f->Choix[2][13]->currentText(), " 4");
  EXPECT_FALSE(RapportOuvert);
}

// ------------------------------------------------------------ saving

TEST_F(FenetreTest, EnregistrerDemandeConfirmation) {
  InstalleReference();
  TForm1* f = CreeFenetre();
  const QString chemin = dossierDonnees_ + "ParametresDesComptesDePoints.txt";
  ChoisitItem(f->Choix[3][20], 8);  // Fit +1 trump: 4
  script_.Confirmations = {false};
  Clique(f->SpeedButton3);
  EXPECT_EQ(LignesFichier(chemin)[2 * 26 + 20], "2");
  EXPECT_FALSE(QFile::exists(dossierDonnees_ + "ValeursDesComptesDePoints.txt"));
  script_.Confirmations = {true};
  Clique(f->SpeedButton3);
  EXPECT_EQ(LignesFichier(chemin)[2 * 26 + 20], "4");
  EXPECT_EQ(LignesFichier(dossierDonnees_ + "ValeursDesComptesDePoints.txt").size(), 32226u);
  EXPECT_FALSE(RapportOuvert);
}

// ------------------------------------------------------------ grid

TEST_F(FenetreTest, LesChoixStockentLeurValeurDansLaBonneColonne) {
  InstalleReference();
  TForm1* f = CreeFenetre();
  const struct {
    int c, j, indice;
    float valeur;
  } cas[] = {
      {1, 2, 0, 0.0f}, {1, 2, 1, 0.5f},  // " 1" stores 0.5
      {2, 5, 3, 2.0f}, {2, 5, 1, 0.5f}, {3, 17, 0, -4.0f}, {3, 22, 5, 1.0f},
      {1, 9, 1, -0.5f}, {2, 12, 0, 0.0f}, {3, 24, 0, -1.0f},
  };
  for (const auto& c : cas) {
    SCOPED_TRACE(std::to_string(c.c) + "," + std::to_string(c.j));
    const TParametresSysteme autres[] = {ParametresSystemes[1], ParametresSystemes[2], ParametresSystemes[3]};
    ChoisitItem(f->Choix[c.c][c.j], c.indice);
    EXPECT_EQ(Emplacement(ParametresSystemes[c.c], c.j), c.valeur);
    for (int s = 1; s <= 3; ++s) {
      if (s == c.c) continue;
      EXPECT_EQ(std::memcmp(&ParametresSystemes[s], &autres[s - 1], sizeof autres[0]), 0) << "system " << s;
    }
  }
}

TEST_F(FenetreTest, LeTexteTapeNeChangeNiLesItemsNiLaTable) {
  InstalleReference();
  TForm1* f = CreeFenetre();
  QComboBox* choix = f->Choix[1][1];
  choix->setFocus();
  choix->lineEdit()->selectAll();
  QTest::keyClicks(choix->lineEdit(), " 0");
  QTest::keyClick(choix->lineEdit(), Qt::Key_Return);
  f->Choix[1][2]->setFocus();
  QApplication::processEvents();
  EXPECT_EQ(ParametresSystemes[1].BonusTroisHonneurs, 1.0f);
  EXPECT_EQ(choix->count(), 3);
  choix->setFocus();
  choix->lineEdit()->selectAll();
  QTest::keyClicks(choix->lineEdit(), "9");
  QTest::keyClick(choix->lineEdit(), Qt::Key_Enter);
  EXPECT_EQ(choix->count(), 3);
  EXPECT_EQ(ParametresSystemes[1].BonusTroisHonneurs, 1.0f);
}

TEST_F(FenetreTest, ZarPetkovCochePuisRecliqueGardeZ) {
  InstalleReference();
  TForm1* f = CreeFenetre();
  QListWidget* liste = f->Echelles[1];
  CliqueCase(liste, 1);
  EXPECT_EQ(liste->item(0)->checkState(), Qt::Unchecked);
  EXPECT_EQ(liste->item(1)->checkState(), Qt::Checked);
  EXPECT_EQ(ParametresSystemes[1].Honneurs, 'Z');
  EXPECT_EQ(ParametresSystemes[2].Honneurs, 'M');
  EXPECT_TRUE(liste->selectedItems().isEmpty());
  CliqueCase(liste, 1);
  EXPECT_EQ(liste->item(0)->checkState(), Qt::Unchecked);
  EXPECT_EQ(liste->item(1)->checkState(), Qt::Unchecked);
  EXPECT_EQ(ParametresSystemes[1].Honneurs, 'Z');
  CliqueCase(liste, 0);
  EXPECT_EQ(liste->item(0)->checkState(), Qt::Checked);
  EXPECT_EQ(ParametresSystemes[1].Honneurs, 'M');
}

TEST_F(FenetreTest, UneValeurHorsListeEstAfficheeTelleQuelle) {
  InstalleReference();
  QByteArray fichier;
  for (int s = 0; s < 3; ++s) {
    fichier += "M\r\n";
    for (int k = 1; k <= 25; ++k) fichier += (s == 0 && k == 13) ? "7\r\n" : "0\r\n";
  }
  EcritFichierDonnees("ParametresDesComptesDePoints.txt", fichier);
  TForm1* f = CreeFenetre();
  EXPECT_EQ(f->Choix[1][13]->currentIndex(), -1);
  EXPECT_EQ(f->Choix[1][13]->currentText(), "7");
  EXPECT_EQ(f->Choix[2][13]->currentText(), " 0");
}

TEST_F(FenetreTest, ModifierDonneLAvis) {
  InstalleReference();
  TForm1* f = CreeFenetre();
  Clique(f->SpeedButton2);
  ASSERT_EQ(script_.Informations.size(), 1u);
  EXPECT_EQ(script_.Informations[0], Q(Textes[AvisModification]));
  EXPECT_FALSE(RapportOuvert);
}

// ------------------------------------------------------------ language

TEST_F(FenetreTest, ChangerDeLangueGardeLesChoixEtVideLeRapport) {
  InstalleReference();
  TForm1* f = CreeFenetre();
  CliqueCase(f->Echelles[3], 1);
  ChoisitItem(f->Choix[2][5], 3);
  Clique(f->SpeedButton7);
  ASSERT_FALSE(f->Memo2->toPlainText().isEmpty());

  Clique(f->SpeedButton10);
  EXPECT_EQ(f->SpeedButton8->text(), " Quit");
  EXPECT_EQ(f->SpeedButton5->text(), " Dispay the values of a count");
  EXPECT_EQ(f->Label1->text(), "THE  EVALUATION  OF  POINTS  ACCOUNTS  AT  BRIDGE");
  EXPECT_EQ(f->Libelles[1][11]->text(), " Malus 3  immediate losers");
  EXPECT_EQ(f->Libelles[1][2]->toolTip(), Q(Bulles[2]));
  EXPECT_TRUE(f->Libelles[1][2]->toolTip().startsWith(" if 1 : "));
  EXPECT_EQ(f->Entetes[4]->text(), " System personnel B");
  EXPECT_EQ(f->Button1->text(), " Return");
  EXPECT_EQ(f->Echelles[3]->item(1)->text(), " PHo count Zar Petkov    4.5  3  1.5  0.5");
  EXPECT_EQ(f->Echelles[3]->item(0)->checkState(), Qt::Unchecked);
  EXPECT_EQ(f->Echelles[3]->item(1)->checkState(), Qt::Checked);
  EXPECT_EQ(f->Echelles[1]->item(0)->checkState(), Qt::Checked);
  EXPECT_EQ(f->Choix[2][5]->currentText(), " 2");
  EXPECT_EQ(ParametresSystemes[2].BonusLongueur, 2.0f);
  EXPECT_EQ(ParametresSystemes[3].Honneurs, 'Z');
  // The report stays open, empty.
  EXPECT_TRUE(RapportOuvert);
  EXPECT_TRUE(f->Memo2->isVisible());
  EXPECT_TRUE(f->Memo2->toPlainText().isEmpty());
  EXPECT_TRUE(f->Button1->isVisible());
  Clique(f->Button1);
  EXPECT_FALSE(RapportOuvert);
  Clique(f->SpeedButton7);
  EXPECT_EQ(f->Memo2->toPlainText().section('\n', 1, 1),
            " Means and standard déviations of points corresponding to n trics just made");
  Clique(f->Button1);

  // French twice is French once.
  Clique(f->SpeedButton9);
  const QString une = f->Libelles[1][11]->text() + f->SpeedButton8->text() + f->Label1->text();
  Clique(f->SpeedButton9);
  EXPECT_EQ(f->Libelles[1][11]->text() + f->SpeedButton8->text() + f->Label1->text(), une);
  EXPECT_EQ(f->SpeedButton8->text(), " Quitter");
}

TEST_F(FenetreTest, LAideSuitLaLangue) {
  InstalleReference();
  // A program folder of our own, with the images and both help documents.
  QTemporaryDir programme;
  QDir().mkpath(programme.path() + "/Images/XGA");
  QDir().mkpath(programme.path() + "/Help");
  for (const QString& nom : QDir(KORVALO_SOURCE_DIR "/Images/XGA").entryList(QDir::Files))
    QFile::copy(KORVALO_SOURCE_DIR "/Images/XGA/" + nom, programme.path() + "/Images/XGA/" + nom);
  for (const char* nom : {"/Help/Aide_KV_Fr.pdf", "/Help/Aide_KV_An.pdf"}) {
    QFile pdf(programme.path() + nom);
    ASSERT_TRUE(pdf.open(QIODevice::WriteOnly));
  }
  QDir::setCurrent(programme.path());
  TForm1* f = CreeFenetre();
  Clique(f->SpeedButton1);
  Clique(f->SpeedButton10);
  Clique(f->SpeedButton1);
  Clique(f->SpeedButton10);
  Clique(f->SpeedButton9);
  Clique(f->SpeedButton1);
  EXPECT_TRUE(script_.Informations.empty());
  ASSERT_EQ(documentsOuverts_.size(), 3u);
  const QString dossier = QDir(programme.path()).canonicalPath();
  EXPECT_EQ(QFileInfo(documentsOuverts_[0]).canonicalFilePath(), dossier + "/Help/Aide_KV_Fr.pdf");
  EXPECT_EQ(QFileInfo(documentsOuverts_[1]).canonicalFilePath(), dossier + "/Help/Aide_KV_An.pdf");
  EXPECT_EQ(QFileInfo(documentsOuverts_[2]).canonicalFilePath(), dossier + "/Help/Aide_KV_Fr.pdf");

  // No viewer for PDF: said, not silent.
  OuvreDocument = [](const QString&) { return false; };
  Clique(f->SpeedButton1);
  ASSERT_EQ(script_.Informations.size(), 1u);
  EXPECT_TRUE(script_.Informations[0].contains("Aide_KV_Fr.pdf"));
  // A missing document likewise.
  QFile::remove(programme.path() + "/Help/Aide_KV_An.pdf");
  Clique(f->SpeedButton10);
  Clique(f->SpeedButton1);
  ASSERT_EQ(script_.Informations.size(), 2u);
  EXPECT_TRUE(script_.Informations[1].contains("Aide_KV_An.pdf"));
}

// ------------------------------------------------------------ quitting

TEST_F(FenetreTest, QuitterTermineLaBoucleAvecLeCode0) {
  InstalleReference();
  TForm1* f = CreeFenetre();
  ChoisitItem(f->Choix[1][3], 2);
  QTimer::singleShot(0, f, [f] { Clique(f->SpeedButton8); });
  EXPECT_EQ(QApplication::exec(), 0);
  // Nothing was saved on the way out.
  EXPECT_EQ(LignesFichier(dossierDonnees_ + "ParametresDesComptesDePoints.txt")[3], "0");
}

}  // namespace
}  // namespace korvalo::test
