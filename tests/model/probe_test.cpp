// SPDX-License-Identifier: MIT
// The flow view's probe at the two ends of the mapping and part of the way between them.

#include "model/probe.h"
#include "model_test_support.h"

#include <gtest/gtest.h>

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
