// Attributes, notification chains, attribute lists, registry storage and the class list.
#include <gtest/gtest.h>

#include "jxHTMLSyn.h"
#include "xeCSSSyn.h"
#include "xeJScriptSyn.h"

TEST(Attributes, SettersFireOnlyOnRealChange) {
  TxeHighLightAttributes A("Comment");
  EXPECT_EQ(A.Background(), clNone);
  EXPECT_EQ(A.Foreground(), clNone);
  EXPECT_EQ(A.Style(), 0);
  int Fired = 0;
  TObject* Sender = nullptr;
  A.OnChange = [&](TObject* S) { ++Fired, Sender = S; };
  A.SetForeground(clNone);
  A.SetBackground(clNone);
  A.SetStyle(0);
  EXPECT_EQ(Fired, 0);
  A.SetForeground(clRed);
  A.SetForeground(clRed);
  A.SetBackground(clWindow);
  A.SetStyle(fsBold | fsItalic);
  EXPECT_EQ(Fired, 3);
  EXPECT_EQ(Sender, &A);
}

TEST(Attributes, AssignCopiesAndFiresOnceOrNot) {
  TxeHighLightAttributes Src("Other name");
  Src.SetForeground(clBlue);
  Src.SetBackground(clYellow);
  Src.SetStyle(fsUnderline);
  TxeHighLightAttributes Dst("Name");
  int Fired = 0;
  Dst.OnChange = [&](TObject*) { ++Fired; };
  Dst.Assign(Src);
  EXPECT_EQ(Fired, 1);
  EXPECT_EQ(Dst.Name(), "Other name");
  EXPECT_EQ(Dst.Foreground(), clBlue);
  EXPECT_EQ(Dst.Background(), clYellow);
  EXPECT_EQ(Dst.Style(), fsUnderline);

  TxeHighLightAttributes Twin("Twin");
  Twin.SetForeground(clBlue);
  Twin.SetBackground(clYellow);
  Twin.SetStyle(fsUnderline);
  Dst.Assign(Twin);  // equal values, other name: the name is copied, nothing fires
  EXPECT_EQ(Fired, 1);
  EXPECT_EQ(Dst.Name(), "Twin");
}

// ---- chains ----

TEST(Chains, FireInOrderWithSenderAndRemoveEveryMatch) {
  TObject Owner;
  TxeNotifyEventChain Chain(&Owner);
  std::string Calls;
  int A = 0, B = 0;
  Chain.Add(&A, [&](TObject* S) { Calls += S == &Owner ? 'a' : '?'; });
  Chain.Add(&B, [&](TObject*) { Calls += 'b'; });
  Chain.Add(&A, [&](TObject*) { Calls += 'c'; });
  Chain.Add(
      &A, [&](TObject*) { Calls += 'd'; }, 7);
  Chain.Fire();
  EXPECT_EQ(Calls, "abcd");
  Chain.Remove(&A);
  EXPECT_EQ(Chain.Count(), 2);
  Calls.clear();
  Chain.Fire();
  EXPECT_EQ(Calls, "bd");
}

TEST(Chains, HandlersChangingTheChainWhileItFires) {
  TxeNotifyEventChain Chain(nullptr);
  int A = 0, B = 0, C = 0, D = 0;
  std::string Calls;
  // a removes itself, b removes c, d is added during the walk: b runs, c and d do not.
  Chain.Add(&A, [&](TObject*) { Calls += 'a', Chain.Remove(&A); });
  Chain.Add(
      &B, [&](TObject*) { Calls += 'b', Chain.Remove(&C), Chain.Add(&D, [&](TObject*) { Calls += 'd'; }); });
  Chain.Add(&C, [&](TObject*) { Calls += 'c'; });
  Chain.Fire();
  EXPECT_EQ(Calls, "ab");
  Calls.clear();
  Chain.Fire();
  EXPECT_EQ(Calls, "bd");
}

struct TChainCase {
  const char* Name;
  int HandlerMode;  // -1 no exception handler, 0 stop, 1 continue, 2 the handler itself throws
  std::string Calls;
  bool Throws;
  bool ThrowsChainError;
};

class ChainFailure : public ::testing::TestWithParam<TChainCase> {};

