#pragma once

#include "handheld.h"
#include "scenario.h"

#include <string>
#include <vector>

namespace ceemu {

// Shows the emulated screen in a desktop window and turns the mouse into the
// pen. Runs script (if any) meanwhile; returns the exit code, or 2 with a
// message in error when no window can be opened.
int runInteractive(Handheld& handheld, const std::vector<ScenarioLine>* script, std::string* error);

}  // namespace ceemu
