// SPDX-License-Identifier: MIT
#include "plots/flow_picture.h"

#include "model/decimal.h"
#include "model/text.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <string>

namespace kestrel {

namespace {

using Complex = std::complex<double>;

constexpr Colour kStreamlineColour = rgb(20, 20, 20);
constexpr Colour kBodyColour = rgb(90, 90, 90);
constexpr Colour kBodyEdgeColour = rgb(30, 30, 30);
constexpr Colour kMarkerRing = rgb(0, 0, 0);
constexpr Colour kStagnationColour = rgb(255, 255, 255);
constexpr Colour kSingularColour = rgb(255, 215, 0);
constexpr Colour kAxisColour = rgb(0, 0, 0);
constexpr double kDividingWidth = 2.5;

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

// The decimals a tick of that spacing needs.
int decimalsOf(double step) {
    return std::max(0, -static_cast<int>(std::floor(std::log10(step) + 1e-9)));
}

void drawAxes(Surface& surface, const PlaneWindow& v, double t, const Texts& texts) {
    const double width = v.xMax - v.xMin;
    const double height = v.yMax - v.yMin;
    const double tick = 0.02 * height;
    const double xStep = tickStep(width);
    // Labels keep clear of the corners, where the axis titles and the frame are.
    for (double k = std::ceil((v.xMin + 0.06 * width) / xStep); k * xStep <= v.xMax - 0.1 * width;
         k += 1) {
        const double x = k * xStep;
        surface.Line(x, v.yMin, x, v.yMin + tick, kAxisColour);
        surface.Text(x, v.yMin + 2.6 * tick, tickText(x, decimalsOf(xStep)), kAxisColour,
                     TextAlign::Centre);
    }
    const double yStep = tickStep(height);
    for (double k = std::ceil((v.yMin + 0.1 * height) / yStep); k * yStep <= v.yMax - 0.15 * height;
         k += 1) {
        const double y = k * yStep;
        surface.Line(v.xMin, y, v.xMin + tick, y, kAxisColour);
        surface.Text(v.xMin + 1.6 * tick, y, tickText(y, decimalsOf(yStep)), kAxisColour);
    }
    const bool circle = t < 0.5;
    surface.Text(v.xMax - tick, v.yMin + 2.6 * tick, circle ? "\u03be" : "x/c", kAxisColour,
                 TextAlign::Right, TextFont::Heading);
    surface.Text(v.xMin + 1.6 * tick, v.yMax - 7 * tick, circle ? "\u03b7" : "y/c", kAxisColour,
                 TextAlign::Left, TextFont::Heading);
    const std::string title = t == 0   ? std::string(texts[TextId::CirclePlaneTitle])
                              : t == 1 ? std::string(texts[TextId::ProfilePlaneTitle])
                                       : texts.format(TextId::MappingTitle, {fixedDecimals(t, 2)});
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

void drawFlowPlane(Surface& surface, const FlowPicture& picture, double t, const PixelBox& box,
                   double ratio, const Texts& texts) {
    const PlaneWindow v = flowView(picture.flow(), t, aspectOf(box));
    surface.Cls();
    surface.Scale(v.xMin, v.yMax, v.xMax, v.yMin);

    auto shading = std::make_shared<RasterImage>();
    shadePlane(*shading, picture, t, v, static_cast<int>(std::lround(box.width * ratio)),
               static_cast<int>(std::lround(box.height * ratio)));
    surface.Image(v.xMin, v.yMax, v.xMax, v.yMin, std::move(shading));

    std::vector<UserPoint> polygon;
    const auto put = [&polygon, t](const MorphPoint& p) {
        const Complex at = p.at(t);
        polygon.push_back({at.real(), at.imag()});
    };
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
    drawAxes(surface, v, t, texts);
}

void composeFlowPicture(Surface& record, const Surface& left, const Surface& right,
                        const Surface& legend, int width, int height) {
    const FlowLayout layout = flowLayout(width, height);
    record.Cls();
    record.Scale(0, 0, width, height);
    record.FillRect(0, 0, width, height, kFlowBackground);
    const ItemBox whole{0, 0, static_cast<float>(width), static_cast<float>(height)};
    const auto itemBox = [](const PixelBox& b) {
        return ItemBox{static_cast<float>(b.left), static_cast<float>(b.top),
                       static_cast<float>(b.width), static_cast<float>(b.height)};
    };
    for (const auto& [plane, box] : {std::pair{&left, layout.left}, {&right, layout.right}}) {
        record.Append(*plane, itemBox(box));
        record.Area(whole, record.scale());
        record.FrameRect(box.left, box.top, box.left + box.width, box.top + box.height,
                         kFlowFrameColour, 1);
    }
    record.Append(legend, itemBox(layout.legend));
}

void recordFlowPicture(Surface& record, const FlowPicture& picture, double t, int width, int height,
                       double ratio, const Texts& texts) {
    const FlowLayout layout = flowLayout(width, height);
    Surface left;
    Surface right;
    Surface legend;
    drawFlowPlane(left, picture, t, layout.left, ratio, texts);
    drawFlowPlane(right, picture, 1, layout.right, ratio, texts);
    drawCpLegend(legend);
    composeFlowPicture(record, left, right, legend, width, height);
}

} // namespace kestrel
