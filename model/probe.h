// SPDX-License-Identifier: MIT
// The probe of the study window's flow view: the fluid point under the mouse, in a plane that the
// mapping has carried part of the way from the circle to the profile.
#pragma once

#include "model/flow.h"
#include "model/texts.h"

#include <complex>
#include <string>
#include <string_view>

namespace kestrel {

// What the probe reads at one point: the circle-plane point (xc, yc) that the mapping at stage t
// carries onto the probed point, its image (x, y) in the profile plane (x/c, y/c), and the
// profile flow's speed ratio and Cp there. A point inside the body has inside = true and no
// numbers; so has a point that the mapping at that stage does not reach from outside the circle.
struct ProbeReading {
    bool inside = false;
    double xc = 0;
    double yc = 0;
    double x = 0;
    double y = 0;
    double speedRatio = 0;
    double Cp = 0;
};

// The probe at point w of the plane at mapping stage t (0: the circle plane, 1: the profile
// plane; every point zeta is drawn at Flow::mapAt(zeta, t)). Between the two ends the circle
// point is found by Newton's method to 1e-12 of the plane's scale.
ProbeReading probeAt(const Flow& flow, std::complex<double> w, double t);

// The probe's line for a reading: "inside the profile", or x/c, y/c, V/V∞ and Cp with 4 decimals
// (tickText: minus signs as U+2212), followed by the circle-plane point where the reading was taken
// in the circle plane or on the way from it; its words in the language of the texts given.
std::string probeText(const ProbeReading& reading, bool circlePlane,
                      const Texts& texts = kTableTexts);

} // namespace kestrel
