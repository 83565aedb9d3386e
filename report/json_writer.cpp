// SPDX-License-Identifier: MIT
#include "report/json_writer.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <nlohmann/detail/conversions/to_chars.hpp>

namespace kestrel {

std::string jsonNumber(double number) {
    if (!std::isfinite(number)) {
        return "null";
    }
    constexpr double kExactWhole = 9007199254740992.0; // 2^53
    if (std::trunc(number) == number && std::fabs(number) < kExactWhole &&
        !(number == 0 && std::signbit(number))) {
        return std::to_string(static_cast<std::int64_t>(number));
    }
    // nlohmann/json's digits and layout, which kestrel-calc's documents have always had.
    char text[64];
    const char* end = nlohmann::detail::to_chars(text, text + sizeof text, number);
    return std::string(static_cast<const char*>(text), end);
}

void JsonWriter::newLine(std::size_t depth) {
    if (indent_ > 0) {
        out_ += '\n';
        out_.append(depth * static_cast<std::size_t>(indent_), ' ');
    }
}

void JsonWriter::separate() {
    if (afterKey_) {
        afterKey_ = false;
        return;
    }
    if (!first_.empty()) {
        if (!first_.back()) {
            out_ += ',';
        }
        first_.back() = false;
        newLine(first_.size());
    }
}

JsonWriter& JsonWriter::beginObject() {
    separate();
    out_ += '{';
    first_.push_back(true);
    return *this;
}

JsonWriter& JsonWriter::close(char bracket) {
    const bool empty = first_.back();
    first_.pop_back();
    if (!empty) {
        newLine(first_.size());
    }
    out_ += bracket;
    return *this;
}

JsonWriter& JsonWriter::endObject() {
    return close('}');
}

JsonWriter& JsonWriter::beginArray() {
    separate();
    out_ += '[';
    first_.push_back(true);
    return *this;
}

JsonWriter& JsonWriter::endArray() {
    return close(']');
}

JsonWriter& JsonWriter::key(std::string_view name) {
    value(name);
    out_ += indent_ > 0 ? ": " : ":";
    afterKey_ = true;
    return *this;
}

JsonWriter& JsonWriter::value(std::string_view text) {
    separate();
    out_ += '"';
    for (const char c : text) {
        switch (c) {
        case '"':
            out_ += "\\\"";
            break;
        case '\\':
            out_ += "\\\\";
            break;
        case '\b':
            out_ += "\\b";
            break;
        case '\f':
            out_ += "\\f";
            break;
        case '\n':
            out_ += "\\n";
            break;
        case '\r':
            out_ += "\\r";
            break;
        case '\t':
            out_ += "\\t";
            break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                char escaped[8];
                std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
                out_ += escaped;
            } else {
                out_ += c;
            }
        }
    }
    out_ += '"';
    return *this;
}

JsonWriter& JsonWriter::value(double number) {
    separate();
    out_ += jsonNumber(number);
    return *this;
}

JsonWriter& JsonWriter::value(std::optional<double> number) {
    return number ? value(*number) : null();
}

JsonWriter& JsonWriter::value(float number) {
    separate();
    if (!std::isfinite(number)) {
        out_ += "null";
        return *this;
    }
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.9g", static_cast<double>(number));
    // A decimal comma of the C locale becomes the point.
    for (char* c = buffer; *c != '\0'; ++c) {
        if (*c == ',') {
            *c = '.';
        }
    }
    out_ += buffer;
    return *this;
}

JsonWriter& JsonWriter::value(long number) {
    separate();
    out_ += std::to_string(number);
    return *this;
}

JsonWriter& JsonWriter::value(bool flag) {
    separate();
    out_ += flag ? "true" : "false";
    return *this;
}

JsonWriter& JsonWriter::null() {
    separate();
    out_ += "null";
    return *this;
}

} // namespace kestrel
