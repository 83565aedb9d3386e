// SPDX-License-Identifier: MIT
// The About window: one object, created on the first choice of "About", modeless and without an
// owner, shown again after closing, while the main window goes on working.
#include "tests/ui/window_fixture.h"
#include "ui/about_window.h"

#include <QLabel>
#include <QMenuBar>

namespace kestrel::test {
namespace {

using About = WindowTest;

// Chooses "About" in the menu bar with the mouse.
void chooseAbout(Form1& window) {
    QMenuBar* bar = window.menuBar();
    QAction* about = window.findChild<QAction*>(QStringLiteral("Mn_About"));
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(about).center());
}

int aboutWindowsOpen() {
    int n = 0;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        n += w->objectName() == QStringLiteral("Form_About") ? 1 : 0;
    }
    return n;
}

TEST_F(About, ChoosingItTwiceOpensOneWindow) {
    ASSERT_EQ(window->aboutWindow(), nullptr);
    chooseAbout(*window);
    AboutWindow* first = window->aboutWindow();
    ASSERT_NE(first, nullptr);
    EXPECT_TRUE(first->isVisible());
    EXPECT_EQ(first->parentWidget(), nullptr) << "the About window has no owner";
    EXPECT_FALSE(first->isModal());
    EXPECT_EQ(first->windowTitle(), QStringLiteral("About"));
    // 4125 x 3195 twips.
    EXPECT_EQ(first->size(), QSize(275, 213));

    chooseAbout(*window);
    EXPECT_EQ(window->aboutWindow(), first);
    EXPECT_EQ(aboutWindowsOpen(), 1);
}

TEST_F(About, ExactTextsAndShownAgainAfterClosing) {
    chooseAbout(*window);
    AboutWindow* about = window->aboutWindow();
    ASSERT_NE(about, nullptr);
    const std::pair<const char*, const char*> texts[] = {
        {"Label1", "Kestrel"},
        {"Label2", "Aerodynamic Characteristics of Kestrel"},
        {"Label8", "last update : Februaray 2007"},
        {"Label4", "for comments and questions e-mail to"},
    };
    for (const auto& [name, expected] : texts) {
        auto* label = about->findChild<QLabel*>(QString::fromUtf8(name));
        ASSERT_NE(label, nullptr) << name;
        EXPECT_EQ(label->text(), QString::fromUtf8(expected)) << name;
    }
    auto* credit = about->findChild<QLabel*>(QStringLiteral("Label7"));
    ASSERT_NE(credit, nullptr);
    EXPECT_TRUE(credit->text().startsWith(QStringLiteral("developed by "))) << "credit line";
    auto* contact = about->findChild<QLabel*>(QStringLiteral("Label5"));
    ASSERT_NE(contact, nullptr);
    EXPECT_TRUE(contact->text().contains(QLatin1Char('@')));

    about->close();
    EXPECT_FALSE(about->isVisible());
    chooseAbout(*window);
    EXPECT_EQ(window->aboutWindow(), about);
    EXPECT_TRUE(about->isVisible());
    EXPECT_EQ(about->findChild<QLabel*>(QStringLiteral("Label1"))->text(),
              QStringLiteral("Kestrel"));
    EXPECT_EQ(aboutWindowsOpen(), 1);
}

TEST_F(About, MainWindowWorksWhileItIsOpen) {
    chooseAbout(*window);
    ASSERT_TRUE(window->aboutWindow()->isVisible());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    step("HScroll_Thickness", QAbstractSlider::SliderSingleStepAdd);
    click("Picture_CM");
    EXPECT_EQ(surface("Picture_CM").clears(), 2u);
    EXPECT_EQ(text("Text_Thickness"), QStringLiteral("0.01"));
    EXPECT_TRUE(window->aboutWindow()->isVisible());
}

} // namespace
} // namespace kestrel::test
