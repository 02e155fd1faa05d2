#include "window_fixture.h"

namespace window_test {

WindowTest::WindowTest() {
    WNDCLASS recorderClass{};
    recorderClass.lpfnWndProc = MessageRecorder::procedure;
    recorderClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    recorderClass.lpszClassName = TEXT("Recorder");
    RegisterClass(&recorderClass);
    WNDCLASS plainClass{};
    plainClass.lpfnWndProc = DefWindowProc;
    plainClass.lpszClassName = TEXT("Plain");
    RegisterClass(&plainClass);
}

WindowTest::~WindowTest() = default;

HWND WindowTest::createRecorded(const std::string& name, DWORD style, DWORD exStyle, RECT rect, HWND parent, int id) {
    HWND window = CreateWindowEx(exStyle, TEXT("Recorder"), TEXT("title"), style, rect.left, rect.top,
                                 rect.right - rect.left, rect.bottom - rect.top, parent,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
    recorder.name(window, name);
    recorder.clear();
    return window;
}

void WindowTest::pump() {
    MSG message;
    int rounds = 0;
    while (PeekMessage(&message, nullptr, 0, 0, PM_REMOVE)) {
        recorder.dispatch(message);
        ASSERT_LT(++rounds, 1000) << "the queue never empties";
    }
}

void WindowTest::startThread(std::function<DWORD()> body) {
    std::lock_guard<std::mutex> lock(device.mutex());
    device.startThreadLocked(device.hostProcessLocked(), std::move(body));
}

}  // namespace window_test
