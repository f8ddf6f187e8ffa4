// What the live preview's page may ask for, and what a click in it may open in the user's browser.
#include <gtest/gtest.h>

#include <QUrl>

#include "LivePreviewAddress.h"

namespace {

TEST(PreviewAddress, ThePageReachesTheNetworkButNothingLocal) {
  const struct {
    const char* Url;
    bool May;
  } rows[] = {
      {"quillan-preview:/home/me/site/pic.png", true},
      {"https://cdn.example.com/style.css", true},
      {"http://example.org/a.png", true},
      {"wss://echo.example.net/", true},
      {"data:text/plain,hello", true},
      {"blob:quillan-preview:/1234", true},
      {"about:blank", true},
      {"https://8.8.8.8/", true},
      {"https://[2001:db8::1]/", true},
      {"file:///etc/passwd", false},
      {"FILE:///etc/passwd", false},
      {"filesystem:http://example.org/temporary/x", false},
      {"qrc:/icons/quillan-16.png", false},
      {"ftp://example.org/x", false},
      {"chrome://version", false},
      {"view-source:https://example.org/", false},
      {"http://127.0.0.1:8080/", false},
      {"ws://127.0.0.1:9222/devtools", false},
      {"http://127.1/", false},
      {"http://2130706433/", false},
      {"http://0x7f000001/", false},
      {"http://0.0.0.0:631/", false},
      {"http://localhost/", false},
      {"http://LOCALHOST./", false},
      {"http://api.localhost/", false},
      {"http://printer.local/", false},
      {"http://router/", false},
      {"http://10.1.2.3/", false},
      {"http://172.16.0.1/", false},
      {"http://172.31.255.255/", false},
      {"https://172.32.0.1/", true},
      {"http://192.168.1.1/", false},
      {"http://169.254.169.254/latest/meta-data/", false},
      {"http://100.64.0.1/", false},
      {"http://224.0.0.1/", false},
      {"http://[::1]:8080/", false},
      {"http://[::]/", false},
      {"http://[::ffff:127.0.0.1]/", false},
      {"http://[::ffff:8.8.8.8]/", true},
      {"http://[64:ff9b::10.0.0.1]/", false},
      {"http://[fe80::1]/", false},
      {"http://[fd00::5]/", false},
      {"http:///", false},
  };
  for (const auto& row : rows) EXPECT_EQ(PreviewMayRequest(QUrl(row.Url)), row.May) << row.Url;

  for (const char* url : {"https://example.org/", "http://example.org/a", "mailto:me@example.org"})
    EXPECT_TRUE(OpensInBrowser(QUrl(url))) << url;
  for (const char* url : {"file:///etc/passwd", "quillan-preview:/x/y.html", "javascript:alert(1)",
                          "data:text/html,x", "https:///", "smb://server/share"})
    EXPECT_FALSE(OpensInBrowser(QUrl(url))) << url;
}

}  // namespace
