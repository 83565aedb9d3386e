// SPDX-License-Identifier: MIT
#include "cli/application.h"

#include <csignal>
#include <cstdio>

int main(int argc, char** argv) {
    // A closed pipe on standard output is reported as a write error with a non-zero exit
    // status instead of ending the program by a signal.
    std::signal(SIGPIPE, SIG_IGN);
    return kestrel::cli::runCommandLine(argc, argv, stdout, stderr);
}
