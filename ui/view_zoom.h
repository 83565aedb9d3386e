// SPDX-License-Identifier: MIT
// The windows' zoom beyond the windows themselves: the zoom remembered between runs, the command
// line's --zoom option, and the fonts of the menus, tooltips and message boxes at a zoom.
#pragma once

class QCommandLineParser;

namespace kestrel {

// The zoom last chosen with the zoom keys; 1 when none was chosen, or what was kept is no zoom.
double rememberedZoom();
void rememberZoom(double zoom);

// Adds --zoom FACTOR to the program's options.
void addZoomOption(QCommandLineParser& parser);

// The zoom the windows open at: the option's factor when it is given, else the remembered zoom.
// Throws std::invalid_argument, its message for the user, when the factor is no zoom.
double openingZoom(const QCommandLineParser& parser);

// Menus, tooltips and message boxes are windows of their own that take their fonts from the
// application: sets those fonts to the ones they had at first, at the zoom.
void zoomPopupFonts(double zoom);

} // namespace kestrel
