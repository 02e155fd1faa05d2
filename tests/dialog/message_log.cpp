#include "message_log.h"

#include <algorithm>
#include <cstdio>
#include <string>

namespace dialog_test {
namespace {

std::string describe(const LoggedMessage& entry) {
    static const struct {
        UINT message;
        const char* name;
    } names[] = {
        {WM_ENABLE, "WM_ENABLE"},         {WM_ACTIVATE, "WM_ACTIVATE"},     {WM_NCACTIVATE, "WM_NCACTIVATE"},
        {WM_SETFOCUS, "WM_SETFOCUS"},     {WM_KILLFOCUS, "WM_KILLFOCUS"},   {WM_INITDIALOG, "WM_INITDIALOG"},
        {WM_SETFONT, "WM_SETFONT"},       {WM_COMMAND, "WM_COMMAND"},       {WM_CLOSE, "WM_CLOSE"},
        {WM_SHOWWINDOW, "WM_SHOWWINDOW"}, {WM_DESTROY, "WM_DESTROY"},       {WM_NCDESTROY, "WM_NCDESTROY"},
        {WM_PAINT, "WM_PAINT"},           {WM_ERASEBKGND, "WM_ERASEBKGND"}, {WM_NULL, "WM_NULL"},
    };
    const char* name = nullptr;
    for (const auto& known : names)
        if (known.message == entry.message) name = known.name;
    char text[64];
    if (name)
        std::snprintf(text, sizeof text, "%s(%llu)", name, static_cast<unsigned long long>(entry.wParam));
    else
        std::snprintf(text, sizeof text, "0x%04X(%llu)", entry.message, static_cast<unsigned long long>(entry.wParam));
    return text;
}

}  // namespace

void MessageLog::add(UINT message, WPARAM wParam) {
    std::lock_guard<std::mutex> lock(mutex_);
    messages_.push_back({message, wParam});
}

std::vector<LoggedMessage> MessageLog::only(std::initializer_list<UINT> kinds) const {
    std::lock_guard<std::mutex> lock(mutex_);
    std::vector<LoggedMessage> kept;
    for (const LoggedMessage& entry : messages_)
        if (std::find(kinds.begin(), kinds.end(), entry.message) != kinds.end()) kept.push_back(entry);
    return kept;
}

std::vector<LoggedMessage> MessageLog::all() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return messages_;
}

void MessageLog::clear() {
    std::lock_guard<std::mutex> lock(mutex_);
    messages_.clear();
}

::testing::AssertionResult sameSequence(const std::vector<LoggedMessage>& expected,
                                        const std::vector<LoggedMessage>& actual) {
    std::size_t length = std::max(expected.size(), actual.size());
    std::size_t firstDifference = length;
    for (std::size_t i = 0; i < length && firstDifference == length; ++i)
        if (i >= expected.size() || i >= actual.size() || !(expected[i] == actual[i])) firstDifference = i;
    if (firstDifference == length) return ::testing::AssertionSuccess();
    std::string report = "sequences differ at index " + std::to_string(firstDifference) + "\n";
    char line[160];
    std::snprintf(line, sizeof line, "  %-4s %-28s %-28s\n", "#", "expected", "actual");
    report += line;
    for (std::size_t i = 0; i < length; ++i) {
        std::string want = i < expected.size() ? describe(expected[i]) : "-";
        std::string got = i < actual.size() ? describe(actual[i]) : "-";
        std::snprintf(line, sizeof line, "%s %-4zu %-28s %-28s\n", i == firstDifference ? ">" : " ", i, want.c_str(),
                      got.c_str());
        report += line;
    }
    return ::testing::AssertionFailure() << report;
}

}  // namespace dialog_test
