#include "MemoryReport.h"

#include <QString>

#include "MsgDlg.h"

void ReportNotEnoughMemory(QWidget* Parent) {
  MessageDlg(QString::fromLatin1(kNotEnoughMemoryMessage), mtError, mbOK, Parent);
}
