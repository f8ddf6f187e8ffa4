// Attribute storage in a key/value store and the IDE colour import.
#include <gtest/gtest.h>

#include "jxHTMLSyn.h"
#include "xeJScriptSyn.h"

namespace {

const std::string Key = "Software\\Quillan\\Highlighters\\HTML";

void Paint(TjxHTMLSyn& H) {
  for (int I = 0; I < H.AttributeCount(); ++I) {
    H.AttributeAt(I)->SetForeground(static_cast<TColor>(0x010101 * (I + 1)));
    H.AttributeAt(I)->SetBackground(I % 2 ? clWindow : clNone);
    H.AttributeAt(I)->SetStyle(static_cast<TFontStyles>(I % 16));
  }
}

}  // namespace

TEST(Registry, RoundTripRestoresEveryAttribute) {
  TxeMemKeyStore Store;
  TjxHTMLSyn Saved;
  Paint(Saved);
  ASSERT_TRUE(Saved.SaveToRegistry(Store, Key));
  TxeRegistry Reg(Store);
  ASSERT_TRUE(Reg.OpenKeyReadOnly(Key + "\\Reserved word"));
  EXPECT_EQ(Reg.ReadInteger("Foreground"), 0x050505);
  EXPECT_EQ(Reg.ReadInteger("Background"), static_cast<std::int32_t>(clNone));
  EXPECT_EQ(Reg.ReadInteger("Style"), 4);

  TjxHTMLSyn Loaded;
  int Changes = 0;
  Loaded.AddChangeHook(&Changes, [&](TObject*) { ++Changes; });
  ASSERT_TRUE(Loaded.LoadFromRegistry(Store, Key));
  for (int I = 0; I < Saved.AttributeCount(); ++I) {
    EXPECT_EQ(Loaded.AttributeAt(I)->Foreground(), Saved.AttributeAt(I)->Foreground());
    EXPECT_EQ(Loaded.AttributeAt(I)->Background(), Saved.AttributeAt(I)->Background()) << I;
    EXPECT_EQ(Loaded.AttributeAt(I)->Style(), Saved.AttributeAt(I)->Style());
  }
  EXPECT_GT(Changes, 0);
}

TEST(Registry, MissingKeyChangesNothing) {
  TxeMemKeyStore Store;
  TjxHTMLSyn H;
  EXPECT_FALSE(H.LoadFromRegistry(Store, Key));
  EXPECT_EQ(Store.KeyCount(), 0);
  EXPECT_EQ(H.KeyAttri()->Foreground(), 16711808u);
}

TEST(Registry, PartialLoadStopsAtFirstMissingSubkey) {
  TxeMemKeyStore Store;
  TjxHTMLSyn Saved;
  Paint(Saved);
  ASSERT_TRUE(Saved.SaveToRegistry(Store, Key));
  Store.DeleteKey(Key + "\\Comment");  // the second name in order
  Store.DeleteValue(Key + "\\Asp", "Style");
  TjxHTMLSyn Loaded;
  Loaded.ASPAttri()->SetStyle(fsStrikeOut);
  EXPECT_FALSE(Loaded.LoadFromRegistry(Store, Key));
  EXPECT_EQ(Loaded.ASPAttri()->Foreground(), Saved.ASPAttri()->Foreground());
  EXPECT_EQ(Loaded.ASPAttri()->Style(), fsStrikeOut);    // missing value: unchanged
  EXPECT_EQ(Loaded.IdentifierAttri()->Style(), fsBold);  // after the failure: not loaded
  EXPECT_EQ(Loaded.ValueAttri()->Foreground(), 16744448u);
}

TEST(Registry, StyleLoadsOnlyItsLowFourBits) {
  TxeMemKeyStore Store;
  TxeJScriptSyn H;
  ASSERT_TRUE(H.SaveToRegistry(Store, "J"));
  TxeRegistry Reg(Store);
  ASSERT_TRUE(Reg.OpenKey("J\\Number", false));
  Reg.WriteInteger("Style", 16 + 4 + 1);
  Reg.WriteInteger("Foreground", 0x123456);
  Reg.WriteString("Background", "not a number");
  Reg.CloseKey();
  ASSERT_TRUE(H.LoadFromRegistry(Store, "J"));
  EXPECT_EQ(H.NumberAttri()->Style(), fsBold | fsUnderline);
  EXPECT_EQ(H.NumberAttri()->Foreground(), 0x123456u);
  EXPECT_EQ(H.NumberAttri()->Background(), clNone);
}