TEST_P(ChainFailure, FailingHandler) {
  const TChainCase& C = GetParam();
  TxeNotifyEventChain Chain(nullptr);
  std::string Calls;
  int Handled = 0;
  Chain.Add(nullptr, [&](TObject*) { Calls += 'a'; });
  Chain.Add(nullptr, [&](TObject*) { Calls += 'b', throw std::runtime_error("boom"); });
  Chain.Add(nullptr, [&](TObject*) { Calls += 'c'; });
  if (C.HandlerMode >= 0)
    Chain.SetExceptionHandler([&](TxeMethodChain* Sender, std::exception_ptr E, bool& DoContinue) {
      ++Handled;
      EXPECT_EQ(Sender, &Chain);
      EXPECT_TRUE(DoContinue);
      EXPECT_THROW(std::rethrow_exception(E), std::runtime_error);
      if (C.HandlerMode == 2) throw std::logic_error("handler failed");
      DoContinue = C.HandlerMode == 1;
    });
  if (C.ThrowsChainError) {
    try {
      Chain.Fire();
      FAIL() << "no exception";
    } catch (const ExeMethodChain& E) {
      EXPECT_STREQ(E.what(),
                   "TxeNotifyEventChain.DoHandleException : MUST NOT occur any kind of exception in "
                   "ExceptionHandler");
    }
  } else if (C.Throws) {
    EXPECT_THROW(Chain.Fire(), std::runtime_error);
  } else {
    EXPECT_NO_THROW(Chain.Fire());
  }
  EXPECT_EQ(Calls, C.Calls);
  EXPECT_EQ(Handled, C.HandlerMode >= 0 ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(Modes, ChainFailure,
                         ::testing::Values(TChainCase{"NoHandler", -1, "ab", true, false},
                                           TChainCase{"Stop", 0, "ab", false, false},
                                           TChainCase{"Continue", 1, "abc", false, false},
                                           TChainCase{"HandlerThrows", 2, "ab", true, true}),
                         [](const auto& Info) { return std::string(Info.param.Name); });

// ---- the highlighter base ----

TEST(Highlighter, AttributeAtIsInNameOrder) {
  struct TCase {
    std::unique_ptr<TxeCustomHighLighter> H;
    std::vector<std::string> Names;
  };
  TCase Cases[] = {
      {std::make_unique<TjxHTMLSyn>(),
       {"Asp", "Comment", "Escape ampersand", "Identifier", "Reserved word", "Space", "Symbol", "Text",
        "Unknown word", "Value"}},
      {std::make_unique<TxeJScriptSyn>(),
       {"Comment", "Identifier", "Number", "Reserved word", "Space", "String", "Symbol"}},
      {std::make_unique<TxeCSSSyn>(),
       {"Comment", "Identifier", "Number", "Reserved word", "Space", "String", "Symbol"}},
  };
  for (auto& C : Cases) {
    ASSERT_EQ(C.H->AttributeCount(), static_cast<int>(C.Names.size()));
    for (int I = 0; I < C.H->AttributeCount(); ++I) EXPECT_EQ(C.H->AttributeAt(I)->Name(), C.Names[I]);
    EXPECT_EQ(C.H->AttributeAt(-1), nullptr);
    EXPECT_EQ(C.H->AttributeAt(C.H->AttributeCount()), nullptr);
  }
}

TEST(Highlighter, DuplicateAttributeNameIsRejected) {
  TxeCSSSyn H;
  EXPECT_THROW(H.AddAttribute(std::make_unique<TxeHighLightAttributes>("comment")), std::runtime_error);
  EXPECT_EQ(H.AttributeCount(), 7);
}

TEST(Highlighter, AttributeChangeReachesEveryHookWithHighlighterAsSender) {
  TjxHTMLSyn H;
  int EditorA = 0, EditorB = 0;
  std::vector<TObject*> Senders;
  H.AddChangeHook(&EditorA, [&](TObject* S) { Senders.push_back(S); });
  H.AddChangeHook(&EditorB, [&](TObject* S) { Senders.push_back(S); });
  H.KeyAttri()->SetStyle(fsItalic);
  ASSERT_EQ(Senders.size(), 2u);
  EXPECT_EQ(Senders[0], &H);
  H.RemoveChangeHook(&EditorA);
  H.ValueAttri()->SetForeground(clRed);
  H.ValueAttri()->SetForeground(clRed);
  EXPECT_EQ(Senders.size(), 3u);
}

TEST(Highlighter, FreeNotificationOnDestruction) {
  TxeCustomHighLighter* Seen = nullptr;
  int Other = 0;
  auto H = std::make_unique<TxeCSSSyn>();
  H->AddFreeNotification(&Seen, [&](TxeCustomHighLighter* Gone) { Seen = Gone; });
  H->AddFreeNotification(&Other, [&](TxeCustomHighLighter*) { ++Other; });
  H->RemoveFreeNotification(&Other);
  TxeCustomHighLighter* Raw = H.get();
  H.reset();
  EXPECT_EQ(Seen, Raw);
  EXPECT_EQ(Other, 0);
}

TEST(Highlighter, EmptyLineAndZeroByte) {
  TjxHTMLSyn Html;
  TxeJScriptSyn Js;
  TxeCSSSyn Css;
  for (TxeCustomHighLighter* H :
       {static_cast<TxeCustomHighLighter*>(&Html), static_cast<TxeCustomHighLighter*>(&Js),
        static_cast<TxeCustomHighLighter*>(&Css)}) {
    for (std::uint32_t Range : {0u, 1u, 2u, 3u, 7u}) {
      H->RestoreRange(Range);
      H->BeginLine("", 0);
      EXPECT_TRUE(H->AtLineEnd()) << H->ClassName();
      EXPECT_EQ(H->CurrentRange(), Range) << H->ClassName();
      EXPECT_EQ(H->CurrentAttribute(), nullptr);
    }
    H->ClearRange();
    std::string Line("ab", 2);
    Line += '\0';
    Line += "<!-- /* 'x";
    H->BeginLine(Line, 0);
    H->ScanToLineEnd();
    EXPECT_EQ(H->CurrentStart(), 2) << H->ClassName();
    H->RestoreRange(0x1234);
    EXPECT_EQ(H->CurrentRange(), 0x34u);
  }
}

TEST(Highlighter, WordCharactersAndStandardAttributes) {
  TjxHTMLSyn Html;
  TxeJScriptSyn Js;
  TxeCSSSyn Css;
  // HTML has no underscore, the others do; nothing above 'z' and no hyphen.
  EXPECT_FALSE(Html.WordCharacters()['_']);
  EXPECT_TRUE(Js.WordCharacters()['_']);
  EXPECT_TRUE(Css.WordCharacters()['7']);
  EXPECT_FALSE(Css.WordCharacters()['-']);
  EXPECT_FALSE(Js.WordCharacters()[200]);
  EXPECT_EQ(Html.WordCharacters().count(), 62u);
  EXPECT_EQ(Html.StandardAttribute(0), Html.SpaceAttri());
  EXPECT_EQ(Js.StandardAttribute(1), Js.CommentAttri());
  EXPECT_EQ(Css.StandardAttribute(2), Css.KeyAttri());
  EXPECT_EQ(Css.StandardAttribute(3), nullptr);
  EXPECT_EQ(Html.CurrentRange(), static_cast<std::uint32_t>(TjxHTMLSyn::rsText));
  EXPECT_EQ(Js.CurrentRange(), 1u);
  EXPECT_EQ(Css.CurrentRange(), 0u);
}

TEST(Highlighter, ClassesRegisterOnce) {
  RegisterHighlighterClass(TjxHTMLSyn::ClassType());
  RegisterHighlighterClass(TjxHTMLSyn::ClassType());
  RegisterHighlighterClass(TxeJScriptSyn::ClassType());
  RegisterHighlighterClass(TxeCSSSyn::ClassType());
  EXPECT_EQ(HighlighterList().Count(), 3);
  auto H = TxeCSSSyn::ClassType()->Create();
  EXPECT_STREQ(H->ClassName(), "TxeCSSSyn");
}

// ---- export ----

struct TRecordingSink : TxeExportSink {
  std::string Log;
  void FormatToken(const std::string& Text, TxeHighLightAttributes* A, bool IsSpace, bool Flag) override {
    Log += "[" + Text + "|" + (A ? A->Name() : "-") + "|" + (IsSpace ? "s" : "") + (Flag ? "f" : "") + "]";
  }
};

TEST(Highlighter, ExportHandsTokensToTheSink) {
  TRecordingSink Sink;
  TxeJScriptSyn Js;
  Js.SetExportSink(&Sink);
  Js.BeginExportLine("x = 'a';");
  while (!Js.AtLineEnd()) Js.AdvanceForExport();
  EXPECT_EQ(Sink.Log, "[x|Identifier|][ |Space|s][ |Space|s]['a'|String|f][|-|]");
  TjxHTMLSyn Html;
  TRecordingSink HtmlSink;
  Html.SetExportSink(&HtmlSink);
  Html.BeginExportLine("<b>&amp;");
  while (!Html.AtLineEnd()) Html.AdvanceForExport();
  EXPECT_EQ(HtmlSink.Log,
            "[<|Symbol|f][b|Reserved word|][>|Symbol|f][|Text|f][&amp;|Escape ampersand|][|-|]");
}
