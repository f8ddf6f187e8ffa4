// The main window's three highlighters, with the attribute values of its form data.
#include "jxHTMLSyn.h"
#include "main.h"
#include "xeCSSSyn.h"
#include "xeJScriptSyn.h"

void TMainForm::CreateHighlighters() {
  HTMLSyn = new TjxHTMLSyn;
  HTMLSyn->AndAttri()->SetForeground(5925710);
  HTMLSyn->AndAttri()->SetStyle(fsBold);
  HTMLSyn->ASPAttri()->SetBackground(clYellow);
  HTMLSyn->ASPAttri()->SetForeground(clBlack);
  HTMLSyn->IdentifierAttri()->SetStyle(fsBold);
  HTMLSyn->KeyAttri()->SetForeground(8388672);
  HTMLSyn->KeyAttri()->SetStyle(fsBold);
  HTMLSyn->SymbolAttri()->SetStyle(fsBold);
  HTMLSyn->UndefKeyAttri()->SetForeground(8388672);
  HTMLSyn->UndefKeyAttri()->SetStyle(fsBold);
  HTMLSyn->ValueAttri()->SetForeground(11170560);

  JScriptSyn = new TxeJScriptSyn;
  JScriptSyn->CommentAttri()->SetStyle(fsItalic);
  JScriptSyn->KeyAttri()->SetStyle(fsBold);

  CSSSyn = new TxeCSSSyn;
  CSSSyn->CommentAttri()->SetStyle(fsItalic);
  CSSSyn->KeyAttri()->SetStyle(fsBold);
  CSSSyn->SetDefaultFilter("Cascading Stylesheets (*.css)|*.css");
}

void TMainForm::DestroyHighlighters() {
  delete HTMLSyn;
  delete JScriptSyn;
  delete CSSSyn;
  HTMLSyn = nullptr;
  JScriptSyn = nullptr;
  CSSSyn = nullptr;
}

TxeCustomHighLighter* TMainForm::HighLighterOf(int Type) const {
  switch (Type) {
    case dtHTML: return HTMLSyn;
    case dtJavaScript: return JScriptSyn;
    case dtCSS: return CSSSyn;
    default: return nullptr;
  }
}
