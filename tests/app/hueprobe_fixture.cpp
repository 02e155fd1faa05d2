#include "hueprobe_fixture.h"

#include "gdi/screen.h"
#include "window/window_manager.h"

#include <string>

HueprobeTest::HueprobeTest()
    : device_(std::make_unique<ce::Device>(ce::DeviceOptions{240, 320, ce::ClockMode::Virtual})),
      shell_(ce::shell::PocketPcShell::boot(*device_)) {}

HueprobeTest::~HueprobeTest() {
    shell_.reset();
    device_.reset();
}

DWORD HueprobeTest::StartHueprobe() {
    auto& launcher = device_->get<ce::ProcessLauncher>();
    DWORD processId = launcher.start(HUEPROBE_IMAGE_FILE, u"\\Windows\\Hueprobe.exe", u"");
    EXPECT_NE(processId, 0u) << launcher.lastFailure();
    return processId;
}

void HueprobeTest::Settle() {
    std::string reason;
    ASSERT_TRUE(device_->waitForIdle(std::chrono::seconds(20), &reason)) << reason;
}

int HueprobeTest::WaitForExit(DWORD processId) {
    // Idle first: a program that does not end then fails the test instead
    // of leaving it waiting.
    Settle();
    if (!HasEnded(processId)) {
        ADD_FAILURE() << "process " << processId << " is idle but has not ended";
        return static_cast<int>(STILL_ACTIVE);
    }
    DWORD exitCode = STILL_ACTIVE;
    EXPECT_TRUE(device_->get<ce::ProcessLauncher>().waitForExit(processId, &exitCode));
    return static_cast<int>(exitCode);
}

bool HueprobeTest::HasEnded(DWORD processId) {
    HANDLE process = device_->get<ce::ProcessLauncher>().openProcessHandle(processId);
    DWORD exitCode = STILL_ACTIVE;
    GetExitCodeProcess(process, &exitCode);
    CloseHandle(process);
    return exitCode != STILL_ACTIVE;
}

std::vector<HWND> HueprobeTest::ProgramDialogs(DWORD processId) {
    std::vector<HWND> dialogs;
    HWND first = GetWindow(GetDesktopWindow(), GW_HWNDFIRST);
    for (HWND window = first; window != nullptr; window = GetWindow(window, GW_HWNDNEXT)) {
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        WCHAR caption[32] = {};
        GetWindowTextW(window, caption, 32);
        if (owner == processId && std::u16string(caption) == u"Hueprobe") dialogs.push_back(window);
    }
    return dialogs;
}

HWND HueprobeTest::Launcher(DWORD processId) {
    for (HWND dialog : ProgramDialogs(processId))
        if (GetWindowLongW(dialog, GWL_EXSTYLE) & WS_EX_APPWINDOW) return dialog;
    return nullptr;
}

HWND HueprobeTest::ColorDialog(DWORD processId) {
    for (HWND dialog : ProgramDialogs(processId))
        if (!(GetWindowLongW(dialog, GWL_EXSTYLE) & WS_EX_APPWINDOW)) return dialog;
    return nullptr;
}

void HueprobeTest::PenDown(POINT point) {
    device_->get<ce::WindowManager>().penDown(point);
    Settle();
}

void HueprobeTest::PenUp(POINT point) {
    device_->get<ce::WindowManager>().penUp(point);
    Settle();
}

void HueprobeTest::Tap(POINT point) {
    PenDown(point);
    PenUp(point);
}

POINT HueprobeTest::ButtonCentre(HWND dialog, int id) {
    RECT button = windowRect(GetDlgItem(dialog, id));
    return POINT{(button.left + button.right) / 2, (button.top + button.bottom) / 2};
}

void HueprobeTest::StartCheck(DWORD processId) {
    HWND launcher = Launcher(processId);
    ASSERT_NE(launcher, nullptr);
    Tap(ButtonCentre(launcher, 1000));
    ASSERT_NE(ColorDialog(processId), nullptr);
}

void HueprobeTest::CloseProgram(DWORD processId) {
    // Both found first: the window list changes as soon as the first closes.
    HWND colorDialog = ColorDialog(processId);
    HWND launcher = Launcher(processId);
    ASSERT_NE(launcher, nullptr);
    if (colorDialog != nullptr) PostMessageW(colorDialog, WM_CLOSE, 0, 0);
    PostMessageW(launcher, WM_CLOSE, 0, 0);
}

void HueprobeTest::TapCaptionOk(HWND window) {
    RECT rect = windowRect(window);
    auto isOkButton = [window](int x, int y) {
        return SendMessageW(window, WM_NCHITTEST, 0, MAKELPARAM(x, y)) == HTOKBUTTON;
    };
    for (int y = rect.top; y < rect.bottom; ++y) {
        for (int x = rect.right - 1; x >= rect.left; --x) {
            if (!isOkButton(x, y)) continue;
            int left = x, bottom = y;
            while (left > rect.left && isOkButton(left - 1, y)) --left;
            while (bottom + 1 < rect.bottom && isOkButton(x, bottom + 1)) ++bottom;
            Tap(POINT{(left + x) / 2, (y + bottom) / 2});
            return;
        }
    }
    ADD_FAILURE() << "no OK button in the caption";
}

COLORREF HueprobeTest::ScreenPixel(int x, int y) { return device_->get<ce::Screen>().pixelColorRef(x, y); }

bool Shown(HWND window) { return IsWindow(window) && IsWindowVisible(window); }

ForeignWindow::ForeignWindow(RECT area, COLORREF colour, DWORD exStyle)
    : area_(area), colour_(colour), exStyle_(exStyle) {
    created_ = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    thread_ = CreateThread(nullptr, 0, &ThreadMain, this, 0, &threadId_);
    WaitForSingleObject(created_, INFINITE);
}

ForeignWindow::~ForeignWindow() {
    PostThreadMessageW(threadId_, WM_QUIT, 0, 0);
    WaitForSingleObject(thread_, INFINITE);
    CloseHandle(thread_);
    CloseHandle(created_);
}

DWORD WINAPI ForeignWindow::ThreadMain(LPVOID parameter) {
    auto* self = static_cast<ForeignWindow*>(parameter);
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = &DefWindowProcW;
    windowClass.lpszClassName = u"ForeignWindow";
    windowClass.hbrBackground = CreateSolidBrush(self->colour_);
    RegisterClassW(&windowClass);
    self->window_ = CreateWindowExW(self->exStyle_, u"ForeignWindow", u"Foreign", WS_POPUP | WS_VISIBLE,
                                    self->area_.left, self->area_.top, self->area_.right - self->area_.left,
                                    self->area_.bottom - self->area_.top, nullptr, nullptr, nullptr, nullptr);
    SetEvent(self->created_);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0 && message.message != WM_QUIT) DispatchMessageW(&message);
    DestroyWindow(self->window_);
    return 0;
}
