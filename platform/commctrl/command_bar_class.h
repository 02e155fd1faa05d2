#pragma once

#include <windows.h>

namespace ce::commctrl {

inline constexpr const WCHAR* kCommandBarClass = u"ToolbarWindow32";

// Registers the command bar's global window class; again is harmless.
void registerCommandBarClass();

}  // namespace ce::commctrl
