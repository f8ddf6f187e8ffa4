// Picture size readers on arbitrary bytes: the reader chosen by the signature gives what that reader gives
// alone, the file reader (a memory file) agrees with the stream reader, and the simple headers give the
// sizes written in them.
#include <sys/mman.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <sstream>
#include <string>

#include "FuzzCheck.h"
#include "ImgSize.h"

namespace {

uint32_t BE32(const uint8_t* p) {
  return uint32_t(p[0]) << 24 | uint32_t(p[1]) << 16 | uint32_t(p[2]) << 8 | p[3];
}

// One memory file for the whole run, rewritten for each input.
const std::string& MemoryFilePath() {
  static const std::string path = [] {
    const int fd = memfd_create("fuzz-picture", 0);
    CHECK(fd >= 0);
    return "/proc/self/fd/" + std::to_string(fd);
  }();
  return path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  uint32_t width = 7, height = 7;
  {
    std::istringstream in(bytes);
    ReadImageSize(in, width, height);
  }
  TImageKind kind;
  {
    std::istringstream in(bytes);
    kind = ImageKindOf(in);
  }
  uint32_t w = 0, h = 0;
  std::istringstream alone(bytes);
  switch (kind) {
    case ikJpeg: ReadJpegSize(alone, w, h); break;
    case ikPng: ReadPngSize(alone, w, h); break;
    case ikGif: ReadGifSize(alone, w, h); break;
    case ikUnknown: break;
  }
  CHECK(w == width && h == height);

  if (kind == ikPng && size >= 24 && std::memcmp(data + 12, "IHDR", 4) == 0)
    CHECK(width == BE32(data + 16) && height == BE32(data + 20));
  // A GIF without a colour table whose first block is the image.
  if (kind == ikGif && size >= 23 && !(data[10] & 0x80) && data[13] == 0x2C)
    CHECK(width == uint32_t(data[18] | data[19] << 8) && height == uint32_t(data[20] | data[21] << 8));
  if (kind == ikUnknown) CHECK(width == 0 && height == 0);

  // The file reader, through the same opener the dialogs use.
  const std::string& path = MemoryFilePath();
  const int fd = std::atoi(path.c_str() + std::strlen("/proc/self/fd/"));
  CHECK(ftruncate(fd, 0) == 0);
  CHECK(pwrite(fd, data, size, 0) == static_cast<ssize_t>(size));
  uint32_t fw = 1, fh = 1;
  std::string why;
  CHECK(ReadImageSize(path, fw, fh, &why));
  CHECK(fw == width && fh == height);
  return 0;
}
