// IsDialogMessage: Tab walks the tab stops, Enter and Escape become
// commands, and other messages of the dialog are dispatched for the caller.
#include "dialog_fixture.h"

#include <vector>
#include <ostream>

namespace dialog_test {
namespace {

constexpr DWORD tabStopButton = WS_CHILD | WS_VISIBLE | WS_TABSTOP;

class DialogKeyboardTest : public DialogTest {
protected:
    HWND createDialog(TemplateBuilder& builder) {
        handler = [](HWND, UINT message, WPARAM, LPARAM) -> BOOL { return message == WM_INITDIALOG; };
        HWND dialog = CreateDialogIndirectParamW(nullptr, builder.data(), nullptr, recordingDialogProcedure, 0);
        SetActiveWindow(dialog);
        return dialog;
    }

    static BOOL press(HWND dialog, WPARAM key) {
        MSG message{};
        message.hwnd = GetFocus() ? GetFocus() : dialog;
        message.message = WM_KEYDOWN;
        message.wParam = key;
        return IsDialogMessageW(dialog, &message);
    }

    std::vector<LoggedMessage> commands() const { return dialogLog.only({WM_COMMAND}); }
};

TEST_F(DialogKeyboardTest, TabVisitsEnabledVisibleTabStopsInOrderAndWraps) {
    TemplateBuilder builder(WS_POPUP | WS_VISIBLE | DS_ABSALIGN, 0, 0, 120, 100);
    builder.button(u"One", 1, tabStopButton, 4, 4, 40, 14)
        .label(u"Label", 2, WS_CHILD | WS_VISIBLE, 4, 20, 40, 9)
        .button(u"Disabled", 3, tabStopButton | WS_DISABLED, 4, 30, 40, 14)
        .button(u"Two", 4, tabStopButton, 4, 46, 40, 14)
        .button(u"Hidden", 5, WS_CHILD | WS_TABSTOP, 4, 62, 40, 14)
        .button(u"Three", 6, tabStopButton, 4, 78, 40, 14);
    HWND dialog = createDialog(builder);
    ASSERT_NE(dialog, nullptr);
    ASSERT_EQ(GetFocus(), GetDlgItem(dialog, 1));
    for (int expectedId : {4, 6, 1, 4}) {
        EXPECT_TRUE(press(dialog, VK_TAB));
        EXPECT_EQ(GetDlgCtrlID(GetFocus()), expectedId);
    }
    EXPECT_EQ(GetNextDlgTabItem(dialog, GetDlgItem(dialog, 1), TRUE), GetDlgItem(dialog, 6));
    EXPECT_EQ(GetNextDlgTabItem(dialog, nullptr, FALSE), GetDlgItem(dialog, 1));
    DestroyWindow(dialog);
}

struct EnterCase {
    const char* name;
    WORD defaultId;     // 0: no DM_SETDEFID
    bool focusOnPushButton;
    WORD expectedCommand;
};

// Names the case in test listings (a byte dump would show addresses).
void PrintTo(const EnterCase& c, std::ostream* out) { *out << c.name; }

class EnterKeyTest : public DialogKeyboardTest, public ::testing::WithParamInterface<EnterCase> {};

TEST_P(EnterKeyTest, EnterSendsTheCommandOfTheRightButton) {
    const EnterCase& testCase = GetParam();
    TemplateBuilder builder(WS_POPUP | WS_VISIBLE | DS_ABSALIGN, 0, 0, 120, 80);
    builder.label(u"Tab stop label", 20, WS_CHILD | WS_VISIBLE | WS_TABSTOP, 4, 4, 60, 9)
        .button(u"Apply", 30, tabStopButton, 4, 20, 40, 14)
        .button(u"OK", IDOK, tabStopButton, 4, 40, 40, 14);
    HWND dialog = createDialog(builder);
    ASSERT_NE(dialog, nullptr);
    if (testCase.defaultId) SendMessageW(dialog, DM_SETDEFID, testCase.defaultId, 0);
    SetFocus(GetDlgItem(dialog, testCase.focusOnPushButton ? 30 : 20));
    EXPECT_TRUE(press(dialog, VK_RETURN));
    const std::vector<LoggedMessage> expected{{WM_COMMAND, MAKEWPARAM(testCase.expectedCommand, BN_CLICKED)}};
    EXPECT_TRUE(sameSequence(expected, commands()));
    DestroyWindow(dialog);
}

INSTANTIATE_TEST_SUITE_P(Targets, EnterKeyTest,
                         ::testing::Values(EnterCase{"NoDefaultMeansOk", 0, false, IDOK},
                                           EnterCase{"DefaultButton", 30, false, 30},
                                           EnterCase{"FocusedPushButton", IDOK, true, 30}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(DialogKeyboardTest, EscapeSendsCancelAndDefaultIdIsReported) {
    TemplateBuilder builder(WS_POPUP | WS_VISIBLE | DS_ABSALIGN, 0, 0, 120, 80);
    builder.button(u"OK", IDOK, tabStopButton | BS_DEFPUSHBUTTON, 4, 4, 40, 14)
        .button(u"Other", 40, tabStopButton, 4, 20, 40, 14);
    HWND dialog = createDialog(builder);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(SendMessageW(dialog, DM_GETDEFID, 0, 0), MAKELRESULT(IDOK, DC_HASDEFID)) << "from BS_DEFPUSHBUTTON";
    SendMessageW(dialog, DM_SETDEFID, 40, 0);
    EXPECT_EQ(SendMessageW(dialog, DM_GETDEFID, 0, 0), MAKELRESULT(40, DC_HASDEFID));
    EXPECT_EQ(GetWindowLongW(GetDlgItem(dialog, IDOK), GWL_STYLE) & BS_TYPEMASK, BS_PUSHBUTTON);
    EXPECT_EQ(GetWindowLongW(GetDlgItem(dialog, 40), GWL_STYLE) & BS_TYPEMASK, BS_DEFPUSHBUTTON);

    EXPECT_TRUE(press(dialog, VK_ESCAPE));
    const std::vector<LoggedMessage> expected{{WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED)}};
    EXPECT_TRUE(sameSequence(expected, commands()));
    DestroyWindow(dialog);
}

TEST_F(DialogKeyboardTest, OtherMessagesOfTheDialogAreDispatchedOthersAreLeft) {
    TemplateBuilder builder(WS_POPUP | WS_VISIBLE | DS_ABSALIGN, 0, 0, 120, 80);
    builder.button(u"OK", IDOK, tabStopButton, 4, 4, 40, 14);
    HWND dialog = createDialog(builder);
    ASSERT_NE(dialog, nullptr);
    HWND other = createOwner({0, 200, 50, 250});

    MSG forDialog{dialog, WM_APP + 7, 1, 2, 0, {}};
    EXPECT_TRUE(IsDialogMessageW(dialog, &forDialog));
    EXPECT_EQ(dialogLog.only({WM_APP + 7}).size(), 1u) << "dispatched by IsDialogMessage";

    MSG forOther{other, WM_APP + 8, 0, 0, 0, {}};
    EXPECT_FALSE(IsDialogMessageW(dialog, &forOther));
    EXPECT_TRUE(ownerLog.only({WM_APP + 8}).empty()) << "left to the caller";
    DestroyWindow(dialog);
}

}  // namespace
}  // namespace dialog_test
