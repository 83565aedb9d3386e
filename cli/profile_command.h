#pragma once

#include "cli/command.h"

#include <string>

namespace kestrel::cli {

// `kestrel-calc profile`: the window's complete numbers for one set of inputs, as JSON or CSV.
class ProfileCommand : public Command {
public:
    CLI::App* attach(CLI::App& app) override;
    std::string run() override;

private:
    // Option texts as given, checked by run(); the initial texts are the defaults.
    std::string thickness_ = "0";
    std::string camber_ = "0";
    std::string points_ = "51";
    std::string alpha_ = "0";
    std::string xm_ = "0";
    std::string mach_ = "0";
    std::string format_ = "json";
};

} // namespace kestrel::cli
