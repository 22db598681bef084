#include "settings/shortcut.h"

#include <cwchar>

#include "util/text.h"

namespace quellon {
namespace {

struct KeyName {
  const wchar_t* name;
  uint8_t vk;
};

// Canonical names first: writing takes the first name of a key.
constexpr KeyName kKeyNames[] = {
    {L"Backspace", 0x08}, {L"Tab", 0x09},     {L"Enter", 0x0D},  {L"Esc", 0x1B},
    {L"Space", 0x20},     {L"PgUp", 0x21},    {L"PgDn", 0x22},   {L"End", 0x23},
    {L"Home", 0x24},      {L"Left", 0x25},    {L"Up", 0x26},     {L"Right", 0x27},
    {L"Down", 0x28},      {L"Ins", 0x2D},     {L"Del", 0x2E},    {L"BkSp", 0x08},
    {L"Return", 0x0D},    {L"Escape", 0x1B},  {L"PageUp", 0x21}, {L"PageDown", 0x22},
    {L"Insert", 0x2D},    {L"Delete", 0x2E},
};

struct Modifier {
  const wchar_t* prefix;
  TShortCut flag;
};

constexpr Modifier kModifiers[] = {{L"shift+", scShift}, {L"ctrl+", scCtrl}, {L"alt+", scAlt}};

bool KeyFromName(const std::wstring& lower, uint8_t& vk) {
  if (lower.size() == 1) {
    wchar_t c = lower[0];
    if (c >= L'a' && c <= L'z') return vk = static_cast<uint8_t>(c - L'a' + 'A'), true;
    if (c >= L'0' && c <= L'9') return vk = static_cast<uint8_t>(c - L'0' + '0'), true;
  }
  if (lower.size() >= 2 && lower.size() <= 3 && lower[0] == L'f') {
    int n = 0;
    for (size_t i = 1; i < lower.size(); ++i) {
      if (lower[i] < L'0' || lower[i] > L'9') return false;
      n = n * 10 + (lower[i] - L'0');
    }
    if (lower[1] == L'0' || n < 1 || n > 24) return false;
    vk = static_cast<uint8_t>(0x70 + n - 1);
    return true;
  }
  for (const auto& k : kKeyNames)
    if (AsciiLower(k.name) == lower) return vk = k.vk, true;
  return false;
}

std::wstring NameOfKey(uint8_t vk) {
  if ((vk >= 'A' && vk <= 'Z') || (vk >= '0' && vk <= '9')) return std::wstring(1, wchar_t(vk));
  if (vk >= 0x70 && vk <= 0x87) return L"F" + std::to_wstring(vk - 0x70 + 1);
  for (const auto& k : kKeyNames)
    if (k.vk == vk) return k.name;
  return L"";
}

}  // namespace

bool TextToShortCut(const std::wstring& text, TShortCut& shortCut) {
  if (text.empty()) return shortCut = scNone, true;
  std::wstring rest = AsciiLower(text);
  TShortCut mods = 0;
  for (bool found = true; found;) {
    found = false;
    for (const auto& m : kModifiers) {
      if (StartsWith(rest, m.prefix) && rest.size() > std::wcslen(m.prefix)) {
        if (mods & m.flag) return false;  // the same modifier twice
        mods |= m.flag;
        rest.erase(0, std::wcslen(m.prefix));
        found = true;
      }
    }
  }
  uint8_t vk = 0;
  if (!KeyFromName(rest, vk)) return false;
  shortCut = static_cast<TShortCut>(mods | vk);
  return true;
}

std::wstring ShortCutToText(TShortCut shortCut) {
  std::wstring key = NameOfKey(static_cast<uint8_t>(shortCut & 0xFF));
  if (key.empty()) return L"";
  std::wstring text;
  if (shortCut & scShift) text += L"Shift+";
  if (shortCut & scCtrl) text += L"Ctrl+";
  if (shortCut & scAlt) text += L"Alt+";
  return text + key;
}

}  // namespace quellon
