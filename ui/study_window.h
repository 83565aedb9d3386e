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
class FlowTab;
class SurfaceView;
} // namespace kestrel

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
    FlowTab* flowTab() const { return flow_; }
    // How often the window has redrawn from the main window's state.
    unsigned redraws() const { return redraws_; }
    // Whether it took up the place and size it had when last closed.
    bool remembersItsPlace() const { return remembersItsPlace_; }

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QWidget* buildCompressibilityTab();
    void nameTabs();
    void nameRuleTable();
    void retranslate();
    void redraw();
    // Redraws the current tab if the main window's state changed since it last drew.
    void redrawCurrentTab();
    void redrawCompressibility();
    // Tells the Flow tab whether it can be seen, which runs or pauses its animation.
    void updateFlowSeen();
    void restoreSettings();
    void saveSettings() const;

    const State& state_;
    const ChainValues& values_;
    QTabWidget* tabs_ = nullptr;
    QTableWidget* ruleTable_ = nullptr;
    QLabel* warning_ = nullptr;
    SurfaceView* chart_ = nullptr;
    FlowTab* flow_ = nullptr;
    bool stale_ = true;
    bool flowStale_ = true;
    bool compressibilityStale_ = true;
    unsigned redraws_ = 0;
    bool remembersItsPlace_ = false;
};

} // namespace kestrel
