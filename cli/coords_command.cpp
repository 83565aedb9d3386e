// SPDX-License-Identifier: MIT
#include "cli/coords_command.h"

#include "model/csv.h"
#include "model/decimal.h"
#include "model/numeric.h"
#include "model/state.h"
#include "model/text.h"

namespace kestrel::cli {

namespace {

constexpr const char* kDescription =
    "Write the profile's coordinates: an airfoil coordinate file (dat) or the points as CSV.";

constexpr const char* kFooter =
    R"(dat output (--format dat, the default), the plain two-column format that airfoil analysis
tools load:
  Kestrel Joukowski t/c=0.12 f/c=0.04
  1.00000000  0.00000000
  ...
  A title line naming the profile, then one line "x  y" per point in chords with 8 decimals,
  starting at the trailing edge, along the upper surface to the leading edge and back along the
  lower surface to the trailing edge: nP lines, the trailing edge (1, 0) first and last.
  A profile of thickness 0 is a line whose two sides coincide: with an even point count its two
  points next to the leading edge are then the same point.

CSV output (--format csv):
  Header j,x,y,side, then the points j = 1 to nP in the window's order: point 1 and point nP
  are the trailing edge, points 2 up to nHalf + 1 = (nP + 1) / 2 the lower surface, the rest
  the upper surface. side is trailing-edge, lower, upper, or leading-edge for the middle point
  of an odd point count, which lies at the leading edge of the generating circle. x and y are
  in the shortest decimal form that reads back as the same double.

Examples:
  kestrel-calc coords --thickness 12 --camber 4 > kestrel-12-4.dat
  kestrel-calc coords --thickness 12 --camber 4 --points 101 --format csv)";

// x or y with 8 decimals in fixed notation. A value that rounds to zero is written without a
// minus sign, so that the file never holds "-0.00000000".
std::string fixedEight(double value) {
    std::string text = fixedDecimals(value, 8);
    if (text == "-0.00000000") {
        text.erase(0, 1);
    }
    return text;
}

long pointCount(const State& s) {
    return toIndex(s.nP);
}

} // namespace

std::string coordinatesDat(const ProfileResult& r) {
    const State& s = r.state;
    std::string text = "Kestrel Joukowski t/c=" + numberText(s.Thickness, ".") +
                       " f/c=" + numberText(s.Camber, ".") + "\n";
    for (long j = pointCount(s); j >= 1; --j) {
        text += fixedEight(s.xProf[j]) + "  " + fixedEight(s.yProf[j]) + "\n";
    }
    return text;
}

CLI::App* CoordsCommand::attach(CLI::App& app) {
    CLI::App* command = app.add_subcommand("coords", kDescription);
    options_.attach(*command, ProfileOptions::kProfile, ProfileOptions::Mach::NotTaken);
    command->add_option("--format", format_, "Output format: dat or csv; default dat")
        ->type_name("dat|csv");
    command->footer(kFooter);
    return command;
}

std::string CoordsCommand::run() {
    const ChainInputs request = options_.request();
    if (format_ != "dat" && format_ != "csv") {
        throw UsageError("--format must be dat or csv, got \"" + format_ + "\"");
    }
    const ProfileResult result = computeProfileResult(request);
    return format_ == "dat" ? coordinatesDat(result) : coordinatesCsv(result.state);
}

} // namespace kestrel::cli
