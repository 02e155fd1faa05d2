#pragma once

#include <windows.h>

namespace ce {

// The system's class names of dialogs and of the two standard controls.
// Class names compare without regard to case, so templates naming "BUTTON"
// or "Static" find them too.
inline constexpr const WCHAR* dialogClassName = u"Dialog";
inline constexpr const WCHAR* buttonClassName = u"button";
inline constexpr const WCHAR* staticClassName = u"static";

class ClassTable;

// Adds the dialog, button and static classes to a device's class table as
// global classes of the system (process 0), as they exist from boot on the
// platform. The window manager calls it when it is created.
void addSystemClasses(ClassTable& classes);

}  // namespace ce
