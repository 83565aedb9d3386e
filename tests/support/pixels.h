// SPDX-License-Identifier: MIT
// Pixel probes shared by the tests that look at painted pictures: whether an antialiased pixel
// shows one of the plot colours, and how many pixels of one picture another one lacks.
#pragma once

#include "plots/colours.h"

#include <QImage>
#include <algorithm>
#include <cstdlib>
#include <gtest/gtest.h>

namespace kestrel::test {

// Whether an antialiased pixel shows the colour: its dominant channels are the colour's by a
// clear margin (half a line's coverage over the yellow background still passes), black being a
// dark grey.
inline bool shows(QRgb pixel, Colour colour) {
    const int r = qRed(pixel), g = qGreen(pixel), b = qBlue(pixel);
    constexpr int m = 64;
    switch (colour) {
    case rgb(0, 0, 0):
        return r + g + b < 400 && std::max({r, g, b}) - std::min({r, g, b}) < m;
    case rgb(255, 0, 0):
        return r > g + m && r > b + m;
    case rgb(0, 255, 0):
        return g > r + m && g > b + m;
    case rgb(0, 0, 255):
        return b > r + m && b > g + m;
    case kMagenta:
        return r > g + m && b > g + m;
    default:
        ADD_FAILURE() << "unexpected colour " << colour;
        return false;
    }
}

// The pixels of `a` that `b` has nowhere within `radius` pixels, a channel differing by at most
// `tolerance`: antialiasing and sub-pixel offsets are forgiven, a missing line or label is not.
// Pictures of different sizes differ everywhere.
inline long unmatchedPixels(const QImage& a, const QImage& b, int radius = 1, int tolerance = 48) {
    if (a.size() != b.size()) {
        return static_cast<long>(a.width()) * a.height() + 1;
    }
    const auto close = [tolerance](QRgb p, QRgb q) {
        return std::abs(qRed(p) - qRed(q)) <= tolerance &&
               std::abs(qGreen(p) - qGreen(q)) <= tolerance &&
               std::abs(qBlue(p) - qBlue(q)) <= tolerance;
    };
    long unmatched = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            bool found = false;
            for (int dy = -radius; dy <= radius && !found; ++dy) {
                for (int dx = -radius; dx <= radius && !found; ++dx) {
                    found =
                        b.valid(x + dx, y + dy) && close(a.pixel(x, y), b.pixel(x + dx, y + dy));
                }
            }
            unmatched += found ? 0 : 1;
        }
    }
    return unmatched;
}

} // namespace kestrel::test
