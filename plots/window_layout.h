// SPDX-License-Identifier: MIT
// The main window's and the About window's controls in one table: names, kinds, containers,
// positions and sizes in twips, keyboard order, texts, accessible names, tooltips and fonts. The
// desktop window builds its widgets from it and the browser page its elements.
#pragma once

#include "model/inputs.h"
#include "model/texts.h"
#include "plots/surfaces.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace kestrel {

// Positions and sizes of the windows are given in twips; 15 twips make one logical pixel.
inline constexpr int kTwipsPerPixel = 15;

// The nearest whole logical pixel of a length or position in twips (never negative here).
constexpr int twipsToPixels(int twips) {
    return (2 * twips + kTwipsPerPixel) / (2 * kTwipsPerPixel);
}

// The main window's client area and the About window, in twips.
inline constexpr int kClientWidth = 11880;
inline constexpr int kClientHeight = 7350;
inline constexpr int kAboutWidth = 4125;
inline constexpr int kAboutHeight = 3195;

enum class ControlKind { Plot, Frame, Label, ValueBox, ScrollBar, TextBox, AboutLabel };

// A control of a window: its objectName (the page's element id), kind, container ("client" and
// "Form_About" are the windows' areas), place in twips within the container, its place in the
// keyboard order (1 first, 0 for none), and its texts. The five inputs' scroll bars and value
// boxes take their ranges, start values and accessible names from the inputs' table.
struct Control {
    std::string_view name;
    ControlKind kind;
    std::string_view parent;
    int left, top, width, height; // twips
    int tabIndex;
    TextId text = TextId::None;
    TextId accessibleName = TextId::None;
    TextId tooltip = TextId::None;
    TextFont font = TextFont::Caption;
    std::optional<InputId> input = std::nullopt;
};

// The main window's controls in the order the window makes them, then the About window's.
inline constexpr std::array<Control, 35> kControls{{
    {"daire", ControlKind::Plot, "client", 120, 240, 3400, 3400, 11, TextId::None,
     TextId::CirclePlaneName},
    {"profil", ControlKind::Plot, "client", 3600, 240, 4800, 2400, 1, TextId::None,
     TextId::ProfileName},
    {"pressure", ControlKind::Plot, "client", 3600, 2760, 4800, 4335, 2, TextId::None,
     TextId::PressureName},
    {"Picture_CL", ControlKind::Plot, "client", 8520, 240, 3200, 3915, 13, TextId::None,
     TextId::LiftPlotName},
    {"Picture_CM", ControlKind::Plot, "client", 8520, 4320, 3255, 2775, 15, TextId::None,
     TextId::MomentPlotName},
    {"Frame1", ControlKind::Frame, "client", 120, 3720, 3375, 2055, 0, TextId::None,
     TextId::InputsGroupName},
    {"Frame3", ControlKind::Frame, "client", 120, 5880, 3375, 615, 0, TextId::MachFrameCaption},
    {"Frame2", ControlKind::Frame, "client", 120, 6600, 3375, 615, 0, TextId::None,
     TextId::ResultsGroupName},
    {"HScroll_Thickness", ControlKind::ScrollBar, "Frame1", 1200, 240, 1335, 255, 8, TextId::None,
     TextId::None, TextId::None, TextFont::Caption, InputId::Thickness},
    {"Text_Thickness", ControlKind::ValueBox, "Frame1", 720, 240, 495, 285, 5, TextId::None,
     TextId::None, TextId::None, TextFont::Caption, InputId::Thickness},
    {"Label2", ControlKind::Label, "Frame1", 240, 240, 375, 255, 0, TextId::ThicknessLabel,
     TextId::None, TextId::None, TextFont::Greek},
    {"HScroll_Camber", ControlKind::ScrollBar, "Frame1", 1200, 600, 1335, 255, 9, TextId::None,
     TextId::None, TextId::None, TextFont::Caption, InputId::Camber},
    {"Text_Camber", ControlKind::ValueBox, "Frame1", 720, 600, 495, 285, 4, TextId::None,
     TextId::None, TextId::None, TextFont::Caption, InputId::Camber},
    {"Label3", ControlKind::Label, "Frame1", 240, 600, 255, 255, 0, TextId::CamberLabel,
     TextId::None, TextId::None, TextFont::Greek},
    {"HScroll_nP", ControlKind::ScrollBar, "Frame1", 1200, 960, 1335, 255, 10, TextId::None,
     TextId::None, TextId::None, TextFont::Caption, InputId::Points},
    {"Text_nP", ControlKind::ValueBox, "Frame1", 720, 960, 495, 285, 6, TextId::None, TextId::None,
     TextId::None, TextFont::Caption, InputId::Points},
    {"Label5", ControlKind::Label, "Frame1", 240, 960, 255, 255, 0, TextId::PointsLabel},
    {"HScroll_AlfaD", ControlKind::ScrollBar, "Frame1", 1200, 1320, 1335, 255, 7, TextId::None,
     TextId::None, TextId::None, TextFont::Caption, InputId::Alpha},
    {"Text_AlfaD", ControlKind::ValueBox, "Frame1", 720, 1320, 495, 285, 3, TextId::None,
     TextId::None, TextId::None, TextFont::Caption, InputId::Alpha},
    {"Label4", ControlKind::Label, "Frame1", 240, 1320, 255, 375, 0, TextId::AlphaLabel,
     TextId::None, TextId::None, TextFont::Greek},
    {"HScroll_xM", ControlKind::ScrollBar, "Frame1", 1200, 1680, 1335, 255, 17, TextId::None,
     TextId::None, TextId::None, TextFont::Caption, InputId::MomentReference},
    {"Text_xM", ControlKind::ValueBox, "Frame1", 720, 1680, 495, 285, 16, TextId::None,
     TextId::None, TextId::None, TextFont::Caption, InputId::MomentReference},
    {"Label7", ControlKind::Label, "Frame1", 120, 1680, 495, 255, 0, TextId::MomentReferenceLabel},
    {"Text_CL", ControlKind::TextBox, "Frame2", 720, 240, 735, 285, 12, TextId::None,
     TextId::LiftBoxName},
    {"Text1", ControlKind::TextBox, "Frame2", 2280, 240, 735, 285, 14, TextId::None,
     TextId::MomentBoxName},
    {"Text_Moo", ControlKind::TextBox, "Frame3", 960, 240, 615, 285, 18, TextId::None,
     TextId::MachBoxName},
    {"Label1", ControlKind::Label, "Frame2", 240, 240, 495, 255, 0, TextId::LiftLabel},
    {"Label6", ControlKind::Label, "Frame2", 1800, 240, 495, 255, 0, TextId::MomentLabel},
    {"Label36", ControlKind::Label, "Frame3", 240, 240, 615, 255, 0, TextId::MachLabel},
    {"Label1", ControlKind::AboutLabel, "Form_About", 960, 240, 2415, 375, 0, TextId::AboutName},
    {"Label2", ControlKind::AboutLabel, "Form_About", 840, 720, 2655, 735, 0,
     TextId::AboutSubtitle},
    {"Label7", ControlKind::AboutLabel, "Form_About", 840, 1680, 2535, 255, 0,
     TextId::AboutDevelopers},
    {"Label8", ControlKind::AboutLabel, "Form_About", 840, 2040, 2775, 255, 0, TextId::AboutUpdate},
    {"Label4", ControlKind::AboutLabel, "Form_About", 480, 2520, 3375, 255, 0,
     TextId::AboutContactLine},
    {"Label5", ControlKind::AboutLabel, "Form_About", 1200, 2760, 1935, 255, 0,
     TextId::AboutContact},
}};

