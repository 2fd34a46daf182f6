// korvalo-images DIR: draws the twelve button images of the workbench as
// 24-bit Windows bitmaps into DIR/XGA and DIR/SXGA. Run on demand through the
// `images` target; the program only reads the committed files.
//
// Every square pictogram is drawn on a 100 x 100 grid scaled to its size, with
// one outline colour and one stroke weight, so that the set looks of a piece.

#include <QColor>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QTransform>

#include <cmath>
#include <cstdio>
#include <functional>

#include "TaillesImages.h"

namespace korvalo {
namespace {

const QColor Contour(0x26, 0x2c, 0x3a);
const QColor Blanc(0xff, 0xff, 0xff);
const QColor Rouge(0xd6, 0x36, 0x2b);
const QColor Vert(0x2e, 0x9a, 0x4c);
const QColor Bleu(0x2f, 0x5d, 0x9e);
const QColor Jaune(0xf2, 0xc2, 0x30);
const QColor Metal(0xc3, 0xc9, 0xd2);
const QColor Bois(0xa0, 0x62, 0x2d);

constexpr double TRAIT = 3.4;

QPen Plume(const QColor& couleur = Contour, double epaisseur = TRAIT) {
  return QPen(couleur, epaisseur, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void Remplit(QPainter& p, const QPainterPath& chemin, const QColor& fond, double epaisseur = TRAIT) {
  p.setPen(Plume(Contour, epaisseur));
  p.setBrush(fond);
  p.drawPath(chemin);
}

QPainterPath Polygone(std::initializer_list<QPointF> points) {
  QPainterPath chemin;
  chemin.addPolygon(QPolygonF(QList<QPointF>(points)));
  chemin.closeSubpath();
  return chemin;
}

// Filled arrow head whose tip is at `pointe`, pointing along `angle` (radians).
QPainterPath Pointe(QPointF pointe, double angle, double longueur, double demiLargeur) {
  const QPointF axe(std::cos(angle), std::sin(angle));
  const QPointF normale(-axe.y(), axe.x());
  const QPointF base = pointe - axe * longueur;
  return Polygone({pointe, base + normale * demiLargeur, base - normale * demiLargeur});
}

// Lifebuoy: a red ring with four white bands.
void DessineBouee(QPainter& p) {
  const QPointF centre(50, 50);
  QPainterPath anneau;
  anneau.addEllipse(centre, 40, 40);
  anneau.addEllipse(centre, 19, 19);
  anneau.setFillRule(Qt::OddEvenFill);
  p.setPen(Qt::NoPen);
  p.setBrush(Rouge);
  p.drawPath(anneau);
  for (int k = 0; k < 4; ++k) {
    QPainterPath secteur;
    secteur.moveTo(centre);
    secteur.arcTo(QRectF(0, 0, 100, 100), 45 + 90 * k - 17, 34);
    secteur.closeSubpath();
    p.setBrush(Blanc);
    p.drawPath(secteur.intersected(anneau));
  }
  p.setPen(Plume());
  p.setBrush(Qt::NoBrush);
  p.drawPath(anneau);
}

// Pencil writing a line.
void DessineEcrire(QPainter& p) {
  // The written line first, so that the pencil tip covers its end.
  QPainterPath ligne;
  ligne.moveTo(6, 88);
  ligne.cubicTo(14, 70, 20, 98, 32, 70);
  p.setPen(Plume(Bleu, 4.2));
  p.setBrush(Qt::NoBrush);
  p.drawPath(ligne);

  p.save();
  p.translate(60, 40);
  p.rotate(-45);
  // Axis along x, tip at x = -40.
  const QPainterPath bois = Polygone({{-22, -9}, {-22, 9}, {-40, 0}});
  Remplit(p, bois, QColor(0xea, 0xcd, 0xa4));
  const QPainterPath mine = Polygone({{-33.5, -3.4}, {-33.5, 3.4}, {-40, 0}});
  p.setPen(Plume(Contour, 2.0));
  p.setBrush(Contour);
  p.drawPath(mine);
  QPainterPath corps;
  corps.addRect(-22, -9, 50, 18);
  Remplit(p, corps, Jaune);
  p.setPen(Plume(QColor(0xc9, 0x93, 0x12), 2.2));
  p.drawLine(QPointF(-20, 0), QPointF(26, 0));
  QPainterPath virole;
  virole.addRect(28, -9, 7, 18);
  Remplit(p, virole, Metal);
  QPainterPath gomme;
  gomme.addRoundedRect(QRectF(35, -9, 9, 18), 3.5, 3.5);
  Remplit(p, gomme, QColor(0xe8, 0x8a, 0x9a));
  p.restore();
}

// Floppy disk: blue body with a cut corner, metal shutter, white label.
void DessineDisquette(QPainter& p) {
  const QPainterPath corps = Polygone({{12, 12}, {78, 12}, {88, 22}, {88, 88}, {12, 88}});
  Remplit(p, corps, Bleu);
  QPainterPath volet;
  volet.addRect(30, 12, 40, 26);
  Remplit(p, volet, Metal);
  QPainterPath fente;
  fente.addRect(55, 17, 8, 16);
  p.setPen(Qt::NoPen);
  p.setBrush(Bleu);
  p.drawPath(fente);
  QPainterPath etiquette;
  etiquette.addRoundedRect(QRectF(22, 50, 56, 38), 2, 2);
  Remplit(p, etiquette, Blanc);
  p.setPen(Plume(QColor(0x9a, 0xa4, 0xb4), 2.6));
  for (double y : {60.0, 69.0, 78.0}) p.drawLine(QPointF(30, y), QPointF(70, y));
}

// Jump: a green arrow leaping over a hurdle.
void DessineSaut(QPainter& p) {
  p.setPen(Plume(Contour, 3.0));
  p.drawLine(QPointF(6, 91), QPointF(94, 91));
  // Hurdle: two posts and a striped bar.
  p.setPen(Plume(Contour, 3.4));
  p.drawLine(QPointF(38, 66), QPointF(38, 91));
  p.drawLine(QPointF(62, 66), QPointF(62, 91));
  QPainterPath barre;
  barre.addRect(32, 62, 36, 8);
  Remplit(p, barre, Blanc, 2.8);
  p.setPen(Qt::NoPen);
  p.setBrush(Rouge);
  for (double x : {35.0, 47.0, 59.0}) p.drawRect(QRectF(x, 63.4, 6, 5.2));

  QPainterPath arc;
  arc.moveTo(12, 84);
  arc.cubicTo(18, 8, 74, 6, 82, 66);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(Contour, 13, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawPath(arc);
  p.setPen(QPen(Vert, 7, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawPath(arc);
  const double angle = std::atan2(66.0 - 6.0, 82.0 - 74.0);
  Remplit(p, Pointe(QPointF(84.5, 86), angle, 22, 12), Vert, 3.2);
}

// Display: a screen showing a small table of figures.
void DessineAffiche(QPainter& p) {
  QPainterPath pied = Polygone({{42, 72}, {58, 72}, {63, 86}, {37, 86}});
  Remplit(p, pied, Metal);
  QPainterPath socle;
  socle.addRoundedRect(QRectF(26, 85, 48, 7), 3, 3);
  Remplit(p, socle, Metal);
  QPainterPath cadre;
  cadre.addRoundedRect(QRectF(6, 12, 88, 62), 5, 5);
  Remplit(p, cadre, QColor(0x3a, 0x42, 0x50));
  QPainterPath ecran;
  ecran.addRect(13, 19, 74, 48);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0xdd, 0xeb, 0xf7));
  p.drawPath(ecran);
  // Heading line, then rows of figures in three columns.
  p.setPen(Plume(Bleu, 4.0));
  p.drawLine(QPointF(19, 27), QPointF(81, 27));
  p.setPen(Plume(QColor(0x1f, 0x2a, 0x5c), 3.2));
  for (double y : {37.0, 46.0, 55.0}) {
    p.drawLine(QPointF(19, y), QPointF(34, y));
    p.drawLine(QPointF(43, y), QPointF(58, y));
    p.drawLine(QPointF(67, y), QPointF(81, y));
  }
}

// Newton's apple: a red apple with its stem and a leaf.
void DessineNewton(QPainter& p) {
  QPainterPath pomme;
  pomme.moveTo(50, 30);
  pomme.cubicTo(62, 19, 90, 23, 88, 53);
  pomme.cubicTo(86, 79, 67, 95, 56, 91);
  pomme.cubicTo(52, 89.5, 48, 89.5, 44, 91);
  pomme.cubicTo(33, 95, 14, 79, 12, 53);
  pomme.cubicTo(10, 23, 38, 19, 50, 30);
  Remplit(p, pomme, Rouge);
  QPainterPath reflet;
  reflet.addEllipse(QRectF(22, 38, 11, 20));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0xf1, 0x8c, 0x7e));
  p.drawPath(reflet);
  QPainterPath queue;
  queue.moveTo(50, 31);
  queue.cubicTo(50, 22, 52, 16, 56, 9);
  p.setBrush(Qt::NoBrush);
  p.setPen(Plume(QColor(0x6b, 0x45, 0x22), 4.0));
  p.drawPath(queue);
  QPainterPath feuille;
  feuille.moveTo(54, 18);
  feuille.cubicTo(60, 6, 76, 4, 84, 10);
  feuille.cubicTo(76, 22, 62, 24, 54, 18);
  Remplit(p, feuille, Vert, 2.8);
  p.setPen(Plume(QColor(0x1f, 0x6e, 0x35), 1.8));
  p.drawLine(QPointF(57, 17), QPointF(78, 11));
}

// Scales: a beam on a pillar with two pans.
void DessineBalance(QPainter& p) {
  const QColor laiton(0xd4, 0xa0, 0x35);
  QPainterPath socle = Polygone({{34, 84}, {66, 84}, {74, 92}, {26, 92}});
  Remplit(p, socle, laiton);
  QPainterPath pilier;
  pilier.addRect(46, 24, 8, 60);
  Remplit(p, pilier, laiton);
  QPainterPath fleau;
  fleau.addRoundedRect(QRectF(12, 22, 76, 7), 3, 3);
  Remplit(p, fleau, laiton);
  QPainterPath pivot;
  pivot.addEllipse(QPointF(50, 20), 6, 6);
  Remplit(p, pivot, laiton);
  for (double x : {18.0, 82.0}) {
    p.setPen(Plume(Contour, 2.4));
    p.drawLine(QPointF(x, 27), QPointF(x - 13, 62));
    p.drawLine(QPointF(x, 27), QPointF(x + 13, 62));
    QPainterPath plateau;
    plateau.moveTo(x - 17, 62);
    plateau.lineTo(x + 17, 62);
    plateau.cubicTo(x + 14, 74, x - 14, 74, x - 17, 62);
    Remplit(p, plateau, laiton);
  }
}

// Exit: an open door and an arrow going out.
void DessineLuke(QPainter& p) {
  QPainterPath embrasure;
  embrasure.addRect(18, 8, 46, 84);
  Remplit(p, embrasure, QColor(0xff, 0xf1, 0xbf));
  QPainterPath battant = Polygone({{18, 8}, {36, 16}, {36, 86}, {18, 92}});
  Remplit(p, battant, Bois);
  QPainterPath poignee;
  poignee.addEllipse(QPointF(31, 52), 2.6, 2.6);
  p.setPen(Qt::NoPen);
  p.setBrush(Jaune);
  p.drawPath(poignee);
  p.setPen(Plume(Contour, 3.0));
  p.drawLine(QPointF(8, 92), QPointF(74, 92));
  // The arrow leaves through the doorway.
  QPainterPath fleche = Polygone({{44, 44}, {70, 44}, {70, 32}, {95, 52}, {70, 72}, {70, 60}, {44, 60}});
  Remplit(p, fleche, Vert);
}

// Joker: a tilted card showing a jester's cap.
void DessineJoker(QPainter& p) {
  p.save();
  p.translate(50, 50);
  p.rotate(-8);
  QPainterPath carte;
  carte.addRoundedRect(QRectF(-29, -42, 58, 84), 7, 7);
  Remplit(p, carte, Blanc);
  // Cap: three horns over a band, filling the middle of the card.
  p.save();
  p.translate(0, 7);
  p.scale(1.12, 1.12);
  const QColor couleurs[3] = {Rouge, Vert, Rouge};
  const QPointF pointes[3] = {{-24, -19}, {0, -31}, {24, -19}};
  const double bases[4] = {-16, -5.5, 5.5, 16};
  for (int k = 0; k < 3; ++k) {
    QPainterPath corne;
    const double gauche = bases[k];
    const double droite = bases[k + 1];
    corne.moveTo(gauche, 10);
    corne.cubicTo(gauche, -2, pointes[k].x() * 0.6, pointes[k].y() * 0.5, pointes[k].x(), pointes[k].y());
    corne.cubicTo(pointes[k].x() * 0.3 + droite * 0.7, pointes[k].y() * 0.2, droite, 0, droite, 10);
    corne.closeSubpath();
    Remplit(p, corne, couleurs[k], 2.6);
  }
  QPainterPath bande;
  bande.addRoundedRect(QRectF(-18, 9, 36, 9), 3, 3);
  Remplit(p, bande, Jaune, 2.6);
  for (const QPointF& pointe : pointes) {
    QPainterPath grelot;
    grelot.addEllipse(pointe, 4.2, 4.2);
    Remplit(p, grelot, Jaune, 2.2);
  }
  p.restore();
  // Small diamonds in two corners of the card.
  for (const QPointF& coin : {QPointF(-20, -32), QPointF(20, 32)}) {
    const QPainterPath losange =
        Polygone({coin + QPointF(0, -5), coin + QPointF(3.6, 0), coin + QPointF(0, 5), coin + QPointF(-3.6, 0)});
    p.setPen(Qt::NoPen);
    p.setBrush(Rouge);
    p.drawPath(losange);
  }
  p.restore();
}

// Envelope with a green download badge; drawn on a grid `largeur` x 100.
void DessineEnveloppe(QPainter& p, double largeur) {
  const double g = largeur / 2 - 62;
  const double d = largeur / 2 + 50;
  QPainterPath enveloppe;
  enveloppe.addRoundedRect(QRectF(g, 14, d - g, 70), 4, 4);
  Remplit(p, enveloppe, Blanc);
  QPainterPath rabat;
  rabat.moveTo(g + 2, 17);
  rabat.lineTo((g + d) / 2, 54);
  rabat.lineTo(d - 2, 17);
  p.setPen(Plume());
  p.setBrush(Qt::NoBrush);
  p.drawPath(rabat);
  p.setPen(Plume(Contour, 2.4));
  p.drawLine(QPointF(g + 3, 81), QPointF(g + 36, 50));
  p.drawLine(QPointF(d - 3, 81), QPointF(d - 36, 50));
  const QPointF centre(d + 2, 72);
  QPainterPath pastille;
  pastille.addEllipse(centre, 22, 22);
  Remplit(p, pastille, Vert);
  QPainterPath fleche =
      Polygone({centre + QPointF(-5, -14), centre + QPointF(5, -14), centre + QPointF(5, 0), centre + QPointF(12, 0),
                centre + QPointF(0, 13), centre + QPointF(-12, 0), centre + QPointF(-5, 0)});
  p.setPen(Plume(Contour, 1.6));
  p.setBrush(Blanc);
  p.drawPath(fleche);
}

// French flag on a grid 150 x 100.
void DessineFrancais(QPainter& p) {
  p.setPen(Qt::NoPen);
  p.fillRect(QRectF(0, 0, 50, 100), QColor(0x00, 0x55, 0xa4));
  p.fillRect(QRectF(50, 0, 50, 100), Blanc);
  p.fillRect(QRectF(100, 0, 50, 100), QColor(0xef, 0x41, 0x35));
}

// Union flag on the 60 x 30 grid of its own construction sheet.
void DessineAnglais(QPainter& p) {
  const QColor bleu(0x01, 0x21, 0x69);
  const QColor rouge(0xc8, 0x10, 0x2e);
  p.setPen(Qt::NoPen);
  p.fillRect(QRectF(0, 0, 60, 30), bleu);
  p.setPen(QPen(Blanc, 6, Qt::SolidLine, Qt::FlatCap));
  p.drawLine(QPointF(0, 0), QPointF(60, 30));
  p.drawLine(QPointF(60, 0), QPointF(0, 30));
  // The red saltire is counterchanged: in each arm it lies on the left of the
  // line running out from the centre.
  const QPointF centre(30, 15);
  for (const QPointF& coin : {QPointF(0, 0), QPointF(60, 0), QPointF(60, 30), QPointF(0, 30)}) {
    const QPointF axe = coin - centre;
    const double n = std::hypot(axe.x(), axe.y());
    const QPointF gauche(axe.y() / n, -axe.x() / n);
    p.save();
    p.setClipRect(QRectF(centre, coin).normalized());
    p.setPen(QPen(rouge, 2, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(centre + gauche, coin + gauche);
    p.restore();
  }
  p.fillRect(QRectF(25, 0, 10, 30), Blanc);
  p.fillRect(QRectF(0, 10, 60, 10), Blanc);
  p.fillRect(QRectF(27, 0, 6, 30), rouge);
  p.fillRect(QRectF(0, 12, 60, 6), rouge);
}

using Dessin = std::function<void(QPainter&, int largeur, int hauteur)>;

Dessin Carre(void (*dessine)(QPainter&)) {
  return [dessine](QPainter& p, int largeur, int hauteur) {
    p.scale(largeur / 100.0, hauteur / 100.0);
    dessine(p);
  };
}

// A flag fills the image but for a one-pixel frame of background, under a
// thin outline.
Dessin Drapeau(void (*dessine)(QPainter&), double largeurGrille, double hauteurGrille) {
  return [=](QPainter& p, int largeur, int hauteur) {
    const QRectF zone(1, 1, largeur - 2, hauteur - 2);
    p.save();
    p.setClipRect(zone);
    p.translate(zone.topLeft());
    p.scale(zone.width() / largeurGrille, zone.height() / hauteurGrille);
    dessine(p);
    p.restore();
    p.setPen(QPen(Contour, 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawRect(zone.adjusted(0.5, 0.5, -0.5, -0.5));
  };
}

Dessin DessinDe(int i) {
  switch (i) {
    case 0: return Carre(DessineBouee);
    case 1: return Carre(DessineEcrire);
    case 2: return Carre(DessineDisquette);
    case 3: return Carre(DessineSaut);
    case 4: return Carre(DessineAffiche);
    case 5: return Carre(DessineNewton);
    case 6: return Carre(DessineBalance);
    case 7: return Carre(DessineLuke);
    case 8: return Drapeau(DessineFrancais, 150, 100);
    case 9: return Drapeau(DessineAnglais, 60, 30);
    case 10: return Carre(DessineJoker);
    default:
      return [](QPainter& p, int largeur, int hauteur) {
        p.scale(hauteur / 100.0, hauteur / 100.0);
        DessineEnveloppe(p, largeur * 100.0 / hauteur);
      };
  }
}

QImage Image(int i, int jeu) {
  const TTailleImage& t = TaillesImages[i];
  QImage image(t.Largeur[jeu], t.Hauteur[jeu], QImage::Format_RGB32);
  image.fill(QColor::fromRgb(COULEUR_FOND));
  // 96 dots per inch, whatever the machine's screen: the files stay identical.
  image.setDotsPerMeterX(3780);
  image.setDotsPerMeterY(3780);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  DessinDe(i)(p, t.Largeur[jeu], t.Hauteur[jeu]);
  p.end();
  return image;
}

}  // namespace
}  // namespace korvalo

int main(int argc, char** argv) {
  // Paths on a QImage need neither a screen nor an application object.
  if (argc != 2) {
    std::fprintf(stderr, "usage: korvalo-images DIR (writes DIR/XGA/*.bmp and DIR/SXGA/*.bmp)\n");
    return 2;
  }
  const QString racine = QString::fromLocal8Bit(argv[1]);
  for (int jeu = 0; jeu < 2; ++jeu) {
    const QString dossier = racine + QLatin1Char('/') + QLatin1String(korvalo::NomsJeux[jeu]);
    if (!QDir().mkpath(dossier)) {
      std::fprintf(stderr, "korvalo-images: cannot create the folder %s\n", qPrintable(dossier));
      return 1;
    }
    for (int i = 0; i < korvalo::NB_IMAGES; ++i) {
      const QString chemin = dossier + QLatin1Char('/') + QLatin1String(korvalo::TaillesImages[i].Fichier);
      // Without alpha the BMP writer stores 24 bits per pixel.
      if (!korvalo::Image(i, jeu).save(chemin, "BMP")) {
        std::fprintf(stderr, "korvalo-images: cannot write %s\n", qPrintable(chemin));
        return 1;
      }
    }
  }
  return 0;
}
