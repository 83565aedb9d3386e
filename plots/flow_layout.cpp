// SPDX-License-Identifier: MIT
#include "plots/flow_layout.h"

#include "model/text.h"
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

PlaneWindow widenedWindow(const PlaneWindow& w, double aspect) {
    const double width = w.xMax - w.xMin;
    const double height = w.yMax - w.yMin;
    const double midX = (w.xMin + w.xMax) / 2;
    const double midY = (w.yMin + w.yMax) / 2;
    if (width >= aspect * height) {
        const double h = width / aspect / 2;
        return {w.xMin, w.xMax, midY - h, midY + h};
    }
    const double half = height * aspect / 2;
    return {midX - half, midX + half, w.yMin, w.yMax};
}

PlaneWindow flowView(const Flow& flow, double t, double aspect) {
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
    const int planeHeight = std::max(0, height - 2 * kFlowGap);
    FlowLayout layout;
    layout.left = {kFlowGap, kFlowGap, planeWidth, planeHeight};
    layout.right = {2 * kFlowGap + planeWidth, kFlowGap, planeWidth, planeHeight};
    layout.legend = {3 * kFlowGap + 2 * planeWidth, kFlowGap,
                     std::max(0, width - 3 * kFlowGap - 2 * planeWidth), planeHeight};
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

void drawCpLegend(Surface& surface) {
    // x from 0 to 1 across the legend, y the place on the colour map; room above for the title.
    surface.Cls();
    surface.Scale(0, 1.12, 1, -0.04);
    for (int band = 0; band < kCpBands; ++band) {
        const double y0 = static_cast<double>(band) / kCpBands;
        const double y1 = static_cast<double>(band + 1) / kCpBands;
        surface.Polygon({{0.08, y0}, {0.38, y0}, {0.38, y1}, {0.08, y1}}, bandColour(band));
    }
    for (const double Cp : {1.0, 0.5, 0.0, -0.5, -1.0, -2.0, -3.0}) {
        const double y = cpPosition(Cp);
        surface.Line(0.38, y, 0.48, y, kLegendInk);
        surface.Text(0.52, y, tickText(Cp, Cp == std::floor(Cp) ? 0 : 1), kLegendInk);
    }
    surface.Text(0.08, 1.07, "Cp", kLegendInk, TextAlign::Left, TextFont::Heading);
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
