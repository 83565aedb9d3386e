// SPDX-License-Identifier: MIT
// The study window's Flow tab: the mapping's two ends are the circle-plane and profile-plane
// pictures, the probe reads the flow under the mouse, and the particle animation runs only while
// the tab can be seen.
#include "plots/flow_painter.h"
#include "tests/support/pixels.h"
#include "tests/ui/window_fixture.h"
#include "ui/flow_view.h"
#include "ui/study_window.h"

#include <QCheckBox>
#include <QLabel>
#include <QMouseEvent>
#include <QSlider>
#include <QTabWidget>

namespace kestrel::test {
namespace {

class FlowTabTest : public WindowTest {
public:
    FlowTab* openFlow() {
        window->openStudyWindow();
        StudyWindow* study = window->studyWindow();
        study->tabs()->setCurrentWidget(study->flowTab());
        study->resize(900, 480);
        drag("HScroll_Thickness", 12);
        drag("HScroll_Camber", 4);
        drag("HScroll_AlfaD", 5);
        QApplication::processEvents();
        return study->flowTab();
    }

    static QImage part(const QImage& image, const PixelBox& box) {
        const double ratio = image.devicePixelRatio();
        return image.copy(
            QRectF(box.left * ratio, box.top * ratio, box.width * ratio, box.height * ratio)
                .toRect());
    }

    // The widget point over the profile-plane point (x, y) of the right-hand plane.
    static QPointF pointOver(const FlowView& view, double x, double y) {
        const PixelBox box = flowLayout(view.width(), view.height()).right;
        const PlaneWindow v = flowView(view.picture()->flow(), 1, aspectOf(box));
        return {box.left + (x - v.xMin) / (v.xMax - v.xMin) * box.width,
                box.top + (v.yMax - y) / (v.yMax - v.yMin) * box.height};
    }

    static void moveTo(FlowView& view, QPointF where) {
        QMouseEvent move(QEvent::MouseMove, where, view.mapToGlobal(where), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(&view, &move);
    }
};

TEST_F(FlowTabTest, MappingEndsAreTheCircleAndProfilePictures) {
    FlowTab* tab = openFlow();
    FlowView* view = tab->view();
    const FlowLayout layout = flowLayout(view->width(), view->height());
    ASSERT_EQ(layout.left.width, layout.right.width);

    // At the start the left plane is the circle plane, as kestrel-calc flow draws it.
    tab->mappingSlider()->setValue(0);
    QImage drawn = view->background();
    QImage rendered = QImage::fromData(flowPng(*view->picture(), view->size(), 0));
    rendered.setDevicePixelRatio(drawn.devicePixelRatio());
    if (drawn.devicePixelRatio() == 1) {
        EXPECT_EQ(unmatchedPixels(part(drawn, layout.left), part(rendered, layout.left)), 0);
    }
    EXPECT_GT(unmatchedPixels(part(drawn, layout.left), part(drawn, layout.right)), 1000);

    // At the end both planes are the profile plane.
    tab->mappingSlider()->setValue(tab->mappingSlider()->maximum());
    drawn = view->background();
    EXPECT_EQ(unmatchedPixels(part(drawn, layout.left), part(drawn, layout.right)), 0);
}

TEST_F(FlowTabTest, ProbeReadsTheFlowUnderTheMouse) {
    FlowTab* tab = openFlow();
    FlowView* view = tab->view();
    const QPointF above = pointOver(*view, 0.3, 0.25);
    moveTo(*view, above);
    const QString text = tab->probeLabel()->text();
    ASSERT_TRUE(text.contains(QStringLiteral("Cp"))) << text.toStdString();
    // The number shown is the field at the point under the mouse, to the pixel's width.
    const QString cp = text.section(QStringLiteral("Cp "), 1).section(QLatin1Char(' '), 0, 0);
    const double shown = QString(cp).replace(QChar(0x2212), QLatin1Char('-')).toDouble();
    EXPECT_NEAR(shown, view->picture()->flow().atProfile(0.3, 0.25).Cp, 0.01);

    moveTo(*view, pointOver(*view, 0.4, 0.04)); // within the 12 % profile
    EXPECT_EQ(tab->probeLabel()->text(), QStringLiteral("inside the profile"));
}

TEST_F(FlowTabTest, ParticlesRunOnlyWhileTheTabCanBeSeen) {
    FlowTab* tab = openFlow();
    StudyWindow* study = window->studyWindow();
    EXPECT_FALSE(tab->animating());
    tab->particlesSwitch()->setChecked(true);
    EXPECT_TRUE(tab->animating());
    study->hide();
    EXPECT_FALSE(tab->animating());
    study->show();
    EXPECT_TRUE(tab->animating());
    study->tabs()->setCurrentIndex(1);
    EXPECT_FALSE(tab->animating());
    study->tabs()->setCurrentWidget(tab);
    EXPECT_TRUE(tab->animating());
    study->showMinimized();
    QApplication::processEvents();
    if (study->isMinimized()) {
        EXPECT_FALSE(tab->animating());
    }
    study->showNormal();
    tab->particlesSwitch()->setChecked(false);
    EXPECT_FALSE(tab->animating());
}

} // namespace
} // namespace kestrel::test
