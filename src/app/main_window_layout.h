// The main window's controls as data: names, captions, bounds and initial
// state of everything TYARBForm shows.
#pragma once
#include <cstddef>

#include "ui/control_table.h"
#include "ui/form.h"

namespace quellon::app {

extern const ui::FormDesc kMainWindowDesc;
extern const ui::ControlDesc kMainWindowControls[];
extern const size_t kMainWindowControlCount;

}  // namespace quellon::app
