#include "DocumentKeptBytes.h"

#include <cstring>

namespace {

// A byte held as U+DC00 + Byte: its second byte is B0..B3, its third 80..BF.
bool HeldAsSurrogate(std::string_view T, std::size_t I) {
  const auto b = static_cast<unsigned char>(T[I]);
  if (b == '\r') return true;
  if (b != 0xED || I + 1 >= T.size()) return false;
  const auto next = static_cast<unsigned char>(T[I + 1]);
  return next >= 0xB0 && next <= 0xB3;
}

void PutSurrogate(char* To, unsigned char Byte) {
  To[0] = char(0xED);
  To[1] = char(0xB0 | (Byte >> 6));
  To[2] = char(0x80 | (Byte & 0x3F));
}

}  // namespace

std::size_t KeptBytesSize(std::string_view File) {
  std::size_t size = File.size();
  for (std::size_t i = 0; i < File.size(); ++i)
    if (HeldAsSurrogate(File, i)) size += 2;
  return size;
}

void KeepBytesInPlace(std::string& Text, std::size_t Size) {
  std::size_t from = Text.size();
  if (Size == from) return;
  Text.resize(Size);
  // From the end, so that every byte moves once and before it is overwritten. Whether an ED is held
  // depends on the byte after it, which is still in place when the ED is reached.
  std::size_t to = Size;
  const std::string_view original(Text.data(), from);
  while (from > 0) {
    --from;
    if (HeldAsSurrogate(original, from)) {
      to -= 3;
      PutSurrogate(Text.data() + to, static_cast<unsigned char>(Text[from]));
    } else {
      Text[--to] = Text[from];
    }
  }
}

void AppendKeptBytes(std::string& Out, std::string_view Line) {
  std::size_t i = 0;
  while (i < Line.size()) {
    const void* found = std::memchr(Line.data() + i, 0xED, Line.size() - i);
    const std::size_t at = found ? std::size_t(static_cast<const char*>(found) - Line.data()) : Line.size();
    Out.append(Line.substr(i, at - i));
    if (at == Line.size()) break;
    const auto second = at + 1 < Line.size() ? static_cast<unsigned char>(Line[at + 1]) : 0;
    const auto third = at + 2 < Line.size() ? static_cast<unsigned char>(Line[at + 2]) : 0;
    if (second >= 0xB0 && second <= 0xB3 && third >= 0x80 && third <= 0xBF) {
      Out.push_back(char(((second & 0x03) << 6) | (third & 0x3F)));
      i = at + 3;
    } else {
      Out.push_back(Line[at]);
      i = at + 1;
    }
  }
}
