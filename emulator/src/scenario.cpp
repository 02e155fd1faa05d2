#include "scenario.h"

#include <charconv>
#include <sstream>

namespace ceemu {

namespace {

std::vector<std::string> splitWords(const std::string& line) {
    std::istringstream stream(line);
    std::vector<std::string> words;
    for (std::string word; stream >> word;) words.push_back(word);
    return words;
}

std::string trim(const std::string& text) {
    auto first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos) return {};
    auto last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}

template <class Integer>
bool parseInteger(const std::string& word, Integer& value, int base = 10) {
    const char* begin = word.data();
    const char* end = word.data() + word.size();
    auto [ptr, ec] = std::from_chars(begin, end, value, base);
    return ec == std::errc() && ptr == end && begin != end;
}

// Decimal or 0x-hex, as control codes are written.
bool parseNumber(const std::string& word, std::uint64_t& value) {
    if (word.size() > 2 && word[0] == '0' && (word[1] == 'x' || word[1] == 'X'))
        return parseInteger(word.substr(2), value, 16);
    return parseInteger(word, value, 10);
}

bool parseColour(const std::string& word, std::uint32_t& rgb) {
    std::string digits = word;
    if (!digits.empty() && digits[0] == '#') digits = digits.substr(1);
    return digits.size() == 6 && parseInteger(digits, rgb, 16);
}

std::string expectArguments(const std::vector<std::string>& words, std::size_t count, const char* usage) {
    if (words.size() - 1 != count)
        return "'" + words[0] + "' takes " + std::to_string(count) + " argument" + (count == 1 ? "" : "s") +
               ": " + usage;
    return {};
}

std::variant<std::optional<Step>, std::string> parsePoint(const std::vector<std::string>& words, PenStep::Kind kind) {
    if (auto error = expectArguments(words, 2, (words[0] + " X Y").c_str()); !error.empty()) return error;
    int x = 0, y = 0;
    if (!parseInteger(words[1], x) || !parseInteger(words[2], y))
        return "'" + words[0] + "' needs whole-number pixel coordinates, got '" + words[1] + " " + words[2] + "'";
    return std::optional<Step>(PenStep{kind, x, y});
}

std::variant<std::optional<Step>, std::string> parseMessage(const std::vector<std::string>& words,
                                                            MessageStep::Kind kind) {
    if (words.size() > 2) return "'" + words[0] + "' takes at most one argument: " + words[0] + " [WPARAM]";
    std::uint64_t wParam = kind == MessageStep::Kind::ActivateDesktop ? 1 : 0;
    if (words.size() == 2 && !parseNumber(words[1], wParam))
        return "'" + words[0] + "' needs a number (decimal or 0x-hex) for WPARAM, got '" + words[1] + "'";
    return std::optional<Step>(MessageStep{kind, wParam});
}

}  // namespace

