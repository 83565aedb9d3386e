// SPDX-License-Identifier: MIT
#pragma once

#include "model/startup.h"
#include "plots/colours.h"
#include "ui/form1.h"
#include "ui/picture_box.h"

#include <QAbstractSlider>
#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>
#include <memory>
#include <stdexcept>
#include <vector>

namespace kestrel::test {

inline const char* const kSurfaces[] = {"daire", "profil", "pressure", "Picture_CL", "Picture_CM"};
inline const char* const kBoxes[] = {"Text_Thickness", "Text_Camber", "Text_nP", "Text_AlfaD",
                                     "Text_CL",        "Text1",       "Text_xM", "Text_Moo"};
inline const char* const kScrollBars[] = {"HScroll_Thickness", "HScroll_Camber", "HScroll_nP",
                                          "HScroll_AlfaD", "HScroll_xM"};

// What a modal message box showed before it was dismissed.
struct SeenMessage {
    QString text;
    QString title;
    QMessageBox::StandardButtons standardButtons;
    qsizetype buttonCount = 0;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
};

// Watches for modal message boxes while a test runs, records what each one showed and answers
// it with its OK button, as a user would, and dismisses menus. A box that nobody answers would stop
// the test program, so every test runs with a watcher.
class ModalWatcher {
public:
    ModalWatcher() {
        timer_.setInterval(1);
        QObject::connect(&timer_, &QTimer::timeout, [this] { answer(); });
        timer_.start();
    }

    // The messages seen so far; the list starts afresh.
    std::vector<SeenMessage> take() { return std::exchange(seen_, {}); }
    const std::vector<SeenMessage>& seen() const { return seen_; }
    // The menus dismissed so far.
    int menus() const { return menus_; }

private:
    void answer() {
        // A menu that a right click opened is dismissed, as a person would dismiss it.
        if (QWidget* popup = QApplication::activePopupWidget()) {
            ++menus_;
            popup->close();
        }
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr || !box->isVisible()) {
            return;
        }
        seen_.push_back({box->text(), box->windowTitle(), box->standardButtons(),
                         static_cast<qsizetype>(box->buttons().size()), box->icon()});
        if (QAbstractButton* ok = box->button(QMessageBox::Ok)) {
            ok->click();
        } else {
            box->reject();
        }
    }

    QTimer timer_;
    std::vector<SeenMessage> seen_;
    int menus_ = 0;
};

// A shown main window, looked at and driven through its controls as a user would. Everything
// is public so that data-driven cases can drive the window through the same helpers.
class WindowTest : public ::testing::Test {
public:
    void SetUp() override { open(loadBuiltInTable); }

    void TearDown() override {
        for (const SeenMessage& m : watcher.seen()) {
            ADD_FAILURE() << "unexpected message box: " << m.title.toStdString() << ": "
                          << m.text.toStdString();
        }
        window.reset();
    }

    void open(const TableLoader& loader) {
        window = std::make_unique<Form1>(loader);
        window->show();
        QApplication::processEvents();
    }

    template <typename T> T* child(const char* name) const {
        T* found = window->findChild<T*>(QString::fromUtf8(name));
        if (found == nullptr) {
            throw std::runtime_error(std::string("no control named ") + name);
        }
        return found;
    }
    QScrollBar* bar(const char* name) const { return child<QScrollBar>(name); }
    QLineEdit* box(const char* name) const { return child<QLineEdit>(name); }
    PictureBox* picture(const char* name) const { return child<PictureBox>(name); }
    const Surface& surface(const char* name) const { return picture(name)->surface(); }
    QString text(const char* name) const { return box(name)->text(); }

    // One arrow or track click (SliderSingleStepAdd, SliderPageStepSub, ...).
    void step(const char* name, QAbstractSlider::SliderAction action) {
        bar(name)->triggerAction(action);
    }
    // A thumb drag that ends at `position`; the bar reports only the end of the drag.
    void drag(const char* name, int position) {
        QScrollBar* b = bar(name);
        b->setSliderDown(true);
        b->setSliderPosition(position);
        b->setSliderDown(false);
    }
    // A left click in the middle of a surface, delivered to the window as a user's click is.
    void click(const char* name, Qt::MouseButton button = Qt::LeftButton) {
        PictureBox* p = picture(name);
        const QPoint inWindow = p->mapTo(window.get(), p->rect().center());
        QTest::mouseClick(window->windowHandle(), button, {}, inWindow);
    }
    void setMach(const QString& mach) { box("Text_Moo")->setText(mach); }

    ModalWatcher watcher;
    std::unique_ptr<Form1> window;
};

// Counts the items of a surface drawn in one colour.
inline std::size_t countColour(const Surface& s, Colour colour) {
    std::size_t n = 0;
    for (const SurfaceItem& item : s.items()) {
        n += item.colour == colour ? 1 : 0;
    }
    return n;
}

inline std::size_t countCircles(const Surface& s) {
    std::size_t n = 0;
    for (const SurfaceItem& item : s.items()) {
        n += item.kind == SurfaceItem::Kind::Circle ? 1 : 0;
    }
    return n;
}

} // namespace kestrel::test
