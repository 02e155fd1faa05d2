#pragma once

#include "kernel/text_conversion.h"

#include <windows.h>

#include <string>

namespace ce {

// Puts a message about a damaged resource file on the debug output, where
// a user of the emulator sees it; empty messages (already told) are skipped.
inline void reportResourceProblem(const std::string& message) {
    if (message.empty()) return;
    std::u16string wide = toUtf16(message) + u"\r\n";  // host paths are UTF-8
    OutputDebugStringW(wide.c_str());
}

}  // namespace ce
