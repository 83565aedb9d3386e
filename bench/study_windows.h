// SPDX-License-Identifier: MIT
// The main window shown at 12 % thickness, 4 % camber, 5 degrees and Mach 0.5 with the study
// window open beside it at its first size: the windows of the study and zoom benchmarks.
#pragma once

#include "ui/form1.h"
#include "ui/study_window.h"

#include <QApplication>
#include <QLineEdit>
#include <QScrollBar>
#include <utility>

namespace kestrel::bench {

// Shows `form` at that state, opens its study window and returns it.
inline StudyWindow* openStudyWindow(Form1& form) {
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
