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
        <translation>taşıma katsayısı CL</translation>
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
        <translation>hücum açısına karşı taşıma katsayısı CL</translation>
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
    <message>
        <source>Zoom &amp;in</source>
        <comment>Form1.Mn_ZoomIn</comment>
        <translation>&amp;Yakınlaştır</translation>
    </message>
    <message>
        <source>Zoom &amp;out</source>
        <comment>Form1.Mn_ZoomOut</comment>
        <translation>&amp;Uzaklaştır</translation>
    </message>
    <message>
        <source>&amp;Actual size</source>
        <comment>Form1.Mn_ZoomReset</comment>
        <translation>&amp;Gerçek boyut</translation>
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
    <name>Options</name>
    <message>
        <source>Opens the windows at this zoom, a factor from %1 to %2 (2 for 200 %); otherwise at the last zoom chosen with Ctrl + plus, Ctrl + minus and Ctrl + 0.</source>
        <comment>Options.zoom</comment>
        <translation>Pencereleri bu yakınlaştırmayla açar: %1 ile %2 arasında bir çarpan (yüzde 200 için 2); verilmezse Ctrl + artı, Ctrl + eksi ve Ctrl + 0 ile en son seçilen yakınlaştırmayla.</translation>
    </message>
    <message>
        <source>--zoom must be a number from %1 to %2 (2 opens the windows at 200 %), got &quot;%3&quot;</source>
        <comment>Options.zoom.bad</comment>
        <translation>--zoom %1 ile %2 arasında bir sayı olmalı (2 pencereleri yüzde 200 açar), verilen: &quot;%3&quot;</translation>
    </message>
    <message>
        <source>unexpected argument &quot;%1&quot;</source>
        <comment>Options.unexpected</comment>
        <translation>beklenmeyen bağımsız değişken &quot;%1&quot;</translation>
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
        <translation>her sıkıştırılabilirlik kuralının taşıma, moment, en düşük basınç ve kritik Mach sayısı</translation>
    </message>
    <message>
        <source>Lift coefficient at M∞: the corrected surface pressure integrated around the profile, chord 1</source>
        <comment>Study.ruleTable.CL.tip</comment>
        <translation>M∞ değerinde taşıma katsayısı: düzeltilmiş yüzey basıncının profil çevresinde integrali, veter 1</translation>
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
    <message>
        <source>The flow about the profile. Left: the circle plane, carried towards the profile plane by the Mapping slider; right: the profile plane. Shading: the pressure coefficient Cp; dark lines: streamlines, the dividing streamline wider; white dots: the stagnation points; green diamond: the trailing edge, which the flow leaves at a finite speed (Kutta condition).</source>
        <comment>Study.flowView.tip</comment>
        <translation>Profil çevresindeki akış. Solda: Dönüşüm sürgüsüyle profil düzlemine doğru taşınan daire düzlemi; sağda: profil düzlemi. Gölgelendirme: basınç katsayısı Cp; koyu çizgiler: akım çizgileri, ayırıcı akım çizgisi daha kalın; beyaz noktalar: durma noktaları; yeşil baklava: akışın sonlu bir hızla terk ettiği firar kenarı (Kutta koşulu).</translation>
    </message>
    <message>
        <source>The flow under the mouse, of the plane it is over: in the profile plane x/c, y/c and the profile&apos;s flow; in the circle plane ξ, η and the circle&apos;s own flow, with the image point in the profile plane; speed over the free-stream speed V/V∞ and the pressure coefficient Cp</source>
        <comment>Study.probe.tip</comment>
        <translation>Farenin altındaki akış, farenin üzerinde durduğu düzlemde: profil düzleminde x/c, y/c ve profilin akışı; daire düzleminde ξ, η ve dairenin kendi akışı, profil düzlemindeki görüntü noktasıyla birlikte; serbest akım hızına oranla hız V/V∞ ve basınç katsayısı Cp</translation>
    </message>
    <message>
        <source>Boundary layer</source>
        <comment>Study.boundaryLayerTab</comment>
        <translation>Sınır tabakası</translation>
    </message>
    <message>
        <source>The boundary layer on the exact surface speed: transition, separation, skin friction and the drag polar at a Reynolds number</source>
        <comment>Study.boundaryLayerTab.tip</comment>
        <translation>Tam yüzey hızı üzerinde sınır tabakası: bir Reynolds sayısında geçiş, ayrılma, yüzey sürtünmesi ve sürükleme poları</translation>
    </message>
    <message>
        <source>&amp;Re</source>
        <comment>Study.reynolds</comment>
        <translation>&amp;Re</translation>
    </message>
    <message>
        <source>Reynolds number</source>
        <comment>Study.reynolds.name</comment>
        <translation>Reynolds sayısı</translation>
    </message>
    <message>
        <source>The Reynolds number V∞ c / ν, on a logarithmic scale from 10⁴ to 10⁸; the methods are trustworthy for attached flow between about 10⁵ and 10⁷</source>
        <comment>Study.reynolds.tip</comment>
        <translation>Reynolds sayısı V∞ c / ν, 10⁴ ile 10⁸ arasında logaritmik ölçekte; yöntemler yaklaşık 10⁵ ile 10⁷ arasında, ayrılmamış akışta güvenilirdir</translation>
    </message>
    <message>
        <source>&amp;N_crit</source>
        <comment>Study.ncrit</comment>
        <translation>&amp;N_crit</translation>
    </message>
    <message>
        <source>critical amplification factor N_crit</source>
        <comment>Study.ncrit.name</comment>
        <translation>kritik büyüme çarpanı N_crit</translation>
    </message>
    <message>
        <source>The layer turns turbulent where the amplification factor of its most unstable waves reaches N_crit: 9 for a quiet wind tunnel or free flight, lower for a turbulent stream</source>
        <comment>Study.ncrit.tip</comment>
        <translation>Tabaka, en kararsız dalgalarının büyüme çarpanı N_crit değerine ulaştığı yerde türbülanslı olur: sessiz bir rüzgâr tüneli ya da serbest uçuş için 9, türbülanslı bir akım için daha düşük</translation>
    </message>
    <message>
        <source>profile with the displacement thickness</source>
        <comment>Study.layerProfile.name</comment>
        <translation>yer değiştirme kalınlığıyla profil</translation>
    </message>
    <message>
        <source>The profile with its displacement thickness δ* drawn outside it on both sides, laminar and turbulent parts in their colours, transition and separation marked</source>
        <comment>Study.layerProfile.tip</comment>
        <translation>Yer değiştirme kalınlığı δ* her iki yanda dışına çizilmiş profil; laminer ve türbülanslı kısımlar kendi renklerinde, geçiş ve ayrılma işaretli</translation>
    </message>
    <message>
        <source>displacement thickness δ*, drawn %1 times thicker</source>
        <comment>Study.layerProfile.title</comment>
        <translation>yer değiştirme kalınlığı δ*, %1 kat kalın çizilmiş</translation>
    </message>
    <message>
        <source>laminar</source>
        <comment>Study.laminar</comment>
        <translation>laminer</translation>
    </message>
    <message>
        <source>turbulent</source>
        <comment>Study.turbulent</comment>
        <translation>türbülanslı</translation>
    </message>
    <message>
        <source>transition</source>
        <comment>Study.transition</comment>
        <translation>geçiş</translation>
    </message>
    <message>
        <source>separation</source>
        <comment>Study.separation</comment>
        <translation>ayrılma</translation>
    </message>
    <message>
        <source>skin friction Cf against x/c</source>
        <comment>Study.friction.name</comment>
        <translation>x/c değerine karşı yüzey sürtünmesi Cf</translation>
    </message>
    <message>
        <source>skin friction Cf</source>
        <comment>Study.friction.title</comment>
        <translation>yüzey sürtünmesi Cf</translation>
    </message>
    <message>
        <source>shape factor H against x/c</source>
        <comment>Study.shapeFactor.name</comment>
        <translation>x/c değerine karşı biçim çarpanı H</translation>
    </message>
    <message>
        <source>shape factor H</source>
        <comment>Study.shapeFactor.title</comment>
        <translation>biçim çarpanı H</translation>
    </message>
    <message>
        <source>upper side</source>
        <comment>Study.upper</comment>
        <translation>üst yüz</translation>
    </message>
    <message>
        <source>lower side</source>
        <comment>Study.lower</comment>
        <translation>alt yüz</translation>
    </message>
    <message>
        <source>drag polar CL against CD</source>
        <comment>Study.dragPolar.name</comment>
        <translation>sürükleme poları, CD değerine karşı CL</translation>
    </message>
    <message>
        <source>The drag polar over the window&apos;s angles at this Reynolds number: the inviscid CL against the profile drag CD, the current angle marked</source>
        <comment>Study.dragPolar.tip</comment>
        <translation>Bu Reynolds sayısında pencerenin açıları üzerinden sürükleme poları: profil sürüklemesi CD değerine karşı viskoz olmayan CL, geçerli açı işaretli</translation>
    </message>
    <message>
        <source>drag polar, CL against CD</source>
        <comment>Study.dragPolar.title</comment>
        <translation>sürükleme poları, CD değerine karşı CL</translation>
    </message>
    <message>
        <source>separated, no CD (at the right edge)</source>
        <comment>Study.dragPolar.separated</comment>
        <translation>ayrılmış, CD yok (sağ kenarda)</translation>
    </message>
    <message>
        <source>separates in the last 5 % of the chord</source>
        <comment>Study.dragPolar.late</comment>
        <translation>veterin son yüzde 5&apos;lik kısmında ayrılır</translation>
    </message>
    <message>
        <source>the layer separates at every angle: no drag polar</source>
        <comment>Study.dragPolar.noDrag</comment>
        <translation>tabaka her açıda ayrılıyor: sürükleme poları yok</translation>
    </message>
    <message>
        <source>drag, lift over drag, transition and separation of the current state</source>
        <comment>Study.layerTable.name</comment>
        <translation>geçerli durumun sürüklemesi, taşıma/sürükleme oranı, geçişi ve ayrılması</translation>
    </message>
    <message>
        <source>value</source>
        <comment>Study.layerTable.value</comment>
        <translation>değer</translation>
    </message>
    <message>
        <source>upper x/c</source>
        <comment>Study.layerTable.upper</comment>
        <translation>üst x/c</translation>
    </message>
    <message>
        <source>lower x/c</source>
        <comment>Study.layerTable.lower</comment>
        <translation>alt x/c</translation>
    </message>
    <message>
        <source>CD</source>
        <comment>Study.layerTable.CD</comment>
        <translation>CD</translation>
    </message>
    <message>
        <source>CD_friction</source>
        <comment>Study.layerTable.CD_friction</comment>
        <translation>CD_sürtünme</translation>
    </message>
    <message>
        <source>L/D</source>
        <comment>Study.layerTable.L_over_D</comment>
        <translation>L/D</translation>
    </message>
    <message>
        <source>transition</source>
        <comment>Study.layerTable.transition</comment>
        <translation>geçiş</translation>
    </message>
    <message>
        <source>separation</source>
        <comment>Study.layerTable.separation</comment>
        <translation>ayrılma</translation>
    </message>
    <message>
        <source>boundary-layer note</source>
        <comment>Study.layerNote.name</comment>
        <translation>sınır tabakası notu</translation>
    </message>
    <message>
        <source>CL and CM stay the exact inviscid values: the layer does not act back on the flow.</source>
        <comment>Study.layerNote.trust</comment>
        <translation>CL ve CM viskoz olmayan tam değerlerinde kalır: tabaka akışı geri etkilemez.</translation>
    </message>
    <message>
        <source>Theory</source>
        <comment>Study.theoryTab</comment>
        <translation>Teori</translation>
    </message>
    <message>
        <source>Thin-airfoil theory of the camber line beside the exact Joukowski values: lift, moment about the quarter chord and the load along the chord</source>
        <comment>Study.theoryTab.tip</comment>
        <translation>Kamburluk çizgisinin ince kanat teorisi, tam Joukowski değerlerinin yanında: taşıma, çeyrek vetere göre moment ve veter boyunca yük</translation>
    </message>
    <message>
        <source>lift coefficient CL against angle of attack, exact and by thin-airfoil theory</source>
        <comment>Study.theory.lift.name</comment>
        <translation>hücum açısına karşı taşıma katsayısı CL, tam ve ince kanat teorisiyle</translation>
    </message>
    <message>
        <source>moment coefficient about the quarter chord against angle of attack, exact and by thin-airfoil theory</source>
        <comment>Study.theory.moment.name</comment>
        <translation>hücum açısına karşı çeyrek vetere göre moment katsayısı, tam ve ince kanat teorisiyle</translation>
    </message>
    <message>
        <source>load ΔCp = Cp_lower − Cp_upper along the chord, exact and by thin-airfoil theory</source>
        <comment>Study.theory.load.name</comment>
        <translation>veter boyunca yük ΔCp = Cp_alt − Cp_üst, tam ve ince kanat teorisiyle</translation>
    </message>
    <message>
        <source>angle of zero lift, lift slope and moment about the quarter chord, exact and by thin-airfoil theory</source>
        <comment>Study.theory.table.name</comment>
        <translation>sıfır taşıma açısı, taşıma eğimi ve çeyrek vetere göre moment, tam ve ince kanat teorisiyle</translation>
    </message>
    <message>
        <source>Camber line: the mean of the heights of the upper and the lower side at equal x/c. Thin-airfoil theory of it, with x/c = (1 − cos θ)/2 and dy/dx = B₀ + Σ Aₙ cos nθ: α_L0 = −(1/π) ∫ (dy/dx)(cos θ − 1) dθ over 0 to π, CL = 2π (α − α_L0), CM_c/4 = (π/4)(A₂ − A₁), ΔCp = 4 [A₀ (1 + cos θ)/sin θ + Σ Aₙ sin nθ], A₀ = α − B₀. Exact: the flow about the circle with the Kutta condition, CL = 8π (R/c) sin(α + β), α_L0 = −β, lift slope 8π R/c, CM_c/4 the moment law about (c/4, 0).</source>
        <comment>Study.theory.help</comment>
        <translation>Kamburluk çizgisi: eşit x/c değerinde üst ve alt yüz yüksekliklerinin ortalaması. Onun ince kanat teorisi, x/c = (1 − cos θ)/2 ve dy/dx = B₀ + Σ Aₙ cos nθ ile: α_L0 = −(1/π) ∫ (dy/dx)(cos θ − 1) dθ, 0&apos;dan π&apos;ye, CL = 2π (α − α_L0), CM_c/4 = (π/4)(A₂ − A₁), ΔCp = 4 [A₀ (1 + cos θ)/sin θ + Σ Aₙ sin nθ], A₀ = α − B₀. Tam: Kutta koşuluyla daire çevresindeki akış, CL = 8π (R/c) sin(α + β), α_L0 = −β, taşıma eğimi 8π R/c, CM_c/4 ise (c/4, 0) noktasına göre moment yasası.</translation>
    </message>
    <message>
        <source>exact (Joukowski)</source>
        <comment>Study.theory.exact</comment>
        <translation>tam (Joukowski)</translation>
    </message>
    <message>
        <source>thin-airfoil theory</source>
        <comment>Study.theory.thin</comment>
        <translation>ince kanat teorisi</translation>
    </message>
    <message>
        <source>angle of attack α (degrees)</source>
        <comment>Study.axis.alpha</comment>
        <translation>hücum açısı α (derece)</translation>
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
        <translation>sıfır taşıma açısı α (°)</translation>
    </message>
    <message>
        <source>lift slope (per radian)</source>
        <comment>Study.theory.liftSlope</comment>
        <translation>taşıma eğimi (radyan başına)</translation>
    </message>
    <message>
        <source>CM about c/4</source>
        <comment>Study.theory.CM_c/4</comment>
        <translation>c/4&apos;e göre CM</translation>
    </message>
    <message>
        <source>exact</source>
        <comment>Study.theory.exactColumn</comment>
        <translation>tam</translation>
    </message>
    <message>
        <source>thin</source>
        <comment>Study.theory.thinColumn</comment>
        <translation>ince</translation>
    </message>
    <message>
        <source>exact − thin</source>
        <comment>Study.theory.difference</comment>
        <translation>tam − ince</translation>
    </message>
    <message>
        <source>pressure along the surface at M∞ with its supersonic part</source>
        <comment>Study.sonic.name</comment>
        <translation>M∞ değerinde yüzey boyunca basınç ve ses üstü kısmı</translation>
    </message>
    <message>
        <source>Cp along x/c at M∞ on the upper side (thick) and the lower side (thin) by Prandtl–Glauert (magenta), Kármán–Tsien (blue) and Laitone (orange); the black line is Cp*. Shaded: where Cp lies below Cp* and the local flow is supersonic, its x/c extent written for each rule. Beneath: the profile with that part marked.</source>
        <comment>Study.sonic.tip</comment>
        <translation>M∞ değerinde x/c boyunca Cp, üst yüzde (kalın) ve alt yüzde (ince), Prandtl–Glauert (eflatun), Kármán–Tsien (mavi) ve Laitone (turuncu) ile; siyah çizgi Cp* değeridir. Gölgeli: Cp değerinin Cp* altında kaldığı ve yerel akışın ses üstü olduğu yer, x/c aralığı her kural için yazılı. Altta: o kısmı işaretlenmiş profil.</translation>
    </message>
    <message>
        <source>Cp* at M∞ = %1</source>
        <comment>Study.sonic.CpStar</comment>
        <translation>M∞ = %1 için Cp*</translation>
    </message>
    <message>
        <source>thick: upper side, thin: lower side</source>
        <comment>Study.sonic.sides</comment>
        <translation>kalın: üst yüz, ince: alt yüz</translation>
    </message>
    <message>
        <source>upper</source>
        <comment>Study.sonic.upper</comment>
        <translation>üst</translation>
    </message>
    <message>
        <source>lower</source>
        <comment>Study.sonic.lower</comment>
        <translation>alt</translation>
    </message>
    <message>
        <source>%1 x/c %2–%3</source>
        <comment>Study.sonic.stretch</comment>
        <translation>%1 x/c %2–%3</translation>
    </message>
    <message>
        <source>supersonic on %1</source>
        <comment>Study.sonic.extents</comment>
        <translation>ses üstü: %1</translation>
    </message>
    <message>
        <source>subsonic all round</source>
        <comment>Study.sonic.subsonic</comment>
        <translation>her yerde ses altı</translation>
    </message>
    <message>
        <source>the rule has broken down</source>
        <comment>Study.sonic.brokenDown</comment>
        <translation>kural geçerliliğini yitirdi</translation>
    </message>
    <message>
        <source>|M∞| ≥ 1: the free stream is not subsonic</source>
        <comment>Study.sonic.notSubsonic</comment>
        <translation>|M∞| ≥ 1: serbest akım ses altı değil</translation>
    </message>
    <message>
        <source>Keep for comparison</source>
        <comment>Study.keep</comment>
        <translation>Karşılaştırma için sakla</translation>
    </message>
    <message>
        <source>Keep the current profile with its angle of attack, moment reference and Mach number: every chart then shows it faintly beside the profile you set next.</source>
        <comment>Study.keep.tip</comment>
        <translation>Geçerli profili hücum açısı, moment referansı ve Mach sayısıyla saklar: bundan sonra her grafik onu, sonra ayarlayacağınız profilin yanında soluk olarak gösterir.</translation>
    </message>
    <message>
        <source>Clear comparison</source>
        <comment>Study.clear</comment>
        <translation>Karşılaştırmayı temizle</translation>
    </message>
    <message>
        <source>Forget the kept profile.</source>
        <comment>Study.clear.tip</comment>
        <translation>Saklanan profili unut.</translation>
    </message>
    <message>
        <source>Comparison</source>
        <comment>Study.comparisonTab</comment>
        <translation>Karşılaştırma</translation>
    </message>
    <message>
        <source>The current and the kept profile&apos;s numbers side by side, with their difference</source>
        <comment>Study.comparisonTab.tip</comment>
        <translation>Geçerli ve saklanan profilin sayıları yan yana, farklarıyla birlikte</translation>
    </message>
    <message>
        <source>comparison table</source>
        <comment>Study.comparisonTable.name</comment>
        <translation>karşılaştırma tablosu</translation>
    </message>
    <message>
        <source>Kept: %1</source>
        <comment>Study.kept</comment>
        <translation>Saklanan: %1</translation>
    </message>
    <message>
        <source>Nothing kept yet: “Keep for comparison” keeps the current profile, its angle and its Mach number.</source>
        <comment>Study.nothingKept</comment>
        <translation>Henüz saklanan yok: “Karşılaştırma için sakla” geçerli profili, açısını ve Mach sayısını saklar.</translation>
    </message>
    <message>
        <source>CD, L/D and the transitions: the boundary layer at Re = %1, N_crit = %2.</source>
        <comment>Study.comparisonLayer</comment>
        <translation>CD, L/D ve geçişler: Re = %1, N_crit = %2 için sınır tabakası.</translation>
    </message>
    <message>
        <source>profile flow at x/c %1, y/c %2:   V/V∞ %3   Cp %4</source>
        <comment>Study.probe.profile</comment>
        <translation>x/c %1, y/c %2 noktasında profil akışı:   V/V∞ %3   Cp %4</translation>
    </message>
    <message>
        <source>circle flow at ξ %1, η %2:   V/V∞ %3   Cp %4</source>
        <comment>Study.probe.circle</comment>
        <translation>ξ %1, η %2 noktasında daire akışı:   V/V∞ %3   Cp %4</translation>
    </message>
    <message>
        <source>   (its image in the profile plane: x/c %1, y/c %2)</source>
        <comment>Study.probe.imagePoint</comment>
        <translation>   (profil düzlemindeki görüntüsü: x/c %1, y/c %2)</translation>
    </message>
    <message>
        <source>   (profile flow at its image x/c %1, y/c %2:   V/V∞ %3   Cp %4)</source>
        <comment>Study.probe.imageReading</comment>
        <translation>   (görüntüsü x/c %1, y/c %2 noktasında profil akışı:   V/V∞ %3   Cp %4)</translation>
    </message>
    <message>
        <source>%1 is past its critical Mach number %2</source>
        <comment>Study.warning.pastOne</comment>
        <translation>%1 kritik Mach sayısı %2 değerini geçti</translation>
    </message>
    <message>
        <source>%1 are past their critical Mach numbers %2</source>
        <comment>Study.warning.pastMany</comment>
        <translation>%1 kritik Mach sayıları %2 değerlerini geçti</translation>
    </message>
    <message>
        <source>; %1 is not yet</source>
        <comment>Study.warning.notYetOne</comment>
        <translation>; %1 henüz geçmedi</translation>
    </message>
    <message>
        <source>; %1 are not yet</source>
        <comment>Study.warning.notYetMany</comment>
        <translation>; %1 henüz geçmedi</translation>
    </message>
    <message>
        <source>, </source>
        <comment>Study.list.comma</comment>
        <translation>, </translation>
    </message>
    <message>
        <source> and </source>
        <comment>Study.list.and</comment>
        <translation> ve </translation>
    </message>
    <message>
        <source>At M∞ this rule is past its critical Mach number: the flow reaches sonic speed on the surface and the correction no longer holds</source>
        <comment>Study.ruleTable.past.tip</comment>
        <translation>M∞ değerinde bu kural kritik Mach sayısını geçti: akış yüzeyde ses hızına ulaşıyor ve düzeltme artık geçerli değil</translation>
    </message>
    <message>
        <source>stagnation point</source>
        <comment>Study.key.stagnation</comment>
        <translation>durma noktası</translation>
    </message>
    <message>
        <source>trailing edge: the Kutta condition; the flow leaves it at V/V∞ = %1</source>
        <comment>Study.key.trailingEdge</comment>
        <translation>firar kenarı: Kutta koşulu; akış onu V/V∞ = %1 ile terk eder</translation>
    </message>
    <message>
        <source>sharp leading edge: infinite speed</source>
        <comment>Study.key.singularEdge</comment>
        <translation>keskin hücum kenarı: sonsuz hız</translation>
    </message>
    <message>
        <source>pressure</source>
        <comment>Study.legend.pressure</comment>
        <translation>basınç</translation>
    </message>
    <message>
        <source>suction</source>
        <comment>Study.legend.suction</comment>
        <translation>emme</translation>
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
        <translation> (çizilmedi: sınırsız emme)</translation>
    </message>
    <message>
        <source> (not drawn: no value below M 1)</source>
        <comment>Study.chart.notDrawn</comment>
        <translation> (çizilmedi: M 1 altında değer yok)</translation>
    </message>
    <message>
        <source>the flow turns round the sharp leading edge at unbounded speed, so the boundary layer separates there at once on the upper side; beyond this the attached-flow theory does not hold</source>
        <comment>Study.layerNote.sharpUpper</comment>
        <translation>akış keskin hücum kenarını sınırsız hızla dönüyor, bu yüzden sınır tabakası üst yüzde orada hemen ayrılıyor; bunun ötesinde ayrılmamış akış teorisi geçerli değil</translation>
    </message>
    <message>
        <source>the flow turns round the sharp leading edge at unbounded speed, so the boundary layer separates there at once on the lower side; beyond this the attached-flow theory does not hold</source>
        <comment>Study.layerNote.sharpLower</comment>
        <translation>akış keskin hücum kenarını sınırsız hızla dönüyor, bu yüzden sınır tabakası alt yüzde orada hemen ayrılıyor; bunun ötesinde ayrılmamış akış teorisi geçerli değil</translation>
    </message>
    <message>
        <source>the boundary layer reaches the trailing edge attached on both sides</source>
        <comment>Study.layerNote.attached</comment>
        <translation>sınır tabakası her iki yüzde de firar kenarına ayrılmadan ulaşıyor</translation>
    </message>
    <message>
        <source>the boundary layer separates %1; beyond this the attached-flow theory does not hold</source>
        <comment>Study.layerNote.separates</comment>
        <translation>sınır tabakası %1 ayrılıyor; bunun ötesinde ayrılmamış akış teorisi geçerli değil</translation>
    </message>
    <message>
        <source>the boundary layer separates %1, in the last 5 % of the chord; CD is taken from the layer at separation</source>
        <comment>Study.layerNote.separatesLate</comment>
        <translation>sınır tabakası %1, veterin son yüzde 5&apos;lik kısmında ayrılıyor; CD ayrılma noktasındaki tabakadan alınıyor</translation>
    </message>
    <message>
        <source>at x/c = %1 on the upper side</source>
        <comment>Study.layerNote.upperPlace</comment>
        <translation>üst yüzde x/c = %1 noktasında</translation>
    </message>
    <message>
        <source>at x/c = %1 on the lower side</source>
        <comment>Study.layerNote.lowerPlace</comment>
        <translation>alt yüzde x/c = %1 noktasında</translation>
    </message>
    <message>
        <source>current</source>
        <comment>Study.comparison.current</comment>
        <translation>geçerli</translation>
    </message>
    <message>
        <source>kept</source>
        <comment>Study.comparison.kept</comment>
        <translation>saklanan</translation>
    </message>
    <message>
        <source>current − kept</source>
        <comment>Study.comparison.difference</comment>
        <translation>geçerli − saklanan</translation>
    </message>
    <message>
        <source>critical M, %1</source>
        <comment>Study.comparison.criticalMach</comment>
        <translation>kritik M, %1</translation>
    </message>
    <message>
        <source>transition x/c, upper</source>
        <comment>Study.comparison.transitionUpper</comment>
        <translation>geçiş x/c, üst</translation>
    </message>
    <message>
        <source>transition x/c, lower</source>
        <comment>Study.comparison.transitionLower</comment>
        <translation>geçiş x/c, alt</translation>
    </message>
</context>
</TS>
