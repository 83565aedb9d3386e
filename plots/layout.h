#pragma once

#include "model/state.h"
#include "plots/colours.h"

#include <array>
#include <stdexcept>
#include <string>
#include <string_view>

namespace kestrel {

// Twips per logical pixel: every position and size of the window is given in twips.
inline constexpr int kTwipsPerPixel = 15;

// The five drawing surfaces of the window: objectName, position and outer size in twips in the
// window's client area, and the colour of lines drawn without a colour of their own.
struct SurfaceLayout {
    std::string_view name;
    int left, top, width, height;
    Colour foreground;
};

inline constexpr std::array<SurfaceLayout, 5> kSurfaceLayouts{{
    {"daire", 120, 240, 3400, 3400, kSystemText},
    {"profil", 3600, 240, 4800, 2400, kProfilForeground},
    {"pressure", 3600, 2760, 4800, 4335, kPressureForeground},
    {"Picture_CL", 8520, 240, 3200, 3915, kSystemText},
    {"Picture_CM", 8520, 4320, 3255, 2775, kSystemText},
}};

// The layout of the surface with that objectName; throws std::out_of_range for any other name.
inline const SurfaceLayout& surfaceLayout(std::string_view name) {
    for (const SurfaceLayout& layout : kSurfaceLayouts) {
        if (layout.name == name) {
            return layout;
        }
    }
    throw std::out_of_range("no surface named " + std::string(name));
}

// The static labels that sit on the plot surfaces beside the grid lines they annotate.
// Positions and sizes in twips (15 twips = 1 logical pixel) inside the surface.
enum class LabelFont { Tick, AxisTitle, Greek };

struct SurfaceLabel {
    std::string_view surface; // objectName of the surface
    std::string_view name;    // objectName of the label
    int left, top, width, height;
    std::string_view text; // UTF-8; the Greek labels hold the Greek letter itself
    LabelFont font;
};

inline constexpr std::array<SurfaceLabel, 28> kSurfaceLabels{{
    {"profil", "Label8", 2160, 2116, 375, 255, "x/c", LabelFont::AxisTitle},
    {"profil", "Label9", 0, 1080, 375, 255, "  y/c", LabelFont::AxisTitle},
    {"profil", "Label10", 0, 480, 375, 255, "  0.2", LabelFont::Tick},
    {"profil", "Label11", 0, 2040, 375, 255, " -0.2", LabelFont::Tick},
    {"profil", "Label12", 4200, 2160, 375, 255, "1.0", LabelFont::Tick},
    {"pressure", "Label19", 0, 840, 495, 375, "1-Cp", LabelFont::AxisTitle},
    {"pressure", "Label20", 120, 3120, 255, 255, "1.0", LabelFont::Tick},
    {"pressure", "Label21", 120, 3840, 255, 255, "0.0", LabelFont::Tick},
    {"pressure", "Label22", 4200, 3960, 375, 255, "1.0", LabelFont::Tick},
    {"pressure", "Label23", 2280, 3960, 375, 255, "x/c", LabelFont::AxisTitle},
    {"pressure", "Label24", 120, 2400, 255, 255, "2.0", LabelFont::Tick},
    {"pressure", "Label25", 120, 1680, 255, 255, "3.0", LabelFont::Tick},
    {"pressure", "Label26", 120, 240, 255, 255, "5.0", LabelFont::Tick},
    {"Picture_CL", "Label13", 1560, 3600, 255, 255, "\u03b1", LabelFont::Greek},
    {"Picture_CL", "Label14", 720, 3635, 375, 255, " -8", LabelFont::Tick},
    {"Picture_CL", "Label15", 2322, 3636, 135, 255, "8", LabelFont::Tick},
    {"Picture_CL", "Label27", 0, 1200, 375, 255, " CL", LabelFont::AxisTitle},
    {"Picture_CL", "Label28", 0, 2473, 375, 255, "  0.0", LabelFont::Tick},
    {"Picture_CL", "Label29", 0, 1833, 375, 255, "  1.0", LabelFont::Tick},
    {"Picture_CL", "Label30", 0, 600, 375, 255, "  3.0", LabelFont::Tick},
    {"Picture_CL", "Label31", 0, 3120, 375, 255, " -1.0", LabelFont::Tick},
    {"Picture_CM", "Label16", 2370, 2520, 135, 255, "8", LabelFont::Tick},
    {"Picture_CM", "Label17", 720, 2520, 375, 255, " -8", LabelFont::Tick},
    {"Picture_CM", "Label18", 1560, 2480, 255, 255, "\u03b1", LabelFont::Greek},
    {"Picture_CM", "Label32", 0, 360, 375, 255, " CM", LabelFont::AxisTitle},
    {"Picture_CM", "Label33", 0, 1420, 375, 255, "  0.0", LabelFont::Tick},
    {"Picture_CM", "Label34", 0, 2020, 375, 255, " -1.0", LabelFont::Tick},
    {"Picture_CM", "Label35", 0, 800, 375, 255, "  1.0", LabelFont::Tick},
}};

} // namespace kestrel
