// SPDX-License-Identifier: MIT
// The supersonic stretches of the surface by each compressibility rule.
#include "model/supersonic.h"

#include "model/numeric.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

namespace kestrel {

namespace {

constexpr double kTwoPi = 2 * std::numbers::pi;
constexpr double kAngleTolerance = 1e-12;
// Golden-section searches for the local minima of Cp0 stop at this width in radians; Cp0 is flat
// there, so its value is good to rounding.
constexpr double kMinimumWidth = 1e-9;
constexpr int kMaxHalvings = 200;

std::size_t sideIndex(Side side) {
    return side == Side::Upper ? 0 : 1;
}

} // namespace

SonicSurface::SonicSurface(const State& s, const CompressibleSurface& surface)
    : sides_(s), minimumCp_(surface.minimum().Cp) {
    const double first = sides_.trailingEdgeAngle();
    const double step = kTwoPi / kSamples;
    std::vector<Sample> ring;
    ring.reserve(kSamples + 1);
    for (int k = 0; k < kSamples; ++k) {
        ring.push_back(sampleAt(first + k * step));
    }
    // Every local minimum of Cp0 among the samples, refined: a stretch narrower than a step holds
    // one of them.
    std::vector<Sample> all = ring;
    const auto cp0 = [this](double phi) { return sides_.pressure(phi); };
    for (std::size_t k = 0; k < ring.size(); ++k) {
        const Sample& before = ring[(k + ring.size() - 1) % ring.size()];
        const Sample& after = ring[(k + 1) % ring.size()];
        if (ring[k].Cp0 <= before.Cp0 && ring[k].Cp0 <= after.Cp0) {
            const double low = ring[k].phi - step;
            all.push_back(sampleAt(goldenSectionMinimum(cp0, low, low + 2 * step, kMinimumWidth)));
        }
    }
    all.push_back(sampleAt(sides_.leadingEdgeAngle()));
    all.push_back(sampleAt(first + kTwoPi));
    for (Sample& sample : all) {
        if (sample.phi < first) {
            sample = sampleAt(sample.phi + kTwoPi); // a minimum refined just behind the start
        }
    }
    std::sort(all.begin(), all.end(),
              [](const Sample& a, const Sample& b) { return a.phi < b.phi; });
    const double leading = sides_.leadingEdgeAngle();
    for (const Sample& sample : all) {
        if (sample.phi <= leading) {
            samples_[sideIndex(Side::Upper)].push_back(sample);
        }
        if (sample.phi >= leading) {
            samples_[sideIndex(Side::Lower)].push_back(sample);
        }
    }
}

SonicSurface::Sample SonicSurface::sampleAt(double phi) const {
    return {phi, sides_.x(phi), sides_.pressure(phi)};
}

// Cp0*, below which the rule's Cp lies below Cp*(M); none where no place of the surface gets
// there. The rule holds at the smallest Cp0 and so on all of [smallest Cp0, 0], where its Cp
// rises with Cp0 to 0 > Cp*.
std::optional<double> SonicSurface::threshold(CompressibilityRule rule, double mach) const {
    const std::optional<double> cpStar = criticalPressureCoefficient(mach);
    if (!cpStar) {
        return std::nullopt;
    }
    const auto supersonic = [&](double cp0) {
        return *correctedPressureCoefficient(rule, cp0, mach) < *cpStar;
    };
    if (!supersonic(minimumCp_)) {
        return std::nullopt;
    }
    double low = std::max(-1.0, minimumCp_);
    while (!supersonic(low)) {
        low = std::max(2 * low, minimumCp_);
    }
    double high = 0;
    for (int n = 0; n < kMaxHalvings && high - low > 1e-15 * std::fabs(low); ++n) {
        const double middle = (low + high) / 2;
        (supersonic(middle) ? low : high) = middle;
    }
    return low;
}

// The angle between `inside` (Cp0 below Cp0*) and `outside` where Cp0 reaches Cp0*.
double SonicSurface::boundary(double inside, double outside, double cp0Star) const {
    for (int n = 0; n < kMaxHalvings && std::fabs(outside - inside) > kAngleTolerance; ++n) {
        const double middle = (inside + outside) / 2;
        (sides_.pressure(middle) < cp0Star ? inside : outside) = middle;
    }
    return (inside + outside) / 2;
}

void SonicSurface::addExtents(Side side, double cp0Star, std::vector<SupersonicExtent>& out) const {
    const std::vector<Sample>& samples = samples_[sideIndex(side)];
    std::vector<SupersonicExtent> found;
    std::size_t k = 0;
    while (k < samples.size()) {
        if (!(samples[k].Cp0 < cp0Star)) {
            ++k;
            continue;
        }
        const std::size_t first = k;
        while (k + 1 < samples.size() && samples[k + 1].Cp0 < cp0Star) {
            ++k;
        }
        const double from = first == 0
                                ? samples[first].phi
                                : boundary(samples[first].phi, samples[first - 1].phi, cp0Star);
        const double to = k + 1 == samples.size()
                              ? samples[k].phi
                              : boundary(samples[k].phi, samples[k + 1].phi, cp0Star);
        const double xFrom = first == 0 ? samples[first].x : sides_.x(from);
        const double xTo = k + 1 == samples.size() ? samples[k].x : sides_.x(to);
        found.push_back({side, std::min(xFrom, xTo), std::max(xFrom, xTo)});
        ++k;
    }
    if (side == Side::Upper) {
        std::reverse(found.begin(), found.end()); // x/c falls as phi rises on the upper side
    }
    out.insert(out.end(), found.begin(), found.end());
}

std::optional<std::vector<SupersonicExtent>> SonicSurface::extents(CompressibilityRule rule,
                                                                   double mach) const {
    const double m = std::fabs(mach);
    std::vector<SupersonicExtent> out;
    if (m == 0) {
        return out; // every rule is the identity, and no Cp* exists
    }
    if (!(m < 1) || !correctedPressureCoefficient(rule, minimumCp_, m)) {
        return std::nullopt;
    }
    const std::optional<double> cp0Star = threshold(rule, m);
    if (cp0Star) {
        addExtents(Side::Upper, *cp0Star, out);
        addExtents(Side::Lower, *cp0Star, out);
    }
    return out;
}

std::array<SidePressure, 2> SonicSurface::pressures(double mach) const {
    std::array<SidePressure, 2> out;
    for (Side side : {Side::Upper, Side::Lower}) {
        SidePressure& p = out[sideIndex(side)];
        p.side = side;
        std::vector<Sample> samples = samples_[sideIndex(side)];
        if (side == Side::Upper) {
            std::reverse(samples.begin(), samples.end());
        }
        for (const Sample& sample : samples) {
            p.x.push_back(sample.x);
            p.Cp0.push_back(sample.Cp0);
            for (CompressibilityRule rule : kCompressibilityRules) {
                // Every rule is the identity at M = 0, an unbounded Cp0 included.
                const std::optional<double> cp =
                    mach == 0 ? sample.Cp0 : correctedPressureCoefficient(rule, sample.Cp0, mach);
                p.Cp[ruleIndex(rule)].push_back(cp ? *cp
                                                   : std::numeric_limits<double>::quiet_NaN());
            }
        }
    }
    return out;
}

} // namespace kestrel
