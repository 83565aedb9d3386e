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

inline QRect twipsRect(const Control& control) {
    return twipsRect(control.left, control.top, control.width, control.height);
}

// The window's default font, used by the frames, text boxes and plain labels.
QFont windowFont();

// A box of logical pixels at a zoom: its edges zoomed (plots/zoom.h), so that boxes that meet
// still meet and the box at 1 is the box itself.
QRect zoomedRect(const QRect& rect, double zoom);

// The font at a zoom: its size times the zoom.
QFont zoomedFont(QFont font, double zoom);

// Where a second window of `size` goes beside the `main` window's frame, inside the screen's
// `available` area: on the right of it where it fits, else on the left; where neither side has
// room for it, on the roomier side narrowed to that room but no narrower than `minimum`, and
// where even that does not fit, against the screen's edge on that side, covering as little of the
// main window as it can. Its top is the main window's, moved down or up to keep it on the screen.
QRect besideWindow(const QRect& main, QSize size, QSize minimum, const QRect& available);

} // namespace kestrel
