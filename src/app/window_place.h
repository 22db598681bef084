// Where a window with a stored position is shown. A stored position is
// kept as long as the user can still grab the window: some of its caption
// must lie on a monitor's work area. A position that leaves the caption
// off every work area (another monitor was unplugged, a damaged value) is
// brought into the nearest work area, so the running program can always
// be reached.
#pragma once
#include <vector>

#include "ui/types.h"

namespace quellon::app {

// The strip along the window's top that must be on screen, and how much
// of it.
constexpr int kCaptionStripHeight = 20;
constexpr int kCaptionGripWidth = 48;

// The top-left corner to show the window at. window: the stored position
// with the window's outer size. workAreas: the monitors' work areas, the
// primary first; none: the position as stored.
ui::Point PlaceOnScreen(const ui::Rect& window, const std::vector<ui::Rect>& workAreas);

}  // namespace quellon::app
