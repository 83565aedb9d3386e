// SPDX-License-Identifier: MIT
#include "cli/compare_command.h"

#include "cli/inputs_text.h"
#include "cli/profile_report.h"
#include "model/comparison.h"
#include "model/text.h"
#include "report/documents.h"

#include <optional>
#include <vector>

namespace kestrel::cli {

namespace {

constexpr const char* kDescription =
    "Two sets of inputs side by side: lift, moment, suction peak, critical Mach numbers, "
    "thin-airfoil numbers and the boundary layer's drag and transitions, as JSON or CSV.";

constexpr const char* kFooter =
    R"(Each of --a and --b is a set of the window's inputs written as key=value pairs separated
by commas, for example "thickness=12,camber=4,alpha=5". The keys are the options of
'kestrel-calc profile' without their dashes: thickness and camber (hundredths of the chord),
points, alpha (degrees) and xm (hundredths of the chord), each a whole number within the
window's range; an input not named keeps the window's start position. For each set the
window's full chain runs from a fresh start, as 'kestrel-calc profile' runs it.

JSON output (--format json): {"a": STATE, "b": STATE}, each STATE with
  inputs         Thickness and Camber (t/c, f/c), nP, AlfaD (degrees), xM (x/c).
  row            the table row of the profile, 1 to 496.
  CL, CM         the window's lift and moment coefficients (CM about x/c = xM).
  Cp_min         the smallest incompressible surface pressure coefficient; null where a
                 profile of thickness 0 has unbounded suction (see 'kestrel-calc mach --help').
  critical_mach  prandtl_glauert, karman_tsien, laitone: each rule's critical Mach number, null
                 where there is none (as in 'kestrel-calc mach').
  theory         exact and thin: alpha_zero_lift (degrees), lift_slope (per radian),
                 CM_quarter_chord, as 'kestrel-calc theory' gives them.
  boundary_layer reynolds and ncrit (as given by --reynolds and --ncrit, the same for both),
                 CD (null where a side separates ahead of x/c = 0.95), L_over_D (null with
                 CD), xtr_upper and xtr_lower (transition x/c, null where the side has none),
                 xsep_upper and xsep_lower (separation x/c, null where the side reaches the
                 trailing edge), as 'kestrel-calc viscous' and 'kestrel-calc polar' give them.
Numbers are written so that they read back as the same double.

CSV output (--format csv), the same numbers as a table: header quantity,a,b, then one line per
number of a STATE, named by its keys joined with "." (critical_mach.laitone,
theory.thin.alpha_zero_lift); an empty cell for null.

Examples:
  kestrel-calc compare --a "thickness=12,camber=4,alpha=5" --b "thickness=12,alpha=5"
  kestrel-calc compare --a "thickness=6" --b "thickness=18" --format csv
  kestrel-calc compare --a "thickness=12,camber=4" --b "thickness=12" --reynolds 3e6)";

std::vector<NamedValue> valuesOf(const ChainInputs& inputs, const BoundaryLayerOptions& layer) {
    const ChainResult chain = computeFullChain(inputs);
    requireTableRow(chain);
    return comparedValues(chain.state, chain.values, stateNumbers(chain.state, layer));
}

// A CSV cell: the shortest decimal form, or empty where the value does not exist.
std::string cell(std::optional<double> value) {
    return value ? numberText(*value, ".") : std::string();
}

std::string compareCsv(const std::vector<NamedValue>& a, const std::vector<NamedValue>& b) {
    std::string text = "quantity,a,b\n";
    for (std::size_t i = 0; i < a.size(); ++i) {
        text += a[i].name + "," + cell(a[i].value) + "," + cell(b[i].value) + "\n";
    }
    return text;
}

} // namespace

CLI::App* CompareCommand::attach(CLI::App& app) {
    CLI::App* command = app.add_subcommand("compare", kDescription);
    command
        ->add_option("--a", a_,
                     "The first set of inputs: key=value pairs (" + inputKeysText() +
                         "), separated by commas")
        ->type_name("TEXT")
        ->required();
    command->add_option("--b", b_, "The second set of inputs, written as for --a")
        ->type_name("TEXT")
        ->required();
    command->add_option("--format", format_, "Output format: json or csv; default json")
        ->type_name("json|csv");
    layer_.attach(*command, ViscousOptions::Trips::NotTaken);
    command->footer(kFooter);
    return command;
}

std::string CompareCommand::run() {
    const ChainInputs a = inputsFromText("--a", a_);
    const ChainInputs b = inputsFromText("--b", b_);
    if (format_ != "json" && format_ != "csv") {
        throw UsageError("--format must be json or csv, got \"" + format_ + "\"");
    }
    const BoundaryLayerOptions layer = layer_.request();

    const std::vector<NamedValue> first = valuesOf(a, layer);
    const std::vector<NamedValue> second = valuesOf(b, layer);
    return format_ == "csv" ? compareCsv(first, second) : compareDocument(first, second);
}

} // namespace kestrel::cli
