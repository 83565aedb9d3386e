// SPDX-License-Identifier: MIT
// One whole plot picture painted as the window shows it: the record of plotPicture.
#pragma once

#include "plots/plot_picture.h"

#include <QSize>

class QPainter;

namespace kestrel {

// Outer size in logical pixels of the surface's picture.
QSize pictureSize(SurfaceId id);

// Paints a picture record (plotPicture) into a painter whose device is `scale` times the
// picture's logical size. Needs a QGuiApplication for the fonts.
void paintPictureRecord(QPainter& painter, const Surface& picture, SurfaceId id, double scale);

// Paints a picture record over a device rectangle of `size` from the painter's origin (each side
// of the picture stretched to its own), its pens `lineWidth` times as wide: a window's plot at a
// zoom, whose whole pixels hold the picture's size times the zoom to the nearest pixel.
void paintPictureRecordOver(QPainter& painter, const Surface& picture, SurfaceId id, QSizeF size,
                            double lineWidth);

// Paints one plot: its picture record made and painted. The window keeps its record and paints
// it with the function above.
void paintPicture(QPainter& painter, const Surface& surface, SurfaceId id, double scale,
                  PictureLabels labels = PictureLabels::Painted);

} // namespace kestrel
