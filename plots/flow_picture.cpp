// SPDX-License-Identifier: MIT
#include "plots/flow_picture.h"

#include "model/text.h"
#include "plots/colour_map.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numbers>
#include <string>
#include <tuple>

namespace kestrel {

namespace {

using Complex = std::complex<double>;

constexpr double kPi = std::numbers::pi;

// The polar mesh: rings spaced geometrically (fine at the body, where the pressure changes
// fast), sectors evenly, one node on the trailing edge.
constexpr int kRings = 48;
constexpr int kSectors = 192;
constexpr int kBodyPoints = 360;
// The mesh reaches past the corners of either window widened to any box from 1:2 to 4:1.
constexpr double kNarrowestAspect = 0.5;
constexpr double kWidestAspect = 4;

constexpr Colour kStreamlineColour = rgb(20, 20, 20);
constexpr Colour kBodyColour = rgb(90, 90, 90);
constexpr Colour kBodyEdgeColour = rgb(30, 30, 30);
constexpr Colour kMarkerRing = rgb(0, 0, 0);
constexpr Colour kStagnationColour = rgb(255, 255, 255);
constexpr Colour kSingularColour = rgb(255, 215, 0);
constexpr Colour kAxisColour = rgb(0, 0, 0);
constexpr double kDividingWidth = 2.5;

PlaneWindow widened(const PlaneWindow& w, double aspect) {
    const double width = w.xMax - w.xMin;
    const double height = w.yMax - w.yMin;
    const double midX = (w.xMin + w.xMax) / 2;
    const double midY = (w.yMin + w.yMax) / 2;
    if (width >= aspect * height) {
        const double h = width / aspect / 2;
        return {w.xMin, w.xMax, midY - h, midY + h};
    }
    const double half = height * aspect / 2;
    return {midX - half, midX + half, w.yMin, w.yMax};
}

double lerp(double a, double b, double t) {
    return a + t * (b - a);
}

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

// A tick spacing of 1, 2 or 5 times a power of ten giving about five ticks over the span.
double tickStep(double span) {
    const double raw = span / 5;
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    for (const double m : {1.0, 2.0, 5.0}) {
        if (m * power >= raw * 0.75) {
            return m * power;
        }
    }
    return 10 * power;
}

std::string tickText(double value, double step) {
    const int decimals = std::max(0, -static_cast<int>(std::floor(std::log10(step) + 1e-9)));
    char text[32];
    std::snprintf(text, sizeof text, "%.*f", decimals, value + 0.0); // + 0.0: no "-0"
    return text;
}

void drawAxes(Surface& surface, const PlaneWindow& v, double t) {
    const double width = v.xMax - v.xMin;
    const double height = v.yMax - v.yMin;
    const double tick = 0.02 * height;
    const double xStep = tickStep(width);
    // Labels keep clear of the corners, where the axis titles and the frame are.
    for (double k = std::ceil((v.xMin + 0.06 * width) / xStep); k * xStep <= v.xMax - 0.1 * width;
         k += 1) {
        const double x = k * xStep;
        surface.Line(x, v.yMin, x, v.yMin + tick, kAxisColour);
        surface.Text(x, v.yMin + 2.6 * tick, tickText(x, xStep), kAxisColour, TextAlign::Centre);
    }
    const double yStep = tickStep(height);
    for (double k = std::ceil((v.yMin + 0.1 * height) / yStep); k * yStep <= v.yMax - 0.15 * height;
         k += 1) {
        const double y = k * yStep;
        surface.Line(v.xMin, y, v.xMin + tick, y, kAxisColour);
        surface.Text(v.xMin + 1.6 * tick, y, tickText(y, yStep), kAxisColour);
    }
    const bool circle = t < 0.5;
    surface.Text(v.xMax - tick, v.yMin + 2.6 * tick, circle ? "\u03be" : "x/c", kAxisColour,
                 TextAlign::Right, TextFont::Heading);
    surface.Text(v.xMin + 1.6 * tick, v.yMax - 7 * tick, circle ? "\u03b7" : "y/c", kAxisColour,
                 TextAlign::Left, TextFont::Heading);
    std::string title;
    if (t == 0) {
        title = "Circle plane \u03b6";
    } else if (t == 1) {
        title = "Profile plane z";
    } else {
        char text[48];
        std::snprintf(text, sizeof text, "Mapping \u03b6 \u2192 z, t = %.2f", t);
        title = text;
    }
    surface.Text(v.xMin + 1.6 * tick, v.yMax - 2.6 * tick, title, kAxisColour, TextAlign::Left,
                 TextFont::Heading);
}

void drawMarker(Surface& surface, Complex p, Colour colour, double size) {
    surface.Marker(p.real(), p.imag(), size + 3, kMarkerRing);
    surface.Marker(p.real(), p.imag(), size, colour);
}

MorphPoint morphOf(const FlowPoint& p) {
    return {{p.xc, p.yc}, {p.x, p.y}};
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

FlowPicture::FlowPicture(const State& s, int levelsPerSide)
    : flow_(s), streamlines_(flow_.streamlines(levelsPerSide)), rings_(kRings), sectors_(kSectors) {
    const Complex centre(-s.eps, s.mu);
    const double radius = std::abs(Complex(1, 0) - centre);
    const double edgeAngle = std::arg(Complex(1, 0) - centre);

    body_.reserve(kBodyPoints + 1);
    for (int i = 0; i <= kBodyPoints; ++i) {
        const Complex zeta =
            i == 0 || i == kBodyPoints
                ? Complex(1, 0)
                : centre + std::polar(radius, edgeAngle + 2 * kPi * i / kBodyPoints);
        body_.push_back({zeta, flow_.toProfile(zeta)});
    }

    double outer = 0;
    const auto same = [](Complex zeta) { return zeta; };
    const auto back = [this](Complex z) { return flow_.toCircle(z); };
    for (const double aspect : {kNarrowestAspect, kWidestAspect}) {
        outer = std::max(outer, reach(widened(flow_.circleWindow(), aspect), centre, same));
        outer = std::max(outer, reach(widened(flow_.profileWindow(), aspect), centre, back));
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
            circleCp_.push_back(static_cast<float>(flow_.atCircle(zeta.real(), zeta.imag()).Cp));
            profileCp_.push_back(static_cast<float>(flow_.profileAt(zeta).Cp));
        }
    }
}

const MorphPoint& FlowPicture::node(int ring, int sector) const {
    return nodes_.at(static_cast<std::size_t>(ring * sectors_ + sector));
}

std::size_t FlowPicture::cell(int ring, int sector) const {
    return static_cast<std::size_t>(ring * sectors_ + sector);
}

PlaneWindow flowView(const Flow& flow, double t, double aspect) {
    const PlaneWindow a = widened(flow.circleWindow(), aspect);
    const PlaneWindow b = widened(flow.profileWindow(), aspect);
    if (t == 0) {
        return a;
    }
    if (t == 1) {
        return b;
    }
    return {lerp(a.xMin, b.xMin, t), lerp(a.xMax, b.xMax, t), lerp(a.yMin, b.yMin, t),
            lerp(a.yMax, b.yMax, t)};
}

void drawFlowPlane(Surface& surface, const FlowPicture& picture, double t, double aspect) {
    const PlaneWindow v = flowView(picture.flow(), t, aspect);
    surface.Cls();
    surface.Scale(v.xMin, v.yMax, v.xMax, v.yMin);

    // The far field, where the mesh may not reach in between the two planes, at Cp = 0.
    surface.Polygon({{v.xMin, v.yMin}, {v.xMax, v.yMin}, {v.xMax, v.yMax}, {v.xMin, v.yMax}},
                    bandColour(cpBand(0)));

    // The shading: in each ring, runs of neighbouring cells in one band of Cp make one polygon.
    const int sectors = picture.sectors();
    std::vector<UserPoint> polygon;
    const auto put = [&polygon, t](const MorphPoint& p) {
        const Complex at = p.at(t);
        polygon.push_back({at.real(), at.imag()});
    };
    for (int k = 0; k < picture.rings(); ++k) {
        int start = 0;
        const auto band = [&](int j) {
            return cpBand(lerp(picture.circleCp(k, j), picture.profileCp(k, j), t));
        };
        int current = band(0);
        for (int j = 1; j <= sectors; ++j) {
            const int next = j < sectors ? band(j) : -1;
            if (next == current) {
                continue;
            }
            polygon.clear();
            for (int i = start; i <= j; ++i) {
                put(picture.node(k, i % sectors));
            }
            for (int i = j; i >= start; --i) {
                put(picture.node(k + 1, i % sectors));
            }
            surface.Polygon(polygon, bandColour(current));
            start = j;
            current = next;
        }
    }

    for (const Streamline& line : picture.streamlines()) {
        std::vector<UserPoint> points;
        points.reserve(line.points.size());
        for (const FlowPoint& p : line.points) {
            const Complex at = morphOf(p).at(t);
            points.push_back({at.real(), at.imag()});
        }
        surface.Polyline(points, kStreamlineColour, line.dividing ? kDividingWidth : 1);
    }

    polygon.clear();
    for (const MorphPoint& p : picture.body()) {
        put(p);
    }
    surface.Polygon(polygon, kBodyColour);
    surface.Polyline(polygon, kBodyEdgeColour, 1.5);

    const Flow& flow = picture.flow();
    drawMarker(surface, morphOf(flow.frontStagnation()).at(t), kStagnationColour, 7);
    drawMarker(surface, morphOf(flow.rearStagnation()).at(t), kStagnationColour, 7);
    if (const auto edge = flow.singularLeadingEdge()) {
        drawMarker(surface, morphOf(*edge).at(t), kSingularColour, 9);
    }
    drawAxes(surface, v, t);
}

void drawCpLegend(Surface& surface) {
    // x from 0 to 1 across the legend, y the place on the colour map; room above for the title.
    surface.Cls();
    surface.Scale(0, 1.12, 1, -0.04);
    for (int band = 0; band < kCpBands; ++band) {
        const double y0 = static_cast<double>(band) / kCpBands;
        const double y1 = static_cast<double>(band + 1) / kCpBands;
        surface.Polygon({{0.08, y0}, {0.38, y0}, {0.38, y1}, {0.08, y1}}, bandColour(band));
    }
    for (const double Cp : {1.0, 0.5, 0.0, -0.5, -1.0, -2.0, -3.0}) {
        const double y = cpPosition(Cp);
        surface.Line(0.38, y, 0.48, y, kAxisColour);
        surface.Text(0.52, y, numberText(Cp, "."), kAxisColour);
    }
    surface.Text(0.08, 1.07, "Cp", kAxisColour, TextAlign::Left, TextFont::Heading);
}

FlowLayout flowLayout(int width, int height) {
    constexpr int kGap = 4;
    constexpr int kLegend = 56;
    const int planeWidth = std::max(0, (width - kLegend - 3 * kGap) / 2);
    const int planeHeight = std::max(0, height - 2 * kGap);
    FlowLayout layout;
    layout.left = {kGap, kGap, planeWidth, planeHeight};
    layout.right = {2 * kGap + planeWidth, kGap, planeWidth, planeHeight};
    layout.legend = {3 * kGap + 2 * planeWidth, kGap,
                     std::max(0, width - 3 * kGap - 2 * planeWidth), planeHeight};
    return layout;
}

double aspectOf(const PixelBox& box) {
    return box.width > 0 && box.height > 0 ? static_cast<double>(box.width) / box.height : 1.0;
}

bool boxContains(const PixelBox& box, double x, double y) {
    return x >= box.left && x <= box.left + box.width && y >= box.top && y <= box.top + box.height;
}

ScaleMap flowPlaneMap(const Flow& flow, const PixelBox& box, double t) {
    const PlaneWindow v = flowView(flow, t, aspectOf(box));
    const UserRect user{static_cast<float>(v.xMin), static_cast<float>(v.yMax),
                        static_cast<float>(v.xMax), static_cast<float>(v.yMin)};
    return ScaleMap(user, box.left, box.top, box.width, box.height);
}

std::optional<PictureProbe> probePicture(const FlowPicture& picture, double x, double y, double t,
                                         int width, int height) {
    const FlowLayout layout = flowLayout(width, height);
    for (const auto& [box, stage, left] :
         {std::tuple{layout.left, t, true}, std::tuple{layout.right, 1.0, false}}) {
        if (boxContains(box, x, y)) {
            const ScaleMap map = flowPlaneMap(picture.flow(), box, stage);
            return PictureProbe{left, probeAt(picture.flow(), {map.userX(x), map.userY(y)}, stage)};
        }
    }
    return std::nullopt;
}

std::vector<PicturePoint> particleDots(const FlowPicture& picture, const ParticleTracks& tracks,
                                       double time, double t, int width, int height) {
    const FlowLayout layout = flowLayout(width, height);
    const ScaleMap left = flowPlaneMap(picture.flow(), layout.left, t);
    const ScaleMap right = flowPlaneMap(picture.flow(), layout.right, 1);
    std::vector<PicturePoint> dots;
    const auto dot = [&dots](const PixelBox& box, double x, double y) {
        if (boxContains(box, x, y)) {
            dots.push_back({x, y});
        }
    };
    for (const FlowPoint& p : tracks.at(time)) {
        const Complex at = morphOf(p).at(t);
        dot(layout.left, left.x(at.real()), left.y(at.imag()));
        dot(layout.right, right.x(p.x), right.y(p.y));
    }
    return dots;
}

} // namespace kestrel
