#include "framework_fixture.h"

std::vector<std::string> FrameworkTest::events;
bool FrameworkTest::recording = false;

namespace {

LRESULT CALLBACK RecordingOwnerProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (FrameworkTest::recording) {
        // Through the fixture's statics: a window procedure has no test object.
        if (message == WM_ENABLE && wParam) FrameworkTest::events.push_back("owner enabled");
        if (message == WM_ACTIVATE && LOWORD(wParam) != WA_INACTIVE) FrameworkTest::events.push_back("owner activated");
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

FrameworkTest::FrameworkTest() : device_(std::make_unique<ce::Device>()) {
    events.clear();
    recording = false;
    AfxSetResourceHandle(GetModuleHandleW(nullptr));
}

FrameworkTest::~FrameworkTest() {
    AfxSetResourceHandle(nullptr);
    device_.reset();
}

HWND FrameworkTest::CreateRecordingOwner(RECT area) {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = &RecordingOwnerProcedure;
    windowClass.lpszClassName = u"RecordingOwner";
    windowClass.hbrBackground = GetSysColorBrush(COLOR_WINDOW);
    RegisterClassW(&windowClass);
    HWND owner = CreateWindowExW(0, u"RecordingOwner", u"Owner", WS_POPUP | WS_VISIBLE, area.left, area.top,
                                 area.right - area.left, area.bottom - area.top, nullptr,
                                 nullptr, nullptr, nullptr);
    SetActiveWindow(owner);
    return owner;
}
