// Full-rescan speed of the highlighters: every line of a document scanned from the range the previous
// line left, the range stored per line, as the editor does after loading a file. Beside each figure the
// speed of a plain byte loop over the same lines. Data: bench/corpus/ (make-corpus.sh), or QUILLAN_CORPUS.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "jxHTMLSyn.h"
#include "xeCSSSyn.h"
#include "xeJScriptSyn.h"

namespace fs = std::filesystem;

namespace {

// Documents as zero-terminated lines in one buffer; line breaks become zero bytes.
struct TCorpus {
  std::vector<char> Bytes;
  std::vector<std::uint32_t> LineStart;
  std::vector<std::size_t> DocFirstLine;  // plus one end entry
  std::size_t FileBytes = 0;

  void AddFile(const fs::path& P) {
    std::ifstream In(P, std::ios::binary);
    std::string Text((std::istreambuf_iterator<char>(In)), std::istreambuf_iterator<char>());
    FileBytes += Text.size();
    if (DocFirstLine.empty()) DocFirstLine.push_back(0);
    std::size_t I = 0;
    while (I <= Text.size()) {
      std::size_t J = Text.find('\n', I);
      if (J == std::string::npos) J = Text.size();
      std::size_t E = J > I && Text[J - 1] == '\r' ? J - 1 : J;
      LineStart.push_back(static_cast<std::uint32_t>(Bytes.size()));
      Bytes.insert(Bytes.end(), Text.begin() + static_cast<std::ptrdiff_t>(I),
                   Text.begin() + static_cast<std::ptrdiff_t>(E));
      Bytes.push_back(0);
      I = J + 1;
    }
    DocFirstLine.push_back(LineStart.size());
  }
};

struct TDataSet {
  std::string Name;
  std::string Lang;
  std::vector<fs::path> Files;
};

// One corpus in memory at a time: the 100 MiB sets are large.
const TCorpus& Load(const TDataSet& D) {
  static std::string Loaded;
  static std::unique_ptr<TCorpus> Corpus;
  if (Loaded != D.Name) {
    Corpus.reset();
    Corpus = std::make_unique<TCorpus>();
    for (const auto& F : D.Files) Corpus->AddFile(F);
    Loaded = D.Name;
  }
  return *Corpus;
}

std::unique_ptr<TxeCustomHighLighter> Make(const std::string& Lang) {
  if (Lang == "html") return std::make_unique<TjxHTMLSyn>();
  if (Lang == "js") return std::make_unique<TxeJScriptSyn>();
  return std::make_unique<TxeCSSSyn>();
}

void Scan(benchmark::State& State, const TDataSet& D) {
  const TCorpus& C = Load(D);
  auto H = Make(D.Lang);
  std::vector<std::uint32_t> Ranges(C.LineStart.size() + 1);
  for (auto _ : State) {
    for (std::size_t Doc = 0; Doc + 1 < C.DocFirstLine.size(); ++Doc) {
      H->ClearRange();
      std::uint32_t Range = H->CurrentRange();
      for (std::size_t L = C.DocFirstLine[Doc]; L < C.DocFirstLine[Doc + 1]; ++L) {
        Ranges[L] = Range;
        H->RestoreRange(Range);
        H->BeginLine(C.Bytes.data() + C.LineStart[L], static_cast<int>(L));
        H->ScanToLineEnd();
        Range = H->CurrentRange();
      }
    }
    benchmark::DoNotOptimize(Ranges.data());
    benchmark::ClobberMemory();
  }
  State.SetBytesProcessed(static_cast<std::int64_t>(State.iterations()) *
                          static_cast<std::int64_t>(C.FileBytes));
  State.counters["MiB"] = static_cast<double>(C.FileBytes) / (1 << 20);
}

// What the painter does: every token of every line through the virtual interface.
void Tokens(benchmark::State& State, const TDataSet& D) {
  const TCorpus& C = Load(D);
  auto H = Make(D.Lang);
  std::size_t Count = 0;
  for (auto _ : State) {
    Count = 0;
    for (std::size_t Doc = 0; Doc + 1 < C.DocFirstLine.size(); ++Doc) {
      H->ClearRange();
      for (std::size_t L = C.DocFirstLine[Doc]; L < C.DocFirstLine[Doc + 1]; ++L) {
        H->BeginLine(C.Bytes.data() + C.LineStart[L], static_cast<int>(L));
        while (!H->AtLineEnd()) {
          benchmark::DoNotOptimize(H->CurrentKind() + H->CurrentLength());
          ++Count;
          H->Advance();
        }
      }
    }
  }
  State.SetBytesProcessed(static_cast<std::int64_t>(State.iterations()) *
                          static_cast<std::int64_t>(C.FileBytes));
  State.counters["MiB"] = static_cast<double>(C.FileBytes) / (1 << 20);
  State.counters["bytes/token"] =
      static_cast<double>(C.FileBytes) / static_cast<double>(std::max<std::size_t>(Count, 1));
}

void ByteLoop(benchmark::State& State, const TDataSet& D) {
  const TCorpus& C = Load(D);
  for (auto _ : State) {
    unsigned Sum = 0;
    for (std::uint32_t Start : C.LineStart)
      for (const unsigned char* P = reinterpret_cast<const unsigned char*>(C.Bytes.data()) + Start; *P; ++P)
        Sum = Sum * 31 + *P;
    benchmark::DoNotOptimize(Sum);
  }
  State.SetBytesProcessed(static_cast<std::int64_t>(State.iterations()) *
                          static_cast<std::int64_t>(C.FileBytes));
  State.counters["MiB"] = static_cast<double>(C.FileBytes) / (1 << 20);
}

std::vector<TDataSet> FindDataSets(const fs::path& Root) {
  std::vector<TDataSet> Sets;
  for (const std::string Lang : {"html", "js", "css"}) {
    TDataSet Real{Lang + "/real", Lang, {}};
    if (fs::is_directory(Root / "real" / Lang))
      for (const auto& E : fs::directory_iterator(Root / "real" / Lang)) Real.Files.push_back(E.path());
    std::sort(Real.Files.begin(), Real.Files.end());
    if (!Real.Files.empty()) Sets.push_back(Real);
    for (const std::string Size : {"10m", "100m"}) {
      const fs::path P = Root / "scaled" / (Lang + "-" + Size + "." + Lang);
      if (fs::exists(P)) Sets.push_back({Lang + "/" + Size, Lang, {P}});
    }
  }
  return Sets;
}

}  // namespace

int main(int argc, char** argv) {
  // The corpus sits beside this source; the program lives in <build>/bench/ under the checkout.
  const char* Env = std::getenv("QUILLAN_CORPUS");
  std::error_code Error;
  const fs::path Exe = fs::read_symlink("/proc/self/exe", Error);
  fs::path Root = Env ? fs::path(Env) : fs::path(__FILE__).parent_path() / "corpus";
  if (!Env && !fs::is_directory(Root) && !Error)
    Root = Exe.parent_path().parent_path().parent_path() / "bench" / "corpus";
  const auto Sets = FindDataSets(Root);
  if (Sets.empty()) std::cerr << "no corpus under " << Root << ": run bench/make-corpus.sh\n";
  for (const auto& D : Sets) {
    benchmark::RegisterBenchmark(("bytes/" + D.Name).c_str(), ByteLoop, D)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark(("scan/" + D.Name).c_str(), Scan, D)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark(("tokens/" + D.Name).c_str(), Tokens, D)->Unit(benchmark::kMillisecond);
  }
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
