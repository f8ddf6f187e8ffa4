#include "Preview.h"

#include <QProcess>

bool LaunchWith(TPreviewHost& host, const QString& programPath) {
  const QString fileName = host.DocFileName();
  if (fileName.isEmpty()) {
    host.ShowInfo(kUnknownFileNameMessage);
    return false;
  }
  if (programPath.isEmpty()) return false;
  // The program would show a stale or missing file: say so rather than start it.
  if (!host.WriteDocument(fileName)) {
    host.ShowError(kPreviewWriteErrorMessage);
    return false;
  }
  // The path is one argument even when it holds blanks.
  if (!host.StartProgram(programPath, {fileName})) host.ShowError(kLaunchErrorMessage);
  return true;
}

bool StartDetachedProgram(const QString& program, const QStringList& arguments) {
  return QProcess::startDetached(program, arguments);
}
