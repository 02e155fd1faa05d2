#include "single_instance.h"

#include <tlhelp32.h>

namespace {

HANDLE runningMark = nullptr;
constexpr int kLookups = 3;
constexpr DWORD kLookupInterval = 1000;

std::u16string OwnImagePath() {
    WCHAR path[MAX_PATH] = {};
    ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    return path;
}

// The image path of process processId, from a tool-help snapshot.
std::u16string ImagePathOfProcess(DWORD processId) {
    std::u16string path;
    HANDLE snapshot = ::CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == nullptr || snapshot == INVALID_HANDLE_VALUE) return path;
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof(entry);
    for (BOOL more = ::Process32FirstW(snapshot, &entry); more; more = ::Process32NextW(snapshot, &entry)) {
        if (entry.th32ProcessID == processId) {
            path = entry.szExeFile;
            break;
        }
    }
    ::CloseToolhelp32Snapshot(snapshot);
    return path;
}

// The top of the top-level Z order, reached from any top-level window.
HWND FirstTopLevelWindow() {
    HWND start = ::GetForegroundWindow();
    if (start == nullptr) start = ::GetDesktopWindow();
    while (start != nullptr && (::GetWindowLongW(start, GWL_STYLE) & WS_CHILD) != 0) start = ::GetParent(start);
    return start != nullptr ? ::GetWindow(start, GW_HWNDFIRST) : nullptr;
}

// A top-level window of another process that runs the executable imagePath.
HWND FindWindowOfOtherCopy(const std::u16string& imagePath) {
    const DWORD ownProcess = ::GetCurrentProcessId();
    for (HWND window = FirstTopLevelWindow(); window != nullptr; window = ::GetWindow(window, GW_HWNDNEXT)) {
        DWORD processId = 0;
        ::GetWindowThreadProcessId(window, &processId);
        if (processId == 0 || processId == ownProcess) continue;
        if (::lstrcmpiW(ImagePathOfProcess(processId).c_str(), imagePath.c_str()) == 0) return window;
    }
    return nullptr;
}

}  // namespace

std::u16string AfxSingleInstanceMutexName(const std::u16string& imagePath) { return imagePath; }

BOOL AfxActivateRunningCopy() {
    const std::u16string imagePath = OwnImagePath();
    runningMark = ::CreateMutexW(nullptr, FALSE, AfxSingleInstanceMutexName(imagePath).c_str());
    if (::GetLastError() != ERROR_ALREADY_EXISTS) return FALSE;

    for (int lookup = 1; lookup <= kLookups; ++lookup) {
        if (HWND window = FindWindowOfOtherCopy(imagePath)) {
            // The low bit brings the window forward with its owned pop-ups.
            ::SetForegroundWindow((HWND)((ULONG_PTR)window | 1));
            return TRUE;
        }
        if (lookup < kLookups) ::Sleep(kLookupInterval);
    }
    // The other copy never showed a window: run as a second copy.
    return FALSE;
}

void AfxReleaseRunningMark() {
    if (runningMark != nullptr) ::CloseHandle(runningMark);
    runningMark = nullptr;
}
