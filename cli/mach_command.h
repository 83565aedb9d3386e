// SPDX-License-Identifier: MIT
// The `kestrel-calc mach` subcommand: compressibility numbers of one profile and angle.
#pragma once

#include "cli/command.h"
#include "cli/profile_options.h"

#include <string>

namespace kestrel::cli {

// `kestrel-calc mach`: the critical pressure coefficient and the three compressibility rules for
// one set of inputs, as JSON at the given Mach number or as a CSV chart over M = 0 to 0.99.
class MachCommand : public Command {
public:
    CLI::App* attach(CLI::App& app) override;
    std::string run() override;

private:
    ProfileOptions options_;
    std::string format_ = "json";
};

} // namespace kestrel::cli
