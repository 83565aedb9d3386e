// SPDX-License-Identifier: MIT
// Thin-airfoil theory of one camber line: the angle of zero lift, the lift law with its slope
// 2 pi, the moment about the quarter chord and the load along the chord.
#pragma once

#include <numbers>
#include <span>
#include <vector>

namespace kestrel {

// Symbols. The chord runs along the x axis from x = 0 (leading edge) to x = 1 (trailing edge);
// the free stream meets the x axis at the angle alpha (radians, positive nose up).
//   y_c(x)      height of the camber line above the x axis
//   theta       Glauert's angle along the chord: x = (1 - cos theta) / 2
//   B_0, A_n    the slope as a cosine series:  dy_c/dx = B_0 + sum_{n>=1} A_n cos(n theta)
//   A_0         alpha - B_0
// Laws:
//   alpha_L0 = -(1/pi) int_0^pi (dy_c/dx) (cos theta - 1) dtheta = B_0 - A_1 / 2
//                                                   angle of zero lift
//   CL       = 2 pi (alpha - alpha_L0) = pi (2 A_0 + A_1)
//                                                   lift slope dCL/dalpha = 2 pi
//   CM_c/4   = (pi / 4) (A_2 - A_1)                 moment about x = 1/4, nose up positive,
//                                                   the same at every alpha
//   dCp(x)   = Cp_lower - Cp_upper = 4 [A_0 (1 + cos theta) / sin theta
//                                       + sum_{n>=1} A_n sin(n theta)]
//                                                   the load, whose integral over x is CL
// The series come from the heights at N stations x_k = (1 - cos theta_k) / 2 with
// theta_k = (k + 1/2) pi / N: their cosine series y_c = sum_k c_k cos(k theta) (midpoint rule),
// differentiated term by term, since -2 sin(k theta) / sin(theta) is a finite cosine series,
// gives B_0 = -2 sum_{k odd} k c_k and A_n = -4 sum_{k = n+1, n+3, ...} k c_k.
class ThinAirfoil {
public:
    static constexpr double kLiftSlope = 2 * std::numbers::pi;
    // Stations that resolve every camber line of the table to rounding.
    static constexpr int kStations = 128;
    static constexpr int kMinStations = 3;

    // The N stations x_k, rising from the leading edge.
    static std::vector<double> stations(int count = kStations);

    // From the camber line's heights at stations(heights.size()). Throws std::invalid_argument
    // for fewer than kMinStations heights.
    explicit ThinAirfoil(std::span<const double> heights);

    double meanSlope() const { return meanSlope_; } // B_0
    // A_n for n >= 1; 0 beyond the series.
    double coefficient(int n) const;

    double alphaZeroLift() const;
    double momentQuarterChord() const;
    double lift(double alpha) const;
    // dCp at 0 < x <= 1; at x = 0 an infinity of the sign of A_0 (0 where A_0 = 0).
    double load(double x, double alpha) const;

private:
    double meanSlope_ = 0;
    std::vector<double> a_; // a_[n] = A_n, a_[0] unused
};

} // namespace kestrel
