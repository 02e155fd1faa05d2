#pragma once

#include "gdi/canvas.h"
#include "gdi/font_engine.h"

#include <string_view>
#include <vector>

namespace ce::gdi {

// A line of text laid out in one font: each glyph and how far it moves.
struct TextRun {
    std::vector<const Glyph*> glyphs;
    std::vector<int> advances;
    int width = 0;
};

// advancesPerUnit, when given, holds one advance per UTF-16 code unit (as
// ExtTextOut's lpDx does); a surrogate pair moves by the sum of its two.
// tabStop > 0 moves a tab to the next multiple of tabStop (DT_EXPANDTABS).
TextRun layoutRun(FontEngine& engine, const Font& font, std::u16string_view text,
                  const int* advancesPerUnit = nullptr, int tabStop = 0);

// Draws the run with its cell's top-left corner at logical (x, y),
// including the font's underline and strike-out.
void drawRun(Canvas& canvas, const TextRun& run, int x, int y, const FontMetrics& metrics, const Font& font,
             std::uint32_t rgb);

}  // namespace ce::gdi
