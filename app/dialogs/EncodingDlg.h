// The choice of an encoding for "Reopen with encoding…" and "Save with encoding…", behind one
// replaceable layer so that tests can answer it.
#pragma once

#include <QString>

#include "TextEncoding.h"

class QWidget;

class TEncodingDialogs {
 public:
  virtual ~TEncodingDialogs() = default;
  // False when the user cancels; Current is offered first.
  virtual bool Choose(QWidget* Parent, const QString& Title, const TEncoding& Current, TEncoding* Chosen) = 0;
};

TEncodingDialogs& EncodingDialogs();
// Replaces the layer; nullptr restores the dialog. The caller keeps ownership.
void SetEncodingDialogs(TEncodingDialogs* Dialogs);
