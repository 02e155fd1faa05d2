#include "gdi/stock_objects.h"

namespace ce::gdi {

namespace {

constexpr COLORREF grey(int level) { return COLORREF(level) | (COLORREF(level) << 8) | (COLORREF(level) << 16); }

}  // namespace

LOGFONTW systemFontDescription() {
    LOGFONTW font{};
    font.lfHeight = -11;
    font.lfWeight = FW_NORMAL;
    const char16_t name[] = u"System";
    for (std::size_t i = 0; i < sizeof name / sizeof name[0]; ++i) font.lfFaceName[i] = name[i];
    return font;
}

const std::vector<StockObject>& stockObjects() {
    static const std::vector<StockObject> objects{
        {WHITE_BRUSH, Brush{grey(255), false}},
        {LTGRAY_BRUSH, Brush{grey(192), false}},
        {GRAY_BRUSH, Brush{grey(128), false}},
        {DKGRAY_BRUSH, Brush{grey(64), false}},
        {BLACK_BRUSH, Brush{grey(0), false}},
        {NULL_BRUSH, Brush{0, true}},
        {WHITE_PEN, Pen{PS_SOLID, 1, grey(255)}},
        {BLACK_PEN, Pen{PS_SOLID, 1, grey(0)}},
        {NULL_PEN, Pen{PS_NULL, 1, 0}},
        {SYSTEM_FONT, Font{systemFontDescription()}},
    };
    return objects;
}

}  // namespace ce::gdi
