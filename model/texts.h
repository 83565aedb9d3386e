// SPDX-License-Identifier: MIT
// Every text of the program's windows and page that a user reads, one entry per text under a
// stable key: window titles, captions, labels, accessible names, tooltips, hints and messages.
// The window, the study window, the About window and the browser page all take their texts from
// here. Each entry names the translation context it belongs to; the key is its disambiguation,
// so that two equal texts of one window still have a translation each. The translations into
// the program's two languages live in translations/kestrel_tr.ts and kestrel_en.ts (see the
// README's "Translations"). A "%1" stands for a value filled in where the text is shown.
#pragma once

#include <array>
#include <cstddef>
#include <initializer_list>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

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
    // The language menu; each language by its own name
    LanguageMenu,
    LanguageTurkish,
    LanguageEnglish,
    // The inputs' names and units (accessible names of the scroll bars and value boxes)
    ThicknessInput,
    CamberInput,
    PointsInput,
    AlphaInput,
    MomentReferenceInput,
    HundredthsUnit,
    PointsUnit,
    DegreesUnit,
    ScrollBarName,
    // Saving files
    CannotWrite,
    NotARegularFile,
    // The flow picture and the probe
    CirclePlaneTitle,
    ProfilePlaneTitle,
    MappingTitle,
    ProbeCirclePoint,
    // The compressibility chart, rule table and warnings
    ChartMachAxis,
    ChartCriticalPressure,
    ChartMinimumPressure,
    ChartUnboundedSuction,
    IncompressibleRow,
    PrandtlGlauertRow,
    KarmanTsienRow,
    LaitoneRow,
    LiftColumn,
    MomentColumn,
    CpMinColumn,
    CriticalMachColumn,
    SonicWarning,
    NotSubsonicWarning,
    NoProfileWarning,
};

struct TextEntry {
    TextId id;
    std::string_view key;     // stable: translations and the page find the text by it
    std::string_view context; // the window it belongs to, the translation context
    std::string_view text;    // UTF-8, as shown
};

inline constexpr std::size_t kTextCount = static_cast<std::size_t>(TextId::NoProfileWarning) + 1;

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
    {TextId::LanguageMenu, "Form1.languageMenu", "Form1", "&Language"},
    {TextId::LanguageTurkish, "Form1.language.tr", "Form1", "Türkçe"},
    {TextId::LanguageEnglish, "Form1.language.en", "Form1", "English"},
    {TextId::ThicknessInput, "Form1.input.thickness", "Form1", "thickness ratio t/c"},
    {TextId::CamberInput, "Form1.input.camber", "Form1", "camber ratio f/c"},
    {TextId::PointsInput, "Form1.input.points", "Form1", "number of points on the profile"},
    {TextId::AlphaInput, "Form1.input.alpha", "Form1", "angle of attack"},
    {TextId::MomentReferenceInput, "Form1.input.xm", "Form1", "moment reference point x/c"},
    {TextId::HundredthsUnit, "Form1.unit.hundredths", "Form1", "hundredths of the chord"},
    {TextId::PointsUnit, "Form1.unit.points", "Form1", "points"},
    {TextId::DegreesUnit, "Form1.unit.degrees", "Form1", "degrees"},
    {TextId::ScrollBarName, "Form1.scrollBar.name", "Form1", "%1 (%2)"},
    {TextId::CannotWrite, "PlotMenu.cannotWrite", "PlotMenu", "cannot write %1: %2"},
    {TextId::NotARegularFile, "PlotMenu.notRegularFile", "PlotMenu", "is not a regular file"},
    {TextId::CirclePlaneTitle, "Study.flow.circlePlane", "Study", "Circle plane ζ"},
    {TextId::ProfilePlaneTitle, "Study.flow.profilePlane", "Study", "Profile plane z"},
    {TextId::MappingTitle, "Study.flow.mapping", "Study", "Mapping ζ → z, t = %1"},
    {TextId::ProbeCirclePoint, "Study.probe.circlePoint", "Study", "(circle plane ξ %1, η %2)"},
    {TextId::ChartMachAxis, "Study.chart.machAxis", "Study", "free-stream Mach number M∞"},
    {TextId::ChartCriticalPressure, "Study.chart.criticalPressure", "Study",
     "Cp*: the local flow reaches sonic speed"},
    {TextId::ChartMinimumPressure, "Study.chart.minimumPressure", "Study", "Cp_min, %1"},
    {TextId::ChartUnboundedSuction, "Study.chart.unboundedSuction", "Study",
     "Unbounded suction round the sharp leading edge: no Cp_min, no critical Mach number"},
    {TextId::IncompressibleRow, "Study.rule.incompressible", "Study", "incompressible"},
    {TextId::PrandtlGlauertRow, "Study.rule.prandtlGlauert", "Study", "Prandtl–Glauert"},
    {TextId::KarmanTsienRow, "Study.rule.karmanTsien", "Study", "Kármán–Tsien"},
    {TextId::LaitoneRow, "Study.rule.laitone", "Study", "Laitone"},
    {TextId::LiftColumn, "Study.ruleTable.CL", "Study", "CL"},
    {TextId::MomentColumn, "Study.ruleTable.CM", "Study", "CM"},
    {TextId::CpMinColumn, "Study.ruleTable.Cp_min", "Study", "Cp_min"},
    {TextId::CriticalMachColumn, "Study.ruleTable.criticalMach", "Study", "critical M"},
    {TextId::SonicWarning, "Study.warning.sonic", "Study",
     "the flow reaches sonic speed; the corrections no longer hold"},
    {TextId::NotSubsonicWarning, "Study.warning.notSubsonic", "Study",
     "|M∞| ≥ 1: the free stream is not subsonic, and none of these rules applies"},
    {TextId::NoProfileWarning, "Study.warning.noProfile", "Study",
     "No profile yet: move a scroll bar or click a plot of the main window."},
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

// The program's two languages: Turkish, its own, and English.
enum class Language { Turkish, English };

// A language's code as the --lang option and the page's address take it: "tr" or "en".
std::string_view languageCode(Language language);
// The language of a code; none for any other text.
std::optional<Language> languageOfCode(std::string_view code);

// Every text of the table in one language, by TextId. Made without texts it holds the table's
// own (the study views' English, the main window's Turkish), which kestrel-calc shows; the
// windows and the page make theirs from the translations.
class Texts {
public:
    constexpr Texts() = default;
    // texts[i] is the text of kTexts[i]: kTextCount of them, or std::invalid_argument.
    explicit Texts(std::vector<std::string> texts);

    std::string_view operator[](TextId id) const;
    // The text with each "%1", "%2", ... replaced by the value of that number.
    std::string format(TextId id, std::initializer_list<std::string_view> values) const;

private:
    // Shared, never changed once made: copies of a language's texts are cheap. None for the
    // table's own.
    std::shared_ptr<const std::vector<std::string>> texts_;
};

// The table's own texts.
inline constinit const Texts kTableTexts;

} // namespace kestrel
