#include "kernel/last_error.h"

namespace ce {

void setLastErrorLocked(Device& device, DWORD error) { device.currentThreadLocked().lastError = error; }

}  // namespace ce

// GetLastError: the calling thread's own value; threads never see each other's.
extern "C" DWORD WINAPI GetLastError() { return ce::Device::current().currentThread().lastError; }

// SetLastError: per thread, like the real one.
extern "C" void WINAPI SetLastError(DWORD dwErrCode) { ce::Device::current().currentThread().lastError = dwErrCode; }
