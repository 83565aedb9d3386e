// SPDX-License-Identifier: MIT
#include "ui/study_window.h"

#include "model/coefficients.h"
#include "model/compressibility.h"
#include "model/rule_table.h"
#include "plots/compressibility_chart.h"
#include "plots/window_layout.h"
#include "plots/zoom.h"
#include "ui/flow_view.h"
#include "ui/qt_text.h"
#include "ui/surface_view.h"
#include "ui/window_geometry.h"

#include <QApplication>
#include <QCloseEvent>
#include <QEvent>
#include <QHeaderView>
#include <QLabel>
#include <QSettings>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>
#include <cmath>
#include <string_view>

namespace kestrel {

namespace {

QString textOf(TextId id) {
    return qtText(uiText(id));
}

// The chart's smallest size at the actual size.
constexpr int kChartMinimumWidth = 320;
constexpr int kChartMinimumHeight = 200;

const QString kColumnTips[] = {textOf(TextId::LiftColumnTip), textOf(TextId::MomentColumnTip),
                               textOf(TextId::CpMinColumnTip),
                               textOf(TextId::CriticalMachColumnTip)};

} // namespace

StudyWindow::StudyWindow(const State& state, const ChainValues& values)
    : QWidget(nullptr), state_(state), values_(values) {
    setObjectName(QStringLiteral("StudyWindow"));
    setWindowTitle(textOf(TextId::StudyTitle));
    setAttribute(Qt::WA_QuitOnClose, false);
    tabs_ = new QTabWidget(this);
    tabs_->setObjectName(QStringLiteral("studyTabs"));
    tabs_->setAccessibleName(textOf(TextId::StudyTabsName));
    flow_ = new FlowTab;
    tabs_->addTab(flow_, textOf(TextId::FlowTab));
    tabs_->setTabToolTip(0, textOf(TextId::FlowTabTip));
    tabs_->addTab(buildCompressibilityTab(), textOf(TextId::CompressibilityTab));
    tabs_->setTabToolTip(1, textOf(TextId::CompressibilityTabTip));
    connect(tabs_, &QTabWidget::currentChanged, this, [this] {
        redrawCurrentTab();
        updateFlowSeen();
    });
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_);
    resize(kStudyWidth, kStudyHeight);
    actualFont_ = font();
    restoreSettings();
}

StudyWindow::~StudyWindow() = default;

QWidget* StudyWindow::buildCompressibilityTab() {
    auto* tab = new QWidget;
    tab->setObjectName(QStringLiteral("compressibilityTab"));
    ruleTable_ = new QTableWidget(4, 4, tab);
    ruleTable_->setObjectName(QStringLiteral("ruleTable"));
    ruleTable_->setAccessibleName(textOf(TextId::RuleTableName));
    ruleTable_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    for (int c = 0; c < 4; ++c) {
        auto* header = new QTableWidgetItem(qtText(kRuleTableColumns[c]));
        header->setToolTip(kColumnTips[c]);
        ruleTable_->setHorizontalHeaderItem(c, header);
    }
    for (int r = 0; r < 4; ++r) {
        ruleTable_->setVerticalHeaderItem(r, new QTableWidgetItem(qtText(kRuleTableRows[r])));
    }
    ruleTable_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    actualRowHeight_ = ruleTable_->verticalHeader()->defaultSectionSize();
    fitRuleTable();
    warning_ = new QLabel(tab);
    warning_->setObjectName(QStringLiteral("sonicWarning"));
    warning_->setAccessibleName(textOf(TextId::WarningName));
    warning_->setWordWrap(true);
    QPalette red = warning_->palette();
    red.setColor(QPalette::WindowText, QColor(160, 0, 0));
    warning_->setPalette(red);
    chart_ = new SurfaceView(tab);
    chart_->setObjectName(QStringLiteral("compressibilityChart"));
    chart_->setAccessibleName(textOf(TextId::ChartName));
    chart_->setToolTip(textOf(TextId::ChartTip));
    chart_->setMinimumSize(kChartMinimumWidth, kChartMinimumHeight);
    auto* layout = new QVBoxLayout(tab);
    layout->addWidget(chart_, 1);
    layout->addWidget(ruleTable_);
    layout->addWidget(warning_);
    return tab;
}

