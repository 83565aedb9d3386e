// SPDX-License-Identifier: MIT
// The window tests need one QApplication for the whole run, with the program's bounds on its
// memory. Without a display they run on the offscreen platform, which is also the default when
// nothing else is chosen.
#include "ui/session_memory.h"

#include <QApplication>
#include <QLocale>
#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QtMessageHandler defaultHandler = nullptr;

// The offscreen platform says for every window that it cannot pass on size hints or raise a
// window; those notes say nothing about the program and would drown the test output.
void quietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.startsWith(QStringLiteral("This plugin does not support"))) {
        return;
    }
    defaultHandler(type, context, message);
}

} // namespace

int main(int argc, char** argv) {
    defaultHandler = qInstallMessageHandler(quietHandler);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    kestrel::boundSessionMemory();
    // The boxes show numbers with the user's decimal separator; the tests start from ".".
    QLocale::setDefault(QLocale::c());
    // Each test program keeps its settings (the study window's geometry, the last folder) in a
    // folder of its own, so that tests running at once never share them.
    const QTemporaryDir settings;
    QApplication::setOrganizationName(QStringLiteral("Kestrel"));
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
