#include "dialog/dialog_font.h"

#include <algorithm>

namespace ce {

HFONT createTemplateFont(const DialogTemplate& dialogTemplate) {
    if (!dialogTemplate.hasFont) return nullptr;
    HDC screen = GetDC(nullptr);
    int pixelsPerInch = screen ? GetDeviceCaps(screen, LOGPIXELSY) : 96;
    if (screen) ReleaseDC(nullptr, screen);
    if (pixelsPerInch <= 0) pixelsPerInch = 96;
    LOGFONTW description{};
    // Negative: the character height (without internal leading), as point sizes mean.
    description.lfHeight = -((dialogTemplate.pointSize * pixelsPerInch + 36) / 72);
    description.lfWeight = dialogTemplate.weight;
    description.lfItalic = dialogTemplate.italic;
    description.lfCharSet = dialogTemplate.charSet;
    std::size_t length = std::min<std::size_t>(dialogTemplate.faceName.size(), LF_FACESIZE - 1);
    std::copy_n(dialogTemplate.faceName.begin(), length, description.lfFaceName);
    return CreateFontIndirectW(&description);
}

SIZE baseUnitsOfFont(HFONT font) {
    static constexpr WCHAR letters[] = u"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
    SIZE units{4, 8};  // what a missing screen leaves: one pixel per dialog unit
    HDC screen = GetDC(nullptr);
    if (!screen) return units;
    HGDIOBJ old = SelectObject(screen, font ? static_cast<HGDIOBJ>(font) : GetStockObject(SYSTEM_FONT));
    SIZE extent{};
    if (GetTextExtentPoint32W(screen, letters, 52, &extent) && extent.cx > 0 && extent.cy > 0) {
        units.cx = (extent.cx + 26) / 52;
        units.cy = extent.cy;
    }
    SelectObject(screen, old);
    ReleaseDC(nullptr, screen);
    return units;
}

}  // namespace ce
