#pragma once

#include "devicemanager/registry.h"

#include <string>

namespace ce {

// Reads a registry file in the REGEDIT4 text format into registry:
//   REGEDIT4                       first line that is not blank
//   ; comment
//   [HKEY_LOCAL_MACHINE\Key]       opens (creates) a key; [-...] deletes it
//   "Name"="text"                  string value, \\ and \" escaped
//   "Name"=dword:0000000a          32-bit value, up to eight hex digits
//   @=...                          the key's default value
//   "Name"=-                       deletes the value
// Nothing is applied unless the whole file reads; otherwise error says
// "<file>:<line>: <what is wrong>" and the result is false.
bool loadRegistryFile(Registry& registry, const std::string& path, std::string* error);
bool loadRegistryText(Registry& registry, const std::string& text, const std::string& fileName, std::string* error);

}  // namespace ce
