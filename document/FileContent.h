// Whether another program changed what a file holds, told cheaply: a file whose time alone changed (a
// `touch`, a copy that kept the bytes) has not changed. The checksum of the bytes is taken while the file
// is read or written anyway, so the question costs a look at the file's size and time, and a read of the
// file only when its time changed and its size did not.
#pragma once

#include <QString>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string_view>

#include "DocumentFile.h"

// A fast checksum of a stream of bytes, given piece by piece (not for secrets: it only tells contents
// apart).
class TContentChecksum {
 public:
  TContentChecksum();
  ~TContentChecksum();
  TContentChecksum(const TContentChecksum&) = delete;
  TContentChecksum& operator=(const TContentChecksum&) = delete;

  void Add(const void* Bytes, std::size_t Size);
  void Add(std::string_view Bytes) { Add(Bytes.data(), Bytes.size()); }
  std::uint64_t Value() const;

 private:
  struct TImpl;
  std::unique_ptr<TImpl> FImpl;
};

// What a file held when the document last read or wrote it.
struct TContentStamp {
  TFileIdentity Identity;
  std::optional<std::uint64_t> Checksum;  // none: not known, any change of the file's time counts
};

// The stamp of the file as it is now, its bytes read for the checksum; none when it cannot be read.
std::optional<TContentStamp> StampOfFile(const QString& Path);

// Whether Path holds other bytes than it did at Seen: it is gone, its size differs, or its identity
// differs and so does the checksum of what it holds now. Now (when given) receives the file's stamp as it
// is, so that a file found unchanged can be remembered under its new time.
bool ContentChanged(const TContentStamp& Seen, const QString& Path, TContentStamp* Now = nullptr);
