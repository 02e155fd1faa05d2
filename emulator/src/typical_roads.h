#pragma once

#include "handheld.h"

#include <string>

namespace ceemu {

// The scenario run headless when no script is given: the everyday use of
// the program or driver on its device, with screenshots along the way.
std::string typicalRoad(Profile profile);

}  // namespace ceemu
