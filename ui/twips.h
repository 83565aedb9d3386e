#pragma once

#include "plots/layout.h"

#include <QRect>
#include <cmath>

namespace kestrel {

// Positions and sizes of the window are given in twips; 15 twips make one logical pixel and
// Qt's high-DPI scaling takes logical pixels to the screen.
inline int twipsToPixels(int twips) {
    return static_cast<int>(std::lround(twips / static_cast<double>(kTwipsPerPixel)));
}

inline QRect twipsRect(int left, int top, int width, int height) {
    return QRect(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width),
                 twipsToPixels(height));
}

} // namespace kestrel
