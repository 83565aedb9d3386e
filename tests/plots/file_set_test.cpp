// SPDX-License-Identifier: MIT
// Writing files: only a regular file the user may write is replaced, anything else under the path
// is left alone, and a symbolic link is written through to the file it names.
#include "plots/file_set.h"

#include <QTemporaryDir>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <linux/capability.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/un.h>
#include <unistd.h>

namespace kestrel::test {
namespace {

namespace fs = std::filesystem;

std::string contentsOf(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The message of the writer's failure, or "" when it wrote.
std::string writeFailure(const fs::path& path, const std::string& bytes) {
    try {
        writeFileSet({{path.string(), bytes}});
        return "";
    } catch (const FileWriteError& error) {
        return error.what();
    }
}

class FileSet : public ::testing::Test {
public:
    fs::path at(const std::string& name) const {
        return fs::path(folder.path().toStdString()) / name;
    }
    // The folder's entries, hidden temporary files included.
    std::vector<std::string> entries() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(at(""))) {
            names.push_back(entry.path().filename().string());
        }
        std::sort(names.begin(), names.end());
        return names;
    }
    QTemporaryDir folder;
};

// A folder, a FIFO, a socket and a link to a FIFO: refused with the path named, each left as it
// was, nothing else left behind.
TEST_F(FileSet, LeavesAnythingButARegularFileAlone) {
    fs::create_directory(at("folder.png"));
    ASSERT_EQ(::mkfifo(at("fifo.svg").c_str(), 0644), 0);
    const int listener = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, at("socket.csv").c_str(), sizeof(address.sun_path) - 1);
    ASSERT_EQ(::bind(listener, reinterpret_cast<const sockaddr*>(&address), sizeof(address)), 0);
    fs::create_symlink("fifo.svg", at("to-fifo.svg"));

    for (const char* name : {"folder.png", "fifo.svg", "socket.csv", "to-fifo.svg"}) {
        EXPECT_EQ(writeFailure(at(name), "bytes"),
                  "cannot write " + at(name).string() + ": is not a regular file");
    }
    EXPECT_TRUE(fs::is_directory(at("folder.png")));
    EXPECT_TRUE(fs::is_fifo(at("fifo.svg")));
    EXPECT_TRUE(fs::is_socket(at("socket.csv")));
    EXPECT_TRUE(fs::is_symlink(at("to-fifo.svg")));
    EXPECT_EQ(entries(),
              (std::vector<std::string>{"fifo.svg", "folder.png", "socket.csv", "to-fifo.svg"}));
    ::close(listener);
}

// Links, relative or absolute and in a chain, stay links; the file at the end gets the bytes.
TEST_F(FileSet, WritesThroughSymbolicLinks) {
    fs::create_directory(at("data"));
    std::ofstream(at("data/real.csv")) << "old\n";
    fs::create_symlink("data/real.csv", at("link.csv"));
    fs::create_symlink(at("link.csv"), at("chain.csv"));
    fs::create_symlink("data/new.csv", at("dangling.csv"));
    fs::create_symlink("loop.csv", at("loop.csv"));

    EXPECT_EQ(writeFailure(at("chain.csv"), "new\n"), "");
    EXPECT_EQ(contentsOf(at("data/real.csv")), "new\n");
    EXPECT_EQ(writeFailure(at("dangling.csv"), "made\n"), ""); // as a shell's ">" makes it
    EXPECT_EQ(contentsOf(at("data/new.csv")), "made\n");
    EXPECT_EQ(writeFailure(at("loop.csv"), "x"),
              "cannot write " + at("loop.csv").string() + ": " + std::strerror(ELOOP));
    for (const char* link : {"link.csv", "chain.csv", "dangling.csv", "loop.csv"}) {
        EXPECT_TRUE(fs::is_symlink(at(link))) << link;
    }
    EXPECT_EQ(entries(), (std::vector<std::string>{"chain.csv", "dangling.csv", "data", "link.csv",
                                                   "loop.csv"}));
}

// Takes from this thread, for the life of the object, the capabilities that let root write any
// file whatever its permissions, so that the system judges a write as it would for any user.
// Does nothing for a user who has no such capabilities anyway.
class ScopedOrdinaryUser {
public:
    ScopedOrdinaryUser() {
        header_.version = _LINUX_CAPABILITY_VERSION_3;
        if (::syscall(SYS_capget, &header_, saved_) != 0) {
            return;
        }
        __user_cap_data_struct reduced[2] = {saved_[0], saved_[1]};
        reduced[0].effective &= ~(1u << CAP_DAC_OVERRIDE);
        changed_ = ::syscall(SYS_capset, &header_, reduced) == 0;
    }
    ~ScopedOrdinaryUser() {
        if (changed_) {
            ::syscall(SYS_capset, &header_, saved_);
        }
    }
    ScopedOrdinaryUser(const ScopedOrdinaryUser&) = delete;
    ScopedOrdinaryUser& operator=(const ScopedOrdinaryUser&) = delete;

private:
    __user_cap_header_struct header_{};
    __user_cap_data_struct saved_[2]{};
    bool changed_ = false;
};

// A file of mode 0444 is refused with the reason the system itself gives for opening it to write,
// and stays as it was: the same file, its bytes and its mode.
TEST_F(FileSet, RefusesAFileTheUserMayNotWrite) {
    const fs::path file = at("read-only.csv");
    std::ofstream(file) << "kept\n";
    fs::permissions(file, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    struct stat before {};
    ASSERT_EQ(::stat(file.c_str(), &before), 0);

    const ScopedOrdinaryUser user;
    const int probe = ::open(file.c_str(), O_WRONLY | O_CLOEXEC);
    const int systemsReason = errno;
    if (probe >= 0) {
        ::close(probe);
    }
    ASSERT_LT(probe, 0) << "the system lets this user write a file of mode 0444";
    EXPECT_EQ(writeFailure(file, "replaced\n"),
              "cannot write " + file.string() + ": " + std::strerror(systemsReason));
    struct stat after {};
    ASSERT_EQ(::stat(file.c_str(), &after), 0);
    EXPECT_EQ(after.st_ino, before.st_ino);
    EXPECT_EQ(after.st_mode, before.st_mode);
    EXPECT_EQ(contentsOf(file), "kept\n");
    EXPECT_EQ(entries(), std::vector<std::string>{"read-only.csv"});
}

// A file replaced keeps its permissions: a private file stays private.
TEST_F(FileSet, AReplacedFileKeepsItsPermissions) {
    const fs::path file = at("private.csv");
    std::ofstream(file) << "old\n";
    fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(writeFailure(file, "new\n"), "");
    EXPECT_EQ(contentsOf(file), "new\n");
    EXPECT_EQ(fs::status(file).permissions(), fs::perms::owner_read | fs::perms::owner_write);
}

} // namespace
} // namespace kestrel::test
