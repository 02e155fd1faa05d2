#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace dialog_test {

// Builds a classic in-memory dialog template (DLGTEMPLATE and its items),
// laid out as a resource compiler would: WORD arrays, items DWORD-aligned.
class TemplateBuilder {
public:
    TemplateBuilder(DWORD style, short x, short y, short cx, short cy, std::u16string caption = u"");

    TemplateBuilder& font(WORD pointSize, std::u16string faceName);
    // classAtom: 0x80 button, 0x82 static.
    TemplateBuilder& item(WORD classAtom, std::u16string text, WORD id, DWORD style, short x, short y, short cx,
                          short cy);
    TemplateBuilder& button(std::u16string text, WORD id, DWORD style, short x, short y, short cx, short cy) {
        return item(0x80, std::move(text), id, style, x, y, cx, cy);
    }
    TemplateBuilder& label(std::u16string text, WORD id, DWORD style, short x, short y, short cx, short cy) {
        return item(0x82, std::move(text), id, style, x, y, cx, cy);
    }

    // The template bytes, DWORD-aligned in memory.
    LPCDLGTEMPLATEW data();

private:
    struct Item {
        WORD classAtom;
        std::u16string text;
        WORD id;
        DWORD style;
        short x, y, cx, cy;
    };

    DWORD style_;
    short x_, y_, cx_, cy_;
    std::u16string caption_;
    WORD pointSize_ = 0;
    std::u16string faceName_;
    std::vector<Item> items_;
    std::vector<std::uint32_t> storage_;
};

}  // namespace dialog_test
