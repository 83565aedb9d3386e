// SPDX-License-Identifier: MIT
#include "plots/boundary_layer_plots.h"

#include "model/circle_flow.h"
#include "model/decimal.h"
#include "model/text.h"
#include "model/texts.h"

#include <algorithm>
#include <cmath>
#include <exception>
#include <numbers>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace kestrel {

namespace {

constexpr Colour kGrid = rgb(218, 218, 218);
constexpr Colour kAxis = rgb(64, 64, 64);
constexpr Colour kBody = rgb(205, 205, 205);
constexpr Colour kOutline = rgb(90, 90, 90);
constexpr double kCurveWidth = 2;
constexpr int kOutlinePoints = 240;

// How the pictures draw a profile's layer and polar: the current profile's in the pictures'
// colours, its marks named; the kept one's faintly and thin, so that it stays behind.
struct LayerPen {
    Colouring colouring;
    double width;
    bool named;
};
constexpr LayerPen kCurrentPen{asItIs, kCurveWidth, true};
constexpr LayerPen kKeptPen{ghostColour, 1, false};

// The axes of a chart: the plotted ranges, their grid steps and the decimals of their numbers.
struct Axes {
    double x0, x1, xStep;
    int xDecimals;
    double y0, y1, yStep;
    int yDecimals;
};

// Room above a chart for its title and two rows of legend, as a fraction of its height; the
// legend's rows, nearest the chart first.
constexpr double kTopRoom = 0.27;
constexpr double kLegendRows[] = {0.05, 0.12};

// A step of 1, 2 or 5 times a power of ten that cuts the span into about `parts` parts.
double niceStep(double span, int parts) {
    const double raw = span / parts;
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    for (const double m : {1.0, 2.0, 5.0}) {
        if (m * power >= raw * (1 - 1e-9)) {
            return m * power;
        }
    }
    return 10 * power;
}

int decimalsOf(double step) {
    return std::max(0, static_cast<int>(std::ceil(-std::log10(step) - 1e-9)));
}

// The range from lo to hi widened to whole steps of about a `parts`th of it.
void niceRange(double lo, double hi, int parts, double& from, double& to, double& step) {
    if (!(hi > lo)) {
        hi = lo + 1;
    }
    step = niceStep(hi - lo, parts);
    from = std::floor(lo / step + 1e-9) * step;
    to = std::ceil(hi / step - 1e-9) * step;
}

// Frames the chart: the scale with room for numbers and titles, grid, box, numbers on both
// axes, the title above and the x title below. Afterwards the items are clipped to the plotted
// box (clipToAxes).
void drawAxes(Surface& s, const Axes& a, const std::string& title, const std::string& xTitle) {
    const double w = a.x1 - a.x0;
    const double h = a.y1 - a.y0;
    s.Scale(a.x0 - 0.15 * w, a.y1 + kTopRoom * h, a.x1 + 0.04 * w, a.y0 - 0.17 * h);
    const int xSteps = static_cast<int>(std::lround(w / a.xStep));
    const int ySteps = static_cast<int>(std::lround(h / a.yStep));
    for (int k = 1; k < xSteps; ++k) {
        s.Line(a.x0 + k * a.xStep, a.y0, a.x0 + k * a.xStep, a.y1, kGrid);
    }
    for (int k = 1; k < ySteps; ++k) {
        s.Line(a.x0, a.y0 + k * a.yStep, a.x1, a.y0 + k * a.yStep, kGrid);
    }
    s.Polyline({{a.x0, a.y0}, {a.x1, a.y0}, {a.x1, a.y1}, {a.x0, a.y1}, {a.x0, a.y0}}, kAxis);
    for (int k = 0; k <= xSteps; ++k) {
        const double x = a.x0 + k * a.xStep;
        s.Text(x, a.y0 - 0.06 * h, tickText(x, a.xDecimals), kAxis, TextAlign::Centre);
    }
    for (int k = 0; k <= ySteps; ++k) {
        const double y = a.y0 + k * a.yStep;
        s.Text(a.x0 - 0.015 * w, y, tickText(y, a.yDecimals), kAxis, TextAlign::Right);
    }
    s.Text(a.x0, a.y1 + (kTopRoom - 0.07) * h, title, kAxis, TextAlign::Left, TextFont::Heading);
    s.Text((a.x0 + a.x1) / 2, a.y0 - 0.13 * h, xTitle, kAxis, TextAlign::Centre);
}

// The items after this are clipped to the plotted box, in the same coordinates.
void clipToAxes(Surface& s, const Axes& a) {
    const UserRect user{static_cast<float>(a.x0), static_cast<float>(a.y1),
                        static_cast<float>(a.x1), static_cast<float>(a.y0)};
    // The box of the plotted range in the scale's own coordinates: the same numbers.
    s.Area({user.x1, user.y1, user.x2 - user.x1, user.y2 - user.y1}, user);
}

// A cross of two short lines centred on (x, y), 2 dx wide and 2 dy high.
void drawCross(Surface& s, double x, double y, double dx, double dy, Colour colour,
               double width = kCurveWidth) {
    s.Polyline({{x - dx, y - dy}, {x + dx, y + dy}}, colour, width);
    s.Polyline({{x - dx, y + dy}, {x + dx, y - dy}}, colour, width);
}

// The index of the first turbulent station, or none.
std::optional<std::size_t> firstTurbulent(const BoundaryLayerSide& side) {
    for (std::size_t i = 0; i < side.size(); ++i) {
        if (side.regime[i] == Regime::Turbulent) {
            return i;
        }
    }
    return std::nullopt;
}

// ---- The profile with its displacement thickness

// The outward normal at station i: the left of the flow direction on the upper side, its right
// on the lower one.
UserPoint outwardNormal(const BoundaryLayerSide& side, std::size_t i, bool upper) {
    const std::size_t a = i == 0 ? 0 : i - 1;
    const std::size_t b = std::min(i + 1, side.size() - 1);
    const double tx = side.x[b] - side.x[a];
    const double ty = side.y[b] - side.y[a];
    const double length = std::hypot(tx, ty);
    if (length == 0) {
        return {0, upper ? 1.0 : -1.0};
    }
    return upper ? UserPoint{-ty / length, tx / length} : UserPoint{ty / length, -tx / length};
}

UserPoint displaced(const BoundaryLayerSide& side, std::size_t i, bool upper) {
    const UserPoint n = outwardNormal(side, i, upper);
    const double d = kDisplacementExaggeration * side.deltaStar[i];
    return {side.x[i] + d * n.x, side.y[i] + d * n.y};
}

void drawDisplacement(Surface& s, const BoundaryLayerSide& side, bool upper, const LayerPen& pen) {
    std::vector<UserPoint> run;
    for (std::size_t i = 0; i < side.size(); ++i) {
        run.push_back(displaced(side, i, upper));
        const bool ends = i + 1 == side.size() || side.regime[i + 1] != side.regime[i];
        if (ends) {
            if (run.size() >= 2) {
                s.Polyline(run,
                           pen.colouring(side.regime[i] == Regime::Laminar ? kLaminarColour
                                                                           : kTurbulentColour),
                           pen.width);
            }
            run.clear();
        }
    }
}

// Transition and separation marked on the side's displacement surface, named with their x/c where
// the pen says (not the kept profile's: the names would crowd).
void drawLayerMarks(Surface& s, const BoundaryLayerSide& side, bool upper, double height,
                    const LayerPen& pen, const Texts& texts) {
    const double away = (upper ? 1 : -1) * 0.07 * height;
    if (const std::optional<std::size_t> t = firstTurbulent(side); t && side.transition) {
        const UserPoint p = displaced(side, *t, upper);
        s.Marker(p.x, p.y, 7, pen.colouring(kTransitionColour));
        if (pen.named) {
            s.Text(p.x, p.y + away,
                   std::string(texts[TextId::TransitionMark]) + " " +
                       fixedDecimals(side.transition->x, 2),
                   kTransitionColour, TextAlign::Centre);
        }
    }
    if (const std::optional<double> x = side.separationX(); x && side.size() > 0) {
        const std::size_t last = side.size() - 1;
        drawCross(s, side.x[last], side.y[last], 0.012, 0.012, pen.colouring(kSeparationColour),
                  pen.width);
        if (pen.named) {
            s.Text(side.x[last], side.y[last] + 2 * away,
                   std::string(texts[TextId::SeparationMark]) + " " + fixedDecimals(*x, 2),
                   kSeparationColour, TextAlign::Centre);
        }
    }
}

// The layer of both sides over the profile, as drawLayerProfile draws it.
void drawLayerSides(Surface& s, const BoundaryLayer& layer, double height, const LayerPen& pen,
                    const Texts& texts) {
    drawDisplacement(s, layer.upper, true, pen);
    drawDisplacement(s, layer.lower, false, pen);
    drawLayerMarks(s, layer.upper, true, height, pen, texts);
    drawLayerMarks(s, layer.lower, false, height, pen, texts);
}

std::vector<UserPoint> outline(const State& st) {
    const CircleFlow flow(st);
    std::vector<UserPoint> points;
    points.reserve(kOutlinePoints + 1);
    for (int k = 0; k <= kOutlinePoints; ++k) {
        const auto z = flow.surfaceAt(2 * std::numbers::pi * k / kOutlinePoints).z;
        points.push_back({z.real(), z.imag()});
    }
    return points;
}

void drawLegendLine(Surface& s, double x, double y, double length, Colour colour,
                    const std::string& label) {
    s.Polyline({{x, y}, {x + length, y}}, colour, kCurveWidth);
    s.Text(x + 1.3 * length, y, label, kAxis);
}

} // namespace

