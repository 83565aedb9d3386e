// SPDX-License-Identifier: MIT
// The window's pictures against the rendered ones, and the edges a user meets: clicks on plot
// labels, labels at the border, the framed Mach box, right clicks and wheel notches on the
// scroll bars.
#include "plots/labels.h"
#include "plots/picture.h"
#include "tests/support/pixels.h"
#include "tests/ui/window_fixture.h"
#include "ui/frame_box.h"

#include <QContextMenuEvent>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QWheelEvent>

namespace kestrel::test {
namespace {

using WindowEdges = WindowTest;

QImage rendered(const PictureBox& box) {
    QImage image(pictureSize(box.id()), QImage::Format_RGB32);
    QPainter painter(&image);
    paintPicture(painter, box.surface(), box.id(), 1);
    return image;
}

// The window's picture box, labels and all, is the picture kestrel-calc renders.
TEST_F(WindowEdges, EveryPlotShowsTheRenderedPicture) {
    setMach(QStringLiteral("0.3"));
    for (const auto& [name, position] : {std::pair{"HScroll_AlfaD", 5},
                                         {"HScroll_xM", 25},
                                         {"HScroll_Camber", 4},
                                         {"HScroll_Thickness", 12}}) {
        drag(name, position);
    }
    for (const char* name : kSurfaces) {
        const QImage shown = picture(name)->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QImage expected = rendered(*picture(name));
        EXPECT_EQ(unmatchedPixels(shown, expected), 0) << name;
        EXPECT_EQ(unmatchedPixels(expected, shown), 0) << name;
    }
}

TEST_F(WindowEdges, ClickOnAPlotLabelRunsNothing) {
    for (const PlotLabel& l : kPlotLabels) {
        auto* label = child<QLabel>(l.name.data());
        const QPoint at = label->mapTo(window.get(), label->rect().center());
        QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, at);
        for (const char* name : kSurfaces) {
            EXPECT_EQ(surface(name).clears(), 0u) << l.name << " on " << name;
        }
    }
    click("Picture_CL"); // beside the labels the plot still takes its click
    EXPECT_EQ(surface("daire").clears(), 1u);
}

// Labels that reach the inner edge are cut there: the sunken border stays whole.
TEST_F(WindowEdges, PlotLabelsStayInsideTheBorder) {
    for (const PlotLabel& l : kPlotLabels) {
        auto* label = child<QLabel>(l.name.data());
        auto* box = qobject_cast<PictureBox*>(label->parentWidget());
        ASSERT_NE(box, nullptr) << l.name;
        EXPECT_TRUE(box->contentsRect().contains(label->geometry())) << l.name;
    }
    // The bottom border of profil under "x/c" looks as it does beside it.
    const QImage image = picture("profil")->grab().toImage();
    auto* xc = child<QLabel>("Label8");
    for (int y = image.height() - kSurfaceBorder; y < image.height(); ++y) {
        EXPECT_EQ(image.pixel(xc->geometry().center().x(), y), image.pixel(10, y)) << y;
    }
}

// The frame's box fills its rectangle and the caption sits on the top line, above the Mach row.
TEST_F(WindowEdges, MachFrameCaptionSitsOnTheTopBorderLine) {
    auto* frame = child<FrameBox>("Frame3");
    const QRect border = frame->borderRect();
    EXPECT_EQ(border.bottom(), frame->rect().bottom());
    EXPECT_EQ(border.left(), 0);
    EXPECT_EQ(border.right(), frame->rect().right());
    const int captionMiddle = frame->fontMetrics().height() / 2;
    EXPECT_NEAR(border.top(), captionMiddle, 1);
    EXPECT_LT(border.top() + 2, child<QLabel>("Label36")->y());
    EXPECT_LT(border.top() + 2, box("Text_Moo")->y());
    // The top line is drawn right of the caption, at the caption's middle.
    const QImage image = frame->grab().toImage();
    EXPECT_EQ(image.pixel(frame->width() - 10, border.top()),
              frame->palette().color(QPalette::Dark).rgb());
}

// Labels inside the frames are opaque in the frame's own background.
TEST_F(WindowEdges, FrameLabelsShowTheFramesBackground) {
    for (const char* frameName : {"Frame1", "Frame2", "Frame3"}) {
        auto* frame = child<FrameBox>(frameName);
        const QImage image = frame->grab().toImage();
        const QRgb background = image.pixel(frame->width() / 2, frame->height() - 5);
        for (QLabel* label : frame->findChildren<QLabel*>()) {
            const QPoint corner = label->geometry().topRight() + QPoint(-1, 1);
            EXPECT_EQ(image.pixel(corner), background) << label->objectName().toStdString();
        }
    }
}

TEST_F(WindowEdges, RightClickOnAScrollBarShowsNoMenuAndMovesNothing) {
    bool menuShown = false;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&menuShown] {
        if (QWidget* popup = QApplication::activePopupWidget()) {
            menuShown = true;
            popup->close();
        }
    });
    closer.start(5);
    for (const char* name : kScrollBars) {
        QScrollBar* b = bar(name);
        const int before = b->value();
        QContextMenuEvent event(QContextMenuEvent::Mouse, b->rect().center(),
                                b->mapToGlobal(b->rect().center()));
        QApplication::sendEvent(b, &event);
        QApplication::processEvents();
        EXPECT_EQ(b->value(), before) << name;
    }
    EXPECT_FALSE(menuShown);
    for (const char* name : kSurfaces) {
        EXPECT_EQ(surface(name).clears(), 0u) << name;
    }
}

void turnWheel(QScrollBar* b, int eighthsOfADegree) {
    const QPointF at = b->rect().center();
    QWheelEvent event(at, b->mapToGlobal(at), QPoint(), QPoint(0, eighthsOfADegree), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(b, &event);
}

// One notch is one small change and one chain; half notches add up to one.
TEST_F(WindowEdges, OneWheelNotchIsOneSmallChange) {
    QScrollBar* points = bar("HScroll_nP");
    turnWheel(points, -120); // towards the user: larger values
    EXPECT_EQ(points->value(), 53);
    EXPECT_EQ(surface("pressure").clears(), 1u);
    turnWheel(points, 120);
    EXPECT_EQ(points->value(), 51);
    EXPECT_EQ(surface("pressure").clears(), 2u);
    turnWheel(points, 60);
    EXPECT_EQ(points->value(), 51);
    turnWheel(points, 60);
    EXPECT_EQ(points->value(), 49);
    EXPECT_EQ(surface("pressure").clears(), 3u);
}

} // namespace
} // namespace kestrel::test
