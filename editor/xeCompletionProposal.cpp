#include "xeCompletionProposal.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QPixmap>
#include <QScrollBar>

#include <algorithm>

#include "xeColors.h"
#include "xeCustomEdit.h"

namespace {

constexpr int kFormWidth = 262;

}  // namespace

TCompletionProposalForm::TCompletionProposalForm(QWidget* owner)
    : QWidget(owner, Qt::Popup | Qt::FramelessWindowHint) {
  setObjectName("CompletionProposalForm");
  setAttribute(Qt::WA_ShowWithoutActivating, false);
  setFocusPolicy(Qt::StrongFocus);
  FEntryHeight = std::max(1, QFontMetrics(font()).height());
  FScrollBar = new QScrollBar(Qt::Vertical, this);
  FScrollBar->setFocusPolicy(Qt::NoFocus);
  connect(FScrollBar, &QScrollBar::valueChanged, this, &TCompletionProposalForm::ScrollMoved);
  resize(kFormWidth, height());
  Layout();
}

void TCompletionProposalForm::Layout() {
  const int h = FNbLinesInWindow * FEntryHeight + 2;
  if (height() != h) resize(width(), h);
  const int sbWidth = FScrollBar->sizeHint().width();
  const int sbLeft = width() - sbWidth - 2;
  FScrollBar->setGeometry(sbLeft, 2, sbWidth, std::max(0, h - 4));
  FBitmapRect = QRect(1, 1, std::max(0, sbLeft - 2), std::max(0, h - 2));
  UpdateScrollRange();
}

void TCompletionProposalForm::resizeEvent(QResizeEvent*) {
  const int sbWidth = FScrollBar->sizeHint().width();
  const int sbLeft = width() - sbWidth - 2;
  FScrollBar->setGeometry(sbLeft, 2, sbWidth, std::max(0, height() - 4));
  FBitmapRect = QRect(1, 1, std::max(0, sbLeft - 2), std::max(0, height() - 2));
}

void TCompletionProposalForm::UpdateScrollRange() {
  FScrollBar->setMaximum(std::max(int(ShownItems().size()) - FNbLinesInWindow, 0));
  FScrollBar->setPageStep(FNbLinesInWindow);
}

void TCompletionProposalForm::SetCurrentString(const QString& value) {
  FCurrentString = value;
  if (FFilterItems) {
    Refilter();
    return;
  }
  const Qt::CaseSensitivity cs = ffAnsi ? Qt::CaseInsensitive : Qt::CaseSensitive;
  for (int i = 0; i < FItemList.size(); ++i) {
    if (FItemList[i].startsWith(value, cs)) {
      SetPosition(i);
      break;
    }
  }
}

void TCompletionProposalForm::SetItemList(const QStringList& value) {
  FItemList = value;
  if (FFilterItems) {
    Refilter();
    return;
  }
  UpdateScrollRange();
  const int p = FPosition;
  FPosition = p + 1;  // re-apply: the setter ignores an unchanged value
  SetPosition(p);
  if (FPosition != p) FPosition = p;
  update();
}

void TCompletionProposalForm::SetFilterItems(bool value) {
  if (value == FFilterItems) return;
  FFilterItems = value;
  if (value) {
    Refilter();
  } else {
    UpdateScrollRange();
    update();
  }
}

// The shown entries are those the fragment begins; the first of them is selected.
void TCompletionProposalForm::Refilter() {
  const Qt::CaseSensitivity cs = ffAnsi ? Qt::CaseInsensitive : Qt::CaseSensitive;
  FShownItems.clear();
  for (const QString& item : FItemList)
    if (item.startsWith(FCurrentString, cs)) FShownItems.append(item);
  UpdateScrollRange();
  FPosition = 0;
  FScrollBar->setValue(0);
  update();
}

void TCompletionProposalForm::SetPosition(int value) {
  if (value > ShownItems().size() - 1 || value == FPosition) return;
  FPosition = value;
  if (value < FScrollBar->value())
    FScrollBar->setValue(value);
  else if (value > FScrollBar->value() + FNbLinesInWindow - 1)
    FScrollBar->setValue(value - FNbLinesInWindow + 1);
  update();
}

void TCompletionProposalForm::SetNbLinesInWindow(int value) {
  FNbLinesInWindow = std::max(1, value);
  Layout();
  update();
}

void TCompletionProposalForm::SelectNext() {
  if (FPosition < ShownItems().size() - 1) SetPosition(FPosition + 1);
}

void TCompletionProposalForm::SelectPrevious() {
  if (FPosition > 0) SetPosition(FPosition - 1);
}

