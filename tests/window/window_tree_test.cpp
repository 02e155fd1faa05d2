// The window tree: z-order, parents and owners, visibility, lookup, classes
// and the data kept per window.
#include "window_fixture.h"

#include "gdi/screen.h"
#include "kernel/text_conversion.h"

#include <vector>

namespace window_test {
namespace {

class WindowTreeTest : public WindowTest {
protected:
    HWND plain(DWORD style, HWND parent = nullptr, DWORD exStyle = 0, LPCWSTR title = TEXT(""), int id = 0) {
        return CreateWindowEx(exStyle, TEXT("Plain"), title, style, 0, 0, 50, 50, parent,
                              reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
    }

    static std::vector<HWND> siblingsFrom(HWND first) {
        std::vector<HWND> order;
        for (HWND window = first; window; window = GetWindow(window, GW_HWNDNEXT)) order.push_back(window);
        return order;
    }
};

TEST_F(WindowTreeTest, ZOrderFollowsCreationAndSetWindowPos) {
    HWND parent = plain(WS_POPUP);
    HWND first = plain(WS_CHILD, parent);
    HWND second = plain(WS_CHILD, parent);
    HWND third = plain(WS_CHILD, parent);
    // New children go to the bottom, so the first created is the topmost.
    EXPECT_EQ(siblingsFrom(GetWindow(parent, GW_CHILD)), (std::vector<HWND>{first, second, third}));
    EXPECT_EQ(GetWindow(second, GW_HWNDPREV), first);
    EXPECT_EQ(GetWindow(second, GW_HWNDFIRST), first);
    EXPECT_EQ(GetWindow(first, GW_HWNDLAST), third);
    EXPECT_EQ(GetWindow(first, GW_HWNDPREV), nullptr);

    struct Move {
        HWND window;
        HWND insertAfter;
        std::vector<HWND> expected;
    };
    const Move moves[] = {
        {third, HWND_TOP, {third, first, second}},
        {third, HWND_BOTTOM, {first, second, third}},
        {first, second, {second, first, third}},
        {third, HWND_TOPMOST, {third, second, first}},  // no topmost band among children
    };
    for (const Move& move : moves) {
        SetWindowPos(move.window, move.insertAfter, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        EXPECT_EQ(siblingsFrom(GetWindow(parent, GW_CHILD)), move.expected);
    }
}

TEST_F(WindowTreeTest, TopmostBandAndDesktopAtTheBottom) {
    HWND desktop = plain(WS_POPUP);
    manager().setDesktopWindow(desktop);
    HWND topmost = plain(WS_POPUP, nullptr, WS_EX_TOPMOST);
    HWND normal = plain(WS_POPUP);
    EXPECT_EQ(siblingsFrom(GetWindow(desktop, GW_HWNDFIRST)), (std::vector<HWND>{topmost, normal, desktop}));
    SetWindowPos(desktop, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    SetWindowPos(normal, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    EXPECT_EQ(siblingsFrom(GetWindow(desktop, GW_HWNDFIRST)), (std::vector<HWND>{topmost, normal, desktop}));
    SetWindowPos(normal, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    EXPECT_EQ(siblingsFrom(GetWindow(desktop, GW_HWNDFIRST)), (std::vector<HWND>{normal, topmost, desktop}));
    EXPECT_TRUE(GetWindowLong(normal, GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_EQ(GetDesktopWindow(), desktop);
}

TEST_F(WindowTreeTest, DesktopIsNullUntilAShellSetsOne) { EXPECT_EQ(GetDesktopWindow(), nullptr); }

TEST_F(WindowTreeTest, VisibilityCountsEveryAncestor) {
    HWND top = plain(WS_POPUP | WS_VISIBLE);
    HWND middle = plain(WS_CHILD | WS_VISIBLE, top);
    HWND leaf = plain(WS_CHILD | WS_VISIBLE, middle);
    struct Case {
        HWND hidden;
        BOOL leafVisible;
    };
    for (Case c : {Case{nullptr, TRUE}, Case{middle, FALSE}, Case{top, FALSE}, Case{leaf, FALSE}}) {
        if (c.hidden) ShowWindow(c.hidden, SW_HIDE);
        EXPECT_EQ(IsWindowVisible(leaf), c.leafVisible);
        if (c.hidden) ShowWindow(c.hidden, SW_SHOW);
    }
    EXPECT_FALSE(IsWindowVisible(nullptr));
}

TEST_F(WindowTreeTest, FindWindowLooksAtTopLevelWindowsTopmostFirst) {
    HWND lower = plain(WS_POPUP, nullptr, 0, TEXT("same"));
    HWND upper = plain(WS_POPUP, nullptr, 0, TEXT("same"));
    HWND other = CreateWindowEx(0, TEXT("Recorder"), TEXT("other"), WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr,
                                nullptr);
    plain(WS_CHILD, other, 0, TEXT("child"));
    struct Case {
        LPCWSTR className;
        LPCWSTR title;
        HWND expected;
    };
    const Case cases[] = {
        {TEXT("Plain"), nullptr, upper},   {TEXT("plain"), TEXT("same"), upper}, {nullptr, TEXT("other"), other},
        {TEXT("Recorder"), TEXT("same"), nullptr}, {nullptr, TEXT("child"), nullptr}, {TEXT("HHTaskBar"), nullptr, nullptr},
    };
    for (const Case& c : cases) EXPECT_EQ(FindWindow(c.className, c.title), c.expected);
    DestroyWindow(upper);
    EXPECT_EQ(FindWindow(TEXT("Plain"), nullptr), lower);
}

TEST_F(WindowTreeTest, StaleHandlesFailAndAreNeverReused) {
    HWND window = plain(WS_POPUP);
    DestroyWindow(window);
    SetLastError(0);
    EXPECT_FALSE(IsWindow(window));
    EXPECT_FALSE(ShowWindow(window, SW_SHOW));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_WINDOW_HANDLE));
    RECT rect{1, 2, 3, 4};
    EXPECT_FALSE(GetWindowRect(window, &rect));
    EXPECT_EQ(rect.left, 1) << "a failed call leaves the output alone";
    EXPECT_EQ(SendMessage(window, WM_USER, 0, 0), 0);
    EXPECT_FALSE(PostMessage(window, WM_USER, 0, 0));
    EXPECT_EQ(SetWindowLong(window, GWL_WNDPROC, reinterpret_cast<LONG_PTR>(DefWindowProc)), 0);
    for (int i = 0; i < 20; ++i) EXPECT_NE(plain(WS_POPUP), window);
}

TEST_F(WindowTreeTest, PopupWithAChildAsParentIsOwnedByTheTopLevelWindow) {
    HWND top = plain(WS_POPUP);
    HWND child = plain(WS_CHILD, top);
    HWND popup = plain(WS_POPUP, child);
    EXPECT_EQ(GetWindow(popup, GW_OWNER), top);
    EXPECT_EQ(GetParent(popup), top);
    EXPECT_EQ(GetParent(child), top);
    EXPECT_EQ(GetParent(top), nullptr);
    EXPECT_EQ(GetWindowLong(popup, GWL_HWNDPARENT), reinterpret_cast<LONG_PTR>(top));
    EXPECT_TRUE(IsChild(top, child));
    EXPECT_FALSE(IsChild(top, popup));
    EXPECT_EQ(GetWindow(GetDesktopWindow(), GW_CHILD), nullptr);
}

TEST_F(WindowTreeTest, ClassesAreRegisteredOncePerInstance) {
    WNDCLASS windowClass{};
    windowClass.lpfnWndProc = DefWindowProc;
    windowClass.cbWndExtra = DLGWINDOWEXTRA;
    windowClass.lpszClassName = TEXT("Sample");
    EXPECT_NE(RegisterClass(&windowClass), 0);
    SetLastError(0);
    EXPECT_EQ(RegisterClass(&windowClass), 0);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_CLASS_ALREADY_EXISTS));

    WNDCLASS found{};
    EXPECT_TRUE(GetClassInfo(nullptr, TEXT("SAMPLE"), &found));
    EXPECT_EQ(found.cbWndExtra, DLGWINDOWEXTRA);
    HWND window = CreateWindowEx(0, TEXT("sample"), TEXT(""), WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(window, nullptr);
    WCHAR name[4];
    EXPECT_EQ(GetClassName(window, name, 4), 3);
    EXPECT_EQ(std::u16string(name), u"Sam");

    EXPECT_FALSE(UnregisterClass(TEXT("Sample"), nullptr));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_CLASS_HAS_WINDOWS));
    DestroyWindow(window);
    EXPECT_TRUE(UnregisterClass(TEXT("Sample"), nullptr));
    EXPECT_EQ(CreateWindowEx(0, TEXT("Sample"), TEXT(""), WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr),
              nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_CANNOT_FIND_WND_CLASS));
}

// The system's classes exist from boot, before any dialog, and stay.
TEST_F(WindowTreeTest, SystemClassesExistFromTheStartAndCannotBeUnregistered) {
    for (const WCHAR* className : {TEXT("BUTTON"), TEXT("static"), TEXT("Dialog")}) {
        SCOPED_TRACE(ce::toUtf8(className));
        WNDCLASS found{};
        EXPECT_TRUE(GetClassInfo(nullptr, className, &found));
        EXPECT_TRUE(found.style & CS_GLOBALCLASS);
        SetLastError(0);
        EXPECT_FALSE(UnregisterClass(className, nullptr));
        EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ACCESS_DENIED));
    }
    HWND button = CreateWindowEx(0, TEXT("button"), TEXT("Press"), WS_POPUP | WS_VISIBLE | BS_PUSHBUTTON, 0, 0, 60,
                                 20, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(button, nullptr);
    WCHAR text[8];
    EXPECT_EQ(GetWindowText(button, text, 8), 5);
    DestroyWindow(button);
}

TEST_F(WindowTreeTest, WindowLongsRoundTrip) {
    WNDCLASS windowClass{};
    windowClass.lpfnWndProc = DefWindowProc;
    windowClass.cbWndExtra = DLGWINDOWEXTRA;
    windowClass.lpszClassName = TEXT("WithExtra");
    RegisterClass(&windowClass);
    HWND parent = plain(WS_POPUP);
    HWND window = CreateWindowEx(0, TEXT("WithExtra"), TEXT(""), WS_CHILD, 0, 0, 1, 1, parent,
                                 reinterpret_cast<HMENU>(1000), nullptr, nullptr);
    ASSERT_NE(window, nullptr);

    WNDPROC original = reinterpret_cast<WNDPROC>(GetWindowLong(window, GWL_WNDPROC));
    EXPECT_EQ(original, &DefWindowProc);
    EXPECT_EQ(SetWindowLong(window, GWL_WNDPROC, reinterpret_cast<LONG_PTR>(MessageRecorder::procedure)),
              reinterpret_cast<LONG_PTR>(original));
    SendMessage(window, WM_USER + 7, 0, 0);
    EXPECT_EQ(recorder.take().back().message, static_cast<UINT>(WM_USER + 7)) << "the new procedure is in force";
    // A window must never be left with no procedure.
    EXPECT_EQ(SetWindowLong(window, GWL_WNDPROC, 0), 0);
    EXPECT_EQ(GetWindowLong(window, GWL_WNDPROC), reinterpret_cast<LONG_PTR>(MessageRecorder::procedure));

    const LONG_PTR pointerSized = static_cast<LONG_PTR>(0x1234567890ABLL);
    for (int index : {DWL_MSGRESULT, DWL_DLGPROC, DWL_USER, GWL_USERDATA}) {
        EXPECT_EQ(SetWindowLong(window, index, pointerSized + index), 0);
        EXPECT_EQ(GetWindowLong(window, index), pointerSized + index);
    }
    SetLastError(0);
    EXPECT_EQ(GetWindowLong(window, DLGWINDOWEXTRA), 0);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_INDEX)) << "past the extra bytes";

