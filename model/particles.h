// SPDX-License-Identifier: MIT
// Fluid particles carried along the streamlines at the local speed of the profile's flow, for
// the study window's animation.
#pragma once

#include "model/flow.h"

#include <vector>

namespace kestrel {

// The particles of a set of streamlines. Along each line the travel time from its first point
// is the integral of ds / V over the profile-plane arc length s, V the local speed ratio (free
// stream 1, so the time unit is a chord's length at free-stream speed). Near a stagnation point
// V tends to 0 and the travel time to infinity, so the speed counts as at least kSlowest. Each
// line carries particles one `spacing` of travel time apart; when a particle reaches the end of
// its line it starts again at the beginning, so every line keeps its particles for ever.
class ParticleTracks {
public:
    static constexpr double kSlowest = 0.05;

    // Throws std::invalid_argument for a spacing that is not positive.
    ParticleTracks(const Flow& flow, const std::vector<Streamline>& lines, double spacing);

    // Every particle's position in both planes at time `time` (any real number).
    std::vector<FlowPoint> at(double time) const;
    std::size_t count() const;

private:
    struct Track {
        std::vector<FlowPoint> points;
        std::vector<double> times; // travel time to each point, rising from 0
        int particles = 0;
    };

    static FlowPoint pointAt(const Track& track, double time);

    std::vector<Track> tracks_;
};

} // namespace kestrel
