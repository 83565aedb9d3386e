// SPDX-License-Identifier: MIT
#include "report/documents.h"

#include "model/coefficients.h"
#include "model/text.h"

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace kestrel {

namespace {

std::string finished(const JsonWriter& json) {
    return json.text() + "\n";
}

template <std::size_t N>
void entries(JsonWriter& json, const CheckedArray<N>& array, long first, long last) {
    json.key(array.name()).beginArray();
    for (long i = first; i <= last; ++i) {
        json.value(array[i]);
    }
    json.endArray();
}

void profileInputs(JsonWriter& json, const State& s, const ChainValues& values) {
    json.key("inputs").beginObject();
    json.key("Thickness").value(s.Thickness).key("Camber").value(s.Camber);
    json.key("nP").value(s.nP).key("AlfaD").value(s.AlfaD).key("xM").value(s.xM);
    json.key("Mach").value(values.mach).endObject();
}

void profileNumbers(JsonWriter& json, const State& s) {
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
        entries(json, *array, 1, toIndex(s.nP));
    }
    json.endObject().key("curves").beginObject();
    for (const CurveArray* array : {&s.AlfaArr, &s.CLarr, &s.CMarr}) {
        entries(json, *array, kCurveFirst, kCurveLast);
    }
    json.endObject();
}

void currentValues(JsonWriter& json, const State& s, const ChainValues& values) {
    const double CMcur = values.CMcur.value_or(0);
    const std::optional<double> factor = prandtlGlauertFactor(values.mach);
    json.key("current").beginObject();
    json.key("CLcur").value(s.CLcur).key("CMcur").value(CMcur);
    json.key("Text_CL").value(liftBoxText(s.CLcur, "."));
    json.key("Text1").value(momentBoxText(CMcur, "."));
    json.key("PGfactor").value(factor);
    // The values of the magenta markers, where the plots draw them.
    const bool shown = values.compressible && factor;
    json.key("CLcur_compressible").value(shown ? std::optional(s.CLcur / *factor) : std::nullopt);
    json.key("CMcur_compressible").value(shown ? std::optional(CMcur / *factor) : std::nullopt);
    json.endObject();
}

void incompressible(JsonWriter& json, const CompressibilityAnalysis& a) {
    const SurfaceMinimum& m = a.minimum;
    const auto bounded = [&m](double value) {
        return m.unbounded ? std::nullopt : std::optional(value);
    };
    json.key("incompressible").beginObject();
    json.key("CL").value(a.CL).key("CM").value(a.CM);
    json.key("Cp_min").value(bounded(m.Cp));
    json.key("Cp_min_x").value(bounded(m.x)).key("Cp_min_y").value(bounded(m.y));
    json.key("Cp_min_surface");
    if (m.unbounded) {
        json.null();
    } else {
        json.value(m.upper ? "upper" : "lower");
    }
    json.key("unbounded").value(m.unbounded).endObject();
}

// The stretches {side, x_from, x_to}, or null where the rule has none to give.
void supersonic(JsonWriter& json, const std::optional<std::vector<SupersonicExtent>>& extents) {
    json.key("supersonic");
    if (!extents) {
        json.null();
        return;
    }
    json.beginArray();
    for (const SupersonicExtent& e : *extents) {
        json.beginObject().key("side").value(sideName(e.side));
        json.key("x_from").value(e.xFrom).key("x_to").value(e.xTo).endObject();
    }
    json.endArray();
}

void rules(JsonWriter& json, const CompressibilityAnalysis& a, const SonicSurface& sonic) {
    json.key("rules").beginObject();
    for (const CompressibilityRule rule : kCompressibilityRules) {
        const RuleResult& r = a.rules[ruleIndex(rule)];
        json.key(ruleName(rule)).beginObject();
        json.key("CL").value(r.CL).key("CM").value(r.CM).key("Cp_min").value(r.CpMin);
        json.key("critical_mach").value(r.criticalMach);
        json.key("supercritical").value(r.supercritical);
        supersonic(json, sonic.extents(rule, a.mach));
        json.endObject();
    }
    json.endObject();
}

void theoryValues(JsonWriter& json, const char* name, const State& s, const TheoryValues& v) {
    json.key(name).beginObject();
    json.key("alpha_zero_lift").value(degrees(s, v.alphaZeroLift));
    json.key("lift_slope").value(v.liftSlope);
    json.key("CM_quarter_chord").value(v.CMQuarterChord).endObject();
}

std::vector<std::string> keysOfName(const std::string& name) {
    std::vector<std::string> keys;
    std::size_t start = 0;
    for (std::size_t dot = name.find('.'); dot != std::string::npos; dot = name.find('.', start)) {
        keys.push_back(name.substr(start, dot - start));
        start = dot + 1;
    }
    keys.push_back(name.substr(start));
    return keys;
}

// The values as one object, opening and closing the objects their names pass through.
void nested(JsonWriter& json, const std::vector<NamedValue>& values) {
    json.beginObject();
    std::vector<std::string> open;
    for (const NamedValue& v : values) {
        std::vector<std::string> path = keysOfName(v.name);
        const std::string leaf = path.back();
        path.pop_back();
        std::size_t common = 0;
        while (common < open.size() && common < path.size() && open[common] == path[common]) {
            ++common;
        }
        for (; open.size() > common; open.pop_back()) {
            json.endObject();
        }
        for (; open.size() < path.size(); open.push_back(path[open.size()])) {
            json.key(path[open.size()]).beginObject();
        }
        json.key(leaf).value(v.value);
    }
    for (; !open.empty(); open.pop_back()) {
        json.endObject();
    }
    json.endObject();
}

void pair(JsonWriter& json, double x, double y) {
    json.beginArray().value(x).value(y).endArray();
}

// A point in both planes: {"circle": [x, y], "profile": [x, y]}.
void bothPlanes(JsonWriter& json, const FlowPoint& p) {
    json.beginObject().key("circle");
    pair(json, p.xc, p.yc);
    json.key("profile");
    pair(json, p.x, p.y);
    json.endObject();
}

void window(JsonWriter& json, const char* name, const PlaneWindow& w) {
    json.key(name).beginObject();
    json.key("x_min").value(w.xMin).key("x_max").value(w.xMax);
    json.key("y_min").value(w.yMin).key("y_max").value(w.yMax).endObject();
}

void streamlines(JsonWriter& json, const Flow& flow, int lines) {
    json.key("streamlines").beginArray();
    for (const Streamline& line : flow.streamlines(lines)) {
        json.beginObject().key("level").value(line.level).key("psi").value(line.psi);
        json.key("dividing").value(line.dividing).key("circle").beginArray();
        for (const FlowPoint& p : line.points) {
            pair(json, p.xc, p.yc);
        }
        json.endArray().key("profile").beginArray();
        for (const FlowPoint& p : line.points) {
            pair(json, p.x, p.y);
        }
        json.endArray().endObject();
    }
    json.endArray();
}

void layerPoint(JsonWriter& json, const BoundaryLayerSide& side, std::size_t i) {
    json.beginObject().key("s").value(side.s[i]).key("x").value(side.x[i]);
    json.key("y").value(side.y[i]).key("ue").value(side.ue[i]);
    json.key("theta").value(side.theta[i]).key("delta_star").value(side.deltaStar[i]);
    json.key("H").value(side.H[i]).key("Cf").value(side.Cf[i]);
    json.key("N").value(side.laminarN(i)).key("regime").value(regimeName(side.regime[i]));
    json.endObject();
}

void layerSide(JsonWriter& json, const char* name, const BoundaryLayerSide& side) {
    json.key(name).beginObject().key("stagnation_x").value(side.stagnationX);
    json.key("transition");
    if (side.transition) {
        json.beginObject().key("x").value(side.transition->x);
        json.key("cause").value(causeName(side.transition->cause)).endObject();
    } else {
        json.null();
    }
    json.key("laminar_separation_x").value(side.laminarSeparationX);
    json.key("turbulent_separation_x").value(side.turbulentSeparationX);
    json.key("points").beginArray();
    for (std::size_t i = 0; i < side.size(); ++i) {
        layerPoint(json, side, i);
    }
    json.endArray().endObject();
}

std::optional<double> liftOverDrag(double CL, std::optional<double> CD) {
    return CD ? std::optional(CL / *CD) : std::nullopt;
}

void polarEntry(JsonWriter& json, const PolarPoint& p) {
    json.beginObject().key("alpha").value(p.alpha).key("CL").value(p.CL).key("CM").value(p.CM);
    json.key("CD").value(p.CD).key("L_over_D").value(p.LoverD);
    json.key("xtr_upper").value(p.xtrUpper).key("xtr_lower").value(p.xtrLower);
    json.key("xsep_upper").value(p.xsepUpper).key("xsep_lower").value(p.xsepLower);
    json.endObject();
}

} // namespace

