// SPDX-License-Identifier: MIT
// Thin-airfoil theory: Glauert coefficients from heights, and the laws built on them.
#include "model/thin_airfoil.h"

#include "model/portable_math.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <stdexcept>
#include <string>

namespace kestrel {

namespace {

constexpr double kPi = std::numbers::pi;

double glauertAngle(int k, int count) {
    return ((k + 0.5) * kPi) / count;
}

// c_k of y_c = sum_k c_k cos(k theta) from the heights at the midpoints theta_j: c_0 is their
// mean, c_k twice the mean of y_j cos(k theta_j). k theta_j = k (2j + 1) pi / (2N), so one table
// of cos(m pi / (2N)), m below 4N, serves every product.
std::vector<double> cosineSeries(std::span<const double> heights) {
    const std::size_t count = heights.size();
    const std::size_t period = 4 * count;
    std::vector<double> turns(period);
    for (std::size_t m = 0; m < period; ++m) {
        turns[m] =
            portable::cos((static_cast<double>(m) * kPi) / (2.0 * static_cast<double>(count)));
    }
    std::vector<double> c(count);
    for (std::size_t k = 0; k < count; ++k) {
        double sum = 0;
        for (std::size_t j = 0; j < count; ++j) {
            sum += heights[j] * turns[(k * (2 * j + 1)) % period];
        }
        c[k] = (k == 0 ? 1.0 : 2.0) * sum / static_cast<double>(count);
    }
    return c;
}

} // namespace

std::vector<double> ThinAirfoil::stations(int count) {
    std::vector<double> x(static_cast<std::size_t>(std::max(count, 0)));
    for (int k = 0; k < count; ++k) {
        x[static_cast<std::size_t>(k)] = (1 - portable::cos(glauertAngle(k, count))) / 2;
    }
    return x;
}

ThinAirfoil::ThinAirfoil(std::span<const double> heights) {
    if (heights.size() < kMinStations) {
        throw std::invalid_argument("thin-airfoil theory needs at least " +
                                    std::to_string(kMinStations) + " camber-line heights");
    }
    const std::vector<double> c = cosineSeries(heights);
    const std::size_t count = c.size();
    // s[n] = n c_n + (n + 2) c_(n+2) + ..., summed from the short end.
    std::vector<double> s(count + 2, 0.0);
    for (std::size_t n = count; n-- > 0;) {
        s[n] = static_cast<double>(n) * c[n] + s[n + 2];
    }
    // Subtracted from 0, so that a flat camber line gives +0, never -0.
    meanSlope_ = 0 - 2 * s[1];
    a_.assign(count, 0.0);
    for (std::size_t n = 1; n < count; ++n) {
        a_[n] = 0 - 4 * s[n + 1];
    }
}

double ThinAirfoil::coefficient(int n) const {
    if (n < 1 || static_cast<std::size_t>(n) >= a_.size()) {
        return 0;
    }
    return a_[static_cast<std::size_t>(n)];
}

double ThinAirfoil::alphaZeroLift() const {
    return meanSlope_ - coefficient(1) / 2;
}

double ThinAirfoil::momentQuarterChord() const {
    return (kPi / 4) * (coefficient(2) - coefficient(1));
}

double ThinAirfoil::lift(double alpha) const {
    return kLiftSlope * (alpha - alphaZeroLift());
}

double ThinAirfoil::load(double x, double alpha) const {
    const double a0 = alpha - meanSlope_;
    const double theta = portable::acos(1 - 2 * x);
    const double sinTheta = portable::sin(theta);
    if (!(sinTheta > 0) && theta < kPi / 2) {
        return a0 == 0 ? 0 : std::copysign(std::numeric_limits<double>::infinity(), a0);
    }
    // sin(n theta) by sin((n + 1) theta) = 2 cos(theta) sin(n theta) - sin((n - 1) theta).
    const double twoCos = 2 * portable::cos(theta);
    double previous = 0;
    double current = sinTheta;
    double sum = 0;
    for (std::size_t n = 1; n < a_.size(); ++n) {
        sum += a_[n] * current;
        const double next = twoCos * current - previous;
        previous = current;
        current = next;
    }
    const double nose = sinTheta > 0 ? a0 * (1 + portable::cos(theta)) / sinTheta : 0;
    return 4 * (nose + sum);
}

} // namespace kestrel
