#include "gdi/text_run.h"

#include "gdi/utf16.h"

#include <algorithm>

namespace ce::gdi {

TextRun layoutRun(FontEngine& engine, const Font& font, std::u16string_view text, const int* advancesPerUnit,
                  int tabStop) {
    std::vector<CodePoint> codePoints = decodeUtf16(text);
    std::u32string values;
    values.reserve(codePoints.size());
    for (const CodePoint& codePoint : codePoints) values.push_back(codePoint.value);

    TextRun run;
    run.glyphs = engine.glyphs(font, values);
    run.advances.reserve(codePoints.size());
    for (std::size_t i = 0; i < codePoints.size(); ++i) {
        int advance = run.glyphs[i]->advance;
        if (advancesPerUnit) {
            advance = 0;
            for (std::size_t unit = 0; unit < codePoints[i].unitCount; ++unit)
                advance += advancesPerUnit[codePoints[i].firstUnit + unit];
        } else if (tabStop > 0 && codePoints[i].value == U'\t') {
            advance = tabStop - run.width % tabStop;
        }
        run.advances.push_back(advance);
        run.width += advance;
    }
    return run;
}

void drawRun(Canvas& canvas, const TextRun& run, int x, int y, const FontMetrics& metrics, const Font& font,
             std::uint32_t rgb) {
    int baseline = y + metrics.ascent;
    int pen = x;
    for (std::size_t i = 0; i < run.glyphs.size(); ++i) {
        const Glyph& glyph = *run.glyphs[i];
        if (!glyph.coverage.empty())
            canvas.blendCoverage(pen + glyph.left, baseline - glyph.top, glyph.coverage.data(), glyph.width,
                                 glyph.rows, glyph.width, rgb);
        pen += run.advances[i];
    }
    int thickness = std::max(1, metrics.height / 14);
    if (font.description.lfUnderline) {
        int top = std::min(baseline + 1, y + metrics.height - thickness);
        canvas.fillRect(RECT{x, top, pen, top + thickness}, rgb);
    }
    if (font.description.lfStrikeOut) {
        int top = baseline - metrics.ascent / 3;
        canvas.fillRect(RECT{x, top, pen, top + thickness}, rgb);
    }
}

}  // namespace ce::gdi
