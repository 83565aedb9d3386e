// SPDX-License-Identifier: MIT
#include "plots/flow_mesh.h"

#include "model/compressibility.h"
#include "plots/colour_map.h"
#include "plots/flow_layout.h"

#include <algorithm>
#include <cmath>
#include <cstring>
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

// An edge between cells of the mesh in different bands of Cp, in device pixels, from (x0, y0) to
// (x1, y1), with the bands on its two sides as seen in the circle plane going from the first end
// to the second: `left` on the side turning anticlockwise, `right` on the other; -1 for a side
// outside the mesh.
struct BandEdge {
    double x0, y0, x1, y1;
    int left;
    int right;
};

// Where a row's centre line crosses an edge, the edge's slope there (dx/dy) and the band of the
// pixels just after the crossing (towards larger x), -1 outside the mesh.
struct Crossing {
    double x;
    double slope;
    int after;
};

// Crossings in order along a row. Where two meet at one x (edges sharing an end on the row's
// centre line), the one whose edge leans further left below the row comes first: the band after
// both is then the one beside the pair, not the one in the wedge between them.
bool before(const Crossing& a, const Crossing& b) {
    return a.x < b.x || (a.x == b.x && a.slope < b.slope);
}

// The band edges and room for their crossings, grouped by row.
struct Scratch {
    std::vector<BandEdge> edges;
    std::vector<int> rows;   // each edge's crossed rows [first, end), two per edge
    std::vector<int> starts; // per row crossed: where its crossings begin
    std::vector<int> next;   // per row: where its next crossing goes
    std::vector<Crossing> crossings;
};

// The smallest whole number n with n + 0.5 >= v, kept within [0, size]: ceil(v - 0.5) clamped,
// by truncation, which is much cheaper than std::ceil where the processor has no rounding
// instruction for it.
int centreAtOrAfter(double v, int size) {
    if (!(v > 0.5)) {
        return 0;
    }
    if (v >= size + 0.5) {
        return size;
    }
    const double u = v - 0.5;
    const int n = static_cast<int>(u);
    return n < u ? n + 1 : n;
}

// The whole numbers n with lower <= n + 0.5 < upper, as [first, end), kept within [0, size).
std::pair<int, int> centresIn(double lower, double upper, int size) {
    return {centreAtOrAfter(lower, size), centreAtOrAfter(upper, size)};
}

// Which part of a row an edge's crossings can take: edges wholly right of the last pixel centre
// only end spans that run on past the image, edges wholly left of the first only tell the band
// the row begins in.
enum class Reach { Left, Inside, Right };

Reach reachOf(const BandEdge& edge, int width) {
    if (std::min(edge.x0, edge.x1) > width - 0.5) {
        return Reach::Right;
    }
    return std::max(edge.x0, edge.x1) < 0.5 ? Reach::Left : Reach::Inside;
}

// The rows each edge crosses (none for an edge right of the image), and all the rows crossed.
std::pair<int, int> crossedRows(Scratch& scratch, int width, int height) {
    double low = INFINITY;
    double high = -INFINITY;
    scratch.rows.clear();
    for (const BandEdge& edge : scratch.edges) {
        const auto [lower, upper] = std::minmax(edge.y0, edge.y1);
        const auto [first, end] = reachOf(edge, width) == Reach::Right
                                      ? std::pair{0, 0}
                                      : centresIn(lower, upper, height);
        scratch.rows.insert(scratch.rows.end(), {first, end});
        if (first < end) {
            low = std::min(low, lower);
            high = std::max(high, upper);
        }
    }
    return centresIn(low, high, height);
}

// Gives each row a slot for the band it begins in, and each edge inside the image a slot per
// crossed row, and makes `starts` the running sum: the slots of row r lie in [starts[r],
// starts[r + 1]), the first the row's beginning, r counted from the first row crossed. Each edge
// adds one at its first row and takes it back after its last, so the count costs a step per edge
// and per row.
void countCrossings(Scratch& scratch, int top, int rowCount, int width) {
    std::vector<int>& starts = scratch.starts;
    starts.assign(static_cast<std::size_t>(rowCount) + 1, 0);
    starts[0] = 1;
    for (std::size_t e = 0; e < scratch.edges.size(); ++e) {
        const int first = scratch.rows[2 * e];
        const int end = scratch.rows[2 * e + 1];
        if (first < end && reachOf(scratch.edges[e], width) == Reach::Inside) {
            ++starts[static_cast<std::size_t>(first - top)];
            --starts[static_cast<std::size_t>(end - top)];
        }
    }
    int crossing = 0; // slots of the current row
    int total = 0;
    for (int& start : starts) {
        crossing += start;
        start = total;
        total += crossing;
    }
}

