// Pen input: hit testing, click activation, caption and OK button, disabled
// windows.
#include "window_fixture.h"

namespace window_test {
namespace {

class InputTest : public WindowTest {
protected:
    void tap(POINT down, POINT up) {
        manager().penDown(down);
        manager().penUp(up);
        pump();
    }
};

TEST_F(InputTest, TapsByWhereTheyLand) {
    HWND window = createRecorded("window", WS_POPUP | WS_CAPTION | WS_VISIBLE, WS_EX_CAPTIONOKBTN, {0, 0, 240, 320});
    struct Case {
        const char* what;
        POINT down;
        POINT up;
        std::vector<Recorded> expected;
    };
    const Case cases[] = {
        {"client",
         {100, 100},
         {101, 102},
         {{window, WM_LBUTTONDOWN, MK_LBUTTON, 0, true}, {window, WM_LBUTTONUP, 0, 0, true}}},
        {"caption", {50, 10}, {50, 10}, {}},
        {"OK button", {230, 10}, {232, 12}, {{window, WM_COMMAND, IDOK, 0, true}}},
        {"OK button, lifted elsewhere", {230, 10}, {100, 10}, {}},
        {"off the window", {230, 330}, {230, 330}, {}},
    };
    for (const Case& c : cases) {
        tap(c.down, c.up);
        expectSequence(recorder, c.expected, only(recorder.take(), {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_COMMAND}), c.what);
    }
}

LPARAM gLastDown = 0;
LRESULT CALLBACK RemembersDown(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_LBUTTONDOWN) gLastDown = lParam;
    return DefWindowProc(window, message, wParam, lParam);
}

TEST_F(InputTest, ClientCoordinatesOfTheDeepestWindow) {
    WNDCLASS windowClass{};
    windowClass.lpfnWndProc = RemembersDown;
    windowClass.lpszClassName = TEXT("RemembersDown");
    RegisterClass(&windowClass);
    HWND top = CreateWindowEx(0, TEXT("Plain"), TEXT(""), WS_POPUP | WS_CAPTION | WS_VISIBLE, 10, 10, 200, 200, nullptr,
                              nullptr, nullptr, nullptr);
    CreateWindowEx(0, TEXT("RemembersDown"), TEXT(""), WS_CHILD | WS_VISIBLE, 20, 30, 50, 50, top, nullptr, nullptr,
                   nullptr);
    POINT screen{10 + 20 + 5, 10 + 26 + 30 + 7};
    manager().penDown(screen);
    MSG message{};
    while (PeekMessage(&message, nullptr, 0, 0, PM_REMOVE) && message.message != WM_LBUTTONDOWN) DispatchMessage(&message);
    ASSERT_EQ(message.message, static_cast<UINT>(WM_LBUTTONDOWN));
    EXPECT_EQ(GetMessagePos(), static_cast<DWORD>(MAKELONG(screen.x, screen.y))) << "screen position of the pen";
    DispatchMessage(&message);
    EXPECT_EQ(gLastDown, MAKELPARAM(5, 7)) << "client coordinates of the child";
}

TEST_F(InputTest, InputToADisabledWindowGoesNowhere) {
    HWND parent = createRecorded("parent", WS_POPUP | WS_VISIBLE, 0, {0, 0, 200, 200});
    HWND child = createRecorded("child", WS_CHILD | WS_VISIBLE, 0, {0, 0, 50, 50}, parent);
    pump();
    struct Case {
        const char* what;
        HWND disabled;
        POINT where;
    };
    for (Case c : {Case{"disabled child", child, {10, 10}}, Case{"child of a disabled parent", parent, {10, 10}},
                   Case{"disabled parent", parent, {100, 100}}}) {
        EnableWindow(c.disabled, FALSE);
        recorder.clear();
        tap(c.where, c.where);
        expectSequence(recorder, {}, recorder.take(), c.what);
        EnableWindow(c.disabled, TRUE);
    }
    tap({10, 10}, {10, 10});
    expectSequence(recorder,
                   {{child, WM_LBUTTONDOWN, MK_LBUTTON, 0, true}, {child, WM_LBUTTONUP, 0, 0, true}},
                   only(recorder.take(), {WM_LBUTTONDOWN, WM_LBUTTONUP}), "enabled again");
}

TEST_F(InputTest, PenDownOnAnInactiveWindowActivatesIt) {
    HWND lower = createRecorded("lower", WS_POPUP | WS_VISIBLE, 0, {0, 0, 100, 100});
    HWND upper = createRecorded("upper", WS_POPUP | WS_VISIBLE, 0, {100, 0, 200, 100});
    pump();
    recorder.clear();
    manager().penDown({50, 50});
    pump();
    constexpr LPARAM raise = SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE;
    expectSequence(recorder,
                   {{lower, WM_NCHITTEST},
                    {lower, WM_MOUSEACTIVATE, reinterpret_cast<WPARAM>(lower)},
                    {lower, WM_WINDOWPOSCHANGING, 0, raise},
                    {lower, WM_WINDOWPOSCHANGED, 0, raise},
                    {upper, WM_NCACTIVATE, FALSE},
                    {upper, WM_ACTIVATE, WA_INACTIVE},
                    {lower, WM_NCACTIVATE, TRUE},
                    {lower, WM_ACTIVATE, WA_CLICKACTIVE},
                    {upper, WM_KILLFOCUS, reinterpret_cast<WPARAM>(lower)},
                    {lower, WM_SETFOCUS, reinterpret_cast<WPARAM>(upper)},
                    {lower, WM_LBUTTONDOWN, MK_LBUTTON, 0, true}},
                   recorder.take(), "pen down on an inactive window");
    // Moving and lifting the pen outside still go to the window that got the down.
    manager().penMove({150, 50});
    manager().penUp({150, 50});
    pump();
    expectSequence(recorder,
                   {{lower, WM_MOUSEMOVE, MK_LBUTTON, 0, true}, {lower, WM_LBUTTONUP, 0, 0, true}},
                   recorder.take(), "move and up after the down");
    manager().penMove({50, 50});
    pump();
    EXPECT_TRUE(recorder.take().empty()) << "no movement is reported without contact";
}

TEST_F(InputTest, CaptureTakesThePen) {
    HWND first = createRecorded("first", WS_POPUP | WS_VISIBLE, 0, {0, 0, 100, 100});
    HWND second = createRecorded("second", WS_POPUP | WS_VISIBLE, 0, {100, 0, 200, 100});
    ASSERT_EQ(WindowFromPoint(POINT{150, 50}), second);
    SetCapture(first);
    tap({150, 50}, {150, 50});
    expectSequence(recorder,
                   {{first, WM_LBUTTONDOWN, MK_LBUTTON, 0, true}, {first, WM_LBUTTONUP, 0, 0, true}},
                   only(recorder.take(), {WM_LBUTTONDOWN, WM_LBUTTONUP}), "captured taps");
}

}  // namespace
}  // namespace window_test
