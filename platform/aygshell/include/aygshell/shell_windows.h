#pragma once

#include <windows.h>

// Names and hand-offs shared by the shell library and the emulated shells.
namespace ce::aygshell {

inline constexpr const WCHAR* kTaskbarClass = u"HHTaskBar";
inline constexpr const WCHAR* kMenuBarClass = u"menu_worker";
inline constexpr const WCHAR* kInputPanelButtonClass = u"InputPanelButton";

// Posted to the taskbar whenever the foreground window, its title or its
// Done button may have changed; the taskbar then reads them afresh. Posting
// keeps the caller from waiting on the shell's thread.
constexpr UINT kTaskbarRefreshMessage = WM_USER + 0x200;

// Registers the menu-bar and input-panel-button classes (global classes, so
// every process can create them). Registering again is harmless.
void registerShellClasses();

// Asks the taskbar, if there is one, to show the current foreground window.
void requestTaskbarRefresh();

// The screen-wide input-panel button that a shell may keep on top of every
// menu bar, or null when menu bars carry their own.
HWND findScreenInputPanelButton();
// The input-panel button inside a menu bar, or null.
HWND inputPanelButtonOf(HWND menuBar);

// The default procedure of the shell's bars and buttons, which never take
// or keep the activation: a tap does not activate them, and an activation
// (an application showing the taskbar with SW_SHOW) goes straight back to the
// window that had it. Other messages go to DefWindowProc.
LRESULT shellBarDefaultProcedure(HWND bar, UINT message, WPARAM wParam, LPARAM lParam);

// True when window's class name is exactly className.
bool hasClass(HWND window, const WCHAR* className);
// The top-level window that contains window (itself when it is top-level).
HWND topLevelOf(HWND window);

}  // namespace ce::aygshell
