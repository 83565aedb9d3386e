// SPDX-License-Identifier: MIT
#include "plots/file_set.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <memory>
#include <optional>
#include <set>
#include <string_view>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kestrel {

namespace {

// Why a path that names a folder, a FIFO, a device or a socket is not written.
constexpr std::string_view kNotARegularFile = "is not a regular file";

// The longest chain of symbolic links followed to the file written, as the system's own limit.
constexpr int kMaxLinks = 40;

FileWriteError cannotWrite(const std::string& path, std::string_view reason) {
    return FileWriteError("cannot write " + path + ": " + std::string(reason));
}

FileWriteError cannotWrite(const std::string& path, int cause) {
    return cannotWrite(path, std::strerror(cause));
}

// The file a write to a path replaces or creates: the path itself, or the end of its chain of
// symbolic links, with its status when it exists.
struct Target {
    std::string path;
    std::optional<struct stat> existing;
};

// Follows the path's symbolic links to the file they name. Only a regular file the user may
// write is replaced; anything else there is refused and left alone, with the system's own reason
// when it refuses the write.
Target targetOf(const std::string& given) {
    std::filesystem::path path(given);
    for (int links = 0;; ++links) {
        struct stat status {};
        if (::lstat(path.c_str(), &status) != 0) {
            if (errno == ENOENT) {
                return {path.string(), std::nullopt};
            }
            throw cannotWrite(given, errno);
        }
        if (!S_ISLNK(status.st_mode)) {
            if (!S_ISREG(status.st_mode)) {
                throw cannotWrite(given, kNotARegularFile);
            }
            if (::faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) != 0) {
                throw cannotWrite(given, errno);
            }
            return {path.string(), status};
        }
        if (links == kMaxLinks) {
            throw cannotWrite(given, ELOOP);
        }
        std::error_code error;
        const std::filesystem::path link = std::filesystem::read_symlink(path, error);
        if (error) {
            throw cannotWrite(given, error.value());
        }
        path = link.is_absolute() ? link : path.parent_path() / link;
    }
}

// Gives a new file the permissions and, where the system allows it, the owner of the file it
// replaces, so that replacing a file never changes who may read or write it.
int keepAccess(int fd, const struct stat& replaced) {
    if (replaced.st_uid != ::geteuid() || replaced.st_gid != ::getegid()) {
        // Only root may give a file away (the owner only to a group of its own); where the
        // system refuses, the new file stays the writer's, as any new file would.
        [[maybe_unused]] const int refused = ::fchown(fd, replaced.st_uid, replaced.st_gid);
    }
    return ::fchmod(fd, replaced.st_mode & (S_IRWXU | S_IRWXG | S_IRWXO)) == 0 ? 0 : errno;
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

// A file written under a hidden temporary name beside the file it replaces or creates (the end
// of a chain of symbolic links, so that the links stay), removed again unless it was renamed to
// that name. Messages name the path as given.
class TemporaryFile {
public:
    TemporaryFile(const std::string& givenPath, int serial)
        : givenPath_(givenPath), target_(targetOf(givenPath)) {
        const std::filesystem::path target(target_.path);
        path_ = (target.parent_path() /
                 ("." + target.filename().string() + "." + std::to_string(::getpid()) + "-" +
                  std::to_string(serial) + ".tmp"))
                    .string();
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
            throw cannotWrite(givenPath_, errno);
        }
        created_ = true;
        int cause = target_.existing ? keepAccess(fd, *target_.existing) : 0;
        if (cause == 0) {
            cause = writeAll(fd, bytes);
        }
        if (cause == 0 && ::fsync(fd) != 0) {
            cause = errno;
        }
        if (::close(fd) != 0 && cause == 0) {
            cause = errno;
        }
        if (cause != 0) {
            throw cannotWrite(givenPath_, cause);
        }
    }

    void rename() {
        if (::rename(path_.c_str(), target_.path.c_str()) != 0) {
            throw cannotWrite(givenPath_, errno);
        }
        created_ = false;
    }

    const std::string& target() const { return target_.path; }

private:
    std::string givenPath_;
    Target target_;
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
    std::set<std::string> folders; // sorted, so that writers lock them in the same order
    for (const FileToWrite& file : files) {
        written.push_back(
            std::make_unique<TemporaryFile>(file.path, static_cast<int>(written.size())));
        written.back()->fill(file.bytes);
        folders.insert(folderOf(written.back()->target()));
    }
    std::vector<std::unique_ptr<FolderLock>> locks;
    for (const std::string& folder : folders) {
        locks.push_back(std::make_unique<FolderLock>(folder));
    }
    for (const auto& file : written) {
        file->rename();
    }
}

} // namespace kestrel