std::string profileDocument(const State& s, const ChainValues& values) {
    JsonWriter json(kDocumentIndent);
    json.beginObject();
    profileInputs(json, s, values);
    json.key("row").value(values.row);
    profileNumbers(json, s);
    currentValues(json, s, values);
    json.endObject();
    return finished(json);
}

std::string machDocument(const State& s, const ChainValues& values,
                         const CompressibleSurface& surface, const SonicSurface& sonic) {
    const CompressibilityAnalysis a = surface.analyse(values.mach);
    JsonWriter json(kDocumentIndent);
    json.beginObject().key("inputs").beginObject();
    json.key("Thickness").value(s.Thickness).key("Camber").value(s.Camber);
    json.key("AlfaD").value(s.AlfaD).key("xM").value(s.xM).key("Mach").value(a.mach);
    json.endObject().key("row").value(values.row);
    incompressible(json, a);
    json.key("critical_pressure").value(a.criticalPressure);
    rules(json, a, sonic);
    json.endObject();
    return finished(json);
}

std::string theoryDocument(const State& s, const ChainValues& values,
                           const TheoryComparison& theory) {
    JsonWriter json(kDocumentIndent);
    json.beginObject().key("inputs").beginObject();
    json.key("Thickness").value(s.Thickness).key("Camber").value(s.Camber);
    json.key("AlfaD").value(s.AlfaD).endObject().key("row").value(values.row);
    theoryValues(json, "exact", s, theory.exact);
    theoryValues(json, "thin", s, theory.thin);
    json.key("load").beginArray();
    for (const LoadPoint& p : theory.load) {
        json.beginObject().key("x").value(p.x);
        json.key("exact").value(p.exact).key("thin").value(p.thin).endObject();
    }
    json.endArray().endObject();
    return finished(json);
}

