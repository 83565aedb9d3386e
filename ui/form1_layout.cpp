// SPDX-License-Identifier: MIT
// Builds the controls of the main window from the window's table (plots/window_layout.h): names,
// containers, positions and sizes in twips, texts, fonts, accessible names, scroll ranges and
// keyboard order.
#include "model/inputs.h"
#include "plots/painter.h"
#include "plots/window_layout.h"
#include "ui/form1.h"
#include "ui/frame_box.h"
#include "ui/language.h"
#include "ui/picture_box.h"
#include "ui/qt_text.h"
#include "ui/scroll_bar.h"
#include "ui/window_geometry.h"

#include <QAction>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <algorithm>
#include <type_traits>
#include <vector>

namespace kestrel {

namespace {

QScrollBar* makeScrollBar(QWidget* parent, const Control& c) {
    const InputDefinition& d = inputDefinition(*c.input);
    auto* bar = new ScrollBar(parent);
    bar->setObjectName(qtText(c.name));
    bar->setGeometry(twipsRect(c));
    bar->setRange(d.minimum, d.maximum);
    bar->setSingleStep(d.smallChange);
    bar->setPageStep(d.largeChange);
    bar->setValue(d.start);
    // One notification per completed change: none while the thumb is being dragged.
    bar->setTracking(false);
    bar->setFocusPolicy(Qt::StrongFocus);
    bar->setAccessibleName(qtText(kestrel::accessibleName(c, currentTexts())));
    return bar;
}

QLineEdit* makeTextBox(QWidget* parent, const Control& c, const QString& initial) {
    auto* box = new QLineEdit(initial, parent);
    box->setObjectName(qtText(c.name));
    box->setGeometry(twipsRect(c));
    box->setTextMargins(0, 0, 0, 0);
    box->setAccessibleName(qtText(kestrel::accessibleName(c, currentTexts())));
    return box;
}

// An opaque label in its container's own background.
QLabel* makeLabel(QWidget* parent, const Control& c) {
    auto* label = new QLabel(parent);
    showText(label, TextRole::Text, c.text);
    label->setObjectName(qtText(c.name));
    label->setGeometry(twipsRect(c));
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setAutoFillBackground(true);
    label->setFocusPolicy(Qt::NoFocus);
    if (c.font != TextFont::Caption) {
        label->setFont(textFont(c.font));
    }
    return label;
}

FrameBox* makeFrame(QWidget* parent, const Control& c) {
    auto* frame = new FrameBox(textOf(c.text), parent);
    showText(frame, TextRole::Text, c.text);
    frame->setObjectName(qtText(c.name));
    frame->setGeometry(twipsRect(c));
    return frame;
}

} // namespace

void Form1::buildControls() {
    showText(this, TextRole::WindowTitle, TextId::MainTitle);
    setFont(windowFont());
    // The controls sit on a fixed-size client area inside a central widget that follows the
    // window: resizing the window moves and scales nothing. A zoom puts the client area in a
    // scroll area (form1_zoom.cpp).
    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("central"));
    setCentralWidget(central);
    auto* client = new QWidget(central);
    client->setObjectName(QStringLiteral("client"));
    client->setGeometry(0, 0, twipsToPixels(kClientWidth), twipsToPixels(kClientHeight));

    Mn_About = menuBar()->addAction(textOf(TextId::MenuAbout));
    showText(Mn_About, TextRole::Text, TextId::MenuAbout);
    Mn_About->setObjectName(QStringLiteral("Mn_About"));
    addZoomActions();

    buildSurfaces(client);
    buildFrames(client);
    setFocusOrder();
    connectHandlers();
    fitWindowToZoom();
    profil->setFocus();
}

void Form1::buildSurfaces(QWidget* client) {
    PictureBox* Form1::*const boxes[] = {&Form1::daire, &Form1::profil, &Form1::pressure,
                                         &Form1::Picture_CL, &Form1::Picture_CM};
    for (const Control& c : kControls) {
        if (c.kind != ControlKind::Plot) {
            continue;
        }
        const SurfaceId id = surfaceNamed(c.name).id;
        auto* box = new PictureBox(id, surfaces_[id], client);
        box->setGeometry(twipsRect(c));
        addPlotActions(box);
        this->*boxes[static_cast<std::size_t>(id)] = box;
    }
}

