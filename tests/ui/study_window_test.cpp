// SPDX-License-Identifier: MIT
// The study window: one instance opened from any plot's menu, following every chain of the main
// window and nothing else, the main window's pictures unchanged beside it, the compressibility
// table and its warnings, and the settings it keeps.
#include "model/compressibility.h"
#include "tests/ui/window_fixture.h"
#include "ui/study_window.h"
#include "ui/surface_view.h"
#include "ui/window_geometry.h"

#include <QLabel>
#include <QScreen>
#include <QSettings>
#include <QTabWidget>
#include <QTableWidget>
#include <numbers>

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
    study->tabs()->setCurrentWidget(study->findChild<QWidget*>("compressibilityTab"));
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
    EXPECT_TRUE(warning().startsWith(QStringLiteral(
        "Laitone, Kármán–Tsien and Prandtl–Glauert are past their critical Mach numbers")))
        << warning().toStdString();
    setMach(QStringLiteral("-1.2"));
    click("daire");
    EXPECT_TRUE(warning().contains(QStringLiteral("≥ 1")));
    EXPECT_EQ(cell(1, 0), QStringLiteral("–")); // no rule value past M = 1
}

// The Theory tab follows the main window's inputs like the other tabs: its table and charts are
// those of the state each chain leaves, redrawn when the tab is shown.
TEST_F(Study, TheoryTabFollowsTheMainWindow) {
    StudyWindow* study = open();
    study->tabs()->setCurrentWidget(study->findChild<QWidget*>("theoryTab"));
    auto* table = study->findChild<QTableWidget*>("theoryTable");
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->item(0, 0)->text(), QStringLiteral("–")); // no profile yet
    drag("HScroll_Thickness", 12);
    drag("HScroll_Camber", 4);
    drag("HScroll_AlfaD", 5);
    const QString slope = table->item(1, 0)->text();
    EXPECT_NEAR(slope.toDouble(), 8 * std::numbers::pi * window->state().RbyC, 5e-5);
    const auto* lift = study->findChild<SurfaceView*>("theoryLift");
    const auto marker = [&] {
        for (const SurfaceItem& item : lift->surface().items()) {
            if (item.kind == SurfaceItem::Kind::Marker) {
                return item.x1;
            }
        }
        return -99.0F;
    };
    EXPECT_EQ(marker(), 5.0F);
    study->tabs()->setCurrentIndex(0);
    drag("HScroll_AlfaD", -3);
    drag("HScroll_Thickness", 20);
    EXPECT_EQ(marker(), 5.0F); // the hidden tab waits
    study->tabs()->setCurrentWidget(study->findChild<QWidget*>("theoryTab"));
    EXPECT_EQ(marker(), -3.0F);
    EXPECT_NE(table->item(1, 0)->text(), slope);
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

// With no place remembered, the study window opens beside the main window, narrowed to the room
// there is on the screen; the main window is moved so that all but 100 pixels of it are off the
// screen on the left.
TEST_F(Study, OpensBesideTheMainWindowWhereThereIsRoom) {
    QSettings().remove(QStringLiteral("study/geometry"));
    const QRect screen = window->screen()->availableGeometry();
    window->move(screen.x() + 100 - window->frameGeometry().width(), screen.y());
    QApplication::processEvents();
    const StudyWindow* study = open();
    ASSERT_FALSE(study->remembersItsPlace());
    EXPECT_FALSE(study->frameGeometry().intersects(window->frameGeometry()));
    EXPECT_EQ(study->frameGeometry().left(), window->frameGeometry().right() + 1);
    EXPECT_TRUE(screen.contains(study->frameGeometry()));
}

// Hand-worked places of a 960 x 560 window, at least 500 x 300, beside an 800 x 520 one.
TEST(StudyPlace, IsBesideTheMainWindowWhereThereIsRoom) {
    const QSize size(960, 560);
    const QSize minimum(500, 300);
    struct Case {
        QRect main, screen, expected;
    };
    const Case cases[] = {
        // 1120 pixels free on the right.
        {{0, 0, 800, 520}, {0, 0, 1920, 1080}, {800, 0, 960, 560}},
        // 120 on the right, 1000 on the left: 1000 - 960 = 40.
        {{1000, 100, 800, 520}, {0, 0, 1920, 1080}, {40, 100, 960, 560}},
        // 566 on the right only: narrowed to it.
        {{0, 0, 800, 520}, {0, 0, 1366, 768}, {800, 0, 566, 560}},
        // 8 on the right: the narrowest, against the screen's right edge, 800 - 500 = 300.
        {{0, 0, 792, 490}, {0, 0, 800, 600}, {300, 0, 500, 560}},
        // Low on the screen: moved up to end at its bottom, 1040 - 560 = 480.
        {{0, 700, 800, 300}, {0, 40, 1920, 1000}, {800, 480, 960, 560}},
        // A second screen to the right of the first.
        {{2020, 50, 800, 520}, {1920, 0, 1920, 1080}, {2820, 50, 960, 560}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(besideWindow(c.main, size, minimum, c.screen), c.expected)
            << c.main.x() << " on " << c.screen.width();
    }
}

} // namespace
} // namespace kestrel::test
