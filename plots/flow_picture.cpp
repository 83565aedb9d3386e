// SPDX-License-Identifier: MIT
#include "plots/flow_picture.h"

#include "model/decimal.h"
#include "model/text.h"
#include "model/texts.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <string>
#include <vector>

namespace kestrel {

namespace {

using Complex = std::complex<double>;

constexpr Colour kStreamlineColour = rgb(20, 20, 20);
constexpr Colour kBodyColour = rgb(90, 90, 90);
constexpr Colour kBodyEdgeColour = rgb(30, 30, 30);
constexpr Colour kMarkerRing = rgb(0, 0, 0);
constexpr Colour kStagnationColour = rgb(255, 255, 255);
constexpr Colour kSingularColour = rgb(255, 215, 0);
constexpr Colour kTrailingEdgeColour = rgb(40, 200, 110);
constexpr Colour kAxisColour = rgb(0, 0, 0);
constexpr double kDividingWidth = 2.5;

// An image for a plane's shading: one that no record holds any more where there is one, so that
// a redraw writes into memory already in use rather than fresh memory the system must map page
// by page; a new one otherwise. A few are kept: a window holds the planes of its shown picture
// while the next is drawn.
std::shared_ptr<RasterImage> shadingImage() {
    constexpr std::size_t kKept = 6;
    thread_local std::vector<std::shared_ptr<RasterImage>> kept;
    for (const std::shared_ptr<RasterImage>& image : kept) {
        if (image.use_count() == 1) {
            return image;
        }
    }
    auto image = std::make_shared<RasterImage>();
    if (kept.size() < kKept) {
        kept.push_back(image);
    }
    return image;
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

// The decimals a tick of that spacing needs.
int decimalsOf(double step) {
    return std::max(0, -static_cast<int>(std::floor(std::log10(step) + 1e-9)));
}

// The width of a caption or heading text in logical pixels, estimated on the wide side, so that
// a ground laid under it covers it.
double captionWidth(const std::string& text) {
    const auto points = std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xc0) != 0x80;
    });
    return 6.2 * static_cast<double>(points) + 4;
}

// Pixel offsets in the plane's user units.
struct PixelStep {
    double x;
    double y;
};

// A text on an opaque ground of the picture's colour, so that no line crosses it.
void groundedText(Surface& surface, double x, double y, const std::string& text, TextAlign align,
                  TextFont font, PixelStep px) {
    const double width = captionWidth(text) * px.x;
    const double left = align == TextAlign::Left    ? x - 2 * px.x
                        : align == TextAlign::Right ? x - width + 2 * px.x
                                                    : x - width / 2;
    surface.FillRect(left, y + 7 * px.y, left + width, y - 7 * px.y, kFlowBackground);
    surface.Text(x, y, text, kAxisColour, align, font);
}

// Ticks on the frame's bottom and left edges with their numbers on an opaque ground; the plane's
// title at the top left with the vertical axis's name under it, the horizontal axis's name at
// the bottom right. The numbers keep clear of both names and of the corners.
void drawAxes(Surface& surface, const PlaneWindow& v, double t, const PixelBox& box,
              const Texts& texts) {
    const double width = v.xMax - v.xMin;
    const double height = v.yMax - v.yMin;
    const PixelStep px{width / std::max(1, box.width), height / std::max(1, box.height)};
    const bool circle = t < 0.5;
    const std::string title = t == 0   ? std::string(texts[TextId::CirclePlaneTitle])
                              : t == 1 ? std::string(texts[TextId::ProfilePlaneTitle])
                                       : texts.format(TextId::MappingTitle, {fixedDecimals(t, 2)});
    const double row = v.yMin + 10 * px.y; // the bottom row of texts
    const std::string xName = circle ? "\u03be" : "x/c";
    const double xStep = tickStep(width);
    const double xLow = v.xMin + 44 * px.x;
    const double xHigh = v.xMax - (captionWidth(xName) + 30) * px.x;
    for (double k = std::ceil(xLow / xStep); k * xStep <= xHigh; k += 1) {
        const double x = k * xStep;
        surface.Line(x, v.yMin, x, v.yMin + 4 * px.y, kAxisColour);
        groundedText(surface, x, row, tickText(x, decimalsOf(xStep)), TextAlign::Centre,
                     TextFont::Caption, px);
    }
    const double yStep = tickStep(height);
    const double yLow = v.yMin + 24 * px.y;
    const double yHigh = v.yMax - 44 * px.y;
    for (double k = std::ceil(yLow / yStep); k * yStep <= yHigh; k += 1) {
        const double y = k * yStep;
        surface.Line(v.xMin, y, v.xMin + 4 * px.x, y, kAxisColour);
        groundedText(surface, v.xMin + 10 * px.x, y, tickText(y, decimalsOf(yStep)),
                     TextAlign::Left, TextFont::Caption, px);
    }
    groundedText(surface, v.xMax - 6 * px.x, row, xName, TextAlign::Right, TextFont::Heading, px);
    groundedText(surface, v.xMin + 6 * px.x, v.yMax - 28 * px.y, circle ? "\u03b7" : "y/c",
                 TextAlign::Left, TextFont::Heading, px);
    groundedText(surface, v.xMin + 6 * px.x, v.yMax - 11 * px.y, title, TextAlign::Left,
                 TextFont::Heading, px);
}

