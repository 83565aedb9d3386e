// SPDX-License-Identifier: MIT
// The one JSON writer of kestrel-calc's documents and the browser module's answers: objects,
// arrays, strings and numbers written as they come, with commas (and, for documents, line breaks
// and indentation) placed by the writer.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kestrel {

class JsonWriter {
public:
    // indent 0 writes everything on one line; otherwise each member and element starts a line,
    // indented by that many spaces per level, and a key is followed by ": ".
    explicit JsonWriter(int indent = 0) : indent_(indent) {}

    JsonWriter& beginObject();
    JsonWriter& endObject();
    JsonWriter& beginArray();
    JsonWriter& endArray();
    // The key of the next value inside an object.
    JsonWriter& key(std::string_view name);
    JsonWriter& value(std::string_view text);
    JsonWriter& value(const char* text) { return value(std::string_view(text)); }
    // A double by jsonNumber; no value is null.
    JsonWriter& value(double number);
    JsonWriter& value(std::optional<double> number);
    // A single-precision coordinate, with the nine significant digits that read back as it.
    JsonWriter& value(float number);
    JsonWriter& value(long number);
    JsonWriter& value(int number) { return value(static_cast<long>(number)); }
    JsonWriter& value(bool flag);
    JsonWriter& null();

    const std::string& text() const { return out_; }

private:
    void separate();
    void newLine(std::size_t depth);
    JsonWriter& close(char bracket);

    int indent_;
    std::string out_;
    std::vector<bool> first_; // per open container: no value written yet
    bool afterKey_ = false;
};

// The JSON text of a double: a whole number below 2^53 in size as an integer ("3", "-12"), any
// other finite value in digits that read back as the same double (nlohmann/json's, at most 17),
// in fixed notation from 1e-5 up to 1e15 and otherwise with an exponent of at least two digits
// ("0.0001", "1.5e-05", "1e+16"), -0 as "-0.0"; "null" where JSON has no number (infinities,
// NaN).
std::string jsonNumber(double number);

} // namespace kestrel
