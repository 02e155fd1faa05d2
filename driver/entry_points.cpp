#include "shell_ready_worker.h"
#include "stream_interface.h"
#include "subclass_procedures.h"

BOOL WINAPI DllMain(HANDLE hinstDLL, DWORD dwReason, LPVOID lpvReserved) {
    (void)lpvReserved;
    OutputDebugString(u"DKF:DLLMain+\r\n");
    if (dwReason == DLL_PROCESS_DETACH) {
        OutputDebugString(u"DKF:DLLMain-DETACH\r\n");
        // The last moment before the code goes away, whoever unloads: no
        // thread and no window may be left running it. The device manager
        // calls DKF_Deinit first, so nothing here waits on a caller of ours.
        StopShellReadyWorker();
        RetireProcedures();
    } else if (dwReason == DLL_PROCESS_ATTACH) {
        OutputDebugString(u"DKF:DLLMain-ATTACH\r\n");
        DisableThreadLibraryCalls(static_cast<HMODULE>(hinstDLL));
    }
    OutputDebugString(u"DKF:DLLMain-\r\n");
    return TRUE;
}

DWORD DKF_Init(LPCWSTR pContext, LPCVOID lpvBusContext) {
    (void)pContext;
    (void)lpvBusContext;
    OutputDebugString(u"DKF:INIT+\r\n");
    StartShellReadyWorker();
    OutputDebugString(u"DKF:INIT-\r\n");
    return 1;
}

BOOL DKF_Deinit(DWORD hDeviceContext) {
    (void)hDeviceContext;
    OutputDebugString(u"DKF:DEINIT+\r\n");
    OutputDebugString(u"DKF:DEINIT-\r\n");
    return TRUE;
}
