// SPDX-License-Identifier: MIT
#include "model/compressibility.h"

#include "model/circle_flow.h"
#include "model/coefficients.h"
#include "model/numeric.h"
#include "model/portable_math.h"

#include <cmath>
#include <limits>
#include <numbers>
#include <stdexcept>
#include <utility>

namespace kestrel {

namespace {

constexpr double kCriticalMachTolerance = 1e-8;
constexpr double kAngleTolerance = 1e-10;
// Largest difference in CL or CM between the integral over all integration points and the one
// over every other point for which the integral is reported.
constexpr double kIntegralTolerance = 1e-6;

// One rule at one Mach number: the corrected coefficient is cp0 / denominator(cp0), where the
// denominator is beta plus k times cp0 (halved for Karman-Tsien, as the rule is written).
struct RuleFactors {
    CompressibilityRule rule = CompressibilityRule::PrandtlGlauert;
    double beta = 1;
    double k = 0;
};

// Absent for |M| >= 1, where beta does not exist.
std::optional<RuleFactors> ruleFactors(CompressibilityRule rule, double mach) {
    const double m = std::fabs(mach);
    const std::optional<double> beta = prandtlGlauertFactor(m);
    if (!beta) {
        return std::nullopt;
    }
    RuleFactors f{rule, *beta, 0};
    switch (rule) {
    case CompressibilityRule::PrandtlGlauert:
        break;
    case CompressibilityRule::KarmanTsien:
        f.k = square(m) / (1 + f.beta);
        break;
    case CompressibilityRule::Laitone:
        f.k = (square(m) * (1 + ((kGamma - 1) / 2) * square(m))) / (2 * f.beta);
        break;
    }
    return f;
}

double denominator(const RuleFactors& f, double cp0) {
    switch (f.rule) {
    case CompressibilityRule::KarmanTsien:
        return f.beta + (f.k * cp0) / 2;
    case CompressibilityRule::Laitone:
        return f.beta + f.k * cp0;
    case CompressibilityRule::PrandtlGlauert:
        break;
    }
    return f.beta;
}

// Whether the rule applied to cp0 at M lies at or below Cp*(M), or the rule breaks down there.
// Both sides move monotonically with M, so this holds on an interval reaching up to M = 1.
bool beyondCritical(CompressibilityRule rule, double cp0, double mach) {
    const std::optional<double> cp = correctedPressureCoefficient(rule, cp0, mach);
    return !cp || *cp <= *criticalPressureCoefficient(mach);
}

using Complex = CircleFlow::Complex;

// The surface point at circle angle phi as the minimum reports it; theta is the polar angle
// about the origin, counted as the window counts its points (0 at the trailing edge, down to
// -2 pi).
SurfaceMinimum surfacePoint(const CircleFlow& flow, double phi, double cp) {
    const Complex zeta = flow.circlePoint(flow.placeAt(phi).turn);
    const Complex z = flow.toProfile(zeta);
    SurfaceMinimum m;
    m.Cp = cp;
    m.x = z.real();
    m.y = z.imag();
    m.upper = zeta.imag() > 0;
    const double polar = portable::arg(zeta);
    m.theta = polar > 0 ? polar - 2 * std::numbers::pi : polar;
    return m;
}

// The leading edge, where a zero-thickness profile's suction is unbounded.
SurfaceMinimum leadingEdgeSingularity(const CircleFlow& flow) {
    const Complex z = flow.toProfile(-1);
    SurfaceMinimum m;
    m.unbounded = true;
    m.Cp = -std::numeric_limits<double>::infinity();
    m.x = z.real();
    m.y = z.imag();
    m.upper = false;
    m.theta = -std::numbers::pi;
    return m;
}

// Walks downhill from phi in steps of h until the slope changes sign, then halves the bracket
// until it is narrower than kAngleTolerance: the angle of a local minimum of Cp.
double refineMinimum(const CircleFlow& flow, double phi, double h) {
    const double slope = flow.surfaceCpSlope(phi);
    if (!(slope != 0)) {
        return phi;
    }
    const bool falling = slope < 0; // Cp falls as phi grows
    const double step = falling ? h : -h;
    double a = phi;
    double b = phi + step;
    for (int n = 0; n < CompressibleSurface::kIntegrationPoints; ++n) {
        const double next = flow.surfaceCpSlope(b);
        if (!(next != 0) || (next < 0) != falling) {
            break;
        }
        a = b;
        b = b + step;
    }
    while (std::fabs(b - a) > kAngleTolerance) {
        const double middle = (a + b) / 2;
        const double d = flow.surfaceCpSlope(middle);
        if (!(d != 0)) {
            return middle;
        }
        if ((d < 0) == falling) {
            a = middle;
        } else {
            b = middle;
        }
    }
    return (a + b) / 2;
}

// The incompressible pressure at the integration points and each point's share of lift and
// moment, from the periodic trapezoid rule over the angle about the centre, starting at the
// trailing edge. Lift: Re(e^(-i alpha) Cp dZ); moment: -Cp Re(conj(Z - xM) dZ), Z = x + i y in
// chords, the contour running counter-clockwise so that the outward normal is -i dZ/|dZ|.
struct Tabulation {
    std::vector<double> cp;
    std::vector<double> lift;
    std::vector<double> moment;
};

// e^(i j pi / n) for j = 0 to 2n - 1, n the number of integration points: the half angles and,
// at even j, the angles of the integration points relative to the trailing edge. Computed once,
// so that tabulating a surface needs no trigonometric function.
const std::vector<Complex>& halfTurns() {
    static const std::vector<Complex> turns = [] {
        constexpr int n = CompressibleSurface::kIntegrationPoints;
        std::vector<Complex> t(2 * n);
        for (int j = 0; j < 2 * n; ++j) {
            const double angle = (j * std::numbers::pi) / n;
            t[j] = {portable::cos(angle), portable::sin(angle)};
        }
        return t;
    }();
    return turns;
}

Tabulation tabulate(const CircleFlow& flow, double xM, double h) {
    constexpr int n = CompressibleSurface::kIntegrationPoints;
    const std::vector<Complex>& turns = halfTurns();
    const Complex fromTrailingEdge{portable::cos(flow.beta()),
                                   -portable::sin(flow.beta())}; // e^(-i Beta)
    Tabulation t;
    t.cp.resize(n);
    t.lift.resize(n);
    t.moment.resize(n);
    for (int k = 0; k < n; ++k) {
        // phi = -Beta + k h, u = k h / 2 - Beta.
        const CircleFlow::SurfacePoint p = flow.surfaceAt(
            {product(fromTrailingEdge, turns[2 * k]), product(fromTrailingEdge, turns[k])});
        t.cp[k] = p.Cp;
        const Complex dZ{p.dzdphi.real() * h, p.dzdphi.imag() * h};
        t.lift[k] = flow.cosAlpha() * dZ.real() + flow.sinAlpha() * dZ.imag();
        t.moment[k] = -((p.z.real() - xM) * dZ.real() + p.z.imag() * dZ.imag());
    }
    return t;
}

// The smallest Cp of the whole surface: the lowest of the integration points and the window's
// nP points is the start, refined to a local minimum in the angle about the centre.
SurfaceMinimum findMinimum(const State& s, const CircleFlow& flow, const std::vector<double>& cp,
                           double h) {
    double startAngle = -flow.beta();
    double startCp = cp[0];
    for (std::size_t k = 1; k < cp.size(); ++k) {
        if (cp[k] < startCp) {
            startCp = cp[k];
            startAngle = -flow.beta() + static_cast<double>(k) * h;
        }
    }
    for (long j = 1; j <= toIndex(s.nP); ++j) {
        const double phi = flow.angleOf({s.xCirc[j], s.yCirc[j]});
        const double value = flow.surfaceCp(phi);
        if (value < startCp) {
            startCp = value;
            startAngle = phi;
        }
    }
    const double phi = refineMinimum(flow, startAngle, h);
    const double value = flow.surfaceCp(phi);
    if (value < startCp) {
        return surfacePoint(flow, phi, value);
    }
    return surfacePoint(flow, startAngle, startCp);
}

} // namespace

std::string_view ruleName(CompressibilityRule rule) {
    switch (rule) {
    case CompressibilityRule::KarmanTsien:
        return "karman_tsien";
    case CompressibilityRule::Laitone:
        return "laitone";
    case CompressibilityRule::PrandtlGlauert:
        break;
    }
    return "prandtl_glauert";
}

std::optional<double> criticalPressureCoefficient(double mach) {
    const double m = std::fabs(mach);
    if (!(m > 0 && m < 1)) {
        return std::nullopt;
    }
    // With delta = 1 - M^2 the ratio is 1 - ((gamma - 1) / (gamma + 1)) delta, and its power less
    // 1 is taken through log1p and expm1 so that near M = 1, where it is about -(7/12) delta, it
    // keeps its digits; delta = (1 - M)(1 + M) is exact but for one rounding. Dividing by M twice
    // keeps M^2 from underflowing before the quotient leaves the range of a double.
    const double delta = (1 - m) * (1 + m);
    const double power = portable::expm1((kGamma / (kGamma - 1)) *
                                         portable::log1p(-((kGamma - 1) / (kGamma + 1)) * delta));
    const double cp = ((2 / (kGamma * m)) * power) / m;
    if (!std::isfinite(cp)) {
        return std::nullopt;
    }
    return cp;
}

std::optional<double> correctedPressureCoefficient(CompressibilityRule rule, double cp0,
                                                   double mach) {
    const std::optional<RuleFactors> f = ruleFactors(rule, mach);
    if (!f) {
        return std::nullopt;
    }
    const double d = denominator(*f, cp0);
    if (!(d > 0)) {
        return std::nullopt;
    }
    return cp0 / d;
}

std::optional<double> criticalMachNumber(CompressibilityRule rule, double cpMin) {
    if (!(cpMin < 0) || !std::isfinite(cpMin)) {
        return std::nullopt;
    }
    // Beyond critical near M = 1 (the corrected suction grows without bound while Cp* -> 0) and
    // not near M = 0 (Cp* -> minus infinity): bisect the switch.
    double below = 0;
    double above = 1;
    while (above - below > kCriticalMachTolerance) {
        const double middle = (below + above) / 2;
        if (beyondCritical(rule, cpMin, middle)) {
            above = middle;
        } else {
            below = middle;
        }
    }
    if (!correctedPressureCoefficient(rule, cpMin, above)) {
        return std::nullopt; // the denominator vanished before the crossing
    }
    return (below + above) / 2;
}

CompressibleSurface::CompressibleSurface(const State& s) {
    if (!profileExists(s)) {
        throw std::invalid_argument("compressibility numbers need a computed profile");
    }
    closedFormLift_ = liftCoefficient(s, s.AlfaD);
    closedFormMoment_ = momentCoefficient(s, s.AlfaD, closedFormLift_);
    const CircleFlow flow(s);
    if (flow.singularLeadingEdge()) {
        minimum_ = leadingEdgeSingularity(flow);
        return;
    }
    const double h = (2 * std::numbers::pi) / kIntegrationPoints;
    Tabulation t = tabulate(flow, s.xM, h);
    minimum_ = findMinimum(s, flow, t.cp, h);
    cp_ = std::move(t.cp);
    liftWeight_ = std::move(t.lift);
    momentWeight_ = std::move(t.moment);
    for (CompressibilityRule rule : kCompressibilityRules) {
        criticalMach_[ruleIndex(rule)] = criticalMachNumber(rule, minimum_.Cp);
    }
}

std::optional<IntegratedCoefficients> CompressibleSurface::integrate(CompressibilityRule rule,
                                                                     double mach) const {
    const std::optional<RuleFactors> f = ruleFactors(rule, mach);
    // The denominator grows with cp0, so it is smallest at the surface minimum.
    if (minimum_.unbounded || !f || !(denominator(*f, minimum_.Cp) > 0)) {
        return std::nullopt;
    }
    // The even points alone are the same trapezoid rule with half the points and twice the step.
    IntegratedCoefficients sum;
    IntegratedCoefficients evenSum;
    for (std::size_t k = 0; k < cp_.size(); ++k) {
        const double cp = cp_[k] / denominator(*f, cp_[k]);
        sum.CL += cp * liftWeight_[k];
        sum.CM += cp * momentWeight_[k];
        if (k % 2 == 0) {
            evenSum.CL += cp * liftWeight_[k];
            evenSum.CM += cp * momentWeight_[k];
        }
    }
    const bool converged = std::fabs(sum.CL - 2 * evenSum.CL) <= kIntegralTolerance &&
                           std::fabs(sum.CM - 2 * evenSum.CM) <= kIntegralTolerance;
    if (!converged) {
        return std::nullopt;
    }
    return sum;
}

RuleResult CompressibleSurface::result(CompressibilityRule rule, double mach) const {
    RuleResult r;
    r.criticalMach = criticalMach(rule);
    const double m = std::fabs(mach);
    if (!(m < 1)) {
        r.supercritical = true;
        return r;
    }
    if (m == 0) {
        // Every rule is the identity at M = 0.
        r.CL = closedFormLift_;
        r.CM = closedFormMoment_;
        if (!minimum_.unbounded) {
            r.CpMin = minimum_.Cp;
        }
        return r;
    }
    if (rule == CompressibilityRule::PrandtlGlauert) {
        // The linear rule scales the pressure, so it scales the closed-form laws exactly,
        // leading-edge suction included: no integral is needed.
        const double beta = *prandtlGlauertFactor(m);
        r.CL = closedFormLift_ / beta;
        r.CM = closedFormMoment_ / beta;
    }
    r.supercritical = true;
    if (minimum_.unbounded) {
        return r; // the unbounded suction breaks the nonlinear rules down
    }
    r.CpMin = correctedPressureCoefficient(rule, minimum_.Cp, m);
    if (!r.CpMin) {
        return r; // the rule breaks down
    }
    r.supercritical = r.criticalMach && m >= *r.criticalMach;
    if (rule != CompressibilityRule::PrandtlGlauert) {
        const std::optional<IntegratedCoefficients> integrated = integrate(rule, m);
        if (integrated) {
            r.CL = integrated->CL;
            r.CM = integrated->CM;
        }
    }
    return r;
}

CompressibilityAnalysis CompressibleSurface::analyse(double mach) const {
    CompressibilityAnalysis a;
    a.mach = mach;
    a.CL = closedFormLift_;
    a.CM = closedFormMoment_;
    a.minimum = minimum_;
    a.criticalPressure = criticalPressureCoefficient(mach);
    for (CompressibilityRule rule : kCompressibilityRules) {
        a.rules[ruleIndex(rule)] = result(rule, mach);
    }
    return a;
}

CompressibilityAnalysis analyseCompressibility(const State& s, double mach) {
    return CompressibleSurface(s).analyse(mach);
}

std::vector<CompressibilityAnalysis> machChart(const CompressibleSurface& surface) {
    std::vector<CompressibilityAnalysis> chart;
    chart.reserve(kMachChartSteps);
    for (int k = 0; k < kMachChartSteps; ++k) {
        chart.push_back(surface.analyse(k / 100.0));
    }
    return chart;
}

} // namespace kestrel
