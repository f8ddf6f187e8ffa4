// Binds the main window's completion component to Memo1: Ctrl+Space offers the words that fit the
// caret's place in the document.
#pragma once

class TMainForm;

void InstallCompletion(TMainForm& form);
