// SPDX-License-Identifier: MIT
#include "cli/polar_command.h"

#include "cli/decimal_number.h"
#include "cli/viscous_report.h"

#include <stdexcept>
#include <vector>

namespace kestrel::cli {

namespace {

constexpr const char* kDescription =
    "The drag polar of one profile: CL, CM, CD, L/D, transition and separation over a range of "
    "angles, as CSV or JSON.";

constexpr const char* kFooter =
    R"(The window's chain runs for the profile and the moment reference from a fresh start; then
at each angle from --from to --to in steps of --step (degrees; default the window's -10 to 10 in
steps of 1; at most 1001 angles) the boundary layer is marched along both sides of the profile
as 'kestrel-calc viscous' does. Nothing is drawn.

CSV output (--format csv, the default): the header
alpha,CL,CM,CD,L_over_D,xtr_upper,xtr_lower,xsep_upper,xsep_lower, then one line per angle:
alpha in degrees; CL and CM the inviscid values (CM about xM); CD and L_over_D where the layer
reaches the trailing edge or separates only in the last 5 % of the chord; x/c of transition
and of separation (turbulent, or at a sharp leading edge) on each side. Numbers in the shortest
decimal form that reads back as the same double; an empty cell where a value does not exist.

JSON output (--format json): inputs (Thickness, Camber, xM, from, to, step), row, reynolds,
ncrit, and polar, one object per angle with the keys of the CSV columns, null where a cell is
empty.

Examples:
  kestrel-calc polar --thickness 12 --camber 4 --reynolds 3e6 > polar.csv
  kestrel-calc polar --thickness 12 --from 0 --to 8 --step 0.5 --ncrit 5 --format json)";

const DecimalOption kFrom{"--from", -20, 20, "from -20 to 20", "first angle in degrees"};
const DecimalOption kTo{"--to", -20, 20, "from -20 to 20", "last angle in degrees"};
const DecimalOption kStep{"--step", 0.001, 40, "from 0.001 to 40", "step in degrees"};

} // namespace

CLI::App* PolarCommand::attach(CLI::App& app) {
    CLI::App* command = app.add_subcommand("polar", kDescription);
    options_.attach(*command, {InputId::Thickness, InputId::Camber, InputId::MomentReference},
                    ProfileOptions::Mach::NotTaken);
    viscous_.attach(*command, ViscousOptions::Trips::NotTaken);
    command->add_option("--from", from_, "First angle of attack in degrees, -20 to 20; default -10")
        ->type_name("DEG");
    command->add_option("--to", to_, "Last angle of attack in degrees, -20 to 20; default 10")
        ->type_name("DEG");
    command->add_option("--step", step_, "Step of the angle in degrees; default 1")
        ->type_name("DEG");
    command->add_option("--format", format_, "Output format: csv or json; default csv")
        ->type_name("csv|json");
    command->footer(std::string(kBoundaryLayerMethods) + "\n\n" + kFooter);
    return command;
}

std::string PolarCommand::run() {
    const ChainInputs request = options_.request();
    const BoundaryLayerOptions layer = viscous_.request();
    const double from = decimalValue(kFrom, from_);
    const double to = decimalValue(kTo, to_);
    const double step = decimalValue(kStep, step_);
    if (from > to) {
        throw UsageError("--from must not be greater than --to, got " + from_ + " and " + to_);
    }
    std::vector<double> angles;
    try {
        angles = polarAngles(from, to, step);
    } catch (const std::invalid_argument&) {
        throw UsageError("--step " + step_ + " gives more than " + std::to_string(kMaxPolarAngles) +
                         " angles from " + from_ + " to " + to_);
    }
    if (format_ != "csv" && format_ != "json") {
        throw UsageError("--format must be csv or json, got \"" + format_ + "\"");
    }
    const PolarResult result = computePolarResult(request, layer, {from, to, step}, angles);
    return format_ == "csv" ? polarCsv(result) : polarJson(result);
}

} // namespace kestrel::cli
