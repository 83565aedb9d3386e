// SPDX-License-Identifier: MIT
// The portable elementary functions against the host's C library: within 1 ulp over their
// domains, the C library's special values, and the complex helpers' scaling.
#include "model/portable_math.h"

#include <bit>
#include <cmath>
#include <complex>
#include <cstdint>
#include <functional>
#include <gtest/gtest.h>
#include <limits>
#include <random>
#include <string>
#include <vector>

namespace kestrel {
namespace {

namespace pm = portable;
using Reference = long double;

// |ours - reference| in units in the last place of the double nearest the reference. The
// reference is the C library's long double function: its 64-bit results stand for the true
// value to within a few thousandths of a double's ulp, so the bound of 1 ulp is on our error
// alone, not on the library's (whose double tanh, for one, is 2 ulp off at places).
double ulpError(double ours, Reference reference) {
    if (std::isnan(reference) || std::isinf(reference)) {
        return ours == static_cast<double>(reference) || (std::isnan(ours) && std::isnan(reference))
                   ? 0
                   : INFINITY;
    }
    const double nearest = static_cast<double>(reference);
    const int exponent = nearest == 0 ? -1074 : std::ilogb(nearest) - 52;
    const Reference ulp = std::ldexp(1.0L, std::max(exponent, -1074));
    return static_cast<double>(std::fabs(static_cast<Reference>(ours) - reference) / ulp);
}

std::mt19937_64 generator(20261209);

double uniform(double low, double high) {
    return std::uniform_real_distribution<double>(low, high)(generator);
}

// |x| spread evenly over the decades from low to high, either sign.
double decades(double low, double high) {
    const double x = std::exp(uniform(std::log(low), std::log(high)));
    return generator() & 1 ? x : -x;
}

// Any finite double, every bit pattern alike.
double anyFinite() {
    for (;;) {
        const double x = std::bit_cast<double>(generator());
        if (std::isfinite(x)) {
            return x;
        }
    }
}

struct Range1 {
    std::string name;
    std::function<double(double)> ours;
    std::function<Reference(Reference)> reference;
    std::function<double()> argument;
};

struct Range2 {
    std::string name;
    std::function<double(double, double)> ours;
    std::function<Reference(Reference, Reference)> reference;
    std::function<double()> x;
    std::function<double()> y;
};

constexpr int kArguments = 20000;

void expectWithinAnUlp(const Range1& r) {
    double worst = 0;
    double at = 0;
    for (int i = 0; i < kArguments; ++i) {
        const double x = r.argument();
        const double e = ulpError(r.ours(x), r.reference(x));
        if (e > worst) {
            worst = e;
            at = x;
        }
    }
    EXPECT_LE(worst, 1.0) << r.name << " at " << at;
}

void expectWithinAnUlp(const Range2& r) {
    double worst = 0;
    double atX = 0;
    double atY = 0;
    for (int i = 0; i < kArguments; ++i) {
        const double x = r.x();
        const double y = r.y();
        const double e = ulpError(r.ours(x, y), r.reference(x, y));
        if (e > worst) {
            worst = e;
            atX = x;
            atY = y;
        }
    }
    EXPECT_LE(worst, 1.0) << r.name << " at " << atX << ", " << atY;
}

TEST(PortableMath, OneArgumentFunctionsAreWithinAnUlpOverTheirDomains) {
    ASSERT_GE(std::numeric_limits<Reference>::digits, 64) << "needs an extended long double";
    const auto angles = [] { return uniform(-10, 10); };
    const auto huge = [] { return decades(1e-300, 1e308); };
    // Doubles nearest whole multiples of pi/2 up to 2^40: the reduction's worst cancellations.
    const auto nearQuarterTurns = [] {
        const Reference k = std::floor(uniform(1, 0x1p40));
        return static_cast<double>(k * 1.5707963267948966192313216916397514L);
    };
    const auto positive = [] { return std::fabs(decades(1e-320, 1e308)); };
    const std::vector<Range1> ranges = {
        {"sin", pm::sin, [](Reference x) { return std::sin(x); }, angles},
        {"sin huge", pm::sin, [](Reference x) { return std::sin(x); }, huge},
        {"sin any", pm::sin, [](Reference x) { return std::sin(x); }, anyFinite},
        {"sin near k pi/2", pm::sin, [](Reference x) { return std::sin(x); }, nearQuarterTurns},
        {"cos", pm::cos, [](Reference x) { return std::cos(x); }, angles},
        {"cos huge", pm::cos, [](Reference x) { return std::cos(x); }, huge},
        {"cos near k pi/2", pm::cos, [](Reference x) { return std::cos(x); }, nearQuarterTurns},
        {"atan", pm::atan, [](Reference x) { return std::atan(x); }, [] { return uniform(-4, 4); }},
        {"atan any", pm::atan, [](Reference x) { return std::atan(x); }, anyFinite},
        {"acos", pm::acos, [](Reference x) { return std::acos(x); }, [] { return uniform(-1, 1); }},
        {"acos near 1", pm::acos, [](Reference x) { return std::acos(x); },
         [] { return std::copysign(1 - std::fabs(decades(1e-17, 0.1)), uniform(-1, 1)); }},
        {"exp", [](double x) { return pm::exp(x); }, [](Reference x) { return std::exp(x); },
         [] { return uniform(-746, 710); }},
        {"exp near 0", [](double x) { return pm::exp(x); }, [](Reference x) { return std::exp(x); },
         [] { return decades(1e-20, 2); }},
        {"expm1", pm::expm1, [](Reference x) { return std::expm1(x); },
         [] { return uniform(-45, 709); }},
        {"expm1 near 0", pm::expm1, [](Reference x) { return std::expm1(x); },
         [] { return decades(1e-20, 2); }},
        {"log", [](double x) { return pm::log(x); }, [](Reference x) { return std::log(x); },
         positive},
        {"log near 1", [](double x) { return pm::log(x); }, [](Reference x) { return std::log(x); },
         [] { return uniform(0.5, 2); }},
        {"log1p", pm::log1p, [](Reference x) { return std::log1p(x); },
         [] { return uniform(-1, 4); }},
        {"log1p near 0", pm::log1p, [](Reference x) { return std::log1p(x); },
         [] { return decades(1e-20, 0.5); }},
        {"log10", pm::log10, [](Reference x) { return std::log10(x); }, positive},
        {"tanh", pm::tanh, [](Reference x) { return std::tanh(x); },
         [] { return uniform(-25, 25); }},
        {"tanh near 0", pm::tanh, [](Reference x) { return std::tanh(x); },
         [] { return decades(1e-10, 3); }},
    };
    for (const Range1& r : ranges) {
        expectWithinAnUlp(r);
    }
    // A double whose distance to the nearest multiple of pi/2 is among the smallest of all.
    const double hard = std::ldexp(6381956970095103.0, 797);
    EXPECT_LE(ulpError(pm::sin(hard), std::sin(static_cast<Reference>(hard))), 1.0);
    EXPECT_LE(ulpError(pm::cos(hard), std::cos(static_cast<Reference>(hard))), 1.0);
}

TEST(PortableMath, TwoArgumentFunctionsAreWithinAnUlpOverTheirDomains) {
    ASSERT_GE(std::numeric_limits<Reference>::digits, 64) << "needs an extended long double";
    const auto unit = [] { return uniform(-3, 3); };
    const auto wide = [] { return decades(1e-300, 1e300); };
    const auto atan2Reference = [](Reference y, Reference x) { return std::atan2(y, x); };
    const auto hypotReference = [](Reference x, Reference y) { return std::hypot(x, y); };
    const auto powReference = [](Reference x, Reference y) { return std::pow(x, y); };
    const auto base = [] { return std::fabs(decades(1e-5, 1e5)); };
    const std::vector<Range2> ranges = {
        {"atan2", pm::atan2, atan2Reference, unit, unit},
        {"atan2 wide", pm::atan2, atan2Reference, wide, wide},
        {"atan2 any", pm::atan2, atan2Reference, anyFinite, anyFinite},
        {"hypot", pm::hypot, hypotReference, unit, unit},
        {"hypot any", pm::hypot, hypotReference, anyFinite, anyFinite},
        {"pow", pm::pow, powReference, base, [] { return uniform(-60, 60); }},
        {"pow near 1", pm::pow, powReference, [] { return uniform(0.5, 1.5); },
         [] { return uniform(0, 3); }},
        {"pow wide", pm::pow, powReference, [] { return std::fabs(decades(1e-300, 1e300)); },
         [] { return uniform(-1, 1); }},
        {"pow whole exponents", pm::pow, powReference, [] { return uniform(-10, 10); },
         [] { return std::nearbyint(uniform(-40, 40)); }},
    };
    for (const Range2& r : ranges) {
        expectWithinAnUlp(r);
    }
}

// Whether ours and the C library's double result are the same special value (NaN, a signed
// zero, an infinity) or, for ordinary results, within an ulp.
bool sameValue(double ours, double library) {
    if (std::isnan(library)) {
        return std::isnan(ours);
    }
    if (library == 0 || std::isinf(library)) {
        return std::bit_cast<std::uint64_t>(ours) == std::bit_cast<std::uint64_t>(library);
    }
    return ulpError(ours, library) <= 1;
}

TEST(PortableMath, SpecialValuesAreTheCLibrarys) {
    constexpr double inf = std::numeric_limits<double>::infinity();
    constexpr double tiny = std::numeric_limits<double>::denorm_min();
    constexpr double big = std::numeric_limits<double>::max();
    const std::vector<double> specials = {0.0, -0.0, inf,  -inf,  NAN,     tiny,  -tiny,  1e-310,
                                          big, -big, 1.0,  -1.0,  0.5,     -0.5,  2.0,    -2.0,
                                          3.0, -3.0, 0.25, 1e300, -1e-300, 710.0, -746.0, 1e-17};
    const std::vector<std::pair<std::string, std::pair<double (*)(double), double (*)(double)>>>
        one = {{"sin", {pm::sin, [](double x) { return std::sin(x); }}},
               {"cos", {pm::cos, [](double x) { return std::cos(x); }}},
               {"atan", {pm::atan, [](double x) { return std::atan(x); }}},
               {"acos", {pm::acos, [](double x) { return std::acos(x); }}},
               {"exp", {pm::exp, [](double x) { return std::exp(x); }}},
               {"expm1", {pm::expm1, [](double x) { return std::expm1(x); }}},
               {"log", {pm::log, [](double x) { return std::log(x); }}},
               {"log1p", {pm::log1p, [](double x) { return std::log1p(x); }}},
               {"log10", {pm::log10, [](double x) { return std::log10(x); }}},
               {"tanh", {pm::tanh, [](double x) { return std::tanh(x); }}}};
    for (const auto& [name, f] : one) {
        for (const double x : specials) {
            EXPECT_TRUE(sameValue(f.first(x), f.second(x))) << name << "(" << x << ")";
        }
    }
    const std::vector<
        std::pair<std::string, std::pair<double (*)(double, double), double (*)(double, double)>>>
        two = {{"atan2", {pm::atan2, [](double y, double x) { return std::atan2(y, x); }}},
               {"hypot", {pm::hypot, [](double x, double y) { return std::hypot(x, y); }}},
               {"pow", {pm::pow, [](double x, double y) { return std::pow(x, y); }}}};
    for (const auto& [name, f] : two) {
        for (const double x : specials) {
            for (const double y : specials) {
                EXPECT_TRUE(sameValue(f.first(x, y), f.second(x, y)))
                    << name << "(" << x << ", " << y << ")";
            }
        }
    }
    EXPECT_EQ(pm::log10(1000.0), 3.0);
    EXPECT_EQ(pm::pow(10.0, 5.0), 100000.0);
}

// Two complex numbers agree to `ulps` of the larger part's magnitude.
void expectClose(std::complex<double> a, std::complex<double> b, double ulps) {
    const double scale = std::max(std::fabs(b.real()), std::fabs(b.imag()));
    const double unit = std::ldexp(1.0, std::ilogb(scale) - 52);
    EXPECT_LE(std::fabs(a.real() - b.real()), ulps * unit) << a << " against " << b;
    EXPECT_LE(std::fabs(a.imag() - b.imag()), ulps * unit) << a << " against " << b;
}

TEST(PortableMath, ComplexHelpersScaleAndAgreeWithTheLibrary) {
    for (int i = 0; i < kArguments; ++i) {
        const std::complex<double> a(decades(1e-150, 1e150), decades(1e-150, 1e150));
        const std::complex<double> b(decades(1e-150, 1e150), decades(1e-150, 1e150));
        expectClose(pm::divide(a, b), std::operator/(a, b), 4);
        const double t = uniform(-100, 100);
        expectClose(pm::polar(2.5, t), std::polar(2.5, t), 2);
        expectClose(pm::log(a), std::log(a), 2);
    }
    // Quotients of huge or tiny parts come out without overflow or underflow on the way.
    const std::complex<double> huge(1e300, 1e300);
    expectClose(pm::divide(huge, huge), {1, 0}, 0);
    const double subnormal = 1e-310;
    const double q = 1e-300 / (2 * subnormal);
    expectClose(pm::divide({1e-300, 0}, {subnormal, subnormal}), {q, -q}, 2);
    expectClose(pm::divide(1.0, {0, 2}), {0, -0.5}, 0);
    EXPECT_TRUE(std::isinf(pm::divide({1, 0}, {0, 0}).real()));
    EXPECT_EQ(pm::divide({1, 1}, {INFINITY, 0}), std::complex<double>(0, 0));
    // ln|z| near |z| = 1 keeps its digits: ln|1 + 1e-12 i| = 5e-25.
    EXPECT_NEAR(pm::logAbs({1, 1e-12}), 5e-25, 2e-40);
    EXPECT_EQ(pm::abs({0x3p1000, 0x4p1000}), 0x5p1000);
    EXPECT_EQ(pm::arg({-1, 0}), pm::atan2(0, -1));
}

} // namespace
} // namespace kestrel
