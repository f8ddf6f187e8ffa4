#include "FileContent.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <QFile>
#include <cerrno>
#include <string>

#include "RegularFile.h"

// The whole of xxHash is compiled in here: no library to ship, and the compiler inlines its loop.
#define XXH_INLINE_ALL
#include <xxhash.h>

struct TContentChecksum::TImpl {
  XXH3_state_t State;
};

TContentChecksum::TContentChecksum() : FImpl(std::make_unique<TImpl>()) { XXH3_64bits_reset(&FImpl->State); }

TContentChecksum::~TContentChecksum() = default;

void TContentChecksum::Add(const void* Bytes, std::size_t Size) {
  if (Size > 0) XXH3_64bits_update(&FImpl->State, Bytes, Size);
}

std::uint64_t TContentChecksum::Value() const { return XXH3_64bits_digest(&FImpl->State); }

namespace {

TFileIdentity IdentityOf(const struct stat& St) {
  return {true, std::uint64_t(St.st_dev), std::uint64_t(St.st_ino), std::uint64_t(St.st_size),
          std::int64_t(St.st_mtim.tv_sec) * 1000000000 + St.st_mtim.tv_nsec};
}

}  // namespace

std::optional<TContentStamp> StampOfFile(const QString& Path) {
  const TReadOnlyFile file = OpenRegularFile(QFile::encodeName(Path).toStdString(), nullptr);
  struct stat before {};
  if (!file.IsOpen() || ::fstat(file.Fd(), &before) != 0) return std::nullopt;
  ::posix_fadvise(file.Fd(), 0, 0, POSIX_FADV_SEQUENTIAL);
  TContentChecksum sum;
  std::string buffer(1 << 20, '\0');
  for (;;) {
    const ssize_t n = ::read(file.Fd(), buffer.data(), buffer.size());
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return std::nullopt;
    if (n == 0) break;
    sum.Add(buffer.data(), std::size_t(n));
  }
  struct stat after {};
  // Written to meanwhile: what was read is no state the file was ever in.
  if (::fstat(file.Fd(), &after) != 0 || !(IdentityOf(before) == IdentityOf(after))) return std::nullopt;
  return TContentStamp{IdentityOf(after), sum.Value()};
}

bool ContentChanged(const TContentStamp& Seen, const QString& Path, TContentStamp* Now) {
  const TFileIdentity identity = FileIdentityOf(Path);
  if (Now) *Now = {identity, {}};
  if (!identity.Exists || !Seen.Identity.Exists) return true;
  if (identity == Seen.Identity) {
    if (Now) *Now = Seen;
    return false;
  }
  if (identity.Size != Seen.Identity.Size || !Seen.Checksum) return true;
  const std::optional<TContentStamp> stamp = StampOfFile(Path);
  if (!stamp) return true;
  if (Now) *Now = *stamp;
  return stamp->Identity.Size != Seen.Identity.Size || stamp->Checksum != Seen.Checksum;
}
