#pragma once

#include "model/state.h"
#include "plots/surface.h"

#include <string>
#include <string_view>

namespace kestrel {

// The window's inputs for one full chain: the five scroll positions and the text of the Mach
// box. The defaults are the window's initial positions and the Mach box's initial text.
struct ChainInputs {
    int thickness = 0; // t/c in hundredths, 0 to 30
    int camber = 0;    // f/c in hundredths, 0 to 15
    int points = 51;   // surface points, 11 to 101
    int alpha = 0;     // angle of attack in degrees, -10 to 10
    int xm = 0;        // moment reference in hundredths of the chord, 0 to 100
    std::string mach = "0";
};

// The window's five drawing surfaces, each with its own foreground colour and the plot
// background, as the window creates them.
struct PlotSurfaces {
    PlotSurfaces();

    Surface daire;
    Surface profil;
    Surface pressure;
    Surface Picture_CL;
    Surface Picture_CM;

    // The surface with that objectName; throws std::out_of_range for any other name.
    const Surface& named(std::string_view name) const;
};

// What the full chain leaves behind besides its pictures.
struct ChainResult {
    State state;      // every window-wide variable after the chain
    long row = 0;     // table row of the profile; 0 when the table has none
    double mach = 0;  // the Mach number read from its text, as the three plots read it
    double CMcur = 0; // moment coefficient at the current angle (not a window-wide variable)
};

// The chain that a change of thickness or camber (or a click on a plot) runs in the window,
// from a fresh start-up state: profil_hesapla, profil_ciz (renkler, circle plane, profile),
// basınc_hesapla, basınc_ciz, CL_Alfa_ciz, CM_Alfa_ciz, drawing into `surfaces`.
// On a table miss the window would go on with the previous profile; from a fresh start there
// is none, so the chain stops after the profile step and returns row 0.
ChainResult runFullChain(const ChainInputs& inputs, PlotSurfaces& surfaces);

} // namespace kestrel
