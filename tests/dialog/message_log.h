#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <initializer_list>
#include <mutex>
#include <vector>

namespace dialog_test {

// One message a recorder procedure received; wParam only where it tells
// the story (WM_ENABLE's flag, WM_ACTIVATE's state, the command id).
struct LoggedMessage {
    UINT message;
    WPARAM wParam;
    bool operator==(const LoggedMessage&) const = default;
};

// Messages received by a recording procedure, in order. Safe to read from
// the test thread while the dialog's thread writes.
class MessageLog {
public:
    void add(UINT message, WPARAM wParam);
    // Only the messages among kinds, in order.
    std::vector<LoggedMessage> only(std::initializer_list<UINT> kinds) const;
    std::vector<LoggedMessage> all() const;
    void clear();

private:
    mutable std::mutex mutex_;
    std::vector<LoggedMessage> messages_;
};

// Compares an expected table with what was logged; on a difference names
// the first differing index and prints both sequences side by side.
::testing::AssertionResult sameSequence(const std::vector<LoggedMessage>& expected,
                                        const std::vector<LoggedMessage>& actual);

}  // namespace dialog_test
