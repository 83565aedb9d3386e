// SPDX-License-Identifier: MIT
// Which surfaces each user action redraws and which boxes it rewrites, the notifications of the
// scroll bars, and the values the chains write into the boxes.
#include "model/coefficients.h"
#include "model/text.h"
#include "plots/chain.h"
#include "tests/ui/window_fixture.h"

#include <QMenuBar>
#include <QStyle>
#include <QStyleOptionSlider>
#include <cmath>
#include <functional>
#include <map>
#include <set>
#include <string>

namespace kestrel::test {
namespace {

const std::set<std::string> kAllSurfaces{"daire", "profil", "pressure", "Picture_CL", "Picture_CM"};
const std::set<std::string> kFullChainBoxes{
    "Text_Thickness", "Text_Camber", "Text_nP", "Text_AlfaD", "Text_CL", "Text1", "Text_xM"};

struct ChainCase {
    std::string name;
    std::function<void(WindowTest&)> action;
    std::set<std::string> redrawn;
    std::set<std::string> rewritten;
};

void PrintTo(const ChainCase& c, std::ostream* os) {
    *os << c.name;
}

class Chains : public WindowTest, public ::testing::WithParamInterface<ChainCase> {};

TEST_P(Chains, RedrawExactlyTheirSurfacesAndRewriteExactlyTheirBoxes) {
    const ChainCase& c = GetParam();
    // A full chain first, so that every plot has something to keep or to replace.
    click("daire");
    ASSERT_EQ(surface("Picture_CM").clears(), 1u);
    const QString sentinel = QStringLiteral("x");
    for (const char* name : kBoxes) {
        box(name)->setText(sentinel);
    }
    std::map<std::string, std::pair<unsigned, std::vector<SurfaceItem>>> before;
    for (const char* name : kSurfaces) {
        before[name] = {surface(name).clears(), surface(name).items()};
    }

    c.action(*this);

    for (const char* name : kSurfaces) {
        const bool redrawn = c.redrawn.count(name) != 0;
        // One completed change runs its chain once: exactly one clear per redrawn surface.
        EXPECT_EQ(surface(name).clears(), before[name].first + (redrawn ? 1u : 0u)) << name;
        if (!redrawn) {
            EXPECT_EQ(surface(name).items(), before[name].second) << name << " must be kept";
        }
    }
    for (const char* name : kBoxes) {
        const bool rewritten = c.rewritten.count(name) != 0;
        EXPECT_EQ(text(name) != sentinel, rewritten)
            << name << " holds \"" << text(name).toStdString() << "\"";
    }
}

ChainCase fullChain(std::string name, std::function<void(WindowTest&)> action) {
    return {std::move(name), std::move(action), kAllSurfaces, kFullChainBoxes};
}

const std::set<std::string> kPointCountSurfaces{"daire", "profil", "pressure"};
const std::set<std::string> kPointCountBoxes{"Text_Thickness", "Text_Camber", "Text_nP",
                                             "Text_AlfaD"};
const std::set<std::string> kAngleSurfaces{"pressure", "Picture_CL", "Picture_CM"};
const std::set<std::string> kAngleBoxes{"Text_AlfaD", "Text_CL", "Text1", "Text_xM"};
const std::set<std::string> kMomentSurfaces{"Picture_CM", "daire", "profil"};
const std::set<std::string> kMomentBoxes{"Text1", "Text_xM"};

using A = QAbstractSlider;
using ChainRules = WindowTest;

INSTANTIATE_TEST_SUITE_P(
    EveryAction, Chains,
    ::testing::Values(
        fullChain("ThicknessArrow",
                  [](WindowTest& t) { t.step("HScroll_Thickness", A::SliderSingleStepAdd); }),
        fullChain("CamberTrack",
                  [](WindowTest& t) { t.step("HScroll_Camber", A::SliderPageStepAdd); }),
        fullChain("ClickDaire", [](WindowTest& t) { t.click("daire"); }),
        fullChain("ClickProfil", [](WindowTest& t) { t.click("profil"); }),
        fullChain("ClickPressure", [](WindowTest& t) { t.click("pressure"); }),
        fullChain("ClickPictureCL", [](WindowTest& t) { t.click("Picture_CL"); }),
        fullChain("ClickPictureCM", [](WindowTest& t) { t.click("Picture_CM"); }),
        ChainCase{"PointCountArrow",
                  [](WindowTest& t) { t.step("HScroll_nP", A::SliderSingleStepSub); },
                  kPointCountSurfaces, kPointCountBoxes},
        ChainCase{"PointCountDrag", [](WindowTest& t) { t.drag("HScroll_nP", 60); },
                  kPointCountSurfaces, kPointCountBoxes},
        ChainCase{"AngleArrow",
                  [](WindowTest& t) { t.step("HScroll_AlfaD", A::SliderSingleStepSub); },
                  kAngleSurfaces, kAngleBoxes},
        ChainCase{"MomentReferenceArrow",
                  [](WindowTest& t) { t.step("HScroll_xM", A::SliderSingleStepAdd); },
                  kMomentSurfaces, kMomentBoxes},
        // Nothing else is bound. Typing changes only the text typed into; a right click, an
        // arrow at the end of the range and the About window run nothing.
        ChainCase{"TypingIntoBoxes",
                  [](WindowTest& t) {
                      for (const char* name : kBoxes) {
                          QTest::keyClicks(t.window->findChild<QLineEdit*>(name), "0.3");
                      }
                  },
                  {},
                  {"Text_Thickness", "Text_Camber", "Text_nP", "Text_AlfaD", "Text_CL", "Text1",
                   "Text_xM", "Text_Moo"}},
        ChainCase{"RightClick", [](WindowTest& t) { t.click("profil", Qt::RightButton); }, {}, {}},
        ChainCase{"ArrowAtTheEndOfTheRange",
                  [](WindowTest& t) { t.step("HScroll_Thickness", A::SliderSingleStepSub); },
                  {},
                  {}},
        ChainCase{"About", [](WindowTest& t) { t.child<QAction>("Mn_About")->trigger(); }, {}, {}}),
    [](const auto& info) { return info.param.name; });

TEST_F(ChainRules, ThumbDragNotifiesOnceWhenItEnds) {
    QScrollBar* points = bar("HScroll_nP");
    points->setSliderDown(true);
    for (int position : {55, 70, 60}) {
        points->setSliderPosition(position);
    }
    EXPECT_EQ(surface("daire").clears(), 0u) << "nothing runs while the thumb moves";
    EXPECT_EQ(text("Text_nP"), QStringLiteral("51"));
    points->setSliderDown(false);
    EXPECT_EQ(surface("daire").clears(), 1u);
    EXPECT_EQ(text("Text_nP"), QStringLiteral("60"));
}

TEST_F(ChainRules, ArrowKeysStepTheFocusedScrollBarTheWayTheyPoint) {
    QScrollBar* moment = bar("HScroll_xM");
    drag("HScroll_xM", 50);
    moment->setFocus();
    const unsigned before = surface("profil").clears();
    QTest::keyClick(moment, Qt::Key_Right);
    EXPECT_EQ(moment->value(), 51) << "the right arrow key moves the thumb to the right";
    QTest::keyClick(moment, Qt::Key_Left);
    QTest::keyClick(moment, Qt::Key_Left);
    EXPECT_EQ(moment->value(), 49) << "the left arrow key moves the thumb to the left";
    EXPECT_EQ(surface("profil").clears(), before + 3) << "one chain per key step";
    EXPECT_EQ(text("Text_xM"), QString::number(moment->value() / 100.0));
}

// The middle of one part of a scroll bar (an arrow button or the track beside the thumb), as the
// bar's style lays it out.
QPoint partOf(QScrollBar* bar, QStyle::SubControl part) {
    QStyleOptionSlider option;
    option.initFrom(bar);
    option.orientation = bar->orientation();
    option.minimum = bar->minimum();
    option.maximum = bar->maximum();
    option.sliderPosition = bar->sliderPosition();
    option.sliderValue = bar->value();
    option.singleStep = bar->singleStep();
    option.pageStep = bar->pageStep();
    option.subControls = QStyle::SC_All;
    return bar->style()->subControlRect(QStyle::CC_ScrollBar, &option, part, bar).center();
}

TEST_F(ChainRules, MouseClicksOnArrowsAndTrack) {
    QScrollBar* points = bar("HScroll_nP");
    QTest::mouseClick(points, Qt::LeftButton, {}, partOf(points, QStyle::SC_ScrollBarAddLine));
    EXPECT_EQ(points->value(), 53);
    EXPECT_EQ(text("Text_nP"), QStringLiteral("53"));
    QTest::mouseClick(points, Qt::LeftButton, {}, partOf(points, QStyle::SC_ScrollBarSubLine));
    EXPECT_EQ(points->value(), 51);
    QTest::mouseClick(points, Qt::LeftButton, {}, partOf(points, QStyle::SC_ScrollBarAddPage));
    EXPECT_EQ(points->value(), 61);
    EXPECT_EQ(surface("daire").clears(), 3u) << "one chain per click";
    QScrollBar* moment = bar("HScroll_xM");
    QTest::mouseClick(moment, Qt::LeftButton, {}, partOf(moment, QStyle::SC_ScrollBarAddPage));
    EXPECT_EQ(text("Text_xM"), QStringLiteral("0.05"));
}

TEST_F(ChainRules, PointCountArrowsStayOddAndReachBothEnds) {
    QScrollBar* points = bar("HScroll_nP");
    for (int i = 0; i < 30; ++i) {
        points->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        EXPECT_EQ(points->value() % 2, 1);
    }
    EXPECT_EQ(points->value(), 101);
    EXPECT_EQ(text("Text_nP"), QStringLiteral("101"));
    for (int i = 0; i < 60; ++i) {
        points->triggerAction(QAbstractSlider::SliderSingleStepSub);
    }
    EXPECT_EQ(points->value(), 11);
    EXPECT_EQ(text("Text_nP"), QStringLiteral("11"));
    // 25 steps up and 45 down changed the position; the others stood at an end.
    EXPECT_EQ(surface("pressure").clears(), 25u + 45u);
    points->triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(points->value(), 21);
}

TEST_F(ChainRules, ClickWithoutTouchingAScrollBarDrawsTheStartState) {
    click("pressure");
    const State& s = window->state();
    EXPECT_EQ(s.Thickness, 0.0);
    EXPECT_EQ(s.Camber, 0.0);
    EXPECT_EQ(s.nP, 51.0);
    EXPECT_EQ(s.AlfaD, 0.0);
    EXPECT_EQ(s.xM, 0.0);
    // Row 1 of the table is the flat plate: the circle is centred at the origin.
    EXPECT_EQ(s.eps, 0.0);
    EXPECT_EQ(s.mu, 0.0);
    for (const auto& [name, expected] : {std::pair{"Text_Thickness", "0"},
                                         {"Text_Camber", "0"},
                                         {"Text_nP", "51"},
                                         {"Text_AlfaD", "0"},
                                         {"Text_xM", "0"},
                                         {"Text_CL", "0"},
                                         {"Text1", "0"}}) {
        EXPECT_EQ(text(name), QString::fromUtf8(expected)) << name;
    }
    for (const char* name : kSurfaces) {
        EXPECT_EQ(surface(name).clears(), 1u) << name;
        EXPECT_FALSE(surface(name).items().empty()) << name;
    }
    // Axes and cross, then 25 red and 25 blue segments of the 51-point circle.
    EXPECT_EQ(surface("daire").items().size(), 4u + 50u);
}

// The window's full chain and the one kestrel-calc renders from must leave the same pictures
// and numbers behind, whatever actions came before it in the window.
TEST_F(ChainRules, FullChainDrawsWhatTheSharedChainDraws) {
    setMach(QStringLiteral("0.3"));
    drag("HScroll_AlfaD", 5);
    drag("HScroll_xM", 25);
    drag("HScroll_nP", 60);
    drag("HScroll_Camber", 4);
    drag("HScroll_Thickness", 12);

    PlotSurfaces expected;
    const ChainResult result = drawFullChain({12, 4, 60, 5, 25, "0.3"}, expected);
    for (const char* name : kSurfaces) {
        EXPECT_EQ(surface(name).items(), expected.named(name).items()) << name;
        EXPECT_EQ(surface(name).scale(), expected.named(name).scale()) << name;
    }
    EXPECT_EQ(window->state().CLcur, result.state.CLcur);
    EXPECT_EQ(window->state().PGfactor, result.state.PGfactor);
    EXPECT_EQ(text("Text1"),
              QString::fromStdString(numberText(roundDecimals(*result.values.CMcur, 5), ".")));
}

// Shortest text of a box back to the number it shows.
double shown(const QString& text, const QLocale& locale, int* decimals = nullptr) {
    bool ok = false;
    const double value = locale.toDouble(text, &ok);
    EXPECT_TRUE(ok) << text.toStdString();
    if (decimals != nullptr) {
        const qsizetype point = text.indexOf(locale.decimalPoint());
        *decimals = point < 0 ? 0 : static_cast<int>(text.size() - point - 1);
    }
    return value;
}

TEST_F(ChainRules, ValuesWrittenWithAPointWhereThatIsTheSeparator) {
    drag("HScroll_Thickness", 12);
    drag("HScroll_Camber", 4);
    drag("HScroll_AlfaD", -3);
    drag("HScroll_xM", 25);
    EXPECT_EQ(text("Text_Thickness"), QStringLiteral("0.12"));
    EXPECT_EQ(text("Text_Camber"), QStringLiteral("0.04"));
    EXPECT_EQ(text("Text_AlfaD"), QStringLiteral("-3"));
    EXPECT_EQ(text("Text_xM"), QStringLiteral("0.25"));
    EXPECT_EQ(text("Text_nP"), QStringLiteral("51"));

    // The lift law at -3 degrees, shown to 4 decimals.
    const State& s = window->state();
    const double cl = liftCoefficient(s, -3);
    int decimals = 0;
    const double shownCL = shown(text("Text_CL"), QLocale::c(), &decimals);
    EXPECT_LE(decimals, 4);
    EXPECT_NEAR(shownCL, cl, 0.5e-4 + 1e-12);
    EXPECT_EQ(shownCL, std::nearbyint(cl * 1e4) / 1e4);

    // The moment law about x/c = 0.25 at -3 degrees, shown to 5 decimals.
    EXPECT_EQ(s.xM, 0.25);
    const double cm = momentCoefficient(s, -3, s.CLcur);
    const double shownCM = shown(text("Text1"), QLocale::c(), &decimals);
    EXPECT_LE(decimals, 5);
    EXPECT_EQ(shownCM, std::nearbyint(cm * 1e5) / 1e5);
    EXPECT_NE(shownCM, 0.0);
}

TEST_F(ChainRules, ValuesWrittenWithTheUsersDecimalComma) {
    window->setLocale(QLocale(QLocale::German));
    setMach(QStringLiteral("0.5"));
    drag("HScroll_Thickness", 12);
    drag("HScroll_AlfaD", 5);
    drag("HScroll_xM", 25);
    EXPECT_EQ(text("Text_Thickness"), QStringLiteral("0,12"));
    EXPECT_EQ(text("Text_xM"), QStringLiteral("0,25"));
    EXPECT_EQ(text("Text_AlfaD"), QStringLiteral("5"));
    EXPECT_TRUE(text("Text_CL").contains(QLatin1Char(',')));
    EXPECT_FALSE(text("Text_CL").contains(QLatin1Char('.')));
    shown(text("Text_CL"), window->locale());
    shown(text("Text1"), window->locale());
    // The Mach number is still read with a point: 0.5 draws the compressible curves.
    EXPECT_EQ(countColour(surface("Picture_CL"), 0xFF00FF), 25u);
    // A comma ends the Mach number: "0,5" reads as 0 and draws none.
    setMach(QStringLiteral("0,5"));
    click("Picture_CL");
    EXPECT_EQ(countColour(surface("Picture_CL"), 0xFF00FF), 0u);
    EXPECT_EQ(countColour(surface("pressure"), 0xFF00FF), 0u);
}

TEST_F(ChainRules, TypedMachNumberWaitsForAChainAndTheMomentChainUsesItAlone) {
    click("daire");
    setMach(QStringLiteral("0.6"));
    QTest::keyClick(box("Text_Moo"), Qt::Key_Return);
    EXPECT_EQ(countColour(surface("pressure"), 0xFF00FF), 0u);
    EXPECT_EQ(surface("pressure").clears(), 1u);
    step("HScroll_xM", QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(countColour(surface("Picture_CM"), 0xFF00FF), 25u);
    EXPECT_EQ(countColour(surface("Picture_CL"), 0xFF00FF), 0u);
    EXPECT_EQ(countColour(surface("pressure"), 0xFF00FF), 0u);
}

} // namespace
} // namespace kestrel::test