std::vector<NamedValue> comparedValues(const State& s, const ChainValues& values,
                                       const StateNumbers& n) {
    std::vector<NamedValue> out = {{"inputs.Thickness", s.Thickness},
                                   {"inputs.Camber", s.Camber},
                                   {"inputs.nP", s.nP},
                                   {"inputs.AlfaD", s.AlfaD},
                                   {"inputs.xM", s.xM},
                                   {"row", static_cast<double>(values.row)},
                                   {"CL", n.CL},
                                   {"CM", n.CM},
                                   {"Cp_min", n.CpMin}};
    for (CompressibilityRule rule : kCompressibilityRules) {
        out.push_back(
            {"critical_mach." + std::string(ruleName(rule)), n.criticalMach[ruleIndex(rule)]});
    }
    for (const auto& [name, v] : {std::pair{"exact", n.exact}, std::pair{"thin", n.thin}}) {
        const std::string theory = "theory." + std::string(name) + ".";
        out.push_back({theory + "alpha_zero_lift", degrees(s, v.alphaZeroLift)});
        out.push_back({theory + "lift_slope", v.liftSlope});
        out.push_back({theory + "CM_quarter_chord", v.CMQuarterChord});
    }
    if (n.layer) {
        const PolarPoint* p = &n.layer->point;
        out.insert(out.end(), {{"boundary_layer.reynolds", n.layer->reynolds},
                               {"boundary_layer.ncrit", n.layer->ncrit},
                               {"boundary_layer.CD", p->CD},
                               {"boundary_layer.L_over_D", p->LoverD},
                               {"boundary_layer.xtr_upper", p->xtrUpper},
                               {"boundary_layer.xtr_lower", p->xtrLower},
                               {"boundary_layer.xsep_upper", p->xsepUpper},
                               {"boundary_layer.xsep_lower", p->xsepLower}});
    }
    return out;
}

