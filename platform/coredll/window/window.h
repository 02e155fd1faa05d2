#pragma once

#include "geometry/region.h"

#include <windows.h>

#include <string>
#include <vector>

namespace ce {

class EmulatedThread;
class EmulatedProcess;
struct WindowClass;

// The record of one window. Only the WindowManager creates, changes and
// frees these, always under the device lock; everyone else holds an HWND
// and looks the record up again after any call that released the lock.
struct Window {
    HWND handle = nullptr;
    WindowClass* windowClass = nullptr;
    WNDPROC procedure = nullptr;
    HINSTANCE instance = nullptr;
    std::u16string text;
    DWORD style = 0;
    DWORD exStyle = 0;
    LONG_PTR id = 0;        // GWL_ID: the control id of a child
    LONG_PTR userData = 0;  // GWL_USERDATA

    Window* parent = nullptr;       // the manager's root for a top-level window
    Window* owner = nullptr;        // top-level windows only
    std::vector<Window*> children;  // z-order, topmost first

    RECT windowRect{};  // screen coordinates
    RECT clientRect{};  // screen coordinates

    EmulatedThread* thread = nullptr;
    EmulatedProcess* process = nullptr;
    std::vector<unsigned char> extraBytes;  // cbWndExtra

    Region updateRegion;  // screen coordinates, within windowRect
    bool erasePending = false;

    HICON bigIcon = nullptr;
    HICON smallIcon = nullptr;

    bool destroying = false;  // DestroyWindow is under way
};

}  // namespace ce
