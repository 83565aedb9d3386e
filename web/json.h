// SPDX-License-Identifier: MIT
// A small JSON writer for the browser module's answers: objects, arrays, strings and numbers,
// with commas placed by the writer.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kestrel::web {

class JsonWriter {
public:
    JsonWriter& beginObject();
    JsonWriter& endObject();
    JsonWriter& beginArray();
    JsonWriter& endArray();
    // The key of the next value inside an object.
    JsonWriter& key(std::string_view name);
    JsonWriter& value(std::string_view text);
    JsonWriter& value(const char* text) { return value(std::string_view(text)); }
    // A double in its shortest round-trip digits; not a number and infinities are null.
    JsonWriter& value(double number);
    // A single-precision coordinate, with the nine significant digits that read back as it.
    JsonWriter& value(float number);
    JsonWriter& value(long number);
    JsonWriter& value(int number) { return value(static_cast<long>(number)); }
    JsonWriter& value(bool flag);
    JsonWriter& null();

    const std::string& text() const { return out_; }

private:
    void separate();

    std::string out_;
    std::vector<bool> first_; // per open container: no value written yet
    bool afterKey_ = false;
};

// The JSON number text of a double as JavaScript would read it back: shortest digits, fixed
// notation for exponents -7 to 20, otherwise with an exponent; "null" where not finite.
std::string jsonNumber(double number);

} // namespace kestrel::web
