#include "MasterUnit.h"

#include <QApplication>
#include <QImage>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QLineEdit>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QSignalBlocker>
#include <QUrl>

#include <filesystem>
#include <new>

#include "Dialogues.h"
#include "Emplacements.h"
#include "Encheres.h"
#include "FichierTexte.h"
#include "Grille.h"
#include "Messages.h"
#include "MessagesFenetre.h"
#include "MiseAJour.h"
#include "Parametres.h"
#include "Polices.h"
#include "Rapports.h"
#include "Simulation.h"
#include "StyleChoix.h"
#include "Textes.h"
#include "TextesFixes.h"
#include "Valeurs.h"

namespace korvalo {

int LargeurEcran = 0, HauteurEcran = 0;
float RapportX = 0, RapportY = 0;
std::string Resolution;
int NbParametres = 0;
std::string DossierProgramme, DossierDonnees, DossierImages, FichierAide;
const std::string Version = "14-02-2024";
bool RapportOuvert = false;
const QString PoliceTexte = NomTahoma;
const QString PoliceFixe = NomCourier;
TDisposition Disposition;
TForm1* Form1 = nullptr;
QSize EcranImpose;
std::function<bool(const QString&)> OuvreDocument = [](const QString& chemin) {
  return QDesktopServices::openUrl(QUrl::fromLocalFile(chemin));
};
bool ParametresAMettreDeCote = false, ValeursAMettreDeCote = false;
int NbAffichagesProgression = 0;

namespace {

const QColor Marine(0x00, 0x00, 0x80);        // $800000
const QColor VertClair(0xC0, 0xDC, 0xC0);     // $C0DCC0
const QColor RougeClair(0xFF, 0x77, 0x77);    // $7777FF
const QColor GrisClair(0xEE, 0xEE, 0xEE);     // $EEEEEE

QString Q(const std::string& texte) { return QString::fromStdString(texte); }

// The data folder, made again when it could not be at start: a path never
// falls back to the working directory.
const std::string& Donnees() {
  if (DossierDonnees.empty()) DossierDonnees = CalculeDossierDonnees();
  return DossierDonnees;
}

std::string CheminParametres() { return Donnees() + "ParametresDesComptesDePoints.txt"; }
std::string CheminValeurs() { return Donnees() + NOM_FICHIER_VALEURS; }
std::string CheminReference() { return Donnees() + NOM_FICHIER_REFERENCE; }

// Paths as the user's system writes them.
std::string Natif(const std::string& chemin) { return QDir::toNativeSeparators(Q(chemin)).toStdString(); }

bool Existe(const std::string& chemin) {
  std::error_code erreur;
  return std::filesystem::is_regular_file(chemin, erreur);
}

void FixeCouleurs(QWidget* w, const QColor& fond, const QColor& texte, bool opaque) {
  QPalette p = w->palette();
  p.setColor(QPalette::Window, fond);
  p.setColor(QPalette::Base, fond);
  p.setColor(QPalette::Button, fond);
  p.setColor(QPalette::WindowText, texte);
  p.setColor(QPalette::Text, texte);
  p.setColor(QPalette::ButtonText, texte);
  w->setPalette(p);
  w->setAutoFillBackground(opaque);
}

void Place(QWidget* w, const TRectangle& r) { w->setGeometry(r.Gauche, r.Haut, r.Largeur, r.Hauteur); }

TRectangle Rectangle(const QWidget* w) { return {w->x(), w->y(), w->width(), w->height()}; }

// Background and text colours of the labels of row j.
bool RangRouge(int j) { return (j >= 9 && j <= 11) || j >= 23; }

// Everything the evaluation needs from the file layer, in the user's words.
std::string TexteErreur(const std::exception& e) {
  if (const auto* f = dynamic_cast<const ErreurFichier*>(&e)) return MessageErreurFichier(*f);
  if (dynamic_cast<const ErreurEvaluation*>(&e)) return e.what();
  return MessageErreurInattendue(e.what());
}

// The first save over a file that could not be read at start keeps the old
// one under another name and says where.
void MetDeCoteSiIllisible(bool& aMettreDeCote, const std::string& chemin) {
  if (!aMettreDeCote) return;
  if (Existe(chemin)) {
    const std::string nouveau = MetDeCoteFichierIllisible(chemin);
    BoiteInformation(Q(MessageFichierMisDeCote(Natif(chemin), Natif(nouveau))));
  }
  aMettreDeCote = false;
}

}  // namespace

TForm1::TForm1() : QWidget(nullptr), styleChoix_(std::make_unique<TStyleChoix>()) {
  setWindowTitle(QString::fromUtf8(LegendeFenetre));
  for (int i = 1; i <= 10; ++i) {
    // Speed buttons take no focus; 1..8 keep their image 6 pixels from the
    // left edge, the flags centre theirs.
    auto* b = new TBoutonImage(this, i <= 8 ? 6 : -1, false);
    b->setObjectName(QStringLiteral("SpeedButton%1").arg(i));
    TBoutonImage** membres[] = {nullptr,        &SpeedButton1, &SpeedButton2, &SpeedButton3, &SpeedButton4,
                                &SpeedButton5, &SpeedButton6, &SpeedButton7, &SpeedButton8, &SpeedButton9,
                                &SpeedButton10};
    *membres[i] = b;
  }
  BitBtn1 = new TBoutonImage(this, 4, true);
  BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
  BitBtn1->setText(QString::fromUtf8(LegendeBoutonTitre));
  FixeCouleurs(BitBtn1, palette().color(QPalette::Button), Marine, false);
  Label1 = new QLabel(this);
  Label1->setObjectName(QStringLiteral("Label1"));
  Memo2 = new QPlainTextEdit(this);
  Memo2->setObjectName(QStringLiteral("Memo2"));
  Memo2->setReadOnly(true);
  Memo2->setFrameShape(QFrame::NoFrame);
  Memo2->setLineWrapMode(QPlainTextEdit::NoWrap);
  Memo2->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  Memo2->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  FixeCouleurs(Memo2, QApplication::palette().color(QPalette::Button), Marine, true);
  Button1 = new QPushButton(this);
  Button1->setObjectName(QStringLiteral("Button1"));
  // The flag buttons are bound by the design; the others when the window is
  // laid out.
  connect(SpeedButton9, &QAbstractButton::clicked, this, [this] { Protege([this] { SpeedButton9Click(); }); });
  connect(SpeedButton10, &QAbstractButton::clicked, this, [this] { Protege([this] { SpeedButton10Click(); }); });
  connect(Button1, &QAbstractButton::clicked, this, [this] {
    Protege([this] {
      if (ActionRetour) (this->*ActionRetour)();
    });
  });
  FormCreate();
}

TForm1::~TForm1() {
  for (auto& colonne : Choix)
    for (QComboBox* choix : colonne)
      if (choix) choix->setStyle(nullptr);
}

TBoutonImage* TForm1::SpeedButton(int i) const {
  TBoutonImage* const boutons[] = {nullptr,      SpeedButton1, SpeedButton2, SpeedButton3, SpeedButton4, SpeedButton5,
                                   SpeedButton6, SpeedButton7, SpeedButton8, SpeedButton9, SpeedButton10};
  return (i >= 1 && i <= 10) ? boutons[i] : nullptr;
}

void TForm1::Protege(const std::function<void()>& gestionnaire) {
  try {
    gestionnaire();
  } catch (const std::exception& e) {
    BoiteInformation(Q(TexteErreur(e)));
  } catch (...) {
    BoiteInformation(Q(MessageErreurInattendue("?")));
  }
}

// ---------------------------------------------------------------- start-up

void TForm1::showEvent(QShowEvent* e) {
  QWidget::showEvent(e);
  if (cadrePlace_) return;
  cadrePlace_ = true;
  const QRect dedans = geometry(), dehors = frameGeometry();
  if (dedans == dehors) return;
  const int gauche = dedans.left() - dehors.left(), haut = dedans.top() - dehors.top();
  setGeometry(gauche, haut, LargeurEcran - (dehors.width() - dedans.width()),
              HauteurEcran - (dehors.height() - dedans.height()));
}

void TForm1::FormCreate() {
  QSize ecran = EcranImpose;
  if (!ecran.isValid()) {
    const QScreen* principal = QGuiApplication::primaryScreen();
    ecran = principal ? principal->geometry().size() : QSize(1024, 768);
  }
  LargeurEcran = ecran.width();
  HauteurEcran = ecran.height();
  RapportX = static_cast<float>(LargeurEcran) / 1024.0f;
  RapportY = static_cast<float>(HauteurEcran) / 768.0f;
  Resolution = ResolutionPour(RapportY);
  NbParametres = NB_RANGS_GRILLE;
  // The whole screen, as the design has it (the frame sits around it).
  setGeometry(0, 0, LargeurEcran, HauteurEcran);
  FixeCouleurs(this, Qt::white, Qt::black, true);
  RapportOuvert = false;
  Memo2->hide();
  // Each step stands on its own: a failure is reported and the window is
  // still built.
  Protege([this] { FaitAdresses(); });
  Protege([this] { ChargeDonnees(); });
  Protege([this] { FaitGlyphs(); });
  Protege([this] { CreeFicheDynamique(); });
  Protege([this] { FaitPolices(); });
  Protege([this] {
    korvalo::ChangeLangue();
    FaitFichierAide();
  });
  Protege([this] { FaitLangue(); });
}

void TForm1::FaitAdresses() {
  DossierProgramme = CalculeDossierProgramme();
  DossierImages = DossierProgramme + "Images/" + Resolution + "/";
  FaitFichierAide();
  DossierDonnees.clear();  // stays empty when the folder cannot be made
  DossierDonnees = CalculeDossierDonnees();
}

void TForm1::FaitFichierAide() {
  const std::string relatif = LangueAnglaise() ? "Help/Aide_KV_An.pdf" : "Help/Aide_KV_Fr.pdf";
  // The documents are made at build time: the build tree may hold them when
  // the program folder does not.
  const std::string trouve = TrouveFichierLivre(relatif);
  FichierAide = trouve.empty() ? DossierProgramme + relatif : trouve;
}

void TForm1::ChargeDonnees() {
  if (DossierDonnees.empty()) {
    // FaitAdresses could not make the data folder and said why: the window
    // still works on the defaults, and a save tries the folder again.
    ParametresParDefaut();
    return;
  }
  SupprimeTemporaireOrphelin(CheminParametres());
  SupprimeTemporaireOrphelin(CheminValeurs());

  if (Existe(CheminParametres())) {
    try {
      LireParametresDesComptesDePoints(CheminParametres());
    } catch (const ErreurFichier& e) {
      // Never half a file: the defaults, and the file kept for the user.
      ParametresParDefaut();
      ParametresAMettreDeCote = true;
      BoiteInformation(Q(MessageParametresIllisibles(MessageErreurFichier(e))));
    }
  } else {
    ParametresParDefaut();
    EnregistrerParametresDesComptesDePoints(CheminParametres(), SeparateurDecimalUtilisateur());
  }

  if (Existe(CheminValeurs())) {
    try {
      RelireValeursDesComptesDePoints(CheminValeurs());
    } catch (const ErreurFichier& e) {
      for (auto& v : ValeursSystemes) v = TValeursSysteme{};
      ValeursAMettreDeCote = true;
      BoiteInformation(Q(MessageValeursIllisibles(MessageErreurFichier(e))));
    }
  }

  // A newcomer's first evaluation works out of the box; when no deals are
  // shipped the evaluation says how to make some.
  InstalleFichierReference(DossierDonnees);
}

void TForm1::FaitGlyphs() {
  const char* const noms[] = {"Bouee.bmp",  "Ecrire.bmp",  "Disquette.bmp", "Saut.bmp",
                              "Affiche.bmp", "Newton.bmp", "Balance.bmp",   "Luke.bmp",
                              "Francais.bmp", "Anglais.bmp", "Joker.bmp"};
  std::vector<std::string> manquantes;
  for (int i = 0; i < 11; ++i) {
    TBoutonImage* bouton = i < 10 ? SpeedButton(i + 1) : BitBtn1;
    QImage bitmap;
    QPixmap image;
    if (bitmap.load(Q(DossierImages + noms[i]))) {
      // The bottom-left pixel is the bitmap's transparent colour, as buttons
      // with glyphs have it.
      image = QPixmap::fromImage(bitmap);
      image.setMask(image.createMaskFromColor(bitmap.pixelColor(0, bitmap.height() - 1), Qt::MaskInColor));
    } else {
      manquantes.emplace_back(noms[i]);
    }
    bouton->setImage(image);
  }
  if (!manquantes.empty()) BoiteInformation(Q(MessageImagesManquantes(Natif(DossierImages), manquantes)));
}

// ---------------------------------------------------------------- grid

void TForm1::CreeFicheDynamique() {
  for (int i = 1; i <= 4; ++i) {
    Entetes[i] = new QLabel(this);
    Entetes[i]->setObjectName(QStringLiteral("Entetes%1").arg(i));
    Entetes[i]->adjustSize();
  }
  // The column titles are still empty: their height is what the toolkit
  // gives an empty auto-sized label.
  Disposition = CalculeDisposition(LargeurEcran, HauteurEcran, Entetes[2]->height());
  const TDisposition& d = Disposition;
  Entetes[1]->move(d.GaucheTitreGrille, d.HautTitreGrille);
  for (int c = 1; c <= 3; ++c) Entetes[c + 1]->move(d.X[c], d.HautTitresColonnes);

  for (int c = 1; c <= 3; ++c) {
    auto* liste = new QListWidget(this);
    Echelles[c] = liste;
    liste->setObjectName(QStringLiteral("Echelles%1").arg(c));
    liste->setGeometry(d.X[c], d.HautEchelles, d.LargeurEchelles, d.HauteurEchelles);
    liste->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    liste->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    FixeCouleurs(liste, VertClair, Marine, true);
    for (const auto& texte : {Textes[EchelleMilton], Textes[EchellePetkov]}) {
      auto* item = new QListWidgetItem(Q(texte), liste);
      item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
      item->setCheckState(Qt::Unchecked);
    }
    connect(liste, &QListWidget::itemChanged, this, [this, liste](QListWidgetItem* item) {
      if (miseAJourEnCours_) return;
      // The item whose box the user just toggled is the one to keep.
      liste->setCurrentItem(item);
      Protege([this, liste] { WhenCheck(liste); });
    });

    for (int j = 1; j <= NbParametres; ++j) {
      auto* libelle = new QLabel(this);
      Libelles[c][j] = libelle;
      libelle->setGeometry(d.X[c], d.T[j], d.LargeurLibelle, d.HauteurLigne);
      libelle->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
      FixeCouleurs(libelle, RangRouge(j) ? RougeClair : VertClair, RangRouge(j) ? Qt::black : Marine, true);

      auto* choix = new QComboBox(this);
      Choix[c][j] = choix;
      choix->setObjectName(QStringLiteral("Choix%1_%2").arg(c).arg(j));
      choix->setGeometry(d.X[c] + d.LargeurLibelle, d.T[j], d.LargeurChoix, d.HauteurLigne);
      // Typed text stays in the field: it neither adds an item nor selects
      // one, so only a choice from the list changes the table.
      choix->setEditable(true);
      choix->setInsertPolicy(QComboBox::NoInsert);
      choix->setCompleter(nullptr);
      disconnect(choix->lineEdit(), &QLineEdit::returnPressed, choix, nullptr);
      disconnect(choix->lineEdit(), &QLineEdit::editingFinished, choix, nullptr);
      FixeCouleurs(choix, GrisClair, Qt::black, true);
      choix->setStyle(styleChoix_.get());
      const TListeChoix& items = *ChoixDesRangs[j];
      for (int i = 0; i < items.nombre; ++i) choix->addItem(QString::fromUtf8(items.items[i]));
      connect(choix, &QComboBox::activated, this, [this, choix](int) {
        if (!miseAJourEnCours_) Protege([this, choix] { WhenCheck(choix); });
      });
    }
  }

  // The rest of the window.
  Place(Button1, d.RetourInitial);
  Button1->hide();
  for (int i = 1; i <= 10; ++i) Place(SpeedButton(i), d.Boutons[i]);
  Place(BitBtn1, d.BoutonTitre);
  Memo2->setGeometry(0, 0, 0, 0);
  LieBoutons();
  BitBtn1->setFont(PoliceCellule(NomTimes, d.HauteurTitreBouton, true, true));
  Initialise();
  FaitLangue();
}

void TForm1::LieBoutons() {
  void (TForm1::*actions[])() = {nullptr,
                                 &TForm1::AffichePresentation,
                                 &TForm1::Modifier,
                                 &TForm1::Enregistrer,
                                 &TForm1::TableauEncheres,
                                 &TForm1::AfficheValeurs,
                                 &TForm1::Evaluer,
                                 &TForm1::ComparaisonSystemes,
                                 &TForm1::Quitter};
  for (int i = 1; i <= 8; ++i) {
    const auto action = actions[i];
    connect(SpeedButton(i), &QAbstractButton::clicked, this, [this, action] { Protege([this, action] { (this->*action)(); }); });
  }
  ActionRetour = &TForm1::Retourne;
}

void TForm1::MontreChoix(int c, int j) {
  QComboBox* choix = Choix[c][j];
  const float valeur = Emplacement(ParametresSystemes[c], j);
  const int indice = IndiceChoix(j, valeur);
  choix->setCurrentIndex(indice);
  // A value no item stores (a hand-edited file) is shown as it stands.
  if (indice < 0) choix->setEditText(Q(EcritReel(valeur, '.')));
}

void TForm1::Initialise() {
  miseAJourEnCours_ = true;
  for (int c = 1; c <= 3; ++c) {
    const char honneurs = ParametresSystemes[c].Honneurs;
    if (Echelles[c]->count() == 2 && (honneurs == 'M' || honneurs == 'Z')) {
      Echelles[c]->item(0)->setCheckState(honneurs == 'M' ? Qt::Checked : Qt::Unchecked);
      Echelles[c]->item(1)->setCheckState(honneurs == 'Z' ? Qt::Checked : Qt::Unchecked);
    }
    for (int j = 1; j <= NbParametres; ++j) MontreChoix(c, j);
  }
  miseAJourEnCours_ = false;
}

void TForm1::WhenCheck(QObject* sender) {
  for (int c = 1; c <= 3; ++c) {
    if (sender == Echelles[c]) {
      DecocheAutres(Echelles[c]);
      if (Echelles[c]->item(0)->checkState() == Qt::Checked) ParametresSystemes[c].Honneurs = 'M';
      else if (Echelles[c]->item(1)->checkState() == Qt::Checked) ParametresSystemes[c].Honneurs = 'Z';
      continue;
    }
    for (int j = 1; j <= NbParametres; ++j) {
      if (sender == Choix[c][j]) {
        const int indice = Choix[c][j]->currentIndex();
        if (indice >= 0) Emplacement(ParametresSystemes[c], j) = ValeurChoix(j, indice);
        return;
      }
    }
  }
}

void TForm1::DecocheAutres(QListWidget* liste) {
  const bool avant = miseAJourEnCours_;
  miseAJourEnCours_ = true;
  QListWidgetItem* clique = liste->currentItem();
  for (int i = 0; i < liste->count(); ++i)
    if (liste->item(i) != clique) liste->item(i)->setCheckState(Qt::Unchecked);
  liste->clearSelection();
  liste->setCurrentItem(nullptr);
  miseAJourEnCours_ = avant;
}

void TForm1::Modifier() { BoiteInformation(Q(Textes[AvisModification])); }

// ---------------------------------------------------------------- texts and fonts

void TForm1::FaitPolices() {
  const TDisposition& d = Disposition;
  auto police = [&d](int taille, bool gras = false) {
    return PoliceCellule(PoliceTexte, TaillePolice(d, taille), gras);
  };
  if (Entetes[1]) Entetes[1]->setFont(police(-18));
  for (int c = 1; c <= 3; ++c) {
    if (Entetes[c + 1]) Entetes[c + 1]->setFont(police(-14));
    if (Echelles[c]) {
      Echelles[c]->setFont(police(-11));
      // Two rows that share the list's height.
      const int hauteur = std::max(1, (Echelles[c]->height() - 2 * Echelles[c]->frameWidth()) / 2);
      for (int i = 0; i < Echelles[c]->count(); ++i) Echelles[c]->item(i)->setSizeHint(QSize(-1, hauteur));
    }
    for (int j = 1; j <= NbParametres; ++j) {
      if (Libelles[c][j]) Libelles[c][j]->setFont(police(-11));
      if (Choix[c][j]) Choix[c][j]->setFont(police(-11));
    }
  }
  Button1->setFont(police(-14, true));
  for (int i = 1; i <= 8; ++i) SpeedButton(i)->setFont(police(-15));
  Memo2->setFont(police(-11));
  for (int i = 1; i <= 4; ++i)
    if (Entetes[i]) Entetes[i]->adjustSize();
}

void TForm1::FaitLangue() {
  miseAJourEnCours_ = true;
  const int titres[] = {0, TitreGrille, TitreSEF, TitrePersonnelA, TitrePersonnelB};
  for (int i = 1; i <= 4; ++i) {
    if (!Entetes[i]) continue;
    Entetes[i]->setText(Q(Textes[titres[i]]));
    Entetes[i]->adjustSize();
  }
  for (int c = 1; c <= 3; ++c) {
    if (!Echelles[c]) continue;
    QListWidget* liste = Echelles[c];
    const Qt::CheckState etats[] = {liste->count() > 0 ? liste->item(0)->checkState() : Qt::Unchecked,
                                    liste->count() > 1 ? liste->item(1)->checkState() : Qt::Unchecked};
    const QSize taille = liste->count() > 0 ? liste->item(0)->sizeHint() : QSize();
    liste->clear();
    int i = 0;
    for (const auto& texte : {Textes[EchelleMilton], Textes[EchellePetkov]}) {
      auto* item = new QListWidgetItem(Q(texte), liste);
      item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
      item->setCheckState(etats[i++]);
      item->setSizeHint(taille);
    }
    for (int j = 1; j <= NbParametres; ++j) {
      Libelles[c][j]->setText(Q(Textes[j]));
      Libelles[c][j]->setToolTip(Q(Bulles[j]));
    }
  }
  miseAJourEnCours_ = false;
  AjustePolicesAuxTextes();
  Button1->setText(Q(Textes[TexteRetour]));
  for (int i = 1; i <= 8; ++i) SpeedButton(i)->setText(Q(Textes[TexteBouton51 + i - 1]));
  ChangeMemoValeurs(0);
  PlaceTitre();
}

// The grid's captions in the language of the moment, each in the design's
// font or, where it would be cut, a little smaller.
void TForm1::AjustePolicesAuxTextes() {
  const QFont base = PoliceCellule(PoliceTexte, TaillePolice(Disposition, -11));
  for (int c = 1; c <= 3; ++c) {
    if (QListWidget* liste = Echelles[c]) {
      QStringList textes;
      for (int i = 0; i < liste->count(); ++i) textes << liste->item(i)->text();
      const QStyle* s = liste->style();
      const int marge = s->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, liste) +
                        4 * (s->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, liste) + 1) + 2;
      // The viewport is not laid out before the window shows: the frame gives its width.
      liste->setFont(PoliceQuiTient(base, textes, liste->width() - 2 * liste->frameWidth() - marge));
    }
    for (int j = 1; j <= NbParametres; ++j)
      if (QLabel* libelle = Libelles[c][j])
        libelle->setFont(PoliceQuiTient(base, {libelle->text()}, libelle->contentsRect().width() - 2));
  }
}

