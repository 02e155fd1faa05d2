// What the worker does to the shell's windows once the shell is ready.
#include "driver_fixture.h"

#include <aygshell.h>

using namespace driver_test;

namespace {

// The adjusted layout: bar below the screen with its left edge and size,
// desktop over the whole screen, input-panel button hidden, and the fill
// pane as wide as the screen down to the anchor pane (or the bottom).
void expectAdjusted(ce::shell::WindowsMobileShell& shell, const RECT& shellMenuBar) {
    RECT bar = windowRect(shell.menuBar());
    EXPECT_EQ(bar.top, kScreenHeight);
    EXPECT_EQ(bar.left, shellMenuBar.left);
    EXPECT_EQ(bar.right - bar.left, shellMenuBar.right - shellMenuBar.left);
    EXPECT_EQ(bar.bottom - bar.top, shellMenuBar.bottom - shellMenuBar.top);
    EXPECT_EQ(windowRect(shell.desktop()), (RECT{0, 0, kScreenWidth, kScreenHeight}));
    EXPECT_FALSE(IsWindowVisible(shell.inputPanelButton()));

    RECT fill = windowRect(shell.contentPane());
    int bottom = IsWindowVisible(shell.stripPane()) ? windowRect(shell.stripPane()).top : kScreenHeight;
    EXPECT_EQ(fill.right - fill.left, kScreenWidth);
    EXPECT_EQ(fill.bottom, bottom);
}

using ShellAdjustment = DriverTest;

TEST_F(ShellAdjustment, WaitsForTheShellThenAdjustsOnce) {
    bootShell(true);
    RECT shellMenuBar = windowRect(shell().menuBar());
    // Where the fill pane sits inside its parent; the parent moves with the desktop.
    RECT shellFill = windowRect(shell().contentPane());
    RECT shellContainer = windowRect(shell().container());
    bootDriver();
    EXPECT_EQ(windowRect(shell().menuBar()), shellMenuBar);

    shell().signalReady();
    settle();
    expectAdjusted(shell(), shellMenuBar);
    RECT fill = windowRect(shell().contentPane());
    RECT container = windowRect(shell().container());
    EXPECT_EQ(fill.left - container.left, shellFill.left - shellContainer.left) << "the fill pane keeps its place";
    EXPECT_EQ(fill.top - container.top, shellFill.top - shellContainer.top) << "the fill pane keeps its place";
}

TEST_F(ShellAdjustment, GoesStraightOnWhenTheShellIsAlreadyReady) {
    bootShell(false);
    RECT shellMenuBar = windowRect(shell().menuBar());
    bootDriver();
    expectAdjusted(shell(), shellMenuBar);
}

TEST_F(ShellAdjustment, FillPaneReachesTheBottomWhileTheAnchorIsHidden) {
    bootShell(true);
    RECT shellMenuBar = windowRect(shell().menuBar());
    ShowWindow(shell().stripPane(), SW_HIDE);
    bootDriver();
    shell().signalReady();
    settle();
    expectAdjusted(shell(), shellMenuBar);
    RECT fill = windowRect(shell().contentPane());
    EXPECT_EQ(fill.bottom - fill.top, kScreenHeight - fill.top);
}

}  // namespace
