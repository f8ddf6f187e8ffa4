#include "PageCheckLimits.h"

#include <algorithm>

namespace {

constexpr std::size_t kMB = std::size_t(1) << 20;

}  // namespace

int PageCheckSeconds(std::size_t PageBytes) {
  const std::size_t megabytes = std::min<std::size_t>((PageBytes + kMB - 1) / kMB, 100000);
  return 30 + 3 * int(megabytes);
}

std::size_t PageCheckMemoryLimit(std::size_t PageBytes, std::uint64_t Available) {
  const std::size_t wanted = 256 * kMB + std::min(PageBytes, SIZE_MAX / 64) * 32;
  const std::uint64_t allowed = std::max<std::uint64_t>(64 * kMB, Available / 2);
  return std::size_t(std::min<std::uint64_t>(wanted, allowed));
}

std::size_t PageCheckStackSize(std::size_t PageBytes) {
  return std::clamp<std::size_t>(std::min(PageBytes, SIZE_MAX / 64) * 64, 16 * kMB, 1024 * kMB);
}
