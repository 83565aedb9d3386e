// SPDX-License-Identifier: MIT
// The static axis labels that sit on the plots: texts, fonts and boxes, one table for the
// window's labels and the rendered pictures.
#pragma once

#include "plots/surfaces.h"

#include <array>
#include <string_view>

namespace kestrel {

// The labels' fonts are three of the recorded texts' fonts (see plots/fonts.h).
using LabelFont = TextFont;

// A box in logical pixels.
struct PixelBox {
    int left, top, width, height;

    bool operator==(const PixelBox&) const = default;
};

struct PlotLabel {
    SurfaceId surface;
    std::string_view name; // objectName of the window's label
    PixelBox box;          // inside the surface's drawing area (within its border)
    std::string_view text; // UTF-8; the Greek labels hold the Greek letter itself
    LabelFont font;
};

inline constexpr std::array<PlotLabel, 28> kPlotLabels{{
    {SurfaceId::profil, "Label8", {144, 141, 25, 17}, "x/c", LabelFont::AxisTitle},
    {SurfaceId::profil, "Label9", {0, 72, 25, 17}, "  y/c", LabelFont::AxisTitle},
    {SurfaceId::profil, "Label10", {0, 32, 25, 17}, "  0.2", LabelFont::Tick},
    {SurfaceId::profil, "Label11", {0, 136, 25, 17}, " -0.2", LabelFont::Tick},
    {SurfaceId::profil, "Label12", {280, 144, 25, 17}, "1.0", LabelFont::Tick},
    {SurfaceId::pressure, "Label19", {0, 56, 33, 25}, "1-Cp", LabelFont::AxisTitle},
    {SurfaceId::pressure, "Label20", {8, 208, 17, 17}, "1.0", LabelFont::Tick},
    {SurfaceId::pressure, "Label21", {8, 256, 17, 17}, "0.0", LabelFont::Tick},
    {SurfaceId::pressure, "Label22", {280, 264, 25, 17}, "1.0", LabelFont::Tick},
    {SurfaceId::pressure, "Label23", {152, 264, 25, 17}, "x/c", LabelFont::AxisTitle},
    {SurfaceId::pressure, "Label24", {8, 160, 17, 17}, "2.0", LabelFont::Tick},
    {SurfaceId::pressure, "Label25", {8, 112, 17, 17}, "3.0", LabelFont::Tick},
    {SurfaceId::pressure, "Label26", {8, 16, 17, 17}, "5.0", LabelFont::Tick},
    {SurfaceId::Picture_CL, "Label13", {104, 240, 17, 17}, "\u03b1", LabelFont::Greek},
    {SurfaceId::Picture_CL, "Label14", {48, 242, 25, 17}, " -8", LabelFont::Tick},
    {SurfaceId::Picture_CL, "Label15", {155, 242, 9, 17}, "8", LabelFont::Tick},
    {SurfaceId::Picture_CL, "Label27", {0, 80, 25, 17}, " CL", LabelFont::AxisTitle},
    {SurfaceId::Picture_CL, "Label28", {0, 165, 25, 17}, "  0.0", LabelFont::Tick},
    {SurfaceId::Picture_CL, "Label29", {0, 122, 25, 17}, "  1.0", LabelFont::Tick},
    {SurfaceId::Picture_CL, "Label30", {0, 40, 25, 17}, "  3.0", LabelFont::Tick},
    {SurfaceId::Picture_CL, "Label31", {0, 208, 25, 17}, " -1.0", LabelFont::Tick},
    {SurfaceId::Picture_CM, "Label16", {158, 168, 9, 17}, "8", LabelFont::Tick},
    {SurfaceId::Picture_CM, "Label17", {48, 168, 25, 17}, " -8", LabelFont::Tick},
    {SurfaceId::Picture_CM, "Label18", {104, 165, 17, 17}, "\u03b1", LabelFont::Greek},
    {SurfaceId::Picture_CM, "Label32", {0, 24, 25, 17}, " CM", LabelFont::AxisTitle},
    {SurfaceId::Picture_CM, "Label33", {0, 95, 25, 17}, "  0.0", LabelFont::Tick},
    {SurfaceId::Picture_CM, "Label34", {0, 135, 25, 17}, " -1.0", LabelFont::Tick},
    {SurfaceId::Picture_CM, "Label35", {0, 53, 25, 17}, "  1.0", LabelFont::Tick},
}};

// The surface's drawing area inside its border, from (0, 0).
PixelBox drawingArea(SurfaceId id);

// The label's box cut to its surface's drawing area, so that a label never covers the sunken
// border; where the label is painted and what it covers.
PixelBox visibleBox(const PlotLabel& label);

} // namespace kestrel
