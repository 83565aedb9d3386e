// SPDX-License-Identifier: MIT
#include "cli/profile_command.h"

#include "cli/profile_report.h"
#include "model/csv.h"

namespace kestrel::cli {

namespace {

constexpr const char* kDescription =
    "Compute everything the window shows for one set of inputs, as JSON or CSV.";

constexpr const char* kFooter =
    R"(The profile is taken from the table and mapped, then the pressure distribution, the lift
and moment curves and the current values are computed, in the window's order and from a fresh
start, exactly as the window computes them.

Mach text:
  Read as the window reads its Mach box: blanks, tabs and line feeds are skipped wherever they
  stand; the longest leading decimal number (sign, digits, one ".", a complete exponent) is the
  value; a text that does not begin with a number reads as 0. Any text is accepted, including
  --mach "", --mach " 0 . 3" and --mach -0.6; M and -M give the same results.

JSON output (--format json), numbers written so that they read back as the same double:
  inputs   Thickness and Camber (t/c, f/c), nP, AlfaD (degrees), xM (x/c), and Mach, the number
           read from the text; Mach is null when that number is too large for a double
           (e.g. "1e999"), since JSON has no infinity.
  row      the table row of the profile, 1 to 496.
  profile  eps, mu, Beta, Delta, Rsq, Rc, dOverR, Chord, xShift, RbyC, nSeg, nHalf.
  points   Theta, xCirc, yCirc, xProf, yProf, dZdZeta, Cp: nP numbers each, points 1 to nP
           (points 1 and nP are both the trailing edge), as the window's arrays hold them.
  curves   AlfaArr (-12 to 12 degrees), CLarr, CMarr: 25 numbers each.
  current  CLcur and CMcur at the angle of attack; Text_CL and Text1, the window's result
           texts (CL rounded to 4 and CM to 5 decimals, ties to even, "." as separator);
           PGfactor = sqrt(1 - M^2), 1 for M = 0 and null for |M| >= 1; CLcur_compressible and
           CMcur_compressible, the current values divided by PGfactor, null unless 0 < |M| < 1.

CSV output (--format csv):
  Header j,x,y,Cp, then one line per surface point j = 1 to nP: x/c, y/c and the pressure
  coefficient, in the shortest decimal form that reads back as the same double.

Example:
  kestrel-calc profile --thickness 12 --camber 4 --alpha -5 --xm 25 --mach 0.6)";

} // namespace

CLI::App* ProfileCommand::attach(CLI::App& app) {
    CLI::App* command = app.add_subcommand("profile", kDescription);
    options_.attach(*command, ProfileOptions::kAll, ProfileOptions::Mach::Taken);
    command->add_option("--format", format_, "Output format: json or csv; default json")
        ->type_name("json|csv");
    command->footer(kFooter);
    return command;
}

std::string ProfileCommand::run() {
    const ChainInputs request = options_.request();
    if (format_ != "json" && format_ != "csv") {
        throw UsageError("--format must be json or csv, got \"" + format_ + "\"");
    }

    const ProfileResult result = computeProfileResult(request);
    return format_ == "json" ? profileJson(result) : pressureCsv(result.state);
}

} // namespace kestrel::cli
