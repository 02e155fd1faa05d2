#include "template_builder.h"

#include <cstring>

namespace dialog_test {
namespace {

void putDword(std::vector<WORD>& words, DWORD value) {
    words.push_back(static_cast<WORD>(value & 0xFFFF));
    words.push_back(static_cast<WORD>(value >> 16));
}

void putString(std::vector<WORD>& words, const std::u16string& text) {
    for (char16_t c : text) words.push_back(c);
    words.push_back(0);
}

}  // namespace

TemplateBuilder::TemplateBuilder(DWORD style, short x, short y, short cx, short cy, std::u16string caption)
    : style_(style), x_(x), y_(y), cx_(cx), cy_(cy), caption_(std::move(caption)) {}

TemplateBuilder& TemplateBuilder::font(WORD pointSize, std::u16string faceName) {
    style_ |= DS_SETFONT;
    pointSize_ = pointSize;
    faceName_ = std::move(faceName);
    return *this;
}

TemplateBuilder& TemplateBuilder::item(WORD classAtom, std::u16string text, WORD id, DWORD style, short x, short y,
                                       short cx, short cy) {
    items_.push_back({classAtom, std::move(text), id, style, x, y, cx, cy});
    return *this;
}

LPCDLGTEMPLATEW TemplateBuilder::data() {
    std::vector<WORD> words;
    putDword(words, style_);
    putDword(words, 0);
    words.push_back(static_cast<WORD>(items_.size()));
    for (short value : {x_, y_, cx_, cy_}) words.push_back(static_cast<WORD>(value));
    words.push_back(0);  // no menu
    words.push_back(0);  // the dialog class
    putString(words, caption_);
    if (style_ & DS_SETFONT) {
        words.push_back(pointSize_);
        putString(words, faceName_);
    }
    for (const Item& item : items_) {
        if (words.size() % 2) words.push_back(0);
        putDword(words, item.style);
        putDword(words, 0);
        for (short value : {item.x, item.y, item.cx, item.cy}) words.push_back(static_cast<WORD>(value));
        words.push_back(item.id);
        words.push_back(0xFFFF);
        words.push_back(item.classAtom);
        putString(words, item.text);
        words.push_back(0);  // no creation data
    }
    storage_.assign((words.size() + 1) / 2, 0);
    std::memcpy(storage_.data(), words.data(), words.size() * sizeof(WORD));
    return reinterpret_cast<LPCDLGTEMPLATEW>(storage_.data());
}

}  // namespace dialog_test