void TForm1::PlaceTitre() {
  FixeCouleurs(Label1, Qt::white, Marine, true);
  Label1->setFont(PoliceCellule(NomTimes, TaillePolice(Disposition, -24), true));
  Label1->setText(Q(Titre));
  Label1->move(GaucheTitre(Disposition), HautTitre(Disposition));
  Label1->adjustSize();
  // Painted beneath the buttons, as a label on a form is.
  Label1->lower();
}

void TForm1::SpeedButton9Click() {
  Langue = "francais";
  korvalo::ChangeLangue();
  FaitFichierAide();
  FaitLangue();
}

void TForm1::SpeedButton10Click() {
  Langue = "anglais";
  korvalo::ChangeLangue();
  FaitFichierAide();
  FaitLangue();
}

// ---------------------------------------------------------------- report area

void TForm1::ChangeMemoValeurs(int mode) {
  Memo2->clear();
  const TRectangle memo = RectangleMemo(Disposition, mode, width(), Rectangle(Memo2));
  Place(Memo2, memo);
  if (mode < 1 || mode > 4) return;
  QFont police = Memo2->font();
  police.setFamily(PoliceFixe);
  Memo2->setFont(police);
  Place(Button1, RectangleRetour(Disposition, memo));
  Button1->show();
  ActionRetour = mode == 3 ? &TForm1::DemandeEnregistrementParametresEtValeurs : &TForm1::Retourne;
  Memo2->show();
  Memo2->raise();
  Button1->raise();
  RapportOuvert = true;
}