    EXPECT_EQ(GetWindowLong(window, GWL_ID), 1000);
    EXPECT_EQ(GetDlgCtrlID(window), 1000);
    EXPECT_EQ(GetDlgItem(parent, 1000), window);
    EXPECT_EQ(GetDlgItem(parent, 1001), nullptr);
    EXPECT_EQ(static_cast<DWORD>(GetWindowLong(window, GWL_STYLE)), static_cast<DWORD>(WS_CHILD));
}

TEST_F(WindowTreeTest, TextGoesThroughTheWindowProcedure) {
    HWND window = createRecorded("window", WS_POPUP, 0, {0, 0, 10, 10});
    EXPECT_TRUE(SetWindowText(window, TEXT("Hueprobe")));
    WCHAR buffer[5];
    EXPECT_EQ(GetWindowText(window, buffer, 5), 4);
    EXPECT_EQ(std::u16string(buffer), u"Huep");
    EXPECT_EQ(GetWindowTextLength(window), 8);
    expectSequence(recorder,
                   {{window, WM_SETTEXT}, {window, WM_GETTEXT, 5}, {window, WM_GETTEXTLENGTH}}, recorder.take(),
                   "window text");
    EXPECT_EQ(FindWindow(nullptr, TEXT("Hueprobe")), window);
}

