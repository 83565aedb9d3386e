// SPDX-License-Identifier: MIT
// Where on the surface the local flow turns supersonic at a free-stream Mach number, by each
// compressibility rule: the rules' Cp along both sides and the x/c extents where it lies below
// the critical pressure coefficient Cp*.
#pragma once

#include "model/compressibility.h"
#include "model/profile_sides.h"
#include "model/state.h"

#include <array>
#include <optional>
#include <vector>

namespace kestrel {

// Symbols: Cp0 the incompressible surface pressure coefficient of a place, M the free-stream
// Mach number, Cp = Cp0 / D(Cp0) a rule's corrected coefficient with the rule's denominator D
// (model/compressibility.h), Cp*(M) the critical pressure coefficient.
// The local flow is supersonic where Cp < Cp*(M). Wherever a rule holds (D > 0) its Cp grows
// with Cp0, so a side is supersonic exactly where Cp0 < Cp0*, the Cp0 that the rule turns into
// Cp*(M). The extents are the stretches of the sides where Cp0 < Cp0*: found among samples of
// the surface (kSamples equal steps round the circle, the leading edge and every local minimum
// of Cp0), their ends narrowed to 1e-12 radians about the circle's centre.

// One stretch of one side, x/c from xFrom to xTo (xFrom <= xTo).
struct SupersonicExtent {
    Side side = Side::Upper;
    double xFrom = 0;
    double xTo = 0;

    bool operator==(const SupersonicExtent&) const = default;
};

// Cp along one side, x/c rising: Cp0 and each rule's Cp (by ruleIndex), NaN where the rule gives
// none. On the leading edge of a zero-thickness profile at incidence Cp0 is minus infinity.
struct SidePressure {
    Side side = Side::Upper;
    std::vector<double> x;
    std::vector<double> Cp0;
    std::array<std::vector<double>, 3> Cp;
};

// The surface of one state, sampled once; each Mach number then costs little.
class SonicSurface {
public:
    static constexpr int kSamples = 512;

    // The state must hold a profile (else std::invalid_argument); `surface` is the same state's.
    SonicSurface(const State& s, const CompressibleSurface& surface);

    // The supersonic stretches by the rule at M (its sign does not matter), upper side first,
    // each side's in rising x/c: empty where there are none (and at M = 0); absent for |M| >= 1
    // and where the rule has broken down (its denominator is zero or negative at the surface's
    // smallest Cp0, as for Karman-Tsien and Laitone on an unbounded suction peak).
    std::optional<std::vector<SupersonicExtent>> extents(CompressibilityRule rule,
                                                         double mach) const;

    // Cp along the upper and the lower side at M, for drawing.
    std::array<SidePressure, 2> pressures(double mach) const;

    const ProfileSides& sides() const { return sides_; }

private:
    struct Sample {
        double phi = 0;
        double x = 0;
        double Cp0 = 0;
    };

    Sample sampleAt(double phi) const;
    std::optional<double> threshold(CompressibilityRule rule, double mach) const;
    double boundary(double inside, double outside, double cp0Star) const;
    void addExtents(Side side, double cp0Star, std::vector<SupersonicExtent>& out) const;

    ProfileSides sides_;
    double minimumCp_ = 0;                       // minus infinity where the suction is unbounded
    std::array<std::vector<Sample>, 2> samples_; // by Side, rising phi, both ends included
};

} // namespace kestrel
