// SPDX-License-Identifier: MIT
// The window's inputs as options of a subcommand, from the table of the five inputs.
#pragma once

#include "model/chain.h"

#include <CLI/CLI.hpp>
#include <array>
#include <initializer_list>
#include <string>

namespace kestrel::cli {

// The scroll positions as whole-number options within their scroll bars' ranges, and the Mach
// text. The texts are kept as given, starting at the window's start positions, until request()
// checks them; inputs a subcommand does not take keep their start positions.
class ProfileOptions {
public:
    // The inputs of the profile alone (thickness, camber, points).
    static constexpr std::initializer_list<InputId> kProfile = {InputId::Thickness, InputId::Camber,
                                                                InputId::Points};
    // Every input: the profile, the angle of attack and the moment reference.
    static constexpr std::initializer_list<InputId> kAll = {InputId::Thickness, InputId::Camber,
                                                            InputId::Points, InputId::Alpha,
                                                            InputId::MomentReference};

    enum class Mach { Taken, NotTaken };

    void attach(CLI::App& command, std::initializer_list<InputId> inputs, Mach mach);

    // The checked positions and the Mach text. Throws UsageError naming the first option whose
    // value is not a whole number within its range.
    ChainInputs request() const;

private:
    std::array<std::string, kInputs.size()> positions_ = startTexts();
    std::string mach_ = ChainInputs{}.mach;

    static std::array<std::string, kInputs.size()> startTexts();
};

} // namespace kestrel::cli
