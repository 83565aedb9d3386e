// SPDX-License-Identifier: MIT
#include "model/particles.h"

#include "model/portable_math.h"

#include <algorithm>
#include <cmath>
#include <complex>
#include <stdexcept>

namespace kestrel {

namespace {

double speedAt(const Flow& flow, const FlowPoint& p) {
    return std::max(flow.profileSpeed({p.xc, p.yc}), ParticleTracks::kSlowest);
}

FlowPoint between(const FlowPoint& a, const FlowPoint& b, double f) {
    return {a.xc + f * (b.xc - a.xc), a.yc + f * (b.yc - a.yc), a.x + f * (b.x - a.x),
            a.y + f * (b.y - a.y)};
}

} // namespace

ParticleTracks::ParticleTracks(const Flow& flow, const std::vector<Streamline>& lines,
                               double spacing) {
    if (!(spacing > 0) || !std::isfinite(spacing)) {
        throw std::invalid_argument("the particle spacing must be a positive time");
    }
    for (const Streamline& line : lines) {
        if (line.points.size() < 2) {
            continue;
        }
        Track track;
        track.points = line.points;
        track.times.reserve(line.points.size());
        track.times.push_back(0);
        double before = speedAt(flow, line.points.front());
        for (std::size_t i = 1; i < line.points.size(); ++i) {
            const FlowPoint& a = line.points[i - 1];
            const FlowPoint& b = line.points[i];
            const double after = speedAt(flow, b);
            // Trapezoid rule for the integral of ds / V over the segment.
            const double ds = portable::hypot(b.x - a.x, b.y - a.y);
            track.times.push_back(track.times.back() + 0.5 * ds * (1 / before + 1 / after));
            before = after;
        }
        if (!(track.times.back() > 0)) {
            continue; // a line of one repeated point carries nothing
        }
        track.particles = std::max(1, static_cast<int>(track.times.back() / spacing));
        tracks_.push_back(std::move(track));
    }
}

std::size_t ParticleTracks::count() const {
    std::size_t n = 0;
    for (const Track& track : tracks_) {
        n += static_cast<std::size_t>(track.particles);
    }
    return n;
}

FlowPoint ParticleTracks::pointAt(const Track& track, double time) {
    const auto after = std::upper_bound(track.times.begin(), track.times.end(), time);
    if (after == track.times.begin()) {
        return track.points.front();
    }
    if (after == track.times.end()) {
        return track.points.back();
    }
    const auto i = static_cast<std::size_t>(after - track.times.begin());
    const double t0 = track.times[i - 1];
    const double t1 = track.times[i];
    const double f = t1 > t0 ? (time - t0) / (t1 - t0) : 0;
    return between(track.points[i - 1], track.points[i], f);
}

std::vector<FlowPoint> ParticleTracks::at(double time) const {
    std::vector<FlowPoint> out;
    out.reserve(count());
    for (const Track& track : tracks_) {
        // The line's particles share its travel time evenly, so the gap at the wrap-around
        // equals every other gap.
        const double total = track.times.back();
        const double gap = total / track.particles;
        for (int k = 0; k < track.particles; ++k) {
            const double t = std::fmod(time + k * gap, total);
            out.push_back(pointAt(track, t < 0 ? t + total : t));
        }
    }
    return out;
}

} // namespace kestrel
