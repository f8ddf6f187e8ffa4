// Completion in the main window as a user drives it: text with the caret at "|", keys, the text
// afterwards. Keys: "^" is Ctrl+Space, "\x02" Down, "\t" Tab, "\n" Enter, "\x1b" Escape; other
// characters are typed (into the popup while it is open).
#include <gtest/gtest.h>

#include <QTest>

#include "main_fakes.h"
#include "xeCompletionProposal.h"
#include "xeCustomEdit.h"

namespace {

std::string Text(const TxeCustomEdit& memo) {
  std::string text;
  for (int y = 1; y <= memo.LineCount(); ++y) {
    if (y > 1) text += '\n';
    text += memo.LineText(y);
  }
  return text;
}

TEST(CompletionWindow, KeystrokeScripts) {
  struct {
    int Type;
    const char* Text;
    const char* Keys;
    const char* Expected;
  } cases[] = {
      // Tag names, and the end tags of elements that have one.
      {dtHTML, "<bloc|", "^\n", "<blockquote"},
      {dtHTML, "<p>x</fram|", "^\n", "<p>x</frameset"},
      {dtHTML, "<P><TAB|", "^\n", "<P><TABLE"},
      {dtHTML, "<artic|", "^\n", "<article"},
      {dtHTML, "<p>x</im|", "^\n", "<p>x</im"},
      {dtHTML, "<|", "^he\x02\n", "<header"},
      // Attributes inside a tag, filtered as the user types.
      {dtHTML, "<a hr|>", "^\t", "<a href>"},
      {dtHTML, "<a |", "^tar\n", "<a target"},
      // Each element's own attributes, the global ones, the data- prefix; roles in role's value.
      {dtHTML, "<td col|", "^\n", "<td colspan"},
      {dtHTML, "<img |", "^data\n", "<img data-"},
      {dtHTML, "<img col|", "^\n", "<img col"},
      {dtHTML, "<nav role=\"|\">", "^navi\n", "<nav role=\"navigation\">"},
      // Entities, with their semicolon.
      {dtHTML, "a &co|", "^\n", "a &copy;"},
      {dtHTML, "&divi|", "^\n", "&divide;"},
      {dtHTML, "&hell|", "^\n", "&hellip;"},
      // CSS in a style element and in a style sheet: properties, and values after ":".
      {dtHTML, "<style>\np { font-w|", "^\n", "<style>\np { font-weight"},
      {dtCSS, "p { col|", "^\n", "p { color"},
      {dtCSS, "p { display: fl|", "^\n", "p { display: flex"},
      {dtCSS, "p { color: |", "^navy\n", "p { color: navy"},
      {dtCSS, "p { flex: |", "^no\n", "p { flex: none"},
      {dtCSS, "p { grid-column: s|", "^\n", "p { grid-column: span"},
      // Script: the JavaScript table's words and the document's identifiers.
      {dtJavaScript, "docu|", "^\n", "document"},
      {dtJavaScript, "var myCounter = 0;\nmyC|", "^\n", "var myCounter = 0;\nmyCounter"},
      {dtHTML, "<script>\nvar total = 1;\ntot|\n</script>", "^\n",
       "<script>\nvar total = 1;\ntotal\n</script>"},
      // Escape closes and inserts nothing; where nothing fits no list opens and nothing is typed.
      {dtHTML, "<d|", "^\x1b", "<d"},
      {dtHTML, "<p>plain te|", "^", "<p>plain te"},
  };
  auto form = ShownMainForm();
  TxeCustomEdit* memo = form->Memo1;
  auto* completion = form->findChild<TXeCompletionProposal*>("XeCompletionProposal1");
  ASSERT_NE(completion, nullptr);
  TCompletionProposalForm* popup = completion->Form();
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.Text) + " / " + c.Keys);
    form->SetDocType(c.Type);
    std::string text = c.Text;
    const std::size_t caret = text.find('|');
    text.erase(caret, 1);
    memo->SetText(text);
    const std::size_t lineStart = text.rfind('\n', caret == 0 ? 0 : caret - 1);
    const int line = int(std::count(text.begin(), text.begin() + long(caret), '\n')) + 1;
    const int col = int(caret - (lineStart == std::string::npos || line == 1 ? 0 : lineStart + 1)) + 1;
    memo->SetCaretXY(col, line);
    for (const char* k = c.Keys; *k; ++k) {
      QWidget* target = popup->isVisible() ? static_cast<QWidget*>(popup) : memo;
      switch (*k) {
        case '^': QTest::keyClick(memo, Qt::Key_Space, Qt::ControlModifier); break;
        case '\x02': QTest::keyClick(target, Qt::Key_Down); break;
        case '\t': QTest::keyClick(target, Qt::Key_Tab); break;
        case '\n': QTest::keyClick(target, Qt::Key_Return); break;
        case '\x1b': QTest::keyClick(target, Qt::Key_Escape); break;
        default: QTest::keyClick(target, *k); break;
      }
    }
    EXPECT_EQ(Text(*memo), c.Expected);
    EXPECT_FALSE(popup->isVisible());
    popup->hide();
  }
}

}  // namespace
