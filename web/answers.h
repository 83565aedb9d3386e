// SPDX-License-Identifier: MIT
// The browser module's answers as JSON texts: a handler's run, a recorded surface, the state's
// numbers, the window's fixed definitions, the flow at a point and the compressibility numbers.
#pragma once

#include "model/chain.h"
#include "model/texts.h"
#include "plots/surfaces.h"
#include "report/json_writer.h"
#include "web/packed.h"
#include "web/session.h"

#include <string>
#include <string_view>

namespace kestrel::web {

// {"handler", "steps", "boxes": [{"box", "text"}], "redrawn": [names], "tableMiss",
//  "openAbout", "error": text or null}
std::string runJson(const HandlerRun& run);

// {"name", "width", "height", "foreground", "background", "scale": [x1, y1, x2, y2], "itemCount",
//  "codes", "numbers", "numberCount", "texts"}: the surface packed into `packed`, whose arrays
// the addresses point at (see packedRecord).
std::string surfaceJson(const Surface& surface, const SurfaceDefinition& definition,
                        PackedSurface& packed);

// The window's fixed definitions: the five inputs, the handlers with their chains, the surfaces
// and the labels on them, and every control's place and texts (see kestrel_window).
std::string windowJson();

// Every text of the windows by its key (see kestrel_texts), in the page's language.
std::string textsJson();

// The texts the module writes into its answers (the probe's line, the rule table, warnings,
// the inputs' names): the table's own until the page sets its language's.
const Texts& pageTexts();
// Sets the page's text of a key; false for a key the table does not have.
bool setPageText(std::string_view key, std::string_view text);

// The field at a point of the current profile's flow, in the profile plane or in the circle
// plane, as kestrel-calc flow's probes give it (flowProbe); {"error"} without a profile.
std::string flowAtJson(const State& s, double x, double y, bool circlePlane);

// {"error": message}
std::string errorJson(std::string_view message);

} // namespace kestrel::web
