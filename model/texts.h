// SPDX-License-Identifier: MIT
// Every text of the program's windows and page that a user reads, one entry per text under a
// stable key: window titles, captions, labels, accessible names, tooltips, hints and messages.
// The window, the study window, the About window and the browser page all take their texts from
// here. Each entry names the translation context it belongs to, so that translations can be
// added for each key without touching the code that shows it. A "%1" stands for a value filled
// in where the text is shown.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace kestrel {

enum class TextId {
    None,
    // The main window
    MainTitle,
    MenuAbout,
    MessageTitle,
    TableMiss,
    UpdateStopped,
    MachFrameCaption,
    ThicknessLabel,
    CamberLabel,
    PointsLabel,
    AlphaLabel,
    MomentReferenceLabel,
    LiftLabel,
    MomentLabel,
    MachLabel,
    LiftBoxName,
    MomentBoxName,
    MachBoxName,
    InputsGroupName,
    ResultsGroupName,
    CirclePlaneName,
    ProfileName,
    PressureName,
    LiftPlotName,
    MomentPlotName,
    // The plot menu
    StudyWindowAction,
    CopyPictureAction,
    SavePictureAction,
    SaveDataAction,
    SavePictureTitle,
    SaveDataTitle,
    PictureFilters,
    DataFilters,
    // The About window
    AboutTitle,
    AboutName,
    AboutSubtitle,
    AboutDevelopers,
    AboutUpdate,
    AboutContactLine,
    AboutContact,
    CloseName,
    OkButton,
    // The study views
    StudyTitle,
    StudyButton,
    StudyButtonTip,
    StudyCloseName,
    StudyTabsName,
    FlowTab,
    FlowTabTip,
    CompressibilityTab,
    CompressibilityTabTip,
    FlowPictureName,
    FlowPictureTip,
    MappingLabel,
    MappingName,
    MappingTip,
    ParticlesLabel,
    ParticlesName,
    ParticlesTip,
    ProbeName,
    ProbeTip,
    ProbeHint,
    ProbeInside,
    RuleTableName,
    LiftColumnTip,
    MomentColumnTip,
    CpMinColumnTip,
    CriticalMachColumnTip,
    WarningName,
    ChartName,
    ChartTip,
    // The page
    PageLoading,
    PageStartFailed,
    // The view's zoom: its keys and the command line's option
    ZoomInAction,
    ZoomOutAction,
    ZoomResetAction,
    ZoomOptionHelp,
    ZoomOptionBad,
    UnexpectedArgument,
};

struct TextEntry {
    TextId id;
    std::string_view key;     // stable: translations and the page find the text by it
    std::string_view context; // the window it belongs to, the translation context
    std::string_view text;    // UTF-8, as shown
};

inline constexpr std::size_t kTextCount = static_cast<std::size_t>(TextId::UnexpectedArgument) + 1;

