// quillan-check: checks the page on its standard input with HTML Tidy and answers in frames on its
// standard output (PageCheckWire.h). The editor runs it for every check, so that a page that makes
// Tidy crash, exhaust memory or run for ever ends this process and never the editor.
//   quillan-check [--memory=BYTES] [--cpu-seconds=N] [--stack=BYTES]
// --memory: what Tidy may hold; --cpu-seconds: processor time before the system ends the check;
// --stack: the checking thread's stack. Without them they follow the page's size (PageCheckLimits.h).
#include <malloc.h>
#include <pthread.h>
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <mutex>
#include <new>
#include <string>
#include <string_view>

#include <tidy/tidy.h>

#include "PageCheck.h"
#include "PageCheckLimits.h"
#include "PageCheckWire.h"

#if defined(__SANITIZE_ADDRESS__)
#define QUILLAN_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define QUILLAN_ASAN 1
#endif
#endif

namespace {

struct TOptions {
  std::size_t Memory = 0;
  unsigned long CpuSeconds = 0;
  std::size_t Stack = 0;
};

[[noreturn]] void OutOfMemory() { _exit(PageCheckExitOutOfMemory); }

// Tidy's default allocator (a few allocations outside the page's document) ends the program with
// code 2 when it gets no memory; it comes here first.
void TIDY_CALL DefaultAllocatorPanic(ctmbstr) { OutOfMemory(); }

// Descriptors the editor had open (files, sockets) are none of this program's business.
void CloseInheritedFiles() {
  if (close_range(3, ~0U, 0) == 0) return;
  rlimit files{};
  const rlim_t last = getrlimit(RLIMIT_NOFILE, &files) == 0 && files.rlim_cur != RLIM_INFINITY
                          ? std::min<rlim_t>(files.rlim_cur, 1 << 20)
                          : 1 << 16;
  for (int fd = 3; rlim_t(fd) < last; ++fd) close(fd);
}

bool ParseSize(const char* Arg, const char* Name, std::size_t& Value) {
  const std::size_t length = std::strlen(Name);
  if (std::strncmp(Arg, Name, length) != 0) return false;
  char* end = nullptr;
  errno = 0;
  const unsigned long long value = std::strtoull(Arg + length, &end, 10);
  if (errno || end == Arg + length || *end || Arg[length] == '-') return false;
  Value = std::size_t(value);
  return true;
}

bool ParseOptions(int Argc, char** Argv, TOptions& Options) {
  for (int i = 1; i < Argc; ++i) {
    std::size_t seconds = 0;
    if (ParseSize(Argv[i], "--memory=", Options.Memory) || ParseSize(Argv[i], "--stack=", Options.Stack))
      continue;
    if (!ParseSize(Argv[i], "--cpu-seconds=", seconds)) return false;
    Options.CpuSeconds = seconds;
  }
  return true;
}

void SetLimit(int Resource, rlim_t Soft, rlim_t Hard) {
  rlimit limit{};
  if (getrlimit(Resource, &limit) != 0) return;
  if (limit.rlim_max != RLIM_INFINITY) {
    Hard = std::min(Hard, limit.rlim_max);
    Soft = std::min(Soft, Hard);
  }
  limit.rlim_cur = Soft;
  limit.rlim_max = Hard;
  setrlimit(Resource, &limit);
}

// The address space may grow by Extra beyond what is in use now. AddressSanitizer reserves far more
// than any such limit allows, so its builds go without.
void LimitAddressSpace(std::size_t Extra) {
#ifdef QUILLAN_ASAN
  (void)Extra;
#else
  std::ifstream statm("/proc/self/statm");
  std::size_t pages = 0;
  statm >> pages;
  const rlim_t inUse = pages * std::size_t(sysconf(_SC_PAGESIZE));
  if (Extra < RLIM_INFINITY - inUse) SetLimit(RLIMIT_AS, inUse + Extra, inUse + Extra);
#endif
}

std::uint64_t PhysicalMemory() {
  return std::uint64_t(sysconf(_SC_PHYS_PAGES)) * std::uint64_t(sysconf(_SC_PAGESIZE));
}

std::string ReadPage() {
  std::string page;
  std::size_t size = 0;
  for (;;) {
    if (page.size() - size < 65536) page.resize(std::max<std::size_t>(page.size() * 2, 1 << 20));
    const ssize_t n = read(STDIN_FILENO, page.data() + size, page.size() - size);
    if (n > 0) {
      size += std::size_t(n);
    } else if (n == 0 || errno != EINTR) {
      break;
    }
  }
  page.resize(size);
  page.shrink_to_fit();
  return page;
}

// Standard output in one piece per call; a reader that has gone away ends the program (SIGPIPE).
void WriteAll(std::string_view Bytes) {
  while (!Bytes.empty()) {
    const ssize_t n = write(STDOUT_FILENO, Bytes.data(), Bytes.size());
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) _exit(1);
    Bytes.remove_prefix(std::size_t(n));
  }
}

