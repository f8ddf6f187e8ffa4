// The program's state folder ($XDG_STATE_HOME/quillan): recovery copies, records of in-place saves and the
// live preview's marks live there. It is the user's alone, and nothing in it is reached through a link.
#pragma once

#include <QString>

#include "RegularFile.h"

// $XDG_STATE_HOME/quillan, else ~/.local/state/quillan.
QString StateFolder();

// Folder opened without following a symbolic link: created (with its parents, made private) when Create
// says so and it is missing, its mode made 0700 when it is the user's; refused (not open, Why gives the
// reason, such as "is a symbolic link, not a folder") when it is a symbolic link, not a folder, another
// user's or cannot be made private. A folder that is missing and not to be created gives no Why.
TReadOnlyFile OpenStateFolder(const QString& Folder, bool Create, QString* Why);
