// SPDX-License-Identifier: MIT
#include "web/study.h"

#include "model/coefficients.h"
#include "model/compressibility.h"
#include "model/probe.h"
#include "model/rule_table.h"
#include "plots/compressibility_chart.h"
#include "web/answers.h"

#include <cmath>
#include <cstdint>
#include <vector>

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

const Surface& Study::part(FlowPart which, double t, int width, int height, double ratio) {
    Part& p = parts_[static_cast<std::size_t>(which)];
    // The right plane is at stage 1 whatever t is; the legend is the same for every picture.
    const double stage = which == FlowPart::Left ? t : 1;
    const bool same = which == FlowPart::Legend
                          ? p.build != 0
                          : p.build == builds_ && p.t == stage && p.width == width &&
                                p.height == height && p.ratio == ratio;
    if (same) {
        return p.surface;
    }
    const FlowLayout layout = flowLayout(width, height);
    if (which == FlowPart::Legend) {
        drawCpLegend(p.surface);
    } else {
        drawFlowPlane(p.surface, *picture_, stage,
                      which == FlowPart::Left ? layout.left : layout.right, ratio, pageTexts());
    }
    p.build = builds_;
    p.t = stage;
    p.width = width;
    p.height = height;
    p.ratio = ratio;
    return p.surface;
}

namespace {

bool ratioInRange(double ratio) {
    return ratio > 0 && ratio <= 16;
}

std::string badRatio() {
    JsonWriter json;
    json.beginObject().key("error").value("no such device-pixel ratio").endObject();
    return json.text();
}

} // namespace

std::string Study::partJson(const Session& session, FlowPart which, double t, int width, int height,
                            double ratio) {
    if (picture(session) == nullptr) {
        return noPicture();
    }
    if (!ratioInRange(ratio)) {
        return badRatio();
    }
    const FlowLayout layout = flowLayout(width, height);
    const PixelBox box = which == FlowPart::Left    ? layout.left
                         : which == FlowPart::Right ? layout.right
                                                    : layout.legend;
    const Surface& recorded = part(which, t, width, height, ratio);
    PackedSurface& packed = packedParts_[static_cast<std::size_t>(which)];
    packed.pack(recorded);
    JsonWriter json;
    json.beginObject().key("part").value(kPartNames[static_cast<int>(which)]);
    json.key("box").beginArray().value(box.left).value(box.top).value(box.width);
    json.value(box.height).endArray();
    packedRecord(json, recorded, packed);
    // A plane's shading is its leading image.
    const bool shaded = !packed.images.empty() && packed.images.front() != nullptr;
    const RasterImage empty;
    const RasterImage& image = shaded ? *packed.images.front() : empty;
    json.key("shading").beginObject().key("items").value(shaded ? 1 : 0);
    json.key("pixels").value(memoryAddress(image.pixels.data()));
    json.key("width").value(image.width).key("height").value(image.height).endObject();
    json.endObject();
    return json.text();
}

std::string Study::recordJson(const Session& session, double t, int width, int height,
                              double ratio) {
    if (picture(session) == nullptr) {
        return noPicture();
    }
    if (!ratioInRange(ratio)) {
        return badRatio();
    }
    const Surface& left = part(FlowPart::Left, t, width, height, ratio);
    const Surface& right = part(FlowPart::Right, t, width, height, ratio);
    const Surface& legend = part(FlowPart::Legend, t, width, height, ratio);
    composeFlowPicture(whole_, left, right, legend, width, height);
    packedWhole_.pack(whole_);
    JsonWriter json;
    json.beginObject().key("width").value(width).key("height").value(height);
    json.key("ratio").value(ratio);
    packedRecord(json, whole_, packedWhole_);
    json.endObject();
    return json.text();
}

std::string Study::particleRecordJson(const Session& session, double time, double t, int width,
                                      int height) {
    const FlowPicture* p = picture(session);
    recordParticles(particles_,
                    p != nullptr ? particleDots(*p, *tracks_, time, t, width, height)
                                 : std::vector<PicturePoint>{},
                    width, height);
    packedParticles_.pack(particles_);
    JsonWriter json;
    json.beginObject().key("width").value(width).key("height").value(height);
    packedRecord(json, particles_, packedParticles_);
    json.endObject();
    return json.text();
}

std::string Study::probeJson(const Session& session, double x, double y, double t, int width,
                             int height) {
    const FlowPicture* p = picture(session);
    const std::optional<PictureProbe> probe =
        p != nullptr ? probePicture(p->flow(), x, y, t, width, height) : std::nullopt;
    JsonWriter json;
    json.beginObject().key("plane");
    if (!probe) {
        json.null().key("text").value(pageTexts()[TextId::ProbeHint]).endObject();
        return json.text();
    }
    const ProbeReading& r = probe->reading;
    const bool circlePlane = probe->leftPlane && t < 1;
    json.value(probe->leftPlane ? "left" : "right").key("circlePlane").value(circlePlane);
    json.key("text").value(probeText(r, circlePlane, pageTexts())).key("inside").value(r.inside);
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
    RuleTable table = emptyRuleTable(pageTexts());
    if (profileExists(s)) {
        const CompressibleSurface surface(s);
        drawCompressibilityChart(chart, machChart(surface), mach, pageTexts());
        table = ruleTable(surface, mach, pageTexts());
    }
    JsonWriter json;
    chart_.pack(chart);
    json.beginObject().key("mach").value(mach).key("chart").beginObject();
    packedRecord(json, chart, chart_);
    json.endObject().key("rows").beginArray();
    for (const TextId row : kRuleTableRows) {
        json.value(pageTexts()[row]);
    }
    json.endArray().key("columns").beginArray();
    for (const TextId column : kRuleTableColumns) {
        json.value(pageTexts()[column]);
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
