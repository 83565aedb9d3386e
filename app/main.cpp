// SPDX-License-Identifier: MIT
// The kestrel program: the main window of Kestrel, in Turkish or, with --lang en or the Language
// menu, in English; the choice is remembered.
#include "ui/form1.h"
#include "ui/language.h"
#include "ui/session_memory.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QIcon>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <stdexcept>

namespace {

constexpr int kExitUsage = 2;

// The language the command line chose, the remembered one without --lang. A bad command line
// prints one message and ends the program with status 2.
kestrel::Language startLanguage(const QApplication& app) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Kestrel: the aerodynamics of Joukowski profiles."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOption(kestrel::languageCommandLineOption());
    try {
        if (!parser.parse(app.arguments())) {
            throw std::invalid_argument(parser.errorText().toStdString());
        }
        if (parser.isSet(QStringLiteral("help"))) {
            parser.showHelp(0);
        }
        if (parser.isSet(QStringLiteral("version"))) {
            parser.showVersion();
        }
        return kestrel::chosenLanguage(parser).value_or(kestrel::rememberedLanguage());
    } catch (const std::invalid_argument& error) {
        std::fprintf(stderr, "kestrel: %s\n", error.what());
        std::exit(kExitUsage);
    }
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kestrel"));
    QApplication::setApplicationVersion(QStringLiteral(KESTREL_VERSION));
    // Where the windows and the file dialogs keep their settings.
    QApplication::setOrganizationName(QStringLiteral("Kestrel"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/kestrel.svg")));
    kestrel::setLanguage(startLanguage(app));
    kestrel::boundSessionMemory();
    kestrel::Form1 window;
    window.show();
    return QApplication::exec();
}
