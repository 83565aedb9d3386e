// SPDX-License-Identifier: MIT
#include "plots/chain.h"

#include "model/startup.h"
#include "plots/plots.h"

namespace kestrel {

namespace {

CompressibleCurves curvesOf(const ChainValues& values) {
    return values.compressible ? CompressibleCurves::Shown : CompressibleCurves::Hidden;
}

} // namespace

void drawStep(Step step, const State& s, const ChainValues& values, PlotSurfaces& surfaces) {
    switch (step) {
    case Step::profil_ciz:
        drawCirclePlane(surfaces[SurfaceId::daire], s);
        drawProfile(surfaces[SurfaceId::profil], s);
        return;
    case Step::basınc_ciz:
        drawPressure(surfaces[SurfaceId::pressure], s, curvesOf(values));
        return;
    case Step::CL_Alfa_ciz:
        drawLiftCurve(surfaces[SurfaceId::Picture_CL], s, curvesOf(values));
        return;
    case Step::CM_Alfa_ciz:
        // Without a profile there is no moment curve: the plot keeps what it shows.
        if (values.CMcur) {
            drawMomentCurve(surfaces[SurfaceId::Picture_CM], s, *values.CMcur, curvesOf(values));
        }
        return;
    case Step::MomentMarker:
        drawMomentMarker(surfaces[SurfaceId::profil], s);
        return;
    case Step::profil_hesapla:
    case Step::basınc_hesapla:
    case Step::OpenAbout:
        return;
    }
}

void runStep(Step step, State& s, ChainValues& values, PlotSurfaces& surfaces, ChainHost& host) {
    computeStep(step, s, host.inputs(), values);
    drawStep(step, s, values, surfaces);
    host.writeBoxes(boxTexts(step, s, values, host.decimalSeparator()));
    if (step == Step::profil_hesapla && values.tableMiss) {
        host.tableMiss();
    } else if (step == Step::OpenAbout) {
        host.openAbout();
    }
}

bool runSteps(std::span<const Step> steps, State& s, ChainValues& values, PlotSurfaces& surfaces,
              ChainHost& host) {
    for (const Step step : steps) {
        try {
            runStep(step, s, values, surfaces, host);
        } catch (const std::exception& error) {
            host.stopped(step, error);
            return false;
        }
    }
    return true;
}

ChainResult drawFullChain(const ChainInputs& inputs, PlotSurfaces& surfaces) {
    ChainResult result;
    startUp(result.state);
    QuietHost host(inputs);
    runSteps(chainOf(kFullChain), result.state, result.values, surfaces, host);
    return result;
}

} // namespace kestrel
