// TGoToWeb: opens web pages of the maker in the desktop's default browser.
#pragma once

#include <QObject>
#include <QString>

#include "MakerAddresses.h"

class TGoToWeb : public QObject {
  Q_OBJECT
 public:
  explicit TGoToWeb(QObject* owner = nullptr);

  QString Url;
  QString EMail;

  // True when the desktop accepted the address.
  bool OpenUrl();
};
