// SPDX-License-Identifier: MIT
// `kestrel-calc flow`: the potential flow about one profile as JSON (stagnation points,
// streamlines, the field at probe points) or as the flow picture in a PNG or SVG file.
#pragma once

#include "cli/command.h"
#include "cli/profile_options.h"

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace kestrel::cli {

// The value of --size: "WxH", two whole numbers of pixels within the picture's limits. Throws
// UsageError naming --size otherwise.
std::pair<int, int> pictureSizeValue(std::string_view text);

// The value of one --probe: "X,Y", two finite decimal numbers (x/c and y/c). Throws UsageError
// naming --probe otherwise.
std::pair<double, double> probeValue(std::string_view text);

class FlowCommand : public Command {
public:
    CLI::App* attach(CLI::App& app) override;
    std::string run() override;

private:
    ProfileOptions options_;
    std::string lines_ = "10";
    std::string format_ = "json";
    std::string out_;
    std::string size_ = "960x360";
    std::vector<std::string> probes_;
};

} // namespace kestrel::cli
