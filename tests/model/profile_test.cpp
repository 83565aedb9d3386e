// SPDX-License-Identifier: MIT
// The profile computation against an independent complex-number construction of the circle
// points and their Joukowski images, and its special cases: the flat plate, the zero-thickness
// rows whose circle passes through the singular point -1, and the point counts at the limits.

#include "model/numeric.h"
#include "model_test_support.h"

#include <cmath>
#include <gtest/gtest.h>

namespace kestrel {
namespace {

using test::Circle;
using test::circleOf;
using test::kPi;
using test::profileState;
using test::ReferencePoint;
using test::referencePoint;

// Tolerance for values of order one computed along different routes: absolute near zero,
// relative for larger magnitudes.
constexpr double kTol = 1e-12;

double tolerance(long double expected) {
    return kTol * std::fmax(1.0, std::fabs(static_cast<double>(expected)));
}

// Every table row, with odd and even point counts and both limits. Theta and dZdZeta have no
// value at the two trailing-edge points and must stay untouched there. A thick row or an even
// count never meets the singular point, so dZdZeta stays clear of 0 wherever the reference does.
TEST(ProfileGeometry, EveryRowMatchesTheJoukowskiImageOfTheCircle) {
    for (long row = 1; row <= 496; ++row) {
        const int thickness = static_cast<int>((row - 1) % 31);
        const int camber = static_cast<int>((row - 1) / 31);
        for (int points : {11, 12, 50, 51, 60, 100, 101}) {
            const auto where = ::testing::Message() << "row " << row << ", nP " << points;
            State s = test::startedState();
            setProfileInputs(s, thickness, camber, points);
            const long last = points;
            for (long j : {1L, last}) {
                s.Theta[j] = 777;
                s.dZdZeta[j] = 777;
            }
            ASSERT_TRUE(computeProfile(s)) << where;
            ASSERT_EQ(s.nExp, 2.0) << where;
            ASSERT_EQ(s.nSeg, points - 1.0) << where;
            ASSERT_EQ(s.nHalf, (points - 1.0) / 2) << where;
            const Circle circle = circleOf(s);
            for (int j = 2; j <= points - 1; ++j) {
                const ReferencePoint p = referencePoint(circle, points, j);
                ASSERT_NEAR(s.Theta[j], p.theta, tolerance(p.theta)) << where << ", j " << j;
                ASSERT_NEAR(s.xCirc[j], std::real(p.zeta), kTol) << where << ", j " << j;
                ASSERT_NEAR(s.yCirc[j], std::imag(p.zeta), kTol) << where << ", j " << j;
                ASSERT_NEAR(s.xProf[j], p.x, kTol) << where << ", j " << j;
                ASSERT_NEAR(s.yProf[j], p.y, kTol) << where << ", j " << j;
                ASSERT_NEAR(s.dZdZeta[j], p.dzdzeta, tolerance(p.dzdzeta)) << where << ", j " << j;
            }
            for (long j : {1L, last}) {
                ASSERT_EQ(s.xCirc[j], 1.0) << where;
                ASSERT_EQ(s.yCirc[j], 0.0) << where;
                ASSERT_EQ(s.xProf[j], 1.0) << where;
                ASSERT_EQ(s.yProf[j], 0.0) << where;
                ASSERT_EQ(s.Theta[j], 777.0) << where;
                ASSERT_EQ(s.dZdZeta[j], 777.0) << where;
            }
        }
    }
}

// The circle quantities from their geometric meaning: the chord of the symmetric profile
// 4(1+eps)^2/(1+2eps), the radius through the point 1, the trailing edge seen from the centre at
// the angle -Beta, the centre's distance from the origin over the radius.
TEST(ProfileCircle, QuantitiesFollowFromTheCircle) {
    for (int c = 0; c <= 15; ++c) {
        for (int t = 0; t <= 30; ++t) {
            SCOPED_TRACE(::testing::Message() << "T " << t << ", C " << c);
            const State s = profileState(t, c, 51);
            const Circle circle = circleOf(s);
            const long double chord = test::referenceChord(circle.eps);
            const long double radius = circle.radius();
            EXPECT_NEAR(s.Chord, chord, 1e-14);
            EXPECT_NEAR(s.xShift, 2 / chord - 1, 1e-15);
            EXPECT_NEAR(s.Rsq, radius * radius, 1e-15);
            EXPECT_NEAR(s.Rc, radius, 1e-15);
            EXPECT_NEAR(s.RbyC, radius / chord, 1e-15);
            EXPECT_NEAR(s.Beta, -std::arg(1.0L - circle.centre()), 1e-15);
            EXPECT_NEAR(s.dOverR, std::abs(circle.centre()) / radius, 1e-15);
            // Delta: the centre's direction as arctan(mu/eps), a right angle when eps is 0.
            if (c == 0 && t == 0) {
                EXPECT_EQ(s.Delta, 0.0);
            } else if (t == 0) {
                EXPECT_EQ(s.Delta, s.pi / 2);
            } else {
                EXPECT_NEAR(std::tan(s.Delta) * s.eps, s.mu, 1e-15);
                EXPECT_GE(s.Delta, 0.0);
                EXPECT_LT(s.Delta, s.pi / 2);
            }
        }
    }
}

TEST(FlatPlate, HasTheUnitCircleAndChordFour) {
    for (int points : {11, 50, 51, 101}) {
        SCOPED_TRACE(points);
        const State s = profileState(0, 0, points);
        // All exact: eps = mu = 0 makes every step an exact operation on small numbers.
        EXPECT_EQ(s.eps, 0.0);
        EXPECT_EQ(s.mu, 0.0);
        EXPECT_EQ(s.Chord, 4.0);
        EXPECT_EQ(s.xShift, -0.5);
        EXPECT_EQ(s.Beta, 0.0);
        EXPECT_EQ(s.Rsq, 1.0);
        EXPECT_EQ(s.Rc, 1.0);
        EXPECT_EQ(s.dOverR, 0.0);
        EXPECT_EQ(s.RbyC, 0.25);
        EXPECT_EQ(s.Delta, 0.0);
        for (int j = 2; j <= points - 1; ++j) {
            SCOPED_TRACE(j);
            // Every circle point lies on the unit circle, whose image is the segment -2..2.
            EXPECT_NEAR(std::hypot(s.xCirc[j], s.yCirc[j]), 1.0, 1e-15);
            EXPECT_NEAR(s.xProf[j], (1 + std::cos(s.Theta[j])) / 2, 1e-15);
            EXPECT_NEAR(s.yProf[j], 0.0, 1e-15);
        }
    }
}

// Zero-thickness rows: the circle passes through -1, and with an odd point count the point at
// polar angle -pi lands on it exactly. The mapping is singular there, so the point is set to the
// leading edge (0, 0) with a zero derivative; every other point is ordinary.
TEST(ZeroThickness, OddPointCountPutsAPointOnTheSingularPoint) {
    for (int c = 0; c <= 15; ++c) {
        for (int points : {11, 13, 51, 99, 101}) {
            SCOPED_TRACE(::testing::Message() << "C " << c << ", nP " << points);
            const State s = profileState(0, c, points);
            const long edge = toIndex(s.nHalf + 1);
            EXPECT_EQ(edge, (points + 1) / 2);
            EXPECT_EQ(s.dZdZeta[edge], 0.0);
            EXPECT_EQ(s.xProf[edge], 0.0);
            EXPECT_EQ(s.yProf[edge], 0.0);
            EXPECT_NEAR(s.Theta[edge], -s.pi, 1e-15);
            for (int j = 2; j <= points - 1; ++j) {
                if (j != edge) {
                    EXPECT_NE(s.dZdZeta[j], 0.0) << j;
                }
            }
            EXPECT_EQ(s.Chord, 4.0);
            EXPECT_EQ(s.xShift, -0.5);
            if (c > 0) {
                EXPECT_EQ(s.Delta, s.pi / 2);
                EXPECT_EQ(s.mu, 2 * scrollHundredths(c)); // an arc of height f/c over chord 4
            }
        }
    }
}

// Symmetric rows are mirror images about the chord, with the leading-edge point at x/c = 0
// (that is what the scale and shift are chosen for).
TEST(SymmetricRows, AreMirrorImagesWithTheLeadingEdgeAtZero) {
    for (int t = 0; t <= 30; ++t) {
        SCOPED_TRACE(t);
        const State s = profileState(t, 0, 51);
        EXPECT_EQ(s.mu, 0.0);
        EXPECT_EQ(s.Beta, 0.0);
        EXPECT_NEAR(s.xProf[26], 0.0, 1e-14);
        EXPECT_NEAR(s.yProf[26], 0.0, 1e-14);
        for (int j = 2; j <= 25; ++j) {
            EXPECT_NEAR(s.xProf[j], s.xProf[52 - j], 1e-14) << j;
            EXPECT_NEAR(s.yProf[j], -s.yProf[52 - j], 1e-14) << j;
            if (t > 0) {
                EXPECT_LT(s.yProf[j], 0.0) << j; // points 2..nHalf+1 form the lower surface
            }
        }
    }
}

TEST(PointCounts, LimitsAndEvenCounts) {
    const State eleven = profileState(12, 0, 11);
    EXPECT_EQ(eleven.nSeg, 10.0);
    EXPECT_EQ(eleven.nHalf, 5.0);
    EXPECT_NEAR(eleven.Theta[2], -kPi / 5, 1e-15); // step 2 pi / 10
    EXPECT_NEAR(eleven.Theta[10], -9 * kPi / 5, 1e-14);
    EXPECT_EQ(eleven.Theta[11], 0.0); // point 11 is the trailing edge, not computed

    const State full = profileState(12, 0, 101);
    EXPECT_EQ(full.nSeg, 100.0);
    EXPECT_EQ(full.nHalf, 50.0);
    EXPECT_EQ(full.xProf[101], 1.0);
    EXPECT_EQ(full.yProf[101], 0.0);

    const State even = profileState(12, 0, 50);
    EXPECT_EQ(even.nHalf, 24.5);
    // No point sits on polar angle -pi: the two nearest lie half a step to either side.
    EXPECT_NEAR(even.Theta[25], -kPi + kPi / 49, 1e-14);
    EXPECT_NEAR(even.Theta[26], -kPi - kPi / 49, 1e-14);
}

TEST(PointCounts, PointsBeyondASmallerCountKeepTheirOldValues) {
    State s = profileState(15, 8, 101);
    const double x60 = s.xProf[60];
    const double cp60 = s.dZdZeta[60];
    setProfileInputs(s, 15, 8, 11);
    ASSERT_TRUE(computeProfile(s));
    EXPECT_EQ(s.xProf[60], x60);
    EXPECT_EQ(s.dZdZeta[60], cp60);
    EXPECT_EQ(s.xProf[11], 1.0); // the new trailing edge
}

} // namespace
} // namespace kestrel
