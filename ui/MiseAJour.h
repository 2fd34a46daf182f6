#pragma once
// The update check, run once after the main window is shown: the maker's
// server is asked for the date of the latest version; when it differs from
// ours the user may download the set-up program to the desktop, and is then
// asked to close the program and run it. The program never starts the set-up
// program itself, and every network failure ends the check without a word.
//
// Wiring, for the main window (TForm1::VerifieDate):
//
//   TContexteMiseAJour c;
//   c.Fenetre = this;                       // parent of the download indicator
//   c.LargeurEcran = LargeurEcran;          // the indicator is centred on the screen
//   c.HauteurEcran = HauteurEcran;
//   c.DossierImages = QString::fromStdString(DossierImages);  // email.bmp
//   c.Version = QString::fromStdString(Version);
//   korvalo::VerifieDate(c);                // AdresseServeur, DossierBureau: defaults
//
// The questions go through ui/Dialogues.h (confirmation boxes with Yes and
// No, no caption of their own) and use the update-check texts of
// textes/Textes.h in the current language. When the user chooses to close, a
// quit is queued on the application: it takes effect as soon as the message
// loop runs, so VerifieDate must be called before QApplication::exec().

#include <QByteArray>
#include <QString>

class QPushButton;
class QUrl;
class QWidget;

namespace korvalo {

// A transfer fails when no data has arrived for this long (milliseconds).
inline constexpr int DELAI_INACTIVITE_MS = 10000;
// A date file longer than this is not a date: the check gives up.
inline constexpr qint64 TAILLE_MAX_FICHIER_DATE = 64 * 1024;
// Nor is a set-up program larger than this one.
inline constexpr qint64 TAILLE_MAX_INSTALLATEUR = qint64(1) << 30;

inline const QString NomIndicateurTelechargement = QStringLiteral("IndicateurTelechargement");

// True when the server's date file announces another version: its whole
// content against ours, byte for byte, nothing trimmed (a trailing line end
// makes it different).
bool VersionDifferente(const QByteArray& contenuDistant, const QString& version);

// Base address of the server: the environment variable KORVALO_UPDATE_URL
// when it is set (set but empty: no check), otherwise the KORVALO_UPDATE_URL
// option of the build. Empty: no check.
QString AdresseServeurMiseAJour();

// The two files under a base address (a missing final "/" is supplied).
QString AdresseFichierDate(const QString& base);   // base + "Fichiers_TXT/KorvaloDate.txt"
QString AdresseInstallateur(const QString& base);  // base + "Fichiers_EXE/SetupKorvalo.exe"

// The desktop that receives the set-up program, with native separators and a
// final separator: HOMEDRIVE + HOMEPATH + "\Desktop\" on Windows, the user's
// desktop folder elsewhere (it follows HOME).
QString DossierBureau();

// GET into memory; false on any failure (no connection, an error status, no
// data for delaiMs, more than tailleMax bytes). Runs a local event loop that
// leaves user input aside, so the window neither reacts nor hangs meanwhile.
bool TelechargeTexte(const QUrl& adresse, QByteArray& contenu, int delaiMs,
                     qint64 tailleMax = TAILLE_MAX_FICHIER_DATE);

// GET into a file: the data go to a temporary file beside `chemin`, renamed
// to `chemin` (replacing it) only once the whole body has arrived; after a
// failure no file of ours is left and an earlier `chemin` is untouched.
bool TelechargeFichier(const QUrl& adresse, const QString& chemin, int delaiMs,
                       qint64 tailleMax = TAILLE_MAX_INSTALLATEUR);

struct TContexteMiseAJour {
  QWidget* Fenetre = nullptr;  // the main window; null: no indicator is shown
  int LargeurEcran = 1024;
  int HauteurEcran = 768;
  QString DossierImages;       // folder of email.bmp, with a final separator
  QString Version;             // ours, "14-02-2024"
  QString AdresseServeur = AdresseServeurMiseAJour();
  QString DossierBureau = korvalo::DossierBureau();
  int DelaiInactiviteMs = DELAI_INACTIVITE_MS;
};

// How a check ended; the window has nothing to do with it, tests do.
enum class TIssueMiseAJour {
  Sautee,               // no server address
  EchecDate,            // the date file could not be fetched
  AJour,                // same version
  Refusee,              // the user declined the download
  EchecTelechargement,  // the set-up program could not be fetched
  Telechargee,          // on the desktop; the user goes on working
  FermetureDemandee,    // on the desktop; a quit is queued
};

TIssueMiseAJour VerifieDate(const TContexteMiseAJour& contexte);

// The download indicator: a button on the window, 164 x 65 and centred on the
// screen, showing email.bmp on the tooltip colour, shown at once (the window
// is repainted because no events are handled during the download). Owned by
// the window; VerifieDate deletes it when the download ends.
QPushButton* AfficheTelechargement(const TContexteMiseAJour& contexte);

}  // namespace korvalo
