// The one QApplication of a Qt benchmark program: offscreen unless told otherwise, with its settings
// in a temporary folder so runs never touch the user's, and the allocator set up as the program's.
#pragma once

#include <QApplication>
#include <QTemporaryDir>

#include "xeMemoryTuning.h"

inline QApplication& BenchQtApp(const char* Name) {
  static QTemporaryDir config;
  static int argc = 1;
  static char* argv[] = {const_cast<char*>(Name), nullptr};
  static QApplication* app = [] {
    KeepLargeBlocksReturnable();
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    // Recovery copies and caches too, or an unsaved benchmark document would be offered to the user.
    qputenv("XDG_STATE_HOME", (config.path() + QStringLiteral("/state")).toLocal8Bit());
    qputenv("XDG_CACHE_HOME", (config.path() + QStringLiteral("/cache")).toLocal8Bit());
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    return new QApplication(argc, argv);
  }();
  return *app;
}
