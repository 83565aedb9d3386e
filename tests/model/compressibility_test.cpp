// SPDX-License-Identifier: MIT
// The compressibility numbers: the critical pressure coefficient and the three rules at
// hand-worked values, critical Mach numbers, the surface minimum against a dense scan of the
// complex potential flow, the integrated lift and moment against the closed-form laws and, near
// a rule's breakdown, against a fine integral; and the edges: zero-thickness profiles, |M| >= 1
// and a rule breaking down.

#include "model/coefficients.h"
#include "model/compressibility.h"
#include "model/decimal.h"
#include "model/pressure.h"
#include "model/rule_table.h"
#include "model/text.h"
#include "model_test_support.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <vector>

namespace kestrel {
namespace {

using Rule = CompressibilityRule;
using test::kPi;

State flowState(int thickness, int camber, int points, int alfa, int xm = 25) {
    State s = test::profileState(thickness, camber, points);
    setAngleInput(s, alfa);
    computePressure(s);
    setMomentReference(s, xm);
    return s;
}

// By hand: M = 0.8 gives (2 + 0.4 * 0.64) / 2.4 = 0.94, 0.94^3.5 = 0.80528 and
// 2 / (1.4 * 0.64) = 2.23214, so Cp* = 2.23214 * (0.80528 - 1) = -0.43464. Likewise the ratio is
// 0.875, 0.89333 and 0.915 at M = 0.5, 0.6 and 0.7.
TEST(CriticalPressure, TextbookValues) {
    const double expected[][2] = {
        {0.5, -2.13340}, {0.6, -1.29434}, {0.7, -0.77907}, {0.8, -0.43464}};
    for (const auto& [mach, cp] : expected) {
        EXPECT_NEAR(*criticalPressureCoefficient(mach), cp, 1e-5) << mach;
        EXPECT_EQ(criticalPressureCoefficient(-mach), criticalPressureCoefficient(mach));
    }
    for (double m : {0.0, 1.0, -1.0, 2.0, std::numeric_limits<double>::quiet_NaN()}) {
        EXPECT_FALSE(criticalPressureCoefficient(m).has_value()) << m;
    }
}

// Near M = 1, with delta = 1 - M^2, 2 / (gamma M^2) = (10/7) (1 + delta + ...) and the ratio is
// 1 - delta / 6, so (1 - delta/6)^3.5 - 1 = -(7/12) delta + (35/288) delta^2 - ... and
// Cp* = -(5/6) delta - (95/144) delta^2 + O(delta^3), which for M = 1 - 2^-53, the largest double
// below 1, with delta = 2^-52 - 2^-106 is -1.850372e-16. Near M = 0 Cp* M^2 tends to (10/7)
// ((5/6)^3.5 - 1) = -0.673883, so below M = 6.2e-155 Cp* lies beyond the largest double, 1.8e308,
// and is absent.
TEST(CriticalPressure, BothEndsOfItsRange) {
    for (const double mach : {1 - 0x1p-53, 0.9999995, 0.999995}) {
        const double delta = (1 - mach) * (1 + mach); // 1 - mach is exact
        const double series = -(5.0 / 6) * delta - (95.0 / 144) * delta * delta;
        EXPECT_NEAR(*criticalPressureCoefficient(mach) / series, 1, delta * delta + 1e-15) << mach;
    }
    EXPECT_EQ(0.9999999999999999, 1 - 0x1p-53);
    EXPECT_NEAR(*criticalPressureCoefficient(0.9999999999999999), -1.850372e-16, 1e-22);
    EXPECT_NEAR(*criticalPressureCoefficient(1e-150) * 1e-300, -0.673883, 1e-6);
    EXPECT_NEAR(*criticalPressureCoefficient(6.2e-155) * 6.2e-155 * 6.2e-155, -0.673883, 1e-6);
    for (double m : {6.0e-155, 1e-200, 5e-324}) {
        EXPECT_FALSE(criticalPressureCoefficient(m).has_value()) << m;
    }
}

// M = 0.6 has beta = 0.8. Karman-Tsien: 0.36 / 1.8 = 0.2, so -0.5 / (0.8 - 0.05) = -2/3, and the
// denominator vanishes at Cp0 = -8. Laitone: 0.36 * 1.072 / 1.6 = 0.2412, so -0.5 / 0.6794.
TEST(Rules, HandWorkedValues) {
    EXPECT_NEAR(*correctedPressureCoefficient(Rule::PrandtlGlauert, -0.5, 0.6), -0.625, 1e-15);
    EXPECT_NEAR(*correctedPressureCoefficient(Rule::KarmanTsien, -0.5, -0.6), -2.0 / 3, 1e-15);
    EXPECT_NEAR(*correctedPressureCoefficient(Rule::Laitone, -0.5, 0.6), -0.5 / 0.6794, 1e-15);
    EXPECT_TRUE(correctedPressureCoefficient(Rule::KarmanTsien, -7.99, 0.6).has_value());
    EXPECT_FALSE(correctedPressureCoefficient(Rule::KarmanTsien, -8.01, 0.6).has_value());
    EXPECT_FALSE(correctedPressureCoefficient(Rule::Laitone, -0.8 / 0.2412 - 1e-6, 0.6));
    for (Rule rule : kCompressibilityRules) {
        EXPECT_EQ(*correctedPressureCoefficient(rule, -3.25, 0.0), -3.25); // identity at M = 0
        EXPECT_FALSE(correctedPressureCoefficient(rule, -0.5, 1.0).has_value());
        EXPECT_FALSE(correctedPressureCoefficient(rule, 0.5, -1.5).has_value());
    }
    EXPECT_EQ(ruleName(Rule::PrandtlGlauert), "prandtl_glauert");
    EXPECT_EQ(ruleName(Rule::KarmanTsien), "karman_tsien");
    EXPECT_EQ(ruleName(Rule::Laitone), "laitone");
}

TEST(CriticalMach, HandWorkedCrossings) {
    // Textbook case: Cp_min = -0.43 crosses Cp* under Prandtl-Glauert near M = 0.74. By hand, at
    // 0.73 the corrected -0.43 / 0.6834 = -0.629 is still above Cp* = -0.662, at 0.74 the
    // corrected -0.43 / 0.6726 = -0.639 is below Cp* = -0.626; linear interpolation gives 0.737.
    EXPECT_NEAR(*criticalMachNumber(Rule::PrandtlGlauert, -0.43), 0.737, 1e-3);
    // Choose Cp_min so that each rule gives Cp*(0.8) exactly at M = 0.8 (beta = 0.6): solving
    // c / (0.6 + k c) = P gives c = 0.6 P / (1 - k P), k = 0 (PG), 0.2 (KT), 0.6016 (Laitone).
    const double p = *criticalPressureCoefficient(0.8);
    EXPECT_NEAR(*criticalMachNumber(Rule::PrandtlGlauert, 0.6 * p), 0.8, 1e-8);
    EXPECT_NEAR(*criticalMachNumber(Rule::KarmanTsien, 0.6 * p / (1 - 0.2 * p)), 0.8, 1e-8);
    EXPECT_NEAR(*criticalMachNumber(Rule::Laitone, 0.6 * p / (1 - 0.6016 * p)), 0.8, 1e-8);
    for (Rule rule : kCompressibilityRules) {
        for (double cp : {0.0, 0.3, -std::numeric_limits<double>::infinity()}) {
            EXPECT_FALSE(criticalMachNumber(rule, cp).has_value()) << cp;
        }
    }
}

// The smallest reference Cp over the angle about the circle's centre: a coarse scan, then a fine
// one around its best step.
struct Scan {
    long double cp = 1e30L;
    long double phi = 0;
};

Scan denseScan(const test::Flow& flow) {
    const long double start = std::arg(1.0L - flow.circle.centre());
    const auto scan = [&](Scan best, long double from, long double step, int n) {
        for (int k = 0; k < n; ++k) {
            const long double phi = from + (k + 0.5L) * step;
            const long double cp =
                flow.cp(flow.circle.centre() + std::polar(flow.circle.radius(), phi));
            if (cp < best.cp) {
                best = {cp, phi};
            }
        }
        return best;
    };
    const long double step = 2 * kPi / 20000;
    const Scan coarse = scan(Scan{}, start, step, 20000);
    return scan(coarse, coarse.phi - 2 * step, step / 1000, 4000);
}

TEST(SurfaceMinimum, MatchesADenseScanOfTheExactSurface) {
    const int cases[][4] = {{12, 0, 51, 0}, {12, 4, 51, 5},   {1, 0, 11, 10}, {30, 15, 101, 10},
                            {3, 2, 11, -7}, {20, 8, 31, -10}, {0, 6, 51, 0},  {0, 0, 51, 0}};
    for (const auto& [t, c, points, alfa] : cases) {
        SCOPED_TRACE(::testing::Message() << "T " << t << ", C " << c << ", AlfaD " << alfa);
        const State s = flowState(t, c, points, alfa);
        const SurfaceMinimum m = CompressibleSurface(s).minimum();
        const test::Flow flow(test::circleOf(s), alfa);
        const Scan scan = denseScan(flow);
        const double slack = 1e-12 * std::fmax(1.0, std::fabs(m.Cp));
        ASSERT_FALSE(m.unbounded);
        EXPECT_LE(m.Cp, scan.cp + slack);
        EXPECT_NEAR(m.Cp, scan.cp, 1e-8 * std::fmax(1.0, std::fabs(m.Cp)));
        for (long j = 1; j <= points; ++j) {
            if (j == 1 || j == points || s.dZdZeta[j] != 0) { // the capped singular point aside
                EXPECT_LE(m.Cp, s.Cp[j] + slack) << j;
            }
        }
        // The reported place: its reference Cp and image, and no lower Cp 1e-6 to either side.
        const test::Complex zeta = test::circlePoint(flow.circle, m.theta);
        EXPECT_NEAR(m.Cp, flow.cp(zeta), slack);
        const test::Complex z = zeta + 1.0L / zeta;
        const long double chord = test::referenceChord(flow.circle.eps);
        EXPECT_NEAR(m.x, std::real(z) / chord - (2 / chord - 1), 1e-12);
        EXPECT_NEAR(m.y, std::imag(z) / chord, 1e-12);
        for (long double d : {-1e-6L, 1e-6L}) {
            EXPECT_GE(flow.cp(test::circlePoint(flow.circle, m.theta + d)), flow.cp(zeta) - slack);
        }
    }
    // Positive incidence sucks hardest on the upper surface, negative on the lower.
    EXPECT_TRUE(CompressibleSurface(flowState(12, 0, 51, 6)).minimum().upper);
    EXPECT_FALSE(CompressibleSurface(flowState(12, 0, 51, -6)).minimum().upper);
}

TEST(IntegratedCoefficients, AgreeWithTheClosedFormLaws) {
    const int shapes[][2] = {{1, 0}, {5, 3}, {12, 0}, {15, 8}, {30, 15}, {2, 15}};
    for (const auto& [t, c] : shapes) {
        for (int alfa : {-10, -3, 0, 7, 10}) {
            for (int xm : {0, 25, 100}) {
                SCOPED_TRACE(::testing::Message()
                             << "T " << t << ", C " << c << ", AlfaD " << alfa << ", xM " << xm);
                const State s = flowState(t, c, 51, alfa, xm);
                const CompressibleSurface surface(s);
                const double cl = liftCoefficient(s, alfa);
                const double cm = momentCoefficient(s, alfa, cl);
                const IntegratedCoefficients at0 = *surface.integrate(Rule::Laitone, 0);
                EXPECT_NEAR(at0.CL, cl, 1e-6);
                EXPECT_NEAR(at0.CM, cm, 1e-6);
                for (double mach : {0.3, 0.6}) {
                    const IntegratedCoefficients pg =
                        *surface.integrate(Rule::PrandtlGlauert, mach);
                    const double beta = std::sqrt(1 - mach * mach);
                    EXPECT_NEAR(pg.CL, cl / beta, 1e-6) << mach;
                    EXPECT_NEAR(pg.CM, cm / beta, 1e-6) << mach;
                }
                // At M = 0 every rule gives the window's values exactly.
                const CompressibilityAnalysis a = surface.analyse(0);
                for (const RuleResult& r : a.rules) {
                    EXPECT_EQ(*r.CL, cl);
                    EXPECT_EQ(*r.CM, cm);
                    EXPECT_EQ(*r.CpMin, a.minimum.Cp);
                    EXPECT_FALSE(r.supercritical);
                }
            }
        }
    }
}

// A zero-thickness profile has unbounded suction at its sharp leading edge except at zero
// incidence, where the flow leaves it smoothly.
TEST(ZeroThicknessSuction, IsSaidUnboundedNotCapped) {
    for (int c : {0, 6, 15}) {
        for (int alfa : {-4, 5}) {
            SCOPED_TRACE(::testing::Message() << "C " << c << ", AlfaD " << alfa);
            const State s = flowState(0, c, 51, alfa);
            for (double mach : {0.0, 0.5}) {
                const CompressibilityAnalysis a = analyseCompressibility(s, mach);
                EXPECT_TRUE(a.minimum.unbounded);
                EXPECT_EQ(a.minimum.Cp, -std::numeric_limits<double>::infinity());
                const double beta = std::sqrt(1 - mach * mach);
                EXPECT_EQ(*a.rules[0].CL, a.CL / beta);
                EXPECT_EQ(*a.rules[0].CM, a.CM / beta);
                for (const RuleResult& r : a.rules) {
                    EXPECT_FALSE(r.CpMin.has_value());
                    EXPECT_FALSE(r.criticalMach.has_value());
                    EXPECT_EQ(r.supercritical, mach != 0);
                    EXPECT_EQ(r.CL.has_value(), mach == 0 || &r == &a.rules[0]);
                    for (const auto& v : {r.CL, r.CM}) {
                        EXPECT_TRUE(!v || std::isfinite(*v));
                    }
                }
            }
        }
        // At zero incidence both ends of the arc are stagnation points of the circle's flow, and
        // the speed |dW/dzeta| / |dz/dzeta| reduces to |zeta|^2 / R^2: greatest at the circle's
        // crest zeta = i (mu + R), whose image i 2 mu is the arc's crest, x/c 0.5, y/c = f/c.
        const State s = flowState(0, c, 51, 0);
        const SurfaceMinimum m = CompressibleSurface(s).minimum();
        EXPECT_FALSE(m.unbounded);
        EXPECT_NEAR(m.Cp, 1 - std::pow((s.mu + s.Rc) / s.Rc, 4), 1e-12);
        if (c != 0) { // the flat plate's pressure is 0 everywhere: no one place is the minimum
            EXPECT_NEAR(m.x, 0.5, 1e-9);
            EXPECT_NEAR(m.y, s.Camber, 1e-9);
        }
    }
}

TEST(MachOne, NoRuleAppliesAndSignDoesNotMatter) {
    const CompressibleSurface surface(flowState(12, 4, 51, 5));
    for (double mach : {1.0, -1.0, 1.5, std::numeric_limits<double>::infinity()}) {
        const CompressibilityAnalysis a = surface.analyse(mach);
        EXPECT_FALSE(a.criticalPressure.has_value());
        for (const RuleResult& r : a.rules) {
            EXPECT_FALSE(r.CL || r.CM || r.CpMin);
            EXPECT_TRUE(r.criticalMach.has_value());
            EXPECT_TRUE(r.supercritical);
        }
    }
    const CompressibilityAnalysis plus = surface.analyse(0.6);
    const CompressibilityAnalysis minus = surface.analyse(-0.6);
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(plus.rules[i].CL, minus.rules[i].CL);
        EXPECT_EQ(plus.rules[i].CpMin, minus.rules[i].CpMin);
        EXPECT_EQ(plus.rules[i].criticalMach, surface.analyse(0.1).rules[i].criticalMach);
    }
    EXPECT_THROW(CompressibleSurface(test::startedState()), std::invalid_argument);
}

// Karman-Tsien's denominator at M = 0.8 (beta 0.6) is 0.6 + 0.2 Cp0: it breaks down exactly when
// the surface minimum lies at or below -3, as a thin profile's nose does at 6 degrees.
TEST(Breakdown, NonlinearRulesLoseMeaningOnAThinNose) {
    for (int t : {2, 12}) {
        const CompressibilityAnalysis a = analyseCompressibility(flowState(t, 0, 51, 6), 0.8);
        const RuleResult& kt = a.rules[ruleIndex(Rule::KarmanTsien)];
        const RuleResult& pg = a.rules[ruleIndex(Rule::PrandtlGlauert)];
        EXPECT_EQ(t == 2, a.minimum.Cp < -3) << "pick states on either side of the threshold";
        EXPECT_EQ(kt.CL.has_value(), a.minimum.Cp > -3) << t;
        EXPECT_EQ(kt.CpMin.has_value(), kt.CL.has_value());
        EXPECT_TRUE(kt.supercritical);
        EXPECT_TRUE(kt.criticalMach.has_value()); // the crossing comes before the breakdown
        EXPECT_TRUE(pg.CL && pg.CM && pg.CpMin);
    }
}

// The exact surface of a state at many points: the reference pressure and each point's share of
// lift and moment. On the counter-clockwise contour the outward normal is -i dZ/|dZ|, so the
// pressure force per dynamic pressure and chord is i Cp dZ: lift is its part across the stream,
// Re(e^(-i alpha) Cp dZ), and the nose-up moment about (xM, 0) is -Cp Re(conj(Z - xM) dZ).
// Midpoints of the periodic rule keep clear of the trailing edge's 0 / 0.
struct FineSurface {
    std::vector<double> cp;
    std::vector<long double> lift;
    std::vector<long double> moment;
};

FineSurface fineSurface(const State& s, int n) {
    const test::Flow flow(test::circleOf(s), s.AlfaD);
    const long double scale = 1 / test::referenceChord(flow.circle.eps);
    const long double start = std::arg(1.0L - flow.circle.centre());
    const long double h = 2 * kPi / n;
    FineSurface f;
    for (int k = 0; k < n; ++k) {
        const test::Complex turn = std::polar(1.0L, start + (k + 0.5L) * h);
        const test::Complex zeta = flow.circle.centre() + flow.circle.radius() * turn;
        const test::Complex z = (zeta + 1.0L / zeta) * scale - (2 * scale - 1);
        const test::Complex dZ = (1.0L - 1.0L / (zeta * zeta)) *
                                 test::Complex(0, flow.circle.radius()) * turn * scale * h;
        f.cp.push_back(static_cast<double>(flow.cp(zeta)));
        f.lift.push_back(std::real(std::polar(1.0L, -flow.alpha) * dZ));
        f.moment.push_back(-std::real(std::conj(z - static_cast<long double>(s.xM)) * dZ));
    }
    return f;
}

// Just before Karman-Tsien and Laitone break down on the thinnest profile, the corrected suction
// peak at the nose is too narrow for the model's integration points: every CL and CM it gives
// must still match a sixteen times finer integral, and some must be withheld.
TEST(Breakdown, LiftAndMomentNearItAreRightOrAbsent) {
    const State s = flowState(1, 0, 51, 3);
    const CompressibleSurface surface(s);
    const FineSurface fine = fineSurface(s, 16 * CompressibleSurface::kIntegrationPoints);
    for (Rule rule : {Rule::KarmanTsien, Rule::Laitone}) {
        int withheld = 0;
        for (int k = 1; k < 100; ++k) {
            const double mach = k / 100.0;
            const RuleResult r = surface.result(rule, mach);
            withheld += r.CpMin && !r.CL;
            if (!r.CL) {
                continue;
            }
            long double cl = 0;
            long double cm = 0;
            for (std::size_t j = 0; j < fine.cp.size(); ++j) {
                const double cp = *correctedPressureCoefficient(rule, fine.cp[j], mach);
                cl += cp * fine.lift[j];
                cm += cp * fine.moment[j];
            }
            EXPECT_NEAR(*r.CL, static_cast<double>(cl), 1e-6) << ruleName(rule) << " " << mach;
            EXPECT_NEAR(*r.CM, static_cast<double>(cm), 1e-6) << ruleName(rule) << " " << mach;
        }
        EXPECT_GT(withheld, 0) << ruleName(rule);
    }
}

// The warning names the rules past their critical Mach number and those not yet past, each in
// the order of the critical Mach numbers (12/4 at 5 degrees: Laitone 0.447, Karman-Tsien 0.472,
// Prandtl-Glauert 0.496), and the table marks the rows of the rules past it.
TEST(RuleTableWarning, NamesTheRulesPastTheirCriticalMachNumber) {
    const CompressibleSurface surface(flowState(12, 4, 51, 5));
    const auto critical = [&](Rule rule) {
        const auto m = surface.analyse(0).rules[ruleIndex(rule)].criticalMach;
        return fixedDecimals(*m, 3);
    };
    EXPECT_TRUE(ruleTable(surface, 0.4).warning.empty());
    const RuleTable one = ruleTable(surface, 0.46);
    EXPECT_EQ(one.warning, "Laitone is past its critical Mach number " + critical(Rule::Laitone) +
                               "; Kármán–Tsien and Prandtl–Glauert are not yet");
    EXPECT_EQ(critical(Rule::Laitone), "0.447");
    EXPECT_EQ(one.past, (std::array<bool, 4>{false, false, false, true}));
    const RuleTable two = ruleTable(surface, -0.48);
    EXPECT_EQ(two.warning, "Laitone and Kármán–Tsien are past their critical Mach numbers " +
                               critical(Rule::Laitone) + " and " + critical(Rule::KarmanTsien) +
                               "; Prandtl–Glauert is not yet");
    const RuleTable all = ruleTable(surface, 0.75);
    EXPECT_EQ(all.warning, "Laitone, Kármán–Tsien and Prandtl–Glauert are past their critical "
                           "Mach numbers " +
                               critical(Rule::Laitone) + ", " + critical(Rule::KarmanTsien) +
                               " and " + critical(Rule::PrandtlGlauert));
    EXPECT_EQ(all.past, (std::array<bool, 4>{false, true, true, true}));
    // Unbounded suction round a sharp leading edge: no critical Mach number to name.
    EXPECT_EQ(ruleTable(CompressibleSurface(flowState(0, 4, 51, 5)), 0.3).warning,
              uiText(TextId::SonicWarning));
}

} // namespace
} // namespace kestrel
