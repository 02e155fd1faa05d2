// The button and static controls: taps, clicks, check states and what they
// draw on the screen.
#include "dialog_fixture.h"
#include "window/window_manager.h"

#include <atomic>
#include <vector>

namespace dialog_test {
namespace {

using ControlsTest = DialogTest;

constexpr UINT endNow = WM_APP + 2;
constexpr DWORD tabStopButton = WS_CHILD | WS_VISIBLE | WS_TABSTOP;

const COLORREF black = RGB(0, 0, 0);
const COLORREF white = RGB(255, 255, 255);

POINT centreOf(const RECT& rect) { return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2}; }

// Runs a modal dialog on the UI thread until the test posts endNow.
class ModalControlsTest : public DialogTest {
protected:
    HWND runModal(TemplateBuilder& builder) {
        std::atomic<HWND> dialogWindow{nullptr};
        handler = [&dialogWindow](HWND dialog, UINT message, WPARAM, LPARAM) -> BOOL {
            if (message == WM_INITDIALOG) dialogWindow = dialog;
            if (message == endNow) EndDialog(dialog, IDOK);
            return message == WM_INITDIALOG;
        };
        LPCDLGTEMPLATEW data = builder.data();
        startUiThread([data] { DialogBoxIndirectParamW(nullptr, data, nullptr, recordingDialogProcedure, 0); });
        waitIdle();
        return dialogWindow;
    }

    void end(HWND dialog) {
        PostMessageW(dialog, endNow, 0, 0);
        waitIdle();
    }

