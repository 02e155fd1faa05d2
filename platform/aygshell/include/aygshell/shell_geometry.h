#pragma once

#include <windows.h>

// Where the shell's bars sit on the screen. The screen size is read fresh on
// every call, so a resized screen is picked up at once.
namespace ce::aygshell {

constexpr int kTaskbarHeight = 26;
constexpr int kMenuBarHeight = 26;
constexpr int kInputPanelHeight = 80;
constexpr int kInputPanelButtonWidth = 36;

// (0, 0, screen width, screen height).
RECT screenRect();
// The strip the taskbar covers: (0, 0, w, 26).
RECT taskbarRect();
// A menu bar at the bottom of the screen: (0, h - 26, w, h).
RECT menuBarRect();
// Below the taskbar, down to the bottom of the screen: (0, 26, w, h).
RECT workAreaBelowTaskbar();

}  // namespace ce::aygshell
