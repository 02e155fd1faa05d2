#include "dialog_fixture.h"

#include "gdi/screen.h"
#include "window/window_manager.h"

namespace dialog_test {

DialogTest* DialogTest::active_ = nullptr;

DialogTest::DialogTest() : device(ce::DeviceOptions{}) { active_ = this; }

DialogTest::~DialogTest() { active_ = nullptr; }

BOOL CALLBACK DialogTest::recordingDialogProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    DialogTest* test = active_;
    if (!test) return FALSE;
    test->dialogLog.add(message, wParam);
    return test->handler ? test->handler(dialog, message, wParam, lParam) : FALSE;
}

LRESULT CALLBACK DialogTest::recordingOwnerProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (DialogTest* test = active_) test->ownerLog.add(message, wParam);
    return DefWindowProcW(window, message, wParam, lParam);
}

HWND DialogTest::createOwner(RECT rect) {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = recordingOwnerProcedure;
    windowClass.lpszClassName = u"RecordingOwner";
    windowClass.hbrBackground = GetSysColorBrush(COLOR_WINDOW);
    RegisterClassW(&windowClass);
    HWND owner = CreateWindowExW(0, u"RecordingOwner", u"Owner", WS_POPUP | WS_VISIBLE, rect.left, rect.top,
                                 rect.right - rect.left, rect.bottom - rect.top, nullptr, nullptr, nullptr, nullptr);
    SetActiveWindow(owner);
    return owner;
}

void DialogTest::startUiThread(std::function<void()> body) {
    std::lock_guard<std::mutex> lock(device.mutex());
    device.startThreadLocked(device.hostProcessLocked(), [body = std::move(body)] {
        body();
        return DWORD{0};
    });
}

void DialogTest::waitIdle() {
    std::string reason;
    ASSERT_TRUE(device.waitForIdle(std::chrono::seconds(20), &reason)) << reason;
}

COLORREF DialogTest::pixel(int x, int y) { return device.get<ce::Screen>().pixelColorRef(x, y); }

bool DialogTest::anyPixel(const RECT& screenRect, COLORREF color) {
    for (int y = screenRect.top; y < screenRect.bottom; ++y)
        for (int x = screenRect.left; x < screenRect.right; ++x)
            if (pixel(x, y) == color) return true;
    return false;
}

void DialogTest::tap(POINT point) {
    auto& windows = device.get<ce::WindowManager>();
    windows.penDown(point);
    windows.penUp(point);
}

}  // namespace dialog_test
