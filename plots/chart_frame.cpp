// SPDX-License-Identifier: MIT
#include "plots/chart_frame.h"

#include "model/text.h"

#include <algorithm>
#include <cmath>

namespace kestrel {

namespace {

constexpr Colour kGrid = rgb(218, 218, 218);
constexpr Colour kAxis = rgb(64, 64, 64);

double span(const ChartAxis& a) {
    return a.last - a.first;
}

int gridSteps(const ChartAxis& a) {
    return static_cast<int>(std::lround(span(a) / a.step));
}

double gridValue(const ChartAxis& a, int k) {
    return a.first + k * a.step;
}

float narrow(double value) {
    return static_cast<float>(value);
}

} // namespace

ChartAxis valueAxis(double low, double high, int lines, bool downward) {
    if (!(high > low)) {
        high = low + 1;
    }
    const double rough = (high - low) / std::max(lines, 1);
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    double step = 10 * power;
    for (const double m : {1.0, 2.0, 5.0}) {
        if (m * power >= rough * (1 - 1e-9)) {
            step = m * power;
            break;
        }
    }
    const double from = std::floor(low / step + 1e-9) * step;
    const double to = std::ceil(high / step - 1e-9) * step;
    const int decimals = std::max(0, static_cast<int>(std::ceil(-std::log10(step) - 1e-9)));
    return downward ? ChartAxis{to, from, -step, decimals} : ChartAxis{from, to, step, decimals};
}

Colour chartGridColour() {
    return kGrid;
}

Colour chartAxisColour() {
    return kAxis;
}

void beginChart(Surface& s, const ChartFrame& f) {
    s.Cls();
    const double w = span(f.x);
    const double h = span(f.y);
    s.Scale(f.x.first - f.leftRoom * w, f.y.last + f.topRoom * h, f.x.last + f.rightRoom * w,
            f.y.first - f.bottomRoom * h);
    for (int k = 1; k < gridSteps(f.x); ++k) {
        s.Line(gridValue(f.x, k), f.y.first, gridValue(f.x, k), f.y.last, kGrid);
    }
    for (int k = 1; k < gridSteps(f.y); ++k) {
        s.Line(f.x.first, gridValue(f.y, k), f.x.last, gridValue(f.y, k), kGrid);
    }
    s.Polyline({{f.x.first, f.y.first},
                {f.x.last, f.y.first},
                {f.x.last, f.y.last},
                {f.x.first, f.y.last},
                {f.x.first, f.y.first}},
               kAxis);
    for (int k = 0; k <= gridSteps(f.y); ++k) {
        s.Text(f.x.first - 0.015 * w, gridValue(f.y, k), tickText(gridValue(f.y, k), f.y.decimals),
               kAxis, TextAlign::Right);
    }
    for (int k = 0; k <= gridSteps(f.x); ++k) {
        s.Text(gridValue(f.x, k), f.y.first - 0.07 * h, tickText(gridValue(f.x, k), f.x.decimals),
               kAxis, TextAlign::Centre);
    }
    s.Text((f.x.first + f.x.last) / 2, f.y.first - 0.16 * h, f.xTitle, kAxis, TextAlign::Centre,
           TextFont::Heading);
    s.Text(f.x.first - (f.leftRoom - 0.01) * w, f.y.last + 0.5 * f.topRoom * h, f.yTitle, kAxis,
           TextAlign::Left, TextFont::Heading);
    s.Area(ItemBox{narrow(f.x.first), narrow(f.y.last), narrow(w), narrow(-h)},
           UserRect{narrow(f.x.first), narrow(f.y.last), narrow(f.x.last), narrow(f.y.first)});
}

void endPlotArea(Surface& s) {
    const UserRect& scale = s.scale();
    s.Area(ItemBox{scale.x1, scale.y1, scale.x2 - scale.x1, scale.y2 - scale.y1}, scale);
}

void legendEntry(Surface& s, const ChartFrame& f, double x, double y, Colour colour, double widthPx,
                 const std::string& text) {
    const double w = span(f.x);
    s.Polyline({{x, y}, {x + 0.06 * w, y}}, colour, widthPx);
    s.Text(x + 0.08 * w, y, text, kAxis);
}

} // namespace kestrel