void TCompletionProposalForm::ScrollMoved(int value) {
  // Keep the selection among the visible rows.
  if (FPosition < value)
    SetPosition(value);
  else if (FPosition > value + FNbLinesInWindow - 1)
    SetPosition(value + FNbLinesInWindow - 1);
  update();
}

void TCompletionProposalForm::Fire(const TCompletionNotifyEvent& handler) {
  if (handler) handler(this);
}

void TCompletionProposalForm::paintEvent(QPaintEvent*) {
  UpdateScrollRange();
  QPixmap bitmap(FBitmapRect.size().expandedTo(QSize(1, 1)));
  bitmap.fill(ColorToRGB(clWindow));
  {
    QPainter canvas(&bitmap);
    canvas.setFont(font());
    const int first = FScrollBar->value();
    const QStringList& items = ShownItems();
    const int rows = std::min(FNbLinesInWindow, int(items.size()));
    for (int i = 0; i < rows && first + i < items.size(); ++i) {
      const int k = first + i;
      const int y = i * FEntryHeight;
      if (k == FPosition) {
        canvas.fillRect(QRect(0, y, bitmap.width(), FEntryHeight), ColorToRGB(ClSelect));
      }
      canvas.setPen(Qt::black);
      if (OnPaintItem && OnPaintItem(items[k], canvas, 0, y)) continue;
      canvas.drawText(QRect(0, y, bitmap.width(), FEntryHeight), Qt::AlignLeft | Qt::AlignVCenter, items[k]);
    }
  }
  QPainter p(this);
  p.setPen(Qt::black);
  p.drawRect(rect().adjusted(0, 0, -1, -1));
  p.drawPixmap(FBitmapRect.topLeft(), bitmap);
}

void TCompletionProposalForm::keyPressEvent(QKeyEvent* event) {
  const Qt::KeyboardModifiers mods =
      event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
  const bool ctrl = mods & Qt::ControlModifier;
  switch (event->key()) {
    case Qt::Key_Backspace:
      if (mods == Qt::NoModifier && !FCurrentString.isEmpty()) {
        SetCurrentString(FCurrentString.chopped(1));
        Fire(OnKeyDelete);
      }
      break;
    case Qt::Key_Return:
    case Qt::Key_Enter: Fire(OnValidate); break;
    case Qt::Key_Tab:
      if (TabValidates) Fire(OnValidate);
      break;
    case Qt::Key_Escape:
    case Qt::Key_Space: Fire(OnCancel); break;
    case Qt::Key_PageUp:
      for (int i = 0; i < FNbLinesInWindow; ++i) SelectPrevious();
      break;
    case Qt::Key_PageDown:
      for (int i = 0; i < FNbLinesInWindow; ++i) SelectNext();
      break;
    case Qt::Key_End:
      if (ctrl) SetPosition(int(ShownItems().size()) - 1);
      break;
    case Qt::Key_Home:
      if (ctrl) SetPosition(0);
      break;
    case Qt::Key_Up: ctrl ? SetPosition(0) : SelectPrevious(); break;
    case Qt::Key_Down: ctrl ? SetPosition(int(ShownItems().size()) - 1) : SelectNext(); break;
    default: break;
  }
  // The character the key produced, unless the key already closed the popup.
  if (isVisible()) {
    for (QChar c : event->text()) {
      const ushort code = c.unicode();
      if (code >= 33 && code <= 122) {
        SetCurrentString(FCurrentString + c);
        if (OnKeyPress) OnKeyPress(this, c);
      } else if (code == 8) {
        if (OnKeyPress) OnKeyPress(this, c);
      } else {
        Fire(OnCancel);
        break;
      }
    }
  }
  update();
}

void TCompletionProposalForm::mousePressEvent(QMouseEvent* event) {
  SetPosition((int(event->position().y()) - 1) / FEntryHeight + FScrollBar->value());
}

bool TCompletionProposalForm::focusNextPrevChild(bool) {
  return false;  // Tab is a key of the popup, not a move between its children
}

bool TCompletionProposalForm::event(QEvent* event) {
  if (event->type() == QEvent::WindowDeactivate) hide();
  return QWidget::event(event);
}

TCompletionProposal::TCompletionProposal(QObject* owner)
    : QObject(owner), FForm(std::make_unique<TCompletionProposalForm>()) {}

TCompletionProposal::~TCompletionProposal() = default;

void TCompletionProposal::Popup(const QString& fragment, int x, int y) {
  FForm->move(x, y);
  FForm->SetCurrentString(fragment);
  if (OnExecute) OnExecute(this);
  FForm->show();
  FForm->activateWindow();
  FForm->setFocus();
}

TXeCompletionProposal::TXeCompletionProposal(QObject* owner) : TCompletionProposal(owner) {
  InstallPopupHandlers();
}

