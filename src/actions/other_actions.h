// The actions that leave the computer running.
#pragma once

namespace quellon {

void ModemDisconnect();
void BlockWindowsUser();
void TurnOffMonitor();

}  // namespace quellon
