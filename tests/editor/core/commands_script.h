// Keystroke scripts for the command tests: a marked text, a script of commands, the marked result.
//
// Marked text: lines joined by '\n'; '|' is the caret. In results a caret beyond the line end is shown after
// '~' fillers ("ab~~|" = caret in column 5 of "ab").
// Script: plain characters are typed (ecChar, UTF-8 decoded); "{Name}" runs a command by its name with or
// without the "ec" prefix, or by one of the short names below; "{Name*3}" runs it three times.
#pragma once
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <string_view>

#include "core_test_support.h"
#include "xeEditModel.h"

inline void LoadMarked(TxeEditModel& M, std::string_view marked) {
  std::string text;
  int x = 1, y = 1, cx = 1, cy = 1;
  for (char c : marked) {
    if (c == '|') {
      cx = x;
      cy = y;
      continue;
    }
    if (c == '~') {  // a filler beyond the line end
      ++x;
      continue;
    }
    if (c == '\n') {
      text += "\r\n";
      ++y;
      x = 1;
      continue;
    }
    text += c;
    ++x;
  }
  M.SetText(text + "\r\n");  // so that a last empty line stays a line
  M.ClearUndo();
  M.SetModified(false);
  // The caret may start beyond a line end whatever the options say.
  const TxeEditorOptions o = M.Options();
  M.SetOptionsQuiet(static_cast<TxeEditorOptions>(o | xeoScrollPastEol));
  M.SetCaretPos({cx, cy});
  M.SetSelBegin(M.CaretPos());
  M.SetOptionsQuiet(o);
}

inline std::string ShowMarked(const TxeEditModel& M) {
  std::string out;
  const TPoint c = M.CaretPos();
  for (int y = 1; y <= M.LineCount(); ++y) {
    if (y > 1) out += '\n';
    std::string line(M.LineText(y));
    if (y == c.Y) {
      if (static_cast<int>(line.size()) < c.X - 1)
        line.append(static_cast<std::size_t>(c.X - 1) - line.size(), '~');
      line.insert(static_cast<std::size_t>(c.X - 1), "|");
    }
    out += line;
  }
  return out;
}

inline TxeEditorCommand ScriptCommand(const std::string& name) {
  static const std::map<std::string, TxeEditorCommand> shortNames = {
      {"BS", ecDeleteLastChar}, {"Del", ecDeleteChar},      {"Enter", ecLineBreak},  {"Home", ecLineStart},
      {"End", ecLineEnd},       {"S-Left", ecSelLeft},      {"S-Right", ecSelRight}, {"S-Up", ecSelUp},
      {"S-Down", ecSelDown},    {"S-Home", ecSelLineStart}, {"S-End", ecSelLineEnd},
  };
  if (auto it = shortNames.find(name); it != shortNames.end()) return it->second;
  TxeEditorCommand c = ecNone;
  if (IdentToEditorCommand("ec" + name, c) || IdentToEditorCommand(name, c)) return c;
  ADD_FAILURE() << "unknown command " << name;
  return ecNone;
}

inline char32_t DecodeOne(std::string_view s, std::size_t& i) {
  const auto b = static_cast<unsigned char>(s[i]);
  int len = b < 0x80 ? 1 : b < 0xE0 ? 2 : b < 0xF0 ? 3 : 4;
  char32_t c = len == 1 ? b : (b & (0x3F >> (len - 1)));
  for (int k = 1; k < len && i + static_cast<std::size_t>(k) < s.size(); ++k)
    c = (c << 6) | (static_cast<unsigned char>(s[i + static_cast<std::size_t>(k)]) & 0x3F);
  i += static_cast<std::size_t>(len);
  return c;
}

inline void RunScript(TxeEditModel& M, std::string_view script) {
  std::size_t i = 0;
  while (i < script.size()) {
    if (script[i] == '{') {
      const std::size_t close = script.find('}', i);
      std::string name(script.substr(i + 1, close - i - 1));
      int times = 1;
      if (const auto star = name.find('*'); star != std::string::npos) {
        times = std::stoi(name.substr(star + 1));
        name.resize(star);
      }
      const TxeEditorCommand c = ScriptCommand(name);
      for (int k = 0; k < times; ++k) M.CommandProcessor(c);
      i = close + 1;
    } else {
      M.CommandProcessor(ecChar, DecodeOne(script, i));
    }
  }
}

// A model with a 20 x 80 test view, as the command tests use it.
struct TScriptModel {
  TTestView View;
  TxeEditModel Model;
  TScriptModel() { Model.SetView(&View); }
  ~TScriptModel() { Model.SetView(nullptr); }
};

struct TScriptCase {
  const char* name;
  const char* before;
  const char* script;
  const char* after;
  TxeEditorOptions options = xeDefaultOptions;
};

inline void RunScriptCases(const TScriptCase* cases, std::size_t n,
                           const std::function<void(TxeEditModel&)>& setup = {}) {
  for (std::size_t k = 0; k < n; ++k) {
    const TScriptCase& c = cases[k];
    TScriptModel s;
    s.Model.SetOptions(c.options);
    s.Model.SetMaxUndo(1000);
    if (setup) setup(s.Model);
    LoadMarked(s.Model, c.before);
    const std::string start = s.Model.Text();
    RunScript(s.Model, c.script);
    EXPECT_EQ(ShowMarked(s.Model), c.after) << c.name;
    // Undoing everything gives the text back; redoing everything gives the result again.
    const std::string result = s.Model.Text();
    if (s.Model.ReadOnly()) continue;
    while (s.Model.UndoAvailable()) s.Model.CommandProcessor(ecUndo);
    EXPECT_EQ(s.Model.Text(), start) << c.name << " (undo)";
    while (s.Model.RedoAvailable()) s.Model.CommandProcessor(ecRedo);
    EXPECT_EQ(s.Model.Text(), result) << c.name << " (redo)";
  }
}
