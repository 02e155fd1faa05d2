// Built when SDL is missing: only headless runs are possible.
#include "interactive_window.h"
#include "scenario_runner.h"

namespace ceemu {

int runInteractive(Handheld&, const std::vector<ScenarioLine>*, std::string* error) {
    *error = "this ceemu was built without a display front end; run with --headless";
    return kBadUsage;
}

}  // namespace ceemu
