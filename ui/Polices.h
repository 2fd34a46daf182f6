#pragma once
// Fonts of the window. The design gives sizes as character cells: a negative
// size is a cell of that many points, a positive height a cell of that many
// pixels (ascent + descent, QFontMetrics::height). Qt sizes fonts by the em,
// so each is mapped to the largest pixel size whose cell does not exceed the
// design's cell.

#include <QFont>
#include <QString>
#include <QStringList>

namespace korvalo {

// The design's font names; missing on most systems outside Windows, where
// InstalleSubstitutionsPolices gives them metric-compatible stand-ins.
inline const QString NomTahoma = QStringLiteral("tahoma");
inline const QString NomCourier = QStringLiteral("courier new");
inline const QString NomTimes = QStringLiteral("times new roman");

// Liberation Mono for "courier new" (the reports need a monospace font),
// Liberation Serif for "times new roman", Liberation Sans for "tahoma" (DejaVu
// Sans, the fallback, is a good tenth wider); only for the names that the font
// database does not hold.
void InstalleSubstitutionsPolices();

// Cell height in pixels of a design size (negative: points at the screen's
// logical density; positive: pixels).
int HauteurCellule(int taille);

// A font of the family whose cell comes closest to HauteurCellule(taille)
// without exceeding it.
QFont PoliceCellule(const QString& famille, int taille, bool gras = false, bool italique = false);

// The font made smaller, a pixel at a time, until every text fits in largeur
// pixels, but not below 70 % of its size: a stand-in wider than the design's
// font must not cut a caption.
QFont PoliceQuiTient(QFont police, const QStringList& textes, int largeur);

}  // namespace korvalo
