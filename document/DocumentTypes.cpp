#include "DocumentTypes.h"

int DocTypeOf(const QString& FileName) {
  const int dot = FileName.lastIndexOf(QLatin1Char('.'));
  const int slash = FileName.lastIndexOf(QLatin1Char('/'));
  QString ext = dot > slash ? FileName.mid(dot) : QString();
  for (QChar& c : ext)
    if (c >= QLatin1Char('A') && c <= QLatin1Char('Z')) c = QChar(c.unicode() + ('a' - 'A'));
  int type = dtNone;
  // Later tests win: ".jscss" is CSS.
  if (ext.contains(QLatin1String("htm")) || ext.contains(QLatin1String("php")) ||
      ext == QLatin1String(".asp"))
    type = dtHTML;
  if (ext.contains(QLatin1String("js"))) type = dtJavaScript;
  if (ext.contains(QLatin1String("css"))) type = dtCSS;
  return type;
}

QString DocTypeDefaultExt(int DocType) {
  switch (DocType) {
    case dtHTML: return QStringLiteral("html");
    case dtJavaScript: return QStringLiteral("js");
    case dtCSS: return QStringLiteral("css");
    default: return {};
  }
}

QString DefFTExtension(int DefFT) {
  switch (DefFT) {
    case 1: return QStringLiteral("html");
    case 2: return QStringLiteral("css");
    case 3: return QStringLiteral("js");
    default: return QStringLiteral("txt");
  }
}

const TDocTemplate* DocTemplate(int Kind, bool Modern) {
  static const TDocTemplate modernHTML = {
      "<!DOCTYPE html>\n<html>\n<head>\n <meta charset=\"utf-8\">\n "
      "<title>Untitled</title>\n</head>\n<body>\n\n"
      "</body>\n</html>",
      dtHTML, 2, 8, "html"};
  if (Modern && Kind == 1) return &modernHTML;
  static const TDocTemplate templates[] = {
      {"", dtNone, 1, 1, ""},
      {"<HTML>\n<HEAD>\n <TITLE>Untitled</TITLE>\n</HEAD>\n<BODY>\n\n</BODY>\n</HTML>", dtHTML, 2, 6, "html"},
      {"<HTML>\n<HEAD>\n <TITLE>Untitled</TITLE>\n</HEAD>\n<FRAMESET>\n <FRAME SRC=\"\" NAME=\"\">\n"
       " <FRAME SRC=\"\" NAME=\"\">\n</FRAMESET>\n</HTML>",
       dtHTML, 14, 6, "html"},
      {"//JavaScript\n ", dtJavaScript, 1, 2, "js"},
      {"/* CSS file */\n ", dtCSS, 1, 2, "css"},
  };
  if (Kind < 0 || Kind > 4) return nullptr;
  return &templates[Kind];
}