void drawMarker(Surface& surface, Complex p, Colour colour, double size) {
    surface.Marker(p.real(), p.imag(), size + 3, kMarkerRing);
    surface.Marker(p.real(), p.imag(), size, colour);
}

// The trailing edge's mark: a diamond, 11 pixels across, ringed in black.
void drawTrailingEdgeMark(Surface& surface, Complex p, PixelStep px) {
    const auto diamond = [&](double r) {
        return std::vector<UserPoint>{{p.real() + r * px.x, p.imag()},
                                      {p.real(), p.imag() + r * px.y},
                                      {p.real() - r * px.x, p.imag()},
                                      {p.real(), p.imag() - r * px.y}};
    };
    surface.Polygon(diamond(7), kMarkerRing);
    surface.Polygon(diamond(5), kTrailingEdgeColour);
}

MorphPoint morphOf(const FlowPoint& p) {
    return {{p.xc, p.yc}, {p.x, p.y}};
}

// Whether the segment's bounding box meets the view.
bool meets(const PlaneWindow& v, const UserPoint& a, const UserPoint& b) {
    return std::max(a.x, b.x) >= v.xMin && std::min(a.x, b.x) <= v.xMax &&
           std::max(a.y, b.y) >= v.yMin && std::min(a.y, b.y) <= v.yMax;
}

// The streamline at stage t, cut to the runs of segments that can be seen in the view: each run
// starts and ends beyond the view's edge (or at the line's own end), so that drawn and clipped
// to the plane it runs from frame to frame.
void drawStreamline(Surface& surface, const Streamline& line, double t, const PlaneWindow& v) {
    std::vector<UserPoint> points;
    points.reserve(line.points.size());
    for (const FlowPoint& p : line.points) {
        const Complex at = morphOf(p).at(t);
        points.push_back({at.real(), at.imag()});
    }
    std::vector<UserPoint> run;
    const auto flush = [&] {
        if (run.size() >= 2) {
            surface.Polyline(run, kStreamlineColour, line.dividing ? kDividingWidth : 1);
        }
        run.clear();
    };
    for (std::size_t i = 0; i + 1 < points.size(); ++i) {
        if (!meets(v, points[i], points[i + 1])) {
            flush();
            continue;
        }
        if (run.empty()) {
            run.push_back(points[i]);
        }
        run.push_back(points[i + 1]);
    }
    flush();
}

std::vector<UserPoint> bodyAt(const std::vector<MorphPoint>& body, double t) {
    std::vector<UserPoint> polygon;
    polygon.reserve(body.size());
    for (const MorphPoint& p : body) {
        const Complex at = p.at(t);
        polygon.push_back({at.real(), at.imag()});
    }
    return polygon;
}

void drawKept(Surface& surface, const Ghost& kept, double t, const PlaneWindow& v,
              const Texts& texts) {
    surface.Polyline(bodyAt(keptBody(kept), t), kGhostColour, 1); // thin: a wide pen costs ms
    drawGhostLabel(surface, kept, v.xMax - 0.02 * (v.xMax - v.xMin),
                   v.yMax - 0.052 * (v.yMax - v.yMin), TextAlign::Right, texts);
}

} // namespace

