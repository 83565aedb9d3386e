// SPDX-License-Identifier: MIT
#include "web/kestrel_web.h"

#include "model/boundary_layer_view.h"
#include "model/compressibility.h"
#include "model/supersonic.h"
#include "model/text.h"
#include "model/theory.h"
#include "plots/plot_picture.h"
#include "report/documents.h"
#include "web/answers.h"
#include "web/records.h"
#include "web/session.h"
#include "web/study.h"

#include <array>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#ifdef __EMSCRIPTEN__
#include <emscripten/emscripten.h>
#define KESTREL_EXPORT EMSCRIPTEN_KEEPALIVE
#else
#define KESTREL_EXPORT
#endif

namespace {

using kestrel::web::Session;

std::unique_ptr<Session>& session() {
    static std::unique_ptr<Session> current = std::make_unique<Session>();
    return current;
}

kestrel::web::Study& study() {
    static kestrel::web::Study current;
    return current;
}

std::string& answer() {
    static std::string text;
    return text;
}

const char* give(std::string text) {
    answer() = std::move(text);
    return answer().c_str();
}

const char* error(const char* message) {
    return give(kestrel::web::errorJson(message));
}

constexpr int kInputCount = 5;
constexpr int kSurfaceCount = 5;
constexpr int kFlowPartCount = 3;

// The packed records of the window's surfaces, each kept until it is asked for again.
std::array<kestrel::web::PackedSurface, kSurfaceCount>& packedSurfaces() {
    static std::array<kestrel::web::PackedSurface, kSurfaceCount> packed;
    return packed;
}

// The packed picture records of the window's surfaces, and the records themselves.
struct PackedPicture {
    kestrel::Surface record;
    kestrel::web::PackedSurface packed;
};
std::array<PackedPicture, kSurfaceCount>& packedPictures() {
    static std::array<PackedPicture, kSurfaceCount> packed;
    return packed;
}

// A session of its own after a fresh start and the full chain for these inputs; null (and the
// answer an error) when a position is out of range or the chain stops.
std::unique_ptr<Session> freshChain(const int (&positions)[kInputCount], const char* mach) {
    auto fresh = std::make_unique<Session>();
    for (int i = 0; i < kInputCount; ++i) {
        if (!fresh->setPosition(static_cast<kestrel::InputId>(i), positions[i])) {
            error("position out of range");
            return nullptr;
        }
    }
    fresh->setMachText(mach != nullptr ? mach : "");
    const kestrel::web::HandlerRun run = fresh->run(kestrel::kFullChain);
    if (!run.error.empty()) {
        error(run.error.c_str());
        return nullptr;
    }
    if (run.tableMiss) {
        error("the table has no profile for this thickness and camber");
        return nullptr;
    }
    return fresh;
}

} // namespace

