#pragma once

#include <windows.h>

#include <string>

// Drawing steps the standard controls share.
namespace ce::controls {

std::u16string windowText(HWND window);

// The control's font from its extra bytes at fontOffset, else the system font.
HFONT fontForDrawing(HWND control, int fontOffset);

// Asks the parent for the background as Win32 does (WM_CTLCOLORSTATIC
// also sets the text colour on dc); the static background if it answers 0.
HBRUSH backgroundFromParent(HWND control, HDC dc);

void fillWithSystemColor(HDC dc, const RECT& rect, int colorIndex);
// A frame of the given thickness just inside rect.
void drawFrame(HDC dc, const RECT& rect, int thickness, int colorIndex);

// Paints the control now through its own DC, as a state change needs an
// immediate new look (pressed while the pen is down).
void repaintNow(HWND control, void (*paint)(HWND, HDC));

}  // namespace ce::controls
