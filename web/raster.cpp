// SPDX-License-Identifier: MIT
#include "web/raster.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace kestrel::web {

namespace {

// A colour of the model (red in the low byte) as an opaque pixel.
std::uint32_t pixelOf(Colour colour) {
    return (static_cast<std::uint32_t>(colour) & 0xffffffu) | 0xff000000u;
}

struct Crossing {
    double x;
    int winding;
};

// Room for one polygon's crossings, grouped by row.
struct Scratch {
    std::vector<int> rows;   // each edge's crossed rows [first, end), two per edge
    std::vector<int> starts; // per row of the polygon: where its crossings begin
    std::vector<int> next;   // per row: where its next crossing goes
    std::vector<Crossing> crossings;
};

// The whole numbers n with lower <= n + 0.5 < upper, as [first, end), kept within [0, size).
std::pair<int, int> centresIn(double lower, double upper, int size) {
    const double first = std::clamp(std::ceil(lower - 0.5), 0.0, static_cast<double>(size));
    const double end = std::clamp(std::ceil(upper - 0.5), 0.0, static_cast<double>(size));
    return {static_cast<int>(first), static_cast<int>(end)};
}

// Fills the pixels whose centres lie inside the polygon (device coordinates, all finite), by the
// non-zero rule: each edge's crossings with the rows' centre lines, in order along each row,
// bound the spans to fill.
void fill(PixelImage& image, const std::vector<double>& xs, const std::vector<double>& ys,
          std::uint32_t pixel, Scratch& scratch) {
    const std::size_t n = xs.size();
    const auto [low, high] = std::minmax_element(ys.begin(), ys.end());
    const auto [top, bottom] = centresIn(*low, *high, image.height);
    if (top >= bottom) {
        return;
    }
    // Half-open in y: a corner on a row's centre line is crossed once.
    scratch.rows.clear();
    scratch.starts.assign(static_cast<std::size_t>(bottom - top) + 1, 0);
    for (std::size_t i = 0, j = n - 1; i < n; j = i++) {
        const auto [first, end] =
            centresIn(std::min(ys[i], ys[j]), std::max(ys[i], ys[j]), image.height);
        scratch.rows.insert(scratch.rows.end(), {first, end});
        for (int row = first; row < end; ++row) {
            ++scratch.starts[static_cast<std::size_t>(row - top) + 1];
        }
    }
    for (std::size_t r = 1; r < scratch.starts.size(); ++r) {
        scratch.starts[r] += scratch.starts[r - 1];
    }
    scratch.crossings.resize(static_cast<std::size_t>(scratch.starts.back()));
    std::vector<int>& next = scratch.next;
    next.assign(scratch.starts.begin(), scratch.starts.end() - 1);
    for (std::size_t i = 0, j = n - 1, e = 0; i < n; j = i++, e += 2) {
        const int first = scratch.rows[e];
        const int end = scratch.rows[e + 1];
        if (first >= end) {
            continue;
        }
        const double slope = (xs[i] - xs[j]) / (ys[i] - ys[j]);
        const int winding = ys[i] > ys[j] ? 1 : -1;
        for (int row = first; row < end; ++row) {
            const double x = xs[j] + (row + 0.5 - ys[j]) * slope;
            scratch.crossings[static_cast<std::size_t>(
                next[static_cast<std::size_t>(row - top)]++)] = {x, winding};
        }
    }
    for (int row = top; row < bottom; ++row) {
        const auto begin =
            scratch.crossings.begin() + scratch.starts[static_cast<std::size_t>(row - top)];
        const auto end =
            scratch.crossings.begin() + scratch.starts[static_cast<std::size_t>(row - top) + 1];
        // Few crossings per row: sorted by insertion.
        for (auto k = begin + 1; k < end; ++k) {
            for (auto m = k; m > begin && (m - 1)->x > m->x; --m) {
                std::iter_swap(m - 1, m);
            }
        }
        std::uint32_t* line = image.pixels.data() + static_cast<std::size_t>(row) * image.width;
        int winding = 0;
        for (auto k = begin; k + 1 < end; ++k) {
            winding += k->winding;
            if (winding != 0) {
                const auto [from, to] = centresIn(k->x, (k + 1)->x, image.width);
                std::fill(line + from, line + std::max(from, to), pixel);
            }
        }
    }
}

} // namespace

std::size_t leadingPolygons(const Surface& surface) {
    const auto& items = surface.items();
    return static_cast<std::size_t>(std::find_if(items.begin(), items.end(),
                                                 [](const SurfaceItem& item) {
                                                     return item.kind != SurfaceItem::Kind::Polygon;
                                                 }) -
                                    items.begin());
}

void paintPolygons(PixelImage& image, const Surface& surface, std::size_t count, int width,
                   int height) {
    image.width = std::max(0, width);
    image.height = std::max(0, height);
    image.pixels.assign(static_cast<std::size_t>(image.width) * image.height,
                        pixelOf(surface.background()));
    const ScaleMap map(surface.scale(), 0, 0, image.width, image.height);
    std::vector<double> xs;
    std::vector<double> ys;
    Scratch scratch;
    const auto& items = surface.items();
    for (std::size_t i = 0; i < std::min(count, items.size()); ++i) {
        const SurfaceItem& item = items[i];
        if (item.kind != SurfaceItem::Kind::Polygon || item.points.size() < 3) {
            continue;
        }
        xs.clear();
        ys.clear();
        bool finite = true;
        for (const SurfacePoint& p : item.points) {
            xs.push_back(map.x(p.x));
            ys.push_back(map.y(p.y));
            finite = finite && std::isfinite(xs.back()) && std::isfinite(ys.back());
        }
        if (finite) {
            fill(image, xs, ys, pixelOf(item.colour), scratch);
        }
    }
}

} // namespace kestrel::web
