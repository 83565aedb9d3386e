// SPDX-License-Identifier: MIT
// Writing a set of files (a plot's picture, its data, five pictures) so that no partial file ever
// stands under a final name; kestrel-calc and the window's "Save" share it.
#pragma once

#include <stdexcept>
#include <string>
#include <vector>

namespace kestrel {

// A file to write: its path and its contents.
struct FileToWrite {
    std::string path;
    std::string bytes;
};

// "cannot write PATH: reason", the reason being the system's own ("No space left on device",
// "Permission denied") or "is not a regular file".
class FileWriteError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Writes a set of files into one folder as one set. Each file is written and synced to disk under
// a hidden temporary name beside its final one first; only once all of them are complete are they
// renamed to their final names, while the folder is locked against other writers doing the same,
// so that two writers of the same set at once leave one complete set, never a mix. A failure to
// create or fill a file leaves no new file at all, and only a failing rename (after earlier ones
// succeeded) can leave some of the new files in place. Only a regular file is replaced, and only
// one the user may write; a folder, FIFO, device or socket under a path is left alone, and a
// symbolic link is written through to the file it names. A replaced file keeps its permissions.
// Throws FileWriteError.
void writeFileSet(const std::vector<FileToWrite>& files);

} // namespace kestrel
