// SPDX-License-Identifier: MIT
// The windows' zoom: the main window's controls and pictures at 200 %, the zoom keys stepping
// and stopping at their ends in both windows, the window at 100 % again as it was, and the zoom
// kept between runs and read from --zoom.
#include "plots/picture.h"
#include "plots/zoom.h"
#include "tests/support/pixels.h"
#include "tests/ui/window_fixture.h"
#include "ui/flow_view.h"
#include "ui/study_window.h"
#include "ui/view_zoom.h"

#include <QClipboard>
#include <QCommandLineParser>
#include <QSettings>
#include <algorithm>
#include <stdexcept>

namespace kestrel::test {
namespace {

class Zoom : public WindowTest {
public:
    void SetUp() override {
        WindowTest::SetUp();
        window->activateWindow();
        QApplication::processEvents();
    }

    void fullChain() {
        setMach(QStringLiteral("0.3"));
        drag("HScroll_AlfaD", 5);
        drag("HScroll_Camber", 4);
        drag("HScroll_Thickness", 12);
    }

    // The controls of the client area, the plots' labels among them, with their places and
    // font sizes in pixels; not the plots' menus, which are windows of their own.
    struct Placed {
        QWidget* widget;
        QRect place;
        double fontPixels;
    };
    std::vector<Placed> controls() const {
        std::vector<Placed> placed;
        for (QWidget* w : child<QWidget>("client")->findChildren<QWidget*>()) {
            if (!w->objectName().isEmpty() && !w->isWindow()) {
                placed.push_back({w, w->geometry(), QFontInfo(w->font()).pixelSize() * 1.0});
            }
        }
        return placed;
    }

