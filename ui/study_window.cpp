// SPDX-License-Identifier: MIT
#include "ui/study_window.h"

#include "model/coefficients.h"
#include "model/compressibility.h"
#include "model/text.h"
#include "plots/compressibility_chart.h"
#include "ui/flow_view.h"
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
#include <optional>

namespace kestrel {

namespace {

const QString kSonic =
    QStringLiteral("the flow reaches sonic speed; the corrections no longer hold");
const QString kNotSubsonic =
    QStringLiteral("|M∞| ≥ 1: the free stream is not subsonic, and none of these rules applies");

// The rows of the rule table: the incompressible values first, then the three rules.
const QString kRowNames[] = {QStringLiteral("incompressible"), QStringLiteral("Prandtl–Glauert"),
                             QStringLiteral("Kármán–Tsien"), QStringLiteral("Laitone")};
const QString kColumnNames[] = {QStringLiteral("CL"), QStringLiteral("CM"),
                                QStringLiteral("Cp_min"), QStringLiteral("critical M")};
const QString kColumnTips[] = {
    QStringLiteral("Lift coefficient at M∞: the corrected surface pressure integrated around the "
                   "profile, chord 1"),
    QStringLiteral("Pitching-moment coefficient about the moment reference point at M∞"),
    QStringLiteral("The smallest pressure coefficient on the surface, corrected for M∞"),
    QStringLiteral("The free-stream Mach number at which the corrected Cp_min reaches Cp*, the "
                   "pressure of sonic speed")};

// A value rounded for the table; a dash where there is none (or it is not finite).
QString valueText(double value, int decimals) {
    if (!std::isfinite(value)) {
        return QStringLiteral("–");
    }
    return QString::fromStdString(numberText(roundDecimals(value, decimals), "."));
}

QString valueText(std::optional<double> value, int decimals) {
    return valueText(value.value_or(std::nan("")), decimals);
}

} // namespace

StudyWindow::StudyWindow(const State& state, const ChainValues& values)
    : QWidget(nullptr), state_(state), values_(values) {
    setObjectName(QStringLiteral("StudyWindow"));
    setWindowTitle(QStringLiteral("Kestrel - Study"));
    setAttribute(Qt::WA_QuitOnClose, false);
    tabs_ = new QTabWidget(this);
    tabs_->setObjectName(QStringLiteral("studyTabs"));
    tabs_->setAccessibleName(QStringLiteral("study views"));
    flow_ = new FlowTab;
    tabs_->addTab(flow_, QStringLiteral("Flow"));
    tabs_->setTabToolTip(0, QStringLiteral("Streamlines and pressure about the circle and the "
                                           "profile, with a probe, the mapping and particles"));
    tabs_->addTab(buildCompressibilityTab(), QStringLiteral("Compressibility"));
    tabs_->setTabToolTip(1, QStringLiteral("Cp* and Cp_min against the Mach number, and the "
                                           "compressibility rules at M∞"));
    connect(tabs_, &QTabWidget::currentChanged, this, [this] {
        redrawCurrentTab();
        updateFlowSeen();
    });
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_);
    resize(960, 560);
    restoreSettings();
}

StudyWindow::~StudyWindow() = default;

