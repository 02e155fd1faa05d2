#include "shell_test_support.h"

#include <aygshell.h>
#include <aygshell/input_panel.h>

using namespace shell_test;

namespace {

using Activation = DeviceTest;

SHACTIVATEINFO freshRecord() {
    SHACTIVATEINFO record{};
    record.cbSize = sizeof record;
    return record;
}

TEST_F(Activation, EachWindowGetsBackThePanelStateItLeft) {
    // Internal: the panel's state is not readable through the public API here.
    auto& panel = ce::aygshell::InputPanel::current();
    RecordingWindow writer(u"Writer");
    RecordingWindow viewer(u"Viewer");
    SHACTIVATEINFO writerRecord = freshRecord();
    SHACTIVATEINFO viewerRecord = freshRecord();

    EXPECT_TRUE(SHHandleWMActivate(writer.handle(), WA_ACTIVE, 0, &writerRecord, 0));
    panel.setRaised(true);  // the user raised it while writing
    EXPECT_TRUE(SHHandleWMActivate(writer.handle(), WA_INACTIVE, 0, &writerRecord, 0));
    EXPECT_EQ(writerRecord.fSipOnDeactivation, 1u);
    EXPECT_EQ(writerRecord.fActive, 0u);

    EXPECT_TRUE(SHHandleWMActivate(viewer.handle(), WA_CLICKACTIVE, 0, &viewerRecord, 0));
    EXPECT_FALSE(panel.raised()) << "a window never deactivated finds the panel lowered";
    EXPECT_EQ(viewerRecord.fActive, 1u);
    EXPECT_TRUE(SHHandleWMActivate(viewer.handle(), WA_INACTIVE, 0, &viewerRecord, 0));

    EXPECT_TRUE(SHHandleWMActivate(writer.handle(), WA_ACTIVE, 0, &writerRecord, 0));
    EXPECT_TRUE(panel.raised());
    EXPECT_EQ(writerRecord.fSipUp, 1u);
    EXPECT_TRUE(SHHandleWMActivate(writer.handle(), WA_INACTIVE, 0, &writerRecord, 0));

    EXPECT_TRUE(SHHandleWMActivate(viewer.handle(), WA_ACTIVE, 0, &viewerRecord, 0));
    EXPECT_FALSE(panel.raised());
}

TEST_F(Activation, SettingChangeRecordsThePanelState) {
    auto& panel = ce::aygshell::InputPanel::current();
    RecordingWindow window(u"Window");
    SHACTIVATEINFO record = freshRecord();
    panel.setRaised(true);
    EXPECT_TRUE(SHHandleWMSettingChange(window.handle(), 0, 0, &record));
    EXPECT_EQ(record.fSipUp, 0u) << "only an input-panel change is recorded";
    EXPECT_TRUE(SHHandleWMSettingChange(window.handle(), SPI_SETSIPINFO, 0, &record));
    EXPECT_EQ(record.fSipUp, 1u);
}

TEST_F(Activation, RejectsARecordOfTheWrongSize) {
    RecordingWindow window(u"Window");
    SHACTIVATEINFO record{};
    EXPECT_FALSE(SHHandleWMActivate(window.handle(), WA_ACTIVE, 0, &record, 0));
    EXPECT_FALSE(SHHandleWMSettingChange(window.handle(), SPI_SETSIPINFO, 0, &record));
    EXPECT_FALSE(SHHandleWMActivate(window.handle(), WA_ACTIVE, 0, nullptr, 0));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
}

TEST_F(Activation, TappingTheInputPanelButtonRaisesAndLowersThePanel) {
    auto& panel = ce::aygshell::InputPanel::current();
    RecordingWindow owner(u"Owner");
    SHMENUBARINFO bar{};
    bar.cbSize = sizeof bar;
    bar.hwndParent = owner.handle();
    ASSERT_TRUE(SHCreateMenuBar(&bar));
    HWND button = GetWindow(bar.hwndMB, GW_CHILD);
    ASSERT_NE(button, nullptr);
    settle();
    RECT area = windowRect(button);
    COLORREF lowered = screenPixel(area.left + 18, area.top + 13);
    tap(area.left + 5, area.top + 5);
    settle();
    EXPECT_TRUE(panel.raised());
    EXPECT_NE(screenPixel(area.left + 18, area.top + 13), lowered) << "the button shows the raised panel";
    tap(area.left + 5, area.top + 5);
    settle();
    EXPECT_FALSE(panel.raised());
    EXPECT_EQ(screenPixel(area.left + 18, area.top + 13), lowered);
}

}  // namespace
