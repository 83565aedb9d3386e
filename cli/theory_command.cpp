// SPDX-License-Identifier: MIT
#include "cli/theory_command.h"

#include "cli/theory_report.h"
#include "model/csv.h"
#include "model/thin_airfoil.h"

#include <string>

namespace kestrel::cli {

namespace {

constexpr const char* kDescription =
    "Thin-airfoil theory beside the exact Joukowski values for one profile and angle, as JSON "
    "or CSV.";

constexpr const char* kFooter =
    R"(The profile is taken from the table as the window takes it, at the angle of attack alpha;
the numbers do not depend on the window's point count. x/c is the window's (0 to 1).

Camber line:
  The mean line of the profile's two sides at equal x/c: y_c(x/c) = (y_upper + y_lower) / 2,
  from x/c = 0 to 1, computed from the exact profile. The sides meet at the trailing edge and
  at the leading edge, the point of smallest x/c (a cambered profile with thickness reaches up
  to 0.0042 of the chord ahead of x/c = 0; that sliver lies outside the camber line's chord).

Thin-airfoil theory of the camber line, with x/c = (1 - cos theta) / 2 and the slope written as
dy_c/dx = B0 + sum A_n cos(n theta), A0 = alpha - B0:
  alpha_L0 = -(1/pi) integral_0^pi (dy_c/dx)(cos theta - 1) dtheta = B0 - A1/2
  CL       = 2 pi (alpha - alpha_L0)          (lift slope 2 pi per radian)
  CM_c/4   = (pi/4)(A2 - A1)                  (the same at every angle)
  dCp      = 4 [A0 (1 + cos theta)/sin theta + sum A_n sin(n theta)]

Exact values, from the potential flow about the circle with the Kutta condition:
  alpha_L0 = -Beta
  CL       = 8 pi (R/c) sin(alpha + Beta); its lift slope is 8 pi R/c, the slope at zero lift,
             above 2 pi for every profile with thickness
  CM_c/4   = the window's moment law with the reference point at x/c = 0.25, at alpha
  dCp      = Cp_lower - Cp_upper, the exact surface pressure of the two sides at equal x/c

JSON output (--format json), numbers written so that they read back as the same double:
  inputs  Thickness and Camber (t/c, f/c), AlfaD (degrees).
  row     the table row of the profile, 1 to 496.
  exact   alpha_zero_lift (degrees), lift_slope (per radian), CM_quarter_chord (at alpha,
          about x/c = 0.25, nose up positive).
  thin    the same by thin-airfoil theory.
  load    N points {x, exact, thin}: dCp of both at x/c = (1 - cos theta)/2,
          theta = (k + 1/2) pi / N, k = 0 to N - 1, rising x/c; N = )";

constexpr const char* kFooterEnd = R"(.

CSV output (--format csv), the load curves:
  Header x,exact,thin, then one line per point of the JSON load, in the shortest decimal form
  that reads back as the same double.

Examples:
  kestrel-calc theory --thickness 12 --camber 4 --alpha 5
  kestrel-calc theory --thickness 3 --format csv > load.csv)";

} // namespace

CLI::App* TheoryCommand::attach(CLI::App& app) {
    CLI::App* command = app.add_subcommand("theory", kDescription);
    options_.attach(*command, {InputId::Thickness, InputId::Camber, InputId::Alpha},
                    ProfileOptions::Mach::NotTaken);
    command->add_option("--format", format_, "Output format: json or csv; default json")
        ->type_name("json|csv");
    command->footer(kFooter + std::to_string(ThinAirfoil::kStations) + kFooterEnd);
    return command;
}

std::string TheoryCommand::run() {
    const ChainInputs request = options_.request();
    if (format_ != "json" && format_ != "csv") {
        throw UsageError("--format must be json or csv, got \"" + format_ + "\"");
    }

    const TheoryResult result = computeTheoryResult(request);
    return format_ == "json" ? theoryJson(result) : loadCsv(result.theory);
}

} // namespace kestrel::cli
