// SPDX-License-Identifier: MIT
// The five inputs of the window in one table: scroll ranges, small and large changes, start
// positions, units and the scale from a scroll position to the model's value. The window's
// scroll bars, kestrel-calc's options and help, and the chain all read it; and the steps that set
// the state's inputs from their positions.
#pragma once

#include "model/state.h"
#include "model/texts.h"

#include <array>
#include <cstddef>
#include <string_view>

namespace kestrel {

enum class InputId { Thickness, Camber, Points, Alpha, MomentReference };

struct InputDefinition {
    InputId id;
    std::string_view scrollBar; // objectName of the window's scroll bar
    std::string_view valueBox;  // objectName of the box beside it that shows the value in use
    std::string_view option;    // kestrel-calc's option
    TextId quantity;            // what the position sets, in words
    TextId unit;                // what one step of the position counts
    int minimum, maximum;
    int smallChange; // an arrow click or arrow key
    int largeChange; // a click in the track or a page key
    int start;       // the position when the window opens
    int divisor;     // the model's value is the position divided by this (1 or 100)
};

// In the window's order of rows, top to bottom.
inline constexpr std::array<InputDefinition, 5> kInputs{{
    {InputId::Thickness, "HScroll_Thickness", "Text_Thickness", "--thickness",
     TextId::ThicknessInput, TextId::HundredthsUnit, 0, 30, 1, 1, 0, 100},
    {InputId::Camber, "HScroll_Camber", "Text_Camber", "--camber", TextId::CamberInput,
     TextId::HundredthsUnit, 0, 15, 1, 1, 0, 100},
    {InputId::Points, "HScroll_nP", "Text_nP", "--points", TextId::PointsInput, TextId::PointsUnit,
     11, 101, 2, 10, 51, 1},
    {InputId::Alpha, "HScroll_AlfaD", "Text_AlfaD", "--alpha", TextId::AlphaInput,
     TextId::DegreesUnit, -10, 10, 1, 1, 0, 1},
    {InputId::MomentReference, "HScroll_xM", "Text_xM", "--xm", TextId::MomentReferenceInput,
     TextId::HundredthsUnit, 0, 100, 1, 5, 0, 100},
}};

constexpr const InputDefinition& inputDefinition(InputId id) {
    return kInputs[static_cast<std::size_t>(id)];
}

// The scroll-value rule: a scroll position is read back as a double from its decimal text, and
// divided by 100 where the position counts hundredths. The quotient is the double nearest the
// decimal fraction, which the table holds bit for bit.
double scrollValue(int position);
double scrollHundredths(int position);

// The model's value of a scroll position by the scroll-value rule and the input's divisor.
double inputValue(InputId id, int position);

// Step 1 of the profile computation: Thickness, Camber and nP from the three scroll positions.
void setProfileInputs(State& s, int thicknessPosition, int camberPosition, int pointsPosition);
// Step 1 of the pressure computation: AlfaD from the angle-of-attack scroll position.
void setAngleInput(State& s, int alfaPosition);
// The moment reference xM from its scroll position (hundredths of the chord).
void setMomentReference(State& s, int xmPosition);

} // namespace kestrel
