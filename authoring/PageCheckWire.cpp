#include "PageCheckWire.h"

#include <algorithm>
#include <climits>
#include <cstdint>

namespace {

// Room for the numbers and separators of an entry besides its message.
constexpr std::size_t kMaxPayload = MaxPageCheckMessage + 32;
constexpr std::size_t kMaxLengthDigits = 4;
static_assert(kMaxPayload < 10000);

std::string Frame(char Kind, std::string_view Payload) {
  std::string frame(1, Kind);
  frame += std::to_string(Payload.size());
  frame += ':';
  frame += Payload;
  frame += '\n';
  return frame;
}

// Takes a decimal number of 1 to MaxDigits digits from the front of Text.
bool TakeNumber(std::string_view& Text, std::size_t MaxDigits, std::uint64_t Max, std::uint64_t& Value) {
  std::size_t n = 0;
  Value = 0;
  while (n < Text.size() && Text[n] >= '0' && Text[n] <= '9') {
    if (++n > MaxDigits) return false;
    Value = Value * 10 + std::uint64_t(Text[n - 1] - '0');
  }
  Text.remove_prefix(n);
  return n > 0 && Value <= Max;
}

bool TakeChar(std::string_view& Text, char C) {
  if (Text.empty() || Text.front() != C) return false;
  Text.remove_prefix(1);
  return true;
}

bool TakeInt(std::string_view& Text, int& Value) {
  std::uint64_t value = 0;
  if (!TakeNumber(Text, 10, INT_MAX, value)) return false;
  Value = int(value);
  return true;
}

}  // namespace

std::string PageCheckProgressFrame(std::size_t BytesRead) { return Frame('P', std::to_string(BytesRead)); }

std::string PageCheckProblemFrame(const TPageProblem& Problem) {
  std::string_view message = Problem.Message;
  if (message.size() > MaxPageCheckMessage) {
    std::size_t cut = MaxPageCheckMessage;
    while (cut > 0 && (static_cast<unsigned char>(message[cut]) & 0xC0) == 0x80) --cut;
    message = message.substr(0, cut);
  }
  std::string payload = std::to_string(std::max(Problem.Line, 0)) + ' ' +
                        std::to_string(std::max(Problem.Column, 0)) + (Problem.Error ? " E " : " W ");
  payload += message;
  return Frame('M', payload);
}

std::string PageCheckSummaryFrame(int Errors, int Warnings) {
  return Frame('S', std::to_string(std::max(Errors, 0)) + ' ' + std::to_string(std::max(Warnings, 0)));
}

bool TPageCheckReader::Feed(std::string_view Bytes) {
  if (FBroken) return false;
  FPending.append(Bytes);
  std::string_view rest = FPending;
  while (!rest.empty()) {
    if (FComplete) {  // nothing may follow the summary
      FBroken = true;
      break;
    }
    const char kind = rest.front();
    if (kind != 'P' && kind != 'M' && kind != 'S') {
      FBroken = true;
      break;
    }
    std::string_view header = rest.substr(1);
    std::size_t digits = 0;
    while (digits < header.size() && digits <= kMaxLengthDigits && header[digits] >= '0' &&
           header[digits] <= '9')
      ++digits;
    if (digits == header.size() && digits <= kMaxLengthDigits) break;  // the length is still coming
    std::uint64_t length = 0;
    if (!TakeNumber(header, kMaxLengthDigits, kMaxPayload, length) || !TakeChar(header, ':')) {
      FBroken = true;
      break;
    }
    if (header.size() <= length) break;  // the payload or its line feed is still coming
    if (header[length] != '\n' || !Take(kind, header.substr(0, length))) {
      FBroken = true;
      break;
    }
    rest = header.substr(length + 1);
  }
  if (FBroken) {
    FPending.clear();
    FResult = {};
    return false;
  }
  FPending.erase(0, FPending.size() - rest.size());
  return true;
}

bool TPageCheckReader::Take(char Kind, std::string_view Payload) {
  switch (Kind) {
    case 'P': {
      std::uint64_t read = 0;
      if (!TakeNumber(Payload, 19, SIZE_MAX, read) || !Payload.empty()) return false;
      FBytesRead = std::size_t(read);
      return true;
    }
    case 'M': {
      if (FResult.Problems.size() >= MaxPageProblems) return false;
      TPageProblem problem;
      if (!TakeInt(Payload, problem.Line) || !TakeChar(Payload, ' ') || !TakeInt(Payload, problem.Column) ||
          !TakeChar(Payload, ' ') || Payload.empty() || (Payload[0] != 'E' && Payload[0] != 'W'))
        return false;
      problem.Error = Payload[0] == 'E';
      Payload.remove_prefix(1);
      if (!TakeChar(Payload, ' ') || Payload.size() > MaxPageCheckMessage) return false;
      problem.Message = std::string(Payload);
      FResult.Problems.push_back(std::move(problem));
      return true;
    }
    default: {
      if (!TakeInt(Payload, FResult.Errors) || !TakeChar(Payload, ' ') ||
          !TakeInt(Payload, FResult.Warnings) || !Payload.empty())
        return false;
      // The counts take in every entry listed.
      if (std::int64_t(FResult.Errors) + FResult.Warnings < std::int64_t(FResult.Problems.size()))
        return false;
      FComplete = true;
      return true;
    }
  }
}
