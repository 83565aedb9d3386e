// SPDX-License-Identifier: MIT
// The surface pressure against the complex potential flow about the circle (uniform stream,
// doublet and the Kutta circulation), and the special points: the cusped trailing edge, the
// capped singular point, the leading-edge override of zero-thickness profiles at zero incidence
// and the run before any profile exists.

#include "model/numeric.h"
#include "model/pressure.h"
#include "model_test_support.h"

#include <cmath>
#include <gtest/gtest.h>

namespace kestrel {
namespace {

using test::Flow;
using test::profileState;
using test::referencePoint;

State pressureState(int thickness, int camber, int points, int alfa) {
    State s = profileState(thickness, camber, points);
    setAngleInput(s, alfa);
    computePressure(s);
    return s;
}

// Every table row, odd and even point counts, angles across the range; the angle changes on an
// unchanged profile, as when only the angle scroll bar moves.
TEST(PressureDistribution, EveryRowMatchesThePotentialFlowAboutTheCircle) {
    for (long row = 1; row <= 496; ++row) {
        const int thickness = static_cast<int>((row - 1) % 31);
        const int camber = static_cast<int>((row - 1) / 31);
        for (int points : {11, 50, 51, 60, 101}) {
            State s = profileState(thickness, camber, points);
            for (int alfa : {-10, -3, 0, 5, 10}) {
                const auto where = ::testing::Message()
                                   << "row " << row << ", nP " << points << ", AlfaD " << alfa;
                setAngleInput(s, alfa);
                computePressure(s);
                ASSERT_EQ(s.AlfaD, alfa);
                const Flow flow(test::circleOf(s), alfa);
                const long override = (s.eps == 0 && alfa == 0) ? toIndex(s.nHalf + 1) : -1;
                for (int j = 2; j <= points - 1; ++j) {
                    if (s.dZdZeta[j] == 0 || j == override) {
                        continue; // the singular point and the zero-incidence override: see below
                    }
                    const long double expected =
                        flow.cp(referencePoint(flow.circle, points, j).zeta);
                    ASSERT_NEAR(s.Cp[j], expected,
                                1e-10 * std::fmax(1.0, std::fabs(double(expected))))
                        << where << ", j " << j;
                }
                // The cusp: a finite speed cos(alpha + Beta) / R, the limit of the ratio of the
                // two vanishing derivatives.
                ASSERT_NEAR(s.Cp[1], flow.trailingEdgeCp(), 1e-13) << where;
                ASSERT_EQ(s.Cp[points], s.Cp[1]) << where;
            }
        }
    }
}

// Row 13 stores eps = 0.10201 (t/c 0.12, f/c 0). At zero incidence the trailing-edge speed is
// 1/R = 1/1.10201, the leading edge (point 26) is a stagnation point and the two surfaces carry
// the same pressures.
TEST(SymmetricProfile, TwelvePercentAtZeroIncidence) {
    const State s = pressureState(12, 0, 51, 0);
    ASSERT_EQ(s.eps, 0.10201);
    const double trailing = 1 - 1 / (1.10201 * 1.10201);
    EXPECT_DOUBLE_EQ(s.Cp[1], trailing);
    EXPECT_DOUBLE_EQ(s.Cp[51], trailing);
    EXPECT_NEAR(s.Cp[1], 0.1766, 1e-4);
    EXPECT_NEAR(s.Cp[26], 1.0, 1e-12);
    for (int j = 2; j <= 25; ++j) {
        EXPECT_NEAR(s.Cp[j], s.Cp[52 - j], 1e-12) << j;
        EXPECT_LT(s.Cp[j], 1.0) << j;
    }
}

// The flat plate at zero incidence leaves the stream undisturbed: Cp is 0 along the plate, the
// trailing edge gives 1 - 1/1 = 0 exactly and the leading-edge point is set to exactly 0.
TEST(FlatPlate, ZeroIncidenceGivesZeroPressureEverywhere) {
    for (int points : {11, 51, 101}) {
        SCOPED_TRACE(points);
        const State s = pressureState(0, 0, points, 0);
        for (int j = 1; j <= points; ++j) {
            EXPECT_NEAR(s.Cp[j], 0.0, 1e-12) << j;
        }
        EXPECT_EQ(s.Cp[(points + 1) / 2], 0.0);
        EXPECT_EQ(s.Cp[1], 0.0);
        EXPECT_EQ(s.Cp[points], 0.0);
    }
}

// At incidence the speed on the singular point -1 is capped at 10: Cp = 1 - 100.
TEST(ZeroThickness, SingularPointIsCappedAtIncidence) {
    for (int c : {0, 1, 7, 15}) {
        for (int alfa : {-10, -1, 5, 10}) {
            for (int points : {11, 51, 101}) {
                const State s = pressureState(0, c, points, alfa);
                EXPECT_EQ(s.Cp[(points + 1) / 2], -99.0)
                    << "C " << c << ", AlfaD " << alfa << ", nP " << points;
            }
        }
    }
}

// At zero incidence the leading-edge point of every zero-thickness profile is set to 0, for an
// odd count the singular point itself, otherwise index nHalf + 1 rounded half to even:
// nP 50 gives 25.5 -> 26, nP 52 gives 26.5 -> 26. The point on the other side keeps its flow value.
TEST(ZeroThickness, ZeroIncidenceOverridesTheLeadingEdgePoint) {
    struct Case {
        int points;
        int overridden;
        int neighbour;
    };
    for (int c : {0, 4, 15}) {
        for (const Case k : {Case{51, 26, 25}, Case{50, 26, 25}, Case{52, 26, 27}, Case{12, 6, 7},
                             Case{14, 8, 7}}) {
            SCOPED_TRACE(::testing::Message() << "C " << c << ", nP " << k.points);
            const State s = pressureState(0, c, k.points, 0);
            EXPECT_EQ(s.Cp[k.overridden], 0.0);
            const Flow flow(test::circleOf(s), 0);
            const long double expected =
                flow.cp(referencePoint(flow.circle, k.points, k.neighbour).zeta);
            EXPECT_NEAR(s.Cp[k.neighbour], expected,
                        1e-10 * std::fmax(1.0, std::fabs(double(expected))));
            if (c > 0) {
                // On an arc the flow at the nose is not undisturbed, so 0 can only be the override.
                EXPECT_GT(std::fabs(s.Cp[k.neighbour]), 1e-3);
            }
        }
    }
}

// A profile with thickness has no override: its nose point keeps the flow value.
TEST(ThickProfile, LeadingEdgeKeepsItsFlowValueAtZeroIncidence) {
    const State s = pressureState(12, 0, 50, 0);
    EXPECT_GT(s.Cp[26], 0.5);
    EXPECT_GT(s.Cp[25], 0.5);
}

// Before any profile: nP, nExp and eps read 0, so the loop is empty, the trailing edge is taken as
// a stagnation point (Cp(1) = 1), the closing index nP = 0 copies it to Cp(0), and at zero
// incidence the override hits index nHalf + 1 = 1.
TEST(PressureBeforeProfile, ZeroIncidence) {
    State s = test::startedState();
    s.Cp[2] = 777;
    setAngleInput(s, 0);
    computePressure(s);
    EXPECT_EQ(s.Cp[0], 1.0);
    EXPECT_EQ(s.Cp[1], 0.0);
    EXPECT_EQ(s.Cp[2], 777.0);
}

TEST(PressureBeforeProfile, AtIncidence) {
    State s = test::startedState();
    setAngleInput(s, 7);
    computePressure(s);
    EXPECT_EQ(s.AlfaD, 7.0);
    EXPECT_EQ(s.Cp[0], 1.0);
    EXPECT_EQ(s.Cp[1], 1.0);
}

// After a table miss the pressure runs on the previous profile's points with the new count: the
// loop and the closing point follow the new nP.
TEST(PressureAfterMiss, UsesTheNewPointCount) {
    State s = profileState(10, 4, 51);
    setAngleInput(s, 4);
    computePressure(s);
    const double old51 = s.Cp[51];
    const double old5 = s.Cp[5];
    s.Thickness = 0.305;
    s.nP = 21;
    ASSERT_FALSE(computeProfile(s));
    computePressure(s);
    EXPECT_EQ(s.Cp[21], s.Cp[1]);
    EXPECT_EQ(s.Cp[5], old5);   // same point, same profile, same angle
    EXPECT_EQ(s.Cp[51], old51); // beyond the new count: untouched
}

} // namespace
} // namespace kestrel
