// SPDX-License-Identifier: MIT
// The boundary layer's options of a subcommand: Reynolds number, N_crit and the trips.
#pragma once

#include "model/boundary_layer.h"

#include <CLI/CLI.hpp>
#include <string>

namespace kestrel::cli {

// The methods of the boundary layer and where they hold, for the help of the subcommands.
extern const char* const kBoundaryLayerMethods;

// --reynolds and --ncrit, and for one state also --trip-upper and --trip-lower. The texts are
// kept as given until request() checks them.
class ViscousOptions {
public:
    enum class Trips { Taken, NotTaken };

    void attach(CLI::App& command, Trips trips);

    // The checked options. Throws UsageError naming the first option whose value is not a
    // number within its range.
    BoundaryLayerOptions request() const;

private:
    std::string reynolds_ = "1e6";
    std::string ncrit_ = "9";
    std::string tripUpper_;
    std::string tripLower_;
    CLI::Option* tripUpperOption_ = nullptr;
    CLI::Option* tripLowerOption_ = nullptr;
};

} // namespace kestrel::cli
