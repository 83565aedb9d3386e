// SPDX-License-Identifier: MIT
#include "model/compressibility.h"

#include "model/coefficients.h"
#include "model/numeric.h"

#include <cmath>
#include <limits>
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

// The circle, the flow angle and the profile scale of one state.
struct Circle {
    double eps = 0;
    double mu = 0;
    double radius = 0;
    double radiusSquared = 0;
    double beta = 0;
    double alpha = 0;
    double cosAlpha = 1;
    double sinAlpha = 0;
    double cScale = 0;
    double xShift = 0;
    double xM = 0;
};

Circle circleOf(const State& s) {
    Circle c;
    c.eps = s.eps;
    c.mu = s.mu;
    c.radius = s.Rc;
    c.radiusSquared = s.Rsq;
    c.beta = s.Beta;
    c.alpha = (s.pi * s.AlfaD) / 180;
    c.cosAlpha = std::cos(c.alpha);
    c.sinAlpha = std::sin(c.alpha);
    c.cScale = 1 / s.Chord;
    c.xShift = s.xShift;
    c.xM = s.xM;
    return c;
}

// A zero-thickness circle passes through the singular point -1, where the speed is unbounded
// unless the circle-plane velocity vanishes there too. -1 lies at the angle pi + Beta about the
// centre and the front stagnation point at pi + 2 alpha + Beta: they meet only at zero incidence.
bool speedUnbounded(const Circle& c) {
    return c.eps == 0 && c.sinAlpha != 0;
}

struct Point {
    double re = 0;
    double im = 0;
};

Point multiply(Point a, Point b) {
    return {a.re * b.re - a.im * b.im, a.re * b.im + a.im * b.re};
}

double normSquared(Point p) {
    return square(p.re) + square(p.im);
}

// A place on the circle as two unit vectors: e^(i phi), phi the angle about the centre counted
// counter-clockwise, and e^(i u) with the half angle u = (phi - Beta)/2.
struct Place {
    Point turn;
    Point half;
};

Place placeAt(const Circle& c, double phi) {
    const double u = (phi - c.beta) / 2;
    return {{std::cos(phi), std::sin(phi)}, {std::cos(u), std::sin(u)}};
}

Point circlePoint(const Circle& c, Point turn) {
    return {-c.eps + c.radius * turn.re, c.mu + c.radius * turn.im};
}

// d(zeta)/d(phi).
Point circleTangent(const Circle& c, Point turn) {
    return {-c.radius * turn.im, c.radius * turn.re};
}

// e^(i v) with v = u - alpha = (phi - 2 alpha - Beta)/2.
Point shiftedHalf(const Circle& c, Point half) {
    return {half.re * c.cosAlpha + half.im * c.sinAlpha,
            half.im * c.cosAlpha - half.re * c.sinAlpha};
}

// Surface speed over the free-stream speed at a place whose circle point is zeta. The flow about
// the circle with the Kutta condition has |dW/dzeta| = 4 |sin((phi + Beta)/2) cos(v)|, and
// |dz/dzeta| = |zeta - 1| |zeta + 1| / |zeta|^2 with |zeta - 1| = 2 R |sin((phi + Beta)/2)|:
// the factor that vanishes at the trailing edge cancels, so the cusp needs no special case.
double speed(const Circle& c, Point zeta, Point half) {
    const double r2 = normSquared(zeta);
    if (c.eps == 0) {
        // The circle passes through -1 as well, where |zeta + 1| = 2 R |cos(u)|; the speed is
        // bounded only at zero incidence, where cos(v) / cos(u) = 1 at every place.
        return r2 / c.radiusSquared;
    }
    const double cosV = shiftedHalf(c, half).re;
    const double toMinusOne = std::sqrt(square(zeta.re + 1) + square(zeta.im));
    return (2 * r2 * std::fabs(cosV)) / (c.radius * toMinusOne);
}

double pressureAt(const Circle& c, double phi) {
    const Place p = placeAt(c, phi);
    return 1 - square(speed(c, circlePoint(c, p.turn), p.half));
}

// dCp/dphi = -2 q^2 d(ln q)/dphi, with d ln|w|/dphi = Re(w'/w) for each factor w of q.
double pressureSlope(const Circle& c, double phi) {
    const Place p = placeAt(c, phi);
    const Point zeta = circlePoint(c, p.turn);
    const Point t = circleTangent(c, p.turn);
    const double q = speed(c, zeta, p.half);
    double logSlope = (2 * (t.re * zeta.re + t.im * zeta.im)) / normSquared(zeta);
    if (c.eps != 0) {
        const Point v = shiftedHalf(c, p.half);
        const Point w{zeta.re + 1, zeta.im};
        logSlope -= (v.im / v.re) / 2 + (t.re * w.re + t.im * w.im) / normSquared(w);
    }
    return -2 * square(q) * logSlope;
}

