// What keeps the live preview from ending the program. The web engine ends the whole process when it
// must run as root with its sandbox on, so the preview is not offered to root unless the sandbox was
// turned off on purpose. And a mark held while the preview is on tells the next start that a program
// ended abnormally with it: that start leaves the preview off. Qt Core only.
#pragma once

#include <sys/types.h>
#include <QByteArray>
#include <QString>

// Why the preview cannot run for this user and environment (empty: it can). ChromiumFlags is
// QTWEBENGINE_CHROMIUM_FLAGS; SandboxOff tells whether QTWEBENGINE_DISABLE_SANDBOX is set at all.
QString PreviewUnavailableReason(uid_t User, uid_t EffectiveUser, const QByteArray& ChromiumFlags,
                                 bool SandboxOff);
// The same for this process.
QString PreviewUnavailableReason();

// Held while the preview is on: a file in Folder under a lock that ends with the process.
class TPreviewRunMark {
 public:
  TPreviewRunMark() = default;
  ~TPreviewRunMark() { Clear(); }
  TPreviewRunMark(const TPreviewRunMark&) = delete;
  TPreviewRunMark& operator=(const TPreviewRunMark&) = delete;

  // False when the mark cannot be written (the preview still runs, unguarded).
  bool Set(const QString& Folder);
  void Clear();
  bool IsSet() const { return FFd >= 0; }

 private:
  int FFd = -1;
  QByteArray FPath;
};

// Removes the marks in Folder whose program is gone; true when there was one.
bool TakeAbandonedPreviewMarks(const QString& Folder);
