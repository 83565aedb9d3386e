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
    // The Boundary layer tab
    BoundaryLayerTab,
    BoundaryLayerTabTip,
    ReynoldsLabel,
    ReynoldsName,
    ReynoldsTip,
    NcritLabel,
    NcritName,
    NcritTip,
    LayerProfileName,
    LayerProfileTip,
    LayerProfileTitle,
    LaminarLegend,
    TurbulentLegend,
    TransitionMark,
    SeparationMark,
    FrictionName,
    FrictionTitle,
    ShapeFactorName,
    ShapeFactorTitle,
    UpperLegend,
    LowerLegend,
    DragPolarName,
    DragPolarTip,
    DragPolarTitle,
    PolarSeparatedLegend,
    PolarLateLegend,
    PolarNoDragNote,
    LayerTableName,
    LayerTableValue,
    LayerTableUpper,
    LayerTableLower,
    LayerTableDrag,
    LayerTableFriction,
    LayerTableLiftOverDrag,
    LayerTableTransition,
    LayerTableSeparation,
    LayerNoteName,
    LayerTrustNote,
    TheoryTab,
    TheoryTabTip,
    TheoryLiftName,
    TheoryMomentName,
    TheoryLoadName,
    TheoryTableName,
    TheoryHelp,
    TheoryExactLegend,
    TheoryThinLegend,
    AngleAxisTitle,
    TheoryLiftAxis,
    TheoryMomentAxis,
    ChordAxisTitle,
    TheoryLoadAxis,
    TheoryZeroLiftRow,
    TheoryLiftSlopeRow,
    TheoryMomentRow,
    TheoryExactColumn,
    TheoryThinColumn,
    TheoryDifferenceColumn,
    SonicChartName,
    SonicChartTip,
    SonicCpStarLegend,
    SonicSidesLegend,
    SonicUpperSide,
    SonicLowerSide,
    SonicStretch,
    SonicExtents,
    SonicSubsonic,
    SonicBrokenDown,
    SonicNotSubsonic,
    KeepButton,
    KeepTip,
    ClearButton,
    ClearTip,
    ComparisonTab,
    ComparisonTabTip,
    ComparisonTableName,
    KeptLabel,
    NothingKept,
    ComparisonLayerNote,
    ProbeProfileReading,
    ProbeCircleReading,
    ProbeImagePoint,
    ProbeImageReading,
    RulePastOne,
    RulePastMany,
    RuleNotYetOne,
    RuleNotYetMany,
    ListComma,
    ListAnd,
    RulePastTip,
    KeyStagnation,
    KeyTrailingEdge,
    KeySingularEdge,
    LegendPressure,
    LegendSuction,
    LegendBelow,
    LegendProfileMinimum,
    LegendCircleMinimum,
    ChartNotDrawnUnbounded,
    ChartNotDrawn,
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
    // The view's zoom: its keys and the command line's option
    ZoomInAction,
    ZoomOutAction,
    ZoomResetAction,
    ZoomOptionHelp,
    ZoomOptionBad,
    UnexpectedArgument,
    // The boundary layer's note
    LayerNoteSharpUpper,
    LayerNoteSharpLower,
    LayerNoteAttached,
    LayerNoteSeparates,
    LayerNoteSeparatesLate,
    LayerSeparatesUpper,
    LayerSeparatesLower,
    // The comparison table
    ComparisonCurrentColumn,
    ComparisonKeptColumn,
    ComparisonDifferenceColumn,
    ComparisonCriticalMach,
    ComparisonTransitionUpper,
    ComparisonTransitionLower,
};

struct TextEntry {
    TextId id;
    std::string_view key;     // stable: translations and the page find the text by it
    std::string_view context; // the window it belongs to, the translation context
    std::string_view text;    // UTF-8, as shown
};

