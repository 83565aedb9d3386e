// SPDX-License-Identifier: MIT
#pragma once

#include "cli/command.h"
#include "cli/profile_options.h"

#include <string>
#include <string_view>

namespace kestrel::cli {

// The value of --scale: a decimal number (digits with at most one ".") from kMinPictureScale
// to kMaxPictureScale. Throws UsageError naming --scale and its range otherwise.
double pictureScaleValue(std::string_view text);

// `kestrel-calc render`: the window's five plots after a full chain for one set of inputs,
// written as PNG or SVG files into a folder; prints the paths it wrote, one per line.
class RenderCommand : public Command {
public:
    CLI::App* attach(CLI::App& app) override;
    std::string run() override;

private:
    ProfileOptions options_;
    std::string out_;
    std::string format_ = "png";
    std::string scale_ = "1";
};

} // namespace kestrel::cli
