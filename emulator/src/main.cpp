// ceemu: boots an emulated handheld and runs a scenario on it, headless or in
// a desktop window.
#include "command_line.h"
#include "interactive_window.h"
#include "scenario_runner.h"
#include "typical_roads.h"

#include <filesystem>
#include <fstream>
#include <iostream>
#include <mutex>
#include <sstream>

namespace {

int badUsage(const std::string& message) {
    std::cerr << "ceemu: " << message << "\n" << ceemu::kUsage;
    return ceemu::kBadUsage;
}

}  // namespace

static int runCeemu(int argc, char** argv) {
    auto parsed = ceemu::parseCommandLine(argc - 1, argv + 1);
    if (auto* message = std::get_if<std::string>(&parsed)) return badUsage(*message);
    auto commandLine = std::get<ceemu::CommandLine>(parsed);
    if (commandLine.help) {
        std::cout << ceemu::kUsage << "\n" << ceemu::kHelp;
        return 0;
    }

    std::string scriptText;
    std::string scriptName = commandLine.scriptFile;
    std::string shotFolder;
    bool typical = commandLine.scriptFile.empty() && commandLine.headless;
    if (!commandLine.scriptFile.empty()) {
        std::ifstream file(commandLine.scriptFile);
        if (!file) return badUsage("cannot read the script '" + commandLine.scriptFile + "'");
        std::error_code ignored;
        if (std::filesystem::is_directory(commandLine.scriptFile, ignored))
            return badUsage("the script '" + commandLine.scriptFile + "' is a folder, not a file");
        std::ostringstream text;
        text << file.rdbuf();
        scriptText = text.str();
    } else if (typical) {
        scriptText = ceemu::typicalRoad(commandLine.handheld.profile);
        scriptName = "typical road";
        bool program = commandLine.handheld.profile == ceemu::Profile::PocketPc;
        shotFolder = program ? "ceemu-shots/hueprobe" : "ceemu-shots/dockfade";
        if (!program) commandLine.handheld.holdShell = true;
    }

    std::vector<ceemu::ScenarioLine> lines;
    if (!scriptText.empty()) {
        std::istringstream input(scriptText);
        auto scenario = ceemu::parseScenario(input);
        if (auto* error = std::get_if<ceemu::ParseError>(&scenario)) {
            std::cerr << "ceemu: " << scriptName << ":" << error->line << ": " << error->message << "\n";
            return ceemu::kBadUsage;
        }
        lines = std::get<std::vector<ceemu::ScenarioLine>>(scenario);
    }

    // A log that cannot be written is a wrong option, found before booting.
    if (!commandLine.handheld.debugLogFile.empty() && !std::ofstream(commandLine.handheld.debugLogFile, std::ios::app))
        return badUsage("cannot write the debug log '" + commandLine.handheld.debugLogFile + "'");

    std::string error;
    auto handheld = ceemu::Handheld::boot(commandLine.handheld, &error);
    if (!handheld) {
        std::cerr << "ceemu: cannot boot the emulated device: " << error << "\n";
        return ceemu::kExpectationFailed;
    }
    std::mutex outputMutex;
    handheld->setProgramExitListener([&](int code) {
        std::lock_guard<std::mutex> lock(outputMutex);
        std::cout << "exit " << code << std::endl;
    });

    int result = ceemu::kScenarioPassed;
    if (commandLine.headless) {
        if (!shotFolder.empty()) {
            std::error_code folderError;
            std::filesystem::create_directories(shotFolder, folderError);
            if (folderError) return badUsage("cannot make the folder '" + shotFolder + "': " + folderError.message());
        }
        ceemu::ScenarioRunner runner(*handheld, std::cout, std::cerr, shotFolder);
        result = runner.run(lines);
        if (!shotFolder.empty())
            std::cout << "screenshots written to " << std::filesystem::absolute(shotFolder).string() << std::endl;
    } else {
        result = ceemu::runInteractive(*handheld, lines.empty() ? nullptr : &lines, &error);
        if (result == ceemu::kBadUsage && !error.empty()) std::cerr << "ceemu: " << error << "\n";
    }
    handheld.reset();
    return result;
}

int main(int argc, char** argv) {
    // Last resort: whatever escapes is reported, never an abort with a core.
    try {
        return runCeemu(argc, argv);
    } catch (const std::exception& failure) {
        std::cerr << "ceemu: stopped by an unexpected error: " << failure.what() << "\n";
        return ceemu::kExpectationFailed;
    }
}
