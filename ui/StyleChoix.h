#pragma once
// The value choosers are 40 pixels wide on a 1024 x 768 screen: with the
// style's usual arrow, "-0.5" would show as ".5". This style gives the arrow
// a quarter of the chooser at most and the text the rest.

#include <QProxyStyle>

namespace korvalo {

class TStyleChoix : public QProxyStyle {
 public:
  TStyleChoix();
  QRect subControlRect(ComplexControl controle, const QStyleOptionComplex* option, SubControl partie,
                       const QWidget* widget) const override;
};

}  // namespace korvalo
