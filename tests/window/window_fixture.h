#pragma once

#include "message_recorder.h"
#include "rectangle_checks.h"

#include "device/device.h"
#include "window/window_manager.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <string>

namespace window_test {

// Each test gets its own device (virtual clock) and a recorder; classes
// "Recorder" (logging procedure, white background) and "Plain"
// (DefWindowProc only) are registered.
class WindowTest : public ::testing::Test {
protected:
    WindowTest();
    ~WindowTest() override;

    ce::WindowManager& manager() { return device.get<ce::WindowManager>(); }

    // Creates a window of the Recorder class, names it for the logs and
    // forgets what its creation recorded.
    HWND createRecorded(const std::string& name, DWORD style, DWORD exStyle, RECT rect, HWND parent = nullptr,
                        int id = 0);

    // Dispatches everything the calling thread's queue holds, WM_PAINT included.
    void pump();

    // Runs body on a new emulated thread of the device.
    void startThread(std::function<DWORD()> body);

    ce::Device device{ce::DeviceOptions{240, 320, ce::ClockMode::Virtual}};
    MessageRecorder recorder;
};


}  // namespace window_test
