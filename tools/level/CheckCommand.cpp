#include <iostream>

#include "Commands.hpp"
#include "LevelCheck.hpp"

int checkCommand(const std::vector<std::string>& arguments) {
    if (arguments.empty()) {
        return badUsage("check needs at least one level file");
    }
    for (const std::string& argument : arguments) {
        if (argument.size() > 1 && argument[0] == '-') {
            return badUsage("check takes no option '" + argument + "'");
        }
    }
    bool errors = false;
    for (const std::string& file : arguments) {
        const LevelReport report = LevelCheck::checkFile(file);
        for (const Diagnostic& diagnostic : report.diagnostics) {
            std::cout << formatDiagnostic(file, diagnostic) << '\n';
        }
        std::cout << formatSummary(file, report) << '\n';
        errors = errors || report.hasErrors();
    }
    return errors ? 1 : 0;
}
