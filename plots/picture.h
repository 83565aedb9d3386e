// SPDX-License-Identifier: MIT
// One whole plot picture as the window shows it: background, sunken border, recorded lines and
// circles, and the static labels on it.
#pragma once

#include "plots/surfaces.h"

#include <QSize>

class QPainter;

namespace kestrel {

// Outer size in logical pixels of the surface's picture.
QSize pictureSize(SurfaceId id);

// Whether paintPicture paints the static labels itself. The window leaves them to its label
// widgets, which show the same texts in the same fonts and boxes.
enum class PictureLabels { Painted, LeftToWidgets };

// Paints one plot into a painter whose device is `scale` times the picture's logical size: the
// plot background, the sunken border, the recorded lines and circles inside it, and the labels
// of that surface cut to its drawing area. Needs a QGuiApplication for the label fonts.
void paintPicture(QPainter& painter, const Surface& surface, SurfaceId id, double scale,
                  PictureLabels labels = PictureLabels::Painted);

} // namespace kestrel
