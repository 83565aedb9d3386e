// SPDX-License-Identifier: MIT
// The C interface of the browser module: one main window's session driven from JavaScript.
//
// Every function that returns text returns UTF-8 JSON in a buffer owned by the module, valid
// until the next call that returns text. Inputs are numbered in the window's row order
// (0 thickness, 1 camber, 2 point count, 3 angle of attack, 4 moment reference); handlers in the
// order of kestrel_window()'s "handlers" (0 HScroll_Thickness_Change ... 10 Mn_About_Click);
// surfaces in the order of its "surfaces" (0 daire, 1 profil, 2 pressure, 3 Picture_CL,
// 4 Picture_CM).
//
// Recorded surfaces are packed: their items' codes and numbers are two arrays in the module's
// memory that the page reads in place (HEAP32, HEAPF32), and the answer is the small JSON
//   {..., "foreground", "background", "scale": [x1, y1, x2, y2] (the user coordinates of the
//    top-left and bottom-right corners), "itemCount", "codes", "numbers" (byte addresses in the
//    module's memory, multiples of 4), "numberCount", "texts": [the Text and Label items' texts
//    in order], "images": [{"pixels" (byte address), "width", "height"} of the Image items in
//    order]}
// codes holds 4 int32 per item in drawing order: kind, colour (24-bit RGB, red in the low byte),
// how many of the numbers are the item's, style. numbers holds the items' float32 numbers one
// item after another. The kinds' codes, the fonts and the named colours are kestrel_record_table's;
// the page knows them by name only. Numbers are in the coordinates in force: the record's own
// scale over the whole area it is painted in, or the latest Area item's.
//   Line      x1 y1 x2 y2                 one logical pixel wide, antialiased
//   Circle    x y r                       outline; r in horizontal user units
//   Polyline  width x1 y1 x2 y2 ...       width: the pen in logical pixels, round ends and joins
//   Polygon   x1 y1 x2 y2 ...             filled, without an outline, not antialiased
//   Text      x y                         aligned horizontally on x, centred vertically on y;
//                                         style: align (aligns' index) + fontFactor x font
//   Marker    x y size                    a filled dot, size its diameter in logical pixels
//   Edge      x1 y1 x2 y2 width           a crisp line: not antialiased, flat ends
//   Rect      x1 y1 x2 y2 [width]         between two corners; style rectStyles.fill (filled) or
//                                         rectStyles.frame (framed by a crisp pen of width)
//   Area      left top width height x1 y1 x2 y2
//                                         the items after it are in the user coordinates (x1, y1)
//                                         top left to (x2, y2) bottom right, stretched over the
//                                         box, which is in the record's own coordinates, and
//                                         clipped to it, up to the next Area item
//   Image     x1 y1 x2 y2                 the image "images"[style] (4 bytes R, G, B, A per
//                                         pixel, row by row from the top) stretched over the
//                                         rectangle between the corners
//   Label     x1 y1 x2 y2                 a text at the top left of the box, cut to it; style as
//                                         Text's (align 0)
// The arrays and images stay valid until the same record is asked for again (or kestrel_start);
// the memory may grow, so views of it are made when they are read.
#pragma once

