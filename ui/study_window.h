// SPDX-License-Identifier: MIT
// The study window: the flow, the compressibility charts and thin-airfoil theory of the main
// window's current profile, redrawn each time a chain of the main window ends.
#pragma once

#include "model/chain.h"
#include "model/state.h"

#include <QFont>
#include <QWidget>
#include <functional>
#include <memory>

class QLabel;
class QPushButton;
class QTabWidget;
class QTableWidget;

namespace kestrel {
class BoundaryLayerTab;
class ComparisonTab;
class FlowTab;
class Ghost;
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

    // Shows its texts, pictures and their smallest sizes at the main window's zoom; the window
    // keeps its size, as a page does in a browser, growing only where its views need the room.
    void setZoom(double zoom);

    QTabWidget* tabs() const { return tabs_; }
    FlowTab* flowTab() const { return flow_; }
    BoundaryLayerTab* boundaryLayerTab() const { return layer_; }
    // How often the window has redrawn from the main window's state.
    unsigned redraws() const { return redraws_; }
    // Whether it took up the place and size it had when last closed.
    bool remembersItsPlace() const { return remembersItsPlace_; }

    // Where "Keep for comparison" reads the main window's inputs and Mach text.
    void setInputsSource(std::function<ChainInputs()> inputs);
    // Keeps the current inputs for comparison (remembered between runs), or forgets them; every
    // tab then redraws. A chart shows the kept profile by drawing with kept() (plots/ghost.h).
    void keep();
    void clearKept();
    const Ghost* kept() const { return kept_.get(); }
    QPushButton* keepButton() const { return keepButton_; }
    QPushButton* clearButton() const { return clearButton_; }
    ComparisonTab* comparisonTab() const { return comparison_; }

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QWidget* buildCompressibilityTab();
    QWidget* buildTheoryTab();
    void nameTabs();
    void nameRuleTable();
    void nameTheoryTable();
    void retranslate();
    void redraw();
    // Redraws the current tab if the main window's state changed since it last drew.
    void redrawCurrentTab();
    void redrawCompressibility();
    void redrawTheory();
    // Tells the Flow tab whether it can be seen, which runs or pauses its animation.
    void updateFlowSeen();
    // The rule table as high as its rows, at the zoom.
    void fitRuleTable();
    void restoreSettings();
    void saveSettings() const;
    QLayout* buildComparisonBar();
    void setKept(std::shared_ptr<const Ghost> kept);
    void updateComparisonButtons();

    const State& state_;
    const ChainValues& values_;
    QTabWidget* tabs_ = nullptr;
    QTableWidget* ruleTable_ = nullptr;
    QLabel* warning_ = nullptr;
    SurfaceView* chart_ = nullptr;
    SurfaceView* sonicChart_ = nullptr;
    FlowTab* flow_ = nullptr;
    BoundaryLayerTab* layer_ = nullptr;
    ComparisonTab* comparison_ = nullptr;
    QPushButton* keepButton_ = nullptr;
    QPushButton* clearButton_ = nullptr;
    std::function<ChainInputs()> inputs_;
    std::shared_ptr<const Ghost> kept_;
    bool comparisonStale_ = true;
    bool stale_ = true;
    bool flowStale_ = true;
    bool compressibilityStale_ = true;
    bool layerStale_ = true;
    QWidget* theory_ = nullptr;
    SurfaceView* theoryLift_ = nullptr;
    SurfaceView* theoryMoment_ = nullptr;
    SurfaceView* theoryLoad_ = nullptr;
    QTableWidget* theoryTable_ = nullptr;
    bool theoryStale_ = true;
    unsigned redraws_ = 0;
    bool remembersItsPlace_ = false;
    QFont actualFont_;    // the window's font at the actual size
    int actualRowHeight_; // the rule table's rows at the actual size
    double zoom_ = 1;
};

} // namespace kestrel
