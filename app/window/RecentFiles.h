// File > Reopen: the last documents opened or saved, most recent first, kept with the settings.
#pragma once

#include <QStringList>
#include <functional>

class QMenu;
class TFormStorage;

constexpr int RecentFileCount = 10;

// List with FileName (made absolute) in front; an earlier entry of the same file goes, and the
// list keeps at most ten names.
QStringList WithRecentFile(QStringList List, const QString& FileName);

// The names stored as "reopen0" .. "reopen9", and back.
QStringList ReadRecentFiles(const TFormStorage& Storage);
void StoreRecentFiles(TFormStorage& Storage, const QStringList& List);

// One item per file ("&1 path" ...); a file that is gone is greyed out with its path as the tip.
// Choosing an item calls Open with its file name.
void FillReopenMenu(QMenu& Menu, const QStringList& List, const std::function<void(const QString&)>& Open);
