#include "dockfade_control_codes.h"
#include "stream_interface.h"
#include "subclass_procedures.h"

#include <cstring>

namespace {

// Stores a 4-byte reply in the device's byte order. A null buffer gets no
// reply: writing through it would crash the caller's request.
bool StoreReply(PBYTE pBufIn, DWORD dwLenIn, DWORD value) {
    if (dwLenIn != sizeof(DWORD) || pBufIn == NULL) return false;
    std::memcpy(pBufIn, &value, sizeof value);
    return true;
}

}  // namespace

BOOL DKF_IOControl(DWORD hOpenContext, DWORD dwCode, PBYTE pBufIn, DWORD dwLenIn, PBYTE pBufOut, DWORD dwLenOut,
                   PDWORD pdwActualOut) {
    (void)hOpenContext;
    (void)pBufOut;
    (void)dwLenOut;
    (void)pdwActualOut;
    OutputDebugString(u"DKF:IOCTL+\r\n");
    DWORD outcome = ERROR_INVALID_PARAMETER;
    switch (dwCode) {
    case IOCTL_DKF_RESTORE:
        RestoreProcedures();
        outcome = ERROR_SUCCESS;
        break;
    case IOCTL_DKF_GET_VERSION:
        if (StoreReply(pBufIn, dwLenIn, DKF_DRIVER_VERSION)) outcome = ERROR_SUCCESS;
        break;
    case IOCTL_DKF_RESTORE_REPLY:
        // The reply goes in before the restore; the restore runs whatever
        // the length, and the request succeeds even without a reply.
        StoreReply(pBufIn, dwLenIn, DKF_RESTORE_REPLY_VALUE);
        RestoreProcedures();
        outcome = ERROR_SUCCESS;
        break;
    default:
        break;
    }
    SetLastError(outcome);
    OutputDebugString(u"DKF:IOCTL-\r\n");
    return TRUE;
}