// Every edge's crossings with the rows' centre lines, grouped by row in scratch.crossings; of the
// edges left of the image only the last crossing of each row, in its row's first slot. The
// device y axis points down while the circle plane's points up, so a side that lies anticlockwise
// of an edge going down the image lies towards larger x.
void crossRows(Scratch& scratch, int top, int width) {
    std::vector<int>& next = scratch.next;
    next.assign(scratch.starts.begin(), scratch.starts.end() - 1);
    for (int& slot : next) {
        scratch.crossings[static_cast<std::size_t>(slot++)] = {-INFINITY, 0, -1};
    }
    for (std::size_t e = 0; e < scratch.edges.size(); ++e) {
        const BandEdge& edge = scratch.edges[e];
        const int first = scratch.rows[2 * e];
        const int end = scratch.rows[2 * e + 1];
        const bool inside = reachOf(edge, width) == Reach::Inside;
        const double slope = (edge.x1 - edge.x0) / (edge.y1 - edge.y0);
        const int after = edge.y1 > edge.y0 ? edge.left : edge.right;
        for (int row = first; row < end; ++row) {
            const Crossing crossing{edge.x0 + (row + 0.5 - edge.y0) * slope, slope, after};
            const auto r = static_cast<std::size_t>(row - top);
            if (inside) {
                scratch.crossings[static_cast<std::size_t>(next[r]++)] = crossing;
            } else if (Crossing& start =
                           scratch.crossings[static_cast<std::size_t>(scratch.starts[r])];
                       before(start, crossing)) {
                start = crossing;
            }
        }
    }
}

// Fills the pixels inside the mesh (its band edges in scratch.edges, all finite, meeting only at
// their ends): a pixel takes the band of the cell its centre lies in. Along each row the
// crossings in order bound the spans, each in the band just after its first crossing.
void fillBands(RasterImage& image, const std::vector<std::uint32_t>& bandPixels, Scratch& scratch) {
    const auto [top, bottom] = crossedRows(scratch, image.width, image.height);
    if (top >= bottom) {
        return;
    }
    countCrossings(scratch, top, bottom - top, image.width);
    scratch.crossings.resize(static_cast<std::size_t>(scratch.starts.back()));
    crossRows(scratch, top, image.width);
    for (int row = top; row < bottom; ++row) {
        const auto begin =
            scratch.crossings.begin() + scratch.starts[static_cast<std::size_t>(row - top)];
        const auto end =
            scratch.crossings.begin() + scratch.starts[static_cast<std::size_t>(row - top) + 1];
        std::sort(begin, end, [](const Crossing& a, const Crossing& b) { return before(a, b); });
        std::uint32_t* line = image.pixels.data() + static_cast<std::size_t>(row) * image.width;
        for (auto k = begin; k < end; ++k) {
            if (k->after >= 0) {
                const double to = k + 1 < end ? (k + 1)->x : INFINITY;
                const auto [from, past] = centresIn(k->x, to, image.width);
                std::fill(line + from, line + std::max(from, past),
                          bandPixels[static_cast<std::size_t>(k->after)]);
            }
        }
    }
}

