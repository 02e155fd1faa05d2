// A Pocket PC device with its shell, on which tests start Hueprobe as a
// process and drive it with the pen.
#pragma once

#include "device/device.h"
#include "rectangle_checks.h"
#include "kernel/process_launcher.h"
#include "shell/pocket_pc_shell.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

// The eight colours of the test, as the screen shows them (0x00BBGGRR).
inline constexpr COLORREF kCycle[8] = {0x00FF0000, 0x000000FF, 0x0000FF00, 0x0000FFFF,
                                       0x00FF00FF, 0x00FFFF00, 0x00FFFFFF, 0x00000000};

class HueprobeTest : public testing::Test {
public:
    HueprobeTest();
    ~HueprobeTest() override;

    // Starts a copy of the program; its process id (0 on failure, reported).
    DWORD StartHueprobe();
    // Waits until every thread has nothing left to do.
    void Settle();
    // Waits for the process's end; its exit code as a signed value.
    int WaitForExit(DWORD processId);
    bool HasEnded(DWORD processId);

    // The program's top-level dialogs (caption "Hueprobe") of one process.
    HWND Launcher(DWORD processId);
    HWND ColorDialog(DWORD processId);

    void PenDown(POINT point);
    void PenUp(POINT point);
    void Tap(POINT point);
    // The centre of a launcher button on the screen.
    POINT ButtonCentre(HWND dialog, int id);
    void StartCheck(DWORD processId);
    // Asks the colour dialog (if any) and the launcher to close, both
    // before the program has handled either.
    void CloseProgram(DWORD processId);
    // Taps the OK button in the window's caption, found by hit testing.
    void TapCaptionOk(HWND window);

    COLORREF ScreenPixel(int x, int y);
    HWND Taskbar() const { return shell_->taskbar(); }
    ce::Device& Device() { return *device_; }

    // A point in the colour dialog's client area, clear of the caption.
    static constexpr POINT kInsideClient{120, 200};

private:
    std::vector<HWND> ProgramDialogs(DWORD processId);

    std::unique_ptr<ce::Device> device_;
    std::unique_ptr<ce::shell::PocketPcShell> shell_;
};

// A plain window filled with one colour, owned by a thread of its own that
// handles its messages, so that it can take part in activation while the
// test's thread waits.
class ForeignWindow {
public:
    ForeignWindow(RECT area, COLORREF colour, DWORD exStyle = 0);
    ~ForeignWindow();
    HWND handle() const { return window_; }

private:
    static DWORD WINAPI ThreadMain(LPVOID self);

    RECT area_;
    COLORREF colour_;
    DWORD exStyle_;
    HANDLE created_ = nullptr;
    HANDLE thread_ = nullptr;
    DWORD threadId_ = 0;
    HWND window_ = nullptr;
};

// True while the window is visible on the screen.
bool Shown(HWND window);
