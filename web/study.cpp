// SPDX-License-Identifier: MIT
#include "web/study.h"

#include "model/boundary_layer_view.h"
#include "model/coefficients.h"
#include "model/compressibility.h"
#include "model/probe.h"
#include "model/rule_table.h"
#include "model/supersonic.h"
#include "model/texts.h"
#include "model/theory.h"
#include "model/theory_table.h"
#include "plots/boundary_layer_plots.h"
#include "plots/compressibility_chart.h"
#include "plots/sonic_chart.h"
#include "plots/theory_charts.h"
#include "web/answers.h"

#include <cmath>
#include <cstdint>
#include <stdexcept>
#include <vector>

namespace kestrel::web {

namespace {

constexpr const char* kPartNames[] = {"left", "right", "legend"};

// "cells": the rows of a table's texts, each an array.
template <typename Cells> void cellsJson(JsonWriter& json, const Cells& cells) {
    json.key("cells").beginArray();
    for (const auto& row : cells) {
        json.beginArray();
        for (const std::string& cell : row) {
            json.value(cell);
        }
        json.endArray();
    }
    json.endArray();
}

// `key`: the page's texts of a table's row or column names.
template <typename Ids> void namesJson(JsonWriter& json, const char* key, const Ids& ids) {
    json.key(key).beginArray();
    for (const TextId id : ids) {
        json.value(pageTexts()[id]);
    }
    json.endArray();
}

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
            ++builds_;
        }
    }
    return picture_.get();
}

// Made when the first particles are asked for: a chain's redraw without them never needs them.
const ParticleTracks& Study::tracks() {
    if (!tracks_) {
        tracks_ = std::make_unique<ParticleTracks>(picture_->flow(), picture_->streamlines(),
                                                   kParticleSpacing);
    }
    return *tracks_;
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
    // The right plane is at stage 1 whatever t is; the legend is the same for every size.
    const double stage = which == FlowPart::Left ? t : 1;
    const bool same = which == FlowPart::Legend
                          ? p.build == builds_
                          : p.build == builds_ && p.t == stage && p.width == width &&
                                p.height == height && p.ratio == ratio && p.kept == keptVersion_;
    if (same) {
        return p.surface;
    }
    const FlowLayout layout = flowLayout(width, height);
    if (which == FlowPart::Legend) {
        drawCpLegend(p.surface, picture_->profileMinimum(), picture_->circleMinimum(), pageTexts());
    } else {
        drawFlowPlane(p.surface, *picture_, stage,
                      which == FlowPart::Left ? layout.left : layout.right, ratio, kept_.get(),
                      pageTexts());
    }
    p.build = builds_;
    p.kept = keptVersion_;
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
    const FlowLayout layout = flowLayout(width, height);
    drawFlowKey(key_, picture(session)->flow(), layout.key.width, layout.key.height, pageTexts());
    composeFlowPicture(whole_, left, right, legend, key_, width, height);
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
                    p != nullptr ? particleDots(*p, tracks(), time, t, width, height)
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
    json.key("text").value(probeText(r, pageTexts())).key("inside").value(r.inside);
    json.key("xc").value(r.xc).key("yc").value(r.yc).key("x").value(r.x).key("y").value(r.y);
    json.key("speedRatio").value(r.speedRatio).key("Cp").value(r.Cp);
    json.key("circleSpeedRatio").value(r.circleSpeedRatio).key("circleCp").value(r.circleCp);
    json.endObject();
    return json.text();
}

