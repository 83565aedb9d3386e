// SPDX-License-Identifier: MIT
// The pressure plot and the two coefficient curves: grids, curves, markers, and the
// Prandtl-Glauert curves for the Mach texts a user may type.

#include "model/coefficients.h"
#include "model/text.h"
#include "plots/plots.h"
#include "plots_test_support.h"

#include <cmath>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace kestrel {
namespace {

using test::circle;
using test::flowState;
using test::itemsOf;
using test::kForeground;
using test::line;

constexpr double kUntouched = 7; // a PGfactor no Mach number gives

TEST(Pressure, GridOfSummedPositionsAndWholeValues) {
    State s = flowState(12, 4, 51, 5);
    Surface pressure(kForeground);
    test::pressurePlot(pressure, s, 0);
    EXPECT_EQ(pressure.scale(), (UserRect{-0.1f, -5.5f, 1.1f, 0.5f}));
    std::vector<SurfaceItem> grid;
    // 0.2 added up in doubles: the third sum is 0.6000000000000001, the seventh exactly 1.2.
    for (double x : {0.0, 0.2, 0.4, 0.6000000000000001, 0.8, 1.0, 1.2}) {
        grid.push_back(line(x, -5, x, 0, x == 0 ? s.clBlack : s.clGreen));
    }
    for (int k = 0; k <= 5; ++k) {
        grid.push_back(line(0, -k, 1, -k, k == 0 ? s.clBlack : s.clGreen));
    }
    EXPECT_EQ(std::vector<SurfaceItem>(pressure.items().begin(), pressure.items().begin() + 13),
              grid);
    EXPECT_EQ(pressure.items().size(), 13u + 50u);
}

struct MachCase {
    const char* text;
    bool magenta;
    double factor; // PGfactor after the run
};

class PressureMach : public ::testing::TestWithParam<MachCase> {};

TEST_P(PressureMach, CompressibleCurveOnlyForAMachNumberBelowOne) {
    const MachCase& c = GetParam();
    State s = flowState(12, 4, 51, 5);
    s.PGfactor = kUntouched;
    Surface pressure(kForeground);
    test::pressurePlot(pressure, s, machFromText(c.text));
    EXPECT_DOUBLE_EQ(s.PGfactor, c.factor);
    const auto magenta = itemsOf(pressure, kMagenta);
    if (!c.magenta) {
        EXPECT_TRUE(magenta.empty());
        return;
    }
    // One curve over both surfaces, trailing edge to trailing edge: segments j-1 -> j for
    // j = 2 .. nP, and 1 - Cp/0.8 = 1 - 1.25 Cp at every point.
    ASSERT_EQ(magenta.size(), 50u);
    EXPECT_EQ(pressure.items().size(), 13u + 50u + 50u); // drawn last
    for (long j = 2; j <= 51; ++j) {
        const SurfaceItem& item = magenta[static_cast<std::size_t>(j - 2)];
        EXPECT_EQ(item, line(s.xProf[j - 1], -(1 - s.Cp[j - 1] / s.PGfactor), s.xProf[j],
                             -(1 - s.Cp[j] / s.PGfactor), kMagenta));
        EXPECT_NEAR(item.y2, -(1 - 1.25 * s.Cp[j]), 1e-5);
    }
}

INSTANTIATE_TEST_SUITE_P(Texts, PressureMach,
                         ::testing::Values(MachCase{"0", false, 1}, MachCase{"0.6", true, 0.8},
                                           MachCase{"-0.6", true, 0.8},
                                           MachCase{"abc", false, 1}, // not a number: M = 0
                                           MachCase{"0,6", false, 1}, // the comma ends the number
                                           MachCase{"1.5", false, kUntouched},
                                           MachCase{"1", false, kUntouched}));

TEST(Pressure, OppositeMachNumbersDrawTheSameCurve) {
    State s = flowState(10, 4, 51, -3);
    Surface plus(kForeground), minus(kForeground);
    test::pressurePlot(plus, s, 0.6);
    test::pressurePlot(minus, s, -0.6);
    EXPECT_EQ(plus.items(), minus.items());
}

TEST(Pressure, EvenCountMagentaJoinsAllPointsWhileBlueSkips) {
    State s = flowState(12, 4, 60, 5);
    Surface pressure(kForeground);
    test::pressurePlot(pressure, s, 0.6);
    const auto magenta = itemsOf(pressure, kMagenta);
    ASSERT_EQ(magenta.size(), 59u);
    for (long j = 2; j <= 60; ++j) {
        EXPECT_EQ(magenta[static_cast<std::size_t>(j - 2)].x2, static_cast<float>(s.xProf[j]));
    }
    EXPECT_EQ(itemsOf(pressure, s.clBlue).size(), 29u); // 30.5, 31.5, ..., 58.5
}

// Before renkler has run, grid and halves come out black but magenta keeps its colour.
TEST(Pressure, ColoursBeforeRenklerAreBlackButMagentaStays) {
    State s = flowState(12, 4, 51, 5, false);
    Surface pressure(kForeground);
    test::pressurePlot(pressure, s, 0.6);
    EXPECT_EQ(itemsOf(pressure, 0).size(), 13u + 50u);
    EXPECT_EQ(itemsOf(pressure, kMagenta).size(), 50u);
}

// The lift and the moment plot share everything but the corners, the grid extent, the value
// law and the values they leave in the state.
struct CurvePlot {
    const char* name;
    std::function<double(Surface&, State&, double)> draw; // returns the value at AlfaD
    UserRect corners;
    double gridBottom, gridTop;
    int topTenths; // horizontal grid from -1.5 up to topTenths / 10
    const CurveArray State::*values;
};

double lift(Surface& surface, State& s, double mach) {
    test::liftPlot(surface, s, mach);
    return s.CLcur;
}

double moment(Surface& surface, State& s, double mach) {
    Surface pictureCL(kForeground);
    test::liftPlot(pictureCL, s, 0);
    return test::momentPlot(surface, s, mach);
}

const CurvePlot kLift{"Lift", lift, {-16, -4, 16, 2}, -3.5, 1.5, 35, &State::CLarr};
const CurvePlot kMoment{"Moment", moment, {-16, -2.4f, 16, 2}, -2, 1.5, 20, &State::CMarr};

class CoefficientPlot : public ::testing::TestWithParam<CurvePlot> {};

TEST_P(CoefficientPlot, GridCurveAndMarkerOfTheCurrentAngle) {
    const CurvePlot& plot = GetParam();
    State s = flowState(12, 4, 51, 5);
    setMomentReference(s, 25);
    Surface surface(kForeground);
    const double current = plot.draw(surface, s, 0);
    EXPECT_EQ(surface.scale(), plot.corners);
    std::vector<SurfaceItem> expected;
    for (int a = -12; a <= 12; a += 4) {
        expected.push_back(
            line(a, plot.gridBottom, a, plot.gridTop, a == 0 ? s.clBlack : s.clGreen));
    }
    for (int b = -15; b <= plot.topTenths; b += 5) {
        // Multiples of 0.5, exact in binary; drawn upside down.
        expected.push_back(line(-12, -b / 10.0, 12, -b / 10.0, b == 0 ? s.clBlack : s.clGreen));
    }
    const CurveArray& values = s.*plot.values;
    for (long k = 1; k <= 24; ++k) {
        expected.push_back(line(k - 13, -values[k - 1], k - 12, -values[k], s.clBlue));
    }
    expected.push_back(circle(5, -current, 0.4, s.clRed));
    EXPECT_EQ(surface.items(), expected);
    // The marker sits on the vertex at 5 degrees: entry 17 of the table.
    EXPECT_EQ(current, values[17]);
}

TEST_P(CoefficientPlot, MachHalfStretchesCurveAndMarkerInMagenta) {
    const CurvePlot& plot = GetParam();
    State s = flowState(15, 8, 51, -7);
    Surface surface(kForeground);
    const double current = plot.draw(surface, s, machFromText("0.5"));
    EXPECT_DOUBLE_EQ(s.PGfactor, std::sqrt(0.75));
    const auto blue = itemsOf(surface, s.clBlue);
    const auto magenta = itemsOf(surface, kMagenta);
    ASSERT_EQ(blue.size(), 24u);
    ASSERT_EQ(magenta.size(), 25u); // the curve, then its marker
    for (std::size_t k = 0; k < 24; ++k) {
        EXPECT_EQ(magenta[k].x1, blue[k].x1);
        EXPECT_NEAR(magenta[k].y1, blue[k].y1 / std::sqrt(0.75), 1e-6) << k;
        EXPECT_NEAR(magenta[k].y2, blue[k].y2 / std::sqrt(0.75), 1e-6) << k;
    }
    EXPECT_EQ(magenta.back(), circle(-7, -current / s.PGfactor, 0.4, kMagenta));
    // The magenta marker sits on the vertex of the magenta curve at -7 degrees.
    EXPECT_EQ(magenta.back().y1, magenta[5].y1);
}

TEST_P(CoefficientPlot, NoCompressibleCurveWithoutAMachNumberBelowOne) {
    const CurvePlot& plot = GetParam();
    for (const char* text : {"0", "", "abc", "1", "1.5", "-2"}) {
        State s = flowState(12, 4, 51, 5);
        s.PGfactor = kUntouched;
        Surface surface(kForeground);
        plot.draw(surface, s, machFromText(text));
        EXPECT_TRUE(itemsOf(surface, kMagenta).empty()) << text;
        EXPECT_EQ(s.PGfactor, kUntouched) << text; // written only for a drawn curve
    }
}

TEST_P(CoefficientPlot, SymmetricProfilePassesThroughTheOrigin) {
    const CurvePlot& plot = GetParam();
    for (int xm : {0, 100}) {
        State s = flowState(12, 0, 51, 0);
        setMomentReference(s, xm);
        Surface surface(kForeground);
        EXPECT_EQ(plot.draw(surface, s, 0), 0) << xm;
        EXPECT_EQ(surface.items().back(), circle(0, 0, 0.4, s.clRed));
    }
}

INSTANTIATE_TEST_SUITE_P(Plots, CoefficientPlot, ::testing::Values(kLift, kMoment),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(MomentPlot, ReturnsTheMomentAtTheCurrentAngle) {
    State s = flowState(12, 4, 51, 5);
    setMomentReference(s, 25);
    Surface surface(kForeground);
    const double cm = moment(surface, s, 0);
    EXPECT_EQ(cm, momentCoefficient(s, s.AlfaD, s.CLcur));
}

} // namespace
} // namespace kestrel
