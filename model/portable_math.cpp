// SPDX-License-Identifier: MIT
// The portable elementary functions: argument reductions, polynomial kernels and the
// double-double arithmetic (a value as an unevaluated sum hi + lo) that keeps them within 1 ulp.
#include "model/portable_math.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <utility>

// The constants below (2/pi's bits, split constants, fitted coefficients) are printed by
// scripts/portable_math_constants.py.
namespace kestrel::portable {
namespace {

using exact::Dd;
using exact::fastTwoSum;
using exact::squareRoot;
using exact::twoProduct;
using exact::twoSum;

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// pi/2, pi/4 and pi as double-double values.
constexpr double kHalfPiHi = 0x1.921fb54442d18p+0;
constexpr double kHalfPiLo = 0x1.1a62633145c07p-54;
constexpr double kQuarterPiHi = 0x1.921fb54442d18p-1;
constexpr double kQuarterPiLo = 0x1.1a62633145c07p-55;
constexpr double kPiHi = 0x1.921fb54442d18p+1;
constexpr double kPiLo = 0x1.1a62633145c07p-53;
// ln 2 as 42 leading bits (k ln2Hi is exact for |k| < 2^11) and the rest.
constexpr double kLn2Hi = 0x1.62e42fefa3800p-1;
constexpr double kLn2Lo = 0x1.ef35793c76730p-45;

// ---- Exact building blocks -----------------------------------------------------------------

// A double's bit pattern and back (std::bit_cast is missing from the browser build's library).
std::uint64_t bitsOf(double x) {
    std::uint64_t bits = 0;
    std::memcpy(&bits, &x, sizeof bits);
    return bits;
}
double fromBits(std::uint64_t bits) {
    double x = 0;
    std::memcpy(&x, &bits, sizeof x);
    return x;
}

// (a.hi + a.lo)(b.hi + b.lo) to about 2^-104 relative.
Dd multiply(Dd a, Dd b) {
    const Dd p = twoProduct(a.hi, b.hi);
    return fastTwoSum(p.hi, p.lo + (a.hi * b.lo + a.lo * b.hi));
}

// a + b to about 2^-104 relative where no large cancellation occurs.
Dd add(Dd a, Dd b) {
    const Dd s = twoSum(a.hi, b.hi);
    return fastTwoSum(s.hi, s.lo + (a.lo + b.lo));
}

// v rounded to the nearest whole number, ties to even, for |v| < 2^51: adding 1.5 2^52 leaves
// no bits below the units, and the rounding is the addition's own (a call to nearbyint would
// do the same, more slowly where the processor has no rounding instruction).
double nearestWhole(double v) {
    constexpr double kShift = 0x1.8p52;
    return (v + kShift) - kShift;
}

// 2^n for -1022 <= n <= 1023.
double powerOfTwo(int n) {
    return fromBits(static_cast<std::uint64_t>(n + 1023) << 52);
}

// v 2^n, rounded once: the steps before the last are exact while the value stays normal.
double scale(double v, int n) {
    while (n > 1000) {
        v *= powerOfTwo(1000);
        n -= 1000;
    }
    while (n < -1000) {
        v *= powerOfTwo(-1000);
        n += 1000;
    }
    return v * powerOfTwo(n);
}

// The binary exponent of a finite nonzero x: |x| in [2^e, 2^(e+1)).
int exponentOf(double x) {
    const std::uint64_t bits = bitsOf(x);
    const int biased = static_cast<int>((bits >> 52) & 0x7ff);
    if (biased == 0) {
        return exponentOf(x * 0x1p54) - 54;
    }
    return biased - 1023;
}

// n / d for double-doubles, to about 2^-100 relative with one division: the quotient from the
// reciprocal, then corrected by its remainder, which is exact to the last term.
Dd divideDd(Dd n, Dd d) {
    const double inverse = 1 / d.hi;
    const double q = n.hi * inverse;
    const Dd p = twoProduct(q, d.hi);
    return fastTwoSum(q, ((((n.hi - p.hi) - p.lo) + n.lo) - q * d.lo) * inverse);
}
Dd quotient(double n, Dd d) {
    return divideDd({n, 0}, d);
}

// ---- sin and cos ---------------------------------------------------------------------------

// 2/pi's bits 1 to 1280 after the binary point, 64 to a word.
constexpr std::uint64_t kTwoOverPi[20] = {
    0xa2f9836e4e441529ULL, 0xfc2757d1f534ddc0ULL, 0xdb6295993c439041ULL, 0xfe5163abdebbc561ULL,
    0xb7246e3a424dd2e0ULL, 0x06492eea09d1921cULL, 0xfe1deb1cb129a73eULL, 0xe88235f52ebb4484ULL,
    0xe99c7026b45f7e41ULL, 0x3991d639835339f4ULL, 0x9c845f8bbdf9283bULL, 0x1ff897ffde05980fULL,
    0xef2f118b5a0a6d1fULL, 0x6d367ecf27cb09b7ULL, 0x4f463f669e5fea2dULL, 0x7527bac7ebe5f17bULL,
    0x3d0739f78a5292eaULL, 0x6bfb5fb11f8d5d08ULL, 0x56033046fc7b6babULL, 0xf0cfbc209af4361dULL,
};

std::uint64_t twoOverPiWord(int i) {
    return i >= 0 && i < 20 ? kTwoOverPi[i] : 0;
}

// 2/pi's bits start + 1 to start + 64 (bits before the binary point are 0).
std::uint64_t twoOverPiBits(int start) {
    if (start <= -64) {
        return 0;
    }
    if (start < 0) {
        return twoOverPiWord(0) >> -start;
    }
    const int word = start / 64;
    const int shift = start % 64;
    if (shift == 0) {
        return twoOverPiWord(word);
    }
    return (twoOverPiWord(word) << shift) | (twoOverPiWord(word + 1) >> (64 - shift));
}

// a b = hi 2^64 + lo.
struct Wide {
    std::uint64_t hi;
    std::uint64_t lo;
};
Wide wideProduct(std::uint64_t a, std::uint64_t b) {
    const std::uint64_t a0 = a & 0xffffffffULL;
    const std::uint64_t a1 = a >> 32;
    const std::uint64_t b0 = b & 0xffffffffULL;
    const std::uint64_t b1 = b >> 32;
    const std::uint64_t p00 = a0 * b0;
    const std::uint64_t p01 = a0 * b1;
    const std::uint64_t p10 = a1 * b0;
    const std::uint64_t p11 = a1 * b1;
    const std::uint64_t middle = (p00 >> 32) + (p01 & 0xffffffffULL) + (p10 & 0xffffffffULL);
    return {p11 + (p01 >> 32) + (p10 >> 32) + (middle >> 32),
            (middle << 32) | (p00 & 0xffffffffULL)};
}

// x reduced by whole quarter turns: x = quadrant pi/2 + (hi + lo) (mod 2 pi), |hi| <= pi/4.
struct Reduced {
    int quadrant;
    double hi;
    double lo;
};

// The 192-bit fraction words[0..2] / 2^192 as a double-double.
Dd fractionValue(const std::uint64_t (&words)[3]) {
    Dd sum{0, 0};
    double weight = 0x1p-32;
    for (const std::uint64_t w : words) {
        sum = add(sum, {static_cast<double>(w >> 32) * weight, 0});
        weight *= 0x1p-32;
        sum = add(sum, {static_cast<double>(w & 0xffffffffULL) * weight, 0});
        weight *= 0x1p-32;
    }
    return sum;
}

// Payne and Hanek's reduction for any finite |x| >= pi/4: x = m 2^e with m a 53-bit whole
// number; of x 2/pi only the bits below 2^2 matter (mod 4 quarter turns), and they come from
// m times the 192 bits of 2/pi from bit e - 2 on.
Reduced reduceLarge(double x) {
    const std::uint64_t bits = bitsOf(std::fabs(x));
    const int e = static_cast<int>(bits >> 52) - 1075;
    const std::uint64_t m = (bits & ((1ULL << 52) - 1)) | (1ULL << 52);
    const int start = e - 2;
    const Wide p0 = wideProduct(m, twoOverPiBits(start));
    const Wide p1 = wideProduct(m, twoOverPiBits(start + 64));
    const Wide p2 = wideProduct(m, twoOverPiBits(start + 128));
    // The fraction of m F, F the window of 192 bits: (r0, r1, r2) / 2^192.
    const std::uint64_t r2 = p2.lo;
    const std::uint64_t r1 = p1.lo + p2.hi;
    const std::uint64_t r0 = p0.lo + p1.hi + (r1 < p2.hi ? 1 : 0);
    // Four times it: two bits of quarter turns, then the fraction of a quarter turn.
    int quadrant = static_cast<int>(r0 >> 62);
    std::uint64_t f[3] = {(r0 << 2) | (r1 >> 62), (r1 << 2) | (r2 >> 62), r2 << 2};
    bool negative = false;
    if (f[0] >> 63) { // past half a quarter turn: the next quadrant, a negative remainder
        ++quadrant;
        negative = true;
        f[2] = ~f[2] + 1;
        f[1] = ~f[1] + (f[2] == 0 ? 1 : 0);
        f[0] = ~f[0] + (f[2] == 0 && f[1] == 0 ? 1 : 0);
    }
    Dd y = multiply(fractionValue(f), {kHalfPiHi, kHalfPiLo});
    if (negative) {
        y = {-y.hi, -y.lo};
    }
    if (x < 0) {
        return {(4 - quadrant) & 3, -y.hi, -y.lo};
    }
    return {quadrant & 3, y.hi, y.lo};
}

// x = k pi/2 + r for |x| < 2^20 with pi/2 in three parts: k p1 and k p2 are exact, x - k p1
// too; where r comes out small (x near a multiple of pi/2) the long reduction takes over.
Reduced reduce(double x) {
    constexpr double kP1 = 0x1.921fb54400000p+0;
    constexpr double kP2 = 0x1.0b4611a600000p-34;
    constexpr double kP3 = 0x1.3198a2e037073p-69;
    constexpr double kTwoOverPiValue = 0x1.45f306dc9c883p-1;
    if (!(std::fabs(x) < 0x1p20)) {
        return reduceLarge(x);
    }
    const double k = nearestWhole(x * kTwoOverPiValue);
    const Dd a = twoSum(x - k * kP1, -(k * kP2));
    const Dd b = twoSum(a.hi, -(k * kP3));
    const Dd r = fastTwoSum(b.hi, b.lo + a.lo);
    if (std::fabs(r.hi) < 0x1p-20) {
        return reduceLarge(x);
    }
    return {static_cast<int>(static_cast<long long>(k) & 3), r.hi, r.lo};
}

// sin(x + y) for |x| <= pi/4, |y| tiny against x: x + x^3 S(x^2) + y (1 - x^2 / 2).
double sinKernel(double x, double y) {
    const double z = x * x;
    const double s =
        -0x1.5555555555555p-3 +
        z * (0x1.1111111111110p-7 +
             z * (-0x1.a01a01a019938p-13 +
                  z * (0x1.71de3a546095bp-19 +
                       z * (-0x1.ae645412c560cp-26 +
                            z * (0x1.61217f0b800d5p-33 + z * -0x1.ab17d404de5b3p-41)))));
    return x + ((z * x) * s + (y - (0.5 * z) * y));
}

// cos(x + y) for |x| <= pi/4: 1 - x^2/2 + x^4 C(x^2) - x y, with x^2 / 2 exact and the rounding
// of 1 - x^2 / 2 carried along.
double cosKernel(double x, double y) {
    const Dd z = twoProduct(x, x);
    const double hz = 0.5 * z.hi;
    const double w = 1 - hz;
    const double c = 0x1.5555555555555p-5 +
                     z.hi * (-0x1.6c16c16c16c16p-10 +
                             z.hi * (0x1.a01a01a019d0ap-16 +
                                     z.hi * (-0x1.27e4fb7712d65p-22 +
                                             z.hi * (0x1.1eed8deb97a97p-29 +
                                                     z.hi * (-0x1.9394ba0cd6ed5p-37 +
                                                             z.hi * 0x1.ab785b00b4646p-45)))));
    return w + ((((1 - w) - hz) - 0.5 * z.lo) + ((z.hi * z.hi) * c - x * y));
}

// Any x as quarter turns and a remainder: itself where |x| <= pi/4, NaN where x is not finite.
Reduced reduceAny(double x) {
    if (std::fabs(x) <= kQuarterPiHi) {
        return {0, x, 0};
    }
    if (!std::isfinite(x)) {
        return {0, x - x, 0};
    }
    return reduce(x);
}

// sin(x + turn pi/2) of a reduced x: turn 0 gives sin x, turn 1 cos x. Each quarter turn
// changes sin into cos and cos into -sin.
double sinTurned(const Reduced& r, int turn) {
    const int quadrant = (r.quadrant + turn) & 3;
    const double v = (quadrant & 1) != 0 ? cosKernel(r.hi, r.lo) : sinKernel(r.hi, r.lo);
    return (quadrant & 2) != 0 ? -v : v;
}

// ---- atan ----------------------------------------------------------------------------------

// atan(t) for |t| <= 7/16 as t + t^3 A(t^2), the cubic part returned apart.
double atanTail(double t) {
    const double z = t * t;
    const double a =
        -0x1.5555555555555p-2 +
        z * (0x1.99999999998c5p-3 +
             z * (-0x1.2492492485503p-3 +
                  z * (0x1.c71c71bd2b8bcp-4 +
                       z * (-0x1.745d154c84f7ap-4 +
                            z * (0x1.3b1375ce5bdc6p-4 +
                                 z * (-0x1.110c9ce7b0572p-4 +
                                      z * (0x1.e170800a46210p-5 +
                                           z * (-0x1.ab59b417b2d3fp-5 +
                                                z * (0x1.7001816fd063fp-5 +
                                                     z * (-0x1.0f62bba6a2558p-5 +
                                                          z * 0x1.e4167464d3de8p-7))))))))));
    return (z * t) * a;
}

// atan(n / x) for n >= 0 (a double-double) and x > 0, both well inside the range of doubles,
// as a double-double: atan(q) = atan(b) + atan(t) with t = (q - b) / (1 + b q) = (n - b x) /
// (x + b n), b one of 0, 1/2, 1, 3/2 and infinity as q = n / x lies, so that |t| <= 7/16. The
// numerator is exact and t is found to twice the precision with one division; t.lo enters through
// atan's slope 1 / (1 + t^2).
Dd atanOfRatio(Dd n, double x) {
    constexpr double kAtanHalfHi = 0x1.dac670561bb4fp-2;
    constexpr double kAtanHalfLo = 0x1.a2b7f222f65e2p-56;
    constexpr double kAtanThreeHalvesHi = 0x1.f730bd281f69bp-1;
    constexpr double kAtanThreeHalvesLo = 0x1.007887af0cbbdp-56;
    const double y = n.hi;
    if (y >= x * 0x1p66) {
        return {kHalfPiHi, kHalfPiLo - x / y};
    }
    Dd base{0, 0};
    Dd t{0, 0};
    if (y >= x * (39.0 / 16)) {
        base = {kHalfPiHi, kHalfPiLo};
        t = divideDd({-x, 0}, n);
    } else if (y >= x * (19.0 / 16)) {
        base = {kAtanThreeHalvesHi, kAtanThreeHalvesLo};
        const Dd px = twoProduct(1.5, x);
        const Dd py = twoProduct(1.5, y);
        const Dd d = twoSum(x, py.hi);
        t = divideDd(twoSum(y - px.hi, n.lo - px.lo), {d.hi, d.lo + (py.lo + 1.5 * n.lo)});
    } else if (y >= x * (11.0 / 16)) {
        base = {kQuarterPiHi, kQuarterPiLo};
        const Dd d = twoSum(x, y);
        t = divideDd({y - x, n.lo}, {d.hi, d.lo + n.lo});
    } else if (y >= x * (7.0 / 16)) {
        base = {kAtanHalfHi, kAtanHalfLo};
        const Dd d = twoSum(2 * x, y);
        t = divideDd({2 * y - x, 2 * n.lo}, {d.hi, d.lo + n.lo});
    } else {
        t = x == 1 ? n : divideDd(n, {x, 0});
    }
    const double slope = t.lo / (1 + t.hi * t.hi);
    const Dd s = twoSum(base.hi, t.hi);
    return fastTwoSum(s.hi, s.lo + (atanTail(t.hi) + (base.lo + slope)));
}

// An angle a = atan(|y| / |x|) in [0, pi/2] placed in the quadrant of (x, y).
double placeAngle(Dd a, double y, double x) {
    if (x > 0) {
        return std::copysign(a.hi + a.lo, y);
    }
    const Dd s = twoSum(kPiHi, -a.hi);
    return std::copysign(s.hi + (s.lo + (kPiLo - a.lo)), y);
}

// ---- exp and log ---------------------------------------------------------------------------

// 2^(j/32), j = 0 .. 31, as double-doubles.
constexpr Dd kTwoToJ32[32] = {
    {0x1.0000000000000p+0, 0x0.0p+0},
    {0x1.059b0d3158574p+0, 0x1.d73e2a475b465p-55},
    {0x1.0b5586cf9890fp+0, 0x1.8a62e4adc610bp-54},
    {0x1.11301d0125b51p+0, -0x1.6c51039449b3ap-54},
    {0x1.172b83c7d517bp+0, -0x1.19041b9d78a76p-55},
    {0x1.1d4873168b9aap+0, 0x1.e016e00a2643cp-54},
    {0x1.2387a6e756238p+0, 0x1.9b07eb6c70573p-54},
    {0x1.29e9df51fdee1p+0, 0x1.612e8afad1255p-55},
    {0x1.306fe0a31b715p+0, 0x1.6f46ad23182e4p-55},
    {0x1.371a7373aa9cbp+0, -0x1.63aeabf42eae2p-54},
    {0x1.3dea64c123422p+0, 0x1.ada0911f09ebcp-55},
    {0x1.44e086061892dp+0, 0x1.89b7a04ef80d0p-59},
    {0x1.4bfdad5362a27p+0, 0x1.d4397afec42e2p-56},
    {0x1.5342b569d4f82p+0, -0x1.07abe1db13cadp-55},
    {0x1.5ab07dd485429p+0, 0x1.6324c054647adp-54},
    {0x1.6247eb03a5585p+0, -0x1.383c17e40b497p-54},
    {0x1.6a09e667f3bcdp+0, -0x1.bdd3413b26456p-54},
    {0x1.71f75e8ec5f74p+0, -0x1.16e4786887a99p-55},
    {0x1.7a11473eb0187p+0, -0x1.41577ee04992fp-55},
    {0x1.82589994cce13p+0, -0x1.d4c1dd41532d8p-54},
    {0x1.8ace5422aa0dbp+0, 0x1.6e9f156864b27p-54},
    {0x1.93737b0cdc5e5p+0, -0x1.75fc781b57ebcp-57},
    {0x1.9c49182a3f090p+0, 0x1.c7c46b071f2bep-56},
    {0x1.a5503b23e255dp+0, -0x1.d2f6edb8d41e1p-54},
    {0x1.ae89f995ad3adp+0, 0x1.7a1cd345dcc81p-54},
    {0x1.b7f76f2fb5e47p+0, -0x1.5584f7e54ac3bp-56},
    {0x1.c199bdd85529cp+0, 0x1.11065895048ddp-55},
    {0x1.cb720dcef9069p+0, 0x1.503cbd1e949dbp-56},
    {0x1.d5818dcfba487p+0, 0x1.2ed02d75b3707p-55},
    {0x1.dfc97337b9b5fp+0, -0x1.1a5cd4f184b5cp-54},
    {0x1.ea4afa2a490dap+0, -0x1.e9c23179c2893p-54},
    {0x1.f50765b6e4540p+0, 0x1.9d3e12dd8a18bp-54},
};

// e^x = 2^power (hi + lo).
struct Scaled {
    double hi;
    double lo;
    int power;
};

// e^(x.hi + x.lo) for |x.hi| <= 746: x = (32 m + j) ln2/32 + r with |r| <= ln2/64, e^x =
// 2^m 2^(j/32) e^r, e^r - 1 = r + r^2/2 + r^3 (1/6 + r/24 + ...) with the first two terms to
// twice the precision. About 2^-100 relative.
constexpr double kThirtyTwoOverLn2 = 0x1.71547652b82fep+5;
constexpr double kLn2Over32Hi = 0x1.62e42fefa0000p-6; // 37 bits: n kLn2Over32Hi is exact
constexpr double kLn2Over32Lo = 0x1.cf79abc9e3b3ap-45;

Scaled expDd(Dd x) {
    const double n = nearestWhole(x.hi * kThirtyTwoOverLn2);
    const int steps = static_cast<int>(n);
    const Dd r = twoSum(x.hi - n * kLn2Over32Hi, x.lo - n * kLn2Over32Lo);
    const Dd half = twoProduct(r.hi, 0.5 * r.hi);
    const Dd s = twoSum(r.hi, half.hi);
    const double cubic =
        (r.hi * (2 * half.hi)) *
        (1.0 / 6 +
         r.hi * (1.0 / 24 + r.hi * (1.0 / 120 + r.hi * (1.0 / 720 + r.hi * (1.0 / 5040)))));
    const Dd p = fastTwoSum(s.hi, s.lo + (half.lo + cubic + r.lo * (1 + r.hi)));
    // 2^(j/32) (1 + p)
    const Dd t = kTwoToJ32[steps & 31];
    const Dd tp = twoProduct(t.hi, p.hi);
    const Dd sum = twoSum(t.hi, tp.hi);
    const Dd e = fastTwoSum(sum.hi, sum.lo + (tp.lo + t.hi * p.lo + t.lo * (1 + p.hi)));
    return {e.hi, e.lo, steps >> 5};
}

// e^x for |x| <= 708 (a normal result) in working precision: the same reduction as expDd, then
// e^r - 1 to degree 6 in plain doubles, whose rounding errors stay below 2^-58 of the result
// against the half ulp of the last addition. A third of expDd's cost.
double expNormal(double x) {
    const double n = nearestWhole(x * kThirtyTwoOverLn2);
    const int steps = static_cast<int>(n);
    const double r = (x - n * kLn2Over32Hi) - n * kLn2Over32Lo;
    const double p =
        r + (r * r) * (0.5 + r * (1.0 / 6 + r * (1.0 / 24 + r * (1.0 / 120 + r * (1.0 / 720)))));
    // 2^(j/32) (1 + p)
    const Dd t = kTwoToJ32[steps & 31];
    return scale(t.hi + (t.hi * p + t.lo * (1 + p)), steps >> 5);
}

// For c = 1 + j/256, j = -75 .. 106: 1/c and ln c as a double-double.
struct LogEntry {
    double inverse;
    double logHi;
    double logLo;
};
constexpr LogEntry kLogTable[182] = {
    {0x1.6a13cd1537290p+0, -0x1.630030b3aac49p-2, -0x1.dc18ce51fff99p-57},
    {0x1.6816816816817p+0, -0x1.5d5bddf595f30p-2, 0x1.6541148cbb8a2p-56},
    {0x1.661ec6a5122f9p+0, -0x1.57bf753c8d1fbp-2, 0x1.0908d15f88b63p-57},
    {0x1.642c8590b2164p+0, -0x1.522ae0738a3d8p-2, 0x1.8f7e9b38a6979p-57},
    {0x1.623fa77016240p+0, -0x1.4c9e09e172c3cp-2, 0x1.123615b147a5dp-58},
    {0x1.6058160581606p+0, -0x1.4718dc271c41bp-2, -0x1.8fb4c14c56eefp-60},
    {0x1.5e75bb8d015e7p+0, -0x1.419b423d5e8c7p-2, -0x1.0dbb243827392p-57},
    {0x1.5c9882b931057p+0, -0x1.3c25277333184p-2, 0x1.2ad27e50a8ec6p-56},
    {0x1.5ac056b015ac0p+0, -0x1.36b6776be1117p-2, 0x1.324f0e883858ep-58},
    {0x1.58ed2308158edp+0, -0x1.314f1e1d35ce4p-2, 0x1.3d69909e5c3dcp-56},
    {0x1.571ed3c506b3ap+0, -0x1.2bef07cdc9354p-2, 0x1.82dad7fd86088p-56},
    {0x1.5555555555555p+0, -0x1.269621134db92p-2, -0x1.e0efadd9db02bp-56},
    {0x1.5390948f40febp+0, -0x1.214456d0eb8d4p-2, -0x1.f7ae91aeba60ap-57},
    {0x1.51d07eae2f815p+0, -0x1.1bf99635a6b95p-2, 0x1.12aeb84249223p-57},
    {0x1.5015015015015p+0, -0x1.16b5ccbacfb73p-2, -0x1.66fbd28b40935p-56},
    {0x1.4e5e0a72f0539p+0, -0x1.1178e8227e47cp-2, 0x1.0e63a5f01c691p-57},
    {0x1.4cab88725af6ep+0, -0x1.0c42d676162e3p-2, -0x1.162c79d5d11eep-58},
    {0x1.4afd6a052bf5bp+0, -0x1.07138604d5862p-2, -0x1.cdb16ed4e9138p-56},
    {0x1.49539e3b2d067p+0, -0x1.01eae5626c691p-2, 0x1.18290bd2932e2p-59},
    {0x1.47ae147ae147bp+0, -0x1.f991c6cb3b379p-3, -0x1.f665066f980a2p-57},
    {0x1.460cbc7f5cf9ap+0, -0x1.ef5ade4dcffe6p-3, 0x1.08ab2ddc708a0p-58},
    {0x1.446f86562d9fbp+0, -0x1.e530effe71012p-3, -0x1.2276041f43042p-59},
    {0x1.42d6625d51f87p+0, -0x1.db13db0d48940p-3, -0x1.aa11d49f96cb9p-58},
    {0x1.4141414141414p+0, -0x1.d1037f2655e7bp-3, -0x1.60629242471a2p-57},
    {0x1.3fb013fb013fbp+0, -0x1.c6ffbc6f00f71p-3, 0x1.8e58b2c57a4a5p-57},
    {0x1.3e22cbce4a902p+0, -0x1.bd087383bd8adp-3, -0x1.dd355f6a516d7p-60},
    {0x1.3c995a47babe7p+0, -0x1.b31d8575bce3dp-3, 0x1.6353ab386a94dp-57},
    {0x1.3b13b13b13b14p+0, -0x1.a93ed3c8ad9e3p-3, -0x1.bcafa9de97203p-57},
    {0x1.3991c2c187f63p+0, -0x1.9f6c407089664p-3, -0x1.35a19605e67efp-59},
    {0x1.3813813813814p+0, -0x1.95a5adcf7017fp-3, -0x1.142c507fb7a3dp-58},
    {0x1.3698df3de0748p+0, -0x1.8beafeb38fe8cp-3, -0x1.55aa8b6997a40p-58},
    {0x1.3521cfb2b78c1p+0, -0x1.823c16551a3c2p-3, 0x1.1232ce70be781p-57},
    {0x1.33ae45b57bcb2p+0, -0x1.7898d85444c73p-3, -0x1.ef8f6ebcfb201p-58},
    {0x1.323e34a2b10bfp+0, -0x1.6f0128b756abcp-3, 0x1.8de59c21e166cp-57},
    {0x1.30d190130d190p+0, -0x1.6574ebe8c133ap-3, 0x1.d34f0f4621bedp-60},
    {0x1.2f684bda12f68p+0, -0x1.5bf406b543db2p-3, 0x1.1f5b44c0df7e7p-61},
    {0x1.2e025c04b8097p+0, -0x1.527e5e4a1b58dp-3, 0x1.71a9682395bfdp-61},
    {0x1.2c9fb4d812ca0p+0, -0x1.4913d8333b561p-3, 0x1.0d5604930f135p-58},
    {0x1.2b404ad012b40p+0, -0x1.3fb45a59928ccp-3, 0x1.d87e6a354d056p-57},
    {0x1.29e4129e4129ep+0, -0x1.365fcb0159016p-3, -0x1.7d411a5b944adp-58},
    {0x1.288b01288b013p+0, -0x1.2d1610c86813ap-3, 0x1.499a3f25af95fp-58},
    {0x1.27350b8812735p+0, -0x1.23d712a49c202p-3, 0x1.6e38161051d69p-57},
    {0x1.25e22708092f1p+0, -0x1.1aa2b7e23f72ap-3, 0x1.c6ef1d9b2ef7ep-59},
    {0x1.2492492492492p+0, -0x1.1178e8227e47cp-3, 0x1.0e63a5f01c691p-58},
    {0x1.23456789abcdfp+0, -0x1.08598b59e3a07p-3, 0x1.dd7009902bf32p-57},
    {0x1.21fb78121fb78p+0, -0x1.fe89139dbd566p-4, 0x1.ac9f4215f9393p-58},
    {0x1.20b470c67c0d9p+0, -0x1.ec739830a1120p-4, 0x1.a2bf991780d3fp-59},
    {0x1.1f7047dc11f70p+0, -0x1.da727638446a2p-4, -0x1.401fa71733019p-58},
    {0x1.1e2ef3b3fb874p+0, -0x1.c885801bc4b23p-4, -0x1.a38cb559a6706p-58},
    {0x1.1cf06ada2811dp+0, -0x1.b6ac88dad5b1cp-4, 0x1.0057eed1ca59fp-59},
    {0x1.1bb4a4046ed29p+0, -0x1.a4e7640b1bc38p-4, 0x1.5b5ca203e4259p-58},
    {0x1.1a7b9611a7b96p+0, -0x1.9335e5d594989p-4, 0x1.478a85704ccb7p-58},
    {0x1.19453808ca29cp+0, -0x1.8197e2f40e3f0p-4, -0x1.b9f2dffbeed43p-60},
    {0x1.1811811811812p+0, -0x1.700d30aeac0e1p-4, 0x1.72566212cdd05p-61},
    {0x1.16e0689427379p+0, -0x1.5e95a4d9791cbp-4, -0x1.f38745c5c450ap-58},
    {0x1.15b1e5f75270dp+0, -0x1.4d3115d207eacp-4, -0x1.769f42c7842ccp-58},
    {0x1.1485f0e0acd3bp+0, -0x1.3bdf5a7d1ee64p-4, -0x1.7a976d3b5b45fp-59},
    {0x1.135c81135c811p+0, -0x1.2aa04a44717a5p-4, 0x1.d15d38d2fa3f7p-58},
    {0x1.12358e75d3033p+0, -0x1.1973bd1465567p-4, 0x1.7558367a6acf6p-59},
    {0x1.1111111111111p+0, -0x1.08598b59e3a07p-4, 0x1.dd7009902bf32p-58},
    {0x1.0fef010fef011p+0, -0x1.eea31c006b87cp-5, 0x1.3e4fc93b7b66cp-59},
    {0x1.0ecf56be69c90p+0, -0x1.ccb73cdddb2ccp-5, 0x1.e48fb0500efd4p-59},
    {0x1.0db20a88f4696p+0, -0x1.aaef2d0fb10fcp-5, -0x1.a353bb42e0addp-61},
    {0x1.0c9714fbcda3bp+0, -0x1.894aa149fb343p-5, -0x1.a8be97660a23dp-60},
    {0x1.0b7e6ec259dc8p+0, -0x1.67c94f2d4bb58p-5, -0x1.0413e6505e603p-59},
    {0x1.0a6810a6810a7p+0, -0x1.466aed42de3eap-5, 0x1.cdd6f7f4a137ep-59},
    {0x1.0953f39010954p+0, -0x1.252f32f8d183fp-5, 0x1.947f792615916p-59},
    {0x1.0842108421084p+0, -0x1.0415d89e74444p-5, -0x1.c05cf1d753622p-59},
    {0x1.073260a47f7c6p+0, -0x1.c63d2ec14aaf2p-6, 0x1.ce030a686bd86p-60},
    {0x1.0624dd2f1a9fcp+0, -0x1.8492528c8cabfp-6, 0x1.d192d0619fa67p-60},
    {0x1.05197f7d73404p+0, -0x1.432a925980cc1p-6, 0x1.8cdaf39004192p-60},
    {0x1.0410410410410p+0, -0x1.0205658935847p-6, -0x1.27c8e8416e71fp-60},
    {0x1.03091b51f5e1ap+0, -0x1.82448a388a2aap-7, -0x1.04b16137f09a0p-62},
    {0x1.0204081020408p+0, -0x1.010157588de71p-7, -0x1.46662d417ced0p-62},
    {0x1.0101010101010p+0, -0x1.0080559588b35p-8, -0x1.f96638cf63677p-62},
    {0x1.0000000000000p+0, 0x0.0p+0, 0x0.0p+0},
    {0x1.fe01fe01fe020p-1, 0x1.ff00aa2b10bc0p-9, 0x1.2821ad5a6d353p-63},
    {0x1.fc07f01fc07f0p-1, 0x1.fe02a6b106789p-8, -0x1.e44b7e3711ebfp-67},
    {0x1.fa11caa01fa12p-1, 0x1.7dc475f810a77p-7, -0x1.16d7687d3df21p-62},
    {0x1.f81f81f81f820p-1, 0x1.fc0a8b0fc03e4p-7, -0x1.83092c59642a1p-62},
    {0x1.f6310aca0dbb5p-1, 0x1.3cea44346a575p-6, -0x1.0cb5a902b3a1cp-62},
    {0x1.f44659e4a4271p-1, 0x1.7b91b07d5b11bp-6, -0x1.5b602ace3a510p-60},
    {0x1.f25f644230ab5p-1, 0x1.b9fc027af9198p-6, -0x1.0ae69229dc868p-64},
    {0x1.f07c1f07c1f08p-1, 0x1.f829b0e783300p-6, 0x1.33e3f04f1ef23p-60},
    {0x1.ee9c7f8458e02p-1, 0x1.1b0d98923d980p-5, -0x1.e9ae889bac481p-60},
    {0x1.ecc07b301ecc0p-1, 0x1.39e87b9febd60p-5, -0x1.5bfa937f551bbp-59},
    {0x1.eae807aba01ebp-1, 0x1.58a5bafc8e4d5p-5, -0x1.ce55c2b4e2b72p-59},
    {0x1.e9131abf0b767p-1, 0x1.77458f632dcfcp-5, 0x1.18d3ca87b9296p-59},
    {0x1.e741aa59750e4p-1, 0x1.95c830ec8e3ebp-5, 0x1.f5a0e80520bf2p-59},
    {0x1.e573ac901e574p-1, 0x1.b42dd711971bfp-5, -0x1.eb9759c130499p-60},
    {0x1.e3a9179dc1a73p-1, 0x1.d276b8adb0b52p-5, 0x1.1e3c53257fd47p-61},
    {0x1.e1e1e1e1e1e1ep-1, 0x1.f0a30c01162a6p-5, 0x1.85f325c5bbacdp-59},
    {0x1.e01e01e01e01ep-1, 0x1.075983598e471p-4, 0x1.80da5333c45b8p-59},
    {0x1.de5d6e3f8868ap-1, 0x1.16536eea37ae1p-4, -0x1.79da3e8c22cdap-60},
    {0x1.dca01dca01dcap-1, 0x1.253f62f0a1417p-4, -0x1.c125963fc4cfdp-62},
    {0x1.dae6076b981dbp-1, 0x1.341d7961bd1d1p-4, -0x1.b599f227becbbp-58},
    {0x1.d92f2231e7f8ap-1, 0x1.42edcbea646f0p-4, 0x1.ddd4f935996c9p-59},
    {0x1.d77b654b82c34p-1, 0x1.51b073f06183fp-4, 0x1.a49e39a1a8be4p-58},
    {0x1.d5cac807572b2p-1, 0x1.60658a93750c4p-4, -0x1.388458ec21b6ap-58},
    {0x1.d41d41d41d41dp-1, 0x1.6f0d28ae56b4cp-4, -0x1.906d99184b992p-58},
    {0x1.d272ca3fc5b1ap-1, 0x1.7da766d7b12cdp-4, -0x1.eeedfcdd94131p-58},
    {0x1.d0cb58f6ec074p-1, 0x1.8c345d6319b21p-4, -0x1.4a697ab3424a9p-61},
    {0x1.cf26e5c44bfc6p-1, 0x1.9ab42462033adp-4, -0x1.2099e1c184e8ep-59},
    {0x1.cd85689039b0bp-1, 0x1.a926d3a4ad563p-4, 0x1.942f48aa70ea9p-58},
    {0x1.cbe6d9601cbe7p-1, 0x1.b78c82bb0eda1p-4, 0x1.0878cf0327e21p-61},
    {0x1.ca4b3055ee191p-1, 0x1.c5e548f5bc743p-4, 0x1.5d617ef8161b1p-60},
    {0x1.c8b265afb8a42p-1, 0x1.d4313d66cb35dp-4, 0x1.790dd951d90fap-58},
    {0x1.c71c71c71c71cp-1, 0x1.e27076e2af2e6p-4, -0x1.61578001e0162p-60},
    {0x1.c5894d10d4986p-1, 0x1.f0a30c01162a6p-4, 0x1.85f325c5bbacdp-58},
    {0x1.c3f8f01c3f8f0p-1, 0x1.fec9131dbeabbp-4, -0x1.5746b9981b36cp-58},
    {0x1.c26b5392ea01cp-1, 0x1.0671512ca596ep-3, 0x1.50c647eb86499p-58},
    {0x1.c0e070381c0e0p-1, 0x1.0d77e7cd08e59p-3, 0x1.9a5dc5e9030acp-57},
    {0x1.bf583ee868d8bp-1, 0x1.14785846742acp-3, 0x1.a28813e3a7f07p-57},
    {0x1.bdd2b899406f7p-1, 0x1.1b72ad52f67a0p-3, 0x1.483023472cd74p-58},
    {0x1.bc4fd65883e7bp-1, 0x1.2266f190a5acbp-3, 0x1.f547bf1809e88p-57},
    {0x1.bacf914c1bad0p-1, 0x1.29552f81ff523p-3, 0x1.301771c407dbfp-57},
    {0x1.b951e2b18ff23p-1, 0x1.303d718e47fd3p-3, -0x1.6b9c7d96091fap-63},
    {0x1.b7d6c3dda338bp-1, 0x1.371fc201e8f74p-3, 0x1.de6cb62af18a0p-58},
    {0x1.b65e2e3beee05p-1, 0x1.3dfc2b0ecc62ap-3, -0x1.ab3a8e7d81017p-58},
    {0x1.b4e81b4e81b4fp-1, 0x1.44d2b6ccb7d1ep-3, 0x1.9f4f6543e1f88p-57},
    {0x1.b37484ad806cep-1, 0x1.4ba36f39a55e5p-3, 0x1.68981bcc36756p-57},
    {0x1.b2036406c80d9p-1, 0x1.526e5e3a1b438p-3, -0x1.746ff8a470d3ap-57},
    {0x1.b094b31d922a4p-1, 0x1.59338d9982086p-3, -0x1.65d22aa8ad7cfp-58},
    {0x1.af286bca1af28p-1, 0x1.5ff3070a793d4p-3, -0x1.bc60efafc6f6ep-58},
    {0x1.adbe87f94905ep-1, 0x1.66acd4272ad51p-3, -0x1.0900e4e1ea8b2p-58},
    {0x1.ac5701ac5701bp-1, 0x1.6d60fe719d21dp-3, -0x1.caae268ecd179p-57},
    {0x1.aaf1d2f87ebfdp-1, 0x1.740f8f54037a5p-3, -0x1.b264062a84cdbp-58},
    {0x1.a98ef606a63bep-1, 0x1.7ab890210d909p-3, 0x1.be36b2d6a0608p-59},
    {0x1.a82e65130e159p-1, 0x1.815c0a14357ebp-3, -0x1.4be48073a0564p-58},
    {0x1.a6d01a6d01a6dp-1, 0x1.87fa06520c911p-3, -0x1.bf7fdbfa08d9ap-57},
    {0x1.a574107688a4ap-1, 0x1.8e928de886d41p-3, -0x1.569d851a56770p-57},
    {0x1.a41a41a41a41ap-1, 0x1.9525a9cf456b4p-3, 0x1.d904c1d4e2e26p-57},
    {0x1.a2c2a87c51ca0p-1, 0x1.9bb362e7dfb83p-3, 0x1.575e31f003e0cp-57},
    {0x1.a16d3f97a4b02p-1, 0x1.a23bc1fe2b563p-3, 0x1.93711b07a998cp-59},
    {0x1.a01a01a01a01ap-1, 0x1.a8becfc882f19p-3, -0x1.e8c37918c39ebp-58},
    {0x1.9ec8e951033d9p-1, 0x1.af3c94e80bff3p-3, -0x1.398cff3641985p-58},
    {0x1.9d79f176b682dp-1, 0x1.b5b519e8fb5a4p-3, 0x1.ba27fdc19e1a0p-57},
    {0x1.9c2d14ee4a102p-1, 0x1.bc286742d8cd6p-3, 0x1.4fce744870f55p-58},
    {0x1.9ae24ea5510dap-1, 0x1.c2968558c18c1p-3, -0x1.73dee38a3fb6bp-57},
    {0x1.999999999999ap-1, 0x1.c8ff7c79a9a22p-3, -0x1.4f689f8434012p-57},
    {0x1.9852f0d8ec0ffp-1, 0x1.cf6354e09c5dcp-3, 0x1.239a07d55b695p-57},
    {0x1.970e4f80cb872p-1, 0x1.d5c216b4fbb91p-3, 0x1.6e443597e4d40p-57},
    {0x1.95cbb0be377aep-1, 0x1.dc1bca0abec7dp-3, 0x1.834c51998b6fcp-57},
    {0x1.948b0fcd6e9e0p-1, 0x1.e27076e2af2e6p-3, -0x1.61578001e0162p-59},
    {0x1.934c67f9b2ce6p-1, 0x1.e8c0252aa5a60p-3, -0x1.6e03a39bfc89bp-59},
    {0x1.920fb49d0e229p-1, 0x1.ef0adcbdc5936p-3, 0x1.48637950dc20dp-57},
    {0x1.90d4f120190d5p-1, 0x1.f550a564b7b37p-3, 0x1.c5f6dfd018c37p-61},
    {0x1.8f9c18f9c18fap-1, 0x1.fb9186d5e3e2bp-3, -0x1.caaae64f21acbp-57},
    {0x1.8e6527af1373fp-1, 0x1.00e6c45ad501dp-2, -0x1.cb9568ff6feadp-57},
    {0x1.8d3018d3018d3p-1, 0x1.0402594b4d041p-2, -0x1.28ec217a5022dp-57},
    {0x1.8bfce8062ff3ap-1, 0x1.071b85fcd590dp-2, 0x1.d1707f97bde80p-58},
    {0x1.8acb90f6bf3aap-1, 0x1.0a324e27390e3p-2, 0x1.7dcfde8061c03p-56},
    {0x1.899c0f601899cp-1, 0x1.0d46b579ab74bp-2, 0x1.03ec81c3cbd92p-57},
    {0x1.886e5f0abb04ap-1, 0x1.1058bf9ae4ad5p-2, 0x1.89fa0ab4cb31dp-58},
    {0x1.87427bcc092b9p-1, 0x1.136870293a8b0p-2, 0x1.7b66298edd24ap-56},
    {0x1.8618618618618p-1, 0x1.1675cababa60ep-2, 0x1.ce63eab883717p-61},
    {0x1.84f00c2780614p-1, 0x1.1980d2dd4236fp-2, 0x1.9d3d1b0e4d147p-56},
    {0x1.83c977ab2beddp-1, 0x1.1c898c16999fbp-2, -0x1.0e5c62aff1c44p-60},
    {0x1.82a4a0182a4a0p-1, 0x1.1f8ff9e48a2f3p-2, -0x1.c9fdf9a0c4b07p-56},
    {0x1.8181818181818p-1, 0x1.22941fbcf7966p-2, -0x1.76f5eb09628afp-56},
    {0x1.8060180601806p-1, 0x1.2596010df763ap-2, -0x1.0f76c57075e9ep-58},
    {0x1.7f405fd017f40p-1, 0x1.2895a13de86a3p-2, 0x1.7ad24c13f040ep-56},
    {0x1.7e225515a4f1dp-1, 0x1.2b9303ab89d25p-2, -0x1.896b5fd852ad4p-56},
    {0x1.7d05f417d05f4p-1, 0x1.2e8e2bae11d31p-2, -0x1.8f4cdb95ebdf9p-56},
    {0x1.7beb3922e017cp-1, 0x1.31871c9544185p-2, -0x1.51acc4c09b379p-60},
    {0x1.7ad2208e0ecc3p-1, 0x1.347dd9a987d55p-2, -0x1.4dd4c580919f8p-57},
    {0x1.79baa6bb6398bp-1, 0x1.3772662bfd85bp-2, -0x1.b5629d8117de7p-59},
    {0x1.78a4c8178a4c8p-1, 0x1.3a64c556945eap-2, -0x1.c68651945f97cp-57},
    {0x1.77908119ac60dp-1, 0x1.3d54fa5c1f710p-2, -0x1.e3265c6a1c98dp-56},
    {0x1.767dce434a9b1p-1, 0x1.404308686a7e4p-2, -0x1.0bcfb6082ce6dp-56},
    {0x1.756cac201756dp-1, 0x1.432ef2a04e814p-2, -0x1.29931715ac903p-56},
    {0x1.745d1745d1746p-1, 0x1.4618bc21c5ec2p-2, 0x1.f42decdeccf1dp-56},
    {0x1.734f0c541fe8dp-1, 0x1.49006804009d1p-2, -0x1.9ffc341f177dcp-57},
    {0x1.724287f46debcp-1, 0x1.4be5f957778a1p-2, -0x1.259b35b04813dp-57},
    {0x1.713786d9c7c09p-1, 0x1.4ec973260026ap-2, -0x1.42a87d977dc5ep-56},
    {0x1.702e05c0b8170p-1, 0x1.51aad872df82dp-2, 0x1.3927ac19f55e3p-59},
    {0x1.6f26016f26017p-1, 0x1.548a2c3add263p-2, -0x1.819cf7e308ddbp-57},
    {0x1.6e1f76b4337c7p-1, 0x1.5767717455a6cp-2, 0x1.526adb283660cp-56},
    {0x1.6d1a62681c861p-1, 0x1.5a42ab0f4cfe2p-2, -0x1.8ebcb7dee9a3dp-56},
    {0x1.6c16c16c16c17p-1, 0x1.5d1bdbf5809cap-2, 0x1.4236383dc7fe1p-56},
    {0x1.6b1490aa31a3dp-1, 0x1.5ff3070a793d4p-2, -0x1.bc60efafc6f6ep-57},
    {0x1.6a13cd1537290p-1, 0x1.62c82f2b9c795p-2, 0x1.7b7af915300e5p-57},
};

// ln x for finite x > 0 as a double-double, about 2^-64 relative: x = 2^k m with m in
// [sqrt(1/2), sqrt(2)), m = c (1 + r) with c = 1 + j/256 the nearest, so |r| <= 2^-8.5, and
// ln x = k ln 2 + ln c + ln(1 + r), ln(1 + r) = r - r^2/2 + r^3 (1/3 - r/4 + ... + r^4/7).
// r = (m - c)/c to twice the precision: m - c is exact, and so is r c with r cut into a part of
// 44 bits and one of 9 (c has 9 bits).
Dd logDd(double x) {
    std::uint64_t bits = bitsOf(x);
    int k = -1023;
    if (bits < (1ULL << 52)) { // subnormal
        bits = bitsOf(x * 0x1p54);
        k -= 54;
    }
    // m in [1, 2), or halved where above sqrt(2) (whose fraction bits are 0x6a09e667f3bcd),
    // chosen without a branch.
    const std::uint64_t fraction = bits & ((1ULL << 52) - 1);
    const std::uint64_t above = fraction > 0x6a09e667f3bcdULL ? 1 : 0;
    k += static_cast<int>(bits >> 52) + static_cast<int>(above);
    const double m = fromBits(fraction | ((1023 - above) << 52));
    const double j = nearestWhole((m - 1) * 256);
    const double c = 1 + j * (1.0 / 256);
    const LogEntry& e = kLogTable[static_cast<int>(j) + 75];
    const double f = m - c;
    const double r = f * e.inverse;
    const double t = 513 * r;
    const double r1 = t - (t - r);
    const double rl = ((f - r1 * c) - (r - r1) * c) * e.inverse;
    const Dd square = twoProduct(r, -0.5 * r);
    const double cubic =
        ((r * r) * r) * (1.0 / 3 + r * (-1.0 / 4 + r * (1.0 / 5 + r * (-1.0 / 6 + r * (1.0 / 7)))));
    const Dd small = twoSum(r, square.hi);
    const double kd = static_cast<double>(k);
    const Dd large = twoSum(kd * kLn2Hi, e.logHi);
    const Dd sum = twoSum(large.hi, small.hi);
    const double low = (rl - r * rl) + square.lo + cubic + small.lo;
    return fastTwoSum(sum.hi, sum.lo + (large.lo + (kd * kLn2Lo + e.logLo) + low));
}

// ln(x.hi + x.lo) for x.hi > 0 finite.
Dd logOfDd(Dd x) {
    const Dd l = logDd(x.hi);
    return fastTwoSum(l.hi, l.lo + x.lo / x.hi);
}

// e^x - 1 for |x| <= ln2/2 as a double-double: x + x^2/2 + x^3 (1/6 + x/24 + ...) to degree 16.
Dd expm1Small(double x) {
    const Dd half = twoProduct(x, 0.5 * x);
    const Dd s = twoSum(x, half.hi);
    // 1/n! for n = 15 down to 3; 1/16! starts the sum.
    constexpr double kInverseFactorials[] = {
        1 / 1307674368000.0, 1 / 87178291200.0, 1 / 6227020800.0, 1 / 479001600.0, 1 / 39916800.0,
        1 / 3628800.0,       1 / 362880.0,      1 / 40320.0,      1 / 5040.0,      1 / 720.0,
        1 / 120.0,           1 / 24.0,          1 / 6.0};
    double tail = 1 / 20922789888000.0;
    for (const double inverse : kInverseFactorials) {
        tail = inverse + x * tail;
    }
    const double cubic = (x * (2 * half.hi)) * tail;
    return fastTwoSum(s.hi, s.lo + (half.lo + cubic));
}

// e^x - 1 as a double-double for finite x in [-40, 709.8].
Dd expm1Dd(double x) {
    if (std::fabs(x) <= 0.34657359027997264) {
        return expm1Small(x);
    }
    const Scaled e = expDd({x, 0});
    const Dd s = twoSum(scale(e.hi, e.power), -1);
    return fastTwoSum(s.hi, s.lo + scale(e.lo, e.power));
}

// Whether y is a whole number, and an odd one.
bool isWhole(double y) {
    return std::trunc(y) == y;
}
bool isOdd(double y) {
    return isWhole(y) && !isWhole(0.5 * y);
}

// x^n for 2^-60 < x < 2^60 and |n| <= 16 by repeated squaring to twice the precision (no
// overflow or underflow on the way), rounded once.
double wholePower(double x, int n) {
    Dd result{1, 0};
    Dd base{x, 0};
    for (int k = n < 0 ? -n : n; k > 0; k >>= 1) {
        if ((k & 1) != 0) {
            result = multiply(result, base);
        }
        if (k > 1) {
            base = multiply(base, base);
        }
    }
    if (n < 0) {
        result = quotient(1, result);
    }
    return result.hi + result.lo;
}

double powSpecial(double x, double y, bool& handled);

} // namespace

// ---- The functions -------------------------------------------------------------------------

double sin(double x) {
    if (std::fabs(x) < 0x1p-26) {
        return x; // sin x = x (1 - x^2/6) rounds to x; keeps -0 and subnormals
    }
    return sinTurned(reduceAny(x), 0);
}

double cos(double x) {
    return sinTurned(reduceAny(x), 1);
}

SinCos sinCos(double x) {
    if (std::fabs(x) < 0x1p-26) {
        return {x, 1};
    }
    const Reduced r = reduceAny(x);
    return {sinTurned(r, 0), sinTurned(r, 1)};
}

double atan(double x) {
    if (std::isnan(x)) {
        return x;
    }
    if (std::fabs(x) < 0x1p-27) {
        return x;
    }
    const Dd a = atanOfRatio({std::fabs(x), 0}, 1);
    return std::copysign(a.hi + a.lo, x);
}

double atan2(double y, double x) {
    if (std::isnan(x) || std::isnan(y)) {
        return x + y;
    }
    if (y == 0) {
        return std::signbit(x) ? std::copysign(kPiHi, y) : y;
    }
    if (std::isinf(y)) {
        if (std::isinf(x)) {
            return std::copysign(x > 0 ? kQuarterPiHi : 3 * kQuarterPiHi, y);
        }
        return std::copysign(kHalfPiHi, y);
    }
    if (x == 0) {
        return std::copysign(kHalfPiHi, y);
    }
    if (std::isinf(x)) {
        return x > 0 ? std::copysign(0.0, y) : std::copysign(kPiHi, y);
    }
    double ax = std::fabs(x);
    double ay = std::fabs(y);
    if (ay > ax * 0x1p60) {
        return std::copysign(kHalfPiHi, y);
    }
    if (ax > ay * 0x1p60 && x > 0) {
        return y / x; // atan(t) = t (1 - t^2/3 ...) rounds to t
    }
    // Both brought near 1 by the same power of two where the exact products of the quotient's
    // remainder would leave the range of doubles.
    if (ax > 0x1p450 || ax < 0x1p-450 || ay > 0x1p450 || ay < 0x1p-450) {
        const int ex = exponentOf(x);
        ax = scale(ax, -ex);
        ay = scale(ay, -ex);
    }
    return placeAngle(atanOfRatio({ay, 0}, ax), y, x);
}

double acos(double x) {
    if (std::isnan(x)) {
        return x;
    }
    if (std::fabs(x) > 1) {
        return kNaN;
    }
    if (x == 1) {
        return 0;
    }
    if (x == -1) {
        return kPiHi;
    }
    if (std::fabs(x) < 0x1p-60) {
        return kHalfPiHi + (kHalfPiLo - x);
    }
    // acos x = atan(sqrt(1 - x^2) / x), the root to twice the precision.
    const Dd square = twoProduct(x, x);
    const Dd d = twoSum(1, -square.hi);
    const Dd root = squareRoot(fastTwoSum(d.hi, d.lo - square.lo));
    return placeAngle(atanOfRatio(root, std::fabs(x)), 1, x);
}

double hypotScaled(double a, double b) {
    if (std::isinf(a) || std::isinf(b)) {
        return kInf;
    }
    if (std::isnan(a) || std::isnan(b)) {
        return a + b;
    }
    if (b <= a * 0x1p-60) {
        return a + b; // b^2 is below half an ulp of a^2 (or b is 0)
    }
    // a brought to [1, 2) by a power of two, which leaves the rounding as it is.
    const int e = exponentOf(a);
    return scale(exact::rootOfSquares(scale(a, -e), scale(b, -e)), e);
}

double exp(double x) {
    if (std::isnan(x)) {
        return x;
    }
    if (x > 709.782712893384) {
        return kInf;
    }
    if (x < -745.1332191019412) {
        return 0;
    }
    if (std::fabs(x) < 0x1p-54) {
        return 1 + x;
    }
    if (std::fabs(x) <= 708) {
        return expNormal(x);
    }
    const Scaled e = expDd({x, 0});
    return scale(e.hi + e.lo, e.power);
}

double expm1(double x) {
    if (std::isnan(x)) {
        return x;
    }
    if (x > 709.782712893384) {
        return kInf;
    }
    if (x < -40) {
        return -1;
    }
    if (std::fabs(x) < 0x1p-54) {
        return x;
    }
    const Dd e = expm1Dd(x);
    return e.hi + e.lo;
}

double log(double x) {
    if (x > 0 && x < kInf) {
        const Dd l = logDd(x);
        return l.hi + l.lo;
    }
    if (std::isnan(x)) {
        return x;
    }
    if (x < 0) {
        return kNaN;
    }
    if (x == 0) {
        return -kInf;
    }
    if (std::isinf(x)) {
        return x;
    }
    const Dd l = logDd(x);
    return l.hi + l.lo;
}

double log1p(double x) {
    if (std::isnan(x)) {
        return x;
    }
    if (x < -1) {
        return kNaN;
    }
    if (x == -1) {
        return -kInf;
    }
    if (std::isinf(x)) {
        return x;
    }
    if (std::fabs(x) < 0x1p-54) {
        return x;
    }
    const Dd l = logOfDd(twoSum(1, x));
    return l.hi + l.lo;
}

double log10(double x) {
    constexpr double kInvLn10Hi = 0x1.bcb7b1526e50ep-2;
    constexpr double kInvLn10Lo = 0x1.95355baaafad3p-57;
    if (!(x > 0) || std::isinf(x)) {
        return log(x);
    }
    const Dd l = multiply(logDd(x), {kInvLn10Hi, kInvLn10Lo});
    return l.hi + l.lo;
}

double pow(double x, double y) {
    bool handled = false;
    const double special = powSpecial(x, y, handled);
    if (handled) {
        return special;
    }
    // x^1, x^2 and x^-1 are single correctly rounded operations.
    if (y == 1) {
        return x;
    }
    if (y == 2) {
        return x * x;
    }
    if (y == -1) {
        return 1 / x;
    }
    const double sign = x < 0 && isOdd(y) ? -1 : 1;
    const double ax = std::fabs(x);
    if (y == 0.5) {
        return std::sqrt(ax); // x > 0 here; the root is correctly rounded
    }
    if (std::fabs(y) <= 16 && isWhole(y) && ax < 0x1p60 && ax > 0x1p-60) {
        return sign * wholePower(ax, static_cast<int>(y));
    }
    // |x|^y = e^(y ln|x|), y ln|x| to twice the precision.
    const Dd l = logDd(ax);
    const double estimate = y * l.hi;
    if (estimate > 800) {
        return sign * kInf;
    }
    if (estimate < -800) {
        return sign * 0.0;
    }
    const Dd p = twoProduct(y, l.hi);
    const Scaled e = expDd(fastTwoSum(p.hi, p.lo + y * l.lo));
    return sign * scale(e.hi + e.lo, e.power);
}

double tanh(double x) {
    if (std::isnan(x)) {
        return x;
    }
    const double ax = std::fabs(x);
    if (ax > 22) {
        return std::copysign(1.0, x);
    }
    if (ax < 0x1p-28) {
        return x;
    }
    // tanh |x| = -t / (t + 2) with t = e^(-2|x|) - 1, or 1 - 2 / (t + 2) with t = e^(2|x|) - 1
    // where that is large; both quotients to twice the precision.
    if (ax < 1) {
        const Dd t = expm1Dd(-2 * ax);
        const Dd d = twoSum(t.hi, 2);
        const Dd q = quotient(-t.hi, fastTwoSum(d.hi, d.lo + t.lo));
        return std::copysign(q.hi + (q.lo - t.lo / d.hi), x);
    }
    const Dd t = expm1Dd(2 * ax);
    const Dd d = twoSum(t.hi, 2);
    const Dd q = quotient(2, fastTwoSum(d.hi, d.lo + t.lo));
    const Dd r = twoSum(1, -q.hi);
    return std::copysign(r.hi + (r.lo - q.lo), x);
}

Complex divideScaled(Complex a, Complex b) {
    const double br = b.real();
    const double bi = b.imag();
    if (!std::isfinite(br) || !std::isfinite(bi)) {
        if (std::isinf(br) || std::isinf(bi)) { // a finite: the quotient is 0
            const double ur = std::isinf(br) ? std::copysign(1.0, br) : std::copysign(0.0, br);
            const double ui = std::isinf(bi) ? std::copysign(1.0, bi) : std::copysign(0.0, bi);
            return {0.0 * (a.real() * ur + a.imag() * ui), 0.0 * (a.imag() * ur - a.real() * ui)};
        }
        return {kNaN, kNaN};
    }
    if (br == 0 && bi == 0) {
        return {a.real() / br, a.imag() / br};
    }
    const double ar = a.real();
    const double ai = a.imag();
    // b = 2^eb b' with b's larger part in [1, 2), a = 2^ea a' likewise.
    const int eb = std::max(br != 0 ? exponentOf(br) : -1100, bi != 0 ? exponentOf(bi) : -1100);
    const double sr = scale(br, -eb);
    const double si = scale(bi, -eb);
    if (!std::isfinite(ar) || !std::isfinite(ai)) {
        return {(ar * sr + ai * si), (ai * sr - ar * si)};
    }
    if (ar == 0 && ai == 0) {
        return {(ar * sr + ai * si), (ai * sr - ar * si)};
    }
    const int ea = std::max(ar != 0 ? exponentOf(ar) : -1100, ai != 0 ? exponentOf(ai) : -1100);
    const double tr = scale(ar, -ea);
    const double ti = scale(ai, -ea);
    const double n = sr * sr + si * si;
    return {scale((tr * sr + ti * si) / n, ea - eb), scale((ti * sr - tr * si) / n, ea - eb)};
}

double logAbs(Complex z) {
    const double x = std::fabs(z.real());
    const double y = std::fabs(z.imag());
    if (std::isinf(x) || std::isinf(y)) {
        return kInf;
    }
    if (std::isnan(x) || std::isnan(y)) {
        return x + y;
    }
    if (x == 0 && y == 0) {
        return -kInf;
    }
    // ln |z| = ln(2^e) + ln(x'^2 + y'^2) / 2, the sum of squares to twice the precision.
    const int e = std::max(x != 0 ? exponentOf(x) : -1100, y != 0 ? exponentOf(y) : -1100);
    const double a = scale(x, -e);
    const double b = scale(y, -e);
    const Dd a2 = twoProduct(a, a);
    const Dd b2 = twoProduct(b, b);
    const Dd s = twoSum(a2.hi, b2.hi);
    const Dd l = logOfDd(fastTwoSum(s.hi, s.lo + (a2.lo + b2.lo)));
    const double ed = static_cast<double>(e);
    const Dd r = twoSum(ed * kLn2Hi, 0.5 * l.hi);
    return r.hi + (r.lo + (0.5 * l.lo + ed * kLn2Lo));
}

namespace {

// pow's cases that the C library names: zeros, infinities, NaNs, 1 and negative bases.
double powSpecial(double x, double y, bool& handled) {
    handled = true;
    if (y == 0 || x == 1) {
        return 1;
    }
    if (std::isnan(x) || std::isnan(y)) {
        return x + y;
    }
    if (std::isinf(y)) {
        const double ax = std::fabs(x);
        if (ax == 1) {
            return 1;
        }
        return (ax < 1) == (y < 0) ? kInf : 0;
    }
    if (x == 0 || std::isinf(x)) {
        // 0^y and inf^y: a pole or a zero, signed like x where y is odd.
        const bool large = (x == 0) == (y < 0);
        const double magnitude = large ? kInf : 0;
        return isOdd(y) ? std::copysign(magnitude, x) : magnitude;
    }
    if (x < 0 && !isWhole(y)) {
        return kNaN;
    }
    if (x == -1) {
        return isOdd(y) ? -1 : 1;
    }
    handled = false;
    return 0;
}

} // namespace

} // namespace kestrel::portable
