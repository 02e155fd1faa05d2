#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace ce::gdi {

struct TextLine {
    std::u16string text;
    int width = 0;
};

// DrawText's mnemonic prefixes: each '&' is dropped and "&&" gives one '&'.
// No underline is drawn for the prefixed character.
std::u16string withoutPrefixes(std::u16string_view text);

// DrawText's lines. DT_SINGLELINE: the whole text on one line. Otherwise
// CR, LF and CR LF end a line, and with DT_WORDBREAK a line is broken
// between words where the next word would pass availableWidth (a word
// wider than that stays whole on its own line). measure gives a text's
// width in pixels.
std::vector<TextLine> breakIntoLines(std::u16string_view text, UINT format, int availableWidth,
                                     const std::function<int(std::u16string_view)>& measure);

}  // namespace ce::gdi