TXeCompletionProposal::~TXeCompletionProposal() {
  while (!FEditors.empty()) DetachEditor(FEditors.back().Editor);
}

TxeCustomEdit* TXeCompletionProposal::Editor() const {
  return FEditors.empty() ? nullptr : FEditors.front().Editor;
}

void TXeCompletionProposal::AttachEditor(TxeCustomEdit* editor) {
  if (!editor) return;
  for (const TBinding& b : FEditors)
    if (b.Editor == editor) return;
  QObject* object = editor;
  const auto destroyed = connect(object, &QObject::destroyed, this, [this, object] { Forget(object); });
  FEditors.push_back({editor, object, destroyed});
  object->installEventFilter(this);
}

void TXeCompletionProposal::DetachEditor(TxeCustomEdit* editor) {
  for (auto it = FEditors.begin(); it != FEditors.end(); ++it) {
    if (it->Editor != editor) continue;
    disconnect(it->Destroyed);
    it->Object->removeEventFilter(this);
    if (Form()->CurrentEditor == editor) Form()->CurrentEditor = nullptr;
    FEditors.erase(it);
    return;
  }
}

void TXeCompletionProposal::Forget(QObject* editor) {
  // Called while the editor is being destroyed: its TxeCustomEdit part is gone already.
  for (auto it = FEditors.begin(); it != FEditors.end(); ++it) {
    if (it->Object == editor) {
      FEditors.erase(it);
      return;
    }
  }
}

std::string TXeCompletionProposal::TokenBeforeCaret(TxeCustomEdit* editor) const {
  if (!editor) return {};
  const std::string line = editor->CurrentLineText();
  const int caret = editor->CaretCol();
  int i = caret - 1;
  if (i > int(line.size())) return {};
  const QByteArray ends = EndOfTokenChr.toUtf8();
  while (i > 0) {
    const auto c = static_cast<unsigned char>(line[size_t(i - 1)]);
    if (c <= 32 || ends.contains(char(c))) break;
    --i;
  }
  return line.substr(size_t(i), size_t(caret - 1 - i));
}

bool TXeCompletionProposal::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress) return false;
  auto it = std::find_if(FEditors.begin(), FEditors.end(),
                         [watched](const TBinding& b) { return b.Object == watched; });
  if (it == FEditors.end()) return false;
  TxeCustomEdit* editor = it->Editor;
  auto* key = static_cast<QKeyEvent*>(event);
  const bool keypad = key->modifiers() & Qt::KeypadModifier;
  const TShortCut pressed =
      ::ShortCut(QtKeyToVirtualKey(key->key(), keypad), QtModifiersToShiftState(unsigned(key->modifiers())));
  if (editor->ReadOnly() || pressed != ShortCut) return false;
  QString fragment = QString::fromUtf8(TokenBeforeCaret(editor));
  if (OnPlace) {
    QStringList items;
    if (!OnPlace(editor, fragment, items)) return true;
    SetItemList(items);
  }
  const QPoint caret = editor->TextPosToPixel(editor->CaretPos()) + QPoint(0, editor->LineHeight());
  const QPoint p = editor->viewport()->mapToGlobal(caret);
  Form()->CurrentEditor = editor;
  Popup(fragment, p.x(), p.y());
  return true;  // the editor sees neither the key nor its character
}

void TXeCompletionProposal::InstallPopupHandlers() {
  TCompletionProposalForm* form = Form();
  form->OnKeyPress = [form](QObject*, QChar& key) {
    if (TxeCustomEdit* editor = form->CurrentEditor) editor->CommandProcessor(ecChar, key.unicode());
  };
  form->OnKeyDelete = [form](QObject*) {
    if (TxeCustomEdit* editor = form->CurrentEditor) editor->CommandProcessor(ecDeleteLastChar);
  };
  form->OnValidate = [form](QObject*) {
    TxeCustomEdit* editor = form->CurrentEditor;
    if (!editor) return;
    const int length = int(form->CurrentString().toUtf8().size());
    const int pos = form->Position();
    const QStringList& items = form->ShownItems();
    // An empty list (or no entry under the selection) has nothing to insert.
    if (pos >= 0 && pos < items.size()) {
      editor->SetSelBegin({editor->CaretCol() - length, editor->CaretLine()});
      editor->SetSelEnd({editor->CaretCol(), editor->CaretLine()});
      editor->ReplaceSelectionWithUndo(items[pos].toStdString());
    }
    form->hide();
    editor->setFocus();
  };
  form->OnCancel = [form](QObject*) {
    TxeCustomEdit* editor = form->CurrentEditor;
    if (!editor) return;
    form->hide();
    if (QWidget* owner = editor->parentWidget()) owner->setFocus();
    editor->setFocus();
  };
}
