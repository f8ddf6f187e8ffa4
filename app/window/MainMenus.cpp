// The main window's menu bar, edit actions and tool bar, as the window layout names them.
#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QToolButton>

#include "ShortCuts.h"
#include "ToolIcons.h"
#include "main.h"

namespace {

// One line of a menu description: a submenu opens with Kind 'M' and closes with ')'; '-' is a
// separator; 'I' an item. Names and captions are those of the layout.
struct TMenuLine {
  char Kind;
  const char* Name;
  const char* Caption;
  std::uint16_t ShortCut;
};

constexpr TMenuLine M(const char* Name, const char* Caption) { return {'M', Name, Caption, 0}; }
constexpr TMenuLine I(const char* Name, const char* Caption, std::uint16_t ShortCut = 0) {
  return {'I', Name, Caption, ShortCut};
}
// A menu item of its own (Name) that shows and triggers one of the window's actions.
constexpr TMenuLine A(const char* Name, const char* Action) { return {'A', Name, Action, 0}; }
constexpr TMenuLine End{')', nullptr, nullptr, 0};
constexpr TMenuLine Sep{'-', nullptr, nullptr, 0};

// clang-format off
const TMenuLine MenuLayout[] = {
    M("File1", "&File"),
      I("Newblank1", "New blank"),
      M("New1", "&New"),
        I("HTMLfile1", "&HTML file"),
        I("HTMLFrameset1", "HTML &Frameset"),
        I("JavaScript2", "&JavaScript file"),
        I("CSSfile1", "&CSS file"),
      End,
      I("Open1", "&Open...", 16463),
      M("Reopen1", "&Reopen"),
      End,
      I("Save1", "&Save", 16467),
      I("SaveAs1", "Save &As...", 24659),
      I("ReopenEncoding1", "Reopen with encoding\u2026"),
      I("SaveEncoding1", "Save with encoding\u2026"),
      Sep,
      I("Print1", "&Print..."),
      Sep,
      I("Exit1", "E&xit"),
    End,
    M("Edit1", "&Edit"),
      A("Undo1", "EditUndo1"), A("Redo1", "EditRedo1"), A("Copy1", "EditCopy1"), A("Paste1", "EditPaste1"),
      A("Cut1", "EditCut1"), A("Delete1", "EditDelete1"), A("SelectAll1", "EditSelectAll1"),
      Sep,
      I("SeachReplace1", "Seach/&Replace", 16454),
      I("FindNext1", "Find &Next", 114),
      I("FindPrevious1", "Find Pre&vious", 8306),
      Sep,
      M("Textconversions1", "Text conversion"),
        I("RemoveSpases1", "Remove extra &Spases"),
        I("RemoveHTMLTags1", "Remove HTML &Tags"),
        I("ToUppercase1", "To &Uppercase"),
        I("ToLowercase1", "To &Lowercase"),
        I("Capitalise1", "&Capitalise"),
        I("Strictcapitalise1", "Strict capitalise"),
      End,
    End,
    M("Show1", "&Show"),
      I("Netscape1", "&Netscape", 32817),
      I("MSIE1", "&MSIE", 32818),
      I("Custon1", "&Custom", 32819),
      I("Openinextended1", "Open in e&xtended", 32821),
      Sep,
      I("ShowLineNumbers1", "&Line numbers"),
      I("ShowStatusBar1", "Status &bar"),
      I("ZoomIn1", "Zoom &in"),
      I("ZoomOut1", "Zoom &out"),
      I("ZoomNormal1", "Normal si&ze"),
      Sep,
      I("Setup1", "&Setup...", 121),
    End,
    M("HTML1", "&HTML"),
      M("Block1", "Block"),
        I("Paragraph1", "Paragraph", 16464),
        I("Rightaligned1", "Right-align P"),
        I("CentredP1", "Centred P"),
        I("Jy1", "Justifyed P"),
        Sep,
        I("BlockDIV1", "Block (DIV)", 16452),
        I("RightalignDIV1", "Right-align DIV"),
        I("CenterdDIV1", "Centerd DIV"),
        I("JustifyedDIV1", "Justifyed DIV"),
      End,
      M("Font1", "Font"),
        I("Bold1", "Bold", 16450),
        I("Italics1", "Italics", 16457),
        I("Underline1", "Underline"),
        I("Blink1", "Blink"),
        I("Fixed1", "Fixed"),
        Sep,
        I("Fontface1", "Font face"),
        I("Fontcolor1", "Font color"),
        I("Fontsize1", "Font size"),
      End,
      M("Lists1", "Lists"),
        I("Simple1", "Simple"),
        I("Odrered1", "Odrered"),
        I("Listitem1", "List item"),
      End,
      M("Links1", "Links"),
        I("Link1", "Link", 16460),
        I("Ancor1", "Ancor"),
        I("Linktofile1", "Link to file...", 24652),
        I("URLfromfile1", "URL from file..."),
      End,
      M("Objects1", "Objects"),
        I("Imagefromfile1", "Image from file...", 24651),
        I("Image1", "Image", 16459),
        I("Embed1", "Embed"),
        I("Object1", "Object"),
        I("Applet1", "Applet"),
        I("Param1", "Param"),
      End,
      M("Metas1", "Metas"),
        I("Author1", "Author"),
        I("Description1", "Description"),
        I("Keywords1", "Keywords"),
        I("Refresh1", "Refresh"),
        I("Content1", "Content"),
      End,
      M("Forms1", "Forms"),
        I("Form1", "Form"),
        I("Button1", "Button"),
        I("Textfield1", "Text field"),
        I("Textbox1", "Text box"),
        I("Listbox1", "List box"),
        I("Submit1", "Submit"),
        I("Reset1", "Reset"),
      End,
      M("General1", "General"),
        I("HTML2", "HTML"),
        I("HEAD1", "HEAD"),
        I("TITLE1", "TITLE"),
        I("BODY1", "BODY"),
        I("FRAMESET1", "FRAMESET"),
        I("PRE1", "PRE-formatted"),
        Sep,
        I("Breakline1", "Break line", 16466),
        I("Horizontalrule1", "Horizontal rule", 16456),
      End,
      Sep,
      I("Checkpage1", "Check page", 16502),
    End,
    M("JavaScript1", "&JavaScript"),
      M("Objects2", "Objects"),
        I("Document1", "Document"),
        I("Window1", "Window"),
        I("Navigator1", "Navigator"),
      End,
      M("Functions1", "Functions"),
        I("function1", "function..."),
        I("writeln1", "write"),
        I("writeln2", "writeln"),
        I("alert1", "alert"),
        I("confirm1", "confirm"),
      End,
      M("Operators1", "Operators"),
        I("for1", "for"),
        I("while1", "while"),
        I("dowhile1", "do while"),
        I("swithc1", "switch"),
      End,
    End,
    M("CSS1", "&CSS"),
      M("Box1", "Box"),
        I("margin1", "margin"),
        I("padding1", "padding"),
        I("border1", "border"),
        I("width1", "width"),
        I("height1", "height"),
      End,
      M("Color1", "Color"),
        I("background1", "background"),
        I("foreground1", "foreground"),
      End,
      M("Font2", "Font"),
        I("family1", "family"),
        I("style2", "style"),
        I("weight1", "weight"),
        I("size1", "size"),
      End,
      M("Text1", "Text"),
        I("align1", "align"),
        I("style1", "indent"),
        I("decoration1", "decoration"),
      End,
    End,
    M("N1", "&?"),
      I("About1", "&About..."),
      Sep,
      I("OrvexSoftwareonline1", "Orvex Software online"),
      I("OrvexNetcsnter1", "Orvex Netcsnter"),
    End,
};
// clang-format on

struct TEditAction {
  const char* Name;
  const char* Caption;
  const char* Hint;
  std::uint16_t ShortCut;
  TToolIcon Icon;
};

// clang-format off
const TEditAction EditActionLayout[] = {
    {"EditCopy1", "&Copy", "Copy", 16451, tiCopy},
    {"EditCut1", "Cu&t", "Cut", 16472, tiCut},
    {"EditDelete1", "&Delete", "", 46, tiNone},
    {"EditPaste1", "&Paste", "Paste", 16470, tiPaste},
    {"EditSelectAll1", "Select &All", "", 0, tiNone},
    {"EditUndo1", "&Undo", "", 32776, tiUndo},
    // The key comes from the editor's keystroke map.
    {"EditRedo1", "R&edo", "", 0, tiNone},
};
// clang-format on

// A tool button: the action it triggers (by name), its hint and picture.
struct TToolLine {
  const char* Name;
  const char* Target;  // nullptr: separator
  const char* Hint;
  TToolIcon Icon;
};

// clang-format off
const TToolLine ToolLayout[] = {
    {"ToolButton1", "Newblank1", "New file", tiNew},
    {"ToolButton2", "Open1", "Open file", tiOpen},
    {"ToolButton3", "Save1", "Save file", tiSave},
    {"ToolButton4", nullptr, nullptr, tiNone},
    {"ToolButton5", "Print1", "Print file", tiPrint},
    {"ToolButton6", nullptr, nullptr, tiNone},
    {"ToolButton7", "SeachReplace1", "Search and replace", tiSearch},
    {"ToolButton8", nullptr, nullptr, tiNone},
    {"ToolButton9", "EditCut1", nullptr, tiCut},
    {"ToolButton10", "EditCopy1", nullptr, tiCopy},
    {"ToolButton11", "EditPaste1", nullptr, tiPaste},
    {"ToolButton12", "EditUndo1", nullptr, tiUndo},
    {"ToolButton13", nullptr, nullptr, tiNone},
    {"ToolButton14", "Netscape1", "Browse in Netscape", tiBrowserN},
    {"ToolButton15", "MSIE1", "Browse in MSIE", tiBrowserIE},
    {"ToolButton16", "Custon1", "Browse in custom", tiBrowserCustom},
    {"ToolButton17", "Openinextended1", "Open in extended editor", tiExtended},
    {"ToolButton18", nullptr, nullptr, tiNone},
};
// clang-format on

struct THLButton {
  const char* Name;
  const char* Hint;
  TToolIcon Icon;
};

// clang-format off
const THLButton HLButtonLayout[4] = {
    {"NoHLBtn", "NO highlite", tiHLNone},
    {"HTMLHLBtn", "HTML highlite", tiHLHTML},
    {"JSHLBtn", "JavaScript highlite", tiHLJS},
    {"CSSHLBtn", "CSS highlite", tiHLCSS},
};
// clang-format on

}  // namespace

