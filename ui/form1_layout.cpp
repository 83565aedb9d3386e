// SPDX-License-Identifier: MIT
// Builds the controls of the main window from their fixed definitions: names, containers,
// positions and sizes in twips, texts, fonts, colours, scroll ranges and tab order.
#include "model/inputs.h"
#include "model/text.h"
#include "plots/painter.h"
#include "ui/form1.h"
#include "ui/frame_box.h"
#include "ui/picture_box.h"
#include "ui/qt_text.h"
#include "ui/scroll_bar.h"
#include "ui/window_geometry.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>

namespace kestrel {

namespace {

// Client area: 11880 x 7350 twips (792 x 490 logical pixels).
constexpr int kClientWidth = 11880;
constexpr int kClientHeight = 7350;

// One row of Frame1: the label, the value box and the scroll bar of one input, side by side at
// the same height. Value boxes start at 720 twips, scroll bars at 1200.
struct InputRow {
    InputId id;
    int top;
    const char* labelName;
    const char* labelText;
    int labelLeft, labelWidth, labelHeight;
    bool greek;
};

constexpr InputRow kInputRows[] = {
    {InputId::Thickness, 240, "Label2", "δ", 240, 375, 255, true},
    {InputId::Camber, 600, "Label3", "γ", 240, 255, 255, true},
    {InputId::Points, 960, "Label5", "nP", 240, 255, 255, false},
    {InputId::Alpha, 1320, "Label4", "α", 240, 255, 375, true},
    {InputId::MomentReference, 1680, "Label7", "xM/c=", 120, 495, 255, false},
};

QScrollBar* makeScrollBar(QWidget* parent, const InputDefinition& d, int top) {
    auto* bar = new ScrollBar(parent);
    bar->setObjectName(qtText(d.scrollBar));
    bar->setGeometry(twipsRect(1200, top, 1335, 255));
    bar->setRange(d.minimum, d.maximum);
    bar->setSingleStep(d.smallChange);
    bar->setPageStep(d.largeChange);
    bar->setValue(d.start);
    // One notification per completed change: none while the thumb is being dragged.
    bar->setTracking(false);
    bar->setFocusPolicy(Qt::StrongFocus);
    bar->setAccessibleName(qtText(d.quantity) + QStringLiteral(" (") + qtText(d.unit) +
                           QStringLiteral(")"));
    return bar;
}

QLineEdit* makeTextBox(QWidget* parent, const char* name, QRect geometry, const QString& initial,
                       const QString& accessibleName) {
    auto* box = new QLineEdit(initial, parent);
    box->setObjectName(name);
    box->setGeometry(geometry);
    box->setTextMargins(0, 0, 0, 0);
    box->setAccessibleName(accessibleName);
    return box;
}

// An opaque label in its container's own background.
QLabel* makeLabel(QWidget* parent, const char* name, QRect geometry, const QString& caption) {
    auto* label = new QLabel(caption, parent);
    label->setObjectName(name);
    label->setGeometry(geometry);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setAutoFillBackground(true);
    label->setFocusPolicy(Qt::NoFocus);
    return label;
}

FrameBox* makeFrame(QWidget* parent, const char* name, QRect geometry, const QString& caption) {
    auto* frame = new FrameBox(caption, parent);
    frame->setObjectName(name);
    frame->setGeometry(geometry);
    return frame;
}

} // namespace

void Form1::buildControls() {
    setWindowTitle(QStringLiteral("Kestrel - Aerodynamic Characteristics"));
    setFont(windowFont());
    // The controls sit on a fixed-size client area inside a central widget that follows the
    // window: resizing the window moves and scales nothing.
    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("central"));
    setCentralWidget(central);
    auto* client = new QWidget(central);
    client->setObjectName(QStringLiteral("client"));
    client->setGeometry(0, 0, twipsToPixels(kClientWidth), twipsToPixels(kClientHeight));

    Mn_About = menuBar()->addAction(QStringLiteral("About"));
    Mn_About->setObjectName(QStringLiteral("Mn_About"));

    buildSurfaces(client);
    buildFrames(client);
    setFocusOrder();
    connectHandlers();
    resize(twipsToPixels(kClientWidth),
           twipsToPixels(kClientHeight) + menuBar()->sizeHint().height());
    profil->setFocus();
}