void drawLayerProfile(Surface& s, const State& st, const BoundaryLayer& layer, double aspect,
                      const KeptLayer* kept, const Texts& texts) {
    s.Cls();
    const std::vector<UserPoint> body = outline(st);
    double lo = 0, hi = 0;
    for (const UserPoint& p : body) {
        lo = std::min(lo, p.y);
        hi = std::max(hi, p.y);
    }
    const double width = 1.24;
    const double height = width / std::max(aspect, 0.5);
    const double middle = (lo + hi) / 2;
    s.Scale(-0.12, middle + height / 2, 1.12, middle - height / 2);
    s.Polygon(body, kBody);
    if (kept) {
        s.Polyline(kept->ghost.cached<std::vector<UserPoint>>("layer outline", outline),
                   ghostColour(kOutline));
        drawLayerSides(s, kept->view.layer, height, kKeptPen, texts);
    }
    s.Polyline(body, kOutline);
    drawLayerSides(s, layer, height, kCurrentPen, texts);
    const std::string title =
        texts.format(TextId::LayerProfileTitle, {std::to_string(kDisplacementExaggeration)});
    const double top = middle + height / 2;
    s.Text(-0.1, top - 0.06 * height, title, kAxis, TextAlign::Left, TextFont::Heading);
    drawLegendLine(s, -0.1, middle - 0.4 * height, 0.06, kLaminarColour,
                   std::string(texts[TextId::LaminarLegend]));
    drawLegendLine(s, 0.2, middle - 0.4 * height, 0.06, kTurbulentColour,
                   std::string(texts[TextId::TurbulentLegend]));
    if (kept) {
        drawGhostLabel(s, kept->ghost, 1.1, middle - 0.4 * height, TextAlign::Right, texts);
    }
}

