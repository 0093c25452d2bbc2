#include "app/moonscape.h"

#include <QColor>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPointF>
#include <QPolygonF>
#include <QRadialGradient>
#include <QRectF>

#include <cstdint>

namespace zelvor {
namespace {

// A small fixed pseudo-random sequence, so the picture is the same every run.
class Dice {
 public:
  explicit Dice(std::uint32_t seed) : state_(seed) {}
  // A number in [0, 1).
  double Next() {
    state_ = state_ * 1664525u + 1013904223u;
    return static_cast<double>(state_ >> 8) / static_cast<double>(1u << 24);
  }

 private:
  std::uint32_t state_;
};

// Draws the scene into a 188 by 157 coordinate box.
void PaintScene(QPainter& p) {
  const double w = kMoonscapeSize.width();
  const double h = kMoonscapeSize.height();

  // Sky.
  QLinearGradient sky(0, 0, 0, h * 0.72);
  sky.setColorAt(0.0, QColor(4, 6, 22));
  sky.setColorAt(0.6, QColor(16, 22, 58));
  sky.setColorAt(1.0, QColor(48, 52, 96));
  p.fillRect(QRectF(0, 0, w, h), sky);

  // Stars.
  Dice dice(168);
  p.setPen(Qt::NoPen);
  for (int i = 0; i < 90; ++i) {
    const double x = dice.Next() * w;
    const double y = dice.Next() * h * 0.62;
    const double r = 0.35 + dice.Next() * 0.75;
    const int alpha = 110 + static_cast<int>(dice.Next() * 145);
    p.setBrush(QColor(255, 250, 235, alpha));
    p.drawEllipse(QPointF(x, y), r, r);
  }

  // A ringed planet low in the sky: the ring behind, the globe, the ring before.
  const QPointF planet(138, 40);
  const double pr = 19;
  p.save();
  p.translate(planet);
  p.rotate(-16);
  QPen ringPen(QColor(226, 196, 150, 200), 2.6);
  p.setPen(ringPen);
  p.setBrush(Qt::NoBrush);
  p.drawArc(QRectF(-33, -8, 66, 16), 0 * 16, 180 * 16);
  p.restore();
  QRadialGradient globe(planet + QPointF(-7, -7), pr * 1.6);
  globe.setColorAt(0.0, QColor(150, 210, 228));
  globe.setColorAt(0.5, QColor(52, 118, 160));
  globe.setColorAt(1.0, QColor(10, 30, 58));
  p.setPen(Qt::NoPen);
  p.setBrush(globe);
  p.drawEllipse(planet, pr, pr);
  // Cloud bands.
  p.save();
  QPainterPath clip;
  clip.addEllipse(planet, pr, pr);
  p.setClipPath(clip);
  p.setBrush(QColor(225, 240, 245, 70));
  p.drawRect(QRectF(planet.x() - pr, planet.y() - 6, 2 * pr, 3));
  p.drawRect(QRectF(planet.x() - pr, planet.y() + 4, 2 * pr, 2));
  p.restore();
  p.save();
  p.translate(planet);
  p.rotate(-16);
  p.setPen(ringPen);
  p.setBrush(Qt::NoBrush);
  p.drawArc(QRectF(-33, -8, 66, 16), 180 * 16, 180 * 16);
  p.restore();

  // Far hills.
  QPolygonF hills;
  hills << QPointF(0, h) << QPointF(0, 98) << QPointF(18, 90) << QPointF(34, 94)
        << QPointF(52, 80) << QPointF(70, 88) << QPointF(88, 84) << QPointF(104, 92)
        << QPointF(124, 76) << QPointF(142, 86) << QPointF(160, 82) << QPointF(176, 90)
        << QPointF(w, 86) << QPointF(w, h);
  QLinearGradient hillShade(0, 76, 0, 110);
  hillShade.setColorAt(0.0, QColor(112, 114, 130));
  hillShade.setColorAt(1.0, QColor(66, 68, 84));
  p.setBrush(hillShade);
  p.drawPolygon(hills);

  // The plain.
  QPainterPath plain;
  plain.moveTo(0, 108);
  plain.cubicTo(40, 100, 90, 112, 130, 104);
  plain.cubicTo(155, 99, 175, 103, w, 101);
  plain.lineTo(w, h);
  plain.lineTo(0, h);
  plain.closeSubpath();
  QLinearGradient ground(0, 100, 0, h);
  ground.setColorAt(0.0, QColor(168, 166, 160));
  ground.setColorAt(1.0, QColor(96, 94, 92));
  p.setBrush(ground);
  p.drawPath(plain);

  // Craters: a dark bowl with a lit rim on the side facing the planet.
  struct Crater {
    double x, y, rx, ry;
  };
  const Crater craters[] = {
      {34, 128, 18, 6}, {96, 140, 24, 7.5}, {150, 120, 12, 4},
      {70, 116, 8, 2.6}, {168, 145, 15, 5}, {14, 148, 10, 3.4},
  };
  for (const Crater& c : craters) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(70, 68, 66));
    p.drawEllipse(QPointF(c.x, c.y), c.rx, c.ry);
    p.setBrush(QColor(120, 118, 114));
    p.drawEllipse(QPointF(c.x + c.rx * 0.12, c.y + c.ry * 0.18), c.rx * 0.82, c.ry * 0.7);
    p.setPen(QPen(QColor(214, 212, 204), 1.1));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(c.x - c.rx, c.y - c.ry, 2 * c.rx, 2 * c.ry), 200 * 16, 150 * 16);
  }

  // A few pebbles.
  p.setPen(Qt::NoPen);
  for (int i = 0; i < 40; ++i) {
    const double x = dice.Next() * w;
    const double y = 110 + dice.Next() * (h - 112);
    p.setBrush(QColor(60, 58, 56, 150));
    p.drawEllipse(QPointF(x, y), 0.9, 0.6);
  }
}

}  // namespace

QImage PaintMoonscape(QSize size) {
  QImage image(size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::black);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(size.width() / static_cast<double>(kMoonscapeSize.width()),
          size.height() / static_cast<double>(kMoonscapeSize.height()));
  PaintScene(p);
  return image;
}

const QImage& Moonscape() {
  static const QImage picture = PaintMoonscape(kMoonscapeSize);
  return picture;
}

QImage PaintIcon(int side) {
  QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  const double s = side;
  QPainterPath frame;
  frame.addRoundedRect(QRectF(s * 0.04, s * 0.04, s * 0.92, s * 0.92), s * 0.18, s * 0.18);
  p.setClipPath(frame);
  // The right part of the moonscape, square, with the planet in it.
  const QImage scene = PaintMoonscape(QSize(side * 188 / 157, side));
  p.drawImage(QPointF(s - scene.width(), 0), scene);
  p.setClipping(false);
  p.setPen(QPen(QColor(30, 34, 60), s / 40.0));
  p.setBrush(Qt::NoBrush);
  p.drawPath(frame);
  return image;
}

QIcon AppIcon() {
  QIcon icon;
  for (const int side : {16, 32, 48, 64, 128}) icon.addPixmap(QPixmap::fromImage(PaintIcon(side)));
  return icon;
}

}  // namespace zelvor
