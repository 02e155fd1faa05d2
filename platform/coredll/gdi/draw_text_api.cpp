// DrawTextW: formatted text in a rectangle.
#include "gdi/drawing_target.h"
#include "gdi/font_engine.h"
#include "gdi/pixel_format.h"
#include "gdi/text_lines.h"
#include "gdi/text_run.h"

#include <windows.h>

#include <algorithm>
#include <string>

using ce::gdi::Canvas;

namespace {

std::u16string_view textOf(LPCWSTR text, int count) {
    if (count == -1) return std::u16string_view(text);
    return std::u16string_view(text, std::size_t(count));
}

int lineLeft(const RECT& rect, int width, UINT format) {
    int available = rect.right - rect.left;
    if (format & DT_CENTER) return rect.left + (available - width) / 2;
    if (format & DT_RIGHT) return rect.right - width;
    return rect.left;
}

}  // namespace

extern "C" {

// DrawTextW: DT_LEFT/CENTER/RIGHT, DT_VCENTER and DT_BOTTOM with DT_SINGLELINE,
// DT_WORDBREAK, DT_CALCRECT, DT_NOCLIP, DT_NOPREFIX, DT_EXPANDTABS; '&' prefixes are dropped
// without an underline. Returns the text's height (with DT_VCENTER or
// DT_BOTTOM: from the rectangle's top to the text's bottom); 0 on failure.
int WINAPI DrawTextW(HDC hDC, LPCWSTR lpString, int nCount, LPRECT lpRect, UINT uFormat) {
    if (!lpRect || nCount < -1 || (!lpString && nCount != 0)) return 0;
    std::optional<ce::gdi::DrawingTarget> target = ce::gdi::drawingTarget(hDC);
    if (!target) return 0;
    const ce::gdi::DrawingState& state = target->state;
    auto& engine = target->device->get<ce::gdi::FontEngine>();
    ce::gdi::FontMetrics metrics = engine.metrics(state.font);

    std::u16string_view given = lpString ? textOf(lpString, nCount) : std::u16string_view();
    std::u16string text = (uFormat & DT_NOPREFIX) ? std::u16string(given) : ce::gdi::withoutPrefixes(given);
    // Tab stops every eight average characters, as Win32 sets them.
    int tabStop = (uFormat & DT_EXPANDTABS) ? std::max(1, 8 * metrics.averageWidth) : 0;
    auto measure = [&](std::u16string_view part) {
        return ce::gdi::layoutRun(engine, state.font, part, nullptr, tabStop).width;
    };
    std::vector<ce::gdi::TextLine> lines =
        ce::gdi::breakIntoLines(text, uFormat, lpRect->right - lpRect->left, measure);
    int textHeight = int(lines.size()) * metrics.height;

    if (uFormat & DT_CALCRECT) {
        int widest = 0;
        for (const auto& line : lines) widest = std::max(widest, line.width);
        lpRect->right = lpRect->left + widest;
        lpRect->bottom = lpRect->top + textHeight;
        return textHeight;
    }

    RECT rect = *lpRect;
    int top = rect.top;
    bool singleLine = uFormat & DT_SINGLELINE;
    if (singleLine && (uFormat & DT_VCENTER)) top = rect.top + (rect.bottom - rect.top - metrics.height) / 2;
    else if (singleLine && (uFormat & DT_BOTTOM)) top = rect.bottom - metrics.height;

    std::vector<ce::gdi::TextRun> runs;
    for (const auto& line : lines)
        runs.push_back(ce::gdi::layoutRun(engine, state.font, line.text, nullptr, tabStop));
    std::uint32_t background = ce::rgbFromColorRef(state.background);
    std::uint32_t ink = ce::rgbFromColorRef(state.text);
    ce::gdi::paint(*target, [&](Canvas& canvas) {
        Canvas textCanvas = (uFormat & DT_NOCLIP) ? canvas : canvas.restrictedTo(rect);
        int y = top;
        for (const auto& run : runs) {
            int x = lineLeft(rect, run.width, uFormat);
            if (state.backgroundMode == OPAQUE)
                textCanvas.fillRect(RECT{x, y, x + run.width, y + metrics.height}, background);
            ce::gdi::drawRun(textCanvas, run, x, y, metrics, state.font, ink);
            y += metrics.height;
        }
    });
    if (singleLine && (uFormat & (DT_VCENTER | DT_BOTTOM))) return top - rect.top + textHeight;
    return textHeight;
}

}  // extern "C"
