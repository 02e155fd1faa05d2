// Activation, the foreground window, focus and capture, within a thread and
// across threads.
#include "window_fixture.h"

#include <atomic>

namespace window_test {
namespace {

class ActivationTest : public WindowTest {
protected:
    static std::vector<HWND> topLevelOrder(HWND any) {
        std::vector<HWND> order;
        for (HWND window = GetWindow(any, GW_HWNDFIRST); window; window = GetWindow(window, GW_HWNDNEXT))
            order.push_back(window);
        return order;
    }
};

constexpr LPARAM kRaiseFlags = SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE;

TEST_F(ActivationTest, SetActiveWindowBetweenTwoWindows) {
    HWND first = createRecorded("first", WS_POPUP | WS_VISIBLE, 0, {0, 0, 100, 100});
    HWND second = createRecorded("second", WS_POPUP | WS_VISIBLE, 0, {0, 0, 100, 100});
    EXPECT_EQ(SetActiveWindow(first), second);
    expectSequence(recorder,
                   {{first, WM_WINDOWPOSCHANGING, 0, kRaiseFlags},
                    {first, WM_WINDOWPOSCHANGED, 0, kRaiseFlags},
                    {second, WM_NCACTIVATE, FALSE},
                    {second, WM_ACTIVATE, WA_INACTIVE},
                    {first, WM_NCACTIVATE, TRUE},
                    {first, WM_ACTIVATE, WA_ACTIVE},
                    {second, WM_KILLFOCUS, reinterpret_cast<WPARAM>(first)},
                    {first, WM_SETFOCUS, reinterpret_cast<WPARAM>(second)}},
                   recorder.take(), "SetActiveWindow");
    EXPECT_EQ(GetActiveWindow(), first);
    EXPECT_EQ(GetForegroundWindow(), first);
    EXPECT_EQ(topLevelOrder(first), (std::vector<HWND>{first, second}));
    EXPECT_EQ(SetActiveWindow(first), first);
    EXPECT_TRUE(recorder.take().empty()) << "activating the active window again sends nothing";
}

TEST_F(ActivationTest, ForegroundWithTheLowBitBringsOwnedPopupsAlong) {
    struct Case {
        bool withPopups;
        const char* what;
    };
    for (Case c : {Case{false, "plain handle"}, Case{true, "low bit set"}}) {
        HWND owner = createRecorded("owner", WS_POPUP | WS_VISIBLE, 0, {0, 0, 100, 100});
        HWND popup = createRecorded("popup", WS_POPUP | WS_VISIBLE, 0, {0, 0, 50, 50}, owner);
        HWND other = createRecorded("other", WS_POPUP | WS_VISIBLE, 0, {0, 0, 100, 100});
        ASSERT_EQ(topLevelOrder(owner), (std::vector<HWND>{other, popup, owner}));
        HWND argument = c.withPopups ? reinterpret_cast<HWND>(reinterpret_cast<ULONG_PTR>(owner) | 1) : owner;
        EXPECT_TRUE(SetForegroundWindow(argument));
        EXPECT_EQ(GetForegroundWindow(), owner) << c.what;
        EXPECT_EQ(GetActiveWindow(), owner) << c.what;
        auto expected = c.withPopups ? std::vector<HWND>{popup, owner, other} : std::vector<HWND>{owner, other, popup};
        EXPECT_EQ(topLevelOrder(owner), expected) << c.what;
        for (HWND window : {owner, other}) DestroyWindow(window);
    }
}

// A thread owning one visible Recorder window, pumping messages.
DWORD WINAPI VisibleWindowThread(LPVOID parameter) {
    auto& window = *static_cast<std::atomic<HWND>*>(parameter);
    window = CreateWindowEx(0, TEXT("Recorder"), TEXT("theirs"), WS_POPUP | WS_VISIBLE, 0, 0, 100, 100, nullptr,
                            nullptr, nullptr, nullptr);
    MSG message;
    while (GetMessage(&message, nullptr, 0, 0)) DispatchMessage(&message);
    return 0;
}

TEST_F(ActivationTest, ActivatingAnotherThreadsWindowSendsAcrossThreads) {
    std::atomic<HWND> theirs{nullptr};
    HANDLE thread = CreateThread(nullptr, 0, VisibleWindowThread, &theirs, 0, nullptr);
    device.waitForIdle();
    HWND mine = createRecorded("mine", WS_POPUP | WS_VISIBLE, 0, {0, 0, 100, 100});
    recorder.name(theirs, "theirs");
    ASSERT_EQ(GetForegroundWindow(), mine);
    recorder.clear();

    EXPECT_TRUE(SetForegroundWindow(theirs));
    expectSequence(recorder,
                   {{theirs, WM_WINDOWPOSCHANGING, 0, kRaiseFlags},
                    {theirs, WM_WINDOWPOSCHANGED, 0, kRaiseFlags},
                    {mine, WM_NCACTIVATE, FALSE},
                    {mine, WM_ACTIVATE, WA_INACTIVE},
                    {mine, WM_KILLFOCUS},
                    {theirs, WM_NCACTIVATE, TRUE},
                    {theirs, WM_ACTIVATE, WA_ACTIVE},
                    {theirs, WM_SETFOCUS}},
                   // The owner thread paints whenever it finds its queue empty.
                   except(recorder.take(), {WM_PAINT, WM_NCPAINT, WM_ERASEBKGND}), "SetForegroundWindow(other thread's window)");
    EXPECT_EQ(GetForegroundWindow(), theirs.load());
    EXPECT_EQ(GetActiveWindow(), nullptr) << "this thread lost its active window";
    EXPECT_EQ(GetFocus(), nullptr);
    EXPECT_EQ(SetFocus(theirs), nullptr) << "the focus stays within a thread";
    CloseHandle(thread);
}

TEST_F(ActivationTest, CaptureChangesAreAnnounced) {
    HWND first = createRecorded("first", WS_POPUP | WS_VISIBLE, 0, {0, 0, 100, 100});
    HWND second = createRecorded("second", WS_POPUP | WS_VISIBLE, 0, {0, 0, 100, 100});
    EXPECT_EQ(SetCapture(first), nullptr);
    EXPECT_EQ(SetCapture(second), first);
    EXPECT_EQ(GetCapture(), second);
    EXPECT_TRUE(ReleaseCapture());
    EXPECT_EQ(GetCapture(), nullptr);
    expectSequence(recorder, {{first, WM_CAPTURECHANGED}, {second, WM_CAPTURECHANGED}}, recorder.take(),
                   "capture changes");
}

}  // namespace
}  // namespace window_test
