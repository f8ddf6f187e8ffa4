// Printing an editor's text on a QPrinter: pages, margins, headers and footers, highlighter styles.
#pragma once

#include "xePrintTypes.h"

class QFont;
class QPrinter;
class TxeEditModel;

// The printer the editor prints on, like the platform's one system printer: the print dialog sets it
// up, PrintDocument uses it.
QPrinter& xePrinter();

// What PrintDocument needs besides the model: the font (the editor's own when none is given), the editor's
// background colour (tokens with that background print on the page colour), the event and its sender.
struct TxePrintContext {
  const QFont* Font = nullptr;
  std::uint32_t EditorColor = 0x80000005;
  QObject* Sender = nullptr;
  TxePrintStatusEvent OnPrintStatus;
};

// Prints the model's text, or part of it, on Printer. The outcome is reported through OnPrintStatus:
// prsStart, prsPage per page, prsFinish with Abort set when the job did not complete.
void PrintDocument(TxeEditModel& Editor, QPrinter& Printer, const TxePrintContext& Context,
                   const TxePrintOptions& Options);
