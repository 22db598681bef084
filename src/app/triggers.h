// The events a watch waits for, by the Tag of their radio buttons, as the
// registry value "Time", the command line and the shared block carry them;
// and the parts of the time field.
#pragma once
#include <string>

namespace quellon::app {

enum TriggerTag : int {
  trgPeriodOfTime = 1,  // a period elapses
  trgComputerIdle = 2,  // no keyboard or mouse input for a period
  trgTime = 3,          // a time of day comes
  trgMonitoredApp = 4,  // a chosen application closes
  trgNoSound = 5,       // applications stop playing sound
};
constexpr int kFirstTrigger = trgPeriodOfTime;
constexpr int kLastTrigger = trgNoSound;

constexpr bool IsTriggerTag(int tag) { return tag >= kFirstTrigger && tag <= kLastTrigger; }
// The triggers whose watch counts down on the time page (all but the
// application watch, which waits on its own page first).
constexpr bool CountsOnTimePage(int tag) { return IsTriggerTag(tag) && tag != trgMonitoredApp; }
// The triggers whose time the user types (the silence trigger's comes from
// its saved value).
constexpr bool TimeFieldEditable(int tag) { return tag >= trgPeriodOfTime && tag <= trgTime; }
// The user value that keeps the trigger's time: "Time1", "Time2", ...
inline std::wstring TimeValueName(int tag) { return L"Time" + std::to_wstring(tag); }

// The parts of the time field SetTimePart changes.
enum TimePart : int { tpHours = 0, tpMinutes = 1, tpSeconds = 2 };

}  // namespace quellon::app
