#include "typical_roads.h"

#include <cstdio>

namespace ceemu {

namespace {

// The colour the test shows after each tap, as RRGGBB.
const char* const kCycle[8] = {"0000FF", "FF0000", "00FF00", "FFFF00", "FF00FF", "00FFFF", "FFFFFF", "000000"};
const char* const kNames[8] = {"blue", "red", "green", "yellow", "magenta", "cyan", "white", "black"};

std::string hueprobeRoad() {
    std::string road =
        "# The launcher comes up full screen.\n"
        "wait\n"
        "shot 01-launcher.png\n"
        "windows\n"
        "# Start Check hides the taskbar and fills the screen with blue.\n"
        "tap-text Start Check\n"
        "wait\n"
        "shot 02-tap00-blue.png\n"
        "expect-pixel 0 0 0000FF\n"
        "expect-pixel 120 160 0000FF\n"
        "expect-pixel 239 319 0000FF\n";
    for (int tap = 1; tap <= 15; ++tap) {
        char lines[256];
        std::snprintf(lines, sizeof lines, "tap 120 200\nwait\nexpect-pixel 120 160 %s\nshot %02d-tap%02d-%s.png\n",
                      kCycle[tap % 8], tap + 2, tap, kNames[tap % 8]);
        road += lines;
    }
    road +=
        "# The sixteenth tap shows blue and closes the test: the launcher is back.\n"
        "tap 120 200\n"
        "wait\n"
        "shot 18-launcher-again.png\n"
        "windows\n"
        "tap-text Exit\n"
        "wait\n"
        "windows\n";
    return road;
}

std::string dockfadeRoad() {
    return
        "# The shell is held back: the driver's worker waits for it.\n"
        "wait\n"
        "trace\n"
        "shot 01-before.png\n"
        "windows\n"
        "signal-shell\n"
        "wait\n"
        "shot 02-after.png\n"
        "windows\n"
        "# The shell lays itself out again; the driver keeps its layout.\n"
        "settingchange\n"
        "activate-desktop\n"
        "wait\n"
        "shot 03-after-settingchange.png\n"
        "ioctl DKF1: 0x4201 4\n"
        "ioctl DKF1: 0x4202 4\n"
        "# With the procedures restored, a settings change undoes the adjustment.\n"
        "settingchange\n"
        "wait\n"
        "shot 04-restored.png\n"
        "windows\n"
        "trace\n";
}

}  // namespace

std::string typicalRoad(Profile profile) {
    return profile == Profile::PocketPc ? hueprobeRoad() : dockfadeRoad();
}

}  // namespace ceemu
