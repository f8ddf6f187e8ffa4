// Readable failure messages for Qt's strings.
#pragma once

#include <QString>
#include <QStringList>
#include <ostream>

inline void PrintTo(const QString& Text, std::ostream* Out) { *Out << '"' << Text.toStdString() << '"'; }
inline void PrintTo(const QStringList& List, std::ostream* Out) {
  *Out << '[' << List.join("|").toStdString() << ']';
}
