#include "devicemanager/registry_file.h"

#include "kernel/text_conversion.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <functional>
#include <sstream>
#include <vector>

namespace ce {

namespace {

struct ParseError {
    std::string what;
};

std::string trim(const std::string& text) {
    std::size_t begin = text.find_first_not_of(" \t\r");
    if (begin == std::string::npos) return {};
    std::size_t end = text.find_last_not_of(" \t\r");
    return text.substr(begin, end - begin + 1);
}

// Reads a quoted string starting at text[position] == '"'; leaves position
// after the closing quote.
std::string readQuoted(const std::string& text, std::size_t& position) {
    std::string result;
    for (++position; position < text.size(); ++position) {
        char character = text[position];
        if (character == '"') {
            ++position;
            return result;
        }
        if (character == '\\') {
            if (++position >= text.size()) break;
            character = text[position];
            if (character != '\\' && character != '"')
                throw ParseError{std::string("unknown escape \\") + character + " in a quoted string"};
        }
        result.push_back(character);
    }
    throw ParseError{"a quoted string has no closing quote"};
}

// What is left after a value may only be blank or a comment.
void expectEnd(const std::string& text, std::size_t position) {
    std::string rest = trim(text.substr(position));
    if (!rest.empty() && rest[0] != ';') throw ParseError{"unexpected \"" + rest + "\" after the value"};
}

DWORD readDword(const std::string& text, std::size_t& position) {
    std::size_t begin = position;
    DWORD number = 0;
    while (position < text.size() && std::isxdigit(static_cast<unsigned char>(text[position]))) {
        if (position - begin == 8) throw ParseError{"a dword value has more than eight hex digits"};
        char digit = static_cast<char>(std::tolower(static_cast<unsigned char>(text[position])));
        number = number * 16 + static_cast<DWORD>(digit <= '9' ? digit - '0' : digit - 'a' + 10);
        ++position;
    }
    if (position == begin) throw ParseError{"a dword value needs hex digits after \"dword:\""};
    return number;
}

using Change = std::function<void(Registry&)>;

// One line of the file as a change to the registry, or nothing.
void readLine(const std::string& line, std::u16string& currentKey, std::vector<Change>& changes) {
    if (line.empty() || line[0] == ';') return;
    if (line[0] == '[') {
        if (line.back() != ']') throw ParseError{"a key line must end with \"]\""};
        std::string path = line.substr(1, line.size() - 2);
        bool remove = !path.empty() && path[0] == '-';
        if (remove) path.erase(0, 1);
        if (trim(path).empty()) throw ParseError{"a key line names no key"};
        std::u16string key = toUtf16(path);
        if (remove) {
            changes.push_back([key](Registry& registry) { registry.deleteKey(key); });
            currentKey.clear();
        } else {
            changes.push_back([key](Registry& registry) { registry.createKey(key); });
            currentKey = key;
        }
        return;
    }

    std::size_t position = 0;
    std::string name;
    if (line[0] == '@') {
        position = 1;
    } else if (line[0] == '"') {
        name = readQuoted(line, position);
    } else {
        throw ParseError{"expected a key in [brackets], a \"name\"=value line or a ; comment"};
    }
    if (currentKey.empty()) throw ParseError{"a value comes before any key"};
    while (position < line.size() && (line[position] == ' ' || line[position] == '\t')) ++position;
    if (position >= line.size() || line[position] != '=') throw ParseError{"expected \"=\" after the value name"};
    ++position;
    while (position < line.size() && (line[position] == ' ' || line[position] == '\t')) ++position;

    std::u16string key = currentKey;
    std::u16string valueName = toUtf16(name);
    if (position < line.size() && line[position] == '"') {
        std::u16string text = toUtf16(readQuoted(line, position));
        expectEnd(line, position);
        changes.push_back([=](Registry& registry) { registry.setValue(key, valueName, text); });
    } else if (line.compare(position, 6, "dword:") == 0) {
        position += 6;
        DWORD number = readDword(line, position);
        expectEnd(line, position);
        changes.push_back([=](Registry& registry) { registry.setValue(key, valueName, number); });
    } else if (line.compare(position, 1, "-") == 0) {
        expectEnd(line, position + 1);
        changes.push_back([=](Registry& registry) { registry.deleteValue(key, valueName); });
    } else {
        throw ParseError{"a value must be a \"string\", dword:hex digits or - (only these types are read)"};
    }
}

}  // namespace

bool loadRegistryText(Registry& registry, const std::string& text, const std::string& fileName, std::string* error) {
    std::istringstream input(text);
    std::string line;
    int lineNumber = 0;
    bool sawHeader = false;
    std::u16string currentKey;
    std::vector<Change> changes;
    try {
        while (std::getline(input, line)) {
            ++lineNumber;
            line = trim(line);
            if (lineNumber == 1 && line.compare(0, 3, "\xEF\xBB\xBF") == 0) line = trim(line.substr(3));
            if (!sawHeader) {
                if (line.empty()) continue;
                if (line != "REGEDIT4") throw ParseError{"the file must begin with the line REGEDIT4"};
                sawHeader = true;
                continue;
            }
            readLine(line, currentKey, changes);
        }
        if (!sawHeader) {
            lineNumber = std::max(lineNumber, 1);
            throw ParseError{"the file is empty; it must begin with the line REGEDIT4"};
        }
    } catch (const ParseError& failure) {
        if (error) *error = fileName + ":" + std::to_string(lineNumber) + ": " + failure.what;
        return false;
    }
    for (auto& change : changes) change(registry);
    return true;
}

bool loadRegistryFile(Registry& registry, const std::string& path, std::string* error) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        if (error) *error = path + ": cannot open the registry file";
        return false;
    }
    std::ostringstream content;
    content << file.rdbuf();
    return loadRegistryText(registry, content.str(), path, error);
}

}  // namespace ce
