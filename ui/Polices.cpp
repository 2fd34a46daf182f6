#include "Polices.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QScreen>

#include <algorithm>
#include <cmath>

namespace korvalo {

void InstalleSubstitutionsPolices() {
  const struct {
    const QString& nom;
    QStringList remplacants;
  } substitutions[] = {
      {NomTahoma, {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")}},
      {NomCourier, {QStringLiteral("Liberation Mono"), QStringLiteral("DejaVu Sans Mono")}},
      {NomTimes, {QStringLiteral("Liberation Serif"), QStringLiteral("DejaVu Serif")}},
  };
  for (const auto& s : substitutions)
    if (!QFontDatabase::hasFamily(s.nom)) QFont::insertSubstitutions(s.nom, s.remplacants);
}

int HauteurCellule(int taille) {
  if (taille >= 0) return taille;
  const QScreen* ecran = QGuiApplication::primaryScreen();
  const double dpi = ecran ? ecran->logicalDotsPerInchY() : 96.0;
  return static_cast<int>(std::lround(-taille * dpi / 72.0));
}

QFont PoliceCellule(const QString& famille, int taille, bool gras, bool italique) {
  QFont police(famille);
  police.setBold(gras);
  police.setItalic(italique);
  const int cellule = HauteurCellule(taille);
  // The cell grows with the pixel size but skips some heights; take the
  // largest size that still fits.
  int choisie = 1;
  for (int pixels = std::max(1, cellule); pixels >= 1; --pixels) {
    police.setPixelSize(pixels);
    if (QFontMetrics(police).height() <= cellule) {
      choisie = pixels;
      break;
    }
  }
  police.setPixelSize(choisie);
  return police;
}

QFont PoliceQuiTient(QFont police, const QStringList& textes, int largeur) {
  const int depart = police.pixelSize();
  if (depart <= 0) return police;
  const int plancher = std::max(1, (depart * 7 + 9) / 10);
  auto tient = [&] {
    const QFontMetrics mesure(police);
    for (const QString& t : textes)
      if (mesure.horizontalAdvance(t) > largeur) return false;
    return true;
  };
  for (int pixels = depart; pixels > plancher && !tient(); --pixels) police.setPixelSize(pixels - 1);
  return police;
}

}  // namespace korvalo
