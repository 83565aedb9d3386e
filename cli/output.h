#pragma once

#include <cstdio>
#include <string_view>

namespace kestrel::cli {

// Writes the whole text to the stream and flushes it. Throws RunError naming the cause when the
// stream does not take it all (a full disk, a closed pipe).
void writeOutput(std::FILE* stream, std::string_view text);

} // namespace kestrel::cli
