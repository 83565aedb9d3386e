// SPDX-License-Identifier: MIT
#include "tests/data/profile_measures.h"

#include <cmath>
#include <functional>
#include <numbers>

namespace kestrel::test {
namespace {

struct Point {
    double x;
    double y;
};

// Image of the circle point on the ray at angle theta, written out in real arithmetic:
// P + 1/P = P + conj(P) / |P|^2.
Point mapped(double eps, double mu, double theta) {
    const double b = mu * std::sin(theta) - eps * std::cos(theta);
    const double r = b + std::sqrt(b * b + 1.0 + 2.0 * eps);
    const double x = r * std::cos(theta);
    const double y = r * std::sin(theta);
    const double r2 = x * x + y * y;
    return {x + x / r2, y - y / r2};
}

// Dense sampling, then golden-section search between the neighbours of the best sample.
double largestValue(const std::function<double(double)>& f) {
    constexpr int kSamples = 400;
    const double step = std::numbers::pi / kSamples;
    int best = 1;
    double bestValue = f(step);
    for (int k = 2; k < kSamples; ++k) {
        const double value = f(k * step);
        if (value > bestValue) {
            best = k;
            bestValue = value;
        }
    }
    double a = (best - 1) * step;
    double b = (best + 1) * step;
    const double g = (std::sqrt(5.0) - 1.0) / 2.0;
    while (b - a > 1e-10) {
        const double left = b - g * (b - a);
        const double right = a + g * (b - a);
        if (f(left) < f(right)) {
            a = left;
        } else {
            b = right;
        }
    }
    return std::fmax(f(0.5 * (a + b)), bestValue);
}

} // namespace

Measures measureProfile(double eps, double mu) {
    const double chord = 4.0 * (1.0 + eps) * (1.0 + eps) / (1.0 + 2.0 * eps);
    const double thickness = largestValue([&](double t) {
        const Point upper = mapped(eps, mu, t);
        const Point lower = mapped(eps, mu, -t);
        return std::hypot(upper.x - lower.x, upper.y - lower.y);
    });
    const double camber = largestValue(
        [&](double t) { return (mapped(eps, mu, t).y + mapped(eps, mu, -t).y) / 2.0; });
    return {thickness / chord, camber / chord};
}

} // namespace kestrel::test
