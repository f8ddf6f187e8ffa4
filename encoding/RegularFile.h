// Opening files that come from outside (documents, pictures, shortcuts, the language file) for reading.
// Only regular files are opened, and opening never waits: a named pipe would block the window until
// another program writes to it, and a device such as /dev/zero never ends.
#pragma once

#include <cstddef>
#include <string>

// A descriptor open for reading, closed when it goes.
class TReadOnlyFile {
 public:
  TReadOnlyFile() = default;
  explicit TReadOnlyFile(int Fd) : FFd(Fd) {}
  ~TReadOnlyFile();
  TReadOnlyFile(TReadOnlyFile&& Other) noexcept : FFd(Other.Release()) {}
  TReadOnlyFile& operator=(TReadOnlyFile&& Other) noexcept;

  bool IsOpen() const { return FFd >= 0; }
  int Fd() const { return FFd; }
  int Release();

 private:
  int FFd = -1;
};

// Opens Path (a local 8-bit file name; symbolic links are followed) when it names a regular file. Otherwise
// the result is not open and Why holds a sentence for the user ("... is a named pipe, not a file.").
TReadOnlyFile OpenRegularFile(const std::string& Path, std::string* Why);

// What Path is when it is there but is no regular file ("... is a named pipe, not a file."), judged without
// opening it; empty otherwise.
std::string NotAFileReason(const std::string& Path);

// Reads a whole regular file of at most MaxBytes into Out; false with Why otherwise.
bool ReadRegularFile(const std::string& Path, std::string& Out, std::size_t MaxBytes, std::string* Why);

// True when the open regular file Fd lies on a file system whose files the kernel makes up as they are read
// (proc, sysfs and their kin): their size says nothing (0, or a page) and two reads may differ, so they
// are read once to their end, as cat does.
bool IsGeneratedFile(int Fd);

// True when Path names a regular file (after symbolic links).
bool IsRegularFile(const std::string& Path);
