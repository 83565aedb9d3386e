// SPDX-License-Identifier: MIT
#include "cli/profile_options.h"

#include "cli/whole_number.h"

namespace kestrel::cli {

namespace {

WholeNumberOption optionOf(const InputDefinition& d) {
    return {d.option, d.minimum, d.maximum, uiText(d.unit)};
}

// "Thickness ratio t/c" from "thickness ratio t/c".
std::string sentenceCase(std::string_view words) {
    std::string text(words);
    if (!text.empty() && text[0] >= 'a' && text[0] <= 'z') {
        text[0] = static_cast<char>(text[0] - 'a' + 'A');
    }
    return text;
}

} // namespace

std::array<std::string, kInputs.size()> ProfileOptions::startTexts() {
    std::array<std::string, kInputs.size()> texts;
    for (const InputDefinition& d : kInputs) {
        texts[static_cast<std::size_t>(d.id)] = std::to_string(d.start);
    }
    return texts;
}

void ProfileOptions::attach(CLI::App& command, std::initializer_list<InputId> inputs, Mach mach) {
    for (const InputId id : inputs) {
        const InputDefinition& d = inputDefinition(id);
        addWholeNumberOption(command, optionOf(d), positions_[static_cast<std::size_t>(id)],
                             sentenceCase(uiText(d.quantity)) + " (" + std::string(uiText(d.unit)) +
                                 ")");
    }
    if (mach == Mach::NotTaken) {
        return;
    }
    command
        .add_option("--mach", mach_,
                    "Free-stream Mach number: any text, read by the window's Mach rule; default 0")
        ->type_name("TEXT");
}

ChainInputs ProfileOptions::request() const {
    const auto value = [this](InputId id) {
        return wholeNumberValue(optionOf(inputDefinition(id)),
                                positions_[static_cast<std::size_t>(id)]);
    };
    ChainInputs request;
    request.thickness = value(InputId::Thickness);
    request.camber = value(InputId::Camber);
    request.points = value(InputId::Points);
    request.alpha = value(InputId::Alpha);
    request.xm = value(InputId::MomentReference);
    request.mach = mach_;
    return request;
}

} // namespace kestrel::cli