namespace {

// One side's values of a quantity against x, transition and separation marked.
void drawSideCurve(Surface& s, const BoundaryLayerSide& side, const std::vector<double>& values,
                   Colour colour, double dy, const LayerPen& pen) {
    std::vector<UserPoint> curve;
    for (std::size_t i = 0; i < side.size(); ++i) {
        if (std::isfinite(values[i])) {
            curve.push_back({side.x[i], values[i]});
        }
    }
    if (curve.size() >= 2) {
        s.Polyline(curve, pen.colouring(colour), pen.width);
    }
    if (const std::optional<std::size_t> t = firstTurbulent(side); t && side.transition && *t > 0) {
        s.Marker(side.x[*t - 1], values[*t - 1], 7, pen.colouring(kTransitionColour));
    }
    if (side.separationX() && side.size() > 0) {
        const std::size_t last = side.size() - 1;
        drawCross(s, side.x[last], values[last], 0.015, dy, pen.colouring(kSeparationColour),
                  pen.width);
    }
}

void drawSideLegend(Surface& s, const Axes& a, const Texts& texts) {
    const double h = a.y1 - a.y0;
    const double y = a.y1 + kLegendRows[0] * h;
    drawLegendLine(s, 0, y, 0.05, kUpperSideColour, std::string(texts[TextId::UpperLegend]));
    drawLegendLine(s, 0.45, y, 0.05, kLowerSideColour, std::string(texts[TextId::LowerLegend]));
}

double largestCf(const BoundaryLayer& layer, const KeptLayer* kept) {
    // The laminar Cf grows without bound towards the stagnation point: the range is set by the
    // layer behind the first 5 % of the chord, the kept profile's too.
    double top = 0;
    for (const BoundaryLayerSide* side :
         {&layer.upper, &layer.lower, kept ? &kept->view.layer.upper : &layer.upper,
          kept ? &kept->view.layer.lower : &layer.lower}) {
        for (std::size_t i = 0; i < side->size(); ++i) {
            if (side->x[i] > 0.05 && std::isfinite(side->Cf[i])) {
                top = std::max(top, side->Cf[i]);
            }
        }
    }
    return top > 0 ? 1.15 * top : 0.01;
}

void drawSides(Surface& s, const BoundaryLayer& layer, const Axes& a,
               std::vector<double> BoundaryLayerSide::*values, const LayerPen& pen) {
    const double dy = 0.03 * (a.y1 - a.y0);
    drawSideCurve(s, layer.upper, layer.upper.*values, kUpperSideColour, dy, pen);
    drawSideCurve(s, layer.lower, layer.lower.*values, kLowerSideColour, dy, pen);
}

// Both sides' curves of a quantity, the kept profile's faintly behind the current one's (the
// profile picture beside them names it).
void drawSideCurves(Surface& s, const BoundaryLayer& layer, const Axes& a,
                    std::vector<double> BoundaryLayerSide::*values, const KeptLayer* kept) {
    clipToAxes(s, a);
    if (kept) {
        drawSides(s, kept->view.layer, a, values, kKeptPen);
    }
    drawSides(s, layer, a, values, kCurrentPen);
}

} // namespace

