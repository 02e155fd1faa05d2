#pragma once

#include "handheld.h"

#include <optional>
#include <string>
#include <variant>

namespace ceemu {

struct CommandLine {
    HandheldOptions handheld;
    bool headless = false;
    std::string scriptFile;  // empty: the typical road (headless) or interactive use
    bool help = false;       // --help or -h: print kHelp and do nothing else
};

// Parses ceemu's arguments (without the program name). Returns a message
// naming what was wrong instead when they are not understood.
std::variant<CommandLine, std::string> parseCommandLine(int argc, const char* const* argv);

extern const char* const kUsage;
// kUsage with what each option and scenario line does.
extern const char* const kHelp;

}  // namespace ceemu
