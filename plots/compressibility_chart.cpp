// SPDX-License-Identifier: MIT
#include "plots/compressibility_chart.h"

#include "model/rule_table.h"
#include "model/text.h"
#include "model/texts.h"
#include "plots/colours.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <string>

namespace kestrel {

namespace {

constexpr Colour kGrid = rgb(218, 218, 218);
constexpr Colour kAxis = rgb(64, 64, 64); // dark grey: black is Cp*'s colour
constexpr Colour kFreeStream = rgb(110, 110, 110);
constexpr double kCurveWidth = 2;

// Room around the plotting area for the numbers and titles, as fractions of the axes' spans.
constexpr double kLeftRoom = 0.13;
constexpr double kRightRoom = 0.03;
constexpr double kTopRoom = 0.17; // the legend's two rows
constexpr double kBottomRoom = 0.16;

// Adds one curve of (M, Cp) points as polylines: a missing value breaks the curve, and a piece
// that rises above the top of the chart is cut where it crosses the top.
class ClippedCurve {
public:
    ClippedCurve(Surface& surface, double top, Colour colour)
        : surface_(surface), top_(top), colour_(colour) {}
    ~ClippedCurve() { flush(); }
    ClippedCurve(const ClippedCurve&) = delete;
    // Whether any piece has been drawn so far.
    bool drawn() const { return drawn_ || run_.size() >= 2; }
    ClippedCurve& operator=(const ClippedCurve&) = delete;

    void add(double mach, std::optional<double> cp) {
        if (!cp || !std::isfinite(*cp)) {
            flush();
            previous_.reset();
            return;
        }
        const UserPoint point{mach, *cp};
        if (previous_) {
            segment(*previous_, point);
        }
        previous_ = point;
    }

private:
    void segment(UserPoint a, UserPoint b) {
        const bool aIn = a.y >= top_;
        const bool bIn = b.y >= top_;
        if (!aIn && !bIn) {
            return;
        }
        const auto crossing = [this](UserPoint p, UserPoint q) {
            const double f = (top_ - p.y) / (q.y - p.y);
            return UserPoint{p.x + f * (q.x - p.x), top_};
        };
        if (run_.empty()) {
            run_.push_back(aIn ? a : crossing(a, b));
        }
        if (bIn) {
            run_.push_back(b);
        } else {
            run_.push_back(crossing(a, b));
            flush();
        }
    }

    void flush() {
        if (run_.size() >= 2) {
            surface_.Polyline(run_, colour_, kCurveWidth);
            drawn_ = true;
        }
        run_.clear();
    }