void drawSkinFriction(Surface& s, const BoundaryLayer& layer, const KeptLayer* kept,
                      const Texts& texts) {
    s.Cls();
    Axes a{0, 1, 0.2, 1, 0, 0, 0, 0};
    niceRange(0, largestCf(layer, kept), 4, a.y0, a.y1, a.yStep);
    a.yDecimals = decimalsOf(a.yStep);
    drawAxes(s, a, std::string(texts[TextId::FrictionTitle]), "x/c");
    drawSideLegend(s, a, texts);
    drawSideCurves(s, layer, a, &BoundaryLayerSide::Cf, kept);
}

void drawShapeFactor(Surface& s, const BoundaryLayer& layer, const KeptLayer* kept,
                     const Texts& texts) {
    s.Cls();
    const Axes a{0, 1, 0.2, 1, 1, 4, 0.5, 1};
    drawAxes(s, a, std::string(texts[TextId::ShapeFactorTitle]), "x/c");
    drawSideLegend(s, a, texts);
    drawSideCurves(s, layer, a, &BoundaryLayerSide::H, kept);
}

namespace {

bool separates(const PolarPoint& p) {
    return p.xsepUpper.has_value() || p.xsepLower.has_value();
}

// The axes over the polar's points and the kept profile's.
Axes polarAxes(std::span<const PolarPoint> polar, const KeptLayer* kept) {
    double cdTop = 0;
    double clLow = 0, clHigh = 0;
    for (const std::span<const PolarPoint> points :
         {polar, kept ? std::span<const PolarPoint>(kept->view.polar) : polar}) {
        for (const PolarPoint& p : points) {
            if (p.CD) {
                cdTop = std::max(cdTop, *p.CD);
            }
            clLow = std::min(clLow, p.CL);
            clHigh = std::max(clHigh, p.CL);
        }
    }
    Axes a{};
    niceRange(0, cdTop > 0 ? 1.1 * cdTop : 0.02, 4, a.x0, a.x1, a.xStep);
    niceRange(clLow, clHigh, 5, a.y0, a.y1, a.yStep);
    a.xDecimals = decimalsOf(a.xStep);
    a.yDecimals = decimalsOf(a.yStep);
    return a;
}

// Where a point of the polar is drawn: at its CD, or at the right edge without one.
UserPoint polarPlace(const PolarPoint& p, const Axes& a) {
    return {p.CD ? *p.CD : a.x1, p.CL};
}

void drawPolarLegend(Surface& s, const Axes& a, std::span<const PolarPoint> polar,
                     const Texts& texts) {
    const double w = a.x1 - a.x0;
    const double h = a.y1 - a.y0;
    const bool late = std::any_of(polar.begin(), polar.end(),
                                  [](const PolarPoint& p) { return p.CD && separates(p); });
    const bool separated =
        std::any_of(polar.begin(), polar.end(), [](const PolarPoint& p) { return !p.CD; });
    int row = 0;
    if (separated) {
        const double y = a.y1 + kLegendRows[row++] * h;
        s.Marker(a.x0 + 0.01 * w, y, 6, kPolarSeparatedColour);
        s.Text(a.x0 + 0.04 * w, y, std::string(texts[TextId::PolarSeparatedLegend]), kAxis);
    }
    if (late) {
        const double y = a.y1 + kLegendRows[row] * h;
        s.Marker(a.x0 + 0.01 * w, y, 6, kPolarLateColour);
        s.Text(a.x0 + 0.04 * w, y, std::string(texts[TextId::PolarLateLegend]), kAxis);
    }
}

} // namespace

