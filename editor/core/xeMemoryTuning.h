// How the C library's allocator treats the large blocks an editor of huge files makes.
#pragma once

// Blocks from 128 KiB up come straight from the system and go back to it when freed. Without this, glibc
// raises that limit to the largest block freed so far, and a large text pasted and undone again and again
// stays resident after the model has let it go. Call once at program start.
void KeepLargeBlocksReturnable();
