// SPDX-License-Identifier: MIT
// The potential flow about the circle and its image about the profile: free stream, Kutta
// circulation, complex potential and velocity, the mapping and its derivative, the surface speed
// and pressure, the stagnation points and the singular leading edge, each law written once beside
// its formula.
#pragma once

#include "model/numeric.h"
#include "model/portable_math.h"
#include "model/state.h"

#include <algorithm>
#include <cmath>
#include <complex>
#include <cstdint>
#include <limits>
#include <optional>

namespace kestrel {

// What a pressure raster cell shows: the flow, the inside of the body (no value), or the singular
// leading edge (the capped value).
enum class RasterCell : std::uint8_t { Flow, Inside, Singular };

// Symbols, the same in every law below.
//   zeta   a circle-plane point. The circle has centre c = -eps + i mu and radius R and passes
//          through the trailing-edge point zeta = 1, which c sees at the angle -Beta.
//   phi    the angle of a circle point about c, counter-clockwise: zeta = c + R e^(i phi).
//   d      zeta - c; d1 = 1 - c, the trailing-edge point seen from c (|d1| = R).
//   z      a profile-plane point in chords, x/c + i y/c.
//   alpha  the angle of attack in radians, radians(AlfaD).
//   s      e^(-i alpha), the direction of the free stream (speed V_inf = 1 in the profile plane,
//          1 / Chord in the circle plane).
//   G      the vortex strength of the Kutta condition; the circulation is 2 pi G circle units.
//   Chord  the chord in circle-plane units (about 4); the profile plane is the circle plane's
//          Joukowski image divided by Chord.
// Potential and stream function are in units of V_inf times the chord in both planes, so a
// streamline has the same psi in both.
class CircleFlow {
public:
    using Complex = std::complex<double>;

    // The window caps the surface speed ratio at its singular point at 10: Cp = 1 - 10^2 = -99.
    static constexpr double kCappedSpeed = 10;
    static constexpr double kCappedCp = 1 - kCappedSpeed * kCappedSpeed;
    // A circle point this close to zeta = -1 is the singular point itself; its image lies within
    // about 1e-14 chords of the leading edge.
    static constexpr double kSingularRadius = 1e-7;
    // Points this far inside the circle, in radii, still count as on the surface: the inverse
    // mapping of a surface point may land a few roundings inside.
    static constexpr double kSurfaceMargin = 1e-10;
    // Beyond this many chords (in x or y) the profile-plane field takes its far-field form.
    static constexpr double kFarField = 1e60;

    // From the state's circle (eps, mu, Rsq, Rc, Beta, Delta, dOverR), its scale (Chord) and the
    // angle AlfaD. Any state will do; before the first profile the circle reads all zeros.
    explicit CircleFlow(const State& s);

    // ---- Free stream and circulation

    double alpha() const { return alpha_; }
    double cosAlpha() const { return cosAlpha_; }
    double sinAlpha() const { return sinAlpha_; }
    // s = e^(-i alpha).
    Complex stream() const { return stream_; }
    // Kutta condition, the circle's flow stagnating at zeta = 1: G = 2 R sin(alpha + Beta).
    double strength() const { return strength_; }
    // Clockwise circulation in units of V_inf times the chord: Gamma = 2 pi G / Chord. The
    // Kutta-Joukowski law makes CL = 2 Gamma.
    double circulation() const { return circulation_; }

    // ---- The circle and the mapping

    Complex centre() const { return centre_; }
    double radius() const { return radius_; }
    double beta() const { return beta_; }
    // 1 / Chord, chords per circle unit.
    double chordScale() const { return cScale_; }
    // The angle phi of zeta about c.
    double angleOf(Complex zeta) const { return portable::arg(zeta - centre_); }

    // z = zeta + 1/zeta in circle units, in chords x/c = 1 + (Re z - 2) / Chord, y/c = Im z /
    // Chord: anchored on the trailing edge, zeta = 1 lands on (1, 0) exactly.
    Complex toProfile(Complex zeta) const;
    // The inverse: with w = 2 + (x/c - 1) Chord + i (y/c) Chord, zeta = (w +- sqrt(w^2 - 4)) / 2,
    // the root farther from c (outside the circle for every point outside the profile).
    Complex toCircle(Complex z) const;
    // dz/dzeta = 1 - 1/zeta^2 = (zeta - 1)(zeta + 1) / zeta^2 in circle units (over Chord in
    // chords), formed as 1 - conj(zeta)^2 / |zeta|^4. It vanishes at zeta = 1 and zeta = -1.
    static Complex mappingDerivative(Complex zeta);

    // ---- The field

