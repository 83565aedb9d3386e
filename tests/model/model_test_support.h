// SPDX-License-Identifier: MIT
#pragma once

// Shared fixtures of the model tests: states after start-up and after a profile, and a reference
// computation of the circle, the profile and the surface pressure that works directly with
// complex numbers in long double, so that it shares no formula and no rounding with the model.

#include "model/coefficients.h"
#include "model/pressure.h"
#include "model/profile.h"
#include "model/startup.h"
#include "model/state.h"

#include <cmath>
#include <complex>
#include <gtest/gtest.h>

namespace kestrel::test {

using Complex = std::complex<long double>;

inline constexpr long double kPi = 3.141592653589793238462643383279502884L;

// Row of the table for thickness and camber in hundredths: camber-major, thickness-minor.
inline long rowOf(int thicknessHundredths, int camberHundredths) {
    return 1 + 31 * camberHundredths + thicknessHundredths;
}

// The state right after start-up with the built-in table.
inline State startedState() {
    State s;
    startUp(s);
    return s;
}

// The state after the profile of the given scroll positions has been computed.
inline State profileState(int thickness, int camber, int points) {
    State s = startedState();
    setProfileInputs(s, thickness, camber, points);
    EXPECT_TRUE(computeProfile(s)) << "table miss for " << thickness << ", " << camber;
    return s;
}

// The state after the profile, the pressure at the angle of attack and the lift curve, as the
// window leaves it before the moment curve.
inline State liftState(int thickness, int camber, int points, int alfa) {
    State s = profileState(thickness, camber, points);
    setAngleInput(s, alfa);
    computePressure(s);
    computeLiftCurve(s);
    return s;
}

// The circle of a table row: centre -eps + i mu, through the trailing-edge point 1.
struct Circle {
    long double eps;
    long double mu;
    Complex centre() const { return {-eps, mu}; }
    long double radius() const { return std::sqrt((1 + eps) * (1 + eps) + mu * mu); }
};

// Where the ray from the origin at polar angle theta meets the circle: the positive root r of
// |r e^(i theta) - centre|^2 = radius^2, a quadratic r^2 - 2 b r + (|centre|^2 - radius^2) = 0.
inline Complex circlePoint(const Circle& circle, long double theta) {
    const Complex direction = std::polar(1.0L, theta);
    const long double b = std::real(std::conj(direction) * circle.centre());
    const long double q = std::norm(circle.centre()) - circle.radius() * circle.radius();
    return (b + std::sqrt(b * b - q)) * direction;
}

// Point j of nP in the circle plane and its Joukowski image z = zeta + 1/zeta, scaled so that the
// trailing edge z = 2 lands on x/c = 1 and the leftmost point of the symmetric profile with the
// same eps, z = -(1 + 2 eps) - 1/(1 + 2 eps), lands on x/c = 0.
struct ReferencePoint {
    long double theta;
    Complex zeta;
    long double x;
    long double y;
    long double dzdzeta; // |dz/dzeta| = |1 - 1/zeta^2|
};

inline long double referenceChord(long double eps) {
    return 4 * (1 + eps) * (1 + eps) / (1 + 2 * eps);
}

inline ReferencePoint referencePoint(const Circle& circle, int nP, int j) {
    ReferencePoint p{};
    p.theta = -2 * kPi * (j - 1) / (nP - 1);
    p.zeta = circlePoint(circle, p.theta);
    const Complex z = p.zeta + 1.0L / p.zeta;
    const long double cScale = 1 / referenceChord(circle.eps);
    const long double xShift = 2 * cScale - 1;
    p.x = std::real(z) * cScale - xShift;
    p.y = std::imag(z) * cScale;
    p.dzdzeta = std::abs(1.0L - 1.0L / (p.zeta * p.zeta));
    return p;
}

// Complex velocity dW/dzeta about the circle in a unit stream at angle alpha, with the
// circulation fixed by the Kutta condition dW/dzeta(1) = 0, and its derivative.
struct Flow {
    Circle circle;
    long double alpha;
    long double gamma;

    Flow(const Circle& c, long double alfaDegrees) : circle(c), alpha(alfaDegrees * kPi / 180) {
        // Solve dW/dzeta(1) = 0 for the circulation; the imaginary part vanishes on the circle.
        const Complex d = 1.0L - circle.centre();
        const long double r2 = circle.radius() * circle.radius();
        const Complex rest = std::polar(1.0L, -alpha) - r2 * std::polar(1.0L, alpha) / (d * d);
        gamma = std::real(-rest * 2.0L * kPi * d / Complex(0, 1));
    }

    Complex velocity(Complex zeta) const {
        const Complex d = zeta - circle.centre();
        const long double r2 = circle.radius() * circle.radius();
        return std::polar(1.0L, -alpha) - r2 * std::polar(1.0L, alpha) / (d * d) +
               Complex(0, gamma) / (2 * kPi * d);
    }

    Complex velocityDerivative(Complex zeta) const {
        const Complex d = zeta - circle.centre();
        const long double r2 = circle.radius() * circle.radius();
        return 2 * r2 * std::polar(1.0L, alpha) / (d * d * d) -
               Complex(0, gamma) / (2 * kPi * d * d);
    }

    // Pressure coefficient on the profile at the image of zeta: the speed in the circle plane
    // divided by |dz/dzeta|, against the unit free stream.
    long double cp(Complex zeta) const {
        const long double speed = std::abs(velocity(zeta)) / std::abs(1.0L - 1.0L / (zeta * zeta));
        return 1 - speed * speed;
    }

    // At the cusp both dW/dzeta and dz/dzeta vanish; their ratio tends to W''(1) / z''(1), and
    // z''(zeta) = 2 / zeta^3 is 2 there.
    long double trailingEdgeCp() const {
        const long double speed = std::abs(velocityDerivative(1.0L)) / 2;
        return 1 - speed * speed;
    }
};

inline Circle circleOf(const State& s) {
    return Circle{s.eps, s.mu};
}

} // namespace kestrel::test
