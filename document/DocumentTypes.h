// Document types (0 none, 1 HTML, 2 JavaScript, 3 CSS), the New templates and file name extensions.
#pragma once

#include <QString>

enum TDocType { dtNone = 0, dtHTML = 1, dtJavaScript = 2, dtCSS = 3 };

// The type a file name's extension suggests.
int DocTypeOf(const QString& FileName);

// Extension (without dot) offered by Save As for a document type; empty for none.
QString DocTypeDefaultExt(int DocType);

// Extension of a new blank document for the default-file-type setting (0 txt, 1 html, 2 css, 3 js).
QString DefFTExtension(int DefFT);

// A New template: its text (lines joined by LF), the type it sets, the caret afterwards and the
// extension of the new file name (empty: taken from the default-file-type setting).
struct TDocTemplate {
  const char* Text;
  int DocType;
  int CaretX;
  int CaretY;
  const char* Extension;
};

// Kinds 0 (blank) to 4 (CSS); nullptr for any other kind. Modern: the HTML template of today's
// pages (a doctype and the character set) in place of kind 1.
const TDocTemplate* DocTemplate(int Kind, bool Modern = false);
