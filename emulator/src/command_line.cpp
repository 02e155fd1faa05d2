#include "command_line.h"

#include "scenario.h"

namespace ceemu {

const char* const kUsage =
    "usage: ceemu hueprobe [--screen WxH] [--headless] [--script FILE] [--debug-log FILE]\n"
    "       ceemu dockfade [--screen WxH] [--headless] [--script FILE] [--debug-log FILE] [--hold-shell]\n";

const char* const kHelp =
    "ceemu boots an emulated handheld and runs a program or driver on it.\n"
    "\n"
    "  hueprobe        a Pocket PC (240x320) running the display test program\n"
    "  dockfade        a Windows Mobile 6 device whose device manager loads the driver\n"
    "\n"
    "options:\n"
    "  --screen WxH      screen size (default 240x320)\n"
    "  --headless        no window; without --script, run the typical road and\n"
    "                    write screenshots to ceemu-shots/\n"
    "  --script FILE     run the scenario in FILE, one step a line ('#' comments)\n"
    "  --debug-log FILE  write the debug output to FILE as it was written\n"
    "  --hold-shell      (dockfade) the shell signals it is ready only at 'signal-shell'\n"
    "  --help, -h        this text\n"
    "\n"
    "scenario lines:\n"
    "  tap X Y | down X Y | move X Y | up X Y    the pen at screen pixel (X, Y)\n"
    "  tap-text TEXT          tap the topmost visible window whose text is TEXT\n"
    "  wait                   until every emulated thread is idle\n"
    "  shot FILE              write a PNG screenshot\n"
    "  expect-pixel X Y RRGGBB  fail (exit 1) unless that pixel has that colour\n"
    "  windows                print the window tree\n"
    "  trace                  print the debug output so far\n"
    "  start Hueprobe         start another copy of the program\n"
    "  ioctl DEVICE CODE LEN  DeviceIoControl on DEVICE with a LEN-byte input\n"
    "  settingchange [WPARAM] | activate-desktop [WPARAM]   message the desktop\n"
    "  show-window PATH on|off | move-window PATH L T R B   act on a window\n"
    "  screen WxH             change the screen size\n"
    "  unload DEVICE | load   deactivate the driver, activate it again\n"
    "  signal-shell           let a held shell say it is ready\n"
    "\n"
    "exit codes: 0 the scenario ran to its end, 1 an expectation failed or the\n"
    "device got stuck, 2 bad usage or a bad scenario line.\n";

std::variant<CommandLine, std::string> parseCommandLine(int argc, const char* const* argv) {
    CommandLine result;
    for (int i = 0; i < argc; ++i) {
        std::string argument = argv[i];
        if (argument == "--help" || argument == "-h") {
            result.help = true;
            return result;
        }
    }
    if (argc < 1) return std::string("missing the device to boot: hueprobe or dockfade");
    std::string target = argv[0];
    if (target == "hueprobe") {
        result.handheld.profile = Profile::PocketPc;
    } else if (target == "dockfade") {
        result.handheld.profile = Profile::WindowsMobile;
    } else {
        return "unknown device '" + target + "': use hueprobe or dockfade";
    }
    for (int i = 1; i < argc; ++i) {
        std::string option = argv[i];
        auto value = [&](const char* name) -> std::optional<std::string> {
            if (i + 1 >= argc) return std::nullopt;
            (void)name;
            return std::string(argv[++i]);
        };
        if (option == "--headless") {
            result.headless = true;
        } else if (option == "--hold-shell") {
            if (result.handheld.profile != Profile::WindowsMobile)
                return std::string("--hold-shell only applies to dockfade");
            result.handheld.holdShell = true;
        } else if (option == "--screen") {
            auto size = value("--screen");
            if (!size) return std::string("--screen needs a size, for example --screen 240x320");
            if (!parseScreenSize(*size, result.handheld.screenWidth, result.handheld.screenHeight))
                return "--screen needs WxH from 1x1 to 4096x4096, got '" + *size + "'";
        } else if (option == "--script") {
            auto file = value("--script");
            if (!file) return std::string("--script needs a file name");
            result.scriptFile = *file;
        } else if (option == "--debug-log") {
            auto file = value("--debug-log");
            if (!file) return std::string("--debug-log needs a file name");
            result.handheld.debugLogFile = *file;
        } else {
            return "unknown option '" + option + "'";
        }
    }
    result.handheld.realTime = !result.headless;
    return result;
}

}  // namespace ceemu
