// The language file: found beside the program, and applied to the captions, hints and list texts of
// windows, found by objectName.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <memory>

#include "MemIniFile.h"

class QWidget;

const char* const LanguageFileName = "Russian.loc";

// The file of that name in the executable's folder (or in folder, when given); nullptr
// when there is no such file.
std::unique_ptr<TMemIniFile> OpenLanguageFile(const QString& fileName, const QString& folder = QString(),
                                              const TEncoding& eightBit = CodePageEncoding(DefaultEightBit));

// For each form in order: its caption, then every component it owns, in creation order:
// caption, hint, then lines, items or column captions by kind.
void ApplyLanguage(const QList<QWidget*>& forms, const TMemIniFile& ini);
