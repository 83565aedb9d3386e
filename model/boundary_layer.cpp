// SPDX-License-Identifier: MIT
// The boundary layer's march along each side, the drag, and the drag polar.
#include "model/boundary_layer.h"

#include "model/circle_flow.h"
#include "model/coefficients.h"
#include "model/decimal.h"
#include "model/head.h"
#include "model/portable_math.h"
#include "model/squire_young.h"
#include "model/texts.h"
#include "model/thwaites.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <stdexcept>

namespace kestrel {

namespace {

// Halvings that locate turbulent separation within a step.
constexpr int kSeparationHalvings = 40;

// The layer at one point of a side.
struct Point {
    double s = 0;
    double x = 0;
    double y = 0;
    double ue = 0;
    double theta = 0;
    double H = 0;
    double Cf = 0;
    double N = 0;
    Regime regime = Regime::Laminar;
};

double lerp(double a, double b, double f) {
    return a + f * (b - a);
}

Point between(const Point& a, const Point& b, double f) {
    return {lerp(a.s, b.s, f),   lerp(a.x, b.x, f),         lerp(a.y, b.y, f),
            lerp(a.ue, b.ue, f), lerp(a.theta, b.theta, f), lerp(a.H, b.H, f),
            lerp(a.Cf, b.Cf, f), lerp(a.N, b.N, f),         a.regime};
}

// Where a quantity running from a to b in a step reaches `level`, as a fraction of the step.
double crossing(double a, double b, double level) {
    return a == b ? 1 : std::clamp((a - level) / (a - b), 0.0, 1.0);
}

void append(BoundaryLayerSide& side, const Point& p) {
    side.s.push_back(p.s);
    side.x.push_back(p.x);
    side.y.push_back(p.y);
    side.ue.push_back(p.ue);
    side.theta.push_back(p.theta);
    side.deltaStar.push_back(p.H * p.theta);
    side.H.push_back(p.H);
    side.Cf.push_back(p.Cf);
    side.N.push_back(p.N);
    side.regime.push_back(p.regime);
}

// The march of one side: Thwaites from the stagnation point with the envelope method's
// amplification, then Head from transition.
class SideMarch {
public:
    SideMarch(const EdgeSide& edge, const SideOptions& options)
        : st_(edge.stations), o_(options), theta_(thwaitesMomentumThickness(st_, o_.nu)) {}

    BoundaryLayerSide run();

private:
    Point laminarPoint(std::size_t i, double N) const;
    double lambdaAt(std::size_t i) const;
    std::optional<TransitionPoint> transitionIn(std::size_t i, const Point& a, const Point& b,
                                                double& fraction) const;
    EnvelopeStation envelopeOf(const Point& p) const {
        return envelopeStation(p.s, p.H, p.theta, p.ue * p.theta / o_.nu);
    }
    Point turbulentPoint(const EdgeStation& at, const TurbulentLayer& layer, double N) const;
    void marchTurbulent(const Point& start, std::size_t next);
    void finishFriction();

