#include "BoutonImage.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace korvalo {

TBoutonImage::TBoutonImage(QWidget* parent, int marge, bool prendFocus) : QAbstractButton(parent), marge_(marge) {
  setFocusPolicy(prendFocus ? Qt::StrongFocus : Qt::NoFocus);
}

void TBoutonImage::setImage(const QPixmap& image) {
  image_ = image;
  update();
}

QSize TBoutonImage::sizeHint() const {
  const QSize texte = fontMetrics().size(Qt::TextSingleLine, text());
  const int gauche = marge_ < 0 ? 0 : marge_;
  return {gauche + image_.width() + texte.width() + 12, std::max(image_.height(), texte.height()) + 8};
}

void TBoutonImage::paintEvent(QPaintEvent*) {
  QStylePainter peintre(this);
  QStyleOptionButton option;
  option.initFrom(this);
  option.features = QStyleOptionButton::None;
  if (isDown()) option.state |= QStyle::State_Sunken;
  else option.state |= QStyle::State_Raised;
  if (hasFocus()) option.state |= QStyle::State_HasFocus;
  peintre.drawControl(QStyle::CE_PushButtonBevel, option);

  const QRect zone = rect();
  const int decalage = isDown() ? 1 : 0;
  int finImage = 0;
  if (!image_.isNull()) {
    // The bitmap's own size, at the screen's density.
    const QSize taille = image_.deviceIndependentSize().toSize();
    const int x = marge_ < 0 ? (zone.width() - taille.width()) / 2 : marge_;
    const int y = (zone.height() - taille.height()) / 2;
    peintre.drawPixmap(QRect(QPoint(x + decalage, y + decalage), taille), image_);
    finImage = x + taille.width();
  } else if (marge_ >= 0) {
    finImage = marge_;
  }
  if (!text().isEmpty()) {
    const QRect zoneTexte(finImage + decalage, decalage, std::max(0, zone.width() - finImage), zone.height());
    // A caption wider than its space is drawn smaller rather than cut (a
    // long caption on a small screen).
    QFont police = font();
    const int place = zoneTexte.width() - 4;
    while (police.pixelSize() > 6 && QFontMetrics(police).horizontalAdvance(text()) > place)
      police.setPixelSize(police.pixelSize() - 1);
    peintre.setFont(police);
    peintre.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    peintre.drawText(zoneTexte, Qt::AlignCenter | Qt::TextSingleLine, text());
  }
}

}  // namespace korvalo
