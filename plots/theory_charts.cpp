// SPDX-License-Identifier: MIT
#include "plots/theory_charts.h"

#include "model/coefficients.h"
#include "model/text.h"
#include "model/texts.h"
#include "plots/chart_frame.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace kestrel {

namespace {

// Thin-airfoil theory's line is drawn wider, under the exact one, so that it shows where the two
// lie on each other.
constexpr double kCurveWidth = 1.5;
constexpr double kThinWidth = 3.5;
constexpr double kMarkerSize = 8;
constexpr Colour kCurrentAngle = rgb(110, 110, 110);
// The load's axis leaves out the leading-edge peak, where thin-airfoil theory's load is infinite.
constexpr double kLoadAxisFrom = 0.05;

// A vertical axis over the values, a tenth of their spread (and at least 0.01) beyond them.
ChartAxis axisOver(const std::vector<double>& values, int lines) {
    const auto [low, high] = std::minmax_element(values.begin(), values.end());
    const double pad = std::max(0.1 * (*high - *low), 0.01);
    return valueAxis(*low - pad, *high + pad, lines);
}

// Room above the box for one row of legend, or two with a kept profile.
double topRoom(const Ghost* kept) {
    return kept ? 0.27 : 0.16;
}

ChartFrame angleFrame(const ChartAxis& y, TextId yTitle, const Ghost* kept, const Texts& texts) {
    ChartFrame f;
    f.x = {curveAngle(kCurveFirst), curveAngle(kCurveLast), 4, 0};
    f.y = y;
    f.xTitle = std::string(texts[TextId::AngleAxisTitle]);
    f.yTitle = std::string(texts[yTitle]);
    f.topRoom = topRoom(kept);
    return f;
}

// The two legend entries in the room above the box; with a kept profile, its exact line and
// label in a row above them.
void drawLegend(Surface& s, const ChartFrame& f, const Ghost* kept, const Texts& texts) {
    const double w = f.x.last - f.x.first;
    const double h = f.y.last - f.y.first;
    const double y = f.y.last + 0.08 * h;
    legendEntry(s, f, f.x.first + 0.02 * w, y, exactTheoryColour(), kCurveWidth,
                std::string(texts[TextId::TheoryExactLegend]));
    legendEntry(s, f, f.x.first + 0.5 * w, y, thinTheoryColour(), kThinWidth,
                std::string(texts[TextId::TheoryThinLegend]));
    if (kept) {
        const double x = f.x.first + 0.02 * w;
        const double above = y + 0.1 * h;
        s.Polyline({{x, above}, {x + 0.06 * w, above}}, ghostColour(exactTheoryColour()),
                   kCurveWidth);
        drawGhostLabel(s, *kept, x + 0.08 * w, above, TextAlign::Left, texts);
    }
}

// One theory's curve against the angle of attack with a dot at the state's angle.
void drawAngleLine(Surface& s, const std::vector<AnglePoint>& curve, const AnglePoint& current,
                   double AnglePoint::*theory, Colour colour, double width) {
    std::vector<UserPoint> line;
    for (const AnglePoint& p : curve) {
        line.push_back({p.alfaDegrees, p.*theory});
    }
    s.Polyline(line, colour, width);
    s.Marker(current.alfaDegrees, current.*theory, kMarkerSize, colour);
}

// Which of the comparison's angle curves a chart shows.
struct AngleCurve {
    std::vector<AnglePoint> TheoryComparison::*curve;
    AnglePoint TheoryComparison::*current;
    TextId yTitle;
};

// Both theories' curves against the angle of attack, and the current angle marked on them; the
// kept profile's exact curve faintly behind them, inside the chart's axis.
void drawAngleChart(Surface& s, const TheoryComparison& t, const AngleCurve& which,
                    const Ghost* kept, const Texts& texts) {
    const std::vector<AnglePoint>& curve = t.*which.curve;
    const AnglePoint& current = t.*which.current;
    std::vector<double> values;
    for (const AnglePoint& p : curve) {
        values.insert(values.end(), {p.exact, p.thin});
    }
    if (kept) { // its line inside the chart too
        for (const AnglePoint& p : keptTheory(*kept).*which.curve) {
            values.push_back(p.exact);
        }
    }
    const ChartFrame f = angleFrame(axisOver(values, 5), which.yTitle, kept, texts);
    beginChart(s, f);
    s.Line(current.alfaDegrees, f.y.first, current.alfaDegrees, f.y.last, kCurrentAngle);
    if (kept) {
        const TheoryComparison& k = keptTheory(*kept);
        drawAngleLine(s, k.*which.curve, k.*which.current, &AnglePoint::exact,
                      ghostColour(exactTheoryColour()), kCurveWidth);
    }
    drawAngleLine(s, curve, current, &AnglePoint::thin, thinTheoryColour(), kThinWidth);
    drawAngleLine(s, curve, current, &AnglePoint::exact, exactTheoryColour(), kCurveWidth);
    endPlotArea(s);
    drawLegend(s, f, kept, texts);
}

// One theory's load along the chord, where it is finite.
void drawLoadLine(Surface& s, const std::vector<LoadPoint>& load, double LoadPoint::*theory,
                  Colour colour, double width) {
    std::vector<UserPoint> line;
    for (const LoadPoint& p : load) {
        if (std::isfinite(p.*theory)) {
            line.push_back({p.x, p.*theory});
        }
    }
    s.Polyline(line, colour, width);
}

} // namespace

