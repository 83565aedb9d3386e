// SPDX-License-Identifier: MIT
#include "plots/flow_mesh.h"

#include "model/compressibility.h"
#include "plots/colour_map.h"
#include "plots/flow_layout.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <utility>

namespace kestrel {

namespace {

using Complex = std::complex<double>;

constexpr double kPi = std::numbers::pi;

// The polar mesh: rings spaced geometrically (fine at the body, where the pressure changes
// fast), sectors evenly, one node on the trailing edge.
constexpr int kRings = 48;
constexpr int kSectors = 192;
constexpr int kBodyPoints = 360;

// The farthest point of a window's edges from the circle's centre, the edges taken in the
// circle plane through `toCircle`.
template <class ToCircle> double reach(const PlaneWindow& w, Complex centre, ToCircle toCircle) {
    const Complex corners[] = {
        {w.xMin, w.yMin}, {w.xMax, w.yMin}, {w.xMax, w.yMax}, {w.xMin, w.yMax}};
    constexpr int kSamples = 64;
    double farthest = 0;
    for (int e = 0; e < 4; ++e) {
        for (int i = 0; i < kSamples; ++i) {
            const Complex p = corners[e] + (static_cast<double>(i) / kSamples) *
                                               (corners[(e + 1) % 4] - corners[e]);
            farthest = std::max(farthest, std::abs(toCircle(p) - centre));
        }
    }
    return farthest;
}

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
void fill(RasterImage& image, const std::vector<double>& xs, const std::vector<double>& ys,
          std::uint32_t pixel, Scratch& scratch) {
    const std::size_t n = xs.size();
    const auto [low, high] = std::minmax_element(ys.begin(), ys.end());
    const auto [top, bottom] = centresIn(*low, *high, image.height);
    const auto [leftmost, rightmost] = std::minmax_element(xs.begin(), xs.end());
    const auto [left, right] = centresIn(*leftmost, *rightmost, image.width);
    if (top >= bottom || left >= right) {
        return; // no pixel centre lies inside the polygon's bounding box
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

Complex MorphPoint::at(double t) const {
    if (t == 0) {
        return zeta;
    }
    if (t == 1) {
        return z;
    }
    return zeta + t * (z - zeta);
}

namespace {

// The smallest Cp of the circle's own flow on the circle, from samples just outside it every
// quarter degree (the surface Cp is smooth there: its two extremes are broad).
double circleSurfaceMinimum(const Flow& flow, Complex centre, double radius) {
    double lowest = INFINITY;
    constexpr int kSamples = 1440;
    for (int i = 0; i < kSamples; ++i) {
        RasterCell cell = RasterCell::Flow;
        const Complex zeta = centre + std::polar(radius * (1 + 1e-9), 2 * kPi * i / kSamples);
        lowest = std::min(lowest, flow.circleCp(zeta, cell));
    }
    return lowest;
}

} // namespace

std::vector<MorphPoint> bodyOutline(const State& s, const Flow& flow) {
    const Complex centre(-s.eps, s.mu);
    const double radius = std::abs(Complex(1, 0) - centre);
    const double edgeAngle = std::arg(Complex(1, 0) - centre);
    std::vector<MorphPoint> body;
    body.reserve(kBodyPoints + 1);
    for (int i = 0; i <= kBodyPoints; ++i) {
        const Complex zeta =
            i == 0 || i == kBodyPoints
                ? Complex(1, 0)
                : centre + std::polar(radius, edgeAngle + 2 * kPi * i / kBodyPoints);
        body.push_back({zeta, flow.toProfile(zeta)});
    }
    return body;
}

FlowPicture::FlowPicture(const State& s, int levelsPerSide)
    : flow_(s), streamlines_(flow_.streamlines(levelsPerSide)), rings_(kRings), sectors_(kSectors) {
    const Complex centre(-s.eps, s.mu);
    const double radius = std::abs(Complex(1, 0) - centre);
    const double edgeAngle = std::arg(Complex(1, 0) - centre);
    body_ = bodyOutline(s, flow_);

    double outer = 0;
    const auto same = [](Complex zeta) { return zeta; };
    const auto back = [this](Complex z) { return flow_.toCircle(z); };
    for (const double aspect : {Flow::kNarrowestView, Flow::kWidestView}) {
        outer = std::max(outer, reach(widenedWindow(flow_.circleWindow(), aspect), centre, same));
        outer = std::max(outer, reach(widenedWindow(flow_.profileWindow(), aspect), centre, back));
    }
    outer *= 1.02;

    const double growth = std::pow(outer / radius, 1.0 / kRings);
    nodes_.reserve(static_cast<std::size_t>((kRings + 1) * kSectors));
    for (int k = 0; k <= kRings; ++k) {
        const double r = radius * std::pow(growth, k);
        for (int j = 0; j < kSectors; ++j) {
            const Complex zeta = k == 0 && j == 0
                                     ? Complex(1, 0)
                                     : centre + std::polar(r, edgeAngle + 2 * kPi * j / kSectors);
            nodes_.push_back({zeta, flow_.toProfile(zeta)});
        }
    }
    circleCp_.reserve(static_cast<std::size_t>(kRings * kSectors));
    profileCp_.reserve(static_cast<std::size_t>(kRings * kSectors));
    for (int k = 0; k < kRings; ++k) {
        const double r = radius * std::pow(growth, k + 0.5);
        for (int j = 0; j < kSectors; ++j) {
            const Complex zeta = centre + std::polar(r, edgeAngle + 2 * kPi * (j + 0.5) / kSectors);
            RasterCell cell = RasterCell::Flow; // every cell lies outside the circle
            circleCp_.push_back(static_cast<float>(flow_.circleCp(zeta, cell)));
            profileCp_.push_back(static_cast<float>(flow_.profileCp(zeta, cell)));
        }
    }
    const SurfaceMinimum minimum = CompressibleSurface(s).minimum();
    profileMinimum_ = minimum.unbounded ? -INFINITY : minimum.Cp;
    circleMinimum_ = circleSurfaceMinimum(flow_, centre, radius);
}

const MorphPoint& FlowPicture::node(int ring, int sector) const {
    return nodes_.at(static_cast<std::size_t>(ring * sectors_ + sector));
}

std::size_t FlowPicture::cell(int ring, int sector) const {
    return static_cast<std::size_t>(ring * sectors_ + sector);
}

void shadePlane(RasterImage& image, const FlowPicture& picture, double t, const PlaneWindow& view,
                int width, int height) {
    image.width = std::max(0, width);
    image.height = std::max(0, height);
    image.pixels.assign(static_cast<std::size_t>(image.width) * image.height,
                        pixelOf(bandColour(cpBand(0))));
    const double sx = image.width / (view.xMax - view.xMin);
    const double sy = image.height / (view.yMax - view.yMin);
    std::vector<double> xs;
    std::vector<double> ys;
    Scratch scratch;
    const auto put = [&](const MorphPoint& p) {
        const Complex at = p.at(t);
        xs.push_back((at.real() - view.xMin) * sx);
        ys.push_back((view.yMax - at.imag()) * sy);
    };
    // In each ring, runs of neighbouring cells in one band of Cp make one polygon.
    const int sectors = picture.sectors();
    for (int k = 0; k < picture.rings(); ++k) {
        const auto band = [&](int j) {
            const double circle = picture.circleCp(k, j);
            return cpBand(circle + t * (picture.profileCp(k, j) - circle));
        };
        int start = 0;
        int current = band(0);
        for (int j = 1; j <= sectors; ++j) {
            const int next = j < sectors ? band(j) : -1;
            if (next == current) {
                continue;
            }
            xs.clear();
            ys.clear();
            for (int i = start; i <= j; ++i) {
                put(picture.node(k, i % sectors));
            }
            for (int i = j; i >= start; --i) {
                put(picture.node(k + 1, i % sectors));
            }
            if (std::all_of(xs.begin(), xs.end(), [](double x) { return std::isfinite(x); }) &&
                std::all_of(ys.begin(), ys.end(), [](double y) { return std::isfinite(y); })) {
                fill(image, xs, ys, pixelOf(bandColour(current)), scratch);
            }
            start = j;
            current = next;
        }
    }
}

} // namespace kestrel