    static void press(QWidget* to, QKeyCombination keys) {
        QTest::keyClick(to, keys.key(), keys.keyboardModifiers());
        QApplication::processEvents();
    }
};

TEST_F(Zoom, At200EveryControlSitsAtTwiceItsPlaceWithTwiceItsFont) {
    const std::vector<Placed> actual = controls();
    ASSERT_GT(actual.size(), 50u);
    const QSize client = child<QWidget>("client")->size();
    window->setZoom(2);
    EXPECT_EQ(child<QWidget>("client")->size(), 2 * client);
    for (const Placed& p : actual) {
        const QRect& r = p.place;
        EXPECT_EQ(p.widget->geometry(), QRect(2 * r.x(), 2 * r.y(), 2 * r.width(), 2 * r.height()))
            << p.widget->objectName().toStdString();
        // Font sizes round to whole pixels at either zoom.
        EXPECT_NEAR(QFontInfo(p.widget->font()).pixelSize(), 2 * p.fontPixels, 1.01)
            << p.widget->objectName().toStdString();
    }
}

// At the zoom the window paints each plot from its record: as the copied picture, painted from
// the record at twice the size, shows it, and unlike the plot at 100 % stretched.
TEST_F(Zoom, PicturesArePaintedFromTheirRecordsAtTheZoom) {
    fullChain();
    std::vector<QImage> stretched;
    for (const char* plot : kSurfaces) {
        stretched.push_back(picture(plot)->grab().toImage().convertToFormat(QImage::Format_RGB32));
        stretched.back() = stretched.back().scaled(2 * stretched.back().size());
    }
    window->setZoom(2);
    QApplication::processEvents();
    for (std::size_t i = 0; i < std::size(kSurfaces); ++i) {
        const char* plot = kSurfaces[i];
        const SurfaceId id = picture(plot)->id();
        window->copyPicture(id);
        const QImage copied =
            QApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32);
        const QImage shown = picture(plot)->grab().toImage().convertToFormat(QImage::Format_RGB32);
        EXPECT_EQ(copied.size(), 2 * pictureSize(id)) << plot;
        // The labels are the window's own, in a font twice as large, whose glyphs may sit a pixel
        // or two away from the painted text's: a handful of pixels, where a stretched picture
        // misses thousands.
        const long unmatched = unmatchedPixels(copied, shown, 2);
        EXPECT_LT(10 * unmatched, unmatchedPixels(copied, stretched[i], 2)) << plot;
    }
}

TEST_F(Zoom, BackAtTheActualSizeTheWindowIsAsItWas) {
    fullChain();
    const QImage before = child<QWidget>("client")->grab().toImage();
    window->setZoom(2.5);
    QApplication::processEvents();
    window->setZoom(1);
    QApplication::processEvents();
    EXPECT_EQ(child<QWidget>("client")->grab().toImage().convertToFormat(QImage::Format_RGB32),
              before.convertToFormat(QImage::Format_RGB32));
}

// Ctrl + plus climbs to at least 250 % and stops; Ctrl + minus comes down the same steps and
// stops at 100 %; Ctrl + 0 goes back to 100 %. Each choice is remembered for the next run.
TEST_F(Zoom, KeysStepAndStopAtTheEnds) {
    QWidget* focus = picture("profil");
    std::vector<double> up{window->zoom()};
    for (int i = 0; i < 20; ++i) {
        press(focus, Qt::CTRL | Qt::Key_Plus);
        up.push_back(window->zoom());
        EXPECT_EQ(rememberedZoom(), window->zoom());
    }
    EXPECT_EQ(up.front(), 1);
    EXPECT_GE(up.back(), 2.5);
    EXPECT_EQ(up[up.size() - 2], up.back()) << "stops at the largest zoom";
    std::vector<double> down{window->zoom()};
    while (down.size() < up.size()) {
        press(focus, Qt::CTRL | Qt::Key_Minus);
        down.push_back(window->zoom());
    }
    up.erase(std::unique(up.begin(), up.end()), up.end());
    down.erase(std::unique(down.begin(), down.end()), down.end());
    EXPECT_EQ(std::vector<double>(down.rbegin(), down.rend()), up);
    press(focus, Qt::CTRL | Qt::Key_Equal); // the key under "+"
    EXPECT_GT(window->zoom(), 1);
    press(focus, Qt::CTRL | Qt::Key_0);
    EXPECT_EQ(window->zoom(), 1);
    EXPECT_EQ(rememberedZoom(), 1);
}

TEST_F(Zoom, TheStudyWindowFollowsAndTakesTheKeys) {
    window->setZoom(2);
    window->openStudyWindow();
    StudyWindow* study = window->studyWindow();
    EXPECT_EQ(study->flowTab()->view()->zoom(), 2);
    const QFont atTwo = study->font();
    study->activateWindow();
    QApplication::processEvents();
    press(study->tabs(), Qt::CTRL | Qt::Key_0);
    EXPECT_EQ(window->zoom(), 1);
    EXPECT_EQ(study->flowTab()->view()->zoom(), 1);
    EXPECT_NEAR(QFontInfo(study->font()).pixelSize() * 2.0, QFontInfo(atTwo).pixelSize(), 1.01);
}

// --zoom FACTOR, else the remembered zoom; a factor outside the range or no number is refused
// with a message that names the option, the range and what was given.
TEST(ZoomOption, GivenRememberedAndRefused) {
    const auto opening = [](const QStringList& arguments) {
        QCommandLineParser parser;
        addZoomOption(parser);
        EXPECT_TRUE(parser.parse(QStringList{QStringLiteral("kestrel")} + arguments));
        return openingZoom(parser);
    };
    EXPECT_EQ(opening({QStringLiteral("--zoom"), QStringLiteral("2")}), 2);
    EXPECT_EQ(opening({QStringLiteral("--zoom=1.5")}), 1.5);
    rememberZoom(1.75);
    EXPECT_EQ(opening({}), 1.75);
    QSettings().setValue(QStringLiteral("view/zoom"), QStringLiteral("huge"));
    EXPECT_EQ(opening({}), 1) << "a spoiled setting opens at 100 %";
    QSettings().remove(QStringLiteral("view/zoom"));
    EXPECT_EQ(opening({QStringLiteral("--zoom"), QString::number(kLargestZoom)}), kLargestZoom);
    for (const QString& bad :
         {QString::number(kLargestZoom + 0.01), QString::number(kSmallestZoom - 0.01),
          QStringLiteral("-2"), QStringLiteral("abc"), QStringLiteral(""), QStringLiteral("2x"),
          QStringLiteral("nan"), QStringLiteral("inf")}) {
        try {
            opening({QStringLiteral("--zoom"), bad});
            ADD_FAILURE() << "accepted " << bad.toStdString();
        } catch (const std::invalid_argument& error) {
            const QString message = QString::fromStdString(error.what());
            for (const QString& part : {QStringLiteral("--zoom"), QString::number(kSmallestZoom),
                                        QString::number(kLargestZoom), bad}) {
                EXPECT_TRUE(message.contains(part)) << message.toStdString();
            }
        }
    }
}

} // namespace
} // namespace kestrel::test
