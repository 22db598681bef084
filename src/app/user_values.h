// The main window's own values under the user's settings key: the last
// trigger, the window position, the menu tip counter, the application box
// text and the learned captions. They are read in one go into plain data
// and applied to the window afterwards, so that nothing a control does
// while they are applied can be taken for a damaged registry.
#pragma once
#include <string>
#include <vector>

#include "install/special_programs.h"
#include "os/registry.h"

namespace quellon::app {

struct UserValues {
  bool keyOpened = false;  // false: the key could neither be opened nor made
  int time = 1;            // the Tag of the last trigger; 1 when missing
  // False on a first start (no position yet) or when a value is damaged:
  // the key is then started afresh.
  bool complete = false;
  int left = 0, top = 0;
  int menuTip = 0;
  std::wstring monitoredApp;
};

// Reads the values. The learned captions of the "SpecPrograms" subkey go
// into the rows of the table (an empty subkey is deleted). Never throws
// for bad data: a damaged value gives complete = false.
UserValues ReadUserValues(os::Registry& registry, std::vector<TSpecPrg>& specialPrograms,
                          bool vistaOrLater);

// Deletes the whole settings key, makes it again empty and writes
// "MenuTip" 0. False when any of that fails.
bool ResetUserKey(os::Registry& registry);

}  // namespace quellon::app
