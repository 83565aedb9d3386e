// SPDX-License-Identifier: MIT
#include "cli/whole_number.h"

#include "cli/command.h"

#include <charconv>
#include <optional>

namespace kestrel::cli {

namespace {

// An optional sign followed by one or more decimal digits, and nothing else.
bool isWholeNumberText(std::string_view text) {
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        text.remove_prefix(1);
    }
    if (text.empty()) {
        return false;
    }
    for (char c : text) {
        if (c < '0' || c > '9') {
            return false;
        }
    }
    return true;
}

// The number a whole-number text stands for, when it fits into a long long.
std::optional<long long> wholeNumber(std::string_view text) {
    if (!isWholeNumberText(text)) {
        return std::nullopt;
    }
    if (text.front() == '+') {
        text.remove_prefix(1); // from_chars takes "-" but not "+"
    }
    long long value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

} // namespace

std::string rangeText(const WholeNumberOption& option) {
    return "a whole number from " + std::to_string(option.min) + " to " +
           std::to_string(option.max) + " (" + std::string(option.meaning) + ")";
}

int wholeNumberValue(const WholeNumberOption& option, std::string_view text) {
    const std::optional<long long> value = wholeNumber(text);
    if (value && *value >= option.min && *value <= option.max) {
        return static_cast<int>(*value);
    }
    // A whole number is echoed as given; anything else in quotes, so that an empty text shows.
    const std::string got =
        isWholeNumberText(text) ? std::string(text) : "\"" + std::string(text) + "\"";
    throw UsageError(std::string(option.name) + " must be " + rangeText(option) + ", got " + got);
}

CLI::Option* addWholeNumberOption(CLI::App& command, const WholeNumberOption& option,
                                  std::string& text, std::string_view description) {
    const std::string help = std::string(description) + ": " + std::to_string(option.min) + " to " +
                             std::to_string(option.max) + ", default " + text;
    return command.add_option(std::string(option.name), text, help)->type_name("INT");
}

} // namespace kestrel::cli
