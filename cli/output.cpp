// SPDX-License-Identifier: MIT
#include "cli/output.h"

#include "cli/command.h"

#include <cerrno>
#include <cstring>

namespace kestrel::cli {

void writeOutput(std::FILE* stream, std::string_view text) {
    errno = 0;
    const std::size_t written = std::fwrite(text.data(), 1, text.size(), stream);
    if (written == text.size() && std::fflush(stream) == 0) {
        return;
    }
    const int cause = errno;
    throw RunError(std::string("cannot write the output: ") +
                   (cause != 0 ? std::strerror(cause) : "write error"));
}

void writeFilesAtomically(const std::vector<FileToWrite>& files) {
    try {
        writeFileSet(files);
    } catch (const FileWriteError& error) {
        throw RunError(error.what());
    }
}

} // namespace kestrel::cli
