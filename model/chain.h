// SPDX-License-Identifier: MIT
// The window's update chains as data (the steps each handler runs, in order) and the numbers
// half of every step, which the window, kestrel-calc and the drawing chain share.
#pragma once

#include "model/inputs.h"
#include "model/state.h"

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace kestrel {

// The window's procedures as steps of a chain, plus the two steps a handler runs that are not
// procedures: the moment-reference marker and the opening of the About window.
enum class Step {
    profil_hesapla, // compute the profile from thickness, camber and point count
    profil_ciz,     // draw the circle plane and the profile (renkler first)
    basınc_hesapla, // compute the surface pressure at the angle of attack
    basınc_ciz,     // draw the pressure distribution 1 - Cp
    CL_Alfa_ciz,    // compute and draw the lift curve, show CL
    CM_Alfa_ciz,    // compute and draw the moment curve, show CM
    MomentMarker,   // mark the moment reference point on the profile
    OpenAbout,      // open the About window
};

// The window's eleven handlers.
enum class Handler {
    HScroll_Thickness_Change,
    HScroll_Camber_Change,
    HScroll_nP_Change,
    HScroll_AlfaD_Change,
    HScroll_xM_Change,
    daire_Click,
    profil_Click,
    pressure_Click,
    Picture_CL_Click,
    Picture_CM_Click,
    Mn_About_Click,
};

inline constexpr std::size_t kHandlerCount = 11;

std::string_view stepName(Step step);
std::string_view handlerName(Handler handler);

// The steps the handler runs, in order.
std::span<const Step> chainOf(Handler handler);

// The chain of a change of thickness or camber and of a click on any plot.
inline constexpr Handler kFullChain = Handler::HScroll_Thickness_Change;

// What the window's controls hold when a step runs: the five scroll positions and the text of
// the Mach box. The defaults are the window's start positions and the Mach box's start text.
struct ChainInputs {
    int thickness = inputDefinition(InputId::Thickness).start; // hundredths of the chord
    int camber = inputDefinition(InputId::Camber).start;       // hundredths of the chord
    int points = inputDefinition(InputId::Points).start;
    int alpha = inputDefinition(InputId::Alpha).start;        // degrees
    int xm = inputDefinition(InputId::MomentReference).start; // hundredths of the chord
    std::string mach = "0";

    // The position of an input by its id, through kPositionMembers.
    int position(InputId id) const;
    int& position(InputId id);
};

// The member of ChainInputs that holds each input's position, in the order of InputId.
inline constexpr std::array<int ChainInputs::*, kInputs.size()> kPositionMembers{
    &ChainInputs::thickness, &ChainInputs::camber, &ChainInputs::points, &ChainInputs::alpha,
    &ChainInputs::xm};

inline int ChainInputs::position(InputId id) const {
    return this->*kPositionMembers[static_cast<std::size_t>(id)];
}

inline int& ChainInputs::position(InputId id) {
    return this->*kPositionMembers[static_cast<std::size_t>(id)];
}

// What the steps compute besides the window-wide variables: the values the window shows in its
// boxes or decides its pictures by, and kestrel-calc reports.
struct ChainValues {
    bool tableMiss = false;      // the latest profil_hesapla found no table row for its inputs
    long row = 0;                // table row of the current profile; 0 before the first one
    double mach = 0;             // the Mach number the latest plot step read from its text
    bool compressible = false;   // whether that plot step shows the Prandtl-Glauert curves
    std::optional<double> CMcur; // moment at AlfaD of the latest CM_Alfa_ciz; none without a
                                 // profile, whose chord the moment law divides by
};

// The numbers half of one step: reads from `inputs` what the procedure reads from its controls,
// and updates the state and `values` exactly as the procedure does before it draws.
void computeStep(Step step, State& s, const ChainInputs& inputs, ChainValues& values);

// The numbers of a whole chain, step by step.
void computeChain(std::span<const Step> steps, State& s, const ChainInputs& inputs,
                  ChainValues& values);

// A text a step writes into one of the window's boxes.
struct BoxText {
    std::string_view box; // objectName of the box
    std::string text;
};

// The boxes the step's procedure writes, in its order, with the texts it writes: the value boxes
// of its inputs and the result boxes, numbers by numberText with the given decimal separator (CL
// rounded to 4 and CM to 5 decimals). CM_Alfa_ciz writes its moment box only where it has a moment.
std::vector<BoxText> boxTexts(Step step, const State& s, const ChainValues& values,
                              std::string_view decimalSeparator);

// The state and values after a fresh start-up and the full chain for the inputs: what the window
// shows after a change of thickness or camber, without drawing anything.
struct ChainResult {
    State state;
    ChainValues values;
};
ChainResult computeFullChain(const ChainInputs& inputs);

} // namespace kestrel
