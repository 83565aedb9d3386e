// SPDX-License-Identifier: MIT
// The `kestrel-calc theory` subcommand: thin-airfoil theory beside the exact values.
#pragma once

#include "cli/command.h"
#include "cli/profile_options.h"

#include <string>

namespace kestrel::cli {

// `kestrel-calc theory`: the angle of zero lift, the lift slope and the moment about the quarter
// chord of the profile by thin-airfoil theory and exactly, and the load of both along the chord,
// as JSON, or the load curves as CSV.
class TheoryCommand : public Command {
public:
    CLI::App* attach(CLI::App& app) override;
    std::string run() override;

private:
    ProfileOptions options_;
    std::string format_ = "json";
};

} // namespace kestrel::cli
