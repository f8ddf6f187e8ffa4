// The settings file on arbitrary bytes, read as the program reads it: every stored value comes out as
// text, the numbers and switches in it parse to what their text says, and a value written back by the
// program reads back the same.
#include <fcntl.h>
#include <sys/stat.h>

#include <cstddef>
#include <cstdint>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QString>
#include <QTemporaryDir>

#include "FormStorage.h"
#include "FuzzCheck.h"

namespace {

// In memory when the machine allows: QSettings flushes every file it writes to disk.
const QTemporaryDir& Folder() {
  static const QTemporaryDir folder(QDir(QStringLiteral("/dev/shm")).exists()
                                        ? QStringLiteral("/dev/shm/fuzz-settings-XXXXXX")
                                        : QDir::tempPath() + QStringLiteral("/fuzz-settings-XXXXXX"));
  CHECK(folder.isValid());
  return folder;
}

void WriteFile(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  CHECK(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
  CHECK(file.write(bytes) == bytes.size());
}

// QSettings keeps the files it has read and reads one again only when its size or time changed: each
// run gives its files a time of their own. (New names each run would grow that cache, and the leak
// checker would then scan the heap after every run.)
void Touch(const QString& path) {
  static long stamp = 1000000000;
  const long now = ++stamp;
  const timespec times[2] = {{now, 0}, {now, 0}};
  CHECK(::utimensat(AT_FDCWD, QFile::encodeName(path).constData(), times, 0) == 0);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QString in = Folder().filePath(QStringLiteral("in.conf"));
  const QString out = Folder().filePath(QStringLiteral("out.conf"));
  WriteFile(in, QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
  Touch(in);
  QHash<QString, QString> values;
  {
    const QSettings settings(in, QSettings::IniFormat);
    values = TFormStorage::StoredValuesIn(settings);
  }
  const QHash<QString, QString> defaults = TFormStorage::LayoutDefaults();
  for (auto it = values.cbegin(); it != values.cend(); ++it) {
    const QString& text = it.value();
    switch (TFormStorage::KindOf(it.key())) {
      case TFormStorage::skInteger: {
        const int n = TFormStorage::ParseInteger(text, -7);
        bool ok = false;
        const int exact = text.trimmed().toInt(&ok);
        CHECK(!ok || n == exact);
        CHECK(TFormStorage::ParseInteger(QString::number(n), -7) == n);
        break;
      }
      case TFormStorage::skBoolean: {
        const bool b = TFormStorage::ParseBool(text, false);
        CHECK(b == TFormStorage::ParseBool(text, true) || b == false);
        CHECK(TFormStorage::ParseBool(TFormStorage::BoolText(b), !b) == b);
        break;
      }
      case TFormStorage::skString: break;
    }
    CHECK(defaults.contains(it.key()));
  }

  // What the program writes, it reads back unchanged.
  WriteFile(out, QByteArray());
  Touch(out);
  {
    QSettings settings(out, QSettings::IniFormat);
    for (auto it = values.cbegin(); it != values.cend(); ++it) settings.setValue(it.key(), it.value());
    settings.sync();
    CHECK(settings.status() == QSettings::NoError);
  }
  Touch(out);
  const QSettings again(out, QSettings::IniFormat);
  CHECK(TFormStorage::StoredValuesIn(again) == values);
  return 0;
}
