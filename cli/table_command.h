// SPDX-License-Identifier: MIT
#pragma once

#include "cli/command.h"

#include <string>

namespace kestrel::cli {

// The built-in thickness-camber table as CSV: header "row,tc,fc,eps,mu,n" and rows 1 to 496,
// numbers in their shortest decimal form that reads back as the same double.
std::string tableCsv();

// `kestrel-calc table`: prints tableCsv(). Takes no options.
class TableCommand : public Command {
public:
    CLI::App* attach(CLI::App& app) override;
    std::string run() override;
};

} // namespace kestrel::cli
