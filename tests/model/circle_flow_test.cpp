// SPDX-License-Identifier: MIT
// The laws of the flow about the circle against closed forms: the surface speed against the
// field on the surface, the ends of the mapping, the profile's perimeter from the arc rate, and
// the far field at distances where the circle-plane forms would overflow.

#include "model/circle_flow.h"
#include "model/flow.h"
#include "model_test_support.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <tuple>

namespace kestrel {
namespace {

using C = std::complex<double>;
using test::liftState;

// On the circle the uniform stream, doublet and vortex give the tangential speed
// 2 |sin(phi - alpha) + sin(alpha + Beta)| against the circle's free stream 1 / Chord; the
// profile's speed is that over |dz/dzeta|, and its direction is the counter-clockwise tangent
// i e^(i phi) carried over by dz/dzeta.
TEST(CircleFlowSurface, SpeedIsTheFieldOnTheSurface) {
    for (const auto& [t, c, alfa] : {std::tuple{12, 4, 5}, {30, 15, -10}, {1, 0, 10}, {0, 6, 0}}) {
        const State s = liftState(t, c, 51, alfa);
        const CircleFlow flow(s);
        const double alpha = alfa * std::numbers::pi / 180;
        for (int k = 1; k < 24; ++k) {
            const double phi = -s.Beta + k * std::numbers::pi / 12 + 0.1;
            const CircleFlow::SurfacePoint p = flow.surfaceAt(phi);
            const double circleSpeed =
                2 * std::fabs(std::sin(phi - alpha) + std::sin(alpha + s.Beta));
            EXPECT_NEAR(std::abs(flow.circleVelocity(p.zeta)) * s.Chord, circleSpeed, 1e-12);
            const C v = *flow.profileVelocity(p.zeta);
            const C tangent =
                C(0, 1) * std::polar(1.0, phi) * CircleFlow::mappingDerivative(p.zeta);
            const C along = p.velocity * tangent / std::abs(tangent);
            EXPECT_NEAR(std::abs(v - along), 0, 1e-12) << phi;
            EXPECT_NEAR(std::fabs(p.velocity),
                        circleSpeed / std::abs(1.0 - portable::divide(1.0, p.zeta * p.zeta)),
                        1e-11);
            EXPECT_NEAR(p.Cp, 1 - std::norm(v), 1e-11);
        }
        // The front stagnation point (on an arc at zero incidence the leading edge, which the
        // flow leaves smoothly at a finite speed), and the cusp: the finite speed
        // cos(alpha + Beta) / R leaves the trailing edge.
        const CircleFlow::SurfacePoint front = flow.surfaceAt(flow.frontStagnationAngle());
        EXPECT_NEAR(std::abs(front.zeta - flow.frontStagnation()), 0, 1e-15);
        EXPECT_NEAR(std::abs(flow.circleVelocity(front.zeta)), 0, 1e-15);
        if (!flow.throughSingularPoint()) {
            EXPECT_NEAR(front.velocity, 0, 1e-14);
        }
        EXPECT_NEAR(flow.surfaceAt(-s.Beta).velocity, -std::cos(alpha + s.Beta) / s.Rc, 1e-15);
    }
}

// zeta = 1 lands on the trailing edge (1, 0) exactly, and the circle's leftmost point
// -(1 + 2 eps) of a symmetric row on the leading edge (0, 0); dz/dzeta = 1 - 1/zeta^2 vanishes
// at both singular points and is 2 at zeta = i.
TEST(CircleFlowMapping, EndsOfTheProfileAndTheSingularPoints) {
    const State s = liftState(12, 0, 51, 0);
    const CircleFlow flow(s);
    EXPECT_EQ(flow.toProfile(1.0), C(1, 0));
    const C nose = flow.toProfile(-(1 + 2 * s.eps));
    EXPECT_NEAR(nose.real(), 0, 1e-15);
    EXPECT_NEAR(nose.imag(), 0, 1e-15);
    EXPECT_EQ(CircleFlow::mappingDerivative(1.0), C(0, 0));
    EXPECT_EQ(CircleFlow::mappingDerivative(-1.0), C(0, 0));
    EXPECT_EQ(CircleFlow::mappingDerivative(C(0, 1)), C(2, 0));
    for (const C zeta : {C(0.3, 1.6), C(-1.5, -0.2), C(2.0, 0.01)}) {
        EXPECT_LT(std::abs(flow.toCircle(flow.toProfile(zeta)) - zeta), 1e-14) << zeta;
    }
}

// The flat plate's surface is its chord twice: the arc rate integrates to 2 chords.
TEST(CircleFlowSurface, ArcRateGivesThePerimeter) {
    const CircleFlow plate(liftState(0, 0, 51, 4));
    const int n = 4096;
    double length = 0;
    for (int k = 0; k < n; ++k) {
        length += plate.surfaceAt(2 * std::numbers::pi * (k + 0.5) / n).arcRate();
    }
    EXPECT_NEAR(length * 2 * std::numbers::pi / n, 2.0, 1e-6);
    EXPECT_TRUE(plate.singularLeadingEdge());
    EXPECT_FALSE(CircleFlow(liftState(0, 0, 51, 0)).singularLeadingEdge());
    EXPECT_FALSE(CircleFlow(liftState(1, 0, 51, 4)).singularLeadingEdge());
}

// Far away the stream is uniform: (u, v) = (cos alpha, sin alpha) and Cp = 0, with phi and psi
// growing like the distance, phi = x cos alpha and psi = -x sin alpha on the x axis to a
// rounding. Where the circle-plane form takes over from the far-field form the two agree.
TEST(CircleFlowFarField, FiniteAtAnyDistance) {
    const State s = liftState(12, 4, 51, 5);
    const Flow flow(s);
    const double alpha = 5 * std::numbers::pi / 180;
    for (const double x : {1e77, -1e150, 1e300, 1e308, -1.7e308}) {
        const FlowSample p = flow.atProfile(x, 0);
        ASSERT_FALSE(p.inside || p.singular);
        EXPECT_NEAR(p.u, std::cos(alpha), 1e-15) << x;
        EXPECT_NEAR(p.v, std::sin(alpha), 1e-15) << x;
        EXPECT_NEAR(p.Cp, 0, 1e-15) << x;
        EXPECT_NEAR(p.potential.real() / x, std::cos(alpha), 1e-15) << x;
        EXPECT_NEAR(p.psi / x, -std::sin(alpha), 1e-15) << x;
    }
    const FlowSample corner = flow.atProfile(-1e308, 1e308);
    EXPECT_TRUE(std::isfinite(corner.potential.real()) && std::isfinite(corner.psi));
    // Beyond the range: |phi| = 1.7e308 (cos alpha + sin alpha) does not fit in a double.
    EXPECT_FALSE(std::isfinite(flow.atProfile(1.7e308, 1.7e308).potential.real()));
    for (const C z : {C(1e60, 0.3), C(-2e59, 1e60)}) {
        const FlowSample near = flow.atProfile(z.real() * (1 - 1e-15), z.imag() * (1 - 1e-15));
        const FlowSample far = flow.atProfile(z.real() * (1 + 1e-15), z.imag() * (1 + 1e-15));
        EXPECT_NEAR(near.psi / far.psi, 1, 1e-13) << z;
        EXPECT_NEAR(near.potential.real() / far.potential.real(), 1, 1e-13) << z;
        EXPECT_NEAR(near.u, far.u, 1e-15);
        EXPECT_NEAR(near.v, far.v, 1e-15);
    }
}

} // namespace
} // namespace kestrel
