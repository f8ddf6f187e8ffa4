// How the desktop knows the program: the id its desktop entry, AppStream metainfo and icon are installed
// under, and the window icon, which is built into the program so that it shows without an installed theme.
#pragma once

class QApplication;

// Lower-case reverse DNS of the maker's domain, as AppStream asks.
inline constexpr const char* DesktopId = "example.orvex.quillan";

// Sets the application's desktop file name and its window icon from the program's own resources.
void ApplyDesktopIdentity(QApplication& App);
