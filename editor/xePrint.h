// Printing an editor's text on a QPrinter: pages, margins, headers and footers, highlighter styles.
#pragma once

#include "xePrintTypes.h"

class QFont;
class QPrinter;
class QWidget;
class TxeCustomEdit;
class TxeEditModel;

// The printer the editor prints on, like the platform's one system printer: the print dialog sets it
// up, PrintDocument uses it.
QPrinter& xePrinter();

// What PrintDocument needs besides the model: the font, and the editor's background colour (tokens with
// that background print on the page colour).
struct TxePrintContext {
  const QFont* Font = nullptr;
  std::uint32_t EditorColor = 0x80000005;
};

// Prints the model's text, or part of it, on Printer. The outcome is reported through the editor's
// OnPrintStatus: prsStart, prsPage per page, prsFinish with Abort set when the job did not complete.
void PrintDocument(TxeEditModel& Editor, QPrinter& Printer, const TxePrintContext& Context,
                   const TxePrintOptions& Options);

// The editor's own print command, on xePrinter(): its Font unless Font is given, its Color as the page.
void PrintDocument(TxeCustomEdit& Editor, const QFont* Font, const TxePrintOptions& Options);
// The same for any widget that is an editing model: the widget's font.
void PrintDocument(QWidget& EditorWidget, TxeEditModel& Editor, const QFont* Font,
                   const TxePrintOptions& Options);
