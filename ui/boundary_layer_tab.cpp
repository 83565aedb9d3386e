// SPDX-License-Identifier: MIT
#include "ui/boundary_layer_tab.h"

#include "model/coefficients.h"
#include "model/texts.h"
#include "plots/boundary_layer_plots.h"
#include "ui/language.h"
#include "ui/qt_text.h"
#include "ui/surface_view.h"

#include <QDoubleSpinBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QSettings>
#include <QSlider>
#include <QTableWidget>
#include <QVBoxLayout>
#include <exception>

namespace kestrel {

namespace {

const QString kReynoldsKey = QStringLiteral("study/reynolds");
const QString kNcritKey = QStringLiteral("study/ncrit");

SurfaceView* plotView(const char* name, TextId accessibleName, TextId tip) {
    auto* view = new SurfaceView;
    view->setObjectName(QString::fromLatin1(name));
    showText(view, TextRole::AccessibleName, accessibleName);
    if (tip != TextId::None) {
        showText(view, TextRole::ToolTip, tip);
    }
    view->setMinimumSize(200, 120);
    return view;
}

} // namespace

BoundaryLayerTab::BoundaryLayerTab(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("boundaryLayerTab"));
    profile_ = plotView("layerProfile", TextId::LayerProfileName, TextId::LayerProfileTip);
    profile_->installEventFilter(this);
    friction_ = plotView("frictionPlot", TextId::FrictionName, TextId::None);
    shape_ = plotView("shapeFactorPlot", TextId::ShapeFactorName, TextId::None);
    polar_ = plotView("dragPolar", TextId::DragPolarName, TextId::DragPolarTip);
    buildTable();
    note_ = new QLabel;
    note_->setObjectName(QStringLiteral("layerNote"));
    showText(note_, TextRole::AccessibleName, TextId::LayerNoteName);
    note_->setWordWrap(true);

    auto* curves = new QHBoxLayout;
    curves->addWidget(friction_);
    curves->addWidget(shape_);
    auto* left = new QVBoxLayout;
    left->addWidget(buildControls());
    left->addWidget(profile_, 1);
    left->addLayout(curves, 1);
    auto* right = new QVBoxLayout;
    right->addWidget(polar_, 1);
    right->addWidget(table_);
    right->addWidget(note_);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left, 3);
    layout->addLayout(right, 2);
    restoreSettings();
}

QWidget* BoundaryLayerTab::buildControls() {
    auto* box = new QWidget;
    reynolds_ = new QSlider(Qt::Horizontal);
    reynolds_->setObjectName(QStringLiteral("reynoldsSlider"));
    showText(reynolds_, TextRole::AccessibleName, TextId::ReynoldsName);
    showText(reynolds_, TextRole::ToolTip, TextId::ReynoldsTip);
    reynolds_->setRange(0, kReynoldsSteps);
    reynolds_->setPageStep(kReynoldsStepsPerDecade);
    reynolds_->setTickInterval(kReynoldsStepsPerDecade);
    reynolds_->setTickPosition(QSlider::TicksBelow);
    // Like the main window's scroll bars: one change when the thumb is let go.
    reynolds_->setTracking(false);
    reynoldsText_ = new QLabel;
    reynoldsText_->setObjectName(QStringLiteral("reynoldsText"));
    reynoldsText_->setMinimumWidth(90);
    auto* reynoldsLabel = new QLabel;
    showText(reynoldsLabel, TextRole::Text, TextId::ReynoldsLabel);
    reynoldsLabel->setBuddy(reynolds_);
    ncrit_ = new QDoubleSpinBox;
    ncrit_->setObjectName(QStringLiteral("ncritBox"));
    showText(ncrit_, TextRole::AccessibleName, TextId::NcritName);
    showText(ncrit_, TextRole::ToolTip, TextId::NcritTip);
    ncrit_->setRange(kMinNcrit, kMaxNcrit);
    ncrit_->setSingleStep(kNcritStep);
    ncrit_->setDecimals(kNcritDecimals);
    ncrit_->setKeyboardTracking(false);
    auto* ncritLabel = new QLabel;
    showText(ncritLabel, TextRole::Text, TextId::NcritLabel);
    ncritLabel->setBuddy(ncrit_);
    auto* row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(reynoldsLabel);
    row->addWidget(reynolds_, 1);
    row->addWidget(reynoldsText_);
    row->addSpacing(16);
    row->addWidget(ncritLabel);
    row->addWidget(ncrit_);
    connect(reynolds_, &QSlider::sliderMoved, this, [this](int p) { showReynolds(p); });
    connect(reynolds_, &QSlider::valueChanged, this, [this] { optionsChanged(); });
    connect(ncrit_, &QDoubleSpinBox::valueChanged, this, [this] { optionsChanged(); });
    return box;
}

