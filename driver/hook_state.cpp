#include "hook_state.h"

constinit HookStateRecord HookState;

using InstallStepObserverFunction = void (*)(int completedStep);
constinit InstallStepObserverFunction InstallStepObserver = nullptr;
