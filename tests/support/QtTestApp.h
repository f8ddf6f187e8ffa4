// One QApplication for a whole test program, with settings kept in a test-only folder.
#pragma once

#include <QApplication>
#include <QStandardPaths>

inline QApplication* EnsureQtApp() {
    if (auto* app = qobject_cast<QApplication*>(QCoreApplication::instance())) return app;
    // Before anything reads a settings file: the user's own settings stay untouched.
    QStandardPaths::setTestModeEnabled(true);
    static int argc = 1;
    static char name[] = "tests";
    static char* argv[] = {name, nullptr};
    return new QApplication(argc, argv);
}
