// SPDX-License-Identifier: MIT
#include "web/study.h"

#include "model/coefficients.h"
#include "model/compressibility.h"
#include "model/probe.h"
#include "model/rule_table.h"
#include "plots/compressibility_chart.h"
#include "web/answers.h"
#include "web/json.h"

#include <cmath>
#include <cstdint>

namespace kestrel::web {

namespace {

constexpr const char* kPartNames[] = {"left", "right", "legend"};

std::string noPicture() {
    JsonWriter json;
    json.beginObject().key("error").value("no profile yet").endObject();
    return json.text();
}

} // namespace

const FlowPicture* Study::picture(const Session& session) {
    if (!built_ || chain_ != session.chains()) {
        built_ = true;
        chain_ = session.chains();
        tracks_.reset();
        picture_.reset();
        if (profileExists(session.state())) {
            picture_ = std::make_unique<FlowPicture>(session.state());
            tracks_ = std::make_unique<ParticleTracks>(picture_->flow(), picture_->streamlines(),
                                                       kParticleSpacing);
            ++builds_;
        }
    }
    return picture_.get();
}

std::string Study::pictureJson(const Session& session) {
    const bool exists = picture(session) != nullptr;
    JsonWriter json;
    json.beginObject().key("picture").value(exists).key("builds").value(static_cast<long>(builds_));
    json.key("chordsPerSecond").value(kParticleChordsPerSecond);
    json.key("particleSize").value(kParticleDotSize);
    json.key("particleRing").value(kParticleRing).endObject();
    return json.text();
}

std::string Study::partJson(const Session& session, FlowPart part, double t, int width, int height,
                            double ratio) {
    const FlowPicture* p = picture(session);
    if (p == nullptr) {
        return noPicture();
    }
    if (!(ratio > 0 && ratio <= 16)) {
        JsonWriter json;
        json.beginObject().key("error").value("no such device-pixel ratio").endObject();
        return json.text();
    }
    const FlowLayout layout = flowLayout(width, height);
    PackedSurface& packed = parts_[static_cast<int>(part)];
    Surface surface(0, rgb(255, 255, 255));
    const Surface* recorded = &surface;
    PixelBox box;
    switch (part) {
    case FlowPart::Left:
        box = layout.left;
        drawFlowPlane(surface, *p, t, aspectOf(box));
        packed.pack(surface);
        break;
    case FlowPart::Right:
        box = layout.right;
        drawFlowPlane(surface, *p, 1, aspectOf(box));
        packed.pack(surface);
        break;
    case FlowPart::Legend:
        box = layout.legend;
        if (!legend_) {
            legend_ = std::make_unique<Surface>(0, rgb(255, 255, 255));
            drawCpLegend(*legend_);
            packed.pack(*legend_);
        }
        recorded = legend_.get();
        break;
    }
    JsonWriter json;
    json.beginObject().key("part").value(kPartNames[static_cast<int>(part)]);
    json.key("box").beginArray().value(box.left).value(box.top).value(box.width);
    json.value(box.height).endArray();
    packedRecord(json, *recorded, packed);
    PixelImage& shading = shadings_[static_cast<int>(part)];
    const std::size_t shaded = leadingPolygons(*recorded);
    paintPolygons(shading, *recorded, shaded, static_cast<int>(std::lround(box.width * ratio)),
                  static_cast<int>(std::lround(box.height * ratio)));
    json.key("shading").beginObject().key("items").value(static_cast<long>(shaded));
    json.key("pixels").value(
        static_cast<long>(reinterpret_cast<std::uintptr_t>(shading.pixels.data())));
    json.key("width").value(shading.width).key("height").value(shading.height).endObject();
    json.endObject();
    return json.text();
}

std::string Study::probeJson(const Session& session, double x, double y, double t, int width,
                             int height) {
    const FlowPicture* p = picture(session);
    const std::optional<PictureProbe> probe =
        p != nullptr ? probePicture(*p, x, y, t, width, height) : std::nullopt;
    JsonWriter json;
    json.beginObject().key("plane");
    if (!probe) {
        json.null().key("text").value(kProbeHint).endObject();
        return json.text();
    }
    const ProbeReading& r = probe->reading;
    const bool circlePlane = probe->leftPlane && t < 1;
    json.value(probe->leftPlane ? "left" : "right").key("circlePlane").value(circlePlane);
    json.key("text").value(probeText(r, circlePlane)).key("inside").value(r.inside);
    json.key("xc").value(r.xc).key("yc").value(r.yc).key("x").value(r.x).key("y").value(r.y);
    json.key("speedRatio").value(r.speedRatio).key("Cp").value(r.Cp).endObject();
    return json.text();
}

std::string Study::particlesJson(const Session& session, double time, double t, int width,
                                 int height) {
    const FlowPicture* p = picture(session);
    JsonWriter json;
    json.beginObject().key("points").beginArray();
    if (p != nullptr) {
        for (const PicturePoint& dot : particleDots(*p, *tracks_, time, t, width, height)) {
            json.value(static_cast<float>(dot.x)).value(static_cast<float>(dot.y));
        }
    }
    json.endArray().endObject();
    return json.text();
}

std::string Study::compressibilityJson(const Session& session) {
    const State& s = session.state();
    const double mach = std::fabs(session.values().mach);
    Surface chart(0, rgb(255, 255, 255));
    RuleTable table = emptyRuleTable();
    if (profileExists(s)) {
        const CompressibleSurface surface(s);
        drawCompressibilityChart(chart, machChart(surface), mach);
        table = ruleTable(surface, mach);
    }
    JsonWriter json;
    chart_.pack(chart);
    json.beginObject().key("mach").value(mach).key("chart").beginObject();
    packedRecord(json, chart, chart_);
    json.endObject().key("rows").beginArray();
    for (const std::string_view row : kRuleTableRows) {
        json.value(row);
    }
    json.endArray().key("columns").beginArray();
    for (const std::string_view column : kRuleTableColumns) {
        json.value(column);
    }
    json.endArray().key("cells").beginArray();
    for (const auto& row : table.cells) {
        json.beginArray();
        for (const std::string& cell : row) {
            json.value(cell);
        }
        json.endArray();
    }
    json.endArray().key("warning").value(table.warning).endObject();
    return json.text();
}

} // namespace kestrel::web