struct TCheck {
  std::string Page;
  TPageCheckControl Control;
  TPageCheckResult Result;
  std::mutex Lock;
  std::condition_variable Ended;
  bool Done = false;
};

void* RunCheck(void* Data) {
  auto& check = *static_cast<TCheck*>(Data);
  try {
    check.Result = CheckPage(check.Page, &check.Control);
  } catch (const std::bad_alloc&) {
    OutOfMemory();
  }
  std::lock_guard lock(check.Lock);
  check.Done = true;
  check.Ended.notify_one();
  return nullptr;
}

int Run(const TOptions& Options) {
  TCheck check;
  check.Page = ReadPage();
  const std::size_t size = check.Page.size();
  check.Control.MemoryLimit = Options.Memory ? Options.Memory : PageCheckMemoryLimit(size, PhysicalMemory());
  check.Control.OutOfMemory = OutOfMemory;
  const std::size_t stack = Options.Stack ? Options.Stack : PageCheckStackSize(size);
  // Everything else the check allocates stays within twice Tidy's share.
  const std::size_t memory = std::min(check.Control.MemoryLimit, SIZE_MAX / 8);
  LimitAddressSpace(std::min(stack, SIZE_MAX / 8) + 2 * memory + (64 << 20));

  pthread_attr_t attributes;
  pthread_attr_init(&attributes);
  pthread_t thread;
  if (pthread_attr_setstacksize(&attributes, std::max<std::size_t>(stack, PTHREAD_STACK_MIN)) != 0 ||
      pthread_create(&thread, &attributes, RunCheck, &check) != 0)
    OutOfMemory();
  pthread_attr_destroy(&attributes);

  // Progress a few times a second while Tidy reads.
  std::size_t told = 0;
  for (;;) {
    {
      std::unique_lock lock(check.Lock);
      if (check.Ended.wait_for(lock, std::chrono::milliseconds(100), [&] { return check.Done; })) break;
    }
    const std::size_t read = check.Control.BytesRead.load(std::memory_order_relaxed);
    if (read != told) WriteAll(PageCheckProgressFrame(told = read));
  }
  pthread_join(thread, nullptr);

  const TPageCheckResult& result = check.Result;
  std::string out = PageCheckProgressFrame(size);
  for (const TPageProblem& problem : result.Problems) {
    out += PageCheckProblemFrame(problem);
    if (out.size() >= 65536) {
      WriteAll(out);
      out.clear();
    }
  }
  out += PageCheckSummaryFrame(result.Errors, result.Warnings);
  WriteAll(out);
  return 0;
}

}  // namespace

int main(int Argc, char** Argv) {
  CloseInheritedFiles();
  TOptions options;
  if (!ParseOptions(Argc, Argv, options)) {
    std::fprintf(stderr, "usage: %s [--memory=BYTES] [--cpu-seconds=N] [--stack=BYTES] < page.html\n",
                 Argv[0]);
    return PageCheckExitUsage;
  }
  // No core files of pages that crash Tidy; processor time as a last resort when nobody ends it.
  SetLimit(RLIMIT_CORE, 0, 0);
  if (options.CpuSeconds) SetLimit(RLIMIT_CPU, options.CpuSeconds, options.CpuSeconds + 5);
  // One heap for both threads: another arena would reserve 64 MB of address space at once.
  mallopt(M_ARENA_MAX, 1);
  tidySetPanicCall(DefaultAllocatorPanic);
  try {
    return Run(options);
  } catch (const std::bad_alloc&) {
    OutOfMemory();
  } catch (const std::length_error&) {
    OutOfMemory();
  }
}
