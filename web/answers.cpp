// SPDX-License-Identifier: MIT
#include "web/answers.h"

#include "model/coefficients.h"
#include "model/compressibility.h"
#include "model/flow.h"
#include "model/inputs.h"
#include "model/text.h"
#include "plots/labels.h"
#include "web/json.h"

#include <exception>

namespace kestrel::web {

namespace {

constexpr Handler kHandlers[] = {
    Handler::HScroll_Thickness_Change,
    Handler::HScroll_Camber_Change,
    Handler::HScroll_nP_Change,
    Handler::HScroll_AlfaD_Change,
    Handler::HScroll_xM_Change,
    Handler::daire_Click,
    Handler::profil_Click,
    Handler::pressure_Click,
    Handler::Picture_CL_Click,
    Handler::Picture_CM_Click,
    Handler::Mn_About_Click,
};

void steps(JsonWriter& json, Handler handler) {
    json.beginArray();
    for (const Step step : chainOf(handler)) {
        json.value(stepName(step));
    }
    json.endArray();
}

template <std::size_t N>
void entries(JsonWriter& json, const CheckedArray<N>& array, long first, long last) {
    json.key(array.name()).beginArray();
    for (long i = first; i <= last; ++i) {
        json.value(array[i]);
    }
    json.endArray();
}

void optionalNumber(JsonWriter& json, const std::optional<double>& number) {
    if (number) {
        json.value(*number);
    } else {
        json.null();
    }
}

std::string errorJson(const std::exception& error) {
    JsonWriter json;
    json.beginObject().key("error").value(error.what()).endObject();
    return json.text();
}

void flowPoint(JsonWriter& json, const FlowPoint& p) {
    json.beginObject().key("xc").value(p.xc).key("yc").value(p.yc);
    json.key("x").value(p.x).key("y").value(p.y).endObject();
}

void rule(JsonWriter& json, const RuleResult& r) {
    json.beginObject();
    json.key("CL");
    optionalNumber(json, r.CL);
    json.key("CM");
    optionalNumber(json, r.CM);
    json.key("Cp_min");
    optionalNumber(json, r.CpMin);
    json.key("critical_mach");
    optionalNumber(json, r.criticalMach);
    json.key("supercritical").value(r.supercritical);
    json.endObject();
}

void analysis(JsonWriter& json, const CompressibilityAnalysis& a) {
    json.beginObject().key("mach").value(a.mach).key("CL").value(a.CL).key("CM").value(a.CM);
    json.key("minimum").beginObject();
    json.key("unbounded").value(a.minimum.unbounded).key("Cp");
    optionalNumber(json, a.minimum.unbounded ? std::nullopt : std::optional(a.minimum.Cp));
    json.key("x").value(a.minimum.x).key("y").value(a.minimum.y);
    json.key("upper").value(a.minimum.upper).key("theta").value(a.minimum.theta).endObject();
    json.key("critical_pressure");
    optionalNumber(json, a.criticalPressure);
    json.key("rules").beginObject();
    for (const CompressibilityRule r : kCompressibilityRules) {
        json.key(ruleName(r));
        rule(json, a.rules[ruleIndex(r)]);
    }
    json.endObject().endObject();
}

} // namespace

std::string runJson(const HandlerRun& run) {
    JsonWriter json;
    json.beginObject().key("handler").value(handlerName(run.handler)).key("steps");
    steps(json, run.handler);
    json.key("boxes").beginArray();
    for (const BoxText& b : run.boxes) {
        json.beginObject().key("box").value(b.box).key("text").value(b.text).endObject();
    }
    json.endArray().key("redrawn").beginArray();
    for (const SurfaceId id : run.redrawn) {
        json.value(surfaceDefinition(id).name);
    }
    json.endArray();
    json.key("tableMiss").value(run.tableMiss).key("openAbout").value(run.openAbout);
    json.key("error");
    if (run.error.empty()) {
        json.null();
    } else {
        json.value(run.error);
    }
    json.endObject();
    return json.text();
}

std::string surfaceJson(const Surface& surface, const SurfaceDefinition& definition,
                        PackedSurface& packed) {
    packed.pack(surface);
    JsonWriter json;
    json.beginObject().key("name").value(definition.name);
    json.key("width").value(definition.width).key("height").value(definition.height);
    packedRecord(json, surface, packed);
    json.endObject();
    return json.text();
}

std::string stateJson(const State& s, const ChainValues& values, std::string_view separator) {
    const long n = toIndex(s.nP);
    const double CMcur = values.CMcur.value_or(0);
    const std::optional<double> factor = prandtlGlauertFactor(values.mach);
    JsonWriter json;
    json.beginObject().key("inputs").beginObject();
    json.key("Thickness").value(s.Thickness).key("Camber").value(s.Camber);
    json.key("nP").value(s.nP).key("AlfaD").value(s.AlfaD).key("xM").value(s.xM);
    json.key("Mach").value(values.mach).endObject();
    json.key("row").value(values.row).key("tableMiss").value(values.tableMiss);

    json.key("profile").beginObject();
    const std::pair<const char*, double> profile[] = {
        {"eps", s.eps},       {"mu", s.mu},     {"Beta", s.Beta},     {"Delta", s.Delta},
        {"Rsq", s.Rsq},       {"Rc", s.Rc},     {"dOverR", s.dOverR}, {"Chord", s.Chord},
        {"xShift", s.xShift}, {"RbyC", s.RbyC}, {"nSeg", s.nSeg},     {"nHalf", s.nHalf}};
    for (const auto& [name, value] : profile) {
        json.key(name).value(value);
    }
    json.endObject();

    json.key("points").beginObject();
    for (const PointArray* array :
         {&s.Theta, &s.xCirc, &s.yCirc, &s.xProf, &s.yProf, &s.dZdZeta, &s.Cp}) {
        entries(json, *array, 1, n);
    }
    json.endObject().key("curves").beginObject();
    for (const CurveArray* array : {&s.AlfaArr, &s.CLarr, &s.CMarr}) {
        entries(json, *array, kCurveFirst, kCurveLast);
    }
    json.endObject();

    json.key("current").beginObject();
    json.key("CLcur").value(s.CLcur).key("CMcur").value(CMcur);
    json.key("Text_CL").value(liftBoxText(s.CLcur, separator));
    json.key("Text1").value(momentBoxText(CMcur, separator));
    json.key("PGfactor");
    optionalNumber(json, factor);
    // The values of the magenta markers, where the plots draw them.
    json.key("CLcur_compressible");
    optionalNumber(json, values.compressible ? std::optional(s.CLcur / *factor) : std::nullopt);
    json.key("CMcur_compressible");
    optionalNumber(json, values.compressible ? std::optional(CMcur / *factor) : std::nullopt);
    json.endObject().endObject();
    return json.text();
}

std::string windowJson() {
    JsonWriter json;
    json.beginObject().key("inputs").beginArray();
    for (const InputDefinition& d : kInputs) {
        json.beginObject().key("scrollBar").value(d.scrollBar).key("valueBox").value(d.valueBox);
        json.key("quantity").value(d.quantity).key("unit").value(d.unit);
        json.key("minimum").value(d.minimum).key("maximum").value(d.maximum);
        json.key("smallChange").value(d.smallChange).key("largeChange").value(d.largeChange);
        json.key("start").value(d.start).key("divisor").value(d.divisor);
        json.key("startText").value(numberText(inputValue(d.id, d.start), "."));
        json.endObject();
    }
    json.endArray().key("handlers").beginArray();
    for (const Handler h : kHandlers) {
        json.beginObject().key("name").value(handlerName(h)).key("steps");
        steps(json, h);
        json.endObject();
    }
    json.endArray().key("surfaces").beginArray();
    for (const SurfaceDefinition& d : kSurfaces) {
        json.beginObject().key("name").value(d.name).key("width").value(d.width);
        json.key("height").value(d.height).key("foreground").value(d.foreground).endObject();
    }
    json.endArray().key("border").value(kSurfaceBorder).key("labels").beginArray();
    constexpr const char* kFonts[] = {"tick", "axis title", "greek"};
    for (const PlotLabel& l : kPlotLabels) {
        const PixelBox box = visibleBox(l);
        json.beginObject().key("surface").value(surfaceDefinition(l.surface).name);
        json.key("name").value(l.name).key("text").value(l.text);
        json.key("font").value(kFonts[static_cast<int>(l.font)]);
        json.key("box").beginArray().value(box.left).value(box.top).value(box.width);
        json.value(box.height).endArray().endObject();
    }
    json.endArray().endObject();
    return json.text();
}

std::string flowJson(const State& s, double x, double y, bool circlePlane) {
    try {
        const Flow flow(s);
        const FlowSample f = circlePlane ? flow.atCircle(x, y) : flow.atProfile(x, y);
        JsonWriter json;
        json.beginObject().key("plane").value(circlePlane ? "circle" : "profile");
        json.key("x").value(x).key("y").value(y);
        json.key("inside").value(f.inside).key("singular").value(f.singular);
        json.key("phi").value(f.potential.real()).key("psi").value(f.psi);
        json.key("u").value(f.u).key("v").value(f.v);
        json.key("speedRatio").value(f.speedRatio).key("Cp").value(f.Cp);
        json.key("circulation").value(flow.circulation());
        json.key("frontStagnation");
        flowPoint(json, flow.frontStagnation());
        json.key("rearStagnation");
        flowPoint(json, flow.rearStagnation());
        json.key("singularLeadingEdge");
        if (const auto edge = flow.singularLeadingEdge()) {
            flowPoint(json, *edge);
        } else {
            json.null();
        }
        json.endObject();
        return json.text();
    } catch (const std::exception& error) {
        return errorJson(error);
    }
}

std::string compressibilityJson(const State& s, double mach, bool chart) {
    try {
        const CompressibleSurface surface(s);
        JsonWriter json;
        json.beginObject().key("analysis");
        analysis(json, surface.analyse(mach));
        if (chart) {
            json.key("chart").beginArray();
            for (const CompressibilityAnalysis& a : machChart(surface)) {
                analysis(json, a);
            }
            json.endArray();
        }
        json.endObject();
        return json.text();
    } catch (const std::exception& error) {
        return errorJson(error);
    }
}

} // namespace kestrel::web
