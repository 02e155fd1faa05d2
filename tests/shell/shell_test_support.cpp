#include "shell_test_support.h"

#include "window/window_manager.h"

#include <thread>

namespace shell_test {

namespace {

LRESULT CALLBACK RecordingProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* commands = reinterpret_cast<std::vector<WPARAM>*>(GetWindowLongW(window, GWL_USERDATA));
    if (message == WM_COMMAND && commands) commands->push_back(wParam);
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

COLORREF screenPixel(int x, int y) {
    HDC screen = GetWindowDC(nullptr);
    COLORREF colour = GetPixel(screen, x, y);
    ReleaseDC(nullptr, screen);
    return colour;
}

RecordingWindow::RecordingWindow(const WCHAR* title, DWORD style, RECT area) {
    WNDCLASSW recordingClass{};
    recordingClass.lpfnWndProc = RecordingProcedure;
    recordingClass.lpszClassName = u"ShellTestWindow";
    RegisterClassW(&recordingClass);
    window_ = CreateWindowExW(0, u"ShellTestWindow", title, style, area.left, area.top, area.right - area.left,
                              area.bottom - area.top, nullptr, nullptr, nullptr, nullptr);
    SetWindowLongW(window_, GWL_USERDATA, reinterpret_cast<LONG_PTR>(&commands_));
}

RecordingWindow::~RecordingWindow() { DestroyWindow(window_); }

void DeviceTest::settle() {
    // The shell sends to the test's windows (WM_GETTEXT, WM_ACTIVATE...), so
    // the test's thread waits in GetMessage while another thread watches
    // for the device to go idle and then wakes it.
    constexpr UINT kSettled = WM_APP + 1;
    DWORD testThread = GetCurrentThreadId();
    bool idle = false;
    std::string reason;
    std::thread watcher([&] {
        idle = device_->waitForIdle(std::chrono::seconds(20), &reason);
        PostThreadMessageW(testThread, kSettled, 0, 0);
    });
    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0 && message.message != kSettled) DispatchMessageW(&message);
    watcher.join();
    ASSERT_TRUE(idle) << reason;
}

void tap(int x, int y) {
    // Internal: pen input comes from the device's touch screen, not from an API call.
    auto& windows = ce::WindowManager::current();
    windows.penDown(POINT{x, y});
    windows.penUp(POINT{x, y});
}

void pumpMessages() {
    MSG message{};
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

}  // namespace shell_test
