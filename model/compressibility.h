// SPDX-License-Identifier: MIT
#pragma once

// Compressibility numbers of the current profile and angle: the smallest incompressible surface
// pressure coefficient, the Prandtl-Glauert, Karman-Tsien and Laitone rules, the critical
// pressure coefficient, each rule's critical Mach number and its corrected lift and moment.

#include "model/state.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

namespace kestrel {

// Ratio of the specific heats of air.
inline constexpr double kGamma = 1.4;

// The three rules that turn an incompressible pressure coefficient into a compressible one.
enum class CompressibilityRule { PrandtlGlauert, KarmanTsien, Laitone };

inline constexpr std::array<CompressibilityRule, 3> kCompressibilityRules = {
    CompressibilityRule::PrandtlGlauert, CompressibilityRule::KarmanTsien,
    CompressibilityRule::Laitone};

// "prandtl_glauert", "karman_tsien" or "laitone".
std::string_view ruleName(CompressibilityRule rule);

// Position of a rule in kCompressibilityRules and in CompressibilityAnalysis::rules.
inline std::size_t ruleIndex(CompressibilityRule rule) {
    return static_cast<std::size_t>(rule);
}

// Critical pressure coefficient Cp*(M), where the local flow reaches the speed of sound:
// 2/(gamma M^2) [((2 + (gamma-1) M^2)/(gamma+1))^(gamma/(gamma-1)) - 1]. The sign of M does
// not matter; absent for M = 0 and for |M| >= 1, and for 0 < |M| below about 6.12e-155, where
// Cp* (about -0.674 / M^2) lies beyond the range of a double.
std::optional<double> criticalPressureCoefficient(double mach);

// The rule applied to one incompressible pressure coefficient cp0 at Mach number M (its sign
// does not matter). Absent for |M| >= 1 and where the rule's denominator is zero or negative.
std::optional<double> correctedPressureCoefficient(CompressibilityRule rule, double cp0,
                                                   double mach);

// The Mach number in (0, 1) at which the rule applied to cpMin equals Cp*(M), to 1e-8. Absent
// when there is no crossing (cpMin >= 0 or not finite) or the rule's denominator vanishes first.
std::optional<double> criticalMachNumber(CompressibilityRule rule, double cpMin);

// Where the incompressible surface pressure is smallest. theta is the circle point's polar angle
// about the origin as the window counts it (0 at the trailing edge, clockwise, down to -2 pi);
// x and y are profile coordinates in chords; upper means the circle point lies above the real
// axis, as in the window's point order. Where the surface speed is unbounded (a zero-thickness
// profile at any angle but the one with smooth leading-edge flow), Cp is minus infinity and the
// place is the leading edge, the singular point zeta = -1.
struct SurfaceMinimum {
    bool unbounded = false;
    double Cp = 0;
    double x = 0;
    double y = 0;
    bool upper = false;
    double theta = 0;
};

// One rule at one Mach number. CL, CM and CpMin are absent where the rule breaks down (its
// denominator is zero or negative somewhere on the surface) and for |M| >= 1; CpMin also where
// the incompressible minimum is unbounded. The Prandtl-Glauert CL and CM are the closed-form
// laws divided by beta. The Karman-Tsien and Laitone CL and CM are integrals of the corrected
// pressure, and are absent also where that integral cannot be trusted to 1e-6: just before the
// rule breaks down on a thin profile, the corrected suction peak at the nose grows too narrow for
// the integration points (see CompressibleSurface::integrate). CpMin and supercritical are still
// given there. criticalMach depends on the profile and angle only. supercritical: M is at or
// above the critical Mach number, or the rule breaks down, or the surface speed is unbounded at
// a Mach number other than 0, or |M| >= 1.
struct RuleResult {
    std::optional<double> CL;
    std::optional<double> CM;
    std::optional<double> CpMin;
    std::optional<double> criticalMach;
    bool supercritical = false;
};

// Everything at one Mach number. CL and CM are the window's incompressible closed-form values;
// criticalPressure is Cp*(M), absent for M = 0 and |M| >= 1; rules are indexed by ruleIndex.
struct CompressibilityAnalysis {
    double mach = 0;
    double CL = 0;
    double CM = 0;
    SurfaceMinimum minimum;
    std::optional<double> criticalPressure;
    std::array<RuleResult, 3> rules;
};

// Lift (perpendicular to the free stream, positive up) and moment (about (xM, 0), positive
// nose-up) coefficients of a pressure distribution integrated around the profile, chord 1.
struct IntegratedCoefficients {
    double CL = 0;
    double CM = 0;
};

// The incompressible surface of one state, computed once: the pressure coefficient at a fixed
// set of equally spaced angles about the circle's centre with each point's share of lift and
// moment, the surface minimum and the three critical Mach numbers. Each Mach number then costs
// only the rules applied to the stored values. Needs a state whose profile, angle of attack and
// moment reference have been set; throws std::invalid_argument when no profile exists.
class CompressibleSurface {
public:
    // Points of the periodic trapezoid rule around the circle, whatever nP is.
    static constexpr int kIntegrationPoints = 2048;

    explicit CompressibleSurface(const State& s);

    const SurfaceMinimum& minimum() const { return minimum_; }
    // The window's closed-form laws at the state's angle and moment reference.
    double closedFormLift() const { return closedFormLift_; }
    double closedFormMoment() const { return closedFormMoment_; }
    std::optional<double> criticalMach(CompressibilityRule rule) const {
        return criticalMach_[ruleIndex(rule)];
    }

    // The rule's corrected pressure integrated around the profile at Mach number M; at M = 0 the
    // incompressible pressure itself. Absent where the rule breaks down, for |M| >= 1, where the
    // surface speed is unbounded (no pressure integral holds the leading-edge suction force), and
    // where the integral has not converged: the sum over every other integration point, with
    // twice the step, differs from the full sum by more than 1e-6 in CL or CM. That check costs
    // nothing extra and errs on the safe side: where it passes, the full sum lay within 3e-7 of
    // one over four times as many points for every profile of the table at every whole angle
    // and at M = 0 to 0.99 in steps of 0.01.
    std::optional<IntegratedCoefficients> integrate(CompressibilityRule rule, double mach) const;

    RuleResult result(CompressibilityRule rule, double mach) const;
    CompressibilityAnalysis analyse(double mach) const;

private:
    SurfaceMinimum minimum_;
    double closedFormLift_ = 0;
    double closedFormMoment_ = 0;
    std::array<std::optional<double>, 3> criticalMach_;
    std::vector<double> cp_;           // incompressible Cp at each integration point
    std::vector<double> liftWeight_;   // CL = sum of Cp times these
    std::vector<double> momentWeight_; // CM = sum of Cp times these
};

// The full analysis of one state at one Mach number.
CompressibilityAnalysis analyseCompressibility(const State& s, double mach);

// The classic chart of a state: the analysis at M = k / 100 for k = 0 to 99, as kestrel-calc mach
// writes it and the study window draws it.
inline constexpr int kMachChartSteps = 100;
std::vector<CompressibilityAnalysis> machChart(const CompressibleSurface& surface);

} // namespace kestrel
