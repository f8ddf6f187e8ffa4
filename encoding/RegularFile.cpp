#include "RegularFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/vfs.h>
#include <unistd.h>
#include <cerrno>
#include <cstring>
#include <utility>

namespace {

std::string KindSentence(const std::string& Path, mode_t Mode) {
  const char* kind = S_ISDIR(Mode)                    ? "a folder"
                     : S_ISFIFO(Mode)                 ? "a named pipe"
                     : S_ISSOCK(Mode)                 ? "a socket"
                     : S_ISCHR(Mode) || S_ISBLK(Mode) ? "a device"
                                                      : "not a plain file";
  return Path + " is " + kind + ", not a file.";
}

}  // namespace

TReadOnlyFile::~TReadOnlyFile() {
  if (FFd >= 0) ::close(FFd);
}

TReadOnlyFile& TReadOnlyFile::operator=(TReadOnlyFile&& Other) noexcept {
  if (this != &Other) {
    if (FFd >= 0) ::close(FFd);
    FFd = Other.Release();
  }
  return *this;
}

int TReadOnlyFile::Release() { return std::exchange(FFd, -1); }

TReadOnlyFile OpenRegularFile(const std::string& Path, std::string* Why) {
  // O_NONBLOCK: opening a named pipe with no writer returns at once instead of waiting for one.
  TReadOnlyFile file(::open(Path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
  if (!file.IsOpen()) {
    const int error = errno;
    // A socket cannot be opened at all; say what it is rather than "No such device or address".
    struct stat st {};
    if (Why)
      *Why = ::stat(Path.c_str(), &st) == 0 && !S_ISREG(st.st_mode) ? KindSentence(Path, st.st_mode)
                                                                    : std::strerror(error);
    return {};
  }
  struct stat st {};
  if (::fstat(file.Fd(), &st) != 0) {
    if (Why) *Why = std::strerror(errno);
    return {};
  }
  if (!S_ISREG(st.st_mode)) {
    if (Why) *Why = KindSentence(Path, st.st_mode);
    return {};
  }
  const int flags = ::fcntl(file.Fd(), F_GETFL);
  if (flags != -1) ::fcntl(file.Fd(), F_SETFL, flags & ~O_NONBLOCK);
  return file;
}

std::string NotAFileReason(const std::string& Path) {
  struct stat st {};
  if (::stat(Path.c_str(), &st) != 0 || S_ISREG(st.st_mode)) return {};
  return KindSentence(Path, st.st_mode);
}

bool ReadRegularFile(const std::string& Path, std::string& Out, std::size_t MaxBytes, std::string* Why) {
  TReadOnlyFile file = OpenRegularFile(Path, Why);
  if (!file.IsOpen()) return false;
  std::string bytes;
  char buffer[65536];
  for (;;) {
    const ssize_t n = ::read(file.Fd(), buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      if (Why) *Why = std::strerror(errno);
      return false;
    }
    if (n == 0) break;
    if (bytes.size() + std::size_t(n) > MaxBytes) {
      if (Why) *Why = Path + " is too large.";
      return false;
    }
    bytes.append(buffer, std::size_t(n));
  }
  Out = std::move(bytes);
  return true;
}

bool IsGeneratedFile(int Fd) {
  struct statfs fs {};
  if (::fstatfs(Fd, &fs) != 0) return false;
  // The magic numbers of linux/magic.h: proc, sysfs, debugfs, tracefs, securityfs, configfs, cgroup,
  // cgroup2, bpf, pstore, efivarfs.
  static constexpr unsigned long kGenerated[] = {0x9fa0,     0x62656572, 0x64626720, 0x74726163,
                                                 0x73636673, 0x62656570, 0x27e0eb,   0x63677270,
                                                 0xcafe4a11, 0x6165676c, 0xde5e81e4};
  for (const unsigned long magic : kGenerated)
    if (static_cast<unsigned long>(fs.f_type) == magic) return true;
  return false;
}

bool IsRegularFile(const std::string& Path) {
  struct stat st {};
  return ::stat(Path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}
