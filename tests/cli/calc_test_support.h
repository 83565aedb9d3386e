// SPDX-License-Identifier: MIT
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace kestrel::test {

// Where the program's standard output goes.
enum class Stdout {
    Captured,   // a pipe read to the end
    ClosedPipe, // a pipe whose reading end is already closed: every write fails
    Full,       // /dev/full: every write fails with "no space left"
};

// What one run of kestrel-calc left behind.
struct CalcRun {
    std::string out;
    std::string err;
    bool exited = false; // ended by exit, not by a signal
    int status = -1;     // exit status when exited
};

// Runs kestrel-calc with the arguments (not including the program name) and waits for it.
CalcRun runCalc(const std::vector<std::string>& arguments, Stdout where = Stdout::Captured);

// Checks that a run was refused as a bad command line: exit status 2, nothing on standard output
// and one message on standard error that contains `mentioned`.
void expectRefused(const CalcRun& run, const std::string& mentioned);

// The lines of a text that ends with a line feed, without their line feeds.
std::vector<std::string> linesOf(const std::string& text);

// The comma-separated fields of one line.
std::vector<std::string> fieldsOf(const std::string& line);

// The double a decimal text reads back as (C locale, whole text), NaN for anything else.
double readNumber(const std::string& text);

// Checks that the text is the shortest decimal form of the value in fixed notation: it reads back
// as the same double, has no exponent, no trailing zeros and no "-0", and has exactly as many
// significant digits as the fewest with which any decimal form reads back as the value.
void expectShortestFixed(const std::string& text, double value);

// A fresh, empty folder under the system's temporary folder, removed with everything in it when
// the object goes.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    // The path of an entry of the folder, as text.
    std::string operator/(const std::string& name) const { return (path_ / name).string(); }

private:
    std::filesystem::path path_;
};

// The names of the entries of a folder, sorted; empty when it does not exist.
std::vector<std::string> entriesOf(const std::filesystem::path& folder);

// Limits the size of every file the test program and the programs it starts write, for the life
// of the object, and lets a write past the limit fail with "File too large" instead of ending the
// writer: a disk that fills up part-way through.
class ScopedFileSizeLimit {
public:
    explicit ScopedFileSizeLimit(long bytes);
    ~ScopedFileSizeLimit();
    ScopedFileSizeLimit(const ScopedFileSizeLimit&) = delete;
    ScopedFileSizeLimit& operator=(const ScopedFileSizeLimit&) = delete;

private:
    long oldLimit_ = 0;
    void (*oldHandler_)(int) = nullptr;
};

// Sets an environment variable (or removes it, for nullptr) for the life of the object and
// then restores what was there. Child processes started meanwhile inherit the change.
class ScopedEnvironment {
public:
    ScopedEnvironment(const char* name, const char* value);
    ~ScopedEnvironment();
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

private:
    std::string name_;
    bool had_ = false;
    std::string old_;
};

} // namespace kestrel::test
