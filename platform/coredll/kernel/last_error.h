#pragma once

#include "device/device.h"

namespace ce {

// Sets the calling emulated thread's last-error value. Lock held.
void setLastErrorLocked(Device& device, DWORD error);

}  // namespace ce
