#include "command_line.h"

#include <charconv>

namespace ceemu {

const char* const kUsage =
    "usage: ceemu hueprobe [--screen WxH] [--headless] [--script FILE] [--debug-log FILE]\n"
    "       ceemu dockfade [--screen WxH] [--headless] [--script FILE] [--debug-log FILE] [--hold-shell]\n";

namespace {

bool parseSize(const std::string& text, int& width, int& height) {
    auto x = text.find('x');
    if (x == std::string::npos) return false;
    auto parse = [](const std::string& digits, int& value) {
        auto [ptr, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
        return ec == std::errc() && ptr == digits.data() + digits.size() && !digits.empty();
    };
    return parse(text.substr(0, x), width) && parse(text.substr(x + 1), height) && width >= 1 && height >= 1 &&
           width <= 4096 && height <= 4096;
}

}  // namespace

std::variant<CommandLine, std::string> parseCommandLine(int argc, const char* const* argv) {
    if (argc < 1) return std::string("missing the device to boot: hueprobe or dockfade");
    CommandLine result;
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
            if (!parseSize(*size, result.handheld.screenWidth, result.handheld.screenHeight))
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
