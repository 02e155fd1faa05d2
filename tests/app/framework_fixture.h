// A device for the framework tests: the test thread runs the dialogs, whose
// templates come from the test executable's own resources.
#pragma once

#include "device/device.h"
#include "rectangle_checks.h"

#include <afxwin.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

class FrameworkTest : public testing::Test {
protected:
    FrameworkTest();
    ~FrameworkTest() override;

    // A visible top-level window that records what the end of a modal run
    // does to it (enabled, activated) in events.
    HWND CreateRecordingOwner(RECT area = RECT{0, 0, 200, 200});

public:
    // Shared with window procedures, which have no test object.
    static std::vector<std::string> events;
    static bool recording;

private:
    std::unique_ptr<ce::Device> device_;
};
