// The emulated Windows CE platform, as a program sees it.
#pragma once

#ifdef RC_INVOKED
// A resource script sees constants only.
#include "winresrc.h"
#else
#include "windef.h"
#include "winerror.h"
#include "winbase.h"
#include "wingdi.h"
#include "winuser.h"
#endif
