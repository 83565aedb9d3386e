// SPDX-License-Identifier: MIT
#include "tools/katjo_solver.h"

#include <cmath>
#include <complex>
#include <numbers>
#include <stdexcept>
#include <string>

namespace kestrel::tablegen {
namespace {

using Complex = std::complex<double>;

// Image z = P + 1/P of the circle point on the ray at polar angle theta.
Complex imageOnRay(double eps, double mu, double theta) {
    const double c = std::cos(theta);
    const double s = std::sin(theta);
    const double b = mu * s - eps * c;
    const double r = b + std::sqrt(b * b + 1.0 + 2.0 * eps);
    const Complex p(r * c, r * s);
    return p + 1.0 / p;
}

struct MirrorPair {
    double gap;    // |z(theta) - z(-theta)|
    double height; // Im(z(theta) + z(-theta)) / 2
};

MirrorPair mirrorPair(double eps, double mu, double theta) {
    const Complex upper = imageOnRay(eps, mu, theta);
    const Complex lower = imageOnRay(eps, mu, -theta);
    return {std::abs(upper - lower), 0.5 * (upper.imag() + lower.imag())};
}

// Largest value of f on the open interval (0, pi). Both measures vanish at theta = 0 (the
// trailing edge) and theta = pi (the negative real axis) and have a single interior hump, so a
// coarse scan brackets the maximum between the neighbours of the best sample and golden-section
// search narrows the bracket until it is far below the resolution that matters for the value.
template <typename F> double maximumOverHalfCircle(F f) {
    constexpr int kSamples = 32;
    constexpr double kStep = std::numbers::pi / kSamples;
    int best = 1;
    double bestValue = f(kStep);
    for (int k = 2; k < kSamples; ++k) {
        const double value = f(k * kStep);
        if (value > bestValue) {
            best = k;
            bestValue = value;
        }
    }

    constexpr double kInvPhi = 0.6180339887498949; // 1 / golden ratio
    double lo = (best - 1) * kStep;
    double hi = (best + 1) * kStep;
    double x1 = hi - kInvPhi * (hi - lo);
    double x2 = lo + kInvPhi * (hi - lo);
    double f1 = f(x1);
    double f2 = f(x2);
    while (hi - lo > 1e-9) {
        if (f1 < f2) {
            lo = x1;
            x1 = x2;
            f1 = f2;
            x2 = lo + kInvPhi * (hi - lo);
            f2 = f(x2);
        } else {
            hi = x2;
            x2 = x1;
            f2 = f1;
            x1 = hi - kInvPhi * (hi - lo);
            f1 = f(x1);
        }
    }
    double result = bestValue;
    result = f1 > result ? f1 : result;
    result = f2 > result ? f2 : result;
    return result;
}

double referenceLength(double eps) {
    const double onePlusEps = 1.0 + eps;
    return 4.0 * onePlusEps * onePlusEps / (1.0 + 2.0 * eps);
}

constexpr int kMaxIterations = 50;
constexpr double kStepTolerance = 1e-13;
constexpr double kDifferenceStep = 1e-6;

[[noreturn]] void failToConverge(double tc, double fc) {
    throw std::runtime_error("Newton iteration did not converge for t/c " + std::to_string(tc) +
                             ", f/c " + std::to_string(fc));
}

// Symmetric rows: mu = 0, one condition in one unknown.
double solveSymmetric(double tc) {
    double eps = tc / 1.2;
    for (int it = 0; it < kMaxIterations; ++it) {
        const double residual = profileMeasures(eps, 0.0).thickness - tc;
        const double slope = (profileMeasures(eps + kDifferenceStep, 0.0).thickness -
                              profileMeasures(eps - kDifferenceStep, 0.0).thickness) /
                             (2.0 * kDifferenceStep);
        const double step = residual / slope;
        eps -= step;
        if (std::abs(step) < kStepTolerance) {
            return eps;
        }
    }
    failToConverge(tc, 0.0);
}

} // namespace

ProfileMeasures profileMeasures(double eps, double mu) {
    const double length = referenceLength(eps);
    const double gap = maximumOverHalfCircle([&](double t) { return mirrorPair(eps, mu, t).gap; });
    const double height =
        maximumOverHalfCircle([&](double t) { return mirrorPair(eps, mu, t).height; });
    return {gap / length, height / length};
}

CircleOffsets solveCircleOffsets(double tc, double fc) {
    if (tc == 0.0) {
        return {0.0, 2.0 * fc};
    }
    if (fc == 0.0) {
        return {solveSymmetric(tc), 0.0};
    }

    // Thickness depends mainly on eps, camber mainly on mu: tan(Beta) = mu / (1 + eps) is
    // close to 2 f/c and eps close to its symmetric value, which makes a good first guess.
    double eps = tc / 1.2;
    double mu = 2.0 * fc * (1.0 + eps);
    for (int it = 0; it < kMaxIterations; ++it) {
        const ProfileMeasures m = profileMeasures(eps, mu);
        const double r1 = m.thickness - tc;
        const double r2 = m.camber - fc;

        const double h = kDifferenceStep;
        const ProfileMeasures ePlus = profileMeasures(eps + h, mu);
        const ProfileMeasures eMinus = profileMeasures(eps - h, mu);
        const ProfileMeasures mPlus = profileMeasures(eps, mu + h);
        const ProfileMeasures mMinus = profileMeasures(eps, mu - h);
        const double j11 = (ePlus.thickness - eMinus.thickness) / (2.0 * h);
        const double j21 = (ePlus.camber - eMinus.camber) / (2.0 * h);
        const double j12 = (mPlus.thickness - mMinus.thickness) / (2.0 * h);
        const double j22 = (mPlus.camber - mMinus.camber) / (2.0 * h);

        const double det = j11 * j22 - j12 * j21;
        const double dEps = (r1 * j22 - r2 * j12) / det;
        const double dMu = (j11 * r2 - j21 * r1) / det;
        eps -= dEps;
        mu -= dMu;
        if (std::abs(dEps) < kStepTolerance && std::abs(dMu) < kStepTolerance) {
            return {eps, mu};
        }
    }
    failToConverge(tc, fc);
}

} // namespace kestrel::tablegen
