// SPDX-License-Identifier: MIT
#pragma once

#include <CLI/CLI.hpp>
#include <stdexcept>
#include <string>

namespace kestrel::cli {

// Exit statuses of kestrel-calc.
inline constexpr int kExitSuccess = 0;
inline constexpr int kExitFailure = 1; // the computation or the output failed
inline constexpr int kExitUsage = 2;   // the command line is wrong

// A bad command line: the message names the option and what it accepts. It is printed on its
// own after the program name, so it starts in lower case and carries no program name itself.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A valid command line whose work could not be done (for example the output cannot be written).
class RunError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// One subcommand of kestrel-calc. The application attaches every command to the command-line
// parser, parses once, and then runs the one command the user chose.
class Command {
public:
    virtual ~Command() = default;

    // Adds the subcommand with its options and help texts to the application and returns it.
    // The options are stored in the command itself until run() checks them.
    virtual CLI::App* attach(CLI::App& app) = 0;

    // Checks the parsed option values and computes the complete output, which the application
    // writes only when this returns. Throws UsageError for a bad value and RunError when the
    // work fails; never writes anything itself.
    virtual std::string run() = 0;
};

} // namespace kestrel::cli
