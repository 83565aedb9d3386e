// SPDX-License-Identifier: MIT
#include "cli/render_command.h"

#include "cli/output.h"
#include "cli/pictures.h"
#include "cli/profile_report.h"
#include "plots/chain.h"

#include <charconv>
#include <filesystem>
#include <system_error>

namespace kestrel::cli {

namespace {

constexpr const char* kDescription =
    "Draw the window's five plots for one set of inputs into PNG or SVG files.";

constexpr const char* kFooter =
    R"(The profile, the pressure distribution and the lift and moment curves are computed and
drawn in the window's order from a fresh start, exactly as a change of thickness or camber
draws them in the window, and each plot is painted as the window paints it: background, sunken
border, lines and circles, and the axis labels that sit on it. The small red circle that marks
the moment reference on the profile belongs to the window's moment-reference change alone and is
not drawn here.

Files, named after the window's surfaces:
  daire       the circle plane          profil      the profile
  pressure    1 - Cp against x/c        Picture_CL  CL against the angle of attack
  Picture_CM  CM against the angle of attack
with the extension .png or .svg. Each is round(w x S) by round(h x S) pixels, w x h being the
surface's size in the window in logical pixels (profil: 320 x 160). --scale 2 or 3 gives crisp
pictures for print. An SVG has that size as its width, height and viewBox.

DIR is created if it does not exist. All five files are written under temporary names first
and renamed when complete, so no partial file ever stands under a final name, and when one of
them cannot be written none is renamed. The paths written are printed on standard output, one
per line. If DIR cannot be created or a file cannot be written, one message names the path,
nothing is printed on standard output and the exit status is 1.

Runs headless on Qt's offscreen platform whatever QT_QPA_PLATFORM says: no display is needed.

Example:
  kestrel-calc render --out plots --thickness 12 --camber 4 --alpha 5 --mach 0.3 --scale 2)";

// Digits with at most one "." and at least one digit: "2", "1.5", ".5", "3.".
bool isDecimalText(std::string_view text) {
    bool digit = false;
    bool point = false;
    for (char c : text) {
        if (c >= '0' && c <= '9') {
            digit = true;
        } else if (c == '.' && !point) {
            point = true;
        } else {
            return false;
        }
    }
    return digit;
}

} // namespace

double pictureScaleValue(std::string_view text) {
    double value = 0;
    if (isDecimalText(text)) {
        // from_chars reads "." as the decimal point whatever the locale.
        const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
        if (error == std::errc() && end == text.data() + text.size() && value >= kMinPictureScale &&
            value <= kMaxPictureScale) {
            return value;
        }
    }
    const std::string got =
        isDecimalText(text) ? std::string(text) : "\"" + std::string(text) + "\"";
    throw UsageError("--scale must be a number from 0.5 to 8 (times the window's size), got " +
                     got);
}

CLI::App* RenderCommand::attach(CLI::App& app) {
    CLI::App* command = app.add_subcommand("render", kDescription);
    command->add_option("--out", out_, "Folder for the five pictures; created if missing")
        ->type_name("DIR");
    options_.attach(*command, ProfileOptions::kAll, ProfileOptions::Mach::Taken);
    command->add_option("--format", format_, "Picture format: png or svg; default png")
        ->type_name("png|svg");
    command
        ->add_option("--scale", scale_,
                     "Size factor: a number from 0.5 to 8, decimals allowed; default 1")
        ->type_name("S");
    command->footer(kFooter);
    return command;
}

std::string RenderCommand::run() {
    // Every option is checked before anything is computed, drawn or created.
    const ChainInputs request = options_.request();
    if (format_ != "png" && format_ != "svg") {
        throw UsageError("--format must be png or svg, got \"" + format_ + "\"");
    }
    const PictureFormat format = format_ == "png" ? PictureFormat::Png : PictureFormat::Svg;
    const double scale = pictureScaleValue(scale_);
    if (out_.empty()) {
        throw UsageError("--out is required: the folder to write the five pictures into");
    }

    PlotSurfaces surfaces;
    requireTableRow(drawFullChain(request, surfaces));
    const std::vector<PictureFile> pictures = renderPictures(surfaces, format, scale);

    const std::filesystem::path folder(out_);
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error) {
        throw RunError("cannot create " + out_ + ": " + error.message());
    }
    std::vector<FileToWrite> files;
    std::string written;
    for (const PictureFile& picture : pictures) {
        files.push_back({(folder / picture.name).string(), picture.bytes.toStdString()});
        written += files.back().path + "\n";
    }
    writeFilesAtomically(files);
    return written;
}

} // namespace kestrel::cli
