#include "MemoryBudget.h"

#include <sys/resource.h>
#include <unistd.h>
#include <algorithm>
#include <fstream>
#include <limits>
#include <sstream>
#include <string>

namespace {

constexpr std::uint64_t Unlimited = std::numeric_limits<std::uint64_t>::max();

// "MemAvailable" and "SwapFree" of /proc/meminfo, in bytes.
std::uint64_t SystemFree() {
  std::ifstream in("/proc/meminfo");
  std::string name;
  std::uint64_t kb = 0, available = 0, swap = 0;
  bool found = false;
  while (in >> name >> kb) {
    if (name == "MemAvailable:") {
      available = kb * 1024;
      found = true;
    } else if (name == "SwapFree:") {
      swap = kb * 1024;
    }
    in.ignore(std::numeric_limits<std::streamsize>::max(), '\n');
  }
  return found ? available + swap : Unlimited;
}

std::uint64_t ReadNumber(const std::string& Path) {
  std::ifstream in(Path);
  std::string text;
  if (!(in >> text) || text == "max") return Unlimited;
  try {
    return std::stoull(text);
  } catch (...) {
    return Unlimited;
  }
}

// What the control group (cgroup v2) still allows.
std::uint64_t GroupFree() {
  std::ifstream in("/proc/self/cgroup");
  std::string line;
  while (std::getline(in, line)) {
    if (line.rfind("0::", 0) != 0) continue;
    const std::string dir = "/sys/fs/cgroup" + line.substr(3);
    const std::uint64_t max = ReadNumber(dir + "/memory.max");
    if (max == Unlimited) return Unlimited;
    const std::uint64_t current = ReadNumber(dir + "/memory.current");
    return current == Unlimited || current >= max ? 0 : max - current;
  }
  return Unlimited;
}

// What the address-space and data limits leave, from the sizes in /proc/self/statm (in pages).
std::uint64_t LimitsFree() {
  std::ifstream in("/proc/self/statm");
  std::uint64_t size = 0, resident = 0, shared = 0, text = 0, lib = 0, data = 0;
  if (!(in >> size >> resident >> shared >> text >> lib >> data)) return Unlimited;
  const auto page = std::uint64_t(::sysconf(_SC_PAGESIZE));
  std::uint64_t free = Unlimited;
  const auto leave = [&](int Resource, std::uint64_t Used) {
    rlimit limit{};
    if (::getrlimit(Resource, &limit) != 0 || limit.rlim_cur == RLIM_INFINITY) return;
    free = std::min(free, limit.rlim_cur > Used ? std::uint64_t(limit.rlim_cur) - Used : 0);
  };
  leave(RLIMIT_AS, size * page);
  leave(RLIMIT_DATA, data * page);
  return free;
}

}  // namespace

std::uint64_t AvailableMemory() { return std::min({SystemFree(), GroupFree(), LimitsFree()}); }

bool MemoryAllows(std::uint64_t Bytes, std::uint64_t Free) {
  // A quarter of what is free stays for the rest of the program, the window and the system.
  return Bytes <= Free - Free / 4;
}
