#pragma once

#include "plots/layout.h"
#include "plots/surface.h"

#include <QSize>
#include <string_view>

class QPainter;

namespace kestrel {

// Width of the sunken border around every drawing surface, in logical pixels.
inline constexpr int kSurfaceBorder = 2;

// Outer size in logical pixels of the window's surface with that objectName.
QSize surfaceSize(const SurfaceLayout& layout);

// Paints one plot as the window shows it, into a painter whose device is `scale` times the
// surface's logical size: the plot background, the sunken border, the recorded lines and circles
// inside it, and the static axis labels that sit on that surface. Needs a QGuiApplication for
// the label fonts.
void paintPicture(QPainter& painter, const Surface& surface, const SurfaceLayout& layout,
                  double scale);

} // namespace kestrel
