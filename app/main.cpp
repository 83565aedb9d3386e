// SPDX-License-Identifier: MIT
// The kestrel program: the main window of Kestrel, at the zoom of --zoom FACTOR or the last one
// chosen.
#include "model/texts.h"
#include "ui/form1.h"
#include "ui/qt_text.h"
#include "ui/session_memory.h"
#include "ui/view_zoom.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QIcon>
#include <cstdio>
#include <stdexcept>

namespace {

// A bad command line: one message and status 2.
int badCommandLine(const QString& message) {
    std::fprintf(stderr, "kestrel: %s\n", qPrintable(message));
    return 2;
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kestrel"));
    // Where the study window and the file dialogs keep their settings.
    QApplication::setOrganizationName(QStringLiteral("Kestrel"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/kestrel.svg")));
    QCommandLineParser parser;
    const QCommandLineOption help = parser.addHelpOption();
    kestrel::addZoomOption(parser);
    if (!parser.parse(QApplication::arguments())) {
        return badCommandLine(parser.errorText());
    }
    if (parser.isSet(help)) {
        parser.showHelp(0);
    }
    if (!parser.positionalArguments().isEmpty()) {
        return badCommandLine(kestrel::qtText(kestrel::uiText(kestrel::TextId::UnexpectedArgument))
                                  .arg(parser.positionalArguments().constFirst()));
    }
    double zoom = 1;
    try {
        zoom = kestrel::openingZoom(parser);
    } catch (const std::invalid_argument& error) {
        return badCommandLine(QString::fromStdString(error.what()));
    }
    kestrel::boundSessionMemory();
    kestrel::Form1 window;
    window.setZoom(zoom);
    window.show();
    return QApplication::exec();
}
