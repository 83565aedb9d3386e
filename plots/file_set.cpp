// SPDX-License-Identifier: MIT
#include "plots/file_set.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <memory>
#include <string_view>
#include <sys/file.h>
#include <unistd.h>

namespace kestrel {

namespace {

FileWriteError cannotWrite(const std::string& path, int cause) {
    return FileWriteError("cannot write " + path + ": " + std::strerror(cause));
}

// Writes every byte, going on after a partial write or an interruption. Returns 0 or the cause
// of the failure.
int writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return errno;
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return 0;
}

// A file written under a hidden temporary name beside its final one, removed again unless it
// was renamed to its final name.
class TemporaryFile {
public:
    TemporaryFile(const std::string& finalPath, int serial) : finalPath_(finalPath) {
        const std::filesystem::path target(finalPath);
        path_ = (target.parent_path() /
                 ("." + target.filename().string() + "." + std::to_string(::getpid()) + "-" +
                  std::to_string(serial) + ".tmp"))
                    .string();
        // A folder in the way would only show at the rename, after other files were renamed.
        std::error_code ignored;
        if (std::filesystem::is_directory(target, ignored)) {
            throw cannotWrite(finalPath_, EISDIR);
        }
    }
    ~TemporaryFile() {
        if (created_) {
            ::unlink(path_.c_str());
        }
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    // Writes the bytes and syncs them to disk.
    void fill(std::string_view bytes) {
        const int fd = ::open(path_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0) {
            throw cannotWrite(finalPath_, errno);
        }
        created_ = true;
        int cause = writeAll(fd, bytes);
        if (cause == 0 && ::fsync(fd) != 0) {
            cause = errno;
        }
        if (::close(fd) != 0 && cause == 0) {
            cause = errno;
        }
        if (cause != 0) {
            throw cannotWrite(finalPath_, cause);
        }
    }

    void rename() {
        if (::rename(path_.c_str(), finalPath_.c_str()) != 0) {
            throw cannotWrite(finalPath_, errno);
        }
        created_ = false;
    }

private:
    std::string finalPath_;
    std::string path_;
    bool created_ = false;
};

// An exclusive lock on a folder, held while a set of files is renamed into it.
class FolderLock {
public:
    explicit FolderLock(const std::string& folder)
        : fd_(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)) {
        if (fd_ < 0) {
            throw cannotWrite(folder, errno);
        }
        while (::flock(fd_, LOCK_EX) != 0) {
            if (errno != EINTR) {
                const int cause = errno;
                ::close(fd_);
                throw cannotWrite(folder, cause);
            }
        }
    }
    ~FolderLock() { ::close(fd_); } // closing releases the lock
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

private:
    int fd_;
};

std::string folderOf(const std::string& path) {
    const std::filesystem::path folder = std::filesystem::path(path).parent_path();
    return folder.empty() ? "." : folder.string();
}

} // namespace

void writeFileSet(const std::vector<FileToWrite>& files) {
    if (files.empty()) {
        return;
    }
    std::vector<std::unique_ptr<TemporaryFile>> written;
    for (const FileToWrite& file : files) {
        written.push_back(
            std::make_unique<TemporaryFile>(file.path, static_cast<int>(written.size())));
        written.back()->fill(file.bytes);
    }
    const FolderLock lock(folderOf(files.front().path));
    for (const auto& file : written) {
        file->rename();
    }
}

} // namespace kestrel
