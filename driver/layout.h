// The three layout operations the worker runs once and the subclass
// procedures run again whenever the shell may have undone them.
#pragma once

#include <windows.h>

// Moves HookState.menuBar below the visible screen, keeping its left edge.
void MoveBarOffScreen();
// Stretches window over the whole screen and hides the input-panel button.
void FitDesktopToScreen(HWND window);
// Sizes the fill pane to the screen width and down to the anchor pane's top
// (or the bottom of the screen while the anchor pane is hidden).
void LayoutFillPane();