#ifdef __cplusplus
extern "C" {
#endif

// The window as it opens again: start-up state, start positions, Mach text "0", nothing drawn.
void kestrel_start(void);
// Sets an input's scroll position; returns 0 (and changes nothing) for an unknown input or a
// position outside its range, 1 otherwise. Runs nothing.
int kestrel_set_position(int input, int position);
// Sets the text of the Mach box. Runs nothing.
void kestrel_set_mach_text(const char* text);
// Sets the decimal separator of the texts the handlers write (the desktop uses its locale's).
void kestrel_set_separator(const char* separator);
// Runs a handler's chain; returns what it did (see runJson), or {"error"} for an unknown handler.
const char* kestrel_run(int handler);
// The packed record of a surface's plot with its "name", "width" and "height", or {"error"} for
// an unknown surface: the items inside the plot's border, in the plot's user coordinates.
const char* kestrel_surface(int surface);
// The whole picture of a surface as the window paints it, as a packed record like
// kestrel_surface's whose scale is the picture's logical pixels (0, 0 at the top left): the plot
// background (Rect), the sunken border (Edge items), then an Area for the drawing area holding
// the plot's items. The static labels are not in it: the page shows them as elements.
const char* kestrel_picture(int surface);
// The item kinds, fonts and colours of the records, for the page to paint them by name:
//   {"codesPerItem": 4, "kinds": {"Line": 0, ...}, "fontFactor": 4, "aligns": ["left",
//    "center", "right"] (a Text's align code to CSS text-align), "rectStyles": {"fill", "frame"},
//    "fonts": [{"name", "css" (a CSS font), "families", "points", "bold", "italic"}] in the order
//    of the font codes, "colours": {"plotBackground", "systemText", "magenta", "borderOuterDark",
//    "borderOuterLight", "borderInnerDark", "borderInnerLight", "flowBackground", "flowFrame",
//    "particleRing", "particleFill", "ghost" (a kept profile's outlines and label)}}
const char* kestrel_record_table(void);
// Every text the windows and the page show, by its stable key: {"Form1.title": "Kestrel - ...",
// ...}. The keys are the ones kestrel_window's controls name.
const char* kestrel_texts(void);
// Sets the text of a key in the page's language: kestrel_texts, kestrel_window's accessible
// names and the study's answers (probe line, rule table, warnings) use it from then on.
// Answers 1, or 0 for a key the table does not have.
int kestrel_set_text(const char* key, const char* text);
// The state's numbers: kestrel-calc profile's document for the current session.
const char* kestrel_state(void);
// The window's fixed definitions:
//   "inputs": [{"scrollBar", "valueBox", "quantity", "unit", "minimum", "maximum",
//     "smallChange", "largeChange", "start", "divisor", "startText"}],
//   "handlers": [{"name", "steps"}], "surfaces": [{"name", "width", "height", "foreground"}],
//   "border" (the plots' border in logical pixels), "labels": [{"surface", "name", "text",
//     "font" (a font's name), "box": [left, top, width, height] inside the border}],
//   "client" and "about": {"twips", "pixels"} (the windows' sizes; "about" also its "families"),
//   "controls": [{"name" (the element's id), "kind" ("plot", "frame", "label", "valueBox",
//     "scrollBar", "textBox", "aboutLabel"), "parent" ("client", a frame's name or
//     "Form_About"), "twips" and "pixels": [left, top, width, height] in the parent, "tabIndex"
//     (1 first, 0 for none), "text" and "tooltip" (keys of kestrel_texts, or null),
//     "startText", "accessibleName", "font" (a font's name), "input" (the input's number or
//     null); an About label also "points", "bold", "underline", "colour" (-1 the system text
//     colour) and "centred"}] in the order the window makes them,
//   "study": {"mappingSteps", "mappingPageStep", "framesPerSecond", "theoryCells": [{"name"
//     (the element's id), "row", "column"}] (the Theory tab's grid)}.
const char* kestrel_window(void);
// A fresh start-up and the full chain for these inputs, in a session of its own: byte for byte
// what kestrel-calc profile answers for them. The current session is left alone; {"error"} for
// a position out of range.
const char* kestrel_profile(int thickness, int camber, int points, int alpha, int xm,
                            const char* mach);
// The same for kestrel-calc mach: the compressibility document at the Mach number of the text.
const char* kestrel_mach(int thickness, int camber, int points, int alpha, int xm,
                         const char* mach);
// The same for kestrel-calc theory: thin-airfoil theory beside the exact values, the point count
// and moment reference at their start values.
const char* kestrel_theory(int thickness, int camber, int alpha);
// The same for kestrel-calc flow with --lines and --probe: `probes` holds the probe points as
// "X,Y" separated by blanks ("" for none).
const char* kestrel_flow(int thickness, int camber, int points, int alpha, int lines,
                         const char* probes);
// The flow of the current profile at a point of the profile plane (circle_plane 0) or of the
// circle plane (1), as kestrel-calc flow's probes give it: {"x", "y", "inside", "singular",
// "psi", "phi", "u", "v", "speed_ratio", "Cp"}; {"error"} without a profile.
const char* kestrel_flow_at(double x, double y, int circle_plane);

// ---- The study views of the current state ----------------------------------------------------
// The flow picture is built from the state the last chain left, once per chain, when one of these
// first needs it. Sizes are the picture's in logical pixels; t is the stage of the mapping of the
// left plane (0 the circle plane, 1 the profile plane).

// Builds the picture if a chain ran since: {"picture": whether a profile exists, "builds",
// "chordsPerSecond", "particleSize", "particleRing"}.
const char* kestrel_flow_picture(void);
// A part of the flow picture (0 the left plane at stage t, 1 the profile plane, 2 the Cp legend)
// recorded for a width x height picture: {"part", "box": [left, top, width, height], the packed
// record, "shading": {"items", "pixels", "width", "height"}}; {"error"} without a profile, for
// an unknown part or a ratio outside (0, 16]. A plane's record begins with its shading, an Image
// of the box's device pixels, round(width x ratio) x round(height x ratio), whose pixels
// "shading" names again ("items" 1); the legend has none ("items" 0). Each part has its own
// arrays and image; the legend is the same for every size of one state's picture (only its box
// moves).
const char* kestrel_flow_surface(int part, double t, int width, int height, double ratio);
// The probe at point (x, y) of the picture: {"plane": "left", "right" or null, "circlePlane",
// "text" (the line shown under the picture), "inside", "xc", "yc", "x", "y", "speedRatio", "Cp"
// (the profile's flow at the image point), "circleSpeedRatio", "circleCp" (the circle's own
// flow at the circle point)}.
const char* kestrel_flow_probe(double x, double y, double t, int width, int height);
// The whole flow picture as one packed record for a width x height picture at `ratio` device
// pixels to the logical pixel: its scale the picture's logical pixels; the white ground (Rect),
// for each plane an Area holding its shading (an Image of its box's device pixels), streamlines,
// body, markers and texts, then an Area back to pixels and the plane's frame (Rect, frame
// style); then an Area holding the Cp legend, last one holding the key of the marks under the
// planes. {"width", "height", "ratio", the packed record};
// {"error"} as kestrel_flow_surface. Parts already recorded for the same stage, size and ratio
// are used again.
const char* kestrel_flow_record(double t, int width, int height, double ratio);
// The particles at travel time `time` as dots of the picture, each inside its plane's box:
// {"points": [x1, y1, x2, y2, ...]}.
const char* kestrel_flow_particles(double time, double t, int width, int height);
// The same particles as a packed record in the picture's logical pixels, to be painted over the
// picture: for each a dark ring Marker and the white dot Marker inside it. {"width", "height",
// the packed record}; no items without a picture.
const char* kestrel_flow_particle_record(double time, double t, int width, int height);
// The Compressibility view at the Mach number the latest plot step read: {"mach", "chart" (a
// packed record, stretched over the chart's whole area on a white ground), "sonic" (the chart of
// Cp along the surface with its supersonic part and the profile beneath, packed likewise),
// "rows", "columns", "cells": 4 rows of 4 texts, "past": 4 flags, the rows of the rules past
// their critical Mach number, "warning"}.
const char* kestrel_study_compressibility(void);
// The Boundary layer view of the current state at the Reynolds slider's position (0 to
// "study".reynoldsSteps of kestrel_window, 10^(4 + position / reynoldsStepsPerDecade)) and
// N_crit, its profile picture `aspect` times as wide as high: {"reynolds", "reynoldsText",
// "ncrit", "profile", "friction", "shapeFactor", "polar" (packed records, each stretched over
// its whole canvas on a white ground), "rows", "columns", "cells" (5 rows of 3 texts), "note",
// "trust"}; without a profile the records are empty and the cells dashes. {"error"} for a
// position, N_crit or aspect out of range. The records' arrays are valid until the next call.
const char* kestrel_study_boundary_layer(int position, double ncrit, double aspect);
// The Reynolds number of a slider position (clamped to the slider) and its text:
// {"reynolds", "text"}.
const char* kestrel_reynolds(int position);
// A fresh chain for these inputs (the window's start point count, Mach 0) and the boundary layer
// at its angle: byte for byte what kestrel-calc viscous answers for them with --reynolds and
// --ncrit; {"error"} for a position or option out of range or a table miss.
const char* kestrel_viscous(int thickness, int camber, int alpha, int xm, double reynolds,
                            double ncrit);
// The Theory view: {"lift", "moment", "load" (CL and CM about c/4 against the angle of attack,
// the load along the chord: packed records, each stretched over its chart's whole area on a
// white ground), "rows", "columns" (texts), "cells": 3 rows of 3 texts (dashes without a
// profile)}. The charts sit in the grid of kestrel_window's "study" "theoryCells".
const char* kestrel_study_theory(void);
// Keeps the session's current inputs for comparison: the flow picture and the compressibility
// chart then draw the kept profile as a faint ghost. {"kept": true, "inputs": {"thickness",
// "camber", "points", "alpha", "xm" (scroll positions), "mach" (the Mach text)}, "label"}, or
// {"error"} without a profile.
const char* kestrel_keep(void);
// Keeps the given inputs (those kestrel_keep answered, remembered by the page): the same answer,
// or {"error"} for a position out of its range.
const char* kestrel_keep_inputs(int thickness, int camber, int points, int alpha, int xm,
                                const char* mach);
// Forgets the kept profile.
void kestrel_clear_kept(void);
// The comparison of the current and the kept profile: {"kept", "label" (the kept inputs, or the
// text saying nothing is kept), "columns", "rows": [{"quantity", "cells": [current, kept,
// difference]}] (none with nothing kept), "note"}.
const char* kestrel_study_comparison(void);

#ifdef __cplusplus
}
#endif
