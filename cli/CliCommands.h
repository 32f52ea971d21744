#pragma once
#include "CliCommand.h"
#include <memory>
#include <vector>

// Every command of threadwright-cli, in the order the help text lists them.
std::vector<std::unique_ptr<CliCommand>> allCliCommands();
