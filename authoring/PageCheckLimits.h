// How far a check of a page may go, from the page's size: the editor ends a check that takes longer,
// and quillan-check holds Tidy to the memory and gives it a stack deep enough for the page's nesting.
#pragma once

#include <cstddef>
#include <cstdint>

// Wall-clock seconds: half a minute, and three more for every started megabyte (Tidy reads a few MB a
// second of ordinary pages).
int PageCheckSeconds(std::size_t PageBytes);

// The memory Tidy may hold: 256 MB and 32 bytes for every byte of the page (ordinary pages take about
// a dozen), but never more than half of what the system has Available.
std::size_t PageCheckMemoryLimit(std::size_t PageBytes, std::uint64_t Available);

// The checking thread's stack: Tidy goes one call deeper for every element it nests, up to 27 bytes of
// stack for every byte of a page nested as deep as it can be; this gives twice that, 16 MB at least and
// 1 GB at most.
std::size_t PageCheckStackSize(std::size_t PageBytes);