Colour exactTheoryColour() {
    return rgb(0, 70, 255);
}

Colour thinTheoryColour() {
    return rgb(220, 40, 0);
}

void drawTheoryLift(Surface& s, const TheoryComparison& t, const Ghost* kept, const Texts& texts) {
    drawAngleChart(s, t,
                   {&TheoryComparison::lift, &TheoryComparison::current, TextId::TheoryLiftAxis},
                   kept, texts);
}

void drawTheoryMoment(Surface& s, const TheoryComparison& t, const Ghost* kept,
                      const Texts& texts) {
    drawAngleChart(
        s, t,
        {&TheoryComparison::moment, &TheoryComparison::currentMoment, TextId::TheoryMomentAxis},
        kept, texts);
}

void drawTheoryLoad(Surface& s, const TheoryComparison& t, const Ghost* kept, const Texts& texts) {
    std::vector<double> values{0};
    std::vector<LoadPoint> load;
    for (const LoadPoint& p : t.load) {
        if (!std::isfinite(p.exact) || !std::isfinite(p.thin)) {
            continue;
        }
        if (p.x >= kLoadAxisFrom) {
            values.insert(values.end(), {p.exact, p.thin});
        }
        load.push_back(p);
    }
    if (kept) {
        for (const LoadPoint& p : keptTheory(*kept).load) {
            if (p.x >= kLoadAxisFrom && std::isfinite(p.exact)) {
                values.push_back(p.exact);
            }
        }
    }
    ChartFrame f;
    f.x = {0, 1, 0.2, 1};
    f.y = axisOver(values, 5);
    f.xTitle = std::string(texts[TextId::ChordAxisTitle]);
    f.yTitle = std::string(texts[TextId::TheoryLoadAxis]);
    f.topRoom = topRoom(kept);
    beginChart(s, f);
    s.Line(0, 0, 1, 0, chartAxisColour());
    if (kept) {
        drawLoadLine(s, keptTheory(*kept).load, &LoadPoint::exact, ghostColour(exactTheoryColour()),
                     kCurveWidth);
    }
    drawLoadLine(s, load, &LoadPoint::thin, thinTheoryColour(), kThinWidth);
    drawLoadLine(s, load, &LoadPoint::exact, exactTheoryColour(), kCurveWidth);
    endPlotArea(s);
    drawLegend(s, f, kept, texts);
}

const TheoryComparison& keptTheory(const Ghost& kept) {
    return kept.cached<TheoryComparison>("theory", compareWithThinAirfoil);
}

} // namespace kestrel