// The frames and every control inside them, in the table's order, which is also the order in
// which they lie over one another; the five inputs' rows take their ranges and start values from
// the inputs' table.
void Form1::buildFrames(QWidget* client) {
    const auto container = [this, client](std::string_view name) -> QWidget* {
        return name == "client" ? client : findChild<QWidget*>(qtText(name));
    };
    for (const Control& c : kControls) {
        switch (c.kind) {
        case ControlKind::Frame:
            makeFrame(container(c.parent), c);
            break;
        case ControlKind::ScrollBar:
            makeScrollBar(container(c.parent), c);
            break;
        case ControlKind::ValueBox:
        case ControlKind::TextBox:
            makeTextBox(container(c.parent), c, qtText(startText(c, decimalSeparator())));
            break;
        case ControlKind::Label:
            makeLabel(container(c.parent), c);
            break;
        case ControlKind::Plot:
        case ControlKind::AboutLabel:
            break;
        }
    }
    const auto named = [this](auto*& member, const char* name) {
        member = findChild<std::remove_reference_t<decltype(*member)>*>(QString::fromUtf8(name));
    };
    named(Frame1, "Frame1");
    named(Frame2, "Frame2");
    named(Frame3, "Frame3");
    named(HScroll_Thickness, "HScroll_Thickness");
    named(HScroll_Camber, "HScroll_Camber");
    named(HScroll_nP, "HScroll_nP");
    named(HScroll_AlfaD, "HScroll_AlfaD");
    named(HScroll_xM, "HScroll_xM");
    named(Text_Thickness, "Text_Thickness");
    named(Text_Camber, "Text_Camber");
    named(Text_nP, "Text_nP");
    named(Text_AlfaD, "Text_AlfaD");
    named(Text_xM, "Text_xM");
    named(Text_CL, "Text_CL");
    named(Text1, "Text1");
    named(Text_Moo, "Text_Moo");
}

// The inputs' accessible names, put together from their quantities and units, in the language.
void Form1::nameInputs() {
    for (const Control& c : kControls) {
        if (c.input) {
            findChild<QWidget*>(qtText(c.name))
                ->setAccessibleName(qtText(kestrel::accessibleName(c, currentTexts())));
        }
    }
}

void Form1::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) {
        nameInputs();
    }
}

// Keyboard focus order: the table's tab indices, 1 first.
void Form1::setFocusOrder() {
    std::vector<const Control*> order;
    for (const Control& c : kControls) {
        if (c.tabIndex > 0 && c.kind != ControlKind::AboutLabel) {
            order.push_back(&c);
        }
    }
    std::sort(order.begin(), order.end(),
              [](const Control* a, const Control* b) { return a->tabIndex < b->tabIndex; });
    for (std::size_t i = 1; i < order.size(); ++i) {
        QWidget::setTabOrder(findChild<QWidget*>(qtText(order[i - 1]->name)),
                             findChild<QWidget*>(qtText(order[i]->name)));
    }
}

void Form1::connectHandlers() {
    const auto onChange = [this](QScrollBar* bar, Procedure handler) {
        connect(bar, &QScrollBar::valueChanged, this, [this, handler] { (this->*handler)(); });
    };
    onChange(HScroll_Thickness, &Form1::HScroll_Thickness_Change);
    onChange(HScroll_Camber, &Form1::HScroll_Camber_Change);
    onChange(HScroll_nP, &Form1::HScroll_nP_Change);
    onChange(HScroll_AlfaD, &Form1::HScroll_AlfaD_Change);
    onChange(HScroll_xM, &Form1::HScroll_xM_Change);

    const auto onClick = [this](PictureBox* box, Procedure handler) {
        connect(box, &PictureBox::clicked, this, [this, handler] { (this->*handler)(); });
    };
    onClick(daire, &Form1::daire_Click);
    onClick(profil, &Form1::profil_Click);
    onClick(pressure, &Form1::pressure_Click);
    onClick(Picture_CL, &Form1::Picture_CL_Click);
    onClick(Picture_CM, &Form1::Picture_CM_Click);

    connect(Mn_About, &QAction::triggered, this, [this] { Mn_About_Click(); });
}

} // namespace kestrel