void TMainForm::CreateActions() {
  for (const TEditAction& line : EditActionLayout) {
    auto* action = new QAction(QString::fromLatin1(line.Caption), this);
    action->setObjectName(QString::fromLatin1(line.Name));
    action->setProperty("category", QStringLiteral("Edit"));
    if (*line.Hint) action->setToolTip(QString::fromLatin1(line.Hint));
    action->setShortcut(ShortCutToKeySequence(line.ShortCut));
    action->setIcon(ToolIcon(line.Icon));
    addAction(action);
  }
}

void TMainForm::CreateMenus() {
  QMenuBar* bar = menuBar();
  bar->setObjectName(QStringLiteral("MainMenu1"));
  QList<QMenu*> stack;
  for (const TMenuLine& line : MenuLayout) {
    const QString name = line.Name ? QString::fromLatin1(line.Name) : QString();
    switch (line.Kind) {
      case 'M': {
        QMenu* menu = stack.isEmpty() ? bar->addMenu(QString::fromUtf8(line.Caption))
                                      : stack.last()->addMenu(QString::fromUtf8(line.Caption));
        menu->setObjectName(name);
        stack.append(menu);
        break;
      }
      case ')': stack.removeLast(); break;
      case '-': stack.last()->addSeparator(); break;
      case 'A': {
        QAction* target = Action(QString::fromLatin1(line.Caption));
        QAction* item = stack.last()->addAction(target->icon(), target->text());
        item->setObjectName(name);
        // The shortcut is shown; the key itself reaches the window's action.
        item->setShortcut(target->shortcut());
        item->setShortcutContext(Qt::WidgetShortcut);
        connect(item, &QAction::triggered, target, &QAction::trigger);
        connect(target, &QAction::changed, item, [item, target] {
          item->setText(target->text());
          item->setEnabled(target->isEnabled());
          item->setShortcut(target->shortcut());
        });
        break;
      }
      case 'I': {
        QAction* action = stack.last()->addAction(QString::fromUtf8(line.Caption));
        action->setObjectName(name);
        action->setShortcut(ShortCutToKeySequence(line.ShortCut));
        // Kept on the window too, so that its shortcut works while auto-hide hides its menu.
        addAction(action);
        break;
      }
    }
  }
}

