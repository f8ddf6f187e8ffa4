// Memory as the commands see it: how much more the program can get, and the edge every command that may
// need a lot of it runs behind, so that running out stops the command instead of ending the program.
#pragma once

#include <cstdint>
#include <new>
#include <stdexcept>

class QWidget;

inline constexpr const char* kNotEnoughMemoryMessage =
    "There is not enough memory to finish this command.\nThe document is unchanged.";

// The least of: free memory and swap, what the program's control group still allows, and what its
// address-space and data-size limits leave.
std::uint64_t AvailableMemory();

// Whether Bytes more can be had out of Free, with room to spare for everything else the program does
// meanwhile.
bool MemoryAllows(std::uint64_t Bytes, std::uint64_t Free = AvailableMemory());

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