TEST(Registry, CursorPathsAreRelativeOrAbsolute) {
  TxeMemKeyStore Store;
  TxeRegistry Reg(Store);
  EXPECT_FALSE(Reg.OpenKey("a\\b", false));
  ASSERT_TRUE(Reg.OpenKey("a\\b", true));
  ASSERT_TRUE(Reg.OpenKey("c", true));
  EXPECT_EQ(Reg.CurrentPath(), "a\\b\\c");
  ASSERT_TRUE(Reg.OpenKeyReadOnly("\\A\\B"));
  EXPECT_FALSE(Reg.WriteInteger("x", 1));
  EXPECT_TRUE(Store.KeyExists("A\\b\\C"));
}

// ---- IDE colour import ----

struct TImportCase {
  const char* Name;
  bool OldLayout;
  std::vector<std::pair<std::string, TxeStoreValue>> Values;  // old layout: one value "Entry"
  bool Result;
  TColor Background;
  TColor Foreground;
  TFontStyles Style;
};

class ImportIdeColors : public ::testing::TestWithParam<TImportCase> {};

TEST_P(ImportIdeColors, Layouts) {
  const TImportCase& C = GetParam();
  TxeMemKeyStore Store;
  const std::string Path = C.OldLayout ? "Ide\\Colors" : "Ide\\Colors\\Comment";
  Store.CreateKey(Path);
  for (const auto& [Name, Value] : C.Values) Store.WriteValue(Path, Name, Value);
  TxeHighLightAttributes A("Comment");
  A.SetStyle(fsStrikeOut);
  EXPECT_EQ(A.ImportIdeColors(Store, "Ide\\Colors", C.OldLayout ? "Entry" : "Comment", C.OldLayout),
            C.Result);
  EXPECT_EQ(A.Background(), C.Background);
  EXPECT_EQ(A.Foreground(), C.Foreground);
  EXPECT_EQ(A.Style(), C.Style);
}

using V = std::vector<std::pair<std::string, TxeStoreValue>>;
INSTANTIATE_TEST_SUITE_P(
    Cases, ImportIdeColors,
    ::testing::Values(TImportCase{"OldPalette", true, V{{"Entry", std::string("x,y,BU,0,0,9,14")}}, true,
                                  0xFFFF00, 0x0000FF, fsBold | fsUnderline},
                      TImportCase{"OldDefaults", true, V{{"Entry", std::string("x,y,I,1,1,99,99")}}, true,
                                  clWindow, clWindowText, fsItalic},
                      // Field 7 takes the rest of the text, commas included: not a number.
                      TImportCase{"OldBadIndex", true, V{{"Entry", std::string("x,y,B,0,0,1,2,3")}}, false,
                                  clNone, clNone, fsStrikeOut},
                      // Background already set when the foreground index fails.
                      TImportCase{"OldPartial", true, V{{"Entry", std::string(",,B,0,0,16,4")}}, false,
                                  0x800000, clNone, fsStrikeOut},
                      TImportCase{"OldMissingValue", true, V{}, false, clNone, clNone, fsStrikeOut},
                      TImportCase{"New", false,
                                  V{{"Foreground Color", 12},
                                    {"Background Color", 15},
                                    {"Bold", std::string("True")},
                                    {"Italic", std::string("false")},
                                    {"Underline", std::string("0")},
                                    {"Default Foreground", std::string("FALSE")},
                                    {"Default Background", std::string("0")}},
                                  true, 0xFFFFFF, 0xFF0000, fsBold},
                      TImportCase{"NewDefaults", false,
                                  V{{"Foreground Color", 99},
                                    {"Background Color", -1},
                                    {"Bold", std::string("0")},
                                    {"Italic", std::string("-1")},
                                    {"Underline", std::string("yes")},
                                    {"Default Foreground", std::string("1")},
                                    {"Default Background", std::string("")}},
                                  true, clWindow, clWindowText, fsItalic | fsUnderline},
                      TImportCase{"NewMissingValue", false,
                                  V{{"Foreground Color", 1},
                                    {"Background Color", 2},
                                    {"Bold", std::string("0")},
                                    {"Italic", std::string("0")},
                                    {"Underline", std::string("0")},
                                    {"Default Foreground", std::string("0")}},
                                  false, clNone, clNone, fsStrikeOut}),
    [](const auto& Info) { return std::string(Info.param.Name); });
