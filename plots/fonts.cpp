// SPDX-License-Identifier: MIT
#include "plots/fonts.h"

#include "model/text.h"

namespace kestrel {

std::string cssFont(const FontDefinition& font) {
    std::string css = font.italic ? "italic " : "";
    css += font.bold ? "bold " : "";
    // A point is 1/72 inch, a CSS pixel 1/96 inch; three decimals are plenty for a font size.
    css += numberText(roundDecimals(font.points * 96 / 72, 3), ".") + "px";
    for (const std::string_view family : font.serif ? kSerifFamilies : kSansFamilies) {
        css += family.find(' ') == std::string_view::npos ? " " + std::string(family)
                                                          : " \"" + std::string(family) + "\"";
        css += ',';
    }
    return css + (font.serif ? " serif" : " sans-serif");
}

} // namespace kestrel
