// The insert commands with constant texts, in menu order.
#include "InsertMarkup.h"

#include <algorithm>
#include <iterator>

namespace {

constexpr TMarkupItem kItems[] = {
    // &HTML > Block
    {"Paragraph1", "Paragraph", "Ctrl+P", "<P>", "</P>", crIfSelection, spBetween},
    {"Rightaligned1", "Right-align P", "", "<P ALIGN=\"Right\">", "</P>", crIfSelection, spBetween},
    {"CentredP1", "Centred P", "", "<P ALIGN=\"Center\">", "</P>", crIfSelection, spBetween},
    {"Jy1", "Justifyed P", "", "<P ALIGN=\"Justify\">", "</P>", crIfSelection, spBetween},
    {"BlockDIV1", "Block (DIV)", "Ctrl+D", "<DIV>", "</DIV>", crAlways, spBetween},
    {"RightalignDIV1", "Right-align DIV", "", "<DIV ALIGN=\"Right\">", "</DIV>", crAlways, spBetween},
    {"CenterdDIV1", "Centerd DIV", "", "<DIV ALIGN=\"Center\">", "</DIV>", crAlways, spBetween},
    {"JustifyedDIV1", "Justifyed DIV", "", "<DIV ALIGN=\"Justify\">", "</DIV>", crAlways, spBetween},
    // &HTML > Font
    {"Bold1", "Bold", "Ctrl+B", "<B>", "</B>", crAlways, spBetween},
    {"Italics1", "Italics", "Ctrl+I", "<I>", "</I>", crAlways, spBetween},
    {"Underline1", "Underline", "", "<U>", "</U>", crAlways, spBetween},
    {"Blink1", "Blink", "", "<BLINK>", "</BLINK>", crAlways, spBetween},
    {"Fixed1", "Fixed", "", "<TT>", "</TT>", crAlways, spBetween},
    {"Fontface1", "Font face", "", "<FONT FACE=\"\">", "</FONT>", crAlways, spBetween},
    {"Fontcolor1", "Font color", "", "<FONT COLOR=\"\">", "</FONT>", crAlways, spBetween},
    {"Fontsize1", "Font size", "", "<FONT SIZE=\"\">", "</FONT>", crAlways, spBetween},
    // &HTML > Lists
    {"Simple1", "Simple", "", "<UL>\n <LI>", "\n</UL>", crAlways, spBetween},
    {"Odrered1", "Odrered", "", "<OL>\n <LI>", "\n</OL>", crAlways, spBetween},
    {"Listitem1", "List item", "", "<LI>", "</LI>", crIfSelection, spBetween},
    // &HTML > Links (Link to file and URL from file build their texts from a file)
    {"Link1", "Link", "Ctrl+L", "<A HREF=\"\">", "</A>", crAlways, spBetween},
    {"Ancor1", "Ancor", "", "<A NAME=\"\">", "</A>", crIfSelection, spBetween},
    // &HTML > Objects (Image from file reads the picture's size)
    {"Image1", "Image", "Ctrl+K", "<IMG SRC=\"\">", "", crNever, spBetween},
    {"Embed1", "Embed", "", "<EMBED SRC=\"\" TYPE=\"\">", "</EMBED>", crAlways, spBetween},
    {"Object1", "Object", "", "<OBJECT SRC=\"\" TYPE=\"\">", "</OBJECT>", crAlways, spBetween},
    {"Applet1", "Applet", "", "<APPLET SRC=\"\">", "</APPLET>", crAlways, spBetween},
    {"Param1", "Param", "", "<PARAM NAME=\"\" VALUE=\"\">", "", crNever, spBetween},
    // &HTML > Metas (Author takes the user name; Description has no command)
    {"Keywords1", "Keywords", "", "<META NAME=\"Keywords\" CONTENT=\"\">", "", crNever, spBetween},
    {"Refresh1", "Refresh", "", "<META NAME=\"Refresh\" CONTENT=\"60\">", "", crNever, spBetween},
    {"Content1", "Content", "", "<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html\">", "", crNever,
     spBetween},
    // &HTML > Forms
    {"Form1", "Form", "", "<FORM NAME=\"Form1\">\n", "\n</FORM>", crAlways, spBetween},
    {"Button1", "Button", "", "<INPUT TYPE=\"Button\" NAME=\"Button1\" VALUE=\"Button\">", "", crNever,
     spBetween},
    {"Textfield1", "Text field", "", "<INPUT TYPE=\"Text\" NAME=\"Edit1\" VALUE=\"\">", "", crNever,
     spBetween},
    {"Textbox1", "Text box", "", "<TEXTAREA NAME=\"Memo1\">", "</TEXTAREA>", crAlways, spBetween},
    {"Listbox1", "List box", "", "<SELECT NAME=\"ComboBox1\">\n <OPTION>", "\n</SELECT>", crAlways,
     spBetween},
    {"Submit1", "Submit", "", "<INPUT TYPE=\"Submit\" NAME=\"Submit1\" VALUE=\"Submit form\">", "", crNever,
     spBetween},
    {"Reset1", "Reset", "", "<INPUT TYPE=\"Reset\" NAME=\"Reset\" VALUE=\"Reset form\">", "", crNever,
     spBetween},
    // &HTML > General
    {"HTML2", "HTML", "", "<HTML>\n", "\n</HTML>", crAlways, spBetween},
    {"HEAD1", "HEAD", "", "<HEAD>\n", "\n</HEAD>", crAlways, spBetween},
    {"TITLE1", "TITLE", "", "<TITLE>", "</TITLE>", crAlways, spBetween},
    {"BODY1", "BODY", "", "<BODY>\n", "\n</BODY>", crAlways, spBetween},
    {"FRAMESET1", "FRAMESET", "", "<FRAMESET>\n <FRAME SRC=\"\" NAME=\"\">", "\n</FRAMESET>", crAlways,
     spAfter},
    {"PRE1", "PRE-formatted", "", "<PRE>", "</PRE>", crAlways, spBetween},
    {"Breakline1", "Break line", "Ctrl+R", "<BR>", "", crNever, spAfter},
    {"Horizontalrule1", "Horizontal rule", "Ctrl+H", "<HR>", "", crNever, spAfter},
    // &JavaScript > Objects
    {"Document1", "Document", "", "document.", "", crNever, spBetween},
    {"Window1", "Window", "", "window.", "", crNever, spBetween},
    {"Navigator1", "Navigator", "", "navigator.", "", crNever, spBetween},
    // &JavaScript > Functions
    {"function1", "function...", "", "function ", "()", crAlways, spBetween},
    {"writeln1", "write", "", "write(", ")", crIfSelection, spBetween},
    {"writeln2", "writeln", "", "writeln(", ")", crIfSelection, spBetween},
    {"alert1", "alert", "", "alert(", ")", crIfSelection, spBetween},
    {"confirm1", "confirm", "", "confirm(", ")", crIfSelection, spBetween},
    // &JavaScript > Operators
    {"for1", "for", "", "for () {\n", "\n}", crIfSelection, spBetween},
    {"while1", "while", "", "while () {\n", "\n}", crIfSelection, spBetween},
    {"dowhile1", "do while", "", "do {\n", "\n} while ()", crAlways, spBetween},
    {"swithc1", "switch", "", "switch () {\n case :", "\n}", crAlways, spAfter},
    // &CSS > Box
    {"margin1", "margin", "", "margin:", "", crNever, spBetween},
    {"padding1", "padding", "", "padding:", "", crNever, spBetween},
    {"border1", "border", "", "border:", "", crNever, spBetween},
    {"width1", "width", "", "width:", "", crNever, spBetween},
    {"height1", "height", "", "height:", "", crNever, spBetween},
    // &CSS > Color
    {"background1", "background", "", "background-color:", "", crNever, spBetween},
    {"foreground1", "foreground", "", "color:", "", crNever, spBetween},
    // &CSS > Font
    {"family1", "family", "", "font-family:", "", crNever, spBetween},
    {"style2", "style", "", "font-style:", "", crNever, spBetween},
    {"weight1", "weight", "", "font-weight:", "", crNever, spBetween},
    {"size1", "size", "", "font-size:", "", crNever, spBetween},
    // &CSS > Text
    {"align1", "align", "", "text-align:", "", crNever, spBetween},
    {"style1", "indent", "", "text-indent:", "", crNever, spBetween},
    {"decoration1", "decoration", "", "text-decoration:", "", crNever, spBetween},
};

}  // namespace

std::span<const TMarkupItem> MarkupItems() { return kItems; }

const TMarkupItem* FindMarkupItem(std::string_view name) {
  const auto it = std::find_if(std::begin(kItems), std::end(kItems),
                               [name](const TMarkupItem& item) { return name == item.Name; });
  return it == std::end(kItems) ? nullptr : it;
}
