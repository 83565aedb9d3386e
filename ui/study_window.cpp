// SPDX-License-Identifier: MIT
#include "ui/study_window.h"

#include "model/coefficients.h"
#include "model/compressibility.h"
#include "model/rule_table.h"
#include "model/supersonic.h"
#include "model/theory.h"
#include "model/theory_table.h"
#include "plots/compressibility_chart.h"
#include "plots/sonic_chart.h"
#include "plots/theory_charts.h"
#include "plots/window_layout.h"
#include "plots/zoom.h"
#include "ui/boundary_layer_tab.h"
#include "ui/comparison_tab.h"
#include "ui/flow_view.h"
#include "ui/kept_profile.h"
#include "ui/language.h"
#include "ui/qt_text.h"
#include "ui/surface_view.h"
#include "ui/window_geometry.h"

#include <QApplication>
#include <QCloseEvent>
#include <QColor>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>
#include <cmath>
#include <stdexcept>
#include <string_view>
#include <utility>

namespace kestrel {

namespace {

constexpr TextId kColumnTips[] = {TextId::LiftColumnTip, TextId::MomentColumnTip,
                                  TextId::CpMinColumnTip, TextId::CriticalMachColumnTip};

// Each tab's name and tooltip, in the order of the tabs.
constexpr std::pair<TextId, TextId> kTabTexts[] = {
    {TextId::FlowTab, TextId::FlowTabTip},
    {TextId::CompressibilityTab, TextId::CompressibilityTabTip},
    {TextId::BoundaryLayerTab, TextId::BoundaryLayerTabTip},
    {TextId::TheoryTab, TextId::TheoryTabTip},
    {TextId::ComparisonTab, TextId::ComparisonTabTip},
};

// The ground of the rows of rules past their critical Mach number, as on the page.
const QColor kPastRowColour(255, 222, 206);

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
    layer_ = new BoundaryLayerTab;
    tabs_->addTab(layer_, QString());
    tabs_->addTab(buildTheoryTab(), QString());
    comparison_ = new ComparisonTab;
    tabs_->addTab(comparison_, QString());
    nameTabs();
    connect(tabs_, &QTabWidget::currentChanged, this, [this] {
        redrawCurrentTab();
        updateFlowSeen();
    });
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_);
    layout->addLayout(buildComparisonBar());
    resize(kStudyWidth, kStudyHeight);
    actualFont_ = font();
    restoreSettings();
    if (const std::optional<ChainInputs> remembered = rememberedKeptInputs()) {
        try {
            setKept(std::make_shared<const Ghost>(*remembered));
        } catch (const std::invalid_argument&) {
            forgetKeptInputs();
        }
    }
    updateComparisonButtons();
}

QLayout* StudyWindow::buildComparisonBar() {
    keepButton_ = new QPushButton(this);
    keepButton_->setObjectName(QStringLiteral("keepButton"));
    showText(keepButton_, TextRole::Text, TextId::KeepButton);
    showText(keepButton_, TextRole::ToolTip, TextId::KeepTip);
    clearButton_ = new QPushButton(this);
    clearButton_->setObjectName(QStringLiteral("clearButton"));
    showText(clearButton_, TextRole::Text, TextId::ClearButton);
    showText(clearButton_, TextRole::ToolTip, TextId::ClearTip);
    connect(keepButton_, &QPushButton::clicked, this, [this] { keep(); });
    connect(clearButton_, &QPushButton::clicked, this, [this] { clearKept(); });
    auto* bar = new QHBoxLayout;
    bar->addWidget(keepButton_);
    bar->addWidget(clearButton_);
    bar->addStretch(1);
    return bar;
}

void StudyWindow::setInputsSource(std::function<ChainInputs()> inputs) {
    inputs_ = std::move(inputs);
    updateComparisonButtons();
}

