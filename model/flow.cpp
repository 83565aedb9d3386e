// SPDX-License-Identifier: MIT
// The flow about the circle and the profile as the study window and kestrel-calc read it: samples
// of the field, stagnation points, streamlines and rasters, from the laws of CircleFlow.
#include "model/flow.h"

#include "model/coefficients.h"
#include "model/numeric.h"
#include "model/portable_math.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <stdexcept>
#include <string>

namespace kestrel {

using Complex = std::complex<double>;

namespace {

constexpr Complex kI{0, 1};

// Streamline spacing in the profile plane, in chords. A pixel at 4x zoom of a 960 px picture of
// the 2-chord window is 2 / 3840 chords; a segment may depart from the true line by a tenth of
// that, turn by at most 0.05 rad (about 3 degrees) and be at most 0.04 chords long, so that the
// particles' times along a segment and the segment's image at every stage of the mapping stay
// true to the line.
constexpr double kZoomedPixel = 2.0 / 3840;
constexpr double kMaxSagitta = 0.1 * kZoomedPixel;
constexpr double kMaxTurn = 0.05;
constexpr double kMaxSegment = 0.04;
// Step limits in the circle plane, where the lines are traced; the longest step is no limit of its
// own (the circle plane is about four times the profile plane's scale far out), the segment's
// length, turning and departure in the profile plane decide.
constexpr double kFirstStep = 1e-3;
constexpr double kMinStep = 1e-12;
constexpr double kMaxStep = 1;
constexpr std::size_t kMaxPoints = 20000;
// Every streamline point has |psi - level| below this, psi in units of V_inf times the chord.
constexpr double kLevelTolerance = 1e-13;
// Spacing, in chords, of the window-edge samples that locate where a level crosses the edge. Only
// a level that enters and leaves within one interval is missed: a graze of the far edge shorter
// than this, cut off by the frame anyway.
constexpr double kEdgeSpacing = 0.03;
// Far from the body the lines are nearly straight and the mapping nearly linear: the longest
// segment grows by this much per chord of distance from the mid-chord beyond the first chord.
constexpr double kSegmentGrowth = 2;

bool inWindow(const PlaneWindow& w, Complex z) {
    return z.real() >= w.xMin && z.real() <= w.xMax && z.imag() >= w.yMin && z.imag() <= w.yMax;
}

FlowPoint pointAt(Complex zeta, Complex z) {
    return FlowPoint{zeta.real(), zeta.imag(), z.real(), z.imag()};
}

void checkSide(int n, int low, int high, const char* what) {
    if (n < low || n > high) {
        throw std::out_of_range(std::string(what) + " " + std::to_string(n) + " outside " +
                                std::to_string(low) + " to " + std::to_string(high));
    }
}

PressureRaster emptyRaster(const PlaneWindow& w, int cols, int rows) {
    checkSide(cols, 1, Flow::kMaxRasterSide, "raster columns");
    checkSide(rows, 1, Flow::kMaxRasterSide, "raster rows");
    const std::size_t n = static_cast<std::size_t>(cols) * static_cast<std::size_t>(rows);
    return PressureRaster{w, cols, rows, std::vector<double>(n), std::vector<RasterCell>(n)};
}

} // namespace

// ---------------------------------------------------------------------------------------------
// The field

Flow::Flow(const State& s) : circle_(s) {
    if (!profileExists(s)) {
        throw std::invalid_argument("no profile has been computed");
    }
    front_ = pointOf(circle_.frontStagnation());
    rear_ = FlowPoint{1, 0, 1, 0};
    if (circle_.singularLeadingEdge()) {
        singular_ = pointOf(-1);
    }
    circleWindow_ = imageOfProfileWindow();
    tracedWindow_ = windowToTrace();
}

PlaneWindow widenedWindow(const PlaneWindow& w, double aspect) {
    const double width = w.xMax - w.xMin;
    const double height = w.yMax - w.yMin;
    const double midX = (w.xMin + w.xMax) / 2;
    const double midY = (w.yMin + w.yMax) / 2;
    if (width >= aspect * height) {
        const double h = width / aspect / 2;
        return {w.xMin, w.xMax, midY - h, midY + h};
    }
    const double half = height * aspect / 2;
    return {midX - half, midX + half, w.yMin, w.yMax};
}

double Flow::trailingEdgeSpeed() const {
    return std::fabs(circle_.surfaceAt(-circle_.beta()).velocity);
}

Complex Flow::mapAt(Complex zeta, double t) const {
    return zeta + t * (toProfile(zeta) - zeta);
}

namespace {

// The speed ratio and Cp of a velocity against the free stream.
void setSpeed(FlowSample& out, Complex velocity, double freeStream) {
    out.u = velocity.real();
    out.v = velocity.imag();
    out.speedRatio = portable::abs(velocity) / freeStream;
    out.Cp = CircleFlow::pressureCoefficient(out.speedRatio);
}

} // namespace

FlowSample Flow::sampleOf(Complex zeta, std::optional<Complex> velocity, double freeStream) const {
    FlowSample out;
    if (insideCircle(zeta)) {
        out.inside = true;
        return out;
    }
    out.potential = potential(zeta);
    out.psi = streamFunction(zeta);
    if (!velocity) {
        out.singular = true;
        out.speedRatio = CircleFlow::kCappedSpeed;
        out.Cp = CircleFlow::kCappedCp;
        return out;
    }
    setSpeed(out, *velocity, freeStream);
    return out;
}

FlowSample Flow::profileAt(Complex zeta) const {
    return sampleOf(zeta, insideCircle(zeta) ? std::nullopt : profileVelocity(zeta), 1);
}

double Flow::profileSpeed(Complex zeta) const {
    if (insideCircle(zeta)) {
        return 0;
    }
    const std::optional<Complex> velocity = profileVelocity(zeta);
    return velocity ? portable::abs(*velocity) : CircleFlow::kCappedSpeed;
}

FlowSample Flow::atProfile(double x, double y) const {
    const Complex z(x, y);
    if (!CircleFlow::isFar(z)) {
        return profileAt(toCircle(z));
    }
    const CircleFlow::FarField far = circle_.farField(z);
    FlowSample out;
    out.potential = far.potential;
    out.psi = far.psi;
    setSpeed(out, far.velocity, 1);
    return out;
}

FlowSample Flow::atCircle(double xc, double yc) const {
    const Complex zeta(xc, yc);
    return sampleOf(zeta, circleVelocity(zeta), circle_.chordScale());
}

FlowPoint Flow::pointOf(Complex zeta) const {
    return pointAt(zeta, toProfile(zeta));
}

// The circle-plane image of the profile window's edges, sampled finely, with a margin of half a
// percent for the bulges between samples.
PlaneWindow Flow::imageOfProfileWindow() const {
    const PlaneWindow& w = profileWindow_;
    const Complex corners[] = {
        {w.xMin, w.yMin}, {w.xMax, w.yMin}, {w.xMax, w.yMax}, {w.xMin, w.yMax}};
    constexpr int kSamples = 256;
    PlaneWindow box{std::numeric_limits<double>::max(), std::numeric_limits<double>::lowest(),
                    std::numeric_limits<double>::max(), std::numeric_limits<double>::lowest()};
    for (int e = 0; e < 4; ++e) {
        for (int i = 0; i < kSamples; ++i) {
            const double t = static_cast<double>(i) / kSamples;
            const Complex zeta = toCircle(corners[e] + t * (corners[(e + 1) % 4] - corners[e]));
            box.xMin = std::min(box.xMin, zeta.real());
            box.xMax = std::max(box.xMax, zeta.real());
            box.yMin = std::min(box.yMin, zeta.imag());
            box.yMax = std::max(box.yMax, zeta.imag());
        }
    }
    const double mx = 0.005 * (box.xMax - box.xMin);
    const double my = 0.005 * (box.yMax - box.yMin);
    return {box.xMin - mx, box.xMax + mx, box.yMin - my, box.yMax + my};
}

namespace {

void include(PlaneWindow& box, Complex z) {
    box.xMin = std::min(box.xMin, z.real());
    box.xMax = std::max(box.xMax, z.real());
    box.yMin = std::min(box.yMin, z.imag());
    box.yMax = std::max(box.yMax, z.imag());
}

} // namespace

// Both windows widened to the narrowest and the widest view, the circle window's edges carried
// into the profile plane; between two shapes a widened window lies inside those of the two.
PlaneWindow Flow::windowToTrace() const {
    PlaneWindow box{std::numeric_limits<double>::max(), std::numeric_limits<double>::lowest(),
                    std::numeric_limits<double>::max(), std::numeric_limits<double>::lowest()};
    constexpr int kSamples = 256;
    for (const double aspect : {kNarrowestView, kWidestView}) {
        const PlaneWindow p = widenedWindow(profileWindow_, aspect);
        include(box, {p.xMin, p.yMin});
        include(box, {p.xMax, p.yMax});
        const PlaneWindow c = widenedWindow(circleWindow_, aspect);
        const Complex corners[] = {
            {c.xMin, c.yMin}, {c.xMax, c.yMin}, {c.xMax, c.yMax}, {c.xMin, c.yMax}};
        for (int e = 0; e < 4; ++e) {
            for (int i = 0; i < kSamples; ++i) {
                const double s = static_cast<double>(i) / kSamples;
                include(box, toProfile(corners[e] + s * (corners[(e + 1) % 4] - corners[e])));
            }
        }
    }
    const double mx = 0.05 * (box.xMax - box.xMin);
    const double my = 0.05 * (box.yMax - box.yMin);
    return {box.xMin - mx, box.xMax + mx, box.yMin - my, box.yMax + my};
}

// ---------------------------------------------------------------------------------------------
// Streamlines
//
// A level is traced in the circle plane, where the field is smooth everywhere outside the circle
// (also at the singular point of the mapping), by a midpoint predictor along the flow and a
// Newton corrector onto psi = level; the step is controlled in the profile plane by the segment's
// length, turning and departure from the true line (the constants above). Each level starts
// where it crosses the window's edge, found by bracketing on edge samples; it ends at the next
// edge crossing, located on the edge by Newton's method. The dividing streamline starts at the
// stagnation points, leaving the circle radially.

namespace {

// The window's edge, counterclockwise from the bottom-left corner, as samples of psi.
struct Edges {
    std::vector<Complex> points;
    std::vector<Complex> inward; // inward normal of the edge from point i to point i + 1
    std::vector<double> psi;
};

struct Crossing {
    Complex z;
    Complex zeta;
    bool inflow = false;
    bool used = false;
};

// The length of a step, a chord or a velocity in the tracer: the root of the squared length,
// which for these (far from overflow, and where an ulp is of no account) is a third of the
// cost of a hypotenuse kept within half an ulp.
double length(Complex w) {
    return std::sqrt(std::norm(w));
}

// The angle |arg w| turned through between two unit directions, w the one over the other: by
// the first terms of the series of atan(y / x) while the turn is small (below a tenth of a
// radian they give the angle within 1e-11 of itself), which the tracer's limits keep nearly
// every turn, and by atan2 otherwise.
double turning(Complex w) {
    const double x = w.real();
    const double y = std::fabs(w.imag());
    if (x > 0 && y <= 0.1 * x) {
        const double t = y / x;
        const double t2 = t * t;
        return t * (1 - t2 * (1.0 / 3 - t2 * (1.0 / 5 - t2 * (1.0 / 7 - t2 * (1.0 / 9)))));
    }
    return std::fabs(portable::arg(w));
}

class LineTracer {
public:
    LineTracer(const Flow& flow, double level, int sign)
        : flow_(flow), level_(level), sign_(sign) {}

