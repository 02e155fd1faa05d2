#include "shell_test_support.h"

#include <aygshell.h>
#include <aygshell/input_panel.h>
#include <ostream>

using namespace shell_test;

namespace {

struct SizingCase {
    const char* name;
    DWORD flags;
    bool withMenuBar;
    bool panelRaised;
    RECT expected;
};

// Names the case in test listings (a byte dump would show addresses).
void PrintTo(const SizingCase& c, std::ostream* out) { *out << c.name; }

// 240 x 320 screen: taskbar 26 px at the top, menu bar 26 px at the bottom,
// input panel 80 px above the menu bar.
const SizingCase kSizingCases[] = {
    {"no menu bar: full screen below the taskbar", SHIDIF_FULLSCREENNOMENUBAR, false, false, {0, 26, 240, 320}},
    {"no menu bar flag ignores a menu bar", SHIDIF_FULLSCREENNOMENUBAR, true, true, {0, 26, 240, 320}},
    {"full screen without a bar", SHIDIF_SIZEDLGFULLSCREEN, false, false, {0, 26, 240, 320}},
    {"full screen keeps room for the bar", SHIDIF_SIZEDLGFULLSCREEN, true, false, {0, 26, 240, 294}},
    {"full screen ignores the raised panel", SHIDIF_SIZEDLGFULLSCREEN, true, true, {0, 26, 240, 294}},
    {"sized above the bar", SHIDIF_SIZEDLG, true, false, {0, 26, 240, 294}},
    {"sized above the raised panel", SHIDIF_SIZEDLG, true, true, {0, 26, 240, 214}},
    {"sized above the raised panel, no bar", SHIDIF_SIZEDLG, false, true, {0, 26, 240, 240}},
    {"panel lowered first, then sized", SHIDIF_SIZEDLG | SHIDIF_SIPDOWN, true, true, {0, 26, 240, 294}},
};

class InitDialogSizing : public DeviceTest, public ::testing::WithParamInterface<SizingCase> {};

TEST_P(InitDialogSizing, GivesTheDocumentedRectangle) {
    const SizingCase& sizing = GetParam();
    RecordingWindow dialog(u"Dialog");
    if (sizing.withMenuBar) {
        SHMENUBARINFO bar{};
        bar.cbSize = sizeof bar;
        bar.hwndParent = dialog.handle();
        bar.dwFlags = SHCMBF_EMPTYBAR;
        ASSERT_TRUE(SHCreateMenuBar(&bar));
    }
    // Internal: no call of the public API raises the panel except a tap on its button.
    ce::aygshell::InputPanel::current().setRaised(sizing.panelRaised);

    SHINITDLGINFO info{SHIDIM_FLAGS, dialog.handle(), sizing.flags};
    EXPECT_TRUE(SHInitDialog(&info));
    EXPECT_EQ(windowRect(dialog.handle()), sizing.expected);
}

INSTANTIATE_TEST_SUITE_P(Flags, InitDialogSizing, ::testing::ValuesIn(kSizingCases),
                         [](const auto& info) { return "case" + std::to_string(info.index); });

using InitDialog = DeviceTest;

TEST_F(InitDialog, LauncherFlagsGiveOkCaptionFullScreenAndLowerThePanel) {
    RecordingWindow dialog(u"Launcher", WS_POPUP | WS_VISIBLE, RECT{20, 50, 100, 150});
    ce::aygshell::InputPanel::current().setRaised(true);

    SHINITDLGINFO info{SHIDIM_FLAGS, dialog.handle(), SHIDIF_DONEBUTTON | SHIDIF_SIZEDLGFULLSCREEN | SHIDIF_SIPDOWN};
    ASSERT_EQ(info.dwFlags, 13u);
    EXPECT_TRUE(SHInitDialog(&info));

    EXPECT_TRUE(GetWindowLongW(dialog.handle(), GWL_EXSTYLE) & WS_EX_CAPTIONOKBTN);
    // A dialog without a caption gets one for its OK button.
    EXPECT_EQ(GetWindowLongW(dialog.handle(), GWL_STYLE) & WS_CAPTION, WS_CAPTION);
    EXPECT_FALSE(ce::aygshell::InputPanel::current().raised());
    EXPECT_EQ(windowRect(dialog.handle()), (RECT{0, 26, 240, 320}));
}

TEST_F(InitDialog, DoneButtonAloneKeepsTheRectangle) {
    RecordingWindow dialog(u"Dialog");
    RECT before = windowRect(dialog.handle());
    SHINITDLGINFO info{SHIDIM_FLAGS, dialog.handle(), SHIDIF_DONEBUTTON};
    EXPECT_TRUE(SHInitDialog(&info));
    EXPECT_TRUE(GetWindowLongW(dialog.handle(), GWL_EXSTYLE) & WS_EX_CAPTIONOKBTN);
    EXPECT_EQ(windowRect(dialog.handle()), before);
}

TEST_F(InitDialog, FlagsAreIgnoredWithoutTheirMask) {
    RecordingWindow dialog(u"Dialog");
    RECT before = windowRect(dialog.handle());
    SHINITDLGINFO info{0, dialog.handle(), SHIDIF_DONEBUTTON | SHIDIF_FULLSCREENNOMENUBAR};
    EXPECT_TRUE(SHInitDialog(&info));
    EXPECT_FALSE(GetWindowLongW(dialog.handle(), GWL_EXSTYLE) & WS_EX_CAPTIONOKBTN);
    EXPECT_EQ(windowRect(dialog.handle()), before);
}

TEST_F(InitDialog, RejectsAMissingRecordOrWindow) {
    EXPECT_FALSE(SHInitDialog(nullptr));
    SHINITDLGINFO info{SHIDIM_FLAGS, nullptr, SHIDIF_FULLSCREENNOMENUBAR};
    EXPECT_FALSE(SHInitDialog(&info));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
}

TEST_F(InitDialog, EmptyMenuFlagGivesTheDialogAMenuBar) {
    RecordingWindow dialog(u"Dialog");
    SHINITDLGINFO info{SHIDIM_FLAGS, dialog.handle(), SHIDIF_EMPTYMENU | SHIDIF_SIZEDLGFULLSCREEN};
    EXPECT_TRUE(SHInitDialog(&info));
    HWND bar = SHFindMenuBar(dialog.handle());
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(windowRect(bar), (RECT{0, 294, 240, 320}));
    EXPECT_EQ(windowRect(dialog.handle()), (RECT{0, 26, 240, 294}));
}

class LargeScreenInitDialog : public DeviceTest {
protected:
    LargeScreenInitDialog() : DeviceTest(480, 640) {}
};

TEST_F(LargeScreenInitDialog, UsesTheScreenSizeOfTheDevice) {
    RecordingWindow dialog(u"Dialog");
    SHINITDLGINFO info{SHIDIM_FLAGS, dialog.handle(), SHIDIF_FULLSCREENNOMENUBAR};
    EXPECT_TRUE(SHInitDialog(&info));
    EXPECT_EQ(windowRect(dialog.handle()), (RECT{0, 26, 480, 640}));
}

}  // namespace
