// SPDX-License-Identifier: MIT
#include "plots/colour_map.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace kestrel {

namespace {

constexpr double kPi = std::numbers::pi;

// A colour in polar CIE L*a*b*: magnitude M = |(L, a, b)|, saturation s (the angle from the
// lightness axis) and hue h (the angle in the a-b plane).
struct Msh {
    double M = 0, s = 0, h = 0;
};

double toLinear(double c) {
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double fromLinear(double c) {
    return c <= 0.0031308 ? 12.92 * c : 1.055 * std::pow(c, 1 / 2.4) - 0.055;
}

// The D65 white point of sRGB.
constexpr double kXn = 0.95047, kYn = 1.0, kZn = 1.08883;

double labF(double t) {
    return t > 216.0 / 24389 ? std::cbrt(t) : (24389.0 / 27 * t + 16) / 116;
}

double labFInverse(double f) {
    const double cube = f * f * f;
    return cube > 216.0 / 24389 ? cube : (116 * f - 16) * 27 / 24389;
}

Msh mshOf(int red, int green, int blue) {
    const double r = toLinear(red / 255.0);
    const double g = toLinear(green / 255.0);
    const double b = toLinear(blue / 255.0);
    const double x = 0.4124564 * r + 0.3575761 * g + 0.1804375 * b;
    const double y = 0.2126729 * r + 0.7151522 * g + 0.0721750 * b;
    const double z = 0.0193339 * r + 0.1191920 * g + 0.9503041 * b;
    const double fx = labF(x / kXn), fy = labF(y / kYn), fz = labF(z / kZn);
    const double L = 116 * fy - 16;
    const double A = 500 * (fx - fy);
    const double B = 200 * (fy - fz);
    const double M = std::sqrt(L * L + A * A + B * B);
    return {M, M > 0 ? std::acos(L / M) : 0, std::atan2(B, A)};
}

Colour colourOf(const Msh& c) {
    const double L = c.M * std::cos(c.s);
    const double A = c.M * std::sin(c.s) * std::cos(c.h);
    const double B = c.M * std::sin(c.s) * std::sin(c.h);
    const double fy = (L + 16) / 116;
    const double x = kXn * labFInverse(fy + A / 500);
    const double y = kYn * labFInverse(fy);
    const double z = kZn * labFInverse(fy - B / 200);
    const double linear[3] = {3.2404542 * x - 1.5371385 * y - 0.4985314 * z,
                              -0.9692660 * x + 1.8760108 * y + 0.0415560 * z,
                              0.0556434 * x - 0.2040259 * y + 1.0572252 * z};
    int byte[3];
    for (int i = 0; i < 3; ++i) {
        const double v = std::clamp(fromLinear(std::clamp(linear[i], 0.0, 1.0)), 0.0, 1.0);
        byte[i] = static_cast<int>(std::lround(v * 255));
    }
    return rgb(byte[0], byte[1], byte[2]);
}

// The hue an unsaturated colour takes next to a saturated one, turned a little so that the
// path from the saturated colour to white does not bend visibly in hue.
double adjustedHue(const Msh& saturated, double unsaturatedM) {
    if (saturated.M >= unsaturatedM) {
        return saturated.h;
    }
    const double spin = saturated.s *
                        std::sqrt(unsaturatedM * unsaturatedM - saturated.M * saturated.M) /
                        (saturated.M * std::sin(saturated.s));
    return saturated.h > -kPi / 3 ? saturated.h + spin : saturated.h - spin;
}

// The two saturated ends meet in an unsaturated middle of magnitude at least 88 (light grey);
// each half runs linearly in M, s and h from its end to the middle.
Colour interpolate(Msh a, Msh b, double f) {
    if (a.s > 0.05 && b.s > 0.05 && std::fabs(a.h - b.h) > kPi / 3) {
        const double middle = std::max({a.M, b.M, 88.0});
        if (f < 0.5) {
            b = {middle, 0, 0};
            f = 2 * f;
        } else {
            a = {middle, 0, 0};
            f = 2 * f - 1;
        }
    }
    if (a.s < 0.05 && b.s > 0.05) {
        a.h = adjustedHue(b, a.M);
    } else if (b.s < 0.05 && a.s > 0.05) {
        b.h = adjustedHue(a, b.M);
    }
    return colourOf({(1 - f) * a.M + f * b.M, (1 - f) * a.s + f * b.s, (1 - f) * a.h + f * b.h});
}

const Msh kCool = mshOf(59, 76, 192);
const Msh kWarm = mshOf(180, 4, 38);

} // namespace

double cpPosition(double Cp) {
    if (std::isnan(Cp)) {
        return 0.5;
    }
    if (Cp < 0) {
        return 0.5 * (1 - std::min(Cp / kCpMin, 1.0));
    }
    return 0.5 + 0.5 * std::min(Cp / kCpMax, 1.0);
}

double cpAtPosition(double position) {
    const double p = std::clamp(position, 0.0, 1.0);
    return p < 0.5 ? kCpMin * (1 - 2 * p) : kCpMax * (2 * p - 1);
}

Colour coolWarm(double position) {
    return interpolate(kCool, kWarm, std::clamp(position, 0.0, 1.0));
}

int cpBand(double Cp) {
    return std::min(static_cast<int>(cpPosition(Cp) * kCpBands), kCpBands - 1);
}

Colour bandColour(int band) {
    static const std::array<Colour, kCpBands> colours = [] {
        std::array<Colour, kCpBands> table{};
        for (int i = 0; i < kCpBands; ++i) {
            table[static_cast<std::size_t>(i)] = coolWarm((i + 0.5) / kCpBands);
        }
        return table;
    }();
    return colours[static_cast<std::size_t>(std::clamp(band, 0, kCpBands - 1))];
}

} // namespace kestrel
