// What a file carries besides its bytes, handed on when a save puts a new file in its place: its mode
// with the set-user-ID and set-group-ID bits (kept only where the owner and the group stay the same, as
// cp -p does), its group (root keeps the owner too; another user may give the group when a member of
// it), its access control list and its extended attributes of the user namespace.
#pragma once

#include <sys/stat.h>

// Gives the new file To the mode, owner and group of Old (the status of the file it replaces).
void CopyFileOwnership(const struct stat& Old, int To);
// Copies the access control list and the user's extended attributes of From to To; after
// CopyFileOwnership, since a new group or mode would change the list again.
void CopyExtendedAttributes(int From, int To);
// After an in-place rewrite, which makes the system drop the set-user-ID and set-group-ID bits of a
// file written by others than root: the bits come back where the user owns it.
void RestoreMode(const struct stat& Old, int Fd);
