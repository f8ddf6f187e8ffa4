#include "LivePreviewAddress.h"

#include <arpa/inet.h>
#include <cstdint>
#include <cstring>

namespace {

bool IsLocalV4(std::uint32_t A) {
  const auto in = [A](std::uint32_t Net, int Bits) { return (A >> (32 - Bits)) == (Net >> (32 - Bits)); };
  return in(0x00000000, 8)      // "this network", 0.0.0.0 reaches the machine itself
         || in(0x0A000000, 8)   // 10/8
         || in(0x64400000, 10)  // 100.64/10, shared address space
         || in(0x7F000000, 8)   // loopback
         || in(0xA9FE0000, 16)  // link-local
         || in(0xAC100000, 12)  // 172.16/12
         || in(0xC0A80000, 16)  // 192.168/16
         || A >= 0xE0000000;    // multicast and reserved, broadcast
}

bool IsLocalV6(const unsigned char (&A)[16]) {
  static constexpr unsigned char zero[16] = {};
  static constexpr unsigned char mapped[12] = {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0xFF, 0xFF};
  static constexpr unsigned char nat64[12] = {0, 0x64, 0xFF, 0x9B, 0, 0, 0, 0, 0, 0, 0, 0};
  if (std::memcmp(A, zero, 15) == 0 && A[15] <= 1) return true;  // :: and ::1
  if ((A[0] & 0xFE) == 0xFC) return true;                        // unique local fc00::/7
  if (A[0] == 0xFE && (A[1] & 0xC0) == 0x80) return true;        // link-local fe80::/10
  if (A[0] == 0xFF) return true;                                 // multicast
  // An IPv4 address carried inside: mapped, NAT64, or the old compatible form.
  if (std::memcmp(A, mapped, 12) == 0 || std::memcmp(A, nat64, 12) == 0 || std::memcmp(A, zero, 12) == 0)
    return IsLocalV4(std::uint32_t(A[12]) << 24 | std::uint32_t(A[13]) << 16 | std::uint32_t(A[14]) << 8 |
                     A[15]);
  return false;
}

}  // namespace

bool IsLocalHost(const QString& Host) {
  QString host = Host.toLower();
  if (host.startsWith(QLatin1Char('[')) && host.endsWith(QLatin1Char(']')))
    host = host.mid(1, host.size() - 2);
  while (host.endsWith(QLatin1Char('.'))) host.chop(1);
  if (host.isEmpty()) return true;
  const QByteArray bytes = host.toLatin1();
  unsigned char v6[16];
  if (host.contains(QLatin1Char(':')))
    return ::inet_pton(AF_INET6, bytes.constData(), v6) != 1 || IsLocalV6(v6);
  // inet_aton also reads the short and numeric forms (127.1, 0x7f000001) that browsers accept.
  in_addr v4{};
  if (::inet_aton(bytes.constData(), &v4) != 0) return IsLocalV4(ntohl(v4.s_addr));
  // Names without a dot are found on the local network; these suffixes never leave it.
  if (!host.contains(QLatin1Char('.'))) return true;
  for (const char* suffix : {".localhost", ".local", ".localdomain", ".lan", ".home.arpa", ".internal"})
    if (host.endsWith(QLatin1String(suffix))) return true;
  return false;
}

bool PreviewMayRequest(const QUrl& Url) {
  const QString scheme = Url.scheme().toLower();
  if (scheme == QLatin1String(kPreviewScheme) || scheme == QLatin1String("data") ||
      scheme == QLatin1String("blob") || scheme == QLatin1String("about"))
    return true;
  if (scheme == QLatin1String("http") || scheme == QLatin1String("https") || scheme == QLatin1String("ws") ||
      scheme == QLatin1String("wss"))
    return !IsLocalHost(Url.host(QUrl::FullyEncoded));
  return false;
}

bool OpensInBrowser(const QUrl& Url) {
  const QString scheme = Url.scheme().toLower();
  if (scheme == QLatin1String("mailto")) return true;
  return (scheme == QLatin1String("http") || scheme == QLatin1String("https")) && !Url.host().isEmpty();
}
