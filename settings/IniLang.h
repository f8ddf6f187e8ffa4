// The language file: an INI text read whole into memory, and its application to the
// captions, hints and list texts of windows, found by objectName.
#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

#include "TextEncoding.h"

class QWidget;

// Read-only INI text held in memory. Section and key names match without regard to
// case, the first occurrence of a key wins, and nothing is trimmed: a blank beside
// "=" belongs to the name or the value.
class TMemIniFile {
 public:
  TMemIniFile() = default;

  void SetText(const QString& text);
  // False when the file cannot be read; the contents are then empty. The file is UTF-8 when it is valid
  // UTF-8 (or has a byte-order mark), else in the 8-bit code page a detector recognises, else in eightBit.
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

const char* const LanguageFileName = "Russian.loc";

// The file of that name in the executable's folder (or in folder, when given); nullptr
// when there is no such file.
std::unique_ptr<TMemIniFile> OpenLanguageFile(const QString& fileName, const QString& folder = QString(),
                                              const TEncoding& eightBit = CodePageEncoding(DefaultEightBit));

// For each form in order: its caption, then every component it owns, in creation order:
// caption, hint, then lines, items or column captions by kind.
void ApplyLanguage(const QList<QWidget*>& forms, const TMemIniFile& ini);
