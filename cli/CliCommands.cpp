#include "CliCommands.h"
#include "CheckUpdatesCommand.h"
#include "ConvertCommand.h"
#include "EditCommand.h"
#include "ExportCommand.h"
#include "InfoCommand.h"
#include "LayoutCommand.h"
#include "SaveAsCommand.h"
#include "PalettesCommand.h"
#include "PreviewCommand.h"
#include "RenderCommand.h"
#include "RhodesCommand.h"
#include "SymbolsCommand.h"

// Each command lives in its own file; add it here to make it available.
std::vector<std::unique_ptr<CliCommand>> allCliCommands()
{
    std::vector<std::unique_ptr<CliCommand>> commands;
    commands.push_back(std::make_unique<PalettesCommand>());
    commands.push_back(std::make_unique<SymbolsCommand>());
    commands.push_back(std::make_unique<RhodesCommand>());
    commands.push_back(std::make_unique<InfoCommand>());
    commands.push_back(std::make_unique<SaveAsCommand>());
    commands.push_back(std::make_unique<RenderCommand>());
    commands.push_back(std::make_unique<ConvertCommand>());
    commands.push_back(std::make_unique<EditCommand>());
    commands.push_back(std::make_unique<LayoutCommand>());
    commands.push_back(std::make_unique<ExportCommand>());
    commands.push_back(std::make_unique<CheckUpdatesCommand>());
    commands.push_back(std::make_unique<PreviewCommand>());
    return commands;
}
