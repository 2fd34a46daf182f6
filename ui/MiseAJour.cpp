#include "MiseAJour.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QIcon>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QPixmap>
#include <QPushButton>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTimer>
#include <QUrl>

#include <functional>
#include <memory>

#include "Dialogues.h"
#include "Textes.h"

#ifndef KORVALO_UPDATE_URL_DEFAUT
#define KORVALO_UPDATE_URL_DEFAUT ""
#endif

namespace korvalo {

bool VersionDifferente(const QByteArray& contenuDistant, const QString& version) {
  return contenuDistant != version.toUtf8();
}

QString AdresseServeurMiseAJour() {
  if (qEnvironmentVariableIsSet("KORVALO_UPDATE_URL")) return qEnvironmentVariable("KORVALO_UPDATE_URL");
  return QStringLiteral(KORVALO_UPDATE_URL_DEFAUT);
}

namespace {

QString SousAdresse(const QString& base, const char* chemin) {
  QString adresse = base;
  if (!adresse.endsWith(QLatin1Char('/'))) adresse += QLatin1Char('/');
  return adresse + QLatin1String(chemin);
}

}  // namespace

QString AdresseFichierDate(const QString& base) { return SousAdresse(base, "Fichiers_TXT/KorvaloDate.txt"); }

QString AdresseInstallateur(const QString& base) { return SousAdresse(base, "Fichiers_EXE/SetupKorvalo.exe"); }

QString DossierBureau() {
#ifdef Q_OS_WIN
  const QString maison = qEnvironmentVariable("HOMEDRIVE") + qEnvironmentVariable("HOMEPATH");
  if (!maison.isEmpty()) return QDir::toNativeSeparators(maison + QStringLiteral("\\Desktop\\"));
#endif
  const QString bureau = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
  return QDir::toNativeSeparators(bureau + QLatin1Char('/'));
}

namespace {

// One GET, handing each piece of the body to `recoit` (false: stop, failure).
// Succeeds only for a 2xx status with the whole announced body.
bool Transfere(const QUrl& adresse, int delaiMs, qint64 tailleMax,
               const std::function<bool(const QByteArray&)>& recoit) {
  if (!adresse.isValid()) return false;
  const QString schema = adresse.scheme().toLower();
  if (schema != QLatin1String("http") && schema != QLatin1String("https")) return false;

  QNetworkAccessManager client;
  QNetworkRequest requete(adresse);
  requete.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
  requete.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
  // A body sent as it is stored, so its length can be checked against the header.
  requete.setRawHeader("Accept-Encoding", "identity");
  const std::unique_ptr<QNetworkReply> reponse(client.get(requete));

  QEventLoop boucle;
  QTimer inactivite;
  inactivite.setSingleShot(true);
  inactivite.setInterval(delaiMs);
  bool refuse = false;
  qint64 recus = 0;
  auto prend = [&] {
    const QByteArray morceau = reponse->readAll();
    if (morceau.isEmpty() || refuse) return;
    recus += morceau.size();
    if (recus > tailleMax || !recoit(morceau)) {
      refuse = true;
      reponse->abort();
    }
  };
  QObject::connect(&inactivite, &QTimer::timeout, reponse.get(), &QNetworkReply::abort);
  QObject::connect(reponse.get(), &QNetworkReply::readyRead, reponse.get(), [&] {
    inactivite.start();
    prend();
  });
  QObject::connect(reponse.get(), &QNetworkReply::downloadProgress, &inactivite,
                   qOverload<>(&QTimer::start));
  QObject::connect(reponse.get(), &QNetworkReply::finished, &boucle, &QEventLoop::quit);
  inactivite.start();
  if (!reponse->isFinished()) boucle.exec(QEventLoop::ExcludeUserInputEvents);
  inactivite.stop();
  if (refuse || reponse->error() != QNetworkReply::NoError) return false;
  prend();
  if (refuse) return false;

  const int statut = reponse->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
  if (statut < 200 || statut > 299) return false;
  bool longueurConnue = false;
  const qint64 annoncee = reponse->header(QNetworkRequest::ContentLengthHeader).toLongLong(&longueurConnue);
  return !longueurConnue || annoncee == recus;
}

}  // namespace

bool TelechargeTexte(const QUrl& adresse, QByteArray& contenu, int delaiMs, qint64 tailleMax) {
  QByteArray recu;
  const bool reussi = Transfere(adresse, delaiMs, tailleMax, [&](const QByteArray& morceau) {
    recu += morceau;
    return true;
  });
  if (reussi) contenu = recu;
  return reussi;
}

bool TelechargeFichier(const QUrl& adresse, const QString& chemin, int delaiMs, qint64 tailleMax) {
  // QSaveFile writes beside the target and renames on commit; dropped
  // uncommitted, it removes its temporary file.
  QSaveFile fichier(chemin);
  if (!fichier.open(QIODevice::WriteOnly)) return false;
  const bool reussi = Transfere(adresse, delaiMs, tailleMax, [&](const QByteArray& morceau) {
    return fichier.write(morceau) == morceau.size();
  });
  if (!reussi) {
    fichier.cancelWriting();
    return false;
  }
  return fichier.commit();
}

QPushButton* AfficheTelechargement(const TContexteMiseAJour& c) {
  if (c.Fenetre == nullptr) return nullptr;
  auto* indicateur = new QPushButton(c.Fenetre);
  indicateur->setObjectName(NomIndicateurTelechargement);
  indicateur->setGeometry(c.LargeurEcran / 2 - 82, c.HauteurEcran / 2 - 32, 164, 65);
  indicateur->setFocusPolicy(Qt::NoFocus);
  const QPixmap image(c.DossierImages + QStringLiteral("email.bmp"));
  if (!image.isNull()) {
    indicateur->setIcon(QIcon(image));
    indicateur->setIconSize(image.size());
  }
  QPalette palette = indicateur->palette();
  palette.setColor(QPalette::Button, palette.color(QPalette::ToolTipBase));
  palette.setColor(QPalette::ButtonText, QColor(0x00, 0x00, 0x80));
  indicateur->setPalette(palette);
  indicateur->setAutoFillBackground(true);
  QFont police(QStringLiteral("times new roman"));
  police.setPixelSize(15);
  indicateur->setFont(police);
  indicateur->show();
  indicateur->raise();
  c.Fenetre->repaint();
  return indicateur;
}

TIssueMiseAJour VerifieDate(const TContexteMiseAJour& c) {
  if (c.AdresseServeur.isEmpty()) return TIssueMiseAJour::Sautee;

  QByteArray date;
  if (!TelechargeTexte(QUrl(AdresseFichierDate(c.AdresseServeur)), date, c.DelaiInactiviteMs))
    return TIssueMiseAJour::EchecDate;
  if (!VersionDifferente(date, c.Version)) return TIssueMiseAJour::AJour;
  if (!BoiteConfirmation(QString(), QString::fromStdString(AvisMiseAJour), TBoutons::OuiNon))
    return TIssueMiseAJour::Refusee;

  std::unique_ptr<QPushButton> indicateur(AfficheTelechargement(c));
  const bool telechargee = TelechargeFichier(QUrl(AdresseInstallateur(c.AdresseServeur)),
                                             c.DossierBureau + QStringLiteral("SetupKorvalo.exe"),
                                             c.DelaiInactiviteMs);
  indicateur.reset();
  if (c.Fenetre != nullptr) c.Fenetre->repaint();
  if (!telechargee) return TIssueMiseAJour::EchecTelechargement;

  const QString fin = QString::fromStdString(FinTelechargement + "\r" + FermezProgramme + "\r" + LancezInstallation);
  if (!BoiteConfirmation(QString(), fin, TBoutons::OuiNon)) return TIssueMiseAJour::Telechargee;
  // The message loop has not started yet: a direct quit would be lost.
  QMetaObject::invokeMethod(QCoreApplication::instance(), &QCoreApplication::quit, Qt::QueuedConnection);
  return TIssueMiseAJour::FermetureDemandee;
}

}  // namespace korvalo
