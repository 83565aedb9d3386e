// SPDX-License-Identifier: MIT
// Where kestrel-calc's output goes: standard output, or files that appear only when complete.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace kestrel::cli {

// Writes the whole text to the stream and flushes it. Throws RunError naming the cause when the
// stream does not take it all (a full disk, a closed pipe).
void writeOutput(std::FILE* stream, std::string_view text);

// A file to write: its path and its contents.
struct OutputFile {
    std::string path;
    std::string bytes;
};

// Writes a set of files into one folder as one set. Each file is written and synced to disk under
// a temporary name beside its final one first; only once all of them are complete are they renamed
// to their final names, while the folder is locked against other kestrel-calc runs doing the same,
// so that two runs writing the same set at once leave one complete set, never a mix. No partial
// file ever stands under a final name; a failure to create or fill a file leaves no new file at
// all, and only a failing rename (after earlier ones succeeded) can leave some of the new files in
// place. Throws RunError "cannot write PATH: reason", the reason being the system's own.
void writeFilesAtomically(const std::vector<OutputFile>& files);

} // namespace kestrel::cli
