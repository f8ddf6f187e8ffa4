// TxeAccessibleEdit: the editor control for assistive technology, an editable multi-line text
// with Qt's text interfaces over TxeAccessibleText.
#pragma once

#include <QAccessibleWidget>

class TxeCustomEdit;

class TxeAccessibleEdit : public QAccessibleWidget,
                          public QAccessibleTextInterface,
                          public QAccessibleEditableTextInterface {
 public:
  explicit TxeAccessibleEdit(TxeCustomEdit* Edit);

  void* interface_cast(QAccessible::InterfaceType Type) override;
  QAccessible::State state() const override;
  QString text(QAccessible::Text Kind) const override;

  // QAccessibleTextInterface
  void selection(int SelectionIndex, int* StartOffset, int* EndOffset) const override;
  int selectionCount() const override;
  void addSelection(int StartOffset, int EndOffset) override;
  void removeSelection(int SelectionIndex) override;
  void setSelection(int SelectionIndex, int StartOffset, int EndOffset) override;
  int cursorPosition() const override;
  void setCursorPosition(int Position) override;
  QString text(int StartOffset, int EndOffset) const override;
  QString textBeforeOffset(int Offset, QAccessible::TextBoundaryType Boundary, int* StartOffset,
                           int* EndOffset) const override;
  QString textAfterOffset(int Offset, QAccessible::TextBoundaryType Boundary, int* StartOffset,
                          int* EndOffset) const override;
  QString textAtOffset(int Offset, QAccessible::TextBoundaryType Boundary, int* StartOffset,
                       int* EndOffset) const override;
  int characterCount() const override;
  QRect characterRect(int Offset) const override;
  int offsetAtPoint(const QPoint& Point) const override;
  void scrollToSubstring(int StartIndex, int EndIndex) override;
  QString attributes(int Offset, int* StartOffset, int* EndOffset) const override;

  // QAccessibleEditableTextInterface
  void deleteText(int StartOffset, int EndOffset) override;
  void insertText(int Offset, const QString& Text) override;
  void replaceText(int StartOffset, int EndOffset, const QString& Text) override;

 private:
  TxeCustomEdit* Edit() const;
};

// Makes Qt build a TxeAccessibleEdit for every editor control; called once by the first editor.
void InstallAccessibleEditFactory();