    const std::vector<EdgeStation>& st_;
    SideOptions o_;
    std::vector<double> theta_;
    std::size_t leadingEdge_ = 0; // the station of smallest x: the trip acts behind it
    bool sharpStart_ = false;     // the layer starts at a sharp edge with zero thickness
    BoundaryLayerSide side_;
};

double SideMarch::lambdaAt(std::size_t i) const {
    if (i == 0 && st_[0].ue == 0) {
        return kStagnationLambda;
    }
    // A layer of zero thickness (at a sharp edge, where due/ds may be unbounded) has lambda 0.
    return theta_[i] == 0 ? 0 : theta_[i] * theta_[i] * st_[i].dueds / o_.nu;
}

Point SideMarch::laminarPoint(std::size_t i, double N) const {
    const EdgeStation& e = st_[i];
    const LaminarShape shape = laminarShape(lambdaAt(i));
    const double cf = theta_[i] > 0 ? laminarSkinFriction(shape.l, o_.nu, e.ue, theta_[i])
                                    : std::numeric_limits<double>::infinity();
    return {e.s, e.x, e.y, e.ue, theta_[i], shape.H, cf, N, Regime::Laminar};
}

// The earliest of laminar separation, N~ reaching N_crit and the trip within the step from
// station i - 1 (point a) to station i (point b), as a fraction of the step.
std::optional<TransitionPoint> SideMarch::transitionIn(std::size_t i, const Point& a,
                                                       const Point& b, double& fraction) const {
    std::optional<TransitionPoint> found;
    fraction = 2;
    const auto consider = [&](double f, TransitionCause cause) {
        if (f < fraction) {
            fraction = f;
            found = TransitionPoint{0, 0, cause};
        }
    };
    const double la = lambdaAt(i - 1);
    const double lb = lambdaAt(i);
    if (lb < kLaminarSeparationLambda) {
        consider(crossing(la, lb, kLaminarSeparationLambda), TransitionCause::LaminarSeparation);
    }
    if (b.N >= o_.ncrit) {
        consider(crossing(a.N, b.N, o_.ncrit), TransitionCause::Amplification);
    }
    if (o_.trip && i - 1 >= leadingEdge_ && b.x >= *o_.trip) {
        consider(a.x >= *o_.trip ? 0 : crossing(a.x, b.x, *o_.trip), TransitionCause::Trip);
    }
    if (found && i == 1 && (st_[0].ue == 0 || theta_[0] == 0)) {
        // The turbulent layer needs a moving edge and a thickness: not at the stagnation point
        // nor at a sharp edge.
        fraction = 1;
    }
    return found;
}

Point SideMarch::turbulentPoint(const EdgeStation& at, const TurbulentLayer& layer,
                                double N) const {
    const double H = shapeFromEntrainment(layer.H1);
    const double cf = ludwiegTillmann(H, at.ue * layer.theta / o_.nu) * at.ue * at.ue;
    return {at.s, at.x, at.y, at.ue, layer.theta, H, cf, N, Regime::Turbulent};
}

// Head's method from the turbulent start to station `next` and on, until the trailing edge or
// separation.
void SideMarch::marchTurbulent(const Point& start, std::size_t next) {
    TurbulentLayer layer{start.theta, entrainmentShape(kTurbulentStartH)};
    EdgeStation from{start.s, start.x, start.y, start.ue};
    append(side_, turbulentPoint(from, layer, start.N));
    const double separationH1 = entrainmentShape(kTurbulentSeparationH);
    for (std::size_t j = next; j < st_.size(); ++j) {
        const EdgeStation& to = st_[j];
        const TurbulentLayer stepped = headStep(layer, from.s, to.s, from.ue, to.ue, o_.nu);
        if (stepped.H1 > separationH1) {
            layer = stepped;
            from = to;
            append(side_, turbulentPoint(to, layer, start.N));
            continue;
        }
        // Separation within the step: halve towards the H1 of H = 2.4.
        double low = 0;
        double high = 1;
        TurbulentLayer atLow = layer;
        for (int k = 0; k < kSeparationHalvings; ++k) {
            const double f = 0.5 * (low + high);
            const TurbulentLayer t = headStep(layer, from.s, lerp(from.s, to.s, f), from.ue,
                                              lerp(from.ue, to.ue, f), o_.nu);
            if (t.H1 > separationH1) {
                low = f;
                atLow = t;
            } else {
                high = f;
            }
        }
        const EdgeStation at{lerp(from.s, to.s, low), lerp(from.x, to.x, low),
                             lerp(from.y, to.y, low), lerp(from.ue, to.ue, low)};
        Point p = turbulentPoint(at, {atLow.theta, separationH1}, start.N);
        p.H = kTurbulentSeparationH;
        append(side_, p);
        side_.turbulentSeparationX = at.x;
        return;
    }
}

// The wall shear along the side, projected on the free stream's direction, by the trapezoid
// rule; from a sharp start, where Cf falls as 1/sqrt(s), the first piece is 2 Cf s.
void SideMarch::finishFriction() {
    const double c = portable::cos(o_.alpha);
    const double sn = portable::sin(o_.alpha);
    const BoundaryLayerSide& d = side_;
    double sum = 0;
    if (sharpStart_ && d.size() > 0) {
        const double ds = d.s[0] - st_[0].s;
        const double along = ds > 0 ? ((d.x[0] - st_[0].x) * c + (d.y[0] - st_[0].y) * sn) / ds : 0;
        sum += 2 * d.Cf[0] * ds * along;
    }
    for (std::size_t i = 1; i < d.size(); ++i) {
        const double along = (d.x[i] - d.x[i - 1]) * c + (d.y[i] - d.y[i - 1]) * sn;
        sum += 0.5 * (d.Cf[i] + d.Cf[i - 1]) * along;
    }
    side_.CDfriction = sum;
}

BoundaryLayerSide SideMarch::run() {
    if (st_.empty()) {
        return side_;
    }
    side_.stagnationX = st_[0].x;
    for (std::size_t i = 1; i < st_.size(); ++i) {
        if (st_[i].x < st_[leadingEdge_].x) {
            leadingEdge_ = i;
        }
    }
    sharpStart_ = theta_[0] == 0 && st_.size() > 1;
    Point a = laminarPoint(0, 0);
    EnvelopeStation envelopeA = envelopeOf(a);
    if (!sharpStart_) {
        append(side_, a);
    }
    bool turbulent = false;
    for (std::size_t i = 1; i < st_.size() && !turbulent; ++i) {
        Point b = laminarPoint(i, 0);
        const EnvelopeStation envelopeB = envelopeOf(b);
        b.N = a.N + amplificationGrowth(envelopeA, envelopeB);
        double f = 0;
        if (std::optional<TransitionPoint> t = transitionIn(i, a, b, f)) {
            const Point end = between(a, b, f);
            t->s = end.s;
            t->x = end.x;
            side_.transition = t;
            if (t->cause == TransitionCause::LaminarSeparation) {
                side_.laminarSeparationX = end.x;
            }
            if (side_.s.empty() || side_.s.back() != end.s) {
                append(side_, end);
            }
            marchTurbulent(end, f < 1 ? i : i + 1);
            turbulent = true;
        } else {
            append(side_, b);
            a = b;
            envelopeA = envelopeB;
        }
    }
    finishFriction();
    if (side_.reachesTrailingEdge() || side_.turbulentSeparationX.value_or(0) >= kLateSeparationX) {
        side_.CD = squireYoung(side_.theta.back(), side_.H.back(), side_.ue.back());
    }
    return side_;
}

std::string separationsText(const BoundaryLayer& bl, const Texts& texts) {
    std::string text;
    for (bool upper : {true, false}) {
        const BoundaryLayerSide& side = upper ? bl.upper : bl.lower;
        if (const std::optional<double> x = side.separationX(); x && !side.sharpEdge) {
            text += (text.empty() ? "" : texts[TextId::ListAnd]);
            text += texts.format(upper ? TextId::LayerSeparatesUpper : TextId::LayerSeparatesLower,
                                 {fixedDecimals(*x, 2)});
        }
    }
    return text;
}

void checkOptions(const BoundaryLayerOptions& o) {
    const auto within = [](std::optional<double> v, double low, double high) {
        return !v || (*v >= low && *v <= high);
    };
    if (!within(o.reynolds, kMinReynolds, kMaxReynolds) || !within(o.ncrit, kMinNcrit, kMaxNcrit) ||
        !within(o.tripUpper, 0, 1) || !within(o.tripLower, 0, 1) ||
        !(o.refinement >= 1 && o.refinement <= 16)) {
        throw std::invalid_argument("boundary-layer options out of range");
    }
}

BoundaryLayerSide sideOf(const EdgeSide& edge, const SideOptions& options, const CircleFlow& flow) {
    BoundaryLayerSide side = boundaryLayerSide(edge, options);
    if (!edge.sharpEdge) {
        return side;
    }
    side.sharpEdge = true;
    side.CD.reset();
    if (!side.separationX()) {
        const double x = flow.toProfile(-1.0).real();
        const bool turbulent = !side.regime.empty() && side.regime.back() == Regime::Turbulent;
        (turbulent ? side.turbulentSeparationX : side.laminarSeparationX) = x;
    }
    return side;
}

} // namespace

std::string_view regimeName(Regime regime) {
    return regime == Regime::Laminar ? "laminar" : "turbulent";
}

std::string_view causeName(TransitionCause cause) {
    switch (cause) {
    case TransitionCause::Amplification:
        return "amplification";
    case TransitionCause::LaminarSeparation:
        return "laminar_separation";
    case TransitionCause::Trip:
        return "trip";
    }
    return "";
}

std::optional<double> BoundaryLayerSide::separationX() const {
    if (turbulentSeparationX) {
        return turbulentSeparationX;
    }
    if (sharpEdge) {
        return laminarSeparationX;
    }
    return std::nullopt;
}

BoundaryLayerSide boundaryLayerSide(const EdgeSide& edge, const SideOptions& options) {
    return SideMarch(edge, options).run();
}

BoundaryLayer boundaryLayer(const State& s, const BoundaryLayerOptions& options) {
    checkOptions(options);
    if (!profileExists(s)) {
        throw std::invalid_argument("no profile has been computed");
    }
    const CircleFlow flow(s);
    const EdgeSpeed edge = edgeSpeed(flow, options.refinement);
    const double nu = 1 / options.reynolds;
    const double alpha = radians(s, s.AlfaD);
    BoundaryLayer bl;
    bl.reynolds = options.reynolds;
    bl.ncrit = options.ncrit;
    bl.upper = sideOf(edge.upper, {nu, options.ncrit, options.tripUpper, alpha}, flow);
    bl.lower = sideOf(edge.lower, {nu, options.ncrit, options.tripLower, alpha}, flow);
    bl.attached = bl.upper.reachesTrailingEdge() && bl.lower.reachesTrailingEdge();
    if (bl.upper.CD && bl.lower.CD) {
        bl.CD = *bl.upper.CD + *bl.lower.CD;
        bl.CDfriction = bl.upper.CDfriction + bl.lower.CDfriction;
    }
    bl.note = layerNote(bl);
    return bl;
}

std::string layerNote(const BoundaryLayer& bl, const Texts& texts) {
    if (bl.upper.sharpEdge || bl.lower.sharpEdge) {
        return std::string(
            texts[bl.upper.sharpEdge ? TextId::LayerNoteSharpUpper : TextId::LayerNoteSharpLower]);
    }
    if (bl.attached) {
        return std::string(texts[TextId::LayerNoteAttached]);
    }
    return texts.format(bl.CD ? TextId::LayerNoteSeparatesLate : TextId::LayerNoteSeparates,
                        {separationsText(bl, texts)});
}

std::vector<double> polarAngles(double from, double to, double step) {
    const double intervals = std::floor((to - from) / step + 1e-6);
    if (!(from <= to) || !(step > 0) || !(intervals < kMaxPolarAngles)) {
        throw std::invalid_argument("polar angles out of range");
    }
    std::vector<double> angles;
    for (int k = 0; k <= static_cast<int>(intervals); ++k) {
        angles.push_back(std::round((from + k * step) * 1e9) / 1e9);
    }
    return angles;
}

PolarPoint polarPoint(const State& s, double alfaDegrees, const BoundaryLayerOptions& options) {
    State at = s;
    at.AlfaD = alfaDegrees;
    const BoundaryLayer bl = boundaryLayer(at, options);
    PolarPoint p;
    p.alpha = alfaDegrees;
    p.CL = liftCoefficient(at, alfaDegrees);
    p.CM = momentCoefficient(at, alfaDegrees, p.CL);
    p.CD = bl.CD;
    if (bl.CD) {
        p.LoverD = p.CL / *bl.CD;
    }
    const auto transitionX = [](const BoundaryLayerSide& side) {
        return side.transition ? std::optional(side.transition->x) : std::nullopt;
    };
    p.xtrUpper = transitionX(bl.upper);
    p.xtrLower = transitionX(bl.lower);
    p.xsepUpper = bl.upper.separationX();
    p.xsepLower = bl.lower.separationX();
    return p;
}

std::vector<PolarPoint> viscousPolar(const State& s, std::span<const double> angles,
                                     const BoundaryLayerOptions& options) {
    std::vector<PolarPoint> polar;
    polar.reserve(angles.size());
    for (double alfa : angles) {
        polar.push_back(polarPoint(s, alfa, options));
    }
    return polar;
}

} // namespace kestrel
