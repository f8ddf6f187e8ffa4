#include "FormStorage.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QSettings>
#include <QWidget>

namespace {

const char* const kOrganization = "Orvex";
const char* const kApplication = "QN";

// Placement values share the key with the settings.
const char* const kFlags = "Flags";
const char* const kShowCmd = "ShowCmd";
const char* const kMinMaxPos = "MinMaxPos";
const char* const kNormPos = "NormPos";
const char* const kPixelsPerInch = "PixelsPerInch";
const char* const kFormVersion = "FormVersion";
const int kShowNormal = 1;
const int kShowMaximized = 3;

// QSettings turns an unquoted text with commas into a list; take it back as text.
QString ValueText(const QVariant& value) {
  if (value.typeId() == QMetaType::QStringList) return value.toStringList().join(QStringLiteral(", "));
  return value.toString();
}

QString JoinInts(std::initializer_list<int> values) {
  QStringList parts;
  for (int v : values) parts << QString::number(v);
  return parts.join(',');
}

}  // namespace

TFormStorage::TFormStorage(QObject* parent) : QObject(parent) { SetLayoutDefaults(); }

TFormStorage::~TFormStorage() {
  if (FShown && FDirtySinceWrite) WriteValues();
}

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

void TFormStorage::SetLayoutDefaults() {
  FValues.clear();
  for (const TStoredValue& v : kStoredValues)
    FValues.insert(QString::fromLatin1(v.Name), QString::fromLatin1(v.Default));
}

void TFormStorage::ReadValues() {
  SetLayoutDefaults();
  QSettings settings(kOrganization, kApplication);
  for (const QString& name : StoredNames()) {
    if (settings.contains(name)) FValues.insert(name, ValueText(settings.value(name)));
  }
  FDirtySinceWrite = true;
}

void TFormStorage::WriteValues() {
  QSettings settings(kOrganization, kApplication);
  for (const QString& name : StoredNames()) settings.setValue(name, FValues.value(name));
  settings.sync();
  FDirtySinceWrite = false;
}

QString TFormStorage::ReadString(const QString& name) const { return FValues.value(name); }

int TFormStorage::ReadInteger(const QString& name) const {
  const TStoredValue* v = StoredValue(name);
  return ParseInteger(FValues.value(name), v ? ParseInteger(QString::fromLatin1(v->Default), 0) : 0);
}

bool TFormStorage::ReadBool(const QString& name) const {
  const TStoredValue* v = StoredValue(name);
  return ParseBool(FValues.value(name), v ? ParseBool(QString::fromLatin1(v->Default), false) : false);
}

void TFormStorage::WriteString(const QString& name, const QString& value) {
  FValues.insert(name, value);
  FDirtySinceWrite = true;
}

void TFormStorage::WriteInteger(const QString& name, int value) { WriteString(name, QString::number(value)); }

void TFormStorage::WriteBool(const QString& name, bool value) { WriteString(name, BoolText(value)); }

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

bool TFormStorage::RestorePlacement(QWidget* form) {
  QSettings settings(kOrganization, kApplication);
  const QStringList pos = settings.value(kNormPos).toString().split(',');
  bool restored = false;
  if (pos.size() == 4) {
    int v[4];
    bool allOk = true;
    for (int i = 0; i < 4; ++i) {
      bool ok = false;
      v[i] = pos[i].trimmed().toInt(&ok);
      allOk = allOk && ok;
    }
    const QRect rect(QPoint(v[0], v[1]), QPoint(v[2] - 1, v[3] - 1));
    if (allOk && rect.width() > 0 && rect.height() > 0) {
      restored = true;
      // A placement from a screen that is gone keeps the size only.
      if (QGuiApplication::screenAt(rect.center()))
        form->setGeometry(rect);
      else
        form->resize(rect.size());
    }
  }
  bool ok = false;
  if (settings.value(kShowCmd).toString().toInt(&ok) == kShowMaximized && ok) {
    form->setWindowState(form->windowState() | Qt::WindowMaximized);
    restored = true;
  }
  return restored;
}

void TFormStorage::FirstPlacement(QWidget* form) {
  QScreen* screen = form->screen() ? form->screen() : QGuiApplication::primaryScreen();
  if (!screen) return;
  const QRect area = screen->availableGeometry();
  QRect rect(QPoint(0, 0), area.size() * 2 / 3);
  rect.moveCenter(area.center());
  form->setGeometry(rect);
}

void TFormStorage::SavePlacement(QWidget* form) {
  QSettings settings(kOrganization, kApplication);
  const QRect normal = form->isMaximized() || form->isMinimized() ? form->normalGeometry() : form->geometry();
  settings.setValue(kFlags, 0);
  settings.setValue(kShowCmd, form->isMaximized() ? kShowMaximized : kShowNormal);
  settings.setValue(kMinMaxPos, JoinInts({-1, -1, -1, -1}));
  if (normal.isValid())
    settings.setValue(kNormPos,
                      JoinInts({normal.left(), normal.top(), normal.right() + 1, normal.bottom() + 1}));
  settings.setValue(kPixelsPerInch, form->logicalDpiY());
  settings.setValue(kFormVersion, QString());
}

void TFormStorage::Attach(QWidget* form) {
  FForm = form;
  form->installEventFilter(this);
  connect(form, &QObject::destroyed, this, [this] {
    FForm = nullptr;
    if (FShown && FDirtySinceWrite) WriteValues();
  });
}

bool TFormStorage::eventFilter(QObject* watched, QEvent* event) {
  if (watched == FForm) {
    if (event->type() == QEvent::Show && !FShown) {
      // Before the form's own show handler, which copies the values into the dialog.
      FShown = true;
      ReadValues();
      if (!RestorePlacement(FForm)) FirstPlacement(FForm);
    } else if (event->type() == QEvent::Hide && !event->spontaneous() && FShown) {
      WriteValues();
      SavePlacement(FForm);
    }
  }
  return QObject::eventFilter(watched, event);
}
