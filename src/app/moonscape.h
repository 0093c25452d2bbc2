// The picture Moonscape shown in the window, and the application icon, both
// painted by this code rather than loaded from files.
#pragma once

#include <QIcon>
#include <QImage>
#include <QSize>

namespace zelvor {

// The size the window shows the picture at.
inline constexpr QSize kMoonscapeSize{188, 157};

// Paints a moonscape of the given size: a night sky with stars, a ringed
// planet, far hills and a cratered plain.
QImage PaintMoonscape(QSize size);

// The picture at kMoonscapeSize, painted on first use and kept for the run.
const QImage& Moonscape();

// The application icon, side by side pixels: the moon over the plain in a
// rounded square.
QImage PaintIcon(int side);

// The window icon, at a few sizes.
QIcon AppIcon();

}  // namespace zelvor
