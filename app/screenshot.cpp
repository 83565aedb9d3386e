// SPDX-License-Identifier: MIT
// kestrel-screenshot OUT.png: drives the main window through a full set of user actions
// (Mach 0.3, thickness 12, camber 4, angle of attack 5, moment reference 25) and saves a
// picture of it. Used to make the screenshot in the README; runs on any Qt platform,
// including the offscreen one.
#include "ui/form1.h"

#include <QApplication>
#include <QLineEdit>
#include <QPixmap>
#include <QScrollBar>
#include <cstdio>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kestrel"));
    if (argc != 2) {
        std::fprintf(stderr, "usage: kestrel-screenshot OUT.png\n");
        return 2;
    }
    kestrel::Form1 window;
    window.show();
    window.findChild<QLineEdit*>(QStringLiteral("Text_Moo"))->setText(QStringLiteral("0.3"));
    const std::pair<const char*, int> actions[] = {
        {"HScroll_Thickness", 12}, {"HScroll_Camber", 4}, {"HScroll_AlfaD", 5}, {"HScroll_xM", 25}};
    for (const auto& [name, value] : actions) {
        window.findChild<QScrollBar*>(QString::fromUtf8(name))->setValue(value);
    }
    QApplication::processEvents();
    if (!window.grab().save(QString::fromLocal8Bit(argv[1]))) {
        std::fprintf(stderr, "kestrel-screenshot: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
