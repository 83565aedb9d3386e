// SPDX-License-Identifier: MIT
// A long random run of what a person does with the window: scroll bars dragged, clicked, stepped
// with their keys and turned with the wheel; Tab and Shift+Tab through the controls; plots
// clicked and right-clicked; Mach numbers typed key by key or pasted; the About window opened
// and closed; the decimal separator changed; the study window opened, looked at, resized and
// closed. After every action each recorded drawing coordinate must be finite, no message may have
// appeared, and once a full chain has run the boxes must show what kestrel-calc profile computes
// for the same positions and Mach text. The resident memory is reported, and must stay flat once
// the caches have filled.
#include "model/chain.h"
#include "model/text.h"
#include "tests/ui/window_fixture.h"
#include "ui/about_window.h"
#include "ui/flow_view.h"
#include "ui/study_window.h"

#include <QCheckBox>
#include <QSlider>
#include <QTabWidget>
#include <QWheelEvent>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <random>
#include <string>
#include <unistd.h>

namespace kestrel::test {
namespace {

// A Mach text as a user might type it: plain numbers of any size, numbers with a comma, with
// blanks or trailing words, huge and tiny exponents, garbage and nothing at all.
QString randomMachText(std::mt19937& random) {
    const auto pick = [&random](int n) {
        return std::uniform_int_distribution<int>(0, n - 1)(random);
    };
    static const char* const fixed[] = {
        "",        "0",   "1",    "-1", "1e308", "9e999",   "-1e-400", "0.9999999999999999",
        "nan",     "inf", "1e",   "-.", ".5",    "+0.3e+0", "0,7",     " 0 . 5",
        "\t0.2\n", "1.5", "-0.99"};
    switch (pick(4)) {
    case 0:
        return QString::fromUtf8(fixed[pick(static_cast<int>(std::size(fixed)))]);
    case 1: {
        const double value = std::uniform_real_distribution<double>(-2, 2)(random);
        return QString::number(value, 'g', 1 + pick(17));
    }
    case 2: {
        static const char alphabet[] = "0123456789.-+eE ,abc\t";
        QString text;
        for (int i = pick(12); i > 0; --i) {
            text += QLatin1Char(alphabet[pick(static_cast<int>(std::size(alphabet)) - 1)]);
        }
        return text;
    }
    default:
        return QStringLiteral("%1e%2").arg(pick(10)).arg(pick(700) - 350);
    }
}

// The boxes the program writes, with the text kestrel-calc profile gives for each.
struct ExpectedBox {
    const char* name;
    std::string text; // with "." as the separator
};

std::vector<ExpectedBox> expectedBoxes(const ChainInputs& inputs) {
    const ChainResult r = computeFullChain(inputs);
    const State& s = r.state;
    return {{"Text_Thickness", numberText(s.Thickness, ".")},
            {"Text_Camber", numberText(s.Camber, ".")},
            {"Text_nP", numberText(s.nP, ".")},
            {"Text_AlfaD", numberText(s.AlfaD, ".")},
            {"Text_xM", numberText(s.xM, ".")},
            {"Text_CL", liftBoxText(s.CLcur, ".")},
            {"Text1", momentBoxText(r.values.CMcur.value_or(0), ".")}};
}

// The resident memory of the test program, in bytes.
long residentBytes() {
    std::ifstream statm("/proc/self/statm");
    long pages = 0;
    long resident = 0;
    statm >> pages >> resident;
    return resident * ::sysconf(_SC_PAGESIZE);
}

std::string megabytes(long bytes) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f MB", static_cast<double>(bytes) / (1L << 20));
    return text;
}

class RandomActions : public WindowTest, public ::testing::WithParamInterface<std::uint32_t> {
public:
    // A box keeps the separator of the locale in use when it was last written.
    void expectBoxesAsComputed() {
        ChainInputs inputs;
        inputs.thickness = bar("HScroll_Thickness")->value();
        inputs.camber = bar("HScroll_Camber")->value();
        inputs.points = bar("HScroll_nP")->value();
        inputs.alpha = bar("HScroll_AlfaD")->value();
        inputs.xm = bar("HScroll_xM")->value();
        inputs.mach = text("Text_Moo").toStdString();
        for (const ExpectedBox& e : expectedBoxes(inputs)) {
            QString withComma = QString::fromStdString(e.text);
            withComma.replace(QLatin1Char('.'), QLatin1Char(','));
            const QString shown = text(e.name);
            EXPECT_TRUE(shown == QString::fromStdString(e.text) || shown == withComma)
                << e.name << " shows \"" << shown.toStdString() << "\", kestrel-calc gives \""
                << e.text << "\"";
        }
    }

