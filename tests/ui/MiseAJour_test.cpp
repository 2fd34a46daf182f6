// The update check against a small HTTP server on 127.0.0.1 run by the test
// itself, with the questions answered by script. HOME (and HOMEDRIVE /
// HOMEPATH) point at a temporary folder whose Desktop receives the download.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QHostAddress>
#include <QPushButton>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTimer>
#include <QUrl>
#include <QWidget>

#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <vector>

#include "Dialogues.h"
#include "MiseAJour.h"
#include "Textes.h"

namespace korvalo {
namespace {

QTemporaryDir* Maison = nullptr;  // the HOME of the whole test program

// What the server does for one path.
struct TRoute {
  enum Mode { Complet, Coupe, Muet } mode = Complet;
  int statut = 200;
  QByteArray corps;
  std::function<void()> aLaDemande;  // runs when the request arrives
};

// Answers GET requests by path; unknown paths get a 404.
class TServeur {
 public:
  TServeur() {
    EXPECT_TRUE(serveur_.listen(QHostAddress::LocalHost, 0));
    QObject::connect(&serveur_, &QTcpServer::newConnection, [this] {
      while (QTcpSocket* s = serveur_.nextPendingConnection()) {
        QObject::connect(s, &QTcpSocket::readyRead, s, [this, s] { Lit(s); });
      }
    });
  }
  QString Base() const { return QStringLiteral("http://127.0.0.1:%1/").arg(serveur_.serverPort()); }
  std::map<QByteArray, TRoute> routes;
  std::vector<QByteArray> demandes;

 private:
  void Lit(QTcpSocket* s) {
    QByteArray& tampon = tampons_[s];
    tampon += s->readAll();
    const int fin = tampon.indexOf("\r\n\r\n");
    if (fin < 0) return;
    const QList<QByteArray> ligne = tampon.left(tampon.indexOf("\r\n")).split(' ');
    tampon.clear();
    const QByteArray chemin = ligne.size() > 1 ? ligne[1] : QByteArray();
    demandes.push_back(chemin);
    const auto it = routes.find(chemin);
    if (it == routes.end()) {
      s->write("HTTP/1.1 404 Not Found\r\nContent-Length: 9\r\nConnection: close\r\n\r\nnot found");
      s->disconnectFromHost();
      return;
    }
    const TRoute& r = it->second;
    if (r.aLaDemande) r.aLaDemande();
    if (r.mode == TRoute::Muet) return;  // keeps the connection open, says nothing
    QByteArray tete = "HTTP/1.1 " + QByteArray::number(r.statut) + " Statut\r\nContent-Type: application/octet-stream\r\n";
    tete += "Content-Length: " + QByteArray::number(r.corps.size()) + "\r\nConnection: close\r\n\r\n";
    s->write(tete);
    s->write(r.mode == TRoute::Coupe ? r.corps.left(r.corps.size() / 2) : r.corps);
    s->disconnectFromHost();
  }
  QTcpServer serveur_;
  std::map<QTcpSocket*, QByteArray> tampons_;
};

struct TQuestion {
  QString titre, message;
  TBoutons boutons;
};

class MiseAJour : public ::testing::Test {
 public:  // the cases of a table prepare the fixture
  void SetUp() override {
    Langue.clear();
    ChangeLangue();
    bureau = Maison->path() + "/Desktop";
    QDir(bureau).removeRecursively();
    ASSERT_TRUE(QDir().mkpath(bureau));
    fenetre = std::make_unique<QWidget>();
    fenetre->resize(1024, 768);
    fenetre->show();
    Dialogues.Confirmation = [this](const QString& titre, const QString& message, TBoutons boutons) {
      questions.push_back({titre, message, boutons});
      if (reponses.empty()) {
        ADD_FAILURE() << "unexpected question: " << message.toStdString();
        return false;
      }
      const bool oui = reponses.front();
      reponses.pop_front();
      return oui;
    };
    contexte.Fenetre = fenetre.get();
    contexte.LargeurEcran = 1024;
    contexte.HauteurEcran = 768;
    contexte.DossierImages = KORVALO_SOURCE_DIR "/Images/XGA/";
    contexte.Version = "14-02-2024";
    contexte.AdresseServeur = serveur.Base();
    contexte.DossierBureau = DossierBureau();
    contexte.DelaiInactiviteMs = 10000;
  }
  void TearDown() override { Dialogues = DialoguesQt(); }

