// SPDX-License-Identifier: MIT
// The laminar boundary layer by Thwaites' method, with the Cebeci-Bradshaw fits for the shape
// factor and the wall shear.
#pragma once

#include "model/edge_speed.h"

#include <vector>

namespace kestrel {

// Thwaites' momentum integral, from a stagnation point or a sharp edge at s = 0:
//   theta^2(s) ue^6(s) = 0.45 nu Integral_0^s ue^5 ds'
// theta   momentum thickness (chords)
// ue      edge speed (units of V_inf)
// nu      kinematic viscosity, 1 / Re with chord 1 and V_inf 1
// At a stagnation point, where ue = a s, it gives theta^2 = 0.075 nu / a there.
//
// The momentum thickness at every station. The integral is taken exactly for an edge speed
// that is linear between stations, so the stagnation point itself is exact: where the first
// station has ue = 0 its theta is sqrt(0.075 nu / a), with a its due/ds; where it has ue > 0 (a
// sharp edge met by smooth flow) its theta is 0.
std::vector<double> thwaitesMomentumThickness(const std::vector<EdgeStation>& stations, double nu);

// Thwaites' pressure-gradient parameter
//   lambda = (theta^2 / nu) due/ds
// 0.075 at a stagnation point, 0 on a flat plate.
inline constexpr double kStagnationLambda = 0.075;
// The laminar layer separates where lambda falls below this.
inline constexpr double kLaminarSeparationLambda = -0.09;

// The shape factor H = delta* / theta and the shear parameter l = tau_w theta / (mu ue) of the
// Cebeci-Bradshaw fits:
//   0 <= lambda <= 0.25:   l = 0.22 + 1.57 lambda - 1.8 lambda^2
//                          H = 2.61 - 3.75 lambda + 5.24 lambda^2
//   -0.1 <= lambda < 0:    l = 0.22 + 1.402 lambda + 0.018 lambda / (lambda + 0.107)
//                          H = 2.088 + 0.0731 / (lambda + 0.14)
// lambda is held within [-0.1, 0.25], the range of the fits.
struct LaminarShape {
    double H = 0;
    double l = 0;
};
LaminarShape laminarShape(double lambda);

// The wall shear as a skin-friction coefficient on the free stream, tau_w / (rho V_inf^2 / 2):
//   Cf = 2 l nu ue / theta
double laminarSkinFriction(double l, double nu, double ue, double theta);

} // namespace kestrel
