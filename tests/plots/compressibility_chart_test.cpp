// SPDX-License-Identifier: MIT
// The compressibility chart: each rule's critical-Mach marker sits where its curve crosses the
// Cp* curve, nothing is drawn above the top of the chart, the free-stream line, and a profile
// whose surface speed is unbounded.

#include "plots/compressibility_chart.h"
#include "plots_test_support.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace kestrel {
namespace {

using test::itemsOf;

// The height of a drawn curve of one colour at abscissa x, by linear interpolation. The legend's
// two-point samples are not curves.
std::optional<double> curveAt(const Surface& s, Colour colour, double x) {
    for (const SurfaceItem* line : itemsOf(s, SurfaceItem::Kind::Polyline, colour)) {
        if (line->points.size() <= 2) {
            continue;
        }
        for (std::size_t i = 1; i < line->points.size(); ++i) {
            const SurfacePoint a = line->points[i - 1];
            const SurfacePoint b = line->points[i];
            if (a.x <= x && x <= b.x && b.x > a.x) {
                return a.y + (x - a.x) / (b.x - a.x) * (b.y - a.y);
            }
        }
    }
    return std::nullopt;
}

struct Chart {
    Surface surface;
    CompressibleSurface compressible;
    std::vector<CompressibilityAnalysis> analyses;

    Chart(int thickness, int camber, int alfa, double mach)
        : compressible(test::flowState(thickness, camber, 51, alfa)),
          analyses(machChart(compressible)) {
        drawCompressibilityChart(surface, analyses, mach);
    }
};

TEST(CompressibilityChart, MarksEachCriticalMachNumberWhereItsCurveMeetsCpStar) {
    const Chart chart(12, 4, 5, 0.5);
    for (const CompressibilityRule rule : kCompressibilityRules) {
        const std::optional<double> critical = chart.compressible.criticalMach(rule);
        ASSERT_TRUE(critical);
        const auto markers = itemsOf(chart.surface, SurfaceItem::Kind::Marker, ruleColour(rule));
        ASSERT_EQ(markers.size(), 1u) << ruleName(rule);
        EXPECT_NEAR(markers[0]->x1, *critical, 1e-6);
        // Both drawn curves pass through the marker, to the chart's 0.01 steps in M.
        const auto cpStar = curveAt(chart.surface, criticalPressureColour(), *critical);
        const auto cpMin = curveAt(chart.surface, ruleColour(rule), *critical);
        ASSERT_TRUE(cpStar && cpMin) << ruleName(rule);
        EXPECT_NEAR(*cpStar, markers[0]->y1, 0.02) << ruleName(rule);
        EXPECT_NEAR(*cpMin, markers[0]->y1, 0.02) << ruleName(rule);
    }
}

TEST(CompressibilityChart, StaysBelowItsTopAndShowsTheFreeStreamBelowMachOne) {
    for (const double mach : {0.0, 0.5, 0.95, 1.2}) {
        const Chart chart(12, 4, 5, mach);
        const ChartPressureAxis axis = chartPressureAxis(chart.analyses.front().minimum);
        int vertical = 0;
        for (const SurfaceItem& item : chart.surface.items()) {
            // The curves (the legend's two-point samples sit above the chart on purpose).
            for (const SurfacePoint p : item.points) {
                EXPECT_TRUE(item.points.size() == 2 || p.y >= axis.top - 1e-6);
            }
            if (item.kind == SurfaceItem::Kind::Polyline && item.points.size() == 2 &&
                item.points[0].x == item.points[1].x && item.points[0].x == float(mach)) {
                ++vertical;
            }
        }
        EXPECT_EQ(vertical, mach < 1 ? 1 : 0) << "M " << mach;
    }
}

TEST(CompressibilityChart, UnboundedSuctionLeavesOnlyTheCriticalPressure) {
    // A zero-thickness profile at 5 degrees: infinite speed round its leading edge.
    const Chart chart(0, 4, 5, 0.3);
    EXPECT_TRUE(std::any_of(
        chart.surface.items().begin(), chart.surface.items().end(),
        [](const SurfaceItem& item) { return item.text.find("Unbounded") != std::string::npos; }));
    EXPECT_FALSE(
        itemsOf(chart.surface, SurfaceItem::Kind::Polyline, criticalPressureColour()).empty());
    for (const CompressibilityRule rule : kCompressibilityRules) {
        EXPECT_FALSE(curveAt(chart.surface, ruleColour(rule), 0.5)) << ruleName(rule);
        EXPECT_TRUE(itemsOf(chart.surface, SurfaceItem::Kind::Marker, ruleColour(rule)).empty());
    }
    // The legend says why the three curves it names are missing.
    const auto notDrawn = std::count_if(
        chart.surface.items().begin(), chart.surface.items().end(), [](const SurfaceItem& item) {
            return item.text.find("not drawn: unbounded suction") != std::string::npos;
        });
    EXPECT_EQ(notDrawn, 3);
}

// A thin profile at incidence, 3/0 at 10 degrees (Cp_min about -62): the axis reaches past the
// incompressible minimum with a step of 1, 2 or 5 times a power of ten, and every rule's curve is
// drawn from M = 0 at the minimum, with nothing in the legend marked as not drawn.
TEST(CompressibilityChart, AxisHoldsTheCurvesOfAThinProfile) {
    const Chart chart(3, 0, 10, 0.3);
    const double cpMin = chart.analyses.front().minimum.Cp;
    ASSERT_LT(cpMin, -50);
    const ChartPressureAxis axis = chartPressureAxis(chart.analyses.front().minimum);
    EXPECT_LE(axis.top, cpMin);
    const double mantissa = axis.step / std::pow(10.0, std::floor(std::log10(axis.step)));
    EXPECT_TRUE(mantissa == 1 || mantissa == 2 || mantissa == 5) << axis.step;
    EXPECT_LE(-axis.top / axis.step, 8);
    for (const CompressibilityRule rule : kCompressibilityRules) {
        const std::optional<double> start = curveAt(chart.surface, ruleColour(rule), 0.0);
        ASSERT_TRUE(start) << ruleName(rule);
        EXPECT_NEAR(*start, cpMin, 1e-4 * -cpMin) << ruleName(rule);
    }
    for (const SurfaceItem& item : chart.surface.items()) {
        EXPECT_EQ(item.text.find("not drawn"), std::string::npos) << item.text;
    }
}

} // namespace
} // namespace kestrel
