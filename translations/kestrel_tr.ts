<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr_TR">
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
        <translation>bu profil veritabanında yok</translation>
    </message>
    <message>
        <source>An error stopped this update: %1</source>
        <comment>Form1.updateStopped</comment>
        <translation>Bir hata bu güncellemeyi durdurdu: %1</translation>
    </message>
    <message>
        <source>Sıkıştırılabilme etkisi</source>
        <comment>Form1.Frame3</comment>
        <translation>Sıkıştırılabilme etkisi</translation>
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
        <translation>kaldırma katsayısı CL</translation>
    </message>
    <message>
        <source>moment coefficient CM</source>
        <comment>Form1.Text1.name</comment>
        <translation>moment katsayısı CM</translation>
    </message>
    <message>
        <source>free-stream Mach number</source>
        <comment>Form1.Text_Moo.name</comment>
        <translation>serbest akım Mach sayısı</translation>
    </message>
    <message>
        <source>inputs</source>
        <comment>Form1.Frame1.name</comment>
        <translation>girdiler</translation>
    </message>
    <message>
        <source>results</source>
        <comment>Form1.Frame2.name</comment>
        <translation>sonuçlar</translation>
    </message>
    <message>
        <source>circle plane</source>
        <comment>Form1.daire.name</comment>
        <translation>daire düzlemi</translation>
    </message>
    <message>
        <source>profile</source>
        <comment>Form1.profil.name</comment>
        <translation>profil</translation>
    </message>
    <message>
        <source>pressure distribution 1-Cp</source>
        <comment>Form1.pressure.name</comment>
        <translation>basınç dağılımı 1-Cp</translation>
    </message>
    <message>
        <source>lift coefficient CL against angle of attack</source>
        <comment>Form1.Picture_CL.name</comment>
        <translation>hücum açısına karşı kaldırma katsayısı CL</translation>
    </message>
    <message>
        <source>moment coefficient CM against angle of attack</source>
        <comment>Form1.Picture_CM.name</comment>
        <translation>hücum açısına karşı moment katsayısı CM</translation>
    </message>
    <message>
        <source>OK</source>
        <comment>Form1.ok</comment>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <comment>Form1.languageMenu</comment>
        <translation>&amp;Dil</translation>
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
        <translation>kalınlık oranı t/c</translation>
    </message>
    <message>
        <source>camber ratio f/c</source>
        <comment>Form1.input.camber</comment>
        <translation>kamburluk oranı f/c</translation>
    </message>
    <message>
        <source>number of points on the profile</source>
        <comment>Form1.input.points</comment>
        <translation>profil üzerindeki nokta sayısı</translation>
    </message>
    <message>
        <source>angle of attack</source>
        <comment>Form1.input.alpha</comment>
        <translation>hücum açısı</translation>
    </message>
    <message>
        <source>moment reference point x/c</source>
        <comment>Form1.input.xm</comment>
        <translation>moment referans noktası x/c</translation>
    </message>
    <message>
        <source>hundredths of the chord</source>
        <comment>Form1.unit.hundredths</comment>
        <translation>veter uzunluğunun yüzde biri</translation>
    </message>
    <message>
        <source>points</source>
        <comment>Form1.unit.points</comment>
        <translation>nokta</translation>
    </message>
    <message>
        <source>degrees</source>
        <comment>Form1.unit.degrees</comment>
        <translation>derece</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <comment>Form1.scrollBar.name</comment>
        <translation>%1 (%2)</translation>
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
        <translation>Kapat</translation>
    </message>
</context>
<context>
    <name>Page</name>
    <message>
        <source>Loading…</source>
        <comment>Page.loading</comment>
        <translation>Yükleniyor…</translation>
    </message>
    <message>
        <source>Kestrel could not start: %1</source>
        <comment>Page.startFailed</comment>
        <translation>Kestrel başlatılamadı: %1</translation>
    </message>
