#include "ImgSize.h"

#include <array>
#include <cstring>
#include <fstream>

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

bool ReadJpegSize(const std::string& fileName, uint32_t& width, uint32_t& height) {
  std::ifstream in(fileName, std::ios::binary);
  if (!in) return false;
  uint8_t soi[2];
  if (!ReadBytes(in, soi, 2) || soi[0] != 0xFF || soi[1] != 0xD8) return true;
  uint8_t lead;
  if (!ReadByte(in, lead)) return true;
  while (lead == 0xFF) {
    uint8_t code;
    if (!ReadByte(in, code)) return true;
    if (code == 0xFF || IsStandaloneMarker(code)) continue;  // fill byte or no segment body
    if (code == 0xD9) return true;                           // end of image, no frame seen
    uint16_t length;
    if (!ReadWordBE(in, length) || length < 2) return true;  // a length below 2 is corrupt
    if (IsFrameMarker(code)) {
      uint8_t precision;
      uint16_t h, w;
      if (ReadByte(in, precision) && ReadWordBE(in, h) && ReadWordBE(in, w)) {
        height = h;
        width = w;
      }
      return true;
    }
    if (!Skip(in, length - 2u) || !ReadByte(in, lead)) return true;
  }
  return true;
}

bool ReadPngSize(const std::string& fileName, uint32_t& width, uint32_t& height) {
  std::ifstream in(fileName, std::ios::binary);
  if (!in) return false;
  // Signature, then the IHDR chunk: length, type, width, height (32-bit big-endian).
  uint8_t head[24] = {};
  if (!ReadBytes(in, head, sizeof head)) return true;
  if (std::memcmp(head, kPngSignature, 8) != 0 || std::memcmp(head + 12, "IHDR", 4) != 0) return true;
  width = ReadLongBE(head + 16);
  height = ReadLongBE(head + 20);
  return true;
}

bool ReadGifSize(const std::string& fileName, uint32_t& width, uint32_t& height) {
  width = 0;
  height = 0;
  if (fileName.empty()) return true;
  std::ifstream in(fileName, std::ios::binary);
  if (!in) return false;
  uint8_t header[13];
  if (!ReadBytes(in, header, 13) || std::memcmp(header, "GIF", 3) != 0) return true;
  const uint8_t flags = header[10];
  if ((flags & 0x80) && !Skip(in, 3u << ((flags & 7) + 1))) return true;
  // Walk the blocks up to the first image descriptor.
  for (;;) {
    uint8_t introducer;
    if (!ReadByte(in, introducer)) return true;
    if (introducer == 0x2C) {
      uint8_t desc[9];
      if (!ReadBytes(in, desc, 9)) return true;
      width = uint32_t(desc[4] | desc[5] << 8);
      height = uint32_t(desc[6] | desc[7] << 8);
      return true;
    }
    if (introducer != 0x21) return true;  // trailer or garbage: no image
    uint8_t label;
    if (!ReadByte(in, label)) return true;
    // Data sub-blocks up to the zero-length terminator.
    for (;;) {
      uint8_t size;
      if (!ReadByte(in, size)) return true;
      if (size == 0) break;
      if (!Skip(in, size)) return true;
    }
  }
}

TImageKind ImageKindOf(const std::string& fileName) {
  std::ifstream in(fileName, std::ios::binary);
  std::array<uint8_t, 8> sig{};
  in.read(reinterpret_cast<char*>(sig.data()), std::streamsize(sig.size()));
  const size_t n = size_t(in.gcount());
  if (n >= 2 && sig[0] == 0xFF && sig[1] == 0xD8) return ikJpeg;
  if (n >= 8 && std::memcmp(sig.data(), kPngSignature, 8) == 0) return ikPng;
  if (n >= 3 && std::memcmp(sig.data(), "GIF", 3) == 0) return ikGif;
  return ikUnknown;
}

bool ReadImageSize(const std::string& fileName, uint32_t& width, uint32_t& height) {
  width = 0;
  height = 0;
  if (!std::ifstream(fileName, std::ios::binary)) return false;
  switch (ImageKindOf(fileName)) {
    case ikJpeg: return ReadJpegSize(fileName, width, height);
    case ikPng: return ReadPngSize(fileName, width, height);
    case ikGif: return ReadGifSize(fileName, width, height);
    case ikUnknown: break;
  }
  return true;
}
