#include "app/pic_canvas.h"

#include <QPaintEvent>
#include <QPainter>

namespace zelvor {

PicCanvas::PicCanvas(QWidget* parent) : QWidget(parent) {
  setFocusPolicy(Qt::NoFocus);
  setAutoFillBackground(true);  // erases its background before drawing
}

void PicCanvas::SetBackdrop(const QImage& picture) {
  backdrop_ = picture;
  fittedFor_ = QSize();
  update();
}

const QPixmap& PicCanvas::Shown() {
  // Fitted again only when the size has changed since.
  if (fittedFor_ != size()) {
    fittedFor_ = size();
    if (backdrop_.isNull() || width() <= 0 || height() <= 0) {
      fitted_ = QPixmap();
    } else if (backdrop_.size() == size()) {
      fitted_ = QPixmap::fromImage(backdrop_);
    } else {
      fitted_ = QPixmap::fromImage(
          backdrop_.scaled(size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
    }
  }
  return fitted_;
}

void PicCanvas::paintEvent(QPaintEvent*) {
  const QPixmap& shown = Shown();
  if (shown.isNull()) return;
  QPainter p(this);
  // Centred when the aspect ratios differ.
  p.drawPixmap((width() - shown.width()) / 2, (height() - shown.height()) / 2, shown);
}

}  // namespace zelvor
