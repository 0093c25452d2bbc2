// The picture canvas: shows one picture as its backdrop, fitted to its size.
#pragma once

#include <QImage>
#include <QPixmap>
#include <QWidget>

namespace zelvor {

class PicCanvas final : public QWidget {
 public:
  explicit PicCanvas(QWidget* parent = nullptr);

  void SetBackdrop(const QImage& picture);
  // What the canvas shows at its current size.
  const QPixmap& Shown();

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QImage backdrop_;
  QPixmap fitted_;  // the backdrop fitted to fittedFor_
  QSize fittedFor_;
};

}  // namespace zelvor
