// SPDX-License-Identifier: MIT
#include "ui/about_window.h"

#include "plots/colours.h"
#include "plots/painter.h"
#include "ui/window_geometry.h"

#include <QLabel>

namespace kestrel {

namespace {

constexpr Colour kDarkGreen = rgb(0, 128, 0);
constexpr Colour kContactBlue = rgb(0, 0, 255);

struct AboutLabel {
    const char* name;
    const char* text;
    int left, top, width, height;
    double points;
    bool bold;
    bool underline;
    Colour colour; // -1: the system text colour
    Qt::Alignment alignment;
};

// Verdana where it exists, otherwise a common sans-serif face.
QFont verdana(double points, bool bold, bool underline) {
    QFont font;
    font.setFamilies({"Verdana", "DejaVu Sans", "Liberation Sans"});
    font.setPointSizeF(points);
    font.setBold(bold);
    font.setUnderline(underline);
    return font;
}

const AboutLabel kLabels[] = {
    {"Label1", "Kestrel", 960, 240, 2415, 375, 12, true, true, kDarkGreen, Qt::AlignLeft},
    {"Label2", "Aerodynamic Characteristics of Kestrel", 840, 720, 2655, 735, 9.75, false, false,
     kDarkGreen, Qt::AlignHCenter},
    {"Label7", "developed by the Kestrel team", 840, 1680, 2535, 255, 8.25, false, false, -1,
     Qt::AlignLeft},
    {"Label8", "last update : Februaray 2007", 840, 2040, 2775, 255, 8.25, false, false, -1,
     Qt::AlignLeft},
    {"Label4", "for comments and questions e-mail to", 480, 2520, 3375, 255, 8.25, false, false, -1,
     Qt::AlignLeft},
    {"Label5", "kestrel@example.org", 1200, 2760, 1935, 255, 8.25, false, false, kContactBlue,
     Qt::AlignLeft},
};

} // namespace

AboutWindow::AboutWindow() : QWidget(nullptr) {
    setObjectName(QStringLiteral("Form_About"));
    setWindowTitle(QStringLiteral("About"));
    setFixedSize(twipsToPixels(4125), twipsToPixels(3195));
    QPalette colours = palette();
    colours.setColor(QPalette::Window, toQColor(kPlotBackground));
    setPalette(colours);
    setAutoFillBackground(true);
    // Closing the main window ends the program even while this window is open.
    setAttribute(Qt::WA_QuitOnClose, false);
    for (const AboutLabel& l : kLabels) {
        auto* label = new QLabel(QString::fromUtf8(l.text), this);
        label->setObjectName(l.name);
        label->setGeometry(twipsRect(l.left, l.top, l.width, l.height));
        label->setFont(verdana(l.points, l.bold, l.underline));
        label->setAlignment(l.alignment | Qt::AlignTop);
        label->setWordWrap(l.alignment == Qt::AlignHCenter);
        label->setAutoFillBackground(true);
        if (l.colour >= 0) {
            QPalette text = label->palette();
            text.setColor(QPalette::WindowText, toQColor(l.colour));
            label->setPalette(text);
        }
    }
}

void AboutWindow::showAndRaise() {
    show();
    raise();
    activateWindow();
}

} // namespace kestrel
