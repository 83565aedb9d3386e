// SPDX-License-Identifier: MIT
// kestrel-screenshot [--lang tr|en] OUT.png [flow|compressibility|boundary-layer|theory [THICKNESS
// CAMBER ALPHA MACH]|comparison|kept TAB|ZOOM]: in the language given (else the table's own
// texts), drives the main window through a full set of user actions (Mach 0.5, thickness 12,
// camber 4, angle of attack 5, moment reference 25, or the inputs given) and saves a picture of it.
// With a study tab named, the study window is opened on that tab and shown to the right of the main
// window in the same picture. "comparison" keeps that profile for comparison, sets the camber to 0
// and shows the study window twice instead: on its Flow tab and on its Comparison tab. "kept" and a
// tab's name keep the symmetric profile (camber 0) instead, set the camber to 4 and show that tab
// with the kept profile's ghost. A zoom factor ("2") shows the main window at that zoom. Used to
// make the README's screenshots; runs on any Qt platform,
// including the offscreen one.
#include "plots/zoom.h"
#include "ui/comparison_tab.h"
#include "ui/flow_view.h"
#include "ui/form1.h"
#include "ui/kept_profile.h"
#include "ui/language.h"
#include "ui/study_window.h"

#include <QApplication>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QScrollBar>
#include <QTabWidget>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <optional>

namespace {

// The study tabs by name, in the study window's order.
constexpr const char* kTabNames[] = {"flow", "compressibility", "boundary-layer", "theory"};

// The tab's index, or -1 for no such tab.
int tabIndex(const char* name) {
    for (int i = 0; i < static_cast<int>(std::size(kTabNames)); ++i) {
        if (std::strcmp(name, kTabNames[i]) == 0) {
            return i;
        }
    }
    return -1;
}

// The main window's picture, and the study window's beside it on the window background.
QPixmap sideBySide(const QPixmap& main, const QPixmap& study) {
    constexpr int kGap = 12;
    const qreal ratio = main.devicePixelRatio();
    const QSize mainSize = main.deviceIndependentSize().toSize();
    const QSize studySize = study.deviceIndependentSize().toSize();
    QPixmap both(QSize(mainSize.width() + kGap + studySize.width(),
                       std::max(mainSize.height(), studySize.height())) *
                 ratio);
    both.setDevicePixelRatio(ratio);
    both.fill(QColor(96, 96, 96));
    QPainter painter(&both);
    painter.drawPixmap(0, 0, main);
    painter.drawPixmap(mainSize.width() + kGap, 0, study);
    return both;
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // Its own name keeps the study window's remembered geometry and tab apart from the user's.
    QApplication::setApplicationName(QStringLiteral("Kestrel screenshot"));
    if (argc >= 3 && std::strcmp(argv[1], "--lang") == 0) {
        const std::optional<kestrel::Language> language = kestrel::languageOfCode(argv[2]);
        if (!language) {
            std::fprintf(stderr, "kestrel-screenshot: --lang takes tr or en, not %s\n", argv[2]);
            return 2;
        }
        kestrel::setLanguage(*language);
        argv += 2;
        argc -= 2;
    }
    const bool comparison = argc == 3 && std::strcmp(argv[2], "comparison") == 0;
    const bool ghost = argc == 4 && std::strcmp(argv[2], "kept") == 0;
    const int tab = ghost ? tabIndex(argv[3]) : argc >= 3 && !comparison ? tabIndex(argv[2]) : -1;
    const bool inputsGiven = argc == 7;
    const std::optional<double> zoom =
        argc == 3 && tab < 0 && !comparison ? kestrel::zoomFactor(argv[2]) : std::nullopt;
    if (argc != 2 && !comparison && !zoom && !((argc == 3 || inputsGiven || ghost) && tab >= 0)) {
        std::fprintf(stderr, "usage: kestrel-screenshot [--lang tr|en] OUT.png "
                             "[flow|compressibility|boundary-layer|theory "
                             "[THICKNESS CAMBER ALPHA MACH]|comparison|kept TAB|ZOOM]\n");
        return 2;
    }
    const bool tabGiven = tab >= 0;
    kestrel::forgetKeptInputs();
    kestrel::Form1 window;
    window.setZoom(zoom.value_or(1));
    window.show();
    window.findChild<QLineEdit*>(QStringLiteral("Text_Moo"))
        ->setText(inputsGiven ? QString::fromLocal8Bit(argv[6]) : QStringLiteral("0.5"));
    const auto given = [&](int i, int fallback) {
        return inputsGiven ? std::atoi(argv[i]) : fallback;
    };
    // The camber first: every thickness-camber pair passed on the way is in the table.
    const std::pair<const char*, int> actions[] = {{"HScroll_Camber", given(4, ghost ? 0 : 4)},
                                                   {"HScroll_Thickness", given(3, 12)},
                                                   {"HScroll_AlfaD", given(5, 5)},
                                                   {"HScroll_xM", 25}};
    for (const auto& [name, value] : actions) {
        window.findChild<QScrollBar*>(QString::fromUtf8(name))->setValue(value);
    }
    QPixmap picture;
    if (comparison) {
        window.openStudyWindow();
        kestrel::StudyWindow* study = window.studyWindow();
        study->keep();
        window.findChild<QScrollBar*>(QStringLiteral("HScroll_Camber"))->setValue(0);
        study->resize(820, window.height());
        study->tabs()->setCurrentWidget(study->flowTab());
        QApplication::processEvents();
        const QPixmap flow = study->grab();
        study->tabs()->setCurrentWidget(study->comparisonTab());
        QApplication::processEvents();
        picture = sideBySide(flow, study->grab());
        study->clearKept();
    } else if (tabGiven) {
        window.openStudyWindow();
        kestrel::StudyWindow* study = window.studyWindow();
        if (ghost) {
            study->keep();
            window.findChild<QScrollBar*>(QStringLiteral("HScroll_Camber"))->setValue(4);
        }
        study->tabs()->setCurrentIndex(tab);
        // The Compressibility tab's two charts and its table want more height than the others.
        constexpr int kCompressibilityHeight = 780;
        study->resize(960, tab == 1 ? kCompressibilityHeight : window.height());
        QApplication::processEvents();
        picture = sideBySide(window.grab(), study->grab());
    } else {
        QApplication::processEvents();
        picture = window.grab();
    }
    if (!picture.save(QString::fromLocal8Bit(argv[1]))) {
        std::fprintf(stderr, "kestrel-screenshot: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
