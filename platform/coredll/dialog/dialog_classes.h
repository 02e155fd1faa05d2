#pragma once

#include <windows.h>

namespace ce {

// The system's class names of dialogs and of the two standard controls.
// Class names compare without regard to case, so templates naming "BUTTON"
// or "Static" find them too.
inline constexpr const WCHAR* dialogClassName = u"Dialog";
inline constexpr const WCHAR* buttonClassName = u"button";
inline constexpr const WCHAR* staticClassName = u"static";

// Registers the dialog, button and static classes as global classes of the
// current device, once per device. Call without the device lock held; the
// window manager may call it before it reports an unknown class.
void registerDialogClasses();

}  // namespace ce
