// SPDX-License-Identifier: MIT
#include "model/probe.h"

#include "model/portable_math.h"
#include "model/text.h"
#include "model/texts.h"

#include <cmath>
#include <optional>

namespace kestrel {

namespace {

using Complex = std::complex<double>;

// The circle point that the mapping at stage t (strictly between 0 and 1) carries onto w. The
// staged mapping zeta + t (z(zeta) - zeta) is analytic, so its derivative is the same in every
// direction and a small real step gives it.
std::optional<Complex> newton(const Flow& flow, Complex w, double t, Complex zeta) {
    for (int i = 0; i < 60; ++i) {
        const Complex f = flow.mapAt(zeta, t) - w;
        if (portable::abs(f) < 1e-12 * (1 + portable::abs(w))) {
            return zeta;
        }
        const double h = 1e-7 * (1 + portable::abs(zeta));
        const Complex slope = (flow.mapAt(zeta + h, t) - flow.mapAt(zeta - h, t)) / (2 * h);
        if (portable::abs(slope) < 1e-14) {
            return std::nullopt;
        }
        zeta -= portable::divide(f, slope);
    }
    return std::nullopt;
}

// The staged mapping takes two circle points, one inside and one outside the circle, to most
// points; the outside one is the fluid point. Newton's method starts from the point itself and
// from its preimage under the whole mapping, and keeps the first root outside the circle.
std::optional<Complex> stagedInverse(const Flow& flow, Complex w, double t) {
    std::optional<Complex> found;
    for (const Complex start : {w, flow.toCircle(w)}) {
        found = newton(flow, w, t, start);
        if (found && !flow.insideCircle(*found)) {
            return found;
        }
    }
    return found;
}

ProbeReading readingAt(const Flow& flow, Complex zeta, double t) {
    ProbeReading r;
    r.stage = t;
    if (flow.insideCircle(zeta)) {
        r.inside = true;
        return r;
    }
    const FlowSample sample = flow.profileAt(zeta);
    const FlowSample circle = flow.atCircle(zeta.real(), zeta.imag());
    const Complex z = flow.toProfile(zeta);
    r.xc = zeta.real();
    r.yc = zeta.imag();
    r.x = z.real();
    r.y = z.imag();
    r.inside = sample.inside;
    r.speedRatio = sample.speedRatio;
    r.Cp = sample.Cp;
    r.circleSpeedRatio = circle.speedRatio;
    r.circleCp = circle.Cp;
    return r;
}

} // namespace

ProbeReading probeAt(const Flow& flow, std::complex<double> w, double t) {
    if (t >= 1) {
        const FlowSample sample = flow.atProfile(w.real(), w.imag());
        ProbeReading r;
        r.inside = sample.inside;
        if (!r.inside) {
            const Complex zeta = flow.toCircle(w);
            const FlowSample circle = flow.atCircle(zeta.real(), zeta.imag());
            r = {false,
                 1,
                 zeta.real(),
                 zeta.imag(),
                 w.real(),
                 w.imag(),
                 sample.speedRatio,
                 sample.Cp,
                 circle.speedRatio,
                 circle.Cp};
        }
        return r;
    }
    if (t <= 0) {
        return readingAt(flow, w, 0);
    }
    const std::optional<Complex> zeta = stagedInverse(flow, w, t);
    ProbeReading outside;
    outside.inside = true;
    outside.stage = t;
    return zeta ? readingAt(flow, *zeta, t) : outside;
}

std::string probeText(const ProbeReading& r, const Texts& texts) {
    if (r.inside) {
        return std::string(texts[TextId::ProbeInside]);
    }
    const auto n = [](double v) { return tickText(v, 4); };
    if (r.stage >= 1) {
        return texts.format(TextId::ProbeProfileReading,
                            {n(r.x), n(r.y), n(r.speedRatio), n(r.Cp)});
    }
    std::string text = texts.format(TextId::ProbeCircleReading,
                                    {n(r.xc), n(r.yc), n(r.circleSpeedRatio), n(r.circleCp)});
    if (r.stage <= 0) {
        return text + texts.format(TextId::ProbeImagePoint, {n(r.x), n(r.y)});
    }
    return text +
           texts.format(TextId::ProbeImageReading, {n(r.x), n(r.y), n(r.speedRatio), n(r.Cp)});
}

} // namespace kestrel
