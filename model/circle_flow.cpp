// SPDX-License-Identifier: MIT
#include "model/circle_flow.h"

#include "model/coefficients.h"
#include "model/portable_math.h"

#include <numbers>

namespace kestrel {

using Complex = CircleFlow::Complex;
using circle_flow_detail::reciprocal;

namespace {

constexpr Complex kI{0, 1};

} // namespace

CircleFlow::CircleFlow(const State& s)
    : eps_(s.eps), centre_(-s.eps, s.mu), rsq_(s.Rsq), radius_(s.Rc), beta_(s.Beta),
      delta_(s.Delta), dOverR_(s.dOverR), chord_(s.Chord), cScale_(s.Chord != 0 ? 1 / s.Chord : 0),
      alpha_(radians(s, s.AlfaD)) {
    sinAlphaBeta_ = portable::sin(alpha_ + beta_);
    cosAlpha_ = portable::cos(alpha_);
    sinAlpha_ = portable::sin(alpha_);
    stream_ = portable::polar(1.0, -alpha_);
    strength_ = (2 * radius_) * sinAlphaBeta_;
    circulation_ = ((2 * std::numbers::pi) * strength_) * cScale_;
    const Complex rear = 1.0 - centre_;
    front_ = centre_ - portable::divide(rsq_ * std::conj(stream_ * stream_), rear);
}

Complex CircleFlow::potential(Complex zeta) const {
    const Complex d = zeta - centre_;
    const Complex uniform = product(stream_, d);
    const Complex doublet = rsq_ * reciprocal(uniform);
    const Complex vortex = (kI * strength_) * portable::log(portable::divide(-d, 1.0 - centre_));
    return ((uniform + doublet) + vortex) * cScale_;
}

double CircleFlow::streamFunction(Complex zeta) const {
    const Complex d = zeta - centre_;
    const double nd = std::norm(d);
    const double uniform = product(stream_, d).imag() * (1 - rsq_ / nd);
    const double vortex = strength_ * (0.5 * portable::log(nd / rsq_));
    return (uniform + vortex) * cScale_;
}

Complex CircleFlow::circleVelocity(Complex zeta) const {
    const Complex d = zeta - centre_;
    const Complex w =
        product(product(stream_, product(zeta - 1.0, zeta - front_)), reciprocal(product(d, d)));
    return std::conj(w) * cScale_;
}

std::optional<Complex> CircleFlow::profileVelocity(Complex zeta) const {
    const Complex d = zeta - centre_;
    Complex edge = 1; // (zeta - zeta_f) / (zeta + 1), which tends to 1 where both vanish
    if (atSingularPoint(zeta)) {
        if (singularLeadingEdge()) {
            return std::nullopt;
        }
    } else {
        edge = product(zeta - front_, reciprocal(zeta + 1.0));
    }
    const Complex w =
        product(product(stream_, edge), product(product(zeta, zeta), reciprocal(product(d, d))));
    return std::conj(w);
}

CircleFlow::FarField CircleFlow::farField(Complex z) const {
    const Complex big(z.real() - 1 + (2 + eps_) * cScale_, z.imag() - centre_.imag() * cScale_);
    // ln|Z| and the direction of Z from Z scaled to its larger component.
    const double m = std::max(std::fabs(big.real()), std::fabs(big.imag()));
    const Complex unit = big / m;
    const double lnMagnitude = portable::log(m) + portable::log(portable::abs(unit));
    const Complex log(lnMagnitude + portable::log(chord_ / radius_),
                      portable::arg(portable::divide(-unit, 1.0 - centre_)));
    const double g = strength_ * cScale_;
    FarField f;
    f.potential = stream_ * big + Complex(-g * log.imag(), g * log.real());
    f.psi = f.potential.imag();
    f.velocity = std::conj(stream_ + portable::divide(Complex(0, g), big));
    return f;
}

double CircleFlow::frontStagnationAngle() const {
    return std::numbers::pi + 2 * alpha_ + beta_;
}

CircleFlow::Place CircleFlow::placeAt(double phi) const {
    const double u = (phi - beta_) / 2;
    return {{portable::cos(phi), portable::sin(phi)}, {portable::cos(u), portable::sin(u)}};
}

namespace {

// tan(v) = Im / Re of e^(i u) e^(-i alpha).
double tanV(Complex half, double cosAlpha, double sinAlpha) {
    return (half.imag() * cosAlpha - half.real() * sinAlpha) /
           circle_flow_detail::cosV(half, cosAlpha, sinAlpha);
}

} // namespace

double CircleFlow::surfaceSpeedLogSlope(Complex zeta, Complex turn, Complex half) const {
    const Complex t = circleTangent(turn);
    double logSlope = (2 * (t.real() * zeta.real() + t.imag() * zeta.imag())) / std::norm(zeta);
    if (!(throughSingularPoint() && !singularLeadingEdge())) {
        const Complex w = zeta + 1.0;
        logSlope -= tanV(half, cosAlpha_, sinAlpha_) / 2 +
                    (t.real() * w.real() + t.imag() * w.imag()) / std::norm(w);
    }
    return logSlope;
}

double CircleFlow::surfaceCp(double phi) const {
    const Place p = placeAt(phi);
    return pressureCoefficient(surfaceSpeed(circlePoint(p.turn), p.half));
}

double CircleFlow::surfaceCpSlope(double phi) const {
    const Place p = placeAt(phi);
    const Complex zeta = circlePoint(p.turn);
    const double q = surfaceSpeed(zeta, p.half);
    return -2 * square(q) * surfaceSpeedLogSlope(zeta, p.turn, p.half);
}

double CircleFlow::surfaceSpeedLogSlope(double phi) const {
    const Place p = placeAt(phi);
    return surfaceSpeedLogSlope(circlePoint(p.turn), p.turn, p.half);
}

double CircleFlow::windowSpeedRatio(double theta, double dZdZeta) const {
    if (dZdZeta == 0) {
        return kCappedSpeed;
    }
    const double sn = portable::sin(theta + delta_) * dOverR_;
    const double g = portable::atan(sn / portable::pow(1 - sn * sn, 0.5)); // arcsin of sn
    const double t = (theta - alpha_) - g;
    return ((sinAlphaBeta_ + portable::sin(t)) * 2) / dZdZeta;
}

double CircleFlow::trailingEdgeCp() const {
    return 1 - square(portable::cos(alpha_ + beta_)) / rsq_;
}

} // namespace kestrel