    std::vector<LoggedMessage> clicks() const { return dialogLog.only({WM_COMMAND}); }
};

TEST_F(ModalControlsTest, PenTapOnAButtonSendsClickedToTheDialog) {
    TemplateBuilder builder(WS_POPUP | DS_ABSALIGN, 0, 0, 120, 100);
    builder.font(8, u"System").button(u"Start Check", 1000, tabStopButton, 10, 20, 90, 14);
    HWND dialog = runModal(builder);
    ASSERT_NE(dialog, nullptr);
    tap(centreOf(windowRect(GetDlgItem(dialog, 1000))));
    waitIdle();
    const std::vector<LoggedMessage> expected{{WM_COMMAND, MAKEWPARAM(1000, BN_CLICKED)}};
    EXPECT_TRUE(sameSequence(expected, clicks()));
    end(dialog);
}

TEST_F(ModalControlsTest, ButtonLooksPressedWhilePenIsDownAndPenLeavingCancelsTheClick) {
    TemplateBuilder builder(WS_POPUP | DS_ABSALIGN, 0, 0, 120, 100);
    builder.font(8, u"System").button(u"Go", 1000, tabStopButton, 10, 20, 90, 14);
    HWND dialog = runModal(builder);
    ASSERT_NE(dialog, nullptr);
    RECT button = windowRect(GetDlgItem(dialog, 1000));
    // Inside the frame, outside the focus rectangle and away from the text: the face.
    POINT face{button.left + 2, button.top + 2};
    COLORREF upFace = pixel(face.x, face.y);
    EXPECT_EQ(upFace, GetSysColor(COLOR_BTNFACE));

    auto& windows = device.get<ce::WindowManager>();
    windows.penDown(centreOf(button));
    waitIdle();
    EXPECT_EQ(pixel(face.x, face.y), GetSysColor(COLOR_BTNTEXT)) << "pressed look";
    EXPECT_EQ(SendMessageW(GetDlgItem(dialog, 1000), BM_GETSTATE, 0, 0) & BST_PUSHED, BST_PUSHED);
    windows.penMove({button.right + 20, button.bottom + 20});
    waitIdle();
    EXPECT_EQ(pixel(face.x, face.y), upFace) << "the pen left: released look";
    windows.penUp({button.right + 20, button.bottom + 20});
    waitIdle();
    EXPECT_TRUE(clicks().empty()) << "the pen came up outside";
    end(dialog);
}

TEST_F(ModalControlsTest, DrawnControlsShowTheirTextInsideTheirRectangles) {
    TemplateBuilder builder(WS_POPUP | DS_ABSALIGN, 0, 0, 136, 100);
    builder.font(8, u"System")
        .label(u"FreeWare", 0xFFFF, WS_CHILD | WS_VISIBLE | SS_CENTER, 16, 10, 106, 9)
        .label(u"Disabled", 0xFFFF, WS_CHILD | WS_VISIBLE | WS_DISABLED | SS_LEFT, 16, 24, 106, 9)
        .button(u"Exit", 1001, tabStopButton, 23, 60, 90, 14)
        .button(u"Off", 1002, tabStopButton | WS_DISABLED, 23, 78, 90, 14);
    HWND dialog = runModal(builder);
    ASSERT_NE(dialog, nullptr);
    RECT client{};
    GetClientRect(dialog, &client);
    MapWindowPoints(dialog, nullptr, reinterpret_cast<POINT*>(&client), 2);
    EXPECT_EQ(pixel(client.right - 2, client.bottom - 2), GetSysColor(COLOR_STATIC)) << "dialog background";

    HWND enabled = GetWindow(dialog, GW_CHILD);
    HWND disabled = GetWindow(enabled, GW_HWNDNEXT);
    RECT enabledRect = windowRect(enabled);
    RECT disabledRect = windowRect(disabled);
    EXPECT_TRUE(anyPixel(enabledRect, black)) << "static text";
    EXPECT_TRUE(anyPixel(enabledRect, white)) << "static background";
    EXPECT_TRUE(anyPixel(disabledRect, GetSysColor(COLOR_GRAYTEXT))) << "disabled text is grey";
    EXPECT_FALSE(anyPixel(disabledRect, black));

    RECT exitRect = windowRect(GetDlgItem(dialog, 1001));
    RECT inside = exitRect;
    InflateRect(&inside, -2, -2);
    EXPECT_TRUE(anyPixel(inside, GetSysColor(COLOR_BTNTEXT))) << "button text";
    EXPECT_EQ(pixel(exitRect.left, exitRect.top), GetSysColor(COLOR_WINDOWFRAME)) << "button border";
    RECT offInside = windowRect(GetDlgItem(dialog, 1002));
    InflateRect(&offInside, -2, -2);
    EXPECT_TRUE(anyPixel(offInside, GetSysColor(COLOR_GRAYTEXT))) << "disabled button text is grey";
    EXPECT_FALSE(anyPixel(offInside, GetSysColor(COLOR_BTNTEXT)));

    // New text repaints the static: its pixels change.
    std::vector<COLORREF> before;
    for (int x = enabledRect.left; x < enabledRect.right; ++x) before.push_back(pixel(x, centreOf(enabledRect).y));
    SetWindowTextW(enabled, u"|||||||||||||||");
    waitIdle();
    std::vector<COLORREF> after;
    for (int x = enabledRect.left; x < enabledRect.right; ++x) after.push_back(pixel(x, centreOf(enabledRect).y));
    EXPECT_NE(before, after);
    end(dialog);
}

TEST_F(ControlsTest, ClickingButtonsNotifiesAndTogglesTheirChecks) {
    TemplateBuilder builder(WS_POPUP | DS_ABSALIGN, 0, 0, 120, 100);
    builder.button(u"Push", 10, tabStopButton, 4, 4, 40, 14)
        .button(u"Check", 11, tabStopButton | BS_AUTOCHECKBOX, 4, 20, 60, 10)
        .button(u"Radio A", 12, WS_CHILD | WS_VISIBLE | WS_GROUP | BS_AUTORADIOBUTTON, 4, 34, 60, 10)
        .button(u"Radio B", 13, WS_CHILD | WS_VISIBLE | BS_AUTORADIOBUTTON, 4, 46, 60, 10)
        .button(u"Other group", 14, WS_CHILD | WS_VISIBLE | WS_GROUP | BS_AUTORADIOBUTTON, 4, 58, 60, 10);
    handler = [](HWND, UINT message, WPARAM, LPARAM) -> BOOL { return message == WM_INITDIALOG; };
    HWND dialog = CreateDialogIndirectParamW(nullptr, builder.data(), nullptr, recordingDialogProcedure, 0);
    ASSERT_NE(dialog, nullptr);
    auto check = [&](int id) { return SendDlgItemMessageW(dialog, id, BM_GETCHECK, 0, 0); };

    SendDlgItemMessageW(dialog, 14, BM_CLICK, 0, 0);
    SendDlgItemMessageW(dialog, 10, BM_CLICK, 0, 0);
    SendDlgItemMessageW(dialog, 11, BM_CLICK, 0, 0);
    EXPECT_EQ(check(11), BST_CHECKED);
    SendDlgItemMessageW(dialog, 11, BM_CLICK, 0, 0);
    EXPECT_EQ(check(11), BST_UNCHECKED);
    SendDlgItemMessageW(dialog, 12, BM_CLICK, 0, 0);
    EXPECT_EQ(check(12), BST_CHECKED);
    SendDlgItemMessageW(dialog, 13, BM_CLICK, 0, 0);
    EXPECT_EQ(check(12), BST_UNCHECKED) << "same group";
    EXPECT_EQ(check(13), BST_CHECKED);
    EXPECT_EQ(check(14), BST_CHECKED) << "another group";
    SendDlgItemMessageW(dialog, 10, BM_SETCHECK, BST_CHECKED, 0);
    EXPECT_EQ(check(10), BST_UNCHECKED) << "push buttons have no check";

    const std::vector<LoggedMessage> expected{
        {WM_COMMAND, MAKEWPARAM(14, BN_CLICKED)}, {WM_COMMAND, MAKEWPARAM(10, BN_CLICKED)},
        {WM_COMMAND, MAKEWPARAM(11, BN_CLICKED)}, {WM_COMMAND, MAKEWPARAM(11, BN_CLICKED)},
        {WM_COMMAND, MAKEWPARAM(12, BN_CLICKED)}, {WM_COMMAND, MAKEWPARAM(13, BN_CLICKED)}};
    EXPECT_TRUE(sameSequence(expected, dialogLog.only({WM_COMMAND})));
    DestroyWindow(dialog);
}

TEST_F(ControlsTest, ItemTextCallsAndStaticIconsGoThroughTheControls) {
    TemplateBuilder builder(WS_POPUP | DS_ABSALIGN, 0, 0, 120, 60);
    builder.label(u"Before", 21, WS_CHILD | WS_VISIBLE, 4, 4, 60, 9)
        .label(u"", 22, WS_CHILD | WS_VISIBLE | SS_ICON, 4, 20, 16, 16);
    HWND dialog = CreateDialogIndirectParamW(nullptr, builder.data(), nullptr, recordingDialogProcedure, 0);
    ASSERT_NE(dialog, nullptr);
    WCHAR text[32] = {};
    EXPECT_EQ(GetDlgItemTextW(dialog, 21, text, 32), 6u);
    EXPECT_EQ(std::u16string(text), u"Before");
    EXPECT_TRUE(SetDlgItemTextW(dialog, 21, u"After"));
    GetDlgItemTextW(dialog, 21, text, 32);
    EXPECT_EQ(std::u16string(text), u"After");
    EXPECT_EQ(GetDlgItemTextW(dialog, 99, text, 32), 0u);
    EXPECT_EQ(text[0], u'\0');
    EXPECT_FALSE(SetDlgItemTextW(dialog, 99, u"x"));

    HICON icon = LoadIconW(nullptr, IDI_APPLICATION);
    ASSERT_NE(icon, nullptr);
    HWND iconControl = GetDlgItem(dialog, 22);
    RECT iconRect = windowRect(iconControl);
    ShowWindow(dialog, SW_SHOWNORMAL);
    UpdateWindow(dialog);
    UpdateWindow(iconControl);
    EXPECT_FALSE(anyPixel(iconRect, black)) << "no icon yet: only the white background";
    EXPECT_EQ(SendMessageW(iconControl, STM_SETICON, reinterpret_cast<WPARAM>(icon), 0), 0);
    EXPECT_EQ(reinterpret_cast<HICON>(SendMessageW(iconControl, STM_GETICON, 0, 0)), icon);
    UpdateWindow(iconControl);
    bool drawn = false;
    for (int y = iconRect.top; y < iconRect.bottom; ++y)
        for (int x = iconRect.left; x < iconRect.right; ++x) drawn = drawn || pixel(x, y) != white;
    EXPECT_TRUE(drawn) << "the icon is drawn";
    EXPECT_EQ(SendMessageW(iconControl, WM_GETDLGCODE, 0, 0), DLGC_STATIC);
    DestroyWindow(dialog);
}

}  // namespace
}  // namespace dialog_test
