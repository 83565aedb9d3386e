// SPDX-License-Identifier: MIT
// The leading filled polygons of a recorded surface painted into an image of device pixels: the
// flow picture's thousands of shading polygons are filled here at once instead of one by one on
// the page's canvas.
#pragma once

#include "plots/surface.h"

#include <cstdint>
#include <vector>

namespace kestrel::web {

// An image of width x height pixels, each 4 bytes R, G, B, A in memory order (a canvas's
// ImageData), row by row from the top.
struct PixelImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;
};

// How many of the surface's items, from the first, are polygons.
std::size_t leadingPolygons(const Surface& surface);

// Paints the background and then, in order, the surface's first `count` items (polygons) with
// the surface's user coordinates stretched over the whole image of width x height pixels. A
// pixel takes a polygon's colour when its centre lies inside it by the non-zero rule (no
// anti-aliasing). Keeps the image's storage.
void paintPolygons(PixelImage& image, const Surface& surface, std::size_t count, int width,
                   int height);

} // namespace kestrel::web
