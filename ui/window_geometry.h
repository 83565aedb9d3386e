// SPDX-License-Identifier: MIT
// The window's geometry for the widgets: a place in twips as a rectangle of logical pixels, and
// the window font. The places themselves are in the window's table (plots/window_layout.h).
#pragma once

#include "plots/window_layout.h"

#include <QFont>
#include <QRect>

namespace kestrel {

inline QRect twipsRect(int left, int top, int width, int height) {
    return QRect(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width),
                 twipsToPixels(height));
}

// The window's default font, used by the frames, text boxes and plain labels.
QFont windowFont();

} // namespace kestrel
