#pragma once
// The image buttons of the main window: the image at a fixed margin from the
// left edge and the caption centred in the space that remains, or, with no
// margin, the image alone in the middle. Qt's own buttons centre image and
// text together, hence this small painter.

#include <QAbstractButton>
#include <QPixmap>

namespace korvalo {

class TBoutonImage : public QAbstractButton {
 public:
  // marge: pixels between the left edge and the image; negative centres the
  // image. Speed buttons take no keyboard focus; the title plate does.
  TBoutonImage(QWidget* parent, int marge, bool prendFocus);

  void setImage(const QPixmap& image);
  const QPixmap& Image() const { return image_; }
  int Marge() const { return marge_; }

  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent*) override;

 private:
  QPixmap image_;
  int marge_;
};

}  // namespace korvalo