    Surface& surface_;
    double top_;
    Colour colour_;
    std::optional<UserPoint> previous_;
    std::vector<UserPoint> run_;
    bool drawn_ = false;
};

void drawGridAndAxes(Surface& s, const ChartPressureAxis& axis, const Texts& texts) {
    const double span = -axis.top;
    for (int k = 1; k < 10; ++k) {
        s.Line(k / 10.0, 0, k / 10.0, axis.top, kGrid);
    }
    const int steps = static_cast<int>(std::lround(span / axis.step));
    for (int k = 1; k < steps; ++k) {
        s.Line(0, -k * axis.step, 1, -k * axis.step, kGrid);
    }
    s.Polyline({{0, axis.top}, {0, 0}, {1, 0}, {1, axis.top}, {0, axis.top}}, kAxis);
    const int decimals = axis.step < 1 ? 1 : 0;
    for (int k = 0; k <= steps; ++k) {
        s.Text(-0.012, -k * axis.step, tickText(-k * axis.step, decimals), kAxis, TextAlign::Right);
    }
    for (int k = 0; k <= 10; ++k) {
        s.Text(k / 10.0, 0.045 * span, tickText(k / 10.0, 1), kAxis, TextAlign::Centre);
    }
    s.Text(0.5, 0.11 * span, std::string(texts[TextId::ChartMachAxis]), kAxis, TextAlign::Centre,
           TextFont::Heading);
    s.Text(-0.085, axis.top / 2, "Cp", kAxis, TextAlign::Right, TextFont::Heading);
}

// The legend, in two rows of two above the plotting area; a rule whose curve is not drawn says
// why.
void drawLegend(Surface& s, const ChartPressureAxis& axis, const std::array<bool, 3>& drawn,
                bool unbounded, const Texts& texts) {
    const double span = -axis.top;
    int entry = 0;
    const auto add = [&](Colour colour, const std::string& text) {
        const double x = entry % 2 == 0 ? 0 : 0.5;
        const double y = axis.top - (entry < 2 ? 0.125 : 0.05) * span;
        s.Polyline({{x, y}, {x + 0.05, y}}, colour, kCurveWidth);
        s.Text(x + 0.065, y, text, kAxis);
        ++entry;
    };
    add(criticalPressureColour(), std::string(texts[TextId::ChartCriticalPressure]));
    for (const CompressibilityRule rule : kCompressibilityRules) {
        std::string text =
            texts.format(TextId::ChartMinimumPressure, {texts[kRuleNames[ruleIndex(rule)]]});
        if (!drawn[ruleIndex(rule)]) {
            text += texts[unbounded ? TextId::ChartNotDrawnUnbounded : TextId::ChartNotDrawn];
        }
        add(ruleColour(rule), text);
    }
}

// A profile of thickness 0 at incidence has no smallest surface pressure. The note lies on a
// band of the chart's ground, clear of the grid and the M∞ line.
void drawUnboundedNote(Surface& s, const ChartPressureAxis& axis, const Texts& texts) {
    s.FillRect(0.005, 0.11 * axis.top, 0.995, 0.19 * axis.top, s.background());
    s.Text(0.02, 0.15 * axis.top, std::string(texts[TextId::ChartUnboundedSuction]), kAxis);
}

// Each rule's Cp_min curve and critical Mach number of `chart`, in `colourOf` the rule; which
// of the curves show on the chart.
std::array<bool, 3> drawRuleCurves(Surface& s, const ChartPressureAxis& axis,
                                   const std::vector<CompressibilityAnalysis>& chart,
                                   Colour (*colourOf)(CompressibilityRule), double markerSize) {
    std::array<bool, 3> drawn{};
    for (const CompressibilityRule rule : kCompressibilityRules) {
        ClippedCurve curve(s, axis.top, colourOf(rule));
        for (const CompressibilityAnalysis& a : chart) {
            curve.add(a.mach, a.rules[ruleIndex(rule)].CpMin);
        }
        drawn[ruleIndex(rule)] = curve.drawn();
    }
    for (const CompressibilityRule rule : kCompressibilityRules) {
        const std::optional<double> critical = chart.front().rules[ruleIndex(rule)].criticalMach;
        const std::optional<double> cpStar =
            critical ? criticalPressureCoefficient(*critical) : std::nullopt;
        if (cpStar && *cpStar >= axis.top) {
            s.Marker(*critical, *cpStar, markerSize, colourOf(rule));
        }
    }
    return drawn;
}

Colour ghostRuleColour(CompressibilityRule rule) {
    return ghostColour(ruleColour(rule));
}

void drawKept(Surface& s, const ChartPressureAxis& axis, const Ghost& kept, const Texts& texts) {
    const std::vector<CompressibilityAnalysis>& chart = keptMachChart(kept);
    if (!chart.empty()) {
        drawRuleCurves(s, axis, chart, ghostRuleColour, 6);
    }
    drawGhostLabel(s, kept, 0.02, 0.06 * axis.top, TextAlign::Left, texts);
}

void drawFreeStreamMach(Surface& s, const ChartPressureAxis& axis, double mach) {
    if (!(mach < 1)) {
        return;
    }
    s.Polyline({{mach, 0}, {mach, axis.top}}, kFreeStream, 1.5);
    // Beside the line, a clear gap from it, on the side with room.
    const bool left = mach > 0.8;
    s.Text(left ? mach - 0.02 : mach + 0.02, axis.top + 0.05 * -axis.top,
           "M∞ = " + tickText(mach, 2), kFreeStream, left ? TextAlign::Right : TextAlign::Left);
}

} // namespace

Colour criticalPressureColour() {
    return rgb(0, 0, 0);
}

Colour ruleColour(CompressibilityRule rule) {
    switch (rule) {
    case CompressibilityRule::PrandtlGlauert:
        return kMagenta;
    case CompressibilityRule::KarmanTsien:
        return rgb(0, 70, 255);
    case CompressibilityRule::Laitone:
        return rgb(255, 140, 0);
    }
    return kMagenta;
}

const std::vector<CompressibilityAnalysis>& keptMachChart(const Ghost& kept) {
    return kept.cached<std::vector<CompressibilityAnalysis>>(
        "mach chart", [](const State& s) { return machChart(CompressibleSurface(s)); });
}

ChartPressureAxis chartPressureAxis(const SurfaceMinimum& minimum) {
    const double wanted = minimum.unbounded ? 2 : std::max(-2 * minimum.Cp, 2.0);
    double step = wanted <= 2 ? 0.5 : (wanted <= 5 ? 1 : 2);
    // Beyond -10, a step of 1, 2 or 5 times a power of ten giving at most eight steps.
    for (double power = 1; wanted / step > 8; power *= 10) {
        for (const double m : {2.0, 5.0, 10.0}) {
            step = m * power;
            if (wanted / step <= 8) {
                break;
            }
        }
    }
    return {-std::ceil(wanted / step - 1e-9) * step, step};
}

void drawCompressibilityChart(Surface& s, const std::vector<CompressibilityAnalysis>& chart,
                              double mach, const Ghost* kept, const Texts& texts) {
    s.Cls();
    if (chart.empty()) {
        return;
    }
    mach = std::fabs(mach);
    const ChartPressureAxis axis = chartPressureAxis(chart.front().minimum);
    const double span = -axis.top;
    s.Scale(-kLeftRoom, axis.top - kTopRoom * span, 1 + kRightRoom, kBottomRoom * span);
    drawGridAndAxes(s, axis, texts);
    if (kept) {
        drawKept(s, axis, *kept, texts);
    }
    {
        ClippedCurve critical(s, axis.top, criticalPressureColour());
        for (const CompressibilityAnalysis& a : chart) {
            critical.add(a.mach, a.criticalPressure);
        }
    }
    const std::array<bool, 3> drawn = drawRuleCurves(s, axis, chart, ruleColour, 8);
    drawFreeStreamMach(s, axis, mach);
    drawLegend(s, axis, drawn, chart.front().minimum.unbounded, texts);
    if (chart.front().minimum.unbounded) {
        drawUnboundedNote(s, axis, texts);
    }
}

} // namespace kestrel
