#include "cli/Commands.hpp"

const char* const kProgramName = "zembrook-level";

const std::vector<NamedCommand>& commands() {
    static const std::vector<NamedCommand> kCommands = {
        {"check", checkCommand, checkSynopsis},
        {"simulate", simulateCommand, simulateSynopsis},
        {"openings", openingsCommand, openingsSynopsis},
        {"render", renderCommand, renderSynopsis},
        {"ladder", ladderCommand, ladderSynopsis},
        {"manifest", manifestCommand, manifestSynopsis},
        {"film", filmCommand, filmSynopsis},
    };
    return kCommands;
}