extern "C" {

KESTREL_EXPORT void kestrel_start(void) {
    session() = std::make_unique<Session>();
    study() = kestrel::web::Study();
    packedSurfaces() = {};
    for (PackedPicture& p : packedPictures()) {
        p.record = kestrel::Surface();
        p.packed = {};
    }
}

KESTREL_EXPORT int kestrel_set_position(int input, int position) {
    if (input < 0 || input >= kInputCount) {
        return 0;
    }
    return session()->setPosition(static_cast<kestrel::InputId>(input), position) ? 1 : 0;
}

KESTREL_EXPORT void kestrel_set_mach_text(const char* text) {
    session()->setMachText(text != nullptr ? text : "");
}

KESTREL_EXPORT void kestrel_set_separator(const char* separator) {
    session()->setDecimalSeparator(separator != nullptr ? separator : ".");
}

KESTREL_EXPORT const char* kestrel_run(int handler) {
    if (handler < 0 || handler >= static_cast<int>(kestrel::kHandlerCount)) {
        return error("no such handler");
    }
    return give(kestrel::web::runJson(session()->run(static_cast<kestrel::Handler>(handler))));
}

KESTREL_EXPORT const char* kestrel_surface(int surface) {
    if (surface < 0 || surface >= kSurfaceCount) {
        return error("no such surface");
    }
    const auto id = static_cast<kestrel::SurfaceId>(surface);
    return give(kestrel::web::surfaceJson(session()->surfaces()[id], kestrel::surfaceDefinition(id),
                                          packedSurfaces()[static_cast<std::size_t>(surface)]));
}

KESTREL_EXPORT const char* kestrel_picture(int surface) {
    if (surface < 0 || surface >= kSurfaceCount) {
        return error("no such surface");
    }
    const auto id = static_cast<kestrel::SurfaceId>(surface);
    PackedPicture& p = packedPictures()[static_cast<std::size_t>(surface)];
    p.record =
        kestrel::plotPicture(session()->surfaces()[id], id, kestrel::PictureLabels::LeftToWidgets);
    return give(kestrel::web::surfaceJson(p.record, kestrel::surfaceDefinition(id), p.packed));
}

KESTREL_EXPORT const char* kestrel_state(void) {
    return give(kestrel::profileDocument(session()->state(), session()->values()));
}

KESTREL_EXPORT const char* kestrel_window(void) {
    return give(kestrel::web::windowJson());
}

KESTREL_EXPORT const char* kestrel_texts(void) {
    return give(kestrel::web::textsJson());
}

KESTREL_EXPORT int kestrel_set_text(const char* key, const char* text) {
    return kestrel::web::setPageText(key, text) ? 1 : 0;
}

KESTREL_EXPORT const char* kestrel_record_table(void) {
    return give(kestrel::web::recordTableJson());
}

KESTREL_EXPORT const char* kestrel_profile(int thickness, int camber, int points, int alpha, int xm,
                                           const char* mach) {
    const std::unique_ptr<Session> fresh = freshChain({thickness, camber, points, alpha, xm}, mach);
    return fresh ? give(kestrel::profileDocument(fresh->state(), fresh->values()))
                 : answer().c_str();
}

KESTREL_EXPORT const char* kestrel_mach(int thickness, int camber, int points, int alpha, int xm,
                                        const char* mach) {
    const std::unique_ptr<Session> fresh = freshChain({thickness, camber, points, alpha, xm}, mach);
    if (!fresh) {
        return answer().c_str();
    }
    const kestrel::CompressibleSurface surface(fresh->state());
    const kestrel::SonicSurface sonic(fresh->state(), surface);
    return give(kestrel::machDocument(fresh->state(), fresh->values(), surface, sonic));
}

KESTREL_EXPORT const char* kestrel_theory(int thickness, int camber, int alpha) {
    const int points = kestrel::inputDefinition(kestrel::InputId::Points).start;
    const int xm = kestrel::inputDefinition(kestrel::InputId::MomentReference).start;
    const std::unique_ptr<Session> fresh = freshChain({thickness, camber, points, alpha, xm}, "0");
    if (!fresh) {
        return answer().c_str();
    }
    return give(kestrel::theoryDocument(fresh->state(), fresh->values(),
                                        kestrel::compareWithThinAirfoil(fresh->state())));
}

KESTREL_EXPORT const char* kestrel_flow(int thickness, int camber, int points, int alpha, int lines,
                                        const char* probes) {
    const int start = kestrel::inputDefinition(kestrel::InputId::MomentReference).start;
    const std::unique_ptr<Session> fresh =
        freshChain({thickness, camber, points, alpha, start}, "0");
    if (!fresh) {
        return answer().c_str();
    }
    const std::optional<std::vector<std::pair<double, double>>> points_ =
        kestrel::web::probePoints(probes != nullptr ? probes : "");
    if (!points_) {
        return error("probes must be X,Y pairs of finite numbers separated by blanks");
    }
    if (lines < kestrel::Flow::kMinLevels || lines > kestrel::Flow::kMaxLevels) {
        return error("no such number of lines");
    }
    const kestrel::Flow flow(fresh->state());
    return give(kestrel::flowDocument(fresh->state(), fresh->values(), flow, lines, *points_));
}

KESTREL_EXPORT const char* kestrel_flow_at(double x, double y, int circle_plane) {
    return give(kestrel::web::flowAtJson(session()->state(), x, y, circle_plane != 0));
}

KESTREL_EXPORT const char* kestrel_flow_picture(void) {
    return give(study().pictureJson(*session()));
}

KESTREL_EXPORT const char* kestrel_flow_surface(int part, double t, int width, int height,
                                                double ratio) {
    if (part < 0 || part >= kFlowPartCount) {
        return error("no such part");
    }
    return give(study().partJson(*session(), static_cast<kestrel::web::FlowPart>(part), t, width,
                                 height, ratio));
}

KESTREL_EXPORT const char* kestrel_flow_probe(double x, double y, double t, int width, int height) {
    return give(study().probeJson(*session(), x, y, t, width, height));
}

KESTREL_EXPORT const char* kestrel_flow_particles(double time, double t, int width, int height) {
    return give(study().particlesJson(*session(), time, t, width, height));
}

KESTREL_EXPORT const char* kestrel_flow_record(double t, int width, int height, double ratio) {
    return give(study().recordJson(*session(), t, width, height, ratio));
}

KESTREL_EXPORT const char* kestrel_flow_particle_record(double time, double t, int width,
                                                        int height) {
    return give(study().particleRecordJson(*session(), time, t, width, height));
}

KESTREL_EXPORT const char* kestrel_study_compressibility(void) {
    return give(study().compressibilityJson(*session()));
}

KESTREL_EXPORT const char* kestrel_viscous(int thickness, int camber, int alpha, int xm,
                                           double reynolds, double ncrit) {
    const int points = kestrel::inputDefinition(kestrel::InputId::Points).start;
    const std::unique_ptr<Session> fresh = freshChain({thickness, camber, points, alpha, xm}, "0");
    if (!fresh) {
        return answer().c_str();
    }
    kestrel::BoundaryLayerOptions options;
    options.reynolds = reynolds;
    options.ncrit = ncrit;
    try {
        const kestrel::BoundaryLayer layer = kestrel::boundaryLayer(fresh->state(), options);
        return give(kestrel::viscousDocument(fresh->state(), fresh->values(), options, layer));
    } catch (const std::invalid_argument&) {
        return error("boundary-layer options out of range");
    }
}

KESTREL_EXPORT const char* kestrel_reynolds(int position) {
    kestrel::JsonWriter json;
    const double reynolds = kestrel::reynoldsAtPosition(position);
    json.beginObject().key("reynolds").value(reynolds);
    json.key("text").value(kestrel::reynoldsText(reynolds)).endObject();
    return give(json.text());
}

KESTREL_EXPORT const char* kestrel_study_boundary_layer(int position, double ncrit, double aspect) {
    return give(study().boundaryLayerJson(*session(), position, ncrit, aspect));
}

KESTREL_EXPORT const char* kestrel_study_theory(void) {
    return give(study().theoryJson(*session()));
}

KESTREL_EXPORT const char* kestrel_keep(void) {
    return give(study().keepJson(*session()));
}

KESTREL_EXPORT const char* kestrel_keep_inputs(int thickness, int camber, int points, int alpha,
                                               int xm, const char* mach) {
    return give(study().keepJson(
        kestrel::ChainInputs{thickness, camber, points, alpha, xm, mach != nullptr ? mach : ""}));
}

KESTREL_EXPORT void kestrel_clear_kept(void) {
    study().clearKept();
}

KESTREL_EXPORT const char* kestrel_study_comparison(void) {
    return give(study().comparisonJson(*session()));
}

} // extern "C"
