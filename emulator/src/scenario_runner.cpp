#include "scenario_runner.h"

#include <cstdio>
#include <filesystem>
#include <type_traits>

namespace ceemu {

namespace {

std::string hexColour(std::uint32_t rgb) {
    char text[8];
    std::snprintf(text, sizeof text, "%06X", rgb & 0xFFFFFFu);
    return text;
}

std::string hexCode(std::uint32_t code) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%X", code);
    return text;
}

const WindowLine* topmostVisibleWithText(const std::vector<WindowLine>& lines, const std::string& text) {
    // Lines come topmost first; a window counts as visible only when its
    // ancestors are too.
    std::vector<bool> visibleAtDepth;
    for (const auto& line : lines) {
        visibleAtDepth.resize(line.depth + 1);
        bool parentVisible = line.depth == 0 || visibleAtDepth[line.depth - 1];
        visibleAtDepth[line.depth] = parentVisible && line.visible;
        if (visibleAtDepth[line.depth] && line.text == text) return &line;
    }
    return nullptr;
}

// A window text as it goes between the listing's quotes: one line, and a
// quote or backslash in it cannot be mistaken for the end of the text.
std::string quotedText(const std::string& text) {
    std::string quoted;
    for (unsigned char c : text) {
        switch (c) {
        case '"': quoted += "\\\""; break;
        case '\\': quoted += "\\\\"; break;
        case '\t': quoted += "\\t"; break;
        case '\n': quoted += "\\n"; break;
        case '\r': quoted += "\\r"; break;
        default:
            if (c < 0x20 || c == 0x7F) {
                const char* digits = "0123456789ABCDEF";
                quoted += "\\x";
                quoted += digits[c >> 4];
                quoted += digits[c & 0xF];
            } else {
                quoted += static_cast<char>(c);
            }
        }
    }
    return quoted;
}

}  // namespace

std::string formatWindowLine(const WindowLine& line) {
    std::string text(static_cast<std::size_t>(line.depth) * 2, ' ');
    text += line.className + " \"" + quotedText(line.text) + "\" (" + std::to_string(line.rect.left) + "," +
            std::to_string(line.rect.top) + "," + std::to_string(line.rect.right) + "," +
            std::to_string(line.rect.bottom) + ") " + (line.visible ? "visible" : "hidden") + " " +
            (line.enabled ? "enabled" : "disabled");
    if (line.desktop) text += " [desktop]";
    if (line.menuBar) text += " [menubar]";
    return text;
}

ScenarioRunner::ScenarioRunner(Handheld& handheld, std::ostream& out, std::ostream& errors, std::string shotFolder)
    : handheld_(handheld), out_(out), errors_(errors), shotFolder_(std::move(shotFolder)) {}

RunResult ScenarioRunner::run(const std::vector<ScenarioLine>& lines) {
    for (const auto& line : lines) {
        if (!runLine(line)) return kExpectationFailed;
    }
    return expectationFailed_ ? kExpectationFailed : kScenarioPassed;
}

bool ScenarioRunner::fail(const ScenarioLine& line, const std::string& message) {
    errors_ << "line " << line.number << " (" << line.text << "): " << message << "\n";
    expectationFailed_ = true;
    return true;
}

std::string ScenarioRunner::shotPath(const std::string& file) const {
    std::filesystem::path path(file);
    if (path.is_relative() && !shotFolder_.empty()) path = std::filesystem::path(shotFolder_) / path;
    return path.string();
}

