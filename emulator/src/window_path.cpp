#include "handheld.h"

#include <charconv>
#include <sstream>

namespace ceemu {

namespace {

bool parseIndex(const std::string& text, int& index) {
    auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), index);
    return ec == std::errc() && ptr == text.data() + text.size() && index >= 1;
}

// The index in lines of the n-th (1-based) child of the window at parent,
// or of the n-th top-level window when parent is -1.
int nthChild(const std::vector<WindowLine>& lines, int parent, int n) {
    int depth = parent < 0 ? 0 : lines[parent].depth + 1;
    int count = 0;
    for (std::size_t i = parent < 0 ? 0 : parent + 1; i < lines.size(); ++i) {
        if (lines[i].depth < depth) break;
        if (lines[i].depth == depth && ++count == n) return static_cast<int>(i);
    }
    return -1;
}

}  // namespace

HWND findWindowByPath(const std::vector<WindowLine>& lines, const std::string& path, std::string* error) {
    std::istringstream parts(path);
    std::string part;
    int current = -1;
    bool first = true;
    while (std::getline(parts, part, '/')) {
        if (first && part == "desktop") {
            current = -1;
            for (std::size_t i = 0; i < lines.size(); ++i)
                if (lines[i].desktop) current = static_cast<int>(i);
            if (current < 0) {
                if (error) *error = "window path '" + path + "': this device has no desktop window";
                return nullptr;
            }
        } else {
            int index = 0;
            if (!parseIndex(part, index)) {
                if (error) *error = "window path '" + path + "': '" + part + "' is not a position (1, 2, ...)";
                return nullptr;
            }
            current = nthChild(lines, current, index);
            if (current < 0) {
                if (error) *error = "window path '" + path + "': there is no window at position " + part;
                return nullptr;
            }
        }
        first = false;
    }
    if (current < 0) {
        if (error) *error = "window path '" + path + "' names no window";
        return nullptr;
    }
    return lines[current].window;
}

}  // namespace ceemu
