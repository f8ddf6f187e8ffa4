#include "ImgSize.h"

#include <array>
#include <cstring>
#include <ext/stdio_filebuf.h>
#include <istream>

#include "RegularFile.h"

namespace {

bool ReadByte(std::istream& in, uint8_t& b) {
  char c;
  if (!in.get(c)) return false;
  b = static_cast<uint8_t>(c);
  return true;
}

bool ReadBytes(std::istream& in, uint8_t* buf, size_t n) {
  in.read(reinterpret_cast<char*>(buf), std::streamsize(n));
  return size_t(in.gcount()) == n;
}

bool Skip(std::istream& in, size_t n) {
  // Skipping by reading keeps "past the end" detectable on any stream.
  in.ignore(std::streamsize(n));
  return size_t(in.gcount()) == n;
}

uint32_t ReadLongBE(const uint8_t* p) {
  return uint32_t(p[0]) << 24 | uint32_t(p[1]) << 16 | uint32_t(p[2]) << 8 | uint32_t(p[3]);
}

// Start-of-frame markers: C0..CF except DHT (C4), JPG (C8) and DAC (CC).
bool IsFrameMarker(uint8_t code) {
  return code >= 0xC0 && code <= 0xCF && code != 0xC4 && code != 0xC8 && code != 0xCC;
}

// Markers that stand alone, without a length: TEM, RST0..7, SOI.
bool IsStandaloneMarker(uint8_t code) { return code == 0x01 || (code >= 0xD0 && code <= 0xD8); }

constexpr uint8_t kPngSignature[8] = {0x89, 0x50, 0x4E, 0x47, 0x0D, 0x0A, 0x1A, 0x0A};

}  // namespace

bool ReadWordBE(std::istream& in, uint16_t& value) {
  uint8_t b[2];
  if (!ReadBytes(in, b, 2)) return false;
  value = uint16_t(b[0] << 8 | b[1]);
  return true;
}

void ReadJpegSize(std::istream& in, uint32_t& width, uint32_t& height) {
  uint8_t soi[2];
  if (!ReadBytes(in, soi, 2) || soi[0] != 0xFF || soi[1] != 0xD8) return;
  uint8_t lead;
  if (!ReadByte(in, lead)) return;
  while (lead == 0xFF) {
    uint8_t code;
    if (!ReadByte(in, code)) return;
    if (code == 0xFF || IsStandaloneMarker(code)) continue;  // fill byte or no segment body
    if (code == 0xD9) return;                                // end of image, no frame seen
    uint16_t length;
    if (!ReadWordBE(in, length) || length < 2) return;  // a length below 2 is corrupt
    if (IsFrameMarker(code)) {
      uint8_t precision;
      uint16_t h, w;
      if (ReadByte(in, precision) && ReadWordBE(in, h) && ReadWordBE(in, w)) {
        height = h;
        width = w;
      }
      return;
    }
    if (!Skip(in, length - 2u) || !ReadByte(in, lead)) return;
  }
}

void ReadPngSize(std::istream& in, uint32_t& width, uint32_t& height) {
  // Signature, then the IHDR chunk: length, type, width, height (32-bit big-endian).
  uint8_t head[24] = {};
  if (!ReadBytes(in, head, sizeof head)) return;
  if (std::memcmp(head, kPngSignature, 8) != 0 || std::memcmp(head + 12, "IHDR", 4) != 0) return;
  width = ReadLongBE(head + 16);
  height = ReadLongBE(head + 20);
}

void ReadGifSize(std::istream& in, uint32_t& width, uint32_t& height) {
  width = 0;
  height = 0;
  uint8_t header[13];
  if (!ReadBytes(in, header, 13) || std::memcmp(header, "GIF", 3) != 0) return;
  const uint8_t flags = header[10];
  if ((flags & 0x80) && !Skip(in, 3u << ((flags & 7) + 1))) return;
  // Walk the blocks up to the first image descriptor.
  for (;;) {
    uint8_t introducer;
    if (!ReadByte(in, introducer)) return;
    if (introducer == 0x2C) {
      uint8_t desc[9];
      if (!ReadBytes(in, desc, 9)) return;
      width = uint32_t(desc[4] | desc[5] << 8);
      height = uint32_t(desc[6] | desc[7] << 8);
      return;
    }
    if (introducer != 0x21) return;  // trailer or garbage: no image
    uint8_t label;
    if (!ReadByte(in, label)) return;
    // Data sub-blocks up to the zero-length terminator.
    for (;;) {
      uint8_t size;
      if (!ReadByte(in, size)) return;
      if (size == 0) break;
      if (!Skip(in, size)) return;
    }
  }
}

TImageKind ImageKindOf(std::istream& in) {
  std::array<uint8_t, 8> sig{};
  in.read(reinterpret_cast<char*>(sig.data()), std::streamsize(sig.size()));
  const size_t n = size_t(in.gcount());
  if (n >= 2 && sig[0] == 0xFF && sig[1] == 0xD8) return ikJpeg;
  if (n >= 8 && std::memcmp(sig.data(), kPngSignature, 8) == 0) return ikPng;
  if (n >= 3 && std::memcmp(sig.data(), "GIF", 3) == 0) return ikGif;
  return ikUnknown;
}

void ReadImageSize(std::istream& in, uint32_t& width, uint32_t& height) {
  width = 0;
  height = 0;
  const TImageKind kind = ImageKindOf(in);
  in.clear();
  in.seekg(0);
  switch (kind) {
    case ikJpeg: ReadJpegSize(in, width, height); break;
    case ikPng: ReadPngSize(in, width, height); break;
    case ikGif: ReadGifSize(in, width, height); break;
    case ikUnknown: break;
  }
}

namespace {

// Runs Read over the file when it is a regular file.
template <class F>
bool WithRegularFile(const std::string& fileName, std::string* why, F&& Read) {
  TReadOnlyFile file = OpenRegularFile(fileName, why);
  if (!file.IsOpen()) return false;
  __gnu_cxx::stdio_filebuf<char> buffer(file.Release(), std::ios::in | std::ios::binary);
  std::istream in(&buffer);
  Read(in);
  return true;
}

}  // namespace

bool ReadJpegSize(const std::string& fileName, uint32_t& width, uint32_t& height) {
  return WithRegularFile(fileName, nullptr, [&](std::istream& in) { ReadJpegSize(in, width, height); });
}

bool ReadPngSize(const std::string& fileName, uint32_t& width, uint32_t& height) {
  return WithRegularFile(fileName, nullptr, [&](std::istream& in) { ReadPngSize(in, width, height); });
}

bool ReadGifSize(const std::string& fileName, uint32_t& width, uint32_t& height) {
  width = 0;
  height = 0;
  return WithRegularFile(fileName, nullptr, [&](std::istream& in) { ReadGifSize(in, width, height); });
}

bool ReadImageSize(const std::string& fileName, uint32_t& width, uint32_t& height, std::string* why) {
  width = 0;
  height = 0;
  return WithRegularFile(fileName, why, [&](std::istream& in) { ReadImageSize(in, width, height); });
}
