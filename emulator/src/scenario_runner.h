#pragma once

#include "handheld.h"
#include "scenario.h"

#include <ostream>
#include <string>
#include <vector>

namespace ceemu {

// Exit codes of a scenario run.
enum RunResult { kScenarioPassed = 0, kExpectationFailed = 1, kBadUsage = 2 };

// Runs parsed scenario lines against a handheld, writing what the lines
// print to out and failures to errors. Relative shot files go to shotFolder.
class ScenarioRunner {
public:
    ScenarioRunner(Handheld& handheld, std::ostream& out, std::ostream& errors, std::string shotFolder = {});

    RunResult run(const std::vector<ScenarioLine>& lines);

private:
    bool runLine(const ScenarioLine& line);
    bool fail(const ScenarioLine& line, const std::string& message);
    std::string shotPath(const std::string& file) const;

    Handheld& handheld_;
    std::ostream& out_;
    std::ostream& errors_;
    std::string shotFolder_;
    bool expectationFailed_ = false;
};

std::string formatWindowLine(const WindowLine& line);

}  // namespace ceemu
