// SPDX-License-Identifier: MIT
#include "plots/plots.h"

#include "plots/colours.h"

namespace kestrel {

namespace {

struct Point {
    double x, y;
};

// Draws the closed point list 1..nP as nSeg segments: the counter runs from 1 while it stays at
// or below nHalf in clRed (the lower side), then from nHalf + 1 while it stays at or below nSeg
// in clBlue (the upper side). Indices come from the real-valued counter, rounded half to even,
// so an even point count draws the upper half through every second point.
template <typename PointAt> void drawTwoHalves(Surface& surface, const State& s, PointAt pointAt) {
    for (double i = 1; i <= s.nHalf; ++i) {
        const Point a = pointAt(i);
        const Point b = pointAt(i + 1);
        surface.Line(a.x, a.y, b.x, b.y, s.clRed);
    }
    for (double i = s.nHalf + 1; i <= s.nSeg; ++i) {
        const Point a = pointAt(i);
        const Point b = pointAt(i + 1);
        surface.Line(a.x, a.y, b.x, b.y, s.clBlue);
    }
}

Colour gridColour(const State& s, bool throughZero) {
    return throughZero ? s.clBlack : s.clGreen;
}

// The vertical and horizontal grid of the two coefficient plots: lines at every fourth degree
// from -12 to 12, and at every 0.5 of the coefficient from -1.5 up to topTenths / 10.
void drawCoefficientGrid(Surface& surface, const State& s, double bottom, double top,
                         int topTenths) {
    for (int a = -12; a <= 12; a += 4) {
        surface.Line(a, bottom, a, top, gridColour(s, a == 0));
    }
    for (int b = -15; b <= topTenths; b += 5) {
        const double y = b / 10.0;
        surface.Line(-12, -y, 12, -y, gridColour(s, b == 0));
    }
}

// A coefficient curve over AlfaArr(0..24), each value divided by `divisor`.
void drawCurve(Surface& surface, const State& s, const CurveArray& values, double divisor,
               Colour colour) {
    for (long k = 1; k <= 24; ++k) {
        surface.Line(s.AlfaArr[k - 1], -values[k - 1] / divisor, s.AlfaArr[k], -values[k] / divisor,
                     colour);
    }
}

// The incompressible curve with its red marker, then, where the compressible curves are shown,
// the magenta curve and marker divided by the Prandtl-Glauert factor.
void drawCoefficientCurves(Surface& surface, const State& s, const CurveArray& values,
                           double current, CompressibleCurves curves) {
    drawCurve(surface, s, values, 1, s.clBlue);
    surface.Circle(s.AlfaD, -current, 0.4, s.clRed);
    if (curves == CompressibleCurves::Hidden) {
        return;
    }
    drawCurve(surface, s, values, s.PGfactor, kMagenta);
    surface.Circle(s.AlfaD, -current / s.PGfactor, 0.4, kMagenta);
}

} // namespace

void drawCirclePlane(Surface& daire, const State& s) {
    daire.Cls();
    daire.Scale(-2, -2, 2, 2);
    daire.Line(-2, 0, 2, 0);
    daire.Line(0, -2, 0, 2);
    daire.Line(-s.eps - 0.1, -s.mu, -s.eps + 0.1, -s.mu);
    daire.Line(-s.eps, -s.mu - 0.1, -s.eps, -s.mu + 0.1);
    drawTwoHalves(daire, s, [&s](double j) { return Point{s.xCirc.at(j), -s.yCirc.at(j)}; });
}

void drawProfile(Surface& profil, const State& s) {
    profil.Cls();
    profil.Scale(-0.1, -0.35, 1.1, 0.25);
    for (int i = 0; i <= 12; i += 2) {
        const double x = i / 10.0;
        profil.Line(x, -0.3, x, 0.2, gridColour(s, i == 0));
    }
    for (int j = -4; j <= 2; ++j) {
        const double y = j / 10.0;
        profil.Line(0, y, 1, y, gridColour(s, j == 0));
    }
    drawTwoHalves(profil, s, [&s](double j) { return Point{s.xProf.at(j), -s.yProf.at(j)}; });
}

void drawMomentMarker(Surface& profil, const State& s) {
    profil.Circle(s.xM, 0, 0.01, s.clRed);
}

void drawPressure(Surface& pressure, const State& s, CompressibleCurves curves) {
    pressure.Cls();
    pressure.Scale(-0.1, -5.5, 1.1, 0.5);
    // A real counter summed in steps of 0.2; its seventh value is the double 1.2.
    for (double x = 0; x <= 1.2; x += 0.2) {
        pressure.Line(x, -5, x, 0, gridColour(s, x == 0));
    }
    for (int k = 0; k <= 5; ++k) {
        pressure.Line(0, -k, 1, -k, gridColour(s, k == 0));
    }
    drawTwoHalves(pressure, s, [&s](double i) { return Point{s.xProf.at(i), -(1 - s.Cp.at(i))}; });
    if (curves == CompressibleCurves::Hidden) {
        return;
    }
    for (double j = 2; j <= s.nP; ++j) {
        pressure.Line(s.xProf.at(j - 1), -(1 - s.Cp.at(j - 1) / s.PGfactor), s.xProf.at(j),
                      -(1 - s.Cp.at(j) / s.PGfactor), kMagenta);
    }
}

void drawLiftCurve(Surface& pictureCL, const State& s, CompressibleCurves curves) {
    pictureCL.Cls();
    pictureCL.Scale(-16, -4, 16, 2);
    drawCoefficientGrid(pictureCL, s, -3.5, 1.5, 35);
    drawCoefficientCurves(pictureCL, s, s.CLarr, s.CLcur, curves);
}

void drawMomentCurve(Surface& pictureCM, const State& s, double current,
                     CompressibleCurves curves) {
    pictureCM.Cls();
    pictureCM.Scale(-16, -2.4, 16, 2);
    drawCoefficientGrid(pictureCM, s, -2, 1.5, 20);
    drawCoefficientCurves(pictureCM, s, s.CMarr, current, curves);
}

} // namespace kestrel
