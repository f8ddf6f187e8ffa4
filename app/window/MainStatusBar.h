// TMainStatusBar: where the caret is and what state the document is in, below the editor. It is
// refreshed from the editor's status report, so a keystroke costs one look at the caret line.
#pragma once

#include <QStatusBar>

class QLabel;
class TxeEditModel;

class TMainStatusBar : public QStatusBar {
  Q_OBJECT
 public:
  explicit TMainStatusBar(QWidget* Parent = nullptr);

  // Reads caret, modes and the modified flag from the editor.
  void ShowEditorState(const TxeEditModel& Editor);
  // What the document knows of its file; an empty text hides its field.
  void SetFileFormat(const QString& Encoding, const QString& LineBreak);

  QLabel* PosLbl = nullptr;
  QLabel* SelModeLbl = nullptr;
  QLabel* InsModeLbl = nullptr;
  QLabel* ModifiedLbl = nullptr;
  QLabel* EncodingLbl = nullptr;
  QLabel* LineBreakLbl = nullptr;
};
