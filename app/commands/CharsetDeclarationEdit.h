// Before a document is saved in an encoding the user chose: when its page or style sheet declares another
// one, the user is asked whether the declaration should name the encoding the file will hold, and Yes
// changes it in the text as one undoable edit, caret and block kept where they were.
#pragma once

#include "CharsetDeclaration.h"

class QWidget;
class TxeEditModel;

// True when the declaration was changed.
bool OfferDeclarationChange(QWidget* Parent, TxeEditModel& Editor, TDeclarations Kind,
                            const TEncoding& Encoding);
