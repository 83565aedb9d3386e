// SPDX-License-Identifier: MIT
// The study window's Boundary layer tab: it draws the main window's profile and angle, follows
// the chains while it is shown, maps its Reynolds slider onto 1e4 to 1e8 and remembers it and
// N_crit.
#include "model/decimal.h"
#include "plots/boundary_layer_plots.h"
#include "tests/ui/window_fixture.h"
#include "ui/boundary_layer_tab.h"
#include "ui/study_window.h"
#include "ui/surface_view.h"

#include <QDoubleSpinBox>
#include <QLabel>
#include <QSettings>
#include <QSlider>
#include <QTabWidget>
#include <QTableWidget>

namespace kestrel::test {
namespace {

class LayerTab : public WindowTest {
public:
    // The study window opened on the Boundary layer tab after the main window showed 12/4 at
    // `alpha` degrees.
    BoundaryLayerTab* openAt(int alpha) {
        drag("HScroll_Thickness", 12);
        drag("HScroll_Camber", 4);
        drag("HScroll_AlfaD", alpha);
        for (QAction* a : picture("profil")->actions()) {
            if (a->text() == "Study window") {
                a->trigger();
            }
        }
        StudyWindow* study = window->studyWindow();
        study->tabs()->setCurrentWidget(study->boundaryLayerTab());
        QApplication::processEvents();
        return study->boundaryLayerTab();
    }
    void TearDown() override {
        QSettings settings; // the next test starts from the defaults
        settings.remove(QStringLiteral("study/reynolds"));
        settings.remove(QStringLiteral("study/ncrit"));
        WindowTest::TearDown();
    }
};

TEST_F(LayerTab, DrawsTheWindowsProfileAndMarksTheCurrentAngleOnThePolar) {
    BoundaryLayerTab* tab = openAt(5);
    ASSERT_TRUE(tab->view().has_value());
    const BoundaryLayer expected = boundaryLayer(window->state());
    EXPECT_EQ(tab->view()->alpha, 5);
    EXPECT_EQ(tab->view()->polar.size(), 21U); // -10 to 10 degrees
    EXPECT_EQ(tab->table()->item(0, 0)->text().toStdString(), fixedDecimals(*expected.CD, 5));
    EXPECT_EQ(tab->table()->item(3, 1)->text().toStdString(),
              fixedDecimals(expected.upper.transition->x, 3));
    EXPECT_EQ(tab->table()->item(3, 2)->text(), QStringLiteral("–")); // laminar to the edge
    EXPECT_TRUE(tab->note()->text().startsWith(QString::fromStdString(expected.note)));
    for (const SurfaceView* view :
         {tab->profileView(), tab->frictionView(), tab->shapeFactorView(), tab->polarView()}) {
        EXPECT_FALSE(view->surface().items().empty()) << view->objectName().toStdString();
    }
    // The current angle's red dot sits on its polar point.
    const PolarPoint& at5 = tab->view()->polar[15];
    ASSERT_EQ(at5.alpha, 5);
    int current = 0;
    for (const SurfaceItem& item : tab->polarView()->surface().items()) {
        if (item.kind == SurfaceItem::Kind::Marker && item.colour == kCurrentAngleColour) {
            ++current;
            EXPECT_FLOAT_EQ(item.x1, static_cast<float>(*at5.CD));
            EXPECT_FLOAT_EQ(item.y1, static_cast<float>(at5.CL));
        }
    }
    EXPECT_EQ(current, 1);
}

TEST_F(LayerTab, FollowsTheChainsWhileShownAndCatchesUpWhenShownAgain) {
    BoundaryLayerTab* tab = openAt(5);
    drag("HScroll_AlfaD", 6);
    EXPECT_EQ(tab->view()->alpha, 6);
    StudyWindow* study = window->studyWindow();
    study->tabs()->setCurrentIndex(1);
    drag("HScroll_AlfaD", 7);
    EXPECT_EQ(tab->view()->alpha, 6); // only the shown tab redraws
    study->tabs()->setCurrentWidget(tab);
    EXPECT_EQ(tab->view()->alpha, 7);
}

TEST_F(LayerTab, ReynoldsSliderSpansFourDecadesAndBothSettingsAreRemembered) {
    BoundaryLayerTab* tab = openAt(2);
    QSlider* slider = tab->reynoldsSlider();
    EXPECT_EQ(tab->options().reynolds, 1e6); // the default, two decades up
    EXPECT_EQ(tab->options().ncrit, 9);
    slider->setValue(slider->minimum());
    EXPECT_EQ(tab->options().reynolds, 1e4);
    EXPECT_EQ(tab->findChild<QLabel*>("reynoldsText")->text(), QStringLiteral("Re = 1.0 × 10⁴"));
    EXPECT_EQ(tab->view()->layer.reynolds, 1e4); // drawn again at once
    slider->setValue(slider->maximum());
    EXPECT_EQ(tab->options().reynolds, 1e8);
    tab->ncritBox()->setValue(5);
    EXPECT_EQ(tab->view()->layer.ncrit, 5);

    const BoundaryLayerTab again;
    EXPECT_EQ(again.reynoldsSlider()->value(), slider->maximum());
    EXPECT_EQ(again.options().reynolds, 1e8);
    EXPECT_EQ(again.options().ncrit, 5);
}

} // namespace
} // namespace kestrel::test