    void expectFiniteRecords() {
        for (const char* name : kSurfaces) {
            for (const SurfaceItem& item : surface(name).items()) {
                if (!(std::isfinite(item.x1) && std::isfinite(item.y1) && std::isfinite(item.x2) &&
                      std::isfinite(item.y2) && std::isfinite(item.r))) {
                    ADD_FAILURE() << "non-finite item on " << name;
                    return;
                }
            }
        }
    }

    void turnWheel(QScrollBar* b, int eighths) {
        const QPointF at = b->rect().center();
        QWheelEvent event(at, b->mapToGlobal(at), QPoint(), QPoint(0, eighths), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(b, &event);
    }

    // Something a person does with the study window: opens it, changes its tab, drags the
    // mapping slider, switches the particles, moves the mouse over the flow, resizes or closes it.
    std::string studyAction(std::mt19937& random) {
        const auto pick = [&random](int n) {
            return std::uniform_int_distribution<int>(0, n - 1)(random);
        };
        StudyWindow* study = window->studyWindow();
        if (study == nullptr || !study->isVisible()) {
            window->openStudyWindow();
            return "open the study window";
        }
        FlowTab* flow = study->flowTab();
        switch (pick(6)) {
        case 0:
            study->tabs()->setCurrentIndex(pick(study->tabs()->count()));
            return "study tab " + std::to_string(study->tabs()->currentIndex());
        case 1:
            flow->mappingSlider()->setValue(pick(101));
            return "mapping " + std::to_string(flow->mappingSlider()->value());
        case 2:
            flow->particlesSwitch()->click();
            return "particles switched";
        case 3: {
            FlowView* view = flow->view();
            const QPoint at(pick(std::max(1, view->width())), pick(std::max(1, view->height())));
            QTest::mouseMove(view, at);
            return "mouse over the flow";
        }
        case 4:
            study->resize(600 + pick(400), 400 + pick(300));
            return "study window resized";
        default:
            study->close();
            return "study window closed";
        }
    }

    // The resident memory with the study window shown at the size it opens with, on its Flow
    // tab: the pictures and buffers that live with the windows are then the same each time.
    long residentWithStudyWindowAsOpened() {
        window->openStudyWindow();
        StudyWindow* study = window->studyWindow();
        study->resize(960, 560);
        study->tabs()->setCurrentIndex(0);
        QApplication::processEvents();
        return residentBytes();
    }

    void rightClick(QWidget* w) {
        const QPoint inWindow = w->mapTo(window.get(), w->rect().center());
        QTest::mouseClick(window->windowHandle(), Qt::RightButton, {}, inWindow);
    }
};

#if defined(__SANITIZE_ADDRESS__)
constexpr int kActions = 1500; // the sanitizer build runs several times slower
#else
constexpr int kActions = 6000;
#endif
// The actions after which the caches of fonts, styles and pictures have filled; from there on the
// resident memory must stay flat.
constexpr int kWarmUp = 1000;
constexpr long kResidentGrowthAllowed = 2L << 20;

TEST_P(RandomActions, BoxesShowWhatKestrelCalcComputes) {
    std::mt19937 random(GetParam());
    const auto pick = [&random](int n) {
        return std::uniform_int_distribution<int>(0, n - 1)(random);
    };
    // Menus a right click opens are dismissed, as a person would dismiss them.
    QTimer dismisser;
    QObject::connect(&dismisser, &QTimer::timeout, [] {
        if (QWidget* popup = QApplication::activePopupWidget()) {
            popup->close();
        }
    });
    dismisser.start(1);

    const QAbstractSlider::SliderAction steps[] = {
        QAbstractSlider::SliderSingleStepAdd, QAbstractSlider::SliderSingleStepSub,
        QAbstractSlider::SliderPageStepAdd, QAbstractSlider::SliderPageStepSub};
    const Qt::Key keys[] = {Qt::Key_Left,   Qt::Key_Right,    Qt::Key_Up,   Qt::Key_Down,
                            Qt::Key_PageUp, Qt::Key_PageDown, Qt::Key_Home, Qt::Key_End};
    bool fullChainRan = false;
    const long residentAtStart = residentBytes();
    long residentWarm = residentAtStart;
    for (int n = 0; n < kActions; ++n) {
        if (n == kWarmUp) {
            residentWarm = residentWithStudyWindowAsOpened();
        }
        const int thickness = bar("HScroll_Thickness")->value();
        const int camber = bar("HScroll_Camber")->value();
        std::string action;
        const char* barName = kScrollBars[pick(5)];
        const char* plotName = kSurfaces[pick(5)];
        switch (pick(13)) {
        case 0: {
            QScrollBar* b = bar(barName);
            const int position = b->minimum() + pick(b->maximum() - b->minimum() + 1);
            action = std::string("drag ") + barName + " to " + std::to_string(position);
            drag(barName, position);
            break;
        }
        case 1: {
            const int which = pick(4);
            action =
                std::string("arrow or track click ") + std::to_string(which) + " on " + barName;
            step(barName, steps[which]);
            break;
        }
        case 2: {
            const Qt::Key key = keys[pick(8)];
            action = std::string("key ") + std::to_string(key) + " on " + barName;
            bar(barName)->setFocus();
            QTest::keyClick(bar(barName), key);
            break;
        }
        case 3: {
            const bool back = pick(2) == 0;
            action = back ? "Shift+Tab" : "Tab";
            QWidget* focus = QApplication::focusWidget();
            QTest::keyClick(focus != nullptr ? focus : window.get(), Qt::Key_Tab,
                            back ? Qt::ShiftModifier : Qt::NoModifier);
            break;
        }
        case 4: {
            const int eighths = pick(3) == 0 ? 60 : 120;
            const int sign = pick(2) == 0 ? 1 : -1;
            action = std::string("wheel ") + std::to_string(sign * eighths) + " on " + barName;
            turnWheel(bar(barName), sign * eighths);
            break;
        }
        case 5:
        case 6:
            action = std::string("click ") + plotName;
            click(plotName);
            fullChainRan = true;
            break;
        case 7: {
            const bool onPlot = pick(2) == 0;
            action = std::string("right click ") + (onPlot ? plotName : barName);
            rightClick(onPlot ? static_cast<QWidget*>(picture(plotName)) : bar(barName));
            break;
        }
        case 8: {
            // Typed key by key into the Mach box, replacing what was there.
            QString typed = randomMachText(random);
            typed.remove(QLatin1Char('\t')).remove(QLatin1Char('\n'));
            action = "type Mach \"" + typed.toStdString() + "\"";
            QLineEdit* mach = box("Text_Moo");
            mach->setFocus();
            QTest::keyClick(mach, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClick(mach, Qt::Key_Delete);
            QTest::keyClicks(mach, typed);
            break;
        }
        case 9: {
            const QString pasted = randomMachText(random);
            action = "paste Mach \"" + pasted.toStdString() + "\"";
            setMach(pasted);
            break;
        }
        case 10:
            action = studyAction(random);
            break;
        case 11:
            action = "About";
            child<QAction>("Mn_About")->trigger();
            if (pick(2) == 0 && window->aboutWindow() != nullptr) {
                window->aboutWindow()->close();
            }
            break;
        default: {
            const bool comma = pick(2) == 0;
            action = comma ? "German locale" : "C locale";
            window->setLocale(comma ? QLocale(QLocale::German) : QLocale::c());
            break;
        }
        }
        QApplication::processEvents();
        // Every thickness or camber change runs the full chain too.
        fullChainRan = fullChainRan || bar("HScroll_Thickness")->value() != thickness ||
                       bar("HScroll_Camber")->value() != camber;

        expectFiniteRecords();
        if (fullChainRan) {
            expectBoxesAsComputed();
        }
        EXPECT_TRUE(watcher.seen().empty());
        if (HasFailure()) {
            ADD_FAILURE() << "after action " << n << ": " << action;
            return;
        }
    }
    const long residentAtEnd = residentWithStudyWindowAsOpened();
    std::cout << "resident memory: " << megabytes(residentAtStart) << " at start, "
              << megabytes(residentWarm) << " after " << kWarmUp << " actions, "
              << megabytes(residentAtEnd) << " after " << kActions << '\n';
#if !defined(__SANITIZE_ADDRESS__)
    EXPECT_LE(residentAtEnd - residentWarm, kResidentGrowthAllowed)
        << "resident memory grew over " << kActions - kWarmUp << " actions";
#endif
}

// The seed is part of the test's name: a failing run is repeated by running that test alone.
INSTANTIATE_TEST_SUITE_P(Seeds, RandomActions, ::testing::Values(20070213u),
                         [](const auto& info) { return "Seed" + std::to_string(info.param); });

} // namespace
} // namespace kestrel::test
