#include "aygshell/shell_geometry.h"

namespace ce::aygshell {

RECT screenRect() {
    return RECT{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

RECT taskbarRect() {
    RECT screen = screenRect();
    return RECT{0, 0, screen.right, kTaskbarHeight};
}

RECT menuBarRect() {
    RECT screen = screenRect();
    return RECT{0, screen.bottom - kMenuBarHeight, screen.right, screen.bottom};
}

RECT workAreaBelowTaskbar() {
    RECT screen = screenRect();
    return RECT{0, kTaskbarHeight, screen.right, screen.bottom};
}

}  // namespace ce::aygshell
