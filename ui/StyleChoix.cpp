#include "StyleChoix.h"

#include <QStyleFactory>
#include <QStyleOptionComplex>

namespace korvalo {

TStyleChoix::TStyleChoix() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

QRect TStyleChoix::subControlRect(ComplexControl controle, const QStyleOptionComplex* option, SubControl partie,
                                  const QWidget* widget) const {
  QRect r = QProxyStyle::subControlRect(controle, option, partie, widget);
  if (controle != CC_ComboBox || (partie != SC_ComboBoxArrow && partie != SC_ComboBoxEditField)) return r;
  const QRect fleche = QProxyStyle::subControlRect(controle, option, SC_ComboBoxArrow, widget);
  const int largeur = std::min(fleche.width(), std::max(8, option->rect.width() / 4));
  const int gain = fleche.width() - largeur;
  if (gain <= 0) return r;
  if (partie == SC_ComboBoxArrow) r.setLeft(r.left() + gain);
  else r.setRight(r.right() + gain);
  return r;
}

}  // namespace korvalo
