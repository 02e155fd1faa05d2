// Costs of the window manager's hot paths: a send to a window of the same
// thread, a post and its retrieval, and a SetWindowPos among many windows
// (which recomputes what every window shows).
#include "device/device.h"

#include <benchmark/benchmark.h>
#include <windows.h>

#include <vector>

namespace {

LRESULT CALLBACK Answer(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_USER) return static_cast<LRESULT>(wParam + 1);
    return DefWindowProc(window, message, wParam, lParam);
}

HWND createWindow(DWORD style, int x, int y) {
    return CreateWindowEx(0, TEXT("Answer"), TEXT(""), style, x, y, 60, 60, nullptr, nullptr, nullptr, nullptr);
}

void registerClass() {
    WNDCLASS windowClass{};
    windowClass.lpfnWndProc = Answer;
    windowClass.lpszClassName = TEXT("Answer");
    RegisterClass(&windowClass);
}

void SameThreadSend(benchmark::State& state) {
    ce::Device device;
    registerClass();
    HWND window = createWindow(WS_POPUP, 0, 0);
    WPARAM value = 0;
    for (auto _ : state) value = static_cast<WPARAM>(SendMessage(window, WM_USER, value, 0));
    benchmark::DoNotOptimize(value);
}
BENCHMARK(SameThreadSend);

void PostAndRetrieve(benchmark::State& state) {
    ce::Device device;
    registerClass();
    HWND window = createWindow(WS_POPUP, 0, 0);
    MSG message;
    for (auto _ : state) {
        PostMessage(window, WM_USER, 1, 0);
        PeekMessage(&message, nullptr, 0, 0, PM_REMOVE);
        DispatchMessage(&message);
    }
}
BENCHMARK(PostAndRetrieve);

void MoveAmongManyWindows(benchmark::State& state) {
    ce::Device device;
    registerClass();
    std::vector<HWND> windows;
    for (int i = 0; i < state.range(0); ++i) windows.push_back(createWindow(WS_POPUP | WS_VISIBLE, (i * 7) % 180, (i * 11) % 260));
    int step = 0;
    for (auto _ : state) {
        ++step;
        SetWindowPos(windows.front(), nullptr, step % 100, step % 100, 60, 60, SWP_NOZORDER | SWP_NOACTIVATE);
    }
}
BENCHMARK(MoveAmongManyWindows)->Arg(8)->Arg(32);

}  // namespace