inline constexpr std::size_t kTextCount =
    static_cast<std::size_t>(TextId::ComparisonTransitionLower) + 1;

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
     "streamlines, the dividing streamline wider; white dots: the stagnation points; green "
     "diamond: the trailing edge, which the flow leaves at a finite speed (Kutta condition)."},
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
     "The flow under the mouse, of the plane it is over: in the profile plane x/c, y/c and the "
     "profile's flow; in the circle plane ξ, η and the circle's own flow, with the image point "
     "in the profile plane; speed over the free-stream speed V/V∞ and the pressure coefficient "
     "Cp"},
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
    {TextId::BoundaryLayerTab, "Study.boundaryLayerTab", "Study", "Boundary layer"},
    {TextId::BoundaryLayerTabTip, "Study.boundaryLayerTab.tip", "Study",
     "The boundary layer on the exact surface speed: transition, separation, skin friction and "
     "the drag polar at a Reynolds number"},
    {TextId::ReynoldsLabel, "Study.reynolds", "Study", "&Re"},
    {TextId::ReynoldsName, "Study.reynolds.name", "Study", "Reynolds number"},
    {TextId::ReynoldsTip, "Study.reynolds.tip", "Study",
     "The Reynolds number V∞ c / ν, on a logarithmic scale from 10⁴ to 10⁸; the methods are "
     "trustworthy for attached flow between about 10⁵ and 10⁷"},
    {TextId::NcritLabel, "Study.ncrit", "Study", "&N_crit"},
    {TextId::NcritName, "Study.ncrit.name", "Study", "critical amplification factor N_crit"},
    {TextId::NcritTip, "Study.ncrit.tip", "Study",
     "The layer turns turbulent where the amplification factor of its most unstable waves reaches "
     "N_crit: 9 for a quiet wind tunnel or free flight, lower for a turbulent stream"},
    {TextId::LayerProfileName, "Study.layerProfile.name", "Study",
     "profile with the displacement thickness"},
    {TextId::LayerProfileTip, "Study.layerProfile.tip", "Study",
     "The profile with its displacement thickness δ* drawn outside it on both sides, laminar and "
     "turbulent parts in their colours, transition and separation marked"},
    {TextId::LayerProfileTitle, "Study.layerProfile.title", "Study",
     "displacement thickness δ*, drawn %1 times thicker"},
    {TextId::LaminarLegend, "Study.laminar", "Study", "laminar"},
    {TextId::TurbulentLegend, "Study.turbulent", "Study", "turbulent"},
    {TextId::TransitionMark, "Study.transition", "Study", "transition"},
    {TextId::SeparationMark, "Study.separation", "Study", "separation"},
    {TextId::FrictionName, "Study.friction.name", "Study", "skin friction Cf against x/c"},
    {TextId::FrictionTitle, "Study.friction.title", "Study", "skin friction Cf"},
    {TextId::ShapeFactorName, "Study.shapeFactor.name", "Study", "shape factor H against x/c"},
    {TextId::ShapeFactorTitle, "Study.shapeFactor.title", "Study", "shape factor H"},
    {TextId::UpperLegend, "Study.upper", "Study", "upper side"},
    {TextId::LowerLegend, "Study.lower", "Study", "lower side"},
    {TextId::DragPolarName, "Study.dragPolar.name", "Study", "drag polar CL against CD"},
    {TextId::DragPolarTip, "Study.dragPolar.tip", "Study",
     "The drag polar over the window's angles at this Reynolds number: the inviscid CL against "
     "the profile drag CD, the current angle marked"},
    {TextId::DragPolarTitle, "Study.dragPolar.title", "Study", "drag polar, CL against CD"},
    {TextId::PolarSeparatedLegend, "Study.dragPolar.separated", "Study",
     "separated, no CD (at the right edge)"},
    {TextId::PolarLateLegend, "Study.dragPolar.late", "Study",
     "separates in the last 5 % of the chord"},
    {TextId::PolarNoDragNote, "Study.dragPolar.noDrag", "Study",
     "the layer separates at every angle: no drag polar"},
    {TextId::LayerTableName, "Study.layerTable.name", "Study",
     "drag, lift over drag, transition and separation of the current state"},
    {TextId::LayerTableValue, "Study.layerTable.value", "Study", "value"},
    {TextId::LayerTableUpper, "Study.layerTable.upper", "Study", "upper x/c"},
    {TextId::LayerTableLower, "Study.layerTable.lower", "Study", "lower x/c"},
    {TextId::LayerTableDrag, "Study.layerTable.CD", "Study", "CD"},
    {TextId::LayerTableFriction, "Study.layerTable.CD_friction", "Study", "CD_friction"},
    {TextId::LayerTableLiftOverDrag, "Study.layerTable.L_over_D", "Study", "L/D"},
    {TextId::LayerTableTransition, "Study.layerTable.transition", "Study", "transition"},
    {TextId::LayerTableSeparation, "Study.layerTable.separation", "Study", "separation"},
    {TextId::LayerNoteName, "Study.layerNote.name", "Study", "boundary-layer note"},
    {TextId::LayerTrustNote, "Study.layerNote.trust", "Study",
     "CL and CM stay the exact inviscid values: the layer does not act back on the flow."},
    {TextId::TheoryTab, "Study.theoryTab", "Study", "Theory"},
    {TextId::TheoryTabTip, "Study.theoryTab.tip", "Study",
     "Thin-airfoil theory of the camber line beside the exact Joukowski values: lift, moment "
     "about the quarter chord and the load along the chord"},
    {TextId::TheoryLiftName, "Study.theory.lift.name", "Study",
     "lift coefficient CL against angle of attack, exact and by thin-airfoil theory"},
    {TextId::TheoryMomentName, "Study.theory.moment.name", "Study",
     "moment coefficient about the quarter chord against angle of attack, exact and by "
     "thin-airfoil theory"},
    {TextId::TheoryLoadName, "Study.theory.load.name", "Study",
     "load ΔCp = Cp_lower − Cp_upper along the chord, exact and by thin-airfoil theory"},
    {TextId::TheoryTableName, "Study.theory.table.name", "Study",
     "angle of zero lift, lift slope and moment about the quarter chord, exact and by "
     "thin-airfoil theory"},
    {TextId::TheoryHelp, "Study.theory.help", "Study",
     "Camber line: the mean of the heights of the upper and the lower side at equal x/c. "
     "Thin-airfoil theory of it, with x/c = (1 − cos θ)/2 and dy/dx = B₀ + Σ Aₙ cos nθ: "
     "α_L0 = −(1/π) ∫ (dy/dx)(cos θ − 1) dθ over 0 to π, CL = 2π (α − α_L0), "
     "CM_c/4 = (π/4)(A₂ − A₁), ΔCp = 4 [A₀ (1 + cos θ)/sin θ + Σ Aₙ sin nθ], A₀ = α − B₀. "
     "Exact: the flow about the circle with the Kutta condition, CL = 8π (R/c) sin(α + β), "
     "α_L0 = −β, lift slope 8π R/c, CM_c/4 the moment law about (c/4, 0)."},
    {TextId::TheoryExactLegend, "Study.theory.exact", "Study", "exact (Joukowski)"},
    {TextId::TheoryThinLegend, "Study.theory.thin", "Study", "thin-airfoil theory"},
    {TextId::AngleAxisTitle, "Study.axis.alpha", "Study", "angle of attack α (degrees)"},
    {TextId::TheoryLiftAxis, "Study.axis.CL", "Study", "CL"},
    {TextId::TheoryMomentAxis, "Study.axis.CM_c/4", "Study", "CM c/4"},
    {TextId::ChordAxisTitle, "Study.axis.x/c", "Study", "x/c"},
    {TextId::TheoryLoadAxis, "Study.axis.load", "Study", "ΔCp"},
    {TextId::TheoryZeroLiftRow, "Study.theory.alphaZeroLift", "Study", "α of zero lift (°)"},
    {TextId::TheoryLiftSlopeRow, "Study.theory.liftSlope", "Study", "lift slope (per radian)"},
    {TextId::TheoryMomentRow, "Study.theory.CM_c/4", "Study", "CM about c/4"},
    {TextId::TheoryExactColumn, "Study.theory.exactColumn", "Study", "exact"},
    {TextId::TheoryThinColumn, "Study.theory.thinColumn", "Study", "thin"},
    {TextId::TheoryDifferenceColumn, "Study.theory.difference", "Study", "exact − thin"},
    {TextId::SonicChartName, "Study.sonic.name", "Study",
     "pressure along the surface at M∞ with its supersonic part"},
    {TextId::SonicChartTip, "Study.sonic.tip", "Study",
     "Cp along x/c at M∞ on the upper side (thick) and the lower side (thin) by Prandtl–Glauert "
     "(magenta), Kármán–Tsien (blue) and Laitone (orange); the black line is Cp*. Shaded: where Cp "
     "lies below Cp* and the local flow is supersonic, its x/c extent written for each rule. "
     "Beneath: the profile with that part marked."},
    {TextId::SonicCpStarLegend, "Study.sonic.CpStar", "Study", "Cp* at M∞ = %1"},
    {TextId::SonicSidesLegend, "Study.sonic.sides", "Study", "thick: upper side, thin: lower side"},
    {TextId::SonicUpperSide, "Study.sonic.upper", "Study", "upper"},
    {TextId::SonicLowerSide, "Study.sonic.lower", "Study", "lower"},
    {TextId::SonicStretch, "Study.sonic.stretch", "Study", "%1 x/c %2–%3"},
    {TextId::SonicExtents, "Study.sonic.extents", "Study", "supersonic on %1"},
    {TextId::SonicSubsonic, "Study.sonic.subsonic", "Study", "subsonic all round"},
    {TextId::SonicBrokenDown, "Study.sonic.brokenDown", "Study", "the rule has broken down"},
    {TextId::SonicNotSubsonic, "Study.sonic.notSubsonic", "Study",
     "|M∞| ≥ 1: the free stream is not subsonic"},
    {TextId::KeepButton, "Study.keep", "Study", "Keep for comparison"},
    {TextId::KeepTip, "Study.keep.tip", "Study",
     "Keep the current profile with its angle of attack, moment reference and Mach number: every "
     "chart then shows it faintly beside the profile you set next."},
    {TextId::ClearButton, "Study.clear", "Study", "Clear comparison"},
    {TextId::ClearTip, "Study.clear.tip", "Study", "Forget the kept profile."},
    {TextId::ComparisonTab, "Study.comparisonTab", "Study", "Comparison"},
    {TextId::ComparisonTabTip, "Study.comparisonTab.tip", "Study",
     "The current and the kept profile's numbers side by side, with their difference"},
    {TextId::ComparisonTableName, "Study.comparisonTable.name", "Study", "comparison table"},
    {TextId::KeptLabel, "Study.kept", "Study", "Kept: %1"},
    {TextId::NothingKept, "Study.nothingKept", "Study",
     "Nothing kept yet: “Keep for comparison” keeps the current profile, its angle and its Mach "
     "number."},
    {TextId::ComparisonLayerNote, "Study.comparisonLayer", "Study",
     "CD, L/D and the transitions: the boundary layer at Re = %1, N_crit = %2."},
    {TextId::ProbeProfileReading, "Study.probe.profile", "Study",
     "profile flow at x/c %1, y/c %2:   V/V∞ %3   Cp %4"},
    {TextId::ProbeCircleReading, "Study.probe.circle", "Study",
     "circle flow at ξ %1, η %2:   V/V∞ %3   Cp %4"},
    {TextId::ProbeImagePoint, "Study.probe.imagePoint", "Study",
     "   (its image in the profile plane: x/c %1, y/c %2)"},
    {TextId::ProbeImageReading, "Study.probe.imageReading", "Study",
     "   (profile flow at its image x/c %1, y/c %2:   V/V∞ %3   Cp %4)"},
    {TextId::RulePastOne, "Study.warning.pastOne", "Study",
     "%1 is past its critical Mach number %2"},
    {TextId::RulePastMany, "Study.warning.pastMany", "Study",
     "%1 are past their critical Mach numbers %2"},
    {TextId::RuleNotYetOne, "Study.warning.notYetOne", "Study", "; %1 is not yet"},
    {TextId::RuleNotYetMany, "Study.warning.notYetMany", "Study", "; %1 are not yet"},
    {TextId::ListComma, "Study.list.comma", "Study", ", "},
    {TextId::ListAnd, "Study.list.and", "Study", " and "},
    {TextId::RulePastTip, "Study.ruleTable.past.tip", "Study",
     "At M∞ this rule is past its critical Mach number: the flow reaches sonic speed on the "
     "surface and the correction no longer holds"},
    {TextId::KeyStagnation, "Study.key.stagnation", "Study", "stagnation point"},
    {TextId::KeyTrailingEdge, "Study.key.trailingEdge", "Study",
     "trailing edge: the Kutta condition; the flow leaves it at V/V∞ = %1"},
    {TextId::KeySingularEdge, "Study.key.singularEdge", "Study",
     "sharp leading edge: infinite speed"},
    {TextId::LegendPressure, "Study.legend.pressure", "Study", "pressure"},
    {TextId::LegendSuction, "Study.legend.suction", "Study", "suction"},
    {TextId::LegendBelow, "Study.legend.below", "Study", "< %1"},
    {TextId::LegendProfileMinimum, "Study.legend.profileMinimum", "Study", "min z %1"},
    {TextId::LegendCircleMinimum, "Study.legend.circleMinimum", "Study", "min ζ %1"},
    {TextId::ChartNotDrawnUnbounded, "Study.chart.notDrawnUnbounded", "Study",
     " (not drawn: unbounded suction)"},
    {TextId::ChartNotDrawn, "Study.chart.notDrawn", "Study", " (not drawn: no value below M 1)"},
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
    {TextId::ZoomInAction, "Form1.Mn_ZoomIn", "Form1", "Zoom &in"},
    {TextId::ZoomOutAction, "Form1.Mn_ZoomOut", "Form1", "Zoom &out"},
    {TextId::ZoomResetAction, "Form1.Mn_ZoomReset", "Form1", "&Actual size"},
    {TextId::ZoomOptionHelp, "Options.zoom", "Options",
     "Opens the windows at this zoom, a factor from %1 to %2 (2 for 200 %); otherwise at the last "
     "zoom chosen with Ctrl + plus, Ctrl + minus and Ctrl + 0."},
    {TextId::ZoomOptionBad, "Options.zoom.bad", "Options",
     "--zoom must be a number from %1 to %2 (2 opens the windows at 200 %), got \"%3\""},
    {TextId::UnexpectedArgument, "Options.unexpected", "Options", "unexpected argument \"%1\""},
    {TextId::LayerNoteSharpUpper, "Study.layerNote.sharpUpper", "Study",
     "the flow turns round the sharp leading edge at unbounded speed, so the boundary layer "
     "separates there at once on the upper side; beyond this the attached-flow theory does not "
     "hold"},
    {TextId::LayerNoteSharpLower, "Study.layerNote.sharpLower", "Study",
     "the flow turns round the sharp leading edge at unbounded speed, so the boundary layer "
     "separates there at once on the lower side; beyond this the attached-flow theory does not "
     "hold"},
    {TextId::LayerNoteAttached, "Study.layerNote.attached", "Study",
     "the boundary layer reaches the trailing edge attached on both sides"},
    {TextId::LayerNoteSeparates, "Study.layerNote.separates", "Study",
     "the boundary layer separates %1; beyond this the attached-flow theory does not hold"},
    {TextId::LayerNoteSeparatesLate, "Study.layerNote.separatesLate", "Study",
     "the boundary layer separates %1, in the last 5 % of the chord; CD is taken from the layer at "
     "separation"},
    {TextId::LayerSeparatesUpper, "Study.layerNote.upperPlace", "Study",
     "at x/c = %1 on the upper side"},
    {TextId::LayerSeparatesLower, "Study.layerNote.lowerPlace", "Study",
     "at x/c = %1 on the lower side"},
    {TextId::ComparisonCurrentColumn, "Study.comparison.current", "Study", "current"},
    {TextId::ComparisonKeptColumn, "Study.comparison.kept", "Study", "kept"},
    {TextId::ComparisonDifferenceColumn, "Study.comparison.difference", "Study", "current − kept"},
    {TextId::ComparisonCriticalMach, "Study.comparison.criticalMach", "Study", "critical M, %1"},
    {TextId::ComparisonTransitionUpper, "Study.comparison.transitionUpper", "Study",
     "transition x/c, upper"},
    {TextId::ComparisonTransitionLower, "Study.comparison.transitionLower", "Study",
     "transition x/c, lower"},
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
