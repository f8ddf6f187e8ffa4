// The main window as the user meets it: components, captions, shortcuts, title, start-up.
#include <gtest/gtest.h>

#include <QAction>
#include <QDir>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QToolButton>
#include <tuple>

#include "ShortCuts.h"
#include "main_fakes.h"
#include "setup.h"
#include "xeCustomEdit.h"

namespace {

TEST(MainWindowLayout, MenuItemsHaveTheirCaptionsAndShortcuts) {
  EnsureQtApp();
  TMainForm form;
  struct Item {
    const char *Name, *Caption, *Keys;
  };
  // clang-format off
    const Item items[] = {
        {"Newblank1", "New blank", ""},        {"HTMLfile1", "&HTML file", ""},
        {"HTMLFrameset1", "HTML &Frameset", ""}, {"JavaScript2", "&JavaScript file", ""},
        {"CSSfile1", "&CSS file", ""},         {"Open1", "&Open...", "Ctrl+O"},
        {"Save1", "&Save", "Ctrl+S"},          {"SaveAs1", "Save &As...", "Ctrl+Shift+S"},
        {"Print1", "&Print...", ""},           {"Exit1", "E&xit", ""},
        {"SeachReplace1", "Seach/&Replace", "Ctrl+F"}, {"RemoveSpases1", "Remove extra &Spases", ""},
        {"Strictcapitalise1", "Strict capitalise", ""}, {"Netscape1", "&Netscape", "Alt+1"},
        {"MSIE1", "&MSIE", "Alt+2"},           {"Custon1", "&Custom", "Alt+3"},
        {"Openinextended1", "Open in e&xtended", "Alt+5"}, {"Setup1", "&Setup...", "F10"},
        {"Paragraph1", "Paragraph", "Ctrl+P"}, {"BlockDIV1", "Block (DIV)", "Ctrl+D"},
        {"Bold1", "Bold", "Ctrl+B"},           {"Italics1", "Italics", "Ctrl+I"},
        {"Link1", "Link", "Ctrl+L"},           {"Linktofile1", "Link to file...", "Ctrl+Shift+L"},
        {"Imagefromfile1", "Image from file...", "Ctrl+Shift+K"}, {"Image1", "Image", "Ctrl+K"},
        {"Breakline1", "Break line", "Ctrl+R"}, {"Horizontalrule1", "Horizontal rule", "Ctrl+H"},
        {"Description1", "Description", ""},   {"swithc1", "switch", ""},
        {"style1", "indent", ""},              {"About1", "&About...", ""},
        {"OrvexSoftwareonline1", "Orvex Software online", ""}, {"OrvexNetcsnter1", "Orvex Netcsnter", ""},
        {"EditCopy1", "&Copy", "Ctrl+C"},      {"EditCut1", "Cu&t", "Ctrl+X"},
        {"EditDelete1", "&Delete", "Del"},     {"EditPaste1", "&Paste", "Ctrl+V"},
        {"EditSelectAll1", "Select &All", ""}, {"EditUndo1", "&Undo", "Alt+Backspace"},
        {"NewHTML1", "New HTML", ""},          {"NewCSS1", "New CSS", ""},
    };
  // clang-format on
  for (const Item& item : items) {
    QAction* action = form.Action(QString::fromLatin1(item.Name));
    ASSERT_NE(action, nullptr) << item.Name;
    EXPECT_EQ(action->text(), QString::fromLatin1(item.Caption)) << item.Name;
    EXPECT_EQ(action->shortcut(), QKeySequence(QString::fromLatin1(item.Keys))) << item.Name;
  }
  const char* const menus[][2] = {{"File1", "&File"},
                                  {"New1", "&New"},
                                  {"Edit1", "&Edit"},
                                  {"Textconversions1", "Text conversion"},
                                  {"Show1", "&Show"},
                                  {"HTML1", "&HTML"},
                                  {"JavaScript1", "&JavaScript"},
                                  {"CSS1", "&CSS"},
                                  {"N1", "&?"},
                                  {"NewFilePop", ""}};
  for (const auto& menu : menus) {
    ASSERT_NE(form.Menu(QString::fromLatin1(menu[0])), nullptr) << menu[0];
    EXPECT_EQ(form.Menu(QString::fromLatin1(menu[0]))->title(), QString::fromLatin1(menu[1]));
  }
  // The Edit menu's items are components of their own, showing and running the edit actions.
  const QList<QAction*> edit = form.Menu("Edit1")->actions();
  const char* const editItems[][2] = {
      {"Undo1", "EditUndo1"},          {"Redo1", "EditRedo1"}, {"Copy1", "EditCopy1"},
      {"Paste1", "EditPaste1"},        {"Cut1", "EditCut1"},   {"Delete1", "EditDelete1"},
      {"SelectAll1", "EditSelectAll1"}};
  for (int i = 0; i < 7; ++i) {
    ASSERT_EQ(edit[i]->objectName(), editItems[i][0]);
    EXPECT_EQ(edit[i]->text(), form.Action(editItems[i][1])->text());
    EXPECT_EQ(edit[i]->shortcut(), form.Action(editItems[i][1])->shortcut());
  }
  form.Action("EditUndo1")->setText("&Back");
  EXPECT_EQ(edit[0]->text(), "&Back");
  EXPECT_EQ(form.Action("EditCopy1")->toolTip(), "Copy");
  EXPECT_EQ(form.Action("EditPaste1")->toolTip(), "Paste");
}

TEST(MainWindowLayout, ToolBarButtonsLeftToRight) {
  EnsureQtApp();
  TMainForm form;
  const char* const hints[] = {"New file",
                               "Open file",
                               "Save file",
                               "Print file",
                               "Search and replace",
                               "Cut",
                               "Copy",
                               "Paste",
                               "&Undo",
                               "Browse in Netscape",
                               "Browse in MSIE",
                               "Browse in custom",
                               "Open in extended editor",
                               "NO highlite",
                               "HTML highlite",
                               "JavaScript highlite",
                               "CSS highlite"};
  QStringList shown;
  for (QToolButton* button : form.findChildren<QToolButton*>())
    if (button->parentWidget() && button->parentWidget()->objectName() == "ToolBar1" &&
        !button->objectName().startsWith("qt_"))
      shown << button->toolTip().remove(QRegularExpression(" \\(.*\\)$"));
  QStringList expected;
  for (const char* hint : hints) expected << QString::fromLatin1(hint).remove('&');
  for (QString& hint : shown) hint.remove('&');
  EXPECT_EQ(shown, expected);
  EXPECT_TRUE(form.ToolButton("NoHLBtn")->isChecked());
  EXPECT_EQ(form.ToolButton("ToolButton1")->menu()->objectName(), "NewFilePop");
}

TEST(ShortCutCodes, BecomeKeySequences) {
  // clang-format off
    const std::pair<std::uint16_t, const char*> cases[] = {
        {16463, "Ctrl+O"}, {24659, "Ctrl+Shift+S"}, {32817, "Alt+1"}, {32821, "Alt+5"}, {121, "F10"},
        {46, "Del"},       {32776, "Alt+Backspace"}, {16416, "Ctrl+Space"}, {0, ""}};
  // clang-format on
  for (const auto& [code, keys] : cases) EXPECT_EQ(ShortCutToKeySequence(code), QKeySequence(keys)) << code;
}

TEST(DocTypes, FromFileNames) {
  // clang-format off
    const std::pair<const char*, int> cases[] = {
        {"page.html", 1}, {"PAGE.SHTML", 1}, {"x.php3", 1}, {"x.asp", 1}, {"a.asp.bak", 0}, {"x.aspx", 0},
        {"x.jsp", 2},     {"x.js", 2},       {"x.css", 3},  {"x.jscss", 3}, {"noext", 0},  {"dir.html/file", 0},
        {"notes.txt", 0}, {"/home/u/.htmlrc", 1}};
  // clang-format on
  for (const auto& [name, type] : cases) EXPECT_EQ(DocTypeOf(QString::fromLatin1(name)), type) << name;
  EXPECT_EQ(DocTypeDefaultExt(0), "");
  EXPECT_EQ(DocTypeDefaultExt(1), "html");
  EXPECT_EQ(DefFTExtension(2), "css");
  EXPECT_EQ(DefFTExtension(-1), "txt");
}

TEST(MainWindowStart, TitleBeforeAndAfterTheFirstShowing) {
  EnsureQtApp();
  TScriptedBoxes boxes;
  TMainForm form;
  EXPECT_EQ(form.windowTitle(), "Orvex Quillan 2.0 - ");
  QSettings(QStringLiteral("Orvex"), QStringLiteral("QN")).clear();
  form.show();
  EXPECT_EQ(form.windowTitle(), "Orvex Quillan 2.0 - " + QDir::homePath() + "/untitled.txt");
  EXPECT_TRUE(boxes.Shown.empty());
}

TEST(MainWindowStart, CommandLines) {
  QTemporaryDir dir;
  const QString page = dir.filePath("page.html");
  WriteBytes(page, "<P>\tx\r\n");
  const QHash<QString, QString> keepTabs{{"keeptabs", TFormStorage::BoolText(true)}};
  struct Case {
    QStringList Args;
    QString File;  // expected document name ("" = the new blank one)
    int Type;
    bool LoadError;
    QHash<QString, QString> Stored = {};
    std::string Line = "";  // the first line, when a file was read
  };
  // clang-format off
    const Case cases[] = {
        {{page}, page, 1, false, {}, "<P>    x"},
        {{page}, page, 1, false, keepTabs, "<P>\tx"},    // the file is read with the user's settings
        {{"-css", page}, page, 3, false},          // the switch survives the settings
        {{"-js"}, QDir::homePath() + "/untitled.js", 2, false},  // a lone switch: blank document of that type
        {{dir.filePath("missing.css")}, "", 0, true},
        {{"-html", dir.filePath("missing.css")}, QDir::homePath() + "/untitled.html", 1, true},
    };
  // clang-format on
  for (const Case& c : cases) {
    TScriptedBoxes boxes;
    auto form = ShownMainForm(c.Args, c.Stored);
    const QString expected = c.File.isEmpty() ? QDir::homePath() + "/untitled.txt" : c.File;
    EXPECT_EQ(form->DocFileName, expected) << c.Args.join(' ').toStdString();
    EXPECT_EQ(form->DocType(), c.Type) << c.Args.join(' ').toStdString();
    if (!c.Line.empty()) {
      EXPECT_EQ(std::string(form->Memo1->LineText(1)), c.Line) << c.Args.join(' ').toStdString();
    }
    ASSERT_EQ(boxes.Shown.size(), c.LoadError ? 1u : 0u) << c.Args.join(' ').toStdString();
    if (c.LoadError) {
      EXPECT_TRUE(boxes.Shown[0].Text.startsWith("Error on load file"));
      EXPECT_EQ(boxes.Shown[0].Type, mtError);
      EXPECT_EQ(boxes.Shown[0].Buttons, mbOK);
    }
    form->close();
  }
}

TEST(MainWindowTypes, ButtonsMenusAndTemplates) {
  TScriptedBoxes boxes;
  auto form = ShownMainForm();
  form->AutoHide = true;
  for (int type : {2, 3, 1, 0}) {
    form->SetDocType(type);
    EXPECT_EQ(form->DocType(), type);
    EXPECT_EQ(form->Menu("HTML1")->menuAction()->isVisible(), type == 1);
    EXPECT_EQ(form->Menu("JavaScript1")->menuAction()->isVisible(), type == 2);
    EXPECT_EQ(form->Menu("CSS1")->menuAction()->isVisible(), type == 3);
    const char* const buttons[] = {"NoHLBtn", "HTMLHLBtn", "JSHLBtn", "CSSHLBtn"};
    for (int i = 0; i < 4; ++i) EXPECT_EQ(form->ToolButton(buttons[i])->isChecked(), i == type);
  }
  // Turning auto-hide off in Setup shows the hidden menus at once.
  TSettingsValues values = form->SetupForm->DialogValues();
  values.AutoHide = false;
  form->ApplySettings(values);
  for (const char* menu : {"HTML1", "JavaScript1", "CSS1"})
    EXPECT_TRUE(form->Menu(menu)->menuAction()->isVisible());
  // Highlighting switched off: a click changes nothing, not even the button.
  form->Highlite = false;
  form->ToolButton("CSSHLBtn")->click();
  EXPECT_EQ(form->DocType(), 0);
  EXPECT_FALSE(form->ToolButton("CSSHLBtn")->isChecked());
  form->Highlite = true;

  // clang-format off
    const std::tuple<const char*, const char*, int> news[] = {
        {"HTMLfile1", ".html", 1}, {"NewFrameset1", ".html", 1}, {"JavaScript2", ".js", 2},
        {"NewCSS1", ".css", 3},    {"Newblank1", ".txt", 0}};
  // clang-format on
  for (const auto& [action, ext, type] : news) {
    form->Action(action)->trigger();
    EXPECT_EQ(form->DocFileName, form->DefFn + ext) << action;
    EXPECT_EQ(form->DocType(), type) << action;
    EXPECT_FALSE(form->DocumentOnDisk());
  }
  EXPECT_TRUE(boxes.Shown.empty());
}

}  // namespace
