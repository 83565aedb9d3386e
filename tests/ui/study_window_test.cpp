// SPDX-License-Identifier: MIT
// The study window: one instance opened from any plot's menu, following every chain of the main
// window and nothing else, the main window's pictures unchanged beside it, the compressibility
// table and its warnings, and the settings it keeps.
#include "model/compressibility.h"
#include "tests/ui/window_fixture.h"
#include "ui/study_window.h"

#include <QLabel>
#include <QSettings>
#include <QTabWidget>
#include <QTableWidget>

namespace kestrel::test {
namespace {

class Study : public WindowTest {
public:
    StudyWindow* open() {
        for (QAction* a : picture("profil")->actions()) {
            if (a->text() == "Study window") {
                a->trigger();
            }
        }
        QApplication::processEvents();
        return window->studyWindow();
    }
    QString cell(int row, int column) const {
        auto* table = window->studyWindow()->findChild<QTableWidget*>("ruleTable");
        return table->item(row, column)->text();
    }
    QString warning() const {
        return window->studyWindow()->findChild<QLabel*>("sonicWarning")->text();
    }
};

TEST_F(Study, OpensOnceFromAnyPlotAndClosesWithTheMainWindow) {
    StudyWindow* study = open();
    ASSERT_NE(study, nullptr);
    EXPECT_EQ(study->windowTitle(), QStringLiteral("Kestrel - Study"));
    EXPECT_TRUE(study->isVisible());
    EXPECT_EQ(open(), study);
    window->close();
    EXPECT_FALSE(study->isVisible());
}

// Redrawn at the end of every chain, and only then; when hidden, once it is shown again.
TEST_F(Study, FollowsEveryChainOfTheMainWindowAndNothingElse) {
    StudyWindow* study = open();
    const unsigned start = study->redraws();
    drag("HScroll_Thickness", 12);
    step("HScroll_AlfaD", QAbstractSlider::SliderSingleStepAdd);
    drag("HScroll_xM", 30);
    drag("HScroll_nP", 61);
    click("Picture_CM");
    EXPECT_EQ(study->redraws(), start + 5);
    setMach(QStringLiteral("0.5")); // typing runs no chain
    child<QAction>("Mn_About")->trigger();
    EXPECT_EQ(study->redraws(), start + 5);
    study->hide();
    drag("HScroll_Camber", 3);
    drag("HScroll_Camber", 4);
    EXPECT_EQ(study->redraws(), start + 5);
    study->show();
    EXPECT_EQ(study->redraws(), start + 6);
}

// The same actions with and without the study window leave the same records behind.
TEST_F(Study, MainWindowPicturesAreTheSameWithTheStudyWindowOpen) {
    const auto act = [](WindowTest& t) {
        t.setMach(QStringLiteral("0.6"));
        t.drag("HScroll_Thickness", 15);
        t.drag("HScroll_Camber", 6);
        t.drag("HScroll_AlfaD", -4);
        t.drag("HScroll_xM", 40);
        t.click("pressure");
    };
    act(*this);
    std::vector<std::vector<SurfaceItem>> alone;
    for (const char* name : kSurfaces) {
        alone.push_back(surface(name).items());
    }
    window.reset();
    WindowTest::open(loadBuiltInTable);
    open();
    act(*this);
    for (std::size_t i = 0; i < std::size(kSurfaces); ++i) {
        EXPECT_EQ(surface(kSurfaces[i]).items(), alone[i]) << kSurfaces[i];
    }
}

// 12 % thick, 4 % camber at 5 degrees reaches sonic speed near M 0.5 (the rules differ a little).
TEST_F(Study, RuleTableAndWarningsFollowTheMachNumber) {
    StudyWindow* study = open();
    study->tabs()->setCurrentIndex(study->tabs()->count() - 1);
    setMach(QStringLiteral("0.3"));
    drag("HScroll_AlfaD", 5);
    drag("HScroll_Camber", 4);
    drag("HScroll_Thickness", 12);
    const CompressibilityAnalysis a = analyseCompressibility(window->state(), 0.3);
    EXPECT_EQ(cell(0, 0).toDouble(), std::nearbyint(a.CL * 1e4) / 1e4);
    const RuleResult& kt = a.rules[ruleIndex(CompressibilityRule::KarmanTsien)];
    EXPECT_EQ(cell(2, 0).toDouble(), std::nearbyint(*kt.CL * 1e4) / 1e4);
    EXPECT_EQ(cell(2, 3).toDouble(), std::nearbyint(*kt.criticalMach * 1e4) / 1e4);
    EXPECT_TRUE(warning().isEmpty());

    setMach(QStringLiteral("0.75"));
    click("daire");
    EXPECT_EQ(warning(),
              QStringLiteral("the flow reaches sonic speed; the corrections no longer hold"));
    setMach(QStringLiteral("-1.2"));
    click("daire");
    EXPECT_TRUE(warning().contains(QStringLiteral("≥ 1")));
    EXPECT_EQ(cell(1, 0), QStringLiteral("–")); // no rule value past M = 1
}

TEST_F(Study, RemembersItsGeometryAndTab) {
    StudyWindow* study = open();
    study->tabs()->setCurrentIndex(study->tabs()->count() - 1);
    study->setGeometry(40, 50, 700, 500);
    study->close();
    const StudyWindow again(window->state(), window->values());
    EXPECT_EQ(again.tabs()->currentIndex(), study->tabs()->count() - 1);
    EXPECT_EQ(again.size(), QSize(700, 500));
}

} // namespace
} // namespace kestrel::test
