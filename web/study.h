// SPDX-License-Identifier: MIT
// The study views of one session as JSON answers: the flow picture of its current state, built
// once per chain, recorded part by part for a picture size, its probe and particles, the
// compressibility charts with the rule table at the Mach number the latest plot step read, and
// thin-airfoil theory beside the exact values.
#pragma once

#include "model/particles.h"
#include "plots/flow_picture.h"
#include "web/packed.h"
#include "web/session.h"

#include <array>
#include <memory>
#include <string>

namespace kestrel::web {

// The parts of the flow picture, as flowLayout places them.
enum class FlowPart { Left, Right, Legend };

class Study {
public:
    // The picture of the session's state, built if a chain ran since the last build; null when
    // the state holds no profile.
    const FlowPicture* picture(const Session& session);
    // How often a picture has been built.
    unsigned builds() const { return builds_; }

    // {"picture": bool, "builds", "chordsPerSecond", "particleSize", "particleRing"}
    std::string pictureJson(const Session& session);
    // The part's record for a width x height picture, the left plane at stage t, its shading an
    // image of the box's device pixels at `ratio` pixels per logical pixel: {"part", "box":
    // [left, top, width, height], the packed record as in surfaceJson, "shading": {"items",
    // "pixels", "width", "height"}}: a plane's leading Image item (items 1) and its pixels, or
    // items 0 for the legend. Arrays and image are valid until the same part is asked for again;
    // {"error"} without a picture or for a ratio outside (0, 16].
    std::string partJson(const Session& session, FlowPart part, double t, int width, int height,
                         double ratio);
    // The whole picture as one packed record in logical pixels (composeFlowPicture): {"width",
    // "height", "ratio", the packed record}; valid until the next call. Parts already recorded
    // for the same stage, size and ratio are used again. {"error"} as partJson.
    std::string recordJson(const Session& session, double t, int width, int height, double ratio);
    // The particle dots at travel time `time` as a packed record in the picture's logical pixels
    // (recordParticles): {"width", "height", the packed record}; no dots without a picture.
    std::string particleRecordJson(const Session& session, double time, double t, int width,
                                   int height);
    // The probe at picture point (x, y): {"plane": "left"|"right"|null, "circlePlane", "text",
    // "inside", "xc", "yc", "x", "y", "speedRatio", "Cp"}; the text is the hint off both planes
    // and without a picture.
    std::string probeJson(const Session& session, double x, double y, double t, int width,
                          int height);
    // The particle dots at travel time `time`: {"points": [x1, y1, x2, y2, ...]} in pixels of the
    // picture; none without a picture.
    std::string particlesJson(const Session& session, double time, double t, int width, int height);
    // {"mach", "chart": packed record as in surfaceJson, "rows", "columns", "cells": [[texts]],
    //  "past": a flag per row, the rules past their critical Mach number, "warning"}; the chart is
    //  empty and the cells dashes without a profile. The chart's arrays
    // are valid until the next call.
    std::string compressibilityJson(const Session& session);
    // The Boundary layer view at the Reynolds slider's position and N_crit, its profile picture
    // `aspect` times as wide as high: {"reynolds", "reynoldsText", "ncrit", "profile",
    // "friction", "shapeFactor", "polar" (packed records as in surfaceJson, each stretched over
    // its whole canvas on a white ground), "rows", "columns", "cells" (5 rows of 3 texts),
    // "note", "trust"}; the records empty and the cells dashes without a profile. The records'
    // arrays are valid until the next call; {"error"} for options out of range.
    std::string boundaryLayerJson(const Session& session, int position, double ncrit,
                                  double aspect);
    // The Theory view of the session's state: {"lift", "moment", "load": packed records as in
    // surfaceJson, "rows", "columns", "cells": 3 rows of 3 texts}; the records are empty and
    // the cells dashes without a profile. The records' arrays are valid until the next call.
    std::string theoryJson(const Session& session);

    // Keeps the session's current inputs for comparison, or the given ones (inputs the page
    // remembered): every picture and chart then draws the kept profile as a ghost. Answers
    // {"kept": true, "inputs": {"thickness", "camber", "points", "alpha", "xm", "mach"},
    // "label"}; {"error"} without a profile, or for inputs out of their ranges.
    std::string keepJson(const Session& session);
    std::string keepJson(const ChainInputs& inputs);
    // Forgets the kept profile.
    void clearKept();
    const Ghost* kept() const { return kept_.get(); }
    // {"kept": bool, "label" (or the text saying nothing is kept), "columns", "rows":
    //  [{"quantity", "cells": [current, kept, difference]}], "note"}.
    std::string comparisonJson(const Session& session);

private:
    // A part recorded for one build of the picture, stage, size and ratio.
    struct Part {
        Surface surface;
        unsigned build = 0;
        double t = -1;
        int width = -1, height = -1;
        double ratio = 0;
        unsigned kept = 0;
    };
    const Surface& part(FlowPart part, double t, int width, int height, double ratio);
    // The particles' tracks on the current picture (which must exist).
    const ParticleTracks& tracks();

    unsigned chain_ = 0;
    bool built_ = false;
    unsigned builds_ = 0;
    std::unique_ptr<FlowPicture> picture_;
    std::unique_ptr<ParticleTracks> tracks_;
    std::array<Part, 3> parts_;
    std::array<PackedSurface, 3> packedParts_;
    Surface whole_;
    Surface key_;
    PackedSurface packedWhole_;
    Surface particles_;
    PackedSurface packedParticles_;
    PackedSurface chart_;
    std::array<PackedSurface, 4> layerRecords_;
    PackedSurface sonic_;
    std::array<PackedSurface, 3> theory_;
    std::shared_ptr<const Ghost> kept_;
    unsigned keptVersion_ = 0; // counts keeps and clears, so that parts drawn before are redrawn
};

} // namespace kestrel::web
