// SPDX-License-Identifier: MIT
#pragma once

#include "plots/flow_picture.h"
#include "plots/surfaces.h"

#include <QByteArray>
#include <string>
#include <vector>

namespace kestrel::cli {

enum class PictureFormat { Png, Svg };

// One rendered plot: the file name (the surface's objectName and the format's extension) and
// the file's contents.
struct PictureFile {
    std::string name;
    QByteArray bytes;
};

// The smallest and largest picture scale: times the surface's logical size in the window.
inline constexpr double kMinPictureScale = 0.5;
inline constexpr double kMaxPictureScale = 8;

// Renders the five surfaces as the window paints them (background, sunken border, recorded lines
// and circles, the static labels on each surface), in the order of the window's layout, each
// round(logical size x scale) pixels large. Creates a QGuiApplication on Qt's offscreen platform
// for the label fonts when none exists yet, so no display is ever needed.
std::vector<PictureFile> renderPictures(const PlotSurfaces& surfaces, PictureFormat format,
                                        double scale);

// The flow picture (both planes and the Cp legend) of width x height pixels, headless like
// renderPictures. Throws RunError when it cannot be made or encoded.
QByteArray renderFlowPicture(const FlowPicture& picture, int width, int height,
                             PictureFormat format);

} // namespace kestrel::cli
