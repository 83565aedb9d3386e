// SPDX-License-Identifier: MIT
#include "plots/sonic_chart.h"

#include "model/rule_table.h"
#include "model/text.h"
#include "model/texts.h"
#include "plots/chart_frame.h"
#include "plots/compressibility_chart.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>
#include <vector>

namespace kestrel {

namespace {

constexpr double kUpperWidth = 2.5;
constexpr double kLowerWidth = 1;
// The highest suction the axis makes room for: a sharp leading edge's suction is unbounded.
constexpr double kLowestTop = -6;
// The profile strip under the chart, as fractions of the Cp axis's span below its bottom.
constexpr double kStripFrom = 0.24;
constexpr double kStripTo = 0.62;
// Pens of each rule's mark on the profile: the widest first, so that nested stretches show.
constexpr double kMarkWidths[] = {3, 5.5, 8};
constexpr int kMarkSteps = 32;
constexpr Colour kProfileColour = rgb(40, 40, 40);
constexpr Colour kIncompressible = rgb(110, 110, 110);

// The y of a point `fraction` of the Cp axis's span below its bottom.
double below(const ChartFrame& f, double fraction) {
    return f.y.first - fraction * (f.y.last - f.y.first);
}

// The right-hand room's x, `fraction` of the x span right of the box.
double rightOf(const ChartFrame& f, double fraction) {
    return f.x.last + fraction * (f.x.last - f.x.first);
}

const std::vector<double>& curveOf(const SidePressure& p, std::optional<CompressibilityRule> rule) {
    return rule ? p.Cp[ruleIndex(*rule)] : p.Cp0;
}

ChartFrame frameFor(const std::array<SidePressure, 2>& pressures, std::optional<double> cpStar,
                    bool subsonic, const Texts& texts) {
    double low = cpStar.value_or(0);
    double high = 1;
    for (const SidePressure& p : pressures) {
        for (const auto& curve : p.Cp) {
            for (const double cp : subsonic ? curve : p.Cp0) {
                if (std::isfinite(cp)) {
                    low = std::min(low, cp);
                    high = std::max(high, cp);
                }
            }
        }
    }
    ChartFrame f;
    f.x = {0, 1, 0.1, 1};
    // Where the surface is supersonic the line Cp* it crosses is shown, however high it lies.
    const double top = cpStar && low < *cpStar ? std::min(kLowestTop, *cpStar) : kLowestTop;
    f.y = valueAxis(std::max(low, top), high, 4, true);
    f.xTitle = std::string(texts[TextId::ChordAxisTitle]);
    f.yTitle = "Cp";
    f.leftRoom = 0.09;
    f.rightRoom = 0.5;
    f.topRoom = 0.06;
    f.bottomRoom = 0.66;
    return f;
}

// A curve of one side, broken where it has no value, unbounded suction held at the top.
void drawCurve(Surface& s, const ChartFrame& f, const std::vector<double>& x,
               const std::vector<double>& cp, Colour colour, double width) {
    std::vector<UserPoint> run;
    const auto flush = [&] {
        if (run.size() >= 2) {
            s.Polyline(run, colour, width);
        }
        run.clear();
    };
    for (std::size_t i = 0; i < x.size(); ++i) {
        if (std::isnan(cp[i])) {
            flush();
        } else {
            run.push_back({x[i], std::max(cp[i], f.y.last)});
        }
    }
    flush();
}

// Both sides' Cp by each rule, the upper side's `upperWidth` wide and the lower side's thin, or
// the incompressible Cp alone at or past M = 1; in the colours `colouring` makes of the rules'.
void drawPressures(Surface& s, const ChartFrame& f, const std::array<SidePressure, 2>& pressures,
                   bool subsonic, Colouring colouring, double upperWidth) {
    for (const SidePressure& p : pressures) {
        const double width = p.side == Side::Upper ? upperWidth : kLowerWidth;
        if (!subsonic) {
            drawCurve(s, f, p.x, p.Cp0, colouring(kIncompressible), width);
            continue;
        }
        for (int r = 2; r >= 0; --r) {
            const CompressibilityRule rule = kCompressibilityRules[static_cast<std::size_t>(r)];
            drawCurve(s, f, p.x, curveOf(p, rule), colouring(ruleColour(rule)), width);
        }
    }
}

// The shade between the side's Cp and Cp* over one stretch.
void shadeStretch(Surface& s, const ChartFrame& f, const SidePressure& p,
                  const std::vector<double>& cp, const SupersonicExtent& e, double cpStar,
                  Colour shade) {
    std::vector<UserPoint> polygon{{e.xFrom, cpStar}};
    for (std::size_t i = 0; i < p.x.size(); ++i) {
        if (p.x[i] > e.xFrom && p.x[i] < e.xTo && !std::isnan(cp[i])) {
            polygon.push_back({p.x[i], std::min(std::max(cp[i], f.y.last), cpStar)});
        }
    }
    polygon.push_back({e.xTo, cpStar});
    s.Polygon(polygon, shade);
}

std::string stretchesText(const std::optional<std::vector<SupersonicExtent>>& extents,
                          const Texts& texts) {
    if (!extents) {
        return std::string(texts[TextId::SonicBrokenDown]);
    }
    if (extents->empty()) {
        return std::string(texts[TextId::SonicSubsonic]);
    }
    std::string list;
    for (const SupersonicExtent& e : *extents) {
        const TextId side = e.side == Side::Upper ? TextId::SonicUpperSide : TextId::SonicLowerSide;
        list += (list.empty() ? "" : ", ") +
                texts.format(TextId::SonicStretch,
                             {texts[side], tickText(e.xFrom, 2), tickText(e.xTo, 2)});
    }
    return texts.format(TextId::SonicExtents, {list});
}

// The profile in its strip under the chart, x/c as the chart's, its heights stretched to fill
// the strip; each rule's stretches drawn over the surface in the rule's colour.
void drawProfileStrip(Surface& s, const ChartFrame& f, const SonicSurface& sonic,
                      const std::array<std::optional<std::vector<SupersonicExtent>>, 3>& extents) {
    const ProfileSides& sides = sonic.sides();
    std::vector<UserPoint> outline;
    double low = 0;
    double high = 0;
    const double from = sides.firstAngle(Side::Upper);
    const double to = sides.lastAngle(Side::Lower);
    constexpr int kOutlineSteps = 256;
    for (int k = 0; k <= kOutlineSteps; ++k) {
        const SurfacePlace p = sides.place(from + (to - from) * k / kOutlineSteps);
        outline.push_back({p.x, p.y});
        low = std::min(low, p.y);
        high = std::max(high, p.y);
    }
    const double pad = std::max(0.15 * (high - low), 0.01);
    const double top = below(f, kStripFrom);
    const double bottom = below(f, kStripTo);
    constexpr double kMargin = 0.01;
    s.Area(ItemBox{static_cast<float>(-kMargin), static_cast<float>(top),
                   static_cast<float>(1 + 2 * kMargin), static_cast<float>(bottom - top)},
           UserRect{static_cast<float>(-kMargin), static_cast<float>(high + pad),
                    static_cast<float>(1 + kMargin), static_cast<float>(low - pad)});
    for (int r = 2; r >= 0; --r) {
        const CompressibilityRule rule = kCompressibilityRules[static_cast<std::size_t>(r)];
        for (const SupersonicExtent& e :
             extents[ruleIndex(rule)].value_or(std::vector<SupersonicExtent>{})) {
            const double a = sides.angleAt(e.side, e.xFrom);
            const double b = sides.angleAt(e.side, e.xTo);
            std::vector<UserPoint> mark;
            for (int k = 0; k <= kMarkSteps; ++k) {
                const SurfacePlace p = sides.place(a + (b - a) * k / kMarkSteps);
                mark.push_back({p.x, p.y});
            }
            s.Polyline(mark, ruleColour(rule), kMarkWidths[r]);
        }
    }
    s.Polyline(outline, kProfileColour, 1);
    endPlotArea(s);
}

// The legend in the room right of the chart: Cp*, the two sides' pens, and each rule with its
// stretches.
void drawLegend(Surface& s, const ChartFrame& f, double mach, bool subsonic,
                const std::array<std::optional<std::vector<SupersonicExtent>>, 3>& extents,
                const Texts& texts) {
    const double x = rightOf(f, 0.04);
    const double h = f.y.last - f.y.first;
    double y = f.y.last;
    const auto nextLine = [&](double lines) { y -= 0.085 * lines * h; };
    if (!subsonic) {
        s.Text(x, y, std::string(texts[TextId::SonicNotSubsonic]), chartAxisColour());
        return;
    }
    if (mach > 0) { // Cp* of a free stream at rest lies at minus infinity
        legendEntry(s, f, x, y, criticalPressureColour(), 1.5,
                    texts.format(TextId::SonicCpStarLegend, {tickText(mach, 2)}));
    }
    nextLine(1);
    s.Text(x, y, std::string(texts[TextId::SonicSidesLegend]), chartAxisColour());
    nextLine(1.5);
    for (const CompressibilityRule rule : kCompressibilityRules) {
        legendEntry(s, f, x, y, ruleColour(rule), kUpperWidth,
                    std::string(texts[kRuleTableRows[ruleIndex(rule) + 1]]));
        nextLine(1);
        s.Text(x + 0.08 * (f.x.last - f.x.first), y, stretchesText(extents[ruleIndex(rule)], texts),
               ruleColour(rule));
        nextLine(1.4);
    }
}

} // namespace

Colour supersonicShade(CompressibilityRule rule) {
    const Colour c = ruleColour(rule);
    const auto tint = [](Colour channel) { return 255 - (255 - (channel & 0xFF)) / 4; };
    return rgb(tint(c), tint(c >> 8), tint(c >> 16));
}

void drawSonicChart(Surface& s, const SonicSurface& sonic, double mach, const Ghost* kept,
                    const Texts& texts) {
    mach = std::fabs(mach);
    const bool subsonic = mach < 1;
    const std::array<SidePressure, 2> pressures = sonic.pressures(subsonic ? mach : 0);
    const std::optional<double> cpStar = criticalPressureCoefficient(mach);
    std::array<std::optional<std::vector<SupersonicExtent>>, 3> extents;
    for (const CompressibilityRule rule : kCompressibilityRules) {
        extents[ruleIndex(rule)] = sonic.extents(rule, mach);
    }
    const ChartFrame f = frameFor(pressures, cpStar, subsonic, texts);
    beginChart(s, f);
    if (subsonic && cpStar) {
        for (int r = 2; r >= 0; --r) {
            const CompressibilityRule rule = kCompressibilityRules[static_cast<std::size_t>(r)];
            for (const SupersonicExtent& e :
                 extents[ruleIndex(rule)].value_or(std::vector<SupersonicExtent>{})) {
                const SidePressure& p = pressures[0].side == e.side ? pressures[0] : pressures[1];
                shadeStretch(s, f, p, p.Cp[ruleIndex(rule)], e, *cpStar, supersonicShade(rule));
            }
        }
        s.Line(0, *cpStar, 1, *cpStar, criticalPressureColour());
    }
    if (kept) {
        // Thin: it stays behind, and thin lines cost a painter far less.
        drawPressures(s, f, keptSonicSurface(*kept).pressures(subsonic ? mach : 0), subsonic,
                      ghostColour, kLowerWidth);
    }
    drawPressures(s, f, pressures, subsonic, asItIs, kUpperWidth);
    endPlotArea(s);
    drawProfileStrip(s, f, sonic, extents);
    drawLegend(s, f, mach, subsonic, extents, texts);
    if (kept) {
        drawGhostLabel(s, *kept, rightOf(f, 0.04), below(f, kStripFrom), TextAlign::Left, texts);
    }
}

const SonicSurface& keptSonicSurface(const Ghost& kept) {
    return kept.cached<SonicSurface>(
        "sonic surface", [](const State& s) { return SonicSurface(s, CompressibleSurface(s)); });
}

} // namespace kestrel
