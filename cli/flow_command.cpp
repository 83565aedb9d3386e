// SPDX-License-Identifier: MIT
#include "cli/flow_command.h"

#include "cli/decimal_number.h"
#include "cli/output.h"
#include "cli/pictures.h"
#include "cli/profile_report.h"
#include "cli/whole_number.h"
#include "model/flow.h"
#include "plots/flow_picture.h"
#include "report/documents.h"

#include <charconv>

namespace kestrel::cli {

namespace {

constexpr const char* kDescription =
    "The potential flow about one profile: stagnation points, streamlines and the field at "
    "chosen points as JSON, or the flow picture as PNG or SVG.";

constexpr const char* kFooter =
    R"(The window's chain runs for the inputs from a fresh start (profile and pressure); the flow
is the uniform stream at the angle of attack about the circle, with the circulation that puts
the rear stagnation point on the trailing edge, carried over to the profile by the mapping.
Lengths are in chords (x/c, y/c; leading edge of the symmetric profile at 0, trailing edge at
(1, 0)); the free stream has speed 1. The circle plane keeps the window's circle coordinates
(xc, yc; the trailing edge at (1, 0)).

JSON output (--format json, the default), numbers written so that they read back as the same
double:
  inputs         Thickness and Camber (t/c, f/c), AlfaD (degrees), nP, and lines, the
                 streamlines on each side of the dividing one.
  row            the table row of the profile, 1 to 496.
  circulation    clockwise, in units of free-stream speed times chord; CL = 2 circulation.
  stagnation     front and rear, each {"circle": [x, y], "profile": [x, y]}. The rear
                 one is the trailing edge; the profile's flow leaves a cusped edge at a
                 finite speed, only the circle's flow stagnates there.
  singular_leading_edge
                 the sharp leading edge of a profile of thickness 0 (circle, profile), where the
                 flow turns round the edge at infinite speed; null otherwise and at zero
                 incidence.
  windows        the profile window (x from -0.5 to 1.5, y from -0.6 to 0.6), the circle
                 window holding its circle-plane image, and the traced window: the profile-plane
                 rectangle holding both windows widened to any picture shape from 1:2 to 4:1
                 (the circle window through its image), 5 % to spare on each side. Each has
                 x_min, x_max, y_min, y_max.
  streamlines    the dividing streamline (two parts: to the front stagnation point, from the
                 trailing edge), then the levels in rising order: -N..N and, at the same
                 spacing 0.6 / (N + 1), every further level that crosses the traced window, so
                 that the lines fill any picture. Each has level, psi (the stream function, 0
                 on the body), dividing (true or false), and its points in the direction of the
                 flow, from the traced window's edge where the flow enters to its edge where it
                 leaves (the dividing streamline: to or from the body), as [x, y] pairs in both
                 planes: circle (xc, yc) and profile (x/c, y/c), point for point.
  probes         one entry per --probe in the order given: x, y, inside (the point lies in
                 the profile), singular (on the singular leading edge), psi, phi (the
                 velocity potential, which jumps by the circulation across the image of the
                 ray from the circle's centre through the trailing edge), u, v, speed_ratio
                 (|V| / V_inf) and Cp. Inside the profile every number is null; on the
                 singular leading edge the speed is infinite and u, v, speed_ratio and Cp
                 are null. Far away the field tends to the free stream (u = cos alpha,
                 v = sin alpha, Cp = 0) and u, v, speed_ratio and Cp stay finite at any
                 distance; psi and phi grow with it, and a probe so far out that either
                 leaves the range of a double (only beyond about 1.7e308 chords) is refused
                 with status 2.

Pictures (--format png or svg, with --out FILE): the circle plane on the left, the profile
plane in the middle, each shaded by Cp (blue suction, grey free-stream pressure, red pressure;
a diverging map, pressure 0 to 1 and suction 0 to -3 each linear, lower values in the end
colour), with the streamlines running across each plane from edge to edge, the dividing
streamline drawn wider, the body, the stagnation points as white dots, the trailing edge as a
green diamond (the flow leaves it at a finite speed, written in the key under the planes) and a
singular leading edge as a yellow dot under the stagnation point; the Cp legend on the right
with the smallest Cp of each plane. --size gives the picture's size in pixels (default 960x360).
The file is written under a temporary name and renamed when complete; its path is printed.

Exit status: 0 on success, 2 for a bad command line (one message, nothing on standard output,
no file written), 1 when the picture cannot be written. A probe inside the profile is not an
error.

Examples:
  kestrel-calc flow --thickness 12 --camber 4 --alpha 5 --probe 0.5,0.1 --probe -0.2,0
  kestrel-calc flow --thickness 12 --camber 4 --alpha 5 --format png --out flow.png)";

constexpr int kMinWidth = 200;
constexpr int kMinHeight = 100;
constexpr int kMaxSide = 8000;

const WholeNumberOption kLinesOption{"--lines", Flow::kMinLevels, Flow::kMaxLevels,
                                     "streamlines on each side of the dividing one"};

// A whole decimal number with nothing around it.
bool wholeOf(std::string_view text, int& value) {
    if (text.empty() || text.find_first_not_of("0123456789") != std::string_view::npos) {
        return false;
    }
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size();
}

} // namespace

std::pair<int, int> pictureSizeValue(std::string_view text) {
    const std::size_t x = text.find('x');
    int width = 0;
    int height = 0;
    if (x != std::string_view::npos && wholeOf(text.substr(0, x), width) &&
        wholeOf(text.substr(x + 1), height) && width >= kMinWidth && width <= kMaxSide &&
        height >= kMinHeight && height <= kMaxSide) {
        return {width, height};
    }
    throw UsageError("--size must be WxH in pixels, W from " + std::to_string(kMinWidth) + " to " +
                     std::to_string(kMaxSide) + " and H from " + std::to_string(kMinHeight) +
                     " to " + std::to_string(kMaxSide) + ", got \"" + std::string(text) + "\"");
}

std::pair<double, double> probeValue(std::string_view text) {
    const std::size_t comma = text.find(',');
    double x = 0;
    double y = 0;
    if (comma != std::string_view::npos && decimalOf(text.substr(0, comma), x) &&
        decimalOf(text.substr(comma + 1), y)) {
        return {x, y};
    }
    throw UsageError("--probe must be X,Y, two finite numbers in chords such as 0.5,-0.1, got \"" +
                     std::string(text) + "\"");
}

CLI::App* FlowCommand::attach(CLI::App& app) {
    CLI::App* command = app.add_subcommand("flow", kDescription);
    options_.attach(*command,
                    {InputId::Thickness, InputId::Camber, InputId::Points, InputId::Alpha},
                    ProfileOptions::Mach::NotTaken);
    addWholeNumberOption(*command, kLinesOption, lines_,
                         "Streamlines on each side of the dividing streamline");
    command->add_option("--format", format_, "Output format: json, png or svg; default json")
        ->type_name("json|png|svg");
    command->add_option("--out", out_, "Picture file to write (png and svg only)")
        ->type_name("FILE");
    command->add_option("--size", size_, "Picture size in pixels; default 960x360")
        ->type_name("WxH");
    command
        ->add_option("--probe", probes_,
                     "A point x/c,y/c at which to report the field; may be repeated")
        ->type_name("X,Y")
        ->expected(1)
        ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll);
    command->footer(kFooter);
    return command;
}

