// Completion proposal: a popup list under the caret that preselects the entry matching the word
// fragment left of the caret and, on Enter, puts the chosen entry in place of that fragment.
#pragma once

#include <QPointer>
#include <QStringList>
#include <QWidget>

#include <functional>
#include <memory>
#include <vector>

#include "xeKeyCmds.h"
#include "xeTypes.h"

class QPainter;
class QScrollBar;
class TxeCustomEdit;

using TCompletionKeyPressEvent = std::function<void(QObject* Sender, QChar& Key)>;
using TCompletionNotifyEvent = std::function<void(QObject* Sender)>;
// Draws one entry; false leaves it to the default drawing.
using TCompletionPaintItemEvent = std::function<bool(const QString& Key, QPainter& Canvas, int X, int Y)>;
// Gives the fragment and the entries for the place of the editor's caret; false: nothing fits there.
using TCompletionPlaceEvent =
    std::function<bool(TxeCustomEdit* Editor, QString& Fragment, QStringList& Items)>;

// The borderless popup window.
class TCompletionProposalForm : public QWidget {
  Q_OBJECT
 public:
  explicit TCompletionProposalForm(QWidget* owner = nullptr);

  QString CurrentString() const { return FCurrentString; }
  void SetCurrentString(const QString& value);
  const QStringList& ItemList() const { return FItemList; }
  void SetItemList(const QStringList& value);
  // The entries on show: all of them, or with FilterItems those that start with CurrentString.
  // Position counts in this list.
  const QStringList& ShownItems() const { return FFilterItems ? FShownItems : FItemList; }
  bool FilterItems() const { return FFilterItems; }
  void SetFilterItems(bool value);
  bool TabValidates = false;  // Tab chooses the entry as Enter does
  int Position() const { return FPosition; }
  void SetPosition(int value);
  int NbLinesInWindow() const { return FNbLinesInWindow; }
  void SetNbLinesInWindow(int value);
  TColor ClSelect = clHighlight;
  bool ffAnsi = false;
  QPointer<TxeCustomEdit> CurrentEditor;

  TCompletionKeyPressEvent OnKeyPress;
  TCompletionNotifyEvent OnKeyDelete;
  TCompletionPaintItemEvent OnPaintItem;
  TCompletionNotifyEvent OnValidate;
  TCompletionNotifyEvent OnCancel;

  void SelectNext();
  void SelectPrevious();
  int EntryHeight() const { return FEntryHeight; }
  QScrollBar* ScrollBar() const { return FScrollBar; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  bool event(QEvent* event) override;
  bool focusNextPrevChild(bool next) override;

 private:
  void Layout();
  void UpdateScrollRange();
  void ScrollMoved(int value);
  void Fire(const TCompletionNotifyEvent& handler);
  void Refilter();

  QString FCurrentString;
  QStringList FItemList;
  QStringList FShownItems;
  bool FFilterItems = false;
  int FPosition = 0;
  int FNbLinesInWindow = 6;
  int FEntryHeight = 0;
  QScrollBar* FScrollBar = nullptr;
  QRect FBitmapRect;
};

// The non-visual component owning one popup.
class TCompletionProposal : public QObject {
  Q_OBJECT
 public:
  explicit TCompletionProposal(QObject* owner = nullptr);
  ~TCompletionProposal() override;

  TCompletionProposalForm* Form() const { return FForm.get(); }

  TCompletionNotifyEvent OnExecute;

  const QStringList& ItemList() const { return FForm->ItemList(); }
  void SetItemList(const QStringList& value) { FForm->SetItemList(value); }
  bool FilterItems() const { return FForm->FilterItems(); }
  void SetFilterItems(bool value) { FForm->SetFilterItems(value); }
  bool TabValidates() const { return FForm->TabValidates; }
  void SetTabValidates(bool value) { FForm->TabValidates = value; }
  int Position() const { return FForm->Position(); }
  void SetPosition(int value) { FForm->SetPosition(value); }
  int NbLinesInWindow() const { return FForm->NbLinesInWindow(); }
  void SetNbLinesInWindow(int value) { FForm->SetNbLinesInWindow(value); }
  TColor ClSelect() const { return FForm->ClSelect; }
  void SetClSelect(TColor value) { FForm->ClSelect = value; }
  bool AnsiStrings() const { return FForm->ffAnsi; }
  void SetAnsiStrings(bool value) { FForm->ffAnsi = value; }
  TCompletionPaintItemEvent& OnPaintItem() { return FForm->OnPaintItem; }

  // Shows the popup with its top-left corner at the screen point (x, y).
  void Popup(const QString& fragment, int x, int y);

 private:
  std::unique_ptr<TCompletionProposalForm> FForm;
};

// Binds the component to editors: their shortcut key opens the popup with the fragment left of
// the caret, and the popup's keys edit that editor. The key hooks are event filters, so they go
// away with the component.
class TXeCompletionProposal : public TCompletionProposal {
  Q_OBJECT
 public:
  explicit TXeCompletionProposal(QObject* owner = nullptr);
  ~TXeCompletionProposal() override;

  TShortCut ShortCut = 16416;  // Ctrl+Space
  QString EndOfTokenChr = "()[].";
  // When set, it chooses fragment and entries at each shortcut instead of TokenBeforeCaret and
  // the fixed list.
  TCompletionPlaceEvent OnPlace;

  // The first attached editor, or none.
  TxeCustomEdit* Editor() const;
  void SetEditor(TxeCustomEdit* editor) { AttachEditor(editor); }
  void AttachEditor(TxeCustomEdit* editor);
  void DetachEditor(TxeCustomEdit* editor);
  int EditorCount() const { return int(FEditors.size()); }

  // The word fragment left of the editor's caret (bytes of the line).
  std::string TokenBeforeCaret(TxeCustomEdit* editor) const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void InstallPopupHandlers();
  void Forget(QObject* editor);

  struct TBinding {
    TxeCustomEdit* Editor;
    QObject* Object;
    QMetaObject::Connection Destroyed;
  };
  std::vector<TBinding> FEditors;
};
