// SPDX-License-Identifier: MIT
// The profile's two sides: leading edge, places by angle and by x/c, surface pressure.
#include "model/profile_sides.h"

#include "model/numeric.h"
#include "model/portable_math.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

namespace kestrel {

namespace {

constexpr double kTwoPi = 2 * std::numbers::pi;
// Samples of the whole circle in the search for the leading edge, and the width in radians to
// which the golden-section search then narrows it: x/c is flat there, so an angle good to 1e-9
// gives x/c to rounding.
constexpr int kLeadingEdgeSamples = 256;
constexpr double kLeadingEdgeWidth = 1e-9;
constexpr double kAngleTolerance = 1e-14;

std::size_t sideIndex(Side side) {
    return side == Side::Upper ? 0 : 1;
}

} // namespace

std::string_view sideName(Side side) {
    return side == Side::Upper ? "upper" : "lower";
}

ProfileSides::ProfileSides(const State& s)
    : flow_(s), centre_(-s.eps, s.mu), radius_(s.Rc), trailing_(-s.Beta) {
    // The trailing edge zeta = 1 lies at -Beta about the centre; the leading edge is the smallest
    // x/c of a coarse walk round the circle, narrowed by golden sections.
    const double step = kTwoPi / kLeadingEdgeSamples;
    double best = trailing_;
    double bestX = 1;
    for (int k = 1; k < kLeadingEdgeSamples; ++k) {
        const double phi = trailing_ + k * step;
        const double xk = x(phi);
        if (xk < bestX) {
            best = phi;
            bestX = xk;
        }
    }
    leading_ = goldenSectionMinimum([this](double phi) { return x(phi); }, best - step, best + step,
                                    kLeadingEdgeWidth);
    leadingX_ = x(leading_);
    walk(Side::Upper);
    walk(Side::Lower);
}

void ProfileSides::walk(Side side) {
    std::vector<SurfacePlace>& places = walks_[sideIndex(side)];
    const double first = firstAngle(side);
    const double last = lastAngle(side);
    places.reserve(kWalkSteps + 1);
    for (int k = 0; k < kWalkSteps; ++k) {
        places.push_back(place(first + ((last - first) * k) / kWalkSteps));
    }
    places.push_back(place(last));
}

double ProfileSides::firstAngle(Side side) const {
    return side == Side::Upper ? trailing_ : leading_;
}

double ProfileSides::lastAngle(Side side) const {
    return side == Side::Upper ? leading_ : trailing_ + kTwoPi;
}

std::complex<double> ProfileSides::circlePoint(double phi) const {
    return centre_ + portable::polar(radius_, phi);
}

SurfacePlace ProfileSides::place(double phi) const {
    const std::complex<double> z = flow_.toProfile(circlePoint(phi));
    return {phi, z.real(), z.imag()};
}

double ProfileSides::pressure(double phi) const {
    RasterCell cell = RasterCell::Flow;
    const double cp = flow_.profileCp(circlePoint(phi), cell);
    return cell == RasterCell::Singular ? -std::numeric_limits<double>::infinity() : cp;
}

double ProfileSides::angleAt(Side side, double xWanted) const {
    if (xWanted <= leadingX_) {
        return leading_;
    }
    if (xWanted >= 1) {
        return side == Side::Upper ? firstAngle(side) : lastAngle(side);
    }
    // The step of the walk across which x/c passes the wanted value; f = x/c - xWanted has
    // opposite signs (or a zero) at its ends.
    const std::vector<SurfacePlace>& places = walks_[sideIndex(side)];
    const bool rising = side == Side::Lower;
    std::size_t k = 1;
    while (k + 1 < places.size() && (places[k].x < xWanted) == rising) {
        ++k;
    }
    return illinoisRoot([&](double phi) { return x(phi) - xWanted; }, places[k - 1].phi,
                        places[k].phi, places[k - 1].x - xWanted, places[k].x - xWanted,
                        kAngleTolerance);
}

} // namespace kestrel
