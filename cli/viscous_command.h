// SPDX-License-Identifier: MIT
// The `kestrel-calc viscous` subcommand: the boundary layer and the drag of one profile and
// angle.
#pragma once

#include "cli/command.h"
#include "cli/profile_options.h"
#include "cli/viscous_options.h"

#include <string>

namespace kestrel::cli {

// `kestrel-calc viscous`: the boundary layer on both sides, transition, separation and the
// profile drag for one set of inputs, as JSON or as CSV points.
class ViscousCommand : public Command {
public:
    CLI::App* attach(CLI::App& app) override;
    std::string run() override;

private:
    ProfileOptions options_;
    ViscousOptions viscous_;
    std::string format_ = "json";
};

} // namespace kestrel::cli
