// SPDX-License-Identifier: MIT
// The kestrel program: the main window of Kestrel. It takes no options.
#include "ui/form1.h"
#include "ui/session_memory.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kestrel"));
    // Where the study window and the file dialogs keep their settings.
    QApplication::setOrganizationName(QStringLiteral("Kestrel"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/kestrel.svg")));
    kestrel::boundSessionMemory();
    kestrel::Form1 window;
    window.show();
    return QApplication::exec();
}
