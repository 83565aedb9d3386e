// SPDX-License-Identifier: MIT
#include "plots/window_layout.h"

#include "model/text.h"

#include <stdexcept>

namespace kestrel {

std::string startText(const Control& control, std::string_view decimalSeparator) {
    if (control.input) {
        const InputDefinition& d = inputDefinition(*control.input);
        return numberText(inputValue(d.id, d.start), decimalSeparator);
    }
    return "0";
}

std::string accessibleName(const Control& control, const Texts& texts) {
    if (!control.input) {
        return std::string(texts[control.accessibleName]);
    }
    const InputDefinition& d = inputDefinition(*control.input);
    if (control.kind == ControlKind::ScrollBar) {
        return texts.format(TextId::ScrollBarName, {texts[d.quantity], texts[d.unit]});
    }
    return std::string(texts[d.quantity]);
}

const AboutLabelStyle& aboutLabelStyle(std::string_view name) {
    for (const AboutLabelStyle& style : kAboutLabelStyles) {
        if (style.name == name) {
            return style;
        }
    }
    throw std::out_of_range("no About label named " + std::string(name));
}

} // namespace kestrel
