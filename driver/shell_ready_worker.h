// The driver's one thread: waits for the shell, adjusts the desktop once and
// installs the subclass procedures.
#pragma once

#include <windows.h>

DWORD WINAPI ShellReadyWorker(LPVOID parameter);

// Starts the worker unless this load already started one.
void StartShellReadyWorker();
// Before the module's code goes away: asks a worker still waiting for the
// shell to give up and waits until the worker thread has ended.
void StopShellReadyWorker();