</context>
<context>
    <name>PlotMenu</name>
    <message>
        <source>Study window</source>
        <comment>PlotMenu.study</comment>
        <translation>İnceleme penceresi</translation>
    </message>
    <message>
        <source>Copy picture</source>
        <comment>PlotMenu.copyPicture</comment>
        <translation>Resmi kopyala</translation>
    </message>
    <message>
        <source>Save picture…</source>
        <comment>PlotMenu.savePicture</comment>
        <translation>Resmi kaydet…</translation>
    </message>
    <message>
        <source>Save data…</source>
        <comment>PlotMenu.saveData</comment>
        <translation>Verileri kaydet…</translation>
    </message>
    <message>
        <source>Save picture</source>
        <comment>PlotMenu.savePictureTitle</comment>
        <translation>Resmi kaydet</translation>
    </message>
    <message>
        <source>Save data</source>
        <comment>PlotMenu.saveDataTitle</comment>
        <translation>Verileri kaydet</translation>
    </message>
    <message>
        <source>PNG picture (*.png);;SVG picture (*.svg)</source>
        <comment>PlotMenu.pictureFilters</comment>
        <translation>PNG resmi (*.png);;SVG resmi (*.svg)</translation>
    </message>
    <message>
        <source>CSV table (*.csv)</source>
        <comment>PlotMenu.dataFilters</comment>
        <translation>CSV tablosu (*.csv)</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <comment>PlotMenu.cannotWrite</comment>
        <translation>%1 yazılamıyor: %2</translation>
    </message>
    <message>
        <source>is not a regular file</source>
        <comment>PlotMenu.notRegularFile</comment>
        <translation>sıradan bir dosya değil</translation>
    </message>
