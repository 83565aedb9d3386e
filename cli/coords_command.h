// SPDX-License-Identifier: MIT
#pragma once

#include "cli/command.h"
#include "cli/profile_options.h"
#include "cli/profile_report.h"

#include <string>

namespace kestrel::cli {

// The profile as a plain two-column airfoil coordinate file: a title line
// "Kestrel Joukowski t/c=0.12 f/c=0.04", then "x  y" per line with 8 decimals, from the trailing
// edge along the upper surface to the leading edge and back along the lower surface: the
// window's points nP, nP - 1, ..., 1.
std::string coordinatesDat(const ProfileResult& result);

// `kestrel-calc coords`: the coordinates of one profile, as dat or csv.
class CoordsCommand : public Command {
public:
    CLI::App* attach(CLI::App& app) override;
    std::string run() override;

private:
    ProfileOptions options_;
    std::string format_ = "dat";
};

} // namespace kestrel::cli
