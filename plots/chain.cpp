#include "plots/chain.h"

#include "model/coefficients.h"
#include "model/pressure.h"
#include "model/profile.h"
#include "model/startup.h"
#include "model/text.h"
#include "plots/colours.h"
#include "plots/layout.h"
#include "plots/plots.h"

#include <stdexcept>
#include <utility>

namespace kestrel {

PlotSurfaces::PlotSurfaces()
    : daire(surfaceLayout("daire").foreground, kPlotBackground),
      profil(surfaceLayout("profil").foreground, kPlotBackground),
      pressure(surfaceLayout("pressure").foreground, kPlotBackground),
      Picture_CL(surfaceLayout("Picture_CL").foreground, kPlotBackground),
      Picture_CM(surfaceLayout("Picture_CM").foreground, kPlotBackground) {}

const Surface& PlotSurfaces::named(std::string_view name) const {
    static constexpr std::pair<std::string_view, Surface PlotSurfaces::*> kMembers[] = {
        {"daire", &PlotSurfaces::daire},           {"profil", &PlotSurfaces::profil},
        {"pressure", &PlotSurfaces::pressure},     {"Picture_CL", &PlotSurfaces::Picture_CL},
        {"Picture_CM", &PlotSurfaces::Picture_CM},
    };
    for (const auto& [own, member] : kMembers) {
        if (own == name) {
            return this->*member;
        }
    }
    throw std::out_of_range("no surface named " + std::string(name));
}

ChainResult runFullChain(const ChainInputs& inputs, PlotSurfaces& surfaces) {
    ChainResult result;
    State& s = result.state;
    startUp(s);

    // profil_hesapla
    setProfileInputs(s, inputs.thickness, inputs.camber, inputs.points);
    if (!computeProfile(s)) {
        return result;
    }
    result.row = findTableRow(s, s.Thickness, s.Camber);

    // profil_ciz
    renkler(s);
    drawCirclePlane(surfaces.daire, s);
    drawProfile(surfaces.profil, s);

    // basınc_hesapla
    setAngleInput(s, inputs.alpha);
    computePressure(s);

    // basınc_ciz, CL_Alfa_ciz and CM_Alfa_ciz each read the Mach box; its text is the same
    // for all three.
    result.mach = machFromText(inputs.mach);
    drawPressure(surfaces.pressure, s, result.mach);
    drawLiftCurve(surfaces.Picture_CL, s, result.mach);

    // CM_Alfa_ciz: the moment reference first, then the curve, which needs a profile.
    setMomentReference(s, inputs.xm);
    if (profileExists(s)) {
        result.CMcur = drawMomentCurve(surfaces.Picture_CM, s, result.mach);
    }
    return result;
}

} // namespace kestrel
