// Posting and retrieving: order, filters, WM_QUIT and WM_PAINT.
#include "window_fixture.h"

namespace window_test {
namespace {

class MessageQueueTest : public WindowTest {};

LRESULT CALLBACK IgnoresPaint(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_PAINT) return 0;  // never validates
    return DefWindowProc(window, message, wParam, lParam);
}

TEST_F(MessageQueueTest, QuitComesAfterEveryPostedMessage) {
    HWND window = createRecorded("window", WS_POPUP, 0, {0, 0, 10, 10});
    PostMessage(window, WM_USER + 1, 1, 0);
    PostQuitMessage(3);
    PostMessage(window, WM_USER + 2, 2, 0);
    PostMessage(nullptr, WM_USER + 3, 3, 0);
    MSG message;
    std::vector<UINT> order;
    while (GetMessage(&message, nullptr, 0, 0)) {
        order.push_back(message.message);
        recorder.dispatch(message);
    }
    EXPECT_EQ(order, (std::vector<UINT>{WM_USER + 1, WM_USER + 2, WM_USER + 3}));
    EXPECT_EQ(message.message, static_cast<UINT>(WM_QUIT));
    EXPECT_EQ(message.wParam, 3u);
    expectSequence(recorder,
                   {{window, WM_USER + 1, 1, 0, true}, {window, WM_USER + 2, 2, 0, true}}, recorder.take(),
                   "dispatched posts");
    EXPECT_FALSE(PeekMessage(&message, nullptr, 0, 0, PM_REMOVE)) << "WM_QUIT is retrieved once";
}

TEST_F(MessageQueueTest, FiltersByWindowWithChildrenAndByRange) {
    HWND top = createRecorded("top", WS_POPUP, 0, {0, 0, 10, 10});
    HWND child = createRecorded("child", WS_CHILD, 0, {0, 0, 5, 5}, top);
    HWND other = createRecorded("other", WS_POPUP, 0, {0, 0, 10, 10});
    PostMessage(other, WM_USER + 1, 0, 0);
    PostMessage(child, WM_USER + 2, 0, 0);
    PostMessage(nullptr, WM_USER + 3, 0, 0);
    PostMessage(top, WM_USER + 4, 0, 0);

    MSG message;
    ASSERT_TRUE(PeekMessage(&message, top, 0, 0, PM_NOREMOVE));
    EXPECT_EQ(message.hwnd, child);
    ASSERT_TRUE(PeekMessage(&message, top, 0, 0, PM_REMOVE));
    EXPECT_EQ(message.message, static_cast<UINT>(WM_USER + 2)) << "PM_NOREMOVE left it in place";
    ASSERT_TRUE(PeekMessage(&message, nullptr, WM_USER + 3, WM_USER + 4, PM_REMOVE));
    EXPECT_EQ(message.message, static_cast<UINT>(WM_USER + 3));
    EXPECT_EQ(message.hwnd, nullptr);
    ASSERT_TRUE(PeekMessage(&message, reinterpret_cast<HWND>(-1), 0, 0, PM_REMOVE) == FALSE);
    ASSERT_TRUE(PeekMessage(&message, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(message.hwnd, other);
    ASSERT_TRUE(PeekMessage(&message, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(message.hwnd, top);
    EXPECT_FALSE(PeekMessage(&message, nullptr, 0, 0, PM_REMOVE));
}

TEST_F(MessageQueueTest, PaintComesBackUntilValidated) {
    WNDCLASS windowClass{};
    windowClass.lpfnWndProc = IgnoresPaint;
    windowClass.lpszClassName = TEXT("IgnoresPaint");
    RegisterClass(&windowClass);
    HWND window = CreateWindowEx(0, TEXT("IgnoresPaint"), TEXT(""), WS_POPUP | WS_VISIBLE, 0, 0, 50, 50, nullptr,
                                 nullptr, nullptr, nullptr);
    PostMessage(window, WM_USER, 0, 0);
    MSG message;
    ASSERT_TRUE(PeekMessage(&message, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(message.message, static_cast<UINT>(WM_USER)) << "posted messages come before WM_PAINT";
    for (int round = 0; round < 3; ++round) {
        ASSERT_TRUE(PeekMessage(&message, nullptr, 0, 0, PM_REMOVE));
        EXPECT_EQ(message.message, static_cast<UINT>(WM_PAINT));
        EXPECT_EQ(message.hwnd, window);
        DispatchMessage(&message);
    }
    ValidateRect(window, nullptr);
    EXPECT_FALSE(PeekMessage(&message, nullptr, 0, 0, PM_REMOVE));
    ShowWindow(window, SW_HIDE);
    InvalidateRect(window, nullptr, TRUE);
    EXPECT_FALSE(PeekMessage(&message, nullptr, 0, 0, PM_REMOVE)) << "hidden windows are not painted";
}

TEST_F(MessageQueueTest, DestroyingAWindowDropsItsPostedMessages) {
    HWND window = createRecorded("window", WS_POPUP, 0, {0, 0, 10, 10});
    HWND other = createRecorded("other", WS_POPUP, 0, {0, 0, 10, 10});
    PostMessage(window, WM_USER, 0, 0);
    PostMessage(other, WM_USER, 0, 0);
    DestroyWindow(window);
    MSG message;
    ASSERT_TRUE(PeekMessage(&message, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(message.hwnd, other);
    EXPECT_FALSE(PeekMessage(&message, nullptr, 0, 0, PM_REMOVE));
}

TEST_F(MessageQueueTest, DefaultProcedureClosesAndKeepsIcons) {
    HWND window = createRecorded("window", WS_POPUP | WS_VISIBLE, 0, {0, 0, 10, 10});
    HICON big = reinterpret_cast<HICON>(0x1230);
    HICON small = reinterpret_cast<HICON>(0x4560);
    EXPECT_EQ(SendMessage(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(big)), 0);
    SendMessage(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small));
    EXPECT_EQ(SendMessage(window, WM_GETICON, ICON_BIG, 0), reinterpret_cast<LRESULT>(big));
    EXPECT_EQ(SendMessage(window, WM_GETICON, ICON_SMALL, 0), reinterpret_cast<LRESULT>(small));
    EXPECT_EQ(CallWindowProc(nullptr, window, WM_CLOSE, 0, 0), 0) << "a null procedure does nothing";
    EXPECT_TRUE(IsWindow(window));
    PostMessage(window, WM_SYSCOMMAND, SC_CLOSE, 0);
    pump();
    EXPECT_FALSE(IsWindow(window));
}

}  // namespace
}  // namespace window_test
