// SPDX-License-Identifier: MIT
// The one QPainter painter of the plots: colours, label fonts and a recorded surface painted
// into a device rectangle, for the window and for exported pictures alike.
#pragma once

#include "plots/labels.h"
#include "plots/surface.h"

#include <QColor>
#include <QFont>
#include <QRectF>

class QPainter;

namespace kestrel {

QColor toQColor(Colour colour);

// A sans-serif font: Arial where it exists, otherwise a metric-compatible or common face.
QFont sansSerifFont(double points, bool italic);

// Fonts of the plots' labels. Arial where it exists, otherwise a metric-compatible or common
// sans-serif face; the Greek letters are shown in an ordinary serif font.
QFont labelFont(LabelFont kind);

// Paints the recorded lines and circles of a surface into the device rectangle `area`, which
// stands for the surface's drawing area: the user coordinate system is stretched over it.
// Antialiased, with cosmetic one-pixel pens so a line stays one pixel wide at any scale;
// `lineWidth` widens the pens for high-resolution pictures. Circles are round on the device
// whatever the two axis scales are. The background is not painted.
void paintSurface(QPainter& painter, const Surface& surface, const QRectF& area,
                  double lineWidth = 1);

} // namespace kestrel