    // Strictly inside the circle: |d|^2 < R^2 (1 - 2 kSurfaceMargin).
    bool insideCircle(Complex zeta) const;
    // W = (s d + R^2 / (s d) + i G log(-d / d1)) / Chord: the uniform stream, the doublet that
    // makes the circle a streamline, and the vortex. phi = Re W is 0 on its cut, the ray from c
    // through zeta = 1, across which it jumps by the circulation.
    Complex potential(Complex zeta) const;
    // psi = Im W = (Im(s d) (1 - R^2 / |d|^2) + G ln(|d| / R)) / Chord: 0 on the circle.
    double streamFunction(Complex zeta) const;
    // u + i v of the circle's flow: conj(dW/dzeta), dW/dzeta = s (zeta - 1)(zeta - zeta_f) /
    // (Chord d^2), both stagnation points as factors.
    Complex circleVelocity(Complex zeta) const;
    // u + i v of the profile's flow at the image of zeta: conj(dW/dz), dW/dz = (dW/dzeta) /
    // (dz/dzeta / Chord) = s (zeta - zeta_f) zeta^2 / ((zeta + 1) d^2). The trailing-edge factor
    // cancels, so the cusp needs no limit; none on the singular leading edge.
    std::optional<Complex> profileVelocity(Complex zeta) const;

    // Cp = 1 - |dW/dz|^2 of the profile's flow at the image of zeta, from squared magnitudes only:
    // |dW/dz|^2 = |zeta - zeta_f|^2 |zeta|^4 / (|zeta + 1|^2 |d|^4). NaN inside, kCappedCp on the
    // singular leading edge.
    double profileCp(Complex zeta, RasterCell& cell) const;
    // Cp of the circle's own flow against its own free stream 1 / Chord:
    // 1 - |(zeta - 1)(zeta - zeta_f)|^2 / |d|^4. NaN inside.
    double circleCp(Complex zeta, RasterCell& cell) const;

    // ---- The far field of the profile plane
    //
    // Beyond kFarField chords the circle-plane forms leave the range of a double (|d|^4 overflows
    // from about 3e76 chords). There, to far below a rounding, with Z = z - 1 + (2 - c) / Chord
    // (= d / Chord), W = s Z + (i G / Chord) log(-Chord Z / d1) and dW/dz = s + (i G / Chord) / Z,
    // evaluated without forming |Z|^2. phi and psi grow like |z| and overflow only where they
    // exceed the range of a double themselves; u + i v tends to e^(i alpha).
    struct FarField {
        Complex potential;
        double psi = 0;
        Complex velocity; // u + i v
    };
    static bool isFar(Complex z) {
        return std::max(std::fabs(z.real()), std::fabs(z.imag())) > kFarField;
    }
    FarField farField(Complex z) const;

    // ---- Stagnation points and the leading edge

    // Front stagnation point zeta_f = c - R^2 conj(s^2) / d1, at the angle pi + 2 alpha + Beta
    // about c (the two roots of s d^2 + i G d - R^2 / s = 0 multiply to -R^2 / s^2). The rear one
    // is the trailing edge, zeta = 1.
    Complex frontStagnation() const { return front_; }
    // phi_f = pi + 2 alpha + Beta, between -Beta and 2 pi - Beta.
    double frontStagnationAngle() const;
    // A circle of zero thickness (eps = 0) passes through the singular point zeta = -1, at the
    // angle pi + Beta about c. Its leading edge is singular, the speed there unbounded, unless the
    // front stagnation point (pi + 2 alpha + Beta) meets it: at zero incidence.
    bool throughSingularPoint() const { return eps_ == 0; }
    bool singularLeadingEdge() const { return eps_ == 0 && sinAlpha_ != 0; }
    // zeta within kSingularRadius of zeta = -1 on a circle through it.
    bool atSingularPoint(Complex zeta) const;

    // ---- The surface
    //
    // At the angle phi with u = (phi - Beta) / 2 and v = u - alpha, the circle's tangential
    // velocity (counter-clockwise positive, circle free stream 1) is
    //   -2 (sin(phi - alpha) + sin(alpha + Beta)) = -4 sin((phi + Beta) / 2) cos(v),
    // and |dz/dzeta| = |zeta - 1| |zeta + 1| / |zeta|^2 with |zeta - 1| = 2 R |sin((phi +
    // Beta)/2)|. Their ratio, the profile's tangential velocity over V_inf, is
    //   q = -2 |zeta|^2 cos(v) / (R |zeta + 1|),
    // which stays finite at the cusp: q = -cos(alpha + Beta) / R at the trailing edge. On a circle
    // through -1 at zero incidence cos(v) / |zeta + 1| = 1 / (2 R) everywhere: |q| = |zeta|^2 /
    // R^2.

