// SPDX-License-Identifier: MIT
// The edge speed on each side: stations placed by halving intervals of the circle's angle.
#include "model/edge_speed.h"

#include "model/portable_math.h"

#include <cmath>
#include <numbers>

namespace kestrel {

namespace {

using Complex = std::complex<double>;

constexpr double kTwoPi = 2 * std::numbers::pi;
// Equal intervals of the circle's angle per side before any is halved, and the most halvings.
constexpr int kFirstIntervals = 48;
constexpr int kMaxHalvings = 24;
// A side that turns round a singular leading edge ends this far (radians of the circle) short
// of it; a midpoint may depart from the chord between its neighbours by this many chords.
constexpr double kSharpEdgeMargin = 0.01;
constexpr double kSagitta = 1e-4;
// The step of the circle's angle for the gradient of the edge speed.
constexpr double kGradientStep = 1e-6;

struct Sample {
    double t = 0;
    Complex z;
    double ue = 0;
};

class SideSampler {
public:
    SideSampler(const CircleFlow& flow, double refinement)
        : flow_(flow), speedTolerance_(kSpeedTolerance / (refinement * refinement)),
          spacing_(kStationSpacing / refinement), sagitta_(kSagitta / refinement) {}

    // The surface speed and point from the flow's one surface law, at the circle's angle t.
    Sample at(double t) const {
        const CircleFlow::SurfacePoint p = flow_.surfaceAt(t);
        return {t, p.z, std::fabs(p.velocity)};
    }

    // due/ds at a sample along a side that runs towards growing angles for direction 1, falling
    // ones for -1: a forward difference over kGradientStep, which also serves the stagnation
    // point, where ue = 0 and grows as a s.
    double gradient(const Sample& p, double direction) const {
        const Sample ahead = at(p.t + direction * kGradientStep);
        return (ahead.ue - p.ue) / distance(ahead.z, p.z);
    }

    static double distance(Complex a, Complex b) { return std::sqrt(std::norm(a - b)); }

    // The samples after `a` up to and including `b`, halving until the interval is fine.
    void refine(const Sample& a, const Sample& b, int depth, std::vector<Sample>& out) const {
        const Sample m = at(0.5 * (a.t + b.t));
        if (depth < kMaxHalvings && !fine(a, m, b)) {
            refine(a, m, depth + 1, out);
            refine(m, b, depth + 1, out);
            return;
        }
        out.push_back(m);
        out.push_back(b);
    }

private:
    bool fine(const Sample& a, const Sample& m, const Sample& b) const {
        const Complex chord = b.z - a.z;
        const double length = distance(b.z, a.z);
        if (length > spacing_) {
            return false;
        }
        if (std::fabs(m.ue - 0.5 * (a.ue + b.ue)) > speedTolerance_) {
            return false;
        }
        // Distance of the midpoint from the chord through a and b.
        const double off = length > 0
                               ? std::fabs(std::imag(std::conj(chord) * (m.z - a.z))) / length
                               : distance(m.z, a.z);
        return off <= sagitta_;
    }

    const CircleFlow& flow_;
    double speedTolerance_;
    double spacing_;
    double sagitta_;
};

// The stations from the stagnation point `first` to the point `last`, with the gradient of the
// edge speed at each.
std::vector<EdgeStation> stationsBetween(const SideSampler& sampler, const Sample& first,
                                         const Sample& last) {
    std::vector<Sample> samples{first};
    Sample a = first;
    for (int i = 1; i <= kFirstIntervals; ++i) {
        const double t = first.t + (last.t - first.t) * i / kFirstIntervals;
        const Sample b = i == kFirstIntervals ? last : sampler.at(t);
        sampler.refine(a, b, 0, samples);
        a = b;
    }
    const double direction = last.t > first.t ? 1 : -1;
    std::vector<EdgeStation> stations(samples.size());
    double s = 0;
    for (std::size_t i = 0; i < samples.size(); ++i) {
        const Sample& p = samples[i];
        if (i > 0) {
            s += SideSampler::distance(p.z, samples[i - 1].z);
        }
        stations[i] = {s, p.z.real(), p.z.imag(), p.ue, 0};
        if (i + 1 < samples.size()) {
            stations[i].dueds = sampler.gradient(p, direction);
        }
    }
    if (samples.size() > 1) {
        const EdgeStation& b = stations.back();
        const EdgeStation& a = stations[stations.size() - 2];
        stations.back().dueds = (b.ue - a.ue) / (b.s - a.s);
    }
    return stations;
}

// The angle brought into [low, low + 2 pi).
double angleFrom(double angle, double low) {
    return angle - kTwoPi * std::floor((angle - low) / kTwoPi);
}

} // namespace

EdgeSpeed edgeSpeed(const CircleFlow& circle, double refinement) {
    const SideSampler sampler(circle, refinement);

    // The trailing edge zeta = 1 lies at angle -Beta about the centre; the upper side runs from
    // the stagnation point down to it, the lower side up to it one turn later.
    const double trailing = -circle.beta();
    const double stagnation = angleFrom(circle.frontStagnationAngle(), trailing);
    Sample first = sampler.at(stagnation);
    if (!circle.throughSingularPoint()) {
        first.ue = 0; // the stagnation point itself, where the angle's rounding leaves ~1e-15
    }
    const Sample upperEnd = sampler.at(trailing);
    const Sample lowerEnd = sampler.at(trailing + kTwoPi);

    EdgeSpeed edge;
    if (circle.singularLeadingEdge()) {
        // The side that passes the sharp edge zeta = -1 ends just short of it.
        const double sharp = angleFrom(circle.angleOf(-1.0), trailing);
        const bool upper = sharp < stagnation;
        EdgeSide& side = upper ? edge.upper : edge.lower;
        side.sharpEdge = true;
        const double end = sharp + (upper ? kSharpEdgeMargin : -kSharpEdgeMargin);
        if ((upper && end >= stagnation) || (!upper && end <= stagnation)) {
            side.stations = {EdgeStation{0, first.z.real(), first.z.imag(), first.ue}};
        } else {
            side.stations = stationsBetween(sampler, first, sampler.at(end));
        }
    }
    if (!edge.upper.sharpEdge) {
        edge.upper.stations = stationsBetween(sampler, first, upperEnd);
    }
    if (!edge.lower.sharpEdge) {
        edge.lower.stations = stationsBetween(sampler, first, lowerEnd);
    }
    return edge;
}

} // namespace kestrel