void StudyWindow::keep() {
    if (!inputs_ || !profileExists(state_)) {
        return;
    }
    const ChainInputs inputs = inputs_();
    try {
        setKept(std::make_shared<const Ghost>(inputs));
    } catch (const std::invalid_argument&) {
        return; // the main window shows the table miss; there is nothing to keep
    }
    rememberKeptInputs(inputs);
}

void StudyWindow::clearKept() {
    forgetKeptInputs();
    setKept(nullptr);
}

void StudyWindow::setKept(std::shared_ptr<const Ghost> kept) {
    kept_ = std::move(kept);
    flow_->setKept(kept_);
    layer_->setKept(kept_);
    updateComparisonButtons();
    follow();
}

void StudyWindow::updateComparisonButtons() {
    keepButton_->setEnabled(inputs_ && profileExists(state_));
    clearButton_->setEnabled(kept_ != nullptr);
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
    actualRowHeight_ = ruleTable_->verticalHeader()->defaultSectionSize();
    fitRuleTable();
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
    chart_->setMinimumSize(320, 110);
    sonicChart_ = new SurfaceView(tab);
    sonicChart_->setObjectName(QStringLiteral("sonicChart"));
    showText(sonicChart_, TextRole::AccessibleName, TextId::SonicChartName);
    showText(sonicChart_, TextRole::ToolTip, TextId::SonicChartTip);
    sonicChart_->setMinimumSize(320, 110);
    auto* layout = new QVBoxLayout(tab);
    layout->addWidget(chart_, 1);
    layout->addWidget(sonicChart_, 1);
    layout->addWidget(ruleTable_);
    layout->addWidget(warning_);
    return tab;
}