TEST_F(WindowTreeTest, GeometryWithCaptionAndCoordinateMapping) {
    HWND top = CreateWindowEx(0, TEXT("Plain"), TEXT(""), WS_POPUP | WS_CAPTION | WS_VISIBLE, 10, 20, 200, 100,
                              nullptr, nullptr, nullptr, nullptr);
    HWND child = plain(WS_CHILD | WS_VISIBLE, top);
    MoveWindow(child, 5, 7, 30, 40, TRUE);
    RECT client{};
    GetClientRect(top, &client);
    EXPECT_EQ(client.right, 200);
    EXPECT_EQ(client.bottom, 100 - 26);
    RECT childRect = windowRect(child);
    EXPECT_EQ(childRect.left, 15);
    EXPECT_EQ(childRect.top, 20 + 26 + 7);

    POINT point{1, 2};
    ClientToScreen(child, &point);
    EXPECT_EQ(point.x, 16);
    EXPECT_EQ(point.y, 20 + 26 + 7 + 2);
    ScreenToClient(top, &point);
    EXPECT_EQ(point.x, 6);
    EXPECT_EQ(point.y, 9);
    POINT points[1] = {{0, 0}};
    MapWindowPoints(child, top, points, 1);
    EXPECT_EQ(points[0].x, 5);
    EXPECT_EQ(points[0].y, 7);

    EXPECT_EQ(WindowFromPoint(POINT{16, 54}), child);
    EXPECT_EQ(WindowFromPoint(POINT{100, 25}), top) << "the caption belongs to the window";
    EXPECT_EQ(WindowFromPoint(POINT{5, 5}), nullptr);
    EXPECT_EQ(ChildWindowFromPoint(top, POINT{6, 8}), child);
    EXPECT_EQ(ChildWindowFromPoint(top, POINT{100, 50}), top);
    EXPECT_EQ(ChildWindowFromPoint(top, POINT{500, 50}), nullptr);
}

