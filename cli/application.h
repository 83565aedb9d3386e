// SPDX-License-Identifier: MIT
#pragma once

#include <cstdio>

namespace kestrel::cli {

// Runs kestrel-calc: parses the command line, runs the chosen subcommand and writes its output
// to `out` only when everything succeeded; otherwise writes one line "kestrel-calc: <message>"
// to `err` and nothing to `out`. Returns the exit status (kExitSuccess, kExitUsage for a bad
// command line, kExitFailure when the work or the writing failed).
int runCommandLine(int argc, const char* const* argv, std::FILE* out, std::FILE* err);

} // namespace kestrel::cli
