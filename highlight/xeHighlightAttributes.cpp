// TxeHighLightAttributes: property setters, copying, registry storage and the IDE colour import.
#include <array>
#include <cctype>
#include <charconv>

#include "xeHighlighter.h"

TxeHighLightAttributes::TxeHighLightAttributes(std::string Name) : FName(std::move(Name)) {}

void TxeHighLightAttributes::Changed() {
  if (OnChange) OnChange(this);
}

void TxeHighLightAttributes::SetBackground(TColor Value) {
  if (Value == FBackground) return;
  FBackground = Value;
  Changed();
}

void TxeHighLightAttributes::SetForeground(TColor Value) {
  if (Value == FForeground) return;
  FForeground = Value;
  Changed();
}

void TxeHighLightAttributes::SetStyle(TFontStyles Value) {
  if (Value == FStyle) return;
  FStyle = Value;
  Changed();
}

void TxeHighLightAttributes::Assign(const TxeHighLightAttributes& Source) {
  if (&Source == this) return;
  FName = Source.FName;
  bool Changes = false;
  if (FBackground != Source.FBackground) FBackground = Source.FBackground, Changes = true;
  if (FForeground != Source.FForeground) FForeground = Source.FForeground, Changes = true;
  if (FStyle != Source.FStyle) FStyle = Source.FStyle, Changes = true;
  if (Changes) Changed();
}

bool TxeHighLightAttributes::SaveToRegistry(TxeRegistry& Reg) {
  const std::string Path = Reg.CurrentPath();
  if (!Reg.OpenKey(FName, true)) return false;
  Reg.WriteInteger("Background", static_cast<std::int32_t>(FBackground));
  Reg.WriteInteger("Foreground", static_cast<std::int32_t>(FForeground));
  Reg.WriteInteger("Style", FStyle);
  Reg.OpenKey("\\" + Path, false);
  return true;
}

bool TxeHighLightAttributes::LoadFromRegistry(TxeRegistry& Reg) {
  const std::string Path = Reg.CurrentPath();
  if (!Reg.OpenKeyReadOnly(FName)) return false;
  if (auto V = Reg.ReadInteger("Background")) SetBackground(static_cast<TColor>(*V));
  if (auto V = Reg.ReadInteger("Foreground")) SetForeground(static_cast<TColor>(*V));
  if (auto V = Reg.ReadInteger("Style")) SetStyle(static_cast<TFontStyles>(*V & 15));
  Reg.OpenKeyReadOnly("\\" + Path);
  return true;
}

namespace {

constexpr std::array<TColor, 16> IdePalette = {0x000000, 0x000080, 0x008000, 0x008080, 0x800000, 0x800080,
                                               0x808000, 0xC0C0C0, 0x808080, 0x0000FF, 0x00FF00, 0x00FFFF,
                                               0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF};

struct TImportFailed {};

TColor PaletteColor(const std::string& Text) {
  int Index = 0;
  const char* B = Text.data();
  const char* E = B + Text.size();
  auto [P, Err] = std::from_chars(B, E, Index);
  if (Err != std::errc() || P != E || Index < 0 || Index > 15) throw TImportFailed{};
  return IdePalette[static_cast<std::size_t>(Index)];
}

TColor PaletteColor(std::int32_t Index) {
  if (Index < 0 || Index > 15) throw TImportFailed{};
  return IdePalette[static_cast<std::size_t>(Index)];
}

bool FlagTrue(const std::string& S) {
  if (S == "0") return false;
  std::string U(S);
  for (char& C : U) C = static_cast<char>(std::toupper(static_cast<unsigned char>(C)));
  return U != "FALSE";
}

}  // namespace

bool TxeHighLightAttributes::ImportIdeColors(TxeKeyStore& RootKey, const std::string& Key,
                                             const std::string& ValueName, bool OldLayout) {
  TxeRegistry Reg(RootKey);
  try {
    if (OldLayout) {
      if (!Reg.OpenKeyReadOnly(Key)) return false;
      auto Value = Reg.ReadString(ValueName);
      if (!Value) return false;
      std::array<std::string, 7> Field;
      std::size_t Start = 0;
      for (std::size_t I = 0; I < Field.size(); ++I) {
        std::size_t Comma = I + 1 < Field.size() ? Value->find(',', Start) : std::string::npos;
        Field[I] = Value->substr(Start, Comma == std::string::npos ? std::string::npos : Comma - Start);
        if (Comma == std::string::npos) break;
        Start = Comma + 1;
      }
      SetBackground(Field[4] == "1" ? clWindow : PaletteColor(Field[6]));
      SetForeground(Field[3] == "1" ? clWindowText : PaletteColor(Field[5]));
      TFontStyles S = 0;
      if (Field[2].find('B') != std::string::npos) S |= fsBold;
      if (Field[2].find('I') != std::string::npos) S |= fsItalic;
      if (Field[2].find('U') != std::string::npos) S |= fsUnderline;
      SetStyle(S);
      return true;
    }
    if (!Reg.OpenKeyReadOnly(Key + "\\" + ValueName)) return false;
    auto Fg = Reg.ReadInteger("Foreground Color");
    auto Bg = Reg.ReadInteger("Background Color");
    auto Bold = Reg.ReadString("Bold");
    auto Italic = Reg.ReadString("Italic");
    auto Underline = Reg.ReadString("Underline");
    auto DefFg = Reg.ReadString("Default Foreground");
    auto DefBg = Reg.ReadString("Default Background");
    if (!Fg || !Bg || !Bold || !Italic || !Underline || !DefFg || !DefBg) return false;
    SetBackground(FlagTrue(*DefBg) ? clWindow : PaletteColor(*Bg));
    SetForeground(FlagTrue(*DefFg) ? clWindowText : PaletteColor(*Fg));
    TFontStyles S = 0;
    if (FlagTrue(*Bold)) S |= fsBold;
    if (FlagTrue(*Italic)) S |= fsItalic;
    if (FlagTrue(*Underline)) S |= fsUnderline;
    SetStyle(S);
    return true;
  } catch (...) {
    return false;  // an import never fails loudly
  }
}
