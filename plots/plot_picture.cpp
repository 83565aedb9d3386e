// SPDX-License-Identifier: MIT
#include "plots/plot_picture.h"

#include "plots/labels.h"

namespace kestrel {

namespace {

// The border's four L-shaped edges of pens half the border wide, each drawn as two lines from
// the corner's neighbours: the outer pair on the picture's edge, the inner pair one pen further
// in.
void recordSunkenBorder(Surface& s, double width, double height) {
    const double w = kSurfaceBorder / 2.0;
    const auto edges = [&s, w](double left, double top, double right, double bottom, Colour dark,
                               Colour light) {
        s.Edge(left, bottom, left, top, dark, w);
        s.Edge(left, top, right, top, dark, w);
        s.Edge(right, top, right, bottom, light, w);
        s.Edge(right, bottom, left, bottom, light, w);
    };
    edges(w / 2, w / 2, width - w / 2, height - w / 2, kBorderOuterDark, kBorderOuterLight);
    edges(w * 1.5, w * 1.5, width - w * 1.5, height - w * 1.5, kBorderInnerDark, kBorderInnerLight);
}

void recordLabels(Surface& s, SurfaceId id, Colour background) {
    s.Area({0, 0, s.scale().x2, s.scale().y2}, s.scale());
    for (const PlotLabel& l : kPlotLabels) {
        if (l.surface != id) {
            continue;
        }
        const PixelBox box = visibleBox(l);
        const double left = box.left + kSurfaceBorder;
        const double top = box.top + kSurfaceBorder;
        s.FillRect(left, top, left + box.width, top + box.height, background);
        s.Label(left, top, left + box.width, top + box.height, std::string(l.text), kSystemText,
                l.font);
    }
}

} // namespace

Surface plotPicture(const Surface& plot, SurfaceId id, PictureLabels labels) {
    const SurfaceDefinition& d = surfaceDefinition(id);
    Surface picture(plot.foreground(), plot.background());
    picture.Scale(0, 0, d.width, d.height);
    picture.FillRect(0, 0, d.width, d.height, plot.background());
    recordSunkenBorder(picture, d.width, d.height);
    const float b = kSurfaceBorder;
    picture.Append(
        plot, {b, b, static_cast<float>(d.width) - 2 * b, static_cast<float>(d.height) - 2 * b});
    if (labels == PictureLabels::Painted) {
        recordLabels(picture, id, plot.background());
    }
    return picture;
}

} // namespace kestrel
