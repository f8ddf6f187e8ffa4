// A settings file that is no plain file: the program starts with the defaults at once (nothing waits for a
// writer on a named pipe), says so, and never puts a plain file in its place.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QWidget>
#include <atomic>
#include <chrono>
#include <thread>

#include "FormStorage.h"
#include "SettingsFile.h"
#include "settings_support.h"
#include "setup.h"

namespace {

// Watches a named pipe from another thread: a reader that waits on it for a writer is let go (a writer
// opens and closes the pipe), and the watch tells that one waited.
class TPipeWatch {
 public:
  explicit TPipeWatch(const QString& Path) : FPath(QFile::encodeName(Path)) {
    FThread = std::thread([this] {
      while (!FStop) {
        // Opening for writing without blocking succeeds only while a reader has the pipe open.
        const int fd = ::open(FPath.constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
        if (fd >= 0) {
          FWaited = true;
          ::close(fd);
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
      }
    });
  }
  ~TPipeWatch() { Stop(); }
  bool Stop() {
    FStop = true;
    if (FThread.joinable()) FThread.join();
    return FWaited;
  }

 private:
  QByteArray FPath;
  std::atomic<bool> FStop{false}, FWaited{false};
  std::thread FThread;
};

bool IsPipe(const QString& Path) {
  struct stat st {};
  return ::stat(QFile::encodeName(Path).constData(), &st) == 0 && S_ISFIFO(st.st_mode);
}

class SettingsFile : public ::testing::Test {
 protected:
  void SetUp() override {
    ClearStoredSettings();
    for (const char* name : {"QN", "Tarn3"}) {
      const QString path = UserSettingsPath("Orvex", name);
      QDir().mkpath(QFileInfo(path).path());
      QFile::remove(path);
      ASSERT_EQ(::mkfifo(QFile::encodeName(path).constData(), 0600), 0) << path.toStdString();
    }
  }
  void TearDown() override {
    for (const char* name : {"QN", "Tarn3"}) QFile::remove(UserSettingsPath("Orvex", name));
    ClearStoredSettings();
  }
};

// The store reads and writes the very file where the settings have always been.
TEST(SettingsPath, IsWhereQSettingsKeepsThem) {
  EXPECT_EQ(UserSettingsPath("Orvex", "QN"), QSettings("Orvex", "QN").fileName());
  EXPECT_EQ(UserSettingsPath("Orvex", "Tarn3"), QSettings("Orvex", "Tarn3").fileName());
}

TEST_F(SettingsFile, NamedPipeIsNeitherWaitedOnNorWrittenOver) {
  const QString path = UserSettingsPath("Orvex", "QN");
  TPipeWatch watch(path);
  {
    QWidget form;
    TFormStorage storage;
    storage.Attach(&form);
    form.show();  // reads the values and the placement
    EXPECT_EQ(storage.ReadString("fontname"), "");
    EXPECT_TRUE(storage.ReadBool("statusbar"));
    EXPECT_TRUE(storage.Problem().contains("named pipe")) << storage.Problem().toStdString();
    storage.WriteString("username", "Ann");
    storage.Flush();
    storage.WriteValues();
    form.close();  // writes the values and the placement
  }
  EXPECT_TRUE(TSetupForm::SiblingProgramPath().isEmpty());
  EXPECT_FALSE(watch.Stop()) << "a reader waited on the pipe";
  EXPECT_TRUE(IsPipe(path)) << "the pipe was written over";
  EXPECT_TRUE(IsPipe(UserSettingsPath("Orvex", "Tarn3")));
}

}  // namespace