void TForm1::Retourne() {
  Memo2->clear();
  Memo2->setGeometry(0, 0, 0, 0);
  Button1->setGeometry(0, 0, 0, 0);
  Button1->hide();
  RapportOuvert = false;
  Memo2->hide();
  ChangeMemoValeurs(0);
}

void TForm1::EcritRapport(const std::vector<std::string>& lignes) {
  QString texte;
  for (const auto& ligne : lignes) {
    texte += Q(ligne);
    texte += QLatin1Char('\n');
  }
  if (!texte.isEmpty()) texte.chop(1);
  Memo2->setPlainText(texte);
  Memo2->moveCursor(QTextCursor::Start);
  Memo2->verticalScrollBar()->setValue(0);
  Memo2->horizontalScrollBar()->setValue(0);
}

// ---------------------------------------------------------------- buttons

void TForm1::AffichePresentation() {
  if (!Existe(FichierAide)) {
    BoiteInformation(Q(MessageAideIntrouvable(Natif(FichierAide))));
    return;
  }
  if (!OuvreDocument(Q(FichierAide))) BoiteInformation(Q(MessageAideNonOuverte(Natif(FichierAide))));
}

void TForm1::EnregistreFichiers() {
  MetDeCoteSiIllisible(ParametresAMettreDeCote, CheminParametres());
  EnregistrerParametresDesComptesDePoints(CheminParametres(), SeparateurDecimalUtilisateur());
  MetDeCoteSiIllisible(ValeursAMettreDeCote, CheminValeurs());
  EnregistrerValeursDesComptesDePoints(CheminValeurs(), SeparateurDecimalUtilisateur());
}

