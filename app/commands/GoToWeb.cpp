#include "GoToWeb.h"

#include <QDesktopServices>
#include <QUrl>

TGoToWeb::TGoToWeb(QObject* owner) : QObject(owner), Url(kMakerWebSite), EMail(kMakerEMail) {
  setObjectName("GoToWeb");
}

bool TGoToWeb::OpenUrl() {
  const QUrl url = QUrl::fromUserInput(Url);
  if (!url.isValid()) return false;
  return QDesktopServices::openUrl(url);
}
