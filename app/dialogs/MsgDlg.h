// The application's message boxes, behind one replaceable layer so that tests can answer them.
#pragma once

#include <QString>

class QWidget;

enum TMsgDlgType { mtWarning, mtError, mtInformation, mtConfirmation };

// Buttons, combined as a set: mbYes | mbNo | mbCancel. With mbDefaultNo in the set, No is the default
// button (Enter) instead of Yes.
enum TMsgDlgBtn { mbYes = 1, mbNo = 2, mbOK = 4, mbCancel = 8, mbDefaultNo = 16 };

enum TModalResult { mrNone = 0, mrOk = 1, mrCancel = 2, mrYes = 6, mrNo = 7 };

class TMessageBoxes {
 public:
  virtual ~TMessageBoxes() = default;
  virtual TModalResult Show(QWidget* Parent, const QString& Text, TMsgDlgType Type, int Buttons) = 0;
};

// Shows a modal message box through the current layer (QMessageBox unless replaced).
TModalResult MessageDlg(const QString& Text, TMsgDlgType Type, int Buttons, QWidget* Parent = nullptr);

// Replaces the layer; nullptr restores the QMessageBox one. The caller keeps ownership.
void SetMessageBoxes(TMessageBoxes* Boxes);
