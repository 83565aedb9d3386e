// SPDX-License-Identifier: MIT
// Where kestrel-calc's output goes: standard output, or files that appear only when complete.
#pragma once

#include "plots/file_set.h"

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace kestrel::cli {

// Writes the whole text to the stream and flushes it. Throws RunError naming the cause when the
// stream does not take it all (a full disk, a closed pipe).
void writeOutput(std::FILE* stream, std::string_view text);

// Writes the files as one set (writeFileSet); throws RunError "cannot write PATH: reason".
void writeFilesAtomically(const std::vector<FileToWrite>& files);

} // namespace kestrel::cli