// In the order of TextId.
inline constexpr std::array<TextEntry, kTextCount> kTexts{{
    {TextId::None, "", "", ""},
    {TextId::MainTitle, "Form1.title", "Form1", "Kestrel - Aerodynamic Characteristics"},
    {TextId::MenuAbout, "Form1.Mn_About", "Form1", "About"},
    {TextId::MessageTitle, "Form1.messageTitle", "Form1", "Kestrel"},
    {TextId::TableMiss, "Form1.tableMiss", "Form1", "bu profil veritabanında yok"},
    {TextId::UpdateStopped, "Form1.updateStopped", "Form1", "An error stopped this update: %1"},
    {TextId::MachFrameCaption, "Form1.Frame3", "Form1", "Sıkıştırılabilme etkisi"},
    {TextId::ThicknessLabel, "Form1.Label2", "Form1", "δ"},
    {TextId::CamberLabel, "Form1.Label3", "Form1", "γ"},
    {TextId::PointsLabel, "Form1.Label5", "Form1", "nP"},
    {TextId::AlphaLabel, "Form1.Label4", "Form1", "α"},
    {TextId::MomentReferenceLabel, "Form1.Label7", "Form1", "xM/c="},
    {TextId::LiftLabel, "Form1.Label1", "Form1", "CL ="},
    {TextId::MomentLabel, "Form1.Label6", "Form1", "CM ="},
    {TextId::MachLabel, "Form1.Label36", "Form1", "Moo ="},
    {TextId::LiftBoxName, "Form1.Text_CL.name", "Form1", "lift coefficient CL"},
    {TextId::MomentBoxName, "Form1.Text1.name", "Form1", "moment coefficient CM"},
    {TextId::MachBoxName, "Form1.Text_Moo.name", "Form1", "free-stream Mach number"},
    {TextId::InputsGroupName, "Form1.Frame1.name", "Form1", "inputs"},
    {TextId::ResultsGroupName, "Form1.Frame2.name", "Form1", "results"},
    {TextId::CirclePlaneName, "Form1.daire.name", "Form1", "circle plane"},
    {TextId::ProfileName, "Form1.profil.name", "Form1", "profile"},
    {TextId::PressureName, "Form1.pressure.name", "Form1", "pressure distribution 1-Cp"},
    {TextId::LiftPlotName, "Form1.Picture_CL.name", "Form1",
     "lift coefficient CL against angle of attack"},
    {TextId::MomentPlotName, "Form1.Picture_CM.name", "Form1",
     "moment coefficient CM against angle of attack"},
    {TextId::StudyWindowAction, "PlotMenu.study", "PlotMenu", "Study window"},
    {TextId::CopyPictureAction, "PlotMenu.copyPicture", "PlotMenu", "Copy picture"},
    {TextId::SavePictureAction, "PlotMenu.savePicture", "PlotMenu", "Save picture…"},
    {TextId::SaveDataAction, "PlotMenu.saveData", "PlotMenu", "Save data…"},
    {TextId::SavePictureTitle, "PlotMenu.savePictureTitle", "PlotMenu", "Save picture"},
    {TextId::SaveDataTitle, "PlotMenu.saveDataTitle", "PlotMenu", "Save data"},
    {TextId::PictureFilters, "PlotMenu.pictureFilters", "PlotMenu",
     "PNG picture (*.png);;SVG picture (*.svg)"},
    {TextId::DataFilters, "PlotMenu.dataFilters", "PlotMenu", "CSV table (*.csv)"},
    {TextId::AboutTitle, "Form_About.title", "Form_About", "About"},
    {TextId::AboutName, "Form_About.Label1", "Form_About", "Kestrel"},
    {TextId::AboutSubtitle, "Form_About.Label2", "Form_About",
     "Aerodynamic Characteristics of Kestrel"},
    {TextId::AboutDevelopers, "Form_About.Label7", "Form_About", "developed by the Kestrel team"},
    {TextId::AboutUpdate, "Form_About.Label8", "Form_About", "last update : Februaray 2007"},
    {TextId::AboutContactLine, "Form_About.Label4", "Form_About",
     "for comments and questions e-mail to"},
    {TextId::AboutContact, "Form_About.Label5", "Form_About", "kestrel@example.org"},
    {TextId::CloseName, "Form_About.close", "Form_About", "Close"},
    {TextId::OkButton, "Form1.ok", "Form1", "OK"},
    {TextId::StudyTitle, "Study.title", "Study", "Kestrel - Study"},
    {TextId::StudyButton, "Study.button", "Study", "Study"},
    {TextId::StudyButtonTip, "Study.button.tip", "Study",
     "The flow and the compressibility chart of the current profile"},
    {TextId::StudyCloseName, "Study.close", "Study", "Close the study views"},
    {TextId::StudyTabsName, "Study.tabs.name", "Study", "study views"},
    {TextId::FlowTab, "Study.flowTab", "Study", "Flow"},
    {TextId::FlowTabTip, "Study.flowTab.tip", "Study",
     "Streamlines and pressure about the circle and the profile, with a probe, the mapping and "
     "particles"},
    {TextId::CompressibilityTab, "Study.compressibilityTab", "Study", "Compressibility"},
    {TextId::CompressibilityTabTip, "Study.compressibilityTab.tip", "Study",
     "Cp* and Cp_min against the Mach number, and the compressibility rules at M∞"},
    {TextId::FlowPictureName, "Study.flowView.name", "Study", "flow picture"},
    {TextId::FlowPictureTip, "Study.flowView.tip", "Study",
     "The flow about the profile. Left: the circle plane, carried towards the profile plane by the "
     "Mapping slider; right: the profile plane. Shading: the pressure coefficient Cp; dark lines: "
     "streamlines, the dividing streamline wider; white dots: the stagnation points."},
    {TextId::MappingLabel, "Study.mapping", "Study", "&Mapping"},
    {TextId::MappingName, "Study.mapping.name", "Study",
     "Mapping from the circle plane to the profile plane"},
    {TextId::MappingTip, "Study.mapping.tip", "Study",
     "Carries the left picture from the circle plane (left end) to the profile plane (right end): "
     "every point ζ moves to ζ + t·(z(ζ) − ζ), z the Joukowski mapping."},
    {TextId::ParticlesLabel, "Study.particles", "Study", "&Particles"},
    {TextId::ParticlesName, "Study.particles.name", "Study", "Particles"},
    {TextId::ParticlesTip, "Study.particles.tip", "Study",
     "Fluid particles carried along the streamlines at the local speed of the flow"},
    {TextId::ProbeName, "Study.probe.name", "Study", "probe reading"},
    {TextId::ProbeTip, "Study.probe.tip", "Study",
     "The flow under the mouse: position x/c, y/c in the profile plane, speed over the free-stream "
     "speed V/V∞, and the pressure coefficient Cp"},
    {TextId::ProbeHint, "Study.probe.hint", "Study", "Move the mouse over the flow to read it."},
    {TextId::ProbeInside, "Study.probe.inside", "Study", "inside the profile"},
    {TextId::RuleTableName, "Study.ruleTable.name", "Study",
     "lift, moment, minimum pressure and critical Mach number of each compressibility rule"},
    {TextId::LiftColumnTip, "Study.ruleTable.CL.tip", "Study",
     "Lift coefficient at M∞: the corrected surface pressure integrated around the profile, chord "
     "1"},
    {TextId::MomentColumnTip, "Study.ruleTable.CM.tip", "Study",
     "Pitching-moment coefficient about the moment reference point at M∞"},
    {TextId::CpMinColumnTip, "Study.ruleTable.Cp_min.tip", "Study",
     "The smallest pressure coefficient on the surface, corrected for M∞"},
    {TextId::CriticalMachColumnTip, "Study.ruleTable.criticalMach.tip", "Study",
     "The free-stream Mach number at which the corrected Cp_min reaches Cp*, the pressure of sonic "
     "speed"},
    {TextId::WarningName, "Study.warning.name", "Study", "warning"},
    {TextId::ChartName, "Study.chart.name", "Study", "compressibility chart"},
    {TextId::ChartTip, "Study.chart.tip", "Study",
     "Cp*, the pressure coefficient at which the local flow reaches sonic speed (black), and the "
     "smallest surface pressure coefficient Cp_min corrected by Prandtl–Glauert (magenta), "
     "Kármán–Tsien (blue) and Laitone (orange), against the free-stream Mach number. A dot marks "
     "each rule's critical Mach number; the grey line is M∞."},
    {TextId::PageLoading, "Page.loading", "Page", "Loading…"},
    {TextId::PageStartFailed, "Page.startFailed", "Page", "Kestrel could not start: %1"},
    {TextId::ZoomInAction, "Form1.Mn_ZoomIn", "Form1", "Zoom &in"},
    {TextId::ZoomOutAction, "Form1.Mn_ZoomOut", "Form1", "Zoom &out"},
    {TextId::ZoomResetAction, "Form1.Mn_ZoomReset", "Form1", "&Actual size"},
    {TextId::ZoomOptionHelp, "Options.zoom", "Options",
     "Opens the windows at this zoom, a factor from %1 to %2 (2 for 200 %); otherwise at the last "
     "zoom chosen with Ctrl + plus, Ctrl + minus and Ctrl + 0."},
    {TextId::ZoomOptionBad, "Options.zoom.bad", "Options",
     "--zoom must be a number from %1 to %2 (2 opens the windows at 200 %), got \"%3\""},
    {TextId::UnexpectedArgument, "Options.unexpected", "Options", "unexpected argument \"%1\""},
}};

constexpr const TextEntry& textEntry(TextId id) {
    return kTexts[static_cast<std::size_t>(id)];
}

// The text of an entry; empty for TextId::None.
constexpr std::string_view uiText(TextId id) {
    return textEntry(id).text;
}

// Every entry sits at its own place, so that textEntry finds it.
constexpr bool textsInOrder() {
    for (std::size_t i = 0; i < kTexts.size(); ++i) {
        if (static_cast<std::size_t>(kTexts[i].id) != i) {
            return false;
        }
    }
    return true;
}
static_assert(textsInOrder());

} // namespace kestrel