void TMainForm::CreateToolBar() {
  FToolBar = addToolBar(QStringLiteral("ToolBar1"));
  FToolBar->setObjectName(QStringLiteral("ToolBar1"));
  FToolBar->setMovable(false);
  FToolBar->setIconSize(QSize(18, 18));
  for (const TToolLine& line : ToolLayout) {
    if (!line.Target) {
      auto* separator = new QWidget(FToolBar);
      separator->setObjectName(QString::fromLatin1(line.Name));
      separator->setFixedWidth(4);
      FToolBar->addWidget(separator);
      continue;
    }
    auto* button = new QToolButton(FToolBar);
    button->setObjectName(QString::fromLatin1(line.Name));
    button->setFixedSize(25, 25);
    QAction* target = Action(QString::fromLatin1(line.Target));
    if (line.Hint) {
      button->setIcon(ToolIcon(line.Icon));
      button->setToolTip(QString::fromLatin1(line.Hint));
      connect(button, &QToolButton::clicked, target, &QAction::trigger);
    } else {
      button->setDefaultAction(target);  // the edit actions show their own hint
    }
    FToolBar->addWidget(button);
  }
  // The "New file" button drops down the template menu; a click makes a blank document.
  auto* newPop = new QMenu(this);
  newPop->setObjectName(QStringLiteral("NewFilePop"));
  const char* const popItems[][3] = {{"NewHTML1", "New HTML", "HTMLfile1"},
                                     {"NewFrameset1", "New Frameset", "HTMLFrameset1"},
                                     {"NewJavaScript1", "New JavaScript", "JavaScript2"},
                                     {"NewCSS1", "New CSS", "CSSfile1"}};
  for (const auto& item : popItems) {
    QAction* action = newPop->addAction(QString::fromLatin1(item[1]));
    action->setObjectName(QString::fromLatin1(item[0]));
    connect(action, &QAction::triggered, Action(QString::fromLatin1(item[2])), &QAction::trigger);
  }
  QToolButton* newButton = ToolButton(QStringLiteral("ToolButton1"));
  newButton->setMenu(newPop);
  newButton->setPopupMode(QToolButton::MenuButtonPopup);
  newButton->setFixedSize(37, 25);

  for (int type = 0; type < 4; ++type) {
    const THLButton& line = HLButtonLayout[type];
    auto* button = new QToolButton(FToolBar);
    button->setObjectName(QString::fromLatin1(line.Name));
    button->setToolTip(QString::fromLatin1(line.Hint));
    button->setIcon(ToolIcon(line.Icon));
    button->setFixedSize(25, 25);
    button->setCheckable(true);
    button->setChecked(type == 0);
    // The buttons' state is ours: a click asks, and the handler decides what is down.
    connect(button, &QToolButton::clicked, this, [this, type] { HLBtnClick(type); });
    FHLButtons[type] = button;
    FToolBar->addWidget(button);
  }
}
