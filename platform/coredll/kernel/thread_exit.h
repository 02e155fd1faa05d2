#pragma once

#include <windows.h>

#include <functional>

namespace ce {

// Thrown by ExitThread to unwind the calling thread's stack up to the entry
// wrapper of a thread the kernel started, which turns it into the exit code.
struct ThreadExitUnwind {
    DWORD exitCode;
};

// Runs a thread's body so that ExitThread inside it ends the thread with its
// code; marks the thread as one ExitThread may unwind.
DWORD runExitableThreadBody(const std::function<DWORD()>& body);

// Whether the calling host thread runs inside runExitableThreadBody.
bool insideExitableThreadBody();

}  // namespace ce
