// The words completion offers in HTML and CSS. Made by scripts/gen-completion-tables.mjs from the npm
// packages mdn-data 2.37.2, html-tag-names 2.1.0, html-element-attributes 3.5.0, html-event-attributes 2.2.0,
// html-void-elements 3.0.0, aria-query 5.3.2. Do not edit: change the script and run `node
// scripts/gen-completion-tables.mjs`.

#include "CompletionTables.h"

namespace {

// clang-format off
constexpr std::string_view kList0[] = {"AccentColor", "AccentColorText", "ActiveBorder", "ActiveCaption",
    "ActiveText", "AppWorkspace", "Background", "ButtonBorder", "ButtonFace", "ButtonHighlight",
    "ButtonShadow", "ButtonText", "Canvas", "CanvasText", "CaptionText", "Field", "FieldText", "GrayText",
    "Highlight", "HighlightText", "InactiveBorder", "InactiveCaption", "InactiveCaptionText",
    "InfoBackground", "InfoText", "LinkText", "Mark", "MarkText", "Menu", "MenuText", "Scrollbar",
    "SelectedItem", "SelectedItemText", "ThreeDDarkShadow", "ThreeDFace", "ThreeDHighlight",
    "ThreeDLightShadow", "ThreeDShadow", "VisitedText", "Window", "WindowFrame", "WindowText", "aliceblue",
    "antiquewhite", "aqua", "aquamarine", "auto", "azure", "beige", "bisque", "black", "blanchedalmond",
    "blue", "blueviolet", "brown", "burlywood", "cadetblue", "chartreuse", "chocolate", "coral",
    "cornflowerblue", "cornsilk", "crimson", "currentColor", "cyan", "darkblue", "darkcyan", "darkgoldenrod",
    "darkgray", "darkgreen", "darkgrey", "darkkhaki", "darkmagenta", "darkolivegreen", "darkorange",
    "darkorchid", "darkred", "darksalmon", "darkseagreen", "darkslateblue", "darkslategray", "darkslategrey",
    "darkturquoise", "darkviolet", "deeppink", "deepskyblue", "dimgray", "dimgrey", "dodgerblue", "firebrick",
    "floralwhite", "forestgreen", "fuchsia", "gainsboro", "ghostwhite", "gold", "goldenrod", "gray", "green",
    "greenyellow", "grey", "honeydew", "hotpink", "indianred", "indigo", "ivory", "khaki", "lavender",
    "lavenderblush", "lawngreen", "lemonchiffon", "lightblue", "lightcoral", "lightcyan",
    "lightgoldenrodyellow", "lightgray", "lightgreen", "lightgrey", "lightpink", "lightsalmon",
    "lightseagreen", "lightskyblue", "lightslategray", "lightslategrey", "lightsteelblue", "lightyellow",
    "lime", "limegreen", "linen", "magenta", "maroon", "mediumaquamarine", "mediumblue", "mediumorchid",
    "mediumpurple", "mediumseagreen", "mediumslateblue", "mediumspringgreen", "mediumturquoise",
    "mediumvioletred", "midnightblue", "mintcream", "mistyrose", "moccasin", "navajowhite", "navy", "oldlace",
    "olive", "olivedrab", "orange", "orangered", "orchid", "palegoldenrod", "palegreen", "paleturquoise",
    "palevioletred", "papayawhip", "peachpuff", "peru", "pink", "plum", "powderblue", "purple",
    "rebeccapurple", "red", "rosybrown", "royalblue", "saddlebrown", "salmon", "sandybrown", "seagreen",
    "seashell", "sienna", "silver", "skyblue", "slateblue", "slategray", "slategrey", "snow", "springgreen",
    "steelblue", "tan", "teal", "thistle", "tomato", "transparent", "turquoise", "violet", "wheat", "white",
    "whitesmoke", "yellow", "yellowgreen"};
constexpr std::string_view kList1[] = {"color()", "color-mix()", "hsl()", "hsla()", "hwb()", "lab()", "lch()",
    "light-dark()", "oklab()", "oklch()", "rgb()", "rgba()"};
constexpr std::string_view kList2[] = {"baseline", "center", "end", "first", "flex-end", "flex-start", "last",
    "normal", "safe", "space-around", "space-between", "space-evenly", "start", "stretch", "unsafe"};
constexpr std::string_view kList3[] = {"anchor-center", "baseline", "center", "end", "first", "flex-end",
    "flex-start", "last", "normal", "safe", "self-end", "self-start", "start", "stretch", "unsafe"};
constexpr std::string_view kList4[] = {"anchor-center", "auto", "baseline", "center", "end", "first",
    "flex-end", "flex-start", "last", "normal", "safe", "self-end", "self-start", "start", "stretch",
    "unsafe"};
constexpr std::string_view kList5[] = {"alphabetic", "baseline", "central", "ideographic", "mathematical",
    "middle", "text-after-edge", "text-before-edge"};
constexpr std::string_view kList6[] = {"alternate", "alternate-reverse", "auto", "backwards", "both", "ease",
    "ease-in", "ease-in-out", "ease-out", "forwards", "infinite", "linear", "none", "normal", "paused",
    "reverse", "running", "step-end", "step-start"};
constexpr std::string_view kList7[] = {"calc()", "clamp()", "cubic-bezier()", "linear()", "max()", "min()",
    "scroll()", "steps()", "view()"};
constexpr std::string_view kList8[] = {"accumulate", "add", "replace"};
constexpr std::string_view kList9[] = {"calc()", "clamp()", "max()", "min()"};
constexpr std::string_view kList10[] = {"alternate", "alternate-reverse", "normal", "reverse"};
constexpr std::string_view kList11[] = {"auto"};
constexpr std::string_view kList12[] = {"backwards", "both", "forwards", "none"};
constexpr std::string_view kList13[] = {"infinite"};
constexpr std::string_view kList14[] = {"none"};
constexpr std::string_view kList15[] = {"paused", "running"};
constexpr std::string_view kList16[] = {"ease", "ease-in", "ease-in-out", "ease-out", "linear", "step-end",
    "step-start"};
constexpr std::string_view kList17[] = {"cubic-bezier()", "linear()", "steps()"};
constexpr std::string_view kList18[] = {"none", "pause", "play", "play-backwards", "play-forwards",
    "play-once", "replay", "reset"};
constexpr std::string_view kList19[] = {"auto", "button", "checkbox", "listbox", "menulist",
    "menulist-button", "meter", "none", "progress-bar", "radio", "searchfield", "textarea", "textfield"};
constexpr std::string_view kList20[] = {"blur()", "brightness()", "contrast()", "drop-shadow()",
    "grayscale()", "hue-rotate()", "invert()", "opacity()", "saturate()", "sepia()", "url()"};
constexpr std::string_view kList21[] = {"hidden", "visible"};
constexpr std::string_view kList22[] = {"AccentColor", "AccentColorText", "ActiveBorder", "ActiveCaption",
    "ActiveText", "AppWorkspace", "Background", "ButtonBorder", "ButtonFace", "ButtonHighlight",
    "ButtonShadow", "ButtonText", "Canvas", "CanvasText", "CaptionText", "Field", "FieldText", "GrayText",
    "Highlight", "HighlightText", "InactiveBorder", "InactiveCaption", "InactiveCaptionText",
    "InfoBackground", "InfoText", "LinkText", "Mark", "MarkText", "Menu", "MenuText", "Scrollbar",
    "SelectedItem", "SelectedItemText", "ThreeDDarkShadow", "ThreeDFace", "ThreeDHighlight",
    "ThreeDLightShadow", "ThreeDShadow", "VisitedText", "Window", "WindowFrame", "WindowText", "aliceblue",
    "antiquewhite", "aqua", "aquamarine", "auto", "azure", "beige", "bisque", "black", "blanchedalmond",
    "blue", "blueviolet", "border-box", "bottom", "brown", "burlywood", "cadetblue", "center", "chartreuse",
    "chocolate", "contain", "content-box", "coral", "cornflowerblue", "cornsilk", "cover", "crimson",
    "currentColor", "cyan", "darkblue", "darkcyan", "darkgoldenrod", "darkgray", "darkgreen", "darkgrey",
    "darkkhaki", "darkmagenta", "darkolivegreen", "darkorange", "darkorchid", "darkred", "darksalmon",
    "darkseagreen", "darkslateblue", "darkslategray", "darkslategrey", "darkturquoise", "darkviolet",
    "deeppink", "deepskyblue", "dimgray", "dimgrey", "dodgerblue", "firebrick", "fixed", "floralwhite",
    "forestgreen", "fuchsia", "gainsboro", "ghostwhite", "gold", "goldenrod", "gray", "green", "greenyellow",
    "grey", "honeydew", "hotpink", "indianred", "indigo", "ivory", "khaki", "lavender", "lavenderblush",
    "lawngreen", "left", "lemonchiffon", "lightblue", "lightcoral", "lightcyan", "lightgoldenrodyellow",
    "lightgray", "lightgreen", "lightgrey", "lightpink", "lightsalmon", "lightseagreen", "lightskyblue",
    "lightslategray", "lightslategrey", "lightsteelblue", "lightyellow", "lime", "limegreen", "linen",
    "local", "magenta", "maroon", "mediumaquamarine", "mediumblue", "mediumorchid", "mediumpurple",
    "mediumseagreen", "mediumslateblue", "mediumspringgreen", "mediumturquoise", "mediumvioletred",
    "midnightblue", "mintcream", "mistyrose", "moccasin", "navajowhite", "navy", "no-repeat", "none",
    "oldlace", "olive", "olivedrab", "orange", "orangered", "orchid", "padding-box", "palegoldenrod",
    "palegreen", "paleturquoise", "palevioletred", "papayawhip", "peachpuff", "peru", "pink", "plum",
    "powderblue", "purple", "rebeccapurple", "red", "repeat", "repeat-x", "repeat-y", "right", "rosybrown",
    "round", "royalblue", "saddlebrown", "salmon", "sandybrown", "scroll", "seagreen", "seashell", "sienna",
    "silver", "skyblue", "slateblue", "slategray", "slategrey", "snow", "space", "springgreen", "steelblue",
    "tan", "teal", "thistle", "tomato", "top", "transparent", "turquoise", "violet", "wheat", "white",
    "whitesmoke", "yellow", "yellowgreen"};
constexpr std::string_view kList23[] = {"calc()", "clamp()", "color()", "color-mix()", "conic-gradient()",
    "cross-fade()", "element()", "hsl()", "hsla()", "hwb()", "image()", "image-set()", "lab()", "lch()",
    "light-dark()", "linear-gradient()", "max()", "min()", "oklab()", "oklch()", "paint()",
    "radial-gradient()", "repeating-conic-gradient()", "repeating-linear-gradient()",
    "repeating-radial-gradient()", "rgb()", "rgba()", "url()"};
constexpr std::string_view kList24[] = {"fixed", "local", "scroll"};
constexpr std::string_view kList25[] = {"color", "color-burn", "color-dodge", "darken", "difference",
    "exclusion", "hard-light", "hue", "lighten", "luminosity", "multiply", "normal", "overlay", "saturation",
    "screen", "soft-light"};
constexpr std::string_view kList26[] = {"border-area", "border-box", "content-box", "padding-box", "text"};
constexpr std::string_view kList27[] = {"AccentColor", "AccentColorText", "ActiveBorder", "ActiveCaption",
    "ActiveText", "AppWorkspace", "Background", "ButtonBorder", "ButtonFace", "ButtonHighlight",
    "ButtonShadow", "ButtonText", "Canvas", "CanvasText", "CaptionText", "Field", "FieldText", "GrayText",
    "Highlight", "HighlightText", "InactiveBorder", "InactiveCaption", "InactiveCaptionText",
    "InfoBackground", "InfoText", "LinkText", "Mark", "MarkText", "Menu", "MenuText", "Scrollbar",
    "SelectedItem", "SelectedItemText", "ThreeDDarkShadow", "ThreeDFace", "ThreeDHighlight",
    "ThreeDLightShadow", "ThreeDShadow", "VisitedText", "Window", "WindowFrame", "WindowText", "aliceblue",
    "antiquewhite", "aqua", "aquamarine", "azure", "beige", "bisque", "black", "blanchedalmond", "blue",
    "blueviolet", "brown", "burlywood", "cadetblue", "chartreuse", "chocolate", "coral", "cornflowerblue",
    "cornsilk", "crimson", "currentColor", "cyan", "darkblue", "darkcyan", "darkgoldenrod", "darkgray",
    "darkgreen", "darkgrey", "darkkhaki", "darkmagenta", "darkolivegreen", "darkorange", "darkorchid",
    "darkred", "darksalmon", "darkseagreen", "darkslateblue", "darkslategray", "darkslategrey",
    "darkturquoise", "darkviolet", "deeppink", "deepskyblue", "dimgray", "dimgrey", "dodgerblue", "firebrick",
    "floralwhite", "forestgreen", "fuchsia", "gainsboro", "ghostwhite", "gold", "goldenrod", "gray", "green",
    "greenyellow", "grey", "honeydew", "hotpink", "indianred", "indigo", "ivory", "khaki", "lavender",
    "lavenderblush", "lawngreen", "lemonchiffon", "lightblue", "lightcoral", "lightcyan",
    "lightgoldenrodyellow", "lightgray", "lightgreen", "lightgrey", "lightpink", "lightsalmon",
    "lightseagreen", "lightskyblue", "lightslategray", "lightslategrey", "lightsteelblue", "lightyellow",
    "lime", "limegreen", "linen", "magenta", "maroon", "mediumaquamarine", "mediumblue", "mediumorchid",
    "mediumpurple", "mediumseagreen", "mediumslateblue", "mediumspringgreen", "mediumturquoise",
    "mediumvioletred", "midnightblue", "mintcream", "mistyrose", "moccasin", "navajowhite", "navy", "oldlace",
    "olive", "olivedrab", "orange", "orangered", "orchid", "palegoldenrod", "palegreen", "paleturquoise",
    "palevioletred", "papayawhip", "peachpuff", "peru", "pink", "plum", "powderblue", "purple",
    "rebeccapurple", "red", "rosybrown", "royalblue", "saddlebrown", "salmon", "sandybrown", "seagreen",
    "seashell", "sienna", "silver", "skyblue", "slateblue", "slategray", "slategrey", "snow", "springgreen",
    "steelblue", "tan", "teal", "thistle", "tomato", "transparent", "turquoise", "violet", "wheat", "white",
    "whitesmoke", "yellow", "yellowgreen"};
constexpr std::string_view kList28[] = {"conic-gradient()", "cross-fade()", "element()", "image()",
    "image-set()", "linear-gradient()", "paint()", "radial-gradient()", "repeating-conic-gradient()",
    "repeating-linear-gradient()", "repeating-radial-gradient()", "url()"};
constexpr std::string_view kList29[] = {"border-box", "content-box", "padding-box"};
constexpr std::string_view kList30[] = {"bottom", "center", "left", "right", "top"};
constexpr std::string_view kList31[] = {"center", "left", "right", "x-end", "x-start"};
constexpr std::string_view kList32[] = {"bottom", "center", "top", "y-end", "y-start"};
constexpr std::string_view kList33[] = {"no-repeat", "repeat", "repeat-x", "repeat-y", "round", "space"};
constexpr std::string_view kList34[] = {"auto", "contain", "cover"};
constexpr std::string_view kList35[] = {"baseline", "sub", "super"};
constexpr std::string_view kList36[] = {"auto", "first", "last"};
constexpr std::string_view kList37[] = {"auto", "fit-content", "max-content", "min-content"};
constexpr std::string_view kList38[] = {"anchor-size()", "calc()", "calc-size()", "clamp()", "fit-content()",
    "max()", "min()"};
constexpr std::string_view kList39[] = {"AccentColor", "AccentColorText", "ActiveBorder", "ActiveCaption",
    "ActiveText", "AppWorkspace", "Background", "ButtonBorder", "ButtonFace", "ButtonHighlight",
    "ButtonShadow", "ButtonText", "Canvas", "CanvasText", "CaptionText", "Field", "FieldText", "GrayText",
    "Highlight", "HighlightText", "InactiveBorder", "InactiveCaption", "InactiveCaptionText",
    "InfoBackground", "InfoText", "LinkText", "Mark", "MarkText", "Menu", "MenuText", "Scrollbar",
    "SelectedItem", "SelectedItemText", "ThreeDDarkShadow", "ThreeDFace", "ThreeDHighlight",
    "ThreeDLightShadow", "ThreeDShadow", "VisitedText", "Window", "WindowFrame", "WindowText", "aliceblue",
    "antiquewhite", "aqua", "aquamarine", "azure", "beige", "bisque", "black", "blanchedalmond", "blue",
    "blueviolet", "brown", "burlywood", "cadetblue", "chartreuse", "chocolate", "coral", "cornflowerblue",
    "cornsilk", "crimson", "currentColor", "cyan", "darkblue", "darkcyan", "darkgoldenrod", "darkgray",
    "darkgreen", "darkgrey", "darkkhaki", "darkmagenta", "darkolivegreen", "darkorange", "darkorchid",
    "darkred", "darksalmon", "darkseagreen", "darkslateblue", "darkslategray", "darkslategrey",
    "darkturquoise", "darkviolet", "dashed", "deeppink", "deepskyblue", "dimgray", "dimgrey", "dodgerblue",
    "dotted", "double", "firebrick", "floralwhite", "forestgreen", "fuchsia", "gainsboro", "ghostwhite",
    "gold", "goldenrod", "gray", "green", "greenyellow", "grey", "groove", "hidden", "honeydew", "hotpink",
    "indianred", "indigo", "inset", "ivory", "khaki", "lavender", "lavenderblush", "lawngreen",
    "lemonchiffon", "lightblue", "lightcoral", "lightcyan", "lightgoldenrodyellow", "lightgray", "lightgreen",
    "lightgrey", "lightpink", "lightsalmon", "lightseagreen", "lightskyblue", "lightslategray",
    "lightslategrey", "lightsteelblue", "lightyellow", "lime", "limegreen", "linen", "magenta", "maroon",
    "medium", "mediumaquamarine", "mediumblue", "mediumorchid", "mediumpurple", "mediumseagreen",
    "mediumslateblue", "mediumspringgreen", "mediumturquoise", "mediumvioletred", "midnightblue", "mintcream",
    "mistyrose", "moccasin", "navajowhite", "navy", "none", "oldlace", "olive", "olivedrab", "orange",
    "orangered", "orchid", "outset", "palegoldenrod", "palegreen", "paleturquoise", "palevioletred",
    "papayawhip", "peachpuff", "peru", "pink", "plum", "powderblue", "purple", "rebeccapurple", "red",
    "ridge", "rosybrown", "royalblue", "saddlebrown", "salmon", "sandybrown", "seagreen", "seashell",
    "sienna", "silver", "skyblue", "slateblue", "slategray", "slategrey", "snow", "solid", "springgreen",
    "steelblue", "tan", "teal", "thick", "thin", "thistle", "tomato", "transparent", "turquoise", "violet",
    "wheat", "white", "whitesmoke", "yellow", "yellowgreen"};
constexpr std::string_view kList40[] = {"calc()", "clamp()", "color()", "color-mix()", "hsl()", "hsla()",
    "hwb()", "lab()", "lch()", "light-dark()", "max()", "min()", "oklab()", "oklch()", "rgb()", "rgba()"};
constexpr std::string_view kList41[] = {"dashed", "dotted", "double", "groove", "hidden", "inset", "none",
    "outset", "ridge", "solid"};
constexpr std::string_view kList42[] = {"medium", "thick", "thin"};
constexpr std::string_view kList43[] = {"collapse", "separate"};
constexpr std::string_view kList44[] = {"auto", "fill", "none", "repeat", "round", "space", "stretch"};
constexpr std::string_view kList45[] = {"calc()", "clamp()", "conic-gradient()", "cross-fade()", "element()",
    "image()", "image-set()", "linear-gradient()", "max()", "min()", "paint()", "radial-gradient()",
    "repeating-conic-gradient()", "repeating-linear-gradient()", "repeating-radial-gradient()", "url()"};
constexpr std::string_view kList46[] = {"repeat", "round", "space", "stretch"};
constexpr std::string_view kList47[] = {"fill"};
constexpr std::string_view kList48[] = {"border-box", "content-box", "fill-box", "margin-box", "none",
    "padding-box", "stroke-box", "view-box"};
constexpr std::string_view kList49[] = {"circle()", "ellipse()", "inset()", "path()", "polygon()", "rect()",
    "shape()", "xywh()"};
constexpr std::string_view kList50[] = {"anchor()", "anchor-size()", "calc()", "clamp()", "max()", "min()"};
constexpr std::string_view kList51[] = {"clone", "slice"};
constexpr std::string_view kList52[] = {"AccentColor", "AccentColorText", "ActiveBorder", "ActiveCaption",
    "ActiveText", "AppWorkspace", "Background", "ButtonBorder", "ButtonFace", "ButtonHighlight",
    "ButtonShadow", "ButtonText", "Canvas", "CanvasText", "CaptionText", "Field", "FieldText", "GrayText",
    "Highlight", "HighlightText", "InactiveBorder", "InactiveCaption", "InactiveCaptionText",
    "InfoBackground", "InfoText", "LinkText", "Mark", "MarkText", "Menu", "MenuText", "Scrollbar",
    "SelectedItem", "SelectedItemText", "ThreeDDarkShadow", "ThreeDFace", "ThreeDHighlight",
    "ThreeDLightShadow", "ThreeDShadow", "VisitedText", "Window", "WindowFrame", "WindowText", "aliceblue",
    "antiquewhite", "aqua", "aquamarine", "azure", "beige", "bisque", "black", "blanchedalmond", "blue",
    "blueviolet", "brown", "burlywood", "cadetblue", "chartreuse", "chocolate", "coral", "cornflowerblue",
    "cornsilk", "crimson", "currentColor", "cyan", "darkblue", "darkcyan", "darkgoldenrod", "darkgray",
    "darkgreen", "darkgrey", "darkkhaki", "darkmagenta", "darkolivegreen", "darkorange", "darkorchid",
    "darkred", "darksalmon", "darkseagreen", "darkslateblue", "darkslategray", "darkslategrey",
    "darkturquoise", "darkviolet", "deeppink", "deepskyblue", "dimgray", "dimgrey", "dodgerblue", "firebrick",
    "floralwhite", "forestgreen", "fuchsia", "gainsboro", "ghostwhite", "gold", "goldenrod", "gray", "green",
    "greenyellow", "grey", "honeydew", "hotpink", "indianred", "indigo", "inset", "ivory", "khaki",
    "lavender", "lavenderblush", "lawngreen", "lemonchiffon", "lightblue", "lightcoral", "lightcyan",
    "lightgoldenrodyellow", "lightgray", "lightgreen", "lightgrey", "lightpink", "lightsalmon",
    "lightseagreen", "lightskyblue", "lightslategray", "lightslategrey", "lightsteelblue", "lightyellow",
    "lime", "limegreen", "linen", "magenta", "maroon", "mediumaquamarine", "mediumblue", "mediumorchid",
    "mediumpurple", "mediumseagreen", "mediumslateblue", "mediumspringgreen", "mediumturquoise",
    "mediumvioletred", "midnightblue", "mintcream", "mistyrose", "moccasin", "navajowhite", "navy", "none",
    "oldlace", "olive", "olivedrab", "orange", "orangered", "orchid", "palegoldenrod", "palegreen",
    "paleturquoise", "palevioletred", "papayawhip", "peachpuff", "peru", "pink", "plum", "powderblue",
    "purple", "rebeccapurple", "red", "rosybrown", "royalblue", "saddlebrown", "salmon", "sandybrown",
    "seagreen", "seashell", "sienna", "silver", "skyblue", "slateblue", "slategray", "slategrey", "snow",
    "springgreen", "steelblue", "tan", "teal", "thistle", "tomato", "transparent", "turquoise", "violet",
    "wheat", "white", "whitesmoke", "yellow", "yellowgreen"};
constexpr std::string_view kList53[] = {"border-box", "content-box"};
constexpr std::string_view kList54[] = {"all", "always", "auto", "avoid", "avoid-column", "avoid-page",
    "avoid-region", "column", "left", "page", "recto", "region", "right", "verso"};
constexpr std::string_view kList55[] = {"auto", "avoid", "avoid-column", "avoid-page", "avoid-region"};
constexpr std::string_view kList56[] = {"bottom", "top"};
constexpr std::string_view kList57[] = {"AccentColor", "AccentColorText", "ActiveBorder", "ActiveCaption",
    "ActiveText", "AppWorkspace", "Background", "ButtonBorder", "ButtonFace", "ButtonHighlight",
    "ButtonShadow", "ButtonText", "Canvas", "CanvasText", "CaptionText", "Field", "FieldText", "GrayText",
    "Highlight", "HighlightText", "InactiveBorder", "InactiveCaption", "InactiveCaptionText",
    "InfoBackground", "InfoText", "LinkText", "Mark", "MarkText", "Menu", "MenuText", "Scrollbar",
    "SelectedItem", "SelectedItemText", "ThreeDDarkShadow", "ThreeDFace", "ThreeDHighlight",
    "ThreeDLightShadow", "ThreeDShadow", "VisitedText", "Window", "WindowFrame", "WindowText", "aliceblue",
    "antiquewhite", "aqua", "aquamarine", "auto", "azure", "bar", "beige", "bisque", "black",
    "blanchedalmond", "block", "blue", "blueviolet", "brown", "burlywood", "cadetblue", "chartreuse",
    "chocolate", "coral", "cornflowerblue", "cornsilk", "crimson", "currentColor", "cyan", "darkblue",
    "darkcyan", "darkgoldenrod", "darkgray", "darkgreen", "darkgrey", "darkkhaki", "darkmagenta",
    "darkolivegreen", "darkorange", "darkorchid", "darkred", "darksalmon", "darkseagreen", "darkslateblue",
    "darkslategray", "darkslategrey", "darkturquoise", "darkviolet", "deeppink", "deepskyblue", "dimgray",
    "dimgrey", "dodgerblue", "firebrick", "floralwhite", "forestgreen", "fuchsia", "gainsboro", "ghostwhite",
    "gold", "goldenrod", "gray", "green", "greenyellow", "grey", "honeydew", "hotpink", "indianred", "indigo",
    "ivory", "khaki", "lavender", "lavenderblush", "lawngreen", "lemonchiffon", "lightblue", "lightcoral",
    "lightcyan", "lightgoldenrodyellow", "lightgray", "lightgreen", "lightgrey", "lightpink", "lightsalmon",
    "lightseagreen", "lightskyblue", "lightslategray", "lightslategrey", "lightsteelblue", "lightyellow",
    "lime", "limegreen", "linen", "magenta", "manual", "maroon", "mediumaquamarine", "mediumblue",
    "mediumorchid", "mediumpurple", "mediumseagreen", "mediumslateblue", "mediumspringgreen",
    "mediumturquoise", "mediumvioletred", "midnightblue", "mintcream", "mistyrose", "moccasin", "navajowhite",
    "navy", "oldlace", "olive", "olivedrab", "orange", "orangered", "orchid", "palegoldenrod", "palegreen",
    "paleturquoise", "palevioletred", "papayawhip", "peachpuff", "peru", "pink", "plum", "powderblue",
    "purple", "rebeccapurple", "red", "rosybrown", "royalblue", "saddlebrown", "salmon", "sandybrown",
    "seagreen", "seashell", "sienna", "silver", "skyblue", "slateblue", "slategray", "slategrey", "snow",
    "springgreen", "steelblue", "tan", "teal", "thistle", "tomato", "transparent", "turquoise", "underscore",
    "violet", "wheat", "white", "whitesmoke", "yellow", "yellowgreen"};
constexpr std::string_view kList58[] = {"auto", "manual"};
constexpr std::string_view kList59[] = {"auto", "bar", "block", "underscore"};
constexpr std::string_view kList60[] = {"both", "inline-end", "inline-start", "left", "none", "right"};
constexpr std::string_view kList61[] = {"circle()", "ellipse()", "inset()", "path()", "polygon()", "rect()",
    "shape()", "url()", "xywh()"};
constexpr std::string_view kList62[] = {"evenodd", "nonzero"};
constexpr std::string_view kList63[] = {"auto", "linearRGB", "sRGB"};
constexpr std::string_view kList64[] = {"dark", "light", "normal", "only"};
constexpr std::string_view kList65[] = {"auto", "balance"};
constexpr std::string_view kList66[] = {"normal"};
constexpr std::string_view kList67[] = {"all", "none"};
constexpr std::string_view kList68[] = {"auto", "nowrap", "wrap"};
constexpr std::string_view kList69[] = {"content", "inline-size", "layout", "none", "paint", "size", "strict",
    "style"};
constexpr std::string_view kList70[] = {"auto", "none"};
constexpr std::string_view kList71[] = {"inline-size", "none", "normal", "scroll-state", "size"};
constexpr std::string_view kList72[] = {"inline-size", "normal", "scroll-state", "size"};
constexpr std::string_view kList73[] = {"close-quote", "no-close-quote", "no-open-quote", "none", "normal",
    "open-quote"};
constexpr std::string_view kList74[] = {"attr()", "conic-gradient()", "counter()", "counters()",
    "cross-fade()", "element()", "image()", "image-set()", "linear-gradient()", "paint()",
    "radial-gradient()", "repeating-conic-gradient()", "repeating-linear-gradient()",
    "repeating-radial-gradient()", "url()"};
constexpr std::string_view kList75[] = {"auto", "hidden", "visible"};
constexpr std::string_view kList76[] = {"bevel", "notch", "round", "scoop", "square", "squircle"};
constexpr std::string_view kList77[] = {"superellipse()"};
constexpr std::string_view kList78[] = {"calc()", "clamp()", "max()", "min()", "reversed()"};
constexpr std::string_view kList79[] = {"alias", "all-scroll", "auto", "cell", "col-resize", "context-menu",
    "copy", "crosshair", "default", "e-resize", "ew-resize", "grab", "grabbing", "help", "move", "n-resize",
    "ne-resize", "nesw-resize", "no-drop", "none", "not-allowed", "ns-resize", "nw-resize", "nwse-resize",
    "pointer", "progress", "row-resize", "s-resize", "se-resize", "sw-resize", "text", "vertical-text",
    "w-resize", "wait", "zoom-in", "zoom-out"};
constexpr std::string_view kList80[] = {"url()"};
constexpr std::string_view kList81[] = {"path()"};
constexpr std::string_view kList82[] = {"ltr", "rtl"};
constexpr std::string_view kList83[] = {"block", "contents", "flex", "flow", "flow-root", "grid", "inline",
    "inline-block", "inline-flex", "inline-grid", "inline-list-item", "inline-table", "list-item", "none",
    "ruby", "ruby-base", "ruby-base-container", "ruby-text", "ruby-text-container", "run-in", "table",
    "table-caption", "table-cell", "table-column", "table-column-group", "table-footer-group",
    "table-header-group", "table-row", "table-row-group"};
constexpr std::string_view kList84[] = {"alphabetic", "auto", "central", "hanging", "ideographic",
    "mathematical", "middle", "text-bottom", "text-top"};
constexpr std::string_view kList85[] = {"constrained", "no-limit", "standard"};
constexpr std::string_view kList86[] = {"dynamic-range-limit-mix()"};
constexpr std::string_view kList87[] = {"hide", "show"};
constexpr std::string_view kList88[] = {"AccentColor", "AccentColorText", "ActiveBorder", "ActiveCaption",
    "ActiveText", "AppWorkspace", "Background", "ButtonBorder", "ButtonFace", "ButtonHighlight",
    "ButtonShadow", "ButtonText", "Canvas", "CanvasText", "CaptionText", "Field", "FieldText", "GrayText",
    "Highlight", "HighlightText", "InactiveBorder", "InactiveCaption", "InactiveCaptionText",
    "InfoBackground", "InfoText", "LinkText", "Mark", "MarkText", "Menu", "MenuText", "Scrollbar",
    "SelectedItem", "SelectedItemText", "ThreeDDarkShadow", "ThreeDFace", "ThreeDHighlight",
    "ThreeDLightShadow", "ThreeDShadow", "VisitedText", "Window", "WindowFrame", "WindowText", "aliceblue",
    "antiquewhite", "aqua", "aquamarine", "azure", "beige", "bisque", "black", "blanchedalmond", "blue",
    "blueviolet", "brown", "burlywood", "cadetblue", "chartreuse", "chocolate", "context-fill",
    "context-stroke", "coral", "cornflowerblue", "cornsilk", "crimson", "currentColor", "cyan", "darkblue",
    "darkcyan", "darkgoldenrod", "darkgray", "darkgreen", "darkgrey", "darkkhaki", "darkmagenta",
    "darkolivegreen", "darkorange", "darkorchid", "darkred", "darksalmon", "darkseagreen", "darkslateblue",
    "darkslategray", "darkslategrey", "darkturquoise", "darkviolet", "deeppink", "deepskyblue", "dimgray",
    "dimgrey", "dodgerblue", "firebrick", "floralwhite", "forestgreen", "fuchsia", "gainsboro", "ghostwhite",
    "gold", "goldenrod", "gray", "green", "greenyellow", "grey", "honeydew", "hotpink", "indianred", "indigo",
    "ivory", "khaki", "lavender", "lavenderblush", "lawngreen", "lemonchiffon", "lightblue", "lightcoral",
    "lightcyan", "lightgoldenrodyellow", "lightgray", "lightgreen", "lightgrey", "lightpink", "lightsalmon",
    "lightseagreen", "lightskyblue", "lightslategray", "lightslategrey", "lightsteelblue", "lightyellow",
    "lime", "limegreen", "linen", "magenta", "maroon", "mediumaquamarine", "mediumblue", "mediumorchid",
    "mediumpurple", "mediumseagreen", "mediumslateblue", "mediumspringgreen", "mediumturquoise",
    "mediumvioletred", "midnightblue", "mintcream", "mistyrose", "moccasin", "navajowhite", "navy", "none",
    "oldlace", "olive", "olivedrab", "orange", "orangered", "orchid", "palegoldenrod", "palegreen",
    "paleturquoise", "palevioletred", "papayawhip", "peachpuff", "peru", "pink", "plum", "powderblue",
    "purple", "rebeccapurple", "red", "rosybrown", "royalblue", "saddlebrown", "salmon", "sandybrown",
    "seagreen", "seashell", "sienna", "silver", "skyblue", "slateblue", "slategray", "slategrey", "snow",
    "springgreen", "steelblue", "tan", "teal", "thistle", "tomato", "transparent", "turquoise", "violet",
    "wheat", "white", "whitesmoke", "yellow", "yellowgreen"};
constexpr std::string_view kList89[] = {"color()", "color-mix()", "hsl()", "hsla()", "hwb()", "lab()",
    "lch()", "light-dark()", "oklab()", "oklch()", "rgb()", "rgba()", "url()"};
constexpr std::string_view kList90[] = {"auto", "content", "fit-content", "max-content", "min-content",
    "none"};
constexpr std::string_view kList91[] = {"auto", "content", "fit-content", "max-content", "min-content"};
constexpr std::string_view kList92[] = {"column", "column-reverse", "row", "row-reverse"};
constexpr std::string_view kList93[] = {"balance", "column", "column-reverse", "nowrap", "row", "row-reverse",
    "wrap", "wrap-reverse"};
constexpr std::string_view kList94[] = {"balance", "nowrap", "wrap", "wrap-reverse"};
constexpr std::string_view kList95[] = {"inline-end", "inline-start", "left", "none", "right"};
constexpr std::string_view kList96[] = {"bold", "bolder", "caption", "condensed", "cursive", "emoji",
    "expanded", "extra-condensed", "extra-expanded", "fangsong", "fantasy", "icon", "italic", "large",
    "larger", "lighter", "math", "medium", "menu", "message-box", "monospace", "normal", "oblique",
    "sans-serif", "semi-condensed", "semi-expanded", "serif", "small", "small-caps", "small-caption",
    "smaller", "status-bar", "system-ui", "ui-monospace", "ui-rounded", "ui-sans-serif", "ui-serif",
    "ultra-condensed", "ultra-expanded", "x-large", "x-small", "xx-large", "xx-small", "xxx-large"};
constexpr std::string_view kList97[] = {"cursive", "emoji", "fangsong", "fantasy", "math", "monospace",
    "sans-serif", "serif", "system-ui", "ui-monospace", "ui-rounded", "ui-sans-serif", "ui-serif"};
constexpr std::string_view kList98[] = {"normal", "off", "on"};
constexpr std::string_view kList99[] = {"auto", "none", "normal"};
constexpr std::string_view kList100[] = {"dark", "light", "normal"};
constexpr std::string_view kList101[] = {"palette-mix()"};
constexpr std::string_view kList102[] = {"large", "larger", "math", "medium", "small", "smaller", "x-large",
    "x-small", "xx-large", "xx-small", "xxx-large"};
constexpr std::string_view kList103[] = {"cap-height", "ch-width", "ex-height", "from-font", "ic-height",
    "ic-width", "none"};
constexpr std::string_view kList104[] = {"italic", "normal", "oblique"};
constexpr std::string_view kList105[] = {"none", "position", "small-caps", "style", "weight"};
constexpr std::string_view kList106[] = {"all-petite-caps", "all-small-caps", "common-ligatures",
    "contextual", "diagonal-fractions", "discretionary-ligatures", "full-width", "historical-forms",
    "historical-ligatures", "jis04", "jis78", "jis83", "jis90", "lining-nums", "no-common-ligatures",
    "no-contextual", "no-discretionary-ligatures", "no-historical-ligatures", "none", "normal",
    "oldstyle-nums", "ordinal", "petite-caps", "proportional-nums", "proportional-width", "ruby",
    "simplified", "slashed-zero", "small-caps", "stacked-fractions", "tabular-nums", "titling-caps",
    "traditional", "unicase"};
constexpr std::string_view kList107[] = {"annotation()", "character-variant()", "ornaments()", "styleset()",
    "stylistic()", "swash()"};
constexpr std::string_view kList108[] = {"historical-forms", "normal"};
constexpr std::string_view kList109[] = {"all-petite-caps", "all-small-caps", "normal", "petite-caps",
    "small-caps", "titling-caps", "unicase"};
constexpr std::string_view kList110[] = {"full-width", "jis04", "jis78", "jis83", "jis90", "normal",
    "proportional-width", "ruby", "simplified", "traditional"};
constexpr std::string_view kList111[] = {"emoji", "normal", "text", "unicode"};
constexpr std::string_view kList112[] = {"common-ligatures", "contextual", "discretionary-ligatures",
    "historical-ligatures", "no-common-ligatures", "no-contextual", "no-discretionary-ligatures",
    "no-historical-ligatures", "none", "normal"};
constexpr std::string_view kList113[] = {"diagonal-fractions", "lining-nums", "normal", "oldstyle-nums",
    "ordinal", "proportional-nums", "slashed-zero", "stacked-fractions", "tabular-nums"};
constexpr std::string_view kList114[] = {"normal", "sub", "super"};
constexpr std::string_view kList115[] = {"bold", "bolder", "lighter", "normal"};
constexpr std::string_view kList116[] = {"auto", "none", "preserve-parent-color"};
constexpr std::string_view kList117[] = {"auto", "content-block-size", "content-height",
    "content-inline-size", "content-width"};
constexpr std::string_view kList118[] = {"auto", "auto-flow", "dense", "max-content", "min-content", "none",
    "subgrid"};
constexpr std::string_view kList119[] = {"calc()", "clamp()", "fit-content()", "max()", "min()", "minmax()",
    "repeat()"};
constexpr std::string_view kList120[] = {"auto", "span"};
constexpr std::string_view kList121[] = {"auto", "max-content", "min-content"};
constexpr std::string_view kList122[] = {"calc()", "clamp()", "fit-content()", "max()", "min()", "minmax()"};
constexpr std::string_view kList123[] = {"column", "dense", "row"};
constexpr std::string_view kList124[] = {"auto", "max-content", "min-content", "none", "subgrid"};
constexpr std::string_view kList125[] = {"allow-end", "first", "force-end", "last", "none"};
constexpr std::string_view kList126[] = {"auto", "manual", "none"};
constexpr std::string_view kList127[] = {"flip", "from-image"};
constexpr std::string_view kList128[] = {"auto", "crisp-edges", "pixelated", "smooth"};
constexpr std::string_view kList129[] = {"auto", "inert"};
constexpr std::string_view kList130[] = {"auto", "isolate"};
constexpr std::string_view kList131[] = {"center", "end", "flex-end", "flex-start", "left", "normal", "right",
    "safe", "space-around", "space-between", "space-evenly", "start", "stretch", "unsafe"};
constexpr std::string_view kList132[] = {"anchor-center", "baseline", "center", "end", "first", "flex-end",
    "flex-start", "last", "left", "legacy", "normal", "right", "safe", "self-end", "self-start", "start",
    "stretch", "unsafe"};
constexpr std::string_view kList133[] = {"anchor-center", "auto", "baseline", "center", "end", "first",
    "flex-end", "flex-start", "last", "left", "normal", "right", "safe", "self-end", "self-start", "start",
    "stretch", "unsafe"};
constexpr std::string_view kList134[] = {"anywhere", "auto", "loose", "normal", "strict"};
constexpr std::string_view kList135[] = {"arabic-indic", "armenian", "bengali", "cambodian", "circle",
    "cjk-decimal", "cjk-earthly-branch", "cjk-heavenly-stem", "decimal", "decimal-leading-zero", "devanagari",
    "disc", "disclosure-closed", "disclosure-open", "ethiopic-numeric", "georgian", "gujarati", "gurmukhi",
    "hebrew", "hiragana", "hiragana-iroha", "inside", "japanese-formal", "japanese-informal", "kannada",
    "katakana", "katakana-iroha", "khmer", "korean-hangul-formal", "korean-hanja-formal",
    "korean-hanja-informal", "lao", "lower-alpha", "lower-armenian", "lower-greek", "lower-latin",
    "lower-roman", "malayalam", "mongolian", "myanmar", "none", "oriya", "outside", "persian",
    "simp-chinese-formal", "simp-chinese-informal", "square", "tamil", "telugu", "thai", "tibetan",
    "trad-chinese-formal", "trad-chinese-informal", "upper-alpha", "upper-armenian", "upper-latin",
    "upper-roman"};
constexpr std::string_view kList136[] = {"conic-gradient()", "cross-fade()", "element()", "image()",
    "image-set()", "linear-gradient()", "paint()", "radial-gradient()", "repeating-conic-gradient()",
    "repeating-linear-gradient()", "repeating-radial-gradient()", "symbols()", "url()"};
constexpr std::string_view kList137[] = {"inside", "outside"};
constexpr std::string_view kList138[] = {"arabic-indic", "armenian", "bengali", "cambodian", "circle",
    "cjk-decimal", "cjk-earthly-branch", "cjk-heavenly-stem", "decimal", "decimal-leading-zero", "devanagari",
    "disc", "disclosure-closed", "disclosure-open", "ethiopic-numeric", "georgian", "gujarati", "gurmukhi",
    "hebrew", "hiragana", "hiragana-iroha", "japanese-formal", "japanese-informal", "kannada", "katakana",
    "katakana-iroha", "khmer", "korean-hangul-formal", "korean-hanja-formal", "korean-hanja-informal", "lao",
    "lower-alpha", "lower-armenian", "lower-greek", "lower-latin", "lower-roman", "malayalam", "mongolian",
    "myanmar", "none", "oriya", "persian", "simp-chinese-formal", "simp-chinese-informal", "square", "tamil",
    "telugu", "thai", "tibetan", "trad-chinese-formal", "trad-chinese-informal", "upper-alpha",
    "upper-armenian", "upper-latin", "upper-roman"};
constexpr std::string_view kList139[] = {"symbols()"};
constexpr std::string_view kList140[] = {"anchor-size()", "calc()", "clamp()", "max()", "min()"};
constexpr std::string_view kList141[] = {"add", "alpha", "auto", "border-box", "bottom", "center", "contain",
    "content-box", "cover", "exclude", "fill-box", "intersect", "left", "luminance", "margin-box",
    "match-source", "no-clip", "no-repeat", "none", "padding-box", "repeat", "repeat-x", "repeat-y", "right",
    "round", "space", "stroke-box", "subtract", "top", "view-box"};
constexpr std::string_view kList142[] = {"alpha", "auto", "fill", "luminance", "none", "repeat", "round",
    "space", "stretch"};
constexpr std::string_view kList143[] = {"alpha", "luminance"};
constexpr std::string_view kList144[] = {"border-box", "content-box", "fill-box", "no-clip", "padding-box",
    "stroke-box", "view-box"};
constexpr std::string_view kList145[] = {"add", "exclude", "intersect", "subtract"};
constexpr std::string_view kList146[] = {"alpha", "luminance", "match-source"};
constexpr std::string_view kList147[] = {"border-box", "content-box", "fill-box", "padding-box", "stroke-box",
    "view-box"};
constexpr std::string_view kList148[] = {"auto-add"};
constexpr std::string_view kList149[] = {"add()", "calc()", "clamp()", "max()", "min()"};
constexpr std::string_view kList150[] = {"compact", "normal"};
constexpr std::string_view kList151[] = {"fit-content", "max-content", "min-content", "none"};
constexpr std::string_view kList152[] = {"color", "color-burn", "color-dodge", "darken", "difference",
    "exclusion", "hard-light", "hue", "lighten", "luminosity", "multiply", "normal", "overlay", "plus-darker",
    "plus-lighter", "saturation", "screen", "soft-light"};
constexpr std::string_view kList153[] = {"contain", "cover", "fill", "none", "scale-down"};
constexpr std::string_view kList154[] = {"auto", "border-box", "bottom", "center", "content-box", "fill-box",
    "left", "none", "normal", "padding-box", "reverse", "right", "stroke-box", "top", "view-box"};
constexpr std::string_view kList155[] = {"calc()", "circle()", "clamp()", "ellipse()", "inset()", "max()",
    "min()", "path()", "polygon()", "ray()", "rect()", "shape()", "url()", "xywh()"};
constexpr std::string_view kList156[] = {"auto", "bottom", "center", "left", "right", "top"};
constexpr std::string_view kList157[] = {"border-box", "content-box", "fill-box", "none", "padding-box",
    "stroke-box", "view-box"};
constexpr std::string_view kList158[] = {"circle()", "ellipse()", "inset()", "path()", "polygon()", "ray()",
    "rect()", "shape()", "url()", "xywh()"};
constexpr std::string_view kList159[] = {"auto", "bottom", "center", "left", "normal", "right", "top"};
constexpr std::string_view kList160[] = {"auto", "reverse"};
constexpr std::string_view kList161[] = {"AccentColor", "AccentColorText", "ActiveBorder", "ActiveCaption",
    "ActiveText", "AppWorkspace", "Background", "ButtonBorder", "ButtonFace", "ButtonHighlight",
    "ButtonShadow", "ButtonText", "Canvas", "CanvasText", "CaptionText", "Field", "FieldText", "GrayText",
    "Highlight", "HighlightText", "InactiveBorder", "InactiveCaption", "InactiveCaptionText",
    "InfoBackground", "InfoText", "LinkText", "Mark", "MarkText", "Menu", "MenuText", "Scrollbar",
    "SelectedItem", "SelectedItemText", "ThreeDDarkShadow", "ThreeDFace", "ThreeDHighlight",
    "ThreeDLightShadow", "ThreeDShadow", "VisitedText", "Window", "WindowFrame", "WindowText", "aliceblue",
    "antiquewhite", "aqua", "aquamarine", "auto", "azure", "beige", "bisque", "black", "blanchedalmond",
    "blue", "blueviolet", "brown", "burlywood", "cadetblue", "chartreuse", "chocolate", "coral",
    "cornflowerblue", "cornsilk", "crimson", "currentColor", "cyan", "darkblue", "darkcyan", "darkgoldenrod",
    "darkgray", "darkgreen", "darkgrey", "darkkhaki", "darkmagenta", "darkolivegreen", "darkorange",
    "darkorchid", "darkred", "darksalmon", "darkseagreen", "darkslateblue", "darkslategray", "darkslategrey",
    "darkturquoise", "darkviolet", "dashed", "deeppink", "deepskyblue", "dimgray", "dimgrey", "dodgerblue",
    "dotted", "double", "firebrick", "floralwhite", "forestgreen", "fuchsia", "gainsboro", "ghostwhite",
    "gold", "goldenrod", "gray", "green", "greenyellow", "grey", "groove", "honeydew", "hotpink", "indianred",
    "indigo", "inset", "ivory", "khaki", "lavender", "lavenderblush", "lawngreen", "lemonchiffon",
    "lightblue", "lightcoral", "lightcyan", "lightgoldenrodyellow", "lightgray", "lightgreen", "lightgrey",
    "lightpink", "lightsalmon", "lightseagreen", "lightskyblue", "lightslategray", "lightslategrey",
    "lightsteelblue", "lightyellow", "lime", "limegreen", "linen", "magenta", "maroon", "medium",
    "mediumaquamarine", "mediumblue", "mediumorchid", "mediumpurple", "mediumseagreen", "mediumslateblue",
    "mediumspringgreen", "mediumturquoise", "mediumvioletred", "midnightblue", "mintcream", "mistyrose",
    "moccasin", "navajowhite", "navy", "none", "oldlace", "olive", "olivedrab", "orange", "orangered",
    "orchid", "outset", "palegoldenrod", "palegreen", "paleturquoise", "palevioletred", "papayawhip",
    "peachpuff", "peru", "pink", "plum", "powderblue", "purple", "rebeccapurple", "red", "ridge", "rosybrown",
    "royalblue", "saddlebrown", "salmon", "sandybrown", "seagreen", "seashell", "sienna", "silver", "skyblue",
    "slateblue", "slategray", "slategrey", "snow", "solid", "springgreen", "steelblue", "tan", "teal",
    "thick", "thin", "thistle", "tomato", "transparent", "turquoise", "violet", "wheat", "white",
    "whitesmoke", "yellow", "yellowgreen"};
constexpr std::string_view kList162[] = {"auto", "dashed", "dotted", "double", "groove", "inset", "none",
    "outset", "ridge", "solid"};
constexpr std::string_view kList163[] = {"auto", "clip", "hidden", "scroll", "visible"};
constexpr std::string_view kList164[] = {"anywhere", "break-word", "normal"};
constexpr std::string_view kList165[] = {"auto", "contain", "none"};
constexpr std::string_view kList166[] = {"fill", "markers", "normal", "stroke"};
constexpr std::string_view kList167[] = {"baseline", "center", "end", "first", "flex-end", "flex-start",
    "last", "left", "normal", "right", "safe", "space-around", "space-between", "space-evenly", "start",
    "stretch", "unsafe"};
constexpr std::string_view kList168[] = {"all", "auto", "fill", "none", "painted", "stroke", "visible",
    "visibleFill", "visiblePainted", "visibleStroke"};
constexpr std::string_view kList169[] = {"absolute", "fixed", "relative", "static", "sticky"};
constexpr std::string_view kList170[] = {"economy", "exact"};
constexpr std::string_view kList171[] = {"flex-flow", "flex-visual", "grid-columns", "grid-order",
    "grid-rows", "normal", "source-order"};
constexpr std::string_view kList172[] = {"block", "both", "horizontal", "inline", "none", "vertical"};
constexpr std::string_view kList173[] = {"none", "x", "y", "z"};
constexpr std::string_view kList174[] = {"center", "space-around", "space-between", "start"};
constexpr std::string_view kList175[] = {"alternate", "inter-character", "over", "under"};
constexpr std::string_view kList176[] = {"auto", "smooth"};
constexpr std::string_view kList177[] = {"after", "before", "none"};
constexpr std::string_view kList178[] = {"center", "end", "none", "start"};
constexpr std::string_view kList179[] = {"always", "normal"};
constexpr std::string_view kList180[] = {"block", "both", "inline", "mandatory", "none", "proximity", "x",
    "y"};
constexpr std::string_view kList181[] = {"auto", "both-edges", "stable"};
constexpr std::string_view kList182[] = {"auto", "none", "thin"};
constexpr std::string_view kList183[] = {"border-box", "content-box", "margin-box", "none", "padding-box"};
constexpr std::string_view kList184[] = {"circle()", "conic-gradient()", "cross-fade()", "element()",
    "ellipse()", "image()", "image-set()", "inset()", "linear-gradient()", "paint()", "path()", "polygon()",
    "radial-gradient()", "rect()", "repeating-conic-gradient()", "repeating-linear-gradient()",
    "repeating-radial-gradient()", "shape()", "url()", "xywh()"};
constexpr std::string_view kList185[] = {"auto", "crispEdges", "geometricPrecision", "optimizeSpeed"};
constexpr std::string_view kList186[] = {"butt", "round", "square"};
constexpr std::string_view kList187[] = {"arcs", "bevel", "miter", "miter-clip", "round"};
constexpr std::string_view kList188[] = {"auto", "fixed"};
constexpr std::string_view kList189[] = {"center", "end", "justify", "left", "match-parent", "right",
    "start"};
constexpr std::string_view kList190[] = {"auto", "center", "end", "justify", "left", "right", "start"};
constexpr std::string_view kList191[] = {"end", "middle", "start"};
constexpr std::string_view kList192[] = {"auto", "normal"};
constexpr std::string_view kList193[] = {"alphabetic", "auto", "cap", "ex", "ideographic", "ideographic-ink",
    "none", "normal", "text", "trim-both", "trim-end", "trim-start"};
constexpr std::string_view kList194[] = {"alphabetic", "auto", "cap", "ex", "ideographic", "ideographic-ink",
    "text"};
constexpr std::string_view kList195[] = {"none", "trim-both", "trim-end", "trim-start"};
constexpr std::string_view kList196[] = {"all", "digits", "none"};
constexpr std::string_view kList197[] = {"AccentColor", "AccentColorText", "ActiveBorder", "ActiveCaption",
    "ActiveText", "AppWorkspace", "Background", "ButtonBorder", "ButtonFace", "ButtonHighlight",
    "ButtonShadow", "ButtonText", "Canvas", "CanvasText", "CaptionText", "Field", "FieldText", "GrayText",
    "Highlight", "HighlightText", "InactiveBorder", "InactiveCaption", "InactiveCaptionText",
    "InfoBackground", "InfoText", "LinkText", "Mark", "MarkText", "Menu", "MenuText", "Scrollbar",
    "SelectedItem", "SelectedItemText", "ThreeDDarkShadow", "ThreeDFace", "ThreeDHighlight",
    "ThreeDLightShadow", "ThreeDShadow", "VisitedText", "Window", "WindowFrame", "WindowText", "aliceblue",
    "antiquewhite", "aqua", "aquamarine", "auto", "azure", "beige", "bisque", "black", "blanchedalmond",
    "blink", "blue", "blueviolet", "brown", "burlywood", "cadetblue", "chartreuse", "chocolate", "coral",
    "cornflowerblue", "cornsilk", "crimson", "currentColor", "cyan", "darkblue", "darkcyan", "darkgoldenrod",
    "darkgray", "darkgreen", "darkgrey", "darkkhaki", "darkmagenta", "darkolivegreen", "darkorange",
    "darkorchid", "darkred", "darksalmon", "darkseagreen", "darkslateblue", "darkslategray", "darkslategrey",
    "darkturquoise", "darkviolet", "dashed", "deeppink", "deepskyblue", "dimgray", "dimgrey", "dodgerblue",
    "dotted", "double", "firebrick", "floralwhite", "forestgreen", "from-font", "fuchsia", "gainsboro",
    "ghostwhite", "gold", "goldenrod", "grammar-error", "gray", "green", "greenyellow", "grey", "honeydew",
    "hotpink", "indianred", "indigo", "ivory", "khaki", "lavender", "lavenderblush", "lawngreen",
    "lemonchiffon", "lightblue", "lightcoral", "lightcyan", "lightgoldenrodyellow", "lightgray", "lightgreen",
    "lightgrey", "lightpink", "lightsalmon", "lightseagreen", "lightskyblue", "lightslategray",
    "lightslategrey", "lightsteelblue", "lightyellow", "lime", "limegreen", "line-through", "linen",
    "magenta", "maroon", "mediumaquamarine", "mediumblue", "mediumorchid", "mediumpurple", "mediumseagreen",
    "mediumslateblue", "mediumspringgreen", "mediumturquoise", "mediumvioletred", "midnightblue", "mintcream",
    "mistyrose", "moccasin", "navajowhite", "navy", "none", "oldlace", "olive", "olivedrab", "orange",
    "orangered", "orchid", "overline", "palegoldenrod", "palegreen", "paleturquoise", "palevioletred",
    "papayawhip", "peachpuff", "peru", "pink", "plum", "powderblue", "purple", "rebeccapurple", "red",
    "rosybrown", "royalblue", "saddlebrown", "salmon", "sandybrown", "seagreen", "seashell", "sienna",
    "silver", "skyblue", "slateblue", "slategray", "slategrey", "snow", "solid", "spelling-error",
    "springgreen", "steelblue", "tan", "teal", "thistle", "tomato", "transparent", "turquoise", "underline",
    "violet", "wavy", "wheat", "white", "whitesmoke", "yellow", "yellowgreen"};
constexpr std::string_view kList198[] = {"blink", "grammar-error", "line-through", "none", "overline",
    "spelling-error", "underline"};
constexpr std::string_view kList199[] = {"all", "auto", "none"};
constexpr std::string_view kList200[] = {"dashed", "dotted", "double", "solid", "wavy"};
constexpr std::string_view kList201[] = {"auto", "from-font"};
constexpr std::string_view kList202[] = {"AccentColor", "AccentColorText", "ActiveBorder", "ActiveCaption",
    "ActiveText", "AppWorkspace", "Background", "ButtonBorder", "ButtonFace", "ButtonHighlight",
    "ButtonShadow", "ButtonText", "Canvas", "CanvasText", "CaptionText", "Field", "FieldText", "GrayText",
    "Highlight", "HighlightText", "InactiveBorder", "InactiveCaption", "InactiveCaptionText",
    "InfoBackground", "InfoText", "LinkText", "Mark", "MarkText", "Menu", "MenuText", "Scrollbar",
    "SelectedItem", "SelectedItemText", "ThreeDDarkShadow", "ThreeDFace", "ThreeDHighlight",
    "ThreeDLightShadow", "ThreeDShadow", "VisitedText", "Window", "WindowFrame", "WindowText", "aliceblue",
    "antiquewhite", "aqua", "aquamarine", "azure", "beige", "bisque", "black", "blanchedalmond", "blue",
    "blueviolet", "brown", "burlywood", "cadetblue", "chartreuse", "chocolate", "circle", "coral",
    "cornflowerblue", "cornsilk", "crimson", "currentColor", "cyan", "darkblue", "darkcyan", "darkgoldenrod",
    "darkgray", "darkgreen", "darkgrey", "darkkhaki", "darkmagenta", "darkolivegreen", "darkorange",
    "darkorchid", "darkred", "darksalmon", "darkseagreen", "darkslateblue", "darkslategray", "darkslategrey",
    "darkturquoise", "darkviolet", "deeppink", "deepskyblue", "dimgray", "dimgrey", "dodgerblue", "dot",
    "double-circle", "filled", "firebrick", "floralwhite", "forestgreen", "fuchsia", "gainsboro",
    "ghostwhite", "gold", "goldenrod", "gray", "green", "greenyellow", "grey", "honeydew", "hotpink",
    "indianred", "indigo", "ivory", "khaki", "lavender", "lavenderblush", "lawngreen", "lemonchiffon",
    "lightblue", "lightcoral", "lightcyan", "lightgoldenrodyellow", "lightgray", "lightgreen", "lightgrey",
    "lightpink", "lightsalmon", "lightseagreen", "lightskyblue", "lightslategray", "lightslategrey",
    "lightsteelblue", "lightyellow", "lime", "limegreen", "linen", "magenta", "maroon", "mediumaquamarine",
    "mediumblue", "mediumorchid", "mediumpurple", "mediumseagreen", "mediumslateblue", "mediumspringgreen",
    "mediumturquoise", "mediumvioletred", "midnightblue", "mintcream", "mistyrose", "moccasin", "navajowhite",
    "navy", "none", "oldlace", "olive", "olivedrab", "open", "orange", "orangered", "orchid", "palegoldenrod",
    "palegreen", "paleturquoise", "palevioletred", "papayawhip", "peachpuff", "peru", "pink", "plum",
    "powderblue", "purple", "rebeccapurple", "red", "rosybrown", "royalblue", "saddlebrown", "salmon",
    "sandybrown", "seagreen", "seashell", "sesame", "sienna", "silver", "skyblue", "slateblue", "slategray",
    "slategrey", "snow", "springgreen", "steelblue", "tan", "teal", "thistle", "tomato", "transparent",
    "triangle", "turquoise", "violet", "wheat", "white", "whitesmoke", "yellow", "yellowgreen"};
constexpr std::string_view kList203[] = {"auto", "left", "over", "right", "under"};
constexpr std::string_view kList204[] = {"circle", "dot", "double-circle", "filled", "none", "open", "sesame",
    "triangle"};
constexpr std::string_view kList205[] = {"consistent", "grow", "none", "per-line", "per-line-all", "shrink"};
constexpr std::string_view kList206[] = {"each-line", "hanging"};
constexpr std::string_view kList207[] = {"auto", "inter-character", "inter-word", "none"};
constexpr std::string_view kList208[] = {"mixed", "sideways", "upright"};
constexpr std::string_view kList209[] = {"clip", "ellipsis"};
constexpr std::string_view kList210[] = {"auto", "geometricPrecision", "optimizeLegibility", "optimizeSpeed"};
constexpr std::string_view kList211[] = {"AccentColor", "AccentColorText", "ActiveBorder", "ActiveCaption",
    "ActiveText", "AppWorkspace", "Background", "ButtonBorder", "ButtonFace", "ButtonHighlight",
    "ButtonShadow", "ButtonText", "Canvas", "CanvasText", "CaptionText", "Field", "FieldText", "GrayText",
    "Highlight", "HighlightText", "InactiveBorder", "InactiveCaption", "InactiveCaptionText",
    "InfoBackground", "InfoText", "LinkText", "Mark", "MarkText", "Menu", "MenuText", "Scrollbar",
    "SelectedItem", "SelectedItemText", "ThreeDDarkShadow", "ThreeDFace", "ThreeDHighlight",
    "ThreeDLightShadow", "ThreeDShadow", "VisitedText", "Window", "WindowFrame", "WindowText", "aliceblue",
    "antiquewhite", "aqua", "aquamarine", "azure", "beige", "bisque", "black", "blanchedalmond", "blue",
    "blueviolet", "brown", "burlywood", "cadetblue", "chartreuse", "chocolate", "coral", "cornflowerblue",
    "cornsilk", "crimson", "currentColor", "cyan", "darkblue", "darkcyan", "darkgoldenrod", "darkgray",
    "darkgreen", "darkgrey", "darkkhaki", "darkmagenta", "darkolivegreen", "darkorange", "darkorchid",
    "darkred", "darksalmon", "darkseagreen", "darkslateblue", "darkslategray", "darkslategrey",
    "darkturquoise", "darkviolet", "deeppink", "deepskyblue", "dimgray", "dimgrey", "dodgerblue", "firebrick",
    "floralwhite", "forestgreen", "fuchsia", "gainsboro", "ghostwhite", "gold", "goldenrod", "gray", "green",
    "greenyellow", "grey", "honeydew", "hotpink", "indianred", "indigo", "ivory", "khaki", "lavender",
    "lavenderblush", "lawngreen", "lemonchiffon", "lightblue", "lightcoral", "lightcyan",
    "lightgoldenrodyellow", "lightgray", "lightgreen", "lightgrey", "lightpink", "lightsalmon",
    "lightseagreen", "lightskyblue", "lightslategray", "lightslategrey", "lightsteelblue", "lightyellow",
    "lime", "limegreen", "linen", "magenta", "maroon", "mediumaquamarine", "mediumblue", "mediumorchid",
    "mediumpurple", "mediumseagreen", "mediumslateblue", "mediumspringgreen", "mediumturquoise",
    "mediumvioletred", "midnightblue", "mintcream", "mistyrose", "moccasin", "navajowhite", "navy", "none",
    "oldlace", "olive", "olivedrab", "orange", "orangered", "orchid", "palegoldenrod", "palegreen",
    "paleturquoise", "palevioletred", "papayawhip", "peachpuff", "peru", "pink", "plum", "powderblue",
    "purple", "rebeccapurple", "red", "rosybrown", "royalblue", "saddlebrown", "salmon", "sandybrown",
    "seagreen", "seashell", "sienna", "silver", "skyblue", "slateblue", "slategray", "slategrey", "snow",
    "springgreen", "steelblue", "tan", "teal", "thistle", "tomato", "transparent", "turquoise", "violet",
    "wheat", "white", "whitesmoke", "yellow", "yellowgreen"};
constexpr std::string_view kList212[] = {"capitalize", "full-size-kana", "full-width", "lowercase",
    "math-auto", "none", "uppercase"};
constexpr std::string_view kList213[] = {"auto", "from-font", "left", "right", "under"};
constexpr std::string_view kList214[] = {"auto", "balance", "nowrap", "pretty", "stable", "wrap"};
constexpr std::string_view kList215[] = {"nowrap", "wrap"};
constexpr std::string_view kList216[] = {"auto", "balance", "pretty", "stable"};
constexpr std::string_view kList217[] = {"auto", "contain", "cover", "entry", "entry-crossing", "exit",
    "exit-crossing", "none", "normal"};
constexpr std::string_view kList218[] = {"calc()", "clamp()", "max()", "min()", "scroll()", "view()"};
constexpr std::string_view kList219[] = {"contain", "cover", "entry", "entry-crossing", "exit",
    "exit-crossing", "normal"};
constexpr std::string_view kList220[] = {"auto", "contain", "cover", "entry", "entry-crossing", "exit",
    "exit-crossing", "normal"};
constexpr std::string_view kList221[] = {"scroll()", "view()"};
constexpr std::string_view kList222[] = {"auto", "manipulation", "none", "pan-down", "pan-left", "pan-right",
    "pan-up", "pan-x", "pan-y", "pinch-zoom"};
constexpr std::string_view kList223[] = {"matrix()", "matrix3d()", "perspective()", "rotate()", "rotate3d()",
    "rotateX()", "rotateY()", "rotateZ()", "scale()", "scale3d()", "scaleX()", "scaleY()", "scaleZ()",
    "skew()", "skewX()", "skewY()", "translate()", "translate3d()", "translateX()", "translateY()",
    "translateZ()"};
constexpr std::string_view kList224[] = {"border-box", "content-box", "fill-box", "stroke-box", "view-box"};
constexpr std::string_view kList225[] = {"flat", "preserve-3d"};
constexpr std::string_view kList226[] = {"all", "allow-discrete", "ease", "ease-in", "ease-in-out",
    "ease-out", "linear", "none", "normal", "step-end", "step-start"};
constexpr std::string_view kList227[] = {"calc()", "clamp()", "cubic-bezier()", "linear()", "max()", "min()",
    "steps()"};
constexpr std::string_view kList228[] = {"allow-discrete", "normal"};
constexpr std::string_view kList229[] = {"bidi-override", "embed", "isolate", "isolate-override", "normal",
    "plaintext"};
constexpr std::string_view kList230[] = {"all", "auto", "none", "text"};
constexpr std::string_view kList231[] = {"fixed-position", "non-rotation", "non-scaling-size",
    "non-scaling-stroke", "none"};
constexpr std::string_view kList232[] = {"baseline", "bottom", "middle", "sub", "super", "text-bottom",
    "text-top", "top"};
constexpr std::string_view kList233[] = {"match-element", "none"};
constexpr std::string_view kList234[] = {"collapse", "hidden", "visible"};
constexpr std::string_view kList235[] = {"break-spaces", "collapse", "normal", "nowrap", "pre", "pre-line",
    "pre-wrap", "preserve", "preserve-breaks", "preserve-spaces", "wrap"};
constexpr std::string_view kList236[] = {"break-spaces", "collapse", "preserve", "preserve-breaks",
    "preserve-spaces"};
constexpr std::string_view kList237[] = {"auto", "contents", "scroll-position"};
constexpr std::string_view kList238[] = {"move", "none"};
constexpr std::string_view kList239[] = {"auto-phrase", "break-all", "break-word", "keep-all", "normal"};
constexpr std::string_view kList240[] = {"break-word", "normal"};
constexpr std::string_view kList241[] = {"horizontal-tb", "sideways-lr", "sideways-rl", "vertical-lr",
    "vertical-rl"};
constexpr std::string_view kList242[] = {"normal", "reset"};
constexpr std::string_view kList243[] = {"charset", "coords", "download", "href", "hreflang", "name", "ping",
    "referrerpolicy", "rel", "rev", "shape", "target", "type"};
constexpr std::string_view kList244[] = {"align", "alt", "archive", "code", "codebase", "height", "hspace",
    "name", "object", "vspace", "width"};
constexpr std::string_view kList245[] = {"alt", "coords", "download", "href", "hreflang", "nohref", "ping",
    "referrerpolicy", "rel", "shape", "target", "type"};
constexpr std::string_view kList246[] = {"autoplay", "controls", "crossorigin", "loop", "muted", "preload",
    "src"};
constexpr std::string_view kList247[] = {"href", "target"};
constexpr std::string_view kList248[] = {"color", "face", "size"};
constexpr std::string_view kList249[] = {"cite"};
constexpr std::string_view kList250[] = {"alink", "background", "bgcolor", "link", "text", "vlink"};
constexpr std::string_view kList251[] = {"clear"};
constexpr std::string_view kList252[] = {"command", "commandfor", "disabled", "form", "formaction",
    "formenctype", "formmethod", "formnovalidate", "formtarget", "name", "popovertarget",
    "popovertargetaction", "type", "value"};
constexpr std::string_view kList253[] = {"height", "width"};
constexpr std::string_view kList254[] = {"align"};
constexpr std::string_view kList255[] = {"align", "char", "charoff", "span", "valign", "width"};
constexpr std::string_view kList256[] = {"value"};
constexpr std::string_view kList257[] = {"cite", "datetime"};
constexpr std::string_view kList258[] = {"name", "open"};
constexpr std::string_view kList259[] = {"closedby", "open"};
constexpr std::string_view kList260[] = {"compact"};
constexpr std::string_view kList261[] = {"height", "src", "type", "width"};
constexpr std::string_view kList262[] = {"disabled", "form", "name"};
constexpr std::string_view kList263[] = {"accept", "accept-charset", "action", "autocomplete", "enctype",
    "method", "name", "novalidate", "target"};
constexpr std::string_view kList264[] = {"frameborder", "longdesc", "marginheight", "marginwidth", "name",
    "noresize", "scrolling", "src"};
constexpr std::string_view kList265[] = {"cols", "rows"};
constexpr std::string_view kList266[] = {"profile"};
constexpr std::string_view kList267[] = {"align", "noshade", "size", "width"};
constexpr std::string_view kList268[] = {"manifest", "version"};
constexpr std::string_view kList269[] = {"align", "allow", "allowfullscreen", "allowpaymentrequest",
    "allowusermedia", "frameborder", "height", "loading", "longdesc", "marginheight", "marginwidth", "name",
    "referrerpolicy", "sandbox", "scrolling", "src", "srcdoc", "width"};
constexpr std::string_view kList270[] = {"align", "alt", "border", "crossorigin", "decoding", "fetchpriority",
    "height", "hspace", "ismap", "loading", "longdesc", "name", "referrerpolicy", "sizes", "src", "srcset",
    "usemap", "vspace", "width"};
constexpr std::string_view kList271[] = {"accept", "align", "alpha", "alt", "autocomplete", "checked",
    "colorspace", "dirname", "disabled", "form", "formaction", "formenctype", "formmethod", "formnovalidate",
    "formtarget", "height", "ismap", "list", "max", "maxlength", "min", "minlength", "multiple", "name",
    "pattern", "placeholder", "popovertarget", "popovertargetaction", "readonly", "required", "size", "src",
    "step", "type", "usemap", "value", "width"};
constexpr std::string_view kList272[] = {"prompt"};
constexpr std::string_view kList273[] = {"for", "form"};
constexpr std::string_view kList274[] = {"type", "value"};
constexpr std::string_view kList275[] = {"as", "blocking", "charset", "color", "crossorigin", "disabled",
    "fetchpriority", "href", "hreflang", "imagesizes", "imagesrcset", "integrity", "media", "referrerpolicy",
    "rel", "rev", "sizes", "target", "type"};
constexpr std::string_view kList276[] = {"name"};
constexpr std::string_view kList277[] = {"charset", "content", "http-equiv", "media", "name", "scheme"};
constexpr std::string_view kList278[] = {"high", "low", "max", "min", "optimum", "value"};
constexpr std::string_view kList279[] = {"align", "archive", "border", "classid", "codebase", "codetype",
    "data", "declare", "form", "height", "hspace", "name", "standby", "type", "typemustmatch", "usemap",
    "vspace", "width"};
constexpr std::string_view kList280[] = {"compact", "reversed", "start", "type"};
constexpr std::string_view kList281[] = {"disabled", "label"};
constexpr std::string_view kList282[] = {"disabled", "label", "selected", "value"};
constexpr std::string_view kList283[] = {"for", "form", "name"};
constexpr std::string_view kList284[] = {"name", "type", "value", "valuetype"};
constexpr std::string_view kList285[] = {"width"};
constexpr std::string_view kList286[] = {"max", "value"};
constexpr std::string_view kList287[] = {"async", "blocking", "charset", "crossorigin", "defer",
    "fetchpriority", "integrity", "language", "nomodule", "referrerpolicy", "src", "type"};
constexpr std::string_view kList288[] = {"autocomplete", "disabled", "form", "multiple", "name", "required",
    "size"};
constexpr std::string_view kList289[] = {"height", "media", "sizes", "src", "srcset", "type", "width"};
constexpr std::string_view kList290[] = {"blocking", "media", "type"};
constexpr std::string_view kList291[] = {"align", "bgcolor", "border", "cellpadding", "cellspacing", "frame",
    "rules", "summary", "width"};
constexpr std::string_view kList292[] = {"align", "char", "charoff", "valign"};
constexpr std::string_view kList293[] = {"abbr", "align", "axis", "bgcolor", "char", "charoff", "colspan",
    "headers", "height", "nowrap", "rowspan", "scope", "valign", "width"};
constexpr std::string_view kList294[] = {"shadowrootclonable", "shadowrootcustomelementregistry",
    "shadowrootdelegatesfocus", "shadowrootmode", "shadowrootserializable"};
constexpr std::string_view kList295[] = {"autocomplete", "cols", "dirname", "disabled", "form", "maxlength",
    "minlength", "name", "placeholder", "readonly", "required", "rows", "wrap"};
constexpr std::string_view kList296[] = {"datetime"};
constexpr std::string_view kList297[] = {"align", "bgcolor", "char", "charoff", "valign"};
constexpr std::string_view kList298[] = {"default", "kind", "label", "src", "srclang"};
constexpr std::string_view kList299[] = {"compact", "type"};
constexpr std::string_view kList300[] = {"autoplay", "controls", "crossorigin", "height", "loop", "muted",
    "playsinline", "poster", "preload", "src", "width"};
constexpr std::string_view kList301[] = {"false", "true"};
constexpr std::string_view kList302[] = {"both", "inline", "list", "none"};
constexpr std::string_view kList303[] = {"false", "mixed", "true"};
constexpr std::string_view kList304[] = {"date", "false", "location", "page", "step", "time", "true"};
constexpr std::string_view kList305[] = {"copy", "execute", "link", "move", "none", "popup"};
constexpr std::string_view kList306[] = {"dialog", "false", "grid", "listbox", "menu", "tree", "true"};
constexpr std::string_view kList307[] = {"false", "grammar", "spelling", "true"};
constexpr std::string_view kList308[] = {"assertive", "off", "polite"};
constexpr std::string_view kList309[] = {"horizontal", "undefined", "vertical"};
constexpr std::string_view kList310[] = {"additions", "all", "removals", "text"};
constexpr std::string_view kList311[] = {"ascending", "descending", "none", "other"};

constexpr std::string_view kCssWideKeywords[] = {"inherit", "initial", "revert", "revert-layer", "unset"};

constexpr TCssPropertyWords kCssProperties[] = {
  {"accent-color", kList0, kList1},
  {"align-content", kList2, {}},
  {"align-items", kList3, {}},
  {"align-self", kList4, {}},
  {"alignment-baseline", kList5, {}},
  {"all", {}, {}},
  {"animation", kList6, kList7},
  {"animation-composition", kList8, {}},
  {"animation-delay", {}, kList9},
  {"animation-direction", kList10, {}},
  {"animation-duration", kList11, kList9},
  {"animation-fill-mode", kList12, {}},
  {"animation-iteration-count", kList13, kList9},
  {"animation-name", kList14, {}},
  {"animation-play-state", kList15, {}},
  {"animation-timing-function", kList16, kList17},
  {"animation-trigger", kList18, {}},
  {"appearance", kList19, {}},
  {"aspect-ratio", kList11, kList9},
  {"backdrop-filter", kList14, kList20},
  {"backface-visibility", kList21, {}},
  {"background", kList22, kList23},
  {"background-attachment", kList24, {}},
  {"background-blend-mode", kList25, {}},
  {"background-clip", kList26, {}},
  {"background-color", kList27, kList1},
  {"background-image", kList14, kList28},
  {"background-origin", kList29, {}},
  {"background-position", kList30, kList9},
  {"background-position-x", kList31, kList9},
  {"background-position-y", kList32, kList9},
  {"background-repeat", kList33, {}},
  {"background-size", kList34, kList9},
  {"baseline-shift", kList35, kList9},
  {"baseline-source", kList36, {}},
  {"block-size", kList37, kList38},
  {"border", kList39, kList40},
  {"border-block", kList39, kList40},
  {"border-block-color", kList27, kList1},
  {"border-block-end", kList39, kList40},
  {"border-block-end-color", kList27, kList1},
  {"border-block-end-style", kList41, {}},
  {"border-block-end-width", kList42, kList9},
  {"border-block-start", kList39, kList40},
  {"border-block-start-color", kList27, kList1},
  {"border-block-start-style", kList41, {}},
  {"border-block-start-width", kList42, kList9},
  {"border-block-style", kList41, {}},
  {"border-block-width", kList42, kList9},
  {"border-bottom", kList39, kList40},
  {"border-bottom-color", kList27, kList1},
  {"border-bottom-left-radius", {}, kList9},
  {"border-bottom-right-radius", {}, kList9},
  {"border-bottom-style", kList41, {}},
  {"border-bottom-width", kList42, kList9},
  {"border-collapse", kList43, {}},
  {"border-color", kList27, kList1},
  {"border-end-end-radius", {}, kList9},
  {"border-end-start-radius", {}, kList9},
  {"border-image", kList44, kList45},
  {"border-image-outset", {}, kList9},
  {"border-image-repeat", kList46, {}},
  {"border-image-slice", kList47, kList9},
  {"border-image-source", kList14, kList28},
  {"border-image-width", kList11, kList9},
  {"border-inline", kList39, kList40},
  {"border-inline-color", kList27, kList1},
  {"border-inline-end", kList39, kList40},
  {"border-inline-end-color", kList27, kList1},
  {"border-inline-end-style", kList41, {}},
  {"border-inline-end-width", kList42, kList9},
  {"border-inline-start", kList39, kList40},
  {"border-inline-start-color", kList27, kList1},
  {"border-inline-start-style", kList41, {}},
  {"border-inline-start-width", kList42, kList9},
  {"border-inline-style", kList41, {}},
  {"border-inline-width", kList42, kList9},
  {"border-left", kList39, kList40},
  {"border-left-color", kList27, kList1},
  {"border-left-style", kList41, {}},
  {"border-left-width", kList42, kList9},
  {"border-radius", {}, kList9},
  {"border-right", kList39, kList40},
  {"border-right-color", kList27, kList1},
  {"border-right-style", kList41, {}},
  {"border-right-width", kList42, kList9},
  {"border-shape", kList48, kList49},
  {"border-spacing", {}, kList9},
  {"border-start-end-radius", {}, kList9},
  {"border-start-start-radius", {}, kList9},
  {"border-style", kList41, {}},
  {"border-top", kList39, kList40},
  {"border-top-color", kList27, kList1},
  {"border-top-left-radius", {}, kList9},
  {"border-top-right-radius", {}, kList9},
  {"border-top-style", kList41, {}},
  {"border-top-width", kList42, kList9},
  {"border-width", kList42, kList9},
  {"bottom", kList11, kList50},
  {"box-decoration-break", kList51, {}},
  {"box-shadow", kList52, kList40},
  {"box-sizing", kList53, {}},
  {"break-after", kList54, {}},
  {"break-before", kList54, {}},
  {"break-inside", kList55, {}},
  {"caption-side", kList56, {}},
  {"caret", kList57, kList1},
  {"caret-animation", kList58, {}},
  {"caret-color", kList0, kList1},
  {"caret-shape", kList59, {}},
  {"clear", kList60, {}},
  {"clip-path", kList48, kList61},
  {"clip-rule", kList62, {}},
  {"color", kList27, kList1},
  {"color-interpolation-filters", kList63, {}},
  {"color-scheme", kList64, {}},
  {"column-count", kList11, kList9},
  {"column-fill", kList65, {}},
  {"column-gap", kList66, kList9},
  {"column-height", kList11, kList9},
  {"column-rule", kList39, kList40},
  {"column-rule-color", kList27, kList1},
  {"column-rule-style", kList41, {}},
  {"column-rule-width", kList42, kList9},
  {"column-span", kList67, {}},
  {"column-width", kList11, kList9},
  {"column-wrap", kList68, {}},
  {"columns", kList11, kList9},
  {"contain", kList69, {}},
  {"contain-intrinsic-block-size", kList70, kList9},
  {"contain-intrinsic-height", kList70, kList9},
  {"contain-intrinsic-inline-size", kList70, kList9},
  {"contain-intrinsic-size", kList70, kList9},
  {"contain-intrinsic-width", kList70, kList9},
  {"container", kList71, {}},
  {"container-name", kList14, {}},
  {"container-type", kList72, {}},
  {"content", kList73, kList74},
  {"content-visibility", kList75, {}},
  {"corner-block-end-shape", kList76, kList77},
  {"corner-block-start-shape", kList76, kList77},
  {"corner-bottom-left-shape", kList76, kList77},
  {"corner-bottom-right-shape", kList76, kList77},
  {"corner-bottom-shape", kList76, kList77},
  {"corner-end-end-shape", kList76, kList77},
  {"corner-end-start-shape", kList76, kList77},
  {"corner-inline-end-shape", kList76, kList77},
  {"corner-inline-start-shape", kList76, kList77},
  {"corner-left-shape", kList76, kList77},
  {"corner-right-shape", kList76, kList77},
  {"corner-shape", kList76, kList77},
  {"corner-start-end-shape", kList76, kList77},
  {"corner-start-start-shape", kList76, kList77},
  {"corner-top-left-shape", kList76, kList77},
  {"corner-top-right-shape", kList76, kList77},
  {"corner-top-shape", kList76, kList77},
  {"counter-increment", kList14, kList9},
  {"counter-reset", kList14, kList78},
  {"counter-set", kList14, kList9},
  {"cursor", kList79, kList80},
  {"cx", {}, kList9},
  {"cy", {}, kList9},
  {"d", kList14, kList81},
  {"direction", kList82, {}},
  {"display", kList83, {}},
  {"dominant-baseline", kList84, {}},
  {"dynamic-range-limit", kList85, kList86},
  {"empty-cells", kList87, {}},
  {"fill", kList88, kList89},
  {"fill-opacity", {}, kList9},
  {"fill-rule", kList62, {}},
  {"filter", kList14, kList20},
  {"flex", kList90, kList38},
  {"flex-basis", kList91, kList38},
  {"flex-direction", kList92, {}},
  {"flex-flow", kList93, {}},
  {"flex-grow", {}, kList9},
  {"flex-line-count", {}, kList9},
  {"flex-shrink", {}, kList9},
  {"flex-wrap", kList94, {}},
  {"float", kList95, {}},
  {"flood-color", kList27, kList1},
  {"flood-opacity", {}, kList9},
  {"font", kList96, kList9},
  {"font-family", kList97, {}},
  {"font-feature-settings", kList98, kList9},
  {"font-kerning", kList99, {}},
  {"font-language-override", kList66, {}},
  {"font-optical-sizing", kList70, {}},
  {"font-palette", kList100, kList101},
  {"font-size", kList102, kList9},
  {"font-size-adjust", kList103, kList9},
  {"font-style", kList104, kList9},
  {"font-synthesis", kList105, {}},
  {"font-synthesis-small-caps", kList70, {}},
  {"font-synthesis-style", kList70, {}},
  {"font-synthesis-weight", kList70, {}},
  {"font-variant", kList106, kList107},
  {"font-variant-alternates", kList108, kList107},
  {"font-variant-caps", kList109, {}},
  {"font-variant-east-asian", kList110, {}},
  {"font-variant-emoji", kList111, {}},
  {"font-variant-ligatures", kList112, {}},
  {"font-variant-numeric", kList113, {}},
  {"font-variant-position", kList114, {}},
  {"font-variation-settings", kList66, kList9},
  {"font-weight", kList115, kList9},
  {"forced-color-adjust", kList116, {}},
  {"frame-sizing", kList117, {}},
  {"gap", kList66, kList9},
  {"grid", kList118, kList119},
  {"grid-area", kList120, kList9},
  {"grid-auto-columns", kList121, kList122},
  {"grid-auto-flow", kList123, {}},
  {"grid-auto-rows", kList121, kList122},
  {"grid-column", kList120, kList9},
  {"grid-column-end", kList120, kList9},
  {"grid-column-start", kList120, kList9},
  {"grid-row", kList120, kList9},
  {"grid-row-end", kList120, kList9},
  {"grid-row-start", kList120, kList9},
  {"grid-template", kList124, kList119},
  {"grid-template-areas", kList14, {}},
  {"grid-template-columns", kList124, kList119},
  {"grid-template-rows", kList124, kList119},
  {"hanging-punctuation", kList125, {}},
  {"height", kList37, kList38},
  {"hyphenate-character", kList11, {}},
  {"hyphenate-limit-chars", kList11, kList9},
  {"hyphens", kList126, {}},
  {"image-orientation", kList127, kList9},
  {"image-rendering", kList128, {}},
  {"initial-letter", kList66, kList9},
  {"inline-size", kList37, kList38},
  {"inset", kList11, kList50},
  {"inset-block", kList11, kList50},
  {"inset-block-end", kList11, kList50},
  {"inset-block-start", kList11, kList50},
  {"inset-inline", kList11, kList50},
  {"inset-inline-end", kList11, kList50},
  {"inset-inline-start", kList11, kList50},
  {"interactivity", kList129, {}},
  {"interest-delay", kList66, kList9},
  {"interest-delay-end", kList66, kList9},
  {"interest-delay-start", kList66, kList9},
  {"isolation", kList130, {}},
  {"justify-content", kList131, {}},
  {"justify-items", kList132, {}},
  {"justify-self", kList133, {}},
  {"left", kList11, kList50},
  {"letter-spacing", kList66, kList9},
  {"lighting-color", kList27, kList1},
  {"line-break", kList134, {}},
  {"line-clamp", kList14, kList9},
  {"line-height", kList66, kList9},
  {"list-style", kList135, kList136},
  {"list-style-image", kList14, kList28},
  {"list-style-position", kList137, {}},
  {"list-style-type", kList138, kList139},
  {"margin", kList11, kList140},
  {"margin-block", kList11, kList140},
  {"margin-block-end", kList11, kList140},
  {"margin-block-start", kList11, kList140},
  {"margin-bottom", kList11, kList140},
  {"margin-inline", kList11, kList140},
  {"margin-inline-end", kList11, kList140},
  {"margin-inline-start", kList11, kList140},
  {"margin-left", kList11, kList140},
  {"margin-right", kList11, kList140},
  {"margin-top", kList11, kList140},
  {"marker", kList14, kList80},
  {"marker-end", kList14, kList80},
  {"marker-mid", kList14, kList80},
  {"marker-start", kList14, kList80},
  {"mask", kList141, kList45},
  {"mask-border", kList142, kList45},
  {"mask-border-mode", kList143, {}},
  {"mask-border-outset", {}, kList9},
  {"mask-border-repeat", kList46, {}},
  {"mask-border-slice", kList47, kList9},
  {"mask-border-source", kList14, kList28},
  {"mask-border-width", kList11, kList9},
  {"mask-clip", kList144, {}},
  {"mask-composite", kList145, {}},
  {"mask-image", kList14, kList28},
  {"mask-mode", kList146, {}},
  {"mask-origin", kList147, {}},
  {"mask-position", kList30, kList9},
  {"mask-repeat", kList33, {}},
  {"mask-size", kList34, kList9},
  {"mask-type", kList143, {}},
  {"math-depth", kList148, kList149},
  {"math-style", kList150, {}},
  {"max-block-size", kList151, kList38},
  {"max-height", kList151, kList38},
  {"max-inline-size", kList151, kList38},
  {"max-width", kList151, kList38},
  {"min-block-size", kList37, kList38},
  {"min-height", kList37, kList38},
  {"min-inline-size", kList37, kList38},
  {"min-width", kList37, kList38},
  {"mix-blend-mode", kList152, {}},
  {"object-fit", kList153, {}},
  {"object-position", kList30, kList9},
  {"offset", kList154, kList155},
  {"offset-anchor", kList156, kList9},
  {"offset-distance", {}, kList9},
  {"offset-path", kList157, kList158},
  {"offset-position", kList159, kList9},
  {"offset-rotate", kList160, kList9},
  {"opacity", {}, kList9},
  {"order", {}, kList9},
  {"orphans", {}, kList9},
  {"outline", kList161, kList40},
  {"outline-color", kList0, kList1},
  {"outline-offset", {}, kList9},
  {"outline-style", kList162, {}},
  {"outline-width", kList42, kList9},
  {"overflow", kList163, {}},
  {"overflow-anchor", kList70, {}},
  {"overflow-block", kList163, {}},
  {"overflow-clip-margin", kList29, kList9},
  {"overflow-inline", kList163, {}},
  {"overflow-wrap", kList164, {}},
  {"overflow-x", kList163, {}},
  {"overflow-y", kList163, {}},
  {"overscroll-behavior", kList165, {}},
  {"overscroll-behavior-block", kList165, {}},
  {"overscroll-behavior-inline", kList165, {}},
  {"overscroll-behavior-x", kList165, {}},
  {"overscroll-behavior-y", kList165, {}},
  {"padding", {}, kList9},
  {"padding-block", {}, kList9},
  {"padding-block-end", {}, kList9},
  {"padding-block-start", {}, kList9},
  {"padding-bottom", {}, kList9},
  {"padding-inline", {}, kList9},
  {"padding-inline-end", {}, kList9},
  {"padding-inline-start", {}, kList9},
  {"padding-left", {}, kList9},
  {"padding-right", {}, kList9},
  {"padding-top", {}, kList9},
  {"page", kList11, {}},
  {"paint-order", kList166, {}},
  {"path-length", kList14, kList9},
  {"perspective", kList14, kList9},
  {"perspective-origin", kList30, kList9},
  {"place-content", kList167, {}},
  {"place-items", kList132, {}},
  {"place-self", kList133, {}},
  {"pointer-events", kList168, {}},
  {"position", kList169, {}},
  {"print-color-adjust", kList170, {}},
  {"quotes", kList70, {}},
  {"r", {}, kList9},
  {"reading-flow", kList171, {}},
  {"reading-order", {}, kList9},
  {"resize", kList172, {}},
  {"right", kList11, kList50},
  {"rotate", kList173, kList9},
  {"row-gap", kList66, kList9},
  {"ruby-align", kList174, {}},
  {"ruby-overhang", kList70, {}},
  {"ruby-position", kList175, {}},
  {"rx", kList11, kList9},
  {"ry", kList11, kList9},
  {"scale", kList14, kList9},
  {"scroll-axis-lock", kList70, {}},
  {"scroll-behavior", kList176, {}},
  {"scroll-margin", {}, kList9},
  {"scroll-margin-block", {}, kList9},
  {"scroll-margin-block-end", {}, kList9},
  {"scroll-margin-block-start", {}, kList9},
  {"scroll-margin-bottom", {}, kList9},
  {"scroll-margin-inline", {}, kList9},
  {"scroll-margin-inline-end", {}, kList9},
  {"scroll-margin-inline-start", {}, kList9},
  {"scroll-margin-left", {}, kList9},
  {"scroll-margin-right", {}, kList9},
  {"scroll-margin-top", {}, kList9},
  {"scroll-marker-group", kList177, {}},
  {"scroll-padding", kList11, kList9},
  {"scroll-padding-block", kList11, kList9},
  {"scroll-padding-block-end", kList11, kList9},
  {"scroll-padding-block-start", kList11, kList9},
  {"scroll-padding-bottom", kList11, kList9},
  {"scroll-padding-inline", kList11, kList9},
  {"scroll-padding-inline-end", kList11, kList9},
  {"scroll-padding-inline-start", kList11, kList9},
  {"scroll-padding-left", kList11, kList9},
  {"scroll-padding-right", kList11, kList9},
  {"scroll-padding-top", kList11, kList9},
  {"scroll-snap-align", kList178, {}},
  {"scroll-snap-stop", kList179, {}},
  {"scroll-snap-type", kList180, {}},
  {"scroll-target-group", kList70, {}},
  {"scrollbar-color", kList0, kList1},
  {"scrollbar-gutter", kList181, {}},
  {"scrollbar-width", kList182, {}},
  {"shape-image-threshold", {}, kList9},
  {"shape-margin", {}, kList9},
  {"shape-outside", kList183, kList184},
  {"shape-rendering", kList185, {}},
  {"stop-color", kList27, kList1},
  {"stop-opacity", {}, kList9},
  {"stroke", kList88, kList89},
  {"stroke-dasharray", kList14, kList9},
  {"stroke-dashoffset", {}, kList9},
  {"stroke-linecap", kList186, {}},
  {"stroke-linejoin", kList187, {}},
  {"stroke-miterlimit", {}, kList9},
  {"stroke-opacity", {}, kList9},
  {"stroke-width", {}, kList9},
  {"tab-size", {}, kList9},
  {"table-layout", kList188, {}},
  {"text-align", kList189, {}},
  {"text-align-last", kList190, {}},
  {"text-anchor", kList191, {}},
  {"text-autospace", kList192, {}},
  {"text-box", kList193, {}},
  {"text-box-edge", kList194, {}},
  {"text-box-trim", kList195, {}},
  {"text-combine-upright", kList196, kList9},
  {"text-decoration", kList197, kList40},
  {"text-decoration-color", kList27, kList1},
  {"text-decoration-inset", kList11, kList9},
  {"text-decoration-line", kList198, {}},
  {"text-decoration-skip-ink", kList199, {}},
  {"text-decoration-style", kList200, {}},
  {"text-decoration-thickness", kList201, kList9},
  {"text-emphasis", kList202, kList1},
  {"text-emphasis-color", kList27, kList1},
  {"text-emphasis-position", kList203, {}},
  {"text-emphasis-style", kList204, {}},
  {"text-fit", kList205, kList9},
  {"text-indent", kList206, kList9},
  {"text-justify", kList207, {}},
  {"text-orientation", kList208, {}},
  {"text-overflow", kList209, {}},
  {"text-rendering", kList210, {}},
  {"text-shadow", kList211, kList40},
  {"text-transform", kList212, {}},
  {"text-underline-offset", kList11, kList9},
  {"text-underline-position", kList213, {}},
  {"text-wrap", kList214, {}},
  {"text-wrap-mode", kList215, {}},
  {"text-wrap-style", kList216, {}},
  {"timeline-trigger", kList217, kList218},
  {"timeline-trigger-activation-range", kList219, kList9},
  {"timeline-trigger-activation-range-end", kList219, kList9},
  {"timeline-trigger-activation-range-start", kList219, kList9},
  {"timeline-trigger-active-range", kList220, kList9},
  {"timeline-trigger-active-range-end", kList220, kList9},
  {"timeline-trigger-active-range-start", kList220, kList9},
  {"timeline-trigger-name", kList14, {}},
  {"timeline-trigger-source", kList70, kList221},
  {"top", kList11, kList50},
  {"touch-action", kList222, {}},
  {"transform", kList14, kList223},
  {"transform-box", kList224, {}},
  {"transform-origin", kList30, kList9},
  {"transform-style", kList225, {}},
  {"transition", kList226, kList227},
  {"transition-behavior", kList228, {}},
  {"transition-delay", {}, kList9},
  {"transition-duration", {}, kList9},
  {"transition-property", kList67, {}},
  {"transition-timing-function", kList16, kList17},
  {"translate", kList14, kList9},
  {"trigger-scope", kList67, {}},
  {"unicode-bidi", kList229, {}},
  {"user-select", kList230, {}},
  {"vector-effect", kList231, {}},
  {"vertical-align", kList232, kList9},
  {"view-transition-class", kList14, {}},
  {"view-transition-name", kList233, {}},
  {"view-transition-scope", kList67, {}},
  {"visibility", kList234, {}},
  {"white-space", kList235, {}},
  {"white-space-collapse", kList236, {}},
  {"widows", {}, kList9},
  {"width", kList37, kList38},
  {"will-change", kList237, {}},
  {"window-drag", kList238, {}},
  {"word-break", kList239, {}},
  {"word-spacing", kList66, kList9},
  {"word-wrap", kList240, {}},
  {"writing-mode", kList241, {}},
  {"x", {}, kList9},
  {"y", {}, kList9},
  {"z-index", kList11, kList9},
  {"zoom", kList242, kList9},
};

constexpr THtmlElementWords kHtmlElements[] = {
  {"a", false, kList243},
  {"abbr", false, {}},
  {"acronym", false, {}},
  {"address", false, {}},
  {"applet", false, kList244},
  {"area", true, kList245},
  {"article", false, {}},
  {"aside", false, {}},
  {"audio", false, kList246},
  {"b", false, {}},
  {"base", true, kList247},
  {"basefont", true, kList248},
  {"bdi", false, {}},
  {"bdo", false, {}},
  {"bgsound", true, {}},
  {"big", false, {}},
  {"blink", false, {}},
  {"blockquote", false, kList249},
  {"body", false, kList250},
  {"br", true, kList251},
  {"button", false, kList252},
  {"canvas", false, kList253},
  {"caption", false, kList254},
  {"center", false, {}},
  {"cite", false, {}},
  {"code", false, {}},
  {"col", true, kList255},
  {"colgroup", false, kList255},
  {"command", true, {}},
  {"content", false, {}},
  {"data", false, kList256},
  {"datalist", false, {}},
  {"dd", false, {}},
  {"del", false, kList257},
  {"details", false, kList258},
  {"dfn", false, {}},
  {"dialog", false, kList259},
  {"dir", false, kList260},
  {"div", false, kList254},
  {"dl", false, kList260},
  {"dt", false, {}},
  {"element", false, {}},
  {"em", false, {}},
  {"embed", true, kList261},
  {"fieldset", false, kList262},
  {"figcaption", false, {}},
  {"figure", false, {}},
  {"font", false, kList248},
  {"footer", false, {}},
  {"form", false, kList263},
  {"frame", true, kList264},
  {"frameset", false, kList265},
  {"h1", false, kList254},
  {"h2", false, kList254},
  {"h3", false, kList254},
  {"h4", false, kList254},
  {"h5", false, kList254},
  {"h6", false, kList254},
  {"head", false, kList266},
  {"header", false, {}},
  {"hgroup", false, {}},
  {"hr", true, kList267},
  {"html", false, kList268},
  {"i", false, {}},
  {"iframe", false, kList269},
  {"image", true, {}},
  {"img", true, kList270},
  {"input", true, kList271},
  {"ins", false, kList257},
  {"isindex", false, kList272},
  {"kbd", false, {}},
  {"keygen", true, {}},
  {"label", false, kList273},
  {"legend", false, kList254},
  {"li", false, kList274},
  {"link", true, kList275},
  {"listing", false, {}},
  {"main", false, {}},
  {"map", false, kList276},
  {"mark", false, {}},
  {"marquee", false, {}},
  {"math", false, {}},
  {"menu", false, kList260},
  {"menuitem", false, {}},
  {"meta", true, kList277},
  {"meter", false, kList278},
  {"multicol", false, {}},
  {"nav", false, {}},
  {"nextid", false, {}},
  {"nobr", false, {}},
  {"noembed", false, {}},
  {"noframes", false, {}},
  {"noscript", false, {}},
  {"object", false, kList279},
  {"ol", false, kList280},
  {"optgroup", false, kList281},
  {"option", false, kList282},
  {"output", false, kList283},
  {"p", false, kList254},
  {"param", true, kList284},
  {"picture", false, {}},
  {"plaintext", false, {}},
  {"pre", false, kList285},
  {"progress", false, kList286},
  {"q", false, kList249},
  {"rb", false, {}},
  {"rbc", false, {}},
  {"rp", false, {}},
  {"rt", false, {}},
  {"rtc", false, {}},
  {"ruby", false, {}},
  {"s", false, {}},
  {"samp", false, {}},
  {"script", false, kList287},
  {"search", false, {}},
  {"section", false, {}},
  {"select", false, kList288},
  {"shadow", false, {}},
  {"slot", false, kList276},
  {"small", false, {}},
  {"source", true, kList289},
  {"spacer", false, {}},
  {"span", false, {}},
  {"strike", false, {}},
  {"strong", false, {}},
  {"style", false, kList290},
  {"sub", false, {}},
  {"summary", false, {}},
  {"sup", false, {}},
  {"svg", false, {}},
  {"table", false, kList291},
  {"tbody", false, kList292},
  {"td", false, kList293},
  {"template", false, kList294},
  {"textarea", false, kList295},
  {"tfoot", false, kList292},
  {"th", false, kList293},
  {"thead", false, kList292},
  {"time", false, kList296},
  {"title", false, {}},
  {"tr", false, kList297},
  {"track", true, kList298},
  {"tt", false, {}},
  {"u", false, {}},
  {"ul", false, kList299},
  {"var", false, {}},
  {"video", false, kList300},
  {"wbr", true, {}},
  {"xmp", false, {}},
};

constexpr std::string_view kHtmlGlobalAttributes[] = {"accesskey", "aria-activedescendant", "aria-atomic",
    "aria-autocomplete", "aria-braillelabel", "aria-brailleroledescription", "aria-busy", "aria-checked",
    "aria-colcount", "aria-colindex", "aria-colspan", "aria-controls", "aria-current", "aria-describedby",
    "aria-description", "aria-details", "aria-disabled", "aria-dropeffect", "aria-errormessage",
    "aria-expanded", "aria-flowto", "aria-grabbed", "aria-haspopup", "aria-hidden", "aria-invalid",
    "aria-keyshortcuts", "aria-label", "aria-labelledby", "aria-level", "aria-live", "aria-modal",
    "aria-multiline", "aria-multiselectable", "aria-orientation", "aria-owns", "aria-placeholder",
    "aria-posinset", "aria-pressed", "aria-readonly", "aria-relevant", "aria-required",
    "aria-roledescription", "aria-rowcount", "aria-rowindex", "aria-rowspan", "aria-selected", "aria-setsize",
    "aria-sort", "aria-valuemax", "aria-valuemin", "aria-valuenow", "aria-valuetext", "autocapitalize",
    "autocorrect", "autofocus", "class", "contenteditable", "data-", "dir", "draggable", "enterkeyhint",
    "exportparts", "hidden", "id", "inert", "inputmode", "is", "itemid", "itemprop", "itemref", "itemscope",
    "itemtype", "lang", "nonce", "onabort", "onafterprint", "onauxclick", "onbeforematch", "onbeforeprint",
    "onbeforetoggle", "onbeforeunload", "onblur", "oncancel", "oncanplay", "oncanplaythrough", "onchange",
    "onclick", "onclose", "oncontextlost", "oncontextmenu", "oncontextrestored", "oncopy", "oncuechange",
    "oncut", "ondblclick", "ondrag", "ondragend", "ondragenter", "ondragleave", "ondragover", "ondragstart",
    "ondrop", "ondurationchange", "onemptied", "onended", "onerror", "onfocus", "onformdata", "onhashchange",
    "oninput", "oninvalid", "onkeydown", "onkeypress", "onkeyup", "onlanguagechange", "onload",
    "onloadeddata", "onloadedmetadata", "onloadstart", "onmessage", "onmessageerror", "onmousedown",
    "onmouseenter", "onmouseleave", "onmousemove", "onmouseout", "onmouseover", "onmouseup", "onoffline",
    "ononline", "onpagehide", "onpageshow", "onpaste", "onpause", "onplay", "onplaying", "onpopstate",
    "onprogress", "onratechange", "onrejectionhandled", "onreset", "onresize", "onscroll", "onscrollend",
    "onsecuritypolicyviolation", "onseeked", "onseeking", "onselect", "onslotchange", "onstalled",
    "onstorage", "onsubmit", "onsuspend", "ontimeupdate", "ontoggle", "onunhandledrejection", "onunload",
    "onvolumechange", "onwaiting", "onwheel", "part", "popover", "role", "slot", "spellcheck", "style",
    "tabindex", "title", "translate", "writingsuggestions"};

constexpr TAriaAttributeWords kAriaAttributes[] = {
  {"aria-activedescendant", {}},
  {"aria-atomic", kList301},
  {"aria-autocomplete", kList302},
  {"aria-braillelabel", {}},
  {"aria-brailleroledescription", {}},
  {"aria-busy", kList301},
  {"aria-checked", kList303},
  {"aria-colcount", {}},
  {"aria-colindex", {}},
  {"aria-colspan", {}},
  {"aria-controls", {}},
  {"aria-current", kList304},
  {"aria-describedby", {}},
  {"aria-description", {}},
  {"aria-details", {}},
  {"aria-disabled", kList301},
  {"aria-dropeffect", kList305},
  {"aria-errormessage", {}},
  {"aria-expanded", kList301},
  {"aria-flowto", {}},
  {"aria-grabbed", kList301},
  {"aria-haspopup", kList306},
  {"aria-hidden", kList301},
  {"aria-invalid", kList307},
  {"aria-keyshortcuts", {}},
  {"aria-label", {}},
  {"aria-labelledby", {}},
  {"aria-level", {}},
  {"aria-live", kList308},
  {"aria-modal", kList301},
  {"aria-multiline", kList301},
  {"aria-multiselectable", kList301},
  {"aria-orientation", kList309},
  {"aria-owns", {}},
  {"aria-placeholder", {}},
  {"aria-posinset", {}},
  {"aria-pressed", kList303},
  {"aria-readonly", kList301},
  {"aria-relevant", kList310},
  {"aria-required", kList301},
  {"aria-roledescription", {}},
  {"aria-rowcount", {}},
  {"aria-rowindex", {}},
  {"aria-rowspan", {}},
  {"aria-selected", kList301},
  {"aria-setsize", {}},
  {"aria-sort", kList311},
  {"aria-valuemax", {}},
  {"aria-valuemin", {}},
  {"aria-valuenow", {}},
  {"aria-valuetext", {}},
};

constexpr std::string_view kAriaRoles[] = {"alert", "alertdialog", "application", "article", "banner",
    "blockquote", "button", "caption", "cell", "checkbox", "code", "columnheader", "combobox",
    "complementary", "contentinfo", "definition", "deletion", "dialog", "directory", "doc-abstract",
    "doc-acknowledgments", "doc-afterword", "doc-appendix", "doc-backlink", "doc-biblioentry",
    "doc-bibliography", "doc-biblioref", "doc-chapter", "doc-colophon", "doc-conclusion", "doc-cover",
    "doc-credit", "doc-credits", "doc-dedication", "doc-endnote", "doc-endnotes", "doc-epigraph",
    "doc-epilogue", "doc-errata", "doc-example", "doc-footnote", "doc-foreword", "doc-glossary",
    "doc-glossref", "doc-index", "doc-introduction", "doc-noteref", "doc-notice", "doc-pagebreak",
    "doc-pagefooter", "doc-pageheader", "doc-pagelist", "doc-part", "doc-preface", "doc-prologue",
    "doc-pullquote", "doc-qna", "doc-subtitle", "doc-tip", "doc-toc", "document", "emphasis", "feed",
    "figure", "form", "generic", "graphics-document", "graphics-object", "graphics-symbol", "grid",
    "gridcell", "group", "heading", "img", "insertion", "link", "list", "listbox", "listitem", "log", "main",
    "mark", "marquee", "math", "menu", "menubar", "menuitem", "menuitemcheckbox", "menuitemradio", "meter",
    "navigation", "none", "note", "option", "paragraph", "presentation", "progressbar", "radio", "radiogroup",
    "region", "row", "rowgroup", "rowheader", "scrollbar", "search", "searchbox", "separator", "slider",
    "spinbutton", "status", "strong", "subscript", "superscript", "switch", "tab", "table", "tablist",
    "tabpanel", "term", "textbox", "time", "timer", "toolbar", "tooltip", "tree", "treegrid", "treeitem"};
// clang-format on

}  // namespace

std::span<const TCssPropertyWords> CssPropertyTable() { return kCssProperties; }
std::span<const std::string_view> CssWideKeywords() { return kCssWideKeywords; }
std::span<const THtmlElementWords> HtmlElementTable() { return kHtmlElements; }
std::span<const std::string_view> HtmlGlobalAttributes() { return kHtmlGlobalAttributes; }
std::span<const TAriaAttributeWords> AriaAttributeTable() { return kAriaAttributes; }
std::span<const std::string_view> AriaRoles() { return kAriaRoles; }