    // The line from the point zeta (on the level, with its image z) in the flow direction
    // (sign 1) or against it (sign -1) to the window's edge; firstDirection is taken where the
    // circle's flow stagnates.
    std::vector<FlowPoint> run(Complex zeta, Complex z, Complex firstDirection) const;

private:
    struct Node {
        Complex zeta;
        Complex z;
        Complex tangent; // unit tangent in the profile plane, 0 where the profile's flow stagnates
    };

    std::optional<Complex> circleDirection(Complex zeta) const;
    Complex profileTangent(Complex zeta) const;
    bool project(Complex& zeta) const;
    std::optional<Node> step(const Node& from, double h, Complex& direction) const;
    double growth(const Node& a, const Node& b) const;
    std::optional<FlowPoint> exitPoint(const Node& inside, const Node& outside) const;

    const Flow& flow_;
    double level_;
    int sign_;
};

std::optional<Complex> LineTracer::circleDirection(Complex zeta) const {
    const Complex v = flow_.circleVelocity(zeta);
    const double a = length(v);
    if (a == 0) {
        return std::nullopt;
    }
    return (static_cast<double>(sign_) / a) * v;
}

Complex LineTracer::profileTangent(Complex zeta) const {
    const Complex v = flow_.profileVelocity(zeta).value_or(0);
    const double a = length(v);
    return a == 0 ? Complex(0) : (static_cast<double>(sign_) / a) * v;
}

// Newton's method on psi(zeta) = level along the gradient of psi, which is i (u + i v).
bool LineTracer::project(Complex& zeta) const {
    for (int k = 0; k < 10; ++k) {
        const double r = level_ - flow_.streamFunction(zeta);
        if (std::fabs(r) <= kLevelTolerance) {
            return true;
        }
        const Complex gradient = kI * flow_.circleVelocity(zeta);
        const double n = std::norm(gradient);
        if (n == 0) {
            return false;
        }
        zeta += (r / n) * gradient;
    }
    return std::fabs(level_ - flow_.streamFunction(zeta)) <= kLevelTolerance;
}

std::optional<LineTracer::Node> LineTracer::step(const Node& from, double h,
                                                 Complex& direction) const {
    const Complex t0 = circleDirection(from.zeta).value_or(direction);
    const Complex tm = circleDirection(from.zeta + (0.5 * h) * t0).value_or(t0);
    const Complex guess = from.zeta + h * tm;
    Complex zeta = guess;
    if (!project(zeta) || length(zeta - guess) > 0.25 * h || flow_.insideCircle(zeta)) {
        return std::nullopt;
    }
    direction = tm;
    return Node{zeta, flow_.toProfile(zeta), profileTangent(zeta)};
}

// Factor by which the step may grow (below 1: by which it must shrink) for the segment a-b to
// meet the length, turning and departure limits. The departure from the true line is estimated
// from the angles between the chord and the two end tangents.
double LineTracer::growth(const Node& a, const Node& b) const {
    const Complex chord = b.z - a.z;
    const double chordLength = length(chord);
    if (chordLength == 0) {
        return 2;
    }
    const Complex dir = chord / chordLength;
    const Complex ea = a.tangent == 0.0 ? dir : a.tangent;
    const Complex eb = b.tangent == 0.0 ? dir : b.tangent;
    const double ta = turning(product(dir, std::conj(ea)));
    const double tb = turning(product(eb, std::conj(dir)));
    const double turn = ta + tb;
    const double sagitta = chordLength * std::max(ta, tb) / 4;
    const double distance = length(a.z - Complex(0.5, 0));
    double factor = kMaxSegment * (1 + kSegmentGrowth * std::max(0.0, distance - 1)) / chordLength;
    if (turn > 0) {
        factor = std::min(factor, kMaxTurn / turn);
    }
    if (sagitta > 0) {
        factor = std::min(factor, std::sqrt(kMaxSagitta / sagitta));
    }
    return factor;
}

// Where the segment a-b, a inside the window and b outside, first meets the window's edge: on a
// vertical edge x = fixed and y = free, on a horizontal one y = fixed and x = free.
struct EdgeHit {
    bool vertical = false;
    double fixed = 0;
    double free = 0;

