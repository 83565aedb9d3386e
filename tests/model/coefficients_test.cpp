// SPDX-License-Identifier: MIT
// The closed-form lift and moment laws at angles whose values can be checked by hand, the curve
// tables they fill, and the Prandtl-Glauert decision shared by the plots.

#include "model/coefficients.h"
#include "model/pressure.h"
#include "model_test_support.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <optional>

namespace kestrel {
namespace {

using test::kPi;
using test::profileState;

// A profile at 51 points with its lift curve at the given angle.
State liftState(int thickness, int camber, int alfa) {
    return test::liftState(thickness, camber, 51, alfa);
}

// The flat plate has R/c = 1/4, so CL = 2 pi sin(alpha): pi at 30 degrees, 2 pi at 90 degrees.
TEST(LiftLaw, FlatPlateHasTwoPiSinAlpha) {
    const State s = profileState(0, 0, 51);
    EXPECT_EQ(liftCoefficient(s, 0), 0.0);
    EXPECT_NEAR(liftCoefficient(s, 30), kPi, 1e-14);
    EXPECT_NEAR(liftCoefficient(s, 90), 2 * kPi, 1e-14);
    EXPECT_NEAR(liftCoefficient(s, -30), -kPi, 1e-14);
    EXPECT_NEAR(radians(s, 180), kPi, 1e-15);
}

// Every row: CL = 8 pi (R/c) sin(alpha + Beta) with R and c from the circle, zero at the
// zero-lift angle -Beta, and zero at alpha = 0 exactly for symmetric rows.
TEST(LiftLaw, FollowsTheCircleOfEveryRow) {
    for (int c = 0; c <= 15; c += 3) {
        for (int t = 0; t <= 30; t += 5) {
            SCOPED_TRACE(::testing::Message() << "T " << t << ", C " << c);
            const State s = profileState(t, c, 51);
            const test::Circle circle = test::circleOf(s);
            const long double rByC = circle.radius() / test::referenceChord(circle.eps);
            const long double beta = std::atan2(circle.mu, 1 + circle.eps);
            for (int alfa : {-12, -5, 0, 7, 12}) {
                const long double expected = 8 * kPi * rByC * std::sin(alfa * kPi / 180 + beta);
                EXPECT_NEAR(liftCoefficient(s, alfa), expected, 1e-14) << alfa;
            }
            EXPECT_NEAR(liftCoefficient(s, -s.Beta * 180 / s.pi), 0.0, 1e-15);
            if (c == 0) {
                EXPECT_EQ(liftCoefficient(s, 0), 0.0);
            } else {
                EXPECT_GT(liftCoefficient(s, 0), 0.0); // positive camber lifts at zero incidence
            }
        }
    }
}

TEST(LiftCurve, FillsTwentyFiveEntriesAndTheCurrentValue) {
    State s = profileState(15, 8, 51);
    for (long k = 0; k <= 30; ++k) {
        s.AlfaArr[k] = 777;
        s.CLarr[k] = 777;
    }
    setAngleInput(s, -7);
    computeLiftCurve(s);
    for (long k = 0; k <= 24; ++k) {
        EXPECT_EQ(s.AlfaArr[k], k - 12.0);
        EXPECT_EQ(s.CLarr[k], liftCoefficient(s, k - 12.0));
    }
    for (long k = 25; k <= 30; ++k) {
        EXPECT_EQ(s.AlfaArr[k], 777.0);
        EXPECT_EQ(s.CLarr[k], 777.0);
    }
    EXPECT_EQ(s.CLcur, s.CLarr[5]); // -7 degrees is entry 5, the marker sits on a vertex
    // Lift rises with the angle over the whole range.
    for (long k = 1; k <= 24; ++k) {
        EXPECT_GT(s.CLarr[k], s.CLarr[k - 1]);
    }
}

// At zero incidence the moment is CL eps / Chord + (xShift + xM) CL.
TEST(MomentLaw, AtZeroIncidence) {
    for (int xm : {0, 25, 50, 100}) {
        State s = liftState(15, 8, 0);
        setMomentReference(s, xm);
        const double cl = s.CLcur;
        const double expected = cl * s.eps / s.Chord + (s.xShift + s.xM) * cl;
        EXPECT_NEAR(momentCoefficient(s, 0, cl), expected, 1e-15) << xm;
        EXPECT_NEAR(computeMomentCurve(s), expected, 1e-15) << xm;
    }
}

// Symmetric profiles carry no lift at zero incidence, so the moment passes through 0 there
// whatever the reference point.
TEST(MomentLaw, SymmetricProfilesPassThroughZero) {
    for (int t : {0, 12, 30}) {
        for (int xm : {0, 37, 100}) {
            State s = liftState(t, 0, 0);
            setMomentReference(s, xm);
            EXPECT_EQ(computeMomentCurve(s), 0.0);
            EXPECT_EQ(s.CMarr[12], 0.0);
        }
    }
}

// Moving the reference point changes only the transfer term (xShift + xM) CL cos(alpha): the
// difference of two curves is (xM2 - xM1) CL cos(alpha) at every angle.
TEST(MomentLaw, ReferencePointChangesOnlyTheTransferTerm) {
    State s = liftState(30, 15, 6);
    setMomentReference(s, 10);
    const double current10 = computeMomentCurve(s);
    const State at10 = s;
    setMomentReference(s, 60);
    const double current60 = computeMomentCurve(s);
    for (long k = 0; k <= 24; ++k) {
        const double r = (k - 12) * s.pi / 180;
        EXPECT_NEAR(s.CMarr[k] - at10.CMarr[k], 0.5 * s.CLarr[k] * std::cos(r), 1e-14) << k;
    }
    EXPECT_NEAR(current60 - current10, 0.5 * s.CLcur * std::cos(6 * s.pi / 180), 1e-14);
}

// Flat plate, chord 4 and xShift -1/2: the moment is (pi/4) sin 2a + (xM - 1/2) pi sin 2a, which
// vanishes about the quarter chord at every angle and is -CL/4 cos a about the leading edge.
TEST(MomentLaw, FlatPlateHasNoMomentAboutTheQuarterChord) {
    State s = liftState(0, 0, 0);
    setMomentReference(s, 25);
    computeMomentCurve(s);
    for (long k = 0; k <= 24; ++k) {
        EXPECT_NEAR(s.CMarr[k], 0.0, 1e-15) << k;
    }
    setMomentReference(s, 0);
    computeMomentCurve(s);
    for (long k = 0; k <= 24; ++k) {
        const double r = (k - 12) * s.pi / 180;
        EXPECT_NEAR(s.CMarr[k], -s.CLarr[k] * std::cos(r) / 4, 1e-15) << k;
    }
}

// A circular arc (eps 0, R^2 = 1 + mu^2, tan Beta = mu) has CL = 2 pi (sin a + mu cos a), and
// about the quarter chord the three terms add up to -(pi/2) mu - (pi/4) mu^2 sin 2a: the thin-arc
// value -pi f/c plus a small term of second order in the camber.
TEST(MomentLaw, CircularArcAboutTheQuarterChord) {
    for (int c : {1, 6, 15}) {
        State s = liftState(0, c, 0);
        setMomentReference(s, 25);
        computeMomentCurve(s);
        const double mu = s.mu;
        for (long k = 0; k <= 24; ++k) {
            const double r = (k - 12) * s.pi / 180;
            const double expected = -(s.pi / 2) * mu - (s.pi / 4) * mu * mu * std::sin(2 * r);
            EXPECT_NEAR(s.CMarr[k], expected, 1e-14) << "C " << c << ", k " << k;
        }
    }
}

// Without a lift curve (CLarr and CLcur still 0) only the first term is left: 4 pi / Chord^2
// sin 2a, which for the flat plate is pi/4 at 45 degrees.
TEST(MomentLaw, WithoutLiftOnlyTheFirstTermRemains) {
    State s = profileState(0, 0, 51);
    setMomentReference(s, 40);
    s.AlfaD = 45;
    EXPECT_NEAR(computeMomentCurve(s), kPi / 4, 1e-15);
    for (long k = 0; k <= 24; ++k) {
        EXPECT_NEAR(s.CMarr[k], (kPi / 4) * std::sin(2 * (k - 12) * kPi / 180), 1e-15) << k;
    }
}

TEST(MomentCurve, LeavesUnusedEntriesAlone) {
    State s = liftState(10, 4, 3);
    for (long k = 25; k <= 30; ++k) {
        s.CMarr[k] = 777;
        s.AlfaArr[k] = 777;
    }
    computeMomentCurve(s);
    for (long k = 0; k <= 24; ++k) {
        EXPECT_EQ(s.AlfaArr[k], k - 12.0);
    }
    for (long k = 25; k <= 30; ++k) {
        EXPECT_EQ(s.CMarr[k], 777.0);
        EXPECT_EQ(s.AlfaArr[k], 777.0);
    }
}

TEST(MomentLaw, NeedsAProfile) {
    State s = test::startedState();
    EXPECT_FALSE(profileExists(s));
    setProfileInputs(s, 0, 0, 51);
    ASSERT_TRUE(computeProfile(s));
    EXPECT_TRUE(profileExists(s));
}

// Lift and moment from the surface pressure itself: the pressure of the potential flow about the
// circle is integrated around the profile (x downstream, moments positive nose-up). The integrand
// is smooth and periodic in the angle about the circle's centre, so an even-step sum converges
// to rounding level. Profiles with thickness only: a zero-thickness nose carries a suction force
// that no pressure integral sees.
struct IntegratedCoefficients {
    long double cl;
    long double cm;
};

IntegratedCoefficients integratePressure(const State& s, int alfa) {
    const test::Circle circle = test::circleOf(s);
    const test::Flow flow(circle, alfa);
    const long double chord = test::referenceChord(circle.eps);
    const long double reference = (s.xM + s.xShift) * chord; // moment point in the z-plane
    const test::Complex centre = circle.centre();
    const long double start = std::arg(1.0L - centre); // the trailing edge
    const int steps = 720;
    long double fx = 0;
    long double fy = 0;
    long double moment = 0;
    for (int k = 0; k < steps; ++k) {
        const long double step = 2 * kPi / steps;
        const test::Complex zeta = centre + std::polar(circle.radius(), start + k * step);
        const test::Complex z = zeta + 1.0L / zeta;
        const test::Complex dz =
            (1.0L - 1.0L / (zeta * zeta)) * test::Complex(0, 1) * (zeta - centre) * step;
        const long double cp = k == 0 ? flow.trailingEdgeCp() : flow.cp(zeta);
        fx -= cp * std::imag(dz);
        fy += cp * std::real(dz);
        moment += cp * ((std::real(z) - reference) * std::real(dz) + std::imag(z) * std::imag(dz));
    }
    const long double alpha = alfa * kPi / 180;
    return {(fy * std::cos(alpha) - fx * std::sin(alpha)) / chord, -moment / (chord * chord)};
}

TEST(CoefficientLaws, AgreeWithTheIntegratedSurfacePressure) {
    const int shapes[][2] = {{5, 3}, {12, 0}, {15, 8}, {30, 0}, {20, 15}, {30, 15}};
    for (const auto& shape : shapes) {
        for (int alfa : {-10, -3, 0, 7, 10}) {
            for (int xm : {0, 25, 70, 100}) {
                SCOPED_TRACE(::testing::Message() << "T " << shape[0] << ", C " << shape[1]
                                                  << ", AlfaD " << alfa << ", xM " << xm);
                State s = liftState(shape[0], shape[1], alfa);
                setMomentReference(s, xm);
                const double cm = computeMomentCurve(s);
                const IntegratedCoefficients expected = integratePressure(s, alfa);
                EXPECT_NEAR(s.CLcur, expected.cl, 1e-12);
                EXPECT_NEAR(cm, expected.cm, 1e-12);
            }
        }
    }
}

TEST(PrandtlGlauert, FactorExistsOnlyBelowMachOne) {
    EXPECT_EQ(prandtlGlauertFactor(0), 1.0);
    EXPECT_FALSE(showsCompressible(0));
    EXPECT_FALSE(showsCompressible(-0.0));
    // sqrt(1 - 0.36) = 0.8, and 0.5 gives sqrt(0.75) exactly since 0.5^2 is exact.
    for (double m : {0.6, -0.6}) {
        ASSERT_TRUE(prandtlGlauertFactor(m).has_value()) << m;
        EXPECT_DOUBLE_EQ(*prandtlGlauertFactor(m), 0.8);
        EXPECT_TRUE(showsCompressible(m));
    }
    EXPECT_EQ(prandtlGlauertFactor(0.5), std::sqrt(0.75));
    EXPECT_TRUE(showsCompressible(std::nextafter(1.0, 0.0)));
    const double inf = std::numeric_limits<double>::infinity();
    for (double m : {1.0, -1.0, 1.5, -7.0, inf, -inf, std::numeric_limits<double>::quiet_NaN()}) {
        EXPECT_FALSE(prandtlGlauertFactor(m).has_value()) << m;
        EXPECT_FALSE(showsCompressible(m)) << m;
    }
}

} // namespace
} // namespace kestrel
