// Plain values shared by the controls and their backends: geometry,
// colours, fonts, key codes, the kinds of control and the properties a
// backend mirrors.
#pragma once
#include <cstdint>

namespace quellon::ui {

struct Rect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  int Right() const { return left + width; }
  int Bottom() const { return top + height; }
  bool operator==(const Rect& o) const {
    return left == o.left && top == o.top && width == o.width && height == o.height;
  }
  bool operator!=(const Rect& o) const { return !(*this == o); }
};

struct Extent {
  int width = 0;
  int height = 0;
};

// 0x00BBGGRR, as Windows stores a colour. kDefaultColor means "whatever the
// system draws this kind of control with".
using Color = uint32_t;
constexpr Color kDefaultColor = 0xFF000000u;
constexpr Color kBlack = 0x000000u;
constexpr Color kWhite = 0xFFFFFFu;
constexpr Color kRed = 0x0000FFu;
constexpr Color kMaroon = 0x000080u;
constexpr Color kYellow = 0x00FFFFu;
// The system's button-highlight colour (system colour index 20).
constexpr Color kBtnHighlight = 0xFF000014u;
constexpr bool IsSystemColor(Color c) { return (c & 0xFF000000u) != 0; }

// A control's font. Height is the character height in pixels (0: the
// control font of the system). Size is the same in points at 96 pixels per
// inch, the unit the forms shrink fitted labels in.
struct Font {
  int height = 0;
  bool bold = false;
  Color color = kDefaultColor;

  int Size() const { return (height * 72 + 48) / 96; }
  void SetSize(int points) { height = (points * 96 + 36) / 72; }
  static constexpr Font Pixels(int px, bool bold = false, Color color = kDefaultColor) {
    Font f;
    f.height = px;
    f.bold = bold;
    f.color = color;
    return f;
  }
  bool operator==(const Font& o) const {
    return height == o.height && bold == o.bold && color == o.color;
  }
  bool operator!=(const Font& o) const { return !(*this == o); }
};

enum class Alignment { Left, Center, Right };

// Where a label's shadow copy sits: (-s,-s), (-s,+s), (+s,+s), (+s,-s).
enum class ShadowPosition { LeftTop, LeftBottom, RightBottom, RightTop };

struct Shadow {
  int size = 0;  // 0: no shadow
  ShadowPosition position = ShadowPosition::LeftTop;
  Color color = kBtnHighlight;
};

enum class ControlKind {
  Form,
  Label,
  Button,
  CheckBox,
  RadioButton,
  GroupBox,
  PageControl,
  TabSheet,
  ComboBox,
  Edit,
  SpinEdit,
  TimePicker,
  ProgressBar,
  Timer,
  Action,
  PopupMenu,
  TrayIcon,
};
// One more than the last kind: the kind table (ui/kinds.h) and each
// backend's peer table have this many rows.
constexpr int kControlKindCount = static_cast<int>(ControlKind::TrayIcon) + 1;

const wchar_t* KindName(ControlKind kind);

// What changed in a control's state; its backend peer mirrors it.
enum class Property {
  Text,
  Bounds,
  Visible,
  Enabled,
  Font,
  Color,
  Hint,
  TabOrder,
  Parent,
  Focus,
  Checked,
  Default,
  Alignment,
  Shadow,
  Items,
  ItemIndex,
  DropDownWidth,
  ReadOnly,
  EditLabel,
  Value,
  Range,
  Format,
  ActivePage,
  Interval,
  WindowState,
  Balloon,
};

struct Point {
  int x = 0;
  int y = 0;
};

// Key codes are the Windows virtual-key codes (portable numbers).
namespace keys {
constexpr int kReturn = 0x0D;
constexpr int kEscape = 0x1B;
constexpr int kF1 = 0x70;
constexpr int kF5 = 0x74;
constexpr int kF10 = 0x79;
constexpr int kF12 = 0x7B;
}  // namespace keys

enum ShiftState : unsigned { kNoShift = 0, kShift = 1, kCtrl = 2, kAlt = 4 };

struct ShortCut {
  int key = 0;  // 0: none
  unsigned shift = kNoShift;
  bool operator==(const ShortCut& o) const { return key == o.key && shift == o.shift; }
};

}  // namespace quellon::ui
