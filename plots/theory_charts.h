// SPDX-License-Identifier: MIT
// The Theory tab's pictures: CL and the moment about the quarter chord against the angle of
// attack, and the load along the chord, each exact beside thin-airfoil theory; their words in the
// language of the texts given.
#pragma once

#include "model/texts.h"
#include "model/theory.h"
#include "plots/ghost.h"
#include "plots/surface.h"

namespace kestrel {

// The exact (Joukowski) values are drawn blue, thin-airfoil theory's red.
Colour exactTheoryColour();
Colour thinTheoryColour();

// CL against alpha from -12 to 12 degrees by both theories, the state's angle as a grey line
// with a dot on each curve at its CL. The surface is cleared first. With a kept profile, its
// exact curve and dot are drawn faintly behind, in the exact colour's ghost, the axis making room
// for it, and a second legend row above the first names it by its label.
void drawTheoryLift(Surface& surface, const TheoryComparison& theory, const Ghost* kept = nullptr,
                    const Texts& texts = kTableTexts);
// CM about the quarter chord against alpha, as drawTheoryLift.
void drawTheoryMoment(Surface& surface, const TheoryComparison& theory, const Ghost* kept = nullptr,
                      const Texts& texts = kTableTexts);
// dCp = Cp_lower - Cp_upper against x/c by both theories; the axis is set by the load behind
// the first twentieth of the chord, and the leading-edge peaks are cut at the top. A kept
// profile's exact load as in drawTheoryLift.
void drawTheoryLoad(Surface& surface, const TheoryComparison& theory, const Ghost* kept = nullptr,
                    const Texts& texts = kTableTexts);

// The kept profile's comparison with thin-airfoil theory, computed once per kept profile.
const TheoryComparison& keptTheory(const Ghost& kept);

} // namespace kestrel
