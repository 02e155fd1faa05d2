// Pocket PC start-up rule: only one copy of a program runs at a time.
#pragma once

#include <windows.h>

#include <string>

// The name of the mutex that marks a running copy of the executable at imagePath.
std::u16string AfxSingleInstanceMutexName(const std::u16string& imagePath);

// Marks this copy as running. When another copy already holds the mark,
// looks for its top-level window (three tries in all, one second apart),
// brings it forward with its pop-ups and returns TRUE: this copy must end.
// Returns FALSE when this copy may run.
BOOL AfxActivateRunningCopy();

// Drops this copy's mark.
void AfxReleaseRunningMark();
