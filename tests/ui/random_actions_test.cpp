// A long random run of user actions: scroll bars moved to any position or stepped, plots
// clicked, any text typed as the Mach number, the About window opened and closed, the user's
// decimal separator changed. After every action each box the program writes must hold a finite
// number, every recorded drawing coordinate must be finite, and no message may have appeared.
#include "tests/ui/window_fixture.h"
#include "ui/about_window.h"

#include <cmath>
#include <cstdlib>
#include <random>
#include <string>

namespace kestrel::test {
namespace {

using RandomActions = WindowTest;

const char* const kWrittenBoxes[] = {"Text_Thickness", "Text_Camber", "Text_nP", "Text_AlfaD",
                                     "Text_CL",        "Text1",       "Text_xM"};

std::uint32_t seedFromEnvironment() {
    if (const char* seed = std::getenv("KESTREL_UI_RANDOM_SEED")) {
        return static_cast<std::uint32_t>(std::strtoul(seed, nullptr, 10));
    }
    return 20070213u;
}

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

TEST_F(RandomActions, EveryBoxHoldsAFiniteNumberAfterEveryAction) {
    const std::uint32_t seed = seedFromEnvironment();
    SCOPED_TRACE("seed " + std::to_string(seed) + " (set KESTREL_UI_RANDOM_SEED to repeat)");
    std::mt19937 random(seed);
    const auto pick = [&random](int n) {
        return std::uniform_int_distribution<int>(0, n - 1)(random);
    };
    const QAbstractSlider::SliderAction steps[] = {
        QAbstractSlider::SliderSingleStepAdd, QAbstractSlider::SliderSingleStepSub,
        QAbstractSlider::SliderPageStepAdd, QAbstractSlider::SliderPageStepSub};

    constexpr int kActions = 2000;
    for (int n = 0; n < kActions; ++n) {
        std::string action;
        const char* barName = kScrollBars[pick(5)];
        switch (pick(8)) {
        case 0:
        case 1: {
            QScrollBar* b = bar(barName);
            const int position = b->minimum() + pick(b->maximum() - b->minimum() + 1);
            action = std::string("drag ") + barName + " to " + std::to_string(position);
            drag(barName, position);
            break;
        }
        case 2:
        case 3: {
            const int which = pick(4);
            action = std::string("step ") + barName + " by action " + std::to_string(which);
            step(barName, steps[which]);
            break;
        }
        case 4:
        case 5: {
            const char* name = kSurfaces[pick(5)];
            action = std::string("click ") + name;
            click(name);
            break;
        }
        case 6: {
            const QString mach = randomMachText(random);
            action = "type Mach \"" + mach.toStdString() + "\"";
            setMach(mach);
            break;
        }
        default:
            if (pick(2) == 0) {
                action = "About";
                child<QAction>("Mn_About")->trigger();
                if (pick(2) == 0 && window->aboutWindow() != nullptr) {
                    window->aboutWindow()->close();
                }
            } else {
                const bool comma = pick(2) == 0;
                action = comma ? "German locale" : "C locale";
                window->setLocale(comma ? QLocale(QLocale::German) : QLocale::c());
            }
            break;
        }

        // A box keeps the separator of the locale in use when it was last written.
        for (const char* name : kWrittenBoxes) {
            bool ok = false;
            double value = 0;
            for (const QLocale& l : {window->locale(), QLocale::c(), QLocale(QLocale::German)}) {
                if (!ok) {
                    value = l.toDouble(text(name), &ok);
                }
            }
            EXPECT_TRUE(ok && std::isfinite(value))
                << name << " holds \"" << text(name).toStdString() << "\"";
        }
        for (const char* name : kSurfaces) {
            for (const SurfaceItem& item : surface(name).items()) {
                const bool finite = std::isfinite(item.x1) && std::isfinite(item.y1) &&
                                    std::isfinite(item.x2) && std::isfinite(item.y2) &&
                                    std::isfinite(item.r);
                if (!finite) {
                    ADD_FAILURE() << "non-finite item on " << name;
                    break;
                }
            }
        }
        EXPECT_TRUE(watcher.seen().empty());
        if (HasFailure()) {
            ADD_FAILURE() << "after action " << n << ": " << action;
            return;
        }
    }
}

} // namespace
} // namespace kestrel::test