std::string FlowCommand::run() {
    // Every option is checked before anything is computed or written.
    const ChainInputs request = options_.request();
    const int lines = wholeNumberValue(kLinesOption, lines_);
    if (format_ != "json" && format_ != "png" && format_ != "svg") {
        throw UsageError("--format must be json, png or svg, got \"" + format_ + "\"");
    }
    const bool json = format_ == "json";
    const auto [width, height] = pictureSizeValue(size_);
    std::vector<std::pair<double, double>> probes;
    for (const std::string& probe : probes_) {
        probes.push_back(probeValue(probe));
    }
    if (json && !out_.empty()) {
        throw UsageError("--out is for pictures (--format png or svg); JSON goes to standard "
                         "output");
    }
    if (!json && out_.empty()) {
        throw UsageError("--out is required for --format " + format_ + ": the picture file");
    }

    const ProfileResult result = computeProfileResult(request);
    if (json) {
        const Flow flow(result.state);
        for (std::size_t k = 0; k < probes.size(); ++k) {
            const FlowSample f = flow.atProfile(probes[k].first, probes[k].second);
            if (!std::isfinite(f.potential.real()) || !std::isfinite(f.psi)) {
                throw UsageError("--probe " + probes_[k] +
                                 " lies so far away that the potential there exceeds the range "
                                 "of a double");
            }
        }
        return flowDocument(result.state, result.values, flow, lines, probes);
    }
    const FlowPicture picture(result.state, lines);
    const QByteArray bytes = renderFlowPicture(
        picture, width, height, format_ == "png" ? PictureFormat::Png : PictureFormat::Svg);
    writeFilesAtomically({{out_, bytes.toStdString()}});
    return out_ + "\n";
}

} // namespace kestrel::cli
