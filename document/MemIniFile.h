// The language file's reader: an INI text held in memory (no widgets, so it can be fuzzed alone).
#pragma once

#include <QHash>
#include <QString>
#include <cstddef>
#include <string>
#include <vector>

#include "TextEncoding.h"

// Read-only INI text held in memory. Section and key names match without regard to
// case, the first occurrence of a key wins, and nothing is trimmed: a blank beside
// "=" belongs to the name or the value.
class TMemIniFile {
 public:
  TMemIniFile() = default;

  void SetText(const QString& text);
  // The bytes of a language file: UTF-8 when they are valid UTF-8 (or have a byte-order mark), else in
  // the 8-bit code page a detector recognises, else in eightBit.
  void SetBytes(std::string bytes, const TEncoding& eightBit = CodePageEncoding(DefaultEightBit));
  // False when the file cannot be read; the contents are then empty.
  bool LoadFromFile(const QString& fileName, const TEncoding& eightBit = CodePageEncoding(DefaultEightBit));

  bool SectionExists(const QString& section) const;
  QString ReadString(const QString& section, const QString& ident, const QString& defaultValue) const;

 private:
  struct TSection {
    QString Name;
    QHash<QString, QString> Values;  // folded key name -> value of its first occurrence
  };
  const TSection* FindSection(const QString& section) const;

  std::vector<TSection> FSections;
  QHash<QString, std::size_t> FSectionIndex;  // folded section name -> position
};
