// The language file reader on arbitrary bytes (decoded as the program decodes it): a value found is a
// piece of the decoded text, a section
// and key written first are found with their value, and reading a second text forgets the first.
#include <cstddef>
#include <cstdint>
#include <string>

#include <QByteArray>
#include <QString>

#include "EncodingDetect.h"
#include "FuzzCheck.h"
#include "MemIniFile.h"
#include "TextEncoding.h"

namespace {

bool OneLine(const QString& s) {
  return !s.isEmpty() && !s.contains(QLatin1Char('\r')) && !s.contains(QLatin1Char('\n'));
}

}  // namespace

// Input: section length byte, key length byte, section, key, the file's bytes.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 2) return 0;
  const QByteArray all(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  qsizetype at = 2;
  auto take = [&](qsizetype n) {
    n = std::min(n, all.size() - at);
    const QByteArray s = all.mid(at, n);
    at += n;
    return s;
  };
  const QString section = QString::fromUtf8(take(data[0] % 16));
  const QString key = QString::fromUtf8(take(data[1] % 16));
  const std::string file = all.mid(at).toStdString();
  const QString none = QStringLiteral("\x01none");

  TMemIniFile ini;
  ini.SetBytes(file);
  std::string decoded = file;
  TEncodingChoice choice;
  choice.EightBit = CodePageEncoding(DefaultEightBit);
  DecodeToUtf8(decoded, DecideEncoding(decoded, choice));  // what cannot be decoded stays as it is, there too
  const QString text = QString::fromStdString(decoded);
  const QString value = ini.ReadString(section, key, none);
  if (value != none) {
    CHECK(ini.SectionExists(section));
    CHECK(text.contains(value));
  }

  if (OneLine(section) && OneLine(key) && !key.contains(QLatin1Char('=')) &&
      key.front() != QLatin1Char(';') && key.front() != QLatin1Char('[')) {
    const QString v = QStringLiteral("value\t=%1").arg(file.size());
    TMemIniFile first;
    first.SetText(QLatin1Char('[') + section + QStringLiteral("]\r\n") + key + QLatin1Char('=') + v +
                  QLatin1Char('\n') + text);
    CHECK(first.SectionExists(section));
    CHECK(first.ReadString(section, key, none) == v);
    CHECK(first.ReadString(section.toUpper(), key.toLower(), none) == v ||
          section.toUpper().toCaseFolded() != section.toCaseFolded() ||
          key.toLower().toCaseFolded() != key.toCaseFolded());
    first.SetBytes(file);
    CHECK(first.ReadString(section, key, none) == value);
  }
  return 0;
}
