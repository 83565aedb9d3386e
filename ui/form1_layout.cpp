// Builds the controls of the main window from their fixed definitions: names, containers,
// positions and sizes in twips, texts, fonts, colours, scroll ranges and tab order.
#include "plots/layout.h"
#include "plots/painter.h"
#include "ui/form1.h"
#include "ui/picture_box.h"
#include "ui/scroll_bar.h"
#include "ui/twips.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QScrollBar>

namespace kestrel {

namespace {

// Client area: 11880 x 7350 twips (792 x 490 logical pixels).
constexpr int kClientWidth = 11880;
constexpr int kClientHeight = 7350;

struct ScrollDefinition {
    const char* name;
    int top, minimum, maximum, arrowStep, trackStep, initial;
    const char* accessibleName;
};

QScrollBar* makeScrollBar(QWidget* parent, const ScrollDefinition& d) {
    auto* bar = new ScrollBar(parent);
    bar->setObjectName(d.name);
    bar->setGeometry(twipsRect(1200, d.top, 1335, 255));
    bar->setRange(d.minimum, d.maximum);
    bar->setSingleStep(d.arrowStep);
    bar->setPageStep(d.trackStep);
    bar->setValue(d.initial);
    // One notification per completed change: none while the thumb is being dragged.
    bar->setTracking(false);
    bar->setFocusPolicy(Qt::StrongFocus);
    bar->setAccessibleName(d.accessibleName);
    return bar;
}

QLineEdit* makeTextBox(QWidget* parent, const char* name, QRect geometry, const char* text,
                       const char* accessibleName) {
    auto* box = new QLineEdit(QString::fromUtf8(text), parent);
    box->setObjectName(name);
    box->setGeometry(geometry);
    box->setTextMargins(0, 0, 0, 0);
    box->setAccessibleName(accessibleName);
    return box;
}

QLabel* makeLabel(QWidget* parent, const char* name, QRect geometry, const QString& text) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setGeometry(geometry);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setAutoFillBackground(true);
    label->setFocusPolicy(Qt::NoFocus);
    return label;
}

QGroupBox* makeFrame(QWidget* parent, const char* name, QRect geometry, const QString& caption) {
    auto* frame = new QGroupBox(caption, parent);
    frame->setObjectName(name);
    frame->setGeometry(geometry);
    frame->setFocusPolicy(Qt::NoFocus);
    return frame;
}

QString text(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
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
    PictureBox** boxes[] = {&daire, &profil, &pressure, &Picture_CL, &Picture_CM};
    for (std::size_t i = 0; i < kSurfaceLayouts.size(); ++i) {
        const SurfaceLayout& s = kSurfaceLayouts[i];
        auto* box = new PictureBox(text(s.name), s.foreground, client);
        box->setGeometry(twipsRect(s.left, s.top, s.width, s.height));
        *boxes[i] = box;
    }
    for (const SurfaceLabel& l : kSurfaceLabels) {
        auto* surface = client->findChild<PictureBox*>(text(l.surface));
        // Label positions count from the inside of the surface's sunken border.
        const QPoint inside = surface->contentsRect().topLeft();
        QLabel* label =
            makeLabel(surface, l.name.data(),
                      twipsRect(l.left, l.top, l.width, l.height).translated(inside), text(l.text));
        label->setFont(labelFont(l.font));
    }
}

void Form1::buildFrames(QWidget* client) {
    Frame1 = makeFrame(client, "Frame1", twipsRect(120, 3720, 3375, 2055), QString());
    Frame3 = makeFrame(client, "Frame3", twipsRect(120, 5880, 3375, 615),
                       QStringLiteral("Sıkıştırılabilme etkisi"));
    Frame2 = makeFrame(client, "Frame2", twipsRect(120, 6600, 3375, 615), QString());

    HScroll_Thickness = makeScrollBar(
        Frame1, {"HScroll_Thickness", 240, 0, 30, 1, 1, 0, "thickness ratio t/c, in hundredths"});
    HScroll_Camber = makeScrollBar(
        Frame1, {"HScroll_Camber", 600, 0, 15, 1, 1, 0, "camber ratio f/c, in hundredths"});
    HScroll_nP = makeScrollBar(
        Frame1, {"HScroll_nP", 960, 11, 101, 2, 10, 51, "number of points on the profile"});
    HScroll_AlfaD = makeScrollBar(
        Frame1, {"HScroll_AlfaD", 1320, -10, 10, 1, 1, 0, "angle of attack, in degrees"});
    HScroll_xM = makeScrollBar(
        Frame1, {"HScroll_xM", 1680, 0, 100, 1, 5, 0, "moment reference point x/c, in hundredths"});

    Text_Thickness = makeTextBox(Frame1, "Text_Thickness", twipsRect(720, 240, 495, 285), "0",
                                 "thickness ratio t/c");
    Text_Camber =
        makeTextBox(Frame1, "Text_Camber", twipsRect(720, 600, 495, 285), "0", "camber ratio f/c");
    Text_nP =
        makeTextBox(Frame1, "Text_nP", twipsRect(720, 960, 495, 285), "51", "number of points nP");
    Text_AlfaD = makeTextBox(Frame1, "Text_AlfaD", twipsRect(720, 1320, 495, 285), "0",
                             "angle of attack in degrees");
    Text_xM = makeTextBox(Frame1, "Text_xM", twipsRect(720, 1680, 495, 285), "0",
                          "moment reference point x/c");
    Text_CL =
        makeTextBox(Frame2, "Text_CL", twipsRect(720, 240, 735, 285), "0", "lift coefficient CL");
    Text1 =
        makeTextBox(Frame2, "Text1", twipsRect(2280, 240, 735, 285), "0", "moment coefficient CM");
    Text_Moo = makeTextBox(Frame3, "Text_Moo", twipsRect(960, 240, 615, 285), "0",
                           "free-stream Mach number");

    const QFont greek = labelFont(LabelFont::Greek);
    makeLabel(Frame1, "Label2", twipsRect(240, 240, 375, 255), QStringLiteral("δ"))->setFont(greek);
    makeLabel(Frame1, "Label3", twipsRect(240, 600, 255, 255), QStringLiteral("γ"))->setFont(greek);
    makeLabel(Frame1, "Label5", twipsRect(240, 960, 255, 255), QStringLiteral("nP"));
    makeLabel(Frame1, "Label4", twipsRect(240, 1320, 255, 375), QStringLiteral("α"))
        ->setFont(greek);
    makeLabel(Frame1, "Label7", twipsRect(120, 1680, 495, 255), QStringLiteral("xM/c="));
    makeLabel(Frame2, "Label1", twipsRect(240, 240, 495, 255), QStringLiteral("CL ="));
    makeLabel(Frame2, "Label6", twipsRect(1800, 240, 495, 255), QStringLiteral("CM ="));
    makeLabel(Frame3, "Label36", twipsRect(240, 240, 615, 255), QStringLiteral("Moo ="));
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
    const auto onChange = [this](QScrollBar* bar, Step handler) {
        connect(bar, &QScrollBar::valueChanged, this, [this, handler] { (this->*handler)(); });
    };
    onChange(HScroll_Thickness, &Form1::HScroll_Thickness_Change);
    onChange(HScroll_Camber, &Form1::HScroll_Camber_Change);
    onChange(HScroll_nP, &Form1::HScroll_nP_Change);
    onChange(HScroll_AlfaD, &Form1::HScroll_AlfaD_Change);
    onChange(HScroll_xM, &Form1::HScroll_xM_Change);

    const auto onClick = [this](PictureBox* box, Step handler) {
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
