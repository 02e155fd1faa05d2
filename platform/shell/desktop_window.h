#pragma once

#include <windows.h>

// What both shells' desktop windows share.
namespace ce::shell {

inline constexpr const WCHAR* kDesktopClass = u"ShellDesktop";
inline constexpr const WCHAR* kDesktopTitle = u"Today";

// Makes desktop what GetDesktopWindow returns (null: none again).
void registerDesktopWindow(HWND desktop);

// For WM_WINDOWPOSCHANGING: the desktop stays behind every other window,
// even when it is activated.
void keepBehindOtherWindows(LPARAM windowPosition);

// Registers the desktop class with procedure and creates the desktop,
// hidden, over area; the caller shows it once its children exist.
HWND createDesktop(WNDPROC procedure, const RECT& area);

// White, with the "Today" heading under a blue rule.
void paintTodayScreen(HWND desktop);

}  // namespace ce::shell
