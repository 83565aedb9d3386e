#pragma once

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

} // namespace kestrel::test