std::variant<std::optional<Step>, std::string> parseScenarioLine(const std::string& rawLine) {
    std::string line = rawLine.substr(0, rawLine.find('#'));
    auto words = splitWords(line);
    if (words.empty()) return std::optional<Step>();
    const std::string& verb = words[0];

    if (verb == "tap") return parsePoint(words, PenStep::Kind::Tap);
    if (verb == "down") return parsePoint(words, PenStep::Kind::Down);
    if (verb == "move") return parsePoint(words, PenStep::Kind::Move);
    if (verb == "up") return parsePoint(words, PenStep::Kind::Up);
    if (verb == "tap-text") {
        std::string text = trim(trim(line).substr(verb.size()));
        if (text.size() >= 2 && text.front() == '"' && text.back() == '"') text = text.substr(1, text.size() - 2);
        if (text.empty()) return std::string("'tap-text' needs the text of a window: tap-text TEXT");
        return std::optional<Step>(TapTextStep{text});
    }
    if (verb == "wait" || verb == "windows" || verb == "trace" || verb == "load" || verb == "signal-shell") {
        if (auto error = expectArguments(words, 0, verb.c_str()); !error.empty()) return error;
        if (verb == "wait") return std::optional<Step>(WaitStep{});
        if (verb == "windows") return std::optional<Step>(WindowsStep{});
        if (verb == "trace") return std::optional<Step>(TraceStep{});
        if (verb == "load") return std::optional<Step>(LoadStep{});
        return std::optional<Step>(SignalShellStep{});
    }
    if (verb == "shot") {
        if (auto error = expectArguments(words, 1, "shot FILE"); !error.empty()) return error;
        return std::optional<Step>(ShotStep{words[1]});
    }
    if (verb == "expect-pixel") {
        if (auto error = expectArguments(words, 3, "expect-pixel X Y RRGGBB"); !error.empty()) return error;
        ExpectPixelStep step{};
        if (!parseInteger(words[1], step.x) || !parseInteger(words[2], step.y))
            return "'expect-pixel' needs whole-number pixel coordinates, got '" + words[1] + " " + words[2] + "'";
        if (!parseColour(words[3], step.rgb))
            return "'expect-pixel' needs a colour as six hex digits RRGGBB, got '" + words[3] + "'";
        return std::optional<Step>(step);
    }
    if (verb == "start") {
        if (auto error = expectArguments(words, 1, "start PROGRAM"); !error.empty()) return error;
        return std::optional<Step>(StartStep{words[1]});
    }
    if (verb == "ioctl") {
        if (auto error = expectArguments(words, 3, "ioctl DEVICE CODE LEN"); !error.empty()) return error;
        std::uint64_t code = 0, length = 0;
        if (!parseNumber(words[2], code) || code > 0xFFFFFFFFu)
            return "'ioctl' needs a 32-bit control code (decimal or 0x-hex), got '" + words[2] + "'";
        if (!parseNumber(words[3], length) || length > 4096)
            return "'ioctl' needs an input length from 0 to 4096, got '" + words[3] + "'";
        return std::optional<Step>(
            IoctlStep{words[1], static_cast<std::uint32_t>(code), static_cast<std::uint32_t>(length)});
    }
    if (verb == "settingchange") return parseMessage(words, MessageStep::Kind::SettingChange);
    if (verb == "activate-desktop") return parseMessage(words, MessageStep::Kind::ActivateDesktop);
    if (verb == "show-window") {
        if (auto error = expectArguments(words, 2, "show-window PATH on|off"); !error.empty()) return error;
        if (words[2] != "on" && words[2] != "off")
            return "'show-window' needs 'on' or 'off', got '" + words[2] + "'";
        return std::optional<Step>(ShowWindowStep{words[1], words[2] == "on"});
    }
    if (verb == "move-window") {
        if (auto error = expectArguments(words, 5, "move-window PATH L T R B"); !error.empty()) return error;
        MoveWindowStep step{words[1], 0, 0, 0, 0};
        if (!parseInteger(words[2], step.left) || !parseInteger(words[3], step.top) ||
            !parseInteger(words[4], step.right) || !parseInteger(words[5], step.bottom))
            return std::string("'move-window' needs four whole numbers L T R B");
        return std::optional<Step>(step);
    }
    if (verb == "screen") {
        if (auto error = expectArguments(words, 1, "screen WxH"); !error.empty()) return error;
        ScreenStep step{0, 0};
        if (!parseScreenSize(words[1], step.width, step.height))
            return "'screen' needs a size WxH from 1x1 to 4096x4096, got '" + words[1] + "'";
        return std::optional<Step>(step);
    }
    if (verb == "unload") {
        if (auto error = expectArguments(words, 1, "unload DEVICE"); !error.empty()) return error;
        return std::optional<Step>(UnloadStep{words[1]});
    }
    return "unknown scenario command '" + verb + "'";
}

bool parseScreenSize(const std::string& text, int& width, int& height) {
    auto x = text.find_first_of("xX");
    if (x == std::string::npos) return false;
    return parseInteger(text.substr(0, x), width) && parseInteger(text.substr(x + 1), height) && width >= 1 &&
           height >= 1 && width <= 4096 && height <= 4096;
}

std::variant<std::vector<ScenarioLine>, ParseError> parseScenario(std::istream& input) {
    std::vector<ScenarioLine> lines;
    std::string text;
    for (int number = 1; std::getline(input, text); ++number) {
        auto parsed = parseScenarioLine(text);
        if (auto* error = std::get_if<std::string>(&parsed)) return ParseError{number, *error};
        auto& step = std::get<std::optional<Step>>(parsed);
        if (step) lines.push_back({number, trim(text), *step});
    }
    return lines;
}

}  // namespace ceemu
