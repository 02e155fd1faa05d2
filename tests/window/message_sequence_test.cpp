// The messages each window-manager call produces, in order, compared with
// the platform's sequences.
#include "window_fixture.h"

namespace window_test {
namespace {

using Sequence = std::vector<Recorded>;

constexpr LPARAM kShowFlags = SWP_SHOWWINDOW | SWP_NOSIZE | SWP_NOMOVE;
constexpr LPARAM kHideFlags = SWP_HIDEWINDOW | SWP_NOACTIVATE | SWP_NOZORDER | SWP_NOSIZE | SWP_NOMOVE;
constexpr LPARAM kRaiseFlags = SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE;

class MessageSequenceTest : public WindowTest {};

TEST_F(MessageSequenceTest, CreatingAVisibleTopLevelWindow) {
    HWND window = CreateWindowEx(0, TEXT("Recorder"), TEXT("title"), WS_POPUP | WS_CAPTION | WS_VISIBLE, 10, 20, 100,
                                 80, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(window, nullptr);
    expectSequence(recorder,
                   Sequence{
                       {window, WM_NCCREATE},
                       {window, WM_NCCALCSIZE},
                       {window, WM_CREATE},
                       {window, WM_SHOWWINDOW, TRUE},
                       {window, WM_WINDOWPOSCHANGING, 0, kShowFlags | SWP_NOZORDER},
                       {window, WM_NCACTIVATE, TRUE},
                       {window, WM_ACTIVATE, WA_ACTIVE},
                       {window, WM_SETFOCUS},
                       {window, WM_WINDOWPOSCHANGED, 0, kShowFlags | SWP_NOZORDER},
                       {window, WM_SIZE, SIZE_RESTORED, MAKELPARAM(100, 54)},
                       {window, WM_MOVE, 0, MAKELPARAM(10, 46)},
                   },
                   recorder.take(), "CreateWindowEx(WS_VISIBLE)");
    EXPECT_EQ(GetActiveWindow(), window);
    EXPECT_EQ(GetFocus(), window);
}

TEST_F(MessageSequenceTest, CreateFailingWithMinusOneDestroysTheWindow) {
    recorder.createResult = -1;
    HWND window = CreateWindowEx(0, TEXT("Recorder"), TEXT("title"), WS_POPUP | WS_VISIBLE, 0, 0, 50, 50, nullptr,
                                 nullptr, nullptr, nullptr);
    EXPECT_EQ(window, nullptr);
    Sequence log = recorder.take();
    ASSERT_FALSE(log.empty());
    HWND attempted = log.front().window;
    expectSequence(recorder,
                   Sequence{{attempted, WM_NCCREATE},
                            {attempted, WM_NCCALCSIZE},
                            {attempted, WM_CREATE},
                            {attempted, WM_DESTROY},
                            {attempted, WM_NCDESTROY}},
                   log, "CreateWindowEx with WM_CREATE -1");
    EXPECT_FALSE(IsWindow(attempted));
}

TEST_F(MessageSequenceTest, SetWindowPosWithoutZOrderOnAVisibleTopLevelWindow) {
    HWND window = createRecorded("top", WS_POPUP | WS_CAPTION | WS_VISIBLE, 0, {0, 0, 100, 100});
    SetWindowPos(window, nullptr, 10, 20, 50, 60, SWP_NOZORDER);
    // The window is already the foreground window, so no activation follows.
    constexpr LPARAM flags = SWP_NOZORDER | SWP_NOACTIVATE;
    expectSequence(recorder,
                   Sequence{{window, WM_WINDOWPOSCHANGING, 0, flags},
                            {window, WM_NCCALCSIZE},
                            {window, WM_WINDOWPOSCHANGED, 0, flags},
                            {window, WM_MOVE, 0, MAKELPARAM(10, 46)},
                            {window, WM_SIZE, SIZE_RESTORED, MAKELPARAM(50, 34)}},
                   recorder.take(), "SetWindowPos(top-level, SWP_NOZORDER)");
    EXPECT_EQ(windowRect(window).left, 10);
    EXPECT_EQ(windowRect(window).bottom, 80);
}

TEST_F(MessageSequenceTest, SetWindowPosWithoutZOrderOnAChild) {
    HWND parent = createRecorded("parent", WS_POPUP | WS_CAPTION | WS_VISIBLE, 0, {20, 10, 220, 210});
    HWND child = createRecorded("child", WS_CHILD | WS_VISIBLE, 0, {0, 0, 30, 30}, parent);
    SetWindowPos(child, nullptr, 5, 6, 40, 50, SWP_NOZORDER);
    expectSequence(recorder,
                   Sequence{{child, WM_WINDOWPOSCHANGING, 0, SWP_NOZORDER},
                            {child, WM_NCCALCSIZE},
                            {child, WM_CHILDACTIVATE},
                            {child, WM_WINDOWPOSCHANGED, 0, SWP_NOZORDER},
                            {child, WM_MOVE, 0, MAKELPARAM(5, 6)},
                            {child, WM_SIZE, SIZE_RESTORED, MAKELPARAM(40, 50)}},
                   recorder.take(), "SetWindowPos(child, SWP_NOZORDER)");
    // A child's position is in its parent's client coordinates.
    EXPECT_EQ(windowRect(child).left, 25);
    EXPECT_EQ(windowRect(child).top, 10 + 26 + 6);
}

TEST_F(MessageSequenceTest, NothingChangingSendsOnlyTheChangingMessage) {
    HWND window = createRecorded("top", WS_POPUP | WS_VISIBLE, 0, {0, 0, 100, 100});
    SetWindowPos(window, nullptr, 0, 0, 100, 100, SWP_NOZORDER);
    constexpr LPARAM flags = SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOMOVE | SWP_NOSIZE;
    expectSequence(recorder, Sequence{{window, WM_WINDOWPOSCHANGING, 0, flags}}, recorder.take(),
                   "SetWindowPos to the same place");
}

TEST_F(MessageSequenceTest, HidingTheActiveWindowActivatesTheNextOne) {
    HWND lower = createRecorded("lower", WS_POPUP | WS_VISIBLE, 0, {0, 0, 100, 100});
    HWND upper = createRecorded("upper", WS_POPUP | WS_VISIBLE, 0, {50, 50, 150, 150});
    ASSERT_EQ(GetActiveWindow(), upper);
    EXPECT_TRUE(ShowWindow(upper, SW_HIDE));
    expectSequence(recorder,
                   Sequence{{upper, WM_SHOWWINDOW, FALSE},
                            {upper, WM_WINDOWPOSCHANGING, 0, kHideFlags},
                            {upper, WM_WINDOWPOSCHANGED, 0, kHideFlags},
                            {lower, WM_WINDOWPOSCHANGING, 0, kRaiseFlags},
                            {lower, WM_WINDOWPOSCHANGED, 0, kRaiseFlags},
                            {upper, WM_NCACTIVATE, FALSE},
                            {upper, WM_ACTIVATE, WA_INACTIVE},
                            {lower, WM_NCACTIVATE, TRUE},
                            {lower, WM_ACTIVATE, WA_ACTIVE},
                            {upper, WM_KILLFOCUS, reinterpret_cast<WPARAM>(lower)},
                            {lower, WM_SETFOCUS, reinterpret_cast<WPARAM>(upper)}},
                   recorder.take(), "ShowWindow(SW_HIDE) of the active window");
    EXPECT_EQ(GetActiveWindow(), lower);
    EXPECT_FALSE(IsWindowVisible(upper));
    EXPECT_FALSE(ShowWindow(upper, SW_HIDE)) << "was already hidden";
    EXPECT_TRUE(recorder.take().empty());
}

TEST_F(MessageSequenceTest, ShowingAHiddenWindowActivatesIt) {
    HWND hidden = createRecorded("hidden", WS_POPUP, 0, {0, 0, 100, 100});
    HWND shown = createRecorded("shown", WS_POPUP | WS_VISIBLE, 0, {50, 50, 150, 150});
    EXPECT_FALSE(ShowWindow(hidden, SW_SHOW));
    expectSequence(recorder,
                   Sequence{{hidden, WM_SHOWWINDOW, TRUE},
                            {hidden, WM_WINDOWPOSCHANGING, 0, kShowFlags},
                            {shown, WM_NCACTIVATE, FALSE},
                            {shown, WM_ACTIVATE, WA_INACTIVE},
                            {hidden, WM_NCACTIVATE, TRUE},
                            {hidden, WM_ACTIVATE, WA_ACTIVE},
                            {shown, WM_KILLFOCUS, reinterpret_cast<WPARAM>(hidden)},
                            {hidden, WM_SETFOCUS, reinterpret_cast<WPARAM>(shown)},
                            {hidden, WM_WINDOWPOSCHANGED, 0, kShowFlags}},
                   recorder.take(), "ShowWindow(SW_SHOW)");
    EXPECT_EQ(GetWindow(shown, GW_HWNDFIRST), hidden);
    EXPECT_TRUE(ShowWindow(hidden, SW_SHOW));
    EXPECT_TRUE(recorder.take().empty()) << "showing a shown window sends nothing";
}

TEST_F(MessageSequenceTest, DestroyingTheActiveWindowWithAChild) {
    HWND other = createRecorded("other", WS_POPUP | WS_VISIBLE, 0, {0, 0, 100, 100});
    HWND window = createRecorded("window", WS_POPUP | WS_VISIBLE, 0, {50, 50, 150, 150});
    HWND child = createRecorded("child", WS_CHILD | WS_VISIBLE, 0, {0, 0, 10, 10}, window);
    EXPECT_TRUE(DestroyWindow(window));
    expectSequence(recorder,
                   Sequence{{window, WM_WINDOWPOSCHANGING, 0, kHideFlags},
                            {window, WM_WINDOWPOSCHANGED, 0, kHideFlags},
                            {other, WM_WINDOWPOSCHANGING, 0, kRaiseFlags},
                            {other, WM_WINDOWPOSCHANGED, 0, kRaiseFlags},
                            {window, WM_NCACTIVATE, FALSE},
                            {window, WM_ACTIVATE, WA_INACTIVE},
                            {other, WM_NCACTIVATE, TRUE},
                            {other, WM_ACTIVATE, WA_ACTIVE},
                            {window, WM_KILLFOCUS, reinterpret_cast<WPARAM>(other)},
                            {other, WM_SETFOCUS, reinterpret_cast<WPARAM>(window)},
                            {window, WM_DESTROY},
                            {child, WM_DESTROY},
                            {child, WM_NCDESTROY},
                            {window, WM_NCDESTROY}},
                   recorder.take(), "DestroyWindow");
    EXPECT_FALSE(IsWindow(window));
    EXPECT_FALSE(IsWindow(child));
    EXPECT_EQ(GetActiveWindow(), other);
    EXPECT_EQ(GetFocus(), other);
}

TEST_F(MessageSequenceTest, DestroyingAnOwnerDestroysItsPopupsFirst) {
    HWND owner = createRecorded("owner", WS_POPUP, 0, {0, 0, 100, 100});
    HWND popup = createRecorded("popup", WS_POPUP, 0, {0, 0, 50, 50}, owner);
    EXPECT_EQ(GetWindow(popup, GW_OWNER), owner);
    DestroyWindow(owner);
    expectSequence(recorder,
                   Sequence{{popup, WM_DESTROY}, {popup, WM_NCDESTROY}, {owner, WM_DESTROY}, {owner, WM_NCDESTROY}},
                   recorder.take(), "DestroyWindow of an owner");
}

TEST_F(MessageSequenceTest, EnableWindowSendsEnableAndTakesTheFocusAway) {
    HWND window = createRecorded("window", WS_POPUP | WS_VISIBLE, 0, {0, 0, 100, 100});
    HWND child = createRecorded("child", WS_CHILD | WS_VISIBLE, 0, {0, 0, 10, 10}, window);
    SetFocus(child);
    recorder.clear();
    EXPECT_FALSE(EnableWindow(window, FALSE));
    expectSequence(recorder, Sequence{{child, WM_KILLFOCUS}, {window, WM_ENABLE, FALSE}}, recorder.take(),
                   "EnableWindow(FALSE)");
    EXPECT_EQ(GetFocus(), nullptr);
    EXPECT_TRUE(EnableWindow(window, TRUE));
    expectSequence(recorder, Sequence{{window, WM_ENABLE, TRUE}}, recorder.take(), "EnableWindow(TRUE)");
}

}  // namespace
}  // namespace window_test
