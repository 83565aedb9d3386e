<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>Form1</name>
    <message>
        <source>Kestrel - Aerodynamic Characteristics</source>
        <comment>Form1.title</comment>
        <translation>Kestrel - Aerodynamic Characteristics</translation>
    </message>
    <message>
        <source>About</source>
        <comment>Form1.Mn_About</comment>
        <translation>About</translation>
    </message>
    <message>
        <source>Kestrel</source>
        <comment>Form1.messageTitle</comment>
        <translation>Kestrel</translation>
    </message>
    <message>
        <source>bu profil veritabanında yok</source>
        <comment>Form1.tableMiss</comment>
        <translation>this profile is not in the table</translation>
    </message>
    <message>
        <source>An error stopped this update: %1</source>
        <comment>Form1.updateStopped</comment>
        <translation>An error stopped this update: %1</translation>
    </message>
    <message>
        <source>Sıkıştırılabilme etkisi</source>
        <comment>Form1.Frame3</comment>
        <translation>Compressibility effect</translation>
    </message>
    <message>
        <source>δ</source>
        <comment>Form1.Label2</comment>
        <translation>δ</translation>
    </message>
    <message>
        <source>γ</source>
        <comment>Form1.Label3</comment>
        <translation>γ</translation>
    </message>
    <message>
        <source>nP</source>
        <comment>Form1.Label5</comment>
        <translation>nP</translation>
    </message>
    <message>
        <source>α</source>
        <comment>Form1.Label4</comment>
        <translation>α</translation>
    </message>
    <message>
        <source>xM/c=</source>
        <comment>Form1.Label7</comment>
        <translation>xM/c=</translation>
    </message>
    <message>
        <source>CL =</source>
        <comment>Form1.Label1</comment>
        <translation>CL =</translation>
    </message>
    <message>
        <source>CM =</source>
        <comment>Form1.Label6</comment>
        <translation>CM =</translation>
    </message>
    <message>
        <source>Moo =</source>
        <comment>Form1.Label36</comment>
        <translation>Moo =</translation>
    </message>
    <message>
        <source>lift coefficient CL</source>
        <comment>Form1.Text_CL.name</comment>
        <translation>lift coefficient CL</translation>
    </message>
    <message>
        <source>moment coefficient CM</source>
        <comment>Form1.Text1.name</comment>
        <translation>moment coefficient CM</translation>
    </message>
    <message>
        <source>free-stream Mach number</source>
        <comment>Form1.Text_Moo.name</comment>
        <translation>free-stream Mach number</translation>
    </message>
    <message>
        <source>inputs</source>
        <comment>Form1.Frame1.name</comment>
        <translation>inputs</translation>
    </message>
    <message>
        <source>results</source>
        <comment>Form1.Frame2.name</comment>
        <translation>results</translation>
    </message>
    <message>
        <source>circle plane</source>
        <comment>Form1.daire.name</comment>
        <translation>circle plane</translation>
    </message>
    <message>
        <source>profile</source>
        <comment>Form1.profil.name</comment>
        <translation>profile</translation>
    </message>
    <message>
        <source>pressure distribution 1-Cp</source>
        <comment>Form1.pressure.name</comment>
        <translation>pressure distribution 1-Cp</translation>
    </message>
    <message>
        <source>lift coefficient CL against angle of attack</source>
        <comment>Form1.Picture_CL.name</comment>
        <translation>lift coefficient CL against angle of attack</translation>
    </message>
    <message>
        <source>moment coefficient CM against angle of attack</source>
        <comment>Form1.Picture_CM.name</comment>
        <translation>moment coefficient CM against angle of attack</translation>
    </message>
    <message>
        <source>OK</source>
        <comment>Form1.ok</comment>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <comment>Form1.languageMenu</comment>
        <translation>&amp;Language</translation>
    </message>
    <message>
        <source>Türkçe</source>
        <comment>Form1.language.tr</comment>
        <translation>Türkçe</translation>
    </message>
    <message>
        <source>English</source>
        <comment>Form1.language.en</comment>
        <translation>English</translation>
    </message>
    <message>
        <source>thickness ratio t/c</source>
        <comment>Form1.input.thickness</comment>
        <translation>thickness ratio t/c</translation>
    </message>
    <message>
        <source>camber ratio f/c</source>
        <comment>Form1.input.camber</comment>
        <translation>camber ratio f/c</translation>
    </message>
    <message>
        <source>number of points on the profile</source>
        <comment>Form1.input.points</comment>
        <translation>number of points on the profile</translation>
    </message>
    <message>
        <source>angle of attack</source>
        <comment>Form1.input.alpha</comment>
        <translation>angle of attack</translation>
    </message>
    <message>
        <source>moment reference point x/c</source>
        <comment>Form1.input.xm</comment>
        <translation>moment reference point x/c</translation>
    </message>
    <message>
        <source>hundredths of the chord</source>
        <comment>Form1.unit.hundredths</comment>
        <translation>hundredths of the chord</translation>
    </message>
    <message>
        <source>points</source>
        <comment>Form1.unit.points</comment>
        <translation>points</translation>
    </message>
    <message>
        <source>degrees</source>
        <comment>Form1.unit.degrees</comment>
        <translation>degrees</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <comment>Form1.scrollBar.name</comment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Zoom &amp;in</source>
        <comment>Form1.Mn_ZoomIn</comment>
        <translation>Zoom &amp;in</translation>
    </message>
    <message>
        <source>Zoom &amp;out</source>
        <comment>Form1.Mn_ZoomOut</comment>
        <translation>Zoom &amp;out</translation>
    </message>
    <message>
        <source>&amp;Actual size</source>
        <comment>Form1.Mn_ZoomReset</comment>
        <translation>&amp;Actual size</translation>
    </message>
