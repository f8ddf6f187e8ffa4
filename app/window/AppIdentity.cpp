#include "AppIdentity.h"

#include <QApplication>
#include <QIcon>

// The resources of a static library reach the program only when something names them.
static void InitAppIconResource() { Q_INIT_RESOURCE(appicon); }

void ApplyDesktopIdentity(QApplication& App) {
  InitAppIconResource();
  App.setDesktopFileName(QLatin1String(DesktopId));
  QIcon icon;
  for (int size : {16, 22, 24, 32, 48, 64, 128, 256})
    icon.addFile(QStringLiteral(":/icons/quillan-%1.png").arg(size));
  App.setWindowIcon(icon);
}
