// TGoToWeb: opens web pages of the maker in the desktop's default browser.
#pragma once

#include <QObject>
#include <QString>

inline constexpr const char* kMakerWebSite = "https://www.orvex.example/";
inline constexpr const char* kMakerCenterPage = "https://www.orvex.example/center";
inline constexpr const char* kMakerEMail = "info@orvex.example";

class TGoToWeb : public QObject {
  Q_OBJECT
 public:
  explicit TGoToWeb(QObject* owner = nullptr);

  QString Url;
  QString EMail;

  // True when the desktop accepted the address.
  bool OpenUrl();
};