</context>
<context>
    <name>Form_About</name>
    <message>
        <source>About</source>
        <comment>Form_About.title</comment>
        <translation>About</translation>
    </message>
    <message>
        <source>Kestrel</source>
        <comment>Form_About.Label1</comment>
        <translation>Kestrel</translation>
    </message>
    <message>
        <source>Aerodynamic Characteristics of Kestrel</source>
        <comment>Form_About.Label2</comment>
        <translation>Aerodynamic Characteristics of Kestrel</translation>
    </message>
    <message>
        <source>developed by the Kestrel team</source>
        <comment>Form_About.Label7</comment>
        <translation>developed by the Kestrel team</translation>
    </message>
    <message>
        <source>last update : Februaray 2007</source>
        <comment>Form_About.Label8</comment>
        <translation>last update : Februaray 2007</translation>
    </message>
    <message>
        <source>for comments and questions e-mail to</source>
        <comment>Form_About.Label4</comment>
        <translation>for comments and questions e-mail to</translation>
    </message>
    <message>
        <source>kestrel@example.org</source>
        <comment>Form_About.Label5</comment>
        <translation>kestrel@example.org</translation>
    </message>
    <message>
        <source>Close</source>
        <comment>Form_About.close</comment>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>Options</name>
    <message>
        <source>Opens the windows at this zoom, a factor from %1 to %2 (2 for 200 %); otherwise at the last zoom chosen with Ctrl + plus, Ctrl + minus and Ctrl + 0.</source>
        <comment>Options.zoom</comment>
        <translation>Opens the windows at this zoom, a factor from %1 to %2 (2 for 200 %); otherwise at the last zoom chosen with Ctrl + plus, Ctrl + minus and Ctrl + 0.</translation>
    </message>
    <message>
        <source>--zoom must be a number from %1 to %2 (2 opens the windows at 200 %), got &quot;%3&quot;</source>
        <comment>Options.zoom.bad</comment>
        <translation>--zoom must be a number from %1 to %2 (2 opens the windows at 200 %), got &quot;%3&quot;</translation>
    </message>
    <message>
        <source>unexpected argument &quot;%1&quot;</source>
        <comment>Options.unexpected</comment>
        <translation>unexpected argument &quot;%1&quot;</translation>
    </message>
</context>
<context>
    <name>Page</name>
    <message>
        <source>Loading…</source>
        <comment>Page.loading</comment>
        <translation>Loading…</translation>
    </message>
    <message>
        <source>Kestrel could not start: %1</source>
        <comment>Page.startFailed</comment>
        <translation>Kestrel could not start: %1</translation>
    </message>
</context>
<context>
    <name>PlotMenu</name>
    <message>
        <source>Study window</source>
        <comment>PlotMenu.study</comment>
        <translation>Study window</translation>
    </message>
    <message>
        <source>Copy picture</source>
        <comment>PlotMenu.copyPicture</comment>
        <translation>Copy picture</translation>
    </message>
    <message>
        <source>Save picture…</source>
        <comment>PlotMenu.savePicture</comment>
        <translation>Save picture…</translation>
    </message>
    <message>
        <source>Save data…</source>
        <comment>PlotMenu.saveData</comment>
        <translation>Save data…</translation>
    </message>
    <message>
        <source>Save picture</source>
        <comment>PlotMenu.savePictureTitle</comment>
        <translation>Save picture</translation>
    </message>
    <message>
        <source>Save data</source>
        <comment>PlotMenu.saveDataTitle</comment>
        <translation>Save data</translation>
    </message>
    <message>
        <source>PNG picture (*.png);;SVG picture (*.svg)</source>
        <comment>PlotMenu.pictureFilters</comment>
        <translation>PNG picture (*.png);;SVG picture (*.svg)</translation>
    </message>
    <message>
        <source>CSV table (*.csv)</source>
        <comment>PlotMenu.dataFilters</comment>
        <translation>CSV table (*.csv)</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <comment>PlotMenu.cannotWrite</comment>
        <translation>cannot write %1: %2</translation>
    </message>
    <message>
        <source>is not a regular file</source>
        <comment>PlotMenu.notRegularFile</comment>
        <translation>is not a regular file</translation>
    </message>
