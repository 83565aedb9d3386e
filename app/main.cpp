// SPDX-License-Identifier: MIT
// The kestrel program: the main window of Kestrel, in Turkish or, with --lang en or the Language
// menu, in English, at the zoom of --zoom FACTOR; the last language and zoom chosen are
// remembered.
#include "model/texts.h"
#include "ui/form1.h"
#include "ui/language.h"
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
    QApplication::setApplicationVersion(QStringLiteral(KESTREL_VERSION));
    // Where the windows and the file dialogs keep their settings.
    QApplication::setOrganizationName(QStringLiteral("Kestrel"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/kestrel.svg")));
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Kestrel: the aerodynamics of Joukowski profiles."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    parser.addOption(kestrel::languageCommandLineOption());
    kestrel::addZoomOption(parser);
    if (!parser.parse(QApplication::arguments())) {
        return badCommandLine(parser.errorText());
    }
    if (parser.isSet(help)) {
        parser.showHelp(0);
    }
    if (parser.isSet(version)) {
        parser.showVersion();
    }
    double zoom = 1;
    try {
        kestrel::setLanguage(
            kestrel::chosenLanguage(parser).value_or(kestrel::rememberedLanguage()));
        if (!parser.positionalArguments().isEmpty()) {
            return badCommandLine(kestrel::textOf(kestrel::TextId::UnexpectedArgument)
                                      .arg(parser.positionalArguments().constFirst()));
        }
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
