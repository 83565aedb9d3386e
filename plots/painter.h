#pragma once

#include "plots/layout.h"
#include "plots/surface.h"

#include <QColor>
#include <QFont>
#include <QRectF>

class QPainter;

namespace kestrel {

QColor toQColor(Colour colour);

// Fonts of the window's labels. Arial where it exists, otherwise a metric-compatible or common
// sans-serif face; the Greek letters are shown in an ordinary serif font.
QFont labelFont(LabelFont kind);
// The window's default font, used by the frames, text boxes and plain labels.
QFont windowFont();

// Paints the recorded lines and circles of a surface into the device rectangle `area`, which
// stands for the surface's drawing area: the user coordinate system is stretched over it.
// Antialiased, with cosmetic one-pixel pens so a line stays one pixel wide at any scale;
// `lineWidth` widens the pens for high-resolution pictures. Circles are round on the device
// whatever the two axis scales are. The background is not painted.
void paintSurface(QPainter& painter, const Surface& surface, const QRectF& area,
                  double lineWidth = 1);

} // namespace kestrel
