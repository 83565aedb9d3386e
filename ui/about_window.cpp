// SPDX-License-Identifier: MIT
#include "ui/about_window.h"

#include "plots/colours.h"
#include "plots/painter.h"
#include "ui/language.h"
#include "ui/qt_text.h"
#include "ui/window_geometry.h"

#include <QLabel>

namespace kestrel {

namespace {

// Verdana where it exists, otherwise a common sans-serif face.
QFont verdana(double points, bool bold, bool underline) {
    QFont font;
    QStringList families;
    for (const std::string_view family : kAboutFamilies) {
        families.append(qtText(family));
    }
    font.setFamilies(families);
    font.setPointSizeF(points);
    font.setBold(bold);
    font.setUnderline(underline);
    return font;
}

} // namespace

AboutWindow::AboutWindow() : QWidget(nullptr) {
    setObjectName(QStringLiteral("Form_About"));
    showText(this, TextRole::WindowTitle, TextId::AboutTitle);
    setFixedSize(twipsToPixels(kAboutWidth), twipsToPixels(kAboutHeight));
    QPalette colours = palette();
    colours.setColor(QPalette::Window, toQColor(kPlotBackground));
    setPalette(colours);
    setAutoFillBackground(true);
    // Closing the main window ends the program even while this window is open.
    setAttribute(Qt::WA_QuitOnClose, false);
    for (const Control& c : kControls) {
        if (c.kind != ControlKind::AboutLabel) {
            continue;
        }
        const AboutLabelStyle& l = aboutLabelStyle(c.name);
        const Qt::Alignment alignment = l.centred ? Qt::AlignHCenter : Qt::AlignLeft;
        auto* label = new QLabel(this);
        showText(label, TextRole::Text, c.text);
        label->setObjectName(qtText(c.name));
        label->setGeometry(twipsRect(c.left, c.top, c.width, c.height));
        label->setFont(verdana(l.points, l.bold, l.underline));
        label->setAlignment(alignment | Qt::AlignTop);
        label->setWordWrap(l.centred);
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
