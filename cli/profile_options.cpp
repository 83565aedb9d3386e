#include "cli/profile_options.h"

#include "cli/whole_number.h"

namespace kestrel::cli {

namespace {

// The window's five scroll bars with their ranges.
constexpr WholeNumberOption kThickness{"--thickness", 0, 30, "hundredths of the chord"};
constexpr WholeNumberOption kCamber{"--camber", 0, 15, "hundredths of the chord"};
constexpr WholeNumberOption kPoints{"--points", 11, 101, "points on the profile surface"};
constexpr WholeNumberOption kAlpha{"--alpha", -10, 10, "degrees"};
constexpr WholeNumberOption kXm{"--xm", 0, 100, "hundredths of the chord"};

} // namespace

void ProfileOptions::attach(CLI::App& command, Inputs inputs) {
    addWholeNumberOption(command, kThickness, thickness_, "Thickness t/c in hundredths");
    addWholeNumberOption(command, kCamber, camber_, "Camber f/c in hundredths");
    addWholeNumberOption(command, kPoints, points_, "Number of surface points");
    if (inputs == Inputs::Profile) {
        return;
    }
    addWholeNumberOption(command, kAlpha, alpha_, "Angle of attack in whole degrees");
    addWholeNumberOption(command, kXm, xm_, "Moment reference x/c in hundredths");
    command
        .add_option("--mach", mach_,
                    "Free-stream Mach number: any text, read by the window's Mach rule; default 0")
        ->type_name("TEXT");
}

ProfileRequest ProfileOptions::request() const {
    ProfileRequest request;
    request.thickness = wholeNumberValue(kThickness, thickness_);
    request.camber = wholeNumberValue(kCamber, camber_);
    request.points = wholeNumberValue(kPoints, points_);
    request.alpha = wholeNumberValue(kAlpha, alpha_);
    request.xm = wholeNumberValue(kXm, xm_);
    request.mach = mach_;
    return request;
}

} // namespace kestrel::cli
