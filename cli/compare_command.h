// SPDX-License-Identifier: MIT
// The `kestrel-calc compare` subcommand: two states' numbers side by side.
#pragma once

#include "cli/command.h"
#include "cli/viscous_options.h"

#include <string>

namespace kestrel::cli {

// `kestrel-calc compare --a TEXT --b TEXT`: for two sets of inputs, each written as key=value
// pairs, the lift, moment, suction peak, critical Mach numbers, thin-airfoil numbers and the
// boundary layer's drag and transitions, as one JSON document with both or as a CSV table with a
// column for each.
class CompareCommand : public Command {
public:
    CLI::App* attach(CLI::App& app) override;
    std::string run() override;

private:
    std::string a_;
    std::string b_;
    std::string format_ = "json";
    ViscousOptions layer_;
};

} // namespace kestrel::cli