// Returns false when the run must stop (something is stuck).
bool ScenarioRunner::runLine(const ScenarioLine& line) {
    return std::visit(
        [&](const auto& step) -> bool {
            using T = std::decay_t<decltype(step)>;
            if constexpr (std::is_same_v<T, PenStep>) {
                if (step.kind == PenStep::Kind::Tap) {
                    handheld_.pen(PenStep::Kind::Down, step.x, step.y);
                    handheld_.pen(PenStep::Kind::Up, step.x, step.y);
                } else {
                    handheld_.pen(step.kind, step.x, step.y);
                }
                return true;
            } else if constexpr (std::is_same_v<T, TapTextStep>) {
                auto windows = handheld_.windows();
                const WindowLine* target = topmostVisibleWithText(windows, step.text);
                if (!target) return fail(line, "no visible window has the text \"" + step.text + "\"");
                int x = (target->rect.left + target->rect.right) / 2;
                int y = (target->rect.top + target->rect.bottom) / 2;
                handheld_.pen(PenStep::Kind::Down, x, y);
                handheld_.pen(PenStep::Kind::Up, x, y);
                return true;
            } else if constexpr (std::is_same_v<T, WaitStep>) {
                std::string reason;
                if (handheld_.waitIdle(&reason)) return true;
                fail(line, "the device did not become idle: " + reason);
                return false;
            } else if constexpr (std::is_same_v<T, ShotStep>) {
                std::string error;
                std::string path = shotPath(step.file);
                if (auto parent = std::filesystem::path(path).parent_path(); !parent.empty()) {
                    std::error_code folderError;
                    std::filesystem::create_directories(parent, folderError);
                    if (folderError)
                        return fail(line, "cannot make the folder '" + parent.string() +
                                              "' for the screenshot: " + folderError.message());
                }
                if (!handheld_.screenshot(path, &error)) return fail(line, "cannot write screenshot: " + error);
                return true;
            } else if constexpr (std::is_same_v<T, ExpectPixelStep>) {
                if (step.x < 0 || step.y < 0 || step.x >= handheld_.screenWidth() ||
                    step.y >= handheld_.screenHeight())
                    return fail(line, "pixel (" + std::to_string(step.x) + "," + std::to_string(step.y) +
                                          ") is outside the screen");
                std::uint32_t found = handheld_.pixel(step.x, step.y);
                if (found != step.rgb)
                    return fail(line, "pixel (" + std::to_string(step.x) + "," + std::to_string(step.y) +
                                          ") is " + hexColour(found) + ", expected " + hexColour(step.rgb));
                return true;
            } else if constexpr (std::is_same_v<T, WindowsStep>) {
                for (const auto& window : handheld_.windows()) out_ << formatWindowLine(window) << "\n";
                return true;
            } else if constexpr (std::is_same_v<T, StartStep>) {
                std::string error;
                if (!handheld_.startProgram(step.program, &error)) return fail(line, error);
                return true;
            } else if constexpr (std::is_same_v<T, TraceStep>) {
                out_ << handheld_.debugOutput();
                out_.flush();
                return true;
            } else if constexpr (std::is_same_v<T, IoctlStep>) {
                auto result = handheld_.ioctl(step.device, step.code, step.length);
                if (!result.opened)
                    return fail(line, "cannot open " + step.device + " (last error " +
                                          std::to_string(result.lastError) + ")");
                out_ << "ioctl " << hexCode(step.code) << " returned " << (result.returned ? "TRUE" : "FALSE")
                     << " lasterror " << result.lastError << " input";
                for (unsigned char byte : result.input) {
                    char text[4];
                    std::snprintf(text, sizeof text, " %02X", byte);
                    out_ << text;
                }
                out_ << "\n";
                return true;
            } else if constexpr (std::is_same_v<T, MessageStep>) {
                std::string error;
                UINT message = step.kind == MessageStep::Kind::SettingChange ? WM_SETTINGCHANGE : WM_ACTIVATE;
                if (!handheld_.sendToDesktop(message, static_cast<WPARAM>(step.wParam), &error))
                    return fail(line, error);
                return true;
            } else if constexpr (std::is_same_v<T, ShowWindowStep>) {
                std::string error;
                HWND window = findWindowByPath(handheld_.windows(), step.path, &error);
                if (!window) return fail(line, error);
                handheld_.showWindow(window, step.show);
                return true;
            } else if constexpr (std::is_same_v<T, MoveWindowStep>) {
                std::string error;
                HWND window = findWindowByPath(handheld_.windows(), step.path, &error);
                if (!window) return fail(line, error);
                handheld_.moveWindow(window, RECT{step.left, step.top, step.right, step.bottom});
                return true;
            } else if constexpr (std::is_same_v<T, ScreenStep>) {
                handheld_.resizeScreen(step.width, step.height);
                return true;
            } else if constexpr (std::is_same_v<T, UnloadStep>) {
                std::string error;
                if (!handheld_.unloadDevice(step.device, &error)) return fail(line, error);
                return true;
            } else if constexpr (std::is_same_v<T, LoadStep>) {
                std::string error;
                if (!handheld_.loadDevice(&error)) return fail(line, error);
                return true;
            } else {
                static_assert(std::is_same_v<T, SignalShellStep>);
                std::string error;
                if (!handheld_.signalShell(&error)) return fail(line, error);
                return true;
            }
        },
        line.step);
}

}  // namespace ceemu
