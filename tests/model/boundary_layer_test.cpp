// SPDX-License-Identifier: MIT
// The boundary layer against closed forms (flat plate, stagnation flow), a hand-worked
// transition, the symmetry of symmetric rows, how transition moves with the angle, the Reynolds
// number, N_crit and a trip, the singular leading edge, and the grid's convergence.

#include "model/boundary_layer.h"
#include "model/head.h"
#include "model/thwaites.h"
#include "model/transition.h"
#include "model_test_support.h"

#include <cmath>
#include <gtest/gtest.h>

namespace kestrel {
namespace {

// Stations s = 0, h, 2h, ... , length along a straight surface y = 0 with the edge speed
// a s + b and its gradient a.
EdgeSide straightSide(double length, int intervals, double a, double b) {
    EdgeSide side;
    for (int i = 0; i <= intervals; ++i) {
        const double s = length * i / intervals;
        side.stations.push_back({s, s, 0, a * s + b, a});
    }
    return side;
}

EdgeSide flatPlate() {
    return straightSide(1, 4000, 0, 1);
}

State stateAt(int thickness, int camber, double alfa) {
    State s = test::profileState(thickness, camber, 51);
    s.AlfaD = alfa;
    return s;
}

BoundaryLayerOptions atReynolds(double re) {
    BoundaryLayerOptions o;
    o.reynolds = re;
    return o;
}

// x/c of natural transition on the upper side.
double upperTransition(int thickness, int camber, double alfa, const BoundaryLayerOptions& o) {
    const BoundaryLayer bl = boundaryLayer(stateAt(thickness, camber, alfa), o);
    EXPECT_TRUE(bl.upper.transition.has_value());
    if (!bl.upper.transition) {
        return 0;
    }
    EXPECT_EQ(bl.upper.transition->cause, TransitionCause::Amplification);
    return bl.upper.transition->x;
}

// On a flat plate Thwaites' integral gives theta^2 = 0.45 nu x, that is theta = 0.671 x /
// sqrt(Re_x), within 1.5 % of Blasius' 0.664.
TEST(Thwaites, FlatPlateMomentumThickness) {
    const double nu = 1e-6;
    const EdgeSide plate = flatPlate();
    const std::vector<double> theta = thwaitesMomentumThickness(plate.stations, nu);
    for (std::size_t i = 400; i < theta.size(); i += 400) {
        const double x = plate.stations[i].s;
        const double coefficient = theta[i] * std::sqrt(x / nu) / x;
        EXPECT_NEAR(coefficient, 0.671, 0.0005) << "x " << x;
        EXPECT_NEAR(coefficient / 0.664, 1, 0.015);
    }
}

// Hiemenz stagnation flow ue = a x: theta^2 = 0.075 nu / a everywhere, the stagnation point
// included (there lambda = 0.075 by definition).
TEST(Thwaites, StagnationFlowHasConstantThickness) {
    const double a = 3;
    const double nu = 2e-6;
    const EdgeSide flow = straightSide(0.2, 200, a, 0);
    const std::vector<double> theta = thwaitesMomentumThickness(flow.stations, nu);
    for (std::size_t i = 0; i < theta.size(); ++i) {
        EXPECT_NEAR(theta[i] * theta[i] / (0.075 * nu / a), 1, 1e-12) << i;
    }
}

// The profile of thickness 0 and camber 0 at zero incidence is a flat plate in a uniform
// stream. At Re = 1e5 it stays laminar to the trailing edge (transition would need Re_x of about
// 2.3e6), and Squire-Young with theta = 0.671 / sqrt(Re), H = 2.61 and ue = 1 gives twice
// 1.342 / sqrt(Re): the Blasius drag of both sides, 2.656 / sqrt(Re), within 1.5 %.
TEST(SquireYoung, LaminarFlatPlateHasBlasiusDrag) {
    const double re = 1e5;
    const BoundaryLayer bl = boundaryLayer(stateAt(0, 0, 0), atReynolds(re));
    ASSERT_TRUE(bl.CD.has_value());
    EXPECT_FALSE(bl.upper.transition || bl.lower.transition);
    EXPECT_NEAR(*bl.CD / (2.656 / std::sqrt(re)), 1, 0.015);
    // The shear alone is the whole drag of a flat plate: twice 0.656 / sqrt(Re) by the fits.
    ASSERT_TRUE(bl.CDfriction.has_value());
    EXPECT_NEAR(*bl.CDfriction / *bl.CD, 1, 0.03);
}

// A plate tripped near its leading edge: Head's Cf follows the one-seventh-power law
// 0.0592 Re_x^-0.2 within 10 % for Re_x from 1e6 to 1e7.
TEST(Head, TurbulentFlatPlateFriction) {
    const double re = 1e7;
    const BoundaryLayerSide side = boundaryLayerSide(flatPlate(), {1 / re, 9, 0.005, 0});
    ASSERT_TRUE(side.transition.has_value());
    ASSERT_TRUE(side.reachesTrailingEdge());
    int checked = 0;
    for (std::size_t i = 0; i < side.size(); ++i) {
        const double reX = side.x[i] * re;
        if (reX >= 1e6 && reX <= 1e7 && side.regime[i] == Regime::Turbulent) {
            EXPECT_NEAR(side.Cf[i] / (0.0592 * std::pow(reX, -0.2)), 1, 0.10) << "Re_x " << reX;
            ++checked;
        }
    }
    EXPECT_GT(checked, 1000);
    // H settles near the flat plate's 1.3 to 1.4.
    EXPECT_GT(side.H.back(), 1.25);
    EXPECT_LT(side.H.back(), 1.45);
}

// Worked by hand at the flat plate's H = 2.61 (Thwaites' lambda = 0):
//   dN/dRe_theta = 0.01 sqrt((6.264 - 3.7 + 2.5 tanh(-0.735))^2 + 0.25)
//                = 0.01 sqrt(0.99871^2 + 0.25) = 0.011169
//   1/(H - 1) = 0.621118; log10 Re_theta0 = (0.878882 - 0.489) tanh(-0.477640) + 2.046584
//             + 0.44 = 2.313339, Re_theta0 = 205.75
// Along the plate Thwaites' theta^2 = 0.45 nu x gives dRe_theta/dx = 0.225 / theta, while the
// envelope method grows N with the Falkner-Skan rate (m + 1)/2 l / theta = 0.220954 / theta (l =
// 0.440305, m = 0.003642), so N = 0.011169 (0.220954 / 0.225) (Re_theta - 205.75). N = 9 at
// Re_theta = 205.75 + 9 / 0.010968 = 1026.3, that is at Re_x = 1026.3^2 / 0.45 = 2.341e6.
TEST(Envelope, FlatPlateTransitionWorkedByHand) {
    EXPECT_NEAR(amplificationSlope(2.61), 0.011169, 1e-6);
    EXPECT_NEAR(criticalReynoldsTheta(2.61), 205.75, 0.01);
    // Below the critical Re_theta nothing grows; across it only the part above counts.
    EXPECT_EQ(amplificationGrowth(envelopeStation(0, 2.61, 1e-4, 150),
                                  envelopeStation(0.01, 2.61, 1e-4, 200)),
              0);
    const double half = amplificationGrowth(envelopeStation(0, 2.61, 1e-4, 195.75),
                                            envelopeStation(0.01, 2.61, 1e-4, 215.75));
    EXPECT_NEAR(half / (0.005 * amplificationRate(2.61, 1e-4)), 1, 1e-4);
    for (double re : {4e6, 1e7}) {
        const BoundaryLayerSide side = boundaryLayerSide(flatPlate(), {1 / re, 9, {}, 0});
        ASSERT_TRUE(side.transition.has_value());
        EXPECT_EQ(side.transition->cause, TransitionCause::Amplification);
        EXPECT_NEAR(side.transition->x * re / 2.341e6, 1, 0.005) << re;
    }
}

TEST(BoundaryLayer, SymmetricRowsGiveEqualSidesAtZeroIncidence) {
    for (int thickness : {6, 12, 21}) {
        const BoundaryLayer bl = boundaryLayer(stateAt(thickness, 0, 0), atReynolds(3e6));
        const BoundaryLayerSide& u = bl.upper;
        const BoundaryLayerSide& l = bl.lower;
        ASSERT_EQ(u.size(), l.size()) << thickness;
        // Equal but for roundings that the transition point's interpolation amplifies.
        for (std::size_t i = 0; i < u.size(); i += 7) {
            EXPECT_NEAR(u.x[i], l.x[i], 1e-9);
            EXPECT_NEAR(u.y[i], -l.y[i], 1e-9);
            EXPECT_NEAR(u.theta[i], l.theta[i], 1e-8 * u.theta[i]);
        }
        ASSERT_TRUE(u.transition && l.transition);
        EXPECT_NEAR(u.transition->x, l.transition->x, 1e-9);
        ASSERT_TRUE(u.CD && l.CD);
        EXPECT_NEAR(*u.CD / *l.CD, 1, 1e-9);
    }
}

TEST(BoundaryLayer, TransitionMovesForwardWithAngleReynoldsNumberAndLowerNcrit) {
    const BoundaryLayerOptions base = atReynolds(3e6);
    double previous = 1;
    for (int alfa = 0; alfa <= 6; ++alfa) {
        const double x = upperTransition(12, 4, alfa, base);
        EXPECT_LT(x, previous) << "alpha " << alfa;
        previous = x;
    }
    // From Re = 2e6 on; below, laminar separation comes first, where Thwaites' lambda (which
    // does not depend on Re) reaches -0.09.
    previous = 1;
    for (double re : {2e6, 3e6, 1e7, 3e7, 1e8}) {
        const double x = upperTransition(12, 0, 2, atReynolds(re));
        EXPECT_LT(x, previous) << "Re " << re;
        previous = x;
    }
    previous = 1;
    for (double ncrit : {12.0, 9.0, 6.0, 3.0}) {
        BoundaryLayerOptions o = base;
        o.ncrit = ncrit;
        const double x = upperTransition(12, 0, 0, o);
        EXPECT_LT(x, previous) << "N_crit " << ncrit;
        previous = x;
    }
}

// A trip ahead of natural transition moves it to the trip; one behind changes nothing.
TEST(BoundaryLayer, TripForcesTransitionWhereItStands) {
    BoundaryLayerOptions o = atReynolds(3e6);
    const BoundaryLayer natural = boundaryLayer(stateAt(12, 0, 0), o);
    o.tripUpper = 0.2;
    o.tripLower = 0.9;
    const BoundaryLayer tripped = boundaryLayer(stateAt(12, 0, 0), o);
    ASSERT_TRUE(tripped.upper.transition && tripped.lower.transition);
    EXPECT_EQ(tripped.upper.transition->cause, TransitionCause::Trip);
    EXPECT_NEAR(tripped.upper.transition->x, 0.2, 1e-12);
    EXPECT_EQ(tripped.lower.transition->cause, natural.lower.transition->cause);
    EXPECT_EQ(tripped.lower.transition->x, natural.lower.transition->x);
    // More of the surface is turbulent: more drag.
    EXPECT_GT(*tripped.CD, *natural.CD);
}

// Zero-thickness rows away from zero incidence: unbounded speed round the sharp edge, the layer
// on that side separates there at once, and there is no drag.
TEST(BoundaryLayer, SingularLeadingEdgeSeparatesAtOnce) {
    for (double alfa : {3.0, -3.0}) {
        const BoundaryLayer bl = boundaryLayer(stateAt(0, 4, alfa), atReynolds(1e6));
        const BoundaryLayerSide& round = alfa > 0 ? bl.upper : bl.lower;
        const BoundaryLayerSide& other = alfa > 0 ? bl.lower : bl.upper;
        EXPECT_TRUE(round.sharpEdge);
        EXPECT_FALSE(other.sharpEdge);
        ASSERT_TRUE(round.separationX().has_value());
        EXPECT_NEAR(*round.separationX(), 0, 1e-12);
        EXPECT_FALSE(bl.CD.has_value());
        EXPECT_FALSE(bl.CDfriction.has_value());
        EXPECT_FALSE(bl.attached);
        EXPECT_NE(bl.note.find(alfa > 0 ? "upper side" : "lower side"), std::string::npos);
    }
}

// Both sides end at the cusp's speed cos(alpha + Beta) / Rc.
TEST(EdgeSpeed, SidesMeetAtTheTrailingEdgesSpeed) {
    const State s = stateAt(12, 4, 5);
    const EdgeSpeed edge = edgeSpeed(CircleFlow(s));
    const double alpha = 5 * std::numbers::pi / 180;
    const double expected = std::cos(alpha + s.Beta) / s.Rc;
    EXPECT_NEAR(edge.upper.stations.back().ue, expected, 1e-12);
    EXPECT_NEAR(edge.lower.stations.back().ue, expected, 1e-12);
    EXPECT_EQ(edge.upper.stations.front().ue, 0);
    EXPECT_NEAR(edge.upper.stations.back().x, 1, 1e-12);
}

// Doubling the grid's refinement changes the drag by less than 0.1 %.
TEST(EdgeSpeed, DragHasConvergedOnTheGrid) {
    const int rows[][3] = {{12, 4, 4}, {6, 0, 2}, {21, 8, 0}, {3, 2, -2}};
    for (const auto& r : rows) {
        for (double re : {1e5, 1e6, 1e7}) {
            BoundaryLayerOptions o = atReynolds(re);
            const std::optional<double> cd = boundaryLayer(stateAt(r[0], r[1], r[2]), o).CD;
            o.refinement = 2;
            const std::optional<double> fine = boundaryLayer(stateAt(r[0], r[1], r[2]), o).CD;
            ASSERT_EQ(cd.has_value(), fine.has_value());
            if (cd) {
                EXPECT_NEAR(*cd / *fine, 1, 1e-3)
                    << r[0] << "/" << r[1] << " " << r[2] << " " << re;
            }
        }
    }
}

TEST(BoundaryLayer, OptionsOutOfRangeAreRefused) {
    const State s = stateAt(12, 0, 0);
    BoundaryLayerOptions o;
    o.reynolds = 1e3;
    EXPECT_THROW(boundaryLayer(s, o), std::invalid_argument);
    o = {};
    o.ncrit = 0;
    EXPECT_THROW(boundaryLayer(s, o), std::invalid_argument);
    o = {};
    o.tripLower = 1.5;
    EXPECT_THROW(boundaryLayer(s, o), std::invalid_argument);
}

} // namespace
} // namespace kestrel
