// SendMessage and friends between threads: the procedure runs on the
// window's thread, the sender gets its result, and threads that send to
// each other do not deadlock.
#include "window_fixture.h"

#include <atomic>

namespace window_test {
namespace {

constexpr UINT kDouble = WM_USER + 1;  // returns 2 * wParam
constexpr UINT kAskBack = WM_USER + 2;  // sends kDouble to the window in lParam, returns its answer + 1
constexpr UINT kWhere = WM_USER + 3;    // returns the id of the thread that runs the procedure
constexpr UINT kInSend = WM_USER + 4;   // returns InSendMessage()

LRESULT CALLBACK EchoProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case kDouble:
        SetLastError(55);  // must not leak into the sender's last error
        return static_cast<LRESULT>(wParam * 2);
    case kAskBack:
        return SendMessage(reinterpret_cast<HWND>(lParam), kDouble, wParam, 0) + 1;
    case kWhere:
        return static_cast<LRESULT>(GetCurrentThreadId());
    case kInSend:
        return InSendMessage();
    }
    return DefWindowProc(window, message, wParam, lParam);
}

LRESULT CALLBACK ReplacementProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == kDouble) return 1000 + static_cast<LRESULT>(GetCurrentThreadId());
    return EchoProc(window, message, wParam, lParam);
}

// A thread that owns one Echo window and runs a message loop.
struct Owner {
    std::atomic<HWND> window{nullptr};
    std::atomic<DWORD> threadId{0};
    std::atomic<bool> blockBeforeLoop{false};
    HANDLE release = nullptr;  // waited on before the loop when blockBeforeLoop
    std::atomic<bool> destroyAfterRelease{false};
};

