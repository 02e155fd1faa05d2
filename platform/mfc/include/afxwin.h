// The framework's core classes: application, windows, dialogs, device contexts.
#pragma once

#include <windows.h>

#include "afx/command_target.h"
#include "afx/device_context.h"
#include "afx/dialog.h"
#include "afx/geometry.h"
#include "afx/message_map.h"
#include "afx/object.h"
#include "afx/win_app.h"
#include "afx/win_thread.h"
#include "afx/window.h"
