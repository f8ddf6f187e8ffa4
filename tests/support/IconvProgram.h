// Real files in legacy encodings, made by the C library's iconv program.
#pragma once

#include <QProcess>
#include <QStringList>
#include <string>

// Bytes converted from one encoding to another by iconv; Skip drops what the target cannot hold.
inline std::string IconvProgram(const std::string& Bytes, const char* From, const char* To,
                                bool Skip = false) {
  QProcess iconv;
  QStringList args{"-f", From, "-t", To};
  if (Skip) args.prepend("-c");
  iconv.start("iconv", args);
  iconv.write(Bytes.data(), qint64(Bytes.size()));
  iconv.closeWriteChannel();
  iconv.waitForFinished(30000);
  return iconv.readAllStandardOutput().toStdString();
}
