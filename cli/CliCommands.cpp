#include "CliCommands.h"

// Each command lives in its own file; add it here to make it available.
std::vector<std::unique_ptr<CliCommand>> allCliCommands()
{
    std::vector<std::unique_ptr<CliCommand>> commands;
    return commands;
}
