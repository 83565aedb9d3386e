// SPDX-License-Identifier: MIT
#include "ui/study_window.h"

#include "model/coefficients.h"
#include "model/compressibility.h"
#include "model/rule_table.h"
#include "plots/compressibility_chart.h"
#include "plots/window_layout.h"
#include "ui/flow_view.h"
#include "ui/language.h"
#include "ui/qt_text.h"
#include "ui/surface_view.h"

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

constexpr TextId kColumnTips[] = {TextId::LiftColumnTip, TextId::MomentColumnTip,
                                  TextId::CpMinColumnTip, TextId::CriticalMachColumnTip};

} // namespace

StudyWindow::StudyWindow(const State& state, const ChainValues& values)
    : QWidget(nullptr), state_(state), values_(values) {
    setObjectName(QStringLiteral("StudyWindow"));
    showText(this, TextRole::WindowTitle, TextId::StudyTitle);
    setAttribute(Qt::WA_QuitOnClose, false);
    tabs_ = new QTabWidget(this);
    tabs_->setObjectName(QStringLiteral("studyTabs"));
    showText(tabs_, TextRole::AccessibleName, TextId::StudyTabsName);
    flow_ = new FlowTab;
    tabs_->addTab(flow_, QString());
    tabs_->addTab(buildCompressibilityTab(), QString());
    nameTabs();
    connect(tabs_, &QTabWidget::currentChanged, this, [this] {
        redrawCurrentTab();
        updateFlowSeen();
    });
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_);
    resize(kStudyWidth, kStudyHeight);
    restoreSettings();
}

StudyWindow::~StudyWindow() = default;

QWidget* StudyWindow::buildCompressibilityTab() {
    auto* tab = new QWidget;
    tab->setObjectName(QStringLiteral("compressibilityTab"));
    ruleTable_ = new QTableWidget(4, 4, tab);
    ruleTable_->setObjectName(QStringLiteral("ruleTable"));
    showText(ruleTable_, TextRole::AccessibleName, TextId::RuleTableName);
    ruleTable_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    nameRuleTable();
    ruleTable_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    ruleTable_->setFixedHeight(ruleTable_->verticalHeader()->length() +
                               ruleTable_->horizontalHeader()->height() + 4);
    warning_ = new QLabel(tab);
    warning_->setObjectName(QStringLiteral("sonicWarning"));
    showText(warning_, TextRole::AccessibleName, TextId::WarningName);
    warning_->setWordWrap(true);
    QPalette red = warning_->palette();
    red.setColor(QPalette::WindowText, QColor(160, 0, 0));
    warning_->setPalette(red);
    chart_ = new SurfaceView(tab);
    chart_->setObjectName(QStringLiteral("compressibilityChart"));
    showText(chart_, TextRole::AccessibleName, TextId::ChartName);
    showText(chart_, TextRole::ToolTip, TextId::ChartTip);
    chart_->setMinimumSize(320, 200);
    auto* layout = new QVBoxLayout(tab);
    layout->addWidget(chart_, 1);
    layout->addWidget(ruleTable_);
    layout->addWidget(warning_);
    return tab;
}

void StudyWindow::nameTabs() {
    tabs_->setTabText(0, textOf(TextId::FlowTab));
    tabs_->setTabToolTip(0, textOf(TextId::FlowTabTip));
    tabs_->setTabText(1, textOf(TextId::CompressibilityTab));
    tabs_->setTabToolTip(1, textOf(TextId::CompressibilityTabTip));
}

void StudyWindow::nameRuleTable() {
    for (int c = 0; c < 4; ++c) {
        auto* header = new QTableWidgetItem(textOf(kRuleTableColumns[c]));
        header->setToolTip(textOf(kColumnTips[c]));
        ruleTable_->setHorizontalHeaderItem(c, header);
    }
    for (int r = 0; r < 4; ++r) {
        ruleTable_->setVerticalHeaderItem(r, new QTableWidgetItem(textOf(kRuleTableRows[r])));
    }
}

// The tabs, the table's headers, the chart and the warning in the new language (the Compressibility
// tab at once when in view, else when next shown); the flow picture repaints itself.
void StudyWindow::retranslate() {
    nameTabs();
    nameRuleTable();
    compressibilityStale_ = true;
    redrawCurrentTab();
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
    } else if (event->type() == QEvent::LanguageChange) {
        retranslate();
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
    RuleTable table = emptyRuleTable(currentTexts());
    if (profileExists(state_)) {
        const double mach = std::fabs(values_.mach);
        const CompressibleSurface surface(state_);
        drawCompressibilityChart(chart_->surface(), machChart(surface), mach, currentTexts());
        table = ruleTable(surface, mach, currentTexts());
    } else {
        chart_->surface().Cls();
    }
    for (int r = 0; r < 4; ++r) {
        for (int c = 0; c < 4; ++c) {
            auto* item = new QTableWidgetItem(qtText(table.cells[r][c]));
            item->setToolTip(textOf(kColumnTips[c]));
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
