// SPDX-License-Identifier: MIT
// The main window's zoom: its keys, and the window's places, fonts, labels and pictures at
// a zoom, which the study window follows.
#include "plots/painter.h"
#include "plots/window_layout.h"
#include "plots/zoom.h"
#include "ui/form1.h"
#include "ui/frame_box.h"
#include "ui/language.h"
#include "ui/picture_box.h"
#include "ui/qt_text.h"
#include "ui/study_window.h"
#include "ui/view_zoom.h"
#include "ui/window_geometry.h"

#include <QAction>
#include <QLabel>
#include <QMenuBar>
#include <QScreen>
#include <QScrollArea>
#include <algorithm>

namespace kestrel {

namespace {

QList<QKeySequence> zoomInKeys() {
    // Ctrl with the "=" key under "+" zooms in too, as Shift is not needed for it.
    return QKeySequence::keyBindings(QKeySequence::ZoomIn)
           << QKeySequence(Qt::CTRL | Qt::Key_Equal);
}

// The first coordinate from `from` at which a length fits before `end`, or `from` itself.
int keptOnScreen(int at, int length, int from, int end) {
    return std::max(from, std::min(at, end - length));
}

} // namespace

// The zoom keys work wherever the window or the study window is active. They are the window's
// own actions, in no menu: the menu bar and the plots' menus stay as they are.
void Form1::addZoomActions() {
    const auto add = [this](const char* name, TextId text, const QList<QKeySequence>& keys,
                            double (*next)(double)) {
        auto* action = new QAction(this);
        showText(action, TextRole::Text, text);
        action->setObjectName(QString::fromUtf8(name));
        action->setShortcuts(keys);
        connect(action, &QAction::triggered, this, [this, next] { chooseZoom(next(zoom_)); });
        addAction(action);
        return action;
    };
    Mn_ZoomIn = add("Mn_ZoomIn", TextId::ZoomInAction, zoomInKeys(), zoomedIn);
    Mn_ZoomOut = add("Mn_ZoomOut", TextId::ZoomOutAction,
                     QKeySequence::keyBindings(QKeySequence::ZoomOut), zoomedOut);
    Mn_ZoomReset = add("Mn_ZoomReset", TextId::ZoomResetAction,
                       {QKeySequence(Qt::CTRL | Qt::Key_0)}, [](double) { return kSmallestZoom; });
}

void Form1::followZoom(StudyWindow& study) {
    study.addActions({Mn_ZoomIn, Mn_ZoomOut, Mn_ZoomReset});
    study.setZoom(zoom_);
}

void Form1::chooseZoom(double zoom) {
    setZoom(zoom);
    rememberZoom(zoom);
}

void Form1::setZoom(double zoom) {
    zoom = std::clamp(zoom, kSmallestZoom, kLargestZoom);
    if (zoom == zoom_) {
        return;
    }
    zoom_ = zoom;
    zoomPopupFonts(zoom_);
    applyZoom();
    if (study_) {
        study_->setZoom(zoom_);
    }
}

// Every control of the window at its zoomed place, the labels with their own fonts zoomed, the
// others with the window's.
void Form1::applyZoom() {
    scrollClientArea();
    setFont(zoomedFont(windowFont(), zoom_));
    auto* client = findChild<QWidget*>(QStringLiteral("client"));
    client->resize(zoomedPixels(twipsToPixels(kClientWidth), zoom_),
                   zoomedPixels(twipsToPixels(kClientHeight), zoom_));
    for (const Control& c : kControls) {
        if (c.kind == ControlKind::AboutLabel) {
            continue;
        }
        QWidget* control = client->findChild<QWidget*>(qtText(c.name));
        control->setGeometry(zoomedRect(twipsRect(c), zoom_));
        if (c.kind == ControlKind::Plot) {
            static_cast<PictureBox*>(control)->setZoom(zoom_);
        } else if (c.kind == ControlKind::Frame) {
            static_cast<FrameBox*>(control)->setZoom(zoom_);
        } else if (c.kind == ControlKind::Label && c.font != TextFont::Caption) {
            control->setFont(zoomedFont(textFont(c.font), zoom_));
        }
    }
    fitWindowToZoom();
}

// The first zoom puts the client area into a scroll area, so that a zoom larger than the screen
// can still be seen whole; until then the window is exactly as it always was.
void Form1::scrollClientArea() {
    if (qobject_cast<QScrollArea*>(centralWidget()) != nullptr) {
        return;
    }
    QWidget* focused = focusWidget();
    auto* client = findChild<QWidget*>(QStringLiteral("client"));
    auto* scroll = new QScrollArea;
    scroll->setObjectName(QStringLiteral("central"));
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setFocusPolicy(Qt::NoFocus);
    scroll->setWidget(client);
    setCentralWidget(scroll); // deletes the former central widget, empty now
    if (focused != nullptr) {
        focused->setFocus();
    }
}

// The window holds its client area where the screen has room for it, and stays on the screen.
void Form1::fitWindowToZoom() {
    const QWidget* client = findChild<QWidget*>(QStringLiteral("client"));
    QSize wanted(client->width(), client->height() + menuBar()->sizeHint().height());
    const QScreen* shown = screen();
    if (shown == nullptr) {
        resize(wanted);
        return;
    }
    const QRect available = shown->availableGeometry();
    const QSize frame = frameGeometry().size() - size();
    wanted = wanted.boundedTo(available.size() - frame);
    resize(wanted);
    if (isVisible()) {
        const QSize outer = wanted + frame;
        const QPoint at = frameGeometry().topLeft();
        move(keptOnScreen(at.x(), outer.width(), available.left(),
                          available.left() + available.width()),
             keptOnScreen(at.y(), outer.height(), available.top(),
                          available.top() + available.height()));
    }
}

} // namespace kestrel