std::string compareDocument(const std::vector<NamedValue>& a, const std::vector<NamedValue>& b) {
    JsonWriter json(kDocumentIndent);
    json.beginObject().key("a");
    nested(json, a);
    json.key("b");
    nested(json, b);
    json.endObject();
    return finished(json);
}

void flowProbe(JsonWriter& json, const FlowSample& f, double x, double y) {
    const auto number = [&f](double value) {
        return f.inside ? std::nullopt : std::optional(value);
    };
    const auto speed = [&f, &number](double value) {
        return f.singular ? std::nullopt : number(value);
    };
    json.beginObject().key("x").value(x).key("y").value(y);
    json.key("inside").value(f.inside).key("singular").value(f.singular);
    json.key("psi").value(number(f.psi)).key("phi").value(number(f.potential.real()));
    json.key("u").value(speed(f.u)).key("v").value(speed(f.v));
    json.key("speed_ratio").value(speed(f.speedRatio)).key("Cp").value(speed(f.Cp));
    json.endObject();
}

std::string flowDocument(const State& s, const ChainValues& values, const Flow& flow, int lines,
                         const std::vector<std::pair<double, double>>& probes) {
    JsonWriter json(kDocumentIndent);
    json.beginObject().key("inputs").beginObject();
    json.key("Thickness").value(s.Thickness).key("Camber").value(s.Camber);
    json.key("AlfaD").value(s.AlfaD).key("nP").value(s.nP).key("lines").value(lines);
    json.endObject().key("row").value(values.row);
    json.key("circulation").value(flow.circulation());
    json.key("stagnation").beginObject().key("front");
    bothPlanes(json, flow.frontStagnation());
    json.key("rear");
    bothPlanes(json, flow.rearStagnation());
    json.endObject().key("singular_leading_edge");
    if (const auto edge = flow.singularLeadingEdge()) {
        bothPlanes(json, *edge);
    } else {
        json.null();
    }
    json.key("windows").beginObject();
    window(json, "profile", flow.profileWindow());
    window(json, "circle", flow.circleWindow());
    window(json, "traced", flow.tracedWindow());
    json.endObject();
    streamlines(json, flow, lines);
    json.key("probes").beginArray();
    for (const auto& [x, y] : probes) {
        flowProbe(json, flow.atProfile(x, y), x, y);
    }
    json.endArray().endObject();
    return finished(json);
}

std::string viscousDocument(const State& s, const ChainValues& values,
                            const BoundaryLayerOptions& options, const BoundaryLayer& layer) {
    JsonWriter json(kDocumentIndent);
    json.beginObject().key("inputs").beginObject();
    json.key("Thickness").value(s.Thickness).key("Camber").value(s.Camber);
    json.key("AlfaD").value(s.AlfaD).key("xM").value(s.xM);
    json.key("trip_upper").value(options.tripUpper).key("trip_lower").value(options.tripLower);
    json.endObject().key("row").value(values.row);
    json.key("reynolds").value(layer.reynolds).key("ncrit").value(layer.ncrit);
    json.key("CL").value(s.CLcur).key("CM").value(values.CMcur);
    json.key("CD").value(layer.CD).key("CD_friction").value(layer.CDfriction);
    json.key("L_over_D").value(liftOverDrag(s.CLcur, layer.CD));
    json.key("attached").value(layer.attached).key("note").value(layer.note);
    layerSide(json, "upper", layer.upper);
    layerSide(json, "lower", layer.lower);
    json.endObject();
    return finished(json);
}

std::string polarDocument(const State& s, const ChainValues& values,
                          const BoundaryLayerOptions& options, const PolarRange& range,
                          std::span<const PolarPoint> polar) {
    JsonWriter json(kDocumentIndent);
    json.beginObject().key("inputs").beginObject();
    json.key("Thickness").value(s.Thickness).key("Camber").value(s.Camber).key("xM").value(s.xM);
    json.key("from").value(range.from).key("to").value(range.to).key("step").value(range.step);
    json.endObject().key("row").value(values.row);
    json.key("reynolds").value(options.reynolds).key("ncrit").value(options.ncrit);
    json.key("polar").beginArray();
    for (const PolarPoint& p : polar) {
        polarEntry(json, p);
    }
    json.endArray().endObject();
    return finished(json);
}

} // namespace kestrel
