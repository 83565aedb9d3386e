// SPDX-License-Identifier: MIT
// The pictures of the Boundary layer tab: the profile with its displacement thickness, the skin
// friction and the shape factor along both sides, and the drag polar with the current angle.
// Their words in the language of the texts given.
#pragma once

#include "model/boundary_layer.h"
#include "model/boundary_layer_view.h"
#include "model/state.h"
#include "model/texts.h"
#include "plots/ghost.h"
#include "plots/surface.h"

#include <optional>
#include <span>

namespace kestrel {

// The displacement thickness is drawn this many times thicker than it is.
inline constexpr int kDisplacementExaggeration = 10;

// Colours: the laminar and turbulent parts of the layer, the upper and lower sides' curves, the
// transition and separation marks, the polar's attached, late-separating, separated and current
// points.
inline constexpr Colour kLaminarColour = rgb(0, 110, 230);
inline constexpr Colour kTurbulentColour = rgb(225, 60, 0);
inline constexpr Colour kUpperSideColour = rgb(0, 60, 190);
inline constexpr Colour kLowerSideColour = rgb(0, 150, 70);
inline constexpr Colour kTransitionColour = rgb(150, 0, 170);
inline constexpr Colour kSeparationColour = rgb(0, 0, 0);
inline constexpr Colour kPolarColour = rgb(0, 60, 190);
inline constexpr Colour kPolarLateColour = rgb(230, 140, 0);
inline constexpr Colour kPolarSeparatedColour = rgb(150, 150, 150);
inline constexpr Colour kCurrentAngleColour = rgb(220, 0, 0);

// The profile kept for comparison as the tab's pictures draw it beside the current one, faintly:
// its state and label, and its layer and polar at the tab's options.
struct KeptLayer {
    const Ghost& ghost;
    const BoundaryLayerView& view;
};

// The kept profile's layer and polar at the options, computed once for the latest options, so that
// a chain's end draws the kept layer without computing it again; null where it cannot be computed.
const BoundaryLayerView* keptLayerView(const Ghost& kept, const BoundaryLayerOptions& options);
// The kept profile (none without one) with that layer; none where it cannot be computed.
std::optional<KeptLayer> keptLayer(const Ghost* kept, const BoundaryLayerOptions& options);

// Each picture below, given a kept profile, draws its layer (without the names of its marks) or
// polar in the ghost colours and thin behind the current one, their axes making room for it; the
// profile picture and the polar write its label.
//
// The profile of the state with the displacement surface, the profile's outline moved out by
// kDisplacementExaggeration δ* along its normal on each side, laminar and turbulent in their
// colours; transition marked by a dot and a named x/c, separation by a cross and a named x/c. The
// picture is `aspect` times as wide as it is high (in pixels): the profile keeps its shape.
// `surface` is cleared first.
void drawLayerProfile(Surface& surface, const State& s, const BoundaryLayer& layer, double aspect,
                      const KeptLayer* kept = nullptr, const Texts& texts = kTableTexts);

// Cf and H against x/c for both sides, upper and lower in their colours, with transition and
// separation marked on each curve. `surface` is cleared first.
void drawSkinFriction(Surface& surface, const BoundaryLayer& layer, const KeptLayer* kept = nullptr,
                      const Texts& texts = kTableTexts);
void drawShapeFactor(Surface& surface, const BoundaryLayer& layer, const KeptLayer* kept = nullptr,
                     const Texts& texts = kTableTexts);

// CL against CD over the polar's angles: the attached angles joined by a line, those that
// separate in the last 5 % of the chord in their colour, those without a CD as rings at the
// right edge with a note; the angle `alpha` (degrees) marked. `surface` is cleared first.
void drawDragPolar(Surface& surface, std::span<const PolarPoint> polar, double alpha,
                   const KeptLayer* kept = nullptr, const Texts& texts = kTableTexts);

} // namespace kestrel
