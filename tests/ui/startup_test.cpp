// SPDX-License-Identifier: MIT
// The window as it opens: caption, client area, control geometry, scroll ranges, initial texts,
// blank plots, keyboard focus and tab order, and a layout that resizing leaves alone.
#include "plots/window_layout.h"
#include "tests/ui/window_fixture.h"
#include "ui/frame_box.h"

#include <QLabel>
#include <QMenuBar>
#include <cmath>

namespace kestrel::test {
namespace {

using StartUp = WindowTest;

// Positions and sizes are given in twips; 15 twips make one logical pixel.
QRect pixels(int left, int top, int width, int height) {
    const auto px = [](int twips) { return static_cast<int>(std::lround(twips / 15.0)); };
    return QRect(px(left), px(top), px(width), px(height));
}

TEST_F(StartUp, CaptionMenuAndClientArea) {
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Kestrel - Aerodynamic Characteristics"));
    // 11880 x 7350 twips below the caption and the menu bar.
    EXPECT_EQ(window->centralWidget()->size(), QSize(792, 490));
    EXPECT_EQ(window->height() - window->menuBar()->height(), 490);
    EXPECT_EQ(window->width(), 792);

    auto* about = child<QAction>("Mn_About");
    EXPECT_EQ(about->text(), QStringLiteral("About"));
    EXPECT_EQ(about->menu(), nullptr) << "the menu item has no sub-items";
    EXPECT_TRUE(window->menuBar()->actions().contains(about));
    EXPECT_EQ(window->menuBar()->actions().size(), 1);
}

struct Placement {
    const char* name;
    int left, top, width, height; // twips in the container
    const char* container;
};

void PrintTo(const Placement& p, std::ostream* os) {
    *os << p.name;
}

class ControlGeometry : public WindowTest, public ::testing::WithParamInterface<Placement> {};

TEST_P(ControlGeometry, SitsWhereItsTwipsSay) {
    const Placement& p = GetParam();
    auto* control = child<QWidget>(p.name);
    EXPECT_EQ(control->geometry(), pixels(p.left, p.top, p.width, p.height));
    EXPECT_EQ(control->parentWidget()->objectName(), QString::fromUtf8(p.container));
}

INSTANTIATE_TEST_SUITE_P(
    Window, ControlGeometry,
    ::testing::Values(Placement{"daire", 120, 240, 3400, 3400, "client"},
                      Placement{"profil", 3600, 240, 4800, 2400, "client"},
                      Placement{"pressure", 3600, 2760, 4800, 4335, "client"},
                      Placement{"Picture_CL", 8520, 240, 3200, 3915, "client"},
                      Placement{"Picture_CM", 8520, 4320, 3255, 2775, "client"},
                      Placement{"Frame1", 120, 3720, 3375, 2055, "client"},
                      Placement{"Frame3", 120, 5880, 3375, 615, "client"},
                      Placement{"Frame2", 120, 6600, 3375, 615, "client"},
                      Placement{"Text_Thickness", 720, 240, 495, 285, "Frame1"},
                      Placement{"Text_xM", 720, 1680, 495, 285, "Frame1"},
                      Placement{"HScroll_AlfaD", 1200, 1320, 1335, 255, "Frame1"},
                      Placement{"HScroll_xM", 1200, 1680, 1335, 255, "Frame1"},
                      Placement{"Label7", 120, 1680, 495, 255, "Frame1"},
                      Placement{"Text1", 2280, 240, 735, 285, "Frame2"},
                      Placement{"Text_Moo", 960, 240, 615, 285, "Frame3"},
                      Placement{"Label36", 240, 240, 615, 255, "Frame3"}),
    [](const auto& info) { return std::string(info.param.name); });

// The window is built from its one table: every control sits in its container where its twips
// say, and shows the table's texts; the page receives the same table from the module.
TEST_F(StartUp, EveryControlShowsTheTablesTexts) {
    for (const Control& c : kControls) {
        if (c.kind == ControlKind::AboutLabel) {
            continue;
        }
        auto* control = child<QWidget>(std::string(c.name).c_str());
        const std::string where(c.name);
        EXPECT_EQ(control->geometry(), pixels(c.left, c.top, c.width, c.height)) << where;
        EXPECT_EQ(control->parentWidget()->objectName().toStdString(), c.parent) << where;
        if (auto* label = qobject_cast<QLabel*>(control)) {
            EXPECT_EQ(label->text().toStdString(), uiText(c.text)) << where;
        } else if (auto* frame = dynamic_cast<FrameBox*>(control)) {
            EXPECT_EQ(frame->caption().toStdString(), uiText(c.text)) << where;
        } else if (c.kind != ControlKind::Plot) {
            EXPECT_EQ(control->accessibleName().toStdString(), accessibleName(c)) << where;
        }
    }
    EXPECT_EQ(window->windowTitle().toStdString(), uiText(TextId::MainTitle));
}

TEST_F(StartUp, PressureSurfaceInPixels) {
    // 3600, 2760 twips and 4800 x 4335 twips.
    EXPECT_EQ(picture("pressure")->geometry(), QRect(240, 184, 320, 289));
}

struct ScrollDefinition {
    const char* name;
    int minimum, maximum, arrow, track, initial;
    const char* box;
    const char* initialText;
};

void PrintTo(const ScrollDefinition& d, std::ostream* os) {
    *os << d.name;
}

class ScrollBars : public WindowTest, public ::testing::WithParamInterface<ScrollDefinition> {};

TEST_P(ScrollBars, RangeStepsAndInitialState) {
    const ScrollDefinition& d = GetParam();
    QScrollBar* b = bar(d.name);
    EXPECT_EQ(b->orientation(), Qt::Horizontal);
    EXPECT_EQ(b->minimum(), d.minimum);
    EXPECT_EQ(b->maximum(), d.maximum);
    EXPECT_EQ(b->singleStep(), d.arrow);
    EXPECT_EQ(b->pageStep(), d.track);
    EXPECT_EQ(b->value(), d.initial);
    EXPECT_EQ(text(d.box), QString::fromUtf8(d.initialText));
    EXPECT_FALSE(b->accessibleName().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Window, ScrollBars,
    ::testing::Values(ScrollDefinition{"HScroll_Thickness", 0, 30, 1, 1, 0, "Text_Thickness", "0"},
                      ScrollDefinition{"HScroll_Camber", 0, 15, 1, 1, 0, "Text_Camber", "0"},
                      ScrollDefinition{"HScroll_nP", 11, 101, 2, 10, 51, "Text_nP", "51"},
                      ScrollDefinition{"HScroll_AlfaD", -10, 10, 1, 1, 0, "Text_AlfaD", "0"},
                      ScrollDefinition{"HScroll_xM", 0, 100, 1, 5, 0, "Text_xM", "0"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(StartUp, ResultAndMachBoxesReadZeroAndNothingIsDrawn) {
    for (const char* name : {"Text_CL", "Text1", "Text_Moo"}) {
        EXPECT_EQ(text(name), QStringLiteral("0")) << name;
    }
    for (const char* name : kSurfaces) {
        EXPECT_TRUE(surface(name).items().empty()) << name;
        EXPECT_EQ(surface(name).clears(), 0u) << name;
    }
    EXPECT_EQ(window->aboutWindow(), nullptr);
}

TEST_F(StartUp, CaptionsAndLabelTexts) {
    EXPECT_EQ(child<FrameBox>("Frame3")->caption(), QStringLiteral("Sıkıştırılabilme etkisi"));
    EXPECT_TRUE(child<FrameBox>("Frame1")->caption().isEmpty());
    EXPECT_TRUE(child<FrameBox>("Frame2")->caption().isEmpty());
    // The Greek labels must show the Greek letters; leading blanks of the ticks are exact.
    const std::pair<const char*, QString> labels[] = {
        {"Label2", QStringLiteral("δ")},      {"Label3", QStringLiteral("γ")},
        {"Label4", QStringLiteral("α")},      {"Label13", QStringLiteral("α")},
        {"Label36", QStringLiteral("Moo =")}, {"Label7", QStringLiteral("xM/c=")},
        {"Label31", QStringLiteral(" -1.0")}, {"Label10", QStringLiteral("  0.2")}};
    for (const auto& [name, expected] : labels) {
        EXPECT_EQ(child<QLabel>(name)->text(), expected) << name;
    }
    // Labels on a plot take the plot's light yellow so that they blend into it.
    for (const char* name : {"Label8", "Label19", "Label13", "Label35"}) {
        auto* label = child<QLabel>(name);
        EXPECT_TRUE(label->autoFillBackground()) << name;
        EXPECT_EQ(label->palette().color(QPalette::Window), QColor(255, 255, 192)) << name;
    }
    EXPECT_NE(child<QLabel>("Label36")->palette().color(QPalette::Window), QColor(255, 255, 192));
}

TEST_F(StartUp, EveryInputAndResultCarriesItsOwnAccessibleName) {
    // What each control sets or shows, in words a screen reader can speak.
    const std::pair<const char*, const char*> expected[] = {{"HScroll_Thickness", "thickness"},
                                                            {"HScroll_Camber", "camber"},
                                                            {"HScroll_nP", "points"},
                                                            {"HScroll_AlfaD", "angle"},
                                                            {"HScroll_xM", "moment"},
                                                            {"Text_Thickness", "thickness"},
                                                            {"Text_Camber", "camber"},
                                                            {"Text_nP", "points"},
                                                            {"Text_AlfaD", "angle"},
                                                            {"Text_xM", "moment"},
                                                            {"Text_CL", "lift"},
                                                            {"Text1", "moment coefficient"},
                                                            {"Text_Moo", "mach"}};
    QStringList names;
    for (const auto& [name, word] : expected) {
        const QString accessible = child<QWidget>(name)->accessibleName();
        EXPECT_TRUE(accessible.contains(QString::fromUtf8(word), Qt::CaseInsensitive))
            << name << ": " << accessible.toStdString();
        names << accessible;
    }
    names.removeDuplicates();
    EXPECT_EQ(names.size(), static_cast<qsizetype>(std::size(expected)));
}

TEST_F(StartUp, FocusStartsOnProfilAndTabVisitsTheControlsInOrder) {
    window->activateWindow();
    QApplication::processEvents();
    ASSERT_TRUE(window->isActiveWindow());
    EXPECT_EQ(QApplication::focusWidget(), picture("profil"));

    const char* order[] = {"profil",         "pressure",   "Text_AlfaD",    "Text_Camber",
                           "Text_Thickness", "Text_nP",    "HScroll_AlfaD", "HScroll_Thickness",
                           "HScroll_Camber", "HScroll_nP", "daire",         "Text_CL",
                           "Picture_CL",     "Text1",      "Picture_CM",    "Text_xM",
                           "HScroll_xM",     "Text_Moo",   "profil"};
    for (std::size_t i = 1; i < std::size(order); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        ASSERT_NE(QApplication::focusWidget(), nullptr);
        EXPECT_EQ(QApplication::focusWidget()->objectName(), QString::fromUtf8(order[i]))
            << "after " << order[i - 1];
    }
    // Walking the keyboard round runs nothing.
    for (const char* name : kSurfaces) {
        EXPECT_EQ(surface(name).clears(), 0u) << name;
    }
}

TEST_F(StartUp, ResizingTheWindowMovesNothing) {
    std::vector<std::pair<QWidget*, QRect>> before;
    for (QWidget* w : window->centralWidget()->findChildren<QWidget*>()) {
        before.emplace_back(w, QRect(w->mapTo(window.get(), QPoint(0, 0)), w->size()));
    }
    ASSERT_GT(before.size(), 50u);
    for (const QSize size : {QSize(1100, 800), QSize(500, 300), QSize(800, 540)}) {
        window->resize(size);
        QApplication::processEvents();
        QStringList moved;
        for (const auto& [w, place] : before) {
            if (QRect(w->mapTo(window.get(), QPoint(0, 0)), w->size()) != place) {
                moved << w->objectName();
            }
        }
        EXPECT_TRUE(moved.isEmpty()) << "at window size " << size.width() << "x" << size.height()
                                     << " moved: " << moved.join(", ").toStdString();
    }
}

} // namespace
} // namespace kestrel::test
