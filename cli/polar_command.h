// SPDX-License-Identifier: MIT
// The `kestrel-calc polar` subcommand: the drag polar of one profile over a range of angles.
#pragma once

#include "cli/command.h"
#include "cli/profile_options.h"
#include "cli/viscous_options.h"

#include <string>

namespace kestrel::cli {

// `kestrel-calc polar`: CL, CM, CD, L/D and transition and separation on both sides at each
// angle of a range, as CSV or JSON.
class PolarCommand : public Command {
public:
    CLI::App* attach(CLI::App& app) override;
    std::string run() override;

private:
    ProfileOptions options_;
    ViscousOptions viscous_;
    std::string from_ = "-10";
    std::string to_ = "10";
    std::string step_ = "1";
    std::string format_ = "csv";
};

} // namespace kestrel::cli
