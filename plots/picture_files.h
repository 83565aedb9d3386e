// SPDX-License-Identifier: MIT
// Pictures as PNG or SVG files: a painting of a given pixel size encoded by Qt, and the five plots
// encoded as the window paints them. kestrel-calc and the window's "Save picture" share these.
#pragma once

#include "plots/surfaces.h"

#include <QByteArray>
#include <QColor>
#include <QSize>
#include <QString>
#include <functional>

class QPainter;

namespace kestrel {

// Paints a picture onto a device of its pixel size.
using PaintFunction = std::function<void(QPainter&)>;

// A logical size times a scale, rounded to whole pixels.
QSize scaledSize(QSize logical, double scale);

// A PNG of `size` pixels, filled with `background` and then painted. Throws std::runtime_error
// when the image cannot be made or encoded.
QByteArray encodePng(QSize size, const QColor& background, const PaintFunction& paint);

// An SVG whose width, height and viewBox are `size` in pixels, so that every viewer shows it at the
// size of the PNG.
QByteArray encodeSvg(QSize size, const QString& title, const PaintFunction& paint);

// One plot as the window shows it (paintPicture), `scale` times its logical size.
QByteArray plotPng(const Surface& surface, SurfaceId id, double scale);
QByteArray plotSvg(const Surface& surface, SurfaceId id, double scale);

} // namespace kestrel
