// The maker's addresses: its web site (also what a shortcut without an address links to), its center
// page and its mail address.
#pragma once

inline constexpr const char* kMakerWebSite = "https://www.orvex.example/";
inline constexpr const char* kMakerCenterPage = "https://www.orvex.example/center";
inline constexpr const char* kMakerEMail = "info@orvex.example";
