// One QApplication for the whole test program, with the per-user settings kept in a
// temporary folder so that no test reads or writes the real user's settings.
#include <gtest/gtest.h>
#include <QApplication>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace {

class QtEnvironment : public ::testing::Environment {
 public:
  void SetUp() override {
    static QTemporaryDir config;
    ASSERT_TRUE(config.isValid());
    // Before anything touches QSettings: its user paths are fixed at first use.
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    QStandardPaths::setTestModeEnabled(true);
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, config.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, config.path());
    static int argc = 1;
    static char name[] = "settings_tests";
    static char* argv[] = {name, nullptr};
    static QApplication app(argc, argv);
  }
};

const auto* const gEnvironment = ::testing::AddGlobalTestEnvironment(new QtEnvironment);

}  // namespace
