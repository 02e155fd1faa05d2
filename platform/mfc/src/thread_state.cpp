#include "thread_state.h"

AfxThreadState& AfxGetThreadState() {
    static thread_local AfxThreadState state{};
    return state;
}
