// SPDX-License-Identifier: MIT
#pragma once

#include "data/katjo.h"
#include "model/checked_array.h"

#include <cstdint>

namespace kestrel {

// Point arrays: indices 0 to 101, points 1 to nP used (points 1 and nP are the trailing edge).
using PointArray = CheckedArray<102>;
// Curve arrays: indices 0 to 30, entries 0 to 24 used (angles -12 to 12 degrees).
using CurveArray = CheckedArray<31>;

// A 24-bit RGB colour with red in the low byte, green in the middle byte, blue in the high byte.
using Colour = std::int32_t;

// The window-wide variables of the program under their own names. Everything starts at 0
// ("unset" reads as 0); the start-up procedure sets the constants and fills the table.
struct State {
    // Constants and the thickness-camber table, set once at start-up.
    double pi = 0;
    long KatJo_last = 0;
    KatJoColumns table;

    // Inputs taken from the scroll bars.
    double Thickness = 0; // t/c
    double Camber = 0;    // f/c
    double nP = 0;        // number of surface points, a whole number
    double AlfaD = 0;     // angle of attack, degrees
    double xM = 0;        // moment reference point, fraction of the chord

    // The profile: circle-plane parameters, scale and point spacing.
    double eps = 0; // circle centre at (-eps, mu)
    double mu = 0;
    double nExp = 0;   // exponent of the mapping, always 2 once a profile exists
    double nSeg = 0;   // nP - 1
    double nHalf = 0;  // nSeg / 2, may end in .5
    double Beta = 0;   // zero-lift angle, radians
    double Delta = 0;  // direction angle of the circle centre, radians
    double Rsq = 0;    // squared circle radius
    double Rc = 0;     // circle radius
    double dOverR = 0; // distance of the centre from the origin over the radius
    double Chord = 0;  // chord in circle-plane units
    double xShift = 0; // shift that puts the leading edge at x = 0
    double RbyC = 0;   // circle radius in chords

    PointArray Theta{"Theta"};
    PointArray xCirc{"xCirc"};
    PointArray yCirc{"yCirc"};
    PointArray xProf{"xProf"};
    PointArray yProf{"yProf"};
    PointArray dZdZeta{"dZdZeta"};
    PointArray Cp{"Cp"};

    // Lift and moment curves.
    CurveArray AlfaArr{"AlfaArr"};
    CurveArray CLarr{"CLarr"};
    CurveArray CMarr{"CMarr"};
    double CLcur = 0;
    double PGfactor = 0;

    // Plot colours, set by renkler.
    Colour clBlack = 0;
    Colour clGreen = 0;
    Colour clBlue = 0;
    Colour clRed = 0;
};

} // namespace kestrel
