// SPDX-License-Identifier: MIT
#include "web/records.h"

#include "plots/flow_picture.h"
#include "plots/fonts.h"
#include "plots/plot_picture.h"
#include "report/json_writer.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace kestrel::web {

namespace {

void fonts(JsonWriter& json) {
    json.key("fonts").beginArray();
    for (const FontDefinition& f : kFonts) {
        json.beginObject().key("name").value(f.name).key("css").value(cssFont(f));
        json.key("families").beginArray();
        for (const std::string_view family : f.serif ? kSerifFamilies : kSansFamilies) {
            json.value(family);
        }
        json.endArray().key("points").value(f.points).key("bold").value(f.bold);
        json.key("italic").value(f.italic).endObject();
    }
    json.endArray();
}

void colours(JsonWriter& json) {
    const std::pair<const char*, Colour> named[] = {{"plotBackground", kPlotBackground},
                                                    {"systemText", kSystemText},
                                                    {"magenta", kMagenta},
                                                    {"borderOuterDark", kBorderOuterDark},
                                                    {"borderOuterLight", kBorderOuterLight},
                                                    {"borderInnerDark", kBorderInnerDark},
                                                    {"borderInnerLight", kBorderInnerLight},
                                                    {"flowBackground", kFlowBackground},
                                                    {"flowFrame", kFlowFrameColour},
                                                    {"particleRing", kParticleRing},
                                                    {"particleFill", kParticleFill},
                                                    {"ghost", kGhostColour}};
    json.key("colours").beginObject();
    for (const auto& [name, colour] : named) {
        json.key(name).value(static_cast<long>(colour));
    }
    json.endObject();
}

// A finite decimal number with nothing around it.
std::optional<double> numberOf(std::string_view text) {
    if (text.empty() || text.find_first_not_of("0123456789.eE+-") != std::string_view::npos) {
        return std::nullopt;
    }
    const std::string copy(text);
    char* end = nullptr;
    const double value = std::strtod(copy.c_str(), &end);
    if (end != copy.c_str() + copy.size() || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

} // namespace

std::string recordTableJson() {
    JsonWriter json;
    json.beginObject().key("codesPerItem").value(4).key("kinds").beginObject();
    for (int kind = 0; kind < kItemKindCount; ++kind) {
        json.key(itemKindName(static_cast<SurfaceItem::Kind>(kind))).value(kind);
    }
    json.endObject().key("fontFactor").value(4);
    json.key("aligns").beginArray().value("left").value("center").value("right").endArray();
    json.key("rectStyles").beginObject().key("fill").value(0).key("frame").value(1).endObject();
    fonts(json);
    colours(json);
    json.endObject();
    return json.text();
}

std::optional<std::vector<std::pair<double, double>>> probePoints(std::string_view text) {
    std::vector<std::pair<double, double>> points;
    std::size_t at = 0;
    while (at < text.size()) {
        if (text[at] == ' ') {
            ++at;
            continue;
        }
        const std::size_t end = std::min(text.find(' ', at), text.size());
        const std::string_view point = text.substr(at, end - at);
        const std::size_t comma = point.find(',');
        if (comma == std::string_view::npos) {
            return std::nullopt;
        }
        const auto x = numberOf(point.substr(0, comma));
        const auto y = numberOf(point.substr(comma + 1));
        if (!x || !y) {
            return std::nullopt;
        }
        points.emplace_back(*x, *y);
        at = end;
    }
    return points;
}

} // namespace kestrel::web
