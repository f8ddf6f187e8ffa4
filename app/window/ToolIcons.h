// Small pictures of our own for the tool bar and the edit actions.
#pragma once

#include <QIcon>

enum TToolIcon {
  tiNone,
  tiNew,
  tiOpen,
  tiSave,
  tiPrint,
  tiSearch,
  tiCut,
  tiCopy,
  tiPaste,
  tiUndo,
  tiBrowserN,
  tiBrowserIE,
  tiBrowserCustom,
  tiExtended,
  tiHLNone,
  tiHLHTML,
  tiHLJS,
  tiHLCSS
};

QIcon ToolIcon(TToolIcon Kind);
