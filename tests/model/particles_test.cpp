// SPDX-License-Identifier: MIT
// Particles on the streamlines: they move with the local speed of the flow, downstream, and
// wrap round to the start of their line.

#include "model/particles.h"
#include "model_test_support.h"

#include <cmath>
#include <gtest/gtest.h>
#include <stdexcept>

namespace kestrel {
namespace {

TEST(Particles, MoveAtTheLocalSpeedOfTheFlow) {
    const State s = test::liftState(12, 4, 51, 5);
    const Flow flow(s);
    const std::vector<Streamline> lines = flow.streamlines(4);
    const ParticleTracks tracks(flow, lines, 0.3);
    ASSERT_GT(tracks.count(), 20u);
    const double dt = 1e-4;
    const std::vector<FlowPoint> before = tracks.at(0.7);
    const std::vector<FlowPoint> after = tracks.at(0.7 + dt);
    ASSERT_EQ(before.size(), tracks.count());
    int checked = 0;
    for (std::size_t i = 0; i < before.size(); ++i) {
        const double moved = std::hypot(after[i].x - before[i].x, after[i].y - before[i].y);
        if (moved > 0.1) {
            continue; // this particle wrapped round to the start of its line
        }
        const FlowSample here = flow.atProfile(before[i].x, before[i].y);
        if (here.inside || here.speedRatio < 2 * ParticleTracks::kSlowest) {
            continue;
        }
        // Distance over time is the speed ratio: the free stream has speed 1.
        EXPECT_NEAR(moved / dt, here.speedRatio, 0.02 * here.speedRatio) << "particle " << i;
        // Downstream: the displacement points along the local velocity.
        EXPECT_GT((after[i].x - before[i].x) * here.u + (after[i].y - before[i].y) * here.v, 0);
        ++checked;
    }
    EXPECT_GT(checked, static_cast<int>(before.size()) / 2);
    // The speed the tracks are timed by is the sample's speed ratio, inside the circle 0.
    for (const FlowPoint& p : lines.front().points) {
        EXPECT_EQ(flow.profileSpeed({p.xc, p.yc}), flow.profileAt({p.xc, p.yc}).speedRatio);
    }
    EXPECT_EQ(flow.profileSpeed({-s.eps, s.mu}), 0);
}

TEST(Particles, KeepBothPlanesTogetherAndRefuseABadSpacing) {
    const State s = test::liftState(12, 0, 51, 0);
    const Flow flow(s);
    const std::vector<Streamline> lines = flow.streamlines(3);
    const ParticleTracks tracks(flow, lines, 0.25);
    for (const FlowPoint& p : tracks.at(-3.2)) {
        // A particle's circle-plane point maps onto its profile-plane point (to the
        // interpolation between close streamline points).
        const auto z = flow.toProfile({p.xc, p.yc});
        EXPECT_NEAR(z.real(), p.x, 1e-3);
        EXPECT_NEAR(z.imag(), p.y, 1e-3);
    }
    EXPECT_THROW(ParticleTracks(flow, lines, 0), std::invalid_argument);
    EXPECT_THROW(ParticleTracks(flow, lines, -1), std::invalid_argument);
}

} // namespace
} // namespace kestrel
