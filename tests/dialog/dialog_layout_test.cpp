// Dialog templates made into windows: sizes in pixels, controls in template
// order, the first messages, focus and failures.
#include "dialog_fixture.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>
#include <ostream>

namespace dialog_test {
namespace {

using DialogLayoutTest = DialogTest;

constexpr DWORD pushButton = WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON;
constexpr DWORD centredLabel = WS_CHILD | WS_VISIBLE | WS_GROUP | SS_CENTER;

RECT clientRectOf(HWND window, HWND relativeTo) {
    RECT rect{};
    GetWindowRect(window, &rect);
    MapWindowPoints(nullptr, relativeTo, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

std::u16string classOf(HWND window) {
    WCHAR name[64] = {};
    GetClassNameW(window, name, 64);
    std::u16string text = name;
    for (char16_t& c : text)
        if (c >= u'A' && c <= u'Z') c = static_cast<char16_t>(c - u'A' + u'a');
    return text;
}

// The pixel sizes follow the screen font: "System" 8 gives base units of
// 7 x 13 pixels and "System" 10 gives 8 x 15 (the screen's sans-serif face
// at 96 dpi).
struct FontCase {
    WORD pointSize;
    SIZE baseUnits;
};

// Names the case in test listings (a byte dump would show addresses).
void PrintTo(const FontCase& c, std::ostream* out) { *out << c.pointSize << " point"; }

class DialogFontTest : public DialogTest, public ::testing::WithParamInterface<FontCase> {};

TEST_P(DialogFontTest, TemplateUnitsBecomePixelsOfTheDialogFont) {
    const FontCase& font = GetParam();
    TemplateBuilder builder(WS_POPUP | WS_CAPTION | DS_ABSALIGN, 8, 16, 100, 40, u"Sizes");
    builder.font(font.pointSize, u"System").button(u"OK", IDOK, pushButton, 4, 8, 40, 16);
    HWND dialog = CreateDialogIndirectParamW(nullptr, builder.data(), nullptr, recordingDialogProcedure, 0);
    ASSERT_NE(dialog, nullptr);
    auto x = [&](int units) { return (units * font.baseUnits.cx + 2) / 4; };
    auto y = [&](int units) { return (units * font.baseUnits.cy + 4) / 8; };

    RECT window = windowRect(dialog);
    EXPECT_EQ(window.left, x(8));
    EXPECT_EQ(window.top, y(16));
    EXPECT_EQ(window.right - window.left, x(100));
    EXPECT_EQ(window.bottom - window.top, y(40) + 26) << "client height plus the caption";
    RECT client{};
    GetClientRect(dialog, &client);
    EXPECT_EQ(client.right, x(100));
    EXPECT_EQ(client.bottom, y(40));

    RECT button = clientRectOf(GetDlgItem(dialog, IDOK), dialog);
    EXPECT_EQ(button.left, x(4));
    EXPECT_EQ(button.top, y(8));
    EXPECT_EQ(button.right, x(44));
    EXPECT_EQ(button.bottom, y(24));

    RECT units{4, 8, 44, 24};
    ASSERT_TRUE(MapDialogRect(dialog, &units));
    EXPECT_EQ(units.left, x(4));
    EXPECT_EQ(units.bottom, y(24));
    DestroyWindow(dialog);
}

INSTANTIATE_TEST_SUITE_P(SystemFont, DialogFontTest,
                         ::testing::Values(FontCase{8, SIZE{7, 13}}, FontCase{10, SIZE{8, 15}}));

TEST_F(DialogLayoutTest, DialogWithoutFontUsesTheSystemBaseUnits) {
    TemplateBuilder builder(WS_POPUP | DS_ABSALIGN, 0, 0, 40, 16);
    HWND dialog = CreateDialogIndirectParamW(nullptr, builder.data(), nullptr, recordingDialogProcedure, 0);
    ASSERT_NE(dialog, nullptr);
    LONG units = GetDialogBaseUnits();
    EXPECT_GT(LOWORD(units), 0);
    EXPECT_GT(HIWORD(units), 0);
    RECT client{};
    GetClientRect(dialog, &client);
    EXPECT_EQ(client.right, (40 * LOWORD(units) + 2) / 4);
    EXPECT_EQ(client.bottom, (16 * HIWORD(units) + 4) / 8);
    EXPECT_FALSE(MapDialogRect(GetDesktopWindow(), &client)) << "not a dialog";
    DestroyWindow(dialog);
}

struct PlacementCase {
    const char* name;
    DWORD style;
    POINT expectedTopLeft;  // screen pixels, owner at (30, 40) with no caption
};

// Names the case in test listings (a byte dump would show addresses).
void PrintTo(const PlacementCase& c, std::ostream* out) { *out << c.name; }

class DialogPlacementTest : public DialogTest, public ::testing::WithParamInterface<PlacementCase> {};

TEST_P(DialogPlacementTest, PositionFollowsOwnerAbsoluteOrCentre) {
    const PlacementCase& placement = GetParam();
    HWND owner = createOwner({30, 40, 230, 300});
    TemplateBuilder builder(WS_POPUP | placement.style, 4, 8, 80, 40);
    builder.font(8, u"System");
    HWND dialog = CreateDialogIndirectParamW(nullptr, builder.data(), owner, recordingDialogProcedure, 0);
    ASSERT_NE(dialog, nullptr);
    RECT window = windowRect(dialog);
    EXPECT_EQ(window.left, placement.expectedTopLeft.x);
    EXPECT_EQ(window.top, placement.expectedTopLeft.y);
    EXPECT_EQ(GetWindow(dialog, GW_OWNER), owner);
    DestroyWindow(dialog);
}

// System 8: 4 x 8 units are 7 x 13 pixels; 80 x 40 units are 140 x 65.
INSTANTIATE_TEST_SUITE_P(Placements, DialogPlacementTest,
                         ::testing::Values(PlacementCase{"OwnerRelative", 0, {30 + 7, 40 + 13}},
                                           PlacementCase{"Absolute", DS_ABSALIGN, {7, 13}},
                                           PlacementCase{"Centred", DS_CENTER, {(240 - 140) / 2, (320 - 65) / 2}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(DialogLayoutTest, ControlsAreCreatedInTemplateOrderWithTheirIdsTextsAndClasses) {
    TemplateBuilder builder(WS_POPUP | DS_ABSALIGN, 0, 0, 136, 155);
    builder.font(8, u"System")
        .button(u"Start Check", 1000, pushButton, 23, 87, 90, 14)
        .button(u"Exit", 1001, pushButton, 23, 105, 90, 14)
        .label(u"Hueprobe V 1.0b", 0xFFFF, centredLabel, 16, 29, 106, 9)
        .label(u"FreeWare", 0xFFFF, centredLabel, 17, 39, 106, 9);
    HWND dialog = CreateDialogIndirectParamW(nullptr, builder.data(), nullptr, recordingDialogProcedure, 0);
    ASSERT_NE(dialog, nullptr);

    struct Expected {
        int id;
        std::u16string text;
        std::u16string windowClass;
    };
    const std::vector<Expected> expected{{1000, u"Start Check", u"button"},
                                         {1001, u"Exit", u"button"},
                                         {0xFFFF, u"Hueprobe V 1.0b", u"static"},
                                         {0xFFFF, u"FreeWare", u"static"}};
    std::size_t index = 0;
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT), ++index) {
        ASSERT_LT(index, expected.size());
        SCOPED_TRACE(index);
        WCHAR text[64] = {};
        GetWindowTextW(child, text, 64);
        EXPECT_EQ(GetDlgCtrlID(child), expected[index].id);
        EXPECT_EQ(std::u16string(text), expected[index].text);
        EXPECT_EQ(classOf(child), expected[index].windowClass);
        EXPECT_TRUE(GetWindowLongW(child, GWL_STYLE) & WS_CHILD);
        EXPECT_EQ(GetParent(child), dialog);
    }
    EXPECT_EQ(index, expected.size());
    EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageW(GetDlgItem(dialog, 1000), WM_GETFONT, 0, 0)),
              reinterpret_cast<HFONT>(SendMessageW(dialog, WM_GETFONT, 0, 0)))
        << "controls get the dialog's font";
    DestroyWindow(dialog);
}

struct FirstMessagesCase {
    const char* name;
    bool setFont;
    std::vector<LoggedMessage> expected;
};

// Names the case in test listings (a byte dump would show addresses).
void PrintTo(const FirstMessagesCase& c, std::ostream* out) { *out << c.name; }

class FirstMessagesTest : public DialogTest, public ::testing::WithParamInterface<FirstMessagesCase> {};

// The dialog procedure is attached after the window exists: it sees the
// font (with DS_SETFONT) and then WM_INITDIALOG, whose lParam is the init
// value and whose wParam is the first tab stop.
TEST_P(FirstMessagesTest, DialogProcedureStartsWithInitDialog) {
    const FirstMessagesCase& testCase = GetParam();
    TemplateBuilder builder(WS_POPUP | DS_ABSALIGN, 0, 0, 100, 60);
    if (testCase.setFont) builder.font(8, u"System");
    builder.label(u"Label", 0xFFFF, centredLabel, 4, 4, 90, 9)
        .button(u"No tab stop", 10, WS_CHILD | WS_VISIBLE, 4, 14, 40, 14)
        .button(u"First", 11, pushButton, 4, 30, 40, 14)
        .button(u"Second", 12, pushButton, 50, 30, 40, 14);
    LPARAM seenInit = 0;
    HWND seenFocusCandidate = nullptr;
    handler = [&](HWND, UINT message, WPARAM wParam, LPARAM lParam) -> BOOL {
        if (message != WM_INITDIALOG) return FALSE;
        seenInit = lParam;
        seenFocusCandidate = reinterpret_cast<HWND>(wParam);
        return TRUE;
    };
    HWND dialog = CreateDialogIndirectParamW(nullptr, builder.data(), nullptr, recordingDialogProcedure, 0x5EED);
    ASSERT_NE(dialog, nullptr);
    auto logged = dialogLog.all();
    logged.resize(std::min(logged.size(), testCase.expected.size()));
    for (auto& entry : logged) entry.wParam = 0;  // a font handle and a window: checked below
    EXPECT_TRUE(sameSequence(testCase.expected, logged));
    EXPECT_EQ(seenInit, 0x5EED);
    EXPECT_EQ(seenFocusCandidate, GetDlgItem(dialog, 11));
    DestroyWindow(dialog);
}

INSTANTIATE_TEST_SUITE_P(
    Fonts, FirstMessagesTest,
    ::testing::Values(FirstMessagesCase{"WithFont", true, {{WM_SETFONT, 0}, {WM_INITDIALOG, 0}}},
                      FirstMessagesCase{"WithoutFont", false, {{WM_INITDIALOG, 0}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(DialogLayoutTest, FocusGoesToTheFirstTabStopUnlessTheProcedureSetsItItself) {
    for (bool procedureChooses : {false, true}) {
        SCOPED_TRACE(procedureChooses ? "procedure sets the focus" : "dialog manager sets the focus");
        TemplateBuilder builder(WS_POPUP | WS_VISIBLE | DS_ABSALIGN, 0, 0, 100, 60);
        builder.font(8, u"System")
            .label(u"Label", 0xFFFF, centredLabel, 4, 4, 90, 9)
            .button(u"First", 11, pushButton, 4, 30, 40, 14)
            .button(u"Second", 12, pushButton, 50, 30, 40, 14);
        handler = [&](HWND dialog, UINT message, WPARAM, LPARAM) -> BOOL {
            if (message != WM_INITDIALOG || !procedureChooses) return message == WM_INITDIALOG;
            SetFocus(GetDlgItem(dialog, 12));
            return FALSE;
        };
        HWND dialog = CreateDialogIndirectParamW(nullptr, builder.data(), nullptr, recordingDialogProcedure, 0);
        ASSERT_NE(dialog, nullptr);
        EXPECT_TRUE(IsWindowVisible(dialog));
        EXPECT_EQ(GetFocus(), GetDlgItem(dialog, procedureChooses ? 12 : 11));
        DestroyWindow(dialog);
    }
}

TEST_F(DialogLayoutTest, MissingOrMalformedTemplatesFailWithTheirLastError) {
    HINSTANCE module = GetModuleHandleW(nullptr);
    SetLastError(0);
    EXPECT_EQ(CreateDialogParamW(module, MAKEINTRESOURCEW(999), nullptr, recordingDialogProcedure, 0), nullptr);
    EXPECT_EQ(GetLastError(), DWORD(ERROR_RESOURCE_NAME_NOT_FOUND));
    SetLastError(0);
    EXPECT_EQ(DialogBoxParamW(module, MAKEINTRESOURCEW(999), nullptr, recordingDialogProcedure, 0), -1);
    EXPECT_EQ(GetLastError(), DWORD(ERROR_RESOURCE_NAME_NOT_FOUND));

    TemplateBuilder unknownClass(WS_POPUP, 0, 0, 50, 50);
    unknownClass.item(0x99, u"?", 1, WS_CHILD, 0, 0, 10, 10);
    SetLastError(0);
    EXPECT_EQ(CreateDialogIndirectParamW(nullptr, unknownClass.data(), nullptr, recordingDialogProcedure, 0), nullptr);
    EXPECT_EQ(GetLastError(), DWORD(ERROR_RESOURCE_DATA_NOT_FOUND));
    EXPECT_EQ(DialogBoxIndirectParamW(nullptr, unknownClass.data(), nullptr, recordingDialogProcedure, 0), -1);
    EXPECT_TRUE(dialogLog.all().empty()) << "no dialog procedure ran";
}

TEST_F(DialogLayoutTest, AControlOfAnUnregisteredClassFailsTheWholeDialog) {
    WNDCLASSW probe{};
    ASSERT_FALSE(GetClassInfoW(nullptr, u"NoSuchControl", &probe));
    HWND owner = createOwner();
    // A template naming its control class by string, built by hand: the builder uses atoms.
    std::vector<WORD> raw{LOWORD(WS_POPUP), HIWORD(WS_POPUP), 0, 0, 1, 0, 0, 50, 50, 0, 0};
    for (char16_t c : std::u16string(u"Broken")) raw.push_back(c);
    raw.push_back(0);
    if (raw.size() % 2) raw.push_back(0);
    DWORD itemStyle = WS_CHILD | WS_VISIBLE;
    for (WORD word : std::vector<WORD>{LOWORD(itemStyle), HIWORD(itemStyle), 0, 0, 0, 0, 10, 10, 7}) raw.push_back(word);
    for (char16_t c : std::u16string(u"NoSuchControl")) raw.push_back(c);
    raw.push_back(0);
    raw.push_back(0);  // no text
    raw.push_back(0);  // no creation data
    struct {
        std::vector<std::uint32_t> storage;
    } words;
    words.storage.assign((raw.size() + 1) / 2, 0);
    std::memcpy(words.storage.data(), raw.data(), raw.size() * sizeof(WORD));
    auto data = reinterpret_cast<LPCDLGTEMPLATEW>(words.storage.data());

    EXPECT_EQ(CreateDialogIndirectParamW(nullptr, data, nullptr, recordingDialogProcedure, 0), nullptr);
    EXPECT_EQ(DialogBoxIndirectParamW(nullptr, data, owner, recordingDialogProcedure, 0), -1);
    EXPECT_TRUE(IsWindowEnabled(owner)) << "the owner is enabled again";
    EXPECT_EQ(FindWindowW(nullptr, u"Broken"), nullptr);
    EXPECT_TRUE(dialogLog.only({WM_INITDIALOG}).empty());
}

}  // namespace
}  // namespace dialog_test
