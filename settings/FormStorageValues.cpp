// The stored names, their kinds and defaults, and the text forms of their values (Qt Core only).
#include <QSettings>

#include "FormStorage.h"

namespace {

struct TStoredValue {
  const char* Name;
  TFormStorage::TStoredKind Kind;
  const char* Default;
};

// The layout's fifteen values, then the program's own additions with their defaults.
// clang-format off
const TStoredValue kStoredValues[] = {
    {"username", TFormStorage::skString, ""},     {"useremail", TFormStorage::skString, ""},
    {"userurl", TFormStorage::skString, ""},      {"fontindex", TFormStorage::skInteger, "0"},
    {"fontname", TFormStorage::skString, ""},     {"fontsize", TFormStorage::skInteger, "0"},
    {"autohide", TFormStorage::skBoolean, "False"}, {"highlite", TFormStorage::skBoolean, "False"},
    {"netscape", TFormStorage::skString, ""},     {"msie", TFormStorage::skString, ""},
    {"custom", TFormStorage::skString, ""},       {"extended", TFormStorage::skString, ""},
    {"notfirst", TFormStorage::skBoolean, "False"}, {"DefFn", TFormStorage::skString, ""},
    {"DefFT", TFormStorage::skInteger, "0"},
    {"linebreaks", TFormStorage::skInteger, "0"}, {"keeptabs", TFormStorage::skBoolean, "False"},
    {"undolevels", TFormStorage::skInteger, "2"}, {"modernhtml", TFormStorage::skBoolean, "False"},
    {"relativelinks", TFormStorage::skBoolean, "False"},
    {"linenumbers", TFormStorage::skBoolean, "False"}, {"statusbar", TFormStorage::skBoolean, "True"},
    {"livepreview", TFormStorage::skBoolean, "False"},
    {"reopen0", TFormStorage::skString, ""}, {"reopen1", TFormStorage::skString, ""},
    {"reopen2", TFormStorage::skString, ""}, {"reopen3", TFormStorage::skString, ""},
    {"reopen4", TFormStorage::skString, ""}, {"reopen5", TFormStorage::skString, ""},
    {"reopen6", TFormStorage::skString, ""}, {"reopen7", TFormStorage::skString, ""},
    {"reopen8", TFormStorage::skString, ""}, {"reopen9", TFormStorage::skString, ""},
    {"eightbit", TFormStorage::skString, "windows-1252"},
};
// clang-format on

const TStoredValue* StoredValue(const QString& name) {
  for (const TStoredValue& v : kStoredValues)
    if (name == QLatin1String(v.Name)) return &v;
  return nullptr;
}

// QSettings turns an unquoted text with commas into a list; take it back as text.
QString ValueText(const QVariant& value) {
  if (value.typeId() == QMetaType::QStringList) return value.toStringList().join(QStringLiteral(", "));
  return value.toString();
}

}  // namespace

const QStringList& TFormStorage::StoredNames() {
  static const QStringList names = [] {
    QStringList list;
    for (const TStoredValue& v : kStoredValues) list << QString::fromLatin1(v.Name);
    return list;
  }();
  return names;
}

TFormStorage::TStoredKind TFormStorage::KindOf(const QString& name) {
  const TStoredValue* v = StoredValue(name);
  return v ? v->Kind : skString;
}

QHash<QString, QString> TFormStorage::LayoutDefaults() {
  QHash<QString, QString> values;
  for (const TStoredValue& v : kStoredValues)
    values.insert(QString::fromLatin1(v.Name), QString::fromLatin1(v.Default));
  return values;
}

QHash<QString, QString> TFormStorage::StoredValuesIn(const QSettings& settings) {
  QHash<QString, QString> values;
  for (const QString& name : StoredNames())
    if (settings.contains(name)) values.insert(name, ValueText(settings.value(name)));
  return values;
}

int TFormStorage::ReadInteger(const QString& name) const {
  const TStoredValue* v = StoredValue(name);
  return ParseInteger(FValues.value(name), v ? ParseInteger(QString::fromLatin1(v->Default), 0) : 0);
}

bool TFormStorage::ReadBool(const QString& name) const {
  const TStoredValue* v = StoredValue(name);
  return ParseBool(FValues.value(name), v ? ParseBool(QString::fromLatin1(v->Default), false) : false);
}

QString TFormStorage::BoolText(bool value) {
  return value ? QStringLiteral("True") : QStringLiteral("False");
}

bool TFormStorage::ParseBool(const QString& text, bool fallback) {
  const QString t = text.trimmed();
  if (t.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0) return true;
  if (t.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0) return false;
  bool ok = false;
  const int number = t.toInt(&ok);
  return ok ? number != 0 : fallback;
}

int TFormStorage::ParseInteger(const QString& text, int fallback) {
  bool ok = false;
  const int number = text.trimmed().toInt(&ok);
  if (ok) return number;
  // A fractional font size still names a whole number of points.
  const double real = text.trimmed().toDouble(&ok);
  if (ok && real > -2e9 && real < 2e9) return static_cast<int>(real);
  return fallback;
}
