#pragma once

#include "cli/profile_report.h"

#include <CLI/CLI.hpp>
#include <string>

namespace kestrel::cli {

// The window's inputs as options of a subcommand: the scroll positions as whole numbers within
// their scroll bars' ranges, and the Mach text. The texts are kept as given, their initial
// values being the window's initial positions, until request() checks them.
class ProfileOptions {
public:
    // Which inputs a subcommand takes: the profile alone (thickness, camber, points) or also
    // the flow around it (angle of attack, moment reference, Mach text).
    enum class Inputs { Profile, ProfileAndFlow };

    void attach(CLI::App& command, Inputs inputs);

    // The checked positions and the Mach text. Throws UsageError naming the first option whose
    // value is not a whole number within its range.
    ProfileRequest request() const;

private:
    std::string thickness_ = "0";
    std::string camber_ = "0";
    std::string points_ = "51";
    std::string alpha_ = "0";
    std::string xm_ = "0";
    std::string mach_ = "0";
};

} // namespace kestrel::cli
