// SPDX-License-Identifier: MIT
// The one QPainter painter of the plots: colours, fonts and a recorded surface painted into a
// device rectangle, for the window and for exported pictures alike.
#pragma once

#include "plots/surface.h"

#include <QColor>
#include <QFont>
#include <QRectF>

class QPainter;

namespace kestrel {

QColor toQColor(Colour colour);

// A font of the fonts' table (plots/fonts.h): its families in order, so that a missing one falls
// back to the next.
QFont textFont(TextFont kind);

// Paints the record of a surface into the device rectangle `area`, which stands for the
// surface's drawing area: the user coordinate system is stretched over it, and an Area item
// stretches its own over its box. Lines and polylines are antialiased, with cosmetic pens so a
// one-pixel line stays one pixel wide at any scale; `lineWidth` widens the pens for
// high-resolution pictures. Edges and framed rectangles are crisp (not antialiased), their pens
// scaled with the painter. Circles are round on the device whatever the two axis scales are;
// marker sizes are logical pixels of the painter. Polygons are filled without antialiasing, so
// that neighbouring polygons meet without seams and a mesh of many is cheap. Nothing outside the
// record is painted.
void paintSurface(QPainter& painter, const Surface& surface, const QRectF& area,
                  double lineWidth = 1);

} // namespace kestrel
