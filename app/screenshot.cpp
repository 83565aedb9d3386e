// SPDX-License-Identifier: MIT
// kestrel-screenshot OUT.png [flow|compressibility] [ZOOM]: drives the main window through a full
// set of user actions (Mach 0.5, thickness 12, camber 4, angle of attack 5, moment reference 25)
// and saves a picture of it. With a study tab named, the study window is opened on that tab and
// shown to the right of the main window in the same picture; with a zoom factor ("2"), both
// windows are shown at that zoom. Used to make the README's screenshots; runs on any Qt
// platform, including the offscreen one.
#include "plots/zoom.h"
#include "ui/form1.h"
#include "ui/study_window.h"

#include <QApplication>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QScrollBar>
#include <QTabWidget>
#include <cstdio>
#include <cstring>
#include <optional>

namespace {

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
    const bool tabGiven = argc >= 3 && (std::strcmp(argv[2], "flow") == 0 ||
                                        std::strcmp(argv[2], "compressibility") == 0);
    const int zoomAt = tabGiven ? 3 : 2;
    const std::optional<double> zoom =
        argc == zoomAt + 1 ? kestrel::zoomFactor(argv[zoomAt]) : std::optional<double>(1);
    if (argc < 2 || argc > zoomAt + 1 || !zoom) {
        std::fprintf(stderr, "usage: kestrel-screenshot OUT.png [flow|compressibility] [ZOOM]\n");
        return 2;
    }
    kestrel::Form1 window;
    window.setZoom(*zoom);
    window.show();
    window.findChild<QLineEdit*>(QStringLiteral("Text_Moo"))->setText(QStringLiteral("0.5"));
    const std::pair<const char*, int> actions[] = {
        {"HScroll_Thickness", 12}, {"HScroll_Camber", 4}, {"HScroll_AlfaD", 5}, {"HScroll_xM", 25}};
    for (const auto& [name, value] : actions) {
        window.findChild<QScrollBar*>(QString::fromUtf8(name))->setValue(value);
    }
    QPixmap picture;
    if (tabGiven) {
        window.openStudyWindow();
        kestrel::StudyWindow* study = window.studyWindow();
        study->tabs()->setCurrentIndex(std::strcmp(argv[2], "flow") == 0 ? 0 : 1);
        study->resize(static_cast<int>(960 * *zoom), window.height());
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
