// SPDX-License-Identifier: MIT
// The study window: the flow and the compressibility chart of the main window's current profile,
// redrawn each time a chain of the main window ends.
#pragma once

#include "model/chain.h"
#include "model/state.h"

#include <QWidget>

class QLabel;
class QTabWidget;
class QTableWidget;

namespace kestrel {
class SurfaceView;
}

namespace kestrel {

class StudyWindow : public QWidget {
public:
    // Reads the main window's state and chain values, which outlive it; has no owner window.
    StudyWindow(const State& state, const ChainValues& values);
    ~StudyWindow() override;

    // Shows the window, or brings it to the front when it is already open.
    void showAndRaise();
    // A chain of the main window has ended: redraw from its state now, or when next shown.
    void follow();

    QTabWidget* tabs() const { return tabs_; }
    // How often the window has redrawn from the main window's state.
    unsigned redraws() const { return redraws_; }

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QWidget* buildCompressibilityTab();
    void redraw();
    void redrawCompressibility();
    void restoreSettings();
    void saveSettings() const;

    const State& state_;
    const ChainValues& values_;
    QTabWidget* tabs_ = nullptr;
    QTableWidget* ruleTable_ = nullptr;
    QLabel* warning_ = nullptr;
    SurfaceView* chart_ = nullptr;
    bool stale_ = true;
    unsigned redraws_ = 0;
};

} // namespace kestrel
