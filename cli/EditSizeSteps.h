#pragma once
#include "EditSteps.h"

// The steps of `edit` that change the design's size: `insert columns|rows N` is the insert
// dialog's OK (the next click inserts), `resize W H` the design settings' new size.
namespace EditSizeSteps {
std::optional<EditSteps::Action> parseInsert(const QString& argument, QString* error);
std::optional<EditSteps::Action> parseResize(const QString& argument, QString* error);
} // namespace EditSizeSteps
