// The caption that names an action in the main window ("Shut down:").
#pragma once
#include <string>

#include "settings/command.h"

namespace quellon {

std::wstring GetCommandCaption(TZUBCommand command);

}  // namespace quellon
