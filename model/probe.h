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

// What the probe reads at one point of the plane at mapping stage t: the circle-plane point
// (xc, yc) that the mapping carries onto the probed point, with the speed ratio and Cp of the
// circle's own flow there (against its own free stream), and its image (x, y) in the profile
// plane (x/c, y/c) with the profile flow's speed ratio and Cp. A point inside the body has
// inside = true and no numbers; so has a point that the mapping at that stage does not reach
// from outside the circle.
struct ProbeReading {
    bool inside = false;
    double stage = 1;
    double xc = 0;
    double yc = 0;
    double x = 0;
    double y = 0;
    double speedRatio = 0;
    double Cp = 0;
    double circleSpeedRatio = 0;
    double circleCp = 0;
};

// The probe at point w of the plane at mapping stage t (0: the circle plane, 1: the profile
// plane; every point zeta is drawn at Flow::mapAt(zeta, t)). Between the two ends the circle
// point is found by Newton's method to 1e-12 of the plane's scale.
ProbeReading probeAt(const Flow& flow, std::complex<double> w, double t);

// The probe's line for a reading, numbers with 4 decimals (tickText: minus signs as U+2212):
// "inside the profile"; in the profile plane (stage 1) x/c, y/c and the profile's flow; in the
// circle plane (stage 0) ξ, η and the circle's own flow, which the shading there shows, and the
// image point; on the way between, the circle's flow, then the image point with the profile's.
// Its words in the language of the texts given.
std::string probeText(const ProbeReading& reading, const Texts& texts = kTableTexts);

} // namespace kestrel
