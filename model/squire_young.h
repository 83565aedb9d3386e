// SPDX-License-Identifier: MIT
// The profile drag of one side by Squire and Young's formula.
#pragma once

namespace kestrel {

// Squire-Young: the momentum thickness the wake reaches far downstream, from the layer at the
// trailing edge, as a drag coefficient on the chord:
//   CD = 2 theta_TE ue_TE^((H_TE + 5) / 2)
// theta_TE   momentum thickness at the trailing edge (chords)
// ue_TE      edge speed there (units of V_inf)
// H_TE       shape factor there
// The profile's drag is the sum over both sides.
double squireYoung(double theta, double H, double ue);

} // namespace kestrel