void TForm1::Enregistrer() {
  const QString question = Q(Textes[QuestionSauvegarde] + Natif(DossierDonnees) + Textes[SuiteSauvegarde]);
  if (BoiteConfirmation(QString::fromUtf8(LegendeConfirmation), question, TBoutons::OkAnnuler)) EnregistreFichiers();
}

void TForm1::RelitFichiers() {
  // Each file on its own: a failure keeps what is in memory for that file.
  try {
    const auto copie = std::to_array(ParametresSystemes);
    try {
      LireParametresDesComptesDePoints(CheminParametres());
    } catch (...) {
      std::copy(copie.begin(), copie.end(), ParametresSystemes);
      throw;
    }
  } catch (const ErreurFichier& e) {
    BoiteInformation(Q(MessageErreurFichier(e)));
  }
  try {
    if (Existe(CheminValeurs())) {
      RelireValeursDesComptesDePoints(CheminValeurs());
    } else {
      // Nothing was ever saved: no system has stored values.
      for (auto& v : ValeursSystemes) v = TValeursSysteme{};
    }
  } catch (const ErreurFichier& e) {
    BoiteInformation(Q(MessageErreurFichier(e)));
  }
}

void TForm1::DemandeEnregistrementParametresEtValeurs() {
  const QString question = Q(Textes[QuestionSauvegarde] + Natif(DossierDonnees) + Textes[SuiteSauvegarde]);
  if (BoiteConfirmation(QString::fromUtf8(LegendeConfirmation), question, TBoutons::OkAnnuler)) {
    AdopteNouvellesValeurs();
    // A failed write leaves the report open, so that the question can be
    // answered again.
    EnregistreFichiers();
  } else {
    RelitFichiers();
    Initialise();
  }
  Retourne();
}