namespace {

// The polar's attached angles joined, each angle's point in its colour, and the angle `alpha`
// ringed.
void drawPolarPoints(Surface& s, const Axes& a, std::span<const PolarPoint> polar, double alpha,
                     const LayerPen& pen) {
    std::vector<UserPoint> run;
    const auto flush = [&] {
        if (run.size() >= 2) {
            s.Polyline(run, pen.colouring(kPolarColour), pen.width);
        }
        run.clear();
    };
    for (const PolarPoint& p : polar) {
        if (p.CD) {
            run.push_back(polarPlace(p, a));
        } else {
            flush();
        }
    }
    flush();
    for (const PolarPoint& p : polar) {
        const UserPoint q = polarPlace(p, a);
        if (std::fabs(p.alpha - alpha) < 1e-9) {
            s.Marker(q.x, q.y, 13, pen.colouring(kCurrentAngleColour));
        }
        const Colour colour = !p.CD          ? kPolarSeparatedColour
                              : separates(p) ? kPolarLateColour
                                             : kPolarColour;
        s.Marker(q.x, q.y, 6, pen.colouring(colour));
    }
}

} // namespace

void drawDragPolar(Surface& s, std::span<const PolarPoint> polar, double alpha,
                   const KeptLayer* kept, const Texts& texts) {
    s.Cls();
    if (polar.empty()) {
        return;
    }
    const Axes a = polarAxes(polar, kept);
    drawAxes(s, a, std::string(texts[TextId::DragPolarTitle]), "CD");
    s.Text(a.x0 - 0.11 * (a.x1 - a.x0), (a.y0 + a.y1) / 2, "CL", kAxis, TextAlign::Centre,
           TextFont::Heading);
    drawPolarLegend(s, a, polar, texts);
    if (std::none_of(polar.begin(), polar.end(),
                     [](const PolarPoint& p) { return p.CD.has_value(); })) {
        s.Text((a.x0 + a.x1) / 2, (a.y0 + a.y1) / 2, std::string(texts[TextId::PolarNoDragNote]),
               kAxis, TextAlign::Centre);
    }
    clipToAxes(s, a);
    // The right edge holds the angles without a CD.
    s.Polyline({{a.x1, a.y0}, {a.x1, a.y1}}, kPolarSeparatedColour, 3);
    if (kept) {
        // In the box's top left corner, where a polar's low drag and high lift never meet.
        const double w = a.x1 - a.x0;
        drawGhostLabel(s, kept->ghost, a.x0 + 0.02 * w, a.y1 - 0.07 * (a.y1 - a.y0),
                       TextAlign::Left, texts);
        drawPolarPoints(s, a, kept->view.polar, kept->view.alpha, kKeptPen);
    }
    drawPolarPoints(s, a, polar, alpha, kCurrentPen);
    for (const PolarPoint& p : polar) {
        if (std::fabs(p.alpha - alpha) < 1e-9) {
            const UserPoint q = polarPlace(p, a);
            const bool right = q.x > (a.x0 + a.x1) / 2;
            s.Text(q.x + (right ? -1 : 1) * 0.04 * (a.x1 - a.x0), q.y,
                   "α = " + tickText(p.alpha, 0) + "°", kCurrentAngleColour,
                   right ? TextAlign::Right : TextAlign::Left, TextFont::Heading);
        }
    }
}

namespace {

// The options a kept layer was computed for, to the last digit.
std::string settingsOf(const BoundaryLayerOptions& options) {
    std::ostringstream text;
    text.precision(17);
    text << options.reynolds << ' ' << options.ncrit << ' ' << options.refinement << ' '
         << options.tripUpper.value_or(-1) << ' ' << options.tripLower.value_or(-1);
    return text.str();
}

} // namespace

const BoundaryLayerView* keptLayerView(const Ghost& kept, const BoundaryLayerOptions& options) {
    const std::optional<BoundaryLayerView>& view = kept.cachedFor<std::optional<BoundaryLayerView>>(
        "boundary layer", settingsOf(options),
        [&options](const State& s) -> std::optional<BoundaryLayerView> {
            try {
                return boundaryLayerView(s, options);
            } catch (const std::exception&) {
                return std::nullopt; // the current profile's layer still shows
            }
        });
    return view ? &*view : nullptr;
}

std::optional<KeptLayer> keptLayer(const Ghost* kept, const BoundaryLayerOptions& options) {
    const BoundaryLayerView* view = kept ? keptLayerView(*kept, options) : nullptr;
    if (!view) {
        return std::nullopt;
    }
    return KeptLayer{*kept, *view};
}

} // namespace kestrel
