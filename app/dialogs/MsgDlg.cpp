#include "MsgDlg.h"

#include <QApplication>
#include <QMessageBox>

namespace {

class TQtMessageBoxes : public TMessageBoxes {
 public:
  TModalResult Show(QWidget* Parent, const QString& Text, TMsgDlgType Type, int Buttons) override {
    QMessageBox::Icon icon = QMessageBox::Information;
    QString title;
    switch (Type) {
      case mtWarning:
        icon = QMessageBox::Warning;
        title = QStringLiteral("Warning");
        break;
      case mtError:
        icon = QMessageBox::Critical;
        title = QStringLiteral("Error");
        break;
      case mtInformation:
        icon = QMessageBox::Information;
        title = QStringLiteral("Information");
        break;
      case mtConfirmation:
        icon = QMessageBox::Question;
        title = QStringLiteral("Confirm");
        break;
    }
    QMessageBox::StandardButtons buttons;
    if (Buttons & mbYes) buttons |= QMessageBox::Yes;
    if (Buttons & mbNo) buttons |= QMessageBox::No;
    if (Buttons & mbOK) buttons |= QMessageBox::Ok;
    if (Buttons & mbCancel) buttons |= QMessageBox::Cancel;
    if (!Parent) Parent = QApplication::activeWindow();
    QMessageBox box(icon, title, Text, buttons, Parent);
    if ((Buttons & mbDefaultNo) && (Buttons & mbNo)) box.setDefaultButton(QMessageBox::No);
    switch (box.exec()) {
      case QMessageBox::Yes: return mrYes;
      case QMessageBox::No: return mrNo;
      case QMessageBox::Ok: return mrOk;
      default: return mrCancel;  // also the close box and Escape
    }
  }
};

TQtMessageBoxes QtBoxes;
TMessageBoxes* Current = &QtBoxes;

}  // namespace

TModalResult MessageDlg(const QString& Text, TMsgDlgType Type, int Buttons, QWidget* Parent) {
  return Current->Show(Parent, Text, Type, Buttons);
}

void SetMessageBoxes(TMessageBoxes* Boxes) { Current = Boxes ? Boxes : &QtBoxes; }
