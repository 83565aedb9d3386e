// SPDX-License-Identifier: MIT
#include "web/answers.h"

#include "model/boundary_layer_view.h"
#include "model/coefficients.h"
#include "model/compressibility.h"
#include "model/flow.h"
#include "model/inputs.h"
#include "model/text.h"
#include "plots/fonts.h"
#include "plots/labels.h"
#include "plots/window_layout.h"
#include "report/documents.h"

#include <exception>
#include <vector>

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

namespace {

constexpr const char* kControlKinds[] = {"plot",      "frame",   "label",     "valueBox",
                                         "scrollBar", "textBox", "aboutLabel"};

void box(JsonWriter& json, int left, int top, int width, int height) {
    json.beginArray().value(left).value(top).value(width).value(height).endArray();
}

void textKey(JsonWriter& json, const char* name, TextId id) {
    json.key(name);
    if (id == TextId::None) {
        json.null();
    } else {
        json.value(textEntry(id).key);
    }
}

void control(JsonWriter& json, const Control& c) {
    json.beginObject().key("name").value(c.name);
    json.key("kind").value(kControlKinds[static_cast<int>(c.kind)]);
    json.key("parent").value(c.parent).key("twips");
    box(json, c.left, c.top, c.width, c.height);
    json.key("pixels");
    box(json, twipsToPixels(c.left), twipsToPixels(c.top), twipsToPixels(c.width),
        twipsToPixels(c.height));
    json.key("tabIndex").value(c.tabIndex);
    textKey(json, "text", c.text);
    json.key("startText").value(startText(c, "."));
    json.key("accessibleName").value(accessibleName(c, pageTexts()));
    textKey(json, "tooltip", c.tooltip);
    json.key("font").value(fontDefinition(c.font).name);
    json.key("input");
    if (c.input) {
        json.value(static_cast<int>(*c.input));
    } else {
        json.null();
    }
    if (c.kind == ControlKind::AboutLabel) {
        const AboutLabelStyle& l = aboutLabelStyle(c.name);
        json.key("points").value(l.points).key("bold").value(l.bold);
        json.key("underline").value(l.underline).key("colour").value(static_cast<long>(l.colour));
        json.key("centred").value(l.centred);
    }
    json.endObject();
}

void controls(JsonWriter& json) {
    json.key("client").beginObject().key("twips");
    box(json, 0, 0, kClientWidth, kClientHeight);
    json.key("pixels");
    box(json, 0, 0, twipsToPixels(kClientWidth), twipsToPixels(kClientHeight));
    json.endObject().key("about").beginObject().key("twips");
    box(json, 0, 0, kAboutWidth, kAboutHeight);
    json.key("pixels");
    box(json, 0, 0, twipsToPixels(kAboutWidth), twipsToPixels(kAboutHeight));
    json.key("families").beginArray();
    for (const std::string_view family : kAboutFamilies) {
        json.value(family);
    }
    json.endArray().endObject().key("controls").beginArray();
    for (const Control& c : kControls) {
        control(json, c);
    }
    json.endArray();
    json.key("study").beginObject().key("mappingSteps").value(kMappingSteps);
    json.key("mappingPageStep").value(kMappingPageStep);
    json.key("framesPerSecond").value(kFramesPerSecond);
    json.key("reynoldsSteps").value(kReynoldsSteps);
    json.key("reynoldsStepsPerDecade").value(kReynoldsStepsPerDecade);
    json.key("reynoldsStart").value(reynoldsPosition(kDefaultReynolds));
    json.key("ncritMinimum").value(kMinNcrit).key("ncritMaximum").value(kMaxNcrit);
    json.key("ncritStep").value(kNcritStep).key("ncritStart").value(kDefaultNcrit);
    json.key("theoryCells").beginArray();
    for (const StudyCell& cell : kTheoryCells) {
        json.beginObject().key("name").value(cell.name).key("row").value(cell.row);
        json.key("column").value(cell.column).endObject();
    }
    json.endArray().endObject();
}

} // namespace

std::string windowJson() {
    JsonWriter json;
    json.beginObject().key("inputs").beginArray();
    for (const InputDefinition& d : kInputs) {
        json.beginObject().key("scrollBar").value(d.scrollBar).key("valueBox").value(d.valueBox);
        json.key("quantity").value(pageTexts()[d.quantity]).key("unit").value(pageTexts()[d.unit]);
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
    for (const PlotLabel& l : kPlotLabels) {
        const PixelBox box = visibleBox(l);
        json.beginObject().key("surface").value(surfaceDefinition(l.surface).name);
        json.key("name").value(l.name).key("text").value(l.text);
        json.key("font").value(fontDefinition(l.font).name);
        json.key("box").beginArray().value(box.left).value(box.top).value(box.width);
        json.value(box.height).endArray().endObject();
    }
    json.endArray();
    controls(json);
    json.endObject();
    return json.text();
}

namespace {

// The page's texts, the table's own until the page hands over its language's.
struct PageTexts {
    std::vector<std::string> byId;
    Texts texts;
};

PageTexts& pageTextsState() {
    static PageTexts state = [] {
        PageTexts s;
        for (const TextEntry& t : kTexts) {
            s.byId.emplace_back(t.text);
        }
        return s;
    }();
    return state;
}

} // namespace

const Texts& pageTexts() {
    return pageTextsState().texts;
}

bool setPageText(std::string_view key, std::string_view text) {
    PageTexts& s = pageTextsState();
    for (const TextEntry& t : kTexts) {
        if (t.id != TextId::None && t.key == key) {
            s.byId[static_cast<std::size_t>(t.id)] = text;
            s.texts = Texts(s.byId);
            return true;
        }
    }
    return false;
}

std::string textsJson() {
    JsonWriter json;
    json.beginObject();
    for (const TextEntry& t : kTexts) {
        if (t.id != TextId::None) {
            json.key(t.key).value(pageTexts()[t.id]);
        }
    }
    json.endObject();
    return json.text();
}

std::string errorJson(std::string_view message) {
    JsonWriter json;
    json.beginObject().key("error").value(message).endObject();
    return json.text();
}

std::string flowAtJson(const State& s, double x, double y, bool circlePlane) {
    try {
        const Flow flow(s);
        JsonWriter json;
        flowProbe(json, circlePlane ? flow.atCircle(x, y) : flow.atProfile(x, y), x, y);
        return json.text();
    } catch (const std::exception& error) {
        return errorJson(error.what());
    }
}

} // namespace kestrel::web
