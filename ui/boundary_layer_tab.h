// SPDX-License-Identifier: MIT
// The study window's Boundary layer tab: the Reynolds number on a logarithmic slider and N_crit,
// both remembered; the profile with its displacement thickness, Cf and H along both sides, the
// drag polar with the current angle, and the table of drag, transition and separation.
#pragma once

#include "model/boundary_layer_view.h"
#include "model/state.h"
#include "plots/boundary_layer_plots.h"

#include <QWidget>
#include <memory>
#include <optional>

class QDoubleSpinBox;
class QLabel;
class QSlider;
class QTableWidget;

namespace kestrel {

class SurfaceView;

class BoundaryLayerTab : public QWidget {
public:
    explicit BoundaryLayerTab(QWidget* parent = nullptr);

    // Computes and draws the layer of the state (which must outlive the tab's use of it); clears
    // the pictures and dashes the table when it holds no profile.
    void setState(const State& s);
    // The profile kept for comparison, drawn faintly in every picture from the next drawing on;
    // its layer is computed once for each Reynolds number and N_crit.
    void setKept(std::shared_ptr<const Ghost> kept) { kept_ = std::move(kept); }

    // The options the controls give.
    BoundaryLayerOptions options() const;
    QSlider* reynoldsSlider() const { return reynolds_; }
    QDoubleSpinBox* ncritBox() const { return ncrit_; }
    SurfaceView* profileView() const { return profile_; }
    SurfaceView* frictionView() const { return friction_; }
    SurfaceView* shapeFactorView() const { return shape_; }
    SurfaceView* polarView() const { return polar_; }
    QTableWidget* table() const { return table_; }
    QLabel* note() const { return note_; }
    // The layer and polar drawn last; none without a profile.
    const std::optional<BoundaryLayerView>& view() const { return view_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    QWidget* buildControls();
    void buildTable();
    // The table's headers in the current language.
    void nameTable();
    void restoreSettings();
    void saveSettings() const;
    // The controls changed: remember them and draw again.
    void optionsChanged();
    void showReynolds(int position);
    void redraw();
    void drawProfile();
    void fillTable(const LayerTable& table);
    // The kept profile's layer at the controls' options, beside a drawn current one.
    std::optional<KeptLayer> keptLayer() const;

    const State* state_ = nullptr;
    std::optional<BoundaryLayerView> view_;
    std::shared_ptr<const Ghost> kept_;
    QSlider* reynolds_ = nullptr;
    QLabel* reynoldsText_ = nullptr;
    QDoubleSpinBox* ncrit_ = nullptr;
    SurfaceView* profile_ = nullptr;
    SurfaceView* friction_ = nullptr;
    SurfaceView* shape_ = nullptr;
    SurfaceView* polar_ = nullptr;
    QTableWidget* table_ = nullptr;
    QLabel* note_ = nullptr;
};

} // namespace kestrel
