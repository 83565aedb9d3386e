// SPDX-License-Identifier: MIT
#include "plots/flow_layout.h"

#include "model/text.h"
#include "model/texts.h"
#include "plots/colour_map.h"

#include <algorithm>
#include <cmath>
#include <tuple>

namespace kestrel {

namespace {

constexpr Colour kLegendInk = rgb(0, 0, 0);

double lerp(double a, double b, double t) {
    return a + t * (b - a);
}

} // namespace

PlaneWindow flowView(const Flow& flow, double t, double aspect) {
    aspect = std::clamp(aspect, Flow::kNarrowestView, Flow::kWidestView);
    const PlaneWindow a = widenedWindow(flow.circleWindow(), aspect);
    const PlaneWindow b = widenedWindow(flow.profileWindow(), aspect);
    if (t == 0) {
        return a;
    }
    if (t == 1) {
        return b;
    }
    return {lerp(a.xMin, b.xMin, t), lerp(a.xMax, b.xMax, t), lerp(a.yMin, b.yMin, t),
            lerp(a.yMax, b.yMax, t)};
}

FlowLayout flowLayout(int width, int height) {
    const int planeWidth = std::max(0, (width - kFlowLegendWidth - 3 * kFlowGap) / 2);
    const int planeHeight = std::max(0, height - 2 * kFlowGap - kFlowKeyHeight);
    FlowLayout layout;
    layout.left = {kFlowGap, kFlowGap, planeWidth, planeHeight};
    layout.right = {2 * kFlowGap + planeWidth, kFlowGap, planeWidth, planeHeight};
    layout.legend = {3 * kFlowGap + 2 * planeWidth, kFlowGap,
                     std::max(0, width - 3 * kFlowGap - 2 * planeWidth), planeHeight};
    layout.key = {kFlowGap, kFlowGap + planeHeight, std::max(0, width - 2 * kFlowGap),
                  kFlowKeyHeight};
    return layout;
}

double aspectOf(const PixelBox& box) {
    return box.width > 0 && box.height > 0 ? static_cast<double>(box.width) / box.height : 1.0;
}

bool boxContains(const PixelBox& box, double x, double y) {
    return x >= box.left && x <= box.left + box.width && y >= box.top && y <= box.top + box.height;
}

ScaleMap flowPlaneMap(const Flow& flow, const PixelBox& box, double t) {
    const PlaneWindow v = flowView(flow, t, aspectOf(box));
    const UserRect user{static_cast<float>(v.xMin), static_cast<float>(v.yMax),
                        static_cast<float>(v.xMax), static_cast<float>(v.yMin)};
    return ScaleMap(user, box.left, box.top, box.width, box.height);
}

void drawCpLegend(Surface& surface, double profileMinimum, double circleMinimum,
                  const Texts& texts) {
    // x from 0 to 1 across the legend, y the place on the colour map (0 at kCpMin, 1 at kCpMax);
    // room above for the title and the pressure half's name, below for the arrow and the rest.
    surface.Cls();
    surface.Scale(0, 1.16, 1, -0.36);
    constexpr double kBarLeft = 0.06;
    constexpr double kBarRight = 0.3;
    for (int band = 0; band < kCpBands; ++band) {
        const double y0 = static_cast<double>(band) / kCpBands;
        const double y1 = static_cast<double>(band + 1) / kCpBands;
        surface.Polygon({{kBarLeft, y0}, {kBarRight, y0}, {kBarRight, y1}, {kBarLeft, y1}},
                        bandColour(band));
    }
    // Values below kCpMin take the end colour: the bar ends in an arrow.
    surface.Polygon({{kBarLeft, 0}, {kBarRight, 0}, {(kBarLeft + kBarRight) / 2, -0.06}},
                    bandColour(0));
    // Each half is linear: pressure 0 to 1 above, suction 0 to -3 below, ticks evenly spaced.
    for (const double Cp : {1.0, 0.5, 0.0, -1.0, -2.0, -3.0}) {
        const double y = cpPosition(Cp);
        surface.Line(kBarRight, y, kBarRight + 0.08, y, kLegendInk);
        surface.Text(kBarRight + 0.12, y, tickText(Cp, Cp == std::floor(Cp) ? 0 : 1), kLegendInk);
    }
    surface.Line(kBarLeft, cpPosition(0), kBarRight, cpPosition(0), kLegendInk);
    surface.Text(0.04, 1.11, "Cp", kLegendInk, TextAlign::Left, TextFont::Heading);
    surface.Text(0.04, 1.04, std::string(texts[TextId::LegendPressure]), kLegendInk,
                 TextAlign::Left, TextFont::Tick);
    surface.Text(kBarRight + 0.12, -0.05, texts.format(TextId::LegendBelow, {tickText(kCpMin, 0)}),
                 kLegendInk, TextAlign::Left, TextFont::Tick);
    surface.Text(0.04, -0.12, std::string(texts[TextId::LegendSuction]), kLegendInk,
                 TextAlign::Left, TextFont::Tick);
    const auto minimum = [](double Cp) {
        return std::isfinite(Cp) ? tickText(Cp, 1) : std::string("−∞");
    };
    surface.Text(0.04, -0.22, texts.format(TextId::LegendProfileMinimum, {minimum(profileMinimum)}),
                 kLegendInk, TextAlign::Left, TextFont::Tick);
    surface.Text(0.04, -0.30, texts.format(TextId::LegendCircleMinimum, {minimum(circleMinimum)}),
                 kLegendInk, TextAlign::Left, TextFont::Tick);
}

std::optional<PictureProbe> probePicture(const Flow& flow, double x, double y, double t, int width,
                                         int height) {
    const FlowLayout layout = flowLayout(width, height);
    for (const auto& [box, stage, left] :
         {std::tuple{layout.left, t, true}, std::tuple{layout.right, 1.0, false}}) {
        if (boxContains(box, x, y)) {
            const ScaleMap map = flowPlaneMap(flow, box, stage);
            return PictureProbe{left, probeAt(flow, {map.userX(x), map.userY(y)}, stage)};
        }
    }
    return std::nullopt;
}

} // namespace kestrel
