#include "MemIniFile.h"

#include <QFile>

#include <utility>

#include "EncodingDetect.h"
#include "RegularFile.h"

void TMemIniFile::SetText(const QString& text) {
  FSections.clear();
  FSectionIndex.clear();
  const std::size_t none = static_cast<std::size_t>(-1);
  std::size_t current = none;  // index: the vector may move while it grows
  const qsizetype n = text.size();
  qsizetype start = 0;
  while (start < n) {
    qsizetype end = start;
    while (end < n && text[end] != QLatin1Char('\r') && text[end] != QLatin1Char('\n')) ++end;
    const QString line = text.mid(start, end - start);
    // Step over exactly one line break: CR LF, CR or LF.
    start = end;
    if (start < n && text[start] == QLatin1Char('\r')) ++start;
    if (start < n && text[start] == QLatin1Char('\n')) ++start;

    if (line.isEmpty() || line.front() == QLatin1Char(';')) continue;
    if (line.front() == QLatin1Char('[') && line.back() == QLatin1Char(']') && line.size() >= 2) {
      const QString name = line.mid(1, line.size() - 2);
      const QString folded = name.toCaseFolded();
      // A section named again continues the first one.
      auto it = FSectionIndex.constFind(folded);
      if (it == FSectionIndex.constEnd()) {
        current = FSections.size();
        FSectionIndex.insert(folded, current);
        FSections.push_back(TSection{name, {}});
      } else {
        current = *it;
      }
      continue;
    }
    if (current == none) continue;
    // A line without "=" is kept by the format but never matches a key.
    const qsizetype eq = line.indexOf(QLatin1Char('='));
    if (eq < 0) continue;
    const QString key = line.left(eq).toCaseFolded();
    QHash<QString, QString>& values = FSections[current].Values;
    if (!values.contains(key)) values.insert(key, line.mid(eq + 1));
  }
}

bool TMemIniFile::LoadFromFile(const QString& fileName, const TEncoding& eightBit) {
  // Only a regular file: a named pipe of that name must not hold up the start.
  std::string raw;
  if (!ReadRegularFile(QFile::encodeName(fileName).toStdString(), raw, 16 << 20, nullptr)) {
    SetText(QString());
    return false;
  }
  SetBytes(std::move(raw), eightBit);
  return true;
}

void TMemIniFile::SetBytes(std::string bytes, const TEncoding& eightBit) {
  TEncodingChoice choice;
  choice.EightBit = eightBit;
  DecodeToUtf8(bytes, DecideEncoding(bytes, choice));
  SetText(QString::fromStdString(bytes));
}

const TMemIniFile::TSection* TMemIniFile::FindSection(const QString& section) const {
  auto it = FSectionIndex.constFind(section.toCaseFolded());
  return it == FSectionIndex.constEnd() ? nullptr : &FSections[*it];
}

bool TMemIniFile::SectionExists(const QString& section) const { return FindSection(section) != nullptr; }

QString TMemIniFile::ReadString(const QString& section, const QString& ident,
                                const QString& defaultValue) const {
  const TSection* s = FindSection(section);
  if (!s) return defaultValue;
  auto it = s->Values.constFind(ident.toCaseFolded());
  return it == s->Values.constEnd() ? defaultValue : *it;
}