std::string Study::particlesJson(const Session& session, double time, double t, int width,
                                 int height) {
    const FlowPicture* p = picture(session);
    JsonWriter json;
    json.beginObject().key("points").beginArray();
    if (p != nullptr) {
        for (const PicturePoint& dot : particleDots(*p, tracks(), time, t, width, height)) {
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
    Surface sonic(0, rgb(255, 255, 255));
    RuleTable table = emptyRuleTable(pageTexts());
    if (profileExists(s)) {
        const CompressibleSurface surface(s);
        drawCompressibilityChart(chart, machChart(surface), mach, kept_.get(), pageTexts());
        drawSonicChart(sonic, SonicSurface(s, surface), mach, kept_.get(), pageTexts());
        table = ruleTable(surface, mach, pageTexts());
    }
    JsonWriter json;
    chart_.pack(chart);
    sonic_.pack(sonic);
    json.beginObject().key("mach").value(mach).key("chart").beginObject();
    packedRecord(json, chart, chart_);
    json.endObject().key("sonic").beginObject();
    packedRecord(json, sonic, sonic_);
    json.endObject();
    namesJson(json, "rows", kRuleTableRows);
    namesJson(json, "columns", kRuleTableColumns);
    cellsJson(json, table.cells);
    json.key("past").beginArray();
    for (const bool past : table.past) {
        json.value(past);
    }
    json.endArray().key("warning").value(table.warning).endObject();
    return json.text();
}

namespace {

constexpr const char* kLayerRecordNames[] = {"profile", "friction", "shapeFactor", "polar"};

} // namespace

std::string Study::boundaryLayerJson(const Session& session, int position, double ncrit,
                                     double aspect) {
    if (position < 0 || position > kReynoldsSteps || !(ncrit >= kMinNcrit && ncrit <= kMaxNcrit) ||
        !(aspect > 0 && aspect < 100)) {
        JsonWriter json;
        json.beginObject().key("error").value("boundary-layer options out of range").endObject();
        return json.text();
    }
    BoundaryLayerOptions options;
    options.reynolds = reynoldsAtPosition(position);
    options.ncrit = ncrit;
    const State& s = session.state();
    std::array<Surface, 4> records;
    records.fill(Surface(0, rgb(255, 255, 255)));
    LayerTable table = emptyLayerTable(pageTexts());
    if (profileExists(s)) {
        const BoundaryLayerView view = boundaryLayerView(s, options);
        const std::optional<KeptLayer> keptLayer = kestrel::keptLayer(kept_.get(), options);
        const KeptLayer* kept = keptLayer ? &*keptLayer : nullptr;
        drawLayerProfile(records[0], s, view.layer, aspect, kept, pageTexts());
        drawSkinFriction(records[1], view.layer, kept, pageTexts());
        drawShapeFactor(records[2], view.layer, kept, pageTexts());
        drawDragPolar(records[3], view.polar, view.alpha, kept, pageTexts());
        table = layerTable(view, pageTexts());
    }
    JsonWriter json;
    json.beginObject().key("reynolds").value(options.reynolds);
    json.key("reynoldsText").value(reynoldsText(options.reynolds)).key("ncrit").value(ncrit);
    for (std::size_t i = 0; i < records.size(); ++i) {
        layerRecords_[i].pack(records[i]);
        json.key(kLayerRecordNames[i]).beginObject();
        packedRecord(json, records[i], layerRecords_[i]);
        json.endObject();
    }
    namesJson(json, "rows", kLayerTableRowNames);
    namesJson(json, "columns", kLayerTableColumnNames);
    cellsJson(json, table.cells);
    json.key("note").value(table.note);
    json.key("trust").value(pageTexts()[TextId::LayerTrustNote]).endObject();
    return json.text();
}

std::string Study::theoryJson(const Session& session) {
    const State& s = session.state();
    constexpr Colour kWhite = rgb(255, 255, 255);
    std::array<Surface, 3> charts{Surface(0, kWhite), Surface(0, kWhite), Surface(0, kWhite)};
    TheoryTable table = emptyTheoryTable();
    if (profileExists(s)) {
        const TheoryComparison theory = compareWithThinAirfoil(s);
        drawTheoryLift(charts[0], theory, kept_.get(), pageTexts());
        drawTheoryMoment(charts[1], theory, kept_.get(), pageTexts());
        drawTheoryLoad(charts[2], theory, kept_.get(), pageTexts());
        table = theoryTable(s, theory);
    }
    JsonWriter json;
    json.beginObject();
    constexpr const char* kCharts[] = {"lift", "moment", "load"};
    for (std::size_t i = 0; i < charts.size(); ++i) {
        theory_[i].pack(charts[i]);
        json.key(kCharts[i]).beginObject();
        packedRecord(json, charts[i], theory_[i]);
        json.endObject();
    }
    namesJson(json, "rows", kTheoryTableRows);
    namesJson(json, "columns", kTheoryTableColumns);
    cellsJson(json, table.cells);
    json.endObject();
    return json.text();
}

namespace {

std::string keptAnswer(const Ghost& kept) {
    const ChainInputs& in = kept.inputs();
    JsonWriter json;
    json.beginObject().key("kept").value(true).key("inputs").beginObject();
    json.key("thickness").value(in.thickness).key("camber").value(in.camber);
    json.key("points").value(in.points).key("alpha").value(in.alpha).key("xm").value(in.xm);
    json.key("mach")
        .value(in.mach)
        .endObject()
        .key("label")
        .value(kept.label(pageTexts()))
        .endObject();
    return json.text();
}

std::string notKept(const char* why) {
    JsonWriter json;
    json.beginObject().key("error").value(why).endObject();
    return json.text();
}

bool inRanges(const ChainInputs& inputs) {
    for (const InputDefinition& input : kInputs) {
        const int position = inputs.position(input.id);
        if (position < input.minimum || position > input.maximum) {
            return false;
        }
    }
    return true;
}

} // namespace

std::string Study::keepJson(const Session& session) {
    if (!profileExists(session.state())) {
        return noPicture();
    }
    return keepJson(session.inputs());
}

std::string Study::keepJson(const ChainInputs& inputs) {
    if (!inRanges(inputs)) {
        return notKept("inputs out of their ranges");
    }
    try {
        kept_ = std::make_shared<const Ghost>(inputs);
    } catch (const std::invalid_argument&) {
        return notKept("the kept profile is not in the table");
    }
    ++keptVersion_;
    return keptAnswer(*kept_);
}

void Study::clearKept() {
    kept_.reset();
    ++keptVersion_;
}

std::string Study::comparisonJson(const Session& session) {
    const State& s = session.state();
    JsonWriter json;
    json.beginObject().key("kept").value(kept_ != nullptr).key("label");
    json.value(kept_ ? kept_->label(pageTexts()) : std::string(pageTexts()[TextId::NothingKept]));
    namesJson(json, "columns", kComparisonColumns);
    json.key("rows").beginArray();
    if (kept_) {
        const double mach = std::fabs(session.values().mach);
        for (const ComparisonRow& row :
             keptComparison(profileExists(s) ? &s : nullptr, mach, *kept_, pageTexts())) {
            json.beginObject().key("quantity").value(row.quantity).key("cells").beginArray();
            for (const std::string& cell : row.cells) {
                json.value(cell);
            }
            json.endArray().endObject();
        }
    }
    json.endArray().key("note").value(comparisonLayerNote(pageTexts())).endObject();
    return json.text();
}

} // namespace kestrel::web
