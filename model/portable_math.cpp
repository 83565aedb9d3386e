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

struct Dd {
    double hi;
    double lo;
};

// a + b = s + e exactly.
Dd twoSum(double a, double b) {
    const double s = a + b;
    const double bb = s - a;
    return {s, (a - (s - bb)) + (b - bb)};
}

// a + b = s + e exactly, given |a| >= |b| (or a == 0).
Dd fastTwoSum(double a, double b) {
    const double s = a + b;
    return {s, b - (s - a)};
}

// a = hi + lo with hi of 26 significant bits, so that products of halves are exact.
Dd splitHalves(double a) {
    constexpr double kSplitter = 134217729.0; // 2^27 + 1
    const double t = kSplitter * a;
    const double hi = t - (t - a);
    return {hi, a - hi};
}

// a b = p + e exactly (Dekker's product; |a|, |b| well below 2^996).
Dd twoProduct(double a, double b) {
    const double p = a * b;
    const Dd x = splitHalves(a);
    const Dd y = splitHalves(b);
    return {p, ((x.hi * y.hi - p) + x.hi * y.lo + x.lo * y.hi) + x.lo * y.lo};
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

// sqrt(a.hi + a.lo) as a double-double: the rounded root and the Newton correction.
Dd squareRoot(Dd a) {
    const double r = std::sqrt(a.hi);
    const Dd r2 = twoProduct(r, r);
    return {r, (((a.hi - r2.hi) - r2.lo) + a.lo) / (2 * r)};
}

// n / d, d a double-double, to about 2^-104 relative.
Dd quotient(double n, Dd d) {
    const double q = n / d.hi;
    const Dd p = twoProduct(q, d.hi);
    return {q, (((n - p.hi) - p.lo) - q * d.lo) / d.hi};
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
    const double k = std::nearbyint(x * kTwoOverPiValue);
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

// sin and cos of a reduced argument, quadrant by quadrant.
SinCos sinCosOf(const Reduced& r) {
    const double s = sinKernel(r.hi, r.lo);
    const double c = cosKernel(r.hi, r.lo);
    switch (r.quadrant) {
    case 0:
        return {s, c};
    case 1:
        return {c, -s};
    case 2:
        return {-s, -c};
    default:
        return {-c, s};
    }
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

// atan(q.hi + q.lo) for q >= 0 as a double-double: atan(q) = base + atan(t) with t = (q - b) /
// (1 + b q), b one of 0, 1/2, 1, 3/2 and infinity as q lies, so that |t| <= 7/16; t to twice
// the precision, and q.lo through atan's slope 1 / (1 + q^2).
Dd atanDd(Dd q) {
    constexpr double kAtanHalfHi = 0x1.dac670561bb4fp-2;
    constexpr double kAtanHalfLo = 0x1.a2b7f222f65e2p-56;
    constexpr double kAtanThreeHalvesHi = 0x1.f730bd281f69bp-1;
    constexpr double kAtanThreeHalvesLo = 0x1.007887af0cbbdp-56;
    const double x = q.hi;
    if (x >= 0x1p66) {
        return {kHalfPiHi, kHalfPiLo - 1 / x};
    }
    Dd base{0, 0};
    Dd t{x, 0};
    if (x >= 39.0 / 16) {
        base = {kHalfPiHi, kHalfPiLo};
        const Dd minusOne = quotient(-1, {x, 0});
        t = minusOne;
    } else if (x >= 19.0 / 16) {
        base = {kAtanThreeHalvesHi, kAtanThreeHalvesLo};
        const Dd p = twoProduct(1.5, x);
        const Dd s = twoSum(1, p.hi);
        t = quotient(x - 1.5, fastTwoSum(s.hi, s.lo + p.lo));
    } else if (x >= 11.0 / 16) {
        base = {kQuarterPiHi, kQuarterPiLo};
        t = quotient(x - 1, twoSum(1, x));
    } else if (x >= 7.0 / 16) {
        base = {kAtanHalfHi, kAtanHalfLo};
        t = quotient(2 * x - 1, twoSum(2, x));
    }
    const double slopes = t.lo / (1 + t.hi * t.hi) + q.lo / (1 + x * x);
    const Dd s = twoSum(base.hi, t.hi);
    return fastTwoSum(s.hi, s.lo + (atanTail(t.hi) + (base.lo + slopes)));
}

// atan(|y| / |x|) placed in the quadrant of (x, y), for finite nonzero x and y given as
// |y| / |x| = q.
double placeAngle(Dd q, double y, double x) {
    const Dd a = atanDd(q);
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
Scaled expDd(Dd x) {
    constexpr double kThirtyTwoOverLn2 = 0x1.71547652b82fep+5;
    constexpr double kLn2Over32Hi = 0x1.62e42fefa0000p-6; // 37 bits: n kLn2Over32Hi is exact
    constexpr double kLn2Over32Lo = 0x1.cf79abc9e3b3ap-45;
    const double n = std::nearbyint(x.hi * kThirtyTwoOverLn2);
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

// ln x for finite x > 0 as a double-double, about 2^-65 relative: x = 2^k m with m in
// [sqrt(1/2), sqrt(2)), ln m = 2 atanh(s) = 2s + 2s^3/3 + s^5 L(s^2) with s = (m - 1)/(m + 1),
// the first two terms to twice the precision.
Dd logDd(double x) {
    constexpr double kTwoThirdsHi = 0x1.5555555555555p-1;
    constexpr double kTwoThirdsLo = 0x1.5555555555555p-55;
    int k = exponentOf(x);
    double m = scale(x, -k);
    if (m > 0x1.6a09e667f3bcdp+0) {
        m *= 0.5;
        ++k;
    }
    const double f = m - 1;
    const Dd s = quotient(f, twoSum(2, f));
    const Dd z = twoProduct(s.hi, s.hi);
    const Dd cube = multiply(multiply(z, {s.hi, 0}), {kTwoThirdsHi, kTwoThirdsLo});
    const double l =
        0x1.999999999999ap-2 +
        z.hi * (0x1.2492492492521p-2 +
                z.hi * (0x1.c71c71c6eaa10p-3 +
                        z.hi * (0x1.745d177a96056p-3 +
                                z.hi * (0x1.3b1395d2190c1p-3 +
                                        z.hi * (0x1.1118c7e4b0917p-3 +
                                                z.hi * (0x1.df7cc8e5fa539p-4 +
                                                        z.hi * 0x1.e02e6fff27908p-4))))));
    const double rest = (z.hi * z.hi) * s.hi * l + 2 * z.hi * s.lo;
    const Dd a = twoSum(2 * s.hi, cube.hi);
    const Dd lnM = fastTwoSum(a.hi, a.lo + (2 * s.lo + cube.lo + rest));
    const double kd = static_cast<double>(k);
    const Dd b = twoSum(kd * kLn2Hi, lnM.hi);
    return fastTwoSum(b.hi, b.lo + (lnM.lo + kd * kLn2Lo));
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

double powSpecial(double x, double y, bool& handled);

} // namespace

// ---- The functions -------------------------------------------------------------------------

double sin(double x) {
    if (std::fabs(x) < 0x1p-26) {
        return x; // sin x = x (1 - x^2/6) rounds to x; keeps -0 and subnormals
    }
    if (std::fabs(x) <= kQuarterPiHi) {
        return sinKernel(x, 0);
    }
    if (!std::isfinite(x)) {
        return kNaN;
    }
    return sinCosOf(reduce(x)).sin;
}

double cos(double x) {
    if (std::fabs(x) < 0x1p-27) {
        return 1;
    }
    if (std::fabs(x) <= kQuarterPiHi) {
        return cosKernel(x, 0);
    }
    if (!std::isfinite(x)) {
        return kNaN;
    }
    return sinCosOf(reduce(x)).cos;
}

SinCos sinCos(double x) {
    if (std::fabs(x) <= kQuarterPiHi) {
        return {sin(x), cos(x)};
    }
    if (!std::isfinite(x)) {
        return {kNaN, kNaN};
    }
    return sinCosOf(reduce(x));
}

double atan(double x) {
    if (std::isnan(x)) {
        return x;
    }
    if (std::fabs(x) < 0x1p-27) {
        return x;
    }
    const Dd a = atanDd({std::fabs(x), 0});
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
    const int ex = exponentOf(x);
    const int ey = exponentOf(y);
    if (ey - ex > 60) {
        return std::copysign(kHalfPiHi, y);
    }
    if (ex - ey > 60 && x > 0) {
        return y / x; // atan(t) = t (1 - t^2/3 ...) rounds to t
    }
    // |y| / |x| to twice the precision, from both brought near 1 by the same power of two.
    const double ax = scale(std::fabs(x), -ex);
    const double ay = scale(std::fabs(y), -ex);
    const double q = ay / ax;
    const Dd p = twoProduct(q, ax);
    return placeAngle({q, ((ay - p.hi) - p.lo) / ax}, y, x);
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
    // acos x = atan(sqrt(1 - x^2) / x), the root and the quotient to twice the precision.
    const Dd square = twoProduct(x, x);
    const Dd d = twoSum(1, -square.hi);
    const Dd root = squareRoot(fastTwoSum(d.hi, d.lo - square.lo));
    const double ax = std::fabs(x);
    const double q = root.hi / ax;
    const Dd p = twoProduct(q, ax);
    return placeAngle({q, (((root.hi - p.hi) - p.lo) + root.lo) / ax}, 1, x);
}

double hypot(double x, double y) {
    if (std::isinf(x) || std::isinf(y)) {
        return kInf;
    }
    if (std::isnan(x) || std::isnan(y)) {
        return x + y;
    }
    double a = std::fabs(x);
    double b = std::fabs(y);
    if (a < b) {
        std::swap(a, b);
    }
    if (b == 0) {
        return a;
    }
    const int e = exponentOf(a);
    if (e - exponentOf(b) > 60) {
        return a + b;
    }
    // a^2 + b^2 to twice the precision with a brought to [1, 2), then its root corrected.
    a = scale(a, -e);
    b = scale(b, -e);
    const Dd a2 = twoProduct(a, a);
    const Dd b2 = twoProduct(b, b);
    const Dd s = twoSum(a2.hi, b2.hi);
    const Dd root = squareRoot(fastTwoSum(s.hi, s.lo + (a2.lo + b2.lo)));
    return scale(root.hi + root.lo, e);
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
    // |x|^y = e^(y ln|x|), y ln|x| to twice the precision.
    const double sign = x < 0 && isOdd(y) ? -1 : 1;
    const Dd l = logDd(std::fabs(x));
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

Complex divide(Complex a, Complex b) {
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
    // b = 2^eb b' with b's larger part in [1, 2), a = 2^ea a' likewise.
    const int eb = std::max(br != 0 ? exponentOf(br) : -1100, bi != 0 ? exponentOf(bi) : -1100);
    const double sr = scale(br, -eb);
    const double si = scale(bi, -eb);
    const double ar = a.real();
    const double ai = a.imag();
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
