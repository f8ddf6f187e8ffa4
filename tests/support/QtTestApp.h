// One QApplication for a whole test program, with per-user settings and state in fresh folders of its own.
#pragma once

#include <QApplication>
#include <QTemporaryDir>

inline QApplication* EnsureQtApp() {
  if (auto* app = qobject_cast<QApplication*>(QCoreApplication::instance())) return app;
  // Before anything reads a settings file: the user's own settings stay untouched.
  static QTemporaryDir config, state;
  qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
  // Recovery copies of the documents the tests edit.
  qputenv("XDG_STATE_HOME", state.path().toLocal8Bit());
  static int argc = 1;
  static char name[] = "tests";
  static char* argv[] = {name, nullptr};
  return new QApplication(argc, argv);
}
