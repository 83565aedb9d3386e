// SPDX-License-Identifier: MIT
// The browser module's answers as JSON texts: a handler's run, a recorded surface, the state's
// numbers, the window's fixed definitions, the flow at a point and the compressibility numbers.
#pragma once

#include "model/chain.h"
#include "plots/surfaces.h"
#include "web/json.h"
#include "web/packed.h"
#include "web/session.h"

#include <string>

namespace kestrel::web {

// {"handler", "steps", "boxes": [{"box", "text"}], "redrawn": [names], "tableMiss",
//  "openAbout", "error": text or null}
std::string runJson(const HandlerRun& run);

// {"name", "width", "height", "foreground", "background", "scale": [x1, y1, x2, y2], "itemCount",
//  "codes", "numbers", "numberCount", "texts"}: the surface packed into `packed`, whose arrays
// the addresses point at (see packedRecord).
std::string surfaceJson(const Surface& surface, const SurfaceDefinition& definition,
                        PackedSurface& packed);

// The numbers of a state in the shape of kestrel-calc profile's answer: inputs, row, profile,
// points 1 to nP, curves, current values with the result boxes' texts.
std::string stateJson(const State& s, const ChainValues& values, std::string_view separator);

// The window's fixed definitions: the five inputs, the handlers with their chains, the surfaces
// and the labels on them.
std::string windowJson();

// The field at a point of the current profile's flow, in the profile plane or in the circle
// plane, with the circulation and the stagnation points; {"error"} without a profile.
std::string flowJson(const State& s, double x, double y, bool circlePlane);

// The compressibility analysis of the current state at a Mach number; with `chart`, also the
// chart from M = 0 to 0.99. {"error"} without a profile.
std::string compressibilityJson(const State& s, double mach, bool chart);

} // namespace kestrel::web
