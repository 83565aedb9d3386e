// SPDX-License-Identifier: MIT
// The flow view's probe at the two ends of the mapping and part of the way between them.

#include "model/probe.h"
#include "model/text.h"
#include "model_test_support.h"

#include <functional>
#include <gtest/gtest.h>
#include <string>

namespace kestrel {
namespace {

TEST(Probe, ReadsTheSameFluidPointAtEveryStageOfTheMapping) {
    const State s = test::liftState(12, 4, 51, 5);
    const Flow flow(s);
    const std::complex<double> centre(-s.eps, s.mu);
    // A point well off the profile, and one just off its nose, opposite the trailing edge.
    for (const std::complex<double> zeta :
         {std::complex<double>(0.3, 1.6), centre - 1.02 * (1.0 - centre)}) {
        const FlowSample truth = flow.profileAt(zeta);
        for (const double t : {0.0, 0.25, 0.5, 0.8, 1.0}) {
            const ProbeReading r = probeAt(flow, flow.mapAt(zeta, t), t);
            ASSERT_FALSE(r.inside) << "t " << t;
            EXPECT_NEAR(r.xc, zeta.real(), 1e-9) << "t " << t;
            EXPECT_NEAR(r.yc, zeta.imag(), 1e-9) << "t " << t;
            EXPECT_NEAR(r.Cp, truth.Cp, 1e-9) << "t " << t;
            EXPECT_NEAR(r.speedRatio, truth.speedRatio, 1e-9) << "t " << t;
        }
    }
}

// The speed of a plane's flow at a point, from central differences of its potential: the
// velocity is the derivative of the complex potential, the same in every direction.
double speedFromPotential(const std::function<std::complex<double>(std::complex<double>)>& w,
                          std::complex<double> at, double h) {
    return std::abs((w(at + h) - w(at - h)) / (2 * h));
}

// Over each plane the probe reads that plane's flow: the circle's own flow in the circle plane
// (the speed against its free stream, taken far upstream), the profile's flow in the profile
// plane; Cp = 1 - (V/V_inf)^2 in both.
TEST(Probe, ReadsTheFlowOfThePlaneUnderIt) {
    const Flow flow(test::liftState(12, 4, 51, 5));
    const auto circle = [&](std::complex<double> z) { return flow.potential(z); };
    const auto profile = [&](std::complex<double> z) {
        return flow.atProfile(z.real(), z.imag()).potential;
    };
    const std::complex<double> zeta(-0.22, 2.03);
    const double circleFar = speedFromPotential(circle, {-1e6, 0}, 1);
    const double circleSpeed = speedFromPotential(circle, zeta, 1e-6) / circleFar;
    const ProbeReading c = probeAt(flow, zeta, 0);
    ASSERT_FALSE(c.inside);
    EXPECT_NEAR(c.circleSpeedRatio, circleSpeed, 1e-7);
    EXPECT_NEAR(c.circleCp, 1 - circleSpeed * circleSpeed, 2e-7);
    EXPECT_LT(c.circleCp, -1); // the strong suction the shading shows there
    const std::string text = probeText(c);
    EXPECT_EQ(text.rfind("circle flow at ξ −0.2200, η 2.0300:   V/V∞ " + tickText(circleSpeed, 4) +
                             "   Cp " + tickText(1 - circleSpeed * circleSpeed, 4),
                         0),
              0u)
        << text;
    EXPECT_NE(text.find("(its image in the profile plane: x/c " + tickText(c.x, 4)),
              std::string::npos)
        << text;

    const std::complex<double> z(0.3, 0.25);
    const double profileSpeed = speedFromPotential(profile, z, 1e-6);
    const ProbeReading p = probeAt(flow, z, 1);
    EXPECT_NEAR(p.speedRatio, profileSpeed, 1e-7);
    EXPECT_NEAR(p.Cp, 1 - profileSpeed * profileSpeed, 2e-7);
    EXPECT_EQ(probeText(p), "profile flow at x/c 0.3000, y/c 0.2500:   V/V∞ " +
                                tickText(profileSpeed, 4) + "   Cp " +
                                tickText(1 - profileSpeed * profileSpeed, 4));
    // Part of the way, both flows, each named.
    const std::string between = probeText(probeAt(flow, flow.mapAt(zeta, 0.5), 0.5));
    EXPECT_EQ(between.rfind("circle flow at ξ", 0), 0u) << between;
    EXPECT_NE(between.find("profile flow at its image"), std::string::npos) << between;
}

TEST(Probe, SaysInsideForPointsInTheBody) {
    const State s = test::liftState(12, 4, 51, 5);
    const Flow flow(s);
    EXPECT_TRUE(probeAt(flow, {0.5, 0.02}, 1).inside); // inside the profile
    EXPECT_TRUE(probeAt(flow, {0, 0}, 0).inside);      // the circle's centre region
    // Halfway through the mapping, midway between the images of the circle's top and bottom.
    const double top = flow.mapAt({0, 1.1}, 0.5).imag();
    const double bottom = flow.mapAt({0, -1.0}, 0.5).imag();
    EXPECT_TRUE(probeAt(flow, {0, (top + bottom) / 2}, 0.5).inside);
    EXPECT_FALSE(probeAt(flow, {0.5, 0.3}, 1).inside);
}

} // namespace
} // namespace kestrel
