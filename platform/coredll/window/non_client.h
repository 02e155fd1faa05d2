#pragma once

#include <windows.h>

namespace ce {

// The Pocket PC non-client area: no borders; WS_CAPTION gives a caption bar
// of kCaptionHeight pixels at the top, and WS_EX_CAPTIONOKBTN an "ok"
// button at its right end.
constexpr int kCaptionHeight = 26;
constexpr int kOkButtonWidth = 26;

bool hasCaption(DWORD style);
// The client area for a window rectangle (any coordinate system).
RECT clientAreaFor(DWORD style, const RECT& windowRect);
// The OK button in the same coordinates as windowRect.
RECT okButtonFor(const RECT& windowRect);
// WM_NCHITTEST's default answer for a screen point.
LRESULT defaultHitTest(DWORD style, DWORD exStyle, const RECT& windowRect, const RECT& clientRect, POINT screen);
// WM_NCPAINT's default drawing: the caption with its title and OK button.
void paintCaption(HWND window);

}  // namespace ce
