// Modal runs: the owner is disabled for the run and active again after it,
// the dialog appears when its queue first runs dry, and the ways a run ends.
#include "dialog_fixture.h"

#include <atomic>

namespace dialog_test {
namespace {

using ModalDialogTest = DialogTest;

constexpr UINT checkNow = WM_APP + 1;
constexpr UINT endNow = WM_APP + 2;

TemplateBuilder hiddenDialog() {
    TemplateBuilder builder(WS_POPUP | WS_CAPTION | DS_ABSALIGN, 0, 0, 120, 80, u"Modal");
    builder.font(8, u"System").button(u"OK", IDOK, WS_CHILD | WS_VISIBLE | WS_TABSTOP, 10, 50, 40, 14);
    return builder;
}

TEST_F(ModalDialogTest, OwnerIsDisabledDuringTheRunAndEnabledAndActiveAfterIt) {
    TemplateBuilder builder = hiddenDialog();
    struct Seen {
        bool ownerEnabledAtInit = true;
        bool ownerEnabledLater = true;
        bool dialogActiveLater = false;
    } seen;
    std::atomic<int> result{0};
    std::atomic<HWND> owner{nullptr}, dialogWindow{nullptr};
    std::atomic<bool> ownerEnabledAfter{false}, ownerActiveAfter{false}, dialogGone{false};
    handler = [&](HWND dialog, UINT message, WPARAM, LPARAM) -> BOOL {
        if (message == WM_INITDIALOG) {
            dialogWindow = dialog;
            seen.ownerEnabledAtInit = IsWindowEnabled(owner);
        } else if (message == checkNow) {
            seen.ownerEnabledLater = IsWindowEnabled(owner);
            seen.dialogActiveLater = GetActiveWindow() == dialog;
            EndDialog(dialog, 42);
        }
        return message == WM_INITDIALOG;
    };
    startUiThread([&] {
        owner = createOwner();
        result = DialogBoxIndirectParamW(nullptr, builder.data(), owner, recordingDialogProcedure, 0);
        ownerEnabledAfter = IsWindowEnabled(owner) != FALSE;
        ownerActiveAfter = GetActiveWindow() == owner;
        dialogGone = !IsWindow(dialogWindow);
    });
    waitIdle();
    ASSERT_NE(dialogWindow.load(), nullptr);
    EXPECT_TRUE(IsWindowVisible(dialogWindow)) << "shown once the queue ran dry";
    PostMessageW(dialogWindow, checkNow, 0, 0);
    waitIdle();

    EXPECT_FALSE(seen.ownerEnabledAtInit);
    EXPECT_FALSE(seen.ownerEnabledLater);
    EXPECT_TRUE(seen.dialogActiveLater);
    EXPECT_EQ(result, 42);
    EXPECT_TRUE(ownerEnabledAfter);
    EXPECT_TRUE(ownerActiveAfter);
    EXPECT_TRUE(dialogGone);
}

// What the owner hears of a modal run: disabled and deactivated at the
// start, enabled and activated again at the end.
TEST_F(ModalDialogTest, OwnerMessageSequenceOfAModalRun) {
    TemplateBuilder builder = hiddenDialog();
    std::atomic<HWND> dialogWindow{nullptr};
    handler = [&](HWND dialog, UINT message, WPARAM, LPARAM) -> BOOL {
        if (message == WM_INITDIALOG) dialogWindow = dialog;
        if (message == endNow) EndDialog(dialog, IDOK);
        return message == WM_INITDIALOG;
    };
    startUiThread([&] {
        HWND owner = createOwner();
        ownerLog.clear();
        DialogBoxIndirectParamW(nullptr, builder.data(), owner, recordingDialogProcedure, 0);
    });
    waitIdle();
    const std::vector<LoggedMessage> start{{WM_ENABLE, FALSE}, {WM_NCACTIVATE, FALSE}, {WM_ACTIVATE, WA_INACTIVE}};
    EXPECT_TRUE(sameSequence(start, ownerLog.only({WM_ENABLE, WM_ACTIVATE, WM_NCACTIVATE})));
    ownerLog.clear();
    PostMessageW(dialogWindow, endNow, 0, 0);
    waitIdle();
    const std::vector<LoggedMessage> end{{WM_ENABLE, TRUE}, {WM_NCACTIVATE, TRUE}, {WM_ACTIVATE, WA_ACTIVE}};
    EXPECT_TRUE(sameSequence(end, ownerLog.only({WM_ENABLE, WM_ACTIVATE, WM_NCACTIVATE})));
}

TEST_F(ModalDialogTest, HiddenDialogAppearsOnlyWhenItsQueueFirstRunsDry) {
    TemplateBuilder builder = hiddenDialog();
    std::atomic<HWND> dialogWindow{nullptr};
    std::atomic<int> visibleWhileQueueBusy{-1};
    handler = [&](HWND dialog, UINT message, WPARAM, LPARAM) -> BOOL {
        if (message == WM_INITDIALOG) {
            dialogWindow = dialog;
            PostMessageW(dialog, checkNow, 0, 0);
        } else if (message == checkNow) {
            visibleWhileQueueBusy = IsWindowVisible(dialog) ? 1 : 0;
        } else if (message == endNow) {
            EndDialog(dialog, IDOK);
        }
        return message == WM_INITDIALOG;
    };
    startUiThread([&] { DialogBoxIndirectParamW(nullptr, builder.data(), nullptr, recordingDialogProcedure, 0); });
    waitIdle();
    EXPECT_EQ(visibleWhileQueueBusy, 0);
    EXPECT_TRUE(IsWindowVisible(dialogWindow));
    EXPECT_EQ(dialogLog.only({WM_SHOWWINDOW}).size(), 1u);
    PostMessageW(dialogWindow, endNow, 0, 0);
    waitIdle();
}

TEST_F(ModalDialogTest, CloseRequestBecomesCancelAndEndsTheRunWithIt) {
    TemplateBuilder builder = hiddenDialog();
    std::atomic<int> result{0};
    handler = [&](HWND dialog, UINT message, WPARAM wParam, LPARAM) -> BOOL {
        if (message == WM_INITDIALOG) PostMessageW(dialog, WM_CLOSE, 0, 0);
        if (message == WM_COMMAND && LOWORD(wParam) == IDCANCEL) EndDialog(dialog, IDCANCEL);
        return message == WM_INITDIALOG || message == WM_COMMAND;
    };
    startUiThread([&] { result = DialogBoxIndirectParamW(nullptr, builder.data(), nullptr, recordingDialogProcedure, 0); });
    waitIdle();
    EXPECT_EQ(result, IDCANCEL);
    const std::vector<LoggedMessage> expected{{WM_CLOSE, 0}, {WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED)}};
    EXPECT_TRUE(sameSequence(expected, dialogLog.only({WM_CLOSE, WM_COMMAND})));
}

TEST_F(ModalDialogTest, DisabledCancelButtonKeepsTheDialogOpenOnClose) {
    TemplateBuilder builder(WS_POPUP | DS_ABSALIGN, 0, 0, 100, 50);
    builder.button(u"Cancel", IDCANCEL, WS_CHILD | WS_VISIBLE | WS_DISABLED, 4, 4, 40, 14);
    std::atomic<HWND> dialogWindow{nullptr};
    handler = [&](HWND dialog, UINT message, WPARAM, LPARAM) -> BOOL {
        if (message == WM_INITDIALOG) dialogWindow = dialog;
        if (message == WM_COMMAND) EndDialog(dialog, 9);
        if (message == endNow) EndDialog(dialog, 5);
        return message == WM_INITDIALOG;
    };
    std::atomic<int> result{0};
    startUiThread([&] { result = DialogBoxIndirectParamW(nullptr, builder.data(), nullptr, recordingDialogProcedure, 0); });
    waitIdle();
    PostMessageW(dialogWindow, WM_CLOSE, 0, 0);
    waitIdle();
    EXPECT_TRUE(IsWindow(dialogWindow));
    EXPECT_TRUE(dialogLog.only({WM_COMMAND}).empty());
    PostMessageW(dialogWindow, endNow, 0, 0);
    waitIdle();
    EXPECT_EQ(result, 5);
}

// EndDialog only sets a flag; its wake-up post must reach a loop blocked in
// GetMessage, even when called from another thread.
TEST_F(ModalDialogTest, EndDialogFromAnotherThreadWakesTheLoop) {
    TemplateBuilder builder = hiddenDialog();
    std::atomic<HWND> dialogWindow{nullptr};
    std::atomic<int> result{0};
    std::atomic<bool> returned{false};
    handler = [&](HWND dialog, UINT message, WPARAM, LPARAM) -> BOOL {
        if (message == WM_INITDIALOG) dialogWindow = dialog;
        return message == WM_INITDIALOG;
    };
    startUiThread([&] {
        result = DialogBoxIndirectParamW(nullptr, builder.data(), nullptr, recordingDialogProcedure, 0);
        returned = true;
    });
    waitIdle();
    EXPECT_FALSE(returned);
    EXPECT_TRUE(EndDialog(dialogWindow, 77));
    waitIdle();
    EXPECT_TRUE(returned);
    EXPECT_EQ(result, 77);
    EXPECT_FALSE(IsWindow(dialogWindow));
    EXPECT_FALSE(EndDialog(dialogWindow, 1)) << "no such dialog any more";
}

TEST_F(ModalDialogTest, EndDialogDuringInitDialogNeverShowsTheDialog) {
    TemplateBuilder builder(WS_POPUP | WS_VISIBLE | DS_ABSALIGN, 0, 0, 100, 50);
    std::atomic<int> result{0};
    handler = [&](HWND dialog, UINT message, WPARAM, LPARAM) -> BOOL {
        if (message == WM_INITDIALOG) EndDialog(dialog, 3);
        return TRUE;
    };
    startUiThread([&] { result = DialogBoxIndirectParamW(nullptr, builder.data(), nullptr, recordingDialogProcedure, 0); });
    waitIdle();
    EXPECT_EQ(result, 3);
    EXPECT_TRUE(dialogLog.only({WM_SHOWWINDOW}).empty());
}

TEST_F(ModalDialogTest, QuitDuringTheRunEndsItAndIsPostedAgain) {
    TemplateBuilder builder = hiddenDialog();
    std::atomic<bool> quitSeenAfter{false};
    std::atomic<WPARAM> quitCode{0};
    std::atomic<bool> ownerEnabledAfter{false};
    handler = [&](HWND, UINT message, WPARAM, LPARAM) -> BOOL {
        if (message == WM_INITDIALOG) PostQuitMessage(5);
        return message == WM_INITDIALOG;
    };
    startUiThread([&] {
        HWND owner = createOwner();
        DialogBoxIndirectParamW(nullptr, builder.data(), owner, recordingDialogProcedure, 0);
        ownerEnabledAfter = IsWindowEnabled(owner) != FALSE;
        MSG message{};
        quitSeenAfter = !GetMessageW(&message, nullptr, 0, 0);
        quitCode = message.wParam;
    });
    waitIdle();
    EXPECT_TRUE(quitSeenAfter);
    EXPECT_EQ(quitCode, 5u);
    EXPECT_TRUE(ownerEnabledAfter);
}

// A modal dialog run from a button of another: afterwards the outer dialog
// is active again with the focus back on that button.
TEST_F(ModalDialogTest, NestedRunGivesTheFocusBackToTheOuterDialogsControl) {
    TemplateBuilder outer(WS_POPUP | WS_VISIBLE | DS_ABSALIGN, 0, 0, 120, 80);
    outer.font(8, u"System")
        .button(u"Start", 1000, WS_CHILD | WS_VISIBLE | WS_TABSTOP, 10, 10, 60, 14)
        .button(u"Exit", 1001, WS_CHILD | WS_VISIBLE | WS_TABSTOP, 10, 30, 60, 14);
    TemplateBuilder inner = hiddenDialog();
    LPCDLGTEMPLATEW innerData = inner.data();
    std::atomic<HWND> outerWindow{nullptr}, innerWindow{nullptr};
    std::atomic<int> innerResult{0};
    std::atomic<HWND> activeAfter{nullptr}, focusAfter{nullptr};
    handler = [&](HWND dialog, UINT message, WPARAM wParam, LPARAM) -> BOOL {
        if (message == WM_INITDIALOG && !outerWindow) outerWindow = dialog;
        else if (message == WM_INITDIALOG) innerWindow = dialog;
        if (message == WM_COMMAND && LOWORD(wParam) == 1000) {
            innerResult = DialogBoxIndirectParamW(nullptr, innerData, dialog, recordingDialogProcedure, 0);
            activeAfter = GetActiveWindow();
            focusAfter = GetFocus();
        }
        if (message == endNow) EndDialog(dialog, 1);
        return message == WM_INITDIALOG || message == WM_COMMAND;
    };
    startUiThread([&] { DialogBoxIndirectParamW(nullptr, outer.data(), nullptr, recordingDialogProcedure, 0); });
    waitIdle();
    ASSERT_NE(outerWindow.load(), nullptr);
    HWND start = GetDlgItem(outerWindow, 1000);
    tap({windowRect(start).left + 5, windowRect(start).top + 5});
    waitIdle();
    ASSERT_NE(innerWindow.load(), nullptr);
    EXPECT_FALSE(IsWindowEnabled(outerWindow));
    PostMessageW(innerWindow, endNow, 0, 0);
    waitIdle();
    EXPECT_EQ(innerResult, 1);
    EXPECT_TRUE(IsWindowEnabled(outerWindow));
    EXPECT_EQ(activeAfter, outerWindow.load());
    EXPECT_EQ(focusAfter, start);
    PostMessageW(outerWindow, endNow, 0, 0);
    waitIdle();
}

// Close requests queued for a nested dialog and for its disabled owner at
// once: the inner run ends first, the outer one then handles its own.
TEST_F(ModalDialogTest, CloseRequestsForNestedDialogsQueuedTogetherEndBoth) {
    TemplateBuilder outer(WS_POPUP | WS_VISIBLE | DS_ABSALIGN, 0, 0, 120, 80, u"Outer");
    TemplateBuilder inner = hiddenDialog();
    LPCDLGTEMPLATEW innerData = inner.data();
    std::atomic<HWND> outerWindow{nullptr}, innerWindow{nullptr};
    std::atomic<int> outerResult{0}, innerResult{0};
    handler = [&](HWND dialog, UINT message, WPARAM wParam, LPARAM) -> BOOL {
        if (message == WM_INITDIALOG && !outerWindow) {
            outerWindow = dialog;
            PostMessageW(dialog, checkNow, 0, 0);
        } else if (message == WM_INITDIALOG) {
            innerWindow = dialog;
        }
        if (message == checkNow)
            innerResult = DialogBoxIndirectParamW(nullptr, innerData, dialog, recordingDialogProcedure, 0);
        if (message == WM_COMMAND && LOWORD(wParam) == IDCANCEL) EndDialog(dialog, dialog == outerWindow ? 20 : 10);
        return message == WM_INITDIALOG || message == WM_COMMAND;
    };
    startUiThread([&] { outerResult = DialogBoxIndirectParamW(nullptr, outer.data(), nullptr, recordingDialogProcedure, 0); });
    waitIdle();
    ASSERT_NE(innerWindow.load(), nullptr);
    PostMessageW(innerWindow, WM_CLOSE, 0, 0);
    PostMessageW(outerWindow, WM_CLOSE, 0, 0);
    waitIdle();
    EXPECT_EQ(innerResult, 10);
    EXPECT_EQ(outerResult, 20);
    EXPECT_FALSE(IsWindow(outerWindow));
}

TEST_F(ModalDialogTest, MissingTemplateReturnsMinusOneAndLeavesTheOwnerAlone) {
    std::atomic<int> result{0};
    std::atomic<bool> ownerEnabled{false};
    startUiThread([&] {
        HWND owner = createOwner();
        ownerLog.clear();
        result = DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(129), owner, recordingDialogProcedure, 0);
        ownerEnabled = IsWindowEnabled(owner) != FALSE;
    });
    waitIdle();
    EXPECT_EQ(result, -1);
    EXPECT_TRUE(ownerEnabled);
    EXPECT_TRUE(ownerLog.only({WM_ENABLE}).empty());
    EXPECT_TRUE(dialogLog.all().empty());
}

}  // namespace
}  // namespace dialog_test
