// SPDX-License-Identifier: MIT
// The frame of a small study chart: its axes with grid, numbers and titles around a plotting box,
// and the clipped area inside the box in which its curves are drawn.
#pragma once

#include "plots/surface.h"

#include <string>

namespace kestrel {

// One axis: `first` at the left (or the bottom), `last` at the right (or the top), grid lines
// every `step` from `first` (step has the sign of last - first), numbers with `decimals`.
struct ChartAxis {
    double first = 0;
    double last = 1;
    double step = 0.1;
    int decimals = 1;
};

// A vertical axis from `low` to `high` with about `lines` grid steps of 1, 2 or 5 times a power
// of ten, both ends on the grid. `downward` puts `low` at the top (pressure coefficients,
// suction up).
ChartAxis valueAxis(double low, double high, int lines, bool downward = false);

struct ChartFrame {
    ChartAxis x;
    ChartAxis y;
    std::string xTitle;
    std::string yTitle;
    // Room around the plotting box for numbers, titles and a legend, as fractions of the axes'
    // spans.
    double leftRoom = 0.16;
    double rightRoom = 0.03;
    double topRoom = 0.10;
    double bottomRoom = 0.22;
};

// Colours of the frame: grid light grey, axes and their texts dark grey.
Colour chartGridColour();
Colour chartAxisColour();

// Clears the surface, sets its scale to the frame with its room, draws the grid, the box, the
// numbers and the titles, and begins the plotting area: the items after it until endPlotArea are
// clipped to the box (in the same user coordinates).
void beginChart(Surface& s, const ChartFrame& frame);
// Back to the whole surface, unclipped, in the same user coordinates.
void endPlotArea(Surface& s);

// A short legend line and its text at (x, y) in the chart's user coordinates.
void legendEntry(Surface& s, const ChartFrame& frame, double x, double y, Colour colour,
                 double widthPx, const std::string& text);

} // namespace kestrel
