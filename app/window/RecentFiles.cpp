#include "RecentFiles.h"

#include <QAction>
#include <QEvent>
#include <QFileInfo>
#include <QHelpEvent>
#include <QMenu>
#include <QToolTip>

#include "FormStorage.h"

namespace {

QString StoredName(int Index) { return QStringLiteral("reopen%1").arg(Index); }

// Menus show no tip for a greyed-out item; this one does, so that the path of a missing file
// can be read.
class TItemTips : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* Watched, QEvent* Event) override {
    if (Event->type() != QEvent::ToolTip) return false;
    auto* menu = static_cast<QMenu*>(Watched);
    auto* help = static_cast<QHelpEvent*>(Event);
    const QAction* action = menu->actionAt(help->pos());
    if (action && !action->toolTip().isEmpty())
      QToolTip::showText(help->globalPos(), action->toolTip(), menu);
    else
      QToolTip::hideText();
    return true;
  }
};

}  // namespace

QStringList WithRecentFile(QStringList List, const QString& FileName) {
  const QString name = QFileInfo(FileName).absoluteFilePath();
  List.removeAll(name);
  List.prepend(name);
  while (List.size() > RecentFileCount) List.removeLast();
  return List;
}

QStringList ReadRecentFiles(const TFormStorage& Storage) {
  QStringList list;
  for (int i = 0; i < RecentFileCount; ++i) {
    const QString name = Storage.ReadString(StoredName(i));
    if (!name.isEmpty() && !list.contains(name)) list << name;
  }
  return list;
}

void StoreRecentFiles(TFormStorage& Storage, const QStringList& List) {
  for (int i = 0; i < RecentFileCount; ++i) Storage.WriteString(StoredName(i), List.value(i));
}

void FillReopenMenu(QMenu& Menu, const QStringList& List, const std::function<void(const QString&)>& Open) {
  Menu.clear();
  if (!Menu.findChild<QObject*>(QStringLiteral("ReopenTips"), Qt::FindDirectChildrenOnly)) {
    auto* tips = new TItemTips(&Menu);
    tips->setObjectName(QStringLiteral("ReopenTips"));
    Menu.installEventFilter(tips);
    Menu.setAttribute(Qt::WA_AlwaysShowToolTips);  // a popup is not the active window
  }
  for (int i = 0; i < List.size(); ++i) {
    const QString& name = List[i];
    QString shown =
        Menu.fontMetrics().elidedText(name, Qt::ElideMiddle, 60 * Menu.fontMetrics().averageCharWidth());
    shown.replace(QLatin1Char('&'), QStringLiteral("&&"));
    QAction* item = Menu.addAction(QStringLiteral("&%1 %2").arg((i + 1) % 10).arg(shown));
    item->setObjectName(QStringLiteral("ReopenFile%1").arg(i + 1));
    item->setToolTip(name);
    item->setEnabled(QFileInfo::exists(name));
    QObject::connect(item, &QAction::triggered, &Menu, [Open, name] { Open(name); });
  }
}
