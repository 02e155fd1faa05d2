#pragma once

#include <windows.h>

#include <string>

namespace ce {

// Puts a message about a damaged resource file on the debug output, where
// a user of the emulator sees it; empty messages (already told) are skipped.
inline void reportResourceProblem(const std::string& message) {
    if (message.empty()) return;
    std::u16string wide(message.begin(), message.end());  // the messages are ASCII apart from paths
    wide += u"\r\n";
    OutputDebugStringW(wide.c_str());
}

}  // namespace ce
