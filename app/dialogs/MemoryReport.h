// The edge every command that may need a lot of memory runs behind, so that running out stops the
// command and tells the user instead of ending the program.
#pragma once

#include <new>
#include <stdexcept>

#include "MemoryBudget.h"

class QWidget;

void ReportNotEnoughMemory(QWidget* Parent);

// Runs Command; an allocation failure inside it is reported and gives false. Commands keep their changes
// of the document behind their allocations, so a failure leaves the document as it was.
template <class F>
bool RunWithinMemory(QWidget* Parent, F&& Command) {
  try {
    Command();
    return true;
  } catch (const std::bad_alloc&) {
  } catch (const std::length_error&) {
  }
  ReportNotEnoughMemory(Parent);
  return false;
}
