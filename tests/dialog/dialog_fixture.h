#pragma once

#include "device/device.h"
#include "rectangle_checks.h"
#include "message_log.h"
#include "template_builder.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <functional>

namespace dialog_test {

// What a test's dialog procedure does with a message; the procedure logs
// every message first. Return as a DLGPROC would.
using DialogHandler = std::function<BOOL(HWND, UINT, WPARAM, LPARAM)>;

// A fresh device per test, a recording dialog procedure, a recording owner
// window, and a second emulated thread to run modal loops on while the test
// thread watches, taps and waits for idle.
class DialogTest : public ::testing::Test {
protected:
    DialogTest();
    ~DialogTest() override;

    // The procedure to pass as the DLGPROC; it logs into dialogLog and then
    // calls handler (FALSE when there is none).
    static BOOL CALLBACK recordingDialogProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

    // A shown, active top-level window whose messages go to ownerLog.
    HWND createOwner(RECT rect = {0, 0, 240, 320});

    // Runs body on a new emulated thread; its windows belong to that thread.
    void startUiThread(std::function<void()> body);
    // Every emulated thread blocked with nothing to do (fails the test otherwise).
    void waitIdle();

    COLORREF pixel(int x, int y);
    // Whether any pixel of the screen rectangle has the colour.
    bool anyPixel(const RECT& screenRect, COLORREF color);

    void tap(POINT point);

    MessageLog dialogLog;
    MessageLog ownerLog;
    DialogHandler handler;
    // Last, so that it goes first: its threads are joined while the logs live.
    ce::Device device;

private:
    static LRESULT CALLBACK recordingOwnerProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static DialogTest* active_;
};

}  // namespace dialog_test
