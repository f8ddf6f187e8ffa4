// At start, before any document is read: a save that rewrote a file in place and did not finish (the
// program was killed or the machine went down) may have left the file cut short. For each, the user is
// asked whether to put the file back as it was before that save.
#pragma once

#include <QString>

class QWidget;

// Folder: where the records are (none: the user's state folder).
void OfferUnfinishedSaves(QWidget* Parent, const QString& Folder = {});
