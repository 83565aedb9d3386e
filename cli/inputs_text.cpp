// SPDX-License-Identifier: MIT
#include "cli/inputs_text.h"

#include "cli/command.h"
#include "cli/whole_number.h"

#include <array>
#include <optional>

namespace kestrel::cli {

namespace {

std::string_view keyOf(const InputDefinition& d) {
    return d.option.substr(2); // "--thickness" without its dashes
}

std::string_view trimmed(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && blank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

std::optional<InputId> inputOf(std::string_view key) {
    for (const InputDefinition& d : kInputs) {
        if (keyOf(d) == key) {
            return d.id;
        }
    }
    return std::nullopt;
}

void setPosition(ChainInputs& inputs, InputId id, int position) {
    switch (id) {
    case InputId::Thickness:
        inputs.thickness = position;
        return;
    case InputId::Camber:
        inputs.camber = position;
        return;
    case InputId::Points:
        inputs.points = position;
        return;
    case InputId::Alpha:
        inputs.alpha = position;
        return;
    case InputId::MomentReference:
        break;
    }
    inputs.xm = position;
}

} // namespace

std::string inputKeysText() {
    std::string keys;
    for (std::size_t i = 0; i < kInputs.size(); ++i) {
        keys += (i == 0 ? "" : (i + 1 == kInputs.size() ? " or " : ", "));
        keys += keyOf(kInputs[i]);
    }
    return keys;
}

ChainInputs inputsFromText(std::string_view option, std::string_view text) {
    const std::string where(option);
    const std::string example = " (key=value pairs such as \"thickness=12,camber=4,alpha=5\")";
    if (trimmed(text).empty()) {
        throw UsageError(where + " is empty; give" + example);
    }
    ChainInputs inputs;
    std::array<bool, kInputs.size()> given{};
    while (true) {
        const std::size_t comma = text.find(',');
        const std::string_view pair = text.substr(0, comma);
        const std::size_t equals = pair.find('=');
        if (equals == std::string_view::npos) {
            throw UsageError(where + ": \"" + std::string(trimmed(pair)) +
                             "\" is not a key=value pair" + example);
        }
        const std::string key(trimmed(pair.substr(0, equals)));
        const std::optional<InputId> id = inputOf(key);
        if (!id) {
            throw UsageError(where + ": unknown key \"" + key + "\"; use " + inputKeysText());
        }
        if (given[static_cast<std::size_t>(*id)]) {
            throw UsageError(where + ": " + key + " is given twice");
        }
        given[static_cast<std::size_t>(*id)] = true;
        const InputDefinition& d = inputDefinition(*id);
        const std::string name = where + ": " + key;
        setPosition(inputs, *id,
                    wholeNumberValue({name, d.minimum, d.maximum, uiText(d.unit)},
                                     trimmed(pair.substr(equals + 1))));
        if (comma == std::string_view::npos) {
            return inputs;
        }
        text.remove_prefix(comma + 1);
    }
}

} // namespace kestrel::cli
