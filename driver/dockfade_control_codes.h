// Control codes a client passes to DeviceIoControl on the DKF device, and
// the version the driver reports. Shared by the driver and its clients.
#pragma once

#include <windows.h>

// Gives the desktop window and the anchor pane their own procedures back.
#define IOCTL_DKF_RESTORE 0x00000001
// Stores DKF_DRIVER_VERSION in the first four bytes of the input buffer.
#define IOCTL_DKF_GET_VERSION 0x00004201
// Stores 0x000000C0 in the first four bytes of the input buffer, then
// restores like IOCTL_DKF_RESTORE.
#define IOCTL_DKF_RESTORE_REPLY 0x00004202

// Major version in the high word, minor in the low word: the most
// significant half of the file version 1.3.0.1.
#define DKF_DRIVER_VERSION 0x00010003
#define DKF_RESTORE_REPLY_VALUE 0x000000C0
