// SPDX-License-Identifier: MIT
#include "web/json.h"

#include "model/decimal.h"

#include <cmath>
#include <cstdio>

namespace kestrel::web {

std::string jsonNumber(double number) {
    if (!std::isfinite(number)) {
        return "null";
    }
    if (number == 0) {
        return "0";
    }
    const DecimalDigits d = shortestDigits(number);
    if (d.exponent >= -7 && d.exponent <= 20) {
        return shortestFixed(number);
    }
    return scientificText(d);
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
    }
}

JsonWriter& JsonWriter::beginObject() {
    separate();
    out_ += '{';
    first_.push_back(true);
    return *this;
}

JsonWriter& JsonWriter::endObject() {
    out_ += '}';
    first_.pop_back();
    return *this;
}

JsonWriter& JsonWriter::beginArray() {
    separate();
    out_ += '[';
    first_.push_back(true);
    return *this;
}

JsonWriter& JsonWriter::endArray() {
    out_ += ']';
    first_.pop_back();
    return *this;
}

JsonWriter& JsonWriter::key(std::string_view name) {
    value(name);
    out_ += ':';
    afterKey_ = true;
    return *this;
}

JsonWriter& JsonWriter::value(std::string_view text) {
    separate();
    out_ += '"';
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            out_ += '\\';
            out_ += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
            out_ += escaped;
        } else {
            out_ += c;
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

JsonWriter& JsonWriter::value(float number) {
    separate();
    if (!std::isfinite(number)) {
        out_ += "null";
        return *this;
    }
    // The module runs in the C locale, so printf writes "." as the point.
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.9g", static_cast<double>(number));
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

} // namespace kestrel::web
