// A file's bytes read and written whole, for tests that set up and look at files.
#pragma once

#include <QFile>
#include <QString>
#include <string>

inline std::string FileBytes(const QString& Path) {
  QFile file(Path);
  if (!file.open(QIODevice::ReadOnly)) return "<missing>";
  return file.readAll().toStdString();
}

inline void WriteBytes(const QString& Path, const std::string& Bytes) {
  QFile file(Path);
  if (file.open(QIODevice::WriteOnly | QIODevice::Truncate)) file.write(Bytes.data(), qint64(Bytes.size()));
}
