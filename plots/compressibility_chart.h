// SPDX-License-Identifier: MIT
// The classic compressibility chart of one profile and angle: the critical pressure coefficient
// Cp* and each rule's smallest surface pressure against the free-stream Mach number.
#pragma once

#include "model/compressibility.h"
#include "model/texts.h"
#include "plots/ghost.h"
#include "plots/surface.h"

#include <vector>

namespace kestrel {

// Colours of the chart's curves: Cp* black; Prandtl-Glauert magenta, as the main window's
// compressible curves; Karman-Tsien blue; Laitone orange.
Colour criticalPressureColour();
Colour ruleColour(CompressibilityRule rule);

// The chart's pressure axis: Cp = 0 at the bottom, `top` (negative) at the top, and the step of
// its grid. The top leaves room for the incompressible minimum and twice over, and is at least
// -2: steps of 0.5, 1 or 2 up to -10, beyond that 1, 2 or 5 times a power of ten, at most eight
// of them, so that every curve starts inside the chart.
struct ChartPressureAxis {
    double top = -2;
    double step = 0.5;
};
ChartPressureAxis chartPressureAxis(const SurfaceMinimum& minimum);

// Draws the chart of `chart` (machChart's analyses at M = 0 to 0.99) onto `surface`: grid and
// axes with their numbers, Cp* and each rule's Cp_min against M (a rule's curve stops where it
// breaks down and is cut at the top of the chart), each rule's critical Mach number marked where
// its curve meets Cp*, the current free-stream Mach number `mach` (its sign does not matter) as
// a vertical line when it lies below 1, and a legend, its words in the language of `texts`.
// `surface` is cleared first. With a kept profile, its rules' Cp_min curves and critical Mach
// numbers are drawn faintly behind the current ones, in the rules' ghost colours, and its label
// above the M axis.
void drawCompressibilityChart(Surface& surface, const std::vector<CompressibilityAnalysis>& chart,
                              double mach, const Ghost* kept = nullptr,
                              const Texts& texts = kTableTexts);

// The kept profile's chart, machChart of its surface, computed once per kept profile.
const std::vector<CompressibilityAnalysis>& keptMachChart(const Ghost& kept);

} // namespace kestrel
