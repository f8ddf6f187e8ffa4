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
  M.SetCaretFree({cx, cy});
  M.SetSelBegin(M.CaretPos());
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

// Calls Run(command, character, data) for each step of the script. "{Ime:text}" is ecImeStr with that text.
template <class F>
void ForEachScriptStep(std::string_view script, F&& Run) {
  std::size_t i = 0;
  while (i < script.size()) {
    if (script[i] == '{') {
      const std::size_t close = script.find('}', i);
      std::string name(script.substr(i + 1, close - i - 1));
      i = close + 1;
      if (name.rfind("Ime:", 0) == 0) {
        const std::string text = name.substr(4);
        Run(ecImeStr, char32_t(0), static_cast<const void*>(text.c_str()));
        continue;
      }
      int times = 1;
      if (const auto star = name.find('*'); star != std::string::npos) {
        times = std::stoi(name.substr(star + 1));
        name.resize(star);
      }
      const TxeEditorCommand c = ScriptCommand(name);
      for (int k = 0; k < times; ++k) Run(c, char32_t(0), static_cast<const void*>(nullptr));
    } else {
      const char32_t ch = DecodeOne(script, i);
      Run(ecChar, ch, static_cast<const void*>(nullptr));
    }
  }
}

inline void RunScript(TxeEditModel& M, std::string_view script) {
  ForEachScriptStep(
      script, [&M](TxeEditorCommand C, char32_t Ch, const void* Data) { M.CommandProcessor(C, Ch, Data); });
}

// Runs one command and checks that what it recorded undoes to exactly the text and caret before it and
// redoes to exactly the text and caret after it; a change of the text without a record is a failure.
inline void RunCommandChecked(TxeEditModel& M, TxeEditorCommand C, char32_t Ch, const void* Data,
                              const std::string& Where) {
  if (C == ecUndo || C == ecRedo || M.ReadOnly()) {
    M.CommandProcessor(C, Ch, Data);
    return;
  }
  const std::string before = M.Text();
  const TPoint caretBefore = M.CaretPos();
  const int undos = M.UndoCount(), redos = M.RedoCount();
  M.CommandProcessor(C, Ch, Data);
  const std::string after = M.Text();
  if (M.UndoCount() == undos) {
    EXPECT_EQ(after, before) << Where << ": changed the text without an undo record";
    return;
  }
  const TPoint caretAfter = M.CaretPos();
  while (M.UndoCount() > undos) M.CommandProcessor(ecUndo);
  EXPECT_EQ(M.Text(), before) << Where << " (undo)";
  EXPECT_EQ(M.CaretPos(), caretBefore) << Where << " (caret after undo)";
  while (M.RedoCount() > redos) M.CommandProcessor(ecRedo);
  EXPECT_EQ(M.Text(), after) << Where << " (redo)";
  EXPECT_EQ(M.CaretPos(), caretAfter) << Where << " (caret after redo)";
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
    int step = 0;
    ForEachScriptStep(c.script, [&](TxeEditorCommand C, char32_t Ch, const void* Data) {
      RunCommandChecked(
          s.Model, C, Ch, Data,
          std::string(c.name) + " step " + std::to_string(++step) + " " + EditorCommandToCodeString(C));
    });
    EXPECT_EQ(ShowMarked(s.Model), c.after) << c.name;
    // Undoing everything gives the text back; redoing it all gives the result again.
    const std::string result = s.Model.Text();
    if (s.Model.ReadOnly()) continue;
    const int redos = s.Model.RedoCount();
    while (s.Model.UndoAvailable()) s.Model.CommandProcessor(ecUndo);
    EXPECT_EQ(s.Model.Text(), start) << c.name << " (undo)";
    while (s.Model.RedoCount() > redos) s.Model.CommandProcessor(ecRedo);
    EXPECT_EQ(s.Model.Text(), result) << c.name << " (redo)";
  }
}
