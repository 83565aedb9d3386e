// SPDX-License-Identifier: MIT
// The case the study window's benchmarks measure: the main window shown at 12 % thickness, 4 %
// camber, 5 degrees and Mach 0.5, and the study window open beside it at its first size.
#pragma once

#include "ui/form1.h"
#include "ui/study_window.h"

#include <QApplication>
#include <QLineEdit>
#include <QScrollBar>
#include <utility>

namespace kestrel::bench {

inline StudyWindow* openStudyCase(Form1& form) {
    form.show();
    form.findChild<QLineEdit*>(QStringLiteral("Text_Moo"))->setText(QStringLiteral("0.5"));
    const std::pair<const char*, int> positions[] = {
        {"HScroll_Thickness", 12}, {"HScroll_Camber", 4}, {"HScroll_AlfaD", 5}};
    for (const auto& [name, value] : positions) {
        form.findChild<QScrollBar*>(QString::fromUtf8(name))->setValue(value);
    }
    form.openStudyWindow();
    StudyWindow* study = form.studyWindow();
    study->resize(960, 560); // the study window's size when first opened
    QApplication::processEvents();
    return study;
}

} // namespace kestrel::bench
