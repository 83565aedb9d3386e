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

// The font of a recorded text: Caption 8 pt plain, Heading 9 pt bold, both sans-serif.
QFont textFont(TextFont kind);

// Paints the record of a surface into the device rectangle `area`, which stands for the
// surface's drawing area: the user coordinate system is stretched over it. Lines and polylines
// are antialiased, with cosmetic pens so a one-pixel line stays one pixel wide at any scale;
// `lineWidth` widens the pens for high-resolution pictures. Circles are round on the device
// whatever the two axis scales are; marker sizes are logical pixels of the painter. Polygons
// are filled without antialiasing, so that neighbouring polygons meet without seams and a mesh
// of many is cheap. The background is not painted.
void paintSurface(QPainter& painter, const Surface& surface, const QRectF& area,
                  double lineWidth = 1);

} // namespace kestrel
