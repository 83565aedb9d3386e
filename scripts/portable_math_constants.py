#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
# Prints the constants of model/portable_math.cpp: the bits of 2/pi, the split constants and the
# polynomial coefficients (near-minimax Chebyshev fits at 60 digits), as C++ source lines.
import mpmath as mp

mp.mp.dps = 400


def hexd(x):
    return float(x).hex()


def split(x, bits):
    """x's leading `bits` significant bits and the rest."""
    e = mp.floor(mp.log(abs(x), 2))
    scale = mp.mpf(2) ** (bits - 1 - e)
    hi = mp.floor(x * scale) / scale
    return hi, x - hi


def dd(x):
    hi = mp.mpf(float(x))
    return hi, mp.mpf(float(x - hi))


def fit(f, lo, hi, n):
    coeffs, err = mp.chebyfit(f, [lo, hi], n, error=True)
    return list(reversed(coeffs)), err


two_over_pi = 2 / mp.pi
bits = int(mp.floor(two_over_pi * mp.mpf(2) ** 1280))
words = [(bits >> (64 * (19 - i))) & ((1 << 64) - 1) for i in range(20)]
print("// 2/pi, bits 1 to 1280 after the binary point")
for i in range(0, 20, 4):
    print("    " + ", ".join("0x%016xULL" % w for w in words[i:i + 4]) + ",")

half_pi = mp.pi / 2
p1, r = split(half_pi, 33)
p2, r = split(r, 33)
p3 = mp.mpf(float(r))
print("// pi/2 in three parts", hexd(p1), hexd(p2), hexd(p3))
print("// pi/2 dd", *map(hexd, dd(half_pi)), "pi dd", *map(hexd, dd(mp.pi)))
print("// pi/4 dd", *map(hexd, dd(mp.pi / 4)))
print("// atan(0.5) dd", *map(hexd, dd(mp.atan(0.5))), "atan(1.5) dd", *map(hexd, dd(mp.atan(1.5))))

mp.mp.dps = 120
q = (mp.pi / 4) ** 2
c, e = fit(lambda z: (mp.sin(mp.sqrt(z)) - mp.sqrt(z)) / (z * mp.sqrt(z)) if z else mp.mpf(-1) / 6, 0, q, 7)
print("// sin kernel S(z), err", mp.nstr(e, 3), [hexd(x) for x in c])
c, e = fit(lambda z: (mp.cos(mp.sqrt(z)) - 1 + z / 2) / z ** 2 if z else mp.mpf(1) / 24, 0, q, 7)
print("// cos kernel C(z), err", mp.nstr(e, 3), [hexd(x) for x in c])
t = mp.mpf(7) / 16
c, e = fit(lambda z: (mp.atan(mp.sqrt(z)) - mp.sqrt(z)) / (z * mp.sqrt(z)) if z else mp.mpf(-1) / 3, 0, t * t, 12)
print("// atan kernel A(z), err", mp.nstr(e, 3), [hexd(x) for x in c])
s = (mp.sqrt(2) - 1) / (mp.sqrt(2) + 1)
c, e = fit(lambda z: (2 * mp.atanh(mp.sqrt(z)) - 2 * mp.sqrt(z) - 2 * z * mp.sqrt(z) / 3) / (z * z * mp.sqrt(z)) if z else mp.mpf(2) / 5, 0, s * s * mp.mpf(1.0001), 8)
print("// log kernel L(z), err", mp.nstr(e, 3), [hexd(x) for x in c])
ln2 = mp.log(2)
h, l = split(ln2, 42)
print("// ln2 hi/lo", hexd(h), hexd(l), "dd", *map(hexd, dd(ln2)))
h, l = split(ln2 / 32, 37)
print("// ln2/32 hi/lo", hexd(h), hexd(l), "32/ln2", hexd(32 / ln2))
print("// 1/ln10 dd", *map(hexd, dd(1 / mp.log(10))), "2/3 dd", *map(hexd, dd(mp.mpf(2) / 3)))
print("// 2^(j/32) dd")
for j in range(32):
    print("    {%s, %s}," % tuple(map(hexd, dd(mp.mpf(2) ** (mp.mpf(j) / 32)))))
r = ln2 / 64 * mp.mpf(1.0001)
c, e = fit(lambda x: (mp.exp(x) - 1 - x - x * x / 2) / x ** 3 if x else mp.mpf(1) / 6, -r, r, 5)
print("// exp kernel E(r), err", mp.nstr(e, 3), [hexd(x) for x in c])
r = ln2 / 2 * mp.mpf(1.0001)
c, e = fit(lambda x: (mp.expm1(x) - x - x * x / 2) / x ** 3 if x else mp.mpf(1) / 6, -r, r, 12)
print("// expm1 kernel M(r), err", mp.nstr(e, 3), [hexd(x) for x in c])
mp.mp.dps = 60
print("// ln: c = 1 + j/256 for j = -75 .. 106: {1/c, ln c as a double-double}")
for j in range(-75, 107):
    c = 1 + mp.mpf(j) / 256
    hi, lo = dd(mp.log(c))
    print("    {%s, %s, %s}," % (hexd(1 / c), hexd(hi), hexd(lo)))
