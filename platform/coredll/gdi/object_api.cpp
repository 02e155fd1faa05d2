// The drawing-object calls: brushes, pens, fonts, stock objects, selection.
#include "gdi/drawing_target.h"
#include "gdi/system_colors.h"

#include <windows.h>

namespace {

ce::gdi::GraphicsHandles& handles() { return ce::Device::current().get<ce::gdi::GraphicsHandles>(); }

}  // namespace

extern "C" {

// CreateSolidBrush: a brush of one colour.
HBRUSH WINAPI CreateSolidBrush(COLORREF color) {
    return static_cast<HBRUSH>(handles().addObject(ce::gdi::Brush{color & 0x00FFFFFF, false}));
}

// CreatePen: PS_SOLID, PS_DASH or PS_NULL (others draw solid); width 0 means one pixel.
HPEN WINAPI CreatePen(int iStyle, int cWidth, COLORREF color) {
    return static_cast<HPEN>(handles().addObject(ce::gdi::Pen{iStyle, cWidth < 1 ? 1 : cWidth, color & 0x00FFFFFF}));
}

// CreateFontIndirectW: lfHeight < 0 is the em height in pixels, > 0 the cell height, 0 the default.
HFONT WINAPI CreateFontIndirectW(const LOGFONTW* lplf) {
    if (!lplf) return nullptr;
    return static_cast<HFONT>(handles().addObject(ce::gdi::Font{*lplf}));
}

// GetStockObject: the device's shared brushes, pens and SYSTEM_FONT; null for other indexes.
HGDIOBJ WINAPI GetStockObject(int i) { return handles().stockObject(i); }

// SelectObject: returns the DC's previous object of the same kind; null on failure.
HGDIOBJ WINAPI SelectObject(HDC hdc, HGDIOBJ h) {
    ce::gdi::GraphicsHandles* table = ce::gdi::activeGraphicsHandles();
    return table ? table->selectObject(hdc, h) : nullptr;
}

// DeleteObject: stock and system-colour objects are left alone (TRUE); an
// object still selected into a DC is not deleted (FALSE).
BOOL WINAPI DeleteObject(HGDIOBJ ho) {
    ce::gdi::GraphicsHandles* table = ce::gdi::activeGraphicsHandles();
    return table && table->deleteObject(ho) ? TRUE : FALSE;
}

// GetSysColor: the Pocket PC-like palette; 0 for unknown indexes.
DWORD WINAPI GetSysColor(int nIndex) { return ce::gdi::systemColor(nIndex).value_or(0); }

// GetSysColorBrush: one shared brush per system colour; never needs deleting.
HBRUSH WINAPI GetSysColorBrush(int nIndex) { return handles().systemColorBrush(nIndex); }

}  // extern "C"
