// The span of lines each update of the line list reports, and the UTF-16 unit counts kept from
// those reports, against the whole text after random edits.
#include <gtest/gtest.h>

#include <random>

#include "commands_script.h"
#include "xeTextUnits.h"

namespace {

// Checks every reported span against a copy of the lines taken when the update began, and keeps
// the units from the reports only.
class TSpanView : public TTestView {
 public:
  explicit TSpanView(TxeEditModel& Model) : FModel(Model) {}
  void LinesChanging() override { FBefore = LinesOf(FModel.Lines()); }
  void LinesReplaced(int First, int OldCount, int NewCount) override {
    const std::vector<std::string> after = LinesOf(FModel.Lines());
    ASSERT_EQ(int(FBefore.size()) - OldCount, int(after.size()) - NewCount);
    for (int i = 0; i < First; ++i) ASSERT_EQ(FBefore[i], after[i]) << "line " << i << " before the span";
    const int tail = int(after.size()) - First - NewCount;
    for (int i = 1; i <= tail; ++i)
      ASSERT_EQ(FBefore[FBefore.size() - i], after[after.size() - i]) << i << " from the end, after the span";
    std::int64_t oldUnits = 0;
    for (int i = First; i < First + OldCount; ++i) oldUnits += Utf16Length(FBefore[i]) + 1;
    ASSERT_EQ(Units.Replace(First, OldCount, NewCount, FModel.Lines()), oldUnits)
        << "report " << Reports << ": " << First << " " << OldCount << " " << NewCount << " of "
        << FBefore.size();
    ++Reports;
  }
  TxeTextUnits Units;
  int Reports = 0;

 private:
  TxeEditModel& FModel;
  std::vector<std::string> FBefore;
};

void CheckUnits(const TxeTextUnits& Units, const TxeEditModel& M, const std::string& Where) {
  ASSERT_EQ(Units.LineCount(), M.LineCount()) << Where;
  std::int64_t start = 0;
  for (int i = 0; i < M.LineCount(); ++i) {
    ASSERT_EQ(Units.LineStart(i), start) << Where << " line " << i;
    const std::int64_t n = Utf16Length(M.LineText(i + 1));
    ASSERT_EQ(Units.LineUnits(i), n) << Where << " line " << i;
    ASSERT_EQ(Units.LineAt(start + n), i) << Where << " the break of line " << i;
    start += n + 1;
  }
  ASSERT_EQ(Units.Length(), start - 1) << Where;
}

TEST(TextUnits, CountsLikeUtf16) {
  const std::pair<const char*, int> cases[] = {
      {"", 0},
      {"abcdefghijk", 11},
      {"\xC3\xA9", 1},
      {"\xE2\x82\xAC", 1},
      {"\xF0\x9F\x98\x80", 2},
      {"\xFF", 1},
      {"\xC3", 1},
      {"a\xF0\x9F\x98\x80"
       "bcdefgh\xC3\xA9",
       11},
  };
  for (const auto& [text, units] : cases) {
    EXPECT_EQ(Utf16Length(text), units) << text;
    std::u16string out;
    AppendUtf16(out, text);
    EXPECT_EQ(int(out.size()), units) << text;
    EXPECT_EQ(ByteOfUnit(text, units), std::string_view(text).size()) << text;
  }
  EXPECT_EQ(std::u16string(u"\uFFFDx"), [] {
    std::u16string out;
    AppendUtf16(out, "\xFFx");
    return out;
  }());
  EXPECT_EQ(ByteOfUnit("a\xF0\x9F\x98\x80"
                       "b",
                       2),
            1u)
      << "inside a pair: the pair's start";
  EXPECT_EQ(ByteOfUnit("a\xF0\x9F\x98\x80"
                       "b",
                       3),
            5u);
}

TEST(TextUnits, SpansAndUnitsFollowRandomEdits) {
  const char* const pieces[] = {"a", " ", "{", "}", "foo", "\xC3\xA9", "\xF0\x9F\x98\x80", "x\ny", "\n\n"};
  const TxeEditorCommand commands[] = {
      ecLineBreak,    ecInsertLine, ecDeleteChar,  ecDeleteLastChar, ecDeleteLine, ecDeleteWord, ecSelDown,
      ecSelRight,     ecCut,        ecPaste,       ecUndo,           ecRedo,       ecUp,         ecDown,
      ecEditorBottom, ecEditorTop,  ecBlockIndent, ecBlockUnindent,  ecSelectAll,  ecLineEnd};
  for (unsigned seed = 1; seed <= 40; ++seed) {
    std::mt19937 rng(seed);
    TxeEditModel m;
    TSpanView view(m);
    m.SetView(&view);
    TxeMemoryClipboard clip;
    m.SetClipboard(&clip);
    m.SetMaxUndo(1000);
    std::string start;
    // Enough lines for several blocks of counts.
    for (int i = 0, n = int(rng() % 3000); i < n; ++i) start += std::string(pieces[rng() % 7]) + "\r\n";
    view.Units.Reset(m.Lines());
    m.SetText(start);
    for (int step = 0; step < 400; ++step) {
      const unsigned pick = rng() % 10;
      if (pick < 4) {
        const std::string piece = pieces[rng() % std::size(pieces)];
        m.ReplaceSelectionWithUndo(piece);
      } else if (pick < 5) {
        const TPoint to{int(rng() % 8) + 1, int(rng() % std::max(1, m.LineCount())) + 1};
        m.CommandProcessor(ecGotoXY, 0, &to);
      } else {
        m.CommandProcessor(commands[rng() % std::size(commands)]);
      }
      if (HasFatalFailure()) return;
      if (step % 50 == 0 || step == 399) {
        CheckUnits(view.Units, m, "seed " + std::to_string(seed) + " step " + std::to_string(step));
        if (HasFatalFailure()) return;
      }
    }
    EXPECT_GT(view.Reports, 0);
    m.SetView(nullptr);
  }
}

}  // namespace
