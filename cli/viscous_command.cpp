// SPDX-License-Identifier: MIT
#include "cli/viscous_command.h"

#include "cli/viscous_report.h"

namespace kestrel::cli {

namespace {

constexpr const char* kDescription =
    "The boundary layer, transition, separation and profile drag of one profile at one angle, "
    "as JSON or CSV.";

constexpr const char* kFooter =
    R"(The window's full chain runs for the inputs from a fresh start (profile, pressure, lift,
moment); then the boundary layer is marched along both sides of the profile. Nothing is drawn.

JSON output (--format json, the default), numbers written so that they read back as the same
double:
  inputs       Thickness and Camber (t/c, f/c), AlfaD (degrees), xM (x/c), trip_upper and
               trip_lower (x/c; null without --trip-upper or --trip-lower).
  row          the table row of the profile, 1 to 496.
  reynolds     Re; ncrit: N_crit.
  CL, CM       the window's inviscid lift and moment coefficients (CM about xM).
  CD           the profile drag; null where a side separates ahead of the last 5 % of the
               chord or at a sharp leading edge.
  CD_friction  the part of CD due to the wall shear; null where CD is.
  L_over_D     CL / CD; null where CD is.
  attached     true where both sides reach the trailing edge without separating.
  note         one sentence: attached on both sides, or where the layer separates and what
               that means.
  upper, lower each side from the front stagnation point along the upper or lower surface:
    stagnation_x            x/c of the front stagnation point.
    transition              {x, cause}, cause "amplification" (N~ reached N_crit),
                            "laminar_separation" or "trip"; null where the layer stays
                            laminar to its end.
    laminar_separation_x    x/c where the laminar layer separates, or where it meets a sharp
                            leading edge; null otherwise.
    turbulent_separation_x  x/c where the turbulent layer separates; null otherwise.
    points                  from the stagnation point to the trailing edge or to separation;
                            at transition two points share s (the laminar layer's end, the
                            turbulent layer's start). Each point: s, the arc length from the
                            stagnation point, x and y the surface point, theta and delta_star
                            the momentum and displacement thicknesses (all in chords); ue the
                            edge speed over V_inf; H = delta_star / theta; Cf the wall shear
                            over rho V_inf^2 / 2; N the amplification factor N~, null where the
                            layer is turbulent; regime "laminar" or "turbulent". A layer that
                            starts at a sharp edge with zero thickness (thickness 0 at zero
                            incidence) starts its points just behind the edge.

CSV output (--format csv): the header side,s,x,y,ue,theta,delta_star,H,Cf,N,regime, then one
line per point, the upper side first; N is empty where the layer is turbulent.

Examples:
  kestrel-calc viscous --thickness 12 --camber 4 --alpha 4 --reynolds 3e6
  kestrel-calc viscous --thickness 12 --trip-upper 0.05 --trip-lower 0.05 --format csv)";

} // namespace

CLI::App* ViscousCommand::attach(CLI::App& app) {
    CLI::App* command = app.add_subcommand("viscous", kDescription);
    options_.attach(*command,
                    {InputId::Thickness, InputId::Camber, InputId::Alpha, InputId::MomentReference},
                    ProfileOptions::Mach::NotTaken);
    viscous_.attach(*command, ViscousOptions::Trips::Taken);
    command->add_option("--format", format_, "Output format: json or csv; default json")
        ->type_name("json|csv");
    command->footer(std::string(kBoundaryLayerMethods) + "\n\n" + kFooter);
    return command;
}

std::string ViscousCommand::run() {
    const ChainInputs request = options_.request();
    const BoundaryLayerOptions layer = viscous_.request();
    if (format_ != "json" && format_ != "csv") {
        throw UsageError("--format must be json or csv, got \"" + format_ + "\"");
    }
    const ViscousResult result = computeViscousResult(request, layer);
    return format_ == "json" ? viscousJson(result) : viscousCsv(result);
}

} // namespace kestrel::cli
