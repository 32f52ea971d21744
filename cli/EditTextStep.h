#pragma once
#include "EditSteps.h"

// `text "TEXT" [font FAMILY] [size N] [style regular|bold|italic|bold-italic] [enlarge on|off]`:
// the text dialog's OK in the current colour. The text's stitches float in the selection frame
// at the top-left cell, as the window pastes them, and the step reports "text W x H". The
// defaults are the dialog's: the family the font configuration gives for "Arial", 10 points,
// bold, auto-enlarge on. A family or text with blanks is written in double quotes, and a quote
// inside one as \".
namespace EditTextStep {
std::optional<EditSteps::Action> parseText(const QString& argument, QString* error);
} // namespace EditTextStep
