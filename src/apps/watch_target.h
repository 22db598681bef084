// What an application watch waits for: the target the user's text resolves
// to, which the close monitoring compares the closing windows with.
#pragma once
#include <string>

namespace quellon {

enum class TWhoIsClosed {
  wicWindowClass,  // a window of the class (FHookPrg) closes
  wicProgramName,  // a window whose caption is, or contains, FHookPrg closes
  wicMainWindow,   // no window of the class FHookClass (and caption FHookPrg, "?" any) is left
};

// The class marker: in a list item, a setting or a command-line text that
// names an application it introduces a window class name.
inline constexpr wchar_t kClassMarker[] = L"WC>>";
// FHookPrg's value for any caption.
inline constexpr wchar_t kAnyCaption[] = L"?";

struct WatchTarget {
  TWhoIsClosed type = TWhoIsClosed::wicProgramName;
  std::wstring hookPrg;    // upper case
  std::wstring hookClass;  // upper case; wicMainWindow only
  std::wstring displayName;
  std::wstring heading;    // shown above the display name while waiting
};

}  // namespace quellon
