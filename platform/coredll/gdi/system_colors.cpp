#include "gdi/system_colors.h"

#include <array>

namespace ce::gdi {

namespace {

// CE programs may pass COLOR_x | SYS_COLOR_INDEX_FLAG.
constexpr int kSystemColorIndexFlag = 0x40000000;

constexpr COLORREF rgb(int red, int green, int blue) {
    return COLORREF(red) | (COLORREF(green) << 8) | (COLORREF(blue) << 16);
}

constexpr COLORREF kWhite = rgb(255, 255, 255);
constexpr COLORREF kBlack = rgb(0, 0, 0);
constexpr COLORREF kLightGrey = rgb(192, 192, 192);
constexpr COLORREF kGrey = rgb(128, 128, 128);
constexpr COLORREF kDarkBlue = rgb(0, 0, 128);

constexpr std::array<COLORREF, 27> kPalette{
    kLightGrey,           // 0 COLOR_SCROLLBAR
    kWhite,               // 1 COLOR_BACKGROUND (the desktop)
    kDarkBlue,            // 2 COLOR_ACTIVECAPTION
    kGrey,                // 3 COLOR_INACTIVECAPTION
    kWhite,               // 4 COLOR_MENU
    kWhite,               // 5 COLOR_WINDOW
    kBlack,               // 6 COLOR_WINDOWFRAME
    kBlack,               // 7 COLOR_MENUTEXT
    kBlack,               // 8 COLOR_WINDOWTEXT
    kWhite,               // 9 COLOR_CAPTIONTEXT
    kLightGrey,           // 10 COLOR_ACTIVEBORDER
    kLightGrey,           // 11 COLOR_INACTIVEBORDER
    kGrey,                // 12 COLOR_APPWORKSPACE
    kDarkBlue,            // 13 COLOR_HIGHLIGHT
    kWhite,               // 14 COLOR_HIGHLIGHTTEXT
    kLightGrey,           // 15 COLOR_BTNFACE
    kGrey,                // 16 COLOR_BTNSHADOW
    kGrey,                // 17 COLOR_GRAYTEXT
    kBlack,               // 18 COLOR_BTNTEXT
    kLightGrey,           // 19 COLOR_INACTIVECAPTIONTEXT
    kWhite,               // 20 COLOR_BTNHIGHLIGHT
    kBlack,               // 21 COLOR_3DDKSHADOW
    rgb(224, 224, 224),   // 22 COLOR_3DLIGHT
    kBlack,               // 23 COLOR_INFOTEXT
    rgb(255, 255, 225),   // 24 COLOR_INFOBK
    kWhite,               // 25 COLOR_STATIC (dialog and static backgrounds)
    kBlack,               // 26 COLOR_STATICTEXT
};

}  // namespace

std::optional<COLORREF> systemColor(int index) {
    index &= ~kSystemColorIndexFlag;
    if (index < 0 || index >= int(kPalette.size())) return std::nullopt;
    return kPalette[std::size_t(index)];
}

}  // namespace ce::gdi
