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
//    module's memory, multiples of 4), "numberCount", "texts": [the Text items' texts in order]}
// codes holds 4 int32 per item in drawing order: kind, colour (24-bit RGB, red in the low byte),
// how many of the numbers are the item's, style. numbers holds the items' float32 numbers one
// item after another:
//   kind 0 Line      x1 y1 x2 y2
//   kind 1 Circle    x y r                   (r in horizontal user units)
//   kind 2 Polyline  width x1 y1 x2 y2 ...   (width: the pen in logical pixels)
//   kind 3 Polygon   x1 y1 x2 y2 ...         (filled, without an outline)
//   kind 4 Text      x y                     (style: align 0 Left, 1 Centre, 2 Right, plus 4 for
//                                             the Heading font, 0 the Caption font)
//   kind 5 Marker    x y size                (size: the dot's diameter in logical pixels)
// The style is 0 for every kind but Text. The arrays stay valid until the same record is asked
// for again (or kestrel_start); the memory may grow, so views of it are made when they are read.
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
// The packed record of a surface with its "name", "width" and "height", or {"error"} for an
// unknown surface.
const char* kestrel_surface(int surface);
// The state's numbers in the shape of kestrel-calc profile's answer.
const char* kestrel_state(void);
// The window's fixed definitions: inputs, handlers with their chains, surfaces, plot labels.
const char* kestrel_window(void);
// A fresh start-up and the full chain for these inputs, in a session of its own: what
// kestrel-calc profile answers for them. The current session is left alone.
const char* kestrel_profile(int thickness, int camber, int points, int alpha, int xm,
                            const char* mach);
// The flow of the current profile at a point of the profile plane (circle_plane 0) or of the
// circle plane (1).
const char* kestrel_flow_at(double x, double y, int circle_plane);
// The compressibility analysis of the current state at the Mach number the text reads as; with
// chart 1 also the chart for M = 0 to 0.99.
const char* kestrel_compressibility(const char* mach, int chart);

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
// an unknown part or a ratio outside (0, 16]. The shading is the record's leading "items"
// polygons (the far field and the Cp shading of a plane, the legend's colour bands) painted in
// order over the background into an image of the box's device pixels, round(width x ratio) x
// round(height x ratio): at "pixels", 4 bytes R, G, B, A per pixel, row by row from the top, a
// pixel filled where its centre is inside a polygon. The page puts the image in place and paints
// the items after those. Each part has its own arrays and image; the legend is the same for
// every picture and size (only its box moves).
const char* kestrel_flow_surface(int part, double t, int width, int height, double ratio);
// The probe at point (x, y) of the picture: {"plane": "left", "right" or null, "circlePlane",
// "text" (the line shown under the picture), "inside", "xc", "yc", "x", "y", "speedRatio", "Cp"}.
const char* kestrel_flow_probe(double x, double y, double t, int width, int height);
// The particles at travel time `time` as dots of the picture, each inside its plane's box:
// {"points": [x1, y1, x2, y2, ...]}.
const char* kestrel_flow_particles(double time, double t, int width, int height);
// The Compressibility view at the Mach number the latest plot step read: {"mach", "chart" (a
// packed record, stretched over the chart's whole area on a white ground), "rows", "columns",
// "cells": 4 rows of 4 texts, "warning"}.
const char* kestrel_study_compressibility(void);

#ifdef __cplusplus
}
#endif
