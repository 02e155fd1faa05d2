// Uses only <windows.h>: a window, a worker thread that sends and posts to it,
// an event, and a modal dialog from an in-memory template.
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string_view>
#include <vector>

namespace {

const UINT kAddOne = WM_APP + 1;
const UINT kWorkerDone = WM_APP + 2;
HANDLE gReady = nullptr;

LRESULT CALLBACK CounterProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    static LONG_PTR counter = 0;
    switch (message) {
    case kAddOne:
        counter += static_cast<LONG_PTR>(wParam);
        return counter;
    case kWorkerDone:
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProc(window, message, wParam, lParam);
}

DWORD WINAPI Worker(LPVOID parameter) {
    HWND window = static_cast<HWND>(parameter);
    WaitForSingleObject(gReady, INFINITE);
    LRESULT total = 0;
    for (int i = 1; i <= 10; ++i) total = SendMessage(window, kAddOne, i, 0);
    PostMessage(window, kWorkerDone, 0, 0);
    return static_cast<DWORD>(total);
}

BOOL CALLBACK DemoDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    if (message == WM_INITDIALOG) {
        // End the dialog from inside its own modal loop.
        PostMessage(dialog, WM_COMMAND, IDOK, 0);
        return TRUE;
    }
    if (message == WM_COMMAND && LOWORD(wParam) == IDOK) {
        EndDialog(dialog, 42);
        return TRUE;
    }
    return FALSE;
}

// A dialog template with no controls, built in memory as a resource would hold it.
std::vector<WORD> MakeTemplate() {
    std::vector<WORD> words(sizeof(DLGTEMPLATE) / sizeof(WORD), 0);
    DLGTEMPLATE header{};
    header.style = WS_POPUP | WS_CAPTION | WS_VISIBLE;
    header.cx = 100;
    header.cy = 50;
    std::memcpy(words.data(), &header, sizeof header);
    words.push_back(0);  // no menu
    words.push_back(0);  // standard class
    for (char16_t c : std::u16string_view(u"Demo")) words.push_back(c);
    words.push_back(0);
    return words;
}

}  // namespace

int main() {
    WNDCLASS windowClass{};
    windowClass.lpfnWndProc = CounterProc;
    windowClass.lpszClassName = TEXT("DemoCounter");
    RegisterClass(&windowClass);
    HWND window = CreateWindowEx(0, TEXT("DemoCounter"), TEXT("Counter"), WS_POPUP | WS_VISIBLE, 0, 0, 240, 320,
                                 nullptr, nullptr, nullptr, nullptr);
    gReady = CreateEvent(nullptr, TRUE, FALSE, nullptr);
    HANDLE worker = CreateThread(nullptr, 0, Worker, window, 0, nullptr);
    SetEvent(gReady);

    MSG message;
    while (GetMessage(&message, nullptr, 0, 0)) {
        TranslateMessage(&message);
        DispatchMessage(&message);
    }
    WaitForSingleObject(worker, INFINITE);
    DWORD total = 0;
    GetExitCodeThread(worker, &total);
    CloseHandle(worker);
    CloseHandle(gReady);

    auto dialogTemplate = MakeTemplate();
    int dialogResult = DialogBoxIndirectParam(nullptr, reinterpret_cast<LPCDLGTEMPLATE>(dialogTemplate.data()), window,
                                              DemoDialogProc, 0);
    BOOL ownerEnabled = IsWindowEnabled(window);
    DestroyWindow(window);

    std::printf("worker's sends added up to %u; the modal dialog returned %d; owner enabled afterwards: %s\n",
                static_cast<unsigned>(total), dialogResult, ownerEnabled ? "yes" : "no");
    return total == 55 && dialogResult == 42 && ownerEnabled ? 0 : 1;
}
