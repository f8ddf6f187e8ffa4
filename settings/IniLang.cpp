#include "IniLang.h"

#include <QAbstractButton>
#include <QAction>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QFontComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPointer>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTableWidget>
#include <QTextEdit>
#include <QTreeWidget>

std::unique_ptr<TMemIniFile> OpenLanguageFile(const QString& fileName, const QString& folder,
                                              const TEncoding& eightBit) {
  const QString dir = folder.isEmpty() ? QCoreApplication::applicationDirPath() : folder;
  const QString path = dir + QLatin1Char('/') + fileName;
  if (!QFileInfo(path).isFile()) return nullptr;
  auto ini = std::make_unique<TMemIniFile>();
  if (!ini->LoadFromFile(path, eightBit)) return nullptr;
  return ini;
}

namespace {

// True when obj sits in form itself and not in another window (a dialog, or a help
// window) that happens to be a child of it. Menus are pop-up windows but belong to
// the form that holds them.
bool BelongsTo(const QObject* obj, const QWidget* form) {
  for (const QObject* o = obj; o; o = o->parent()) {
    if (o == form) return true;
    const auto* w = qobject_cast<const QWidget*>(o);
    if (w && w->isWindow() && !qobject_cast<const QMenu*>(w)) return false;
  }
  return false;
}

QTabWidget* TabWidgetOf(QWidget* page) {
  auto* stack = qobject_cast<QStackedWidget*>(page->parentWidget());
  return stack ? qobject_cast<QTabWidget*>(stack->parentWidget()) : nullptr;
}

void SetCaption(QObject* obj, const QString& text) {
  if (auto* action = qobject_cast<QAction*>(obj))
    action->setText(text);
  else if (auto* menu = qobject_cast<QMenu*>(obj))
    menu->setTitle(text);
  else if (auto* button = qobject_cast<QAbstractButton*>(obj))
    button->setText(text);
  else if (auto* label = qobject_cast<QLabel*>(obj))
    label->setText(text);
  else if (auto* group = qobject_cast<QGroupBox*>(obj))
    group->setTitle(text);
  else if (auto* w = qobject_cast<QWidget*>(obj)) {
    if (QTabWidget* tabs = TabWidgetOf(w)) tabs->setTabText(tabs->indexOf(w), text);
  }
}

void SetHint(QObject* obj, const QString& text) {
  if (auto* action = qobject_cast<QAction*>(obj)) {
    action->setToolTip(text);
    action->setStatusTip(text);
  } else if (auto* w = qobject_cast<QWidget*>(obj)) {
    w->setToolTip(text);
  }
}

// Multi-line text boxes: a line may be translated to an empty one, so the marker
// "fsdef" stands for "keep".
void ApplyLines(QObject* obj, const TMemIniFile& ini, const QString& section, const QString& prefix) {
  auto* plain = qobject_cast<QPlainTextEdit*>(obj);
  auto* rich = qobject_cast<QTextEdit*>(obj);
  if (!plain && !rich) return;
  QStringList lines = (plain ? plain->toPlainText() : rich->toPlainText()).split(QLatin1Char('\n'));
  bool changed = false;
  for (qsizetype i = 0; i < lines.size(); ++i) {
    const QString v =
        ini.ReadString(section, prefix + QStringLiteral(".lines[%1]").arg(i), QStringLiteral("fsdef"));
    if (v != QLatin1String("fsdef")) {
      lines[i] = v;
      changed = true;
    }
  }
  if (!changed) return;
  if (plain)
    plain->setPlainText(lines.join(QLatin1Char('\n')));
  else
    rich->setPlainText(lines.join(QLatin1Char('\n')));
}

QString ItemKey(const QString& prefix, int i) { return prefix + QStringLiteral(".items[%1]").arg(i); }

void ApplyItems(QObject* obj, const TMemIniFile& ini, const QString& section, const QString& prefix) {
  // The font list keeps its font names.
  if (auto* combo = qobject_cast<QComboBox*>(obj); combo && !qobject_cast<QFontComboBox*>(obj)) {
    for (int i = 0; i < combo->count(); ++i) {
      const QString v = ini.ReadString(section, ItemKey(prefix, i), QString());
      if (!v.isEmpty()) combo->setItemText(i, v);
    }
    return;
  }
  // A radio group: a group box whose own radio buttons are its items.
  if (auto* group = qobject_cast<QGroupBox*>(obj)) {
    const QList<QRadioButton*> radios = group->findChildren<QRadioButton*>(Qt::FindDirectChildrenOnly);
    for (int i = 0; i < radios.size(); ++i) {
      const QString v = ini.ReadString(section, ItemKey(prefix, i), QString());
      if (!v.isEmpty()) radios[i]->setText(v);
    }
  }
}

void ApplyColumns(QObject* obj, const TMemIniFile& ini, const QString& section, const QString& prefix) {
  auto key = [&](int i) { return prefix + QStringLiteral(".Columns[%1].Caption").arg(i); };
  if (auto* tree = qobject_cast<QTreeWidget*>(obj)) {
    for (int i = 0; i < tree->columnCount(); ++i) {
      const QString v = ini.ReadString(section, key(i), QString());
      if (!v.isEmpty()) tree->headerItem()->setText(i, v);
    }
  } else if (auto* table = qobject_cast<QTableWidget*>(obj)) {
    for (int i = 0; i < table->columnCount(); ++i) {
      const QString v = ini.ReadString(section, key(i), QString());
      if (v.isEmpty()) continue;
      if (QTableWidgetItem* item = table->horizontalHeaderItem(i))
        item->setText(v);
      else
        table->setHorizontalHeaderItem(i, new QTableWidgetItem(v));
    }
  }
}

void ApplyToForm(QWidget* form, const TMemIniFile& ini) {
  const QString section = form->objectName();
  if (section.isEmpty()) return;
  const QString caption = ini.ReadString(section, section + QStringLiteral(".Caption"), QString());
  if (!caption.isEmpty()) form->setWindowTitle(caption);

  // Setting a text may delete inner objects of a component (a document's layout, a
  // header), so every object is held by a guarded pointer while the walk goes on.
  QList<QPointer<QObject>> components;
  for (QObject* obj : form->findChildren<QObject*>()) components.append(obj);
  for (const QPointer<QObject>& guarded : components) {
    QObject* obj = guarded.data();
    if (!obj) continue;
    const QString name = obj->objectName();
    // Qt's own inner parts carry names too; they are not components of the layout.
    if (name.isEmpty() || name.startsWith(QLatin1String("qt_")) || !BelongsTo(obj, form)) continue;
    const QString prefix = section + QLatin1Char('.') + name;
    const QString text = ini.ReadString(section, prefix + QStringLiteral(".Caption"), QString());
    if (!text.isEmpty()) SetCaption(obj, text);
    const QString hint = ini.ReadString(section, prefix + QStringLiteral(".Hint"), QString());
    if (!hint.isEmpty()) SetHint(obj, hint);
    ApplyLines(obj, ini, section, prefix);
    ApplyItems(obj, ini, section, prefix);
    ApplyColumns(obj, ini, section, prefix);
  }
}

}  // namespace

void ApplyLanguage(const QList<QWidget*>& forms, const TMemIniFile& ini) {
  for (QWidget* form : forms) {
    if (form) ApplyToForm(form, ini);
  }
}