void BoundaryLayerTab::buildTable() {
    table_ = new QTableWidget(kLayerTableRows, kLayerTableColumns);
    table_->setObjectName(QStringLiteral("layerTable"));
    showText(table_, TextRole::AccessibleName, TextId::LayerTableName);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    nameTable();
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    table_->setFixedHeight(table_->verticalHeader()->length() +
                           table_->horizontalHeader()->height() + 4);
}

void BoundaryLayerTab::nameTable() {
    for (int c = 0; c < kLayerTableColumns; ++c) {
        table_->setHorizontalHeaderItem(c, new QTableWidgetItem(textOf(kLayerTableColumnNames[c])));
    }
    for (int r = 0; r < kLayerTableRows; ++r) {
        table_->setVerticalHeaderItem(r, new QTableWidgetItem(textOf(kLayerTableRowNames[r])));
    }
}

void BoundaryLayerTab::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) {
        nameTable(); // the pictures and the note follow at the study window's next redraw
    }
}

void BoundaryLayerTab::restoreSettings() {
    const QSettings settings;
    const double reynolds = settings.value(kReynoldsKey, kDefaultReynolds).toDouble();
    const double ncrit = settings.value(kNcritKey, kDefaultNcrit).toDouble();
    const QSignalBlocker blockSlider(reynolds_);
    const QSignalBlocker blockBox(ncrit_);
    reynolds_->setValue(reynoldsPosition(reynolds));
    ncrit_->setValue(ncrit); // clamped to its range by the box
    showReynolds(reynolds_->value());
}

void BoundaryLayerTab::saveSettings() const {
    QSettings settings;
    settings.setValue(kReynoldsKey, reynoldsAtPosition(reynolds_->value()));
    settings.setValue(kNcritKey, ncrit_->value());
}

BoundaryLayerOptions BoundaryLayerTab::options() const {
    BoundaryLayerOptions options;
    options.reynolds = reynoldsAtPosition(reynolds_->value());
    options.ncrit = ncrit_->value();
    return options;
}

void BoundaryLayerTab::showReynolds(int position) {
    reynoldsText_->setText(qtText("Re = " + reynoldsText(reynoldsAtPosition(position))));
}

void BoundaryLayerTab::optionsChanged() {
    showReynolds(reynolds_->value());
    saveSettings();
    if (state_ != nullptr) {
        redraw();
    }
}

void BoundaryLayerTab::setState(const State& s) {
    state_ = &s;
    redraw();
}

void BoundaryLayerTab::redraw() {
    view_.reset();
    LayerTable table = emptyLayerTable(currentTexts());
    if (profileExists(*state_)) {
        try {
            view_ = boundaryLayerView(*state_, options());
            table = layerTable(*view_, currentTexts());
        } catch (const std::exception& e) {
            table.note = e.what();
        }
    }
    if (view_) {
        const std::optional<KeptLayer> kept = keptLayer();
        const KeptLayer* k = kept ? &*kept : nullptr;
        drawSkinFriction(friction_->surface(), view_->layer, k, currentTexts());
        drawShapeFactor(shape_->surface(), view_->layer, k, currentTexts());
        drawDragPolar(polar_->surface(), view_->polar, view_->alpha, k, currentTexts());
    } else {
        friction_->surface().Cls();
        shape_->surface().Cls();
        polar_->surface().Cls();
    }
    drawProfile();
    fillTable(table);
}

void BoundaryLayerTab::drawProfile() {
    if (!view_) {
        profile_->surface().Cls();
        return;
    }
    const double aspect =
        profile_->height() > 0 ? static_cast<double>(profile_->width()) / profile_->height() : 2.0;
    const std::optional<KeptLayer> kept = keptLayer();
    drawLayerProfile(profile_->surface(), *state_, view_->layer, aspect, kept ? &*kept : nullptr,
                     currentTexts());
}

std::optional<KeptLayer> BoundaryLayerTab::keptLayer() const {
    return kestrel::keptLayer(kept_.get(), options());
}

void BoundaryLayerTab::fillTable(const LayerTable& table) {
    for (int r = 0; r < kLayerTableRows; ++r) {
        for (int c = 0; c < kLayerTableColumns; ++c) {
            table_->setItem(r, c, new QTableWidgetItem(qtText(table.cells[r][c])));
        }
    }
    note_->setText(qtText(table.note) + QStringLiteral("\n") + textOf(TextId::LayerTrustNote));
}

bool BoundaryLayerTab::eventFilter(QObject* watched, QEvent* event) {
    if (watched == profile_ && event->type() == QEvent::Resize && view_) {
        drawProfile(); // the profile keeps its shape at the new size
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace kestrel
