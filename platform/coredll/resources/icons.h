#pragma once

#include "resources/icon_image.h"

#include <windows.h>

namespace ce {

// The decoded pixels of an icon handle (for caption icons, static icon
// controls and tests); null for an unknown handle. Valid while the device
// lives: resource icons are shared and never destroyed.
const IconImage* iconImage(HICON icon);

// The size LoadIcon loads (SM_CXICON x SM_CYICON on the device).
constexpr int standardIconSize = 32;

}  // namespace ce
