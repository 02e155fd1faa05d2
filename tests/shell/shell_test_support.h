#pragma once

#include "device/device.h"
#include "rectangle_checks.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

namespace shell_test {

// The colour on the emulated screen at (x, y), read through a screen DC.
COLORREF screenPixel(int x, int y);

// A plain top-level window on the test's thread that records the WM_COMMAND
// identifiers it receives.
class RecordingWindow {
public:
    explicit RecordingWindow(const WCHAR* title, DWORD style = WS_POPUP | WS_CAPTION | WS_VISIBLE,
                             RECT area = RECT{10, 40, 200, 200});
    ~RecordingWindow();
    HWND handle() const { return window_; }
    const std::vector<WPARAM>& commands() const { return commands_; }

private:
    HWND window_ = nullptr;
    std::vector<WPARAM> commands_;
};

// A stylus tap at a screen point (down, then up), as the touch screen reports it.
void tap(int x, int y);

// Dispatches whatever the test's thread has queued.
void pumpMessages();

// Each test gets its own device (virtual clock), destroyed at its end.
class DeviceTest : public ::testing::Test {
protected:
    explicit DeviceTest(int width = 240, int height = 320)
        : device_(std::make_unique<ce::Device>(ce::DeviceOptions{width, height, ce::ClockMode::Virtual})) {}

    // Lets every thread (the shell's too) finish what it was asked to do,
    // while the test's thread runs a message loop as an application would.
    void settle();

    std::unique_ptr<ce::Device> device_;
};

}  // namespace shell_test
