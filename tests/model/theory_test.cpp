// SPDX-License-Identifier: MIT
// Thin-airfoil theory against camber lines worked by hand (flat plate, parabolic and circular
// arcs), and the current profile's comparison: its camber line, the exact values' trends with
// thickness and camber, and the exact load against the surface pressure of both sides.

#include "model/profile_sides.h"
#include "model/theory.h"
#include "model/thin_airfoil.h"
#include "model_test_support.h"

#include <cmath>
#include <gtest/gtest.h>
#include <numbers>
#include <vector>

namespace kestrel {
namespace {

using test::kPi;

template <typename F> ThinAirfoil airfoilOf(F height) {
    std::vector<double> heights;
    for (double x : ThinAirfoil::stations()) {
        heights.push_back(height(x));
    }
    return ThinAirfoil(heights);
}

// A flat plate: no camber, no zero-lift angle, no moment about the quarter chord, and the load
// 4 alpha sqrt((1 - x)/x), since (1 + cos theta)/sin theta = cot(theta/2) = sqrt((1 - x)/x).
TEST(ThinAirfoil, FlatPlate) {
    const ThinAirfoil plate = airfoilOf([](double) { return 0.0; });
    EXPECT_EQ(plate.alphaZeroLift(), 0);
    EXPECT_EQ(plate.momentQuarterChord(), 0);
    const double alpha = 0.1;
    EXPECT_DOUBLE_EQ(plate.lift(alpha), 2 * kPi * alpha);
    for (double x : {0.01, 0.25, 0.5, 0.9}) {
        EXPECT_NEAR(plate.load(x, alpha), 4 * alpha * std::sqrt((1 - x) / x), 1e-13) << x;
    }
    EXPECT_NEAR(plate.load(1, alpha), 0, 1e-15);
    EXPECT_EQ(plate.load(0, alpha), INFINITY);
}

// The parabolic arc y = 4 h x (1 - x) has the slope 4 h cos(theta): A_1 = 4 h and nothing else,
// so alpha_L0 = -2 h and CM_c/4 = -pi h, exactly (up to the roundings of 128 heights, which the
// differentiated series weighs by up to 127). The circular arc of the same camber differs from it
// by O(h^3), and so do its numbers.
TEST(ThinAirfoil, CamberedArcs) {
    for (double h : {0.01, 0.04, 0.1}) {
        const double rounding = 1e-12 * h;
        const ThinAirfoil parabola = airfoilOf([h](double x) { return 4 * h * x * (1 - x); });
        EXPECT_NEAR(parabola.alphaZeroLift(), -2 * h, rounding) << h;
        EXPECT_NEAR(parabola.momentQuarterChord(), -kPi * h, rounding) << h;
        EXPECT_NEAR(parabola.coefficient(1), 4 * h, rounding) << h;
        EXPECT_NEAR(parabola.coefficient(2), 0, rounding) << h;
    }
    for (double h : {0.005, 0.01, 0.02}) {
        const double radius = (0.25 + h * h) / (2 * h);
        const ThinAirfoil arc = airfoilOf([&](double x) {
            return std::sqrt(radius * radius - (x - 0.5) * (x - 0.5)) - (radius - h);
        });
        EXPECT_NEAR(arc.alphaZeroLift(), -2 * h, 10 * h * h * h) << h;
        EXPECT_NEAR(arc.momentQuarterChord(), -kPi * h, 10 * h * h * h) << h;
    }
}

// The load integrates to the lift: CL = int_0^1 dCp dx = int_0^pi dCp sin(theta)/2 dtheta.
TEST(ThinAirfoil, LoadIntegratesToTheLift) {
    const ThinAirfoil s = airfoilOf([](double x) { return 0.3 * x * (1 - x) * (1 - 0.8 * x); });
    const double alpha = 0.05;
    const int n = 4000;
    double sum = 0;
    for (int k = 0; k < n; ++k) {
        const double theta = (k + 0.5) * kPi / n;
        sum += s.load((1 - std::cos(theta)) / 2, alpha) * std::sin(theta) / 2 * (kPi / n);
    }
    EXPECT_NEAR(sum, s.lift(alpha), 1e-9);
}

TEST(ThinAirfoil, NeedsThreeHeights) {
    const std::vector<double> two{0, 0};
    EXPECT_THROW(ThinAirfoil{two}, std::invalid_argument);
}

State theoryState(int thickness, int camber, int alfa) {
    return test::liftState(thickness, camber, 51, alfa);
}

// A symmetric profile has a flat camber line: no zero-lift angle, no thin moment, and its exact
// zero-lift angle is 0 as well.
TEST(TheoryComparison, SymmetricProfileHasAFlatCamberLine) {
    const TheoryComparison t = compareWithThinAirfoil(theoryState(12, 0, 5));
    for (const CamberPoint& p : t.camberLine) {
        EXPECT_EQ(p.y, 0) << p.x;
    }
    EXPECT_EQ(t.thin.alphaZeroLift, 0);
    EXPECT_EQ(t.thin.CMQuarterChord, 0);
    EXPECT_EQ(t.exact.alphaZeroLift, 0);
    EXPECT_EQ(t.thin.liftSlope, 2 * std::numbers::pi);
}

// A zero-thickness profile is the circular arc z = zeta + 1/zeta of the circle through -1 and 1
// centred at i mu: its height at mid-chord is 2 mu, a chord of 4, so h/c = mu/2. Its exact
// zero-lift angle -Beta = -atan(mu) = -atan(2 h/c) and the thin one, -2 h/c (1 + O(h^2)), meet as
// the camber goes to 0.
TEST(TheoryComparison, ZeroThicknessMeetsThinTheoryAsCamberVanishes) {
    double previousGap = INFINITY;
    for (int camber = 15; camber >= 1; camber -= 2) {
        const State s = theoryState(0, camber, 3);
        const TheoryComparison t = compareWithThinAirfoil(s);
        double top = 0;
        for (const CamberPoint& p : t.camberLine) {
            top = std::max(top, p.y);
        }
        EXPECT_NEAR(top, s.mu / 2, 1e-4) << camber;
        const double gap = std::fabs(t.exact.alphaZeroLift - t.thin.alphaZeroLift);
        EXPECT_LT(gap, previousGap) << camber;
        EXPECT_LT(gap, std::pow(s.mu, 3)) << camber;
        EXPECT_NEAR(t.thin.alphaZeroLift, -s.mu, 2 * std::pow(s.mu, 3)) << camber;
        EXPECT_NEAR(t.thin.CMQuarterChord, -kPi * s.mu / 2, std::pow(s.mu, 2)) << camber;
        previousGap = gap;
    }
}

// The exact lift slope is 2 pi for the flat plate and above it for every profile with thickness,
// growing with thickness; for a symmetric profile 8 pi R/c = 2 pi (1 + 2 eps)/(1 + eps), since
// R = 1 + eps and the chord is 4 (1 + eps)^2/(1 + 2 eps).
TEST(TheoryComparison, ExactLiftSlopeGrowsWithThickness) {
    EXPECT_NEAR(compareWithThinAirfoil(theoryState(0, 0, 0)).exact.liftSlope, 2 * kPi, 1e-15);
    for (int camber : {0, 4, 10}) {
        double previous = 2 * kPi;
        for (int thickness = 1; thickness <= 30; ++thickness) {
            const State s = theoryState(thickness, camber, 0);
            const double slope = compareWithThinAirfoil(s).exact.liftSlope;
            EXPECT_GT(slope, previous) << thickness << "/" << camber;
            if (camber == 0) {
                EXPECT_NEAR(slope, 2 * kPi * (1 + 2 * s.eps) / (1 + s.eps), 1e-14);
            }
            previous = slope;
        }
    }
}

// The exact CM about c/4 is the window's moment law with the reference at 0.25; the load is the
// difference of the surface pressures of the two sides, found at the station's x/c.
TEST(TheoryComparison, ExactValuesComeFromTheWindowsLawsAndSurface) {
    State s = theoryState(12, 4, 5);
    const TheoryComparison t = compareWithThinAirfoil(s);
    setMomentReference(s, 25);
    EXPECT_EQ(t.exact.CMQuarterChord, momentCoefficient(s, 5, liftCoefficient(s, 5)));
    EXPECT_EQ(t.exact.alphaZeroLift, -s.Beta);
    EXPECT_EQ(t.current.exact, liftCoefficient(s, 5));
    EXPECT_NEAR(t.current.thin, 2 * kPi * (5 * kPi / 180 - t.thin.alphaZeroLift), 1e-14);
    EXPECT_EQ(t.difference.liftSlope, t.exact.liftSlope - t.thin.liftSlope);

    const test::Flow flow(test::circleOf(s), 5);
    const ProfileSides sides(s);
    for (std::size_t k : {std::size_t{3}, t.load.size() / 2, t.load.size() - 4}) {
        const LoadPoint& p = t.load[k];
        double cp[2];
        for (Side side : {Side::Upper, Side::Lower}) {
            const double phi = sides.angleAt(side, p.x);
            EXPECT_NEAR(sides.place(phi).x, p.x, 1e-13);
            const test::Complex zeta =
                test::circleOf(s).centre() +
                std::polar(test::circleOf(s).radius(), static_cast<long double>(phi));
            cp[side == Side::Upper ? 0 : 1] = static_cast<double>(flow.cp(zeta));
        }
        EXPECT_NEAR(p.exact, cp[1] - cp[0], 1e-10) << p.x;
    }
    // The thin and the exact load carry lift of the same size at 5 degrees.
    EXPECT_GT(t.load[t.load.size() / 2].thin, 0);
    EXPECT_GT(t.load[t.load.size() / 2].exact, 0);
}

// The leading edge is the surface point of smallest x/c: x/c = 0 for a symmetric profile, just
// ahead of it for a cambered one with thickness; the sides' x/c run monotonically between the
// edges.
TEST(ProfileSides, LeadingEdgeAndMonotonicSides) {
    EXPECT_NEAR(ProfileSides(theoryState(12, 0, 0)).leadingEdgeX(), 0, 1e-15);
    const ProfileSides sides(theoryState(30, 15, 0));
    EXPECT_LT(sides.leadingEdgeX(), -0.004);
    EXPECT_GT(sides.leadingEdgeX(), -0.0043);
    for (Side side : {Side::Upper, Side::Lower}) {
        const double a = sides.firstAngle(side);
        const double b = sides.lastAngle(side);
        double previous = sides.x(a);
        for (int k = 1; k <= 200; ++k) {
            const double x = sides.x(a + (b - a) * k / 200);
            EXPECT_TRUE(side == Side::Upper ? x < previous : x > previous) << k;
            previous = x;
        }
    }
}

} // namespace
} // namespace kestrel
