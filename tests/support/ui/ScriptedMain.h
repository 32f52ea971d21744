#pragma once
#include "shell/forms/TFMain.h"
#include "support/ui/ScriptedDialogs.h"
#include <memory>

// Puts scripted dialogs in the place of the main window's real ones; the window owns them.
inline ScriptedDialogs* installScriptedDialogs(TFMain& main)
{
    auto owned = std::make_unique<ScriptedDialogs>();
    ScriptedDialogs* dialogs = owned.get();
    main.setDialogs(std::move(owned));
    return dialogs;
}