    // The pressure coefficient of a speed ratio q: Cp = 1 - q^2.
    static double pressureCoefficient(double q) { return 1 - square(q); }

    // The angle phi as the two unit vectors e^(i phi) ("turn") and e^(i u) ("half"); the circle
    // point and d(zeta)/d(phi) = i R e^(i phi).
    struct Place {
        Complex turn;
        Complex half;
    };
    Place placeAt(double phi) const;
    Complex circlePoint(Complex turn) const { return centre_ + radius_ * turn; }
    Complex circleTangent(Complex turn) const {
        return {-radius_ * turn.imag(), radius_ * turn.real()};
    }
    // q at the place whose circle point is zeta; on the singular leading edge not finite.
    double surfaceVelocity(Complex zeta, Complex half) const;
    double surfaceSpeed(Complex zeta, Complex half) const {
        return std::fabs(surfaceVelocity(zeta, half));
    }
    // d ln|q| / d phi = Re(d'/d) summed over the factors d of |q|: |zeta|^2, 1 / cos(v) and
    // 1 / |zeta + 1| (only |zeta|^2 / R^2 on a circle through -1 at zero incidence).
    double surfaceSpeedLogSlope(Complex zeta, Complex turn, Complex half) const;
    // Cp = 1 - q^2 at the angle phi, and its slope dCp/dphi = -2 q^2 d ln|q| / d phi.
    double surfaceCp(double phi) const;
    double surfaceCpSlope(double phi) const;

    // Everything at one angle phi about the centre: what a boundary layer needs along each side
    // from the front stagnation point phi_f = frontStagnationAngle() to the trailing edge. The
    // upper surface runs from phi_f down to -Beta, its flow going clockwise (q < 0); the lower
    // one from phi_f up to 2 pi - Beta, its flow going counter-clockwise (q > 0). The arc length
    // s from the stagnation point is the integral of arcRate() over phi, and dq/ds =
    // q surfaceSpeedLogSlope(phi) / arcRate().
    struct SurfacePoint {
        Complex zeta;        // the circle point
        Complex z;           // its image, in chords
        double velocity = 0; // q, counter-clockwise positive
        double Cp = 0;       // 1 - q^2
        Complex dzdphi;      // dz/dphi in chords: (dz/dzeta) i R e^(i phi) / Chord
        // ds/dphi = R |dz/dzeta| / Chord, the profile's arc length per radian.
        double arcRate() const { return portable::abs(dzdphi); }
    };
    SurfacePoint surfaceAt(double phi) const { return surfaceAt(placeAt(phi)); }
    SurfacePoint surfaceAt(const Place& place) const;
    double surfaceSpeedLogSlope(double phi) const;