QWidget* StudyWindow::buildCompressibilityTab() {
    auto* tab = new QWidget;
    tab->setObjectName(QStringLiteral("compressibilityTab"));
    ruleTable_ = new QTableWidget(4, 4, tab);
    ruleTable_->setObjectName(QStringLiteral("ruleTable"));
    ruleTable_->setAccessibleName(QStringLiteral("lift, moment, minimum pressure and critical "
                                                 "Mach number of each compressibility rule"));
    ruleTable_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    for (int c = 0; c < 4; ++c) {
        auto* header = new QTableWidgetItem(kColumnNames[c]);
        header->setToolTip(kColumnTips[c]);
        ruleTable_->setHorizontalHeaderItem(c, header);
    }
    for (int r = 0; r < 4; ++r) {
        ruleTable_->setVerticalHeaderItem(r, new QTableWidgetItem(kRowNames[r]));
    }
    ruleTable_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    ruleTable_->setFixedHeight(ruleTable_->verticalHeader()->length() +
                               ruleTable_->horizontalHeader()->height() + 4);
    warning_ = new QLabel(tab);
    warning_->setObjectName(QStringLiteral("sonicWarning"));
    warning_->setAccessibleName(QStringLiteral("warning"));
    warning_->setWordWrap(true);
    QPalette red = warning_->palette();
    red.setColor(QPalette::WindowText, QColor(160, 0, 0));
    warning_->setPalette(red);
    chart_ = new SurfaceView(tab);
    chart_->setObjectName(QStringLiteral("compressibilityChart"));
    chart_->setAccessibleName(QStringLiteral("compressibility chart"));
    chart_->setToolTip(QStringLiteral(
        "Cp*, the pressure coefficient at which the local flow reaches sonic speed (black), and "
        "the smallest surface pressure coefficient Cp_min corrected by Prandtl–Glauert "
        "(magenta), Kármán–Tsien (blue) and Laitone (orange), against the free-stream Mach "
        "number. A dot marks each rule's critical Mach number; the grey line is M∞."));
    chart_->setMinimumSize(320, 200);
    auto* layout = new QVBoxLayout(tab);
    layout->addWidget(chart_, 1);
    layout->addWidget(ruleTable_);
    layout->addWidget(warning_);
    return tab;
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
    const auto setRow = [this](int row, const QString(&texts)[4]) {
        for (int c = 0; c < 4; ++c) {
            auto* item = new QTableWidgetItem(texts[c]);
            item->setToolTip(kColumnTips[c]);
            ruleTable_->setItem(row, c, item);
        }
    };
    if (!profileExists(state_)) {
        for (int r = 0; r < 4; ++r) {
            setRow(r, {QStringLiteral("–"), QStringLiteral("–"), QStringLiteral("–"),
                       QStringLiteral("–")});
        }
        warning_->setText(QStringLiteral("No profile yet: move a scroll bar or click a plot of the "
                                         "main window."));
        chart_->surface().Cls();
        return;
    }
    const double mach = std::fabs(values_.mach);
    const CompressibleSurface surface(state_);
    const CompressibilityAnalysis a = surface.analyse(mach);
    drawCompressibilityChart(chart_->surface(), machChart(surface), mach);
    const double cpMin = a.minimum.unbounded ? -INFINITY : a.minimum.Cp;
    setRow(0, {valueText(a.CL, 4), valueText(a.CM, 5), valueText(cpMin, 4), QStringLiteral("")});
    bool supercritical = false;
    for (const CompressibilityRule rule : kCompressibilityRules) {
        const RuleResult& r = a.rules[ruleIndex(rule)];
        setRow(static_cast<int>(ruleIndex(rule)) + 1,
               {valueText(r.CL, 4), valueText(r.CM, 5), valueText(r.CpMin, 4),
                valueText(r.criticalMach, 4)});
        supercritical = supercritical || (mach != 0 && r.supercritical);
    }
    if (!(mach < 1)) {
        warning_->setText(kNotSubsonic);
    } else if (supercritical) {
        warning_->setText(kSonic);
    } else {
        warning_->clear();
    }
}

void StudyWindow::restoreSettings() {
    QSettings settings;
    restoreGeometry(settings.value(QStringLiteral("study/geometry")).toByteArray());
    tabs_->setCurrentIndex(settings.value(QStringLiteral("study/tab"), 0).toInt());
}

void StudyWindow::saveSettings() const {
    QSettings settings;
    settings.setValue(QStringLiteral("study/geometry"), saveGeometry());
    settings.setValue(QStringLiteral("study/tab"), tabs_->currentIndex());
}

} // namespace kestrel
