// SPDX-License-Identifier: MIT
#pragma once

#include <CLI/CLI.hpp>
#include <string>
#include <string_view>

namespace kestrel::cli {

// An option that takes a scroll-bar position of the window: a whole number in a closed range.
// The option reads its value as text, so that every wrong value (a fraction, a word, a number
// out of range) reaches one check with one message naming the option and its range.
struct WholeNumberOption {
    std::string_view name;    // "--thickness"
    int min;                  // smallest position
    int max;                  // largest position
    std::string_view meaning; // unit or meaning of the position, "hundredths of the chord"
};

// "a whole number from 0 to 30 (hundredths of the chord)"
std::string rangeText(const WholeNumberOption& option);

// The value of the option's text: an optional sign and decimal digits only, within the range.
// Throws UsageError "--thickness must be a whole number from 0 to 30 (...), got 31" otherwise.
int wholeNumberValue(const WholeNumberOption& option, std::string_view text);

// Adds the option to a subcommand, storing its text in `text`, whose value on entry is the
// default position; the help line gives the range and the default.
CLI::Option* addWholeNumberOption(CLI::App& command, const WholeNumberOption& option,
                                  std::string& text, std::string_view description);

} // namespace kestrel::cli
