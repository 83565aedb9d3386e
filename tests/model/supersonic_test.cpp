// SPDX-License-Identifier: MIT
// The supersonic stretches of the surface: none below a rule's critical Mach number, a small one
// about the suction peak just above it, mirror images on a symmetric profile at zero incidence,
// ends where the rule's Cp equals Cp*, and the edges: M = 0, |M| >= 1, a rule broken down and the
// unbounded suction of a zero-thickness profile.

#include "model/compressibility.h"
#include "model/pressure.h"
#include "model/supersonic.h"
#include "model_test_support.h"

#include <cmath>
#include <gtest/gtest.h>

namespace kestrel {
namespace {

using Rule = CompressibilityRule;

struct Case {
    State state;
    CompressibleSurface surface;
    SonicSurface sonic;

    Case(int thickness, int camber, int alfa)
        : state(test::liftState(thickness, camber, 51, alfa)), surface(state),
          sonic(state, surface) {}
};

// The rule's Cp at the place of the side at x/c.
double ruleCp(const Case& c, Rule rule, double mach, Side side, double x) {
    const ProfileSides& sides = c.sonic.sides();
    return *correctedPressureCoefficient(rule, sides.pressure(sides.angleAt(side, x)), mach);
}

TEST(SupersonicExtent, NoneBelowCriticalAndASmallOneAboutThePeakAbove) {
    const Case c(12, 4, 5);
    for (Rule rule : kCompressibilityRules) {
        const double critical = *c.surface.criticalMach(rule);
        EXPECT_TRUE(c.sonic.extents(rule, critical - 1e-4)->empty()) << ruleName(rule);
        const auto above = *c.sonic.extents(rule, critical + 1e-4);
        ASSERT_EQ(above.size(), 1u) << ruleName(rule);
        const SupersonicExtent& e = above.front();
        EXPECT_EQ(e.side, Side::Upper);
        EXPECT_LT(e.xFrom, c.surface.minimum().x);
        EXPECT_GT(e.xTo, c.surface.minimum().x);
        EXPECT_LT(e.xTo - e.xFrom, 0.01);
        // Wider as M rises; its ends are where the rule's Cp equals Cp*.
        const double mach = critical + 0.02;
        const auto wider = *c.sonic.extents(rule, mach);
        ASSERT_EQ(wider.size(), 1u);
        EXPECT_LT(wider.front().xFrom, e.xFrom);
        EXPECT_GT(wider.front().xTo, e.xTo);
        const double cpStar = *criticalPressureCoefficient(mach);
        for (double x : {wider.front().xFrom, wider.front().xTo}) {
            EXPECT_NEAR(ruleCp(c, rule, mach, Side::Upper, x), cpStar, 1e-9) << x;
        }
    }
}

TEST(SupersonicExtent, MirrorImagesOnASymmetricProfileAtZeroIncidence) {
    const Case c(12, 0, 0);
    for (Rule rule : kCompressibilityRules) {
        const auto extents = *c.sonic.extents(rule, *c.surface.criticalMach(rule) + 0.01);
        ASSERT_EQ(extents.size(), 2u) << ruleName(rule);
        EXPECT_EQ(extents[0].side, Side::Upper);
        EXPECT_EQ(extents[1].side, Side::Lower);
        EXPECT_NEAR(extents[0].xFrom, extents[1].xFrom, 1e-10);
        EXPECT_NEAR(extents[0].xTo, extents[1].xTo, 1e-10);
        EXPECT_LT(extents[0].xFrom, extents[0].xTo);
    }
}

TEST(SupersonicExtent, EdgesOfTheMachRange) {
    const Case c(12, 4, 5);
    for (Rule rule : kCompressibilityRules) {
        EXPECT_TRUE(c.sonic.extents(rule, 0)->empty());
        EXPECT_FALSE(c.sonic.extents(rule, 1).has_value());
        EXPECT_FALSE(c.sonic.extents(rule, -1.5).has_value());
        EXPECT_EQ(c.sonic.extents(rule, -0.7), c.sonic.extents(rule, 0.7));
    }
    // Karman-Tsien's denominator at the peak, beta + M^2 Cp_min / (2 (1 + beta)), reaches 0 below
    // M = 0.9 on this profile (Cp_min about -2.5), where the rule has broken down.
    EXPECT_FALSE(c.sonic.extents(Rule::KarmanTsien, 0.95).has_value());
    EXPECT_FALSE(c.surface.result(Rule::KarmanTsien, 0.95).CpMin.has_value());
}

// A zero-thickness profile at incidence has unbounded suction on both sides of its sharp leading
// edge: the linear rule finds a supersonic stretch from the edge on each side at any M, the
// nonlinear rules break down.
TEST(SupersonicExtent, UnboundedSuctionAtASharpLeadingEdge) {
    const Case c(0, 6, 4);
    const auto pg = *c.sonic.extents(Rule::PrandtlGlauert, 0.3);
    ASSERT_EQ(pg.size(), 2u);
    for (const SupersonicExtent& e : pg) {
        EXPECT_NEAR(e.xFrom, 0, 1e-12);
        EXPECT_GT(e.xTo, 0);
    }
    EXPECT_GT(pg[0].xTo, pg[1].xTo); // more suction on the upper side at 4 degrees
    EXPECT_FALSE(c.sonic.extents(Rule::KarmanTsien, 0.3).has_value());
    EXPECT_FALSE(c.sonic.extents(Rule::Laitone, 0.3).has_value());
}

// The pressures for drawing: x/c rising from the leading edge to the trailing edge on both sides,
// each rule's Cp its rule applied to Cp0.
TEST(SurfacePressures, RiseAlongEachSideAndApplyTheRules) {
    const Case c(12, 4, 5);
    const auto sides = c.sonic.pressures(0.5);
    for (const SidePressure& p : sides) {
        ASSERT_GT(p.x.size(), 200u);
        EXPECT_NEAR(p.x.front(), c.sonic.sides().leadingEdgeX(), 1e-15);
        EXPECT_NEAR(p.x.back(), 1, 1e-15);
        for (std::size_t k = 1; k < p.x.size(); ++k) {
            EXPECT_LE(p.x[k - 1], p.x[k]);
        }
        const std::size_t k = p.x.size() / 3;
        EXPECT_EQ(p.Cp[ruleIndex(Rule::PrandtlGlauert)][k], p.Cp0[k] / std::sqrt(0.75));
    }
    EXPECT_EQ(sides[0].side, Side::Upper);
}

} // namespace
} // namespace kestrel