// Walks downhill from phi in steps of h until the slope changes sign, then halves the bracket
// until it is narrower than kAngleTolerance: the angle of a local minimum of Cp.
double refineMinimum(const Circle& c, double phi, double h) {
    const double slope = pressureSlope(c, phi);
    if (!(slope != 0)) {
        return phi;
    }
    const bool falling = slope < 0; // Cp falls as phi grows
    const double step = falling ? h : -h;
    double a = phi;
    double b = phi + step;
    for (int n = 0; n < CompressibleSurface::kIntegrationPoints; ++n) {
        const double next = pressureSlope(c, b);
        if (!(next != 0) || (next < 0) != falling) {
            break;
        }
        a = b;
        b = b + step;
    }
    while (std::fabs(b - a) > kAngleTolerance) {
        const double middle = (a + b) / 2;
        const double d = pressureSlope(c, middle);
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

// The surface point at circle angle phi as the minimum reports it.
SurfaceMinimum surfacePoint(const Circle& c, double phi, double cp) {
    const Point zeta = circlePoint(c, placeAt(c, phi).turn);
    const double r2 = normSquared(zeta);
    SurfaceMinimum m;
    m.Cp = cp;
    m.x = (zeta.re + zeta.re / r2) * c.cScale - c.xShift;
    m.y = (zeta.im - zeta.im / r2) * c.cScale;
    m.upper = zeta.im > 0;
    const double polar = std::atan2(zeta.im, zeta.re);
    m.theta = polar > 0 ? polar - 2 * std::acos(-1.0) : polar;
    return m;
}

// The leading edge, where a zero-thickness profile's suction is unbounded.
SurfaceMinimum leadingEdgeSingularity(const Circle& c) {
    SurfaceMinimum m;
    m.unbounded = true;
    m.Cp = -std::numeric_limits<double>::infinity();
    m.x = -2 * c.cScale - c.xShift;
    m.y = 0;
    m.upper = false;
    m.theta = -std::acos(-1.0);
    return m;
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
const std::vector<Point>& halfTurns() {
    static const std::vector<Point> turns = [] {
        constexpr int n = CompressibleSurface::kIntegrationPoints;
        const double pi = std::acos(-1.0);
        std::vector<Point> t(2 * n);
        for (int j = 0; j < 2 * n; ++j) {
            const double angle = (j * pi) / n;
            t[j] = {std::cos(angle), std::sin(angle)};
        }
        return t;
    }();
    return turns;
}

Tabulation tabulate(const Circle& c, double h) {
    constexpr int n = CompressibleSurface::kIntegrationPoints;
    const std::vector<Point>& turns = halfTurns();
    const Point fromTrailingEdge{std::cos(c.beta), -std::sin(c.beta)}; // e^(-i Beta)
    Tabulation t;
    t.cp.resize(n);
    t.lift.resize(n);
    t.moment.resize(n);
    for (int k = 0; k < n; ++k) {
        // phi = -Beta + k h, u = k h / 2 - Beta.
        const Point turn = multiply(fromTrailingEdge, turns[2 * k]);
        const Point half = multiply(fromTrailingEdge, turns[k]);
        const Point zeta = circlePoint(c, turn);
        const double r2 = normSquared(zeta);
        t.cp[k] = 1 - square(speed(c, zeta, half));
        // dz/dzeta = 1 - 1/zeta^2 = 1 - conj(zeta)^2 / |zeta|^4.
        const double r4 = square(r2);
        const Point dzdzeta{1 - (square(zeta.re) - square(zeta.im)) / r4,
                            (2 * zeta.re * zeta.im) / r4};
        const Point dz = multiply(dzdzeta, circleTangent(c, turn));
        const Point dZ{(dz.re * c.cScale) * h, (dz.im * c.cScale) * h};
        const double x = (zeta.re + zeta.re / r2) * c.cScale - c.xShift;
        const double y = (zeta.im - zeta.im / r2) * c.cScale;
        t.lift[k] = c.cosAlpha * dZ.re + c.sinAlpha * dZ.im;
        t.moment[k] = -((x - c.xM) * dZ.re + y * dZ.im);
    }
    return t;
}

// The smallest Cp of the whole surface: the lowest of the integration points and the window's
// nP points is the start, refined to a local minimum in the angle about the centre.
SurfaceMinimum findMinimum(const State& s, const Circle& c, const std::vector<double>& cp,
                           double h) {
    double startAngle = -c.beta;
    double startCp = cp[0];
    for (std::size_t k = 1; k < cp.size(); ++k) {
        if (cp[k] < startCp) {
            startCp = cp[k];
            startAngle = -c.beta + static_cast<double>(k) * h;
        }
    }
    for (long j = 1; j <= toIndex(s.nP); ++j) {
        const double phi = std::atan2(s.yCirc[j] - c.mu, s.xCirc[j] + c.eps);
        const double value = pressureAt(c, phi);
        if (value < startCp) {
            startCp = value;
            startAngle = phi;
        }
    }
    const double phi = refineMinimum(c, startAngle, h);
    const double value = pressureAt(c, phi);
    if (value < startCp) {
        return surfacePoint(c, phi, value);
    }
    return surfacePoint(c, startAngle, startCp);
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
    const double ratio = (2 + (kGamma - 1) * square(m)) / (kGamma + 1);
    return (2 / (kGamma * square(m))) * (std::pow(ratio, kGamma / (kGamma - 1)) - 1);
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
    const Circle c = circleOf(s);
    if (speedUnbounded(c)) {
        minimum_ = leadingEdgeSingularity(c);
        return;
    }
    const double h = (2 * s.pi) / kIntegrationPoints;
    Tabulation t = tabulate(c, h);
    minimum_ = findMinimum(s, c, t.cp, h);
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
