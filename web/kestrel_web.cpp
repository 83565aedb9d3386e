// SPDX-License-Identifier: MIT
#include "web/kestrel_web.h"

#include "model/text.h"
#include "web/answers.h"
#include "web/json.h"
#include "web/session.h"
#include "web/study.h"

#include <array>
#include <memory>
#include <string>

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
    kestrel::web::JsonWriter json;
    json.beginObject().key("error").value(message).endObject();
    return give(json.text());
}

constexpr int kInputCount = 5;
constexpr int kSurfaceCount = 5;
constexpr int kFlowPartCount = 3;

// The packed records of the window's surfaces, each kept until it is asked for again.
std::array<kestrel::web::PackedSurface, kSurfaceCount>& packedSurfaces() {
    static std::array<kestrel::web::PackedSurface, kSurfaceCount> packed;
    return packed;
}

} // namespace

extern "C" {

KESTREL_EXPORT void kestrel_start(void) {
    session() = std::make_unique<Session>();
    study() = kestrel::web::Study();
    packedSurfaces() = {};
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

KESTREL_EXPORT const char* kestrel_state(void) {
    return give(kestrel::web::stateJson(session()->state(), session()->values(), "."));
}

KESTREL_EXPORT const char* kestrel_window(void) {
    return give(kestrel::web::windowJson());
}

KESTREL_EXPORT const char* kestrel_profile(int thickness, int camber, int points, int alpha, int xm,
                                           const char* mach) {
    Session fresh;
    const int positions[] = {thickness, camber, points, alpha, xm};
    for (int i = 0; i < kInputCount; ++i) {
        if (!fresh.setPosition(static_cast<kestrel::InputId>(i), positions[i])) {
            return error("position out of range");
        }
    }
    fresh.setMachText(mach != nullptr ? mach : "");
    const kestrel::web::HandlerRun run = fresh.run(kestrel::kFullChain);
    if (!run.error.empty()) {
        return error(run.error.c_str());
    }
    return give(kestrel::web::stateJson(fresh.state(), fresh.values(), "."));
}

KESTREL_EXPORT const char* kestrel_flow_at(double x, double y, int circle_plane) {
    return give(kestrel::web::flowJson(session()->state(), x, y, circle_plane != 0));
}

KESTREL_EXPORT const char* kestrel_compressibility(const char* mach, int chart) {
    const double m = kestrel::machFromText(mach != nullptr ? mach : "");
    return give(kestrel::web::compressibilityJson(session()->state(), m, chart != 0));
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

KESTREL_EXPORT const char* kestrel_study_compressibility(void) {
    return give(study().compressibilityJson(*session()));
}

} // extern "C"
