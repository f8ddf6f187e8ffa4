#include "DocumentFileAttributes.h"

#include <sys/xattr.h>
#include <unistd.h>
#include <cerrno>
#include <cstring>
#include <string>
#include <string_view>

namespace {

// The access control list as the file system holds it; copied as it is, which is what setting it
// through libacl comes to.
constexpr std::string_view AccessList = "system.posix_acl_access";

bool Copied(std::string_view Name) { return Name.substr(0, 5) == "user." || Name == AccessList; }

// The value of Name on Fd, grown until it fits; false when it has none or cannot be read.
bool ReadAttribute(int Fd, const char* Name, std::string& Value) {
  for (int tries = 0; tries < 4; ++tries) {
    const ssize_t size = ::fgetxattr(Fd, Name, nullptr, 0);
    if (size < 0) return false;
    Value.resize(std::size_t(size));
    const ssize_t got = ::fgetxattr(Fd, Name, Value.data(), Value.size());
    if (got >= 0) {
      Value.resize(std::size_t(got));
      return true;
    }
    if (errno != ERANGE) return false;  // it grew meanwhile: once more
  }
  return false;
}

}  // namespace

void CopyFileOwnership(const struct stat& Old, int To) {
  // The owner first: a change of owner or group makes the system clear the set-ID bits.
  const uid_t uid = ::geteuid() == 0 ? Old.st_uid : uid_t(-1);
  if (::fchown(To, uid, Old.st_gid) != 0 && uid != uid_t(-1)) {
    // Root on a file system that keeps no owners: the group alone, as for others.
    if (::fchown(To, uid_t(-1), Old.st_gid) != 0) {
    }
  }
  struct stat now {};
  if (::fstat(To, &now) != 0) return;
  mode_t mode = Old.st_mode & 07777;
  if (now.st_uid != Old.st_uid) mode &= ~mode_t(S_ISUID);
  if (now.st_gid != Old.st_gid) mode &= ~mode_t(S_ISGID);
  if (::fchmod(To, mode) != 0) {
  }
}

void CopyExtendedAttributes(int From, int To) {
  std::string names;
  for (int tries = 0; tries < 4; ++tries) {
    const ssize_t size = ::flistxattr(From, nullptr, 0);
    if (size <= 0) return;  // none, or no such attributes on this file system
    names.resize(std::size_t(size));
    const ssize_t got = ::flistxattr(From, names.data(), names.size());
    if (got >= 0) {
      names.resize(std::size_t(got));
      break;
    }
    if (errno != ERANGE) return;
    names.clear();
  }
  std::string value;
  // The names follow each other, each ending with a zero byte.
  for (std::size_t at = 0; at < names.size();) {
    const char* name = names.c_str() + at;
    const std::size_t length = std::strlen(name);
    at += length + 1;
    if (!Copied(std::string_view(name, length)) || !ReadAttribute(From, name, value)) continue;
    // A file system that takes none of them, or a value too large for it: the text matters more.
    if (::fsetxattr(To, name, value.data(), value.size(), 0) != 0) {
    }
  }
}

void RestoreMode(const struct stat& Old, int Fd) {
  struct stat now {};
  if (::fstat(Fd, &now) != 0 || (now.st_mode & 07777) == (Old.st_mode & 07777)) return;
  if (now.st_uid != Old.st_uid || now.st_gid != Old.st_gid) return;
  if (::fchmod(Fd, Old.st_mode & 07777) != 0) {
  }
}
