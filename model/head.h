// SPDX-License-Identifier: MIT
// The turbulent boundary layer by Head's entrainment method, with the Ludwieg-Tillmann skin
// friction.
#pragma once

namespace kestrel {

// Head's two equations along the surface s:
//   momentum      dtheta/ds = Cf_e / 2 - (H + 2) (theta / ue) due/ds
//   entrainment   d(ue theta H1)/ds = ue F(H1),   F(H1) = 0.0306 (H1 - 3)^-0.6169
// theta   momentum thickness (chords)
// H       shape factor delta* / theta
// H1      entrainment shape factor (delta - delta*) / theta
// ue      edge speed (units of V_inf)
// Cf_e    skin friction on the edge speed, tau_w / (rho ue^2 / 2)
double entrainmentRate(double H1);

// H1 of H (Head's correlation, as fitted by Cebeci and Bradshaw):
//   H <= 1.6:  H1 = 3.3 + 0.8234 (H - 1.1)^-1.287
//   H >  1.6:  H1 = 3.3 + 1.5501 (H - 0.6778)^-3.064
// and its inverse, H of H1:
//   H1 >= 5.3: H = 1.1 + 0.86 (H1 - 3.3)^-0.777
//   H1 <  5.3: H = 0.6778 + 1.1538 (H1 - 3.3)^-0.326
// H grows without bound as H1 falls to 3.3; below that there is no attached layer, and the
// inverse gives infinity.
double entrainmentShape(double H);
double shapeFromEntrainment(double H1);

// Ludwieg-Tillmann:
//   Cf_e = 0.246 10^(-0.678 H) Re_theta^-0.268,   Re_theta = ue theta / nu
// Re_theta is held at 10 or above: a turbulent layer thinner than that (the start of a layer
// tripped at a sharp edge) has no meaning, and the law would give unbounded shear.
double ludwiegTillmann(double H, double reTheta);

// The turbulent layer starts with H = 1.4 and separates where H reaches 2.4.
inline constexpr double kTurbulentStartH = 1.4;
inline constexpr double kTurbulentSeparationH = 2.4;

// The layer's state at a station: momentum thickness and entrainment shape factor.
struct TurbulentLayer {
    double theta = 0;
    double H1 = 0;
};

// One step of Head's equations from s0 to s1, over which ue runs linearly from u0 to u1 (both
// positive), by the midpoint rule with d(ln ue)/ds taken constant over the step. nu = 1 / Re.
// The result's H1 is 3.3 or less (no attached layer) where the step leaves the range of the
// correlations.
TurbulentLayer headStep(const TurbulentLayer& from, double s0, double s1, double u0, double u1,
                        double nu);

} // namespace kestrel
