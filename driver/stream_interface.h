// The entry points the device manager finds by name in the driver.
#pragma once

#include <windows.h>

extern "C" {

BOOL WINAPI DllMain(HANDLE hinstDLL, DWORD dwReason, LPVOID lpvReserved);
DWORD DKF_Init(LPCWSTR pContext, LPCVOID lpvBusContext);
BOOL DKF_Deinit(DWORD hDeviceContext);
BOOL DKF_IOControl(DWORD hOpenContext, DWORD dwCode, PBYTE pBufIn, DWORD dwLenIn, PBYTE pBufOut, DWORD dwLenOut,
                   PDWORD pdwActualOut);

// One body behind DKF_Open, DKF_Close, DKF_Read, DKF_Write and DKF_Seek: the
// module definition gives it those five names. It ignores its arguments,
// which the calling convention leaves in registers, and returns 1.
DWORD StreamStub();

DWORD DKF_Open(DWORD hDeviceContext, DWORD AccessCode, DWORD ShareMode);
BOOL DKF_Close(DWORD hOpenContext);
DWORD DKF_Read(DWORD hOpenContext, LPVOID pBuffer, DWORD Count);
DWORD DKF_Write(DWORD hOpenContext, LPCVOID pBuffer, DWORD Count);
DWORD DKF_Seek(DWORD hOpenContext, LONG Amount, DWORD Type);

}  // extern "C"