// Sizes the image's storage and sets every pixel to one value: the first row filled pixel by
// pixel, the rest copied from what is already filled, doubling each time, since a block copy
// runs at the memory's speed where a fill with a 4-byte pattern may go pixel by pixel.
void fillImage(RasterImage& image, std::uint32_t pixel) {
    const std::size_t count = static_cast<std::size_t>(image.width) * image.height;
    image.pixels.resize(count);
    const std::size_t row = std::min<std::size_t>(count, static_cast<std::size_t>(image.width));
    std::fill(image.pixels.begin(), image.pixels.begin() + static_cast<std::ptrdiff_t>(row), pixel);
    for (std::size_t filled = row; filled < count;) {
        const std::size_t copied = std::min(filled, count - filled);
        std::memcpy(image.pixels.data() + filled, image.pixels.data(),
                    copied * sizeof(std::uint32_t));
        filled += copied;
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

// The unit directions of the mesh's sectors from the centre, the first at edgeAngle + 2 pi
// offset / sectors.
std::vector<Complex> directions(double edgeAngle, double offset) {
    std::vector<Complex> out;
    out.reserve(kSectors);
    for (int j = 0; j < kSectors; ++j) {
        const double angle = edgeAngle + 2 * kPi * (j + offset) / kSectors;
        out.emplace_back(std::cos(angle), std::sin(angle));
    }
    return out;
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
    // Every ring shares its sectors' directions: std::polar(r, angle) is r times them.
    const std::vector<Complex> nodeDirections = directions(edgeAngle, 0);
    const std::vector<Complex> cellDirections = directions(edgeAngle, 0.5);
    nodes_.reserve(static_cast<std::size_t>((kRings + 1) * kSectors));
    for (int k = 0; k <= kRings; ++k) {
        const double r = radius * std::pow(growth, k);
        for (int j = 0; j < kSectors; ++j) {
            const Complex zeta = k == 0 && j == 0
                                     ? Complex(1, 0)
                                     : centre + r * nodeDirections[static_cast<std::size_t>(j)];
            nodes_.push_back({zeta, flow_.toProfile(zeta)});
        }
    }
    circleCp_.reserve(static_cast<std::size_t>(kRings * kSectors));
    profileCp_.reserve(static_cast<std::size_t>(kRings * kSectors));
    for (int k = 0; k < kRings; ++k) {
        const double r = radius * std::pow(growth, k + 0.5);
        for (int j = 0; j < kSectors; ++j) {
            const Complex zeta = centre + r * cellDirections[static_cast<std::size_t>(j)];
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

namespace {

// The mesh's nodes at stage t in the device pixels of an image of the view.
struct DeviceNodes {
    std::vector<double> x;
    std::vector<double> y;
};

DeviceNodes deviceNodes(const FlowPicture& picture, double t, const PlaneWindow& view,
                        const RasterImage& image) {
    const double sx = image.width / (view.xMax - view.xMin);
    const double sy = image.height / (view.yMax - view.yMin);
    DeviceNodes nodes;
    const std::size_t count = static_cast<std::size_t>(picture.rings() + 1) * picture.sectors();
    nodes.x.reserve(count);
    nodes.y.reserve(count);
    for (int k = 0; k <= picture.rings(); ++k) {
        for (int j = 0; j < picture.sectors(); ++j) {
            const Complex at = picture.node(k, j).at(t);
            nodes.x.push_back((at.real() - view.xMin) * sx);
            nodes.y.push_back((view.yMax - at.imag()) * sy);
        }
    }
    return nodes;
}

// The edges between cells in different bands (and the mesh's inner and outer rims): the arcs
// round the centre between rings, the radial edges between sectors. False when a node lies at no
// finite place.
bool bandEdges(std::vector<BandEdge>& edges, const DeviceNodes& nodes, int rings, int sectors,
               const std::vector<int>& bands) {
    edges.clear();
    if (!std::all_of(nodes.x.begin(), nodes.x.end(), [](double x) { return std::isfinite(x); }) ||
        !std::all_of(nodes.y.begin(), nodes.y.end(), [](double y) { return std::isfinite(y); })) {
        return false;
    }
    const auto at = [&](int ring, int sector) {
        return static_cast<std::size_t>(ring * sectors + sector % sectors);
    };
    const auto edge = [&](std::size_t from, std::size_t to, int left, int right) {
        if (left != right) {
            edges.push_back({nodes.x[from], nodes.y[from], nodes.x[to], nodes.y[to], left, right});
        }
    };
    for (int k = 0; k <= rings; ++k) {
        for (int j = 0; j < sectors; ++j) {
            // Anticlockwise round the centre: ring k - 1's cell lies inside the arc, ring k's
            // outside; sector j's cell lies anticlockwise of its first radial edge.
            const int inner = k > 0 ? bands[at(k - 1, j)] : -1;
            const int outer = k < rings ? bands[at(k, j)] : -1;
            edge(at(k, j), at(k, j + 1), inner, outer);
            if (k < rings) {
                edge(at(k, j), at(k + 1, j), outer, bands[at(k, j + sectors - 1)]);
            }
        }
    }
    return true;
}

} // namespace

void shadePlane(RasterImage& image, const FlowPicture& picture, double t, const PlaneWindow& view,
                int width, int height) {
    image.width = std::max(0, width);
    image.height = std::max(0, height);
    fillImage(image, rasterPixel(bandColour(cpBand(0))));
    std::vector<std::uint32_t> bandPixels(kCpBands);
    for (int b = 0; b < kCpBands; ++b) {
        bandPixels[static_cast<std::size_t>(b)] = rasterPixel(bandColour(b));
    }
    const DeviceNodes nodes = deviceNodes(picture, t, view, image);
    const int sectors = picture.sectors();
    std::vector<int> bands;
    bands.reserve(static_cast<std::size_t>(picture.rings()) * sectors);
    for (int k = 0; k < picture.rings(); ++k) {
        for (int j = 0; j < sectors; ++j) {
            const double circle = picture.circleCp(k, j);
            bands.push_back(cpBand(circle + t * (picture.profileCp(k, j) - circle)));
        }
    }
    // Kept from one call to the next: its room is then allocated once, not for every picture.
    thread_local Scratch scratch;
    if (bandEdges(scratch.edges, nodes, picture.rings(), sectors, bands)) {
        fillBands(image, bandPixels, scratch);
    }
}

} // namespace kestrel
