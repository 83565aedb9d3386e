// SPDX-License-Identifier: MIT
#pragma once

#include "cli/command.h"
#include "cli/profile_options.h"

#include <string>

namespace kestrel::cli {

// `kestrel-calc profile`: the window's complete numbers for one set of inputs, as JSON or CSV.
class ProfileCommand : public Command {
public:
    CLI::App* attach(CLI::App& app) override;
    std::string run() override;

private:
    ProfileOptions options_;
    std::string format_ = "json";
};

} // namespace kestrel::cli
