#pragma once

#include "model/state.h"
#include "plots/chain.h"

#include <optional>
#include <string>

namespace kestrel::cli {

// The window's inputs for one profile: the five scroll positions and the Mach text.
using ProfileRequest = ChainInputs;

// Everything the window computes for the request, from a fresh start-up state.
struct ProfileResult {
    State state;                             // after the profile, pressure, lift and moment steps
    long row = 0;                            // table row of the profile
    double mach = 0;                         // Mach number read from the text
    std::optional<double> pgFactor;          // Prandtl-Glauert factor, none for |M| >= 1
    double CMcur = 0;                        // moment coefficient at the current angle
    std::string textCL;                      // text of the lift box, "." as separator
    std::string text1;                       // text of the moment box, "." as separator
    std::optional<double> CLcurCompressible; // present where the compressible curves are drawn
    std::optional<double> CMcurCompressible;
};

// Runs the window's full chain for the request from a fresh start-up state, in the window's
// order (profile, circle-plane and profile plots, pressure, pressure plot, lift curve, moment
// curve), drawing into `pictures`. Throws RunError if the table has no row for the thickness and
// camber, which cannot happen for positions within their ranges.
ProfileResult computeProfileResult(const ProfileRequest& request, PlotSurfaces& pictures);

// The same chain without keeping its pictures.
ProfileResult computeProfileResult(const ProfileRequest& request);

// The result as a JSON document: inputs, row, profile, points, curves, current (see --help).
std::string profileJson(const ProfileResult& result);

// The surface points as CSV: header "j,x,y,Cp", then points 1 to nP.
std::string profileCsv(const ProfileResult& result);

} // namespace kestrel::cli
