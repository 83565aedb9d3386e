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

ChartFrame angleFrame(const ChartAxis& y, TextId yTitle, const Texts& texts) {
    ChartFrame f;
    f.x = {curveAngle(kCurveFirst), curveAngle(kCurveLast), 4, 0};
    f.y = y;
    f.xTitle = std::string(texts[TextId::AngleAxisTitle]);
    f.yTitle = std::string(texts[yTitle]);
    f.topRoom = 0.16;
    return f;
}

// The two legend entries in the room above the box.
void drawLegend(Surface& s, const ChartFrame& f, const Texts& texts) {
    const double w = f.x.last - f.x.first;
    const double y = f.y.last + 0.08 * (f.y.last - f.y.first);
    legendEntry(s, f, f.x.first + 0.02 * w, y, exactTheoryColour(), kCurveWidth,
                std::string(texts[TextId::TheoryExactLegend]));
    legendEntry(s, f, f.x.first + 0.5 * w, y, thinTheoryColour(), kThinWidth,
                std::string(texts[TextId::TheoryThinLegend]));
}

// Both theories' curves against the angle of attack, and the current angle marked on them.
void drawAngleChart(Surface& s, const std::vector<AnglePoint>& curve, const AnglePoint& current,
                    TextId yTitle, const Texts& texts) {
    std::vector<double> values;
    std::vector<UserPoint> exact;
    std::vector<UserPoint> thin;
    for (const AnglePoint& p : curve) {
        values.insert(values.end(), {p.exact, p.thin});
        exact.push_back({p.alfaDegrees, p.exact});
        thin.push_back({p.alfaDegrees, p.thin});
    }
    const ChartFrame f = angleFrame(axisOver(values, 5), yTitle, texts);
    beginChart(s, f);
    s.Line(current.alfaDegrees, f.y.first, current.alfaDegrees, f.y.last, kCurrentAngle);
    s.Polyline(thin, thinTheoryColour(), kThinWidth);
    s.Polyline(exact, exactTheoryColour(), kCurveWidth);
    s.Marker(current.alfaDegrees, current.thin, kMarkerSize, thinTheoryColour());
    s.Marker(current.alfaDegrees, current.exact, kMarkerSize, exactTheoryColour());
    endPlotArea(s);
    drawLegend(s, f, texts);
}

} // namespace

Colour exactTheoryColour() {
    return rgb(0, 70, 255);
}

Colour thinTheoryColour() {
    return rgb(220, 40, 0);
}

void drawTheoryLift(Surface& s, const TheoryComparison& t, const Texts& texts) {
    drawAngleChart(s, t.lift, t.current, TextId::TheoryLiftAxis, texts);
}

void drawTheoryMoment(Surface& s, const TheoryComparison& t, const Texts& texts) {
    drawAngleChart(s, t.moment, t.currentMoment, TextId::TheoryMomentAxis, texts);
}

void drawTheoryLoad(Surface& s, const TheoryComparison& t, const Texts& texts) {
    std::vector<double> values{0};
    std::vector<UserPoint> exact;
    std::vector<UserPoint> thin;
    for (const LoadPoint& p : t.load) {
        if (!std::isfinite(p.exact) || !std::isfinite(p.thin)) {
            continue;
        }
        if (p.x >= kLoadAxisFrom) {
            values.insert(values.end(), {p.exact, p.thin});
        }
        exact.push_back({p.x, p.exact});
        thin.push_back({p.x, p.thin});
    }
    ChartFrame f;
    f.x = {0, 1, 0.2, 1};
    f.y = axisOver(values, 5);
    f.xTitle = std::string(texts[TextId::ChordAxisTitle]);
    f.yTitle = std::string(texts[TextId::TheoryLoadAxis]);
    f.topRoom = 0.16;
    beginChart(s, f);
    s.Line(0, 0, 1, 0, chartAxisColour());
    s.Polyline(thin, thinTheoryColour(), kThinWidth);
    s.Polyline(exact, exactTheoryColour(), kCurveWidth);
    endPlotArea(s);
    drawLegend(s, f, texts);
}

} // namespace kestrel
