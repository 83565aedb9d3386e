// SPDX-License-Identifier: MIT
// The Theory tab's charts and table, and the sonic line on the surface: the current angle marked
// where the window's CL is, thin-airfoil theory's slope 2 pi, the table's numbers those of the
// model, and the supersonic shading spanning exactly the model's supersonic stretches.

#include "model/supersonic.h"
#include "model/theory.h"
#include "model/theory_table.h"
#include "plots/compressibility_chart.h"
#include "plots/sonic_chart.h"
#include "plots/theory_charts.h"
#include "plots_test_support.h"

#include <numbers>
#include <string>

namespace kestrel {
namespace {

using test::itemsOf;

// The longest polyline of a colour: the curve, not its legend sample.
const SurfaceItem* curveOf(const Surface& s, Colour colour) {
    const SurfaceItem* longest = nullptr;
    for (const SurfaceItem* line : itemsOf(s, SurfaceItem::Kind::Polyline, colour)) {
        if (longest == nullptr || line->points.size() > longest->points.size()) {
            longest = line;
        }
    }
    return longest;
}

State stateAt(int thickness, int camber, int alfa) {
    State s = test::flowState(thickness, camber, 51, alfa);
    computeLiftCurve(s);
    return s;
}

// 12 % thick, 4 % camber at 5 degrees: the exact dot at the window's CL, the thin dot on the
// thin line, which rises by 2 pi per radian.
TEST(TheoryCharts, LiftChartMarksTheCurrentAngleOnBothLines) {
    const State s = stateAt(12, 4, 5);
    const TheoryComparison t = compareWithThinAirfoil(s);
    Surface chart;
    drawTheoryLift(chart, t);
    const auto exactDots = itemsOf(chart, SurfaceItem::Kind::Marker, exactTheoryColour());
    const auto thinDots = itemsOf(chart, SurfaceItem::Kind::Marker, thinTheoryColour());
    ASSERT_EQ(exactDots.size(), 1U);
    ASSERT_EQ(thinDots.size(), 1U);
    EXPECT_EQ(exactDots[0]->x1, 5.0F);
    EXPECT_EQ(exactDots[0]->y1, static_cast<float>(s.CLcur));
    const SurfaceItem* thin = curveOf(chart, thinTheoryColour());
    ASSERT_EQ(thin->points.size(), 25U); // -12 to 12 degrees
    EXPECT_EQ(thinDots[0]->x1, thin->points[17].x);
    EXPECT_EQ(thinDots[0]->y1, thin->points[17].y);
    const double rise = thin->points.back().y - thin->points.front().y;
    EXPECT_NEAR(rise / (24 * std::numbers::pi / 180), 2 * std::numbers::pi, 1e-5);
}

double cell(const TheoryTable& table, int row, int column) {
    return std::stod(table.cells[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)]);
}

// The exact column holds the window's own laws: zero lift at -Beta, the slope 8 pi R/c, and the
// moment law about the quarter chord; the thin column the theory's; the last their difference.
TEST(TheoryCharts, TableHoldsTheModelsNumbers) {
    const State s = stateAt(12, 4, 5);
    const TheoryComparison t = compareWithThinAirfoil(s);
    const TheoryTable table = theoryTable(s, t);
    const double toDegrees = 180 / std::numbers::pi;
    EXPECT_NEAR(cell(table, 0, 0), -s.Beta * toDegrees, 5e-4);
    EXPECT_NEAR(cell(table, 0, 1), t.thin.alphaZeroLift * toDegrees, 5e-4);
    EXPECT_NEAR(cell(table, 1, 0), 8 * std::numbers::pi * s.RbyC, 5e-5);
    EXPECT_EQ(table.cells[1][1], "6.2832"); // 2 pi
    EXPECT_NEAR(cell(table, 2, 0), momentCoefficientAbout(s, 0.25, 5, s.CLcur), 5e-6);
    EXPECT_NEAR(cell(table, 2, 1), t.thin.CMQuarterChord, 5e-6);
    for (int row = 0; row < 3; ++row) {
        EXPECT_NEAR(cell(table, row, 2), cell(table, row, 0) - cell(table, row, 1),
                    row == 0 ? 1.5e-3 : 1.5e-4);
    }
    EXPECT_EQ(emptyTheoryTable().cells[2][2], "–");
}

// The load chart draws both loads over the chord and is cut at its box: the plotting area is an
// Area item that the curves follow.
TEST(TheoryCharts, LoadChartDrawsBothLoadsInsideItsBox) {
    const State s = stateAt(12, 4, 5);
    const TheoryComparison t = compareWithThinAirfoil(s);
    Surface chart;
    drawTheoryLoad(chart, t);
    const SurfaceItem* exact = curveOf(chart, exactTheoryColour());
    const SurfaceItem* thin = curveOf(chart, thinTheoryColour());
    ASSERT_NE(exact, nullptr);
    ASSERT_NE(thin, nullptr);
    EXPECT_EQ(exact->points.size(), t.load.size());
    EXPECT_EQ(thin->points.size(), t.load.size());
    const auto area = std::find_if(chart.items().begin(), chart.items().end(),
                                   [](auto& item) { return item.kind == SurfaceItem::Kind::Area; });
    ASSERT_NE(area, chart.items().end());
    EXPECT_LT(area - chart.items().begin(), &*exact - chart.items().data());
}

// 12/4 at 5 degrees and M 0.55 is past every rule's critical Mach number: each rule's shading
// spans its stretches exactly; at M 0.3, below them all, nothing is shaded.
TEST(SonicChart, ShadingSpansTheSupersonicStretches) {
    const State s = stateAt(12, 4, 5);
    const CompressibleSurface surface(s);
    const SonicSurface sonic(s, surface);
    Surface chart;
    drawSonicChart(chart, sonic, 0.55);
    std::size_t stretches = 0;
    for (const CompressibilityRule rule : kCompressibilityRules) {
        const auto extents = sonic.extents(rule, 0.55);
        ASSERT_TRUE(extents.has_value());
        const auto shades = itemsOf(chart, SurfaceItem::Kind::Polygon, supersonicShade(rule));
        ASSERT_EQ(shades.size(), extents->size()) << ruleName(rule);
        for (std::size_t i = 0; i < shades.size(); ++i) {
            const auto [left, right] = std::minmax_element(
                shades[i]->points.begin(), shades[i]->points.end(),
                [](const SurfacePoint& a, const SurfacePoint& b) { return a.x < b.x; });
            EXPECT_EQ(left->x, static_cast<float>((*extents)[i].xFrom)) << ruleName(rule);
            EXPECT_EQ(right->x, static_cast<float>((*extents)[i].xTo)) << ruleName(rule);
        }
        stretches += extents->size();
    }
    EXPECT_GE(stretches, 3U);
    drawSonicChart(chart, sonic, 0.3);
    for (const CompressibilityRule rule : kCompressibilityRules) {
        EXPECT_TRUE(itemsOf(chart, SurfaceItem::Kind::Polygon, supersonicShade(rule)).empty());
    }
}

// 3/0 at 10 degrees and M 0.3: Cp* (-6.95) lies above the axis's usual top (-6) while the nose's
// suction (-62) passes it; the axis makes room for the line the shading starts from.
TEST(SonicChart, AxisHoldsCpStarWhereTheSurfaceIsSupersonic) {
    const State s = stateAt(3, 0, 10);
    const SonicSurface sonic(s, CompressibleSurface(s));
    Surface chart;
    drawSonicChart(chart, sonic, 0.3);
    const double cpStar = *criticalPressureCoefficient(0.3);
    ASSERT_LT(cpStar, -6.9);
    const auto areas = itemsOf(chart, SurfaceItem::Kind::Area, 0);
    ASSERT_FALSE(areas.empty());
    EXPECT_LE(std::min(areas[0]->y1, areas[0]->y2), cpStar);
}

// The flat plate at 10 degrees has unbounded suction at its nose, where Karman-Tsien and Laitone
// break down; M 1.2 is not subsonic. Every recorded number stays finite, each rule says what
// became of it, and the incompressible Cp alone is drawn past M = 1.
TEST(SonicChart, SharpNoseAndSupersonicFreeStreamDrawOnlyFiniteNumbers) {
    const State s = stateAt(0, 0, 10);
    const SonicSurface sonic(s, CompressibleSurface(s));
    Surface chart;
    for (const double mach : {0.5, 1.2}) {
        drawSonicChart(chart, sonic, mach);
        for (const SurfaceItem& item : chart.items()) {
            for (const float v : {item.x1, item.y1, item.x2, item.y2}) {
                ASSERT_TRUE(std::isfinite(v)) << item;
            }
            for (const SurfacePoint& p : item.points) {
                ASSERT_TRUE(std::isfinite(p.x) && std::isfinite(p.y)) << item;
            }
        }
        const auto texts = [&](std::string_view wanted) {
            return std::count_if(chart.items().begin(), chart.items().end(),
                                 [&](const SurfaceItem& i) { return i.text == wanted; });
        };
        if (mach < 1) {
            EXPECT_EQ(texts(uiText(TextId::SonicBrokenDown)), 2); // Karman-Tsien and Laitone
        } else {
            EXPECT_EQ(texts(uiText(TextId::SonicNotSubsonic)), 1);
            for (const CompressibilityRule rule : kCompressibilityRules) {
                EXPECT_TRUE(itemsOf(chart, SurfaceItem::Kind::Polyline, ruleColour(rule)).empty());
            }
        }
    }
}

} // namespace
} // namespace kestrel
