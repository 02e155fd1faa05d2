#pragma once

#include <windows.h>

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace ce {

// One control of a dialog template, the same for both template forms.
struct DialogItemTemplate {
    DWORD style = 0;
    DWORD exStyle = 0;
    DWORD helpId = 0;  // extended templates only
    short x = 0, y = 0, cx = 0, cy = 0;
    DWORD id = 0;
    // Registered class name; the predefined atoms 0x80 to 0x85 become
    // "button", "edit", "static", "listbox", "scrollbar" and "combobox".
    std::u16string windowClass;
    std::u16string text;
    WORD textOrdinal = 0;  // non-zero when the text is a resource ordinal (an icon id, say)
    std::vector<BYTE> creationData;  // without the size word
};

// A dialog template (DLGTEMPLATE or DLGTEMPLATEEX with its trailing arrays).
struct DialogTemplate {
    DWORD style = 0;
    DWORD exStyle = 0;
    DWORD helpId = 0;  // extended templates only
    short x = 0, y = 0, cx = 0, cy = 0;
    std::u16string menu;  // menu resource name; empty with menuOrdinal 0: no menu
    WORD menuOrdinal = 0;
    std::u16string windowClass;  // empty: the dialog class
    std::u16string caption;
    bool hasFont = false;  // DS_SETFONT
    WORD pointSize = 0;
    WORD weight = 0;   // extended templates only
    BYTE italic = 0;   // extended templates only
    BYTE charSet = 0;  // extended templates only
    std::u16string faceName;
    bool extended = false;
    std::vector<DialogItemTemplate> items;
};

// Parses a dialog template of either form. size may be SIZE_MAX for an
// in-memory template whose length the caller does not know. On a malformed
// template: nothing, and *error says what is wrong.
std::optional<DialogTemplate> parseDialogTemplate(const void* data, std::size_t size, std::string* error);

}  // namespace ce
