#pragma once

#include <cstdint>
#include <istream>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace ceemu {

// One line of a scenario, parsed. Coordinates are screen pixels.
struct PenStep {
    enum class Kind { Tap, Down, Move, Up } kind;
    int x;
    int y;
};
struct TapTextStep { std::string text; };
struct WaitStep {};
struct ShotStep { std::string file; };
struct ExpectPixelStep {
    int x;
    int y;
    std::uint32_t rgb;  // 0xRRGGBB
};
struct WindowsStep {};
struct StartStep { std::string program; };
struct TraceStep {};
struct IoctlStep {
    std::string device;
    std::uint32_t code;
    std::uint32_t length;
};
struct MessageStep {
    enum class Kind { SettingChange, ActivateDesktop } kind;
    std::uint64_t wParam;
};
struct ShowWindowStep {
    std::string path;
    bool show;
};
struct MoveWindowStep {
    std::string path;
    int left, top, right, bottom;
};
struct ScreenStep {
    int width;
    int height;
};
struct UnloadStep { std::string device; };
struct LoadStep {};
struct SignalShellStep {};

using Step = std::variant<PenStep, TapTextStep, WaitStep, ShotStep, ExpectPixelStep, WindowsStep, StartStep, TraceStep,
                          IoctlStep, MessageStep, ShowWindowStep, MoveWindowStep, ScreenStep, UnloadStep, LoadStep,
                          SignalShellStep>;

struct ScenarioLine {
    int number;        // 1-based line in the script
    std::string text;  // the line as written, for messages
    Step step;
};

struct ParseError {
    int line;
    std::string message;
};

// A screen size "WxH" (an upper-case X too), each side 1 to 4096 pixels, as
// --screen and the screen line take it.
bool parseScreenSize(const std::string& text, int& width, int& height);

// Parses a whole scenario; '#' starts a comment, blank lines are skipped.
// Returns the first error instead when a line is not understood.
std::variant<std::vector<ScenarioLine>, ParseError> parseScenario(std::istream& input);

// Parses one line (without its comment); nullopt for a blank line.
std::variant<std::optional<Step>, std::string> parseScenarioLine(const std::string& line);

}  // namespace ceemu