</context>
<context>
    <name>Study</name>
    <message>
        <source>Kestrel - Study</source>
        <comment>Study.title</comment>
        <translation>Kestrel - İnceleme</translation>
    </message>
    <message>
        <source>Study</source>
        <comment>Study.button</comment>
        <translation>İnceleme</translation>
    </message>
    <message>
        <source>The flow and the compressibility chart of the current profile</source>
        <comment>Study.button.tip</comment>
        <translation>Geçerli profilin akışı ve sıkıştırılabilirlik grafiği</translation>
    </message>
    <message>
        <source>Close the study views</source>
        <comment>Study.close</comment>
        <translation>İnceleme görünümlerini kapat</translation>
    </message>
    <message>
        <source>study views</source>
        <comment>Study.tabs.name</comment>
        <translation>inceleme görünümleri</translation>
    </message>
    <message>
        <source>Flow</source>
        <comment>Study.flowTab</comment>
        <translation>Akış</translation>
    </message>
    <message>
        <source>Streamlines and pressure about the circle and the profile, with a probe, the mapping and particles</source>
        <comment>Study.flowTab.tip</comment>
        <translation>Daire ve profil çevresinde akım çizgileri ve basınç; sonda, dönüşüm ve parçacıklarla</translation>
    </message>
    <message>
        <source>Compressibility</source>
        <comment>Study.compressibilityTab</comment>
        <translation>Sıkıştırılabilirlik</translation>
    </message>
    <message>
        <source>Cp* and Cp_min against the Mach number, and the compressibility rules at M∞</source>
        <comment>Study.compressibilityTab.tip</comment>
        <translation>Mach sayısına karşı Cp* ve Cp_min, ve M∞ değerinde sıkıştırılabilirlik kuralları</translation>
    </message>
    <message>
        <source>flow picture</source>
        <comment>Study.flowView.name</comment>
        <translation>akış resmi</translation>
    </message>
    <message>
        <source>The flow about the profile. Left: the circle plane, carried towards the profile plane by the Mapping slider; right: the profile plane. Shading: the pressure coefficient Cp; dark lines: streamlines, the dividing streamline wider; white dots: the stagnation points.</source>
        <comment>Study.flowView.tip</comment>
        <translation>Profil çevresindeki akış. Solda: Dönüşüm sürgüsüyle profil düzlemine doğru taşınan daire düzlemi; sağda: profil düzlemi. Gölgelendirme: basınç katsayısı Cp; koyu çizgiler: akım çizgileri, ayırıcı akım çizgisi daha kalın; beyaz noktalar: durma noktaları.</translation>
    </message>
    <message>
        <source>&amp;Mapping</source>
        <comment>Study.mapping</comment>
        <translation>&amp;Dönüşüm</translation>
    </message>
    <message>
        <source>Mapping from the circle plane to the profile plane</source>
        <comment>Study.mapping.name</comment>
        <translation>Daire düzleminden profil düzlemine dönüşüm</translation>
    </message>
    <message>
        <source>Carries the left picture from the circle plane (left end) to the profile plane (right end): every point ζ moves to ζ + t·(z(ζ) − ζ), z the Joukowski mapping.</source>
        <comment>Study.mapping.tip</comment>
        <translation>Sol resmi daire düzleminden (sol uç) profil düzlemine (sağ uç) taşır: her ζ noktası ζ + t·(z(ζ) − ζ) noktasına gider; z, Joukowski dönüşümüdür.</translation>
    </message>
    <message>
        <source>&amp;Particles</source>
        <comment>Study.particles</comment>
        <translation>&amp;Parçacıklar</translation>
    </message>
    <message>
        <source>Particles</source>
        <comment>Study.particles.name</comment>
        <translation>Parçacıklar</translation>
    </message>
    <message>
        <source>Fluid particles carried along the streamlines at the local speed of the flow</source>
        <comment>Study.particles.tip</comment>
        <translation>Akım çizgileri boyunca akışın yerel hızıyla taşınan akışkan parçacıkları</translation>
    </message>
    <message>
        <source>probe reading</source>
        <comment>Study.probe.name</comment>
        <translation>sonda okuması</translation>
    </message>
    <message>
        <source>The flow under the mouse: position x/c, y/c in the profile plane, speed over the free-stream speed V/V∞, and the pressure coefficient Cp</source>
        <comment>Study.probe.tip</comment>
        <translation>Farenin altındaki akış: profil düzleminde x/c, y/c konumu, serbest akım hızına oranla hız V/V∞ ve basınç katsayısı Cp</translation>
    </message>
    <message>
        <source>Move the mouse over the flow to read it.</source>
        <comment>Study.probe.hint</comment>
        <translation>Akışı okumak için fareyi akışın üzerinde gezdirin.</translation>
    </message>
    <message>
        <source>inside the profile</source>
        <comment>Study.probe.inside</comment>
        <translation>profilin içinde</translation>
    </message>
    <message>
        <source>lift, moment, minimum pressure and critical Mach number of each compressibility rule</source>
        <comment>Study.ruleTable.name</comment>
        <translation>her sıkıştırılabilirlik kuralının kaldırma, moment, en düşük basınç ve kritik Mach sayısı</translation>
    </message>
    <message>
        <source>Lift coefficient at M∞: the corrected surface pressure integrated around the profile, chord 1</source>
        <comment>Study.ruleTable.CL.tip</comment>
        <translation>M∞ değerinde kaldırma katsayısı: düzeltilmiş yüzey basıncının profil çevresinde integrali, veter 1</translation>
    </message>
    <message>
        <source>Pitching-moment coefficient about the moment reference point at M∞</source>
        <comment>Study.ruleTable.CM.tip</comment>
        <translation>M∞ değerinde moment referans noktasına göre yunuslama momenti katsayısı</translation>
    </message>
    <message>
        <source>The smallest pressure coefficient on the surface, corrected for M∞</source>
        <comment>Study.ruleTable.Cp_min.tip</comment>
        <translation>Yüzeydeki en küçük basınç katsayısı, M∞ için düzeltilmiş</translation>
    </message>
    <message>
        <source>The free-stream Mach number at which the corrected Cp_min reaches Cp*, the pressure of sonic speed</source>
        <comment>Study.ruleTable.criticalMach.tip</comment>
        <translation>Düzeltilmiş Cp_min değerinin ses hızının basıncı Cp* değerine ulaştığı serbest akım Mach sayısı</translation>
    </message>
    <message>
        <source>warning</source>
        <comment>Study.warning.name</comment>
        <translation>uyarı</translation>
    </message>
    <message>
        <source>compressibility chart</source>
        <comment>Study.chart.name</comment>
        <translation>sıkıştırılabilirlik grafiği</translation>
    </message>
    <message>
        <source>Cp*, the pressure coefficient at which the local flow reaches sonic speed (black), and the smallest surface pressure coefficient Cp_min corrected by Prandtl–Glauert (magenta), Kármán–Tsien (blue) and Laitone (orange), against the free-stream Mach number. A dot marks each rule&apos;s critical Mach number; the grey line is M∞.</source>
        <comment>Study.chart.tip</comment>
        <translation>Serbest akım Mach sayısına karşı: yerel akışın ses hızına ulaştığı basınç katsayısı Cp* (siyah) ve Prandtl–Glauert (eflatun), Kármán–Tsien (mavi) ve Laitone (turuncu) ile düzeltilmiş en küçük yüzey basınç katsayısı Cp_min. Bir nokta her kuralın kritik Mach sayısını gösterir; gri çizgi M∞ değeridir.</translation>
    </message>
    <message>
        <source>Circle plane ζ</source>
        <comment>Study.flow.circlePlane</comment>
        <translation>Daire düzlemi ζ</translation>
    </message>
    <message>
        <source>Profile plane z</source>
        <comment>Study.flow.profilePlane</comment>
        <translation>Profil düzlemi z</translation>
    </message>
    <message>
        <source>Mapping ζ → z, t = %1</source>
        <comment>Study.flow.mapping</comment>
        <translation>Dönüşüm ζ → z, t = %1</translation>
    </message>
    <message>
        <source>(circle plane ξ %1, η %2)</source>
        <comment>Study.probe.circlePoint</comment>
        <translation>(daire düzlemi ξ %1, η %2)</translation>
    </message>
    <message>
        <source>free-stream Mach number M∞</source>
        <comment>Study.chart.machAxis</comment>
        <translation>serbest akım Mach sayısı M∞</translation>
    </message>
    <message>
        <source>Cp*: the local flow reaches sonic speed</source>
        <comment>Study.chart.criticalPressure</comment>
        <translation>Cp*: yerel akış ses hızına ulaşır</translation>
    </message>
    <message>
        <source>Cp_min, %1</source>
        <comment>Study.chart.minimumPressure</comment>
        <translation>Cp_min, %1</translation>
    </message>
    <message>
        <source>Unbounded suction round the sharp leading edge: no Cp_min, no critical Mach number</source>
        <comment>Study.chart.unboundedSuction</comment>
        <translation>Keskin hücum kenarı çevresinde sınırsız emme: Cp_min yok, kritik Mach sayısı yok</translation>
    </message>
    <message>
        <source>incompressible</source>
        <comment>Study.rule.incompressible</comment>
        <translation>sıkıştırılamaz</translation>
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
        <translation>kritik M</translation>
    </message>
    <message>
        <source>the flow reaches sonic speed; the corrections no longer hold</source>
        <comment>Study.warning.sonic</comment>
        <translation>akış ses hızına ulaşıyor; düzeltmeler artık geçerli değil</translation>
    </message>
    <message>
        <source>|M∞| ≥ 1: the free stream is not subsonic, and none of these rules applies</source>
        <comment>Study.warning.notSubsonic</comment>
        <translation>|M∞| ≥ 1: serbest akım ses altı değil ve bu kuralların hiçbiri geçerli değil</translation>
    </message>
    <message>
        <source>No profile yet: move a scroll bar or click a plot of the main window.</source>
        <comment>Study.warning.noProfile</comment>
        <translation>Henüz profil yok: ana pencerede bir kaydırma çubuğunu oynatın ya da bir grafiğe tıklayın.</translation>
    </message>
</context>
</TS>
