// SPDX-License-Identifier: MIT
// Writes the texts' table (model/texts.h) as a C++ source that Qt's lupdate reads: one
// QT_TRANSLATE_NOOP3 per text with its context, the text and its key as the disambiguation, so
// that lupdate brings translations/*.ts up to date with the table as it is compiled.
#include "model/texts.h"

#include <fstream>
#include <iostream>
#include <string>

namespace {

// A C string literal of UTF-8 text: quotes, backslashes and line ends escaped.
std::string literal(std::string_view text) {
    std::string result = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            result += '\\';
            result += c;
        } else if (c == '\n') {
            result += "\\n";
        } else {
            result += c;
        }
    }
    return result + '"';
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::cerr << "usage: kestrel_texts_for_lupdate OUTPUT\n";
        return 2;
    }
    std::ofstream out(argv[1]);
    out << "// Generated from model/texts.h by kestrel_texts_for_lupdate, for lupdate only.\n";
    for (const kestrel::TextEntry& t : kestrel::kTexts) {
        if (t.id != kestrel::TextId::None) {
            out << "QT_TRANSLATE_NOOP3(" << literal(t.context) << ", " << literal(t.text) << ", "
                << literal(t.key) << ")\n";
        }
    }
    out.close();
    if (!out) {
        std::cerr << "kestrel_texts_for_lupdate: cannot write " << argv[1] << "\n";
        return 1;
    }
    return 0;
}
