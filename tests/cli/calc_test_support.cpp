// SPDX-License-Identifier: MIT
#include "tests/cli/calc_test_support.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cmath>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <regex>
#include <spawn.h>
#include <sstream>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace kestrel::test {

namespace {

// Reads both pipes until the child has closed them, so that neither can fill up and block it.
void drain(int outFd, int errFd, std::string& out, std::string& err) {
    std::array<pollfd, 2> fds{{{outFd, POLLIN, 0}, {errFd, POLLIN, 0}}};
    std::array<std::string*, 2> sinks{&out, &err};
    int open = 0;
    for (const pollfd& fd : fds) {
        open += fd.fd >= 0 ? 1 : 0;
    }
    char buffer[65536];
    while (open > 0) {
        if (poll(fds.data(), fds.size(), -1) < 0) {
            if (errno == EINTR) {
                continue;
            }
            ADD_FAILURE() << "poll failed";
            return;
        }
        for (std::size_t i = 0; i < fds.size(); ++i) {
            if (fds[i].fd < 0 || fds[i].revents == 0) {
                continue;
            }
            const ssize_t n = read(fds[i].fd, buffer, sizeof buffer);
            if (n > 0) {
                sinks[i]->append(buffer, static_cast<std::size_t>(n));
            } else if (n == 0 || errno != EINTR) {
                close(fds[i].fd);
                fds[i].fd = -1;
                --open;
            }
        }
    }
}

} // namespace

CalcRun runCalc(const std::vector<std::string>& arguments, Stdout where) {
    CalcRun run;
    int outPipe[2] = {-1, -1};
    int errPipe[2] = {-1, -1};
    if (pipe2(outPipe, O_CLOEXEC) != 0 || pipe2(errPipe, O_CLOEXEC) != 0) {
        ADD_FAILURE() << "cannot create pipes";
        return run;
    }
    int outTarget = outPipe[1];
    if (where == Stdout::ClosedPipe) {
        close(outPipe[0]);
        outPipe[0] = -1;
    } else if (where == Stdout::Full) {
        outTarget = open("/dev/full", O_WRONLY | O_CLOEXEC);
        EXPECT_GE(outTarget, 0) << "cannot open /dev/full";
    }

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, outTarget, STDOUT_FILENO);
    posix_spawn_file_actions_adddup2(&actions, errPipe[1], STDERR_FILENO);

    std::vector<std::string> texts{KESTREL_CALC};
    texts.insert(texts.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& text : texts) {
        argv.push_back(text.data());
    }
    argv.push_back(nullptr);

    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, KESTREL_CALC, &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    // The child holds its own copies of the writing ends.
    close(outPipe[1]);
    close(errPipe[1]);
    if (outTarget != outPipe[1]) {
        close(outTarget);
    }
    if (spawned != 0) {
        ADD_FAILURE() << "cannot start " << KESTREL_CALC;
        close(errPipe[0]);
        if (outPipe[0] >= 0) {
            close(outPipe[0]);
        }
        return run;
    }

    drain(where == Stdout::Captured ? outPipe[0] : -1, errPipe[0], run.out, run.err);
    if (where == Stdout::Full && outPipe[0] >= 0) {
        close(outPipe[0]);
    }

    int status = 0;
    while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    run.exited = WIFEXITED(status);
    run.status = run.exited ? WEXITSTATUS(status) : -1;
    return run;
}

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);) {
        lines.push_back(line);
    }
    return lines;
}

std::vector<std::string> fieldsOf(const std::string& line) {
    std::vector<std::string> fields;
    std::istringstream stream(line);
    for (std::string field; std::getline(stream, field, ',');) {
        fields.push_back(field);
    }
    if (!line.empty() && line.back() == ',') {
        fields.emplace_back(); // getline gives no field after the last comma
    }
    return fields;
}

double readNumber(const std::string& text) {
    std::istringstream stream(text);
    stream.imbue(std::locale::classic());
    double value = 0;
    if (!(stream >> value) || stream.peek() != std::char_traits<char>::eof()) {
        return std::nan("");
    }
    return value;
}

void expectShortestFixed(const std::string& text, double value) {
    static const std::regex fixed(R"(-?(0|[1-9][0-9]*)(\.[0-9]*[1-9])?)");
    EXPECT_TRUE(std::regex_match(text, fixed)) << "not a plain decimal: " << text;
    EXPECT_NE(text, "-0");
    EXPECT_EQ(readNumber(text), value) << text;
    if (value == 0) {
        EXPECT_EQ(text, "0");
        return;
    }
    // Significant digits of the text: without sign and point, leading and trailing zeros.
    std::string digits;
    for (char c : text) {
        if (c >= '0' && c <= '9') {
            digits += c;
        }
    }
    digits.erase(0, digits.find_first_not_of('0'));
    digits.erase(digits.find_last_not_of('0') + 1);
    // The fewest significant digits with which printf's rounding reads back as the value.
    int fewest = 17;
    for (int p = 1; p < 17; ++p) {
        char buffer[64];
        std::snprintf(buffer, sizeof buffer, "%.*e", p - 1, value);
        if (readNumber(buffer) == value) {
            fewest = p;
            break;
        }
    }
    EXPECT_EQ(static_cast<int>(digits.size()), fewest) << text;
}

TempFolder::TempFolder() {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "kestrel-calc-test-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) {
        ADD_FAILURE() << "cannot create a temporary folder";
    }
    path_ = pattern;
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

std::vector<std::string> entriesOf(const std::filesystem::path& folder) {
    std::vector<std::string> names;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

ScopedEnvironment::ScopedEnvironment(const char* name, const char* value) : name_(name) {
    if (const char* old = std::getenv(name)) {
        had_ = true;
        old_ = old;
    }
    if (value != nullptr) {
        setenv(name, value, 1);
    } else {
        unsetenv(name);
    }
}

ScopedEnvironment::~ScopedEnvironment() {
    if (had_) {
        setenv(name_.c_str(), old_.c_str(), 1);
    } else {
        unsetenv(name_.c_str());
    }
}

ScopedFileSizeLimit::ScopedFileSizeLimit(long bytes) {
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    oldLimit_ = static_cast<long>(limit.rlim_cur);
    limit.rlim_cur = static_cast<rlim_t>(bytes);
    EXPECT_EQ(setrlimit(RLIMIT_FSIZE, &limit), 0);
    // An ignored signal stays ignored in the programs started meanwhile.
    oldHandler_ = std::signal(SIGXFSZ, SIG_IGN);
}

ScopedFileSizeLimit::~ScopedFileSizeLimit() {
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    limit.rlim_cur = static_cast<rlim_t>(oldLimit_);
    setrlimit(RLIMIT_FSIZE, &limit);
    std::signal(SIGXFSZ, oldHandler_);
}

void expectRefused(const CalcRun& run, const std::string& mentioned) {
    ASSERT_TRUE(run.exited);
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out, "");
    ASSERT_EQ(linesOf(run.err).size(), 1u) << run.err;
    EXPECT_NE(run.err.find(mentioned), std::string::npos) << run.err;
}

} // namespace kestrel::test