void StudyWindow::nameTabs() {
    for (int i = 0; i < tabs_->count(); ++i) {
        const auto& [name, tip] = kTabTexts[static_cast<std::size_t>(i)];
        tabs_->setTabText(i, textOf(name));
        tabs_->setTabToolTip(i, textOf(tip));
    }
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

void StudyWindow::nameTheoryTable() {
    for (int i = 0; i < 3; ++i) {
        theoryTable_->setHorizontalHeaderItem(
            i, new QTableWidgetItem(textOf(kTheoryTableColumns[static_cast<std::size_t>(i)])));
        theoryTable_->setVerticalHeaderItem(
            i, new QTableWidgetItem(textOf(kTheoryTableRows[static_cast<std::size_t>(i)])));
    }
}

// The tabs, the tables' headers, the charts and the warning in the new language (the current tab
// at once, the others when next shown); the flow picture repaints itself.
void StudyWindow::retranslate() {
    nameTabs();
    nameRuleTable();
    nameTheoryTable();
    compressibilityStale_ = true;
    layerStale_ = true;
    theoryStale_ = true;
    comparisonStale_ = true;
    redrawCurrentTab();
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

namespace {

SurfaceView* theoryChart(QWidget* tab, TextId name) {
    auto* chart = new SurfaceView(tab);
    showText(chart, TextRole::AccessibleName, name);
    showText(chart, TextRole::ToolTip, name);
    chart->setMinimumSize(240, 140);
    return chart;
}

} // namespace

QWidget* StudyWindow::buildTheoryTab() {
    theory_ = new QWidget;
    theory_->setObjectName(QStringLiteral("theoryTab"));
    theoryLift_ = theoryChart(theory_, TextId::TheoryLiftName);
    theoryMoment_ = theoryChart(theory_, TextId::TheoryMomentName);
    theoryLoad_ = theoryChart(theory_, TextId::TheoryLoadName);
    theoryTable_ = new QTableWidget(3, 3);
    theoryTable_->setObjectName(QStringLiteral("theoryTable"));
    showText(theoryTable_, TextRole::AccessibleName, TextId::TheoryTableName);
    showText(theoryTable_, TextRole::ToolTip, TextId::TheoryHelp);
    theoryTable_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    nameTheoryTable();
    theoryTable_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    theoryTable_->setFixedHeight(theoryTable_->verticalHeader()->length() +
                                 theoryTable_->horizontalHeader()->height() + 4);
    auto* help = new QLabel;
    showText(help, TextRole::Text, TextId::TheoryHelp);
    help->setObjectName(QStringLiteral("theoryHelp"));
    help->setWordWrap(true);
    help->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    auto* numbers = new QWidget;
    auto* column = new QVBoxLayout(numbers);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(theoryTable_);
    column->addWidget(help, 1);
    QWidget* parts[] = {theoryLift_, theoryMoment_, theoryLoad_, numbers};
    auto* grid = new QGridLayout(theory_);
    for (std::size_t i = 0; i < kTheoryCells.size(); ++i) {
        parts[i]->setObjectName(qtText(kTheoryCells[i].name));
        grid->addWidget(parts[i], kTheoryCells[i].row, kTheoryCells[i].column);
        grid->setRowStretch(kTheoryCells[i].row, 1);
        grid->setColumnStretch(kTheoryCells[i].column, 1);
    }
    return theory_;
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
    layerStale_ = true;
    theoryStale_ = true;
    comparisonStale_ = true;
    updateComparisonButtons();
    redrawCurrentTab();
}

void StudyWindow::redrawCurrentTab() {
    if (tabs_->currentWidget() == flow_) {
        if (flowStale_) {
            flowStale_ = false;
            flow_->setState(state_);
        }
    } else if (tabs_->currentWidget() == layer_) {
        if (layerStale_) {
            layerStale_ = false;
            layer_->setState(state_);
        }
    } else if (tabs_->currentWidget() == theory_) {
        if (theoryStale_) {
            theoryStale_ = false;
            redrawTheory();
        }
    } else if (tabs_->currentWidget() == comparison_) {
        if (comparisonStale_) {
            comparisonStale_ = false;
            comparison_->show(profileExists(state_) ? &state_ : nullptr, std::fabs(values_.mach),
                              kept_.get());
        }
    } else if (compressibilityStale_) {
        compressibilityStale_ = false;
        redrawCompressibility();
    }
}

void StudyWindow::redrawTheory() {
    TheoryTable table = emptyTheoryTable();
    if (profileExists(state_)) {
        const TheoryComparison theory = compareWithThinAirfoil(state_);
        drawTheoryLift(theoryLift_->surface(), theory, kept_.get(), currentTexts());
        drawTheoryMoment(theoryMoment_->surface(), theory, kept_.get(), currentTexts());
        drawTheoryLoad(theoryLoad_->surface(), theory, kept_.get(), currentTexts());
        table = theoryTable(state_, theory);
    } else {
        theoryLift_->surface().Cls();
        theoryMoment_->surface().Cls();
        theoryLoad_->surface().Cls();
    }
    for (int r = 0; r < 3; ++r) {
        for (int c = 0; c < 3; ++c) {
            theoryTable_->setItem(r, c, new QTableWidgetItem(qtText(table.cells[r][c])));
        }
    }
}

void StudyWindow::redrawCompressibility() {
    RuleTable table = emptyRuleTable(currentTexts());
    if (profileExists(state_)) {
        const double mach = std::fabs(values_.mach);
        const CompressibleSurface surface(state_);
        drawCompressibilityChart(chart_->surface(), machChart(surface), mach, kept_.get(),
                                 currentTexts());
        drawSonicChart(sonicChart_->surface(), SonicSurface(state_, surface), mach, kept_.get(),
                       currentTexts());
        table = ruleTable(surface, mach, currentTexts());
    } else {
        chart_->surface().Cls();
        sonicChart_->surface().Cls();
    }
    for (int r = 0; r < 4; ++r) {
        for (int c = 0; c < 4; ++c) {
            auto* item = new QTableWidgetItem(qtText(table.cells[r][c]));
            item->setToolTip(textOf(kColumnTips[c]));
            if (table.past[static_cast<std::size_t>(r)]) {
                item->setBackground(kPastRowColour);
                item->setToolTip(textOf(TextId::RulePastTip));
            }
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
