// SPDX-License-Identifier: MIT
// The current profile's two sides, walked by the angle about the circle's centre: the surface
// point and the incompressible Cp there as the flow about the circle gives them, the leading
// edge, and the place on either side at a given x/c.
#pragma once

#include "model/flow.h"
#include "model/state.h"

#include <array>
#include <complex>
#include <string_view>
#include <vector>

namespace kestrel {

// The two sides of the profile meet at the trailing edge, x/c = 1, and at the leading edge, the
// surface point of smallest x/c. Upper is the side that the circle reaches from the trailing
// edge counter-clockwise, lower the other. (The window's point order splits the surface where
// the circle crosses the real axis instead; on a cambered profile with thickness the two splits
// differ by a sliver at the nose.)
enum class Side { Upper, Lower };

// "upper" or "lower".
std::string_view sideName(Side side);

// A place on the surface: phi, the angle about the circle's centre counted counter-clockwise,
// and its image (x, y) in chords.
struct SurfacePlace {
    double phi = 0;
    double x = 0;
    double y = 0;
};

class ProfileSides {
public:
    // Throws std::invalid_argument when the state holds no profile.
    explicit ProfileSides(const State& s);

    // The sides in phi: upper from trailingEdgeAngle() up to leadingEdgeAngle(), lower from
    // leadingEdgeAngle() up to trailingEdgeAngle() + 2 pi. x/c falls along the upper side and
    // rises along the lower one.
    double trailingEdgeAngle() const { return trailing_; }
    double leadingEdgeAngle() const { return leading_; }
    double leadingEdgeX() const { return leadingX_; }
    // The side's ends in rising phi.
    double firstAngle(Side side) const;
    double lastAngle(Side side) const;

    SurfacePlace place(double phi) const;
    double x(double phi) const { return place(phi).x; }
    // The incompressible Cp at the place, from the flow about the circle; minus infinity on the
    // singular leading edge of a zero-thickness profile (see Flow::singularLeadingEdge), where
    // the window caps it at -99.
    double pressure(double phi) const;
    // The angle on the side at which x/c equals x, for x from leadingEdgeX() to 1 (clamped), to
    // within 1e-14 radians: bracketed by a walk along the side in kWalkSteps equal steps of phi,
    // then narrowed by the Illinois form of regula falsi.
    double angleAt(Side side, double x) const;

    static constexpr int kWalkSteps = 64;

    const Flow& flow() const { return flow_; }

private:
    std::complex<double> circlePoint(double phi) const;
    void walk(Side side);

    Flow flow_;
    std::complex<double> centre_;
    double radius_ = 0;
    double trailing_ = 0;
    double leading_ = 0;
    double leadingX_ = 0;
    std::array<std::vector<SurfacePlace>, 2> walks_; // by Side, rising phi, both ends included
};

} // namespace kestrel