DWORD WINAPI OwnerThread(LPVOID parameter) {
    auto& owner = *static_cast<Owner*>(parameter);
    owner.threadId = GetCurrentThreadId();
    HWND window = CreateWindowEx(0, TEXT("Echo"), TEXT(""), WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    owner.window = window;
    if (owner.blockBeforeLoop) {
        WaitForSingleObject(owner.release, INFINITE);
        if (owner.destroyAfterRelease) DestroyWindow(window);
        return 0;
    }
    MSG message;
    while (GetMessage(&message, nullptr, 0, 0)) DispatchMessage(&message);
    return 0;
}

class CrossThreadTest : public WindowTest {
protected:
    CrossThreadTest() {
        WNDCLASS echoClass{};
        echoClass.lpfnWndProc = EchoProc;
        echoClass.lpszClassName = TEXT("Echo");
        echoClass.style = CS_GLOBALCLASS;
        RegisterClass(&echoClass);
    }

    HANDLE start(Owner& owner) {
        HANDLE thread = CreateThread(nullptr, 0, OwnerThread, &owner, 0, nullptr);
        std::string reason;
        device.waitForIdle(std::chrono::seconds(10), &reason);
        return thread;
    }

    // A worker sends to owner's window while the owner thread is blocked before
    // its message loop; once every thread waits, the owner is released. Returns
    // what the send returned, or -1 when it returned before the release.
    LRESULT sendWhileOwnerIsBlocked(Owner& owner) {
        owner.blockBeforeLoop = true;
        owner.release = CreateEvent(nullptr, TRUE, FALSE, nullptr);
        HANDLE thread = start(owner);
        std::atomic<LRESULT> result{-1};
        struct Send {
            HWND window;
            std::atomic<LRESULT>* result;
        } send{owner.window, &result};
        HANDLE sender = CreateThread(
            nullptr, 0,
            [](LPVOID parameter) -> DWORD {
                auto& send = *static_cast<Send*>(parameter);
                *send.result = SendMessage(send.window, kDouble, 3, 0);
                return 0;
            },
            &send, 0, nullptr);
        // Every thread now waits: the sender for a reply, the owner for the event.
        device.waitForIdle(std::chrono::seconds(10));
        if (result.load() != -1) ADD_FAILURE() << "the send returned before the owner could answer";
        SetEvent(owner.release);
        WaitForSingleObject(sender, INFINITE);
        for (HANDLE handle : {thread, sender, owner.release}) CloseHandle(handle);
        return result.load();
    }
};

TEST_F(CrossThreadTest, SendRunsTheProcedureOnTheOwnerThreadAndReturnsItsResult) {
    Owner owner;
    HANDLE thread = start(owner);
    ASSERT_NE(owner.window.load(), nullptr);
    SetLastError(1234);
    EXPECT_EQ(SendMessage(owner.window, kDouble, 21, 0), 42);
    EXPECT_EQ(GetLastError(), 1234u);
    EXPECT_EQ(static_cast<DWORD>(SendMessage(owner.window, kWhere, 0, 0)), owner.threadId.load());
    EXPECT_NE(owner.threadId.load(), GetCurrentThreadId());
    EXPECT_TRUE(SendMessage(owner.window, kInSend, 0, 0)) << "sent from another thread";
    HWND mine = CreateWindowEx(0, TEXT("Echo"), TEXT(""), WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    EXPECT_FALSE(SendMessage(mine, kInSend, 0, 0)) << "sent from the same thread";
    DWORD ownerProcess = 0;
    EXPECT_EQ(GetWindowThreadProcessId(owner.window, &ownerProcess), owner.threadId.load());
    EXPECT_EQ(ownerProcess, GetCurrentProcessId());
    PostMessage(owner.window, WM_CLOSE, 0, 0);
    CloseHandle(thread);
}

TEST_F(CrossThreadTest, SenderHandlesSendsThatArriveWhileItWaits) {
    Owner owner;
    HANDLE thread = start(owner);
    HWND mine = CreateWindowEx(0, TEXT("Echo"), TEXT(""), WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    SetLastError(7);
    // The owner's procedure sends back to this thread's window while this thread waits.
    EXPECT_EQ(SendMessage(owner.window, kAskBack, 5, reinterpret_cast<LPARAM>(mine)), 11);
    EXPECT_EQ(GetLastError(), 7u) << "the nested handling left the sender's last error alone";
    CloseHandle(thread);
}

TEST_F(CrossThreadTest, TwoThreadsSendingToEachOtherAtOnceDoNotDeadlock) {
    Owner first;
    Owner second;
    HANDLE firstThread = start(first);
    HANDLE secondThread = start(second);
    struct Exchange {
        HWND from;
        HWND to;
        std::atomic<LRESULT> result{0};
    };
    static Exchange exchanges[2];
    exchanges[0].from = first.window;
    exchanges[0].to = second.window;
    exchanges[1].from = second.window;
    exchanges[1].to = first.window;
    auto body = [](LPVOID parameter) -> DWORD {
        auto& exchange = *static_cast<Exchange*>(parameter);
        // Each helper asks one window to send to the other; both owners end up
        // waiting on each other's replies at the same time.
        exchange.result = SendMessage(exchange.from, kAskBack, 10, reinterpret_cast<LPARAM>(exchange.to));
        return 0;
    };
    HANDLE helpers[2] = {CreateThread(nullptr, 0, body, &exchanges[0], 0, nullptr),
                         CreateThread(nullptr, 0, body, &exchanges[1], 0, nullptr)};
    std::string reason;
    EXPECT_TRUE(device.waitForIdle(std::chrono::seconds(10), &reason)) << reason;
    EXPECT_EQ(exchanges[0].result.load(), 21);
    EXPECT_EQ(exchanges[1].result.load(), 21);
    for (HANDLE handle : {firstThread, secondThread, helpers[0], helpers[1]}) CloseHandle(handle);
}

TEST_F(CrossThreadTest, ReplacingTheProcedureOfAnotherThreadsWindowTakesEffectAtOnce) {
    Owner owner;
    HANDLE thread = start(owner);
    LONG_PTR previous = SetWindowLong(owner.window, GWL_WNDPROC, reinterpret_cast<LONG_PTR>(ReplacementProc));
    EXPECT_EQ(previous, reinterpret_cast<LONG_PTR>(EchoProc));
    EXPECT_EQ(GetWindowLong(owner.window, GWL_WNDPROC), reinterpret_cast<LONG_PTR>(ReplacementProc));
    EXPECT_EQ(SendMessage(owner.window, kDouble, 1, 0), 1000 + static_cast<LRESULT>(owner.threadId.load()))
        << "the new procedure runs, on the window's own thread";
    EXPECT_EQ(CallWindowProc(reinterpret_cast<WNDPROC>(previous), owner.window, kDouble, 4, 0), 8);
    SetWindowLong(owner.window, GWL_WNDPROC, previous);
    EXPECT_EQ(SendMessage(owner.window, kDouble, 4, 0), 8);
    CloseHandle(thread);
}

TEST_F(CrossThreadTest, SendToAWindowDestroyedBeforeReplyingReturnsZero) {
    Owner owner;
    owner.destroyAfterRelease = true;
    EXPECT_EQ(sendWhileOwnerIsBlocked(owner), 0);
}

TEST_F(CrossThreadTest, SendToAThreadThatEndsBeforeReplyingReturnsZero) {
    Owner owner;  // ends without ever reading its queue
    EXPECT_EQ(sendWhileOwnerIsBlocked(owner), 0);
}

TEST_F(CrossThreadTest, PostThreadMessageNeedsALiveThread) {
    Owner owner;
    owner.blockBeforeLoop = true;
    owner.release = CreateEvent(nullptr, TRUE, FALSE, nullptr);
    HANDLE thread = start(owner);
    EXPECT_TRUE(PostThreadMessage(owner.threadId, WM_USER, 1, 2));
    EXPECT_FALSE(PostThreadMessage(0xFFFFFF, WM_USER, 1, 2));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_THREAD_ID));
    SetEvent(owner.release);
    WaitForSingleObject(thread, INFINITE);
    EXPECT_FALSE(PostThreadMessage(owner.threadId, WM_USER, 1, 2)) << "the thread has ended";
    for (HANDLE handle : {thread, owner.release}) CloseHandle(handle);
}

}  // namespace
}  // namespace window_test