const std::vector<MorphPoint>& keptBody(const Ghost& kept) {
    return kept.cached<std::vector<MorphPoint>>(
        "flow body", [](const State& s) { return bodyOutline(s, Flow(s)); });
}

void drawFlowPlane(Surface& surface, const FlowPicture& picture, double t, const PixelBox& box,
                   double ratio, const Ghost* kept, const Texts& texts) {
    const PlaneWindow v = flowView(picture.flow(), t, aspectOf(box));
    surface.Cls();
    surface.Scale(v.xMin, v.yMax, v.xMax, v.yMin);

    std::shared_ptr<RasterImage> shading = shadingImage();
    shadePlane(*shading, picture, t, v, static_cast<int>(std::lround(box.width * ratio)),
               static_cast<int>(std::lround(box.height * ratio)));
    surface.Image(v.xMin, v.yMax, v.xMax, v.yMin, std::move(shading));

    for (const Streamline& line : picture.streamlines()) {
        drawStreamline(surface, line, t, v);
    }

    const std::vector<UserPoint> polygon = bodyAt(picture.body(), t);
    surface.Polygon(polygon, kBodyColour);
    surface.Polyline(polygon, kBodyEdgeColour, 1.5);
    if (kept) {
        drawKept(surface, *kept, t, v, texts);
    }

    const Flow& flow = picture.flow();
    // The sharp leading edge first, so that a stagnation point beside it stays in sight.
    if (const auto edge = flow.singularLeadingEdge()) {
        drawMarker(surface, morphOf(*edge).at(t), kSingularColour, 9);
    }
    drawMarker(surface, morphOf(flow.frontStagnation()).at(t), kStagnationColour, 7);
    // The circle's flow stagnates at the trailing edge's point; the profile's flow leaves the
    // edge at a finite speed, so from halfway through the mapping it has its own mark.
    const Complex rear = morphOf(flow.rearStagnation()).at(t);
    if (t < 0.5) {
        drawMarker(surface, rear, kStagnationColour, 7);
    } else {
        drawTrailingEdgeMark(surface, rear,
                             {(v.xMax - v.xMin) / std::max(1, box.width),
                              (v.yMax - v.yMin) / std::max(1, box.height)});
    }
    drawAxes(surface, v, t, box, texts);
}

void drawFlowKey(Surface& surface, const Flow& flow, int width, int height, const Texts& texts) {
    surface.Cls();
    surface.Scale(0, 0, std::max(1, width), std::max(1, height));
    const double y = height / 2.0;
    double x = 8;
    const auto entry = [&](const std::string& text) {
        surface.Text(x + 10, y, text, kAxisColour);
        x += 10 + captionWidth(text) + 16;
    };
    drawMarker(surface, {x, y}, kStagnationColour, 7);
    entry(std::string(texts[TextId::KeyStagnation]));
    drawTrailingEdgeMark(surface, {x, y}, {1, -1});
    entry(texts.format(TextId::KeyTrailingEdge, {tickText(flow.trailingEdgeSpeed(), 3)}));
    if (flow.singularLeadingEdge()) {
        drawMarker(surface, {x, y}, kSingularColour, 9);
        entry(std::string(texts[TextId::KeySingularEdge]));
    }
}

void composeFlowPicture(Surface& record, const Surface& left, const Surface& right,
                        const Surface& legend, const Surface& key, int width, int height) {
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
    record.Append(key, itemBox(layout.key));
}

void recordFlowPicture(Surface& record, const FlowPicture& picture, double t, int width, int height,
                       double ratio, const Ghost* kept, const Texts& texts) {
    const FlowLayout layout = flowLayout(width, height);
    Surface left;
    Surface right;
    Surface legend;
    Surface key;
    drawFlowPlane(left, picture, t, layout.left, ratio, kept, texts);
    drawFlowPlane(right, picture, 1, layout.right, ratio, kept, texts);
    drawCpLegend(legend, picture.profileMinimum(), picture.circleMinimum(), texts);
    drawFlowKey(key, picture.flow(), layout.key.width, layout.key.height, texts);
    composeFlowPicture(record, left, right, legend, key, width, height);
}

} // namespace kestrel
