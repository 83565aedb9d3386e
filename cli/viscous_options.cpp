// SPDX-License-Identifier: MIT
#include "cli/viscous_options.h"

#include "cli/decimal_number.h"

namespace kestrel::cli {

namespace {

const DecimalOption kReynolds{"--reynolds", kMinReynolds, kMaxReynolds, "from 1e4 to 1e8",
                              "Reynolds number V c / nu"};
const DecimalOption kNcrit{"--ncrit", kMinNcrit, kMaxNcrit, "from 1 to 20",
                           "critical amplification factor"};
const DecimalOption kTripUpper{"--trip-upper", 0, 1, "from 0 to 1", "x/c of the trip"};
const DecimalOption kTripLower{"--trip-lower", 0, 1, "from 0 to 1", "x/c of the trip"};

} // namespace

const char* const kBoundaryLayerMethods =
    R"(The boundary layer, in units of the chord c and the free-stream speed V_inf (so that the
kinematic viscosity is 1 / Re), on the exact surface speed of the potential flow:
  laminar     Thwaites' method from the front stagnation point, with the Cebeci-Bradshaw fits
              for H and the wall shear; laminar separation where lambda falls below -0.09.
  transition  the e^N envelope method of Drela and Giles: where the amplification factor N~
              reaches N_crit (9 suits a quiet wind tunnel, lower values a more disturbed
              stream), at laminar separation if that comes first (the layer is taken to
              reattach turbulent, as a short separation bubble does), or at a trip.
  turbulent   Head's entrainment method with the Ludwieg-Tillmann skin friction, from
              transition with theta continuous and H = 1.4; separation where H reaches 2.4.
  drag        Squire-Young from theta, H and ue at the trailing edge, summed over both sides;
              where a side separates in the last 5 % of the chord, from its layer there.
The coupling is one way: the layer does not act back on the outer flow, so CL and CM stay the
exact inviscid values and no stall is predicted; where the layer separates earlier, CD is not
given and the separation point is the answer. The methods are trustworthy for attached flow at
Re of about 1e5 to 1e7: below, separation bubbles grow long; above, roughness rather than the
stream's quiet sets transition. A profile of thickness 0 away from zero incidence turns the
flow round its sharp leading edge at unbounded speed, so the layer separates there at once.)";

void ViscousOptions::attach(CLI::App& command, Trips trips) {
    command
        .add_option("--reynolds", reynolds_,
                    "Reynolds number V c / nu: 1e4 to 1e8, decimals or exponent; default 1e6")
        ->type_name("RE");
    command
        .add_option("--ncrit", ncrit_,
                    "Critical amplification factor N_crit of transition: 1 to 20; default 9")
        ->type_name("N");
    if (trips == Trips::NotTaken) {
        return;
    }
    tripUpperOption_ =
        command
            .add_option("--trip-upper", tripUpper_,
                        "Forced transition on the upper side at this x/c, 0 to 1; default none")
            ->type_name("X");
    tripLowerOption_ =
        command
            .add_option("--trip-lower", tripLower_,
                        "Forced transition on the lower side at this x/c, 0 to 1; default none")
            ->type_name("X");
}

BoundaryLayerOptions ViscousOptions::request() const {
    BoundaryLayerOptions options;
    options.reynolds = decimalValue(kReynolds, reynolds_);
    options.ncrit = decimalValue(kNcrit, ncrit_);
    if (tripUpperOption_ != nullptr && tripUpperOption_->count() > 0) {
        options.tripUpper = decimalValue(kTripUpper, tripUpper_);
    }
    if (tripLowerOption_ != nullptr && tripLowerOption_->count() > 0) {
        options.tripLower = decimalValue(kTripLower, tripLower_);
    }
    return options;
}

} // namespace kestrel::cli
