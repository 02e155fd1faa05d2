// Single-line text output and measurement.
#include "gdi/drawing_target.h"
#include "gdi/font_engine.h"
#include "gdi/pixel_format.h"
#include "gdi/text_run.h"

#include <windows.h>

#include <string_view>

using ce::gdi::Canvas;

extern "C" {

// ExtTextOutW: (x, y) is the top-left of the text cell; ETO_OPAQUE fills the
// rectangle with the background colour first (with c == 0 that is all it
// does: MFC's FillSolidRect); ETO_CLIPPED keeps the text inside it.
BOOL WINAPI ExtTextOutW(HDC hdc, int x, int y, UINT options, const RECT* lprect, LPCWSTR lpString, UINT c,
                        const int* lpDx) {
    if (c > 0 && !lpString) return FALSE;
    std::optional<ce::gdi::DrawingTarget> target = ce::gdi::drawingTarget(hdc);
    if (!target) return FALSE;
    const ce::gdi::DrawingState& state = target->state;
    std::uint32_t background = ce::rgbFromColorRef(state.background);
    std::uint32_t ink = ce::rgbFromColorRef(state.text);

    ce::gdi::TextRun run;
    ce::gdi::FontMetrics metrics;
    if (c > 0) {
        auto& engine = target->device->get<ce::gdi::FontEngine>();
        metrics = engine.metrics(state.font);
        run = ce::gdi::layoutRun(engine, state.font, std::u16string_view(lpString, c), lpDx);
    }
    ce::gdi::paint(*target, [&](Canvas& canvas) {
        if ((options & ETO_OPAQUE) && lprect) canvas.fillRect(*lprect, background);
        if (c == 0) return;
        Canvas textCanvas = (options & ETO_CLIPPED) && lprect ? canvas.restrictedTo(*lprect) : canvas;
        if (state.backgroundMode == OPAQUE)
            textCanvas.fillRect(RECT{x, y, x + run.width, y + metrics.height}, background);
        ce::gdi::drawRun(textCanvas, run, x, y, metrics, state.font, ink);
    });
    return TRUE;
}

// GetTextExtentPoint32W: width of the text and the height of one line in the selected font.
BOOL WINAPI GetTextExtentPoint32W(HDC hdc, LPCWSTR lpString, int c, LPSIZE psizl) {
    if (!psizl || c < 0 || (c > 0 && !lpString)) return FALSE;
    std::optional<ce::gdi::DrawingTarget> target = ce::gdi::drawingTarget(hdc);
    if (!target) return FALSE;
    auto& engine = target->device->get<ce::gdi::FontEngine>();
    ce::gdi::FontMetrics metrics = engine.metrics(target->state.font);
    int width = c > 0 ? ce::gdi::layoutRun(engine, target->state.font, std::u16string_view(lpString, c)).width : 0;
    psizl->cx = width;
    psizl->cy = metrics.height;
    return TRUE;
}

// GetTextMetricsW: metrics of the selected font (a variable-pitch TrueType sans serif).
BOOL WINAPI GetTextMetricsW(HDC hdc, LPTEXTMETRICW lptm) {
    if (!lptm) return FALSE;
    std::optional<ce::gdi::DrawingTarget> target = ce::gdi::drawingTarget(hdc);
    if (!target) return FALSE;
    const LOGFONTW& description = target->state.font.description;
    ce::gdi::FontMetrics metrics = target->device->get<ce::gdi::FontEngine>().metrics(target->state.font);
    TEXTMETRICW result{};
    result.tmHeight = metrics.height;
    result.tmAscent = metrics.ascent;
    result.tmDescent = metrics.descent;
    result.tmInternalLeading = metrics.internalLeading;
    result.tmAveCharWidth = metrics.averageWidth;
    result.tmMaxCharWidth = metrics.maximumWidth;
    result.tmWeight = metrics.weight;
    result.tmDigitizedAspectX = 96;
    result.tmDigitizedAspectY = 96;
    result.tmFirstChar = u' ';
    result.tmLastChar = u'\uFFFC';
    result.tmDefaultChar = u'?';
    result.tmBreakChar = u' ';
    result.tmItalic = description.lfItalic;
    result.tmUnderlined = description.lfUnderline;
    result.tmStruckOut = description.lfStrikeOut;
    // Variable pitch (the bit's documented inverted sense), TrueType, sans serif.
    result.tmPitchAndFamily = 0x01 | 0x04 | 0x20;
    *lptm = result;
    return TRUE;
}

}  // extern "C"