void StudyWindow::setZoom(double zoom) {
    zoom_ = zoom;
    setFont(zoomedFont(actualFont_, zoom));
    // Every picture of every tab, whichever tabs there are.
    for (FlowView* view : findChildren<FlowView*>()) {
        view->setZoom(zoom);
    }
    for (SurfaceView* view : findChildren<SurfaceView*>()) {
        view->setZoom(zoom);
    }
    // The headers take the style's header font, not the window's.
    for (QHeaderView* header : {ruleTable_->horizontalHeader(), ruleTable_->verticalHeader()}) {
        header->setFont(zoomedFont(QApplication::font(header), zoom));
    }
    fitRuleTable();
}

void StudyWindow::fitRuleTable() {
    ruleTable_->verticalHeader()->setDefaultSectionSize(zoomedPixels(actualRowHeight_, zoom_));
    ruleTable_->setFixedHeight(ruleTable_->verticalHeader()->length() +
                               ruleTable_->horizontalHeader()->sizeHint().height() + 4);
}

void StudyWindow::showAndRaise() {
    show();
    raise();
    activateWindow();
}

void StudyWindow::follow() {
    stale_ = true;
    if (isVisible()) {
        redraw();
    }
}

void StudyWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (stale_) {
        redraw();
    }
    updateFlowSeen();
}

void StudyWindow::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    updateFlowSeen();
}

void StudyWindow::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange) {
        updateFlowSeen();
    }
}

void StudyWindow::updateFlowSeen() {
    flow_->setSeen(isVisible() && !isMinimized() && tabs_->currentWidget() == flow_);
}

void StudyWindow::closeEvent(QCloseEvent* event) {
    saveSettings();
    QWidget::closeEvent(event);
}

void StudyWindow::redraw() {
    stale_ = false;
    ++redraws_;
    flowStale_ = true;
    compressibilityStale_ = true;
    redrawCurrentTab();
}

void StudyWindow::redrawCurrentTab() {
    if (tabs_->currentWidget() == flow_) {
        if (flowStale_) {
            flowStale_ = false;
            flow_->setState(state_);
        }
    } else if (compressibilityStale_) {
        compressibilityStale_ = false;
        redrawCompressibility();
    }
}

void StudyWindow::redrawCompressibility() {
    RuleTable table = emptyRuleTable();
    if (profileExists(state_)) {
        const double mach = std::fabs(values_.mach);
        const CompressibleSurface surface(state_);
        drawCompressibilityChart(chart_->surface(), machChart(surface), mach);
        table = ruleTable(surface, mach);
    } else {
        chart_->surface().Cls();
    }
    for (int r = 0; r < 4; ++r) {
        for (int c = 0; c < 4; ++c) {
            auto* item = new QTableWidgetItem(qtText(table.cells[r][c]));
            item->setToolTip(kColumnTips[c]);
            ruleTable_->setItem(r, c, item);
        }
    }
    if (table.warning.empty()) {
        warning_->clear();
    } else {
        warning_->setText(qtText(table.warning));
    }
}

void StudyWindow::restoreSettings() {
    QSettings settings;
    remembersItsPlace_ =
        restoreGeometry(settings.value(QStringLiteral("study/geometry")).toByteArray());
    tabs_->setCurrentIndex(settings.value(QStringLiteral("study/tab"), 0).toInt());
}

void StudyWindow::saveSettings() const {
    QSettings settings;
    settings.setValue(QStringLiteral("study/geometry"), saveGeometry());
    settings.setValue(QStringLiteral("study/tab"), tabs_->currentIndex());
}

} // namespace kestrel
