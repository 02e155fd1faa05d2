#pragma once

#include <windows.h>

#include <optional>

namespace ce::gdi {

// The palette behind GetSysColor: a Pocket PC-like scheme of white windows
// and dialogs, light grey 3D faces, black text and a dark blue active
// caption with white caption text. Accepts indexes with or without the
// device's system-colour flag (0x40000000); nullopt for unknown indexes.
std::optional<COLORREF> systemColor(int index);

}  // namespace ce::gdi