    // ---- The window's pressure (basınc_hesapla)
    //
    // The same surface law as the window evaluates it at its point j: from the polar angle theta
    // about the origin, the angle t = phi - alpha = (theta - alpha) - asin((d/R) sin(theta +
    // Delta)), and q = 2 (sin(alpha + Beta) + sin(t)) / dZdZeta with |dz/dzeta| = dZdZeta from the
    // profile step; kCappedSpeed where dZdZeta is 0 (the point lies on the singular point).
    double windowSpeedRatio(double theta, double dZdZeta) const;
    // At the cusped trailing edge q = cos(alpha + Beta) / R: Cp = 1 - cos^2(alpha + Beta) / R^2.
    double trailingEdgeCp() const;

private:
    double eps_ = 0;
    Complex centre_;          // c = -eps + i mu
    double rsq_ = 0;          // R^2
    double radius_ = 0;       // R
    double beta_ = 0;         // Beta
    double delta_ = 0;        // Delta, the window's direction angle of c
    double dOverR_ = 0;       // |c| / R
    double chord_ = 0;        // Chord
    double cScale_ = 0;       // 1 / Chord
    double sinAlphaBeta_ = 0; // sin(alpha + Beta)
    double alpha_ = 0;        // alpha
    double cosAlpha_ = 1;     // cos(alpha)
    double sinAlpha_ = 0;     // sin(alpha)
    Complex stream_;          // s
    double strength_ = 0;     // G
    double circulation_ = 0;
    Complex front_; // zeta_f
};

// ---- The laws a raster evaluates once per cell, inline for speed.

namespace circle_flow_detail {

inline std::complex<double> reciprocal(std::complex<double> w) {
    return std::conj(w) / std::norm(w);
}

// A square root of w (the principal one) from two real square roots; the rasters take one for
// every cell, and the library's complex root costs several times as much.
inline std::complex<double> squareRoot(std::complex<double> w) {
    const double a = w.real();
    const double b = w.imag();
    const double m = std::sqrt(a * a + b * b);
    if (m == 0) {
        return {0, b};
    }
    const double t = std::sqrt((m + std::fabs(a)) / 2);
    if (a >= 0) {
        return {t, b / (2 * t)};
    }
    return {std::fabs(b) / (2 * t), std::copysign(t, b)};
}

// cos(v) = Re(e^(i u) e^(-i alpha)).
inline double cosV(std::complex<double> half, double cosAlpha, double sinAlpha) {
    return half.real() * cosAlpha + half.imag() * sinAlpha;
}

} // namespace circle_flow_detail

inline CircleFlow::Complex CircleFlow::mappingDerivative(Complex zeta) {
    const double r4 = square(std::norm(zeta));
    return {1 - (square(zeta.real()) - square(zeta.imag())) / r4,
            (2 * zeta.real() * zeta.imag()) / r4};
}

inline double CircleFlow::surfaceVelocity(Complex zeta, Complex half) const {
    const double r2 = std::norm(zeta);
    const double c = circle_flow_detail::cosV(half, cosAlpha_, sinAlpha_);
    if (throughSingularPoint() && !singularLeadingEdge()) {
        // |zeta + 1| = 2 R |cos(u)| and v = u: the factor that vanishes at -1 cancels.
        const double q = r2 / rsq_;
        return std::signbit(c) ? q : -q;
    }
    const double toMinusOne = std::sqrt(std::norm(zeta + 1.0));
    return -(2 * r2 * c) / (radius_ * toMinusOne);
}

inline CircleFlow::Complex CircleFlow::toProfile(Complex zeta) const {
    const Complex z = zeta + circle_flow_detail::reciprocal(zeta);
    return {1 + (z.real() - 2) * cScale_, z.imag() * cScale_};
}

inline CircleFlow::Complex CircleFlow::toCircle(Complex z) const {
    const Complex w(2 + (z.real() - 1) * chord_, z.imag() * chord_);
    Complex root = circle_flow_detail::squareRoot((w - 2.0) * (w + 2.0));
    if (std::real(std::conj(w) * root) < 0) {
        root = -root; // the larger root without cancellation; the other is its reciprocal
    }
    const Complex large = (w + root) / 2.0;
    const Complex small = circle_flow_detail::reciprocal(large);
    return std::norm(large - centre_) >= std::norm(small - centre_) ? large : small;
}

inline bool CircleFlow::insideCircle(Complex zeta) const {
    return std::norm(zeta - centre_) < rsq_ * (1 - 2 * kSurfaceMargin);
}

inline bool CircleFlow::atSingularPoint(Complex zeta) const {
    return throughSingularPoint() && std::norm(zeta + 1.0) <= square(kSingularRadius);
}

inline CircleFlow::SurfacePoint CircleFlow::surfaceAt(const Place& place) const {
    SurfacePoint out;
    out.zeta = circlePoint(place.turn);
    out.z = toProfile(out.zeta);
    out.velocity = surfaceVelocity(out.zeta, place.half);
    out.Cp = pressureCoefficient(out.velocity);
    const Complex dz = product(mappingDerivative(out.zeta), circleTangent(place.turn));
    out.dzdphi = {dz.real() * cScale_, dz.imag() * cScale_};
    return out;
}

inline double CircleFlow::profileCp(Complex zeta, RasterCell& cell) const {
    const double nd = std::norm(zeta - centre_);
    if (nd < rsq_ * (1 - 2 * kSurfaceMargin)) {
        cell = RasterCell::Inside;
        return std::numeric_limits<double>::quiet_NaN();
    }
    const double nz = std::norm(zeta);
    double edge = 1; // |zeta - zeta_f|^2 / |zeta + 1|^2, which tends to 1 where both vanish
    if (atSingularPoint(zeta)) {
        if (singularLeadingEdge()) {
            cell = RasterCell::Singular;
            return kCappedCp;
        }
    } else {
        edge = std::norm(zeta - front_) / std::norm(zeta + 1.0);
    }
    cell = RasterCell::Flow;
    return 1 - edge * (square(nz) / square(nd));
}

inline double CircleFlow::circleCp(Complex zeta, RasterCell& cell) const {
    const double nd = std::norm(zeta - centre_);
    if (nd < rsq_ * (1 - 2 * kSurfaceMargin)) {
        cell = RasterCell::Inside;
        return std::numeric_limits<double>::quiet_NaN();
    }
    cell = RasterCell::Flow;
    return 1 - std::norm((zeta - 1.0) * (zeta - front_)) / square(nd);
}

} // namespace kestrel
