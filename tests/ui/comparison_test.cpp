// SPDX-License-Identifier: MIT
// Keep for comparison in the study window: kept from its button or a plot's menu and cleared,
// remembered by a new window, drawn as a ghost in each tab's picture, and set side by side with
// the current profile in the Comparison tab.
#include "plots/compressibility_chart.h"
#include "tests/ui/window_fixture.h"
#include "ui/comparison_tab.h"
#include "ui/flow_view.h"
#include "ui/kept_profile.h"
#include "ui/study_window.h"
#include "ui/surface_view.h"

#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>

namespace kestrel::test {
namespace {

class Comparison : public WindowTest {
public:
    void SetUp() override {
        forgetKeptInputs();
        WindowTest::SetUp();
    }
    void TearDown() override {
        WindowTest::TearDown();
        forgetKeptInputs();
    }
    // The study window opened from a plot's menu item, triggered by its text.
    StudyWindow* fromMenu(const QString& text) {
        for (QAction* a : picture("profil")->actions()) {
            if (a->text() == text) {
                a->trigger();
            }
        }
        QApplication::processEvents();
        return window->studyWindow();
    }
    // 12/4 at 5 degrees kept, then 12/0 set.
    StudyWindow* keepCamberedThenSymmetric() {
        setMach(QStringLiteral("0.3"));
        drag("HScroll_Thickness", 12);
        drag("HScroll_Camber", 4);
        drag("HScroll_AlfaD", 5);
        StudyWindow* study = fromMenu(QStringLiteral("Study window"));
        study->keepButton()->click();
        drag("HScroll_Camber", 0);
        return study;
    }
};

TEST_F(Comparison, KeepsThenClearsAndIsRememberedByANewWindow) {
    StudyWindow* study = fromMenu(QStringLiteral("Study window"));
    EXPECT_FALSE(study->keepButton()->isEnabled()); // no profile yet
    EXPECT_FALSE(study->clearButton()->isEnabled());
    study->close();
    StudyWindow* again = keepCamberedThenSymmetric();
    ASSERT_EQ(again, study);
    ASSERT_NE(study->kept(), nullptr);
    EXPECT_EQ(study->kept()->state().Camber, 0.04);
    EXPECT_EQ(study->kept()->inputs().mach, "0.3");
    EXPECT_TRUE(study->clearButton()->isEnabled());

    StudyWindow fresh(window->state(), window->values());
    ASSERT_NE(fresh.kept(), nullptr);
    EXPECT_EQ(fresh.kept()->label(), study->kept()->label());

    study->clearButton()->click();
    EXPECT_EQ(study->kept(), nullptr);
    EXPECT_FALSE(study->clearButton()->isEnabled());
    EXPECT_EQ(StudyWindow(window->state(), window->values()).kept(), nullptr);
}

TEST_F(Comparison, PlotMenuKeepsTheCurrentProfile) {
    drag("HScroll_Thickness", 9);
    StudyWindow* study = fromMenu(QStringLiteral("Keep for comparison"));
    ASSERT_NE(study, nullptr);
    ASSERT_NE(study->kept(), nullptr);
    EXPECT_EQ(study->kept()->state().Thickness, 0.09);
}

TEST_F(Comparison, EveryTabDrawsTheKeptProfile) {
    StudyWindow* study = keepCamberedThenSymmetric();
    const Ghost* kept = study->kept();
    ASSERT_NE(kept, nullptr);
    EXPECT_EQ(kept->label(), "Kept: t/c 0.12, f/c 0.04, α 5°, xM/c 0, M∞ 0.3");

    study->tabs()->setCurrentWidget(study->flowTab());
    EXPECT_EQ(study->flowTab()->view()->kept(), kept);
    EXPECT_EQ(window->state().Camber, 0); // the picture is of the current profile

    study->tabs()->setCurrentIndex(1);
    const Surface& chart = study->findChild<SurfaceView*>("compressibilityChart")->surface();
    const double keptMinimum = keptMachChart(*kept).front().minimum.Cp;
    const Colour colour = ghostColour(ruleColour(CompressibilityRule::KarmanTsien));
    const auto curve =
        std::find_if(chart.items().begin(), chart.items().end(), [colour](const SurfaceItem& i) {
            return i.kind == SurfaceItem::Kind::Polyline && i.colour == colour;
        });
    ASSERT_NE(curve, chart.items().end());
    EXPECT_EQ(curve->points.front().y, static_cast<float>(keptMinimum));

    study->tabs()->setCurrentWidget(study->comparisonTab());
    const QTableWidget* table = study->comparisonTab()->table();
    ASSERT_GE(table->rowCount(), 11);
    EXPECT_EQ(table->verticalHeaderItem(1)->text(), QStringLiteral("f/c"));
    EXPECT_EQ(table->item(1, 0)->text(), QStringLiteral("0"));
    EXPECT_EQ(table->item(1, 1)->text(), QStringLiteral("0.04"));
    EXPECT_EQ(table->item(1, 2)->text(), QStringLiteral("-0.04"));
    EXPECT_EQ(table->verticalHeaderItem(5)->text(), QStringLiteral("CL"));
    // The symmetric profile lifts less than the cambered one at the same angle.
    EXPECT_LT(table->item(5, 2)->text().toDouble(), 0);

    study->clearButton()->click();
    EXPECT_EQ(study->flowTab()->view()->kept(), nullptr);
    EXPECT_EQ(table->rowCount(), 0);
}

// The charts of the Compressibility, Boundary layer and Theory tabs carry the kept profile's
// label; a chain's end draws each tab again without computing the kept profile again.
TEST_F(Comparison, EveryChartIsLabelledAndTheKeptProfileComputedOnce) {
    StudyWindow* study = keepCamberedThenSymmetric();
    const Ghost* kept = study->kept();
    ASSERT_NE(kept, nullptr);
    const auto visitEveryTab = [study] {
        for (int tab = 0; tab < study->tabs()->count(); ++tab) {
            study->tabs()->setCurrentIndex(tab);
        }
    };
    visitEveryTab();
    for (int tab = 1; tab <= 3; ++tab) {
        for (const SurfaceView* view : study->tabs()->widget(tab)->findChildren<SurfaceView*>()) {
            const QString name = view->objectName();
            if (name == "frictionPlot" || name == "shapeFactorPlot") {
                continue; // the profile picture beside them names the kept profile
            }
            SCOPED_TRACE(name.toStdString());
            const std::vector<SurfaceItem>& items = view->surface().items();
            EXPECT_TRUE(std::any_of(items.begin(), items.end(), [kept](const SurfaceItem& i) {
                return i.text == kept->label() && i.colour == kGhostColour;
            }));
        }
    }
    const unsigned computed = kept->computations();
    drag("HScroll_AlfaD", 6);
    visitEveryTab();
    drag("HScroll_AlfaD", 4);
    visitEveryTab();
    EXPECT_EQ(kept->computations(), computed);
}

} // namespace
} // namespace kestrel::test