namespace window_test {
namespace {

DWORD WINAPI LeavesAWindowBehind(LPVOID parameter) {
    HWND window = CreateWindowEx(0, TEXT("Recorder"), TEXT("left behind"), WS_POPUP, 0, 0, 100, 100, nullptr, nullptr,
                                 nullptr, nullptr);
    // Shown without activation: activating it would send to the creating
    // thread, which waits for this one without reading its queue.
    ShowWindow(window, SW_SHOWNA);
    *static_cast<HWND*>(parameter) = window;
    return 0;
}

TEST_F(WindowTest, WindowsOfAnEndedThreadGoAway) {
    HWND below = createRecorded("below", WS_POPUP | WS_VISIBLE, 0, {0, 0, 200, 200});
    pump();
    HWND abandoned = nullptr;
    HANDLE thread = CreateThread(nullptr, 0, LeavesAWindowBehind, &abandoned, 0, nullptr);
    WaitForSingleObject(thread, INFINITE);
    CloseHandle(thread);
    ASSERT_NE(abandoned, nullptr);
    recorder.clear();
    EXPECT_EQ(FindWindow(nullptr, TEXT("left behind")), nullptr);
    EXPECT_FALSE(IsWindow(abandoned));
    EXPECT_EQ(SendMessage(abandoned, WM_USER, 0, 0), 0);
    pump();
    expectSequence(recorder, {{below, WM_PAINT, 0, 0, true}, {below, WM_ERASEBKGND}},
                   only(recorder.take(), {WM_PAINT, WM_ERASEBKGND, WM_DESTROY}),
                   "the area the window covered is painted again; the window got nothing");
}

}  // namespace
}  // namespace window_test