  void ServeurAnnonce(const QByteArray& date) { serveur.routes["/Fichiers_TXT/KorvaloDate.txt"].corps = date; }
  TRoute& Installateur() { return serveur.routes["/Fichiers_EXE/SetupKorvalo.exe"]; }
  QStringList FichiersDuBureau() const {
    return QDir(bureau).entryList(QDir::Files | QDir::Hidden | QDir::System);
  }
  QPushButton* Indicateur() const { return fenetre->findChild<QPushButton*>(NomIndicateurTelechargement); }

  TServeur serveur;
  std::unique_ptr<QWidget> fenetre;
  TContexteMiseAJour contexte;
  std::deque<bool> reponses;
  std::vector<TQuestion> questions;
  QString bureau;
};

QByteArray CorpsInstallateur() {
  QByteArray corps;
  for (int i = 0; i < 300000; ++i) corps += char('A' + i % 23);
  return corps;
}

TEST(MiseAJourComparaison, ToutLeContenuCompteOctetPourOctet) {
  EXPECT_FALSE(VersionDifferente("14-02-2024", "14-02-2024"));
  for (const char* autre : {"14-02-2024\r\n", "14-02-2024\n", " 14-02-2024", "15-02-2024", "", "14-02-202"})
    EXPECT_TRUE(VersionDifferente(autre, "14-02-2024")) << autre;
}

TEST(MiseAJourAdresses, LeServeurVientDeLEnvironnementQuiPrimeEtVideVeutDireSansVerification) {
  qputenv("KORVALO_UPDATE_URL", "http://exemple.invalid/base/");
  EXPECT_EQ(AdresseServeurMiseAJour(), "http://exemple.invalid/base/");
  qputenv("KORVALO_UPDATE_URL", "");
  EXPECT_EQ(AdresseServeurMiseAJour(), "");
  TContexteMiseAJour c;
  EXPECT_EQ(VerifieDate(c), TIssueMiseAJour::Sautee);
  qunsetenv("KORVALO_UPDATE_URL");
  EXPECT_EQ(AdresseServeurMiseAJour(), KORVALO_UPDATE_URL_ATTENDUE);

  EXPECT_EQ(AdresseFichierDate("http://h/k/"), "http://h/k/Fichiers_TXT/KorvaloDate.txt");
  EXPECT_EQ(AdresseFichierDate("http://h/k"), "http://h/k/Fichiers_TXT/KorvaloDate.txt");
  EXPECT_EQ(AdresseInstallateur("http://h/"), "http://h/Fichiers_EXE/SetupKorvalo.exe");
}

TEST(MiseAJourAdresses, LeBureauSuitLeDossierPersonnel) {
  EXPECT_EQ(DossierBureau(), QDir::toNativeSeparators(Maison->path() + "/Desktop/"));
}

TEST_F(MiseAJour, MemeDateAucuneQuestion) {
  ServeurAnnonce("14-02-2024");
  EXPECT_EQ(VerifieDate(contexte), TIssueMiseAJour::AJour);
  EXPECT_TRUE(questions.empty());
  EXPECT_EQ(serveur.demandes, std::vector<QByteArray>{"/Fichiers_TXT/KorvaloDate.txt"});
}

TEST_F(MiseAJour, UneFinDeLigneSuffitPourProposerLaMiseAJourEtNonNeTelechargeRien) {
  ServeurAnnonce("14-02-2024\r\n");
  Installateur().corps = CorpsInstallateur();
  reponses = {false};
  EXPECT_EQ(VerifieDate(contexte), TIssueMiseAJour::Refusee);
  ASSERT_EQ(questions.size(), 1u);
  EXPECT_EQ(questions[0].message, QString::fromStdString(AvisMiseAJour));
  EXPECT_TRUE(questions[0].message.startsWith("Une version plus récente")) << "French at start";
  EXPECT_EQ(questions[0].boutons, TBoutons::OuiNon);
  EXPECT_TRUE(questions[0].titre.isEmpty());
  EXPECT_EQ(serveur.demandes.size(), 1u) << "no download after No";
  EXPECT_EQ(Indicateur(), nullptr);
  EXPECT_TRUE(FichiersDuBureau().isEmpty());
}

TEST_F(MiseAJour, OuiPuisNonLaisseLInstallateurSurLeBureauEtRetireLIndicateur) {
  ServeurAnnonce("01-03-2025");
  const QByteArray corps = CorpsInstallateur();
  Installateur().corps = corps;
  bool indicateurVu = false;
  Installateur().aLaDemande = [&] {
    const QPushButton* i = Indicateur();
    ASSERT_NE(i, nullptr);
    indicateurVu = i->isVisible();
    EXPECT_EQ(i->geometry(), QRect(1024 / 2 - 82, 768 / 2 - 32, 164, 65));
    EXPECT_FALSE(i->icon().isNull()) << "email.bmp";
    EXPECT_TRUE(i->text().isEmpty());
  };
  reponses = {true, false};
  EXPECT_EQ(VerifieDate(contexte), TIssueMiseAJour::Telechargee);
  EXPECT_TRUE(indicateurVu);
  EXPECT_EQ(Indicateur(), nullptr);
  ASSERT_EQ(questions.size(), 2u);
  EXPECT_EQ(questions[1].message,
            QString::fromStdString(FinTelechargement + "\r" + FermezProgramme + "\r" + LancezInstallation));
  EXPECT_EQ(questions[1].boutons, TBoutons::OuiNon);
  EXPECT_EQ(FichiersDuBureau(), QStringList{"SetupKorvalo.exe"});
  QFile f(bureau + "/SetupKorvalo.exe");
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  EXPECT_EQ(f.readAll(), corps);
}

TEST_F(MiseAJour, OuiDeuxFoisTermineLeProgrammeDesQueLaBouclePrincipaleTourne) {
  ServeurAnnonce("01-03-2025");
  Installateur().corps = "MZ petit installateur";
  reponses = {true, true};
  EXPECT_EQ(VerifieDate(contexte), TIssueMiseAJour::FermetureDemandee);
  EXPECT_TRUE(QFile::exists(bureau + "/SetupKorvalo.exe"));
  // Were the quit lost, the loop would run until this guard ends it with 99.
  QTimer garde;
  garde.setSingleShot(true);
  QObject::connect(&garde, &QTimer::timeout, [] { QCoreApplication::exit(99); });
  garde.start(30000);
  EXPECT_EQ(QCoreApplication::exec(), 0);
}

// The check gives up without a word when the date cannot be fetched.
TEST_F(MiseAJour, SansDateRienNeSeVoit) {
  struct Cas {
    const char* nom;
    std::function<void(MiseAJour&)> prepare;
  };
  const std::vector<Cas> cas = {
      {"404", [](MiseAJour&) {}},
      {"500", [](MiseAJour& t) {
         t.ServeurAnnonce("01-03-2025");
         t.serveur.routes["/Fichiers_TXT/KorvaloDate.txt"].statut = 500;
       }},
      {"server down", [](MiseAJour& t) {
         QTcpServer libre;
         ASSERT_TRUE(libre.listen(QHostAddress::LocalHost, 0));
         t.contexte.AdresseServeur = QStringLiteral("http://127.0.0.1:%1/").arg(libre.serverPort());
       }},
      {"never answers", [](MiseAJour& t) {
         t.ServeurAnnonce("01-03-2025");
         t.serveur.routes["/Fichiers_TXT/KorvaloDate.txt"].mode = TRoute::Muet;
         t.contexte.DelaiInactiviteMs = 300;
       }},
      {"cut short", [](MiseAJour& t) {
         t.ServeurAnnonce("01-03-2025 and a long tail that is cut in the middle");
         t.serveur.routes["/Fichiers_TXT/KorvaloDate.txt"].mode = TRoute::Coupe;
       }},
      {"not http", [](MiseAJour& t) { t.contexte.AdresseServeur = "file:///etc/"; }},
  };
  for (const Cas& c : cas) {
    SCOPED_TRACE(c.nom);
    serveur.routes.clear();
    contexte.AdresseServeur = serveur.Base();
    contexte.DelaiInactiviteMs = 10000;
    c.prepare(*this);
    EXPECT_EQ(VerifieDate(contexte), TIssueMiseAJour::EchecDate);
    EXPECT_TRUE(questions.empty());
  }
}

// A failed download leaves nothing on the desktop, and no indicator.
TEST_F(MiseAJour, UnTelechargementRateNeLaisseAucunFichier) {
  struct Cas {
    const char* nom;
    TRoute::Mode mode;
    int statut;
  };
  for (const Cas& c : {Cas{"cut in the middle", TRoute::Coupe, 200}, Cas{"never answers", TRoute::Muet, 200},
                       Cas{"404", TRoute::Complet, 404}}) {
    SCOPED_TRACE(c.nom);
    questions.clear();
    ServeurAnnonce("01-03-2025");
    Installateur() = TRoute{c.mode, c.statut, CorpsInstallateur(), {}};
    contexte.DelaiInactiviteMs = c.mode == TRoute::Muet ? 300 : 10000;
    reponses = {true};
    EXPECT_EQ(VerifieDate(contexte), TIssueMiseAJour::EchecTelechargement);
    EXPECT_EQ(questions.size(), 1u) << "no second question after a failed download";
    EXPECT_EQ(Indicateur(), nullptr);
    EXPECT_TRUE(FichiersDuBureau().isEmpty()) << FichiersDuBureau().join(", ").toStdString();
  }
}

TEST_F(MiseAJour, UnEchecGardeLInstallateurPrecedentIntact) {
  {
    QFile ancien(bureau + "/SetupKorvalo.exe");
    ASSERT_TRUE(ancien.open(QIODevice::WriteOnly));
    ancien.write("ancien installateur complet");
  }
  ServeurAnnonce("01-03-2025");
  Installateur() = TRoute{TRoute::Coupe, 200, CorpsInstallateur(), {}};
  reponses = {true};
  EXPECT_EQ(VerifieDate(contexte), TIssueMiseAJour::EchecTelechargement);
  EXPECT_EQ(FichiersDuBureau(), QStringList{"SetupKorvalo.exe"});
  QFile f(bureau + "/SetupKorvalo.exe");
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  EXPECT_EQ(f.readAll(), "ancien installateur complet");
}

TEST_F(MiseAJour, SansBureauLeTelechargementEchoueEnSilence) {
  ASSERT_TRUE(QDir(bureau).removeRecursively());
  ServeurAnnonce("01-03-2025");
  Installateur().corps = "MZ";
  reponses = {true};
  EXPECT_EQ(VerifieDate(contexte), TIssueMiseAJour::EchecTelechargement);
  EXPECT_EQ(Indicateur(), nullptr);
  EXPECT_FALSE(QDir(bureau).exists()) << "the desktop is not created for us";
}

TEST_F(MiseAJour, UneDateTropLongueNEstPasUneDate) {
  ServeurAnnonce(QByteArray(TAILLE_MAX_FICHIER_DATE + 1, '1'));
  EXPECT_EQ(VerifieDate(contexte), TIssueMiseAJour::EchecDate);
  EXPECT_TRUE(questions.empty());
}

}  // namespace
}  // namespace korvalo

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  // No display, no proxy, and a home of our own: nothing outside the test is read or written.
  QTemporaryDir maison;
  if (!maison.isValid()) return 1;
  korvalo::Maison = &maison;
  qputenv("QT_QPA_PLATFORM", "offscreen");
  qputenv("HOME", maison.path().toLocal8Bit());
  qputenv("XDG_CONFIG_HOME", (maison.path() + "/.config").toLocal8Bit());
  qputenv("XDG_DATA_HOME", (maison.path() + "/.local/share").toLocal8Bit());
  qputenv("XDG_RUNTIME_DIR", maison.path().toLocal8Bit());
  qputenv("HOMEDRIVE", "");
  qputenv("HOMEPATH", maison.path().toLocal8Bit());
  for (const char* proxy : {"http_proxy", "HTTP_PROXY", "https_proxy", "HTTPS_PROXY", "all_proxy", "ALL_PROXY"})
    qunsetenv(proxy);
  QApplication application(argc, argv);
  return RUN_ALL_TESTS();
}