</context>
<context>
    <name>Study</name>
    <message>
        <source>Kestrel - Study</source>
        <comment>Study.title</comment>
        <translation>Kestrel - Study</translation>
    </message>
    <message>
        <source>Study</source>
        <comment>Study.button</comment>
        <translation>Study</translation>
    </message>
    <message>
        <source>The flow and the compressibility chart of the current profile</source>
        <comment>Study.button.tip</comment>
        <translation>The flow and the compressibility chart of the current profile</translation>
    </message>
    <message>
        <source>Close the study views</source>
        <comment>Study.close</comment>
        <translation>Close the study views</translation>
    </message>
    <message>
        <source>study views</source>
        <comment>Study.tabs.name</comment>
        <translation>study views</translation>
    </message>
    <message>
        <source>Flow</source>
        <comment>Study.flowTab</comment>
        <translation>Flow</translation>
    </message>
    <message>
        <source>Streamlines and pressure about the circle and the profile, with a probe, the mapping and particles</source>
        <comment>Study.flowTab.tip</comment>
        <translation>Streamlines and pressure about the circle and the profile, with a probe, the mapping and particles</translation>
    </message>
    <message>
        <source>Compressibility</source>
        <comment>Study.compressibilityTab</comment>
        <translation>Compressibility</translation>
    </message>
    <message>
        <source>Cp* and Cp_min against the Mach number, and the compressibility rules at M∞</source>
        <comment>Study.compressibilityTab.tip</comment>
        <translation>Cp* and Cp_min against the Mach number, and the compressibility rules at M∞</translation>
    </message>
    <message>
        <source>flow picture</source>
        <comment>Study.flowView.name</comment>
        <translation>flow picture</translation>
    </message>
    <message>
        <source>&amp;Mapping</source>
        <comment>Study.mapping</comment>
        <translation>&amp;Mapping</translation>
    </message>
    <message>
        <source>Mapping from the circle plane to the profile plane</source>
        <comment>Study.mapping.name</comment>
        <translation>Mapping from the circle plane to the profile plane</translation>
    </message>
    <message>
        <source>Carries the left picture from the circle plane (left end) to the profile plane (right end): every point ζ moves to ζ + t·(z(ζ) − ζ), z the Joukowski mapping.</source>
        <comment>Study.mapping.tip</comment>
        <translation>Carries the left picture from the circle plane (left end) to the profile plane (right end): every point ζ moves to ζ + t·(z(ζ) − ζ), z the Joukowski mapping.</translation>
    </message>
    <message>
        <source>&amp;Particles</source>
        <comment>Study.particles</comment>
        <translation>&amp;Particles</translation>
    </message>
    <message>
        <source>Particles</source>
        <comment>Study.particles.name</comment>
        <translation>Particles</translation>
    </message>
    <message>
        <source>Fluid particles carried along the streamlines at the local speed of the flow</source>
        <comment>Study.particles.tip</comment>
        <translation>Fluid particles carried along the streamlines at the local speed of the flow</translation>
    </message>
    <message>
        <source>probe reading</source>
        <comment>Study.probe.name</comment>
        <translation>probe reading</translation>
    </message>
    <message>
        <source>Move the mouse over the flow to read it.</source>
        <comment>Study.probe.hint</comment>
        <translation>Move the mouse over the flow to read it.</translation>
    </message>
    <message>
        <source>inside the profile</source>
        <comment>Study.probe.inside</comment>
        <translation>inside the profile</translation>
    </message>
    <message>
        <source>lift, moment, minimum pressure and critical Mach number of each compressibility rule</source>
        <comment>Study.ruleTable.name</comment>
        <translation>lift, moment, minimum pressure and critical Mach number of each compressibility rule</translation>
    </message>
    <message>
        <source>Lift coefficient at M∞: the corrected surface pressure integrated around the profile, chord 1</source>
        <comment>Study.ruleTable.CL.tip</comment>
        <translation>Lift coefficient at M∞: the corrected surface pressure integrated around the profile, chord 1</translation>
    </message>
    <message>
        <source>Pitching-moment coefficient about the moment reference point at M∞</source>
        <comment>Study.ruleTable.CM.tip</comment>
        <translation>Pitching-moment coefficient about the moment reference point at M∞</translation>
    </message>
    <message>
        <source>The smallest pressure coefficient on the surface, corrected for M∞</source>
        <comment>Study.ruleTable.Cp_min.tip</comment>
        <translation>The smallest pressure coefficient on the surface, corrected for M∞</translation>
    </message>
    <message>
        <source>The free-stream Mach number at which the corrected Cp_min reaches Cp*, the pressure of sonic speed</source>
        <comment>Study.ruleTable.criticalMach.tip</comment>
        <translation>The free-stream Mach number at which the corrected Cp_min reaches Cp*, the pressure of sonic speed</translation>
    </message>
    <message>
        <source>warning</source>
        <comment>Study.warning.name</comment>
        <translation>warning</translation>
    </message>
    <message>
        <source>compressibility chart</source>
        <comment>Study.chart.name</comment>
        <translation>compressibility chart</translation>
    </message>
    <message>
        <source>Cp*, the pressure coefficient at which the local flow reaches sonic speed (black), and the smallest surface pressure coefficient Cp_min corrected by Prandtl–Glauert (magenta), Kármán–Tsien (blue) and Laitone (orange), against the free-stream Mach number. A dot marks each rule&apos;s critical Mach number; the grey line is M∞.</source>
        <comment>Study.chart.tip</comment>
        <translation>Cp*, the pressure coefficient at which the local flow reaches sonic speed (black), and the smallest surface pressure coefficient Cp_min corrected by Prandtl–Glauert (magenta), Kármán–Tsien (blue) and Laitone (orange), against the free-stream Mach number. A dot marks each rule&apos;s critical Mach number; the grey line is M∞.</translation>
    </message>
    <message>
        <source>Circle plane ζ</source>
        <comment>Study.flow.circlePlane</comment>
        <translation>Circle plane ζ</translation>
    </message>
    <message>
        <source>Profile plane z</source>
        <comment>Study.flow.profilePlane</comment>
        <translation>Profile plane z</translation>
    </message>
    <message>
        <source>Mapping ζ → z, t = %1</source>
        <comment>Study.flow.mapping</comment>
        <translation>Mapping ζ → z, t = %1</translation>
    </message>
    <message>
        <source>free-stream Mach number M∞</source>
        <comment>Study.chart.machAxis</comment>
        <translation>free-stream Mach number M∞</translation>
    </message>
    <message>
        <source>Cp*: the local flow reaches sonic speed</source>
        <comment>Study.chart.criticalPressure</comment>
        <translation>Cp*: the local flow reaches sonic speed</translation>
    </message>
    <message>
        <source>Cp_min, %1</source>
        <comment>Study.chart.minimumPressure</comment>
        <translation>Cp_min, %1</translation>
    </message>
    <message>
        <source>Unbounded suction round the sharp leading edge: no Cp_min, no critical Mach number</source>
        <comment>Study.chart.unboundedSuction</comment>
        <translation>Unbounded suction round the sharp leading edge: no Cp_min, no critical Mach number</translation>
    </message>
    <message>
        <source>incompressible</source>
        <comment>Study.rule.incompressible</comment>
        <translation>incompressible</translation>
    </message>
    <message>
        <source>Prandtl–Glauert</source>
        <comment>Study.rule.prandtlGlauert</comment>
        <translation>Prandtl–Glauert</translation>
    </message>
    <message>
        <source>Kármán–Tsien</source>
        <comment>Study.rule.karmanTsien</comment>
        <translation>Kármán–Tsien</translation>
    </message>
    <message>
        <source>Laitone</source>
        <comment>Study.rule.laitone</comment>
        <translation>Laitone</translation>
    </message>
    <message>
        <source>CL</source>
        <comment>Study.ruleTable.CL</comment>
        <translation>CL</translation>
    </message>
    <message>
        <source>CM</source>
        <comment>Study.ruleTable.CM</comment>
        <translation>CM</translation>
    </message>
    <message>
        <source>Cp_min</source>
        <comment>Study.ruleTable.Cp_min</comment>
        <translation>Cp_min</translation>
    </message>
    <message>
        <source>critical M</source>
        <comment>Study.ruleTable.criticalMach</comment>
        <translation>critical M</translation>
    </message>
    <message>
        <source>the flow reaches sonic speed; the corrections no longer hold</source>
        <comment>Study.warning.sonic</comment>
        <translation>the flow reaches sonic speed; the corrections no longer hold</translation>
    </message>
    <message>
        <source>|M∞| ≥ 1: the free stream is not subsonic, and none of these rules applies</source>
        <comment>Study.warning.notSubsonic</comment>
        <translation>|M∞| ≥ 1: the free stream is not subsonic, and none of these rules applies</translation>
    </message>
    <message>
        <source>No profile yet: move a scroll bar or click a plot of the main window.</source>
        <comment>Study.warning.noProfile</comment>
        <translation>No profile yet: move a scroll bar or click a plot of the main window.</translation>
    </message>
    <message>
        <source>The flow about the profile. Left: the circle plane, carried towards the profile plane by the Mapping slider; right: the profile plane. Shading: the pressure coefficient Cp; dark lines: streamlines, the dividing streamline wider; white dots: the stagnation points; green diamond: the trailing edge, which the flow leaves at a finite speed (Kutta condition).</source>
        <comment>Study.flowView.tip</comment>
        <translation>The flow about the profile. Left: the circle plane, carried towards the profile plane by the Mapping slider; right: the profile plane. Shading: the pressure coefficient Cp; dark lines: streamlines, the dividing streamline wider; white dots: the stagnation points; green diamond: the trailing edge, which the flow leaves at a finite speed (Kutta condition).</translation>
    </message>
    <message>
        <source>The flow under the mouse, of the plane it is over: in the profile plane x/c, y/c and the profile&apos;s flow; in the circle plane ξ, η and the circle&apos;s own flow, with the image point in the profile plane; speed over the free-stream speed V/V∞ and the pressure coefficient Cp</source>
        <comment>Study.probe.tip</comment>
        <translation>The flow under the mouse, of the plane it is over: in the profile plane x/c, y/c and the profile&apos;s flow; in the circle plane ξ, η and the circle&apos;s own flow, with the image point in the profile plane; speed over the free-stream speed V/V∞ and the pressure coefficient Cp</translation>
    </message>
    <message>
        <source>Boundary layer</source>
        <comment>Study.boundaryLayerTab</comment>
        <translation>Boundary layer</translation>
    </message>
    <message>
        <source>The boundary layer on the exact surface speed: transition, separation, skin friction and the drag polar at a Reynolds number</source>
        <comment>Study.boundaryLayerTab.tip</comment>
        <translation>The boundary layer on the exact surface speed: transition, separation, skin friction and the drag polar at a Reynolds number</translation>
    </message>
    <message>
        <source>&amp;Re</source>
        <comment>Study.reynolds</comment>
        <translation>&amp;Re</translation>
    </message>
    <message>
        <source>Reynolds number</source>
        <comment>Study.reynolds.name</comment>
        <translation>Reynolds number</translation>
    </message>
    <message>
        <source>The Reynolds number V∞ c / ν, on a logarithmic scale from 10⁴ to 10⁸; the methods are trustworthy for attached flow between about 10⁵ and 10⁷</source>
        <comment>Study.reynolds.tip</comment>
        <translation>The Reynolds number V∞ c / ν, on a logarithmic scale from 10⁴ to 10⁸; the methods are trustworthy for attached flow between about 10⁵ and 10⁷</translation>
    </message>
    <message>
        <source>&amp;N_crit</source>
        <comment>Study.ncrit</comment>
        <translation>&amp;N_crit</translation>
    </message>
    <message>
        <source>critical amplification factor N_crit</source>
        <comment>Study.ncrit.name</comment>
        <translation>critical amplification factor N_crit</translation>
    </message>
    <message>
        <source>The layer turns turbulent where the amplification factor of its most unstable waves reaches N_crit: 9 for a quiet wind tunnel or free flight, lower for a turbulent stream</source>
        <comment>Study.ncrit.tip</comment>
        <translation>The layer turns turbulent where the amplification factor of its most unstable waves reaches N_crit: 9 for a quiet wind tunnel or free flight, lower for a turbulent stream</translation>
    </message>
    <message>
        <source>profile with the displacement thickness</source>
        <comment>Study.layerProfile.name</comment>
        <translation>profile with the displacement thickness</translation>
    </message>
    <message>
        <source>The profile with its displacement thickness δ* drawn outside it on both sides, laminar and turbulent parts in their colours, transition and separation marked</source>
        <comment>Study.layerProfile.tip</comment>
        <translation>The profile with its displacement thickness δ* drawn outside it on both sides, laminar and turbulent parts in their colours, transition and separation marked</translation>
    </message>
    <message>
        <source>displacement thickness δ*, drawn %1 times thicker</source>
        <comment>Study.layerProfile.title</comment>
        <translation>displacement thickness δ*, drawn %1 times thicker</translation>
    </message>
    <message>
        <source>laminar</source>
        <comment>Study.laminar</comment>
        <translation>laminar</translation>
    </message>
    <message>
        <source>turbulent</source>
        <comment>Study.turbulent</comment>
        <translation>turbulent</translation>
    </message>
    <message>
        <source>transition</source>
        <comment>Study.transition</comment>
        <translation>transition</translation>
    </message>
    <message>
        <source>separation</source>
        <comment>Study.separation</comment>
        <translation>separation</translation>
    </message>
    <message>
        <source>skin friction Cf against x/c</source>
        <comment>Study.friction.name</comment>
        <translation>skin friction Cf against x/c</translation>
    </message>
    <message>
        <source>skin friction Cf</source>
        <comment>Study.friction.title</comment>
        <translation>skin friction Cf</translation>
    </message>
    <message>
        <source>shape factor H against x/c</source>
        <comment>Study.shapeFactor.name</comment>
        <translation>shape factor H against x/c</translation>
    </message>
    <message>
        <source>shape factor H</source>
        <comment>Study.shapeFactor.title</comment>
        <translation>shape factor H</translation>
    </message>
    <message>
        <source>upper side</source>
        <comment>Study.upper</comment>
        <translation>upper side</translation>
    </message>
    <message>
        <source>lower side</source>
        <comment>Study.lower</comment>
        <translation>lower side</translation>
    </message>
    <message>
        <source>drag polar CL against CD</source>
        <comment>Study.dragPolar.name</comment>
        <translation>drag polar CL against CD</translation>
    </message>
    <message>
        <source>The drag polar over the window&apos;s angles at this Reynolds number: the inviscid CL against the profile drag CD, the current angle marked</source>
        <comment>Study.dragPolar.tip</comment>
        <translation>The drag polar over the window&apos;s angles at this Reynolds number: the inviscid CL against the profile drag CD, the current angle marked</translation>
    </message>
    <message>
        <source>drag polar, CL against CD</source>
        <comment>Study.dragPolar.title</comment>
        <translation>drag polar, CL against CD</translation>
    </message>
    <message>
        <source>separated, no CD (at the right edge)</source>
        <comment>Study.dragPolar.separated</comment>
        <translation>separated, no CD (at the right edge)</translation>
    </message>
    <message>
        <source>separates in the last 5 % of the chord</source>
        <comment>Study.dragPolar.late</comment>
        <translation>separates in the last 5 % of the chord</translation>
    </message>
    <message>
        <source>the layer separates at every angle: no drag polar</source>
        <comment>Study.dragPolar.noDrag</comment>
        <translation>the layer separates at every angle: no drag polar</translation>
    </message>
    <message>
        <source>drag, lift over drag, transition and separation of the current state</source>
        <comment>Study.layerTable.name</comment>
        <translation>drag, lift over drag, transition and separation of the current state</translation>
    </message>
    <message>
        <source>value</source>
        <comment>Study.layerTable.value</comment>
        <translation>value</translation>
    </message>
    <message>
        <source>upper x/c</source>
        <comment>Study.layerTable.upper</comment>
        <translation>upper x/c</translation>
    </message>
    <message>
        <source>lower x/c</source>
        <comment>Study.layerTable.lower</comment>
        <translation>lower x/c</translation>
    </message>
    <message>
        <source>CD</source>
        <comment>Study.layerTable.CD</comment>
        <translation>CD</translation>
    </message>
    <message>
        <source>CD_friction</source>
        <comment>Study.layerTable.CD_friction</comment>
        <translation>CD_friction</translation>
    </message>
    <message>
        <source>L/D</source>
        <comment>Study.layerTable.L_over_D</comment>
        <translation>L/D</translation>
    </message>
    <message>
        <source>transition</source>
        <comment>Study.layerTable.transition</comment>
        <translation>transition</translation>
    </message>
    <message>
        <source>separation</source>
        <comment>Study.layerTable.separation</comment>
        <translation>separation</translation>
    </message>
    <message>
        <source>boundary-layer note</source>
        <comment>Study.layerNote.name</comment>
        <translation>boundary-layer note</translation>
    </message>
    <message>
        <source>CL and CM stay the exact inviscid values: the layer does not act back on the flow.</source>
        <comment>Study.layerNote.trust</comment>
        <translation>CL and CM stay the exact inviscid values: the layer does not act back on the flow.</translation>
    </message>
    <message>
        <source>Theory</source>
        <comment>Study.theoryTab</comment>
        <translation>Theory</translation>
    </message>
    <message>
        <source>Thin-airfoil theory of the camber line beside the exact Joukowski values: lift, moment about the quarter chord and the load along the chord</source>
        <comment>Study.theoryTab.tip</comment>
        <translation>Thin-airfoil theory of the camber line beside the exact Joukowski values: lift, moment about the quarter chord and the load along the chord</translation>
    </message>
    <message>
        <source>lift coefficient CL against angle of attack, exact and by thin-airfoil theory</source>
        <comment>Study.theory.lift.name</comment>
        <translation>lift coefficient CL against angle of attack, exact and by thin-airfoil theory</translation>
    </message>
    <message>
        <source>moment coefficient about the quarter chord against angle of attack, exact and by thin-airfoil theory</source>
        <comment>Study.theory.moment.name</comment>
        <translation>moment coefficient about the quarter chord against angle of attack, exact and by thin-airfoil theory</translation>
    </message>
    <message>
        <source>load ΔCp = Cp_lower − Cp_upper along the chord, exact and by thin-airfoil theory</source>
        <comment>Study.theory.load.name</comment>
        <translation>load ΔCp = Cp_lower − Cp_upper along the chord, exact and by thin-airfoil theory</translation>
    </message>
    <message>
        <source>angle of zero lift, lift slope and moment about the quarter chord, exact and by thin-airfoil theory</source>
        <comment>Study.theory.table.name</comment>
        <translation>angle of zero lift, lift slope and moment about the quarter chord, exact and by thin-airfoil theory</translation>
    </message>
    <message>
        <source>Camber line: the mean of the heights of the upper and the lower side at equal x/c. Thin-airfoil theory of it, with x/c = (1 − cos θ)/2 and dy/dx = B₀ + Σ Aₙ cos nθ: α_L0 = −(1/π) ∫ (dy/dx)(cos θ − 1) dθ over 0 to π, CL = 2π (α − α_L0), CM_c/4 = (π/4)(A₂ − A₁), ΔCp = 4 [A₀ (1 + cos θ)/sin θ + Σ Aₙ sin nθ], A₀ = α − B₀. Exact: the flow about the circle with the Kutta condition, CL = 8π (R/c) sin(α + β), α_L0 = −β, lift slope 8π R/c, CM_c/4 the moment law about (c/4, 0).</source>
        <comment>Study.theory.help</comment>
        <translation>Camber line: the mean of the heights of the upper and the lower side at equal x/c. Thin-airfoil theory of it, with x/c = (1 − cos θ)/2 and dy/dx = B₀ + Σ Aₙ cos nθ: α_L0 = −(1/π) ∫ (dy/dx)(cos θ − 1) dθ over 0 to π, CL = 2π (α − α_L0), CM_c/4 = (π/4)(A₂ − A₁), ΔCp = 4 [A₀ (1 + cos θ)/sin θ + Σ Aₙ sin nθ], A₀ = α − B₀. Exact: the flow about the circle with the Kutta condition, CL = 8π (R/c) sin(α + β), α_L0 = −β, lift slope 8π R/c, CM_c/4 the moment law about (c/4, 0).</translation>
    </message>
    <message>
        <source>exact (Joukowski)</source>
        <comment>Study.theory.exact</comment>
        <translation>exact (Joukowski)</translation>
    </message>
    <message>
        <source>thin-airfoil theory</source>
        <comment>Study.theory.thin</comment>
        <translation>thin-airfoil theory</translation>
    </message>
    <message>
        <source>angle of attack α (degrees)</source>
        <comment>Study.axis.alpha</comment>
        <translation>angle of attack α (degrees)</translation>
    </message>
    <message>
        <source>CL</source>
        <comment>Study.axis.CL</comment>
        <translation>CL</translation>
    </message>
    <message>
        <source>CM c/4</source>
        <comment>Study.axis.CM_c/4</comment>
        <translation>CM c/4</translation>
    </message>
    <message>
        <source>x/c</source>
        <comment>Study.axis.x/c</comment>
        <translation>x/c</translation>
    </message>
    <message>
        <source>ΔCp</source>
        <comment>Study.axis.load</comment>
        <translation>ΔCp</translation>
    </message>
    <message>
        <source>α of zero lift (°)</source>
        <comment>Study.theory.alphaZeroLift</comment>
        <translation>α of zero lift (°)</translation>
    </message>
    <message>
        <source>lift slope (per radian)</source>
        <comment>Study.theory.liftSlope</comment>
        <translation>lift slope (per radian)</translation>
    </message>
    <message>
        <source>CM about c/4</source>
        <comment>Study.theory.CM_c/4</comment>
        <translation>CM about c/4</translation>
    </message>
    <message>
        <source>exact</source>
        <comment>Study.theory.exactColumn</comment>
        <translation>exact</translation>
    </message>
    <message>
        <source>thin</source>
        <comment>Study.theory.thinColumn</comment>
        <translation>thin</translation>
    </message>
    <message>
        <source>exact − thin</source>
        <comment>Study.theory.difference</comment>
        <translation>exact − thin</translation>
    </message>
    <message>
        <source>pressure along the surface at M∞ with its supersonic part</source>
        <comment>Study.sonic.name</comment>
        <translation>pressure along the surface at M∞ with its supersonic part</translation>
    </message>
    <message>
        <source>Cp along x/c at M∞ on the upper side (thick) and the lower side (thin) by Prandtl–Glauert (magenta), Kármán–Tsien (blue) and Laitone (orange); the black line is Cp*. Shaded: where Cp lies below Cp* and the local flow is supersonic, its x/c extent written for each rule. Beneath: the profile with that part marked.</source>
        <comment>Study.sonic.tip</comment>
        <translation>Cp along x/c at M∞ on the upper side (thick) and the lower side (thin) by Prandtl–Glauert (magenta), Kármán–Tsien (blue) and Laitone (orange); the black line is Cp*. Shaded: where Cp lies below Cp* and the local flow is supersonic, its x/c extent written for each rule. Beneath: the profile with that part marked.</translation>
    </message>
    <message>
        <source>Cp* at M∞ = %1</source>
        <comment>Study.sonic.CpStar</comment>
        <translation>Cp* at M∞ = %1</translation>
    </message>
    <message>
        <source>thick: upper side, thin: lower side</source>
        <comment>Study.sonic.sides</comment>
        <translation>thick: upper side, thin: lower side</translation>
    </message>
    <message>
        <source>upper</source>
        <comment>Study.sonic.upper</comment>
        <translation>upper</translation>
    </message>
    <message>
        <source>lower</source>
        <comment>Study.sonic.lower</comment>
        <translation>lower</translation>
    </message>
    <message>
        <source>%1 x/c %2–%3</source>
        <comment>Study.sonic.stretch</comment>
        <translation>%1 x/c %2–%3</translation>
    </message>
    <message>
        <source>supersonic on %1</source>
        <comment>Study.sonic.extents</comment>
        <translation>supersonic on %1</translation>
    </message>
    <message>
        <source>subsonic all round</source>
        <comment>Study.sonic.subsonic</comment>
        <translation>subsonic all round</translation>
    </message>
    <message>
        <source>the rule has broken down</source>
        <comment>Study.sonic.brokenDown</comment>
        <translation>the rule has broken down</translation>
    </message>
    <message>
        <source>|M∞| ≥ 1: the free stream is not subsonic</source>
        <comment>Study.sonic.notSubsonic</comment>
        <translation>|M∞| ≥ 1: the free stream is not subsonic</translation>
    </message>
    <message>
        <source>Keep for comparison</source>
        <comment>Study.keep</comment>
        <translation>Keep for comparison</translation>
    </message>
    <message>
        <source>Keep the current profile with its angle of attack, moment reference and Mach number: every chart then shows it faintly beside the profile you set next.</source>
        <comment>Study.keep.tip</comment>
        <translation>Keep the current profile with its angle of attack, moment reference and Mach number: every chart then shows it faintly beside the profile you set next.</translation>
    </message>
    <message>
        <source>Clear comparison</source>
        <comment>Study.clear</comment>
        <translation>Clear comparison</translation>
    </message>
    <message>
        <source>Forget the kept profile.</source>
        <comment>Study.clear.tip</comment>
        <translation>Forget the kept profile.</translation>
    </message>
    <message>
        <source>Comparison</source>
        <comment>Study.comparisonTab</comment>
        <translation>Comparison</translation>
    </message>
    <message>
        <source>The current and the kept profile&apos;s numbers side by side, with their difference</source>
        <comment>Study.comparisonTab.tip</comment>
        <translation>The current and the kept profile&apos;s numbers side by side, with their difference</translation>
    </message>
    <message>
        <source>comparison table</source>
        <comment>Study.comparisonTable.name</comment>
        <translation>comparison table</translation>
    </message>
    <message>
        <source>Kept: %1</source>
        <comment>Study.kept</comment>
        <translation>Kept: %1</translation>
    </message>
    <message>
        <source>Nothing kept yet: “Keep for comparison” keeps the current profile, its angle and its Mach number.</source>
        <comment>Study.nothingKept</comment>
        <translation>Nothing kept yet: “Keep for comparison” keeps the current profile, its angle and its Mach number.</translation>
    </message>
    <message>
        <source>CD, L/D and the transitions: the boundary layer at Re = %1, N_crit = %2.</source>
        <comment>Study.comparisonLayer</comment>
        <translation>CD, L/D and the transitions: the boundary layer at Re = %1, N_crit = %2.</translation>
    </message>
    <message>
        <source>profile flow at x/c %1, y/c %2:   V/V∞ %3   Cp %4</source>
        <comment>Study.probe.profile</comment>
        <translation>profile flow at x/c %1, y/c %2:   V/V∞ %3   Cp %4</translation>
    </message>
    <message>
        <source>circle flow at ξ %1, η %2:   V/V∞ %3   Cp %4</source>
        <comment>Study.probe.circle</comment>
        <translation>circle flow at ξ %1, η %2:   V/V∞ %3   Cp %4</translation>
    </message>
    <message>
        <source>   (its image in the profile plane: x/c %1, y/c %2)</source>
        <comment>Study.probe.imagePoint</comment>
        <translation>   (its image in the profile plane: x/c %1, y/c %2)</translation>
    </message>
    <message>
        <source>   (profile flow at its image x/c %1, y/c %2:   V/V∞ %3   Cp %4)</source>
        <comment>Study.probe.imageReading</comment>
        <translation>   (profile flow at its image x/c %1, y/c %2:   V/V∞ %3   Cp %4)</translation>
    </message>
    <message>
        <source>%1 is past its critical Mach number %2</source>
        <comment>Study.warning.pastOne</comment>
        <translation>%1 is past its critical Mach number %2</translation>
    </message>
    <message>
        <source>%1 are past their critical Mach numbers %2</source>
        <comment>Study.warning.pastMany</comment>
        <translation>%1 are past their critical Mach numbers %2</translation>
    </message>
    <message>
        <source>; %1 is not yet</source>
        <comment>Study.warning.notYetOne</comment>
        <translation>; %1 is not yet</translation>
    </message>
    <message>
        <source>; %1 are not yet</source>
        <comment>Study.warning.notYetMany</comment>
        <translation>; %1 are not yet</translation>
    </message>
    <message>
        <source>, </source>
        <comment>Study.list.comma</comment>
        <translation>, </translation>
    </message>
    <message>
        <source> and </source>
        <comment>Study.list.and</comment>
        <translation> and </translation>
    </message>
    <message>
        <source>At M∞ this rule is past its critical Mach number: the flow reaches sonic speed on the surface and the correction no longer holds</source>
        <comment>Study.ruleTable.past.tip</comment>
        <translation>At M∞ this rule is past its critical Mach number: the flow reaches sonic speed on the surface and the correction no longer holds</translation>
    </message>
    <message>
        <source>stagnation point</source>
        <comment>Study.key.stagnation</comment>
        <translation>stagnation point</translation>
    </message>
    <message>
        <source>trailing edge: the Kutta condition; the flow leaves it at V/V∞ = %1</source>
        <comment>Study.key.trailingEdge</comment>
        <translation>trailing edge: the Kutta condition; the flow leaves it at V/V∞ = %1</translation>
    </message>
    <message>
        <source>sharp leading edge: infinite speed</source>
        <comment>Study.key.singularEdge</comment>
        <translation>sharp leading edge: infinite speed</translation>
    </message>
    <message>
        <source>pressure</source>
        <comment>Study.legend.pressure</comment>
        <translation>pressure</translation>
    </message>
    <message>
        <source>suction</source>
        <comment>Study.legend.suction</comment>
        <translation>suction</translation>
    </message>
    <message>
        <source>&lt; %1</source>
        <comment>Study.legend.below</comment>
        <translation>&lt; %1</translation>
    </message>
    <message>
        <source>min z %1</source>
        <comment>Study.legend.profileMinimum</comment>
        <translation>min z %1</translation>
    </message>
    <message>
        <source>min ζ %1</source>
        <comment>Study.legend.circleMinimum</comment>
        <translation>min ζ %1</translation>
    </message>
    <message>
        <source> (not drawn: unbounded suction)</source>
        <comment>Study.chart.notDrawnUnbounded</comment>
        <translation> (not drawn: unbounded suction)</translation>
    </message>
    <message>
        <source> (not drawn: no value below M 1)</source>
        <comment>Study.chart.notDrawn</comment>
        <translation> (not drawn: no value below M 1)</translation>
    </message>
    <message>
        <source>the flow turns round the sharp leading edge at unbounded speed, so the boundary layer separates there at once on the upper side; beyond this the attached-flow theory does not hold</source>
        <comment>Study.layerNote.sharpUpper</comment>
        <translation>the flow turns round the sharp leading edge at unbounded speed, so the boundary layer separates there at once on the upper side; beyond this the attached-flow theory does not hold</translation>
    </message>
    <message>
        <source>the flow turns round the sharp leading edge at unbounded speed, so the boundary layer separates there at once on the lower side; beyond this the attached-flow theory does not hold</source>
        <comment>Study.layerNote.sharpLower</comment>
        <translation>the flow turns round the sharp leading edge at unbounded speed, so the boundary layer separates there at once on the lower side; beyond this the attached-flow theory does not hold</translation>
    </message>
    <message>
        <source>the boundary layer reaches the trailing edge attached on both sides</source>
        <comment>Study.layerNote.attached</comment>
        <translation>the boundary layer reaches the trailing edge attached on both sides</translation>
    </message>
    <message>
        <source>the boundary layer separates %1; beyond this the attached-flow theory does not hold</source>
        <comment>Study.layerNote.separates</comment>
        <translation>the boundary layer separates %1; beyond this the attached-flow theory does not hold</translation>
    </message>
    <message>
        <source>the boundary layer separates %1, in the last 5 % of the chord; CD is taken from the layer at separation</source>
        <comment>Study.layerNote.separatesLate</comment>
        <translation>the boundary layer separates %1, in the last 5 % of the chord; CD is taken from the layer at separation</translation>
    </message>
    <message>
        <source>at x/c = %1 on the upper side</source>
        <comment>Study.layerNote.upperPlace</comment>
        <translation>at x/c = %1 on the upper side</translation>
    </message>
    <message>
        <source>at x/c = %1 on the lower side</source>
        <comment>Study.layerNote.lowerPlace</comment>
        <translation>at x/c = %1 on the lower side</translation>
    </message>
    <message>
        <source>current</source>
        <comment>Study.comparison.current</comment>
        <translation>current</translation>
    </message>
    <message>
        <source>kept</source>
        <comment>Study.comparison.kept</comment>
        <translation>kept</translation>
    </message>
    <message>
        <source>current − kept</source>
        <comment>Study.comparison.difference</comment>
        <translation>current − kept</translation>
    </message>
    <message>
        <source>critical M, %1</source>
        <comment>Study.comparison.criticalMach</comment>
        <translation>critical M, %1</translation>
    </message>
    <message>
        <source>transition x/c, upper</source>
        <comment>Study.comparison.transitionUpper</comment>
        <translation>transition x/c, upper</translation>
    </message>
    <message>
        <source>transition x/c, lower</source>
        <comment>Study.comparison.transitionLower</comment>
        <translation>transition x/c, lower</translation>
    </message>
</context>
</TS>
