// Tool help: snapshots of the running processes.
#pragma once

#include <windows.h>

#define TH32CS_SNAPPROCESS 0x00000002

typedef struct tagPROCESSENTRY32W {
    DWORD dwSize;
    DWORD cntUsage;
    DWORD th32ProcessID;
    DWORD th32DefaultHeapID;
    DWORD th32ModuleID;
    DWORD cntThreads;
    DWORD th32ParentProcessID;
    LONG pcPriClassBase;
    DWORD dwFlags;
    WCHAR szExeFile[MAX_PATH];  // full device path of the image
    DWORD th32MemoryBase;
    DWORD th32AccessKey;
} PROCESSENTRY32W, *LPPROCESSENTRY32W;
typedef PROCESSENTRY32W PROCESSENTRY32;
typedef LPPROCESSENTRY32W LPPROCESSENTRY32;

extern "C" {

HANDLE WINAPI CreateToolhelp32Snapshot(DWORD dwFlags, DWORD th32ProcessID);
BOOL WINAPI Process32FirstW(HANDLE hSnapshot, LPPROCESSENTRY32W lppe);
BOOL WINAPI Process32NextW(HANDLE hSnapshot, LPPROCESSENTRY32W lppe);
BOOL WINAPI CloseToolhelp32Snapshot(HANDLE hSnapshot);

}  // extern "C"

#define Process32First Process32FirstW
#define Process32Next Process32NextW
