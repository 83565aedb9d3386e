// SPDX-License-Identifier: MIT
// The window's geometry: positions and sizes in twips, their conversion to logical pixels, the
// window font, and where the five plots sit.
#pragma once

#include "plots/surfaces.h"

#include <QFont>
#include <QRect>
#include <array>

namespace kestrel {

// Positions and sizes of the window are given in twips; 15 twips make one logical pixel and
// Qt's high-DPI scaling takes logical pixels to the screen.
inline constexpr int kTwipsPerPixel = 15;

// The nearest whole logical pixel of a length or position in twips (never negative here).
constexpr int twipsToPixels(int twips) {
    return (2 * twips + kTwipsPerPixel) / (2 * kTwipsPerPixel);
}

inline QRect twipsRect(int left, int top, int width, int height) {
    return QRect(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width),
                 twipsToPixels(height));
}

// The window's default font, used by the frames, text boxes and plain labels.
QFont windowFont();

// Where a second window of `size` goes beside the `main` window's frame, inside the screen's
// `available` area: on the right of it where it fits, else on the left; where neither side has
// room for it, on the roomier side narrowed to that room but no narrower than `minimum`, and
// where even that does not fit, against the screen's edge on that side, covering as little of the
// main window as it can. Its top is the main window's, moved down or up to keep it on the screen.
QRect besideWindow(const QRect& main, QSize size, QSize minimum, const QRect& available);

// Where a plot sits in the window's client area, in twips.
struct SurfacePlacement {
    SurfaceId id;
    int left, top, width, height;
};

inline constexpr std::array<SurfacePlacement, 5> kSurfacePlacements{{
    {SurfaceId::daire, 120, 240, 3400, 3400},
    {SurfaceId::profil, 3600, 240, 4800, 2400},
    {SurfaceId::pressure, 3600, 2760, 4800, 4335},
    {SurfaceId::Picture_CL, 8520, 240, 3200, 3915},
    {SurfaceId::Picture_CM, 8520, 4320, 3255, 2775},
}};

// The window shows each plot at exactly the size of its picture.
constexpr bool placementsMatchPictures() {
    for (const SurfacePlacement& p : kSurfacePlacements) {
        const SurfaceDefinition& d = surfaceDefinition(p.id);
        if (twipsToPixels(p.width) != d.width || twipsToPixels(p.height) != d.height) {
            return false;
        }
    }
    return true;
}
static_assert(placementsMatchPictures());

} // namespace kestrel