// The start text of a box: an input's start value, "0" for the others.
std::string startText(const Control& control, std::string_view decimalSeparator);

// The accessible name of a control in a language: from the texts' table, or an input's quantity
// (value box) and quantity with its unit (scroll bar).
std::string accessibleName(const Control& control, const Texts& texts = kTableTexts);

// How the About window's labels look: Verdana (or a common sans-serif face) at `points`, bold,
// underlined, in a colour (-1: the system text colour), left-aligned or centred and wrapped.
struct AboutLabelStyle {
    std::string_view name;
    double points;
    bool bold;
    bool underline;
    Colour colour;
    bool centred;
};
inline constexpr std::array<std::string_view, 3> kAboutFamilies = {"Verdana", "DejaVu Sans",
                                                                   "Liberation Sans"};
inline constexpr std::array<AboutLabelStyle, 6> kAboutLabelStyles{{
    {"Label1", 12, true, true, rgb(0, 128, 0), false},
    {"Label2", 9.75, false, false, rgb(0, 128, 0), true},
    {"Label7", 8.25, false, false, -1, false},
    {"Label8", 8.25, false, false, -1, false},
    {"Label4", 8.25, false, false, -1, false},
    {"Label5", 8.25, false, false, rgb(0, 0, 255), false},
}};
const AboutLabelStyle& aboutLabelStyle(std::string_view name);

// The window shows each plot at exactly the size of its picture.
constexpr bool plotsMatchPictures() {
    std::size_t plot = 0;
    for (const Control& c : kControls) {
        if (c.kind != ControlKind::Plot) {
            continue;
        }
        const SurfaceDefinition& d = kSurfaces[plot++];
        if (c.name != d.name || twipsToPixels(c.width) != d.width ||
            twipsToPixels(c.height) != d.height) {
            return false;
        }
    }
    return plot == kSurfaces.size();
}
static_assert(plotsMatchPictures());

// The study views: the mapping slider's steps from the circle plane to the profile plane and
// its page step, the particle animation's frames a second, and the study window's first size.
inline constexpr int kMappingSteps = 100;
inline constexpr int kMappingPageStep = 10;
inline constexpr int kFramesPerSecond = 60;
inline constexpr int kStudyWidth = 960;
inline constexpr int kStudyHeight = 560;

// The Theory tab's grid of two rows and two columns: each part's name (its objectName, the
// page's element id), row and column. The numbers hold the table and the help under it.
struct StudyCell {
    std::string_view name;
    int row;
    int column;
};
inline constexpr std::array<StudyCell, 4> kTheoryCells{{
    {"theoryLift", 0, 0},
    {"theoryMoment", 0, 1},
    {"theoryLoad", 1, 0},
    {"theoryNumbers", 1, 1},
}};

} // namespace kestrel
