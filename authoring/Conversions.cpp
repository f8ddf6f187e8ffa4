#include "Conversions.h"

#include <QString>

#include <algorithm>

#include "xeUtf8.h"

namespace {

// Length of the valid UTF-8 sequence at p (1..4), or 0 when the bytes there are not one.
size_t Utf8SeqLength(std::string_view s, size_t p, char32_t* cp = nullptr) {
  char32_t c = 0;
  const int len = Utf8Decode(s, p, &c);
  if (len == 1 && c >= 0x80) return 0;
  if (cp) *cp = c;
  return static_cast<size_t>(len);
}

// ASCII bytes map directly; each run of valid multi-byte characters goes through Qt; bytes that
// are not UTF-8 are copied as they are, so nothing is lost or replaced by U+FFFD.
template <typename Map>
std::string MapValidRuns(std::string_view text, Map map) {
  std::string out;
  out.reserve(text.size());
  size_t p = 0;
  while (p < text.size()) {
    const auto b = static_cast<unsigned char>(text[p]);
    if (b < 0x80) {
      out += map(text[p++]);
      continue;
    }
    size_t runEnd = p;
    size_t n;
    while (runEnd < text.size() && static_cast<unsigned char>(text[runEnd]) >= 0x80 &&
           (n = Utf8SeqLength(text, runEnd)) != 0)
      runEnd += n;
    if (runEnd == p) {
      out += text[p++];
      continue;
    }
    const std::string_view run = text.substr(p, runEnd - p);
    const QByteArray mapped = map(QString::fromUtf8(run.data(), qsizetype(run.size()))).toUtf8();
    out.append(mapped.constData(), size_t(mapped.size()));
    p = runEnd;
  }
  return out;
}

struct TUpper {
  char operator()(char c) const { return (c >= 'a' && c <= 'z') ? char(c - 32) : c; }
  QString operator()(const QString& s) const { return s.toUpper(); }
};
struct TLower {
  char operator()(char c) const { return (c >= 'A' && c <= 'Z') ? char(c + 32) : c; }
  QString operator()(const QString& s) const { return s.toLower(); }
};

}  // namespace

std::string RemoveExtraBlanks(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == ' ' && i + 1 < text.size() && text[i + 1] == ' ') continue;
    out += text[i];
  }
  return out;
}

std::string RemoveTags(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  size_t p = 0;
  while (p < text.size()) {
    const size_t lt = text.find('<', p);
    if (lt == std::string_view::npos) {
      out.append(text.substr(p));
      break;
    }
    out.append(text.substr(p, lt - p));
    const size_t gt = text.find('>', lt + 1);
    if (gt == std::string_view::npos) break;
    p = gt + 1;
  }
  return out;
}

std::string ToUpperText(std::string_view text) { return MapValidRuns(text, TUpper{}); }

std::string ToLowerText(std::string_view text) { return MapValidRuns(text, TLower{}); }

std::string Capitalise(std::string_view text) {
  // One pass over characters: a valid UTF-8 sequence is one character, a stray byte is one
  // on its own (its code is its byte value, never a trigger and never changed).
  std::string out;
  out.reserve(text.size());
  const size_t size = text.size();
  auto codeAt = [&](size_t p, size_t& len) {
    char32_t c = 0;
    len = Utf8SeqLength(text, p, &c);
    if (len == 0) {
      len = 1;
      return char32_t(static_cast<unsigned char>(text[p]));
    }
    return c;
  };
  size_t p = 0;
  size_t len = 0;
  // The last character is never a trigger.
  while (p < size) {
    char32_t c = codeAt(p, len);
    if (p + len >= size) break;
    const bool trigger = c == ' ' || c == '>' || c == '\t' || c == '\r';
    out.append(text.substr(p, len));
    p += len;
    if (!trigger) continue;
    c = codeAt(p, len);
    while (p + len < size && (c < '0' || c == '>')) {
      out.append(text.substr(p, len));
      p += len;
      c = codeAt(p, len);
    }
    if (Utf8SeqLength(text, p) != 0)
      AppendUtf8(out, char32_t(QChar::toUpper(c)));
    else
      out.append(text.substr(p, len));
    p += len;
  }
  out.append(text.substr(std::min(p, size)));
  return out;
}

std::string StrictCapitalise(std::string_view text) { return Capitalise(ToLowerText(text)); }