    Complex point() const { return vertical ? Complex(fixed, free) : Complex(free, fixed); }
};

EdgeHit firstEdgeHit(const PlaneWindow& w, Complex a, Complex b) {
    const Complex ab = b - a;
    EdgeHit hit;
    double t = 1;
    if (b.real() > w.xMax || b.real() < w.xMin) {
        hit.vertical = true;
        hit.fixed = b.real() > w.xMax ? w.xMax : w.xMin;
        t = (hit.fixed - a.real()) / ab.real();
    }
    if (b.imag() > w.yMax || b.imag() < w.yMin) {
        const double bound = b.imag() > w.yMax ? w.yMax : w.yMin;
        const double s = (bound - a.imag()) / ab.imag();
        if (s < t) {
            t = s;
            hit.vertical = false;
            hit.fixed = bound;
        }
    }
    const Complex at = a + t * ab;
    hit.free = hit.vertical ? at.imag() : at.real();
    return hit;
}

// Where the level leaves the window between the inside node and the outside one: the segment's
// first edge crossing, moved along that edge onto the level by Newton's method; none if Newton
// strays further than the segment's length or off the edge.
std::optional<FlowPoint> LineTracer::exitPoint(const Node& inside, const Node& outside) const {
    const PlaneWindow& w = flow_.tracedWindow();
    EdgeHit hit = firstEdgeHit(w, inside.z, outside.z);
    const Complex first = hit.point();
    for (int k = 0; k < 20; ++k) {
        const Complex z = hit.point();
        const Complex zeta = flow_.toCircle(z);
        const double r = flow_.streamFunction(zeta) - level_;
        if (std::fabs(r) <= kLevelTolerance) {
            const bool onEdge =
                inWindow(w, z) && portable::abs(z - first) <= portable::abs(outside.z - inside.z);
            return onEdge ? std::optional<FlowPoint>(pointAt(zeta, z)) : std::nullopt;
        }
        // The slope of psi along the edge: psi_y = u, psi_x = -v.
        const Complex v = flow_.profileVelocity(zeta).value_or(0);
        const double slope = hit.vertical ? v.real() : -v.imag();
        if (slope == 0) {
            return std::nullopt;
        }
        hit.free -= r / slope;
    }
    return std::nullopt;
}

std::vector<FlowPoint> LineTracer::run(Complex zeta, Complex z, Complex firstDirection) const {
    Node current{zeta, z, profileTangent(zeta)};
    std::vector<FlowPoint> points{pointAt(current.zeta, current.z)};
    Complex direction = firstDirection;
    double h = kFirstStep;
    while (points.size() < kMaxPoints && h >= kMinStep) {
        Complex tried = direction;
        const std::optional<Node> next = step(current, h, tried);
        if (!next) {
            h *= 0.25;
            continue;
        }
        const double factor = growth(current, *next);
        if (factor < 1) {
            h *= std::max(0.2, 0.9 * factor);
            continue;
        }
        if (!inWindow(flow_.tracedWindow(), next->z)) {
            if (const std::optional<FlowPoint> exit = exitPoint(current, *next)) {
                points.push_back(*exit);
            }
            break;
        }
        points.push_back(pointAt(next->zeta, next->z));
        current = *next;
        direction = tried;
        h = std::min(h * std::min(2.0, 0.9 * factor), kMaxStep);
    }
    return points;
}

// psi along the window's edge, counterclockwise, about kEdgeSpacing chords apart.
Edges sampleEdges(const Flow& flow) {
    const PlaneWindow& w = flow.tracedWindow();
    const Complex corners[] = {
        {w.xMin, w.yMin}, {w.xMax, w.yMin}, {w.xMax, w.yMax}, {w.xMin, w.yMax}};
    const Complex normals[] = {{0, 1}, {-1, 0}, {0, -1}, {1, 0}};
    Edges edges;
    for (int e = 0; e < 4; ++e) {
        const Complex from = corners[e];
        const Complex along = corners[(e + 1) % 4] - from;
        const int n = static_cast<int>(std::ceil(portable::abs(along) / kEdgeSpacing));
        for (int i = 0; i < n; ++i) {
            // Only the varying coordinate moves, so every sample lies exactly on its edge.
            const Complex z = from + (static_cast<double>(i) / n) * along;
            edges.points.push_back(z);
            edges.inward.push_back(normals[e]);
            edges.psi.push_back(flow.streamFunction(flow.toCircle(z)));
        }
    }
    return edges;
}

// The point of the segment a-b (on one edge) where psi = level, between samples of opposite
// sides, by regula falsi with the Illinois halving.
Complex edgeRoot(const Flow& flow, Complex a, Complex b, double fa, double fb, double level) {
    double sa = 0;
    double sb = 1;
    double s = 0;
    int side = 0;
    for (int k = 0; k < 100; ++k) {
        s = (sa * fb - sb * fa) / (fb - fa);
        const double f = flow.streamFunction(flow.toCircle(a + s * (b - a))) - level;
        if (std::fabs(f) <= kLevelTolerance * 0.1 || sb - sa <= 1e-15) {
            break;
        }
        if ((f < 0) == (fa < 0)) {
            sa = s;
            fa = f;
            fb = side == -1 ? fb / 2 : fb;
            side = -1;
        } else {
            sb = s;
            fb = f;
            fa = side == 1 ? fa / 2 : fa;
            side = 1;
        }
    }
    return a + s * (b - a);
}

std::vector<Crossing> findCrossings(const Flow& flow, const Edges& edges, double level) {
    std::vector<Crossing> crossings;
    const std::size_t m = edges.points.size();
    for (std::size_t i = 0; i < m; ++i) {
        const std::size_t j = (i + 1) % m;
        const double fa = edges.psi[i] - level;
        const double fb = edges.psi[j] - level;
        if ((fa < 0) == (fb < 0)) {
            continue;
        }
        Crossing c;
        c.z = edgeRoot(flow, edges.points[i], edges.points[j], fa, fb, level);
        c.zeta = flow.toCircle(c.z);
        const std::optional<Complex> v = flow.profileVelocity(c.zeta);
        c.inflow = v && std::real(std::conj(edges.inward[i]) * *v) > 0;
        crossings.push_back(c);
    }
    return crossings;
}

// Marks the crossing at the end of a traced line as used, so it starts no line of its own.
void markEnd(std::vector<Crossing>& crossings, const FlowPoint& end) {
    for (Crossing& c : crossings) {
        if (!c.used && portable::abs(c.z - Complex(end.x, end.y)) < 1e-6) {
            c.used = true;
            return;
        }
    }
}

// Every polyline of one level: from each inflow crossing downstream; then, from any outflow
// crossing not yet reached, upstream (reversed into the flow direction).
void traceLevel(const Flow& flow, double level, int index, std::vector<Crossing>& crossings,
                std::vector<Streamline>& lines) {
    for (bool inflow : {true, false}) {
        const int sign = inflow ? 1 : -1;
        const LineTracer tracer(flow, level, sign);
        for (Crossing& c : crossings) {
            if (c.used || c.inflow != inflow) {
                continue;
            }
            c.used = true;
            const Complex v = flow.circleVelocity(c.zeta);
            std::vector<FlowPoint> points = tracer.run(c.zeta, c.z, (sign / portable::abs(v)) * v);
            markEnd(crossings, points.back());
            if (!inflow) {
                std::reverse(points.begin(), points.end());
            }
            if (points.size() >= 2) {
                lines.push_back(Streamline{level, index, false, std::move(points)});
            }
        }
    }
}

} // namespace

double Flow::levelSpacing(int levelsPerSide) {
    checkSide(levelsPerSide, kMinLevels, kMaxLevels, "levels per side");
    return 0.6 / (levelsPerSide + 1);
}

std::vector<Streamline> Flow::streamlines(int levelsPerSide) const {
    const double spacing = levelSpacing(levelsPerSide);
    std::vector<Streamline> lines;
    // The dividing streamline leaves the circle radially at both stagnation points.
    std::vector<FlowPoint> front =
        LineTracer(*this, 0, -1)
            .run(circle_.frontStagnation(), {front_.x, front_.y},
                 (circle_.frontStagnation() - circle_.centre()) / circle_.radius());
    std::reverse(front.begin(), front.end());
    lines.push_back(Streamline{0, 0, true, std::move(front)});
    const Complex rear = 1.0 - circle_.centre();
    lines.push_back(
        Streamline{0, 0, true, LineTracer(*this, 0, 1).run(1, {1, 0}, rear / circle_.radius())});
    const Edges edges = sampleEdges(*this);
    const auto [low, high] = std::minmax_element(edges.psi.begin(), edges.psi.end());
    const int below = std::max(levelsPerSide, static_cast<int>(std::floor(-*low / spacing)));
    const int above = std::max(levelsPerSide, static_cast<int>(std::floor(*high / spacing)));
    for (int k = -below; k <= above; ++k) {
        if (k == 0) {
            continue;
        }
        const double level = k * spacing;
        std::vector<Crossing> crossings = findCrossings(*this, edges, level);
        traceLevel(*this, level, k, crossings, lines);
    }
    return lines;
}

// ---------------------------------------------------------------------------------------------
// Pressure rasters

PressureRaster Flow::profileRaster(int cols, int rows) const {
    const PlaneWindow& w = profileWindow_;
    PressureRaster r = emptyRaster(w, cols, rows);
    const double dx = (w.xMax - w.xMin) / cols;
    const double dy = (w.yMax - w.yMin) / rows;
    for (int row = 0; row < rows; ++row) {
        const double y = w.yMax - (row + 0.5) * dy;
        for (int col = 0; col < cols; ++col) {
            const double x = w.xMin + (col + 0.5) * dx;
            const std::size_t i = r.index(col, row);
            r.Cp[i] = profileCp(toCircle({x, y}), r.cells[i]);
        }
    }
    return r;
}

PressureRaster Flow::circleRaster(int cols, int rows) const {
    const PlaneWindow& w = circleWindow_;
    PressureRaster r = emptyRaster(w, cols, rows);
    const double dx = (w.xMax - w.xMin) / cols;
    const double dy = (w.yMax - w.yMin) / rows;
    for (int row = 0; row < rows; ++row) {
        const double y = w.yMax - (row + 0.5) * dy;
        for (int col = 0; col < cols; ++col) {
            const std::size_t i = r.index(col, row);
            r.Cp[i] = circleCp({w.xMin + (col + 0.5) * dx, y}, r.cells[i]);
        }
    }
    return r;
}

} // namespace kestrel
