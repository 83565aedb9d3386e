// SPDX-License-Identifier: MIT
#include "cli/mach_command.h"

#include "cli/mach_report.h"

namespace kestrel::cli {

namespace {

constexpr const char* kDescription =
    "Critical pressure and three compressibility rules for one set of inputs, as JSON or CSV.";

constexpr const char* kFooter =
    R"(The window's full chain runs for the inputs from a fresh start (profile, pressure, lift,
moment); then the incompressible surface pressure Cp0 is corrected for the free-stream Mach
number M. Nothing is drawn. --mach is read as the window reads its Mach box (see 'kestrel-calc
profile --help'); M and -M give the same numbers.

Definitions:
  Cp_min         the smallest incompressible pressure coefficient on the surface, the suction
                 peak. A profile of thickness 0 has unbounded suction at its sharp leading edge
                 at any angle of attack but 0.
  Cp*            the critical pressure coefficient, where the local flow just reaches the speed
                 of sound: 2/(1.4 M^2) [((2 + 0.4 M^2)/2.4)^3.5 - 1].
  critical Mach  the M at which a rule's corrected Cp_min equals Cp*(M); it depends on the
                 profile and the angle only.
  supercritical  M is at or above the critical Mach number, the rule has broken down, the
                 suction is unbounded (and M is not 0), or |M| >= 1.

Rules, with beta = sqrt(1 - M^2):
  prandtl_glauert  Cp = Cp0 / beta; lift and moment are the window's values divided by beta.
  karman_tsien     Cp = Cp0 / (beta + (M^2 / (1 + beta)) Cp0 / 2).
  laitone          Cp = Cp0 / (beta + (M^2 (1 + 0.2 M^2) / (2 beta)) Cp0).
  All three assume a flow that stays subsonic everywhere, so they mean nothing past the
  critical Mach number, where shock waves form, nor for |M| >= 1. Prandtl-Glauert scales every
  Cp alike; Karman-Tsien and Laitone let strong suction grow faster, closer to measurements,
  but break down (their denominator reaches 0) once the suction peak is strong enough, so on a
  thin profile at incidence they end well below M = 1. Their CL and CM are the corrected
  pressure integrated around the surface, given only where that integral is good to 1e-6;
  just before the breakdown they are null.

JSON output (--format json), numbers written so that they read back as the same double, null
where a value does not exist:
  inputs             Thickness and Camber (t/c, f/c), AlfaD (degrees), xM (x/c), Mach, the
                     number read from the text; null when it is too large for a double
                     (e.g. "1e999").
  row                the table row of the profile, 1 to 496.
  incompressible     CL and CM, the window's values; Cp_min and its place: Cp_min_x, Cp_min_y
                     (in chords) and Cp_min_surface, upper or lower; unbounded, true where the
                     suction is unbounded, and then Cp_min and its place are null.
  critical_pressure  Cp* at |M|; null for M = 0 and for |M| >= 1.
  rules              prandtl_glauert, karman_tsien and laitone, each with CL, CM and Cp_min
                     corrected to M (null where the rule breaks down and for |M| >= 1),
                     critical_mach (null where Cp_min is 0 or more or unbounded, or where the
                     rule breaks down before its Cp_min reaches Cp*), supercritical (true or
                     false) and supersonic: where on the surface the rule's Cp lies below Cp*,
                     the local flow being supersonic, as a list of stretches {side, x_from, x_to}
                     (side upper or lower, x/c from x_from to x_to), upper side first, each
                     side's in rising x/c; empty where there are none (always at M = 0), null
                     where the rule has broken down and for |M| >= 1. The sides meet at the
                     leading edge, the surface point of smallest x/c. At M = 0 the rules give
                     the incompressible values.

CSV output (--format csv), the chart of the rules against M:
  Header M,Cp_star,Cp_min_prandtl_glauert,Cp_min_karman_tsien,Cp_min_laitone,
  CL_prandtl_glauert,CL_karman_tsien,CL_laitone (one line), then one line for each
  M = 0, 0.01, ..., 0.99: Cp*, each rule's Cp_min and each rule's CL, in the shortest decimal
  form that reads back as the same double; an empty cell where the value does not exist.
  --mach does not change the chart.

Examples:
  kestrel-calc mach --thickness 12 --camber 4 --alpha 5 --mach 0.6
  kestrel-calc mach --thickness 12 --camber 4 --alpha 5 --format csv > chart.csv)";

} // namespace

CLI::App* MachCommand::attach(CLI::App& app) {
    CLI::App* command = app.add_subcommand("mach", kDescription);
    options_.attach(*command, ProfileOptions::kAll, ProfileOptions::Mach::Taken);
    command->add_option("--format", format_, "Output format: json or csv; default json")
        ->type_name("json|csv");
    command->footer(kFooter);
    return command;
}

std::string MachCommand::run() {
    const ChainInputs request = options_.request();
    if (format_ != "json" && format_ != "csv") {
        throw UsageError("--format must be json or csv, got \"" + format_ + "\"");
    }

    const MachResult result = computeMachResult(request);
    return format_ == "json" ? machJson(result) : machCsv(result);
}

} // namespace kestrel::cli
