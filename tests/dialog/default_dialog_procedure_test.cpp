// DefDlgProc around the dialog procedure: the DWL_MSGRESULT convention,
// colours a dialog procedure chooses, fonts and the remembered focus.
#include "dialog_fixture.h"
#include <ostream>

namespace dialog_test {
namespace {

using DefaultDialogProcedureTest = DialogTest;

constexpr UINT question = WM_APP + 5;
constexpr DWORD tabStopButton = WS_CHILD | WS_VISIBLE | WS_TABSTOP;

struct ResultCase {
    const char* name;
    BOOL handled;
    LONG_PTR messageResult;
    LRESULT expected;
};

// Names the case in test listings (a byte dump would show addresses).
void PrintTo(const ResultCase& c, std::ostream* out) { *out << c.name; }

class MessageResultTest : public DialogTest, public ::testing::WithParamInterface<ResultCase> {};

// A handled message answers what the procedure put in DWL_MSGRESULT; an
// unhandled one gets the default answer (0 for an application message).
TEST_P(MessageResultTest, HandledMessagesAnswerTheirMessageResult) {
    const ResultCase& testCase = GetParam();
    TemplateBuilder builder(WS_POPUP, 0, 0, 50, 30);
    handler = [&](HWND dialog, UINT message, WPARAM, LPARAM) -> BOOL {
        if (message != question) return FALSE;
        SetWindowLongW(dialog, DWL_MSGRESULT, testCase.messageResult);
        return testCase.handled;
    };
    HWND dialog = CreateDialogIndirectParamW(nullptr, builder.data(), nullptr, recordingDialogProcedure, 0);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(SendMessageW(dialog, question, 0, 0), testCase.expected);
    DestroyWindow(dialog);
}

INSTANTIATE_TEST_SUITE_P(Results, MessageResultTest,
                         ::testing::Values(ResultCase{"Handled", TRUE, 1234, 1234},
                                           ResultCase{"NotHandled", FALSE, 1234, 0}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(DefaultDialogProcedureTest, BrushFromTheDialogProcedurePaintsTheStatic) {
    TemplateBuilder builder(WS_POPUP | WS_VISIBLE | DS_ABSALIGN, 0, 0, 100, 40);
    builder.label(u"", 31, WS_CHILD | WS_VISIBLE, 4, 4, 60, 12);
    HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
    handler = [red](HWND, UINT message, WPARAM, LPARAM) -> BOOL {
        if (message == WM_CTLCOLORSTATIC) return static_cast<BOOL>(reinterpret_cast<INT_PTR>(red));
        return message == WM_INITDIALOG;
    };
    HWND dialog = CreateDialogIndirectParamW(nullptr, builder.data(), nullptr, recordingDialogProcedure, 0);
    ASSERT_NE(dialog, nullptr);
    UpdateWindow(dialog);
    UpdateWindow(GetDlgItem(dialog, 31));
    RECT label = windowRect(GetDlgItem(dialog, 31));
    EXPECT_EQ(pixel(label.left + 1, label.top + 1), RGB(255, 0, 0));
    RECT client{};
    GetClientRect(dialog, &client);
    EXPECT_EQ(pixel(client.right - 1, client.bottom - 1), GetSysColor(COLOR_STATIC)) << "the dialog keeps its own";
    DestroyWindow(dialog);
    DeleteObject(red);
}

TEST_F(DefaultDialogProcedureTest, DialogFontIsTheTemplateFontOrNone) {
    TemplateBuilder withFont(WS_POPUP, 0, 0, 50, 30);
    withFont.font(10, u"System");
    HWND dialog = CreateDialogIndirectParamW(nullptr, withFont.data(), nullptr, recordingDialogProcedure, 0);
    ASSERT_NE(dialog, nullptr);
    EXPECT_NE(SendMessageW(dialog, WM_GETFONT, 0, 0), 0);
    DestroyWindow(dialog);

    TemplateBuilder withoutFont(WS_POPUP, 0, 0, 50, 30);
    dialog = CreateDialogIndirectParamW(nullptr, withoutFont.data(), nullptr, recordingDialogProcedure, 0);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(SendMessageW(dialog, WM_GETFONT, 0, 0), 0) << "the system font is implied";
    DestroyWindow(dialog);
}

TEST_F(DefaultDialogProcedureTest, FocusControlComesBackWhenTheDialogIsActivatedAgain) {
    TemplateBuilder builder(WS_POPUP | WS_VISIBLE | DS_ABSALIGN, 0, 0, 100, 60);
    builder.button(u"First", 41, tabStopButton, 4, 4, 40, 14).button(u"Second", 42, tabStopButton, 4, 24, 40, 14);
    handler = [](HWND, UINT message, WPARAM, LPARAM) -> BOOL { return message == WM_INITDIALOG; };
    HWND dialog = CreateDialogIndirectParamW(nullptr, builder.data(), nullptr, recordingDialogProcedure, 0);
    ASSERT_NE(dialog, nullptr);
    SetActiveWindow(dialog);
    SendMessageW(dialog, WM_NEXTDLGCTL, 0, 0);
    ASSERT_EQ(GetFocus(), GetDlgItem(dialog, 42));

    HWND other = createOwner({0, 200, 100, 300});
    SetActiveWindow(other);
    EXPECT_NE(GetFocus(), GetDlgItem(dialog, 42));
    SetActiveWindow(dialog);
    EXPECT_EQ(GetFocus(), GetDlgItem(dialog, 42));
    SendMessageW(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(dialog, 41)), TRUE);
    EXPECT_EQ(GetFocus(), GetDlgItem(dialog, 41)) << "WM_NEXTDLGCTL to a given control";
    DestroyWindow(dialog);
}

}  // namespace
}  // namespace dialog_test
