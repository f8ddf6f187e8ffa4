#include "MainStatusBar.h"

#include <QLabel>

#include "xeEditModel.h"
#include "xeUtf8.h"

namespace {

QLabel* Field(TMainStatusBar* Bar, const char* Name, const QString& Widest) {
  auto* label = new QLabel(Bar);
  label->setObjectName(QString::fromLatin1(Name));
  // Wide enough for its longest text, so that fields do not shift while the caret moves.
  label->setMinimumWidth(label->fontMetrics().horizontalAdvance(Widest) + 8);
  label->setAlignment(Qt::AlignCenter);
  Bar->addPermanentWidget(label);
  return label;
}

void SetText(QLabel* Label, const QString& Text) {
  if (Label->text() != Text) Label->setText(Text);
  Label->setVisible(!Text.isEmpty());
}

}  // namespace

TMainStatusBar::TMainStatusBar(QWidget* Parent) : QStatusBar(Parent) {
  setObjectName(QStringLiteral("StatusBar1"));
  PosLbl = Field(this, "PosLbl", QStringLiteral("Ln 99999, Col 9999"));
  SelModeLbl = Field(this, "SelModeLbl", QStringLiteral("Column selection"));
  InsModeLbl = Field(this, "InsModeLbl", QStringLiteral("Overwrite"));
  ModifiedLbl = Field(this, "ModifiedLbl", QStringLiteral("Modified"));
  EncodingLbl = Field(this, "EncodingLbl", QStringLiteral("UTF-8"));
  LineBreakLbl = Field(this, "LineBreakLbl", QStringLiteral("CR LF"));
  SelModeLbl->hide();
  ModifiedLbl->hide();
  EncodingLbl->hide();
  LineBreakLbl->hide();
}

void TMainStatusBar::ShowEditorState(const TxeEditModel& Editor) {
  const int line = Editor.CaretLine();
  const int column = CharColumn(Editor.LineText(line), Editor.CaretCol());
  SetText(PosLbl, QStringLiteral("Ln %1, Col %2").arg(line).arg(column));
  QString mode;
  if (Editor.SelectionMode() == smColumn)
    mode = QStringLiteral("Column selection");
  else if (Editor.SelectionMode() == smLine)
    mode = QStringLiteral("Line selection");
  SetText(SelModeLbl, mode);
  SetText(InsModeLbl, Editor.InsertMode() ? QStringLiteral("Insert") : QStringLiteral("Overwrite"));
  SetText(ModifiedLbl, Editor.Modified() ? QStringLiteral("Modified") : QString());
}

void TMainStatusBar::SetFileFormat(const QString& Encoding, const QString& LineBreak) {
  SetText(EncodingLbl, Encoding);
  SetText(LineBreakLbl, LineBreak);
}