TEST_F(WindowTreeTest, ScreenMetricsFollowTheScreenSize) {
    EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), 240);
    EXPECT_EQ(GetSystemMetrics(SM_CYSCREEN), 320);
    device.get<ce::Screen>().resize(320, 240);
    EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), 320);
    EXPECT_EQ(GetSystemMetrics(SM_CYSCREEN), 240);
    EXPECT_EQ(GetSystemMetrics(SM_CYCAPTION), 26);
    EXPECT_EQ(GetSystemMetrics(SM_CXBORDER), 0);
    EXPECT_EQ(GetSystemMetrics(SM_CXICON), 32);
    EXPECT_EQ(GetSystemMetrics(SM_CXSMICON), 16);
}

TEST_F(WindowTreeTest, SnapshotListsTheTreeInZOrder) {
    HWND desktop = plain(WS_POPUP | WS_VISIBLE, nullptr, 0, TEXT("Desktop"));
    manager().setDesktopWindow(desktop);
    HWND pane = plain(WS_CHILD | WS_VISIBLE | WS_DISABLED, desktop, 0, TEXT("pane"));
    HWND dialog = plain(WS_POPUP, nullptr, 0, TEXT("dialog"));
    auto lines = manager().snapshot();
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0].window, dialog);
    EXPECT_FALSE(lines[0].visible);
    EXPECT_EQ(lines[1].window, desktop);
    EXPECT_TRUE(lines[1].isDesktop);
    EXPECT_EQ(lines[2].window, pane);
    EXPECT_EQ(lines[2].depth, 1);
    EXPECT_FALSE(lines[2].enabled);
    EXPECT_EQ(lines[2].className, u"Plain");
    EXPECT_EQ(lines[2].text, u"pane");
}

}  // namespace
}  // namespace window_test
