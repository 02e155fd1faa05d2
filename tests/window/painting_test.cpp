// Painting, checked on the emulated screen: what gets repainted when a
// window is uncovered, how paint and window DCs are clipped, and the
// caption drawn by the default non-client painting.
#include "window_fixture.h"

#include "gdi/screen.h"

namespace window_test {
namespace {

constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kRed = RGB(255, 0, 0);

class PaintingTest : public WindowTest {
protected:
    COLORREF pixel(int x, int y) { return device.get<ce::Screen>().pixelColorRef(x, y); }

    void fillScreen(COLORREF color) {
        HDC screen = GetWindowDC(nullptr);
        HBRUSH brush = CreateSolidBrush(color);
        RECT all{0, 0, 240, 320};
        FillRect(screen, &all, brush);
        DeleteObject(brush);
        ReleaseDC(nullptr, screen);
    }

    COLORREF windowColor() { return GetSysColor(COLOR_WINDOW); }
};

TEST_F(PaintingTest, UncoveredPartIsRepainted) {
    HWND lower = createRecorded("lower", WS_POPUP | WS_VISIBLE, 0, {0, 0, 100, 100});
    HWND upper = createRecorded("upper", WS_POPUP | WS_VISIBLE, 0, {50, 50, 150, 150});
    pump();
    EXPECT_EQ(pixel(25, 25), windowColor());
    EXPECT_EQ(pixel(120, 120), windowColor());
    fillScreen(kBlack);
    recorder.clear();

    ShowWindow(upper, SW_HIDE);
    RECT update{};
    EXPECT_TRUE(GetUpdateRect(lower, &update, FALSE));
    EXPECT_TRUE(EqualRect(&update, &static_cast<const RECT&>(RECT{50, 50, 100, 100})));
    EXPECT_FALSE(GetUpdateRect(upper, &update, FALSE));
    recorder.clear();
    pump();
    expectSequence(recorder, {{lower, WM_PAINT, 0, 0, true}, {lower, WM_ERASEBKGND}},
                   only(recorder.take(), {WM_PAINT, WM_ERASEBKGND, WM_NCPAINT}), "uncovering");
    EXPECT_EQ(pixel(75, 75), windowColor()) << "the uncovered part is painted again";
    EXPECT_EQ(pixel(25, 25), kBlack) << "what stayed visible is not repainted";
    EXPECT_EQ(pixel(120, 120), kBlack) << "nothing is under the hidden window there";
}

TEST_F(PaintingTest, MovingAWindowRepaintsItWhole) {
    HWND window = createRecorded("window", WS_POPUP | WS_VISIBLE, 0, {0, 0, 50, 50});
    pump();
    fillScreen(kBlack);
    MoveWindow(window, 100, 100, 60, 60, TRUE);
    pump();
    EXPECT_EQ(pixel(100, 100), windowColor());
    EXPECT_EQ(pixel(159, 159), windowColor());
    EXPECT_EQ(pixel(25, 25), kBlack);
    MoveWindow(window, 0, 0, 60, 60, FALSE);
    pump();
    EXPECT_EQ(pixel(5, 5), kBlack) << "bRepaint FALSE leaves the screen alone";
}

TEST_F(PaintingTest, ScreenDcDrawsOverEveryWindowAndWindowDcsAreClipped) {
    HWND lower = createRecorded("lower", WS_POPUP | WS_VISIBLE, 0, {0, 0, 100, 100});
    HWND upper = createRecorded("upper", WS_POPUP | WS_VISIBLE, 0, {50, 50, 150, 150});
    pump();
    ASSERT_EQ(WindowFromPoint(POINT{75, 75}), upper);
    fillScreen(kRed);
    EXPECT_EQ(pixel(75, 75), kRed) << "the whole-screen DC is not clipped by any window";
    EXPECT_EQ(pixel(200, 300), kRed);

    HDC dc = GetDC(lower);
    HBRUSH brush = CreateSolidBrush(kBlack);
    RECT all{0, 0, 100, 100};
    FillRect(dc, &all, brush);
    ReleaseDC(lower, dc);
    DeleteObject(brush);
    EXPECT_EQ(pixel(25, 25), kBlack);
    EXPECT_EQ(pixel(75, 75), kRed) << "a window DC does not draw over the window above";
}

TEST_F(PaintingTest, ParentPaintingLeavesChildrenAlone) {
    HWND parent = createRecorded("parent", WS_POPUP | WS_VISIBLE, 0, {0, 0, 100, 100});
    CreateWindowEx(0, TEXT("Plain"), TEXT(""), WS_CHILD | WS_VISIBLE, 10, 10, 20, 20, parent, nullptr, nullptr, nullptr);
    pump();
    fillScreen(kBlack);
    InvalidateRect(parent, nullptr, TRUE);
    pump();
    EXPECT_EQ(pixel(50, 50), windowColor());
    EXPECT_EQ(pixel(15, 15), kBlack) << "the child is clipped out of its parent's painting";
}

TEST_F(PaintingTest, CaptionIsDrawnByDefaultNonClientPainting) {
    HWND window = createRecorded("window", WS_POPUP | WS_CAPTION | WS_VISIBLE, WS_EX_CAPTIONOKBTN, {0, 0, 240, 320});
    InvalidateRect(window, nullptr, TRUE);
    pump();
    expectSequence(recorder,
                   {{window, WM_PAINT, 0, 0, true}, {window, WM_NCPAINT, 1}, {window, WM_ERASEBKGND}},
                   only(recorder.take(), {WM_PAINT, WM_ERASEBKGND, WM_NCPAINT}), "first paint");
    EXPECT_EQ(pixel(120, 2), RGB(0, 0, 128)) << "dark blue caption bar";
    EXPECT_EQ(pixel(120, 100), windowColor());
}

TEST_F(PaintingTest, UpdateWindowPaintsAtOnceAndNullWindowChangesNothing) {
    HWND window = createRecorded("window", WS_POPUP | WS_VISIBLE, 0, {0, 0, 100, 100});
    pump();
    EXPECT_FALSE(InvalidateRect(nullptr, nullptr, TRUE));
    MSG message;
    EXPECT_FALSE(PeekMessage(&message, nullptr, 0, 0, PM_NOREMOVE));
    RECT part{10, 10, 20, 20};
    InvalidateRect(window, &part, FALSE);
    recorder.clear();
    UpdateWindow(window);
    expectSequence(recorder, {{window, WM_PAINT}}, only(recorder.take(), {WM_PAINT, WM_ERASEBKGND}),
                   "UpdateWindow without erase");
    UpdateWindow(window);
    EXPECT_TRUE(recorder.take().empty()) << "nothing left to paint";
}

}  // namespace
}  // namespace window_test
