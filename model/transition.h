// SPDX-License-Identifier: MIT
// Transition of the laminar layer by the e^N envelope method of Drela and Giles: the growth of
// the most amplified Tollmien-Schlichting wave as a function of the local shape factor.
#pragma once

namespace kestrel {

// The amplification factor N~ (the logarithm of the most amplified wave's growth) grows with
// the momentum-thickness Reynolds number Re_theta = ue theta / nu at the rate
//   dN/dRe_theta = 0.01 sqrt((2.4 H - 3.7 + 2.5 tanh(1.5 H - 4.65))^2 + 0.25)
// once Re_theta exceeds the critical value
//   log10 Re_theta0 = (1.415 / (H - 1) - 0.489) tanh(20 / (H - 1) - 12.9)
//                     + 3.295 / (H - 1) + 0.44
// H is the shape factor delta* / theta.
double amplificationSlope(double H);
double criticalReynoldsTheta(double H);

// Along the surface, Re_theta grows as in the Falkner-Skan flow of the same H:
//   dRe_theta/ds = (m + 1) / 2 * l / theta
//   m(H) = (0.058 (H - 4)^2 / (H - 1) - 0.068) / l(H)
//   l(H) = (6.54 H - 14.07) / H^2
// so that
//   dN/ds = dN/dRe_theta * (m + 1) / 2 * l / theta       where Re_theta > Re_theta0(H)
//   dN/ds = 0                                            elsewhere
// theta in chords, so dN/ds is per chord. amplificationRate is the first line alone.
double amplificationRate(double H, double theta);

// The envelope method at one station: arc length, Re_theta - Re_theta0(H) and dN/ds where the
// waves grow.
struct EnvelopeStation {
    double s = 0;
    double excess = 0;
    double rate = 0;
};
EnvelopeStation envelopeStation(double s, double H, double theta, double reTheta);

// The growth of N~ from station a to station b by the trapezoid rule. Where Re_theta crosses
// Re_theta0 between them, the onset is placed where the excess changes sign (taken linear
// between the stations) and only the amplified part counts, so that N~ changes smoothly with the
// flow rather than by a whole step's worth as the onset passes a station.
double amplificationGrowth(const EnvelopeStation& a, const EnvelopeStation& b);

// The default critical amplification factor, for a quiet free stream like a good wind tunnel's.
inline constexpr double kDefaultNcrit = 9;

} // namespace kestrel
