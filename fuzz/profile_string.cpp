// The Internet-shortcut reader on arbitrary text, section and key: a value found is a piece of the text,
// and a section and key written first are always found with their value.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "FuzzCheck.h"
#include "ProfileString.h"

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// A name or value that survives a line of its own unchanged: one line, no blanks around it.
bool StandsOnALine(std::string_view s) {
  return !s.empty() && s.find_first_of("\r\n") == s.npos && !IsBlank(s.front()) && !IsBlank(s.back());
}

}  // namespace

// Input: section length byte, key length byte, section, key, text.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 2) return 0;
  const std::string_view all(reinterpret_cast<const char*>(data), size);
  std::size_t at = 2;
  auto take = [&](std::size_t n) {
    n = std::min(n, all.size() - at);
    const std::string_view s = all.substr(at, n);
    at += n;
    return s;
  };
  const std::string_view section = take(data[0] % 24);
  const std::string_view key = take(data[1] % 24);
  const std::string_view text = all.substr(at);
  const std::string_view none = "\x01none";

  const std::string value = ProfileStringOf(text, section, key, none);
  CHECK(value == none || text.find(value) != text.npos);

  if (StandsOnALine(section) && section.find(']') == section.npos && StandsOnALine(key) &&
      key.find('=') == key.npos && key.front() != '[') {
    const std::string_view v = text.substr(0, std::min<std::size_t>(text.find_first_of("\r\n"), 40));
    if (StandsOnALine(v) &&
        !(v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front())) {
      const std::string first =
          "[" + std::string(section) + "]\r\n" + std::string(key) + " = " + std::string(v) + "\n";
      CHECK(ProfileStringOf(first + std::string(text), section, key, none) == v);
    }
  }
  return 0;
}