void TForm1::Quitter() { QCoreApplication::exit(0); }

namespace {

// The busy rule of the report buttons: while a report is open they only say
// so.
bool RefuseSiOccupe() {
  if (!RapportOuvert) return false;
  BoiteInformation(Q(Textes[PremierRetour]));
  return true;
}

// An input box whose answer must be an integer strictly between 0 and haut;
// 0 once the refusal has been shown.
int DemandeEntier(const QString& titre, const QString& invite, int haut, const QString& refus) {
  const std::string reponse = BoiteSaisie(titre, invite, QString::fromUtf8(ReponseParDefaut)).toStdString();
  if (!EntierValide(reponse, 0, haut)) {
    BoiteInformation(refus);
    return 0;
  }
  return std::stoi(reponse);
}

}  // namespace

void TForm1::Evaluer() {
  if (RefuseSiOccupe()) return;
  const int s = DemandeEntier(Q(Textes[TitreEvaluation]), Q(Textes[InviteSystemeEvaluation]), NB_SYSTEMES + 1,
                              Q(Textes[ValeurIncorrecte]));
  if (s == 0) return;
  const int N = DemandeEntier(QString::fromUtf8(TitreNombreDonnes), QString::fromUtf8(InviteNombreDonnes),
                              NB_DONNES_MAX + 1, QString::fromUtf8(NombreDonnesIncorrect));
  if (N == 0) return;
  ChangeMemoValeurs(4);
  repaint();
  NbAffichagesProgression = 0;
  // The run blocks the window; only the progress is painted.
  EvalueSysteme(s, N, CheminReference(), [this](int, const std::vector<std::string>& lignes) {
    EcritRapport(lignes);
    Memo2->viewport()->repaint();
    ++NbAffichagesProgression;
  });
  Comparaison_old_new(s);
}

