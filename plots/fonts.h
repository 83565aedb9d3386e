// SPDX-License-Identifier: MIT
// The fonts of the recorded texts and labels in one table: families in the order they are tried,
// size in points, weight and slant; the painter, the window and the page all take them from here.
#pragma once

#include "plots/surface.h"

#include <array>
#include <string>
#include <string_view>

namespace kestrel {

// Arial where it exists, otherwise a metric-compatible or common face; the Greek letters are
// shown in an ordinary serif font.
inline constexpr std::array<std::string_view, 3> kSansFamilies = {"Arial", "Liberation Sans",
                                                                  "DejaVu Sans"};
inline constexpr std::array<std::string_view, 3> kSerifFamilies = {
    "Times New Roman", "Liberation Serif", "DejaVu Serif"};

struct FontDefinition {
    TextFont font;
    std::string_view name; // the font's name in the module's table
    bool serif;
    double points;
    bool bold;
    bool italic;
};

// In the order of TextFont. Caption is also the window's own font.
inline constexpr std::array<FontDefinition, 5> kFonts{{
    {TextFont::Caption, "caption", false, 8, false, false},
    {TextFont::Heading, "heading", false, 9, true, false},
    {TextFont::Tick, "tick", false, 6.75, false, true},
    {TextFont::AxisTitle, "axis title", false, 8.25, false, true},
    {TextFont::Greek, "greek", true, 8.25, false, false},
}};

constexpr const FontDefinition& fontDefinition(TextFont font) {
    return kFonts[static_cast<std::size_t>(font)];
}

// The font as a CSS font shorthand at 96 pixels to the inch ("italic 9px Arial, ...,
// sans-serif"), for the page's canvas and elements.
std::string cssFont(const FontDefinition& font);

} // namespace kestrel
