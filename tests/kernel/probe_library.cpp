// A tiny DLL for the loader tests: its DllMain reports each call on the
// debug output, so the tests can see attach/detach order and reference counts.
#include <windows.h>

namespace {
HANDLE gInstance = nullptr;
BOOL gDisableResult = FALSE;
}  // namespace

extern "C" BOOL WINAPI DllMain(HANDLE instance, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) {
        gInstance = instance;
        gDisableResult = DisableThreadLibraryCalls(static_cast<HMODULE>(instance));
#ifdef REFUSE_ATTACH
        OutputDebugStringW(u"refusing attach\r\n");
        return FALSE;
#else
        OutputDebugStringW(u"probe attach\r\n");
#endif
    } else if (reason == DLL_PROCESS_DETACH) {
        OutputDebugStringW(u"probe detach\r\n");
    }
    return TRUE;
}

extern "C" HANDLE ProbeInstance() { return gInstance; }
extern "C" BOOL ProbeDisableResult() { return gDisableResult; }
extern "C" int ProbeAnswer() { return 42; }