void TForm1::AfficheValeurs() {
  if (RefuseSiOccupe()) return;
  const int s = DemandeEntier(Q(Textes[TitreAffichage]), Q(Textes[InviteSystemeAffichage]), NB_SYSTEMES + 1,
                              Q(Textes[ValeurIncorrecte]));
  if (s == 0) return;
  if (ValeursSystemes[s].NbDonnes == 0) {
    BoiteInformation(Q(Textes[SystemeNonEvalue]));
    return;
  }
  ChangeMemoValeurs(2);
  EcritRapport(korvalo::AfficheValeurs(s));
}

void TForm1::ComparaisonSystemes() {
  if (RefuseSiOccupe()) return;
  ChangeMemoValeurs(1);
  EcritRapport(korvalo::ComparaisonSystemes());
}

void TForm1::TableauEncheres() {
  // No busy test: the table replaces whatever report is open.
  ChangeMemoValeurs(1);
  EcritRapport(korvalo::TableauEncheres());
}

void TForm1::Comparaison_old_new(int s) {
  ChangeMemoValeurs(3);
  EcritRapport(korvalo::Comparaison_old_new(s));
}

void TForm1::VerifieDate() {
  Protege([this] {
    TContexteMiseAJour contexte;
    contexte.Fenetre = this;
    contexte.LargeurEcran = LargeurEcran;
    contexte.HauteurEcran = HauteurEcran;
    contexte.DossierImages = Q(DossierImages);
    contexte.Version = Q(Version);
    korvalo::VerifieDate(contexte);
  });
}

}  // namespace korvalo
