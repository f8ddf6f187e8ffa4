#include "FormStorage.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QSettings>
#include <QTimer>
#include <QWidget>

#include "SettingsFile.h"

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

void TFormStorage::SetLayoutDefaults() { FValues = LayoutDefaults(); }

void TFormStorage::ReadValues() {
  SetLayoutDefaults();
  QString why;
  if (const auto settings = OpenUserSettings(kOrganization, kApplication, &why)) {
    FValues.insert(StoredValuesIn(*settings));
    FRead = true;
  } else if (FProblem.isEmpty()) {
    FProblem = QStringLiteral(
                   "The settings were not read: %1 The defaults are used, and changes to them are "
                   "not saved.")
                   .arg(why);
  }
  FDirtySinceWrite = true;
  FChanged = false;
}

void TFormStorage::WriteValues() {
  FDirtySinceWrite = false;
  FChanged = false;
  // Never over what is not a plain file (a named pipe would be replaced by one).
  const auto settings = OpenUserSettings(kOrganization, kApplication);
  if (!settings) return;
  for (const QString& name : StoredNames()) settings->setValue(name, FValues.value(name));
  settings->sync();
}

void TFormStorage::Flush() {
  if (FChanged) WriteValues();
}

QString TFormStorage::ReadString(const QString& name) const { return FValues.value(name); }

void TFormStorage::WriteString(const QString& name, const QString& value) {
  const auto old = FValues.constFind(name);
  const bool changed = old == FValues.constEnd() || *old != value;
  FValues.insert(name, value);
  FDirtySinceWrite = true;
  if (!changed || !FRead) return;
  // Read from the file, the store keeps it current: a change reaches it once the command that made it is
  // done (all of that command's changes in one write), so that a crash later loses none of them.
  FChanged = true;
  if (!FFlushPending) {
    FFlushPending = true;
    QTimer::singleShot(0, this, [this] {
      FFlushPending = false;
      Flush();
    });
  }
}

void TFormStorage::WriteInteger(const QString& name, int value) { WriteString(name, QString::number(value)); }

void TFormStorage::WriteBool(const QString& name, bool value) { WriteString(name, BoolText(value)); }

bool TFormStorage::RestorePlacement(QWidget* form) {
  const auto opened = OpenUserSettings(kOrganization, kApplication);
  if (!opened) return false;
  const QSettings& settings = *opened;
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
  const auto opened = OpenUserSettings(kOrganization, kApplication);
  if (!opened) return;
  QSettings& settings = *opened;
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
