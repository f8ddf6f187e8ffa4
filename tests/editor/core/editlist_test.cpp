#include <gtest/gtest.h>

#include <cstdlib>
#include <random>
#include <sstream>

#include "core_test_support.h"
#include "xeEditList.h"
#include "xeMemoryTuning.h"

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace {

struct TSplitCase {
  std::string Text;
  std::vector<std::string> Lines;
};

TEST(EditList, TextSplitsAtEveryKindOfBreak) {
  const std::vector<TSplitCase> cases = {
      {"a\rb\nc\r\nd", {"a", "b", "c", "d"}},
      {"a\r\n", {"a"}},
      {"", {""}},
      {"\r\n\r\n", {"", ""}},
      {"a\n\nb", {"a", "", "b"}},
      {"a\n\r", {"a", ""}},
      {"\n", {""}},
      // A NUL byte is text like any other: nothing after it is lost.
      {std::string("a\0b\nc", 5), {std::string("a\0b", 3), "c"}},
  };
  for (const auto& c : cases) {
    TxeEditList list;
    list.SetText(c.Text);
    EXPECT_EQ(LinesOf(list), c.Lines) << "text: " << c.Text;
  }
}

TEST(EditList, TextGetterEndsEveryLineWithCrLf) {
  TxeEditList list;
  list.SetText("");
  EXPECT_EQ(list.Text(), "\r\n");
  list.SetText("a\nb");
  EXPECT_EQ(list.Text(), "a\r\nb\r\n");
  list.SetText(std::string("x\0y", 3));
  EXPECT_EQ(list.Text(), std::string("x\0y\r\n", 5));
}

TEST(EditList, NeverEmptyOutsideALoad) {
  TxeEditList list;
  list.Add("a");
  std::vector<int> deleted;
  list.OnLineDeleted = [&](int i, int) { deleted.push_back(i); };
  list.Delete(0);
  EXPECT_EQ(LinesOf(list), std::vector<std::string>{""});
  EXPECT_EQ(deleted, std::vector<int>{0});

  list.Clear();
  EXPECT_EQ(list.Count(), 1);

  list.IncLoadDepth();
  list.Clear();
  EXPECT_EQ(list.Count(), 0);
  list.DecLoadDepth();
  EXPECT_EQ(LinesOf(list), std::vector<std::string>{""});

  list.SetText("a\nb\nc");
  list.DeleteLines(0, 3);
  EXPECT_EQ(LinesOf(list), std::vector<std::string>{""});
}

TEST(EditList, HooksFireForEachOperation) {
  TxeEditList list;
  std::vector<std::string> log;
  list.OnLineAdded = [&](TxeEditList*) { log.push_back("added"); };
  list.OnListCleared = [&](TxeEditList*) { log.push_back("cleared"); };
  list.OnLineDeleted = [&](int i, int n) {
    log.push_back("deleted " + std::to_string(i) + "+" + std::to_string(n));
  };
  list.OnLineInserted = [&](int i, int n) {
    log.push_back("inserted " + std::to_string(i) + "+" + std::to_string(n));
  };
  list.OnTextAssigned = [&](TxeEditList*) { log.push_back("assigned"); };
  list.OnLinePut = [&](int i) { log.push_back("put " + std::to_string(i)); };
  list.OnChanged = [&](TxeEditList*) { log.push_back("changed"); };

  list.Add("a");
  list.Insert(0, "b");
  list.Put(1, "c");
  list.Delete(0);
  EXPECT_EQ(log, (std::vector<std::string>{"added", "changed", "inserted 0+1", "changed", "put 1", "changed",
                                           "deleted 0+1", "changed"}));
  log.clear();
  list.InsertLines(1, "p\nq\nr");
  list.DeleteLines(0, 2);
  EXPECT_EQ(log, (std::vector<std::string>{"inserted 1+3", "changed", "deleted 0+2", "changed"}));
  log.clear();
  list.SetText("x\ny");
  EXPECT_EQ(log, (std::vector<std::string>{"cleared", "added", "added", "assigned", "changed"}));

  // With a rescan hook the load does one pass instead of per-line adds.
  log.clear();
  list.OnRangesRescan = [&](TxeEditList*) { log.push_back("rescan"); };
  std::istringstream in("1\n2\n3\n");
  list.LoadFromStream(in);
  EXPECT_EQ(log, (std::vector<std::string>{"cleared", "assigned", "rescan", "changed"}));
  EXPECT_EQ(LinesOf(list), (std::vector<std::string>{"1", "2", "3"}));
  EXPECT_TRUE(list.OnLineAdded);
  EXPECT_EQ(list.LoadDepth(), 0);
}

TEST(EditList, BadIndexThrows) {
  TxeEditList list;
  EXPECT_THROW(list.Get(1), std::out_of_range);
  EXPECT_THROW(list.Put(-1, "x"), std::out_of_range);
  EXPECT_THROW(list.Insert(2, "x"), std::out_of_range);
}

TEST(EditList, InsertLinesKeepsEverySegment) {
  TxeEditList list;
  list.SetText("top\nbottom");
  list.InsertLines(1, "a\r\nb\rc\n");
  EXPECT_EQ(LinesOf(list), (std::vector<std::string>{"top", "a", "b", "c", "", "bottom"}));
  // Many lines share one chunk.
  std::string many;
  for (int i = 0; i < 100; ++i) many += std::to_string(i) + "\n";
  list.InsertLines(0, many);
  EXPECT_EQ(list.Count(), 6 + 101);
  EXPECT_EQ(list.Get(99), "99");
  EXPECT_EQ(list.Get(100), "");
  EXPECT_EQ(list.Get(101), "top");
}

// The gap buffers of line records and ranges against plain vectors, with edits jumping around the document;
// more than 255 range values, and lines too long for a record's length field, included.
TEST(EditList, RandomEditsMatchAPlainVector) {
  std::mt19937 rng(7);
  TxeEditList list;
  std::string text;
  for (int i = 0; i < 500; ++i) text += "line" + std::to_string(i) + "\n";
  list.SetText(text);
  std::vector<std::string> ref = LinesOf(list);
  std::vector<std::uint32_t> ranges(ref.size(), TxeEditList::NoRange);
  const auto inserted = [&](int At, int N) { ranges.insert(ranges.begin() + At, N, TxeEditList::NoRange); };
  for (int step = 0; step < 5000; ++step) {
    const int n = static_cast<int>(ref.size());
    const int at = std::uniform_int_distribution<int>(0, n - 1)(rng);
    const std::string s = "s" + std::to_string(step);
    switch (rng() % 7) {
      case 0:
        list.Insert(at, s);
        ref.insert(ref.begin() + at, s);
        inserted(at, 1);
        break;
      case 1:
        list.Put(at, s);
        ref[static_cast<std::size_t>(at)] = s;
        break;
      case 2:
        list.Delete(at);
        if (n > 1) {
          ref.erase(ref.begin() + at);
          ranges.erase(ranges.begin() + at);
        } else {
          ref[0].clear();
        }
        break;
      case 3: {
        const int k = std::min(n - at, 1 + static_cast<int>(rng() % 30));
        list.DeleteLines(at, k);
        if (k == n) {
          ref.assign(1, "");
          ranges.resize(1);
        } else {
          ref.erase(ref.begin() + at, ref.begin() + at + k);
          ranges.erase(ranges.begin() + at, ranges.begin() + at + k);
        }
        break;
      }
      case 4:
        list.InsertLines(at, s + "\n" + s + "b");
        ref.insert(ref.begin() + at, {s, s + "b"});
        inserted(at, 2);
        break;
      case 5: {
        // Enough lines to share a chunk; now and then one longer than 64 KiB.
        std::vector<std::string> lines;
        for (int k = 0; k < 20; ++k) lines.push_back(s + "c" + std::to_string(k));
        if (step % 40 == 0) lines[3].append(70000 + step, 'w');
        std::string block;
        for (int k = 0; k < 20; ++k) block += lines[static_cast<std::size_t>(k)] + (k < 19 ? "\n" : "");
        list.InsertLines(at, block);
        ref.insert(ref.begin() + at, lines.begin(), lines.end());
        inserted(at, 20);
        break;
      }
      case 6: {
        std::string& r = ref[static_cast<std::size_t>(at)];
        const std::size_t pos = r.size() / 2;
        list.Replace(at, pos, 1, s);
        r.replace(pos, 1, s);
        break;
      }
    }
    const int put = at < list.Count() ? at : 0;
    list.PutObject(put, static_cast<std::uint32_t>(step % 300));
    ranges[static_cast<std::size_t>(put)] = static_cast<std::uint32_t>(step % 300);
  }
  EXPECT_EQ(LinesOf(list), ref);
  std::vector<std::uint32_t> stored;
  for (int i = 0; i < list.Count(); ++i) stored.push_back(list.StoredObject(i));
  EXPECT_EQ(stored, ranges);
  // Text that no line refers to any more is freed, chunks included.
  list.DeleteLines(0, list.Count());
  EXPECT_EQ(list.StorageBytes(), 0u);
}

// Freed text goes back to the system too: after a large block is freed, blocks from 128 KiB up still come
// straight from it (glibc would otherwise keep them in its heap from then on).
TEST(EditList, LargeBlocksStayReturnable) {
#if defined(__GLIBC__) && !defined(__SANITIZE_ADDRESS__)
  KeepLargeBlocksReturnable();
  void* large = std::malloc(std::size_t(8) << 20);
  static_cast<volatile char*>(large)[0] = 1;
  std::free(large);
  const auto mapped = mallinfo2().hblks;
  void* block = std::malloc(std::size_t(256) << 10);
  static_cast<volatile char*>(block)[0] = 1;
  EXPECT_EQ(mallinfo2().hblks, mapped + 1);
  std::free(block);
#else
  GTEST_SKIP() << "another allocator";
#endif
}

TEST(EditList, AssignCopiesLinesAndRanges) {
  TxeEditList a, b;
  a.SetText("1\n2");
  a.PutObject(1, 42);
  int rescans = 0;
  b.OnRangesRescan = [&](TxeEditList*) { ++rescans; };
  b.Assign(a);
  EXPECT_EQ(LinesOf(b), LinesOf(a));
  EXPECT_EQ(b.Objects(1), 42u);
  EXPECT_EQ(rescans, 1);
  EXPECT_EQ(b.LoadDepth(), 0);
}

}  // namespace
