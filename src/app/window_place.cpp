#include "app/window_place.h"

#include <algorithm>
#include <cstdint>

namespace quellon::app {
namespace {

// Length of the overlap of [a, a + la) and [b, b + lb), in 64 bits: stored
// positions may be anywhere in the 32-bit range.
int64_t Overlap(int64_t a, int64_t la, int64_t b, int64_t lb) {
  return std::max<int64_t>(0, std::min(a + la, b + lb) - std::max(a, b));
}

// Distance between [a, a + la) and [b, b + lb); 0 when they overlap.
int64_t Gap(int64_t a, int64_t la, int64_t b, int64_t lb) {
  if (a + la <= b) return b - (a + la);
  if (b + lb <= a) return a - (b + lb);
  return 0;
}

bool CaptionReachable(const ui::Rect& w, const ui::Rect& area) {
  const int64_t strip = std::min(kCaptionStripHeight, std::max(w.height, 1));
  const int64_t grip = std::min(kCaptionGripWidth, std::max(w.width, 1));
  const bool fullHeight = int64_t{w.top} >= area.top && int64_t{w.top} + strip <= int64_t{area.top} + area.height;
  return fullHeight && Overlap(w.left, w.width, area.left, area.width) >= grip;
}

int Clamp(int64_t pos, int64_t size, const int start, const int length) {
  const int64_t last = int64_t{start} + length - size;
  if (last <= start) return start;  // larger than the area: its start
  return static_cast<int>(std::clamp<int64_t>(pos, start, last));
}

}  // namespace

ui::Point PlaceOnScreen(const ui::Rect& window, const std::vector<ui::Rect>& workAreas) {
  if (workAreas.empty()) return {window.left, window.top};
  for (const ui::Rect& a : workAreas)
    if (CaptionReachable(window, a)) return {window.left, window.top};
  // The nearest work area (the one it overlaps most among those it
  // touches), the primary on a tie.
  const ui::Rect* best = nullptr;
  int64_t bestGap = 0, bestArea = 0;
  for (const ui::Rect& a : workAreas) {
    const int64_t gap = Gap(window.left, window.width, a.left, a.width) + Gap(window.top, window.height, a.top, a.height);
    const int64_t area = Overlap(window.left, window.width, a.left, a.width) *
                         Overlap(window.top, window.height, a.top, a.height);
    if (!best || gap < bestGap || (gap == bestGap && area > bestArea)) {
      best = &a;
      bestGap = gap;
      bestArea = area;
    }
  }
  return {Clamp(window.left, window.width, best->left, best->width),
          Clamp(window.top, window.height, best->top, best->height)};
}

}  // namespace quellon::app
