// Memory as the commands see it: how much more the program can get.
#pragma once

#include <cstdint>

inline constexpr const char* kNotEnoughMemoryMessage =
    "There is not enough memory to finish this command.\nThe document is unchanged.";

// The least of: free memory and swap, what the program's control group still allows, and what its
// address-space and data-size limits leave.
std::uint64_t AvailableMemory();

// Whether Bytes more can be had out of Free, with room to spare for everything else the program does
// meanwhile.
bool MemoryAllows(std::uint64_t Bytes, std::uint64_t Free = AvailableMemory());
