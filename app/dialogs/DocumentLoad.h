// Reading a document while the window stays alive: the file is read on a thread of its own, the window
// keeps painting, and a read that takes long shows its progress with a Cancel that answers at once.
#pragma once

#include <QString>

#include "DocumentFile.h"

class QWidget;

// ReadDocumentLines on a worker thread; questions (a file that does not look like text) are asked on the
// calling thread, in Parent. Cancel gives Declined and leaves Lines as they were.
TReadResult LoadDocumentLines(QWidget* Parent, const QString& Path, TxeLineStore& Lines, QString* Why,
                              TFileForm* Form, const TEncodingChoice& Choice);