void Form1::buildSurfaces(QWidget* client) {
    PictureBox* Form1::*const boxes[] = {&Form1::daire, &Form1::profil, &Form1::pressure,
                                         &Form1::Picture_CL, &Form1::Picture_CM};
    for (const SurfacePlacement& p : kSurfacePlacements) {
        auto* box = new PictureBox(p.id, surfaces_[p.id], client);
        box->setGeometry(twipsRect(p.left, p.top, p.width, p.height));
        addPlotActions(box);
        this->*boxes[static_cast<std::size_t>(p.id)] = box;
    }
}

void Form1::buildFrames(QWidget* client) {
    Frame1 = makeFrame(client, "Frame1", twipsRect(120, 3720, 3375, 2055), QString());
    Frame3 = makeFrame(client, "Frame3", twipsRect(120, 5880, 3375, 615),
                       QStringLiteral("Sıkıştırılabilme etkisi"));
    Frame2 = makeFrame(client, "Frame2", twipsRect(120, 6600, 3375, 615), QString());
    buildInputRows();

    Text_CL = makeTextBox(Frame2, "Text_CL", twipsRect(720, 240, 735, 285), QStringLiteral("0"),
                          QStringLiteral("lift coefficient CL"));
    Text1 = makeTextBox(Frame2, "Text1", twipsRect(2280, 240, 735, 285), QStringLiteral("0"),
                        QStringLiteral("moment coefficient CM"));
    Text_Moo = makeTextBox(Frame3, "Text_Moo", twipsRect(960, 240, 615, 285), QStringLiteral("0"),
                           QStringLiteral("free-stream Mach number"));
    makeLabel(Frame2, "Label1", twipsRect(240, 240, 495, 255), QStringLiteral("CL ="));
    makeLabel(Frame2, "Label6", twipsRect(1800, 240, 495, 255), QStringLiteral("CM ="));
    makeLabel(Frame3, "Label36", twipsRect(240, 240, 615, 255), QStringLiteral("Moo ="));
}

// The five input rows of Frame1, in the order of the inputs' table.
void Form1::buildInputRows() {
    QScrollBar* Form1::*const bars[] = {&Form1::HScroll_Thickness, &Form1::HScroll_Camber,
                                        &Form1::HScroll_nP, &Form1::HScroll_AlfaD,
                                        &Form1::HScroll_xM};
    QLineEdit* Form1::*const boxes[] = {&Form1::Text_Thickness, &Form1::Text_Camber,
                                        &Form1::Text_nP, &Form1::Text_AlfaD, &Form1::Text_xM};
    for (const InputRow& row : kInputRows) {
        const auto i = static_cast<std::size_t>(row.id);
        const InputDefinition& d = inputDefinition(row.id);
        this->*bars[i] = makeScrollBar(Frame1, d, row.top);
        const QString start = numberBoxText(inputValue(row.id, d.start));
        this->*boxes[i] = makeTextBox(Frame1, d.valueBox.data(), twipsRect(720, row.top, 495, 285),
                                      start, qtText(d.quantity));
        QLabel* label =
            makeLabel(Frame1, row.labelName,
                      twipsRect(row.labelLeft, row.top, row.labelWidth, row.labelHeight),
                      QString::fromUtf8(row.labelText));
        if (row.greek) {
            label->setFont(labelFont(LabelFont::Greek));
        }
    }
}

// Keyboard focus order: profil, pressure, the value boxes, the scroll bars, daire, the result
// boxes with their plots, the moment reference and the Mach number.
void Form1::setFocusOrder() {
    QWidget* order[] = {profil,  pressure,      Text_AlfaD,        Text_Camber,    Text_Thickness,
                        Text_nP, HScroll_AlfaD, HScroll_Thickness, HScroll_Camber, HScroll_nP,
                        daire,   Text_CL,       Picture_CL,        Text1,          Picture_CM,
                        Text_xM, HScroll_xM,    Text_Moo};
    for (std::size_t i = 1; i < std::size(order); ++i) {
        QWidget::setTabOrder(order[i - 1], order[i]);
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
