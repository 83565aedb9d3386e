// SPDX-License-Identifier: MIT
// The sonic line on the surface: Cp along x/c on both sides at the free-stream Mach number by
// each compressibility rule, the critical pressure coefficient Cp*, the supersonic part shaded
// with its extent written for each rule, and the profile beneath with that part marked.
#pragma once

#include "model/supersonic.h"
#include "model/texts.h"
#include "plots/ghost.h"
#include "plots/surface.h"

namespace kestrel {

// The light tint of a rule's colour that shades its supersonic part.
Colour supersonicShade(CompressibilityRule rule);

// Draws the chart of `sonic` at the free-stream Mach number `mach` (its sign does not matter):
// the upper side's Cp thick and the lower side's thin in the rule's colour (ruleColour), the
// line Cp*, for each rule a polygon in its shade between its Cp and Cp* over each supersonic
// stretch, a legend with each rule's stretches, and the profile beneath with each rule's
// stretches drawn over its surface. The Cp axis points down (suction up); values beyond the top
// are cut. At |M| >= 1 only the incompressible Cp is drawn, with a note. Clears the surface. Its
// words in the language of `texts`. With a kept profile, its sides' Cp at the same M are drawn
// faintly behind the current ones, thin and in the rules' ghost colours, and its label under the
// legend.
void drawSonicChart(Surface& surface, const SonicSurface& sonic, double mach,
                    const Ghost* kept = nullptr, const Texts& texts = kTableTexts);

// The kept profile's surface, computed once per kept profile.
const SonicSurface& keptSonicSurface(const Ghost& kept);

} // namespace kestrel
